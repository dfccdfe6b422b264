// "&Grabar Ret./Perc. ...": which entry form each regime gets.

#include "entry/apertura_entrada.h"

#include "datos_entrada.h"

#include <gtest/gtest.h>

namespace {

TEST(AperturaEntrada, FormularioPorRegimen)
{
    const struct {
        const char* regimen;
        const char* formulario;
    } casos[] = {{"01", "frmRetenciones"},   {"08", "frmRetenciones"},   {"14", "frmRetenciones"},
                 {"09", "frmRetenciones_B"}, {"10", "frmRetenciones_B"}, {"12", "frmRetenciones_B"},
                 {"15", "frmRetenciones_B"}, {"16", "frmRetenciones_B"}, {"13", "frmRetenciones_C"},
                 {"17", "frmRetenciones"}};
    for (const auto& c : casos)
        EXPECT_EQ(nombreFormulario(formularioParaRegimen(QString::fromLatin1(c.regimen))),
                  QString::fromLatin1(c.formulario))
            << c.regimen;
}

TEST(AperturaEntrada, AbreElFormularioDelRegimenActivo)
{
    DatosEntrada f;
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}), AperturaEntrada::Abierta);

    f.activar(f.nuevaCabecera(QStringLiteral("09")));
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}), AperturaEntrada::NoDisponible);
    f.activar(f.nuevaCabecera(QStringLiteral("13")));
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}), AperturaEntrada::NoDisponible);

    f.entorno.Limpiar_Cabecera_Actual();
    EXPECT_EQ(abrirEntradaRetenciones(f.contexto, nullptr, {}), AperturaEntrada::SinDeclaracion);
}

} // namespace
