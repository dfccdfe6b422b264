#pragma once
// The notation of the numbers the program reads and writes (decimal and thousands separators): the
// user's own, as the system's locale settings give it; Spanish (Argentina) when the system sets
// none for numbers (the "C" or "POSIX" locale that many Linux installs leave by default), since
// the program's users type amounts with a decimal comma. It is the run's default locale, so the
// dates Qt's dialogs show (the file chooser's list) follow it too.

#include <QLocale>
#include <QString>

// The locale name that rules numbers: LC_ALL, else LC_NUMERIC, else LANG (empty when none is set).
QString nombreLocaleNumerico();

// The numbers' locale given that name and the system's locale.
QLocale localeDeNumeros(const QString& nombreNumerico, const QLocale& sistema);

// Makes it the default locale of the run. Called first thing at start, before any number is read
// or shown.
void fijarLocaleDeNumeros();
