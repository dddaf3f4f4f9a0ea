#include "ui/qt/icon.h"

#include <QPainter>
#include <QPixmap>

namespace pet::qt {

namespace {

QPixmap drawBun(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(QColor(0xFF, 0xFF, 0x00));
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(7.5, 7.5, 7, 7));
    p.drawEllipse(QRectF(17.5, 7.5, 7, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(10, 10, 3, 3));
    p.drawEllipse(QRectF(20, 10, 3, 3));
    p.setPen(QPen(QColor(0xFF, 0, 0), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 12, 16, 11), 200 * 16, 140 * 16);
    return pm;
}

}  // namespace

QIcon bunIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(drawBun(size));
    return icon;
}

}  // namespace pet::qt
