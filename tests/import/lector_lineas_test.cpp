// Reading import files: where a line ends, what is trimmed, the code page, that a line of any
// length costs the same memory, and the limit of the file's check.

#include "import/lector_lineas.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

struct Leida {
    QString texto;
    qint64 largo;
    QChar ultimo;
    bool cortada;
};

std::vector<Leida> leer(const QByteArray& bytes, qint64 tope = 0)
{
    QByteArray copia = bytes;
    QBuffer buffer(&copia);
    buffer.open(QIODevice::ReadOnly);
    LectorLineas lector(buffer, tope);
    std::vector<Leida> lineas;
    while (const auto l = lector.siguiente())
        lineas.push_back({l->texto, l->largo, l->ultimo, l->cortada});
    if (tope == 0) {
        EXPECT_EQ(lector.bytesLeidos(), bytes.size());
    }
    return lineas;
}

QStringList textos(const QByteArray& bytes)
{
    QStringList t;
    for (const Leida& l : leer(bytes)) t << l.texto;
    return t;
}

TEST(LectorLineas, UnaLineaTerminaEnCrLfEnCrOEnLf)
{
    const std::pair<const char*, QStringList> casos[] = {
        {"", {}},
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\rB\r", {"A", "B"}},
        {"A\nB\n", {"A", "B"}},
        {"A\r\nB", {"A", "B"}},
        {"A\nB", {"A", "B"}},
        {"\r\n\r\n", {"", ""}},
        {"\n\n", {"", ""}},
        {"A\r\r\nB", {"A", "", "B"}},
        // A LF and then a CR are two ends; a CR and then a LF, one.
        {"A\n\rB", {"A", "", "B"}},
        {"A\r\nB\nC\rD\r\n", {"A", "B", "C", "D"}},
    };
    for (const auto& [bytes, esperadas] : casos) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(textos(QByteArray(bytes)), esperadas);
    }
    // A CR LF split between two blocks of the reader is still one end.
    const QByteArray largo = QByteArray(64 * 1024 - 1, 'X') + "\r\nB\r\n";
    const auto lineas = leer(largo);
    ASSERT_EQ(lineas.size(), 2u);
    EXPECT_EQ(lineas[1].texto, QStringLiteral("B"));
}

// The import's check reads only the beginning of a file: a line longer than its limit comes back
// cut, and nothing after it is read.
TEST(LectorLineas, ConTopeUnaLineaLargaVuelveCortada)
{
    const auto cortas = leer("C1*\r\nR2*\r\n", 3);
    ASSERT_EQ(cortas.size(), 2u);
    EXPECT_FALSE(cortas[0].cortada);
    EXPECT_EQ(cortas[0].texto, QStringLiteral("C1*"));

    const auto largas = leer(QByteArray(100'000, 'C') + "*\r\nR2*\r\n", 4096);
    ASSERT_EQ(largas.size(), 1u);
    EXPECT_TRUE(largas[0].cortada);
    EXPECT_EQ(largas[0].largo, 4096);
}

TEST(LectorLineas, SoloSeQuitanLosBlancosDeLosExtremos)
{
    const auto l = leer("   S 12 *   \r\n\tS*\r\n").at(0);
    EXPECT_EQ(l.texto, QStringLiteral("S 12 *"));
    EXPECT_EQ(l.largo, 6);
    EXPECT_EQ(l.ultimo, QLatin1Char('*'));
    // A tab is not a blank: it stays.
    EXPECT_EQ(leer("\tS*\r\n").at(0).texto, QStringLiteral("\tS*"));
}

TEST(LectorLineas, LosBytesSonWindows1252)
{
    EXPECT_EQ(textos(QByteArray("PE\xD1" "A \x80 \x93x\x94\r\n")),
              QStringList{QString::fromUtf8("PEÑA € “x”")});
}

TEST(LectorLineas, UnaLineaLargaGuardaSoloSuComienzo)
{
    QByteArray larga = "R" + QByteArray(3'000'000, '7') + "*   \r\nD*\r\n";
    const auto lineas = leer(larga);
    ASSERT_EQ(lineas.size(), 2u);
    EXPECT_EQ(lineas[0].largo, 3'000'002);
    EXPECT_EQ(lineas[0].ultimo, QLatin1Char('*'));
    EXPECT_EQ(lineas[0].texto.size(), LineaImportada::kRetenidos);
    EXPECT_EQ(lineas[1].texto, QStringLiteral("D*"));
}

} // namespace
