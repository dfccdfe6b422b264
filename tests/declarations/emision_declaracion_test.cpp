// Closing a declaration and writing its file: the questions before anything changes, the closing
// together with the file, and the failures that must leave neither a file nor a closed
// declaration behind.

#include "declarations/emision_declaracion.h"
#include "support/base_declaraciones.h"
#include "support/fallas_sistema.h"
#include "support/locale_c.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

using namespace prueba_declaraciones;

const QString kCabeceraSola = QStringLiteral(
    "C00012301200405000001CASA CENTRAL                            TRESVALLE           "
    "NM30123456789100000*");

class EmisionTest : public BaseDeclaraciones {
protected:
    EmisionTest()
    {
        activarEntorno();
        vencimiento(2004, 5, QStringLiteral("2004-06-15"));
        id = cabecera();
        retencion(id, {.comprobante = QStringLiteral("00000042")});
        destino = carpeta.ruta(QStringLiteral("destino"));
        QDir().mkpath(destino);
    }

    // The user confirms the closing, types the observation and chooses the folder.
    std::optional<DeclaracionEmitida> emitir(const QString& observacion = {},
                                             const PasosEmision& pasos = {})
    {
        dialogs.respuestas = {Respuesta::Si};
        dialogs.textos = {observacion};
        dialogs.rutas = {destino};
        return emitirDeclaracion(contexto, id, pasos);
    }

