#include "forms/frmAyuda.h"

#include "common/contexto.h"
#include "database/base_datos.h"
#include "forms/ayuda.h"
#include "platform/dialogs.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

namespace {

double puntosPorPulgada()
{
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    return pantalla ? pantalla->logicalDotsPerInch() : 96.0;
}

} // namespace

int twipsAPixeles(double twips)
{
    return static_cast<int>(std::lround(twips * puntosPorPulgada() / 1440.0));
}

double pixelesATwips(int pixeles)
{
    return std::round(pixeles * 1440.0 / puntosPorPulgada());
}

frmAyuda::frmAyuda(Contexto& contexto, const QString& clave, bool editable, QWidget* parent)
    : QDialog(parent), contexto_(contexto), clave_(clave), editable_(editable)
{
    setObjectName(QStringLiteral("frmAyuda"));
    setWindowTitle(QStringLiteral("Ayuda"));
    setSizeGripEnabled(true);

    txtAyuda_ = new QPlainTextEdit(this);
    txtAyuda_->setObjectName(QStringLiteral("txtAyuda"));
    txtAyuda_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    cmdCerrar_ = new QPushButton(QStringLiteral("&Cerrar"), this);
    cmdCerrar_->setObjectName(QStringLiteral("cmdCerrar"));
    cmdCerrar_->setToolTip(QStringLiteral("Oculta la ventana de ayuda"));
    connect(cmdCerrar_, &QPushButton::clicked, this, &frmAyuda::cmdCerrarClick);

    // The layout keeps the text filling the window and the button at its lower right, however
    // the window is sized; below the minimum size they keep their places.
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(txtAyuda_, 1);
    auto* pie = new QHBoxLayout;
    pie->addStretch(1);
    pie->addWidget(cmdCerrar_);
    columna->addLayout(pie);
    setMinimumSize(twipsAPixeles(2350), twipsAPixeles(1665));
    resize(twipsAPixeles(7000), twipsAPixeles(5000));

    txtAyuda_->setReadOnly(!editable_);
    const QString sinAyuda = editable_ ? QString() : kSinAyuda;
    std::optional<FilaAyuda> fila;
    try {
        fila = buscarAyuda(contexto_.base, clave_);
    } catch (const ErrorMotor&) {
        // Help that cannot be read is help not available: F1 must never stop the screen.
    }
    if (!fila) {
        txtAyuda_->setPlainText(sinAyuda);
        return;
    }
    move(twipsAPixeles(fila->left), twipsAPixeles(fila->top));
    resize(twipsAPixeles(fila->width), twipsAPixeles(fila->height));
    txtAyuda_->setPlainText(fila->texto);
}

QString frmAyuda::texto() const
{
    return txtAyuda_->toPlainText();
}

void frmAyuda::reject()
{
    cmdCerrarClick();
}

void frmAyuda::cmdCerrarClick()
{
    if (cerrando_) return;
    cerrando_ = true;
    if (editable_) guardarEdicion();
    QDialog::reject();
}

void frmAyuda::guardarEdicion()
{
    // Only for an editable window, which no command of the program opens.
    BaseDatos& base = contexto_.base;
    const QString texto = txtAyuda_->toPlainText().trimmed();
    try {
        if (texto.isEmpty()) {
            base.ejecutar(QStringLiteral("DELETE FROM Ayudas WHERE Clave = ?"), {clave_});
            return;
        }
        const QVariantList geometria = {pixelesATwips(y()), pixelesATwips(x()),
                                        pixelesATwips(width()), pixelesATwips(height()), texto};
        if (buscarAyuda(base, clave_)) {
            base.ejecutar(QStringLiteral("UPDATE Ayudas SET \"Top\" = ?, \"Left\" = ?, \"Width\" = ?, "
                                         "\"Height\" = ?, Texto = ? WHERE Clave = ?"),
                          geometria + QVariantList{clave_});
        } else {
            base.ejecutar(QStringLiteral("INSERT INTO Ayudas (\"Top\", \"Left\", \"Width\", "
                                         "\"Height\", Texto, Clave) "
                                         "VALUES (?, ?, ?, ?, ?, ?)"),
                          geometria + QVariantList{clave_});
        }
    } catch (const ErrorMotor& error) {
        contexto_.dialogs.aviso(error.textoGuion());
    }
}
