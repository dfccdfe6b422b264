#pragma once
// The agency's files are Windows-1252 text, one byte per character, the code page of the platform
// the program first ran on. Qt's converters know Latin-1
// but not the 1252 letters at 0x80-0x9F (€, curly quotes, dashes, Š, Ž, Œ...), so the encoding is
// done here, together with the rules the edit boxes apply so that nothing typed or pasted can
// reach a file as something else.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

// One byte per character. A character the code page has no place for is written as "?"; a control
// character (tab, line end, NUL...) as a blank, so that no record is ever split or shifted.
QByteArray aWindows1252(QStringView texto);

// The text of Windows-1252 bytes, one character per byte. The five bytes the code page leaves
// unassigned read as the control characters of the same number, as the platform did.
QString deWindows1252(QByteArrayView bytes);
QChar caracterWindows1252(unsigned char byte);

// The number of bytes aWindows1252 gives for `texto`: its characters, not its UTF-16 units.
qsizetype largoWindows1252(QStringView texto);

bool esControl(char32_t c);

// The first character of `texto` (controls aside) that Windows-1252 cannot hold, if any.
std::optional<QString> fueraDeWindows1252(QStringView texto);

// The text without control characters: tabs and line ends become one blank, the rest go.
QString sinControles(QStringView texto);
