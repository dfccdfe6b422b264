// The numbers' locale: the user's, or Spanish (Argentina) when the system leaves it unset.

#include "platform/locale_numeros.h"

#include "database/base_datos.h"
#include "database/entorno.h"
#include "entry/controles_entrada.h"
#include "entry/numeros_pantalla.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

const QLocale kArgentina(QLocale::Spanish, QLocale::Argentina);

TEST(LocaleNumeros, SinLocaleParaNumerosLosDeArgentina)
{
    const QLocale ingles(QLocale::English, QLocale::UnitedStates);
    const QLocale aleman(QLocale::German, QLocale::Germany);
    const struct {
        const char* nombre;
        QLocale sistema;
        QLocale esperado;
    } casos[] = {
        {"C", QLocale::c(), kArgentina},
        {"POSIX", QLocale::c(), kArgentina},
        {"C.UTF-8", QLocale::c(), kArgentina},
        {"", QLocale::c(), kArgentina},
        {"en_US.UTF-8", ingles, ingles},
        {"de_DE.UTF-8", aleman, aleman},
    };
    for (const auto& c : casos)
        EXPECT_EQ(localeDeNumeros(QString::fromLatin1(c.nombre), c.sistema), c.esperado)
            << c.nombre;
}

// What a start makes of an amount typed key by key into the gross amount box, in a process of its
// own started with the environment's locale variables given: "<separator> <amount>".
QString arranqueHijo(const QString& lang, const QString& tipeado)
{
    QProcess hijo;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"})
        entorno.remove(QString::fromLatin1(variable));
    entorno.insert(QStringLiteral("LANG"), lang);
    entorno.insert(QStringLiteral("TARQUEL_PRUEBA_TIPEADO"), tipeado);
    hijo.setProcessEnvironment(entorno);
    hijo.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=LocaleNumeros.UnArranqueLeeLoTipeado")});
    hijo.waitForFinished(60000);
    const QString salida = QString::fromUtf8(hijo.readAllStandardOutput());
    const qsizetype desde = salida.indexOf(QStringLiteral("LEIDO "));
    return desde < 0 ? salida : salida.mid(desde + 6).section(QLatin1Char('\n'), 0, 0);
}

TEST(LocaleNumeros, UnArranqueLeeLoTipeado)
{
    const QString tipeado = qEnvironmentVariable("TARQUEL_PRUEBA_TIPEADO");
    if (!tipeado.isEmpty()) {
        // The started process: the locale as the program's start leaves it, not the test's.
        QLocale::setDefault(QLocale::system());
        fijarLocaleDeNumeros();
        BaseDatos base;
        Entorno entorno(base);
        QString caja;
        for (const QChar tecla : tipeado)
            if (aceptaTeclaBruto(tecla, caja, entorno.separadorDecimal(), false)) caja += tecla;
        const std::optional<Importe> leido = leerNumero(caja, QLocale());
        QTextStream(stdout) << "LEIDO " << entorno.separadorDecimal() << ' '
                            << (leido ? leido->conPunto() : QStringLiteral("nada")) << '\n';
        return;
    }
    const struct {
        const char* lang;
        const char* tipeado;
        const char* leido;
    } casos[] = {
        {"C", "1234,56", ", 1234.56"},
        {"POSIX", "4500,50", ", 4500.50"},
        {"C.UTF-8", "1234,56", ", 1234.56"},
        // A locale the user chose is followed: its separator, the other one dropped as typed.
        {"en_US.UTF-8", "1234.56", ". 1234.56"},
        {"en_US.UTF-8", "1234,56", ". 123456.00"},
        {"es_AR.UTF-8", "1234,56", ", 1234.56"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(arranqueHijo(QString::fromLatin1(c.lang), QString::fromLatin1(c.tipeado))
                      .toStdString(),
                  c.leido)
            << c.lang << " " << c.tipeado;
}

} // namespace
