#include "declarations/registros_declaracion.h"

#include "common/regimenes.h"
#include "database/codigos.h"
#include "database/importe.h"
#include "declarations/campos_archivo.h"

#include <QLocale>

namespace registro_declaracion {

namespace {

using namespace campo_archivo;

DeclaracionIncompleta falta(const char* nombre, const Retencion& r)
{
    return DeclaracionIncompleta(
        QStringLiteral("Falta %1 del comprobante %2.").arg(QString::fromUtf8(nombre), r.nroComprobante));
}

// An amount of the withholding the file cannot be written without.
Importe requerido(const std::optional<Importe>& valor, const char* nombre, const Retencion& r)
{
    if (!valor) throw falta(nombre, r);
    return *valor;
}

QString requerido(const QString& valor, const char* nombre, const Retencion& r)
{
    if (valor.trimmed().isEmpty()) throw falta(nombre, r);
    return valor;
}

// A text field whose missing value has the placeholder "0" and blanks.
QString textoOCero(const std::optional<QString>& valor, int ancho)
{
    return valor ? texto(*valor, ancho) : cero(ancho);
}

} // namespace

QString cabecera(const Cabecera& c, const QString& marcaObs, const Sucursal& sucursal,
                 const Agente& agente)
{
    return QLatin1Char('C') + c.nroAgente + c.codRegimen + c.anio + c.mes + c.rectifica
        + c.sucursal + texto(sucursal.descripcion, 40) + texto(sucursal.localidad, 20) + marcaObs
        + c.origen + agente.cuit + entero(agente.condIva, 1).value_or(QStringLiteral("0"))
        // A declaration created by hand has no count of discarded lines: none were.
        + entero(c.descartados, 5).value_or(QStringLiteral("00000")) + QLatin1Char('*');
}

QString retencion(const RetencionDelArchivo& fila, const QLocale& locale)
{
    const Retencion& r = fila.retencion;
    // The agency's rate field has two integer digits: 100 % and above is written 99.99.
    Importe alicuota = requerido(r.alicuota, "la alícuota", r);
    if (alicuota >= Importe::desdeEntero(100)) alicuota = Importe::desdeCentavos(9999);

    const bool valida = r.estado == estado_retencion::Valida;
    return QLatin1Char(valida ? 'R' : 'A') + texto(r.nroContrib, 10) + texto(r.dia, 2)
        + importe(requerido(r.importeBruto, "el importe bruto", r), 9, locale)
        + importe(alicuota, 2, locale)
        + importe(requerido(r.importeRet, "el importe retenido", r), 9, locale)
        + texto(r.nroX, 13) + *entero(requerido(r.codConcepto, "el concepto", r), 2)
        + r.nroComprobante + texto(fila.codTipo, 1) + texto(fila.cuit, 11) + r.marcaImp
        + QLatin1Char('*');
}

QString otrosImportes(const QString& nroComprobante, const std::optional<Importe>& primero,
                      const std::optional<Importe>& segundo, const QLocale& locale)
{
    const QString ceros = importeCero(7);
    return QLatin1Char('O') + entero(nroComprobante, 8).value_or(QStringLiteral("00000000"))
        + importe(primero, 7, locale).value_or(ceros) + importe(segundo, 7, locale).value_or(ceros)
        + QLatin1Char('*');
}

QString detalle(const Guia& g, const QString& regimen, const QLocale& locale)
{
    using enum ModoDetalle;
    const ModoDetalle modo = reglasRegimen(regimen).detalle;
    const bool anticipo = modo == Anticipos || modo == AnticiposConOblea;
    const bool conPorte = modo == Obleas || modo == AnticiposConOblea || modo == ObleaZ;

    QString tipo = QStringLiteral("00");
    if (modo == Guias || modo == Obleas || modo == ObleaZ) {
        tipo = entero(g.tipo, 2).value_or(tipo);
    } else if (modo == AnticiposConOblea) {
        // An advance's stamp type is its letter: A is 01, D is 04. A row without a stamp has none.
        const QString oblea = g.nroGuia.value_or(QString());
        if (!oblea.isEmpty()) tipo = QLatin1Char('0') + QString::number(oblea.at(0).unicode() - 64);
    }

    return QLatin1Char('D') + entero(g.nroComprobante, 8).value_or(QStringLiteral("00000000"))
        + (anticipo ? entero(g.nroAgente, 6).value_or(QStringLiteral("000000"))
                    : QStringLiteral("000000"))
        + (anticipo ? textoOCero(g.nroAnticipo, 8) : cero(8))
        + (modo == Anticipos ? cero(8) : textoOCero(g.nroGuia, 8)) + tipo
        + (modo == Guias ? entero(g.cantidad, 3).value_or(QStringLiteral("000"))
                         : QStringLiteral("001"))
        + importe(anticipo ? g.total : g.valorUnitario, 7, locale).value_or(importeCero(7))
        + (conPorte ? textoOCero(g.nroPorte, 13) : cero(13)) + QLatin1Char('*');
}

QString alimento(const Guia& g, const QLocale& locale)
{
    return QLatin1Char('F') + entero(g.nroComprobante, 8).value_or(QStringLiteral("00000000"))
        + entero(g.cantidad, 6).value_or(QStringLiteral("000000"))
        + entero(g.tipo, 2).value_or(QStringLiteral("00"))
        + importe(g.valorUnitario, 7, locale).value_or(importeCero(7))
        + textoOCero(g.nroPorte, 13) + QLatin1Char('*');
}

} // namespace registro_declaracion
