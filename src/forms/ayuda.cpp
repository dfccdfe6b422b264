#include "forms/ayuda.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "forms/frmAyuda.h"
#include "forms/protector.h"

#include <QApplication>
#include <QKeyEvent>
#include "platform/dialogs.h"

namespace {

// Sees every key of the application before the controls do, and keeps those of its window.
class AtajoAyuda final : public QObject {
public:
    AtajoAyuda(QWidget& ventana, Contexto& contexto, std::function<QString()> clave,
               const Protector* protector)
        : QObject(&ventana), ventana_(ventana), contexto_(contexto), clave_(std::move(clave)),
          protector_(protector)
    {
        qApp->installEventFilter(this);
    }
    ~AtajoAyuda() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() != QEvent::KeyRelease) return false;
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() != Qt::Key_F1 || tecla->isAutoRepeat()) return false;
        const auto* control = qobject_cast<QWidget*>(objeto);
        if (!control || control->window() != &ventana_) return false;
        const auto mostrar = [this] { mostrarAyuda(contexto_, clave_()); };
        if (protector_)
            (*protector_)(mostrar);
        else
            mostrar();
        return true;
    }

private:
    QWidget& ventana_;
    Contexto& contexto_;
    std::function<QString()> clave_;
    const Protector* protector_;
};

} // namespace

void instalarAyudaF1(QWidget& ventana, Contexto& contexto, std::function<QString()> clave,
                     const Protector* protector)
{
    new AtajoAyuda(ventana, contexto, std::move(clave), protector);
}

void mostrarAyuda(Contexto& contexto, const QString& clave)
{
    frmAyuda ventana(contexto, clave);
    contexto.dialogs.abrirModal(ventana);
}

QString claveAyudaCabeceras(const QString& tituloFormulario)
{
    return QStringLiteral("frmC-") + tituloFormulario.left(15);
}

std::optional<FilaAyuda> buscarAyuda(BaseDatos& base, const QString& clave)
{
    // The key column compares without regard to case.
    const auto fila = base.fila(QStringLiteral("SELECT \"Top\", \"Left\", \"Width\", \"Height\", "
                                               "Texto FROM Ayudas WHERE Clave = ? "
                                               "ORDER BY rowid LIMIT 1"),
                                {clave});
    if (!fila) return std::nullopt;
    return FilaAyuda{fila->value(0).toDouble(), fila->value(1).toDouble(), fila->value(2).toDouble(),
                     fila->value(3).toDouble(), fila->value(4).toString()};
}
