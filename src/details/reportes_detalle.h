#pragma once
// The reports of the receipts-by-declaration window: the listings of a declaration, registered by
// their file names in the program's catalogue. Its batch receipts print on the entry forms'.

class CatalogoReportes;

void registrarReportesDetalle(CatalogoReportes& catalogo);
