#include "declarations/preguntas_boleta.h"

#include "platform/dialogs.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

const QString kAtencion = QStringLiteral("Atención...");

void avisar(Dialogs& dialogs, const QString& texto)
{
    dialogs.aviso(texto, kAtencion, Icono::Exclamacion);
}

// The shortest text of an amount in the locale, as an input box offers it: "1234,56", "1234,5",
// "1234".
QString textoSimple(Importe importe, const QLocale& locale)
{
    QString texto = importe.formato(u"0.0000", locale);
    while (texto.endsWith(QLatin1Char('0'))) texto.chop(1);
    if (texto.endsWith(locale.decimalPoint())) texto.chop(locale.decimalPoint().size());
    return texto;
}

// The answer of an input box, trimmed; an empty text when the user cancels.
QString respuesta(Dialogs& dialogs, const QString& texto, const QString& inicial = {})
{
    return dialogs.pedirTexto(texto, kTituloImprimirBoleta, inicial).value_or(QString()).trimmed();
}

} // namespace

std::optional<QDate> leerFechaTecleada(const QString& texto)
{
    static const QRegularExpression forma(
        QStringLiteral("^(\\d{1,2})([/.-])(\\d{1,2})\\2(\\d{4}|\\d{2})$"));
    const QRegularExpressionMatch m = forma.match(texto.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    int anio = m.captured(4).toInt();
    if (m.captured(4).size() == 2) anio += anio < 30 ? 2000 : 1900;
    const QDate fecha(anio, m.captured(3).toInt(), m.captured(1).toInt());
    if (!fecha.isValid()) return std::nullopt;
    return fecha;
}

std::optional<Importe> leerImporteTecleado(const QString& texto, const QLocale& locale)
{
    const QString decimal = locale.decimalPoint();
    const QString grupo = locale.groupSeparator();
    QString limpio;
    for (const QChar c : texto)
        if (!c.isSpace() && c != QLatin1Char('$')) limpio += c;
    if (!grupo.isEmpty() && grupo != decimal) limpio.remove(grupo);
    const std::optional<Importe> leido =
        decimal.size() == 1 ? Importe::leer(limpio, decimal.front()) : Importe::leer(limpio);
    if (!leido) return std::nullopt;
    return leido->redondeadoACentavos();
}

std::optional<QDate> pedirFechaPago(Dialogs& dialogs, const QDate& vencimiento)
{
    const QString dia = vencimiento.toString(QStringLiteral("dd/MM/yyyy"));
    const QString pregunta =
        QStringLiteral("La fecha de vencimiento es %1, si el pago se efectuará con posterioridad "
                       "ingrese la fecha del mismo. Si elige cancelar o si no ingresa ninguna "
                       "fecha se cancelará la impresión.")
            .arg(dia);
    for (;;) {
        const QString texto = respuesta(dialogs, pregunta, dia);
        if (texto.isEmpty()) return std::nullopt;
        const std::optional<QDate> fecha = leerFechaTecleada(texto);
        if (!fecha) continue;
        if (*fecha < vencimiento) {
            avisar(dialogs, QStringLiteral("La fecha de pago fuera de término no puede ser "
                                           "anterior a la fecha de vencimiento."));
            continue;
        }
        return fecha;
    }
}

Importe pedirImporteAPagar(Dialogs& dialogs, Importe calculado)
{
    const QLocale locale;
    const QString pregunta =
        QStringLiteral("Importe a pagar...\n\nEl importe a pagar según las ret./perc. cargadas es "
                       "el que se indica a continuación, si necesita imprimir la boleta por un "
                       "importe distinto modifíquelo:");
    for (;;) {
        const QString texto = respuesta(dialogs, pregunta, textoSimple(calculado, locale));
        if (texto.isEmpty()) return calculado;
        const std::optional<Importe> importe = leerImporteTecleado(texto, locale);
        if (!importe) continue;
        // A slip pays: it is never printed for a negative amount.
        if (importe->esNegativo()) {
            avisar(dialogs, QStringLiteral("El importe a pagar no puede ser negativo."));
            continue;
        }
        return *importe;
    }
}

Importe pedirOtrosPagos(Dialogs& dialogs, Importe total)
{
    const QLocale locale;
    const QString pregunta =
        QStringLiteral("Otros pagos...\n\nSi ha efectuado algún pago que deba ser descontado en "
                       "esta boleta ingrese el importe:");
    for (;;) {
        const QString texto = respuesta(dialogs, pregunta);
        if (texto.isEmpty()) return {};
        const std::optional<Importe> importe = leerImporteTecleado(texto, locale);
        if (!importe) continue;
        // A negative payment would raise the amount to pay instead of lowering it.
        if (importe->esNegativo()) {
            avisar(dialogs, QStringLiteral("El importe ingresado no puede ser negativo."));
            continue;
        }
        if (*importe > total) {
            avisar(dialogs, QStringLiteral("El importe ingresado no debe superar el Total del "
                                           "Impuesto (%1).")
                                .arg(total.formato(u"$####0.00", locale)));
            continue;
        }
        return *importe;
    }
}
