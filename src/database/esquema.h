#pragma once
// The schema of BDR.mdb kept as data: one definition per table, field by field in stored order,
// with its indexes. The same definitions create the tables, add the fields the supplied tables lack
// and let the tests check what a database holds.

#include <QString>
#include <QStringList>
#include <vector>

enum class TipoCampo {
    Texto,     // Text(n): text of at most n characters
    Memo,      // long text without a limit
    Largo,     // Long: 32-bit integer
    Entero,    // Integer: 16-bit integer
    Simple,    // Single: floating point
    Moneda,    // Currency: ten-thousandths in a 64-bit integer
    Tasa,      // a percentage kept like Currency (ten-thousandths)
    Fecha,     // a date, ISO text YYYY-MM-DD
    Hora,      // a time of day, HH:MM:SS
    Booleano,  // yes (1) or no (0)
    Contador,  // a Long numbered by the engine for each new row; never reused
    Imagen,    // a picture (the barcode of a payment slip)
};

struct DefCampo {
    QString nombre;
    TipoCampo tipo;
    int tamanio = 0;            // Text(n) only
    bool requerido = false;
    bool permiteVacio = false;  // text: whether the empty text is accepted
    bool defectoCero = false;   // default value 0
};

struct DefIndice {
    QString nombre;             // its name within the table, e.g. "PrimaryKey"
    QStringList campos;
    bool primario = false;
    bool unico = false;
    QString condicion;          // the rows a partial index holds (its WHERE); empty: all
};

struct DefTabla {
    QString nombre;
    std::vector<DefCampo> campos;
    std::vector<DefIndice> indices;

    const DefCampo* campo(const QString& nombre) const;
};

// The declared column type SQLite keeps for a field (it names its size, which the upgrade reads).
QString tipoDeclarado(const DefCampo& campo);
// The column definition used by CREATE TABLE and ALTER TABLE ADD COLUMN.
QString definicionColumna(const DefCampo& campo);
QString sqlCrearTabla(const DefTabla& tabla);
// The SQLite name of an index. The schema names indexes per table (several tables have one called
// "PrimaryKey"); SQLite wants them unique in the file, so the table's name is part of it.
QString nombreIndiceSql(const QString& tabla, const QString& indice);
QString sqlCrearIndice(const QString& tabla, const DefIndice& indice);

namespace esquema {
// The thirteen tables the supplied database holds.
const std::vector<DefTabla>& tablasBase();
// The thirteen tables added at start-up, in their final shape.
const std::vector<DefTabla>& tablasAgregadas();
// Every table of the current schema, in its final shape (what a fully upgraded file holds).
std::vector<DefTabla> tablasActuales();
const DefTabla& tabla(const QString& nombre);

// The subjects of the "950" series not yet of the type of those not registered: the WHERE of the
// partial index that holds them and of the start-up's update that sets their type. The codes are
// in the text, never bound: SQLite reads a partial index only for a WHERE that names the same
// literal values as the index's.
QString condicionNoInscriptosSinTipo();
} // namespace esquema
