#include "forms/eventos_foco.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FiltroFoco final : public QObject {
public:
    FiltroFoco(QWidget* control, QEvent::Type tipo, std::function<void()> accion)
        : QObject(control), tipo_(tipo), accion_(std::move(accion))
    {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() != tipo_ || ocupado_) return false;
        const Qt::FocusReason razon = static_cast<QFocusEvent*>(evento)->reason();
        if (razon == Qt::ActiveWindowFocusReason || razon == Qt::PopupFocusReason) return false;
        // Qt names the new focus before the old one hears of its loss.
        if (tipo_ == QEvent::FocusOut) {
            const QWidget* destino = QApplication::focusWidget();
            if (destino && destino->objectName() == QLatin1String("cmdCancelar")) return false;
        }
        ocupado_ = true;
        accion_();
        ocupado_ = false;
        return false;
    }

private:
    QEvent::Type tipo_;
    std::function<void()> accion_;
    bool ocupado_ = false;
};

} // namespace

void alEntrar(QWidget* control, std::function<void()> accion)
{
    new FiltroFoco(control, QEvent::FocusIn, std::move(accion));
}

void alSalir(QWidget* control, std::function<void()> accion)
{
    new FiltroFoco(control, QEvent::FocusOut, std::move(accion));
}

void volverA(QWidget* control)
{
    QTimer::singleShot(0, control, [control] { control->setFocus(Qt::OtherFocusReason); });
}
