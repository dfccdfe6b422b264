#include "forms/campos_edicion.h"

#include "platform/windows_1252.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

bool esDigito(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A key that writes something (a letter, a digit, a sign), as opposed to Backspace, arrows,
// Tab or a shortcut, which every box lets through.
bool escribe(const QString& texto)
{
    return !texto.isEmpty() && texto.at(0).isPrint();
}

// Selects the whole text once the click or the key that brought the focus has been handled: a
// mouse press would otherwise place the cursor over the selection.
void seleccionarTodo(QLineEdit* caja)
{
    caja->selectAll();
    QTimer::singleShot(0, caja, [caja] {
        if (caja->hasFocus()) caja->selectAll();
    });
}

// A free-text box: control characters are dropped (tabs and line ends become a blank) and text
// Windows-1252 cannot hold is refused, the refused character told to `rechazado`.
class ValidadorTexto final : public QValidator {
public:
    ValidadorTexto(QString& rechazado, QObject* parent) : QValidator(parent), rechazado_(rechazado) {}

    State validate(QString& texto, int& posicion) const override
    {
        rechazado_.clear();
        if (std::any_of(texto.begin(), texto.end(), [](QChar c) { return esControl(c.unicode()); })) {
            const QString limpio = sinControles(texto.left(posicion));
            texto = limpio + sinControles(QStringView(texto).mid(posicion));
            posicion = int(limpio.size());
        }
        if (const auto fuera = fueraDeWindows1252(texto)) {
            rechazado_ = *fuera;
            return Invalid;
        }
        return Acceptable;
    }

private:
    QString& rechazado_;
};

// Rewrites the keypad's decimal key into the separator and sends it on to the box.
class TeclaDecimal final : public QObject {
public:
    TeclaDecimal(QLineEdit* caja, std::function<QChar()> separador)
        : QObject(caja), separador_(std::move(separador))
    {
        caja->installEventFilter(this);
    }

    bool eventFilter(QObject* caja, QEvent* evento) override
    {
        if (evento->type() != QEvent::KeyPress) return false;
        const auto* tecla = static_cast<const QKeyEvent*>(evento);
        const bool decimal = tecla->key() == Qt::Key_Period || tecla->key() == Qt::Key_Comma;
        if (!decimal || !tecla->modifiers().testFlag(Qt::KeypadModifier)) return false;
        const QChar separador = separador_();
        QKeyEvent escrita(QEvent::KeyPress,
                          separador == QLatin1Char(',') ? Qt::Key_Comma : Qt::Key_Period,
                          tecla->modifiers() & ~Qt::KeypadModifier, QString(separador),
                          tecla->isAutoRepeat(), tecla->count());
        QCoreApplication::sendEvent(caja, &escrita);
        return true;
    }

private:
    std::function<QChar()> separador_;
};

} // namespace

void decimalDelTeclado(QLineEdit* caja, std::function<QChar()> separador)
{
    new TeclaDecimal(caja, std::move(separador));
}

CajaTexto::CajaTexto(const QString& nombre, Tipo tipo, int largo, QWidget* parent)
    : QLineEdit(parent), tipo_(tipo)
{
    setObjectName(nombre);
    if (largo > 0) setMaxLength(largo);
    ponerValidador();
    connect(this, &QLineEdit::inputRejected, this, &CajaTexto::avisarCaracterRechazado);
    if (tipo_ == Tipo::Importe) decimalDelTeclado(this, [this] { return separador_; });
}

void CajaTexto::avisarCaracterRechazado()
{
    if (rechazado_.isEmpty()) return;
    const QString caracter = std::exchange(rechazado_, QString());
    // Looked at once the edit is over: a value shown from the database keeps its text even when
    // refused, and only an edit of the user's, which the box has undone, is worth a word.
    QTimer::singleShot(0, this, [this, caracter] {
        if (!text().contains(caracter)) emit caracterNoAdmitido(caracter);
    });
}

void CajaTexto::setSeparadorDecimal(QChar separador)
{
    separador_ = separador;
    ponerValidador();
}

