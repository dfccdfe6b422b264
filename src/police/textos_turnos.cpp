#include "police/textos_turnos.h"

#include "database/importe.h"

#include <QLocale>

namespace textos_turnos {

namespace {

// The clock read is the one shown: the user is told how to correct it before anything is stored.
QString pregunta(const QString& inicio, const QDate& fecha, const QTime& hora)
{
    return inicio + fecha.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" hora ")
           + hora.toString(QStringLiteral("HH:mm:ss"))
           + QStringLiteral("?\n Si la fecha y hora actual no es correcta, conteste NO, salga del "
                            "sistema Tarquel y corríjala en la configuración de fecha y hora del "
                            "sistema operativo");
}

} // namespace

QString preguntaInicio(const QDate& fecha, const QTime& hora)
{
    return pregunta(QStringLiteral("¿Iniciar Turno Desde Fecha "), fecha, hora);
}

QString preguntaFin(const QDate& fecha, const QTime& hora)
{
    return pregunta(QStringLiteral("¿Finalizar Turno en Fecha "), fecha, hora);
}

QString fecha(const QVariant& valor)
{
    const QDate d = QDate::fromString(valor.toString().left(10), Qt::ISODate);
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString hora(const QVariant& valor)
{
    const QTime h = QTime::fromString(valor.toString().right(8), Qt::ISODate);
    return h.isValid() ? h.toString(QStringLiteral("HH:mm")) : QString();
}

QString moneda(const QVariant& valor)
{
    return valor.isNull() ? QString()
                          : Importe::desdeColumna(valor).formato(u"$ #,##0.00", QLocale());
}

} // namespace textos_turnos
