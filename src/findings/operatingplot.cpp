#include "findings/operatingplot.h"

#include "flow/axis.h"
#include "ui/colours.h"
#include "ui/plot.h"

#include <QPainter>

namespace {

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

void OperatingPlot::setPoints(const OperatingPoints& points) {
    points_ = points;
    update();
}

void OperatingPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const QRectF area = QRectF(rect()).adjusted(62, 24, -18, -76);
    const OperatingPoints& o = points_;
    if (!o.drawable())
        return plotting::note(p, area,
                              "Nothing to draw: the application needs no speed or "
                              "no torque.");
    const plotting::Axes axes(area, axisTicks(0, std::max(o.speed, o.speedAvailable) * 1.1),
                              axisTicks(0, std::max(o.torque, o.torqueAvailable) * 1.15));
    if (!axes.isValid())
        return plotting::note(p, area, "Nothing to draw.");
    axes.draw(p, "Motor speed (revs/sec)", "Torque (oz-in)");

    const QPointF need = axes.at(o.speed, o.torque);
    const QPointF torque = axes.at(o.speed, o.torqueAvailable);
    const QPointF speed = axes.at(o.speedAvailable, o.torque);
    margin(p, need, torque, o.torqueMargin);
    margin(p, need, speed, o.speedMargin);
    plotting::label(p, (need + torque) / 2 + QPointF(-8, 8), "torque margin", true);
    plotting::label(p, (need + speed) / 2 + QPointF(-30, -6), "speed margin");
    dot(p, torque, Qt::white);
    dot(p, speed, Qt::white);
    dot(p, need, Qt::black);

    // The legend under the axis: the need and the motor's two points.
    const QString at = " revs/sec";
    const double y = area.bottom() + 44;
    dot(p, QPointF(area.left() - 40, y), Qt::black);
    plotting::label(p, QPointF(area.left() - 36, y + 8),
                    "needed: " + plotLabel(o.torque) + " oz-in at " + plotLabel(o.speed) + at);
    dot(p, QPointF(area.left() - 40, y + 18), Qt::white);
    plotting::label(p, QPointF(area.left() - 36, y + 26),
                    "motor: " + plotLabel(o.torqueAvailable) + " oz-in at " + plotLabel(o.speed) +
                        at + ", " + plotLabel(o.speedAvailable) + at + " at " +
                        plotLabel(o.torque) + " oz-in");
}
