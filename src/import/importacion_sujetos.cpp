#include "import/importacion_sujetos.h"

#include "database/error_motor.h"
#include "import/lector_lineas.h"
#include "import/reporte_importacion.h"
#include "import/revision_sujeto.h"

ImportacionSujetos::ImportacionSujetos(BaseDatos& base, ReporteImportacion& reporte)
    : reporte_(reporte),
      insertar_(base, QStringLiteral("INSERT INTO Contribuyentes (Nro_Contrib, CUIT, Razon_Social, "
                                     "Domicilio, Cod_Tipo) VALUES (?, ?, ?, ?, ?)"))
{
}

void ImportacionSujetos::linea(const LineaImportada& linea, qint64 numero, ConteoImportacion& conteo)
{
    const auto sujeto = leerSujeto(linea);
    if (!sujeto || sujeto->controlEnCodigos()) {
        reporte_.linea(numero, hallazgo::Formato);
        return;
    }
    const RevisionSujeto revision = revisarSujeto(*sujeto);
    for (const QString& h : revision.hallazgos) reporte_.linea(numero, h);
    if (!revision.guardable) return;
    try {
        insertar_.ejecutar({revision.nroContrib, sujeto->cuit, sujeto->razonSocial,
                            sujeto->domicilio, revision.codTipo});
    } catch (const ErrorMotor& error) {
        if (!error.esClaveRepetida()) throw;
        reporte_.linea(numero, hallazgo::Duplicado);
        return;
    }
    ++conteo.importados;
    if (!sujeto->limpiados.isEmpty())
        reporte_.linea(numero, hallazgo::Atencion + hallazgo::caracteresQuitados(sujeto->limpiados));
}
