#include "import/corrida_importacion.h"

#include "database/base_datos.h"
#include "database/error_motor.h"
#include "database/transaccion.h"
#include "import/archivo_importado.h"
#include "import/importacion_declaracion.h"
#include "import/importacion_sujetos.h"
#include "import/lector_lineas.h"
#include "import/reporte_importacion.h"
#include "import/verificacion_importacion.h"
#include "platform/archivo_lectura.h"
#include "platform/archivo_provisorio.h"
#include "platform/dialogs.h"

#include <QDir>
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
                               ReporteImportacion& reporte, LectorLineas& lector, Avance& avance)
{
    ConteoImportacion conteo;
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
                                     const PlanImportacion& plan, const OpcionesImportacion& opciones)
{
    ResultadoImportacion resultado;
    resultado.rutaReporte = rutaReporte(carpetaDatos, plan.archivo);
    std::unique_ptr<ReporteImportacion> reporte;
    try {
        // Logs that a run killed before it could rename them left behind.
        borrarTemporalesDejados(carpetaDatos, {QStringLiteral("*.log.tmp")});
        ArchivoLectura entrada(plan.archivo);
        if (auto rechazo = abrirArchivoImportado(entrada))
            throw ErrorMotor(rechazo->numero, rechazo->descripcion);
        const HuellaArchivo alEmpezar = huellaArchivo(entrada);
        reporte = opciones.crearReporte ? opciones.crearReporte(resultado.rutaReporte)
                                        : std::make_unique<ReporteImportacion>(resultado.rutaReporte);
        Avance avance(opciones.progreso, alEmpezar.tamanio);

        Transaccion transaccion(base);
        LectorLineas lector(entrada);
        resultado.conteo = leerYGuardar(base, plan, *reporte, lector, avance);
        // What was read must be the whole file as it was when the run started, and the name must
        // still name it: a file renamed over it meanwhile is another file.
        if (lector.bytesLeidos() != alEmpezar.tamanio || huellaArchivo(entrada) != alEmpezar
            || huellaRuta(plan.archivo) != alEmpezar)
            throw ErrorMotor(errores::AccesoArchivo,
                             QStringLiteral("El archivo '%1' cambió mientras se leía (otro programa "
                                            "lo estaba escribiendo o lo reemplazó). Vuelva a "
                                            "importarlo cuando esté completo.")
                                 .arg(QDir::toNativeSeparators(plan.archivo)));

        const ConteoImportacion& c = resultado.conteo;
        resultado.textoResumen = textoResumen(c.importados, c.conError);
        reporte->escribirTexto(resultado.textoResumen);
        if (c.descartadas() != 0) {
            resultado.textoResumen += lineaDescartadas(c.descartadas());
            reporte->escribirTexto(lineaDescartadas(c.descartadas()));
        }
        // A log short of its last findings or its summary keeps the run from being stored.
        reporte->asegurar();
        transaccion.confirmar();
    } catch (const ErrorMotor& error) {
        mostrarRechazo(dialogs, {error.numero(), error.descripcion()}, kNadaGuardado);
        resultado.textoResumen.clear();
        resultado.falla = error.descripcion();
        return resultado;
    }
    resultado.completa = true;
    if (opciones.resumen) opciones.resumen(resultado.textoResumen);

    try {
        reporte->colocar();
    } catch (const ErrorMotor& error) {
        // What was imported is stored; only its log could not take its name.
        dialogs.mostrar({error.descripcion() + QStringLiteral("\n\nLo importado quedó guardado."),
                         QStringLiteral("Error %1").arg(error.numero()), Icono::Critico});
        return resultado;
    }
    dialogs.mostrar({QStringLiteral("Se generó el siguiente archivo en su disco duro como reporte "
                                    "de la importación:\n\n")
                         + QDir::toNativeSeparators(resultado.rutaReporte),
                     QStringLiteral("Fin del Proceso"), Icono::Informacion});
    return resultado;
}
