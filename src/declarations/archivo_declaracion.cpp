#include "declarations/archivo_declaracion.h"

#include "common/regimenes.h"
#include "database/base_datos.h"
#include "database/codigos.h"
#include "declarations/codigo_control.h"
#include "declarations/registros_declaracion.h"
#include "declarations/retenciones_archivo.h"
#include "platform/windows_1252.h"

#include <QLocale>
#include <algorithm>
#include <optional>

QByteArray ArchivoDeclaracion::contenido() const
{
    QByteArray bytes;
    for (const QByteArray& linea : lineas) bytes += linea + "\r\n";
    return bytes;
}

QString nombreArchivoDeclaracion(const Cabecera& c)
{
    return QStringLiteral("DJ_%1_%2_%3_%4_%5_%6.TXT")
        .arg(c.nroAgente, c.sucursal, c.codRegimen, c.anio, c.mes, c.rectifica);
}

namespace {

namespace registro = registro_declaracion;

// Every line of the file passes here: into the file's code page, into the control code, and on.
class Escritura {
public:
    explicit Escritura(const std::function<void(const QByteArray&)>& linea) : linea_(linea) {}

    void operator()(const QString& texto)
    {
        const QByteArray bytes = aWindows1252(texto);
        control_.sumarLinea(bytes);
        linea_(bytes);
    }
    QString codigo() const { return control_.codigo(); }

private:
    const std::function<void(const QByteArray&)>& linea_;
    CodigoControl control_;
};

// The agent and branch the declaration's header record names.
struct Titular {
    Agente agente;
    Sucursal sucursal;
};

Titular leerTitular(BaseDatos& base, const Cabecera& cabecera)
{
    const QString& agente = cabecera.nroAgente;
    const QString& sucursal = cabecera.sucursal;
    const auto filaAgente = leerAgente(base, agente);
    if (!filaAgente)
        throw DeclaracionIncompleta(
            QStringLiteral("No se encuentra el agente %1 de la declaración.").arg(agente));
    const auto filaSucursal = leerSucursal(base, agente, sucursal);
    if (!filaSucursal)
        throw DeclaracionIncompleta(QStringLiteral("No se encuentra la sucursal %1 del agente %2.")
                                        .arg(sucursal, agente));
    return {*filaAgente, *filaSucursal};
}

// The progress needs the whole count beforehand; without it, nothing is counted.
qint64 retencionesAContar(BaseDatos& base, qint64 idCabecera, bool conProgreso)
{
    if (!conProgreso) return 0;
    return base.valor(QStringLiteral("SELECT COUNT(*) FROM Retenciones WHERE IdCabecera = ?"),
                      {idCabecera})
        .toLongLong();
}

// Counts a withholding and, when valid, adds it to the totals and to the run of its rate. An
// annulled withholding still opens a run of its rate, which stays empty.
void sumarRetencion(ArchivoDeclaracion& archivo, std::vector<GrupoAlicuota>& grupos,
                    const RetencionDelArchivo& fila)
{
    const Retencion& r = fila.retencion;
    const Importe alicuota = r.alicuota.value_or(Importe());
    if (grupos.empty() || grupos.back().alicuota != alicuota)
        grupos.push_back(GrupoAlicuota{alicuota, {}, {}, {}});
    GrupoAlicuota& grupo = grupos.back();
    if (r.estado != estado_retencion::Valida) {
        ++archivo.anuladas;
        return;
    }
    const Importe bruto = r.importeBruto.value_or(Importe());
    const Importe retenido = r.importeRet.value_or(Importe());
    if (fila.otras) grupo.otrosPagos += *fila.otras;
    grupo.totxAlic += bruto;
    grupo.otroValor += retenido;
    archivo.impuestoCalculado += impuestoDeFila(bruto, alicuota);
    archivo.totalRetenido += retenido;
    ++archivo.validas;
}

// Fines and detail rows belong to one receipt of this declaration: receipt numbers repeat across
// branches. A missing row or amount is the file's literal zero.
std::optional<Importe> multaDelComprobante(BaseDatos& base, qint64 idCabecera,
                                           const QString& comprobante)
{
    const auto fila = base.fila(QStringLiteral("SELECT Importe_Multa FROM Multas_cobradas "
                                               "WHERE IdCabecera = ? AND Nro_Comprobante = ?"),
                                {idCabecera, comprobante});
    if (!fila || fila->value(0).isNull()) return std::nullopt;
    return Importe::desdeColumna(fila->value(0));
}

// The records that follow a withholding's own, as its regime keeps them: its other amounts, then
// the records of its detail.
void escribirAgregados(Escritura& escribir, BaseDatos& base, const Cabecera& cabecera,
                       const ReglasRegimen& reglas, const RetencionDelArchivo& fila,
                       const QLocale& locale)
{
    const Retencion& r = fila.retencion;
    const QString& comprobante = r.nroComprobante;
    if (reglas.otrosImportes == OtrosImportes::OtrasRetenciones) {
        escribir(registro::otrosImportes(comprobante, fila.otras, std::nullopt, locale));
    } else if (reglas.otrosImportes == OtrosImportes::Multa) {
        const auto multa = multaDelComprobante(base, cabecera.idCabecera, comprobante);
        escribir(registro::otrosImportes(comprobante, std::nullopt, multa, locale));
    }
    const bool conDetalle = reglas.registrosDetalle == RegistrosDetalle::Detalle;
    const bool conAlimentos = reglas.registrosDetalle == RegistrosDetalle::Alimentos;
    if (conDetalle || conAlimentos) {
        for (const Guia& guia : leerGuias(base, r.clave()))
            escribir(conDetalle ? registro::detalle(guia, cabecera.codRegimen, locale)
                                : registro::alimento(guia, locale));
    }
}

// The subtotals the printed declaration lists: the runs whose gross is not zero.
std::vector<GrupoAlicuota> gruposConBruto(const std::vector<GrupoAlicuota>& grupos)
{
    std::vector<GrupoAlicuota> conBruto;
    std::copy_if(grupos.begin(), grupos.end(), std::back_inserter(conBruto),
                 [](const GrupoAlicuota& g) { return !g.totxAlic.esCero(); });
    return conBruto;
}

} // namespace

