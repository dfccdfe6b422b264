// The check of a file before it is imported: the first line's form, the header against the
// database, the question about a declaration that holds withholdings, and the texts shown.

#include "import/base_importacion.h"

#include <sys/stat.h>

namespace {

using namespace prueba_importacion;

class VerificacionTest : public BaseImportacion {};

QString rechazo(const std::variant<PlanImportacion, RechazoImportacion>& r)
{
    if (const auto* x = std::get_if<RechazoImportacion>(&r))
        return QStringLiteral("%1 %2").arg(x->titulo(), x->descripcion);
    return QStringLiteral("(pasa)");
}

TEST_F(VerificacionTest, LosRechazosDeLaCabecera)
{
    for (const auto& [regimen, estado] : {std::pair{"06", "3"}, std::pair{"07", "1"}})
        prueba::cabecera(
            base, {.agente = QStringLiteral("000123"), .sucursal = QStringLiteral("0001"),
                   .regimen = QString::fromLatin1(regimen), .anio = QStringLiteral("2008"),
                   .mes = QStringLiteral("05"), .rectifica = QStringLiteral("00"),
                   .estado = QString::fromLatin1(estado)});
    const QString x = QStringLiteral("No se puede importar... ");
    const QString formato = QStringLiteral(" no tiene el formato requerido.");
    struct Caso {
        QByteArray primera;
        QString esperado;
    };
    const QString ruta = origen.filePath(QStringLiteral("DDJJ.TXT"));
    const Caso casos[] = {
        {C{}.linea(), "(pasa)"},
        {C{}.linea().chopped(1), x + "El archivo " + ruta + formato},
        {"R" + C{}.linea().mid(1), x + "El archivo " + ruta + formato},
        {C{.regimen = "13", .mes = "00"}.linea(),
         x + "No se permite la importacion de Declaraciones Juradas para el Regimen 13."},
        {C{.mes = "00"}.linea(), x + "No existe el mes 00."},
        {C{.mes = "13"}.linea(), x + "No existe el mes 13."},
        {C{.mes = "1 "}.linea(), "(pasa)"},
        {C{.anio = "20A8"}.linea(), x + "El archivo " + ruta + formato},
        {C{.rectifica = "0 "}.linea(), x + "El archivo " + ruta + formato},
        {C{.regimen = "06"}.linea(),
         x + QString::fromUtf8("Para importar registros sobre una Declaración Jurada existente la "
                               "misma debe encontrarse abierta\n(ir Menú Procesos->Rectificar "
                               "Declaración Cerrada)")},
        {C{.regimen = "07"}.linea(), x + QString::fromUtf8("Para importar registros sobre una "
                                                           "Declaración Jurada existente la misma "
                                                           "debe encontrarse abierta\n(ir Menú "
                                                           "Procesos->Rectificar Declaración Cerrada)")},
        {C{.agente = "000999"}.linea(), x + "El agente 000999 no se encuentra cargado en el sistema."},
        {C{.sucursal = "0007"}.linea(),
         x + QString::fromUtf8("La sucursal 0007 no está cargada para el agente 000123.")},
        // The branch of a header that ends right after the rectification is the "*" itself.
        {"C000123012008050 0*", x + "El archivo " + ruta + formato},
        {"C0001230120080500*",
         x + QString::fromUtf8("La sucursal * no está cargada para el agente 000123.")},
        {C{.regimen = "77"}.linea(),
         x + QString::fromUtf8("El régimen 77 no se encuentra cargado en el sistema.")},
        // A control character in a field, even where only the leading digits are read.
        {C{.agente = "000" + QString(QChar(0)) + "23"}.linea(), x + "El archivo " + ruta + formato},
        {C{.mes = "5" + QString(QChar(0x81))}.linea(), x + "El archivo " + ruta + formato},
        // Far longer than any header: not read to its end.
        {C{}.linea().chopped(1) + QByteArray(100'000, ' ') + "X*", x + "El archivo " + ruta + formato},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.primera.toStdString());
        EXPECT_EQ(rechazo(verificar(ModoImportacion::Declaracion, archivo({c.primera}))), c.esperado);
    }
    EXPECT_EQ(rechazo(verificar(ModoImportacion::Declaracion, archivo({}))),
              QStringLiteral("Error 62 El archivo %1 está vacío.").arg(ruta));
    const QString falta = origen.filePath(QStringLiteral("NO_ESTA.TXT"));
    EXPECT_EQ(rechazo(verificar(ModoImportacion::Declaracion, falta)),
              QStringLiteral("Error 53 No se encontró el archivo '%1'.").arg(falta));
}

TEST_F(VerificacionTest, LaPrimeraLineaDeUnArchivoDeSujetos)
{
    const QString ruta = origen.filePath(QStringLiteral("SUJ.TXT"));
    const QString formato = QStringLiteral("No se puede importar... El archivo ") + ruta
        + QStringLiteral(" no tiene el formato requerido.");
    const QByteArray valida = S{}.linea();
    const std::pair<QByteArray, QString> casos[] = {
        {valida, "(pasa)"},
        {"   " + valida + "  ", "(pasa)"},
        {valida.left(102) + "*", formato},              // 103 characters
        {valida.left(103) + "0*", formato},             // 105
        {valida.chopped(1) + " ", formato},
    };
    for (const auto& [primera, esperado] : casos) {
        // A bad later line does not stop the check.
        EXPECT_EQ(rechazo(verificar(ModoImportacion::Sujetos,
                                    archivo({primera, "BASURA"}, QStringLiteral("SUJ.TXT")))),
                  esperado)
            << primera.toStdString();
    }
    const auto plan = std::get<PlanImportacion>(
        verificar(ModoImportacion::Sujetos, archivo({valida}, QStringLiteral("SUJ.TXT"))));
    EXPECT_EQ(plan.texto, QStringLiteral("\n   Listo para importar sujetos:\n\n"));
}

// Lines may end in LF alone, as on Linux, or in CR alone: the first line is read the same.
TEST_F(VerificacionTest, LaPrimeraLineaTerminaEnCrLfEnCrOEnLf)
{
    for (const QByteArray fin : {"\r\n", "\r", "\n"}) {
        SCOPED_TRACE(fin.toStdString());
        const QString sujetos = archivo({S{}.linea(), S{.inscripcion = "6543217"}.linea()},
                                        QStringLiteral("SUJ.TXT"), fin);
        EXPECT_EQ(rechazo(verificar(ModoImportacion::Sujetos, sujetos)), QStringLiteral("(pasa)"));
        const QString ddjj = archivo({C{}.linea(), R{}.linea()}, QStringLiteral("DDJJ.TXT"), fin);
        EXPECT_EQ(rechazo(verificar(ModoImportacion::Declaracion, ddjj)), QStringLiteral("(pasa)"));
    }
}

// Only a regular file is read: a device, a pipe or a folder would never end or would block the
// window, so the check refuses them before opening anything; so does the run, when the name came
// to stand for one after its check.
TEST_F(VerificacionTest, SoloSeLeeUnArchivoComun)
{
    const QString tuberia = origen.filePath(QStringLiteral("TUBERIA"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tuberia).constData(), 0600), 0);
    const QString enlace = origen.filePath(QStringLiteral("CEROS.TXT"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), enlace));
    for (const QString& ruta : {QStringLiteral("/dev/zero"), tuberia, enlace, origen.path()}) {
        for (const ModoImportacion modo : {ModoImportacion::Sujetos, ModoImportacion::Declaracion}) {
            SCOPED_TRACE(ruta.toStdString());
            EXPECT_EQ(rechazo(verificar(modo, ruta)),
                      QString::fromUtf8("Error 75 No se puede importar '%1': no es un archivo común "
                                        "(es una carpeta, un dispositivo o una tubería).")
                          .arg(ruta));
        }
    }

    const QString ddjj = archivo({C{}.linea(), R{}.linea()});
    const auto plan = std::get<PlanImportacion>(verificar(ModoImportacion::Declaracion, ddjj));
    QFile::remove(ddjj);
    ASSERT_EQ(::mkfifo(QFile::encodeName(ddjj).constData(), 0600), 0);
    EXPECT_FALSE(importarArchivo(base, dialogos, carpeta.dir.path(), plan).completa);
    ASSERT_FALSE(dialogos.mensajes.empty());
    EXPECT_TRUE(dialogos.mensajes.back().texto.contains(QString::fromUtf8("no es un archivo común")));
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Cabeceras").toLongLong(), 0);
}

TEST_F(VerificacionTest, ElResumenSegunLaDeclaracionDelMes)
{
    const QString sinDeclaracion = QString::fromUtf8(
        "\n   Listo para crear declaración del mes de Mayo de 2008 correspondiente a:\n\n"
        "     Agente Nº 00012-3 - ACOPIOS DEL SUR\n"
        "     Sucursal: 0001 - CASA CENTRAL\n"
        "     Régimen: 01 - ");
    const auto plan = std::get<PlanImportacion>(verificar(ModoImportacion::Declaracion, archivo({C{}.linea()})));
    EXPECT_TRUE(plan.texto.startsWith(sinDeclaracion)) << plan.texto.toStdString();
    EXPECT_TRUE(plan.texto.endsWith(
        QStringLiteral("\n\n   Presione 'Importar' para comenzar o 'Cerrar' para abortar.")));
    EXPECT_FALSE(plan.idCabecera);
    EXPECT_TRUE(dialogos.mensajes.empty());

    // An open declaration of the month, of another rectification, stored as "01" for "1 ".
    const qint64 id = prueba::cabecera(
        base, {.agente = QStringLiteral("000123"), .sucursal = QStringLiteral("0001"),
               .regimen = QStringLiteral("01"), .anio = QStringLiteral("2008"),
               .mes = QStringLiteral("01"), .rectifica = QStringLiteral("01"),
               .estado = QStringLiteral("2")});
    const QByteArray enero = C{.mes = "1 "}.linea();
    auto vacia = std::get<PlanImportacion>(verificar(ModoImportacion::Declaracion, archivo({enero})));
    EXPECT_EQ(vacia.idCabecera, id);
    EXPECT_FALSE(vacia.reemplazar);
    EXPECT_TRUE(vacia.texto.startsWith(QString::fromUtf8(
        "\n   Listo para agregar registros a la declaración del mes de Enero de 2008")));
    EXPECT_TRUE(dialogos.mensajes.empty());

    sql("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Nro_Comprobante, Estado) "
        "VALUES (1, '0001234565', '00000001', '5')");
    base.ejecutar(QStringLiteral("UPDATE Retenciones SET IdCabecera = ?"), {id});
    const std::pair<Respuesta, const char*> respuestas[] = {
        {Respuesta::Si, "\n   Listo para Eliminar Retenciones y agregar a la declaración"},
        {Respuesta::No, "\n   Listo para agregar registros a la declaración"}};
    for (const auto& [respuesta, texto] : respuestas) {
        dialogos.mensajes.clear();
        dialogos.respuestas = {respuesta};
        const auto p = std::get<PlanImportacion>(verificar(ModoImportacion::Declaracion, archivo({enero})));
        EXPECT_EQ(p.reemplazar, respuesta == Respuesta::Si);
        EXPECT_TRUE(p.texto.startsWith(QString::fromUtf8(texto)));
        ASSERT_EQ(dialogos.mensajes.size(), 1u);
        const Mensaje& m = dialogos.mensajes.front();
        EXPECT_EQ(m.titulo, QString::fromUtf8("Importación de Retenciones"));
        EXPECT_EQ(m.texto, QString::fromUtf8(
                               "La DD.JJ. que intenta Rectificar contiene Retenciones\n\ndesea "
                               "eliminarlas para rectificar en su totalidad (Botón <SI>) ó Agregar "
                               "nuevas Retenciones (Botón <NO>) ?"));
        EXPECT_EQ(m.botones, Botones::SiNo);
        EXPECT_EQ(m.porDefecto, Respuesta::No);
        EXPECT_EQ(m.icono, Icono::Pregunta);
    }
}

} // namespace
