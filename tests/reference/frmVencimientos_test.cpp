// The due-dates form: the month it proposes, and the checks of month, year and due date.

#include "reference/frmVencimientos.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

using namespace Qt::Literals::StringLiterals;

namespace {


class VencimientosTest : public ::testing::Test {
protected:
    VencimientosTest() { e.base.ejecutar(u"DELETE FROM Vencimientos"_s); }

    void vencimiento(int anio, int mes, const QString& fecha)
    {
        e.base.ejecutar(u"INSERT INTO Vencimientos (Anio, Mes, Fecha) VALUES (?, ?, ?)"_s,
                        {anio, mes, fecha});
    }

    static void alta(frmVencimientos& form, const QString& mes, const QString& anio,
                     const QString& fecha)
    {
        ::alta(form, {{u"txtMes"_s, mes}, {u"txtAnio"_s, anio}, {u"txtFecha"_s, fecha}});
    }

    EntornoDePrueba e;
};

TEST_F(VencimientosTest, AgregarProponeElMesSiguienteAlUltimo)
{
    struct Caso {
        const char* caso;
        std::vector<std::pair<int, int>> guardados;  // year, month
        QDate hoy;
        QString mes;
        QString anio;
    };
    const Caso casos[] = {
        {"tras diciembre de 2026", {{2026, 11}, {2026, 12}, {2025, 6}}, {2024, 5, 10}, u"01"_s,
         u"2027"_s},
        {"tras marzo", {{2026, 3}, {2025, 12}}, {2024, 5, 10}, u"04"_s, u"2026"_s},
        {"vacía un 9 de marzo", {}, {2024, 3, 9}, u"04"_s, u"2024"_s},
        {"vacía en diciembre", {}, {2024, 12, 20}, u"01"_s, u"2025"_s},
    };
    for (const Caso& c : casos) {
        EntornoDePrueba e;
        e.base.ejecutar(u"DELETE FROM Vencimientos"_s);
        for (const auto& [anio, mes] : c.guardados)
            e.base.ejecutar(u"INSERT INTO Vencimientos (Anio, Mes, Fecha) VALUES (?, ?, ?)"_s,
                            {anio, mes, QDate(anio, mes, 15).toString(Qt::ISODate)});
        RelojFijo reloj(c.hoy);
        Contexto contexto{e.base, e.entorno, e.dialogs, reloj, e.impresora, e.contexto.carpeta};
        frmVencimientos form(contexto);
        pulsar(form, u"cmdAgregar"_s);
        EXPECT_EQ(texto(form, u"txtMes"_s), c.mes) << c.caso;
        EXPECT_EQ(texto(form, u"txtAnio"_s), c.anio) << c.caso;
        EXPECT_EQ(texto(form, u"txtFecha"_s), QString()) << c.caso;
        EXPECT_EQ(enfocado(form), u"txtMes"_s) << c.caso;
    }
}

TEST_F(VencimientosTest, GrabarVerificaMesAnioYFechaEnOrden)
{
    vencimiento(2027, 5, u"2027-06-15"_s);
    struct Caso {
        QString mes;
        QString anio;
        QString fecha;
        QString mensaje;  // "" when saved
        QString foco;
    };
    const QString mes = u"El mes indicado no es válido."_s;
    const QString anio = u"El año indicado no es válido."_s;
    const QString fecha = u"La fecha indicada no es válida."_s;
    const QString anterior = u"La fecha de vencimiento no puede ser anterior al mes indicado."_s;
    const Caso casos[] = {
        {u"13"_s, u"2027"_s, u"15/01/2028"_s, mes, u"txtMes"_s},
        {u"00"_s, u"2027"_s, u"15/01/2027"_s, mes, u"txtMes"_s},
        {u""_s, u"2027"_s, u"15/01/2027"_s, mes, u"txtMes"_s},
        {u"1"_s, u"1998"_s, u"15/01/1998"_s, anio, u"txtAnio"_s},
        {u"1"_s, u"2051"_s, u"15/01/2051"_s, anio, u"txtAnio"_s},
        {u"1"_s, u""_s, u"15/01/2027"_s, anio, u"txtAnio"_s},
        {u"13"_s, u"1998"_s, u"xx"_s, mes, u"txtMes"_s},  // the first failure only
        {u"4"_s, u"2027"_s, u"31/04/2027"_s, fecha, u"txtFecha"_s},
        {u"4"_s, u"2027"_s, u"31/03/2027"_s, anterior, u"txtFecha"_s},
        {u"5"_s, u"2027"_s, u"20/06/2027"_s,
         u"Ya existe un registro con esos datos,\ncorríjalo o cancele."_s, u"txtMes"_s},
        {u"1"_s, u"1999"_s, u"10/02/1999"_s, {}, {}},
        {u"12"_s, u"2050"_s, u"01/12/2050"_s, {}, {}},
        {u"4"_s, u"2027"_s, u"01/04/2027"_s, {}, {}},
    };
    for (const Caso& c : casos) {
        const std::string caso = (c.mes + u'/' + c.anio + u' ' + c.fecha).toStdString();
        e.dialogs.mensajes.clear();
        const int antes = e.contar(u"SELECT COUNT(*) FROM Vencimientos"_s);
        frmVencimientos form(e.contexto);
        alta(form, c.mes, c.anio, c.fecha);
        if (c.mensaje.isEmpty()) {
            EXPECT_TRUE(e.dialogs.mensajes.empty())
                << caso << e.dialogs.textosMostrados().join(u'|').toStdString();
            const QDate f = QDate::fromString(c.fecha, u"dd/MM/yyyy"_s);
            EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Vencimientos WHERE Anio = ? AND Mes = ? "
                               u"AND Fecha = ?"_s,
                               {c.anio.toInt(), c.mes.toInt(), f.toString(Qt::ISODate)}),
                      1)
                << caso;
            EXPECT_EQ(tituloMarco(form, u"fraVencimiento"_s), QString()) << caso;
            continue;
        }
        ASSERT_EQ(e.dialogs.mensajes.size(), 1U) << caso;
        EXPECT_EQ(e.dialogs.mensajes[0].texto, c.mensaje) << caso;
        EXPECT_EQ(e.dialogs.mensajes[0].icono, Icono::Exclamacion) << caso;
        EXPECT_EQ(enfocado(form), c.foco) << caso;
        EXPECT_EQ(tituloMarco(form, u"fraVencimiento"_s), u" Agregar "_s) << caso;
        EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Vencimientos"_s), antes) << caso;
    }
}

