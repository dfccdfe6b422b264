#include "shell/logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap logoTarquel(int lado)
{
    QPixmap pixmap(lado, lado);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF marco(lado * 0.04, lado * 0.04, lado * 0.92, lado * 0.92);
    QLinearGradient fondo(marco.topLeft(), marco.bottomRight());
    fondo.setColorAt(0.0, QColor(0x2f, 0x5d, 0x8a));
    fondo.setColorAt(1.0, QColor(0x1b, 0x3a, 0x5c));
    p.setPen(QPen(QColor(0xc9, 0xa2, 0x4a), lado * 0.03));
    p.setBrush(fondo);
    p.drawEllipse(marco);

    // Three valleys under the initial.
    QPainterPath valles;
    const double base = lado * 0.72;
    valles.moveTo(lado * 0.18, base);
    for (int i = 0; i < 3; ++i) {
        const double x = lado * (0.18 + 0.214 * i);
        valles.quadTo(x + lado * 0.107, base + lado * 0.10, x + lado * 0.214, base);
    }
    p.setPen(QPen(QColor(0xc9, 0xa2, 0x4a), lado * 0.025, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(valles);

    QFont letra(QStringLiteral("Bookman Old Style"));
    letra.setStyleHint(QFont::Serif);
    letra.setBold(true);
    letra.setPixelSize(qRound(lado * 0.5));
    p.setFont(letra);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, lado * 0.08, lado, lado * 0.62), Qt::AlignCenter, QStringLiteral("T"));
    return pixmap;
}
