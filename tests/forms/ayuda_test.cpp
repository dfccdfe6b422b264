// Help by screen key, from the help texts the supplied database carries.

#include "common/contexto.h"
#include "forms/ayuda.h"
#include "forms/frmAyuda.h"
#include "platform/reloj.h"
#include "shell/menu_principal.h"
#include "support/carpeta_temporal.h"
#include "support/entorno_prueba.h"
#include "support/impresora_del_programa.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

class AyudaTest : public ::testing::Test, protected EntornoDePrueba {};

TEST_F(AyudaTest, CadaPantallaTieneSuTexto)
{
    QStringList claves = {"frmPrincipal",     "frmAgentes",       "frmSucursales",
                          "frmRegimenes",     "frmContribuyentes", "frmConceptos",
                          "frmAlicuotas",     "frmTasas",         "frmVencimientos",
                          "frmTipos",         "frmPolicias",      "frmRetenciones",
                          "frmRetenciones_B", "frmRetenciones_C", "frmRetxCab",
                          "Importar Sujetos", "Importar DDJJ"};
    // The declarations form: one key per mode, from the caption of the mode its menu item opens.
    for (const char* item : {"mnuCabecerasABM", "mnuCabecerasActivar", "mnuCabecerasRect",
                             "mnuCabecerasEmitir", "mnuDeshacerCabImp"})
        claves << claveAyudaCabeceras(tituloModo(*modoCabeceras(QString::fromLatin1(item))));
    EXPECT_EQ(claves.mid(17), (QStringList{"frmC-Altas, Bajas y ", "frmC-Activar Declara",
                                           "frmC-Rectificar Decl", "frmC-Emitir y Genera",
                                           "frmC-Deshacer Declar"}));

    for (const QString& clave : claves) {
        const auto fila = buscarAyuda(base, clave);
        ASSERT_TRUE(fila) << clave.toStdString();
        EXPECT_GT(fila->texto.size(), 200) << clave.toStdString();
        EXPECT_GT(fila->width, 2350) << clave.toStdString();
        EXPECT_GT(fila->height, 1665) << clave.toStdString();
    }
    EXPECT_EQ(base.valor(QStringLiteral("SELECT COUNT(*) FROM Ayudas")).toInt(), claves.size());
}

TEST_F(AyudaTest, LaClaveSeBuscaSinDistinguirMayusculas)
{
    base.ejecutar(QStringLiteral("INSERT INTO Ayudas (Clave, \"Top\", \"Left\", \"Width\", \"Height\", "
                                 "Texto) VALUES ('O''Higgins', 1, 2, 3000, 2000, 'uno')"));
    ASSERT_TRUE(buscarAyuda(base, QStringLiteral("o'higgins")));
    EXPECT_EQ(buscarAyuda(base, QStringLiteral("o'higgins"))->texto, QStringLiteral("uno"));
    EXPECT_TRUE(buscarAyuda(base, QStringLiteral("FRMPRINCIPAL")));
    EXPECT_FALSE(buscarAyuda(base, QStringLiteral("frmPrincipa")));
    // The declarations keys keep their trailing blank.
    EXPECT_FALSE(buscarAyuda(base, QStringLiteral("frmC-Altas, Bajas y")));
}

TEST_F(AyudaTest, LaVentanaMuestraElTextoEnSuLugarYTamanio)
{
    base.ejecutar(QStringLiteral("UPDATE Ayudas SET \"Top\" = 1440, \"Left\" = 2880, \"Width\" = 7200, "
                                 "\"Height\" = 4320, Texto = ? WHERE Clave = 'frmC-Activar Declara'"),
                  {QStringLiteral("Línea uno\nLínea dos")});
    frmAyuda ventana(contexto, claveAyudaCabeceras(QStringLiteral("Activar Declaración")));
    EXPECT_EQ(ventana.texto(), QStringLiteral("Línea uno\nLínea dos"));
    EXPECT_EQ(ventana.windowTitle(), QStringLiteral("Ayuda"));
    EXPECT_EQ(ventana.size(), QSize(twipsAPixeles(7200), twipsAPixeles(4320)));
    EXPECT_EQ(ventana.pos(), QPoint(twipsAPixeles(2880), twipsAPixeles(1440)));
    EXPECT_TRUE(ventana.findChild<QPlainTextEdit*>(QStringLiteral("txtAyuda"))->isReadOnly());
}

