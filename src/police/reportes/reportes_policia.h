#pragma once
// The reports of the police checkpoints: the shift's rendition and deposit slip, the detail of
// the interventions, and a declaration's fines and interventions, registered by their file names
// in the program's catalogue.

class CatalogoReportes;

void registrarReportesPolicia(CatalogoReportes& catalogo);
