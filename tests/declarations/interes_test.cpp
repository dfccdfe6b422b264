// Late-payment interest: every day after the due date up to the payment date, at the rate in force
// that day, each stretch computed with a single-precision daily rate and kept to four decimals.

#include "declarations/interes.h"

#include "database/base_datos.h"
#include "database/error_motor.h"
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
        // Each stretch becomes currency from the exact value of its double, ties to even: here
        // 0.0076500000000000005 is above the tie (scaling it by 10,000 first would land on 76.5
        // and give 0.0076) ...
        {"0,12 al 63,75 % durante 3 dias", "0.12", "2008-01-10", "2008-01-13",
         {{"2008-01-01", "63.75"}}, "0.0077"},
        // ... and 953.5949499999999 is below it, so the slip says 953.59, not 953.60.
        {"93,17 al 86,25 % del 10/01 al 31/12/2008", "93.17", "2008-01-10", "2008-12-31",
         {{"2008-01-01", "86.25"}}, "953.5949"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        const std::optional<Importe> interes =
            calculoIntereses(imp(c.neto), d(c.vencimiento), d(c.pago), tasas(c));
        ASSERT_EQ(interes.has_value(), c.interes.has_value());
        if (interes) { EXPECT_EQ(interes->conPunto(4), imp(*c.interes).conPunto(4)); }
    }
}

TEST(CalculoIntereses, RedondeoACentavosDelLlamador)
{
    const std::vector<TasaInteres> t{{d("2008-01-01"), imp("2.50")}};
    const Importe interes =
        *calculoIntereses(imp("180341.63"), d("2008-05-10"), d("2008-09-18"), t);
    EXPECT_EQ(interes.redondeadoACentavos().conPunto(), QStringLiteral("19687.30"));
    const std::vector<TasaInteres> t2{{d("2008-01-01"), imp("86.25")}};
    EXPECT_EQ(calculoIntereses(imp("93.17"), d("2008-01-10"), d("2008-12-31"), t2)
                  ->redondeadoACentavos()
                  .conPunto(),
              QStringLiteral("953.59"));
}

TEST(CalculoIntereses, UnTramoDeMasDe32767DiasEsUnError)
{
    // A payment year typed 2108 for 2008: no century of interest, an error that stops the slip.
    const std::vector<TasaInteres> t{{d("2004-05-01"), imp("1.80")}};
    for (TasaDiaria diaria : {TasaDiaria::Simple, TasaDiaria::Moneda}) {
        SCOPED_TRACE(int(diaria));
        EXPECT_TRUE(calculoIntereses(imp("100.00"), d("2008-05-10"),
                                      d("2008-05-10").addDays(32767), t, diaria));
        try {
            calculoIntereses(imp("100.00"), d("2008-05-10"), d("2108-05-10"), t, diaria);
            ADD_FAILURE() << "no error";
        } catch (const ErrorMotor& error) {
            EXPECT_EQ(error.numero(), 6);
            EXPECT_EQ(error.descripcion(),
                      QStringLiteral("Desbordamiento: los intereses se calculan por tramos de "
                                     "hasta 32767 días, y del 10/05/2008 al 10/05/2108 hay 36524 "
                                     "días.\nVerifique la fecha de pago."));
        }
    }
    // Each stretch counts on its own: a rate change in between keeps both within the count.
    const std::vector<TasaInteres> dos{{d("2004-05-01"), imp("1.80")},
                                       {d("2058-01-01"), imp("1.80")}};
    EXPECT_TRUE(calculoIntereses(imp("100.00"), d("2008-05-10"), d("2108-05-10"), dos));
}

TEST(CalculoIntereses, TasaDiariaEnMonedaDeLaBoletaDelTurno)
{
    // The shift's slip holds the daily rate and its product with the amount as currency.
    const std::vector<TasaInteres> una{{d("2004-05-01"), imp("1.80")}};
    EXPECT_EQ(calculoIntereses(imp("123456.78"), d("2008-05-10"), d("2008-08-24"), una,
                                TasaDiaria::Moneda)
                  ->conPunto(4),
              QStringLiteral("7851.8512"));
    const std::vector<TasaInteres> varias{{d("2004-05-01"), imp("1.80")},
                                          {d("2008-12-01"), imp("2.50")},
                                          {d("2009-01-01"), imp("2.25")},
                                          {d("2009-02-28"), imp("3.10")}};
    EXPECT_EQ(calculoIntereses(imp("98765.43"), d("2008-11-15"), d("2009-03-02"), varias,
                                TasaDiaria::Moneda)
                  ->conPunto(4),
              QStringLiteral("8041.6789"));
    // The stretch's double is 868.4104500000001: above the tie, so ,4105.
    const std::vector<TasaInteres> otra{{d("2008-01-01"), imp("6.21")}};
    EXPECT_EQ(calculoIntereses(imp("3107.57"), d("2008-05-10"), d("2008-09-22"), otra,
                                TasaDiaria::Moneda)
                  ->conPunto(4),
              QStringLiteral("868.4105"));
}

// The two slips share one rule and differ only in how the daily rate is held: a single-precision
// number for the declaration's slip, a currency amount (with a currency product) for the shift's.
TEST(CalculoIntereses, LasDosBoletasLadoALado)
{
    const struct {
        const char* nombre;
        Caso caso;
        std::optional<const char*> turno;
    } casos[] = {
        {"al dia", {"", "1000.00", "2008-05-10", "2008-05-10", {{"2008-01-01", "3.00"}}, "0"}, "0"},
        {"tasa exacta por dia",
         {"", "1000.00", "2008-05-10", "2008-05-15", {{"2008-01-01", "3.00"}, {"2008-05-13", "6.00"}},
          "8.0000"},
         "8.0000"},
        {"1,80 durante 106 dias",
         {"", "123456.78", "2008-05-10", "2008-08-24", {{"2004-05-01", "1.80"}}, "7851.8510"},
         "7851.8512"},
        {"tasas sin tercio exacto",
         {"", "98765.43", "2008-11-15", "2009-03-02",
          {{"2004-05-01", "1.80"}, {"2008-12-01", "2.50"}, {"2009-01-01", "2.25"},
           {"2009-02-28", "3.10"}},
          "8042.7985"},
         "8041.6789"},
        {"sin tasa", {"", "1000.00", "2008-05-10", "2008-05-15", {{"2008-05-11", "3.00"}}, std::nullopt},
         std::nullopt},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        const Caso& k = c.caso;
        const auto declaracion = calculoIntereses(imp(k.neto), d(k.vencimiento), d(k.pago),
                                                   tasas(k), TasaDiaria::Simple);
        const auto turno = calculoIntereses(imp(k.neto), d(k.vencimiento), d(k.pago), tasas(k),
                                             TasaDiaria::Moneda);
        ASSERT_EQ(declaracion.has_value(), k.interes.has_value());
        ASSERT_EQ(turno.has_value(), c.turno.has_value());
        if (declaracion) { EXPECT_EQ(declaracion->conPunto(4), imp(*k.interes).conPunto(4)); }
        if (turno) { EXPECT_EQ(turno->conPunto(4), imp(*c.turno).conPunto(4)); }
    }
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
    EXPECT_EQ(calculoIntereses(imp("1000"), d("2008-05-10"), d("2008-05-15"), t)->conPunto(4),
              QStringLiteral("7.2000"));  // 2 days at 1.80 and 3 at 6.00
}

} // namespace
