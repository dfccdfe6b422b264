// A whole run as the user meets it: the log byte for byte, the final message, a run that fails
// halfway (the database, the log, the file changing under it) and leaves nothing, and an imported
// declaration that is then emitted or undone like any other.

#include "import/base_importacion.h"

#include "declarations/deshacer_importacion.h"
#include "declarations/emision_declaracion.h"
#include "import/reporte_importacion.h"
#include "support/fallas_sistema.h"
#include "support/locale_c.h"

#include <cerrno>
#include <cstring>

namespace {

using namespace prueba_importacion;

// A log on a disk that fails: at its close (its last lines never reach the disk), or when it is to
// take its name.
class ReporteQueFalla final : public ReporteImportacion {
public:
    enum Paso { Terminar, Colocar };
    ReporteQueFalla(const QString& ruta, Paso paso) : ReporteImportacion(ruta), paso_(paso) {}
    static std::function<std::unique_ptr<ReporteImportacion>(const QString&)> al(Paso paso)
    {
        return [paso](const QString& ruta) { return std::make_unique<ReporteQueFalla>(ruta, paso); };
    }

protected:
    bool terminarArchivo(QString& error) override
    {
        if (paso_ != Terminar) return ReporteImportacion::terminarArchivo(error);
        error = QStringLiteral("No queda espacio en el dispositivo");
        return false;
    }
    bool colocarArchivo(QString& error) override
    {
        if (paso_ != Colocar) return ReporteImportacion::colocarArchivo(error);
        error = QStringLiteral("No queda espacio en el dispositivo");
        return false;
    }

private:
    Paso paso_;
};

class CorridaTest : public BaseImportacion {
protected:
    CorridaTest()
    {
        sql("INSERT INTO Remesas (Nro_Remesa, TipoEstampilla, Nro_Agente, Nro_desde, Nro_Hasta) "
            "VALUES (1, 'A', '000123', 100, 200)");
    }

    // A fixture copied where the user keeps the files to import.
    QString copiar(const char* nombre)
    {
        const QString destino = origen.filePath(QString::fromLatin1(nombre));
        QFile::remove(destino);
        EXPECT_TRUE(QFile::copy(QStringLiteral(TARQUEL_FIXTURES "/importacion/") + nombre, destino));
        return destino;
    }
    // A file's bytes, as text that shows them when a comparison fails.
    static std::string leido(const QString& ruta)
    {
        QFile f(ruta);
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).toStdString()
                                           : std::string("(no existe)");
    }
    std::string esperado(const char* nombre)
    {
        return leido(QStringLiteral(TARQUEL_FIXTURES "/importacion/") + nombre);
    }
    std::string reporteBytes(const char* nombre) { return leido(carpeta.ruta(QString::fromLatin1(nombre))); }

