#include "reference/frmTipos.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "database/entorno.h"
#include "forms/eventos_foco.h"
#include "forms/textos_formularios.h"
#include "reference/valores_pantalla.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

std::vector<ColumnaGrilla> columnas()
{
    const QString porCodigo = u"  Ordenados por: Código"_s;
    //        field          caption          alignment          width resizable order label  ORDER BY
    std::vector<ColumnaGrilla> c = {
        {u"Clase"_s,       u"Clase"_s,       Qt::AlignHCenter,  5, false, porCodigo,  u"Tipo"_s},
        {u"Tipo"_s,        u"Tipo"_s,        Qt::AlignHCenter,  5, false, porCodigo,  u"Tipo"_s},
        {u"Descripcion"_s, u"Descripcion"_s, Qt::AlignLeft,    40, true,  u"  Ordenados por: Descripción"_s},
        {u"Valor"_s,       u"Valor"_s,       Qt::AlignRight,   14, false, u"  Ordenados por: Valor"_s},
    };
    c[3].formato = pantalla::valorDesdeColumna;
    return c;
}

QString codigoDosCifras(qint64 tipo)
{
    return QString::number(tipo).rightJustified(2, u'0');
}

} // namespace

frmTipos::frmTipos(Contexto& contexto, QWidget* parent)
    : FormularioDe(contexto,
                         {.nombre = u"frmTipos"_s,
                          .titulo = u"Tipos de Ganado / Cereales"_s,
                          .tabla = u"Tipos"_s,
                          .nombreGrilla = u"dbgTipos"_s,
                          .nombreMarco = u"fraTipos"_s,
                          .ayudaGrilla = textos::AyudaOrdenar,
                          .seleccionar = true},
                         parent),
      mskTipo_(caja(u"mskTipo"_s, CajaTexto::Tipo::Codigo, 2)),
      txtDescripcion_(caja(u"txtDescripcion"_s, CajaTexto::Tipo::Mayusculas, 100)),
      txtValor_(caja(u"TxtValor"_s, CajaTexto::Tipo::Importe, 0))
{
    mskTipo_->setCeros(2);

    QGridLayout* r = rejilla();
    const auto rotulo = [this](const QString& nombre, const QString& texto, QWidget* control) {
        QLabel* l = etiqueta(texto, control);
        l->setObjectName(nombre);
        return l;
    };
    r->addWidget(rotulo(u"lblNroContrib"_s, u"Código:"_s, mskTipo_), 0, 0);
    r->addWidget(mskTipo_, 0, 1);
    r->addWidget(rotulo(u"Label1"_s, u"Valor:"_s, txtValor_), 0, 2, Qt::AlignRight);
    r->addWidget(txtValor_, 0, 3);
    r->addWidget(rotulo(u"lblRazonSocial"_s, u"Descripción:"_s, txtDescripcion_), 1, 0);
    r->addWidget(txtDescripcion_, 1, 1, 1, 4);
    r->setColumnStretch(4, 1);

    setColumnas(columnas());
    enlazar(
        u"Tipo"_s, [this] { return QVariant(mskTipo_->valor().toInt()); },
        [this](const QVariant& v) {
            if (v.isNull()) mskTipo_->vaciar();
            else mskTipo_->setText(codigoDosCifras(v.toLongLong()));
        });
    enlazar(u"Descripcion"_s, txtDescripcion_);
    enlazar(
        u"Valor"_s,
        [this] {
            const auto valor = pantalla::leerValor(txtValor_->text(), entorno().separadorDecimal());
            return valor ? valor->aColumna() : QVariant();
        },
        [this](const QVariant& v) {
            txtValor_->setText(v.isNull() ? QString() : pantalla::valorDesdeColumna(v));
        });
    // The code may change on Modificar: no key is locked.
    setFocos(mskTipo_, mskTipo_);
    setClaveRepetida(u"Ya existe un registro con ese código,"_s, mskTipo_);
    setPreguntaBorrar(u"¿Confirma la eliminación del código seleccionado?"_s);
    setVerificaciones({
        {[this] { return !txtDescripcion_->text().trimmed().isEmpty(); },
         u"Debe ingresar una descripción."_s, txtDescripcion_},
        {[this] {
             return !pantalla::valorDemasiadoGrande(txtValor_->text(),
                                                    entorno().separadorDecimal());
         },
         u"El valor ingresado es demasiado grande."_s, txtValor_},
        {[this] {
             return pantalla::leerValor(txtValor_->text(), entorno().separadorDecimal())
                 .has_value();
         },
         u"Debe ingresar el Valor."_s, txtValor_},
    });
    ponerGuarda();

    // The value shows as "$ 1.234,50"; it is edited as typed.
    alEntrar(txtValor_, [this] {
        const auto valor = pantalla::leerValor(txtValor_->text(), entorno().separadorDecimal());
        if (valor && txtValor_->text().trimmed().startsWith(u'$'))
            txtValor_->setText(valor->conPunto().replace(u'.', entorno().separadorDecimal()));
    });
    alSalir(txtValor_, [this] {
        const auto valor = pantalla::leerValor(txtValor_->text(), entorno().separadorDecimal());
        if (valor) txtValor_->setText(pantalla::valor(*valor));
    });

    resize(760, 500);
    iniciar();
}

void frmTipos::setearSeleccion(int tipoSeleccion)
{
    clase_ = tipoSeleccion;
    ponerGuarda();
    static const QString titulos[] = {u"Tipos de Ganado / Cereales"_s, u"Tipos de Ganado"_s,
                                      u"Tipos de Cereales"_s, u"Tipos de Alimentos"_s};
    if (tipoSeleccion < 0 || tipoSeleccion > 3) return;
    setWindowTitle(titulos[tipoSeleccion]);
    if (tipoSeleccion == 0) setFiltro({}, {});
    else setFiltro(u"Clase = ?"_s, {tipoSeleccion});
    // The form was already laid out for every class when it was made: again, for this one.
    iniciar();
}

// The refusal names what the class's detail rows are: guides for livestock, stamps otherwise.
void frmTipos::ponerGuarda()
{
    const QString detalles = clase_ == 1 ? u"guias"_s : u"obleas"_s;
    setGuardas({
        // The detail rows do not say their class: one of any class with the code blocks it.
        {[this] {
             return base().existe(u"SELECT 1 FROM Guias WHERE Tipo = ?"_s,
                                  {mskTipo_->valor().toInt()});
         },
         u"Hay retenciones con "_s + detalles + u" cargadas con este código."_s},
    });
}

void frmTipos::completarValores(QVariantMap& valores)
{
    valores.insert(u"Clase"_s, clase_);
}

QString frmTipos::codigoSeleccionado(const Tipo& tipo) const
{
    return codigoDosCifras(tipo.tipo);
}
