// The tables of BDR.mdb, field by field in stored order.

#include "database/esquema.h"

#include "database/codigos.h"

#include <stdexcept>

namespace {

using T = TipoCampo;

// Shorthands that read like the field tables they come from.
DefCampo texto(const char* nombre, int tamanio, bool requerido = false, bool permiteVacio = false)
{
    return {QString::fromLatin1(nombre), T::Texto, tamanio, requerido, permiteVacio, false};
}
DefCampo campo(const char* nombre, TipoCampo tipo, bool requerido = false, bool defectoCero = false)
{
    return {QString::fromLatin1(nombre), tipo, 0, requerido, false, defectoCero};
}
DefCampo conCero(const char* nombre, TipoCampo tipo, bool requerido = false)
{
    return campo(nombre, tipo, requerido, true);
}
DefIndice clave(QStringList campos)
{
    return {QStringLiteral("PrimaryKey"), std::move(campos), true, true, {}};
}
DefIndice indice(const char* nombre, QStringList campos, bool unico = false)
{
    return {QString::fromLatin1(nombre), std::move(campos), false, unico, {}};
}
DefIndice parcial(const char* nombre, QStringList campos, QString condicion)
{
    return {QString::fromLatin1(nombre), std::move(campos), false, false, std::move(condicion)};
}

std::vector<DefTabla> construirBase()
{
    std::vector<DefTabla> t;
    t.push_back({QStringLiteral("Agentes"),
                 {texto("Nro_Agente", 6, true), texto("CUIT", 11, false, true),
                  texto("Razon_Social", 40, false, true), texto("Domicilio", 30, false, true),
                  texto("Localidad", 20, false, true), conCero("CondIVA", T::Entero)},
                 {clave({"Nro_Agente"})}});
    t.push_back({QStringLiteral("Sucursales"),
                 {texto("Nro_Agente", 6, true), texto("Sucursal", 4, true),
                  texto("Nro_Comprobante", 8, true), texto("Descripcion", 30, false, true),
                  texto("Localidad", 20, false, true)},
                 {clave({"Nro_Agente", "Sucursal"})}});
    t.push_back({QStringLiteral("Regimenes"),
                 {texto("Cod_Regimen", 2, true), texto("Descripcion", 50, false, true),
                  texto("Resolucion", 20, false, true)},
                 {clave({"Cod_Regimen"})}});
    t.push_back({QStringLiteral("Contribuyentes"),
                 {texto("Nro_Contrib", 10, true), texto("CUIT", 11, false, true),
                  texto("Razon_Social", 40, false, true), texto("Domicilio", 40, false, true),
                  texto("Cod_Tipo", 1, false, true)},
                 // Every order the subjects' grid offers reads an index, never a sort.
                 {clave({"Nro_Contrib"}), indice("xCUIT", {"CUIT"}),
                  indice("xRazonSocial", {"Razon_Social"}), indice("xDomicilio", {"Domicilio"}),
                  indice("xCodTipo", {"Cod_Tipo"}),
                  // The "950" subjects whose type the start-up still has to set: none, once set.
                  parcial("x950SinTipo", {"Nro_Contrib"}, esquema::condicionNoInscriptosSinTipo())}});
    t.push_back({QStringLiteral("Conceptos"),
                 {texto("Cod_Concepto", 2, true), texto("Descripcion", 30, false, true)},
                 {clave({"Cod_Concepto"})}});
    t.push_back({QStringLiteral("Alicuotas"),
                 {texto("Cod_Regimen", 2, true), texto("Cod_Tipo", 1, true),
                  conCero("Alicuota", T::Tasa)},
                 {clave({"Cod_Regimen", "Cod_Tipo"})}});
    t.push_back({QStringLiteral("Tasas"),
                 {campo("FechaVig", T::Fecha, true), conCero("Tasa", T::Tasa)},
                 {clave({"FechaVig"})}});
    t.push_back({QStringLiteral("Vencimientos"),
                 {campo("Anio", T::Entero, true), campo("Mes", T::Entero, true),
                  campo("Fecha", T::Fecha)},
                 {clave({"Anio", "Mes"})}});
    t.push_back({QStringLiteral("Cabeceras"),
                 {texto("Nro_Agente", 6, true), texto("Sucursal", 4, true),
                  texto("Cod_Regimen", 2, true), texto("Anio", 4, true), texto("Mes", 2, true),
                  texto("Rectifica", 2, true), texto("Estado", 1, true),
                  campo("IdCabecera", T::Contador), texto("MarcaObs", 1, false, true),
                  texto("Origen", 1, false, true), conCero("Descartados", T::Largo)},
                 // One declaration per agent, branch, regime, year and month.
                 {clave({"IdCabecera"}),
                  indice("xDeclaracion", {"Nro_Agente", "Sucursal", "Cod_Regimen", "Anio", "Mes"},
                         true)}});
    t.push_back({QStringLiteral("Retenciones"),
                 {conCero("IdCabecera", T::Largo), texto("Nro_Contrib", 10, true),
                  texto("Dia", 2, false, true), conCero("Importe_Bruto", T::Moneda),
                  conCero("Alicuota", T::Tasa), conCero("Importe_Ret", T::Moneda),
                  texto("Nro_X", 13, false, true), texto("Cod_Concepto", 2, false, true),
                  texto("Nro_Comprobante", 8, true), texto("Estado", 1, true),
                  texto("MarcaImp", 1, false, true)},
                 // A declaration's rows in each order the entry grid offers are read from an
                 // index, never sorted whole.
                 {indice("xComprobante", {"IdCabecera", "Nro_Comprobante"}),
                  indice("xContrib", {"Nro_Contrib"}), indice("xConcepto", {"Cod_Concepto"}),
                  indice("xNroComp", {"Nro_Comprobante"}),
                  indice("xCabContrib", {"IdCabecera", "Nro_Contrib"}),
                  indice("xCabDia", {"IdCabecera", "Dia"}),
                  indice("xCabEstado", {"IdCabecera", "Estado"}),
                  indice("xCabNroX", {"IdCabecera", "Nro_X"}),
                  indice("xCabConcepto", {"IdCabecera", "Cod_Concepto"}),
                  indice("xCabMarcaImp", {"IdCabecera", "MarcaImp"}),
                  // A declaration's receipts of one concept or all, counted and summed from the
                  // index alone.
                  indice("xCabConceptoImportes", {"IdCabecera", "Cod_Concepto", "Importe_Bruto",
                                                  "Importe_Ret"}),
                  // Whether a declaration has receipts and what its valid ones withheld, counted
                  // and summed from the index alone (its payment slip).
                  indice("xCabEstadoRet", {"IdCabecera", "Estado", "Importe_Ret"}),
                  // The start-up's repair of other withholdings compares them with this amount.
                  indice("xComprobanteRet", {"IdCabecera", "Nro_Comprobante", "Importe_Ret"})}});
    t.push_back({QStringLiteral("Subtotales"),
                 {conCero("IdCabecera", T::Largo), conCero("Alicuota", T::Tasa),
                  conCero("TotxAlic", T::Moneda)},
                 {}});
    t.push_back({QStringLiteral("Impresos"),
                 {texto("Para", 20, false, true), conCero("IdCabecera", T::Largo),
                  conCero("Importe", T::Moneda), conCero("Importe1", T::Moneda),
                  texto("Texto", 200, false, true), conCero("Interes", T::Moneda),
                  campo("FechaV", T::Fecha), campo("FechaP", T::Fecha), campo("CodBar", T::Imagen)},
                 {}});
    t.push_back({QStringLiteral("Ayudas"),
                 {texto("Clave", 50, true), campo("Top", T::Simple), campo("Left", T::Simple),
                  campo("Width", T::Simple), campo("Height", T::Simple), campo("Texto", T::Memo)},
                 {clave({"Clave"})}});
    return t;
}

std::vector<DefTabla> construirAgregadas()
{
    std::vector<DefTabla> t;
    t.push_back({QStringLiteral("Guias"),
                 {campo("Nro_clave", T::Contador), texto("Nro_Comprobante", 8, true),
                  texto("Nro_Agente", 6, true), texto("NroGuia", 8), conCero("Tipo", T::Largo),
                  conCero("Cantidad", T::Simple), conCero("Valor_Unitario", T::Moneda),
                  conCero("Total", T::Moneda), texto("Nro_Anticipo", 8, false, true),
                  texto("Nro_porte", 13, false, true), conCero("IdCabecera", T::Largo)},
                 {clave({"Nro_clave"}), indice("XNroComp", {"Nro_Comprobante"}),
                  indice("xidcbra", {"IdCabecera"}),
                  indice("xidCabNCmp", {"IdCabecera", "Nro_Comprobante"}),
                  // A stamp is looked up by its number among every detail row ever stored.
                  indice("xNroGuia", {"NroGuia"})}});
    t.push_back({QStringLiteral("Tipos"),
                 {conCero("Clase", T::Largo), conCero("Tipo", T::Largo), texto("Descripcion", 100),
                  conCero("Valor", T::Moneda)},
                 {clave({"Clase", "Tipo"})}});
    t.push_back({QStringLiteral("Retenciones_B"),
                 {conCero("IdCabecera", T::Largo), texto("Nro_Comprobante", 8, true),
                  conCero("Otras_Reten", T::Moneda, true)},
                 // The start-up's repair reads only the rows that hold other withholdings.
                 {clave({"IdCabecera", "Nro_Comprobante"}),
                  parcial("xConOtras", {"IdCabecera", "Nro_Comprobante", "Otras_Reten"},
                          "Otras_Reten <> 0")}});
    t.push_back({QStringLiteral("Remesas"),
                 {campo("Nro_clave", T::Contador, true), campo("Nro_Remesa", T::Largo),
                  texto("TipoEstampilla", 1), texto("Nro_Agente", 6), campo("Nro_desde", T::Largo),
                  campo("Nro_Hasta", T::Largo), campo("Fecha", T::Fecha), campo("Hora", T::Hora)},
                 // An agent's remittances of a stamp type are found without reading every one.
                 {clave({"Nro_clave"}), indice("xAgenteTipo", {"Nro_Agente", "TipoEstampilla"})}});
    t.push_back({QStringLiteral("Policias"),
                 {campo("CodPolicia", T::Contador, true), texto("Tipo", 6), campo("DNI", T::Largo),
                  texto("Nombre", 30, false, true), campo("Legajo", T::Largo),
                  texto("Nro_cuenta_banco", 30, false, true)},
                 {clave({"CodPolicia"})}});
    t.push_back({QStringLiteral("Multas_cobradas"),
                 {conCero("IdCabecera", T::Largo), texto("Nro_Comprobante", 8, true),
                  conCero("CodPolicia", T::Largo), conCero("Importe_Multa", T::Moneda),
                  campo("Fecha_cobro", T::Fecha), campo("Hora_Cobro", T::Hora),
                  campo("Cod_Turno", T::Largo, true)},
                 {clave({"IdCabecera", "Nro_Comprobante"}), indice("xCodTurno", {"Cod_Turno"})}});
    // The shift's number is a counter that is not its key.
    t.push_back({QStringLiteral("Turnos"),
                 {conCero("IdCabecera", T::Largo), campo("Fecha_Desde", T::Fecha),
                  campo("Hora_Desde", T::Hora), campo("Fecha_Hasta", T::Fecha),
                  campo("Hora_Hasta", T::Hora), conCero("Total_Estampillas", T::Moneda),
                  conCero("Total_Multas", T::Moneda), campo("Cod_Turno", T::Contador, true)},
                 {clave({"IdCabecera", "Fecha_Desde", "Hora_Desde"})}});
    t.push_back({QStringLiteral("Estampillas_Turnos"),
                 {conCero("IdCabecera", T::Largo), campo("Cod_Turno", T::Largo, true),
                  conCero("Tipo", T::Largo), conCero("Cantidad_Inicial", T::Largo),
                  conCero("Nuevas_x_Remesas", T::Largo), conCero("Cantidad_Vendidas", T::Largo),
                  conCero("Cantidad_Final", T::Largo)},
                 {clave({"Cod_Turno", "Tipo"})}});
    t.push_back({QStringLiteral("Tmp_Informe_Turno"),
                 {conCero("Tipo_Registro", T::Largo), conCero("IdCabecera", T::Largo),
                  campo("Fecha_Desde", T::Fecha), campo("Hora_Desde", T::Hora),
                  texto("Nro_Comprobante", 8, true), conCero("CodPolicia", T::Largo),
                  conCero("Importe_Multa", T::Moneda), conCero("Importe_Estampilla", T::Moneda),
                  conCero("Tipo", T::Largo), conCero("Cantidad_Inicial", T::Largo),
                  conCero("Nuevas_x_Remesas", T::Largo), conCero("Cantidad_Vendidas", T::Largo),
                  conCero("Cantidad_Final", T::Largo)},
                 {}});
    t.push_back({QStringLiteral("Intervenciones"),
                 {conCero("IdCabecera", T::Largo), texto("Nro_Carta_Porte", 13, true),
                  campo("Grano", T::Entero, true), texto("Nro_Oblea", 8, true, true),
                  conCero("CodPolicia", T::Largo), campo("Fecha", T::Fecha),
                  texto("Cuit_Remitente", 11, true), texto("Procedencia", 50, true),
                  campo("Movimiento", T::Booleano, true)},
                 {clave({"IdCabecera", "Nro_Carta_Porte", "Grano"})}});
    t.push_back({QStringLiteral("Granos"),
                 {conCero("Grano", T::Entero), texto("Nombre", 50, true)},
                 {clave({"Grano"})}});
    t.push_back({QStringLiteral("Parametros"),
                 {texto("TipoParametro", 1, true), conCero("NroParametro", T::Entero),
                  texto("Detalle", 30, true), campo("VigenciaD", T::Fecha),
                  campo("VigenciaH", T::Fecha), conCero("Importe", T::Moneda)},
                 {clave({"TipoParametro", "NroParametro"})}});
    t.push_back({QStringLiteral("Tmp_Intervenciones"),
                 {texto("Anio", 4, true), texto("Mes", 2, true), conCero("Legajo", T::Largo),
                  texto("Nro_Agente", 6, true), texto("Razon_Social", 40, true),
                  texto("Nombre", 30, true), texto("Nro_Cuenta_Banco", 30, true),
                  campo("Intervenciones", T::Entero, true), conCero("Total", T::Largo)},
                 {clave({"Anio", "Mes", "Legajo"})}});
    return t;
}

// Subtotales as the upgrade leaves it: three fields appended to the supplied ones.
DefTabla subtotalesActual()
{
    DefTabla t = [] {
        for (const DefTabla& b : esquema::tablasBase())
            if (b.nombre == QLatin1String("Subtotales")) return b;
        throw std::logic_error("Subtotales");
    }();
    t.campos.push_back(conCero("Otros_Pagos", T::Moneda));
    t.campos.push_back(conCero("Otro_valor", T::Moneda));
    t.campos.push_back(conCero("Otro_valor2", T::Moneda));
    return t;
}

} // namespace

