#include "support/filas_prueba.h"

#include "database/base_datos.h"
#include "database/importe.h"

#include <QStringList>

namespace prueba {

QVariant monto(const char* texto)
{
    return texto ? Importe::leer(QString::fromLatin1(texto))->aColumna() : kNulo;
}

qint64 fila(BaseDatos& base, const QString& tabla,
            std::initializer_list<std::pair<const char*, QVariant>> campos)
{
    QStringList nombres;
    QStringList marcas;
    QVariantList valores;
    for (const auto& [nombre, valor] : campos) {
        if (!valor.isValid()) continue;
        nombres << QString::fromLatin1(nombre);
        marcas << QStringLiteral("?");
        valores << valor;
    }
    base.ejecutar(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(tabla, nombres.join(QStringLiteral(", ")),
                           marcas.join(QStringLiteral(", "))),
                  valores);
    return base.ultimoId();
}

void agente(BaseDatos& base, const DatosAgente& d)
{
    fila(base, QStringLiteral("Agentes"),
         {{"Nro_Agente", d.nro}, {"CUIT", d.cuit}, {"Razon_Social", d.razonSocial},
          {"Domicilio", d.domicilio}, {"Localidad", d.localidad}, {"CondIVA", d.condIva}});
}

void sucursal(BaseDatos& base, const DatosSucursal& d)
{
    fila(base, QStringLiteral("Sucursales"),
         {{"Nro_Agente", d.agente}, {"Sucursal", d.sucursal}, {"Nro_Comprobante", d.nroComprobante},
          {"Descripcion", d.descripcion}, {"Localidad", d.localidad}});
}

void contribuyente(BaseDatos& base, const DatosContribuyente& d)
{
    fila(base, QStringLiteral("Contribuyentes"),
         {{"Nro_Contrib", d.nro}, {"CUIT", d.cuit}, {"Razon_Social", d.razonSocial},
          {"Domicilio", d.domicilio}, {"Cod_Tipo", d.codTipo}});
}

void regimen(BaseDatos& base, const DatosRegimen& d)
{
    fila(base, QStringLiteral("Regimenes"),
         {{"Cod_Regimen", d.codigo}, {"Descripcion", d.descripcion}});
}

void alicuota(BaseDatos& base, const DatosAlicuota& d)
{
    fila(base, QStringLiteral("Alicuotas"),
         {{"Cod_Regimen", d.regimen}, {"Cod_Tipo", d.tipo}, {"Alicuota", d.alicuota}});
}

void vencimiento(BaseDatos& base, const DatosVencimiento& d)
{
    fila(base, QStringLiteral("Vencimientos"), {{"Anio", d.anio}, {"Mes", d.mes}, {"Fecha", d.fecha}});
}

qint64 cabecera(BaseDatos& base, const DatosCabecera& d)
{
    return fila(base, QStringLiteral("Cabeceras"),
                {{"IdCabecera", d.id}, {"Nro_Agente", d.agente}, {"Sucursal", d.sucursal},
                 {"Cod_Regimen", d.regimen}, {"Anio", d.anio}, {"Mes", d.mes},
                 {"Rectifica", d.rectifica}, {"Estado", d.estado}, {"MarcaObs", d.marcaObs},
                 {"Origen", d.origen}, {"Descartados", d.descartados}});
}

void retencion(BaseDatos& base, const DatosRetencion& d)
{
    fila(base, QStringLiteral("Retenciones"),
         {{"IdCabecera", d.idCabecera}, {"Nro_Contrib", d.nroContrib}, {"Dia", d.dia},
          {"Importe_Bruto", d.bruto.columna}, {"Alicuota", d.alicuota.columna},
          {"Importe_Ret", d.retenido.columna},
          {"Nro_X", d.nroX}, {"Cod_Concepto", d.concepto}, {"Nro_Comprobante", d.comprobante},
          {"Estado", d.estado}, {"MarcaImp", d.marca}});
}

void guia(BaseDatos& base, const DatosGuia& d)
{
    fila(base, QStringLiteral("Guias"),
         {{"Nro_Comprobante", d.comprobante}, {"Nro_Agente", d.agente}, {"NroGuia", d.nroGuia},
          {"Tipo", d.tipo}, {"Cantidad", d.cantidad}, {"Valor_Unitario", d.valorUnitario},
          {"Total", d.total}, {"Nro_Anticipo", d.nroAnticipo}, {"Nro_porte", d.nroPorte},
          {"IdCabecera", d.idCabecera}});
}

void otrasRetenciones(BaseDatos& base, qint64 idCabecera, const QString& comprobante,
                      const QVariant& importe)
{
    fila(base, QStringLiteral("Retenciones_B"),
         {{"IdCabecera", idCabecera}, {"Nro_Comprobante", comprobante}, {"Otras_Reten", importe}});
}

void remesa(BaseDatos& base, const DatosRemesa& d)
{
    fila(base, QStringLiteral("Remesas"),
         {{"Nro_Remesa", d.nroRemesa}, {"TipoEstampilla", d.letra}, {"Nro_Agente", d.agente},
          {"Nro_desde", d.desde}, {"Nro_Hasta", d.hasta}, {"Fecha", d.fecha}, {"Hora", d.hora}});
}

qint64 policia(BaseDatos& base, const DatosPolicia& d)
{
    return fila(base, QStringLiteral("Policias"),
                {{"CodPolicia", d.codigo}, {"Tipo", d.tipo}, {"DNI", d.dni}, {"Nombre", d.nombre},
                 {"Legajo", d.legajo}, {"Nro_cuenta_banco", d.cuenta}});
}

qint64 turno(BaseDatos& base, const DatosTurno& d)
{
    return fila(base, QStringLiteral("Turnos"),
                {{"IdCabecera", d.idCabecera}, {"Fecha_Desde", d.fechaDesde},
                 {"Hora_Desde", d.horaDesde}, {"Fecha_Hasta", d.fechaHasta},
                 {"Hora_Hasta", d.horaHasta}, {"Total_Estampillas", d.totalEstampillas},
                 {"Total_Multas", d.totalMultas}});
}

void estampillasTurno(BaseDatos& base, const DatosEstampillasTurno& d)
{
    fila(base, QStringLiteral("Estampillas_Turnos"),
         {{"IdCabecera", d.idCabecera}, {"Cod_Turno", d.codTurno}, {"Tipo", d.tipo},
          {"Cantidad_Inicial", d.inicial}, {"Nuevas_x_Remesas", d.nuevas},
          {"Cantidad_Vendidas", d.vendidas}, {"Cantidad_Final", d.final_}});
}

void multa(BaseDatos& base, const DatosMulta& d)
{
    fila(base, QStringLiteral("Multas_cobradas"),
         {{"IdCabecera", d.idCabecera}, {"Nro_Comprobante", d.comprobante},
          {"CodPolicia", d.policia}, {"Importe_Multa", d.importe}, {"Fecha_cobro", d.fecha},
          {"Hora_Cobro", d.hora}, {"Cod_Turno", d.codTurno}});
}

} // namespace prueba

