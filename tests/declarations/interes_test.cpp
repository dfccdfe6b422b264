// Late-payment interest: every day after the due date up to the payment date, at the rate in force
// that day, each stretch computed with a single-precision daily rate and kept to four decimals.

#include "declarations/interes.h"

#include "database/base_datos.h"
#include "support/carpeta_temporal.h"

#include <gtest/gtest.h>

namespace {

QDate d(const char* iso)
{
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

Importe imp(const char* texto)
{
    return *Importe::leer(QString::fromLatin1(texto));
}

struct Caso {
    const char* nombre;
    const char* neto;
    const char* vencimiento;
    const char* pago;
    std::vector<std::pair<const char*, const char*>> tasas;  // validity, monthly percent
    std::optional<const char*> interes;                      // before rounding to cents
};

std::vector<TasaInteres> tasas(const Caso& c)
{
    std::vector<TasaInteres> t;
    for (const auto& [vigencia, tasa] : c.tasas) t.push_back({d(vigencia), imp(tasa)});
    return t;
}

TEST(CalculoIntereses, TramosEntreCambiosDeTasa)
{
    const Caso casos[] = {
        {"pago el dia del vencimiento", "1000.00", "2008-05-10", "2008-05-10",
         {{"2008-01-01", "3.00"}}, "0"},
        {"pago anterior al vencimiento", "1000.00", "2008-05-10", "2008-05-01",
         {{"2008-01-01", "3.00"}}, "0"},
        {"un dia de atraso", "1000.00", "2008-05-10", "2008-05-11", {{"2008-01-01", "3.00"}},
         "1.0000"},
        {"cinco dias a una tasa", "1000.00", "2008-05-10", "2008-05-15",
         {{"2008-01-01", "3.00"}}, "5.0000"},
        {"la tasa nueva parte los dias", "1000.00", "2008-05-10", "2008-05-15",
         {{"2008-01-01", "3.00"}, {"2008-05-13", "6.00"}}, "8.0000"},
        {"tasa que empieza el dia del vencimiento rige desde el dia siguiente", "1000.00",
         "2008-05-10", "2008-05-15", {{"2008-01-01", "3.00"}, {"2008-05-10", "6.00"}},
         "10.0000"},
        {"tasa que empieza al dia siguiente deja cero dias a la anterior", "1000.00",
         "2008-05-10", "2008-05-15", {{"2008-01-01", "3.00"}, {"2008-05-11", "6.00"}},
         "10.0000"},
        {"tasa que empieza el dia del pago rige solo ese dia", "1000.00", "2008-05-10",
         "2008-05-15", {{"2008-01-01", "3.00"}, {"2008-05-15", "6.00"}}, "6.0000"},
        {"tasa posterior al pago no cuenta", "1000.00", "2008-05-10", "2008-05-15",
         {{"2008-01-01", "3.00"}, {"2008-05-20", "9.00"}}, "5.0000"},
        {"sin tasa vigente al vencimiento", "1000.00", "2008-05-10", "2008-05-15",
         {{"2008-05-11", "3.00"}}, std::nullopt},
        {"tasa de 1,80 durante 106 dias", "123456.78", "2008-05-10", "2008-08-24",
         {{"2004-05-01", "1.80"}}, "7851.8510"},
        {"varios cambios y fin de anio", "98765.43", "2008-11-15", "2009-03-02",
         {{"2004-05-01", "1.80"}, {"2008-12-01", "2.50"}, {"2009-01-01", "2.25"},
          {"2009-02-28", "3.10"}},
         "8042.7985"},
        // The single-precision daily rate decides the cent here: with an exact rate the
        // stretch would be 19687.2946 and round to ,29.
        {"la tasa diaria en simple precision", "180341.63", "2008-05-10", "2008-09-18",
         {{"2008-01-01", "2.50"}}, "19687.2952"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const std::optional<Importe> interes =
            Calculo_Intereses(imp(c.neto), d(c.vencimiento), d(c.pago), tasas(c));
        ASSERT_EQ(interes.has_value(), c.interes.has_value());
        if (interes) EXPECT_EQ(interes->conPunto(4), imp(*c.interes).conPunto(4));
    }
}

TEST(CalculoIntereses, RedondeoACentavosDelLlamador)
{
    const std::vector<TasaInteres> t{{d("2008-01-01"), imp("2.50")}};
    const Importe interes =
        *Calculo_Intereses(imp("180341.63"), d("2008-05-10"), d("2008-09-18"), t);
    EXPECT_EQ(interes.redondeadoACentavos().conPunto(), QStringLiteral("19687.30"));
}

TEST(CalculoIntereses, TasaDiariaEnMonedaDeLaBoletaDelTurno)
{
    // The shift's slip holds the daily rate and its product with the amount as currency.
    const std::vector<TasaInteres> una{{d("2004-05-01"), imp("1.80")}};
    EXPECT_EQ(Calculo_Intereses(imp("123456.78"), d("2008-05-10"), d("2008-08-24"), una,
                                TasaDiaria::Moneda)
                  ->conPunto(4),
              QStringLiteral("7851.8512"));
    const std::vector<TasaInteres> varias{{d("2004-05-01"), imp("1.80")},
                                          {d("2008-12-01"), imp("2.50")},
                                          {d("2009-01-01"), imp("2.25")},
                                          {d("2009-02-28"), imp("3.10")}};
    EXPECT_EQ(Calculo_Intereses(imp("98765.43"), d("2008-11-15"), d("2009-03-02"), varias,
                                TasaDiaria::Moneda)
                  ->conPunto(4),
              QStringLiteral("8041.6789"));
}

TEST(CalculoIntereses, TasasDeLaBaseHastaElPago)
{
    CarpetaTemporal carpeta;
    carpeta.crearBaseInstalada();
    BaseDatos base;
    base.abrir(carpeta.base());
    for (const auto& [vigencia, tasa] : {std::pair{"2009-01-01", "9.00"}, {"2008-05-13", "6.00"}})
        base.ejecutar(QStringLiteral("INSERT INTO Tasas (FechaVig, Tasa) VALUES (?, ?)"),
                      {QString::fromLatin1(vigencia), imp(tasa).aColumna()});

    const std::vector<TasaInteres> t = tasasHasta(base, d("2008-06-01"));
    ASSERT_EQ(t.size(), 2u);  // the seeded rate of 1 May 2004 and the one of 13 May 2008
    EXPECT_EQ(t[0].vigencia, d("2004-05-01"));
    EXPECT_EQ(t[0].tasa.conPunto(), QStringLiteral("1.80"));
    EXPECT_EQ(t[1].vigencia, d("2008-05-13"));
    EXPECT_EQ(Calculo_Intereses(imp("1000"), d("2008-05-10"), d("2008-05-15"), t)->conPunto(4),
              QStringLiteral("7.2000"));  // 2 days at 1.80 and 3 at 6.00
}

} // namespace
