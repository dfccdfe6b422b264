#include "database/filas.h"

#include "database/base_datos.h"

#include <QStringList>

namespace {

QVariant de(const QSqlRecord& fila, const char* campo)
{
    return fila.value(QString::fromLatin1(campo));
}

QString texto(const QSqlRecord& fila, const char* campo)
{
    return de(fila, campo).toString();
}

// An amount whose column may also hold a blank text where nothing was stored: that is missing too.
std::optional<Importe> importeOBlanco(const QVariant& v)
{
    if (v.isNull() || v.toString().trimmed().isEmpty()) return std::nullopt;
    return Importe::desdeColumna(v);
}

std::optional<QString> textoOpcional(const QSqlRecord& fila, const char* campo)
{
    const QVariant v = de(fila, campo);
    if (v.isNull()) return std::nullopt;
    return v.toString();
}

std::optional<qint64> entero(const QSqlRecord& fila, const char* campo)
{
    const QVariant v = de(fila, campo);
    if (v.isNull()) return std::nullopt;
    return v.toLongLong();
}

std::optional<double> real(const QSqlRecord& fila, const char* campo)
{
    const QVariant v = de(fila, campo);
    if (v.isNull()) return std::nullopt;
    return v.toDouble();
}

std::optional<Importe> importe(const QSqlRecord& fila, const char* campo)
{
    const QVariant v = de(fila, campo);
    if (v.isNull()) return std::nullopt;
    return Importe::desdeColumna(v);
}

std::optional<Importe> importeOBlanco(const QSqlRecord& fila, const char* campo)
{
    return importeOBlanco(de(fila, campo));
}

// Dates and times are stored as ISO text ("2024-05-10", "10:30:00").
std::optional<QDate> fecha(const QSqlRecord& fila, const char* campo)
{
    const QVariant v = de(fila, campo);
    if (v.isNull() || v.toString().isEmpty()) return std::nullopt;
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}

std::optional<QTime> hora(const QSqlRecord& fila, const char* campo)
{
    const QVariant v = de(fila, campo);
    if (v.isNull() || v.toString().isEmpty()) return std::nullopt;
    return QTime::fromString(v.toString().right(8), Qt::ISODate);
}

} // namespace

Agente agenteDe(const QSqlRecord& f)
{
    return {texto(f, "Nro_Agente"), texto(f, "CUIT"),      texto(f, "Razon_Social"),
            texto(f, "Domicilio"),  texto(f, "Localidad"), entero(f, "CondIVA")};
}

Sucursal sucursalDe(const QSqlRecord& f)
{
    return {texto(f, "Nro_Agente"), texto(f, "Sucursal"), texto(f, "Nro_Comprobante"),
            texto(f, "Descripcion"), texto(f, "Localidad")};
}

Regimen regimenDe(const QSqlRecord& f)
{
    return {texto(f, "Cod_Regimen"), texto(f, "Descripcion"), texto(f, "Resolucion")};
}

Contribuyente contribuyenteDe(const QSqlRecord& f)
{
    return {texto(f, "Nro_Contrib"), texto(f, "CUIT"), texto(f, "Razon_Social"),
            texto(f, "Domicilio"), texto(f, "Cod_Tipo")};
}

Concepto conceptoDe(const QSqlRecord& f)
{
    return {texto(f, "Cod_Concepto"), texto(f, "Descripcion")};
}

Alicuota alicuotaDe(const QSqlRecord& f)
{
    return {texto(f, "Cod_Regimen"), texto(f, "Cod_Tipo"),
            importe(f, "Alicuota").value_or(Importe())};
}

Vencimiento vencimientoDe(const QSqlRecord& f)
{
    return {de(f, "Anio").toInt(), de(f, "Mes").toInt(), fecha(f, "Fecha")};
}

Cabecera cabeceraDe(const QSqlRecord& f)
{
    return {de(f, "IdCabecera").toLongLong(),
            texto(f, "Nro_Agente"),
            texto(f, "Sucursal"),
            texto(f, "Cod_Regimen"),
            texto(f, "Anio"),
            texto(f, "Mes"),
            texto(f, "Rectifica"),
            texto(f, "Estado"),
            texto(f, "MarcaObs"),
            texto(f, "Origen"),
            entero(f, "Descartados")};
}

Retencion retencionDe(const QSqlRecord& f)
{
    return {de(f, "IdCabecera").toLongLong(),
            texto(f, "Nro_Contrib"),
            texto(f, "Dia"),
            importeOBlanco(f, "Importe_Bruto"),
            importeOBlanco(f, "Alicuota"),
            importeOBlanco(f, "Importe_Ret"),
            texto(f, "Nro_X"),
            texto(f, "Cod_Concepto"),
            texto(f, "Nro_Comprobante"),
            texto(f, "Estado"),
            texto(f, "MarcaImp")};
}