const DefCampo* DefTabla::campo(const QString& buscado) const
{
    for (const DefCampo& c : campos)
        if (c.nombre.compare(buscado, Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

namespace esquema {

const std::vector<DefTabla>& tablasBase()
{
    static const std::vector<DefTabla> tablas = construirBase();
    return tablas;
}

const std::vector<DefTabla>& tablasAgregadas()
{
    static const std::vector<DefTabla> tablas = construirAgregadas();
    return tablas;
}

std::vector<DefTabla> tablasActuales()
{
    std::vector<DefTabla> todas;
    for (const DefTabla& t : tablasBase())
        todas.push_back(t.nombre == QLatin1String("Subtotales") ? subtotalesActual() : t);
    for (const DefTabla& t : tablasAgregadas()) todas.push_back(t);
    return todas;
}

const DefTabla& tabla(const QString& nombre)
{
    static const std::vector<DefTabla> todas = tablasActuales();
    for (const DefTabla& t : todas)
        if (t.nombre.compare(nombre, Qt::CaseInsensitive) == 0) return t;
    throw std::out_of_range("tabla desconocida: " + nombre.toStdString());
}

QString condicionNoInscriptosSinTipo()
{
    return QStringLiteral("substr(Nro_Contrib, 1, 3) = '") + jurisdiccion_sujeto::NoInscripto
        + QStringLiteral("' AND Cod_Tipo IS NOT '") + tipo_sujeto::NoInscripto
        + QLatin1Char('\'');
}

} // namespace esquema