TEST_F(VencimientosTest, MesYAnioSeCompletanAlSalir)
{
    frmVencimientos form(e.contexto);
    pulsar(form, u"cmdAgregar"_s);
    escribir(form, u"txtMes"_s, u"4"_s);
    salirDe(form, u"txtMes"_s);
    EXPECT_EQ(texto(form, u"txtMes"_s), u"04"_s);
    escribir(form, u"txtMes"_s, u"  "_s);  // not a digit: refused as typed
    EXPECT_EQ(texto(form, u"txtMes"_s), QString());
    salirDe(form, u"txtMes"_s);
    EXPECT_EQ(texto(form, u"txtMes"_s), u"00"_s);
    escribir(form, u"txtAnio"_s, u""_s);
    salirDe(form, u"txtAnio"_s);
    EXPECT_EQ(texto(form, u"txtAnio"_s), u"0000"_s);
    EXPECT_TRUE(e.dialogs.mensajes.empty());
}

TEST_F(VencimientosTest, LaGrillaMuestraAnioMesYFechaSinOrdenarse)
{
    vencimiento(2025, 3, u"2025-04-20"_s);
    vencimiento(2024, 11, u"2024-12-18"_s);
    frmVencimientos form(e.contexto);
    GrillaRegistros& g = grillaDe(form);
    EXPECT_EQ(celda(g, 0, 0), u"2024"_s);
    EXPECT_EQ(celdaActual(g, 0), u"2025"_s);
    EXPECT_EQ(celdaActual(g, 1), u"03"_s);
    EXPECT_EQ(celdaActual(g, 2), u"20/04/2025"_s);
    EXPECT_EQ(texto(form, u"txtMes"_s), u"03"_s);
    EXPECT_EQ(texto(form, u"txtFecha"_s), u"20/04/2025"_s);

    clickEncabezado(form, 1);
    EXPECT_EQ(e.dialogs.textosMostrados(),
              QStringList{u"No se dispone de ordenamiento por este campo."_s});

    e.dialogs.respuestas = {Respuesta::Si};
    pulsar(form, u"cmdBorrar"_s);
    EXPECT_EQ(e.dialogs.mensajes.back().texto,
              u"¿Confirma la eliminación del vencimiento seleccionado?"_s);
    EXPECT_EQ(celdaActual(g, 0), u"2024"_s);
}

} // namespace
