#include "declarations/emision_declaracion.h"

#include "common/ciclo_cabecera.h"
#include "common/contexto.h"
#include "common/estados.h"
#include "common/turnos.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "declarations/archivo_provisorio.h"
#include "declarations/avisos_archivo.h"
#include "declarations/cierre_cabecera.h"
#include "declarations/colocacion_archivo.h"
#include "declarations/registros_declaracion.h"
#include "declarations/vencimiento_mes.h"
#include "forms/avisos_error.h"
#include "platform/dialogos_impresion.h"
#include "platform/dialogs.h"

#include <QLocale>

namespace {

const QString kTituloImposible = QStringLiteral("Imposible generar Declaración Jurada...");

} // namespace

QString elegirCarpetaDeclaracion(Dialogs& dialogs)
{
    return dialogs.elegirCarpeta(QStringLiteral("Generar archivo en..."), QString());
}

std::optional<DeclaracionEmitida> emitirDeclaracion(Contexto& contexto, qint64 idCabecera,
                                                    const PasosEmision& pasos)
{
    BaseDatos& base = contexto.base;
    Entorno& entorno = contexto.entorno;
    Dialogs& dialogs = contexto.dialogs;
    auto progreso = [&](int valor) {
        if (pasos.progreso) pasos.progreso(valor);
    };

    DeclaracionEmitida emitida;
    QString advertencia;  // what the disk did not confirm of the folder, once the file is there
    try {
        auto cabecera = leerCabecera(base, idCabecera);
        if (!cabecera) {
            dialogs.aviso(QStringLiteral("No se encuentra la declaración jurada seleccionada."),
                          kTituloImposible, Icono::Exclamacion);
            return std::nullopt;
        }
        if (!confirmarCierre(entorno, dialogs, *cabecera)) return std::nullopt;

        if (Hay_Turno_Abierto(base, idCabecera)) {
            dialogs.aviso(QStringLiteral("Esta Cabecera tiene un turno sin cerrar. Debe cerrarlo "
                                         "desde <Administracion de Turnos>"),
                          QStringLiteral("No se puede cerrar la DDJJ"), Icono::Critico);
            return std::nullopt;
        }

        const QString& anio = cabecera->anio;
        const QString& mes = cabecera->mes;
        emitida.fechaVencimiento = vencimientoDelMes(base, anio, mes);
        if (!emitida.fechaVencimiento.isValid()) {
            dialogs.aviso(textoSinVencimiento(mes, anio), kTituloImposible, Icono::Exclamacion);
            return std::nullopt;
        }

        emitida.observacion = pedirObservacionDeclaracion(dialogs);

        emitida.carpeta =
            pasos.elegirCarpeta ? pasos.elegirCarpeta() : elegirCarpetaDeclaracion(dialogs);
        if (emitida.carpeta.isEmpty()) return std::nullopt;

        progreso(0);
        const QString marcaObs =
            emitida.observacion.trimmed().isEmpty() ? marca_observacion::Sin : marca_observacion::Con;
        // The lines go to the temporary file as they are made: a month of any size is never
        // held whole.
        const QString nombre = nombreArchivoDeclaracion(*cabecera);
        ArchivoProvisorio archivo(emitida.carpeta, nombre);
        bool escrito = archivo.abrir();
        if (escrito) {
            emitida.archivo = armarArchivoDeclaracion(
                base, *cabecera, marcaObs, QLocale(),
                [&](const QByteArray& linea) {
                    archivo.agregar(linea);
                    archivo.agregar(QByteArrayLiteral("\r\n"));
                },
                pasos.progreso);
            escrito = archivo.terminar();
        }
        if (!escrito) {
            progreso(0);
            avisarFallaArchivo(dialogs, nombre, emitida.carpeta, archivo.error());
            return std::nullopt;
        }
        // The declaration is closed exactly when its file is in place.
        if (!colocarConCambios(base, archivo, [&] { cerrarCabecera(base, idCabecera, marcaObs); })) {
            progreso(0);
            avisarFallaArchivo(dialogs, emitida.archivo.nombre, emitida.carpeta, archivo.error());
            return std::nullopt;
        }
        advertencia = archivo.advertencia();
        if (entorno.esCabeceraActual(idCabecera)) entorno.Limpiar_Cabecera_Actual();

        cabecera->estado = EstadoCabecera::de(*cabecera).tras(AccionCabecera::Cerrar)->codigo();
        cabecera->marcaObs = marcaObs;
        emitida.cabecera = *cabecera;
        if (pasos.cerrada) pasos.cerrada();
    } catch (const DeclaracionIncompleta& falta) {
        progreso(0);
        dialogs.aviso(falta.texto()
                          + QStringLiteral("\nNo se generó el archivo y la declaración no fue "
                                           "cerrada."),
                      kTituloImposible, Icono::Exclamacion);
        return std::nullopt;
    } catch (const ErrorMotor& error) {
        progreso(0);
        mostrarErrorOperacion(dialogs, error);
        return std::nullopt;
    }

    progreso(0);
    avisarArchivoGenerado(dialogs, emitida.archivo.nombre, emitida.carpeta, advertencia);

    // The printed declaration follows the file. The file and the closing stand whatever happens
    // to the print.
    if (pasos.imprimir) {
        try {
            pasos.imprimir(emitida);
        } catch (const ErrorMotor& error) {
            mostrarErrorOperacion(dialogs, error);
        }
    }
    return emitida;
}
