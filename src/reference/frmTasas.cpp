#include "reference/frmTasas.h"

#include "common/contexto.h"
#include "database/entorno.h"
#include "forms/eventos_foco.h"
#include "forms/textos_formularios.h"
#include "platform/reloj.h"
#include "reference/valores_pantalla.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

std::vector<ColumnaGrilla> columnas()
{
    //        field       caption        alignment          width resizable
    std::vector<ColumnaGrilla> c = {
        {u"FechaVig"_s, u"Vigencia"_s, Qt::AlignHCenter, 11, false},
        {u"Tasa"_s,     u"Tasa"_s,     Qt::AlignRight,    8, false},
    };
    c[0].formato = pantalla::fechaDesdeColumna;
    c[1].formato = pantalla::tasaDesdeColumna;
    return c;
}

} // namespace

frmTasas::frmTasas(Contexto& contexto, QWidget* parent)
    : FormularioRegistro(contexto,
                         {.nombre = u"frmTasas"_s,
                          .titulo = u"Tasas"_s,
                          .tabla = u"Tasas"_s,
                          .nombreGrilla = u"dbgTasas"_s,
                          .nombreMarco = u"fraTasa"_s,
                          .ayudaGrilla = {},
                          .conOrden = false,
                          .textoModificar = u"Modificar"_s},
                         parent),
      txtFecha_(caja(u"txtFecha"_s, CajaTexto::Tipo::Libre, 10)),
      txtTasa_(caja(u"txtTasa"_s, CajaTexto::Tipo::Importe, 5))
{
    QGridLayout* r = rejilla();
    r->addWidget(etiqueta(u"Fecha Vigencia :"_s, txtFecha_), 0, 0);
    r->addWidget(txtFecha_, 0, 1);
    r->addWidget(etiqueta(u"Tasa :"_s, txtTasa_), 1, 0);
    r->addWidget(txtTasa_, 1, 1);
    r->setColumnStretch(2, 1);

    // No column orders: the rates always show by validity date.
    setColumnas(columnas(), u"FechaVig"_s);
    enlazar(
        u"FechaVig"_s,
        [this] {
            const auto fecha = pantalla::leerFecha(txtFecha_->text());
            return fecha ? QVariant(fecha->toString(Qt::ISODate)) : QVariant();
        },
        [this](const QVariant& v) { txtFecha_->setText(pantalla::fechaDesdeColumna(v)); });
    enlazar(
        u"Tasa"_s,
        [this] {
            const auto tasa = Importe::leer(txtTasa_->text().trimmed(), entorno().separadorDecimal());
            return tasa ? tasa->aColumna() : QVariant();
        },
        [this](const QVariant& v) {
            txtTasa_->setText(v.isNull() ? QString() : pantalla::tasaDesdeColumna(v));
        });
    // A modification may move a rate to another validity date: no key is locked.
    setFocos(txtFecha_, txtFecha_);
    setClaveRepetida(u"Ya existe un registro con esos datos,"_s, txtFecha_);
    setPreguntaBorrar(u"¿Confirma la eliminación de la tasa seleccionada?"_s);
    setVerificaciones({
        {[this] { return pantalla::leerFecha(txtFecha_->text()).has_value(); },
         u"La fecha indicada no es válida."_s, txtFecha_},
        // A rate box that never had the focus was never checked: no row without a rate.
        {[this] { return revisarTasa(); }, {}, txtTasa_},
    });

    alSalir(txtTasa_, [this] {
        if (modo() != Modo::Navegando && !revisarTasa()) volverA(txtTasa_);
    });

    resize(480, 440);
    iniciar();
}

void frmTasas::valoresIniciales()
{
    txtFecha_->setText(pantalla::fecha(contexto().reloj.hoy()));
}

bool frmTasas::revisarTasa()
{
    switch (pantalla::controlarTasa(txtTasa_->text(), entorno().separadorDecimal())) {
    case pantalla::EstadoTasa::NoEsNumero:
        dialogs().aviso(u"La tasa ingresada no es un número válido."_s, textos::AtencionPuntos,
                        Icono::Informacion);
        return false;
    case pantalla::EstadoTasa::SuperaMaximo:
        dialogs().aviso(pantalla::mensajeTasaMaxima(), textos::AtencionPuntos, Icono::Informacion);
        return false;
    case pantalla::EstadoTasa::Valida:
        break;
    }
    return true;
}
