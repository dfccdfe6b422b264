// The status-bar panels read from the environment: the year's caption after a reset and after a
// reopening of the database.

#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList textos(const PanelesEstado& paneles)
{
    QStringList t;
    for (const QString& c : {panel::Agente, panel::Sucursal, panel::Regimen, panel::Mes,
                             panel::Anio, panel::Rectifica})
        t << paneles.texto(c);
    return t;
}

TEST(PanelesEstado, ElAnioVuelveASuTextoInicialAlRestaurarElEntorno)
{
    EntornoDePrueba e;
    prueba::agente(e.base, {.nro = u"012345"_s, .razonSocial = u"ACOPIOS DEL SUR"_s});
    const qint64 id = prueba::cabecera(e.base, {.agente = u"012345"_s,
                                                .sucursal = u"0000"_s,
                                                .regimen = u"05"_s,
                                                .anio = u"2007"_s,
                                                .mes = u"05"_s,
                                                .rectifica = u"01"_s,
                                                .estado = u"2"_s});
    const QStringList iniciales{u"Agente: (ninguno)"_s, u"Sucursal: (ninguna)"_s,
                                u"Régimen: (ninguno)"_s, u"Mes: (ninguno)"_s,
                                u"Año: (ninguno)"_s,     u"R: 00"_s};
    EXPECT_EQ(textos(e.paneles), iniciales);

    e.entorno.restaurar(id, {}, {}, {});
    EXPECT_EQ(e.paneles.texto(panel::Agente), u"Agente: 01234-5 - ACOPIOS DEL SUR"_s);
    EXPECT_EQ(e.paneles.texto(panel::Anio), u"Año: 2007"_s);
    EXPECT_EQ(e.paneles.texto(panel::Rectifica), u"R: 01"_s);

    e.entorno.limpiarAgenteActual();
    EXPECT_EQ(e.paneles.texto(panel::Anio), u"Anio: (ninguno)"_s);

    // Values no longer there show the texts of a start, the year's caption with them.
    e.entorno.restaurar(std::nullopt, u"099999"_s, u"0009"_s, u"99"_s);
    EXPECT_EQ(textos(e.paneles), iniciales);
}

} // namespace
