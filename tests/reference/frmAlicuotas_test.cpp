// The rates form: the regime box, the rate box, the rates of regimes "11" and "12" that only the
// start writes, and the duplicate of a regime and type.

#include "database/semillas.h"
#include "reference/frmAlicuotas.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

#include <QComboBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kNoPermitido = u"No está permitido modificar esta alicuota. Para más información, "
                             u"comuníquese con La Orvalen"_s;

class AlicuotasTest : public ::testing::Test {
protected:
    static void completar(frmAlicuotas& form, const QString& regimen, int tipo,
                          const QString& alicuota)
    {
        escribir(form, u"txtCodReg"_s, regimen);
        salirDe(form, u"txtCodReg"_s);
        control<QComboBox>(form, u"cboTipo"_s)->setCurrentIndex(tipo);
        escribir(form, u"txtAlic"_s, alicuota);
        salirDe(form, u"txtAlic"_s);
    }

    static void irA(const frmAlicuotas& form, const QString& regimen, const QString& tipo)
    {
        GrillaRegistros& g = grillaDe(form);
        for (int fila = 0; fila < g.filas(); ++fila)
            if (celda(g, fila, 0) == regimen && celda(g, fila, 1) == tipo) g.irAFila(fila);
    }

    QString alicuota(const QString& regimen, const QString& tipo)
    {
        const QVariant v = e.base.valor(
            u"SELECT Alicuota FROM Alicuotas WHERE Cod_Regimen = ? AND Cod_Tipo = ?"_s,
            {regimen, tipo});
        return v.isNull() ? u"(ninguna)"_s : QString::number(v.toLongLong());
    }

    EntornoDePrueba e;
};

TEST_F(AlicuotasTest, ElRegimenSeCompletaYSeDescribe)
{
    frmAlicuotas form(e.contexto);
    pulsar(form, u"cmdAgregar"_s);
    EXPECT_EQ(texto(form, u"txtAlic"_s), u"0"_s);
    EXPECT_EQ(control<QComboBox>(form, u"cboTipo"_s)->currentIndex(), -1);
    EXPECT_EQ(enfocado(form), u"txtCodReg"_s);

    escribir(form, u"txtCodReg"_s, u"5"_s);
    salirDe(form, u"txtCodReg"_s);
    EXPECT_EQ(texto(form, u"txtCodReg"_s), u"05"_s);
    EXPECT_EQ(control<QLabel>(form, u"lblDescReg"_s)->text(),
              e.base.valor(u"SELECT Descripcion FROM Regimenes WHERE Cod_Regimen = '05'"_s));

    completar(form, u"99"_s, 0, u"1"_s);
    EXPECT_EQ(control<QLabel>(form, u"lblDescReg"_s)->text(), QString());
    pulsar(form, u"cmdGrabar"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(),
              QStringList{u"El régimen indicado no está cargado en el sistema."_s});
    EXPECT_EQ(enfocado(form), u"txtCodReg"_s);

    e.dialogs.mensajes.clear();
    completar(form, u"5"_s, -1, u"1"_s);
    pulsar(form, u"cmdGrabar"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList{u"Debe indicar el tipo de inscripción."_s});
    EXPECT_EQ(enfocado(form), u"cboTipo"_s);
    EXPECT_EQ(tituloMarco(form, u"fraAlicuota"_s), u" Agregar "_s);
}

TEST_F(AlicuotasTest, LaCajaDeLaAlicuotaRehusaLoQueNoEsUnaAlicuota)
{
    struct Caso {
        QString tecleado;
        QString queda;    // what the box shows on leaving
        QString mensaje;  // "" when accepted
    };
    const QString maximo = u"El valor ingresado supera el máximo permitido (99,99)."_s;
    const Caso casos[] = {
        {u"100"_s, u"100"_s, maximo},
        {u"99,991"_s, u"99,99"_s, {}},  // five characters at most
        {u"99,99"_s, u"99,99"_s, {}},
        {u""_s, u"0"_s, {}},
        {u"2"_s, u"2,00"_s, {}},
        {u"2,5,1"_s, u"2,51"_s, {}},  // a second separator is refused as typed
        {u","_s, u","_s, u"La alícuota ingresada no es un número válido."_s},
    };
    for (const Caso& c : casos) {
        e.dialogs.mensajes.clear();
        frmAlicuotas form(e.contexto);
        pulsar(form, u"cmdAgregar"_s);
        escribir(form, u"txtAlic"_s, c.tecleado);
        salirDe(form, u"txtAlic"_s);
        EXPECT_EQ(texto(form, u"txtAlic"_s), c.queda) << c.tecleado.toStdString();
        if (c.mensaje.isEmpty()) {
            EXPECT_TRUE(e.dialogs.mensajes.empty()) << c.tecleado.toStdString();
            continue;
        }
        ASSERT_EQ(e.dialogs.mensajes.size(), 1U) << c.tecleado.toStdString();
        EXPECT_EQ(e.dialogs.mensajes[0].texto, c.mensaje);
        EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Atención..."_s);
        EXPECT_EQ(e.dialogs.mensajes[0].icono, Icono::Informacion);
        EXPECT_EQ(enfocado(form), u"txtAlic"_s) << c.tecleado.toStdString();

        // Nor does Grabar store it.
        completar(form, u"01"_s, 3, c.tecleado);
        e.dialogs.mensajes.clear();
        e.base.ejecutar(u"DELETE FROM Alicuotas WHERE Cod_Regimen = '01' AND Cod_Tipo = '3'"_s);
        pulsar(form, u"cmdGrabar"_s);
        EXPECT_EQ(e.dialogs.textosMostrados(), QStringList{c.mensaje});
        EXPECT_EQ(alicuota(u"01"_s, u"3"_s), u"(ninguna)"_s);
    }
}

