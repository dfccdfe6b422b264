#pragma once
// What a printed receipt shows of its detail rows, by the receipt report it is printed on. The
// receipt lists every detail row it carries, found by its declaration and number.

#include "common/regimenes.h"
#include "database/filas.h"
#include "reports/bloques_reporte.h"

#include <QString>

class BaseDatos;

struct DetalleImpreso {
    QString titulo;       // the section's heading; empty: the report shows no detail
    TablaReporte tabla;
    // Figures printed under the rows: the advances deducted, or the fine and who collected it.
    QList<CampoReporte> campos;
};

DetalleImpreso leerDetalleImpreso(BaseDatos& base, VarianteComprobante variante,
                                  const ReglasRegimen& reglas, const ClaveRetencion& clave);
