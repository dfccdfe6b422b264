#include "declarations/windows_1252.h"

namespace {

// The characters of the bytes 0x80 to 0x9F; 0 where the code page leaves the byte unassigned.
constexpr char16_t kAltos[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char byteDe(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (int i = 0; i < 32; ++i)
        if (kAltos[i] != 0 && kAltos[i] == c) return char(0x80 + i);
    return '?';
}

} // namespace

QByteArray aWindows1252(QStringView texto)
{
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        // A character outside the basic plane takes two units and is one unknown character.
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) ++i;
        bytes.append(c.isSurrogate() ? '?' : byteDe(c.unicode()));
    }
    return bytes;
}
