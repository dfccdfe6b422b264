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

namespace {

QString campo(const QSqlRecord& fila, const char* nombre)
{
    return fila.value(QString::fromLatin1(nombre)).toString();
}

} // namespace

QByteArray ArchivoDeclaracion::contenido() const
{
    QByteArray bytes;
    for (const QByteArray& linea : lineas) bytes += linea + "\r\n";
    return bytes;
}

QString nombreArchivoDeclaracion(const QSqlRecord& c)
{
    return QStringLiteral("DJ_%1_%2_%3_%4_%5_%6.TXT")
        .arg(campo(c, "Nro_Agente"), campo(c, "Sucursal"), campo(c, "Cod_Regimen"),
             campo(c, "Anio"), campo(c, "Mes"), campo(c, "Rectifica"));
}

// The tax of one row is what its receipt withheld.
Importe impuestoDeFila(Importe bruto, Importe alicuota)
{
    return bruto.porcentajeEnCentavos(alicuota);
}

ArchivoDeclaracion armarArchivoDeclaracion(BaseDatos& base, const QSqlRecord& cabecera,
                                           const QString& marcaObs, const QLocale& locale,
                                           const std::function<void(int)>& progreso)
{
    namespace registro = registro_declaracion;
    const QVariant id = cabecera.value(QStringLiteral("IdCabecera"));
    const QString agente = campo(cabecera, "Nro_Agente");
    const QString sucursal = campo(cabecera, "Sucursal");
    const QString regimen = campo(cabecera, "Cod_Regimen");
    const ReglasRegimen reglas = reglasRegimen(regimen);

    const auto filaAgente =
        base.fila(QStringLiteral("SELECT * FROM Agentes WHERE Nro_Agente = ?"), {agente});
    if (!filaAgente)
        throw DeclaracionIncompleta(
            QStringLiteral("No se encuentra el agente %1 de la declaración.").arg(agente));
    const auto filaSucursal = base.fila(
        QStringLiteral("SELECT * FROM Sucursales WHERE Nro_Agente = ? AND Sucursal = ?"),
        {agente, sucursal});
    if (!filaSucursal)
        throw DeclaracionIncompleta(QStringLiteral("No se encuentra la sucursal %1 del agente %2.")
                                        .arg(sucursal, agente));

    ArchivoDeclaracion archivo;
    archivo.nombre = nombreArchivoDeclaracion(cabecera);
    CodigoControl control;
    auto escribir = [&](const QString& linea) {
        QByteArray bytes = aWindows1252(linea);
        control.sumarLinea(bytes);
        archivo.lineas.push_back(std::move(bytes));
    };

    escribir(registro::cabecera(cabecera, marcaObs, *filaSucursal, *filaAgente));

    // Rows of equal rate keep the order they were stored in.
    const auto filas = base.filas(
        QStringLiteral("SELECT Retenciones.*, Contribuyentes.CUIT, Contribuyentes.Cod_Tipo "
                       "FROM Retenciones LEFT JOIN Contribuyentes "
                       "ON Retenciones.Nro_Contrib = Contribuyentes.Nro_Contrib "
                       "WHERE Retenciones.IdCabecera = ? "
                       "ORDER BY Retenciones.Alicuota DESC, Retenciones.rowid"),
        {id});
    archivo.hayMovimientos = !filas.empty();

    // Detail rows and other amounts belong to one receipt of this declaration: receipt numbers
    // repeat across branches.
    auto unaFila = [&](const char* sql, const QVariant& comprobante) -> std::optional<QVariant> {
        const auto fila = base.fila(QString::fromLatin1(sql), {id, comprobante});
        if (!fila) return std::nullopt;
        return fila->value(0);
    };

    std::vector<GrupoAlicuota> grupos;
    for (std::size_t i = 0; i < filas.size(); ++i) {
        const QSqlRecord& fila = filas[i];
        const QVariant comprobante = fila.value(QStringLiteral("Nro_Comprobante"));
        const Importe alicuota = Importe::desdeColumna(fila.value(QStringLiteral("Alicuota")));
        if (grupos.empty() || grupos.back().alicuota != alicuota) grupos.push_back(GrupoAlicuota{alicuota, {}, {}, {}});
        GrupoAlicuota& grupo = grupos.back();

        const auto otras = unaFila(
            "SELECT Otras_Reten FROM Retenciones_B WHERE IdCabecera = ? AND Nro_Comprobante = ?",
            comprobante);
        if (campo(fila, "Estado") == estado_retencion::Valida) {
            const Importe bruto = Importe::desdeColumna(fila.value(QStringLiteral("Importe_Bruto")));
            const Importe retenido = Importe::desdeColumna(fila.value(QStringLiteral("Importe_Ret")));
            if (otras) grupo.otrosPagos += Importe::desdeColumna(*otras);
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
            escribir(registro::otrosImportes(comprobante, otras.value_or(QVariant()), QVariant(),
                                             locale));
        } else if (reglas.otrosImportes == OtrosImportes::Multa) {
            const auto multa = unaFila("SELECT Importe_Multa FROM Multas_cobradas "
                                       "WHERE IdCabecera = ? AND Nro_Comprobante = ?",
                                       comprobante);
            escribir(registro::otrosImportes(comprobante, QVariant(), multa.value_or(QVariant()),
                                             locale));
        }
        const bool conDetalle = reglas.registrosDetalle == RegistrosDetalle::Detalle;
        const bool conAlimentos = reglas.registrosDetalle == RegistrosDetalle::Alimentos;
        if (conDetalle || conAlimentos) {
            for (const QSqlRecord& guia :
                 base.filas(QStringLiteral("SELECT * FROM Guias WHERE IdCabecera = ? "
                                           "AND Nro_Comprobante = ? ORDER BY Nro_clave"),
                            {id, comprobante}))
                escribir(conDetalle ? registro::detalle(guia, regimen, locale)
                                    : registro::alimento(guia, locale));
        }
        if (progreso) progreso(int((i + 1) * 100 / filas.size()));
    }

    std::copy_if(grupos.begin(), grupos.end(), std::back_inserter(archivo.grupos),
                 [](const GrupoAlicuota& g) { return !g.totxAlic.esCero(); });
    archivo.codigoControl = control.codigo();
    return archivo;
}
