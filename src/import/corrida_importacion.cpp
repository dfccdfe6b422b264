#include "import/corrida_importacion.h"

#include "database/base_datos.h"
#include "database/error_motor.h"
#include "database/transaccion.h"
#include "import/importacion_declaracion.h"
#include "import/importacion_sujetos.h"
#include "import/lector_lineas.h"
#include "import/reporte_importacion.h"
#include "import/verificacion_importacion.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFile>
#include <memory>

namespace {

const QString kNadaGuardado =
    QStringLiteral("La importación no guardó nada: la base de datos quedó como estaba.");

// Hears the bytes read and says the percentage when it moves.
class Avance {
public:
    Avance(const std::function<void(int)>& aviso, qint64 total) : aviso_(aviso), total_(total) {}
    void leidos(qint64 bytes)
    {
        if (!aviso_ || total_ <= 0) return;
        const int ahora = int(std::min<qint64>(100, bytes * 100 / total_));
        if (ahora == ultimo_) return;
        ultimo_ = ahora;
        aviso_(ahora);
    }

private:
    const std::function<void(int)>& aviso_;
    qint64 total_;
    int ultimo_ = -1;
};

// The lines of the file through one of the runs; answers the counts. Throws on any failure.
ConteoImportacion leerYGuardar(BaseDatos& base, const PlanImportacion& plan,
                               ReporteImportacion& reporte, QFile& entrada, Avance& avance)
{
    ConteoImportacion conteo;
    LectorLineas lector(entrada);
    if (plan.modo == ModoImportacion::Sujetos) {
        ImportacionSujetos sujetos(base, reporte);
        while (const auto linea = lector.siguiente()) {
            ++conteo.lineas;
            sujetos.linea(*linea, conteo.lineas, conteo);
            avance.leidos(lector.bytesLeidos());
        }
        avance.leidos(lector.bytesLeidos());
        return conteo;
    }
    ImportacionDeclaracion declaracion(base, reporte, plan);
    if (lector.siguiente()) {  // the header, checked already
        while (const auto linea = lector.siguiente()) {
            ++conteo.lineas;
            declaracion.linea(*linea, conteo.lineas + 1, conteo);
            avance.leidos(lector.bytesLeidos());
        }
    }
    avance.leidos(lector.bytesLeidos());
    declaracion.terminar(conteo);
    declaracion.guardarDescartados(conteo.descartadas());
    return conteo;
}

} // namespace

ResultadoImportacion importarArchivo(BaseDatos& base, Dialogs& dialogs, const QString& carpetaDatos,
                                     const PlanImportacion& plan,
                                     const std::function<void(int)>& progreso)
{
    ResultadoImportacion resultado;
    resultado.rutaReporte = rutaReporte(carpetaDatos, plan.archivo);
    std::unique_ptr<ReporteImportacion> reporte;
    try {
        QFile entrada(plan.archivo);
        if (auto rechazo = abrirArchivoImportado(entrada))
            throw ErrorMotor(rechazo->numero, rechazo->descripcion);
        reporte = std::make_unique<ReporteImportacion>(resultado.rutaReporte);
        Avance avance(progreso, entrada.size());

        Transaccion transaccion(base);
        resultado.conteo = leerYGuardar(base, plan, *reporte, entrada, avance);
        transaccion.confirmar();
    } catch (const ErrorMotor& error) {
        if (reporte) reporte->cerrar();
        mostrarRechazo(dialogs, {error.numero(), error.descripcion()}, kNadaGuardado);
        return resultado;
    }
    resultado.completa = true;

    const ConteoImportacion& c = resultado.conteo;
    resultado.textoResumen = lineasResumen(c.importados, c.conError);
    if (c.descartadas() != 0) resultado.textoResumen << lineaDescartadas(c.descartadas()) << QString();
    try {
        for (const QString& linea : resultado.textoResumen) reporte->escribir(linea);
        reporte->cerrar();
    } catch (const ErrorMotor& error) {
        // What was imported is stored; only the log is short of its summary.
        dialogs.mostrar({error.descripcion(), QStringLiteral("Error %1").arg(error.numero()),
                         Icono::Critico});
        return resultado;
    }
    dialogs.mostrar({QStringLiteral("Se generó el siguiente archivo en su disco duro como reporte "
                                    "de la importación:\n\n")
                         + QDir::toNativeSeparators(resultado.rutaReporte),
                     QStringLiteral("Fin del Proceso"), Icono::Informacion});
    return resultado;
}
