#pragma once
// Brings a database to the current schema: the tables the supplied file lacks, the fields it adds,
// the one-time back-fill of the detail rows' declaration. The whole upgrade is one transaction:
// it lands complete or the file stays as it was.

#include "database/esquema.h"

#include <QString>

class BaseDatos;
class Dialogs;

enum class ResultadoActualizacion {
    SinCambios,   // the schema was current: go on
    Actualizada,  // the schema changed: the user starts the program again
    Fallida,      // nothing changed; the failure was shown; the program ends
};

class ModificaBase {
public:
    ModificaBase(BaseDatos& base, Dialogs& dialogs);

    // The start-up's schema steps, in their fixed order, with the seeds that run among them.
    ResultadoActualizacion actualizar();

    bool tieneTabla(const QString& nombre);
    bool tieneCampo(const QString& tabla, const QString& campo);
    // The size of a text field as defined ("TEXT(200)" gives 200); 0 when not a sized text.
    int tamanioCampo(const QString& tabla, const QString& campo);

    // Creates a table of the current schema; `sinCampo` names a field left for a later step.
    void crearTabla(const DefTabla& tabla, const QString& sinCampo = {});
    // Adds indexes of the current schema; one that exists already is passed over.
    void crearIndices(const QString& tabla, const QStringList& indices);
    // An index of the current schema on a table that has the fields it covers but lacks it.
    void crearIndiceQueFalte(const QString& tabla, const QString& indice);
    // Adds a field of the current schema to an existing table; one that exists is passed over.
    void agregarCampo(const QString& tabla, const QString& campo);

    void crearTablaGuias();
    void crearIndicesGuias();
    void agregarNroPorteGuias();
    void agregarIdCabeceraGuias();
    void agregarCamposSubtotales();
    void crearTablasIntervenciones();
    // The indexes the schema has beyond those made with their tables, on databases that lack them.
    void crearIndicesFaltantes();

private:
    // Step by step; true when the schema changed. The seeds among the steps speak through `avisos`.
    bool pasos(Dialogs& avisos);
    // The steps that change the schema; each is true when it did.
    bool actualizarGuias();
    bool ampliarTextoImpresos();
    bool crearTiposEIntervenciones();
    void descartarTiposDeOtraForma();
    bool crearOtrasRetencionesYRemesas();
    bool crearTablasPolicia();

    BaseDatos& base_;
    Dialogs& dialogs_;
};