QString camposRetencion(const QString& prefijo)
{
    QStringList campos;
    for (const char* campo : kCamposRetencion) campos << prefijo + QString::fromLatin1(campo);
    return campos.join(QStringLiteral(", "));
}

Retencion retencionDe(const QSqlQuery& c, int primera)
{
    const auto v = [&](int i) { return c.value(primera + i); };
    return {v(0).toLongLong(),   v(1).toString(),           v(2).toString(),
            importeOBlanco(v(3)), importeOBlanco(v(4)),      importeOBlanco(v(5)),
            v(6).toString(),     v(7).toString(),           v(8).toString(),
            v(9).toString(),     v(10).toString()};
}

Guia guiaDe(const QSqlRecord& f)
{
    return {de(f, "Nro_clave").toLongLong(),
            texto(f, "Nro_Comprobante"),
            texto(f, "Nro_Agente"),
            textoOpcional(f, "NroGuia"),
            entero(f, "Tipo"),
            real(f, "Cantidad"),
            importe(f, "Valor_Unitario"),
            importe(f, "Total"),
            textoOpcional(f, "Nro_Anticipo"),
            textoOpcional(f, "Nro_porte"),
            de(f, "IdCabecera").toLongLong()};
}

Tipo tipoDe(const QSqlRecord& f)
{
    return {de(f, "Clase").toLongLong(), de(f, "Tipo").toLongLong(), texto(f, "Descripcion"),
            importe(f, "Valor").value_or(Importe())};
}

Remesa remesaDe(const QSqlRecord& f)
{
    return {de(f, "Nro_clave").toLongLong(),
            entero(f, "Nro_Remesa"),
            texto(f, "TipoEstampilla"),
            texto(f, "Nro_Agente"),
            entero(f, "Nro_desde"),
            entero(f, "Nro_Hasta"),
            fecha(f, "Fecha"),
            hora(f, "Hora")};
}

Policia policiaDe(const QSqlRecord& f)
{
    return {de(f, "CodPolicia").toLongLong(), texto(f, "Tipo"),    entero(f, "DNI"),
            texto(f, "Nombre"),              entero(f, "Legajo"), texto(f, "Nro_cuenta_banco")};
}

Turno turnoDe(const QSqlRecord& f)
{
    return {de(f, "Cod_Turno").toLongLong(),
            de(f, "IdCabecera").toLongLong(),
            fecha(f, "Fecha_Desde").value_or(QDate()),
            hora(f, "Hora_Desde").value_or(QTime()),
            fecha(f, "Fecha_Hasta"),
            hora(f, "Hora_Hasta"),
            importe(f, "Total_Estampillas").value_or(Importe()),
            importe(f, "Total_Multas").value_or(Importe())};
}

EstampillasTurno estampillasTurnoDe(const QSqlRecord& f)
{
    return {de(f, "IdCabecera").toLongLong(),       de(f, "Cod_Turno").toLongLong(),
            de(f, "Tipo").toLongLong(),             de(f, "Cantidad_Inicial").toLongLong(),
            de(f, "Nuevas_x_Remesas").toLongLong(), de(f, "Cantidad_Vendidas").toLongLong(),
            de(f, "Cantidad_Final").toLongLong()};
}

MultaCobrada multaCobradaDe(const QSqlRecord& f)
{
    return {de(f, "IdCabecera").toLongLong(),
            texto(f, "Nro_Comprobante"),
            de(f, "CodPolicia").toLongLong(),
            importe(f, "Importe_Multa"),
            fecha(f, "Fecha_cobro"),
            hora(f, "Hora_Cobro"),
            entero(f, "Cod_Turno")};
}

Intervencion intervencionDe(const QSqlRecord& f)
{
    return {de(f, "IdCabecera").toLongLong(),
            texto(f, "Nro_Carta_Porte"),
            de(f, "Grano").toLongLong(),
            texto(f, "Nro_Oblea"),
            de(f, "CodPolicia").toLongLong(),
            fecha(f, "Fecha"),
            texto(f, "Cuit_Remitente"),
            texto(f, "Procedencia"),
            de(f, "Movimiento").toBool()};
}

Grano granoDe(const QSqlRecord& f)
{
    return {de(f, "Grano").toLongLong(), texto(f, "Nombre")};
}

