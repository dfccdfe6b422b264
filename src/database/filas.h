#pragma once
// Typed rows of the tables the program works on: one small struct per table, filled from a row by
// one function, so that a field's name is spelled once and a mistyped field is a compile error. A
// field that may be stored empty (null) and whose emptiness matters is an optional.

#include "database/importe.h"

#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QTime>
#include <optional>
#include <vector>

class BaseDatos;

// `Agentes`.
struct Agente {
    QString nroAgente;
    QString cuit;
    QString razonSocial;
    QString domicilio;
    QString localidad;
    std::optional<qint64> condIva;
};

// `Sucursales`.
struct Sucursal {
    QString nroAgente;
    QString sucursal;
    QString nroComprobante;  // the last receipt number the branch issued
    QString descripcion;
    QString localidad;
};

// `Regimenes`.
struct Regimen {
    QString codRegimen;
    QString descripcion;
    QString resolucion;
};

// `Contribuyentes`: a subject the agents withhold from or perceive on.
struct Contribuyente {
    QString nroContrib;
    QString cuit;
    QString razonSocial;
    QString domicilio;
    QString codTipo;
};

// `Conceptos`.
struct Concepto {
    QString codConcepto;
    QString descripcion;
};

// `Alicuotas`: the rate of a regime for a type of subject.
struct Alicuota {
    QString codRegimen;
    QString codTipo;
    Importe alicuota;
};

// `Vencimientos`: the due date of a month.
struct Vencimiento {
    int anio = 0;
    int mes = 0;
    std::optional<QDate> fecha;
};

// `Cabeceras`: a declaration.
struct Cabecera {
    qint64 idCabecera = 0;
    QString nroAgente;
    QString sucursal;
    QString codRegimen;
    QString anio;
    QString mes;
    QString rectifica;
    QString estado;
    QString marcaObs;
    QString origen;
    std::optional<qint64> descartados;  // lines the import discarded; none for a hand-made one
};

// A receipt: its declaration and its number (unique within the declaration, not across branches).
struct ClaveRetencion {
    qint64 idCabecera = 0;
    QString nroComprobante;
};

// `Retenciones`: a receipt of a withholding or perception.
struct Retencion {
    qint64 idCabecera = 0;
    QString nroContrib;
    QString dia;
    std::optional<Importe> importeBruto;
    std::optional<Importe> alicuota;
    std::optional<Importe> importeRet;
    QString nroX;
    QString codConcepto;
    QString nroComprobante;
    QString estado;
    QString marcaImp;

    // The one place a receipt's key is taken from its row.
    ClaveRetencion clave() const { return {idCabecera, nroComprobante}; }
};

// `Guias`: a detail row of a receipt (guide, stamp, food concept or advance).
struct Guia {
    qint64 nroClave = 0;
    QString nroComprobante;
    QString nroAgente;
    std::optional<QString> nroGuia;
    std::optional<qint64> tipo;
    std::optional<double> cantidad;
    std::optional<Importe> valorUnitario;
    std::optional<Importe> total;
    std::optional<QString> nroAnticipo;
    std::optional<QString> nroPorte;
    qint64 idCabecera = 0;
};

// `Tipos`: a type of the detail rows of a class (goods, stamps, food concepts), with its value.
struct Tipo {
    qint64 clase = 0;
    qint64 tipo = 0;
    QString descripcion;
    Importe valor;
};

// `Remesas`: a remittance of stamps delivered to an agent.
struct Remesa {
    qint64 nroClave = 0;
    std::optional<qint64> nroRemesa;
    QString tipoEstampilla;
    QString nroAgente;
    std::optional<qint64> nroDesde;
    std::optional<qint64> nroHasta;
    std::optional<QDate> fecha;
    std::optional<QTime> hora;
};

// `Policias`: a police officer of the checkpoints.
struct Policia {
    qint64 codPolicia = 0;
    QString tipo;  // document type: "D.N.I.", "L.C.", ...
    std::optional<qint64> dni;
    QString nombre;
    std::optional<qint64> legajo;
    QString nroCuentaBanco;
};

// `Turnos`: a shift of a police declaration, open while it has no end.
struct Turno {
    qint64 codTurno = 0;
    qint64 idCabecera = 0;
    QDate fechaDesde;
    QTime horaDesde;
    std::optional<QDate> fechaHasta;
    std::optional<QTime> horaHasta;
    Importe totalEstampillas;
    Importe totalMultas;

    bool abierto() const { return !fechaHasta; }
};

// `Estampillas_Turnos`: a shift's counts of one stamp type, stored when the shift starts and
// finishes.
struct EstampillasTurno {
    qint64 idCabecera = 0;
    qint64 codTurno = 0;
    qint64 tipo = 0;
    qint64 cantidadInicial = 0;
    qint64 nuevasXRemesas = 0;
    qint64 cantidadVendidas = 0;
    qint64 cantidadFinal = 0;
};

// `Multas_cobradas`: the fine a receipt of the police checkpoints collected, and the shift it was
// collected in.
struct MultaCobrada {
    qint64 idCabecera = 0;
    QString nroComprobante;
    qint64 codPolicia = 0;
    std::optional<Importe> importeMulta;
    std::optional<QDate> fechaCobro;
    std::optional<QTime> horaCobro;
    std::optional<qint64> codTurno;
};

