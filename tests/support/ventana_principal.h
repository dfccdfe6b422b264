#pragma once
// A main window over a new install's data folder, with scripted dialogs, started as the program
// starts it.

#include "shell/arranque.h"
#include "shell/frmPrincipal.h"
#include "support/dialogos_con_ventanas.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"

#include <QAction>
#include <QFile>
#include <gtest/gtest.h>

class VentanaPrincipalTest : public ::testing::Test,
                             protected EntornoDePruebaCon<DialogosConVentanas> {
protected:
    // The database is there, not yet open: the start opens it.
    VentanaPrincipalTest() : EntornoDePruebaCon(BaseDePrueba::Ninguna) {}

    void SetUp() override
    {
        copiarBaseInstalada(carpeta.base());
        BaseDatos db;
        db.abrir(carpeta.base());
        prueba::agente(db, {.nro = QStringLiteral("012345"), .razonSocial = QStringLiteral("ACOPIOS DEL SUR")});
        prueba::agente(db, {.nro = QStringLiteral("000001"), .razonSocial = QStringLiteral("OTRO AGENTE")});
        prueba::sucursal(db, {.agente = QStringLiteral("012345"), .sucursal = QStringLiteral("0000"),
                              .nroComprobante = QStringLiteral("00000000"), .descripcion = QStringLiteral("SAN MARTIN 100")});
        prueba::sucursal(db, {.agente = QStringLiteral("012345"), .sucursal = QStringLiteral("0001"),
                              .nroComprobante = QStringLiteral("00000000"), .descripcion = QStringLiteral("BELGRANO 200")});
        dialogs.principal = &ventana;
    }

    // The start; its notice of a missing Entorno.mem is left out of the messages.
    void iniciar()
    {
        ASSERT_EQ(arranque.iniciar(), FinArranque::Continuar);
        dialogs.guion.mensajes.clear();
    }

    void escribir(const QString& archivo, const QByteArray& contenido)
    {
        QFile f(carpeta.ruta(archivo));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenido);
    }

    QByteArray leer(const QString& archivo)
    {
        QFile f(carpeta.ruta(archivo));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(no existe)");
    }

    void activarAgente(const QString& nro) { entorno.activarAgente(nro); }
    void activarSucursal(const QString& /*agente*/, const QString& sucursal)
    {
        entorno.activarSucursal(sucursal);
    }
    void activarRegimen(const QString& codigo) { entorno.activarRegimen(codigo); }

    bool habilitado(const char* item) { return ventana.accion(QString::fromLatin1(item))->isEnabled(); }
    bool visible(const char* item) { return ventana.accion(QString::fromLatin1(item))->isVisible(); }

    Arranque arranque{entorno, dialogs, carpeta.dir.path()};
    frmPrincipal ventana{contexto, arranque};
};
