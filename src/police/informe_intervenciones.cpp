#include "police/informe_intervenciones.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/codigos.h"
#include "database/entorno.h"
#include "database/error_motor.h"
#include "database/transaccion.h"
#include "declarations/cierre_cabecera.h"
#include "forms/avisos_error.h"
#include "platform/dialogos_impresion.h"
#include "platform/dialogs.h"
#include "police/reportes/reporte_intervenciones.h"

#include <map>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kTituloImposible = u"Imposible imprimir las intervenciones..."_s;
// `Parametros.TipoParametro` of the value of one intervention (the start-up seeds its first row).
const QString kParametroIntervencion = u"I"_s;

struct GrupoPolicia {
    qint64 codPolicia = 0;
    qint64 cantidad = 0;
    bool registrado = false;
    qint64 legajo = 0;  // 0 for an officer without one, or deleted
    QString nombre;
    QString cuenta;
};

QString nombrado(const GrupoPolicia& g)
{
    return g.registrado ? u"Nº %1 (%2)"_s.arg(g.codPolicia).arg(g.nombre.trimmed())
                        : u"Nº %1 (no registrado)"_s.arg(g.codPolicia);
}

// The scratch table tells its rows apart by file number. A deleted officer has none: his row
// goes under his own number, negated, which no file number can be (they are digits only), so two
// deleted officers keep a row each; the report shows no file number for it and names him by
// his number.
qint64 legajoDeFila(const GrupoPolicia& g)
{
    return g.registrado ? g.legajo : -g.codPolicia;
}

QString nombreDeFila(const GrupoPolicia& g)
{
    return g.registrado ? g.nombre : nombrado(g);
}

// The amount of `cantidad` interventions in whole pesos, as the table keeps it: ties to even.
qint64 totalEntero(Importe valor, qint64 cantidad)
{
    const qint64 v = valor.diezmilesimos() * cantidad;
    qint64 entero = v / Importe::kEscala;
    const qint64 resto = v % Importe::kEscala;
    const qint64 doble = 2 * (resto < 0 ? -resto : resto);
    if (doble > Importe::kEscala || (doble == Importe::kEscala && entero % 2 != 0))
        entero += v < 0 ? -1 : 1;
    return entero;
}

// The scratch table requires its texts: what is unknown (no account, no name) goes in as a
// single blank, which the report shows as nothing.
QString oBlanco(const QString& texto)
{
    return texto.trimmed().isEmpty() ? u" "_s : texto;
}

void avisarSinValor(Dialogs& dialogs, const Cabecera& cabecera)
{
    dialogs.aviso(u"No se encuentra cargado el valor de la intervención policial vigente "
                  u"para el mes %1 del año %2"_s.arg(cabecera.mes, cabecera.anio),
                  kTituloImposible, Icono::Exclamacion);
}

// Every officer with interventions in the declaration, a deleted one too, by his number.
std::vector<GrupoPolicia> gruposDePolicias(BaseDatos& base, qint64 idCabecera)
{
    std::map<qint64, qint64> cantidades;
    for (const QSqlRecord& f :
         base.filas(u"SELECT * FROM Intervenciones WHERE IdCabecera = ?"_s, {idCabecera}))
        ++cantidades[intervencionDe(f).codPolicia];
    std::vector<GrupoPolicia> grupos;
    for (const auto& [codigo, cantidad] : cantidades) {
        const std::optional<Policia> p = leerPolicia(base, codigo);
        grupos.push_back({codigo, cantidad, p.has_value(), p ? p->legajo.value_or(0) : 0,
                          p ? p->nombre : QString(), p ? p->nroCuentaBanco : QString()});
    }
    return grupos;
}

// Officers are told apart in the report by their file number: two that share one would be added
// together, and one paid for the other's interventions. Only the file numbers of officers who
// exist can be corrected, and only theirs can clash. False, after saying which, when two do.
bool legajosDistintos(Dialogs& dialogs, const std::vector<GrupoPolicia>& grupos)
{
    std::map<qint64, const GrupoPolicia*> porLegajo;
    for (const GrupoPolicia& g : grupos) {
        if (!g.registrado) continue;
        const auto [lugar, nuevo] = porLegajo.try_emplace(g.legajo, &g);
        if (nuevo) continue;
        dialogs.aviso(u"Los agentes de policía %1 y %2 tienen el mismo legajo (%3): el informe "
                      u"no puede distinguirlos.\nCorrija el legajo desde Agentes de Policía "
                      u"Caminera."_s
                          .arg(nombrado(*lugar->second), nombrado(g))
                          .arg(g.legajo),
                      kTituloImposible, Icono::Exclamacion);
        return false;
    }
    return true;
}

