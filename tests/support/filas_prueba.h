#pragma once
// The rows tests start from, written straight into the database, one builder per table. A field
// left out takes the column's default, as an INSERT that does not name it; kNulo stores NULL.
// Amounts are written as the user reads them and stored as the program stores them.
//
//     prueba::agente(base, {.nro = u"000123"_s, .razonSocial = u"ACOPIOS DEL SUR"_s});
//     const qint64 id = prueba::cabecera(base, {.agente = u"000123"_s, .sucursal = u"0001"_s, ...});

#include <QString>
#include <QVariant>
#include <initializer_list>
#include <utility>

class BaseDatos;

namespace prueba {

// A field stored as NULL (a default-constructed QVariant is a field left out).
inline const QVariant kNulo = QVariant(QMetaType::fromType<QString>());

// The value, or NULL for a value not given: for a field a fixture always writes.
inline QVariant oNulo(const QVariant& valor)
{
    return valor.isValid() ? valor : kNulo;
}

// "1000.00" as a currency or rate column holds it; nullptr gives NULL.
QVariant monto(const char* texto);

// An amount field of a builder: written as the user reads it ("1000.00"; nullptr stores NULL) or
// as the column holds it; left out when not given.
struct Monto {
    QVariant columna;

    Monto() = default;
    Monto(const char* texto) : columna(monto(texto)) {}
    Monto(QVariant valor) : columna(std::move(valor)) {}
};

// One row of `tabla` with the fields given; the new row's rowid.
qint64 fila(BaseDatos& base, const QString& tabla,
            std::initializer_list<std::pair<const char*, QVariant>> campos);

struct DatosAgente {
    QVariant nro{};
    QVariant cuit{};
    QVariant razonSocial{};
    QVariant domicilio{};
    QVariant localidad{};
    QVariant condIva{};
};
void agente(BaseDatos& base, const DatosAgente& d);

struct DatosSucursal {
    QVariant agente{};
    QVariant sucursal{};
    QVariant nroComprobante{};
    QVariant descripcion{};
    QVariant localidad{};
};
void sucursal(BaseDatos& base, const DatosSucursal& d);

struct DatosContribuyente {
    QVariant nro{};
    QVariant cuit{};
    QVariant razonSocial{};
    QVariant domicilio{};
    QVariant codTipo{};
};
void contribuyente(BaseDatos& base, const DatosContribuyente& d);

struct DatosRegimen {
    QVariant codigo{};
    QVariant descripcion{};
};
void regimen(BaseDatos& base, const DatosRegimen& d);

struct DatosAlicuota {
    QVariant regimen{};
    QVariant tipo{};
    QVariant alicuota{};
};
void alicuota(BaseDatos& base, const DatosAlicuota& d);

struct DatosVencimiento {
    QVariant anio{};
    QVariant mes{};
    QVariant fecha{};
};
void vencimiento(BaseDatos& base, const DatosVencimiento& d);

// A declaration; its IdCabecera (the counter's, unless given).
struct DatosCabecera {
    QVariant id{};
    QVariant agente{};
    QVariant sucursal{};
    QVariant regimen{};
    QVariant anio{};
    QVariant mes{};
    QVariant rectifica{};
    QVariant estado{};
    QVariant marcaObs{};
    QVariant origen{};
    QVariant descartados{};
};
qint64 cabecera(BaseDatos& base, const DatosCabecera& d);

// A receipt of a declaration.
struct DatosRetencion {
    QVariant idCabecera{};
    QVariant comprobante{};
    QVariant nroContrib{};
    QVariant dia{};
    Monto bruto{};
    Monto alicuota{};
    Monto retenido{};
    QVariant nroX{};
    QVariant concepto{};
    QVariant estado{};
    QVariant marca{};
};
void retencion(BaseDatos& base, const DatosRetencion& d);

// A detail row of a receipt.
struct DatosGuia {
    QVariant comprobante{};
    QVariant agente{};
    QVariant nroGuia{};
    QVariant tipo{};
    QVariant cantidad{};
    QVariant valorUnitario{};
    QVariant total{};
    QVariant nroAnticipo{};
    QVariant nroPorte{};
    QVariant idCabecera{};
};
void guia(BaseDatos& base, const DatosGuia& d);

// The other withholdings of a receipt.
void otrasRetenciones(BaseDatos& base, qint64 idCabecera, const QString& comprobante,
                      const QVariant& importe);

// A stamp remittance; dates as "2024-05-10", times as "10:30:00".
struct DatosRemesa {
    QVariant nroRemesa{};
    QVariant letra{};
    QVariant agente{};
    QVariant desde{};
    QVariant hasta{};
    QVariant fecha{};
    QVariant hora{};
};
void remesa(BaseDatos& base, const DatosRemesa& d);

// A police officer; its CodPolicia (the counter's, unless given).
struct DatosPolicia {
    QVariant codigo{};
    QVariant tipo{};
    QVariant dni{};
    QVariant nombre{};
    QVariant legajo{};
    QVariant cuenta{};
};
qint64 policia(BaseDatos& base, const DatosPolicia& d);

// A police shift, open unless its end is given; its Cod_Turno.
struct DatosTurno {
    QVariant idCabecera{};
    QVariant fechaDesde{};
    QVariant horaDesde{};
    QVariant fechaHasta{};
    QVariant horaHasta{};
    QVariant totalEstampillas{};
    QVariant totalMultas{};
};
qint64 turno(BaseDatos& base, const DatosTurno& d);

// The counts of one stamp type in a shift.
struct DatosEstampillasTurno {
    QVariant idCabecera{};
    QVariant codTurno{};
    QVariant tipo{};
    QVariant inicial{};
    QVariant nuevas{};
    QVariant vendidas{};
    QVariant final_{};
};
void estampillasTurno(BaseDatos& base, const DatosEstampillasTurno& d);

// The fine collected with a police receipt.
struct DatosMulta {
    QVariant idCabecera{};
    QVariant comprobante{};
    QVariant policia{};
    QVariant importe{};
    QVariant fecha{};
    QVariant hora{};
    QVariant codTurno{};
};
void multa(BaseDatos& base, const DatosMulta& d);

} // namespace prueba

namespace prueba {

// The rows the reference-data tests start from, with their usual values (an address "CALLE 1" in
// "ROSARIO", declarations of 2024).
void agente(BaseDatos& base, const QString& nro, const QString& nombre,
            const QString& cuit = QStringLiteral("20123456786"));
void sucursal(BaseDatos& base, const QString& agente, const QString& sucursal,
              const QString& descripcion = QStringLiteral("CASA CENTRAL"),
              const QString& comprobante = QStringLiteral("00000000"));
// An empty declaration of the agent's branch; its IdCabecera.
qint64 cabecera(BaseDatos& base, const QString& agente, const QString& sucursal,
                const QString& mes = QStringLiteral("03"),
                const QString& regimen = QStringLiteral("01"));
void contribuyente(BaseDatos& base, const QString& nro, const QString& cuit, const QString& nombre,
                   const QString& tipo = QStringLiteral("0"));
// A withholding of some other declaration that names the subject and the concept.
void retencion(BaseDatos& base, const QString& nroContrib, const QString& concepto,
               const QString& estado = QStringLiteral("1"));

} // namespace prueba