TEST_F(AlicuotasTest, GrabaLaAlicuotaExactaYQuedaActual)
{
    e.base.ejecutar(u"DELETE FROM Alicuotas WHERE Cod_Regimen = '05'"_s);
    frmAlicuotas form(e.contexto);
    pulsar(form, u"cmdAgregar"_s);
    completar(form, u"5"_s, 3, u"2,5"_s);
    pulsar(form, u"cmdGrabar"_s);

    EXPECT_TRUE(e.dialogs.mensajes.empty()) << e.dialogs.textosMostrados().join(u'|').toStdString();
    EXPECT_EQ(alicuota(u"05"_s, u"3"_s), u"25000"_s);
    GrillaRegistros& g = grillaDe(form);
    EXPECT_EQ(celdaActual(g, 0), u"05"_s);
    EXPECT_EQ(celdaActual(g, 1), u"3"_s);
    EXPECT_EQ(celdaActual(g, 2), u"2,50"_s);

    // Modificar goes to the rate; the regime and type may change too.
    pulsar(form, u"CmdModificar"_s);
    EXPECT_EQ(enfocado(form), u"txtAlic"_s);
    completar(form, u"05"_s, 0, u"3"_s);
    pulsar(form, u"cmdGrabar"_s);
    EXPECT_EQ(alicuota(u"05"_s, u"3"_s), u"(ninguna)"_s);
    EXPECT_EQ(alicuota(u"05"_s, u"0"_s), u"30000"_s);
}

// The keypad's decimal key types the decimal comma in the rate, whatever character it sends.
TEST_F(AlicuotasTest, LaTeclaDecimalDelTecladoNumericoEscribeLaComa)
{
    e.base.ejecutar(u"DELETE FROM Alicuotas WHERE Cod_Regimen = '05'"_s);
    frmAlicuotas form(e.contexto);
    pulsar(form, u"cmdAgregar"_s);
    completar(form, u"5"_s, 3, {});
    auto* alicuotaCaja = control<QLineEdit>(form, u"txtAlic"_s);
    alicuotaCaja->selectAll();
    alicuotaCaja->del();
    teclearEnElTecladoNumerico(alicuotaCaja, u"2.5"_s);
    EXPECT_EQ(alicuotaCaja->text(), u"2,5"_s);
    salirDe(alicuotaCaja);
    pulsar(form, u"cmdGrabar"_s);

    EXPECT_TRUE(e.dialogs.mensajes.empty()) << e.dialogs.textosMostrados().join(u'|').toStdString();
    EXPECT_EQ(alicuota(u"05"_s, u"3"_s), u"25000"_s);
}

