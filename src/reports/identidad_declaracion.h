#pragma once
// Who and what a printed document is about: the declaration's agent, branch, regime and period,
// read from the database for the header every document of a declaration carries.

#include "reports/bloques_reporte.h"

#include <QList>
#include <QString>

class BaseDatos;

struct IdentidadDeclaracion {
    qint64 idCabecera = 0;
    QString nroAgente;
    QString cuit;
    QString razonSocial;
    QString domicilio;
    QString localidad;
    QString sucursal;
    QString descripcionSucursal;
    QString codRegimen;
    QString descripcionRegimen;
    QString resolucion;
    QString anio;
    QString mes;
    QString rectifica;
};

// The selection key by which a report is told the declaration it prints.
inline const QString kSeleccionCabecera = QStringLiteral("IdCabecera");

// The declaration and what it refers to; what is missing from the database stays empty.
IdentidadDeclaracion leerIdentidad(BaseDatos& base, qint64 idCabecera);

// "Abril de 2008".
QString periodo(const IdentidadDeclaracion& identidad);

// The name a document of the declaration is saved under: the document, then the agent, branch,
// regime, year, month and rectification as the declaration file names them
// ("Boleta de Pago 000123_0001_05_2008_04_00"); the document alone without a declaration.
QString nombreArchivoDocumento(const QString& documento, const IdentidadDeclaracion& identidad);

struct OpcionesIdentidad {
    bool domicilio = true;      // the agent's address
    bool rectificacion = true;
    QString periodo;            // in place of the declaration's own period text, when given
};

// The header fields laid out for four columns: agent, agent number and CUIT; address and branch;
// regime, period and rectification.
QList<CampoReporte> camposIdentidad(const IdentidadDeclaracion& identidad,
                                    const OpcionesIdentidad& opciones = {});
