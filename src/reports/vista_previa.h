#pragma once
// The preview window of a report: its sheets one below the other, each painted when it comes on
// the screen and forgotten when it leaves it. The first sheet shows at once; the rest are laid out
// a few at a time between the user's own actions, so the window scrolls and closes meanwhile.
// From it the user prints, zooms and moves between sheets; the engine adds saving as PDF.

#include "reports/paginas_reporte.h"

#include <QDialog>

class HojasVista;
class QPrinter;
class QSpinBox;
class QTimer;
class QToolBar;

class VistaPrevia final : public QDialog {
    Q_OBJECT

public:
    VistaPrevia(const Reporte& reporte, int copias, QWidget* parent = nullptr);
    ~VistaPrevia() override;

    QToolBar* barra() const { return barra_; }
    // Every copy printed on the printer (a PDF printer too), set to the layouts' A4 sheet; false
    // when it refused or the rows could not be read.
    bool imprimirEn(QPrinter& impresora);
    // The sheets laid out so far, and whether that is all of them.
    int hojasConocidas() const { return paginas_.conocidas(); }
    bool hojasCompletas() const { return paginas_.completas(); }

private:
    void prepararMas();
    void irAHoja(int hoja);
    void irAlFinalSiSeConoce();
    void mostrarHojaActual();
    void imprimir();

    const Reporte& reporte_;
    PaginasReporte paginas_;
    QToolBar* barra_;
    HojasVista* hojas_;
    QSpinBox* numero_;
    QTimer* preparar_;
    bool fallo_ = false;  // the rows could not be read: no more sheets are prepared
    bool irAlFinal_ = false;  // "Última página" asked for before the last sheet was known
};
