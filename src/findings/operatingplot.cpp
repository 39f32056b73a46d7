#include "findings/operatingplot.h"

#include "findings/findingslogic.h"
#include "flow/axis.h"
#include "ui/colours.h"
#include "ui/plot.h"

#include <QPainter>

namespace {

QList<double> speedTicks(const FindingsFigures& f) {
    return axisTicks(0, std::max(f.need.speed, f.speedAvailable) * 1.1);
}

QList<double> torqueTicks(const FindingsFigures& f) {
    return axisTicks(0, std::max(f.need.totalTorque, f.torqueAvailable) * 1.15);
}

void dot(QPainter& p, QPointF at, const QColor& fill) {
    p.save();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill);
    p.drawEllipse(at, 5, 5);
    p.restore();
}

// A margin: a thick line in its verdict's colour, outlined so that it shows
// on white.
void margin(QPainter& p, QPointF from, QPointF to, Verdict verdict) {
    p.save();
    p.setPen(QPen(QColor(60, 60, 60), 8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
    p.setPen(QPen(colours::of(verdict), 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
    p.restore();
}

} // namespace

OperatingPlot::OperatingPlot(QWidget* parent) : QWidget(parent) {
    setObjectName("OperatingPlot");
    setMinimumSize(420, 300);
}

void OperatingPlot::setFigures(const FindingsFigures& figures) {
    figures_ = figures;
    update();
}

QString OperatingPlot::note() const {
    if (!drawable(figures_))
        return "Nothing to draw: the application needs no speed or no torque.";
    if (speedTicks(figures_).size() < 2 || torqueTicks(figures_).size() < 2)
        return "Nothing to draw.";
    return {};
}

void OperatingPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const QRectF area = QRectF(rect()).adjusted(62, 24, -18, -76);
    const FindingsFigures& f = figures_;
    if (const QString text = note(); !text.isEmpty())
        return plotting::note(p, area, text);
    const double speed = f.need.speed, torque = f.need.totalTorque;
    const plotting::Axes axes(area, speedTicks(f), torqueTicks(f));
    axes.draw(p, "Motor speed (revs/sec)", "Torque (oz-in)");

    const QPointF need = axes.at(speed, torque);
    const QPointF torqueAt = axes.at(speed, f.torqueAvailable);
    const QPointF speedAt = axes.at(f.speedAvailable, torque);
    margin(p, need, torqueAt, f.torqueVerdict);
    margin(p, need, speedAt, f.speedVerdict);
    plotting::label(p, (need + torqueAt) / 2 + QPointF(-8, 8), "torque margin", true);
    plotting::label(p, (need + speedAt) / 2 + QPointF(-30, -6), "speed margin");
    dot(p, torqueAt, Qt::white);
    dot(p, speedAt, Qt::white);
    dot(p, need, Qt::black);

    // The legend under the axis: the need and the motor's two points.
    const QString at = " revs/sec";
    const double y = area.bottom() + 44;
    dot(p, QPointF(area.left() - 40, y), Qt::black);
    plotting::label(p, QPointF(area.left() - 36, y + 8),
                    "needed: " + plotLabel(torque) + " oz-in at " + plotLabel(speed) + at);
    dot(p, QPointF(area.left() - 40, y + 18), Qt::white);
    plotting::label(p, QPointF(area.left() - 36, y + 26),
                    "motor: " + plotLabel(f.torqueAvailable) + " oz-in at " + plotLabel(speed) +
                        at + ", " + plotLabel(f.speedAvailable) + at + " at " + plotLabel(torque) +
                        " oz-in");
}