TEST_F(AlicuotasTest, LosRegimenes11Y12NoSeGrabanPeroSeBorranYVuelvenAlArrancar)
{
    const int antes = e.contar(u"SELECT COUNT(*) FROM Alicuotas"_s);
    ASSERT_EQ(alicuota(u"11"_s, u"0"_s), u"10000"_s);
    ASSERT_EQ(alicuota(u"12"_s, u"0"_s), u"5000"_s);
    frmAlicuotas form(e.contexto);

    // Neither a new rate nor a change to a stored one.
    pulsar(form, u"cmdAgregar"_s);
    completar(form, u"11"_s, 3, u"1"_s);
    pulsar(form, u"cmdGrabar"_s);
    EXPECT_EQ(tituloMarco(form, u"fraAlicuota"_s), u" Agregar "_s);
    pulsar(form, u"cmdCancelar"_s);
    irA(form, u"12"_s, u"1"_s);
    pulsar(form, u"CmdModificar"_s);
    completar(form, u"12"_s, 1, u"7"_s);
    pulsar(form, u"cmdGrabar"_s);
    EXPECT_EQ(e.dialogs.textosMostrados(), QStringList({kNoPermitido, kNoPermitido}));
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, kTituloAplicacion);
    EXPECT_EQ(e.dialogs.mensajes[0].icono, Icono::Ninguno);
    EXPECT_EQ(tituloMarco(form, u"fraAlicuota"_s), u" Modificar "_s);
    pulsar(form, u"cmdCancelar"_s);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Alicuotas"_s), antes);
    EXPECT_EQ(alicuota(u"12"_s, u"1"_s), u"5000"_s);

    // Deleting is allowed.
    e.dialogs.mensajes.clear();
    e.dialogs.respuestas = {Respuesta::Si, Respuesta::Si};
    for (const QString& regimen : {u"11"_s, u"12"_s}) {
        irA(form, regimen, u"0"_s);
        pulsar(form, u"cmdBorrar"_s);
    }
    EXPECT_EQ(e.dialogs.textosMostrados(),
              QStringList(2, u"¿Confirma la eliminación de la alícuota seleccionada?"_s));
    EXPECT_EQ(alicuota(u"11"_s, u"0"_s), u"(ninguna)"_s);
    EXPECT_EQ(alicuota(u"12"_s, u"0"_s), u"(ninguna)"_s);

    // The next start writes regime "11" whole again; "12" keeps its other rows, so its type "0"
    // stays deleted.
    fijarAlicuotas(e.base, e.dialogs);
    actualizarAlicuotas(e.base, e.dialogs);
    EXPECT_EQ(alicuota(u"11"_s, u"0"_s), u"10000"_s);
    EXPECT_EQ(alicuota(u"12"_s, u"0"_s), u"(ninguna)"_s);
    EXPECT_EQ(alicuota(u"12"_s, u"6"_s), u"5000"_s);
}

TEST_F(AlicuotasTest, UnRegimenYTipoYaCargadosSonClaveRepetida)
{
    frmAlicuotas form(e.contexto);
    irA(form, u"07"_s, u"0"_s);
    pulsar(form, u"CmdModificar"_s);
    completar(form, u"07"_s, 1, u"3"_s);  // "07" type "1" has its rate already
    pulsar(form, u"cmdGrabar"_s);

    ASSERT_EQ(e.dialogs.mensajes.size(), 1U);
    EXPECT_EQ(e.dialogs.mensajes[0].texto,
              u"Ya existe un registro con esos datos,\ncorríjalo o cancele."_s);
    EXPECT_EQ(e.dialogs.mensajes[0].titulo, u"Clave Repetida"_s);
    EXPECT_EQ(enfocado(form), u"txtCodReg"_s);
    EXPECT_EQ(tituloMarco(form, u"fraAlicuota"_s), u" Modificar "_s);
    EXPECT_EQ(alicuota(u"07"_s, u"1"_s), u"20000"_s);
    EXPECT_EQ(alicuota(u"07"_s, u"0"_s), u"25000"_s);
}

TEST_F(AlicuotasTest, LaFilaMuestraTipoYRegimenYNingunaColumnaOrdena)
{
    frmAlicuotas form(e.contexto);
    irA(form, u"05"_s, u"6"_s);
    EXPECT_EQ(control<QComboBox>(form, u"cboTipo"_s)->currentText(), u"6 - Otros"_s);
    EXPECT_EQ(texto(form, u"txtCodReg"_s), u"05"_s);
    EXPECT_FALSE(control<QLabel>(form, u"lblDescReg"_s)->text().isEmpty());
    EXPECT_EQ(texto(form, u"txtAlic"_s), u"2,50"_s);
    EXPECT_EQ(form.findChild<QLabel*>(u"lblOrden"_s), nullptr);

    for (int columna = 0; columna < 3; ++columna) clickEncabezado(form, columna);
    EXPECT_EQ(e.dialogs.textosMostrados(),
              QStringList(3, u"No se dispone de ordenamiento por este campo."_s));
    EXPECT_EQ(celdaActual(grillaDe(form), 0), u"05"_s);
}

TEST_F(AlicuotasTest, BorrarLaUltimaDejaCeroYNingunTipo)
{
    e.base.ejecutar(u"DELETE FROM Alicuotas WHERE NOT (Cod_Regimen = '05' AND Cod_Tipo = '6')"_s);
    frmAlicuotas form(e.contexto);
    e.dialogs.respuestas = {Respuesta::Si};
    pulsar(form, u"cmdBorrar"_s);
    EXPECT_EQ(e.contar(u"SELECT COUNT(*) FROM Alicuotas"_s), 0);
    EXPECT_EQ(texto(form, u"txtCodReg"_s), QString());
    EXPECT_EQ(texto(form, u"txtAlic"_s), u"0"_s);
    EXPECT_EQ(control<QComboBox>(form, u"cboTipo"_s)->currentIndex(), -1);
    EXPECT_FALSE(habilitado(form, u"cmdBorrar"_s));
    EXPECT_FALSE(habilitado(form, u"CmdModificar"_s));
}

} // namespace