    // Writes a log as a run of the past left it.
    void escribirReporte(const char* nombre, const QByteArray& bytes)
    {
        QFile f(carpeta.ruta(QString::fromLatin1(nombre)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // The files of the data folder: the database and the logs, nothing left half-made.
    QStringList archivosDeDatos() const
    {
        return QDir(carpeta.dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // The message of a run whose file changed, or was replaced, while it was read.
    static QString cambioMientrasSeLee(const QString& ruta)
    {
        return QString::fromUtf8("El archivo '%1' cambió mientras se leía (otro programa lo estaba "
                                 "escribiendo o lo reemplazó). Vuelva a importarlo cuando esté "
                                 "completo.\n\nLa importación no guardó nada: la base de datos "
                                 "quedó como estaba.")
            .arg(ruta);
    }

    // A database failure in the middle of a run: storing this withholding or subject fails.
    void fallarAlGuardar(const char* tabla, const char* campo, const char* valor)
    {
        base.ejecutar(QStringLiteral("CREATE TRIGGER falla_%1 AFTER INSERT ON %1 WHEN NEW.%2 = '%3' "
                                     "BEGIN SELECT RAISE(ABORT, 'falla de prueba'); END")
                          .arg(QLatin1String(tabla), QLatin1String(campo), QLatin1String(valor)));
    }
};

// The same file with its lines ended in CR LF, or in LF alone as on Linux, gives the same log.
TEST_F(CorridaTest, ElReporteDeUnArchivoDeSujetos)
{
    for (const char* nombre : {"SUJETOS.TXT", "SUJETOS_LF.TXT"}) {
        SCOPED_TRACE(nombre);
        sql("DELETE FROM Contribuyentes WHERE Nro_Contrib NOT IN ('0001234565', '9011234563')");
        dialogos.mensajes.clear();
        const QString log = QString::fromLatin1(nombre) + QStringLiteral(".log");
        const auto r = importar(ModoImportacion::Sujetos, copiar(nombre));
        ASSERT_TRUE(r.completa);
        EXPECT_EQ(reporteBytes(qPrintable(log)), esperado("SUJETOS.TXT.log"));
        EXPECT_EQ(r.rutaReporte, carpeta.ruta(log));
        ASSERT_EQ(dialogos.mensajes.size(), 1u);
        const Mensaje& fin = dialogos.mensajes.back();
        EXPECT_EQ(fin.titulo, QStringLiteral("Fin del Proceso"));
        EXPECT_EQ(fin.icono, Icono::Informacion);
        EXPECT_EQ(fin.texto, QString::fromUtf8("Se generó el siguiente archivo en su disco duro como "
                                               "reporte de la importación:\n\n")
                                 + carpeta.ruta(log));
        QStringList sujetos;
        for (const QSqlRecord& f : base.filas(QStringLiteral(
                 "SELECT Nro_Contrib, CUIT, Razon_Social, Domicilio, Cod_Tipo FROM Contribuyentes "
                 "ORDER BY Nro_Contrib")))
            sujetos << QStringList{f.value(0).toString(), f.value(1).toString(), f.value(2).toString(),
                                   f.value(3).toString(), f.value(4).toString()}
                           .join(QLatin1Char('|'));
        EXPECT_EQ(sujetos, QStringList({"0001234565|20123456786|PEREZ JUAN|SAN MARTIN 123|0",
                                        QString::fromUtf8("0006543217|27123456780|GÓMEZ ÑANDÚ|BELGRANO 9|0"),
                                        "9011234563|27123456780|O'HIGGINS ANA|MITRE 5|2",
                                        "9241234564|30123456781|LA COOPERATIVA|RUTA 22 KM 5|2"}));
    }
    // A subjects run leaves every declaration as it was.
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Cabeceras").toLongLong(), 0);
}

TEST_F(CorridaTest, ElAvanceLlegaAlCienPorCiento)
{
    QList<QByteArray> lineas{C{}.linea()};
    for (int i = 0; i < 300; ++i) lineas << R{}.linea();
    const auto plan =
        std::get<PlanImportacion>(verificar(ModoImportacion::Declaracion, archivo(lineas)));
    std::vector<int> avance;
    ASSERT_TRUE(importarArchivo(base, dialogos, carpeta.dir.path(), plan,
                                {.progreso = [&](int v) { avance.push_back(v); }})
                    .completa);
    ASSERT_FALSE(avance.empty());
    EXPECT_TRUE(std::is_sorted(avance.begin(), avance.end()));
    EXPECT_EQ(avance.back(), 100);
}

TEST_F(CorridaTest, ElReporteDeUnaDeclaracionYUnaSegundaCorridaLoReemplaza)
{
    const QString ruta = copiar("DDJJ_R10.TXT");
    ASSERT_TRUE(importar(ModoImportacion::Declaracion, ruta).completa);
    EXPECT_EQ(reporteBytes("DDJJ_R10.TXT.log"), esperado("DDJJ_R10.TXT.log"));
    const qint64 id = idImportada(QStringLiteral("10"));
    EXPECT_EQ(comprobantes(id), QStringList({"00000043 5 E"}));
    EXPECT_EQ(valor("SELECT Descartados FROM Cabeceras").toLongLong(), 6);

    // Again, replacing what the first run stored: the same log, written anew.
    ASSERT_TRUE(importar(ModoImportacion::Declaracion, ruta, {Respuesta::Si}).completa);
    EXPECT_EQ(reporteBytes("DDJJ_R10.TXT.log"), esperado("DDJJ_R10.TXT.log"));
    EXPECT_EQ(comprobantes(id), QStringList({"00000045 5 E"}));
}

// A declaration whose lines end some in CR LF and some in LF alone reads as the CR LF one.
TEST_F(CorridaTest, UnaDeclaracionConFinesDeLineaMezclados)
{
    ASSERT_TRUE(importar(ModoImportacion::Declaracion, copiar("DDJJ_R10_MIXTO.TXT")).completa);
    EXPECT_EQ(reporteBytes("DDJJ_R10_MIXTO.TXT.log"), esperado("DDJJ_R10.TXT.log"));
    EXPECT_EQ(comprobantes(idImportada(QStringLiteral("10"))), QStringList({"00000043 5 E"}));
    EXPECT_EQ(valor("SELECT Descartados FROM Cabeceras").toLongLong(), 6);
}

TEST_F(CorridaTest, UnaFallaAMitadDeCaminoNoDejaNadaYElReporteAnteriorQueda)
{
    // The log of the last good run of the same file.
    const QByteArray anterior = "REPORTE ANTERIOR\r\n";
    escribirReporte("DDJJ.TXT.log", anterior);

    // An open declaration of the month with one receipt; the user chose to replace it.
    const qint64 id = prueba::cabecera(
        base, {.agente = QStringLiteral("000123"), .sucursal = QStringLiteral("0001"),
               .regimen = QStringLiteral("01"), .anio = QStringLiteral("2008"),
               .mes = QStringLiteral("05"), .rectifica = QStringLiteral("00"),
               .estado = QStringLiteral("2"), .origen = QStringLiteral("M"), .descartados = 3});
    base.ejecutar(QStringLiteral("INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Nro_Comprobante, "
                                 "Estado, MarcaImp) VALUES (?, '0001234565', '00000007', '5', '')"),
                  {id});
    fallarAlGuardar("Retenciones", "Nro_Comprobante", "00000044");

    const auto r = importarDDJJ({C{}.linea(), R{}.linea(), R{.dia = "00"}.linea(), R{}.linea(),
                                 R{}.linea(), "BASURA"},
                                {Respuesta::Si});
    EXPECT_FALSE(r.completa);
    EXPECT_EQ(comprobantes(id), QStringList({"00000007 5 "}));
    EXPECT_EQ(valor("SELECT Origen || Descartados FROM Cabeceras").toString(), QStringLiteral("M3"));
    EXPECT_EQ(contador(), QStringLiteral("00000041"));
    EXPECT_EQ(reporteBytes("DDJJ.TXT.log"), anterior.toStdString());
    EXPECT_EQ(archivosDeDatos(), QStringList({"BDR.mdb", "DDJJ.TXT.log"}));
    ASSERT_EQ(dialogos.mensajes.size(), 2u);  // the question, then the failure
    const Mensaje& falla = dialogos.mensajes.back();
    EXPECT_EQ(falla.titulo, QStringLiteral("Error 3317"));
    EXPECT_EQ(falla.icono, Icono::Critico);
    EXPECT_EQ(falla.texto, QString::fromUtf8("Un valor no cumple la regla de su campo (falla de "
                                             "prueba).\n\nLa importación no guardó nada: la base "
                                             "de datos quedó como estaba."));

    // A new declaration goes too; so do the subjects of a subjects run.
    sql("DELETE FROM Retenciones");
    sql("DELETE FROM Cabeceras");
    EXPECT_FALSE(importarDDJJ({C{}.linea(), R{}.linea(), R{}.linea(), R{}.linea()}).completa);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Cabeceras").toLongLong(), 0);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Retenciones").toLongLong(), 0);
    EXPECT_EQ(contador(), QStringLiteral("00000041"));

    fallarAlGuardar("Contribuyentes", "Nro_Contrib", "9241234564");
    EXPECT_FALSE(importar(ModoImportacion::Sujetos, copiar("SUJETOS.TXT")).completa);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Contribuyentes").toLongLong(), 2);
    // A first run that fails leaves no log at all.
    EXPECT_EQ(archivosDeDatos(), QStringList({"BDR.mdb", "DDJJ.TXT.log"}));
}

// The log is written whole, and on the disk, before the run is stored: a disk that fills up at its
// last lines (or fails when it is closed) ends the run with nothing kept and the last run's log
// as it was. Once the run is stored, a log that cannot take its name does not undo it.
TEST_F(CorridaTest, UnReporteQueNoSeTerminaDeEscribirNoDejaNada)
{
    const QByteArray anterior = "REPORTE ANTERIOR\r\n";
    escribirReporte("DDJJ.TXT.log", anterior);
    const QString ruta = archivo({C{}.linea(), R{}.linea(), "BASURA"});
    const auto plan = std::get<PlanImportacion>(verificar(ModoImportacion::Declaracion, ruta));
    const QString log = carpeta.ruta(QStringLiteral("DDJJ.TXT.log"));

    const auto r = importarArchivo(base, dialogos, carpeta.dir.path(), plan,
                                   {.crearReporte = ReporteQueFalla::al(ReporteQueFalla::Terminar)});
    EXPECT_FALSE(r.completa);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Cabeceras").toLongLong(), 0);
    EXPECT_EQ(contador(), QStringLiteral("00000041"));
    EXPECT_EQ(reporteBytes("DDJJ.TXT.log"), anterior.toStdString());
    EXPECT_EQ(archivosDeDatos(), QStringList({"BDR.mdb", "DDJJ.TXT.log"}));
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes.back().titulo, QStringLiteral("Error 75"));
    EXPECT_EQ(dialogos.mensajes.back().texto,
              QString::fromUtf8("No se pudo escribir el archivo de reporte '%1' (No queda espacio "
                                "en el dispositivo).\n\nLa importación no guardó nada: la base de "
                                "datos quedó como estaba.")
                  .arg(log));

    dialogos.mensajes.clear();
    const auto guardada =
        importarArchivo(base, dialogos, carpeta.dir.path(), plan,
                        {.crearReporte = ReporteQueFalla::al(ReporteQueFalla::Colocar)});
    EXPECT_TRUE(guardada.completa);
    EXPECT_EQ(comprobantes(idImportada()), QStringList({"00000042 5 I"}));
    EXPECT_EQ(reporteBytes("DDJJ.TXT.log"), anterior.toStdString());
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes.back().titulo, QStringLiteral("Error 75"));
    EXPECT_TRUE(dialogos.mensajes.back().texto.endsWith(QString::fromUtf8("Lo importado quedó guardado.")));
}

// A log whose closing fails, as on a disk that reports a delayed write only then, is a log not
// written: the run keeps nothing, the last run's log stays, and the message gives the cause in the
// program's words, also under a C locale, where the system's own are English.
TEST_F(CorridaTest, UnReporteQueNoSePuedeCerrarNoDejaNada)
{
    const LocaleC localeC;
    const QByteArray anterior = "REPORTE ANTERIOR\r\n";
    escribirReporte("DDJJ.TXT.log", anterior);
    FallasSistema fallas;
    fallas.sinCerrar(carpeta.ruta(QStringLiteral("DDJJ.TXT.log.tmp")));

    const auto r = importarDDJJ({C{}.linea(), R{}.linea(), "BASURA"});
    EXPECT_FALSE(r.completa);
    EXPECT_EQ(fallas.fallas(), 1);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Cabeceras").toLongLong(), 0);
    EXPECT_EQ(contador(), QStringLiteral("00000041"));
    EXPECT_EQ(reporteBytes("DDJJ.TXT.log"), anterior.toStdString());
    EXPECT_EQ(archivosDeDatos(), QStringList({"BDR.mdb", "DDJJ.TXT.log"}));
    ASSERT_FALSE(dialogos.mensajes.empty());
    const Mensaje& falla = dialogos.mensajes.back();
    EXPECT_EQ(falla.titulo, QStringLiteral("Error 75"));
    EXPECT_EQ(falla.texto,
              QString::fromUtf8("No se pudo escribir el archivo de reporte '%1' (error de lectura o "
                                "escritura del disco).\n\nLa importación no guardó nada: la base de "
                                "datos quedó como estaba.")
                  .arg(carpeta.ruta(QStringLiteral("DDJJ.TXT.log"))));
    EXPECT_FALSE(falla.texto.contains(QString::fromLocal8Bit(std::strerror(EIO))));
    EXPECT_EQ(r.falla, falla.texto.section(QStringLiteral("\n\n"), 0, 0));
}

// A run killed before its log took its name left the log's temporary file in the data folder; the
// next import, of any file, takes away every such leftover and nothing else.
TEST_F(CorridaTest, LosReportesTemporalesQueDejoUnaCorridaInterrumpidaSeBorran)
{
    const QStringList dejados{"DDJJ.TXT.log.tmp", "SUJETOS.TXT.log.tmp", ".oculto.log.tmp"};
    const QStringList ajenos{"OTRO.TXT.log", "notas.tmp", "log.tmp.txt"};
    for (const QString& nombre : dejados + ajenos) escribirReporte(qPrintable(nombre), "restos");
    QDir().mkpath(carpeta.ruta(QStringLiteral("carpeta.log.tmp")));

    ASSERT_TRUE(importar(ModoImportacion::Sujetos, copiar("SUJETOS.TXT")).completa);
    QStringList esperados = ajenos + QStringList{"BDR.mdb", "SUJETOS.TXT.log"};
    esperados.sort();
    EXPECT_EQ(archivosDeDatos(), esperados);
    EXPECT_TRUE(QFileInfo(carpeta.ruta(QStringLiteral("carpeta.log.tmp"))).isDir());
}

// Another file renamed over the imported one half way: the run read the file it opened, whole and
// unchanged, but the name now names another file, so nothing is kept. The other file is made the
// same in every way but its identity: the same bytes, the same time of its last change.
TEST_F(CorridaTest, UnArchivoReemplazadoMientrasSeLeeNoDejaNada)
{
    QList<QByteArray> lineas{C{}.linea()};
    for (int i = 0; i < 50; ++i) lineas << R{}.linea();
    const QString ruta = archivo(lineas);
    const QString otro = archivo(lineas, QStringLiteral("OTRO.TXT"));
    const QDateTime hora = QDateTime::currentDateTime().addSecs(-3600);
    for (const QString& r : {ruta, otro}) {
        QFile f(r);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(hora, QFileDevice::FileModificationTime));
    }
    const auto plan = std::get<PlanImportacion>(verificar(ModoImportacion::Declaracion, ruta));
    bool reemplazado = false;
    const auto r = importarArchivo(base, dialogos, carpeta.dir.path(), plan,
                                   {.progreso = [&](int) {
                                       if (reemplazado) return;
                                       reemplazado = true;
                                       ASSERT_EQ(::rename(QFile::encodeName(otro).constData(),
                                                          QFile::encodeName(ruta).constData()),
                                                 0);
                                   }});
    ASSERT_TRUE(reemplazado);
    EXPECT_FALSE(r.completa);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Cabeceras").toLongLong(), 0);
    EXPECT_EQ(archivosDeDatos(), QStringList({"BDR.mdb"}));
    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes.back().texto, cambioMientrasSeLee(ruta));

    // The file now under the name goes through once imported again.
    dialogos.mensajes.clear();
    ASSERT_TRUE(importar(ModoImportacion::Declaracion, ruta).completa);
}

