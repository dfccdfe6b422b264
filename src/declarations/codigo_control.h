#pragma once
// The control code of a declaration file: the agency recomputes it from the file it receives and
// compares it with the one printed on the paper declaration, so a file changed after printing is
// caught. Every line written adds, for each byte of 32 to 126, its code times its position in the
// line (from 1); other bytes add nothing but keep their place. The code is the sum's last eight
// digits.

#include <QByteArray>
#include <QString>

class CodigoControl {
public:
    // One line as written, in the file's code page and without its line end.
    void sumarLinea(const QByteArray& linea);

    quint64 suma() const { return suma_; }
    // Eight digits with leading zeros.
    QString codigo() const;

private:
    quint64 suma_ = 0;
};
