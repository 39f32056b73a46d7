#pragma once

#include <QColor>
#include <QFontMetricsF>
#include <QList>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

// What the two plots share: axes with ticked, labelled sides that map figures
// to points, the legend under a plot, and the note an empty plot shows. Every
// box a text is drawn in is measured with the painter's font.
namespace plotting {

class Axes {
  public:
    // Axes inside `outer`, leaving room around the frame for the tick
    // labels and the titles in the font of `metrics`. The ticks are the
    // figures' own (axisTicks).
    // Axes drawn one above the other share the left margin of the widest.
    Axes(const QRectF& outer, const QFontMetricsF& metrics, QList<double> xTicks,
         QList<double> yTicks, bool xTitle, double left = 0);
    // The room the y tick labels need left of the frame.
    static double leftMargin(const QFontMetricsF& metrics, const QList<double>& yTicks);
    bool isValid() const { return xTicks_.size() > 1 && yTicks_.size() > 1; }
    QPointF at(double x, double y) const;
    const QRectF& area() const { return area_; }
    double top() const { return yTicks_.last(); }
    double right() const { return xTicks_.last(); }

    // Frame, grid, tick labels and the two axis titles (the y title above
    // the frame, at its left). Gives the box of the y title.
    QRectF draw(QPainter& p, const QString& xTitle, const QString& yTitle) const;

  private:
    QRectF area_;
    QList<double> xTicks_, yTicks_;
};

// Which ticks of an axis are labelled, `spacing` apart, so that labels that
// each need `room` along the axis never overlap: every one where they fit,
// otherwise every second or third, zero among them.
QList<bool> labelled(const QList<double>& ticks, double spacing, double room);

// One line of a legend: a symbol drawn into a square, and its text.
struct LegendLine {
    std::function<void(QPainter&, const QRectF& square)> symbol;
    QString text;
};
// The height a legend of that many lines takes.
double legendHeight(const QFontMetricsF& metrics, int lines);
// Draws the legend lines from the top of `box`, one under the other.
void legend(QPainter& p, const QRectF& box, const QList<LegendLine>& lines);

// A short note in the middle of an empty plot.
void note(QPainter& p, const QRectF& area, const QString& text);

// A dashed mark line.
void dashed(QPainter& p, QPointF from, QPointF to);
// The pieces of a line that lie outside a box, so that a mark line passes
// a title by instead of striking through its letters.
QList<QLineF> around(const QLineF& line, const QRectF& box);
// A short tag whose bottom right stands at `at`, on white so that no line
// runs through its letters.
void tag(QPainter& p, QPointF at, const QString& text);

} // namespace plotting
