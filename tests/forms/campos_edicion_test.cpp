// What the edit boxes of the record forms do as the user types.

#include "forms/campos_edicion.h"
#include "support/entorno_prueba.h"
#include "support/filas_prueba.h"
#include "support/formularios_prueba.h"

#include <QFocusEvent>

using namespace Qt::Literals::StringLiterals;

namespace {

struct CasoTecleo {
    const char* nombre;
    CajaTexto::Tipo tipo;
    QChar separador;
    QString tecleado;
    QString queda;
    bool tecladoNumerico = false;  // typed on the keypad, whose decimal key gives "." or ","
};

TEST(CamposEdicion, CadaCajaFiltraLoQueSeTeclea)
{
    using T = CajaTexto::Tipo;
    const CasoTecleo casos[] = {
        {"nombre en mayúsculas", T::Mayusculas, u',', u"José Ñandú o'higgins 3"_s,
         u"JOSÉ ÑANDÚ O'HIGGINS 3"_s},
        {"texto libre", T::Libre, u',', u"abc"_s, u"abc"_s},
        {"código: solo dígitos", T::Codigo, u',', u"1a2-3 ,4"_s, u"1234"_s},
        {"importe: un separador", T::Importe, u',', u"12,5,0"_s, u"12,50"_s},
        {"importe: ni signo ni letras", T::Importe, u',', u"-1x.5"_s, u"15"_s},
        {"importe con punto decimal", T::Importe, u'.', u"3,2.1.0"_s, u"32.10"_s},
        // The keypad's decimal key types the separator of an amount box, once, whichever
        // character it gives; other boxes take the key as it comes.
        {"importe, punto del teclado numérico", T::Importe, u',', u"500.50"_s, u"500,50"_s, true},
        {"importe, coma del teclado numérico", T::Importe, u',', u"500,50"_s, u"500,50"_s, true},
        {"importe con punto decimal, teclado numérico", T::Importe, u'.', u"500,50"_s, u"500.50"_s,
         true},
        {"importe: un separador del teclado numérico", T::Importe, u',', u"5.0.5"_s, u"5,05"_s, true},
        {"código: ni el punto del teclado numérico", T::Codigo, u',', u"12.5"_s, u"125"_s, true},
        {"texto libre: el punto del teclado numérico", T::Libre, u',', u"1.5"_s, u"1.5"_s, true},
    };
    for (const CasoTecleo& c : casos) {
        CajaTexto caja(u"txtPrueba"_s, c.tipo, 40);
        caja.setSeparadorDecimal(c.separador);
        if (c.tecladoNumerico)
            teclearEnElTecladoNumerico(&caja, c.tecleado);
        else
            teclear(&caja, c.tecleado);
        EXPECT_EQ(caja.text(), c.queda) << c.nombre;
    }
}

TEST(CamposEdicion, UnCodigoConCerosSeCompletaAlSalir)
{
    CajaTexto caja(u"mskSucursal"_s, CajaTexto::Tipo::Codigo, 4);
    caja.setCeros(4);
    EXPECT_EQ(caja.text(), u"0000"_s);

    caja.selectAll();
    teclear(&caja, u"12"_s);
    EXPECT_EQ(caja.valor(), u"0012"_s);
    QFocusEvent salida(QEvent::FocusOut);
    QApplication::sendEvent(&caja, &salida);
    EXPECT_EQ(caja.text(), u"0012"_s);

    caja.vaciar();
    EXPECT_EQ(caja.text(), u"0000"_s);
}

TEST(CamposEdicion, UnaCajaConMascaraDaSoloLosDigitos)
{
    CajaMascara agente(u"mskNroAgente"_s, u"00000-0"_s);
    teclear(&agente, u"123456"_s);
    EXPECT_EQ(agente.displayText(), u"12345-6"_s);
    EXPECT_EQ(agente.valor(), u"123456"_s);

    CajaMascara cuit(u"mskCUIT"_s, u"00-00000000-0"_s);
    cuit.setValor(u"20123"_s);
    EXPECT_EQ(cuit.valor(), u"20123"_s);  // incomplete: the check explains it later
    cuit.setValor(u"20123456786"_s);
    EXPECT_EQ(cuit.text(), u"20-12345678-6"_s);
}

TEST(CamposEdicion, AlEntrarSeSeleccionaTodoElTexto)
{
    CajaTexto nombre(u"txtRazonSocial"_s, CajaTexto::Tipo::Mayusculas, 40);
    nombre.setText(u"LA RURAL"_s);
    CajaMascara cuit(u"mskCUIT"_s, u"00-00000000-0"_s);
    cuit.setValor(u"20123456786"_s);
    for (QLineEdit* caja : {static_cast<QLineEdit*>(&nombre), static_cast<QLineEdit*>(&cuit)}) {
        caja->setCursorPosition(2);
        QFocusEvent entrada(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(caja, &entrada);
        EXPECT_EQ(caja->selectionStart(), 0) << caja->objectName().toStdString();
        EXPECT_EQ(caja->selectedText().size(), caja->displayText().size())
            << caja->objectName().toStdString();
    }
}

} // namespace
