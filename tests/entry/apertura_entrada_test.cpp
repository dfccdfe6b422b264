// "&Grabar Ret./Perc. ...": the entry form of the active regime, when it exists.

#include "entry/apertura_entrada.h"

#include "support/datos_entrada.h"

#include <gtest/gtest.h>

namespace {

TEST(AperturaEntrada, AbreElFormularioDelRegimenActivo)
{
    DatosEntrada f;
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}), AperturaEntrada::Abierta);

    f.activar(f.nuevaCabecera(QStringLiteral("09")));
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}), AperturaEntrada::Abierta);
    EXPECT_EQ(f.dialogs.clasesAbiertas,
              (QStringList{QStringLiteral("frmRetenciones"), QStringLiteral("frmRetencionesB")}));
    f.activar(f.nuevaCabecera(QStringLiteral("13")));
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}), AperturaEntrada::Abierta);
    EXPECT_EQ(f.dialogs.clasesAbiertas.back(), QStringLiteral("frmRetencionesC"));

    f.entorno.limpiarCabeceraActual();
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}), AperturaEntrada::SinDeclaracion);
}

} // namespace
