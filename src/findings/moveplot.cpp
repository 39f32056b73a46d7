#include "findings/moveplot.h"

#include "flow/axis.h"
#include "flow/quantity.h"
#include "profiles/moveprofile.h"
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
    high = std::max(high, move.rmsTorque);
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
}

QSize MovePlot::minimumSizeHint() const {
    const QFontMetricsF m(font());
    return QSize(int(m.averageCharWidth() * 56), int(m.lineSpacing() * 20));
}

QSize MovePlot::sizeHint() const {
    return minimumSizeHint();
}

void MovePlot::setMove(const MoveProfile& move, UnitSystem system) {
    move_ = move;
    system_ = system;
    update();
}

QString MovePlot::note() const {
    return moveNote(move_);
}

void MovePlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    paintMove(p, rect(), move_, system_);
}

QString moveNote(const MoveProfile& move) {
    if (move.isEmpty())
        return "No move to draw: the profile gives no motor speed.";
    if (!panels(move).valid())
        return "No move to draw.";
    return {};
}

namespace {

// The two panels of the move as drawn, and the boxes of their titles.
struct MovePanels {
    const plotting::Axes& speed;
    const plotting::Axes& torque;
    QRectF title;       // the speed panel's
    QRectF torqueTitle; // the torque panel's
    QRectF all;         // both panels
};

// The maximum speed, and the acceleration time and the move time marked
// down through both panels, each tagged above the frame where it has room.
void markTimes(QPainter& p, const MovePanels& panels, const MoveProfile& move) {
    const plotting::Axes& speed = panels.speed;
    const plotting::Axes& torque = panels.torque;
    const QRectF& title = panels.title;
    const QRectF& all = panels.all;
    const QFontMetricsF metrics(p.font(), p.device());
    const double line = metrics.lineSpacing();
    const double end = move.segments.last().end;
    // A time marked down through both panels, passing the torque's title by.
    const auto downThrough = [&](double time) {
        for (const QLineF& piece :
             plotting::around(QLineF(speed.at(time, speed.top()), torque.at(time, torque.top())),
                              panels.torqueTitle))
            plotting::dashed(p, piece.p1(), piece.p2());
    };
    const QPointF peak = speed.at(move.accelTime, move.maxSpeed);
    plotting::dashed(p, speed.at(0, move.maxSpeed), peak);
    downThrough(move.accelTime);
    QList<std::pair<double, QString>> tags{{move.accelTime, "ta"}};
    if (move.openEnded) {
        breakMark(p, speed.at(end, move.maxSpeed));
        breakMark(p, torque.at(end, move.segments.last().torque));
    } else {
        // The move ends at its move time; a dwell at rest follows.
        const double moved = move.moveTime;
        downThrough(moved);
        tags.append({moved, "t"});
    }
    QList<QRectF> taken{title};
    p.setPen(QColor(40, 40, 40));
    for (const auto& [time, tag] : tags) {
        const double width = metrics.horizontalAdvance(tag) + 4;
        QRectF box(speed.at(time, 0).x() - width / 2, title.top(), width, line);
        box.moveRight(std::min(box.right(), all.right()));
        if (std::any_of(taken.begin(), taken.end(),
                        [&](const QRectF& r) { return r.intersects(box); }))
            continue;
        p.drawText(box, Qt::AlignCenter, tag);
        taken << box;
    }
}

} // namespace

void paintMove(QPainter& p, const QRectF& rect, const MoveProfile& shown, UnitSystem system) {
    const QFontMetricsF metrics(p.font(), p.device());
    const double line = metrics.lineSpacing();
    const MoveProfile move = inUnits(shown, system);

    // The figures under the picture, on one line where it has room.
    QStringList caption = moveCaption(shown, system);
    const QString oneLine = caption.join("     ");
    if (metrics.horizontalAdvance(oneLine) < rect.width() - 16)
        caption = QStringList{oneLine};
    const QRectF all = rect.adjusted(8, 4, -8, -(caption.size() * line + 8));
    if (const QString text = moveNote(move); !text.isEmpty())
        return plotting::note(p, all, text);
    p.setPen(QColor(40, 40, 40));
    for (int k = 0; k < caption.size(); ++k)
        p.drawText(QRectF(all.left(), all.bottom() + 4 + k * line, all.width(), line),
                   Qt::AlignLeft | Qt::AlignVCenter, caption[k]);

    const double end = move.segments.last().end;
    const Panels ticks = panels(move);
    const double left = std::max(plotting::Axes::leftMargin(metrics, ticks.speed),
                                 plotting::Axes::leftMargin(metrics, ticks.torque));
    const double half = all.height() / 2;
    const plotting::Axes speed(QRectF(all.left(), all.top(), all.width(), half), metrics,
                               ticks.time, ticks.speed, false, left);
    const plotting::Axes torque(QRectF(all.left(), all.top() + half, all.width(), half), metrics,
                                ticks.time, ticks.torque, true, left);
    const QRectF title =
        speed.draw(p, QString(), "Motor speed (" + unitOf(Quantity::Speed, system) + ")");
    const QRectF torqueTitle =
        torque.draw(p, "Time (sec)", "Torque required (" + unitOf(Quantity::Torque, system) + ")");

    QPainterPath speedLine(speed.at(0, 0));
    QPainterPath torqueLine(torque.at(0, 0));
    for (const MoveSegment& s : move.segments) {
        speedLine.lineTo(speed.at(s.start, s.fromSpeed));
        speedLine.lineTo(speed.at(s.end, s.toSpeed));
        torqueLine.lineTo(torque.at(s.start, s.torque));
        torqueLine.lineTo(torque.at(s.end, s.torque));
    }
    if (!move.openEnded)
        torqueLine.lineTo(torque.at(end, 0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(MovePlot::speedColour, 2));
    p.drawPath(speedLine);
    p.setPen(QPen(MovePlot::torqueColour, 2));
    p.drawPath(torqueLine);
    // The RMS torque of the cycle, the dwell included.
    const QPointF rmsEnd = torque.at(end, move.rmsTorque);
    plotting::dashed(p, torque.at(0, move.rmsTorque), rmsEnd);
    plotting::tag(p, rmsEnd - QPointF(2, 1), "rms");

    markTimes(p, {speed, torque, title, torqueTitle, all}, move);
}
