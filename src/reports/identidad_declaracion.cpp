#include "reports/identidad_declaracion.h"

#include "database/base_datos.h"
#include "database/entorno.h"
#include "database/filas.h"
#include "reports/formato_reporte.h"

IdentidadDeclaracion leerIdentidad(BaseDatos& base, qint64 idCabecera)
{
    IdentidadDeclaracion i;
    i.idCabecera = idCabecera;
    const std::optional<Cabecera> c = leerCabecera(base, idCabecera);
    if (!c) return i;
    i.nroAgente = c->nroAgente.trimmed();
    i.sucursal = c->sucursal.trimmed();
    i.codRegimen = c->codRegimen.trimmed();
    i.anio = c->anio.trimmed();
    i.mes = c->mes.trimmed();
    i.rectifica = c->rectifica.trimmed();
    if (const auto a = leerAgente(base, c->nroAgente)) {
        i.cuit = a->cuit.trimmed();
        i.razonSocial = a->razonSocial.trimmed();
        i.domicilio = a->domicilio.trimmed();
        i.localidad = a->localidad.trimmed();
    }
    if (const auto s = leerSucursal(base, c->nroAgente, c->sucursal))
        i.descripcionSucursal = s->descripcion.trimmed();
    if (const auto r = leerRegimen(base, c->codRegimen)) {
        i.descripcionRegimen = r->descripcion.trimmed();
        i.resolucion = r->resolucion.trimmed();
    }
    return i;
}

QString periodo(const IdentidadDeclaracion& identidad)
{
    if (identidad.mes.isEmpty()) return identidad.anio;
    return nombreMes(identidad.mes) + QStringLiteral(" de ") + identidad.anio;
}

QString nombreArchivoDocumento(const QString& documento, const IdentidadDeclaracion& i)
{
    if (i.nroAgente.isEmpty()) return documento;
    return documento + QLatin1Char(' ')
           + QStringList{i.nroAgente, i.sucursal, i.codRegimen, i.anio, i.mes, i.rectifica}.join(
               QLatin1Char('_'));
}

QList<CampoReporte> camposIdentidad(const IdentidadDeclaracion& i, const OpcionesIdentidad& opciones)
{
    const auto unidos = [](const QString& a, const QString& b) {
        return a.isEmpty() || b.isEmpty() ? a + b : a + QStringLiteral(" - ") + b;
    };
    QString regimen = unidos(i.codRegimen, i.descripcionRegimen);
    if (!i.resolucion.isEmpty()) regimen += QStringLiteral(" (") + i.resolucion + QLatin1Char(')');
    QString domicilio = i.domicilio;
    if (!i.localidad.isEmpty())
        domicilio += (domicilio.isEmpty() ? QString() : QStringLiteral(", ")) + i.localidad;
    const QString sucursal = unidos(i.sucursal, i.descripcionSucursal);

    QList<CampoReporte> campos = {
        {QStringLiteral("Agente de recaudación"), i.razonSocial, 2},
        {QStringLiteral("Nº de agente"), i.nroAgente.isEmpty() ? QString() : formatoAgente(i.nroAgente)},
        {QStringLiteral("C.U.I.T."), cuitImpreso(i.cuit)},
    };
    if (opciones.domicilio) {
        campos.push_back({QStringLiteral("Domicilio"), domicilio, 2});
        campos.push_back({QStringLiteral("Sucursal"), sucursal, 2});
    } else {
        campos.push_back({QStringLiteral("Sucursal"), sucursal, 1});
    }
    campos.push_back({QStringLiteral("Régimen"), regimen, 2});
    campos.push_back({QStringLiteral("Período"),
                      opciones.periodo.isEmpty() ? periodo(i) : opciones.periodo});
    if (opciones.rectificacion) campos.push_back({QStringLiteral("Rectificación"), i.rectifica});
    return campos;
}
