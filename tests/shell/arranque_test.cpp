// The start-up and shutdown sequence, without any window.

#include "database/entorno.h"
#include "shell/arranque.h"
#include "shell/paneles_estado.h"
#include "support/carpeta_temporal.h"
#include "support/fallas_sistema.h"
#include "support/filas_prueba.h"
#include "support/locale_c.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

namespace {

class ArranqueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta.crearBaseInstalada();
        BaseDatos db;
        db.abrir(carpeta.base());
        prueba::agente(db, {.nro = QStringLiteral("012345"),
                            .razonSocial = QStringLiteral("ACOPIOS DEL SUR")});
        prueba::agente(db, {.nro = QStringLiteral("000001"),
                            .razonSocial = QStringLiteral("OTRO AGENTE")});
        prueba::sucursal(db, {.agente = QStringLiteral("012345"),
                              .sucursal = QStringLiteral("0000"),
                              .nroComprobante = QStringLiteral("00000000"),
                              .descripcion = QStringLiteral("SAN MARTIN 100")});
        idCabecera = prueba::cabecera(db, {.agente = QStringLiteral("012345"),
                                           .sucursal = QStringLiteral("0000"),
                                           .regimen = QStringLiteral("05"),
                                           .anio = QStringLiteral("2007"),
                                           .mes = QStringLiteral("05"),
                                           .rectifica = QStringLiteral("01"),
                                           .estado = QStringLiteral("2")});
    }

    void escribirEntorno(const QByteArray& contenido)
    {
        QFile f(carpeta.ruta(QStringLiteral("Entorno.mem")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenido);
    }

    QByteArray leerEntorno()
    {
        QFile f(carpeta.ruta(QStringLiteral("Entorno.mem")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no existe)");
    }

    QStringList paneles() const
    {
        QStringList t;
        for (const QString& c : {panel::Agente, panel::Sucursal, panel::Regimen, panel::Mes,
                                 panel::Anio, panel::Rectifica})
            t << panelesEstado.texto(c);
        return t;
    }

    CarpetaTemporal carpeta;
    qint64 idCabecera = 0;
    BaseDatos base;
    Entorno entorno{base};
    PanelesEstado panelesEstado{entorno};
    DialogosGuionados dialogs;
    Arranque arranque{entorno, dialogs, carpeta.dir.path()};
};

TEST_F(ArranqueTest, SinEntornoMemAvisaYNadaQuedaActivo)
{
    ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);
    ASSERT_EQ(dialogs.mensajes.size(), 1U);
    EXPECT_EQ(dialogs.mensajes[0].texto,
              QStringLiteral("No se encontró el archivo de inicialización 'Entorno.mem'. Deberá "
                             "reiniciar el programa"));
    EXPECT_EQ(dialogs.mensajes[0].titulo, QStringLiteral("Aviso"));
    EXPECT_FALSE(entorno.agenteActual() || entorno.sucursalActual() || entorno.regimenActual()
                 || entorno.cabeceraActual());
    EXPECT_EQ(paneles(), (QStringList{"Agente: (ninguno)", "Sucursal: (ninguna)",
                                      "Régimen: (ninguno)", "Mes: (ninguno)", "Año: (ninguno)",
                                      "R: 00"}));

    // The shutdown makes the file, empty since nothing is active, and reminds of backups.
    arranque.cerrar();
    EXPECT_EQ(leerEntorno(), QByteArray());
    EXPECT_EQ(dialogs.mensajes.back().titulo, QStringLiteral("Importante..."));
    EXPECT_TRUE(dialogs.mensajes.back().texto.endsWith(QLatin1Char('\'') + carpeta.dir.path()
                                                       + QLatin1Char('\'')));
    EXPECT_FALSE(base.abierta());
}