// A file that another program is still writing: what was read is not the file as it was when the
// run started, so nothing is kept.
TEST_F(CorridaTest, UnArchivoQueCambiaMientrasSeLeeNoDejaNada)
{
    QList<QByteArray> lineas{C{}.linea()};
    for (int i = 0; i < 50; ++i) lineas << R{}.linea();
    const std::pair<const char*, std::function<void(QFile&)>> cambios[] = {
        {"crece", [](QFile& f) { f.write(R{}.linea() + "\r\n"); }},
        {"se acorta", [](QFile& f) { f.resize(f.size() / 2); }},
        {"se reescribe", [](QFile& f) {
             f.setFileTime(f.fileTime(QFileDevice::FileModificationTime).addSecs(-60),
                           QFileDevice::FileModificationTime);
         }},
    };
    for (const auto& [nombre, cambio] : cambios) {
        SCOPED_TRACE(nombre);
        const QString ruta = archivo(lineas);
        const auto plan = std::get<PlanImportacion>(verificar(ModoImportacion::Declaracion, ruta));
        dialogos.mensajes.clear();
        bool cambiado = false;
        const auto r = importarArchivo(base, dialogos, carpeta.dir.path(), plan,
                                       {.progreso = [&](int) {
                                           if (cambiado) return;
                                           cambiado = true;
                                           QFile f(ruta);
                                           ASSERT_TRUE(f.open(QIODevice::ReadWrite | QIODevice::Append));
                                           cambio(f);
                                       }});
        EXPECT_FALSE(r.completa);
        EXPECT_EQ(valor("SELECT COUNT(*) FROM Cabeceras").toLongLong(), 0);
        ASSERT_EQ(dialogos.mensajes.size(), 1u);
        EXPECT_EQ(dialogos.mensajes.back().texto, cambioMientrasSeLee(ruta));
    }
}

