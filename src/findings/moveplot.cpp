#include "findings/moveplot.h"

#include "flow/axis.h"
#include "ui/plot.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The axes of the two panels: time across, speed above and torque below.
struct Panels {
    QList<double> time, speed, torque;
    bool valid() const { return time.size() > 1 && speed.size() > 1 && torque.size() > 1; }
};

Panels panels(const MoveProfile& move) {
    if (move.isEmpty())
        return {};
    double low = 0, high = 0;
    for (const MoveSegment& s : move.segments) {
        low = std::min(low, s.torque);
        high = std::max(high, s.torque);
    }
    if (low == high)
        high = 1;
    return {axisTicks(0, move.segments.last().end), axisTicks(0, move.maxSpeed * 1.15),
            axisTicks(low, high)};
}

// Two short strokes across the line: the constant stretch goes on.
void breakMark(QPainter& p, QPointF at) {
    p.save();
    p.setPen(QPen(Qt::black, 1.5));
    for (double dx : {-4.0, 2.0})
        p.drawLine(at + QPointF(dx - 3, 7), at + QPointF(dx + 3, -7));
    p.restore();
}

} // namespace

MovePlot::MovePlot(QWidget* parent) : QWidget(parent) {
    setObjectName("MovePlot");
    setMinimumSize(460, 300);
}

void MovePlot::setMove(const MoveProfile& move) {
    move_ = move;
    update();
}

QString MovePlot::note() const {
    if (move_.isEmpty())
        return "No move to draw: the profile gives no motor speed.";
    if (!panels(move_).valid())
        return "No move to draw.";
    return {};
}

void MovePlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const QRectF all = QRectF(rect()).adjusted(62, 24, -18, -36);
    if (const QString text = note(); !text.isEmpty())
        return plotting::note(p, all, text);

    const double end = move_.segments.last().end;
    const Panels ticks = panels(move_);
    const double gap = 40;
    const double panel = (all.height() - gap) / 2;
    const plotting::Axes speed(QRectF(all.left(), all.top(), all.width(), panel), ticks.time,
                               ticks.speed);
    const plotting::Axes torque(QRectF(all.left(), all.bottom() - panel, all.width(), panel),
                                ticks.time, ticks.torque);
    speed.draw(p, QString(), "Motor speed (revs/sec)");
    torque.draw(p, "Time (sec)", "Torque required (oz-in)");

    QPainterPath speedLine(speed.at(0, 0));
    QPainterPath torqueLine(torque.at(0, 0));
    for (const MoveSegment& s : move_.segments) {
        speedLine.lineTo(speed.at(s.start, s.fromSpeed));
        speedLine.lineTo(speed.at(s.end, s.toSpeed));
        torqueLine.lineTo(torque.at(s.start, s.torque));
        torqueLine.lineTo(torque.at(s.end, s.torque));
    }
    if (!move_.openEnded)
        torqueLine.lineTo(torque.at(end, 0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(speedColour, 2));
    p.drawPath(speedLine);
    p.setPen(QPen(torqueColour, 2));
    p.drawPath(torqueLine);

    // The marks: the maximum speed, then the acceleration time and the
    // move time down through both panels, labelled at the foot of the speed.
    const QPointF peak = speed.at(move_.accelTime, move_.maxSpeed);
    plotting::dashed(p, speed.at(0, move_.maxSpeed), peak);
    plotting::label(p, speed.at(0, move_.maxSpeed), "max " + plotLabel(move_.maxSpeed));
    plotting::dashed(p, peak, torque.at(move_.accelTime, torque.top()));
    plotting::label(p, speed.at(move_.accelTime, 0) - QPointF(0, 2),
                    "ta " + plotLabel(move_.accelTime));
    if (move_.openEnded) {
        breakMark(p, speed.at(end, move_.maxSpeed));
        breakMark(p, torque.at(end, move_.segments.last().torque));
        return;
    }
    plotting::dashed(p, speed.at(end, speed.top()), torque.at(end, torque.top()));
    plotting::label(p, speed.at(end, 0) - QPointF(0, 2), "t " + plotLabel(move_.moveTime), true);
}
