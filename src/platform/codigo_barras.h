#pragma once
// Barcode pictures: zint draws a text as Code 128, which carries every character of the payment
// slips' text verbatim, its closing "*" included, into a BMP file (codbar.bmp in the program's
// folder). The file is removed first, so a failed drawing never leaves an older barcode behind.

#include <QByteArray>
#include <QString>

// Pixels per narrow bar in the picture, so a layout can print each bar at a chosen width.
constexpr int kPixelesPorModulo = 2;

enum class FalloCodigoBarras {
    Ninguno,
    Memoria,  // the drawing could not even be started
    Dibujo,   // the text could not be drawn or the file not be written
};

struct CodigoBarrasDibujado {
    FalloCodigoBarras fallo = FalloCodigoBarras::Ninguno;
    QByteArray imagen;  // the BMP file's bytes; empty on failure
    QString detalle;    // zint's own explanation of a failure
    bool correcto() const { return fallo == FalloCodigoBarras::Ninguno; }
};

CodigoBarrasDibujado dibujarCodigoBarras(const QString& texto, const QString& archivoBmp);
