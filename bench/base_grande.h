#pragma once
// The database of a large agent, for the benchmarks and for trying the program by hand: a new
// install's database with years of one agent's data added.
//
// Agent "030125", branch "0001": 300,000 subjects of every jurisdiction with valid check digits;
// 120 monthly declarations from January 2020 to December 2024 in regimes "01", "06", "11", "12"
// and "14"; about a million withholdings, with annulled rows, credit notes in "06", the other
// withholdings of "11" and "12" (Retenciones_B), their detail rows (livestock guides, grain
// advances with their stamps, the "Z" stamps of "14") and the remittances the stamps came in.
// Receipts are numbered by the branch's counter in the order they were issued; the counter holds
// the last one. The ordinary rates of "01" to "06", the due dates of every month and the interest
// rates are there, so any month can be emitted and paid. December 2024 is the month in course:
// its declarations are open; every earlier one is closed.
//
// The same seed and parameters always give the same rows.

#include <QString>
#include <QtGlobal>

class BaseDatos;

struct ParametrosBaseGrande {
    quint64 semilla = 20241231;
    int sujetos = 300000;
    int filasMes = 7500;         // a usual month; each one varies by up to 500 either way
    int filasMayor = 100000;     // the month in course of regime "01"
    int filasMediano = 10000;    // the month before it
};

// A declaration of the agent's branch, by its regime and month.
struct MesDeclarado {
    const char* regimen;
    int anio;
    int mes;
};

namespace base_grande {
inline constexpr char kAgente[] = "030125";
inline constexpr char kSucursal[] = "0001";
inline constexpr MesDeclarado kMesMayor{"01", 2024, 12};    // open; the active declaration
inline constexpr MesDeclarado kMesMediano{"01", 2024, 11};  // closed
} // namespace base_grande

// Writes the database at `ruta`, which must not exist. It is built under another name and renamed
// once complete. Throws std::runtime_error or ErrorMotor.
void generarBaseGrande(const QString& ruta, const ParametrosBaseGrande& parametros = {});

// The database for these parameters kept in `carpeta`, generated there on first use. Its name
// carries the generator's version, the parameters and the schema of a new install, so that a
// change to any of them makes a new file instead of reusing a stale one.
QString baseGrandeEnCache(const QString& carpeta, const ParametrosBaseGrande& parametros = {});

// The folder the benchmarks keep it in: TARQUEL_BENCH_DATOS when set, else the build's own.
QString carpetaCacheBench();

// IdCabecera of the agent's branch declaration of that month; 0 when there is none.
qint64 idDeclaracion(BaseDatos& base, const MesDeclarado& mes);

// Entorno.mem for a data folder holding the database: the month in course active, as the
// program leaves it when closed while entering that month's receipts.
void escribirEntornoGrande(BaseDatos& base, const QString& carpeta);
