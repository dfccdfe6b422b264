#include "database/revision_otras_retenciones.h"

#include "database/base_datos.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace revision_otras_retenciones {

namespace {

struct Disparador {
    const char* nombre;
    const char* evento;
    bool anterior;  // the declaration the row had (OLD)
    bool nueva;     // the declaration it has now (NEW)
};

// One per change that can make a receipt qualify. A row that is only taken away cannot, except a
// detail row: without it a receipt may be left with none, or with another first row. A detail row
// given to another receipt is noted where it left and where it went.
const Disparador kDisparadores[] = {
    {"Revisar_Otras_Reten_B_alta", "AFTER INSERT ON Retenciones_B", false, true},
    {"Revisar_Otras_Reten_B_cambio", "AFTER UPDATE ON Retenciones_B", false, true},
    {"Revisar_Otras_Reten_Ret_alta", "AFTER INSERT ON Retenciones", false, true},
    {"Revisar_Otras_Reten_Ret_cambio", "AFTER UPDATE ON Retenciones", false, true},
    {"Revisar_Otras_Reten_Guias_alta", "AFTER INSERT ON Guias", false, true},
    {"Revisar_Otras_Reten_Guias_cambio", "AFTER UPDATE ON Guias", true, true},
    {"Revisar_Otras_Reten_Guias_baja", "AFTER DELETE ON Guias", true, false},
    {"Revisar_Otras_Reten_Cab_alta", "AFTER INSERT ON Cabeceras", false, true},
    {"Revisar_Otras_Reten_Cab_cambio", "AFTER UPDATE ON Cabeceras", false, true},
};

QString sqlDisparador(const Disparador& d)
{
    const auto nota = [](const char* fila) {
        // Not "OR IGNORE": an outer statement's own conflict clause would override it.
        return QStringLiteral("INSERT INTO Revisar_Otras_Reten (IdCabecera) "
                              "SELECT %1.IdCabecera WHERE %1.IdCabecera IS NOT NULL AND NOT EXISTS "
                              "(SELECT 1 FROM Revisar_Otras_Reten WHERE IdCabecera = %1.IdCabecera); ")
            .arg(QString::fromLatin1(fila));
    };
    QString cuerpo;
    if (d.anterior) cuerpo += nota("OLD");
    if (d.nueva) cuerpo += nota("NEW");
    return QStringLiteral("CREATE TRIGGER \"%1\" %2 BEGIN %3END")
        .arg(QString::fromLatin1(d.nombre), QString::fromLatin1(d.evento), cuerpo);
}

QStringList nombresPresentes(BaseDatos& base)
{
    return base.textos(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE (type = 'trigger' AND name LIKE "
        "'Revisar_Otras_Reten_%') OR (type = 'table' AND name = 'Revisar_Otras_Reten')"));
}

} // namespace

Alcance prepararRevision(BaseDatos& base)
{
    const QStringList presentes = nombresPresentes(base);
    bool completa = true;
    // Without rowid, so any value the declaration's field may hold is kept as it is.
    if (!presentes.contains(QStringLiteral("Revisar_Otras_Reten"))) {
        base.ejecutar(QStringLiteral("CREATE TABLE Revisar_Otras_Reten "
                                     "(IdCabecera INTEGER NOT NULL PRIMARY KEY) WITHOUT ROWID"));
        completa = false;
    }
    std::vector<const Disparador*> faltantes;
    for (const Disparador& d : kDisparadores)
        if (!presentes.contains(QString::fromLatin1(d.nombre))) faltantes.push_back(&d);
    if (faltantes.empty()) return completa ? Alcance::Cambiadas : Alcance::Todas;
    // The triggers of the detail rows name their declaration, which a file of the supplied shape
    // gets in a later round of its upgrade: until then nothing is noted.
    if (base.existe(QStringLiteral("SELECT 1 FROM pragma_table_info('Guias') "
                                   "WHERE name = 'IdCabecera' COLLATE NOCASE")))
        for (const Disparador* d : faltantes) base.ejecutar(sqlDisparador(*d));
    return Alcance::Todas;
}

void vaciar(BaseDatos& base)
{
    base.ejecutar(QStringLiteral("DELETE FROM Revisar_Otras_Reten"));
}

} // namespace revision_otras_retenciones
