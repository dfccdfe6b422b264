// "D.Jurada Policía": the police declaration file of a closed declaration, byte by byte, its
// refusals, a folder that cannot take it, and the fines report printed after it.

#include "police/archivo_policia.h"

#include "support/datos_policiales.h"
#include "support/disco_lleno.h"
#include "support/fallas_sistema.h"
#include "support/impresora_guionada.h"
#include "support/pdf_prueba.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kNombre = u"DJPol_012345_0001_13_2008_05_00.TXT"_s;

// A closed police declaration of May 2008: two fines of GARCIA JUAN, one of an officer without
// file number, document or account, one of an officer since deleted, one without its time.
struct DeclaracionPolicial : DatosPoliciales {
    qint64 otro = prueba::policia(base, {.tipo = u"Otro"_s, .nombre = u"RUIZ PEDRO"_s});
    QString destino = carpeta.ruta(u"destino"_s);

    DeclaracionPolicial()
    {
        QDir().mkpath(destino);
        const qint64 k = turno("2008-05-10", "09:00:00", {100, 50, 0, 0});
        comprobante("00000001", k, {{"A0000001", 1}});
        comprobante("00000002", k, {{"A0000002", 1}}, "4");
        comprobante("00000003", k, {{"A0000003", 1}}, "5", 0, otro);
        comprobante("00000004", k, {{"A0000004", 1}}, "5", 0, lopez);
        sql("UPDATE Multas_cobradas SET Importe_Multa = ?, Hora_Cobro = NULL "
            "WHERE Nro_Comprobante = '00000003'",
            {tasa("150")});
        sql("DELETE FROM Policias WHERE CodPolicia = ?", {lopez});
        sql("UPDATE Cabeceras SET Estado = '3' WHERE IdCabecera = ?", {idCabecera});
    }
    QString codigo(qint64 policia) { return QString::number(policia).rightJustified(3, u'0'); }
    QByteArray archivo()
    {
        QFile f(QDir(destino).filePath(kNombre));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList enDestino() const
    {
        return QDir(destino).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    // The file written once, as the folder then holds it.
    QByteArray primeraVez()
    {
        dialogs.rutas = {destino};
        dialogs.respuestas = {Respuesta::Aceptar, Respuesta::No};
        ImpresoraGuionada impresora;
        emitirDeclaracionPolicia(contexto, idCabecera, impresora);
        dialogs.mensajes.clear();
        return archivo();
    }
};

TEST(ArchivoPolicia, RegistrosKPyM)
{
    DeclaracionPolicial f;
    const ArchivoPolicia a = armarArchivoPolicia(f.base, *leerCabecera(f.base, f.idCabecera),
                                                 QLocale(QLocale::Spanish, QLocale::Argentina));
    EXPECT_EQ(a.nombre, kNombre);
    const QString k = u"K01234513200805000001"_s + u"CASA CENTRAL"_s.leftJustified(40)
                      + u"CAPITAL"_s.leftJustified(20) + u"M*"_s;
    const QString garcia = u"P"_s + u"GARCIA JUAN"_s.leftJustified(30) + u"00150196"_s
                           + u"0020111222"_s + u"CA 123/4"_s.leftJustified(30) + f.codigo(f.garcia)
                           + u"*"_s;
    // "Otro", no file number, document or account.
    const QString ruiz = u"P"_s + u"RUIZ PEDRO"_s.leftJustified(30) + u"000000"_s + u"00"_s
                         + u"0000000000"_s + QString(30, u' ') + f.codigo(f.otro) + u"*"_s;
    const QStringList esperadas{
        k, garcia, ruiz,
        // Every fine, the annulled receipt's and the deleted officer's too.
        u"M"_s + f.codigo(f.garcia) + u"0000300,0010/05/200811:00:00*"_s,
        u"M"_s + f.codigo(f.garcia) + u"0000300,0010/05/200811:00:00*"_s,
        u"M"_s + f.codigo(f.otro) + u"0000150,0010/05/2008        *"_s,
        u"M"_s + f.codigo(f.lopez) + u"0000300,0010/05/200811:00:00*"_s,
    };
    QStringList lineas;
    for (const QByteArray& l : a.lineas) lineas << QString::fromLatin1(l);
    EXPECT_EQ(lineas.join(u'\n').toStdString(), esperadas.join(u'\n').toStdString());
    for (const QString& l : lineas) EXPECT_EQ(l.size(), l.startsWith(u'M') ? 33 : 83) << l.toStdString();
    EXPECT_EQ(codigoTipoDocumento(u"L.C."_s), u"90"_s);
    EXPECT_EQ(codigoTipoDocumento(u"L.E."_s), u"99"_s);
    EXPECT_EQ(codigoTipoDocumento(u"C.I."_s), u"51"_s);
    EXPECT_EQ(codigoTipoDocumento(QString()), u"00"_s);
}

TEST(ArchivoPolicia, SoloParaDeclaracionesCerradas)
{
    DeclaracionPolicial f;
    f.sql("UPDATE Cabeceras SET Estado = '2'");
    ImpresoraGuionada impresora;
    f.dialogs.rutas = {f.destino};
    EXPECT_FALSE(emitirDeclaracionPolicia(f.contexto, f.idCabecera, impresora));
    ASSERT_EQ(f.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(f.dialogs.mensajes[0].texto, u"Primero Debe cerrar la DDJJ desde el botón D.&Jurada"_s);
    EXPECT_EQ(f.dialogs.mensajes[0].titulo, u"Tarquel"_s);
    EXPECT_EQ(f.dialogs.rutas.size(), 1U);  // no folder asked
    EXPECT_TRUE(QDir(f.destino).isEmpty());
    EXPECT_TRUE(impresora.trabajos.empty());
}

TEST(ArchivoPolicia, ArchivoMensajeYReporteDeMultas)
{
    DeclaracionPolicial f;
    f.sql("INSERT INTO Subtotales (IdCabecera) VALUES (?)", {f.idCabecera});
    const QString pdf = f.carpeta.ruta(u"multas.pdf"_s);
    ImpresoraGuionada impresora(f.base, pdf);
    f.dialogs.rutas = {f.destino};
    f.dialogs.respuestas = {Respuesta::Aceptar, Respuesta::Si};
    EXPECT_FALSE(emitirDeclaracionPolicia(f.contexto, f.idCabecera, impresora));

    const QByteArray bytes = f.archivo();
    EXPECT_EQ(bytes.count("\r\n"), 7);
    EXPECT_TRUE(bytes.startsWith("K012345132008050000"));
    EXPECT_EQ(f.valor("SELECT COUNT(*) FROM Subtotales").toInt(), 0);
    ASSERT_EQ(f.dialogs.mensajes.size(), 2U);
    EXPECT_EQ(f.dialogs.mensajes[0].texto,
              u"El archivo %1\nha sido generado con éxito en:\n%2"_s.arg(
                  kNombre, QDir::toNativeSeparators(QDir(f.destino).path() + u"/"_s)));
    EXPECT_EQ(f.dialogs.mensajes[0].titulo, u"Información"_s);
    EXPECT_EQ(f.dialogs.mensajes[1].titulo, u"¿Confirmar Impresión?"_s);
    EXPECT_EQ(f.valor("SELECT Tipo_Registro || ' ' || IdCabecera || ' ' || Fecha_Desde || ' ' || "
                      "Hora_Desde || ' ' || Nro_Comprobante FROM Tmp_Informe_Turno")
                  .toString(),
              u"1 %1 2008-05-17 10:30:00 0"_s.arg(f.idCabecera));
    ASSERT_EQ(impresora.trabajos.size(), 1U);
    EXPECT_EQ(impresora.trabajos[0].reporte, u"DDJJ_Multas.rpt"_s);
    EXPECT_EQ(impresora.trabajos[0].copias, 2);

    const QStringList paginas = pdf::paginas(pdf);
    ASSERT_EQ(paginas.size(), 2);  // two copies
    for (const QString& e :
         {u"DECLARACIÓN JURADA DE MULTAS"_s, u"17/05/2008 10:30"_s, u"GARCIA JUAN"_s,
          u"Legajo 1501"_s, u"Cuenta CA 123/4"_s, u"RUIZ PEDRO"_s,
          u"Nº %1 (no registrado)"_s.arg(f.lopez), u"00000004"_s, u"ANULADO"_s, u"$ 600,00"_s,
          u"$ 150,00"_s, u"4 multa(s) de la declaración"_s, u"$ 1.050,00"_s})
        EXPECT_TRUE(paginas[0].contains(e)) << e.toStdString() << "\n" << paginas[0].toStdString();

    // Written again, the file is replaced; declined, nothing is printed.
    f.sql("DELETE FROM Multas_cobradas WHERE Nro_Comprobante <> '00000001'");
    f.dialogs.rutas = {f.destino};
    f.dialogs.respuestas = {Respuesta::Aceptar, Respuesta::No};
    ImpresoraGuionada otra;
    emitirDeclaracionPolicia(f.contexto, f.idCabecera, otra);
    EXPECT_EQ(f.archivo().count("\r\n"), 3);
    EXPECT_TRUE(otra.trabajos.empty());
    EXPECT_EQ(QDir(f.destino).entryList(QDir::Files), QStringList{kNombre});
}

// A file that cannot be put in place ends with a message; the report's row is not written and
// nothing is printed.
TEST(ArchivoPolicia, CarpetaQueNoAceptaElArchivo)
{
    DeclaracionPolicial f;
    f.sql("INSERT INTO Tmp_Informe_Turno (Tipo_Registro, IdCabecera, Nro_Comprobante) "
          "VALUES (2, 0, 'anterior')");
    QDir().mkpath(QDir(f.destino).filePath(kNombre + u"/adentro"_s));
    ImpresoraGuionada impresora;
    f.dialogs.rutas = {f.destino};
    EXPECT_FALSE(emitirDeclaracionPolicia(f.contexto, f.idCabecera, impresora));
    ASSERT_EQ(f.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(f.dialogs.mensajes[0].titulo, u"Error 75"_s);
    EXPECT_TRUE(f.dialogs.mensajes[0].texto.startsWith(u"No se pudo generar el archivo "_s + kNombre))
        << f.dialogs.mensajes[0].texto.toStdString();
    EXPECT_TRUE(impresora.trabajos.empty());
    EXPECT_EQ(f.valor("SELECT Nro_Comprobante FROM Tmp_Informe_Turno").toString(), u"anterior"_s);
    EXPECT_EQ(QDir(f.destino).entryList(QDir::Files), QStringList{});
}

// The report's row cannot be kept (another program holds the database, the disk is full, the
// disk fails as the row is committed, after the file has its name): the folder keeps the file
// emitted before, exactly as it was, and the user is told that nothing was kept. Where the file
// system cannot keep the replaced file, the new one stays, and the message says that it is there.
TEST(ArchivoPolicia, UnaFallaDeLaBaseDejaLaCarpetaComoEstaba)
{
    enum class Falla { Ocupada, Lleno, AlConfirmar, AlConfirmarSinIntercambio };
    struct Caso {
        const char* nombre;
        Falla falla;
        QString titulo;
        QString texto;
    };
    const std::vector<Caso> casos{
        {"otro programa lee la base", Falla::Ocupada, u"Error 3260"_s, u"No se guardó nada"_s},
        {"disco lleno", Falla::Lleno, u"Error 3026"_s, u"No se guardó nada"_s},
        {"el disco falla al confirmar", Falla::AlConfirmar, u"Error 3040"_s, u"No se guardó nada"_s},
        {"el disco falla al confirmar donde no se conserva el anterior",
         Falla::AlConfirmarSinIntercambio, u"Error 3040"_s,
         u"El archivo %1 se generó en "_s.arg(kNombre)},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        DiscoLleno disco;
        DeclaracionPolicial f;
        const QByteArray anterior = f.primeraVez();
        ASSERT_FALSE(anterior.isEmpty());
        f.sql("DELETE FROM Tmp_Informe_Turno");
        f.sql("INSERT INTO Tmp_Informe_Turno (Tipo_Registro, IdCabecera, Nro_Comprobante) "
              "VALUES (2, 0, 'anterior')");
        // The file changes: one fine fewer.
        f.sql("DELETE FROM Multas_cobradas WHERE Nro_Comprobante = '00000004'");

        std::optional<FallasSistema> fallas;
        fallas.emplace();
        std::optional<BaseDatos> lector;
        switch (caso.falla) {
        case Falla::Ocupada:
            f.base.setEsperaOcupada(50);
            lector.emplace();
            lector->abrir(f.carpeta.base());
            lector->ejecutar(u"BEGIN"_s);
            lector->valor(u"SELECT COUNT(*) FROM Cabeceras"_s);
            break;
        case Falla::Lleno:
            disco.lleno();
            break;
        case Falla::AlConfirmarSinIntercambio:
            fallas->sinIntercambio();
            [[fallthrough]];
        case Falla::AlConfirmar:
            fallas->sinAsegurar(f.carpeta.base() + u"-journal"_s);
            break;
        }
        ImpresoraGuionada impresora;
        f.dialogs.rutas = {f.destino};
        f.dialogs.respuestas = {Respuesta::Aceptar, Respuesta::Si};
        EXPECT_FALSE(emitirDeclaracionPolicia(f.contexto, f.idCabecera, impresora));
        disco.vacio();
        lector.reset();
        fallas.reset();

        ASSERT_EQ(f.dialogs.mensajes.size(), 1U);
        EXPECT_EQ(f.dialogs.mensajes[0].titulo, caso.titulo);
        EXPECT_TRUE(f.dialogs.mensajes[0].texto.contains(caso.texto))
            << f.dialogs.mensajes[0].texto.toStdString();
        EXPECT_TRUE(impresora.trabajos.empty());
        EXPECT_EQ(f.valor("SELECT Nro_Comprobante FROM Tmp_Informe_Turno").toString(), u"anterior"_s);
        EXPECT_EQ(f.enDestino(), QStringList{kNombre});
        if (caso.falla == Falla::AlConfirmarSinIntercambio) {
            EXPECT_EQ(f.archivo().count("\r\n"), anterior.count("\r\n") - 1);
        } else {
            EXPECT_EQ(f.archivo(), anterior);
        }
    }
}

// The disk does not confirm the folder once the file has its name: the file is whole and stays,
// also when it replaced an earlier one, the report's row is kept, and the user is warned to check
// the folder instead of being told of success.
TEST(ArchivoPolicia, UnaCarpetaQueElDiscoNoConfirmaConservaElArchivo)
{
    DeclaracionPolicial f;
    const QByteArray anterior = f.primeraVez();
    f.sql("DELETE FROM Multas_cobradas WHERE Nro_Comprobante = '00000004'");
    FallasSistema fallas;
    fallas.sinAsegurar(f.destino);
    ImpresoraGuionada impresora;
    f.dialogs.rutas = {f.destino};
    f.dialogs.respuestas = {Respuesta::Aceptar, Respuesta::No};
    EXPECT_FALSE(emitirDeclaracionPolicia(f.contexto, f.idCabecera, impresora));

    EXPECT_GT(fallas.fallas(), 0);
    EXPECT_EQ(f.enDestino(), QStringList{kNombre});
    EXPECT_EQ(f.archivo().count("\r\n"), anterior.count("\r\n") - 1);
    EXPECT_EQ(f.valor("SELECT IdCabecera FROM Tmp_Informe_Turno").toLongLong(), f.idCabecera);
    ASSERT_EQ(f.dialogs.mensajes.size(), 2U);
    const Mensaje& aviso = f.dialogs.mensajes[0];
    EXPECT_EQ(aviso.titulo, u"Atención"_s);
    EXPECT_EQ(aviso.icono, Icono::Exclamacion);
    EXPECT_EQ(aviso.texto,
              u"El archivo %1\nha sido generado en:\n%2\npero el disco no confirmó que la carpeta "
              u"lo haya registrado (%3).\nAntes de entregarlo, verifique que el archivo esté en esa "
              u"carpeta."_s.arg(kNombre, QDir::toNativeSeparators(QDir(f.destino).path() + u"/"_s),
                                QString::fromUtf8("error de lectura o escritura del disco")));
    EXPECT_EQ(f.dialogs.mensajes[1].titulo, u"¿Confirmar Impresión?"_s);
}

// A run killed between writing a file and renaming it left its temporary file; the next file
// written in that folder takes away every such leftover of this program's hand-in files, and
// nothing else.
TEST(ArchivoPolicia, LosTemporalesQueDejoUnaCorridaInterrumpidaSeBorran)
{
    DeclaracionPolicial f;
    const QStringList dejados{kNombre + u".tmp"_s, u"DJPol_012345_0001_13_2008_04_00.TXT.tmp"_s,
                              u"DJ_012345_0001_13_2008_04_00.TXT.tmp"_s};
    const QStringList ajenos{u"DJ_012345_0001_13_2008_04_00.TXT"_s, u"notas.TXT.tmp"_s,
                             u"dj_minusculas.txt.tmp"_s};
    for (const QString& nombre : dejados + ajenos) {
        QFile resto(QDir(f.destino).filePath(nombre));
        ASSERT_TRUE(resto.open(QIODevice::WriteOnly));
        resto.write("a medio escribir");
    }
    EXPECT_FALSE(f.primeraVez().isEmpty());
    QStringList quedan = ajenos;
    quedan << kNombre;
    quedan.sort();
    QStringList hay = f.enDestino();
    hay.sort();
    EXPECT_EQ(hay, quedan);
}

} // namespace
