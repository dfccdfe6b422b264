#include "forms/eventos_foco.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FiltroFoco final : public QObject {
public:
    FiltroFoco(QWidget* control, QEvent::Type tipo, std::function<void()> accion,
               bool alVolver, bool haciaCancelar)
        : QObject(control), tipo_(tipo), accion_(std::move(accion)), alVolver_(alVolver),
          haciaCancelar_(haciaCancelar)
    {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* evento) override
    {
        if (evento->type() != tipo_ || ocupado_) return false;
        const Qt::FocusReason razon = static_cast<QFocusEvent*>(evento)->reason();
        if (!alVolver_ && (razon == Qt::ActiveWindowFocusReason || razon == Qt::PopupFocusReason))
            return false;
        // Qt names the new focus before the old one hears of its loss.
        if (tipo_ == QEvent::FocusOut && !haciaCancelar_) {
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
    bool alVolver_;
    bool haciaCancelar_;
    bool ocupado_ = false;
};

class FiltroTeclas final : public QObject {
public:
    FiltroTeclas(QWidget* control, std::function<bool(const QKeyEvent&)> rechaza)
        : QObject(control), rechaza_(std::move(rechaza))
    {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* evento) override
    {
        return evento->type() == QEvent::KeyPress && rechaza_(*static_cast<QKeyEvent*>(evento));
    }

private:
    std::function<bool(const QKeyEvent&)> rechaza_;
};

} // namespace

void alEntrar(QWidget* control, std::function<void()> accion, AlVolver alVolver)
{
    new FiltroFoco(control, QEvent::FocusIn, std::move(accion), alVolver == AlVolver::Cuenta,
                   true);
}

void alSalir(QWidget* control, std::function<void()> accion, HaciaCancelar haciaCancelar)
{
    // Leaving for another window never counts.
    new FiltroFoco(control, QEvent::FocusOut, std::move(accion), false,
                   haciaCancelar == HaciaCancelar::Cuenta);
}

void volverA(QWidget* control)
{
    QTimer::singleShot(0, control, [control] { control->setFocus(Qt::OtherFocusReason); });
}

void filtrarTeclas(QWidget* control, std::function<bool(const QKeyEvent&)> rechaza)
{
    new FiltroTeclas(control, std::move(rechaza));
}