    QString rutaFinal() const { return QDir(destino).filePath(QStringLiteral("DJ_000123_0001_01_2004_05_00.TXT")); }
    QStringList enDestino() const
    {
        return QDir(destino).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    QByteArray archivo() const
    {
        QFile f(rutaFinal());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The declaration untouched: still open, no observation mark, still active, nothing said of
    // success.
    void sinCambios()
    {
        EXPECT_EQ(campo(id, "Estado"), QLatin1String("2"));
        EXPECT_EQ(campo(id, "MarcaObs"), QLatin1String("N"));
        EXPECT_EQ(entorno.idCabecera(), id);
        for (const Mensaje& m : dialogs.mensajes) EXPECT_NE(m.titulo, QLatin1String("Información"));
    }

    qint64 id = 0;
    QString destino;
};

TEST_F(EmisionTest, cierraLaDeclaracionCuandoElArchivoEstaEnSuLugar)
{
    entorno.activarCabecera(id);
    QStringList orden;
    PasosEmision pasos;
    pasos.imprimir = [&](const DeclaracionEmitida& e) {
        orden << QStringLiteral("imprimir ") + e.archivo.codigoControl;
    };
    // What an emission killed halfway left behind is recognisable, and this one replaces it.
    {
        QFile resto(rutaFinal() + QStringLiteral(".tmp"));
        ASSERT_TRUE(resto.open(QIODevice::WriteOnly));
        resto.write("C000123 a medio escribir");
    }
    const auto emitida = emitir(QStringLiteral("  con observación  "), pasos);
    ASSERT_TRUE(emitida);

    ASSERT_EQ(dialogs.mensajes.size(), 3u);
    const Mensaje& pregunta = dialogs.mensajes[0];
    EXPECT_EQ(pregunta.texto,
              QString::fromUtf8("Esta función cerrará la cabecera correspondiente a las "
                                "retenciones/percepciones del mes de Mayo de 2004.\n"
                                "Después de esto no podrá hacer ningún cambio en ella\n"
                                "a menos que la rectifique.\n\n¿Confirma?"));
    EXPECT_EQ(pregunta.titulo, QString::fromUtf8("¡Atención!"));
    EXPECT_EQ(pregunta.porDefecto, Respuesta::No);
    EXPECT_EQ(dialogs.mensajes[1].titulo,
              QString::fromUtf8("Imprimir Declaración Jurada - OBSERVACIÓN"));
    const Mensaje& exito = dialogs.mensajes[2];
    EXPECT_EQ(exito.texto, QString::fromUtf8("El archivo DJ_000123_0001_01_2004_05_00.TXT\n"
                                             "ha sido generado con éxito en:\n")
                               + QDir::toNativeSeparators(destino) + QDir::separator());
    EXPECT_EQ(exito.titulo, QString::fromUtf8("Información"));
    EXPECT_EQ(orden, QStringList{QStringLiteral("imprimir ") + emitida->archivo.codigoControl});

    EXPECT_EQ(campo(id, "Estado"), QLatin1String("3"));
    EXPECT_EQ(campo(id, "MarcaObs"), QLatin1String("S"));
    EXPECT_EQ(emitida->cabecera.estado, QLatin1String("3"));
    EXPECT_EQ(emitida->observacion, QString::fromUtf8("  con observación  "));
    EXPECT_EQ(emitida->fechaVencimiento, QDate(2004, 6, 15));
    EXPECT_EQ(enDestino(), QStringList{QStringLiteral("DJ_000123_0001_01_2004_05_00.TXT")});
    // The closed declaration was the active one: none is active now.
    EXPECT_FALSE(entorno.cabeceraActual());
    EXPECT_EQ(paneles(), (QStringList{QStringLiteral("Anio: (ninguno)"),
                                      QStringLiteral("Mes: (ninguno)"), QStringLiteral("R: 00")}));
}

TEST_F(EmisionTest, unaObservacionEnBlancoNoMarcaLaDeclaracionYSeCortaEnCien)
{
    ASSERT_TRUE(emitir(QStringLiteral("   ")));
    EXPECT_EQ(campo(id, "MarcaObs"), QLatin1String("N"));

    const auto larga = emitir(QString(120, QLatin1Char('x')));
    ASSERT_TRUE(larga);
    EXPECT_EQ(larga->observacion.size(), 100);
    EXPECT_EQ(campo(id, "MarcaObs"), QLatin1String("S"));
}

TEST_F(EmisionTest, otraDeclaracionActivaSigueActiva)
{
    const qint64 otra = cabecera({.mes = QStringLiteral("06")});
    entorno.activarCabecera(otra);
    ASSERT_TRUE(emitir());
    EXPECT_EQ(entorno.idCabecera(), otra);
}

TEST_F(EmisionTest, unaDeclaracionCerradaSeEmiteOtraVezSinPreguntar)
{
    ASSERT_TRUE(emitir(QStringLiteral("primera")));
    QFile viejo(rutaFinal());
    ASSERT_TRUE(viejo.open(QIODevice::Append));
    viejo.write("basura\r\n");
    viejo.close();

    dialogs.mensajes.clear();
    dialogs.textos = {QString()};
    dialogs.rutas = {destino};
    const auto otraVez = emitirDeclaracion(contexto, id);
    ASSERT_TRUE(otraVez);
    EXPECT_EQ(dialogs.mensajes.size(), 2u);  // the observation and the success message
    EXPECT_EQ(campo(id, "Estado"), QLatin1String("3"));
    EXPECT_EQ(campo(id, "MarcaObs"), QLatin1String("N"));
    QFile reemplazado(rutaFinal());
    ASSERT_TRUE(reemplazado.open(QIODevice::ReadOnly));
    // Only the new file: what was there before is gone, not appended to.
    EXPECT_EQ(reemplazado.readAll(),
              armarArchivoDeclaracion(base, otraVez->cabecera, QStringLiteral("N"), QLocale())
                  .contenido());
}

TEST_F(EmisionTest, sinRetencionesElArchivoEsSoloLaCabecera)
{
    base.ejecutar(QStringLiteral("DELETE FROM Retenciones"));
    const auto emitida = emitir();
    ASSERT_TRUE(emitida);
    QFile archivo(rutaFinal());
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(archivo.readAll(), kCabeceraSola.toLatin1() + "\r\n");
    EXPECT_FALSE(emitida->archivo.hayMovimientos);
    EXPECT_EQ(emitida->archivo.validas + emitida->archivo.anuladas, 0);
    EXPECT_TRUE(emitida->archivo.grupos.empty());
    // The header alone, summed independently.
    EXPECT_EQ(emitida->archivo.codigoControl, QLatin1String("00245721"));
}

TEST_F(EmisionTest, loQueDetieneAntesDeCambiarNada)
{
    struct Caso {
        const char* nombre;
        std::function<void()> preparar;
        QString mensaje;
        QString titulo;
    };
    const std::vector<Caso> casos{
        {"no confirma", [&] { dialogs.respuestas = {Respuesta::No}; }, QString(), QString()},
        {"turno abierto",
         [&] {
             base.ejecutar(QStringLiteral("INSERT INTO Turnos (IdCabecera, Fecha_Desde, Hora_Desde) "
                                          "VALUES (?, '2004-05-02', '08:00:00')"),
                           {id});
         },
         QStringLiteral("Esta Cabecera tiene un turno sin cerrar. Debe cerrarlo desde "
                        "<Administracion de Turnos>"),
         QStringLiteral("No se puede cerrar la DDJJ")},
        {"sin vencimiento", [&] { base.ejecutar(QStringLiteral("DELETE FROM Vencimientos")); },
         QString::fromUtf8("No se encuentra cargada la fecha de vencimiento para el pago de la "
                           "declaración jurada correspondiente al mes 05 del año 2004"),
         QString::fromUtf8("Imposible generar Declaración Jurada...")},
        {"sin carpeta", [&] { dialogs.rutas = {QString()}; }, QString(), QString()},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        entorno.activarCabecera(id);
        dialogs.mensajes.clear();
        dialogs.respuestas = {Respuesta::Si};
        dialogs.textos = {QStringLiteral("obs")};
        dialogs.rutas = {destino};
        caso.preparar();
        EXPECT_FALSE(emitirDeclaracion(contexto, id));
        sinCambios();
        EXPECT_TRUE(enDestino().isEmpty());
        if (!caso.mensaje.isEmpty()) {
            EXPECT_EQ(dialogs.mensajes.back().texto, caso.mensaje);
            EXPECT_EQ(dialogs.mensajes.back().titulo, caso.titulo);
        }
        base.ejecutar(QStringLiteral("DELETE FROM Turnos"));
        if (!base.existe(QStringLiteral("SELECT 1 FROM Vencimientos")))
            vencimiento(2004, 5, QStringLiteral("2004-06-15"));
    }
}

// Failures after the file was started: the file is never left under its name, the declaration
// stays open and active, the print is not reached, and the user is told why.
TEST_F(EmisionTest, unaFallaNoDejaArchivoNiDeclaracionCerrada)
{
    // The causes are the program's words under any locale.
    const LocaleC localeC;
    struct Caso {
        const char* nombre;
        std::function<void()> preparar;
        QString titulo;
        QString mensaje;  // what the text must hold
    };
    std::optional<BaseDatos> lector;  // another program holding the file open for reading
    std::optional<FallasSistema> fallas;
    const std::vector<Caso> casos{
        {"el disco falla al cerrar el archivo",
         [&] {
             fallas.emplace();
             fallas->sinCerrar(rutaFinal() + QStringLiteral(".tmp"));
         },
         QStringLiteral("Error 75"),
         QString::fromUtf8("No se pudo generar el archivo DJ_000123_0001_01_2004_05_00.TXT en %1/\n"
                           "error de lectura o escritura del disco")
             .arg(QDir::toNativeSeparators(destino))},
        {"el nombre del archivo está ocupado por una carpeta",
         [&] { QDir().mkpath(QDir(rutaFinal()).filePath(QStringLiteral("adentro"))); },
         QStringLiteral("Error 75"),
         QStringLiteral("No se pudo generar el archivo DJ_000123_0001_01_2004_05_00.TXT")},
        {"la carpeta no existe", [&] { QDir(destino).removeRecursively(); },
         QStringLiteral("Error 75"),
         QStringLiteral("No se pudo generar el archivo DJ_000123_0001_01_2004_05_00.TXT")},
        {"la base rechaza el cierre",
         [&] {
             base.ejecutar(QStringLiteral("CREATE TRIGGER bloqueo BEFORE UPDATE ON Cabeceras "
                                          "BEGIN SELECT RAISE(ABORT, 'disco lleno'); END"));
         },
         QString(), QStringLiteral("disco lleno")},
        {"otro programa lee la base en el momento del cierre",
         [&] {
             base.setEsperaOcupada(50);
             lector.emplace();
             lector->abrir(carpeta.base());
             lector->ejecutar(QStringLiteral("BEGIN"));
             lector->valor(QStringLiteral("SELECT COUNT(*) FROM Cabeceras"));
         },
         QString(), QStringLiteral("está en uso por otro programa")},
        {"a una retención le falta el importe",
         [&] {
             retencion(id, {.comprobante = QStringLiteral("00000043"), .bruto = nullptr});
         },
         QString::fromUtf8("Imposible generar Declaración Jurada..."),
         QString::fromUtf8("Falta el importe bruto del comprobante 00000043.\n"
                           "No se generó el archivo y la declaración no fue cerrada.")},
        {"falta la sucursal de la declaración",
         [&] { base.ejecutar(QStringLiteral("DELETE FROM Sucursales WHERE Sucursal = '0001'")); },
         QString::fromUtf8("Imposible generar Declaración Jurada..."),
         QStringLiteral("No se encuentra la sucursal 0001 del agente 000123.")},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        entorno.activarCabecera(id);
        dialogs.mensajes.clear();
        caso.preparar();
        bool impreso = false;
        PasosEmision pasos;
        pasos.imprimir = [&](const DeclaracionEmitida&) { impreso = true; };
        EXPECT_FALSE(emitir(QStringLiteral("obs"), pasos));

        EXPECT_FALSE(QFileInfo(rutaFinal()).isFile());
        for (const QString& resto : enDestino())
            EXPECT_EQ(QDir(destino).filePath(resto), rutaFinal()) << "quedó " << resto.toStdString();
        EXPECT_FALSE(impreso);
        sinCambios();
        const Mensaje& aviso = dialogs.mensajes.back();
        EXPECT_TRUE(aviso.texto.contains(caso.mensaje)) << aviso.texto.toStdString();
        if (!caso.titulo.isEmpty()) { EXPECT_EQ(aviso.titulo, caso.titulo); }
        if (caso.titulo.isEmpty()) {
            EXPECT_TRUE(aviso.titulo.startsWith(QLatin1String("Error ")));
        }

        // Put things back for the next case.
        lector.reset();
        fallas.reset();
        QDir(destino).removeRecursively();
        QDir().mkpath(destino);
        base.ejecutar(QStringLiteral("DROP TRIGGER IF EXISTS bloqueo"));
        base.ejecutar(QStringLiteral("DELETE FROM Retenciones WHERE Nro_Comprobante = '00000043'"));
        if (!leerSucursal(base, QStringLiteral("000123"), QStringLiteral("0001")))
            sql("INSERT INTO Sucursales (Nro_Agente, Sucursal, Nro_Comprobante, Descripcion, "
                "Localidad) VALUES ('000123', '0001', '00000050', 'CASA CENTRAL', 'TRESVALLE')");
    }
}

// The disk fails as the closing is committed, after the file has its name: the declaration stays as
// it was and the folder keeps what it held (nothing, or the file emitted before, byte for byte).
// Where the file system cannot keep the replaced file, the new one stays and the message says so.
// The engine's cause is said in the program's words, also under a C locale.
TEST_F(EmisionTest, unaFallaAlConfirmarDejaLaCarpetaComoEstaba)
{
    const LocaleC localeC;
    struct Caso {
        const char* nombre;
        bool emitidaAntes;
        bool sinIntercambio;
    };
    const std::vector<Caso> casos{
        {"primera emisión", false, false},
        {"emitida otra vez", true, false},
        {"emitida otra vez donde no se conserva el anterior", true, true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        QByteArray anterior;
        if (caso.emitidaAntes) {
            ASSERT_TRUE(emitir());
            anterior = archivo();
        }
        entorno.activarCabecera(id);
        dialogs.mensajes.clear();
        const QString estado = campo(id, "Estado");

        bool impreso = false;
        {
            FallasSistema fallas;
            if (caso.sinIntercambio) fallas.sinIntercambio();
            fallas.sinAsegurar(carpeta.base() + QStringLiteral("-journal"));
            PasosEmision pasos;
            pasos.imprimir = [&](const DeclaracionEmitida&) { impreso = true; };
            EXPECT_FALSE(emitir(QStringLiteral("obs"), pasos));
            EXPECT_GT(fallas.fallas(), 0);
        }

        EXPECT_FALSE(impreso);
        EXPECT_EQ(campo(id, "Estado"), estado);
        EXPECT_EQ(campo(id, "MarcaObs"), QLatin1String("N"));
        const Mensaje& aviso = dialogs.mensajes.back();
        EXPECT_EQ(aviso.titulo, QStringLiteral("Error 3040"));
        EXPECT_TRUE(aviso.texto.contains(QString::fromUtf8("(el disco no confirmó lo escrito)")))
            << aviso.texto.toStdString();
        EXPECT_FALSE(aviso.texto.contains(QStringLiteral("I/O"))) << aviso.texto.toStdString();
        if (caso.sinIntercambio) {
            EXPECT_TRUE(aviso.texto.startsWith(
                QStringLiteral("El archivo DJ_000123_0001_01_2004_05_00.TXT se generó en ")))
                << aviso.texto.toStdString();
            EXPECT_EQ(enDestino(), QStringList{QStringLiteral("DJ_000123_0001_01_2004_05_00.TXT")});
            EXPECT_NE(archivo(), anterior);
        } else {
            EXPECT_TRUE(aviso.texto.contains(QString::fromUtf8("No se guardó nada")))
                << aviso.texto.toStdString();
            EXPECT_EQ(enDestino(), caso.emitidaAntes
                                       ? QStringList{QStringLiteral("DJ_000123_0001_01_2004_05_00.TXT")}
                                       : QStringList{});
            EXPECT_EQ(archivo(), anterior);
        }

        QDir(destino).removeRecursively();
        QDir().mkpath(destino);
        sql("UPDATE Cabeceras SET Estado = '2', MarcaObs = 'N'");
    }
}

// The disk does not confirm the folder once the file has its name: the file is whole and stays,
// the first time and when it replaces an earlier one; the declaration is closed, the print
// follows, and the user is warned to check the folder instead of being told of success.
TEST_F(EmisionTest, unaCarpetaQueElDiscoNoConfirmaConservaElArchivo)
{
    FallasSistema fallas;
    fallas.sinAsegurar(destino);
    const QString advertencia =
        QString::fromUtf8("El archivo DJ_000123_0001_01_2004_05_00.TXT\nha sido generado en:\n%1\n"
                          "pero el disco no confirmó que la carpeta lo haya registrado (%2).\n"
                          "Antes de entregarlo, verifique que el archivo esté en esa carpeta.")
            .arg(QDir::toNativeSeparators(destino) + QDir::separator(),
                 QString::fromUtf8("error de lectura o escritura del disco"));
    for (const QString& observacion : {QString(), QStringLiteral("otra vez")}) {
        SCOPED_TRACE(observacion.toStdString());
        dialogs.mensajes.clear();
        bool impreso = false;
        PasosEmision pasos;
        pasos.imprimir = [&](const DeclaracionEmitida&) { impreso = true; };
        const auto emitida = emitir(observacion, pasos);
        ASSERT_TRUE(emitida);
        EXPECT_TRUE(impreso);
        EXPECT_EQ(campo(id, "Estado"), QLatin1String("3"));
        EXPECT_EQ(enDestino(), QStringList{QStringLiteral("DJ_000123_0001_01_2004_05_00.TXT")});
        EXPECT_EQ(archivo(), armarArchivoDeclaracion(base, emitida->cabecera,
                                                     emitida->cabecera.marcaObs, QLocale())
                                 .contenido());
        const Mensaje& aviso = dialogs.mensajes.back();
        EXPECT_EQ(aviso.titulo, QString::fromUtf8("Atención"));
        EXPECT_EQ(aviso.icono, Icono::Exclamacion);
        EXPECT_EQ(aviso.texto, advertencia);
    }
    EXPECT_GE(fallas.fallas(), 2);
}

} // namespace