namespace prueba {

void agente(BaseDatos& base, const QString& nro, const QString& nombre, const QString& cuit)
{
    agente(base, {.nro = nro,
                  .cuit = cuit,
                  .razonSocial = nombre,
                  .domicilio = QStringLiteral("CALLE 1"),
                  .localidad = QStringLiteral("ROSARIO"),
                  .condIva = 0});
}

void sucursal(BaseDatos& base, const QString& agente, const QString& sucursal,
              const QString& descripcion, const QString& comprobante)
{
    prueba::sucursal(base, {.agente = agente,
                            .sucursal = sucursal,
                            .nroComprobante = comprobante,
                            .descripcion = descripcion,
                            .localidad = QStringLiteral("ROSARIO")});
}

qint64 cabecera(BaseDatos& base, const QString& agente, const QString& sucursal,
                const QString& mes, const QString& regimen)
{
    return cabecera(base, {.agente = agente,
                           .sucursal = sucursal,
                           .regimen = regimen,
                           .anio = QStringLiteral("2024"),
                           .mes = mes,
                           .rectifica = QStringLiteral("00"),
                           .estado = QStringLiteral("1")});
}

void contribuyente(BaseDatos& base, const QString& nro, const QString& cuit, const QString& nombre,
                   const QString& tipo)
{
    contribuyente(base, {.nro = nro,
                         .cuit = cuit,
                         .razonSocial = nombre,
                         .domicilio = QStringLiteral("CALLE 1"),
                         .codTipo = tipo});
}

void retencion(BaseDatos& base, const QString& nroContrib, const QString& concepto,
               const QString& estado)
{
    retencion(base, {.idCabecera = 77,
                     .comprobante = QStringLiteral("00000001"),
                     .nroContrib = nroContrib,
                     .concepto = concepto,
                     .estado = estado});
}

} // namespace prueba
