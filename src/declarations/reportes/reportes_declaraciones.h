#pragma once
// The reports of the declarations: the paper declaration in its four variants and the payment
// slip, registered by their file names in the program's catalogue.

class CatalogoReportes;

void registrarReportesDeclaraciones(CatalogoReportes& catalogo);
