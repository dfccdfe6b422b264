#include "details/frmRetxCab.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "details/impresion_retenciones.h"
#include "details/retenciones_declaracion.h"
#include "forms/ayuda.h"
#include "forms/cursor_espera.h"
#include "forms/grilla_registros.h"
#include "forms/textos_formularios.h"
#include "platform/dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScopeGuard>

using namespace Qt::Literals::StringLiterals;

namespace {

// "Fixed": two decimals with the locale's separator, no thousands separator.
QString fijo(Importe importe)
{
    return importe.formato(u"0.00", QLocale());
}

constexpr int kColumnaComprobante = 5;

} // namespace

frmRetxCab::frmRetxCab(Contexto& contexto, QWidget* parent)
    : QDialog(parent), contexto_(contexto),
      protegido_(contexto.dialogs, Protector::Aviso::Numerado),
      ordenRetenciones_(kOrdenRetencionesInicial)
{
    crearPantalla();
    instalarAyudaF1(*this, contexto_, [] { return u"frmRetxCab"_s; }, &protegido_);
    // Each opening loads the window anew, so its first activation runs here.
    protegido_([this] { formActivate(); });
}

void frmRetxCab::formActivate()
{
    if (!primeraActivacion_) return;
    // The concepts in the table's stored order, after the item of every concept.
    for (const QSqlRecord& f : contexto_.base.filas(u"SELECT * FROM Conceptos ORDER BY rowid"_s)) {
        const Concepto concepto = conceptoDe(f);
        cbxConcepto->addItem(concepto.codConcepto + u" - "_s + concepto.descripcion);
    }
    cbxConcepto->setCurrentIndex(0);
    cbxConceptoClick(0);
    dbgCabecerasHeadClick(0);
    primeraActivacion_ = false;
}

// The first item shows every concept; any other, its own alone (a concept stored under "00"
// included).
void frmRetxCab::cbxConceptoClick(int item)
{
    conceptoFiltro_ = item <= 0 ? std::nullopt
                                 : std::optional(cbxConcepto->itemText(item).left(2));
    if (!primeraActivacion_) dbgCabecerasRowColChange();
}

void frmRetxCab::dbgCabecerasHeadClick(int columna)
{
    const std::optional<OrdenGrilla> orden = ordenCabeceras(columna);
    if (!orden) {
        contexto_.dialogs.aviso(textos::SinOrdenamiento, textos::AtencionPuntos,
                                Icono::Informacion);
        return;
    }
    CursorEspera espera;
    {
        // The current declaration is placed once, on the last row, and followed below.
        moviendo_ = true;
        const auto fin = qScopeGuard([this] { moviendo_ = false; });
        dbgCabeceras->consultar(orden->orden);
        lblCabeceras->setText(orden->rotulo);
        dbgCabeceras->irAUltima();
    }
    if (dbgCabeceras->hayFilas())
        dbgCabecerasRowColChange();
    else
        sinDeclaracion();
}

void frmRetxCab::sinDeclaracion()
{
    cabecera_.reset();
    cmdSacarTClick();
    const FiltroRetenciones nada = filtroRetenciones(0, std::nullopt);
    dbgRetenciones->modelo().setFuente(u"Retenciones"_s, nada.sql, nada.valores);
    dbgRetenciones->consultar(ordenRetenciones(ordenRetenciones_)->orden);
    for (QPushButton* b : {cmdImprimir, cmdAgregar, cmdAgregarT}) b->setEnabled(false);
}