// The report's rows in Tmp_Intervenciones, one per officer, in one transaction.
void llenarInforme(BaseDatos& base, const Cabecera& cabecera, Importe valor,
                   const std::vector<GrupoPolicia>& grupos)
{
    const std::optional<Agente> agente = leerAgente(base, cabecera.nroAgente);
    Transaccion transaccion(base);
    base.ejecutar(u"DELETE FROM Tmp_Intervenciones"_s);
    for (const GrupoPolicia& g : grupos)
        base.ejecutar(u"INSERT INTO Tmp_Intervenciones (Anio, Mes, Legajo, Nro_Agente, "
                      u"Razon_Social, Nombre, Nro_Cuenta_Banco, Intervenciones, Total) "
                      u"VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"_s,
                      {cabecera.anio, cabecera.mes, legajoDeFila(g), cabecera.nroAgente,
                       oBlanco(agente ? agente->razonSocial : QString()), oBlanco(nombreDeFila(g)),
                       oBlanco(g.cuenta), g.cantidad, totalEntero(valor, g.cantidad)});
    transaccion.confirmar();
}

// Printing closes an open declaration, after the question; a closed one is left exactly as it
// is. True when it was closed here, false when it was closed already, nothing when the user
// declined.
std::optional<bool> cerrarParaImprimir(Contexto& contexto, const Cabecera& cabecera)
{
    if (cabeceraCerrada(cabecera)) return false;
    if (!confirmarCierre(contexto.entorno, contexto.dialogs, cabecera)) return std::nullopt;
    Transaccion transaccion(contexto.base);
    cerrarCabecera(contexto.base, cabecera.idCabecera, marca_observacion::Sin);
    transaccion.confirmar();
    return true;
}

} // namespace

std::optional<Importe> valorIntervencion(BaseDatos& base, const Cabecera& cabecera)
{
    const QDate primero(cabecera.anio.toInt(), cabecera.mes.toInt(), 1);
    if (!primero.isValid()) return std::nullopt;
    const QVariant valor = base.valor(
        u"SELECT Importe FROM Parametros WHERE TipoParametro = ? AND VigenciaD <= ? "
        u"AND (VigenciaH IS NULL OR VigenciaH >= ?) ORDER BY NroParametro LIMIT 1"_s,
        {kParametroIntervencion, primero.toString(Qt::ISODate), primero.toString(Qt::ISODate)});
    if (valor.isNull()) return std::nullopt;
    return Importe::desdeColumna(valor);
}

bool imprimirIntervenciones(Contexto& contexto, qint64 idCabecera)
{
    return imprimirIntervenciones(contexto, idCabecera, contexto.impresora);
}

bool imprimirIntervenciones(Contexto& contexto, qint64 idCabecera, Impresora& impresora)
{
    BaseDatos& base = contexto.base;
    Dialogs& dialogs = contexto.dialogs;
    bool cerrada = false;
    try {
        const std::optional<Cabecera> cabecera = leerCabecera(base, idCabecera);
        if (!cabecera) return false;
        const std::optional<Importe> valor = valorIntervencion(base, *cabecera);
        if (!valor) {
            avisarSinValor(dialogs, *cabecera);
            return false;
        }
        const std::vector<GrupoPolicia> grupos = gruposDePolicias(base, idCabecera);
        if (!legajosDistintos(dialogs, grupos)) return false;
        llenarInforme(base, *cabecera, *valor, grupos);
        if (grupos.empty()) {
            dialogs.aviso(u"No existen Intervenciones a Imprimir para la DD.JJ. Seleccionada"_s);
            return false;
        }

        const std::optional<bool> cierre = cerrarParaImprimir(contexto, *cabecera);
        if (!cierre) return false;
        cerrada = *cierre;
        if (contexto.entorno.esCabeceraActual(idCabecera)) contexto.entorno.limpiarCabeceraActual();

        if (!confirmarImpresion(dialogs)) return cerrada;
        imprimirReporte(dialogs, impresora, pedidoIntervenciones());
    } catch (const ErrorMotor& error) {
        mostrarErrorOperacion(dialogs, error);
    }
    return cerrada;
}