TEST_F(AyudaTest, SinFilaAvisaQueNoHayAyudaYEscapeNoEscribe)
{
    const QString antes = base.valor(QStringLiteral("SELECT group_concat(Clave || Texto) FROM Ayudas")).toString();
    {
        frmAyuda ventana(contexto, QStringLiteral("frmInexistente"));
        EXPECT_EQ(ventana.texto(), QStringLiteral("No se dispone de ayuda para esta pantalla."));
        ventana.reject();
    }
    {
        frmAyuda ventana(contexto, QStringLiteral("frmPrincipal"));
        ventana.reject();
    }
    EXPECT_EQ(base.valor(QStringLiteral("SELECT group_concat(Clave || Texto) FROM Ayudas")).toString(), antes);
    EXPECT_TRUE(dialogs.mensajes.empty());
}

TEST_F(AyudaTest, LaVentanaEditableGuardaAlCerrarSuTextoLugarYTamanio)
{
    const auto fila = [this](const QString& clave) {
        return base.fila(QStringLiteral("SELECT \"Top\", \"Left\", \"Width\", \"Height\", Texto "
                                        "FROM Ayudas WHERE Clave = ?"),
                         {clave});
    };
    const auto editar = [this](const QString& clave, const QString& texto, QRect geometria) {
        frmAyuda ventana(contexto, clave, true);
        auto* txtAyuda = ventana.findChild<QPlainTextEdit*>(QStringLiteral("txtAyuda"));
        EXPECT_FALSE(txtAyuda->isReadOnly());
        txtAyuda->setPlainText(texto);
        ventana.move(geometria.topLeft());
        ventana.resize(geometria.size());
        ventana.reject();
    };
    const QRect lugar(twipsAPixeles(1440), twipsAPixeles(720), twipsAPixeles(5760),
                      twipsAPixeles(2880));
    const QVariantList geometria = {pixelesATwips(lugar.y()), pixelesATwips(lugar.x()),
                                    pixelesATwips(lugar.width()), pixelesATwips(lugar.height())};

    // A key without help opens empty, and its text is added trimmed.
    {
        frmAyuda ventana(contexto, QStringLiteral("frmNueva"), true);
        EXPECT_EQ(ventana.texto(), QString());
    }
    editar(QStringLiteral("frmNueva"), QStringLiteral("  Texto nuevo\n"), lugar);
    const auto nueva = fila(QStringLiteral("frmNueva"));
    ASSERT_TRUE(nueva);
    EXPECT_EQ(nueva->value(4).toString(), QStringLiteral("Texto nuevo"));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(nueva->value(i).toDouble(), geometria[i].toDouble()) << i;

    // The stored help is replaced in its row.
    const int filas = base.valor(QStringLiteral("SELECT COUNT(*) FROM Ayudas")).toInt();
    editar(QStringLiteral("frmPrincipal"), QStringLiteral("Otra ayuda"), lugar);
    const auto principal = fila(QStringLiteral("frmPrincipal"));
    ASSERT_TRUE(principal);
    EXPECT_EQ(principal->value(4).toString(), QStringLiteral("Otra ayuda"));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(principal->value(i).toDouble(), geometria[i].toDouble()) << i;
    EXPECT_EQ(base.valor(QStringLiteral("SELECT COUNT(*) FROM Ayudas")).toInt(), filas);

    // Emptied, the help is deleted.
    editar(QStringLiteral("frmPrincipal"), QStringLiteral(" \n "), lugar);
    EXPECT_FALSE(fila(QStringLiteral("frmPrincipal")));
    EXPECT_EQ(base.valor(QStringLiteral("SELECT COUNT(*) FROM Ayudas")).toInt(), filas - 1);
    EXPECT_TRUE(dialogs.mensajes.empty());
}

} // namespace
