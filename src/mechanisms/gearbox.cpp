#include "mechanisms/gearbox.h"

#include "mechanisms/mechanismfields.h"
#include "mechanisms/mechanismsteps.h"
#include "units/units.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {

// An upright motor driving a small gear that meshes with a larger one, and
// the load on the output shaft.
void drawGearbox(QPainter& p, const QRectF& r) {
    const double x0 = r.left() + 60;
    const QRectF box(x0 - 12, r.top() + 22, 150, 70);
    const QRectF motor(x0, box.bottom(), 70, r.bottom() - box.bottom());
    p.setBrush(QColor(200, 210, 230));
    p.drawRect(motor);
    p.drawText(motor, Qt::AlignCenter, "Motor");
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(box);
    p.drawText(QRectF(box.left(), r.top(), box.width(), 18), Qt::AlignCenter, "Gearbox");
    auto gear = [&](QPointF c, double radius, int teeth) {
        QPolygonF outline;
        for (int i = 0; i < 2 * teeth; ++i) {
            const double a = M_PI * i / teeth;
            const double rr = i % 2 ? radius : radius + 5;
            outline << c + QPointF(rr * std::cos(a), rr * std::sin(a));
        }
        p.setBrush(QColor(190, 190, 190));
        p.drawPolygon(outline);
    };
    const QPointF small(motor.center().x(), box.center().y());
    const QPointF large(small.x() + 44, small.y());
    gear(small, 12, 8);
    gear(large, 26, 16);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(large.x(), large.y() - 5, 170, 10));
    p.setBrush(QColor(230, 200, 150));
    const QRectF load(large.x() + 150, large.y() - 40, 26, 80);
    p.drawRoundedRect(load, 6, 6);
    p.setBrush(Qt::NoBrush);
    drawing::curvedArrow(p, QRectF(motor.right() + 6, motor.center().y() - 14, 40, 28), 120, 120);
    drawing::curvedArrow(p, QRectF(load.center().x() - 30, load.bottom() + 2, 60, 18), 20, -220);
    p.drawText(QRectF(load.right() + 8, large.y() - 8, 50, 16), Qt::AlignLeft, "Load");
}

} // namespace

Gearbox::Gearbox(Host& host, const Application& mechanism)
    : RotaryMechanism(host, mechanism, {"Gearbox", "Gearbox Driven", drawGearbox}) {
    rows().whole(form::caption("Gearbox Specs:"));
    rows().add("Enter Gearbox Reduction:", entry(fields::Reduction), ": 1",
               helpButton("RedWhat", {messages::programTitle,
                                      "The reduction ratio defines how many motor revolutions are "
                                      "required for one revolution of the gearbox ouput shaft."}));
    rows().add("Enter the Inertia of the Gearbox:", entry(fields::GBInertia));
    rows().add("Units", unitList(fields::GBUnits));
    rows().add("Enter the Gearbox Efficiency:", entry(fields::GBEfficiency), "%");
    rows().skip(8);
    rows().whole(form::caption("Load Specs:"));
    addLoadRows();
    addUnitConversionRow();
}

void Gearbox::showResults() {
    showTorqueAndCalculator(!gearboxControlsHidden(sizing()));
    // The load inertia an added gearbox is given shows whole.
    auto* load = findChild<QLineEdit*>(mechanism().loadInertia);
    form::fitText(load);
}

namespace {
[[maybe_unused]] const bool registered = mechanismscreens::registered<Gearbox>();
} // namespace