void frmRetxCab::dbgCabecerasRowColChange()
{
    if (moviendo_) return;
    cmdSacarTClick();
    cabecera_.reset();
    if (const auto fila = dbgCabeceras->registroActual()) cabecera_ = cabeceraDe(*fila);
    if (dbgCabeceras->hayFilas()) dbgRetencionesHeadClick(ordenRetenciones_);

    CursorEspera espera;
    const TotalesRetenciones totales =
        cabecera_ ? totalesRetenciones(contexto_.base,
                                       filtroRetenciones(cabecera_->idCabecera, conceptoFiltro_))
                  : TotalesRetenciones{};
    const bool hay = totales.cantidad > 0;
    for (QPushButton* b : {cmdImprimir, cmdAgregar, cmdAgregarT}) b->setEnabled(hay);
    lblCantidad->setText(QString::number(totales.cantidad));
    lblTotBruto->setText(fijo(totales.bruto));
    lblTotRetenido->setText(fijo(totales.retenido));
}

void frmRetxCab::dbgRetencionesHeadClick(int columna)
{
    if (!cabecera_) return;
    const std::optional<OrdenGrilla> orden = ordenRetenciones(columna);
    if (!orden) {
        contexto_.dialogs.aviso(textos::SinOrdenamiento, textos::AtencionPuntos,
                                Icono::Informacion);
        return;
    }
    CursorEspera espera;
    const FiltroRetenciones filtro = filtroRetenciones(cabecera_->idCabecera, conceptoFiltro_);
    dbgRetenciones->modelo().setFuente(u"Retenciones"_s, filtro.sql, filtro.valores);
    dbgRetenciones->consultar(orden->orden);
    lblRetenciones->setText(orden->rotulo);
    // As a data grid does after a re-query, the first row is current.
    dbgRetenciones->irAFila(0);
    ordenRetenciones_ = columna;
}

void frmRetxCab::cmdAgregarClick()
{
    const int fila = dbgRetenciones->filaActual();
    if (fila < 0) return;
    const QString nro =
        dbgRetenciones->modelo().index(fila, kColumnaComprobante).data(Qt::EditRole).toString();
    for (int i = 0; i < lstComprob->count(); ++i) {
        if (lstComprob->item(i)->text() != nro) continue;
        contexto_.dialogs.aviso(
            u"El registro ya se encuentra en la lista de impresión de comprobantes."_s,
            u"Aviso"_s, Icono::Informacion);
        lstComprob->setCurrentRow(i);
        return;
    }
    lstComprob->addItem(nro);
    habilitarLista();
    lstComprob->setCurrentRow(lstComprob->count() - 1);
}

void frmRetxCab::cmdAgregarTClick()
{
    if (!cabecera_) return;
    CursorEspera espera;
    lstComprob->clear();
    lstComprob->addItems(comprobantesMostrados(
        contexto_.base, filtroRetenciones(cabecera_->idCabecera, conceptoFiltro_),
        ordenRetenciones(ordenRetenciones_)->orden));
    dbgRetenciones->irAUltima();
    habilitarLista();
    lstComprob->setCurrentRow(lstComprob->count() - 1);
}

void frmRetxCab::cmdSacarClick()
{
    const int i = lstComprob->currentRow();
    if (i < 0) return;
    delete lstComprob->takeItem(i);
    habilitarLista();
    // The entry that moved into the removed place, or the new last one, or none.
    lstComprob->setCurrentRow(i < lstComprob->count() ? i : lstComprob->count() - 1);
}

void frmRetxCab::cmdSacarTClick()
{
    lstComprob->clear();
    habilitarLista();
}

void frmRetxCab::habilitarLista()
{
    const bool hay = lstComprob->count() > 0;
    for (QPushButton* b : {cmdImprimirC, cmdSacar, cmdSacarT}) b->setEnabled(hay);
}

void frmRetxCab::cmdImprimirClick()
{
    if (cabecera_) imprimirListado(contexto_, *cabecera_);
}

void frmRetxCab::cmdImprimirCClick()
{
    if (!cabecera_ || lstComprob->count() == 0) return;
    QStringList comprobantes;
    for (int i = 0; i < lstComprob->count(); ++i) comprobantes << lstComprob->item(i)->text();
    imprimirComprobantesLote(contexto_, *cabecera_, comprobantes);
}
