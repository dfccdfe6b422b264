#pragma once
// The edit boxes of the record forms and what they do while the user types. Every box selects its
// whole text when it is entered, so that typing replaces the value; name, address, locality and
// description boxes upper-case what is typed; code boxes take digits only; amount and rate boxes
// take digits and one decimal separator. Masked boxes show their separators and prompt characters
// but give back only the digits typed, which is how codes are stored and compared.

#include <QLineEdit>

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

protected:
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    bool admite(const QString& texto) const;
    void ponerValidador();

    Tipo tipo_;
    QChar separador_ = QLatin1Char(',');
    int ceros_ = 0;
};

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
