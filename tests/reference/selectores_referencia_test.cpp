// The record forms that serve as pick lists: the chosen code goes back to the opener, which puts
// it in its own field; closing the list hands back nothing.

#include "reference/frmConceptos.h"
#include "reference/frmContribuyentes.h"
#include "reference/frmTipos.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Lista {
    const char* nombre;
    std::function<void(BaseDatos&)> preparar;
    std::function<std::unique_ptr<FormularioRegistro>(Contexto&)> abrir;
    int fila;        // the row chosen
    QString codigo;  // what the opener gets
};

const Lista kListas[] = {
    {"sujetos",
     [](BaseDatos& b) {
         prueba::contribuyente(b, u"0001234565"_s, u"20123456786"_s, u"UNO"_s);
         prueba::contribuyente(b, u"9111234563"_s, u"20123456786"_s, u"DOS"_s);
     },
     [](Contexto& c) { return std::make_unique<frmContribuyentes>(c); }, 0, u"0001234565"_s},
    {"conceptos",
     [](BaseDatos& b) {
         b.ejecutar(u"DELETE FROM Conceptos"_s);
         b.ejecutar(u"INSERT INTO Conceptos (Cod_Concepto, Descripcion) "
                    u"VALUES ('05', 'CINCO'), ('97', 'RESERVADO')"_s);
     },
     [](Contexto& c) { return std::make_unique<frmConceptos>(c); }, 0, u"05"_s},
    {"tipos de ganado",
     [](BaseDatos& b) {
         b.ejecutar(u"DELETE FROM Tipos"_s);
         b.ejecutar(u"INSERT INTO Tipos (Clase, Tipo, Descripcion, Valor) "
                    u"VALUES (1, 3, 'VACAS', 40000), (1, 12, 'LLAMAS', 30000), "
                    u"(2, 5, 'OTRA CLASE', 1)"_s);
     },
     [](Contexto& c) {
         auto f = std::make_unique<frmTipos>(c);
         f->setearSeleccion(1);
         return f;
     },
     0, u"03"_s},
    {"tipos, código de dos cifras",
     [](BaseDatos& b) {
         b.ejecutar(u"DELETE FROM Tipos"_s);
         b.ejecutar(u"INSERT INTO Tipos (Clase, Tipo, Descripcion, Valor) "
                    u"VALUES (1, 3, 'VACAS', 40000), (1, 12, 'LLAMAS', 30000)"_s);
     },
     [](Contexto& c) {
         auto f = std::make_unique<frmTipos>(c);
         f->setearSeleccion(1);
         return f;
     },
     1, u"12"_s},
};

TEST(SelectoresReferencia, SeleccionarDevuelveElCodigoElegido)
{
    for (const Lista& l : kListas) {
        for (const bool dobleClick : {false, true}) {
            EntornoDePrueba e;
            l.preparar(e.base);
            auto lista = l.abrir(e.contexto);
            lista->mostrarSeleccionar();
            lista->show();
            EXPECT_FALSE(control(*lista, u"cmdSeleccionar"_s)->isHidden()) << l.nombre;
            GrillaRegistros& g = grillaDe(*lista);
            g.irAFila(l.fila);
            if (dobleClick) Q_EMIT g.doubleClicked(g.currentIndex());
            else pulsar(*lista, u"cmdSeleccionar"_s);

            EXPECT_EQ(lista->seleccion(), l.codigo) << l.nombre << (dobleClick ? " doble click" : "");
            EXPECT_EQ(lista->result(), QDialog::Accepted) << l.nombre;
            EXPECT_FALSE(lista->isVisible()) << l.nombre;
            EXPECT_TRUE(e.dialogs.mensajes.empty()) << l.nombre;
        }
    }
}

TEST(SelectoresReferencia, SalirNoDevuelveNada)
{
    for (const Lista& l : kListas) {
        EntornoDePrueba e;
        l.preparar(e.base);
        auto lista = l.abrir(e.contexto);
        lista->mostrarSeleccionar();
        lista->show();
        pulsar(*lista, u"cmdSalir"_s);
        EXPECT_FALSE(lista->seleccion()) << l.nombre;
        EXPECT_EQ(lista->result(), QDialog::Rejected) << l.nombre;
        EXPECT_FALSE(lista->isVisible()) << l.nombre;
    }
}

TEST(SelectoresReferencia, EnMantenimientoNoSeSelecciona)
{
    for (const Lista& l : kListas) {
        EntornoDePrueba e;
        l.preparar(e.base);
        auto lista = l.abrir(e.contexto);
        lista->show();
        EXPECT_TRUE(control(*lista, u"cmdSeleccionar"_s)->isHidden()) << l.nombre;
        GrillaRegistros& g = grillaDe(*lista);
        Q_EMIT g.doubleClicked(g.currentIndex());
        EXPECT_FALSE(lista->seleccion()) << l.nombre;
        EXPECT_TRUE(lista->isVisible()) << l.nombre;
    }
}

} // namespace
