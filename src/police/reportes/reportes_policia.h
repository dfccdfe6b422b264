#pragma once
// The reports of the police checkpoints: the shift's rendition and deposit slip and the detail of
// the interventions, registered by their file names in the program's catalogue.

class CatalogoReportes;

void registrarReportesPolicia(CatalogoReportes& catalogo);
