#include "declarations/archivo_declaracion.h"

#include "common/estados.h"
#include "common/regimenes.h"
#include "database/base_datos.h"
#include "declarations/codigo_control.h"
#include "declarations/registros_declaracion.h"
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

// The tax of one row is what its receipt withheld.
Importe impuestoDeFila(Importe bruto, Importe alicuota)
{
    return bruto.porcentajeEnCentavos(alicuota);
}

namespace {

// The withholdings of a declaration, each with its subject and its other withholdings, read by
// position: the withholding's fields, then CUIT, Cod_Tipo and Otras_Reten. Rows of equal rate keep
// the order they were stored in.
QString sqlRetencionesDelArchivo()
{
    return QStringLiteral("SELECT ") + camposRetencion(QStringLiteral("Retenciones."))
        + QStringLiteral(", Contribuyentes.CUIT, Contribuyentes.Cod_Tipo, "
                         "Retenciones_B.Otras_Reten "
                         "FROM Retenciones LEFT JOIN Contribuyentes "
                         "ON Retenciones.Nro_Contrib = Contribuyentes.Nro_Contrib "
                         "LEFT JOIN Retenciones_B "
                         "ON Retenciones_B.IdCabecera = Retenciones.IdCabecera "
                         "AND Retenciones_B.Nro_Comprobante = Retenciones.Nro_Comprobante "
                         "WHERE Retenciones.IdCabecera = ? "
                         "ORDER BY Retenciones.Alicuota DESC, Retenciones.rowid");
}

// A row of that query: the withholding as the file reads it, and its other withholdings (none
// when the receipt has no row for them).
struct RetencionLeida {
    RetencionDelArchivo fila;
    std::optional<Importe> otras;
};

RetencionLeida retencionLeidaDe(const QSqlQuery& consulta)
{
    constexpr int kCuit = 11;  // after the 11 fields of camposRetencion()
    constexpr int kCodTipo = 12;
    constexpr int kOtras = 13;
    const QVariant otras = consulta.value(kOtras);
    return {{retencionDe(consulta, 0), consulta.value(kCuit).toString(),
             consulta.value(kCodTipo).toString()},
            otras.isNull() ? std::nullopt : std::optional(Importe::desdeColumna(otras))};
}

} // namespace

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
    namespace registro = registro_declaracion;
    const qint64 id = cabecera.idCabecera;
    const QString& agente = cabecera.nroAgente;
    const QString& sucursal = cabecera.sucursal;
    const QString& regimen = cabecera.codRegimen;
    const ReglasRegimen reglas = reglasRegimen(regimen);

    const auto filaAgente = leerAgente(base, agente);
    if (!filaAgente)
        throw DeclaracionIncompleta(
            QStringLiteral("No se encuentra el agente %1 de la declaración.").arg(agente));
    const auto filaSucursal = leerSucursal(base, agente, sucursal);
    if (!filaSucursal)
        throw DeclaracionIncompleta(QStringLiteral("No se encuentra la sucursal %1 del agente %2.")
                                        .arg(sucursal, agente));

    ArchivoDeclaracion archivo;
    archivo.nombre = nombreArchivoDeclaracion(cabecera);
    CodigoControl control;
    auto escribir = [&](const QString& texto) {
        const QByteArray bytes = aWindows1252(texto);
        control.sumarLinea(bytes);
        linea(bytes);
    };

    escribir(registro::cabecera(cabecera, marcaObs, *filaSucursal, *filaAgente));

    // The progress needs the whole count beforehand; without it, nothing is counted.
    const qint64 total =
        progreso ? base.valor(QStringLiteral("SELECT COUNT(*) FROM Retenciones WHERE IdCabecera = ?"),
                              {id})
                       .toLongLong()
                 : 0;

    // Detail rows and other amounts belong to one receipt of this declaration: receipt numbers
    // repeat across branches. A missing row or amount is the file's literal zero.
    auto importeDe = [&](const char* sql, const QString& comprobante) -> std::optional<Importe> {
        const auto fila = base.fila(QString::fromLatin1(sql), {id, comprobante});
        if (!fila || fila->value(0).isNull()) return std::nullopt;
        return Importe::desdeColumna(fila->value(0));
    };

    // One pass over the withholdings.
    std::vector<GrupoAlicuota> grupos;
    qint64 leidas = 0;
    base.recorrer(
        sqlRetencionesDelArchivo(), {id}, [&](const QSqlQuery& consulta) {
            const RetencionLeida leida = retencionLeidaDe(consulta);
            const RetencionDelArchivo& fila = leida.fila;
            const std::optional<Importe>& otras = leida.otras;
            const Retencion& r = fila.retencion;
            const QString& comprobante = r.nroComprobante;
            const Importe alicuota = r.alicuota.value_or(Importe());
            if (grupos.empty() || grupos.back().alicuota != alicuota)
                grupos.push_back(GrupoAlicuota{alicuota, {}, {}, {}});
            GrupoAlicuota& grupo = grupos.back();

            if (r.estado == estado_retencion::Valida) {
                const Importe bruto = r.importeBruto.value_or(Importe());
                const Importe retenido = r.importeRet.value_or(Importe());
                if (otras) grupo.otrosPagos += *otras;
                grupo.totxAlic += bruto;
                grupo.otroValor += retenido;
                archivo.impuestoCalculado += impuestoDeFila(bruto, alicuota);
                archivo.totalRetenido += retenido;
                ++archivo.validas;
            } else {
                ++archivo.anuladas;
            }

            escribir(registro::retencion(fila, locale));

            if (reglas.otrosImportes == OtrosImportes::OtrasRetenciones) {
                escribir(registro::otrosImportes(comprobante, otras, std::nullopt, locale));
            } else if (reglas.otrosImportes == OtrosImportes::Multa) {
                const auto multa = importeDe("SELECT Importe_Multa FROM Multas_cobradas "
                                             "WHERE IdCabecera = ? AND Nro_Comprobante = ?",
                                             comprobante);
                escribir(registro::otrosImportes(comprobante, std::nullopt, multa, locale));
            }
            const bool conDetalle = reglas.registrosDetalle == RegistrosDetalle::Detalle;
            const bool conAlimentos = reglas.registrosDetalle == RegistrosDetalle::Alimentos;
            if (conDetalle || conAlimentos) {
                for (const Guia& guia : leerGuias(base, r.clave()))
                    escribir(conDetalle ? registro::detalle(guia, regimen, locale)
                                        : registro::alimento(guia, locale));
            }
            ++leidas;
            if (progreso && total > 0) progreso(int(std::min(leidas, total) * 100 / total));
        });
    archivo.hayMovimientos = leidas > 0;

    std::copy_if(grupos.begin(), grupos.end(), std::back_inserter(archivo.grupos),
                 [](const GrupoAlicuota& g) { return !g.totxAlic.esCero(); });
    archivo.codigoControl = control.codigo();
    return archivo;
}