TEST_F(ArranqueTest, LaDeclaracionGanaSobreLasOtrasLineas)
{
    escribirEntorno("AgenteAct = 000001\r\nCabeceraAct = " + QByteArray::number(idCabecera) + "\r\n");
    ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);
    EXPECT_TRUE(dialogs.mensajes.empty());
    EXPECT_EQ(entorno.idCabecera(), idCabecera);
    EXPECT_EQ(entorno.agente(), QStringLiteral("012345"));
    EXPECT_EQ(paneles(), (QStringList{"Agente: 01234-5 - ACOPIOS DEL SUR",
                                      "Sucursal: 0000 - SAN MARTIN 100",
                                      "Régimen: 05 - Percepciones - Empresas de Servicios",
                                      "Mes: 05", "Año: 2007", "R: 01"}));

    // With a declaration active the file keeps only its number.
    arranque.cerrar();
    EXPECT_EQ(leerEntorno(), "CabeceraAct = " + QByteArray::number(idCabecera) + "\r\n");
}

TEST_F(ArranqueTest, UnaDeclaracionBorradaDejaUsarLasOtrasLineas)
{
    escribirEntorno("CabeceraAct = 9999\r\nAgenteAct = 12345\r\nRegimenAct = 1\r\n");
    ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);
    EXPECT_FALSE(entorno.cabeceraActual());
    EXPECT_EQ(entorno.agente(), QStringLiteral("012345"));
    EXPECT_FALSE(entorno.sucursalActual());
    EXPECT_EQ(entorno.regimen(), QStringLiteral("01"));
    arranque.cerrar();
    EXPECT_EQ(leerEntorno(), QByteArray("AgenteAct = 012345\r\nRegimenAct = 01\r\n"));
}

TEST_F(ArranqueTest, ValoresHostilesNoRompenElArranque)
{
    escribirEntorno("AgenteAct = 12'45\r\nSucursalAct = ' OR '1'='1\r\nRegimenAct = 05; DROP TABLE "
                    "Agentes\r\n");
    ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);
    EXPECT_TRUE(dialogs.mensajes.empty());
    EXPECT_FALSE(entorno.agenteActual() || entorno.sucursalActual() || entorno.regimenActual());
    EXPECT_EQ(base.valor(QStringLiteral("SELECT COUNT(*) FROM Agentes")).toInt(), 2);
}

// A file grown huge by whatever wrote it is read only as far as a real one goes.
TEST_F(ArranqueTest, UnEntornoMemEnormeSoloSeLeeAlPrincipio)
{
    escribirEntorno("AgenteAct = 012345\r\n" + QByteArray(64 * 1024 * 1024, 'x')
                    + "\r\nRegimenAct = 05\r\n");
    ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);
    EXPECT_TRUE(dialogs.mensajes.empty());
    EXPECT_EQ(entorno.agente(), QStringLiteral("012345"));
    EXPECT_FALSE(entorno.regimenActual());
}

TEST_F(ArranqueTest, LasLimpiezasDejanSoloElRegimen)
{
    escribirEntorno("CabeceraAct = " + QByteArray::number(idCabecera) + "\r\n");
    ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);
    entorno.limpiarAgenteActual();
    EXPECT_EQ(paneles(), (QStringList{"Agente: (ninguno)", "Sucursal: (ninguna)",
                                      "Régimen: 05 - Percepciones - Empresas de Servicios",
                                      "Mes: (ninguno)", "Anio: (ninguno)", "R: 00"}));
    EXPECT_FALSE(entorno.agenteActual() || entorno.sucursalActual() || entorno.cabeceraActual());
    EXPECT_TRUE(entorno.regimenActual());
    // A reset when nothing is active is harmless.
    entorno.limpiarAgenteActual();
    arranque.cerrar();
    EXPECT_EQ(leerEntorno(), QByteArray("RegimenAct = 05\r\n"));
}

