#include "reference/frmVencimientos.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/filas.h"
#include "forms/eventos_foco.h"
#include "platform/reloj.h"
#include "reference/valores_pantalla.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

QString conCeros(const QString& texto, int ancho)
{
    const QString limpio = texto.trimmed();
    return QString::number(limpio.isEmpty() ? 0 : limpio.toInt()).rightJustified(ancho, u'0');
}

std::vector<ColumnaGrilla> columnas()
{
    //        field    caption    alignment          width resizable
    std::vector<ColumnaGrilla> c = {
        {u"Anio"_s,  u"Año"_s,   Qt::AlignHCenter, 6, false},
        {u"Mes"_s,   u"Mes"_s,   Qt::AlignHCenter, 5, false},
        {u"Fecha"_s, u"Fecha"_s, Qt::AlignRight,   9, false},
    };
    c[1].formato = [](const QVariant& v) { return conCeros(v.toString(), 2); };
    c[2].formato = pantalla::fechaDesdeColumna;
    return c;
}

} // namespace

frmVencimientos::frmVencimientos(Contexto& contexto, QWidget* parent)
    : FormularioRegistro(contexto,
                         {.nombre = u"frmVencimientos"_s,
                          .titulo = u"Vencimientos"_s,
                          .tabla = u"Vencimientos"_s,
                          .nombreGrilla = u"dbgVencimientos"_s,
                          .nombreMarco = u"fraVencimiento"_s,
                          .ayudaGrilla = {},
                          .conOrden = false,
                          .textoModificar = u"Modificar"_s},
                         parent),
      txtMes_(caja(u"txtMes"_s, CajaTexto::Tipo::Codigo, 2)),
      txtAnio_(caja(u"txtAnio"_s, CajaTexto::Tipo::Codigo, 4)),
      txtFecha_(caja(u"txtFecha"_s, CajaTexto::Tipo::Libre, 10))
{
    QGridLayout* r = rejilla();
    r->addWidget(etiqueta(u"Mes :"_s, txtMes_), 0, 0);
    r->addWidget(txtMes_, 0, 1);
    r->addWidget(etiqueta(u"Año :"_s, txtAnio_), 0, 2, Qt::AlignRight);
    r->addWidget(txtAnio_, 0, 3);
    r->addWidget(etiqueta(u"Fecha Vencim.:"_s, txtFecha_), 1, 0);
    r->addWidget(txtFecha_, 1, 1, 1, 3);
    r->setColumnStretch(4, 1);
    setTabOrder(txtMes_, txtAnio_);
    setTabOrder(txtAnio_, txtFecha_);

    // No column orders: the due dates always show by year and month.
    setColumnas(columnas(), u"Anio, Mes"_s);
    enlazar(
        u"Mes"_s, [this] { return QVariant(txtMes_->text().toInt()); },
        [this](const QVariant& v) {
            txtMes_->setText(v.isNull() ? QString() : conCeros(v.toString(), 2));
        });
    enlazar(
        u"Anio"_s, [this] { return QVariant(txtAnio_->text().toInt()); },
        [this](const QVariant& v) { txtAnio_->setText(v.isNull() ? QString() : v.toString()); });
    enlazar(
        u"Fecha"_s,
        [this] {
            const auto fecha = pantalla::leerFecha(txtFecha_->text());
            return fecha ? QVariant(fecha->toString(Qt::ISODate)) : QVariant();
        },
        [this](const QVariant& v) { txtFecha_->setText(pantalla::fechaDesdeColumna(v)); });
    // Month and year stay editable on Modificar: no key is locked.
    setFocos(txtMes_, txtMes_);
    setClaveRepetida(u"Ya existe un registro con esos datos,"_s, txtMes_);
    setPreguntaBorrar(u"¿Confirma la eliminación del vencimiento seleccionado?"_s);
    // Month and year are compared as the text their boxes leave, which has fixed width.
    setVerificaciones({
        {[this] {
             completarMesYAnio();  // as if the boxes had been left: Grabar may come from them
             return txtMes_->text() >= u"01"_s && txtMes_->text() <= u"12"_s;
         },
         u"El mes indicado no es válido."_s, txtMes_},
        {[this] { return txtAnio_->text() >= u"1999"_s && txtAnio_->text() <= u"2050"_s; },
         u"El año indicado no es válido."_s, txtAnio_},
        {[this] { return pantalla::leerFecha(txtFecha_->text()).has_value(); },
         u"La fecha indicada no es válida."_s, txtFecha_},
        {[this] {
             const QDate primerDia(txtAnio_->text().toInt(), txtMes_->text().toInt(), 1);
             return primerDia <= *pantalla::leerFecha(txtFecha_->text());
         },
         u"La fecha de vencimiento no puede ser anterior al mes indicado."_s, txtFecha_},
    });

    alSalir(txtMes_, [this] {
        if (modo() != Modo::Navegando) txtMes_->setText(conCeros(txtMes_->text(), 2));
    });
    alSalir(txtAnio_, [this] {
        if (modo() != Modo::Navegando) txtAnio_->setText(conCeros(txtAnio_->text(), 4));
    });

    resize(460, 440);
    iniciar();
}

void frmVencimientos::completarMesYAnio()
{
    txtMes_->setText(conCeros(txtMes_->text(), 2));
    txtAnio_->setText(conCeros(txtAnio_->text(), 4));
}

// The month after the latest one stored; with none stored, the month after today's.
void frmVencimientos::valoresIniciales()
{
    const QDate hoy = contexto().reloj.hoy();
    int mes = hoy.month();
    int anio = hoy.year();
    protegido()([&] {
        if (const auto ultimo = base().fila(
                u"SELECT * FROM Vencimientos ORDER BY Anio DESC, Mes DESC LIMIT 1"_s)) {
            const Vencimiento v = vencimientoDe(*ultimo);
            anio = v.anio;
            mes = v.mes;
        }
    });
    if (mes == 12) {
        mes = 1;
        ++anio;
    } else {
        ++mes;
    }
    txtMes_->setText(conCeros(QString::number(mes), 2));
    txtAnio_->setText(QString::number(anio));
}
