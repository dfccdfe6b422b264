#pragma once
// The program's emblem, drawn rather than shipped as a picture file.

#include <QPixmap>

QPixmap logoTarquel(int lado);