// Characters the agency's files cannot carry: taken out of a name, with a note in the log; a
// number that holds one fails its line.
TEST_F(CorridaTest, LosCaracteresDeControlDeUnArchivoDeSujetos)
{
    const QString nul(QChar(0));
    const QString x81(QChar(0x81));
    const QString ruta = archivo({S{.inscripcion = "6543217", .cuit = "27123456780",
                                    .nombre = "GOMEZ" + nul + " ANA" + x81}
                                      .linea(),
                                  S{.inscripcion = "1111116", .cuit = "2012345" + nul + "786"}.linea()},
                                 QStringLiteral("SUJ.TXT"));
    ASSERT_TRUE(importar(ModoImportacion::Sujetos, ruta).completa);
    EXPECT_EQ(hallazgos(QStringLiteral("SUJ.TXT")),
              QStringList({QString::fromUtf8("1   ATENCION: Se quitaron caracteres no válidos de la "
                                             "Razón Social."),
                           QStringLiteral("2 DESCARTADA: El registro no tiene el formato requerido.")}));
    EXPECT_EQ(valor("SELECT Razon_Social FROM Contribuyentes WHERE Nro_Contrib = '0006543217'")
                  .toString(),
              QStringLiteral("GOMEZ ANA"));
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Contribuyentes").toLongLong(), 3);
}

