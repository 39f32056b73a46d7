#include "mechanisms/directdrive.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

// A motor whose shaft carries the load disc, with the rotation marked.
void drawDirectDrive(QPainter& p, const QRectF& r) {
    const double cy = r.center().y() + 10;
    const QRectF motor(r.left() + 40, cy - 40, 130, 80);
    p.setBrush(QColor(200, 210, 230));
    p.drawRect(motor);
    p.drawRect(QRectF(motor.left() - 12, cy - 30, 12, 60));
    p.setBrush(QColor(170, 170, 170));
    const QRectF shaft(motor.right(), cy - 6, 90, 12);
    p.drawRect(shaft);
    p.setBrush(QColor(230, 200, 150));
    const QRectF disc(shaft.right() - 10, cy - 55, 36, 110);
    p.drawRoundedRect(disc, 8, 8);
    p.setBrush(Qt::NoBrush);
    drawing::curvedArrow(p, QRectF(disc.center().x() - 50, cy - 72, 100, 30), 200, 140);
    p.drawText(motor, Qt::AlignCenter, "Motor");
    p.drawText(QRectF(disc.right() + 10, cy - 10, 60, 20), Qt::AlignLeft | Qt::AlignVCenter,
               "Load");
}

} // namespace

DirectDrive::DirectDrive(Host& host, const Application& mechanism)
    : RotaryMechanism(host, mechanism, {"Direct Drive", "Direct Drive", drawDirectDrive}) {
    addLoadRows();
    addUnitConversionRow();
}

namespace {
[[maybe_unused]] const bool registered = mechanismscreens::registered<DirectDrive>();
} // namespace
