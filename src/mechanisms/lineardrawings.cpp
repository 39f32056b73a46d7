#include "mechanisms/lineardrawings.h"

#include "ui/illustration.h"

#include <QPainter>

#include <cmath>

namespace lineardrawings {
namespace {

const QColor motorBlue(200, 210, 230);
const QColor loadTan(230, 200, 150);
const QColor metal(170, 170, 170);

void label(QPainter& p, const QRectF& box, const QString& text) {
    p.drawText(box, Qt::AlignCenter, text);
}

void motor(QPainter& p, const QRectF& body) {
    p.setBrush(motorBlue);
    p.drawRect(body);
    label(p, body, "Motor");
}

// A threaded screw along y from x0 to x1.
void screw(QPainter& p, double x0, double x1, double y, double radius = 6) {
    p.setBrush(metal);
    p.drawRect(QRectF(x0, y - radius, x1 - x0, 2 * radius));
    p.save();
    p.setPen(QPen(Qt::black, 0.8));
    for (double x = x0 + 4; x < x1 - 2; x += 6)
        p.drawLine(QPointF(x, y - radius), QPointF(x + 4, y + radius));
    p.restore();
}

// The load block on its nut, riding on two guide rods, with its travel marked.
void loadOnRods(QPainter& p, const QRectF& block, double x0, double x1, double nutY) {
    p.save();
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.drawLine(QPointF(x0, block.top() + 8), QPointF(x1, block.top() + 8));
    p.restore();
    p.setBrush(loadTan);
    p.drawRect(block);
    p.setBrush(QColor(140, 140, 140));
    p.drawRect(QRectF(block.center().x() - 12, nutY - 10, 24, 20));
    p.setBrush(Qt::NoBrush);
    label(p, QRectF(block.left(), block.top(), block.width(), nutY - 10 - block.top()), "Load");
    drawing::arrow(p, QPointF(block.left(), block.top() - 10),
                   QPointF(block.right(), block.top() - 10), true);
}

void rotation(QPainter& p, QPointF centre, double width = 40) {
    p.setBrush(Qt::NoBrush);
    drawing::curvedArrow(p, QRectF(centre.x() - width / 2, centre.y() - 8, width, 16), 200, 140);
}

void pulley(QPainter& p, QPointF centre, double radius) {
    p.setBrush(QColor(230, 230, 230));
    p.drawEllipse(centre, radius, radius);
    p.drawEllipse(centre, 3, 3);
}

} // namespace

void screwDrive(QPainter& p, const QRectF& r) {
    const double y = r.top() + 110;
    motor(p, QRectF(r.left() + 6, y - 28, 80, 56));
    p.setBrush(QColor(120, 120, 120));
    const QRectF coupler(r.left() + 86, y - 12, 26, 24);
    p.drawRect(coupler);
    screw(p, coupler.right(), r.right() - 10, y);
    loadOnRods(p, QRectF(r.left() + 220, y - 80, 90, 90), coupler.right() + 10, r.right() - 10, y);
    rotation(p, QPointF(r.left() + 150, y - 22));
    label(p, QRectF(coupler.left() - 20, y + 14, 66, 16), "Coupler");
    label(p, QRectF(r.left() + 340, y + 8, 60, 16), "Screw");
}

void beltScrew(QPainter& p, const QRectF& r) {
    const double y = r.top() + 124;
    const QRectF body(r.left() + 6, r.top() + 20, 80, 50);
    motor(p, body);
    const QPointF pinion(body.right() + 20, body.center().y());
    const QPointF driven(body.right() + 20, y);
    p.save();
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.drawLine(pinion + QPointF(-12, 0), driven + QPointF(-22, 0));
    p.drawLine(pinion + QPointF(12, 0), driven + QPointF(22, 0));
    p.restore();
    pulley(p, pinion, 12);
    pulley(p, driven, 22);
    screw(p, driven.x() + 22, r.right() - 10, y);
    loadOnRods(p, QRectF(r.left() + 220, y - 84, 90, 94), driven.x() + 30, r.right() - 10, y);
    rotation(p, QPointF(driven.x() + 60, y - 20));
    label(p, QRectF(pinion.x() + 14, pinion.y() - 8, 100, 16), "Pinion Pulley");
    label(p, QRectF(driven.x() - 50, y + 22, 100, 16), "Driven Pulley");
    label(p, QRectF(r.left() + 340, y + 8, 60, 16), "Screw");
}

void gbScrew(QPainter& p, const QRectF& r) {
    const double y = r.top() + 110;
    motor(p, QRectF(r.left() + 6, y - 28, 70, 56));
    p.setBrush(QColor(235, 235, 235));
    const QRectF box(r.left() + 76, y - 24, 60, 48);
    p.drawRect(box);
    label(p, QRectF(box.left() - 10, box.bottom() + 2, box.width() + 20, 16), "Gearbox");
    screw(p, box.right(), r.right() - 10, y);
    loadOnRods(p, QRectF(r.left() + 220, y - 80, 90, 90), box.right() + 10, r.right() - 10, y);
    rotation(p, QPointF(box.right() + 34, y - 22));
    label(p, QRectF(r.left() + 340, y + 8, 60, 16), "Screw");
}

void nonRScrew(QPainter& p, const QRectF& r) {
    const double y = r.top() + 120;
    screw(p, r.left() + 10, r.right() - 10, y);
    const QRectF load(r.left() + 140, r.top() + 16, 130, 52);
    p.save();
    p.setPen(QPen(QColor(90, 90, 90), 3));
    p.drawLine(QPointF(r.left() + 10, load.top() - 4), QPointF(r.right() - 10, load.top() - 4));
    p.restore();
    p.setBrush(loadTan);
    p.drawRect(load);
    label(p, load, "Load");
    motor(p, QRectF(load.center().x() - 40, load.bottom(), 80, y - load.bottom() + 16));
    p.setBrush(Qt::NoBrush);
    drawing::arrow(p, QPointF(load.left() - 60, load.center().y()),
                   QPointF(load.left() - 10, load.center().y()));
    drawing::arrow(p, QPointF(load.right() + 60, load.center().y()),
                   QPointF(load.right() + 10, load.center().y()));
    label(p, QRectF(r.left() + 20, y + 8, 60, 16), "Screw");
}

void rackPinion(QPainter& p, const QRectF& r) {
    const double rackY = r.top() + 100;
    const QPointF centre(r.left() + 110, rackY - 26);
    motor(p, QRectF(r.left() + 6, centre.y() - 56, 70, 44));
    p.setBrush(metal);
    p.drawRect(QRectF(r.left() + 40, centre.y() - 12, 70, 8));
    QPolygonF gear;
    for (int i = 0; i < 28; ++i) {
        const double a = M_PI * i / 14;
        const double rr = i % 2 ? 20 : 26;
        gear << centre + QPointF(rr * std::cos(a), rr * std::sin(a));
    }
    p.setBrush(QColor(190, 190, 190));
    p.drawPolygon(gear);
    QPolygonF rack;
    rack << QPointF(r.left() + 10, rackY + 12);
    for (double x = r.left() + 10; x < r.right() - 10; x += 10)
        rack << QPointF(x, rackY) << QPointF(x + 5, rackY) << QPointF(x + 5, rackY + 4)
             << QPointF(x + 10, rackY + 4);
    rack << QPointF(r.right() - 10, rackY + 12);
    p.drawPolygon(rack);
    p.setBrush(loadTan);
    const QRectF load(r.left() + 230, rackY + 12, 110, 36);
    p.drawRect(load);
    label(p, load, "Load");
    p.save();
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.drawLine(QPointF(r.left() + 10, load.bottom() + 6),
               QPointF(r.right() - 10, load.bottom() + 6));
    p.restore();
    p.setBrush(Qt::NoBrush);
    drawing::arrow(p, QPointF(load.left(), rackY - 16), QPointF(load.right(), rackY - 16), true);
    rotation(p, centre + QPointF(0, -38), 50);
    label(p, QRectF(centre.x() + 28, centre.y() - 8, 60, 16), "Pinion");
}

void conveyor(QPainter& p, const QRectF& r) {
    const double y = r.top() + 100;
    const QPointF pinion(r.left() + 110, y);
    const QPointF driven(r.right() - 40, y);
    const double radius = 24;
    motor(p, QRectF(r.left() + 6, y - 22, 70, 44));
    p.save();
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.drawLine(pinion + QPointF(0, -radius), driven + QPointF(0, -radius));
    p.drawLine(pinion + QPointF(0, radius), driven + QPointF(0, radius));
    p.restore();
    pulley(p, pinion, radius);
    pulley(p, driven, radius);
    p.setBrush(loadTan);
    const QRectF load(r.left() + 190, y - radius - 50, 90, 48);
    p.drawRect(load);
    label(p, load, "Load");
    p.setBrush(Qt::NoBrush);
    drawing::arrow(p, QPointF(load.left(), load.top() - 8), QPointF(load.right(), load.top() - 8),
                   true);
    rotation(p, pinion + QPointF(0, -radius - 12));
    label(p, QRectF(pinion.x() - 50, y + radius + 4, 100, 16), "Pinion Pulley");
    label(p, QRectF(driven.x() - 60, y + radius + 4, 100, 16), "Driven Pulley");
}

} // namespace lineardrawings
