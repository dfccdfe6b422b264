// The start-up on a data folder that is not as it should be: each case ends with one message in
// Spanish that names the file or the folder, and leaves BDR.mdb byte for byte as it was.

#include "database/entorno.h"
#include "shell/arranque.h"
#include "shell/bloqueo_carpeta.h"
#include "support/carpeta_temporal.h"
#include "support/disco_lleno.h"
#include "support/sin_escritura.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

QByteArray contenido(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no existe)");
}

void escribirArchivo(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

struct Falla {
    const char* nombre;
    // Leaves the folder in the faulty state; what it returns lives until the start is over.
    std::function<std::shared_ptr<void>(CarpetaTemporal&)> preparar;
    QStringList dice;  // fragments of the one message; "%carpeta" is the data folder
};

std::shared_ptr<void> sinEscritura(const QString& ruta)
{
    auto proteccion = std::make_shared<SinEscritura>(ruta);
    if (!proteccion->funciona()) return nullptr;
    return proteccion;
}

const Falla kFallas[] = {
    {"base de solo lectura",
     [](CarpetaTemporal& c) {
         c.crearBaseInstalada();
         return sinEscritura(c.base());
     },
     {"'BDR.mdb'", "%carpeta", "sólo lectura"}},
    {"carpeta de solo lectura",
     [](CarpetaTemporal& c) {
         c.crearBaseInstalada();
         return sinEscritura(c.dir.path());
     },
     {"%carpeta", "sólo lectura: permiso denegado"}},
    {"archivo vacio",
     [](CarpetaTemporal& c) {
         escribirArchivo(c.base(), {});
         return std::make_shared<int>();
     },
     {"'BDR.mdb'", "%carpeta", "está vacío"}},
    {"base de otro programa",
     [](CarpetaTemporal& c) {
         {
             QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "otra");
             db.setDatabaseName(c.base());
             db.open();
             db.exec(QStringLiteral("CREATE TABLE Clientes (Id INTEGER, Nombre TEXT)"));
             db.exec(QStringLiteral("INSERT INTO Clientes VALUES (1, 'ALGUIEN')"));
             db.close();
         }
         QSqlDatabase::removeDatabase("otra");
         return std::make_shared<int>();
     },
     {"'BDR.mdb'", "%carpeta", "no es una base de datos de este programa", "no se modificó"}},
    {"archivo cortado",
     [](CarpetaTemporal& c) {
         c.crearBaseInstalada();
         const QByteArray bytes = contenido(c.base());
         escribirArchivo(c.base(), bytes.left(bytes.size() / 2));
         return std::make_shared<int>();
     },
     {"'BDR.mdb'", "%carpeta", "está dañado"}},
    {"archivo cualquiera",
     [](CarpetaTemporal& c) {
         QByteArray bytes(20000, '\0');
         QRandomGenerator azar(7);
         for (char& b : bytes) b = char(azar.bounded(256));
         escribirArchivo(c.base(), bytes);
         return std::make_shared<int>();
     },
     {"'BDR.mdb'", "%carpeta", "no es una base de datos de este programa"}},
    {"disco lleno en la actualizacion",
     [](CarpetaTemporal& c) {
         c.crearBaseSinActualizar();
         auto disco = std::make_shared<DiscoLleno>();
         disco->lleno();
         return disco;
     },
     {"disco lleno", "%carpeta", "No se guardó nada"}},
};

TEST(FallasArranque, CadaFallaSeExplicaYLaBaseQuedaComoEstaba)
{
    for (const Falla& falla : kFallas) {
        SCOPED_TRACE(falla.nombre);
        CarpetaTemporal carpeta;
        const QString ruta = carpeta.dir.path();
        std::shared_ptr<void> estado = falla.preparar(carpeta);
        if (!estado) {
            ADD_FAILURE() << "no se pudo quitar el permiso de escritura aquí";
            continue;
        }
        const QByteArray antes = contenido(carpeta.base());

        DialogosGuionados dialogs;
        bool arranco = false;
        {
            BloqueoCarpeta bloqueo(ruta);
            if (bloqueo.tomar(dialogs)) {
                BaseDatos base;
                Entorno entorno(base);
                Arranque arranque(entorno, dialogs, ruta);
                arranco = arranque.iniciar() == FinArranque::Continuar;
            }
        }
        estado.reset();

        EXPECT_FALSE(arranco);
        ASSERT_EQ(dialogs.mensajes.size(), 1U) << dialogs.textosMostrados().join(u"\n").toStdString();
        const QString texto = dialogs.mensajes[0].texto;
        for (QString fragmento : falla.dice) {
            fragmento.replace(QStringLiteral("%carpeta"), QDir::toNativeSeparators(ruta));
            EXPECT_TRUE(texto.contains(fragmento))
                << texto.toStdString() << "\n  le falta: " << fragmento.toStdString();
        }
        // All of it in Spanish, the system's reasons too.
        for (const char* ingles : {"database", "denied", "Permission", "Read-only"})
            EXPECT_FALSE(texto.contains(QString::fromLatin1(ingles))) << texto.toStdString();
        EXPECT_TRUE(contenido(carpeta.base()) == antes);
    }
}

// A lock file that holds no running copy does not keep the program from starting.
TEST(FallasArranque, UnBloqueoSinCopiaVivaSeToma)
{
    const QByteArray dejados[] = {
        QByteArray(),                                   // killed before it wrote anything
        QByteArray("4194303\notra-maquina\nTarquel\n"),  // written on another machine
        QByteArray("\x01\xff basura"),
    };
    for (const QByteArray& dejado : dejados) {
        QTemporaryDir dir;
        escribirArchivo(dir.filePath(BloqueoCarpeta::kArchivo), dejado);
        DialogosGuionados dialogs;
        BloqueoCarpeta bloqueo(dir.path());
        EXPECT_TRUE(bloqueo.tomar(dialogs)) << dejado.toStdString();
        EXPECT_TRUE(dialogs.mensajes.empty());
        // The file now names this process.
        EXPECT_TRUE(contenido(dir.filePath(BloqueoCarpeta::kArchivo))
                        .startsWith(QByteArray::number(qint64(::getpid())) + '\n'));
    }
}

} // namespace
