// The regimes list and the grains list.

#include "forms/grilla_registros.h"
#include "reference/frmGranos.h"
#include "reference/frmRegimenes.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

#include <QHeaderView>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(frmRegimenes, AbreEnOrdenDeCodigoSobreElUltimo)
{
    EntornoDePrueba e;
    frmRegimenes lista(e.contexto);
    GrillaRegistros& g = grillaDe(lista, u"dbgRegimenes"_s);
    const int filas = e.contar(u"SELECT COUNT(*) FROM Regimenes"_s);

    ASSERT_GT(filas, 2);
    EXPECT_EQ(g.filas(), filas);
    EXPECT_EQ(celda(g, 0, 0), u"01"_s);
    EXPECT_EQ(celda(g, g.filaActual(), 0),
              e.base.valor(u"SELECT MAX(Cod_Regimen) FROM Regimenes"_s).toString());
    EXPECT_TRUE(g.isColumnHidden(2));

    Q_EMIT g.horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(e.dialogs.textosMostrados(),
              QStringList{u"No se dispone de ordenamiento por este campo."_s});
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Atención..."_s);
}

TEST(frmRegimenes, ElDobleClickActivaElRegimenYCierra)
{
    EntornoDePrueba e;
    prueba::agente(e.base, u"123459"_s, u"LA RURAL"_s);
    prueba::sucursal(e.base, u"123459"_s, u"0000"_s);
    const qint64 id = prueba::cabecera(e.base, u"123459"_s, u"0000"_s);
    e.entorno.activarAgente(u"123459"_s);
    e.entorno.activarCabecera(id);
    const QString descripcion =
        e.base.valor(u"SELECT Descripcion FROM Regimenes WHERE Cod_Regimen = '13'"_s).toString();
    ASSERT_FALSE(descripcion.isEmpty());

    frmRegimenes lista(e.contexto);
    lista.show();
    GrillaRegistros& g = grillaDe(lista, u"dbgRegimenes"_s);
    for (int fila = 0; fila < g.filas(); ++fila)
        if (celda(g, fila, 0) == u"13"_s) g.irAFila(fila);
    ASSERT_EQ(celda(g, g.filaActual(), 0), u"13"_s);
    Q_EMIT g.doubleClicked(g.currentIndex());

    EXPECT_FALSE(lista.isVisible());
    EXPECT_EQ(e.entorno.regimen(), u"13"_s);
    EXPECT_EQ(e.paneles.texto(panel::Regimen), u"Régimen: 13 - "_s + descripcion);
    EXPECT_FALSE(e.entorno.cabeceraActual());
    EXPECT_EQ(e.paneles.texto(panel::Anio), u"Anio: (ninguno)"_s);
    EXPECT_EQ(e.entorno.agente(), u"123459"_s);
    EXPECT_EQ(e.entorno.sucursal(), u"0000"_s);
}

TEST(frmRegimenes, SalirNoCambiaNadaYUnaTablaVaciaNoActiva)
{
    EntornoDePrueba e;
    {
        frmRegimenes lista(e.contexto);
        pulsar(lista, u"cmdSalir"_s);
        EXPECT_FALSE(e.entorno.regimenActual());
        EXPECT_EQ(e.paneles.texto(panel::Regimen), u"Régimen: (ninguno)"_s);
    }
    e.base.ejecutar(u"DELETE FROM Regimenes"_s);
    frmRegimenes lista(e.contexto);
    EXPECT_FALSE(habilitado(lista, u"cmdActivar"_s));
    Q_EMIT grillaDe(lista, u"dbgRegimenes"_s).doubleClicked(QModelIndex());
    EXPECT_FALSE(e.entorno.regimenActual());
}

TEST(frmRegimenes, F1MuestraSuAyuda)
{
    EntornoDePrueba e;
    frmRegimenes lista(e.contexto);
    soltarF1(lista);
    EXPECT_EQ(e.dialogs.clavesAyuda, QStringList{u"frmRegimenes"_s});
}

TEST(frmGranos, SeleccionarDevuelveElCodigoConDosCifras)
{
    EntornoDePrueba e;
    e.base.ejecutar(u"DELETE FROM Granos"_s);
    e.base.ejecutar(u"INSERT INTO Granos (Grano, Nombre) VALUES (5, 'TRIGO'), (99, 'OTROS')"_s);
    struct Caso {
        int fila;
        bool dobleClick;
        QString codigo;
    };
    for (const Caso& c : {Caso{0, false, u"05"_s}, Caso{1, true, u"99"_s}}) {
        frmGranos lista(e.contexto);
        GrillaRegistros& g = grillaDe(lista, u"dbgGranos"_s);
        EXPECT_FALSE(control(lista, u"cmdSeleccionar"_s)->isHidden());
        g.irAFila(c.fila);
        if (c.dobleClick) Q_EMIT g.doubleClicked(g.currentIndex());
        else pulsar(lista, u"cmdSeleccionar"_s);
        EXPECT_EQ(lista.seleccion(), c.codigo);
        EXPECT_EQ(lista.result(), QDialog::Accepted);
    }
    frmGranos lista(e.contexto);
    pulsar(lista, u"cmdSalir"_s);
    EXPECT_FALSE(lista.seleccion());
}

TEST(frmGranos, UnaListaVaciaNoDevuelveNada)
{
    EntornoDePrueba e;
    e.base.ejecutar(u"DELETE FROM Granos"_s);
    frmGranos lista(e.contexto);
    pulsar(lista, u"cmdSeleccionar"_s);
    EXPECT_FALSE(lista.seleccion());
    EXPECT_TRUE(e.dialogs.mensajes.empty());
}

} // namespace