FilaInformeTurno filaInformeTurnoDe(const QSqlRecord& f)
{
    return {de(f, "Tipo_Registro").toLongLong(),
            de(f, "IdCabecera").toLongLong(),
            fecha(f, "Fecha_Desde").value_or(QDate()),
            hora(f, "Hora_Desde").value_or(QTime()),
            texto(f, "Nro_Comprobante"),
            de(f, "CodPolicia").toLongLong(),
            importe(f, "Importe_Multa").value_or(Importe()),
            importe(f, "Importe_Estampilla").value_or(Importe()),
            de(f, "Tipo").toLongLong(),
            de(f, "Cantidad_Inicial").toLongLong(),
            de(f, "Nuevas_x_Remesas").toLongLong(),
            de(f, "Cantidad_Vendidas").toLongLong(),
            de(f, "Cantidad_Final").toLongLong()};
}

IntervencionesPolicia intervencionesPoliciaDe(const QSqlRecord& f)
{
    return {texto(f, "Anio"),
            texto(f, "Mes"),
            de(f, "Legajo").toLongLong(),
            texto(f, "Nro_Agente"),
            texto(f, "Razon_Social"),
            texto(f, "Nombre"),
            texto(f, "Nro_Cuenta_Banco"),
            de(f, "Intervenciones").toLongLong(),
            de(f, "Total").toLongLong()};
}

std::optional<Agente> leerAgente(BaseDatos& base, const QString& nroAgente)
{
    const auto fila =
        base.fila(QStringLiteral("SELECT * FROM Agentes WHERE Nro_Agente = ?"), {nroAgente});
    if (!fila) return std::nullopt;
    return agenteDe(*fila);
}

std::optional<Sucursal> leerSucursal(BaseDatos& base, const QString& nroAgente,
                                     const QString& sucursal)
{
    const auto fila = base.fila(
        QStringLiteral("SELECT * FROM Sucursales WHERE Nro_Agente = ? AND Sucursal = ?"),
        {nroAgente, sucursal});
    if (!fila) return std::nullopt;
    return sucursalDe(*fila);
}

std::optional<Regimen> leerRegimen(BaseDatos& base, const QString& codRegimen)
{
    const auto fila =
        base.fila(QStringLiteral("SELECT * FROM Regimenes WHERE Cod_Regimen = ?"), {codRegimen});
    if (!fila) return std::nullopt;
    return regimenDe(*fila);
}

std::optional<Cabecera> leerCabecera(BaseDatos& base, qint64 idCabecera)
{
    const auto fila =
        base.fila(QStringLiteral("SELECT * FROM Cabeceras WHERE IdCabecera = ?"), {idCabecera});
    if (!fila) return std::nullopt;
    return cabeceraDe(*fila);
}

std::optional<Retencion> leerRetencion(BaseDatos& base, const ClaveRetencion& clave)
{
    const auto fila = base.fila(
        QStringLiteral("SELECT * FROM Retenciones WHERE IdCabecera = ? AND Nro_Comprobante = ?"),
        {clave.idCabecera, clave.nroComprobante});
    if (!fila) return std::nullopt;
    return retencionDe(*fila);
}

std::optional<Policia> leerPolicia(BaseDatos& base, qint64 codPolicia)
{
    const auto fila =
        base.fila(QStringLiteral("SELECT * FROM Policias WHERE CodPolicia = ?"), {codPolicia});
    if (!fila) return std::nullopt;
    return policiaDe(*fila);
}

std::optional<Turno> leerTurno(BaseDatos& base, qint64 codTurno)
{
    const auto fila =
        base.fila(QStringLiteral("SELECT * FROM Turnos WHERE Cod_Turno = ?"), {codTurno});
    if (!fila) return std::nullopt;
    return turnoDe(*fila);
}

std::optional<MultaCobrada> leerMultaCobrada(BaseDatos& base, const ClaveRetencion& clave)
{
    const auto fila = base.fila(QStringLiteral("SELECT * FROM Multas_cobradas "
                                               "WHERE IdCabecera = ? AND Nro_Comprobante = ?"),
                                {clave.idCabecera, clave.nroComprobante});
    if (!fila) return std::nullopt;
    return multaCobradaDe(*fila);
}

std::optional<Grano> leerGrano(BaseDatos& base, qint64 grano)
{
    const auto fila = base.fila(QStringLiteral("SELECT * FROM Granos WHERE Grano = ?"), {grano});
    if (!fila) return std::nullopt;
    return granoDe(*fila);
}

std::vector<Guia> leerGuias(BaseDatos& base, const ClaveRetencion& clave)
{
    std::vector<Guia> guias;
    for (const QSqlRecord& fila :
         base.filas(QStringLiteral("SELECT * FROM Guias WHERE IdCabecera = ? "
                                   "AND Nro_Comprobante = ? ORDER BY Nro_clave"),
                    {clave.idCabecera, clave.nroComprobante}))
        guias.push_back(guiaDe(fila));
    return guias;
}