TEST_F(CorridaTest, SinReporteNoSeImportaNada)
{
    const QString ruta = archivo({C{}.linea(), R{}.linea()});
    QDir().mkpath(carpeta.ruta(QStringLiteral("DDJJ.TXT.log")));  // the log's name is taken
    EXPECT_FALSE(importar(ModoImportacion::Declaracion, ruta).completa);
    EXPECT_EQ(valor("SELECT COUNT(*) FROM Cabeceras").toLongLong(), 0);
    ASSERT_FALSE(dialogos.mensajes.empty());
    EXPECT_EQ(dialogos.mensajes.back().titulo, QStringLiteral("Error 75"));
    EXPECT_TRUE(dialogos.mensajes.back().texto.startsWith(
        QStringLiteral("No se pudo crear el archivo de reporte '%1'")
            .arg(carpeta.ruta(QStringLiteral("DDJJ.TXT.log")))));
}

TEST_F(CorridaTest, UnaDeclaracionImportadaSeEmiteComoCualquierOtra)
{
    sql("INSERT INTO Vencimientos (Anio, Mes, Fecha) VALUES (2008, 5, '2008-06-16')");
    ASSERT_TRUE(importarDDJJ({C{}.linea(), R{}.linea(), R{.dia = "00"}.linea(), "BASURA"}).completa);
    const qint64 id = idImportada();

    QTemporaryDir destino;
    dialogos.mensajes.clear();
    dialogos.respuestas = {Respuesta::Si};
    dialogos.rutas = {destino.path()};
    const auto emitida = emitirDeclaracion(contexto, id);
    ASSERT_TRUE(emitida);
    EXPECT_EQ(valor("SELECT Estado FROM Cabeceras").toString(), QStringLiteral("3"));
    QFile archivoEmitido(QDir(destino.path()).filePath(QStringLiteral("DJ_000123_0001_01_2008_05_00.TXT")));
    ASSERT_TRUE(archivoEmitido.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(archivoEmitido.readAll()),
              QStringLiteral("C00012301200805000001CASA CENTRAL                            "
                             "TRESVALLE           NI30123456781100001*\r\n"
                             "R000123456515000001000,0005,00000000050,000001-0000123401000000420"
                             "20123456786I*\r\n"
                             "R000123456500000001000,0005,00000000050,000001-0000123401000000430"
                             "20123456786E*\r\n"));
}

TEST_F(CorridaTest, UnaDeclaracionImportadaSeDeshaceConTodoLoQueTrajo)
{
    for (const char* regimen : {"11", "16"}) {
        SCOPED_TRACE(regimen);
        const D anticipo{.anticipo = "00000007", .agente = "000456", .tipo = "00", .cantidad = "000",
                         .unitario = "000000010.00"};
        ASSERT_TRUE(importarDDJJ({C{.regimen = QString::fromLatin1(regimen)}.linea(),
                                  R{.alicuota = "01,00", .retenido = "000000000.00"}.linea(),
                                  anticipo.linea()})
                        .completa);
        const qint64 id = idImportada(QString::fromLatin1(regimen));
        EXPECT_EQ(contar("Guias", id), 1);
        EXPECT_EQ(contar("Retenciones_B", id), 1);
        dialogos.respuestas = {Respuesta::Si};
        EXPECT_TRUE(deshacerImportacion(contexto, id));
        for (const char* tabla : {"Retenciones", "Guias", "Retenciones_B", "Cabeceras"})
            EXPECT_EQ(contar(tabla, id), 0) << tabla;
    }
}

} // namespace
