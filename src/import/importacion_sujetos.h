#pragma once
// The subjects run: each line of a subjects file checked and, when storable, added to
// `Contribuyentes`. A subject already stored is left as it is and the line counts as discarded.

#include "import/conteo_importacion.h"
#include "import/sentencia_preparada.h"

class BaseDatos;
class ReporteImportacion;
struct LineaImportada;

class ImportacionSujetos {
public:
    ImportacionSujetos(BaseDatos& base, ReporteImportacion& reporte);

    // One line of the file, numbered from 1.
    void linea(const LineaImportada& linea, qint64 numero, ConteoImportacion& conteo);

private:
    ReporteImportacion& reporte_;
    SentenciaPreparada insertar_;
};
