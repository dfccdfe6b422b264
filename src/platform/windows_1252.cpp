#include "platform/windows_1252.h"

namespace {

// The characters of the bytes 0x80 to 0x9F; 0 where the code page leaves the byte unassigned.
constexpr char16_t kAltos[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The byte of a character, or nothing when the code page has none for it.
std::optional<char> byteDe(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (int i = 0; i < 32; ++i)
        if (kAltos[i] != 0 && kAltos[i] == c) return char(0x80 + i);
    return std::nullopt;
}

// Walks a text character by character: a pair of surrogates is one character, a lone one is
// U+FFFD.
template <typename Accion>
void porCaracter(QStringView texto, Accion accion)
{
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate()) {
            if (!accion(QChar::surrogateToUcs4(c, texto[i + 1]))) return;
            ++i;
        } else if (!accion(c.isSurrogate() ? char32_t(0xFFFD) : char32_t(c.unicode()))) {
            return;
        }
    }
}

} // namespace

bool esControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

QByteArray aWindows1252(QStringView texto)
{
    QByteArray bytes;
    bytes.reserve(texto.size());
    porCaracter(texto, [&](char32_t c) {
        bytes.append(esControl(c) ? ' ' : byteDe(c).value_or('?'));
        return true;
    });
    return bytes;
}

QChar caracterWindows1252(unsigned char byte)
{
    if (byte < 0x80 || byte >= 0xA0) return QChar(char16_t(byte));
    const char16_t alto = kAltos[byte - 0x80];
    return QChar(alto != 0 ? alto : char16_t(byte));
}

QString deWindows1252(QByteArrayView bytes)
{
    QString texto(bytes.size(), Qt::Uninitialized);
    QChar* destino = texto.data();
    for (const char b : bytes) *destino++ = caracterWindows1252(static_cast<unsigned char>(b));
    return texto;
}

qsizetype largoWindows1252(QStringView texto)
{
    qsizetype largo = 0;
    porCaracter(texto, [&](char32_t) { return ++largo > 0; });
    return largo;
}

std::optional<QString> fueraDeWindows1252(QStringView texto)
{
    std::optional<QString> fuera;
    porCaracter(texto, [&](char32_t c) {
        if (!esControl(c) && !byteDe(c)) fuera = QString::fromUcs4(&c, 1);
        return !fuera;
    });
    return fuera;
}

QString sinControles(QStringView texto)
{
    QString limpio;
    limpio.reserve(texto.size());
    for (const QChar c : texto) {
        if (!esControl(c.unicode())) {
            limpio += c;
        } else if (c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f') {
            if (!limpio.endsWith(u' ')) limpio += u' ';
        }
    }
    return limpio;
}
