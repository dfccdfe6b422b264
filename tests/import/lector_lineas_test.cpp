// Reading import files: where a line ends, what is trimmed, the code page, and that a line of any
// length costs the same memory.

#include "import/lector_lineas.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

struct Leida {
    QString texto;
    qint64 largo;
    QChar ultimo;
    bool conSaltoLf;
};

std::vector<Leida> leer(const QByteArray& bytes)
{
    QByteArray copia = bytes;
    QBuffer buffer(&copia);
    buffer.open(QIODevice::ReadOnly);
    LectorLineas lector(buffer);
    std::vector<Leida> lineas;
    while (const auto l = lector.siguiente())
        lineas.push_back({l->texto, l->largo, l->ultimo, l->conSaltoLf});
    EXPECT_EQ(lector.bytesLeidos(), bytes.size());
    return lineas;
}

QStringList textos(const QByteArray& bytes)
{
    QStringList t;
    for (const Leida& l : leer(bytes)) t << l.texto;
    return t;
}

TEST(LectorLineas, UnaLineaTerminaEnCrOEnCrLfYNuncaEnLfSolo)
{
    const std::pair<const char*, QStringList> casos[] = {
        {"", {}},
        {"A\r\nB\r\n", {"A", "B"}},
        {"A\rB\r", {"A", "B"}},
        {"A\r\nB", {"A", "B"}},
        {"\r\n\r\n", {"", ""}},
        {"A\r\r\nB", {"A", "", "B"}},
        // A file of LF-only lines is one single line, line feeds inside.
        {"A\nB\n", {"A\nB\n"}},
    };
    for (const auto& [bytes, esperadas] : casos) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(textos(QByteArray(bytes)), esperadas);
    }
    EXPECT_TRUE(leer("C1*\nR2*\n").front().conSaltoLf);
    EXPECT_FALSE(leer("C1*\r\n").front().conSaltoLf);
}

TEST(LectorLineas, SoloSeQuitanLosBlancosDeLosExtremos)
{
    const auto l = leer("   S 12 *   \r\n\tS*\r\n").at(0);
    EXPECT_EQ(l.texto, QStringLiteral("S 12 *"));
    EXPECT_EQ(l.largo, 6);
    EXPECT_EQ(l.ultimo, QLatin1Char('*'));
    // A tab is not a blank: it stays, and so does the line feed of an LF-only file.
    EXPECT_EQ(leer("\tS*\r\n").at(0).texto, QStringLiteral("\tS*"));
    EXPECT_EQ(leer("C*\n").at(0).ultimo, QLatin1Char('\n'));
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
