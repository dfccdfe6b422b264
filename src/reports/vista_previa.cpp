#include "reports/vista_previa.h"

#include "database/error_motor.h"
#include "reports/hojas_a4.h"
#include "reports/reporte.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <functional>
#include <map>

namespace {

constexpr int kEspacio = 12;         // pixels around each sheet
constexpr int kHojasPorPaso = 20;    // sheets laid out between two of the user's actions
constexpr double kZoomMinimo = 0.5;  // pixels per millimetre
constexpr double kZoomMaximo = 20.0;

} // namespace

// The sheets one below the other on a grey ground; only those on the screen are painted, and
// only they are kept.
class HojasVista final : public QAbstractScrollArea {
public:
    enum class Ajuste { Ancho, Hoja, Libre };

    HojasVista(PaginasReporte& paginas, QWidget* parent)
        : QAbstractScrollArea(parent), paginas_(paginas)
    {
        viewport()->setAutoFillBackground(false);
        verticalScrollBar()->setSingleStep(40);
        horizontalScrollBar()->setSingleStep(40);
    }

    std::function<void()> alMoverse;
    std::function<void()> alPintar;

    void setHojas(int hojas)
    {
        if (hojas == hojas_) return;
        hojas_ = std::max(1, hojas);
        actualizarBarras();
    }
    int hojaActual() const
    {
        const int centro = verticalScrollBar()->value() + viewport()->height() / 2;
        return std::clamp(centro / paso(), 0, hojas_ - 1);
    }
    void irAHoja(int hoja)
    {
        verticalScrollBar()->setValue(std::clamp(hoja, 0, hojas_ - 1) * paso());
    }
    void ajustar(Ajuste ajuste)
    {
        ajuste_ = ajuste;
        aplicarAjuste();
    }
    void zoomPor(double factor)
    {
        const int hoja = hojaActual();
        ajuste_ = Ajuste::Libre;
        zoom_ = std::clamp(zoom_ * factor, kZoomMinimo, kZoomMaximo);
        cambioDeTamanio(hoja);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(viewport());
        p.fillRect(viewport()->rect(), QColor(128, 128, 128));
        const QSize t = tamanioHoja();
        const int y0 = verticalScrollBar()->value();
        const int x = viewport()->width() > t.width() + 2 * kEspacio
                          ? (viewport()->width() - t.width()) / 2
                          : kEspacio - horizontalScrollBar()->value();
        const int primera = std::max(0, y0 / paso());
        const int ultima = std::min(hojas_ - 1, (y0 + viewport()->height()) / paso());
        std::map<int, QImage> quedan;
        for (int h = primera; h <= ultima; ++h) {
            QImage imagen;
            const auto it = visibles_.find(h);
            if (it != visibles_.end() && it->second.size() == t) {
                imagen = std::move(it->second);
            } else {
                imagen = QImage(t, QImage::Format_RGB32);
                try {
                    paginas_.pintar(h, imagen);
                } catch (const ErrorMotor&) {
                    imagen.fill(Qt::white);
                }
            }
            const QPoint esquina(x, kEspacio + h * paso() - y0);
            p.fillRect(QRect(esquina + QPoint(3, 3), t), QColor(80, 80, 80));
            p.drawImage(esquina, imagen);
            quedan.emplace(h, std::move(imagen));
        }
        visibles_ = std::move(quedan);
        if (alPintar) alPintar();
    }
    void resizeEvent(QResizeEvent*) override
    {
        if (ajuste_ == Ajuste::Libre) {
            actualizarBarras();
            return;
        }
        aplicarAjuste();
    }
    void scrollContentsBy(int, int) override
    {
        viewport()->update();
        if (alMoverse) alMoverse();
    }

private:
    QSize tamanioHoja() const
    {
        return QSize(qRound(Lienzo::kAnchoA4 * zoom_), qRound(Lienzo::kAltoA4 * zoom_));
    }
    int paso() const { return tamanioHoja().height() + kEspacio; }

    void aplicarAjuste()
    {
        const int hoja = hojaActual();
        const QSize v = viewport()->size();
        if (ajuste_ == Ajuste::Ancho)
            zoom_ = (v.width() - 2 * kEspacio - verticalScrollBar()->sizeHint().width())
                    / Lienzo::kAnchoA4;
        else if (ajuste_ == Ajuste::Hoja)
            zoom_ = std::min((v.width() - 2 * kEspacio) / Lienzo::kAnchoA4,
                             (v.height() - 2 * kEspacio) / Lienzo::kAltoA4);
        zoom_ = std::clamp(zoom_, kZoomMinimo, kZoomMaximo);
        cambioDeTamanio(hoja);
    }
    void cambioDeTamanio(int hoja)
    {
        visibles_.clear();
        actualizarBarras();
        irAHoja(hoja);
        viewport()->update();
    }
    void actualizarBarras()
    {
        const QSize t = tamanioHoja();
        const QSize v = viewport()->size();
        verticalScrollBar()->setPageStep(v.height());
        verticalScrollBar()->setRange(0, std::max(0, hojas_ * paso() + kEspacio - v.height()));
        horizontalScrollBar()->setPageStep(v.width());
        horizontalScrollBar()->setRange(0, std::max(0, t.width() + 2 * kEspacio - v.width()));
        if (alMoverse) alMoverse();
    }

    PaginasReporte& paginas_;
    int hojas_ = 1;
    double zoom_ = 3.0;
    Ajuste ajuste_ = Ajuste::Ancho;
    std::map<int, QImage> visibles_;
};

