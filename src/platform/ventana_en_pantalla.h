#pragma once
// Every window opens within the screen it is on: one larger than the screen's free area (the
// screen less its panels), frame included, is cut down to it, and one placed where it would spill
// over is moved in. Its layout, and the columns of its grids, then fit the room it gets.

class QRect;
class QWidget;

// Fits `ventana` within `disponible`; never below the minimum size its layout needs.
void ajustarAPantalla(QWidget& ventana, const QRect& disponible);
// The same within the free area of the screen the window opens on: its owner's, when it has one.
void ajustarAPantalla(QWidget& ventana);
