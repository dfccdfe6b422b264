#pragma once
// The agency's files are Windows-1252 text. Qt's converters know Latin-1 but not the 1252 letters
// at 0x80-0x9F (€, curly quotes, dashes, Š, Ž, Œ...), so the encoding is done here.

#include <QByteArray>
#include <QStringView>

// One byte per character; a character the code page has no place for is written as "?".
QByteArray aWindows1252(QStringView texto);
