#pragma once
// The edit boxes of the record forms and what they do while the user types. Every box selects its
// whole text when it is entered, so that typing replaces the value; name, address, locality and
// description boxes upper-case what is typed; code boxes take digits only; amount and rate boxes
// take digits and one decimal separator, which the keypad's decimal key types too. Masked boxes
// show their separators and prompt characters but give back only the digits typed, which is how
// codes are stored and compared.
//
// Whatever reaches a text box, typed or pasted, goes to the agency's files, which hold Windows-1252
// text in fixed-width lines: a control character (a pasted tab or line end) never enters a box,
// and a character the code page cannot hold is refused, with caracterNoAdmitido() so the form can
// say which and where.

#include <QLineEdit>

#include <functional>

class QLabel;

// A value the form shows and the user does not type (a description, a rate, a total): a sunken
// panel beside the boxes, `anchoMinimo` pixels wide at least.
QLabel* visor(const QString& nombre, QWidget* padre, int anchoMinimo = 0,
              Qt::Alignment alineacion = {});

class CajaTexto : public QLineEdit {
    Q_OBJECT
public:
    enum class Tipo {
        Libre,       // any text
        Mayusculas,  // names, addresses, localities, descriptions
        Codigo,      // digits only
        Importe,     // digits and one decimal separator
    };

    CajaTexto(const QString& nombre, Tipo tipo, int largo, QWidget* parent = nullptr);

    Tipo tipo() const { return tipo_; }
    // The separator an amount box accepts: the locale's.
    void setSeparadorDecimal(QChar separador);
    // A code box that always shows all its digits ("0000"): it starts and empties to zeros and
    // is padded with leading zeros when left.
    void setCeros(int ancho);

    // The value to store: the text, for a zero-padded code box padded to its width.
    QString valor() const;
    // The box's empty value: zeros for a zero-padded code box, nothing otherwise.
    void vaciar();

    // The name of the field as the user knows it (its label), for the messages about it.
    const QString& nombreVisible() const { return nombreVisible_; }
    void setNombreVisible(const QString& nombre) { nombreVisible_ = nombre; }

signals:
    // The user typed or pasted `caracter`, which the box refused; told once the edit is over.
    void caracterNoAdmitido(const QString& caracter);

protected:
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    bool admite(const QString& texto) const;
    void ponerValidador();

    void avisarCaracterRechazado();

    Tipo tipo_;
    QString nombreVisible_;
    QString rechazado_;  // the character the validator refused last, if any
    QChar separador_ = QLatin1Char(',');
    int ceros_ = 0;
};

// The keypad's decimal key types `separador()` into `caja`, whichever character the keyboard layout
// gives that key ("." on most, "," on some); the main keyboard's "." and "," stay what they are.
// Amount and rate boxes take it as their decimal separator. The key reaches the box's own checks
// already rewritten, and so do the key filters installed on the box before this one.
void decimalDelTeclado(QLineEdit* caja, std::function<QChar()> separador);

// What the user hears when a box refuses a character: which field, which character, and why.
QString textoCaracterNoAdmitido(const QString& campo, const QString& caracter);

class CajaMascara : public QLineEdit {
    Q_OBJECT
public:
    // `mascara` in Qt's notation with optional digits, e.g. "00000-0" for an agent number.
    CajaMascara(const QString& nombre, const QString& mascara, QWidget* parent = nullptr);

    // The digits typed, without the mask's separators: "12345-6" gives "123456".
    QString valor() const;
    void setValor(const QString& digitos);

protected:
    void focusInEvent(QFocusEvent* evento) override;
};
