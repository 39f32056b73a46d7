#include "mechanisms/beltpulley.h"

#include "mechanisms/mechanismfields.h"
#include "units/units.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {

// A motor with the pinion pulley on its shaft, the belt to the driven pulley
// and the load on the driven pulley's shaft.
void drawBeltPulley(QPainter& p, const QRectF& r) {
    const double cy = r.center().y() + 12;
    const QRectF motor(r.left() + 10, cy - 30, 90, 60);
    p.setBrush(QColor(200, 210, 230));
    p.drawRect(motor);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(motor.right(), cy - 5, 40, 10));
    const QPointF pinion(motor.right() + 50, cy);
    const QPointF driven(r.left() + 270, cy);
    const double rp = 20, rd = 48;
    // The belt: the two outer tangents of the pulleys.
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.drawLine(pinion + QPointF(0, -rp), driven + QPointF(0, -rd));
    p.drawLine(pinion + QPointF(0, rp), driven + QPointF(0, rd));
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(230, 230, 230));
    p.drawEllipse(pinion, rp, rp);
    p.drawEllipse(driven, rd, rd);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(driven.x() + 6, cy - 5, 60, 10));
    p.setBrush(QColor(230, 200, 150));
    const QRectF load(driven.x() + 62, cy - 40, 26, 80);
    p.drawRoundedRect(load, 6, 6);
    p.setBrush(Qt::NoBrush);
    drawing::curvedArrow(p, QRectF(motor.center().x() - 30, cy - 52, 60, 20), 200, 140);
    drawing::curvedArrow(p, QRectF(load.center().x() - 30, cy - 62, 60, 20), 200, 140);
    p.drawText(motor, Qt::AlignCenter, "Motor");
    p.drawText(QRectF(pinion.x() - 50, cy + rp + 4, 100, 16), Qt::AlignCenter, "Pinion Pulley");
    p.drawText(QRectF(driven.x() - 50, cy + rd + 2, 100, 16), Qt::AlignCenter, "Driven Pulley");
    p.drawText(QRectF(load.center().x() - 30, cy + 42, 60, 16), Qt::AlignCenter, "Load");
}

} // namespace

BeltPulley::BeltPulley(Host& host, const Application& mechanism)
    : RotaryMechanism(host, mechanism, {"Belt/Chain-Pulley", "Belt-Pulley", drawBeltPulley}) {
    rows().whole(form::caption("Pulley Specs:"));
    rows().add("Enter Pinion Diameter:", entry(fields::PinionD));
    rows().add("Enter Driven Diameter:", entry(fields::DrivenD));
    rows().add("Enter Pulley Thickness:", entry(fields::Thickness));
    rows().add("Units:", unitList(fields::PulleyUnits));
    rows().add("Density:", unitList(fields::Material));
    rows().add("Belt Efficiency:", entry(fields::BeltEfficiency), "%");
    rows().skip(8);
    rows().whole(form::caption("Load Specs:"));
    addLoadRows();
    addUnitConversionRow();
}

namespace {
[[maybe_unused]] const bool registered = mechanismscreens::registered<BeltPulley>();
} // namespace
