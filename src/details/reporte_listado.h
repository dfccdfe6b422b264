#pragma once
// The listing of a declaration's withholdings and perceptions, and the one of the regimes whose
// receipts carry another amount besides the withheld one (the advances deducted, or the fine
// collected at a police checkpoint). The declaration is the one the selection names; every receipt
// is listed, annulled ones marked and totalled apart.

#include "platform/impresion.h"
#include "reports/identidad_declaracion.h"
#include "reports/reporte.h"

// The file name the catalogue knows the listing by, with or without the other amount.
QString nombreReporteListado(bool otrosImportes);

// The listing of declaration `idCabecera`.
TrabajoImpresion pedidoListado(bool otrosImportes, qint64 idCabecera);

std::unique_ptr<Reporte> crearReporteListado(bool otrosImportes);