TEST_F(ArranqueTest, SinBaseAvisaYTermina)
{
    QFile::remove(carpeta.base());
    EXPECT_EQ(arranque.iniciar(), FinArranque::Terminar);
    ASSERT_EQ(dialogs.mensajes.size(), 1U);
    EXPECT_EQ(dialogs.mensajes[0].texto,
              QStringLiteral("No se encontró el archivo de base de datos 'BDR.mdb'\nen la carpeta "
                             "'%1'\n\nSi la base se perdió, copie en esa carpeta su última copia "
                             "de seguridad de 'BDR.mdb'. Para empezar con una base nueva, vacía, "
                             "ejecute 'tarquel --crear-base' con la misma carpeta de datos.")
                  .arg(carpeta.dir.path()));
    EXPECT_EQ(dialogs.mensajes[0].titulo, QStringLiteral("Error"));
    EXPECT_EQ(dialogs.mensajes[0].icono, Icono::Critico);
    EXPECT_FALSE(QFile::exists(carpeta.base()));
}

TEST_F(ArranqueTest, UnCambioDeEsquemaPideReiniciarYNoTocaElEntorno)
{
    {
        BaseDatos db;
        db.abrir(carpeta.base());
        db.ejecutar(QStringLiteral("DROP TABLE Remesas"));
    }
    escribirEntorno("RegimenAct = 05\r\n");
    EXPECT_EQ(arranque.iniciar(), FinArranque::Reiniciar);
    ASSERT_EQ(dialogs.mensajes.size(), 1U);
    EXPECT_EQ(dialogs.mensajes[0].texto,
              QStringLiteral("Terminada la Actualizacion de Bases de Datos.\nVuelva a iniciar el "
                             "programa el programa"));
    EXPECT_FALSE(base.abierta());
    EXPECT_EQ(leerEntorno(), QByteArray("RegimenAct = 05\r\n"));

    // The next start is normal.
    dialogs.mensajes.clear();
    EXPECT_EQ(arranque.iniciar(), FinArranque::Continuar);
    EXPECT_TRUE(dialogs.mensajes.empty());
    EXPECT_EQ(entorno.regimen(), QStringLiteral("05"));
}

// The environment cannot be written: the message says why in the program's words, also under a C
// locale, the file written last stays as it was, and the database is closed all the same.
TEST_F(ArranqueTest, SiNoPuedeEscribirElEntornoLoDiceYCierraLaBase)
{
    const LocaleC localeC;
    const QString ruta = carpeta.ruta(QStringLiteral("Entorno.mem"));
    const struct {
        const char* nombre;
        std::function<void(FallasSistema&)> preparar;
        const char* causa;
    } casos[] = {
        // A folder in the way of the file.
        {"una carpeta con su nombre",
         [&](FallasSistema&) {
             QFile::remove(ruta);
             ASSERT_TRUE(QDir(carpeta.dir.path()).mkdir(QStringLiteral("Entorno.mem")));
         },
         "ya existe"},
        // A disk that reports the failed write only when the file is closed.
        {"el disco falla al cerrarlo",
         [&](FallasSistema& fallas) { fallas.sinCerrar(ruta + QStringLiteral(".tmp")); },
         "error de lectura o escritura del disco"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        QDir(ruta).removeRecursively();
        escribirEntorno("AgenteAct = 000001\r\n");
        ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);
        entorno.activarAgente(QStringLiteral("012345"));
        {
            FallasSistema fallas;
            caso.preparar(fallas);
            dialogs.mensajes.clear();
            arranque.cerrar();
        }
        EXPECT_FALSE(base.abierta());
        ASSERT_EQ(dialogs.mensajes.size(), 1U);
        EXPECT_EQ(dialogs.mensajes.back().texto,
                  QString::fromUtf8("75 - No se pudo guardar el archivo '%1': %2")
                      .arg(QDir::toNativeSeparators(ruta), QString::fromUtf8(caso.causa)));
        if (QFileInfo(ruta).isFile()) {
            EXPECT_EQ(leerEntorno(), QByteArray("AgenteAct = 000001\r\n"));
        }
        EXPECT_FALSE(QFileInfo::exists(ruta + QStringLiteral(".tmp")));
    }
}

} // namespace
