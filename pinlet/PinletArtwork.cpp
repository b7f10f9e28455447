// SPDX-License-Identifier: MIT
// Copyright The Marlune developers
#include "PinletArtwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

QIcon PinletArtwork::builtInIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(pin(size));
    return icon;
}

QPixmap PinletArtwork::pin(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);

    // Needle first, so the head covers its upper end; it leans left like a pin pushed in.
    p.setPen(QPen(QColor(90, 90, 96), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 26), QPointF(6, 44));

    QPainterPath collar;
    collar.addEllipse(QPointF(22, 26), 9, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 20, 30));
    p.save();
    p.translate(22, 26);
    p.rotate(-40);
    p.translate(-22, -26);
    p.drawPath(collar);
    p.restore();

    QRadialGradient shine(QPointF(27, 13), 16);
    shine.setColorAt(0, QColor(255, 140, 140));
    shine.setColorAt(0.45, QColor(220, 40, 50));
    shine.setColorAt(1, QColor(140, 10, 20));
    p.setBrush(shine);
    p.setPen(QPen(QColor(100, 0, 10), 1.5));
    p.drawEllipse(QPointF(31, 17), 13, 13);
    return pixmap;
}
