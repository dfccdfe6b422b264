#include "declarations/registros_declaracion.h"

#include "common/estados.h"
#include "common/regimenes.h"
#include "database/importe.h"
#include "declarations/campos_archivo.h"

#include <QLocale>

namespace registro_declaracion {

namespace {

using namespace campo_archivo;

QVariant de(const QSqlRecord& fila, const char* campo)
{
    return fila.value(QString::fromLatin1(campo));
}

QString comoEsta(const QSqlRecord& fila, const char* campo)
{
    return de(fila, campo).toString();
}

// A value of the withholding the file cannot be written without.
QVariant requerido(const QSqlRecord& fila, const char* campo, const char* nombre)
{
    const QVariant valor = de(fila, campo);
    if (valor.isNull() || valor.toString().trimmed().isEmpty())
        throw DeclaracionIncompleta(
            QStringLiteral("Falta %1 del comprobante %2.")
                .arg(QString::fromUtf8(nombre), comoEsta(fila, "Nro_Comprobante")));
    return valor;
}

// A text field whose empty value (null) has the placeholder "0" and blanks.
QString textoOCero(const QVariant& valor, int ancho)
{
    return valor.isNull() ? cero(ancho) : texto(valor, ancho);
}

} // namespace

QString cabecera(const QSqlRecord& c, const QString& marcaObs, const QSqlRecord& sucursal,
                 const QSqlRecord& agente)
{
    return QLatin1Char('C') + comoEsta(c, "Nro_Agente") + comoEsta(c, "Cod_Regimen")
        + comoEsta(c, "Anio") + comoEsta(c, "Mes") + comoEsta(c, "Rectifica")
        + comoEsta(c, "Sucursal") + texto(de(sucursal, "Descripcion"), 40)
        + texto(de(sucursal, "Localidad"), 20) + marcaObs + comoEsta(c, "Origen")
        + comoEsta(agente, "CUIT") + entero(de(agente, "CondIVA"), 1).value_or(QStringLiteral("0"))
        // A declaration created by hand has no count of discarded lines: none were.
        + entero(de(c, "Descartados"), 5).value_or(QStringLiteral("00000")) + QLatin1Char('*');
}

QString retencion(const QSqlRecord& f, const QLocale& locale)
{
    // The agency's rate field has two integer digits: 100 % and above is written 99.99.
    Importe alicuota = Importe::desdeColumna(requerido(f, "Alicuota", "la alícuota"));
    if (alicuota >= Importe::desdeEntero(100)) alicuota = Importe::desdeCentavos(9999);

    const bool valida = comoEsta(f, "Estado") == estado_retencion::Valida;
    return QLatin1Char(valida ? 'R' : 'A') + texto(de(f, "Nro_Contrib"), 10) + texto(de(f, "Dia"), 2)
        + importe(Importe::desdeColumna(requerido(f, "Importe_Bruto", "el importe bruto")), 9, locale)
        + importe(alicuota, 2, locale)
        + importe(Importe::desdeColumna(requerido(f, "Importe_Ret", "el importe retenido")), 9, locale)
        + texto(de(f, "Nro_X"), 13) + *entero(requerido(f, "Cod_Concepto", "el concepto"), 2)
        + comoEsta(f, "Nro_Comprobante") + texto(de(f, "Cod_Tipo"), 1) + texto(de(f, "CUIT"), 11)
        + comoEsta(f, "MarcaImp") + QLatin1Char('*');
}

QString otrosImportes(const QVariant& nroComprobante, const QVariant& primero,
                      const QVariant& segundo, const QLocale& locale)
{
    const QString ceros = importeCero(7);
    return QLatin1Char('O') + entero(nroComprobante, 8).value_or(QStringLiteral("00000000"))
        + importe(primero, 7, locale).value_or(ceros) + importe(segundo, 7, locale).value_or(ceros)
        + QLatin1Char('*');
}

QString detalle(const QSqlRecord& g, const QString& regimen, const QLocale& locale)
{
    using enum ModoDetalle;
    const ModoDetalle modo = reglasRegimen(regimen).detalle;
    const bool anticipo = modo == Anticipos || modo == AnticiposConOblea;
    const bool conPorte = modo == Obleas || modo == AnticiposConOblea || modo == ObleaZ;

    QString tipo = QStringLiteral("00");
    if (modo == Guias || modo == Obleas || modo == ObleaZ) {
        tipo = entero(de(g, "Tipo"), 2).value_or(tipo);
    } else if (modo == AnticiposConOblea) {
        // An advance's stamp type is its letter: A is 01, D is 04. A row without a stamp has none.
        const QString oblea = comoEsta(g, "NroGuia");
        if (!oblea.isEmpty()) tipo = QLatin1Char('0') + QString::number(oblea.at(0).unicode() - 64);
    }

    return QLatin1Char('D') + entero(de(g, "Nro_Comprobante"), 8).value_or(QStringLiteral("00000000"))
        + (anticipo ? entero(de(g, "Nro_Agente"), 6).value_or(QStringLiteral("000000"))
                    : QStringLiteral("000000"))
        + (anticipo ? textoOCero(de(g, "Nro_Anticipo"), 8) : cero(8))
        + (modo == Anticipos ? cero(8) : textoOCero(de(g, "NroGuia"), 8)) + tipo
        + (modo == Guias ? entero(de(g, "Cantidad"), 3).value_or(QStringLiteral("000"))
                         : QStringLiteral("001"))
        + importe(de(g, anticipo ? "Total" : "Valor_Unitario"), 7, locale).value_or(importeCero(7))
        + (conPorte ? textoOCero(de(g, "Nro_porte"), 13) : cero(13)) + QLatin1Char('*');
}

QString alimento(const QSqlRecord& g, const QLocale& locale)
{
    return QLatin1Char('F') + entero(de(g, "Nro_Comprobante"), 8).value_or(QStringLiteral("00000000"))
        + entero(de(g, "Cantidad"), 6).value_or(QStringLiteral("000000"))
        + entero(de(g, "Tipo"), 2).value_or(QStringLiteral("00"))
        + importe(de(g, "Valor_Unitario"), 7, locale).value_or(importeCero(7))
        + textoOCero(de(g, "Nro_porte"), 13) + QLatin1Char('*');
}

} // namespace registro_declaracion
