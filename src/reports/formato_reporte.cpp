#include "reports/formato_reporte.h"

#include <QDate>
#include <QLocale>
#include <QStringList>

QString pesos(Importe importe)
{
    return importe.formato(u"$ ###,###,##0.00", QLocale());
}

QString numero(Importe importe)
{
    return importe.formato(u"###,###,##0.00", QLocale());
}

QString porcentaje(Importe tasa)
{
    return tasa.formato(u"##0.00", QLocale());
}

QString fechaImpresa(const QString& iso)
{
    const QDate fecha = QDate::fromString(iso, Qt::ISODate);
    return fecha.isValid() ? fecha.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString conMascara(const QString& digitos, const QString& mascara)
{
    if (digitos.size() != mascara.count(QLatin1Char('#'))) return digitos;
    QString resultado;
    qsizetype i = 0;
    for (const QChar c : mascara) resultado += c == QLatin1Char('#') ? digitos.at(i++) : c;
    return resultado;
}

QString cuitImpreso(const QString& cuit)
{
    return conMascara(cuit, QStringLiteral("##-########-#"));
}

QString nombreMes(const QString& mes)
{
    static const QStringList meses = {
        QStringLiteral("Enero"),   QStringLiteral("Febrero"),   QStringLiteral("Marzo"),
        QStringLiteral("Abril"),   QStringLiteral("Mayo"),      QStringLiteral("Junio"),
        QStringLiteral("Julio"),   QStringLiteral("Agosto"),    QStringLiteral("Setiembre"),
        QStringLiteral("Octubre"), QStringLiteral("Noviembre"), QStringLiteral("Diciembre")};
    bool ok = false;
    const int n = mes.toInt(&ok);
    return ok && n >= 1 && n <= 12 ? meses.at(n - 1) : mes;
}
