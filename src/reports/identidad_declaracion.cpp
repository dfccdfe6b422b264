#include "reports/identidad_declaracion.h"

#include "database/base_datos.h"
#include "database/entorno.h"
#include "reports/formato_reporte.h"

IdentidadDeclaracion leerIdentidad(BaseDatos& base, qint64 idCabecera)
{
    IdentidadDeclaracion i;
    i.idCabecera = idCabecera;
    const std::optional<QSqlRecord> fila = base.fila(
        QStringLiteral(
            "SELECT c.Nro_Agente, c.Sucursal, c.Cod_Regimen, c.Anio, c.Mes, c.Rectifica, "
            "a.CUIT, a.Razon_Social, a.Domicilio, a.Localidad, s.Descripcion, r.Descripcion, "
            "r.Resolucion "
            "FROM Cabeceras c "
            "LEFT JOIN Agentes a ON a.Nro_Agente = c.Nro_Agente "
            "LEFT JOIN Sucursales s ON s.Nro_Agente = c.Nro_Agente AND s.Sucursal = c.Sucursal "
            "LEFT JOIN Regimenes r ON r.Cod_Regimen = c.Cod_Regimen "
            "WHERE c.IdCabecera = ?"),
        {idCabecera});
    if (!fila) return i;
    const auto texto = [&](int n) { return fila->value(n).toString().trimmed(); };
    i.nroAgente = texto(0);
    i.sucursal = texto(1);
    i.codRegimen = texto(2);
    i.anio = texto(3);
    i.mes = texto(4);
    i.rectifica = texto(5);
    i.cuit = texto(6);
    i.razonSocial = texto(7);
    i.domicilio = texto(8);
    i.localidad = texto(9);
    i.descripcionSucursal = texto(10);
    i.descripcionRegimen = texto(11);
    i.resolucion = texto(12);
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
