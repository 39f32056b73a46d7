#include "ui/appicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// The design of data/<id>.svg, on a 128 by 128 grid: a motor face with its
// shaft, and a speed arc rising to a torque mark.
QPixmap drawn(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2f, 0x4f, 0x7f));
    p.drawRoundedRect(QRectF(8, 8, 112, 112), 20, 20);
    const QColor dark(0x1c, 0x2f, 0x4d);
    p.setPen(QPen(dark, 4));
    p.setBrush(QColor(0xc8, 0xd2, 0xe6));
    p.drawEllipse(QPointF(64, 64), 38, 38);
    p.setPen(QPen(dark, 3));
    p.setBrush(QColor(0xaa, 0xaa, 0xaa));
    p.drawEllipse(QPointF(64, 64), 12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    for (const QPointF bolt : {QPointF(64, 36), QPointF(92, 64), QPointF(64, 92), QPointF(36, 64)})
        p.drawEllipse(bolt, 4, 4);
    const QColor green(0x80, 0xff, 0x80);
    QPainterPath arc;
    // Half a circle through the upper left, from (30, 104) to (104, 36).
    arc.moveTo(30, 104);
    arc.arcTo(QRectF(67 - 50.25, 70 - 50.25, 100.5, 100.5), 222.6, -180);
    p.setPen(QPen(green, 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPolygon(QPolygonF{QPointF(96, 30), QPointF(112, 32), QPointF(104, 46)});
    return pixmap;
}

} // namespace

QIcon appIcon() {
    QIcon fallback;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        fallback.addPixmap(drawn(size));
    return QIcon::fromTheme(APP_ID, fallback);
}
