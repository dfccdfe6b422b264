// The rates the entry forms look up by regime and subject type. Some regimes have rates fixed by
// the agency, written again at every start; others are only filled or corrected.

#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/esquema.h"
#include "database/semillas.h"
#include "database/semillas_comun.h"

#include <initializer_list>

namespace {

struct Alicuota {
    const char* regimen;
    const char* tipo;
    const char* tasa;
};

using Filas = std::initializer_list<Alicuota>;

const QString kActualizada = QStringLiteral("La base ha sido actualizada.\n\n");

QString texto(const char* s)
{
    return QString::fromLatin1(s);
}

void agregar(BaseDatos& base, const Filas& filas)
{
    for (const Alicuota& a : filas)
        semillas::agregarSiFalta(
            base, QStringLiteral("Alicuotas"),
            {QStringLiteral("Cod_Regimen"), QStringLiteral("Cod_Tipo"), QStringLiteral("Alicuota")},
            {texto(a.regimen), texto(a.tipo), semillas::decimal(a.tasa).aColumna()}, 2);
}

// Rows the agency fixes: whatever the user changed or added under `condicion` goes.
void reemplazar(BaseDatos& base, const char* condicion, const QVariantList& valores,
                const Filas& filas)
{
    base.ejecutar(QStringLiteral("DELETE FROM Alicuotas WHERE ") + texto(condicion), valores);
    agregar(base, filas);
}

// A regime's rates are the user's once it has any; true when they were added.
bool llenarSiVacio(BaseDatos& base, const QString& regimen, const Filas& filas)
{
    if (base.existe(QStringLiteral("SELECT 1 FROM Alicuotas WHERE Cod_Regimen = ?"), {regimen}))
        return false;
    agregar(base, filas);
    return true;
}

// Types "0" to `tipoMaximo` of a regime, where present, take the agency's rate; true when any
// rate had to change.
bool corregir(BaseDatos& base, const char* regimen, const char* tipoMaximo, const char* tasa)
{
    const QVariant valor = semillas::decimal(tasa).aColumna();
    return base.ejecutar(QStringLiteral("UPDATE Alicuotas SET Alicuota = ? WHERE Cod_Regimen = ? "
                                        "AND Cod_Tipo >= ? AND Cod_Tipo <= ? AND Alicuota <> ?"),
                         {valor, texto(regimen), QStringLiteral("0"), texto(tipoMaximo), valor})
        > 0;
}

} // namespace

void fijarAlicuotas(BaseDatos& base, Dialogs& dialogs)
{
    // Regimes "11" and "12" have a fixed rate the rates form does not let the user change.
    semillas::ejecutar(base, dialogs, [&](QStringList&) {
        if (!semillas::existeTabla(base, QStringLiteral("Alicuotas"))) return;
        base.ejecutar(QStringLiteral("UPDATE Alicuotas SET Alicuota = ? WHERE Cod_Regimen IN (?, ?)"),
                      {semillas::decimal("0.5").aColumna(), codigo_regimen::Anticipos,
                       codigo_regimen::AnticiposConOblea});
    });
}

void actualizarAlicuotas(BaseDatos& base, Dialogs& dialogs)
{
    semillas::ejecutar(base, dialogs, [&](QStringList& avisos) {
        if (!semillas::existeTabla(base, QStringLiteral("Alicuotas"))
            || !semillas::existeTabla(base, QStringLiteral("Contribuyentes")))
            return;

        const char* porRegimen = "Cod_Regimen = ?";
        // Types above "7" are the system's own.
        const char* tiposDelSistema = "Cod_Regimen = ? AND Cod_Tipo > ?";
        const QString siete = QStringLiteral("7");

        reemplazar(base, porRegimen, {codigo_regimen::Anticipos},
                   {{"11", "0", "1"}, {"11", "1", "1"}, {"11", "2", "1"}});
        reemplazar(base, porRegimen, {texto("07")},
                   {{"07", "0", "2.5"}, {"07", "1", "2"}, {"07", "2", "1"}, {"07", "5", "4.1"}});
        reemplazar(base, porRegimen, {texto("08")},
                   {{"08", "0", "2.5"}, {"08", "1", "2"}, {"08", "2", "1"}, {"08", "5", "4.1"}});

        // Subjects numbered in the "950" series are the ones not registered. Only those not yet
        // of that type are written, found through an index that holds just them.
        base.ejecutar(QStringLiteral("UPDATE Contribuyentes SET Cod_Tipo = ? WHERE ")
                          + esquema::condicionNoInscriptosSinTipo(),
                      {tipo_sujeto::NoInscripto});

        reemplazar(base, porRegimen, {texto("16")},
                   {{"16", "0", "0.3"}, {"16", "1", "0.3"}, {"16", "2", "0.3"}, {"16", "3", "0"},
                    {"16", "4", "0"}});
        reemplazar(base, tiposDelSistema, {texto("01"), siete},
                   {{"01", "8", "2.5"}, {"01", "9", "2.25"}});
        reemplazar(base, tiposDelSistema, {codigo_regimen::Anticipos, siete}, {{"11", "8", "0.5"}});

        if (llenarSiVacio(base, codigo_regimen::AnticiposConOblea,
                          {{"12", "0", "0.5"}, {"12", "1", "0.5"}, {"12", "2", "0.5"}}))
            avisos << kActualizada
                    + QStringLiteral("Se agregaron las alícuotas correspondientes al regimen 12");
        if (llenarSiVacio(base, QStringLiteral("14"),
                          {{"14", "0", "2"}, {"14", "1", "2"}, {"14", "2", "2"}, {"14", "3", "0"},
                           {"14", "4", "0"}}))
            avisos << kActualizada
                    + QStringLiteral("Se agregaron las alícuotas correspondientes para el régimen 14");
        if (corregir(base, "06", "2", "2"))
            avisos << kActualizada
                    + QStringLiteral("Se agregaron/modificaron las alícuotas correspondientes al "
                                     "régimen 06.");
        if (corregir(base, "03", "3", "2.5"))
            avisos << kActualizada
                    + QStringLiteral("Se agregaron/modificaron las alícuotas correspondientes al "
                                     "régimen 03.");

        // Type "6", the subjects not registered, has the agency's rate in the regimes that take it
        // and none in the others.
        reemplazar(base, "Cod_Tipo = ?", {tipo_sujeto::NoInscripto},
                   {{"01", "6", "2.5"}, {"02", "6", "2.5"}, {"03", "6", "2.5"}, {"04", "6", "4.1"},
                    {"05", "6", "2.5"}, {"06", "6", "2"}, {"07", "6", "2.5"}, {"08", "6", "2.5"},
                    {"11", "6", "1"}, {"12", "6", "0.5"}, {"14", "6", "2"}, {"16", "6", "0.3"}});
    });
}
