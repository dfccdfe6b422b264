#include "database/base_suministrada.h"

#include "database/ayudas_iniciales.h"
#include "database/base_datos.h"
#include "database/esquema.h"
#include "database/modifica_base.h"
#include "database/semillas.h"
#include "database/transaccion.h"

#include "platform/archivos_privados.h"
#include "platform/disco.h"

#include <QFile>
#include <QFileInfo>

namespace {

struct Regimen {
    const char* codigo;
    const char* descripcion;
    const char* resolucion;
};

// The regimes the supplied file carries; "07" to "16" are added at start-up.
constexpr Regimen kRegimenes[] = {
    {"01", "Retenciones - Régimen General", "RG01/00"},
    {"02", "Percepciones - Régimen General", "RG02/00"},
    {"03", "Pagos a Cuenta", "RG03/00"},
    {"04", "Retenciones - Organismos Públicos", "RG04/00"},
    {"05", "Percepciones - Empresas de Servicios", "RG05/00"},
    {"06", "Percepciones - Con Notas de Crédito", "RG06/00"},
};

struct Concepto {
    const char* codigo;
    const char* descripcion;
};

// The concepts the entry forms propose: "00" in the general regimes, "31" in regime "14".
constexpr Concepto kConceptos[] = {
    {"00", "OPERACIONES EN GENERAL"},
    {"31", "PERCEPCION EN FAENA"},
};

} // namespace

void crearBaseSuministrada(BaseDatos& base)
{
    Transaccion transaccion(base);
    for (const DefTabla& tabla : esquema::tablasBase()) {
        base.ejecutar(sqlCrearTabla(tabla));
        for (const DefIndice& indice : tabla.indices)
            base.ejecutar(sqlCrearIndice(tabla.nombre, indice));
    }
    for (const Regimen& r : kRegimenes)
        base.ejecutar(QStringLiteral("INSERT INTO Regimenes (Cod_Regimen, Descripcion, Resolucion) "
                                     "VALUES (?, ?, ?)"),
                      {QString::fromUtf8(r.codigo), QString::fromUtf8(r.descripcion),
                       QString::fromUtf8(r.resolucion)});
    for (const Concepto& c : kConceptos)
        base.ejecutar(QStringLiteral("INSERT INTO Conceptos (Cod_Concepto, Descripcion) VALUES (?, ?)"),
                      {QString::fromUtf8(c.codigo), QString::fromUtf8(c.descripcion)});
    cargarAyudasIniciales(base);
    transaccion.confirmar();
}

void crearBaseInstalada(const QString& ruta, Dialogs& dialogs)
{
    if (QFileInfo::exists(ruta))
        throw ErrorMotor(errores::ErrorGeneral,
                         QStringLiteral("El archivo '%1' ya existe.").arg(ruta));
    // Built under another name and put in place only once complete: a run cut short leaves no
    // BDR.mdb without tables, only this file, which the next run throws away.
    const QString provisoria = rutaBaseEnConstruccion(ruta);
    for (const QString& resto : {provisoria, provisoria + QStringLiteral("-journal")})
        if (QFileInfo::exists(resto) && !QFile::remove(resto))
            throw ErrorMotor(errores::AccesoArchivo,
                             QStringLiteral("No se pudo borrar el archivo '%1' que quedó de una "
                                            "creación anterior.")
                                 .arg(resto));
    BaseDatos base;
    base.crear(provisoria);
    // Still empty: no one else can ever read what goes into it, nor into its journal, which takes
    // the database's permissions.
    hacerPrivado(provisoria);
    try {
        crearBaseSuministrada(base);
        // The upgrade asks for a restart after each round that changed the schema (an old file can
        // need several); a new install goes through them all at once.
        ModificaBase modifica(base, dialogs);
        for (int vuelta = 0;; ++vuelta) {
            const ResultadoActualizacion resultado = modifica.actualizar();
            if (resultado == ResultadoActualizacion::SinCambios) break;
            if (resultado == ResultadoActualizacion::Fallida || vuelta > 5)
                throw ErrorMotor(errores::ErrorGeneral,
                                 QStringLiteral("No se pudo actualizar la base de datos nueva."));
        }
        sembrarDatosDeReferencia(base, dialogs);
        base.cerrar();
        QString error;
        if (!sincronizarArchivo(provisoria, &error)
            || !renombrarSinReemplazar(provisoria, ruta, &error)
            || !sincronizarCarpeta(QFileInfo(ruta).absolutePath(), &error))
            throw ErrorMotor(errores::AccesoArchivo,
                             QStringLiteral("No se pudo poner la base nueva en '%1': %2")
                                 .arg(ruta, error));
    } catch (...) {
        base.cerrar();
        QFile::remove(provisoria);
        QFile::remove(provisoria + QStringLiteral("-journal"));
        throw;
    }
}

QString rutaBaseEnConstruccion(const QString& ruta)
{
    return ruta + QStringLiteral(".creando");
}
