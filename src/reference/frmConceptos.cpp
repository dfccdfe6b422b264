#include "reference/frmConceptos.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "forms/textos_formularios.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

namespace {

// The concepts the system itself needs; they come back at every start.
constexpr int kPrimerReservado = 97;

std::vector<ColumnaGrilla> columnas()
{
    // A click on the code orders by code; on any other column, by description.
    //        field           caption           alignment         width resizable order label
    return {
        {u"Cod_Concepto"_s, u"Código"_s,      Qt::AlignHCenter,  6, false, u"  Ordenados por: Código"_s},
        {u"Descripcion"_s,  u"Descripción"_s, Qt::AlignLeft,    32, false, u"  Ordenados por: Descripción"_s},
    };
}

} // namespace

frmConceptos::frmConceptos(Contexto& contexto, QWidget* parent)
    : FormularioDe(contexto,
                         {.nombre = u"frmConceptos"_s,
                          .titulo = u"Conceptos de Retenciones/Percepciones"_s,
                          .tabla = u"Conceptos"_s,
                          .nombreGrilla = u"dbgConceptos"_s,
                          .nombreMarco = u"fraConcepto"_s,
                          .ayudaGrilla = textos::AyudaOrdenar,
                          .modificar = false,
                          .seleccionar = true},
                         parent),
      mskCodConcepto_(caja(u"mskCodConcepto"_s, CajaTexto::Tipo::Codigo, 2)),
      txtDescripcion_(caja(u"txtDescripcion"_s, CajaTexto::Tipo::Mayusculas, 30))
{
    mskCodConcepto_->setCeros(2);

    QGridLayout* r = rejilla();
    r->addWidget(etiqueta(u"Código:"_s, mskCodConcepto_), 0, 0);
    r->addWidget(mskCodConcepto_, 0, 1);
    r->addWidget(etiqueta(u"Descripción:"_s, txtDescripcion_), 1, 0);
    r->addWidget(txtDescripcion_, 1, 1, 1, 2);
    r->setColumnStretch(2, 1);

    setColumnas(columnas());
    enlazar(u"Cod_Concepto"_s, mskCodConcepto_);
    enlazar(u"Descripcion"_s, txtDescripcion_);
    setFocos(mskCodConcepto_, mskCodConcepto_);
    setClaveRepetida(u"Ya existe un registro con ese código,"_s, mskCodConcepto_);
    setPreguntaBorrar(u"¿Confirma la eliminación del concepto seleccionado?"_s);
    setVerificaciones({
        {[this] { return !txtDescripcion_->text().trimmed().isEmpty(); },
         u"Debe ingresar una descripción."_s, txtDescripcion_},
    });
    setGuardas({
        {[this] { return mskCodConcepto_->valor().toInt() >= kPrimerReservado; },
         u"Este concepto no puede ser eliminado"_s, kTituloAplicacion, Icono::Exclamacion},
        // Annulled withholdings count as well.
        {[this] {
             return base().existe(u"SELECT Cod_Concepto FROM Retenciones WHERE Cod_Concepto = ?"_s,
                                  {mskCodConcepto_->valor()});
         },
         u"Hay retenciones cargadas con este concepto."_s},
    });

    resize(600, 440);
    iniciar();
}

QString frmConceptos::codigoSeleccionado(const Concepto& concepto) const
{
    return concepto.codConcepto.trimmed().rightJustified(2, u'0');
}
