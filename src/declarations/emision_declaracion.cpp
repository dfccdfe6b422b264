#include "declarations/emision_declaracion.h"

#include "common/ciclo_cabecera.h"
#include "common/contexto.h"
#include "common/turnos.h"
#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/entorno.h"
#include "declarations/avisos_archivo.h"
#include "declarations/cierre_cabecera.h"
#include "declarations/colocacion_archivo.h"
#include "declarations/registros_declaracion.h"
#include "declarations/vencimiento_mes.h"
#include "forms/avisos_error.h"
#include "platform/archivo_provisorio.h"
#include "platform/dialogos_impresion.h"
#include "platform/dialogs.h"

#include <QLocale>

namespace {

const QString kTituloImposible = QStringLiteral("Imposible generar Declaración Jurada...");

void mostrarProgreso(const PasosEmision& pasos, int valor)
{
    if (pasos.progreso) pasos.progreso(valor);
}

// The declaration to close, as it is stored now; nothing, once the user is told why, when it is
// gone, when the user does not confirm or while a shift of it is open.
std::optional<Cabecera> cabeceraParaCerrar(Contexto& contexto, qint64 idCabecera)
{
    BaseDatos& base = contexto.base;
    Dialogs& dialogs = contexto.dialogs;
    auto cabecera = leerCabecera(base, idCabecera);
    if (!cabecera) {
        dialogs.aviso(QStringLiteral("No se encuentra la declaración jurada seleccionada."),
                      kTituloImposible, Icono::Exclamacion);
        return std::nullopt;
    }
    if (!confirmarCierre(contexto.entorno, dialogs, *cabecera)) return std::nullopt;

    if (hayTurnoAbierto(base, idCabecera)) {
        dialogs.aviso(QStringLiteral("Esta Cabecera tiene un turno sin cerrar. Debe cerrarlo "
                                     "desde <Administracion de Turnos>"),
                      QStringLiteral("No se puede cerrar la DDJJ"), Icono::Critico);
        return std::nullopt;
    }
    return cabecera;
}

// The due date of the declaration's month; an invalid date, once the user is told, when the
// month has none.
QDate vencimientoParaEmitir(BaseDatos& base, Dialogs& dialogs, const Cabecera& cabecera)
{
    const QDate vencimiento = vencimientoDelMes(base, cabecera.anio, cabecera.mes);
    if (!vencimiento.isValid())
        dialogs.aviso(textoSinVencimiento(cabecera.mes, cabecera.anio), kTituloImposible,
                      Icono::Exclamacion);
    return vencimiento;
}

// Writes the declaration's file into `archivo`, still under its temporary name. The lines go to
// the file as they are made: a month of any size is never held whole. Nothing when the disk
// failed (archivo.error() tells why).
std::optional<ArchivoDeclaracion> escribirArchivo(ArchivoProvisorio& archivo, BaseDatos& base,
                                                  const Cabecera& cabecera, const QString& marcaObs,
                                                  const std::function<void(int)>& progreso)
{
    if (!archivo.abrir()) return std::nullopt;
    ArchivoDeclaracion escrito = armarArchivoDeclaracion(
        base, cabecera, marcaObs, QLocale(),
        [&](const QByteArray& linea) {
            archivo.agregar(linea);
            archivo.agregar(QByteArrayLiteral("\r\n"));
        },
        progreso);
    if (!archivo.terminar()) return std::nullopt;
    return escrito;
}

// The declaration as it stands once closed with its file.
Cabecera cabeceraCerrada(Cabecera cabecera, const QString& marcaObs)
{
    cabecera.estado = EstadoCabecera::de(cabecera).tras(AccionCabecera::Cerrar)->codigo();
    cabecera.marcaObs = marcaObs;
    return cabecera;
}

// The printed declaration follows the file. The file and the closing stand whatever happens to
// the print.
void imprimirEmitida(Dialogs& dialogs, const PasosEmision& pasos, const DeclaracionEmitida& emitida)
{
    if (!pasos.imprimir) return;
    try {
        pasos.imprimir(emitida);
    } catch (const ErrorMotor& error) {
        mostrarErrorOperacion(dialogs, error);
    }
}

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

    DeclaracionEmitida emitida;
    QString advertencia;  // what the disk did not confirm of the folder, once the file is there
    try {
        const auto cabecera = cabeceraParaCerrar(contexto, idCabecera);
        if (!cabecera) return std::nullopt;
        emitida.fechaVencimiento = vencimientoParaEmitir(base, dialogs, *cabecera);
        if (!emitida.fechaVencimiento.isValid()) return std::nullopt;

        emitida.observacion = pedirObservacionDeclaracion(dialogs);

        emitida.carpeta =
            pasos.elegirCarpeta ? pasos.elegirCarpeta() : elegirCarpetaDeclaracion(dialogs);
        if (emitida.carpeta.isEmpty()) return std::nullopt;

        mostrarProgreso(pasos, 0);
        const QString marcaObs =
            emitida.observacion.trimmed().isEmpty() ? marca_observacion::Sin : marca_observacion::Con;
        const QString nombre = nombreArchivoDeclaracion(*cabecera);
        ArchivoProvisorio archivo(emitida.carpeta, nombre);
        auto escrito = escribirArchivo(archivo, base, *cabecera, marcaObs, pasos.progreso);
        // The declaration is closed exactly when its file is in place.
        if (!escrito
            || !colocarConCambios(base, archivo, [&] { cerrarCabecera(base, idCabecera, marcaObs); })) {
            mostrarProgreso(pasos, 0);
            avisarFallaArchivo(dialogs, nombre, emitida.carpeta, archivo.error());
            return std::nullopt;
        }
        emitida.archivo = std::move(*escrito);
        advertencia = archivo.advertencia();
        if (entorno.esCabeceraActual(idCabecera)) entorno.limpiarCabeceraActual();

        emitida.cabecera = cabeceraCerrada(*cabecera, marcaObs);
        if (pasos.cerrada) pasos.cerrada();
    } catch (const DeclaracionIncompleta& falta) {
        mostrarProgreso(pasos, 0);
        dialogs.aviso(falta.texto()
                          + QStringLiteral("\nNo se generó el archivo y la declaración no fue "
                                           "cerrada."),
                      kTituloImposible, Icono::Exclamacion);
        return std::nullopt;
    } catch (const ErrorMotor& error) {
        mostrarProgreso(pasos, 0);
        mostrarErrorOperacion(dialogs, error);
        return std::nullopt;
    }

    mostrarProgreso(pasos, 0);
    avisarArchivoGenerado(dialogs, emitida.archivo.nombre, emitida.carpeta, advertencia);
    imprimirEmitida(dialogs, pasos, emitida);
    return emitida;
}