// `Intervenciones`: a grain transport an officer of the checkpoints checked.
struct Intervencion {
    qint64 idCabecera = 0;
    QString nroCartaPorte;
    qint64 grano = 0;
    QString nroOblea;
    qint64 codPolicia = 0;
    std::optional<QDate> fecha;
    QString cuitRemitente;
    QString procedencia;
    bool movimiento = false;
};

// `Granos`: a grain by its code.
struct Grano {
    qint64 grano = 0;
    QString nombre;
};

// `Tmp_Informe_Turno`: the scratch rows the police documents print from. The first row names the
// declaration and the start of the shift (or when the police file was written); a shift's
// rendition adds one row per stamp type with its counts and one per stamp of each receipt.
struct FilaInformeTurno {
    qint64 tipoRegistro = 0;
    qint64 idCabecera = 0;
    QDate fechaDesde;
    QTime horaDesde;
    QString nroComprobante;
    qint64 codPolicia = 0;
    Importe importeMulta;
    Importe importeEstampilla;
    qint64 tipo = 0;
    qint64 cantidadInicial = 0;
    qint64 nuevasXRemesas = 0;
    qint64 cantidadVendidas = 0;
    qint64 cantidadFinal = 0;
};

// `Tmp_Intervenciones`: one officer's interventions in a declaration, as the interventions report
// prints them. An officer since deleted has his number negated as his file number.
struct IntervencionesPolicia {
    QString anio;
    QString mes;
    qint64 legajo = 0;
    QString nroAgente;
    QString razonSocial;
    QString nombre;
    QString nroCuentaBanco;
    qint64 intervenciones = 0;
    qint64 total = 0;  // whole pesos
};

// The rows as read with "SELECT *" (or any query that names the table's fields).
Agente agenteDe(const QSqlRecord& fila);
Sucursal sucursalDe(const QSqlRecord& fila);
Regimen regimenDe(const QSqlRecord& fila);
Contribuyente contribuyenteDe(const QSqlRecord& fila);
Concepto conceptoDe(const QSqlRecord& fila);
Alicuota alicuotaDe(const QSqlRecord& fila);
Vencimiento vencimientoDe(const QSqlRecord& fila);
Cabecera cabeceraDe(const QSqlRecord& fila);
Retencion retencionDe(const QSqlRecord& fila);
// The fields of `Retenciones` in stored order. A query that selects more after them finds its next
// column at std::size(kCamposRetencion) past the first.
inline constexpr const char* kCamposRetencion[] = {
    "IdCabecera", "Nro_Contrib",  "Dia",             "Importe_Bruto", "Alicuota", "Importe_Ret",
    "Nro_X",      "Cod_Concepto", "Nro_Comprobante", "Estado",        "MarcaImp"};
// Those fields, each preceded by `prefijo` ("Retenciones."), for a query read by position with
// retencionDe(consulta, primera).
QString camposRetencion(const QString& prefijo = {});
// A withholding from a query row whose columns from `primera` on are camposRetencion().
Retencion retencionDe(const QSqlQuery& consulta, int primera);
Guia guiaDe(const QSqlRecord& fila);
Tipo tipoDe(const QSqlRecord& fila);
Remesa remesaDe(const QSqlRecord& fila);
Policia policiaDe(const QSqlRecord& fila);
Turno turnoDe(const QSqlRecord& fila);
EstampillasTurno estampillasTurnoDe(const QSqlRecord& fila);
MultaCobrada multaCobradaDe(const QSqlRecord& fila);
Intervencion intervencionDe(const QSqlRecord& fila);
Grano granoDe(const QSqlRecord& fila);
FilaInformeTurno filaInformeTurnoDe(const QSqlRecord& fila);
IntervencionesPolicia intervencionesPoliciaDe(const QSqlRecord& fila);

// The row of a table by its key; empty when not found. Database failures are thrown.
std::optional<Agente> leerAgente(BaseDatos& base, const QString& nroAgente);
std::optional<Sucursal> leerSucursal(BaseDatos& base, const QString& nroAgente,
                                     const QString& sucursal);
std::optional<Regimen> leerRegimen(BaseDatos& base, const QString& codRegimen);
std::optional<Cabecera> leerCabecera(BaseDatos& base, qint64 idCabecera);
std::optional<Retencion> leerRetencion(BaseDatos& base, const ClaveRetencion& clave);
std::optional<Policia> leerPolicia(BaseDatos& base, qint64 codPolicia);
std::optional<Turno> leerTurno(BaseDatos& base, qint64 codTurno);
// The fine collected with a receipt; empty when the receipt has none.
std::optional<MultaCobrada> leerMultaCobrada(BaseDatos& base, const ClaveRetencion& clave);
std::optional<Grano> leerGrano(BaseDatos& base, qint64 grano);
// The detail rows of a receipt, in the order they were stored.
std::vector<Guia> leerGuias(BaseDatos& base, const ClaveRetencion& clave);
