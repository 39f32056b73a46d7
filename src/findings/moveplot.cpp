#include "findings/moveplot.h"

#include "flow/axis.h"
#include "ui/plot.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor speedBlue(30, 70, 160);
const QColor torqueBrown(170, 90, 20);

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

void MovePlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const QRectF all = QRectF(rect()).adjusted(62, 24, -18, -36);
    if (move_.isEmpty())
        return plotting::note(p, all, "No move to draw: the profile gives no motor speed.");

    const double end = move_.segments.last().end;
    const QList<double> time = axisTicks(0, end);
    double low = 0, high = 0;
    for (const MoveSegment& s : move_.segments) {
        low = std::min(low, s.torque);
        high = std::max(high, s.torque);
    }
    if (low == high)
        high = 1;
    const double gap = 40;
    const double panel = (all.height() - gap) / 2;
    const plotting::Axes speed(QRectF(all.left(), all.top(), all.width(), panel), time,
                               axisTicks(0, move_.maxSpeed * 1.15));
    const plotting::Axes torque(QRectF(all.left(), all.bottom() - panel, all.width(), panel), time,
                                axisTicks(low, high));
    if (!speed.isValid() || !torque.isValid())
        return plotting::note(p, all, "No move to draw.");
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
    p.setPen(QPen(speedBlue, 2));
    p.drawPath(speedLine);
    p.setPen(QPen(torqueBrown, 2));
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
