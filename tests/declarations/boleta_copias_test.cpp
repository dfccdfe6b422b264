// The slip's three copies in Impresos and the barcode picture drawn for this slip alone.

#include "declarations/boleta.h"
#include "declarations/boleta_copias.h"
#include "declarations/boleta_texto.h"
#include "declarations/codigo_barras_boleta.h"
#include "support/declaracion_de_prueba.h"
#include "support/pdf_prueba.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kSinCodigo =
    QStringLiteral("La boleta de pago será impresa sin el código de barras.");

Boleta boletaDe(DeclaracionDePrueba& dj, const char* total, const char* interes)
{
    Boleta b;
    b.tomarCabecera(*leerCabecera(dj.base, dj.idCabecera));
    b.total = *Importe::leer(QString::fromLatin1(total));
    b.interes = *Importe::leer(QString::fromLatin1(interes));
    b.texto = prefijoBoleta(true, b.total) + *importeEnLetras(b.neto(), b.interes);
    b.vencimiento = QDate(2008, 5, 15);
    b.pago = QDate(2008, 5, 20);
    return b;
}

QByteArray contenido(const QString& ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void escribir(const QString& ruta, const QByteArray& datos)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(datos);
}

TEST(BoletaCopias, TresCopiasYElCodigoDeEstaBoleta)
{
    DeclaracionDePrueba dj;
    const QString bmp = dj.carpeta.ruta(QStringLiteral("codbar.bmp"));
    escribir(bmp, "imagen de una boleta anterior");
    dj.base.ejecutar(QStringLiteral("INSERT INTO Impresos (Para, Texto) VALUES ('X', 'viejo')"));
    DialogosGuionados dialogos;
    const Boleta b = boletaDe(dj, "1234.56", "12.34");

    prepararCopiasBoleta(dj.base, dialogos, dj.carpeta.dir.path(), b);

    EXPECT_TRUE(dialogos.mensajes.empty());
    const auto filas = dj.base.filas(QStringLiteral(
        "SELECT Para, IdCabecera, Importe, Importe1, Texto, Interes, FechaV, FechaP, CodBar "
        "FROM Impresos ORDER BY rowid"));
    ASSERT_EQ(filas.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(filas[i].value(0).toString(), kCopiasBoleta[qsizetype(i)]);
        EXPECT_EQ(filas[i].value(1).toLongLong(), dj.idCabecera);
        EXPECT_EQ(Importe::desdeColumna(filas[i].value(2)).conPunto(), QStringLiteral("1234.56"));
        EXPECT_EQ(Importe::desdeColumna(filas[i].value(3)).conPunto(), QStringLiteral("0.00"));
        EXPECT_EQ(filas[i].value(4).toString(),
                  QString(15, QLatin1Char(' '))
                      + QStringLiteral(" UN MIL DOSCIENTOS CUARENTA Y SEIS CON 90/100"));
        EXPECT_EQ(Importe::desdeColumna(filas[i].value(5)).conPunto(), QStringLiteral("12.34"));
        EXPECT_EQ(filas[i].value(6).toString(), QStringLiteral("2008-05-15"));
        EXPECT_EQ(filas[i].value(7).toString(), QStringLiteral("2008-05-20"));
        EXPECT_EQ(filas[i].value(8).isNull(), i < 2);
    }
    // The picture is the file just drawn, and a scanner reads this slip's text in it.
    EXPECT_EQ(filas[2].value(8).toByteArray(), contenido(bmp));
    EXPECT_EQ(pdf::codigosLeidos(bmp),
              QStringList{QStringLiteral("CODE-128:012345010508040012345600000000000123400*")});
}

TEST(BoletaCopias, ImporteQueNoCabeSeImprimeSinCodigo)
{
    DeclaracionDePrueba dj;
    const QString bmp = dj.carpeta.ruta(QStringLiteral("codbar.bmp"));
    escribir(bmp, "imagen de una boleta anterior");
    DialogosGuionados dialogos;

    prepararCopiasBoleta(dj.base, dialogos, dj.carpeta.dir.path(),
                         boletaDe(dj, "1000000.00", "0"));

    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].texto,
              QStringLiteral("Los importes de esta boleta no caben en el código de barras.\n")
                  + kSinCodigo);
    EXPECT_FALSE(QFile::exists(bmp));
    EXPECT_EQ(dj.base.valor(QStringLiteral("SELECT COUNT(*) FROM Impresos")).toInt(), 3);
    EXPECT_EQ(dj.base.valor(QStringLiteral("SELECT COUNT(*) FROM Impresos WHERE CodBar IS NOT NULL"))
                  .toInt(),
              0);
}

TEST(BoletaCopias, CodigoQueNoSePuedeDibujarSeImprimeSin)
{
    DeclaracionDePrueba dj;
    // A folder where the picture file should be: zint cannot write it.
    ASSERT_TRUE(QDir(dj.carpeta.dir.path()).mkdir(QStringLiteral("codbar.bmp")));
    DialogosGuionados dialogos;

    prepararCopiasBoleta(dj.base, dialogos, dj.carpeta.dir.path(), boletaDe(dj, "500", "0"));

    ASSERT_EQ(dialogos.mensajes.size(), 1u);
    EXPECT_EQ(dialogos.mensajes[0].texto,
              QStringLiteral("Error al dibujar el código de barras.\n") + kSinCodigo);
    EXPECT_EQ(dialogos.mensajes[0].icono, Icono::Critico);
    EXPECT_EQ(dj.base.valor(QStringLiteral("SELECT COUNT(*) FROM Impresos WHERE CodBar IS NOT NULL"))
                  .toInt(),
              0);
}

} // namespace
