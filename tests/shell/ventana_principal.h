#pragma once
// A main window over a new install's data folder, with scripted dialogs, started as the program
// starts it.

#include "common/contexto.h"
#include "database/entorno.h"
#include "dialogos_con_ventanas.h"
#include "platform/reloj.h"
#include "shell/arranque.h"
#include "shell/frmPrincipal.h"
#include "support/carpeta_temporal.h"
#include "support/impresora_del_programa.h"

#include <QAction>
#include <QFile>
#include <gtest/gtest.h>

class VentanaPrincipalTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        carpeta.crearBaseInstalada();
        BaseDatos db;
        db.abrir(carpeta.base());
        for (const char* sql : {
                 "INSERT INTO Agentes (Nro_Agente, Razon_Social) VALUES ('012345', 'ACOPIOS DEL SUR')",
                 "INSERT INTO Agentes (Nro_Agente, Razon_Social) VALUES ('000001', 'OTRO AGENTE')",
                 "INSERT INTO Sucursales (Nro_Agente, Sucursal, Nro_Comprobante, Descripcion) "
                 "VALUES ('012345', '0000', '00000000', 'SAN MARTIN 100')",
                 "INSERT INTO Sucursales (Nro_Agente, Sucursal, Nro_Comprobante, Descripcion) "
                 "VALUES ('012345', '0001', '00000000', 'BELGRANO 200')"})
            db.ejecutar(QString::fromLatin1(sql));
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

    CarpetaTemporal carpeta;
    BaseDatos base;
    Entorno entorno{base};
    DialogosConVentanas dialogs;
    RelojSistema reloj;
    MotorReportes impresora{base, dialogs, reportesDelPrograma(), ningunaImpresora};
    Contexto contexto{base, entorno, dialogs, reloj, impresora, carpeta.dir.path()};
    Arranque arranque{entorno, dialogs, carpeta.dir.path()};
    frmPrincipal ventana{contexto, arranque};
};
