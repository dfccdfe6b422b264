#pragma once
// What a printed receipt shows of its detail rows, by the receipt report it is printed on. The
// receipt lists every detail row it carries, found by its declaration and number.

#include "database/filas.h"
#include "reports/bloques_reporte.h"

#include <QString>

class BaseDatos;
struct ReglasRegimen;

// The receipt reports: the general regimes', and those of the detail rows.
enum class VarianteComprobante {
    General,            // comprob.rpt
    Bienes,             // comprob_09.rpt: guides, or the food regime's concepts, with their value
    Obleas,             // comprob_10.rpt: stamps with their waybill
    Anticipos,          // comprob_11.rpt: advances deducted
    AnticiposConOblea,  // comprob_12.rpt: stamped advances
    AnticiposSinOblea,  // comprob_12b.rpt: a receipt of stamped advances without its stamp
    Policial,           // comprob_13.rpt: stamps with their waybill, and the fine with its officer
};

struct DetalleImpreso {
    QString titulo;       // the section's heading; empty: the report shows no detail
    TablaReporte tabla;
    // Figures printed under the rows: the advances deducted, or the fine and who collected it.
    QList<CampoReporte> campos;
};

DetalleImpreso leerDetalleImpreso(BaseDatos& base, VarianteComprobante variante,
                                  const ReglasRegimen& reglas, const ClaveRetencion& clave);
