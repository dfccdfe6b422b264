#pragma once
// A data folder ready for entering receipts: agent 012345 with branches 0001 (counter 00000000) and
// 0002 (counter 00000041), a declaration of May 2008 of branch 0001 in the regime asked for, made
// active, a handful of subjects, the concepts of a new install and known rates.

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/importe.h"
#include "platform/reloj.h"
#include "support/carpeta_temporal.h"
#include "support/dialogos_guionados.h"
#include "support/impresora_del_programa.h"

#include <QFocusEvent>
#include <QApplication>
#include <QWidget>

#include "support/reloj_fijo.h"


inline QVariant tasa(const char* texto)
{
    return Importe::leer(QString::fromLatin1(texto))->aColumna();
}

struct DatosEntrada {
    CarpetaTemporal carpeta;
    BaseDatos base;
    Entorno entorno{base};
    DialogosGuionados dialogs;
    RelojFijo reloj{QDate(2008, 5, 17)};
    MotorReportes impresora{base, dialogs, reportesDelPrograma(), ningunaImpresora};
    Contexto contexto{base, entorno, dialogs, reloj, impresora, QString()};
    qint64 idCabecera = 0;

    explicit DatosEntrada(const QString& regimen = QStringLiteral("01"),
                          const QString& mes = QStringLiteral("05"))
    {
        carpeta.crearBaseInstalada();
        base.abrir(carpeta.base());
        contexto.carpeta = carpeta.dir.path();
        sql("INSERT INTO Agentes (Nro_Agente, CUIT, Razon_Social, CondIVA) "
            "VALUES ('012345', '30500000007', 'AGENTE DE PRUEBA', 1)");
        sql("INSERT INTO Sucursales (Nro_Agente, Sucursal, Nro_Comprobante, Descripcion, Localidad) "
            "VALUES ('012345', '0001', '00000000', 'CASA CENTRAL', 'CAPITAL')");
        sql("INSERT INTO Sucursales (Nro_Agente, Sucursal, Nro_Comprobante, Descripcion, Localidad) "
            "VALUES ('012345', '0002', '00000041', 'FILIAL', 'INTERIOR')");
        for (const char* r : {"01", "02", "06", "07", "08", "09", "13", "14"})
            sql("INSERT OR IGNORE INTO Regimenes (Cod_Regimen, Descripcion) VALUES (?, 'R')",
                {QString::fromLatin1(r)});
        const struct {
            const char* nro;
            const char* nombre;
            const char* tipo;
        } sujetos[] = {{"3001234567", "PEREZ JUAN", "1"},
                       {"3007654321", "O'HIGGINS SA", "0"},
                       {"3005555555", "CONSTANCIA SRL", "3"},
                       {"9501234567", "NO INSCRIPTO", "2"}};
        for (const auto& s : sujetos)
            sql("INSERT INTO Contribuyentes (Nro_Contrib, CUIT, Razon_Social, Cod_Tipo) "
                "VALUES (?, '20123456786', ?, ?)",
                {QString::fromLatin1(s.nro), QString::fromLatin1(s.nombre), QString::fromLatin1(s.tipo)});
        sql("DELETE FROM Alicuotas");
        const struct {
            const char* regimen;
            const char* tipo;
            const char* tasa;
        } alicuotas[] = {{"01", "0", "3"},   {"01", "1", "2.5"},  {"01", "2", "4"},
                         {"01", "8", "1.75"}, {"01", "9", "2.25"}, {"02", "1", "3.5"},
                         {"06", "1", "1.5"},  {"07", "1", "2"},    {"07", "5", "6"},
                         {"14", "1", "0.5"}};
        for (const auto& a : alicuotas)
            sql("INSERT INTO Alicuotas (Cod_Regimen, Cod_Tipo, Alicuota) VALUES (?, ?, ?)",
                {QString::fromLatin1(a.regimen), QString::fromLatin1(a.tipo), tasa(a.tasa)});
        idCabecera = nuevaCabecera(regimen, mes);
        activar(idCabecera);
    }

    void sql(const char* texto, const QVariantList& valores = {})
    {
        base.ejecutar(QString::fromUtf8(texto), valores);
    }

    qint64 nuevaCabecera(const QString& regimen, const QString& mes = QStringLiteral("05"),
                         const QString& sucursal = QStringLiteral("0001"))
    {
        base.ejecutar(QStringLiteral(
                          "INSERT INTO Cabeceras (Nro_Agente, Sucursal, Cod_Regimen, Anio, Mes, "
                          "Rectifica, Estado, MarcaObs, Origen, Descartados) "
                          "VALUES ('012345', ?, ?, '2008', ?, '00', '1', 'N', 'M', 0)"),
                      {sucursal, regimen, mes});
        return base.ultimoId();
    }

    // Makes a declaration active with its agent, branch and regime, as the activation does.
    void activar(qint64 id)
    {
        entorno.restaurar(id, {}, {}, {});
    }

    // An imported receipt of the active declaration.
    void importada(const QString& nro, const QString& marca, const QString& estado = QStringLiteral("5"),
                   const QString& contrib = QStringLiteral("3001234567"))
    {
        base.ejecutar(QStringLiteral(
                          "INSERT INTO Retenciones (IdCabecera, Nro_Contrib, Dia, Importe_Bruto, "
                          "Alicuota, Importe_Ret, Nro_X, Cod_Concepto, Nro_Comprobante, Estado, "
                          "MarcaImp) VALUES (?, ?, '03', ?, ?, ?, '77', '00', ?, ?, ?)"),
                      {idCabecera, contrib, tasa("500"), tasa("2.5"), tasa("12.5"), nro, estado, marca});
    }

    QVariant valor(const char* texto, const QVariantList& valores = {})
    {
        return base.valor(QString::fromUtf8(texto), valores);
    }
    QString contador(const char* sucursal = "0001")
    {
        return valor("SELECT Nro_Comprobante FROM Sucursales WHERE Sucursal = ?",
                     {QString::fromLatin1(sucursal)})
            .toString();
    }
    QString estadoCabecera(qint64 id = 0)
    {
        return valor("SELECT Estado FROM Cabeceras WHERE IdCabecera = ?", {id ? id : idCabecera})
            .toString();
    }
};

// The user leaving a field: what the form runs when the focus moves on.
inline void salirDe(QWidget* campo)
{
    QFocusEvent evento(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(campo, &evento);
}