VistaPrevia::VistaPrevia(const Reporte& reporte, int copias, QWidget* parent)
    : QDialog(parent),
      reporte_(reporte),
      paginas_(reporte, copias),
      barra_(new QToolBar(this)),
      hojas_(new HojasVista(paginas_, this)),
      numero_(new QSpinBox(this)),
      preparar_(new QTimer(this))
{
    setWindowTitle(QStringLiteral("Vista previa - ") + reporte.titulo());
    auto* capas = new QVBoxLayout(this);
    capas->setContentsMargins(0, 0, 0, 0);
    capas->setSpacing(0);
    capas->addWidget(barra_);
    capas->addWidget(hojas_, 1);

    const auto accion = [this](const QString& texto, auto&& hacer) {
        QAction* a = barra_->addAction(texto);
        connect(a, &QAction::triggered, this, std::forward<decltype(hacer)>(hacer));
        return a;
    };
    accion(QStringLiteral("Imprimir..."), [this] { imprimir(); });
    barra_->addSeparator();
    accion(QStringLiteral("Ajustar al ancho"), [this] { hojas_->ajustar(HojasVista::Ajuste::Ancho); });
    accion(QStringLiteral("Ajustar a la página"),
           [this] { hojas_->ajustar(HojasVista::Ajuste::Hoja); });
    accion(QStringLiteral("Alejar"), [this] { hojas_->zoomPor(1 / 1.25); });
    accion(QStringLiteral("Acercar"), [this] { hojas_->zoomPor(1.25); });
    barra_->addSeparator();
    // The arrows carry the moves between sheets; their names show as tips.
    const auto icono = [this](QAction* a, QStyle::StandardPixmap dibujo) {
        a->setIcon(style()->standardIcon(dibujo));
    };
    icono(accion(QStringLiteral("Primera página"), [this] { irAHoja(0); }),
          QStyle::SP_MediaSkipBackward);
    icono(accion(QStringLiteral("Página anterior"), [this] { irAHoja(hojas_->hojaActual() - 1); }),
          QStyle::SP_ArrowUp);
    numero_->setKeyboardTracking(false);
    barra_->addWidget(numero_);
    connect(numero_, &QSpinBox::valueChanged, this, [this](int n) { irAHoja(n - 1); });
    icono(accion(QStringLiteral("Página siguiente"), [this] { irAHoja(hojas_->hojaActual() + 1); }),
          QStyle::SP_ArrowDown);
    // The last sheet is known once every sheet is laid out: until then the window goes on
    // preparing them between the user's actions, and goes to the last one when it is known.
    icono(accion(QStringLiteral("Última página"),
                 [this] {
                     irAlFinal_ = true;
                     if (!paginas_.completas() && !fallo_ && !preparar_->isActive())
                         preparar_->start(0);
                     irAlFinalSiSeConoce();
                 }),
          QStyle::SP_MediaSkipForward);
    barra_->addSeparator();
    accion(QStringLiteral("Cerrar"), [this] { close(); });

    hojas_->alMoverse = [this] { mostrarHojaActual(); };
    // The first sheet is laid out now; the rest once it is on the screen, between the user's
    // actions.
    hojas_->alPintar = [this] {
        if (!paginas_.completas() && !fallo_ && !preparar_->isActive()) preparar_->start(0);
    };
    connect(preparar_, &QTimer::timeout, this, &VistaPrevia::prepararMas);
    prepararMas();
}

VistaPrevia::~VistaPrevia() = default;

void VistaPrevia::prepararMas()
{
    try {
        paginas_.avanzar(paginas_.conocidas() == 0 ? 1 : kHojasPorPaso);
    } catch (const ErrorMotor&) {
        fallo_ = true;
        preparar_->stop();
        irAlFinalSiSeConoce();
        return;
    }
    if (paginas_.completas()) preparar_->stop();
    hojas_->setHojas(paginas_.conocidas());
    irAlFinalSiSeConoce();
    mostrarHojaActual();
}

void VistaPrevia::irAHoja(int hoja)
{
    irAlFinal_ = false;  // the user went elsewhere
    hojas_->irAHoja(hoja);
}

void VistaPrevia::irAlFinalSiSeConoce()
{
    if (!irAlFinal_ || !(paginas_.completas() || fallo_)) return;
    irAlFinal_ = false;
    hojas_->irAHoja(paginas_.conocidas() - 1);
}

void VistaPrevia::mostrarHojaActual()
{
    const QSignalBlocker quieto(numero_);
    numero_->setRange(1, std::max(1, paginas_.conocidas()));
    numero_->setSuffix(QStringLiteral(" de %1%2")
                           .arg(paginas_.conocidas())
                           .arg(paginas_.completas() ? QString() : QStringLiteral("...")));
    numero_->setValue(hojas_->hojaActual() + 1);
}

bool VistaPrevia::imprimirEn(QPrinter& impresora)
{
    prepararImpresora(impresora, reporte_.titulo());
    try {
        return pintarCopias(reporte_, paginas_.copias(), impresora);
    } catch (const ErrorMotor&) {
        return false;
    }
}

void VistaPrevia::imprimir()
{
    QPrinter impresora(QPrinter::HighResolution);
    prepararImpresora(impresora, reporte_.titulo());
    QPrintDialog dialogo(&impresora, this);
    if (dialogo.exec() != QDialog::Accepted) return;
    imprimirEn(impresora);
}
