#pragma once
// The reports of the entry forms: the receipts, registered by their file names in the program's
// catalogue.

class CatalogoReportes;

void registrarReportesEntrada(CatalogoReportes& catalogo);