void CajaTexto::setCeros(int ancho)
{
    ceros_ = ancho;
    setMaxLength(ancho);
    vaciar();
}

QString CajaTexto::valor() const
{
    if (ceros_ == 0) return text();
    const QString digitos = text().trimmed();
    return digitos.rightJustified(ceros_, QLatin1Char('0'));
}

void CajaTexto::vaciar()
{
    setText(ceros_ > 0 ? QString(ceros_, QLatin1Char('0')) : QString());
}

void CajaTexto::focusInEvent(QFocusEvent* evento)
{
    QLineEdit::focusInEvent(evento);
    seleccionarTodo(this);
}

void CajaTexto::focusOutEvent(QFocusEvent* evento)
{
    if (ceros_ > 0 && text() != valor()) setText(valor());
    QLineEdit::focusOutEvent(evento);
}

bool CajaTexto::admite(const QString& texto) const
{
    switch (tipo_) {
    case Tipo::Libre:
    case Tipo::Mayusculas:
        return true;
    case Tipo::Codigo:
        return std::all_of(texto.begin(), texto.end(), esDigito);
    case Tipo::Importe:
        if (texto == QString(separador_)) return !text().contains(separador_);
        return std::all_of(texto.begin(), texto.end(), esDigito);
    }
    return true;
}

void CajaTexto::keyPressEvent(QKeyEvent* evento)
{
    const QString texto = evento->text();
    if (!escribe(texto)) {
        QLineEdit::keyPressEvent(evento);
        return;
    }
    if (!admite(texto)) {
        evento->accept();  // discarded
        return;
    }
    if (tipo_ == Tipo::Mayusculas && texto != texto.toUpper()) {
        QKeyEvent mayuscula(evento->type(), evento->key(), evento->modifiers(), texto.toUpper(),
                            evento->isAutoRepeat(), evento->count());
        QLineEdit::keyPressEvent(&mayuscula);
        return;
    }
    QLineEdit::keyPressEvent(evento);
}

// Pasted text obeys the same rules as typed text.
void CajaTexto::ponerValidador()
{
    QString patron;
    if (tipo_ == Tipo::Codigo) {
        patron = QStringLiteral("[0-9]*");
    } else if (tipo_ == Tipo::Importe) {
        const QString sep = QRegularExpression::escape(QString(separador_));
        patron = QStringLiteral("[0-9]*(%1[0-9]*)?").arg(sep);
    }
    if (patron.isEmpty()) {
        setValidator(new ValidadorTexto(rechazado_, this));
        return;
    }
    setValidator(new QRegularExpressionValidator(QRegularExpression(patron), this));
}

QString textoCaracterNoAdmitido(const QString& campo, const QString& caracter)
{
    const QString donde = campo.isEmpty() ? QStringLiteral("Este campo")
                                          : QStringLiteral("El campo '%1'").arg(campo);
    return QStringLiteral("%1 no admite el carácter '%2'.\nLo que se escribe aquí va a los archivos "
                          "que se entregan al organismo, que sólo llevan letras, números, acentos "
                          "y los signos comunes (juego de caracteres Windows-1252).")
        .arg(donde, caracter);
}

CajaMascara::CajaMascara(const QString& nombre, const QString& mascara, QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(nombre);
    setInputMask(mascara + QStringLiteral(";_"));
}

QString CajaMascara::valor() const
{
    QString digitos;
    for (const QChar c : text())
        if (esDigito(c)) digitos += c;
    return digitos;
}

void CajaMascara::setValor(const QString& digitos)
{
    setText(digitos);
}

void CajaMascara::focusInEvent(QFocusEvent* evento)
{
    QLineEdit::focusInEvent(evento);
    seleccionarTodo(this);
}

QLabel* visor(const QString& nombre, QWidget* padre, int anchoMinimo, Qt::Alignment alineacion)
{
    auto* l = new QLabel(padre);
    l->setObjectName(nombre);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    if (anchoMinimo > 0) l->setMinimumWidth(anchoMinimo);
    if (alineacion) l->setAlignment(alineacion);
    return l;
}
