#include "shell/arranque.h"

#include "database/archivo_base.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/modifica_base.h"
#include "database/semillas.h"
#include "platform/archivo_provisorio.h"
#include "platform/archivos_privados.h"
#include "platform/dialogs.h"
#include "shell/entorno_mem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kComoCrearLaBase = QStringLiteral(
    "Si la base se perdió, copie en esa carpeta su última copia de seguridad de 'BDR.mdb'. Para "
    "empezar con una base nueva, vacía, ejecute 'tarquel --crear-base' con la misma carpeta de "
    "datos.");

} // namespace

Arranque::Arranque(Entorno& entorno, Dialogs& dialogs, QString carpeta)
    : entorno_(entorno), dialogs_(dialogs), carpeta_(std::move(carpeta))
{
}

QString Arranque::rutaBase() const
{
    return QDir(carpeta_).filePath(QStringLiteral("BDR.mdb"));
}

QString Arranque::rutaEntornoMem() const
{
    return QDir(carpeta_).filePath(QStringLiteral("Entorno.mem"));
}

FinArranque Arranque::iniciar()
{
    if (const FinArranque fin = cargarEntorno(); fin != FinArranque::Continuar) return fin;
    try {
        sembrarDatosDeReferencia(entorno_.baseDatos(), dialogs_);
    } catch (const ErrorMotor& error) {
        dialogs_.aviso(error.textoGuion());
        entorno_.baseDatos().cerrar();
        return FinArranque::Terminar;
    }
    return FinArranque::Continuar;
}

FinArranque Arranque::abrirBase()
{
    try {
        abrirBaseDelPrograma(entorno_.baseDatos(), rutaBase());
        return FinArranque::Continuar;
    } catch (const ErrorMotor& error) {
        if (error.numero() == errores::BaseNoEncontrada) {
            dialogs_.mostrar({QStringLiteral("No se encontró el archivo de base de datos 'BDR.mdb'\n"
                                             "en la carpeta '%1'\n\n%2")
                                  .arg(QDir::toNativeSeparators(carpeta_), kComoCrearLaBase),
                              QStringLiteral("Error"), Icono::Critico});
        } else {
            dialogs_.aviso(error.textoGuion());
        }
        return FinArranque::Terminar;
    }
}

FinArranque Arranque::cargarEntorno(const std::optional<ContenidoEntornoMem>& activo)
{
    BaseDatos& base = entorno_.baseDatos();
    entorno_.cargarValoresFijos();
    if (abrirBase() != FinArranque::Continuar) return FinArranque::Terminar;

    switch (ModificaBase(base, dialogs_).actualizar()) {
    case ResultadoActualizacion::SinCambios:
        break;
    case ResultadoActualizacion::Actualizada:
        dialogs_.mostrar({QStringLiteral("Terminada la Actualizacion de Bases de Datos.\n"
                                         "Vuelva a iniciar el programa el programa"),
                          kTituloAplicacion, Icono::Informacion});
        base.cerrar();
        return FinArranque::Reiniciar;
    case ResultadoActualizacion::Fallida:
        base.cerrar();
        return FinArranque::Terminar;
    }

    // Open again, so the run starts on the schema just checked.
    base.cerrar();
    if (abrirBase() != FinArranque::Continuar) return FinArranque::Terminar;

    try {
        restaurarEntorno(activo);
    } catch (const ErrorMotor& error) {
        // Without its environment the program cannot go on safely: say why and end.
        dialogs_.aviso(error.textoGuion());
        base.cerrar();
        return FinArranque::Terminar;
    }
    return FinArranque::Continuar;
}

ContenidoEntornoMem Arranque::entornoActivo() const
{
    ContenidoEntornoMem activo;
    if (entorno_.cabeceraActual()) {
        activo.cabeceraEncontrada = true;
        activo.cabecera = entorno_.idCabecera();
    }
    if (entorno_.agenteActual()) activo.agente = entorno_.agente();
    if (entorno_.sucursalActual()) activo.sucursal = entorno_.sucursal();
    if (entorno_.regimenActual()) activo.regimen = entorno_.regimen();
    return activo;
}

void Arranque::restaurarEntorno(const std::optional<ContenidoEntornoMem>& activo)
{
    ContenidoEntornoMem leido;
    QFile archivo(rutaEntornoMem());
    if (activo) {
        leido = *activo;
    } else if (!archivo.exists()) {
        dialogs_.mostrar({QStringLiteral("No se encontró el archivo de inicialización 'Entorno.mem'. "
                                         "Deberá reiniciar el programa"),
                          QStringLiteral("Aviso"), Icono::Informacion});
    } else if (archivo.open(QIODevice::ReadOnly)) {
        // A real file holds four short lines; whatever lies beyond this is not one of them.
        constexpr qint64 kMaximoEntornoMem = 4096;
        leido = leerEntornoMem(archivo.read(kMaximoEntornoMem));
    } else {
        throw ErrorMotor(errores::ArchivoNoEncontrado,
                         QStringLiteral("No se pudo leer el archivo '%1'.")
                             .arg(QDir::toNativeSeparators(rutaEntornoMem())));
    }

    // The declaration's own agent, branch and regime win over the file's other lines.
    entorno_.restaurar(leido.cabeceraEncontrada ? std::optional<qint64>(leido.cabecera)
                                                : std::nullopt,
                       leido.agente, leido.sucursal, leido.regimen);
}

void Arranque::cerrar()
{
    auto opcional = [](bool activo, const QString& clave) {
        return activo ? std::optional<QString>(clave) : std::nullopt;
    };
    const Entorno& e = entorno_;
    const std::optional<qint64> cabecera =
        e.cabeceraActual() ? std::optional<qint64>(e.idCabecera()) : std::nullopt;
    const QByteArray contenido = escribirEntornoMem(
        cabecera, opcional(e.agenteActual().has_value(), e.agente()),
        opcional(e.sucursalActual().has_value(), e.sucursal()),
        opcional(e.regimenActual().has_value(), e.regimen()));

    // Written whole or not at all: a failure leaves the previous file.
    ArchivoProvisorio archivo(carpeta_, QFileInfo(rutaEntornoMem()).fileName());
    // A file that is there keeps its permissions; a new one is the user's alone.
    const QFileInfo existente(rutaEntornoMem());
    archivo.setPermisos(existente.isFile() ? existente.permissions() : kSoloDelDuenio);
    const bool escrito = archivo.escribir(contenido) && archivo.colocar();
    entorno_.baseDatos().cerrar();
    if (!escrito) {
        dialogs_.aviso(QStringLiteral("%1 - No se pudo guardar el archivo '%2': %3")
                           .arg(errores::AccesoArchivo)
                           .arg(QDir::toNativeSeparators(rutaEntornoMem()))
                           .arg(archivo.error()));
        return;
    }
    dialogs_.mostrar(
        {QStringLiteral("Recuerde que es necesario realizar COPIAS DE SEGURIDAD periódicas de sus datos.\n"
                        "La Orvalen no se hace responsable de la pérdida de los mismos.\n\n"
                        "El archivo que contiene todos los datos de esta aplicación\n"
                        "se llama 'BDR.mdb' y se encuentra en el directorio:\n\n'%1'")
             .arg(QDir::toNativeSeparators(carpeta_)),
         QStringLiteral("Importante..."), Icono::Informacion});
}
