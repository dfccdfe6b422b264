#include "platform/locale_numeros.h"

#include <QtGlobal>

QString nombreLocaleNumerico()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QString valor = qEnvironmentVariable(variable);
        if (!valor.isEmpty()) return valor;
    }
    return {};
}

QLocale localeDeNumeros(const QString& nombreNumerico, const QLocale& sistema)
{
    // The system's locale carries the numbers of LC_NUMERIC even when its language is LANG's.
    // "C", "POSIX" and their encodings ("C.UTF-8") are no choice of the user's.
    const QString nombre = nombreNumerico.section(QLatin1Char('.'), 0, 0);
    if (nombre.isEmpty() || nombre == QLatin1String("C") || nombre == QLatin1String("POSIX"))
        return QLocale(QLocale::Spanish, QLocale::Argentina);
    return sistema;
}

void fijarLocaleDeNumeros()
{
    QLocale::setDefault(localeDeNumeros(nombreLocaleNumerico(), QLocale::system()));
}