// The tax of one row is what its receipt withheld.
Importe impuestoDeFila(Importe bruto, Importe alicuota)
{
    return bruto.porcentajeEnCentavos(alicuota);
}

ArchivoDeclaracion armarArchivoDeclaracion(BaseDatos& base, const Cabecera& cabecera,
                                           const QString& marcaObs, const QLocale& locale,
                                           const std::function<void(int)>& progreso)
{
    std::vector<QByteArray> lineas;
    ArchivoDeclaracion archivo = armarArchivoDeclaracion(
        base, cabecera, marcaObs, locale, [&](const QByteArray& l) { lineas.push_back(l); },
        progreso);
    archivo.lineas = std::move(lineas);
    return archivo;
}

ArchivoDeclaracion armarArchivoDeclaracion(BaseDatos& base, const Cabecera& cabecera,
                                           const QString& marcaObs, const QLocale& locale,
                                           const std::function<void(const QByteArray&)>& linea,
                                           const std::function<void(int)>& progreso)
{
    const ReglasRegimen reglas = reglasRegimen(cabecera.codRegimen);
    const Titular titular = leerTitular(base, cabecera);

    ArchivoDeclaracion archivo;
    archivo.nombre = nombreArchivoDeclaracion(cabecera);
    Escritura escribir(linea);
    escribir(registro::cabecera(cabecera, marcaObs, titular.sucursal, titular.agente));

    const qint64 total = retencionesAContar(base, cabecera.idCabecera, bool(progreso));
    std::vector<GrupoAlicuota> grupos;
    qint64 leidas = 0;
    recorrerRetencionesDelArchivo(base, cabecera.idCabecera, [&](const RetencionDelArchivo& fila) {
        sumarRetencion(archivo, grupos, fila);
        escribir(registro::retencion(fila, locale));
        escribirAgregados(escribir, base, cabecera, reglas, fila, locale);
        ++leidas;
        if (progreso && total > 0) progreso(int(std::min(leidas, total) * 100 / total));
    });
    archivo.hayMovimientos = leidas > 0;
    archivo.grupos = gruposConBruto(grupos);
    archivo.codigoControl = escribir.codigo();
    return archivo;
}
