#include "mechanisms/gearbox.h"

#include "findings/addedgearbox.h"
#include "mechanisms/gearboxlogic.h"
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

Gearbox::Gearbox(App& app)
    : RotaryMechanism(app,
                      {"Gearbox", "Gearbox", "Gearbox Driven", drawGearbox, &SizingRecord::RGearbox,
                       "RotaryType"},
                      "LoadInertia", gearboxTag),
      reduction_(form::entry("Reduction")), gbInertia_(form::entry("GBInertia")),
      efficiency_(form::entry("GBEfficiency", "90")),
      units_(form::unitList("GBUnits", units::inertiaUnits().texts())) {
    rows().whole(form::caption("Gearbox Specs:"));
    rows().add("Enter Gearbox Reduction:", reduction_, ": 1",
               helpButton("RedWhat", {messages::programTitle,
                                      "The reduction ratio defines how many motor revolutions are "
                                      "required for one revolution of the gearbox ouput shaft."}));
    rows().add("Enter the Inertia of the Gearbox:", gbInertia_);
    rows().add("Units", units_);
    rows().add("Enter the Gearbox Efficiency:", efficiency_, "%");
    rows().skip(8);
    rows().whole(form::caption("Load Specs:"));
    addLoadRows();
    addUnitConversionRow();
}

QList<QLineEdit*> Gearbox::entries() const {
    return {reduction_, gbInertia_, efficiency_, loadInertia(), constantTorque()};
}

void Gearbox::addGearbox(const QString& reduction, const QString& load, bool ownGearbox) {
    if (plainEntries_.isEmpty()) {
        for (const QLineEdit* e : entries())
            plainEntries_ << e->text();
        plainUnits_ = units_->currentIndex();
    }
    showTorqueAndCalculator(ownGearbox);
    reduction_->setText(reduction);
    loadInertia()->setText(load);
    loadInertia()->setCursorPosition(0);
}

void Gearbox::next() {
    // A gearbox added to the application's own turns the motor by both ratios.
    const auto& without = app().withoutGearbox();
    const double ownRatio = without ? SizingRecord::number(without->record.RotaryReduction) : 0;
    const GearboxEntries typed{reduction_->text(),
                               gbInertia_->text(),
                               units_->currentText(),
                               efficiency_->text(),
                               loadInertia()->text(),
                               constantTorque()->text(),
                               ownRatio};
    const Outcome outcome = gearboxNext(record(), typed);
    if (!apply(outcome))
        return;
    showTorqueAndCalculator(true);
    if (outcome.next == "RotaryMP")
        openProfile("RotaryMP", tag());
    else if (app().screens().knows(outcome.next))
        moveTo(outcome.next);
}

void Gearbox::back() {
    const bool added = record().gearboxAdded();
    const QString target = gearboxBack(record());
    if (added) {
        // Removing the added gearbox: this screen as it was, and the sizing
        // and findings as they were without it.
        if (!plainEntries_.isEmpty()) {
            const QList<QLineEdit*> plain = entries();
            for (int i = 0; i < plain.size(); ++i)
                plain[i]->setText(plainEntries_[i]);
            units_->setCurrentIndex(plainUnits_);
            plainEntries_.clear();
        }
        showTorqueAndCalculator(true);
        addedgearbox::undo(app());
    }
    if (app().screens().knows(target))
        moveTo(target);
}
