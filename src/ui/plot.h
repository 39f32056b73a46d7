#pragma once

#include <QList>
#include <QPainter>
#include <QRectF>
#include <QString>

// What the two plots share: an area with ticked, labelled axes that maps
// figures to points, and the note an empty plot shows.
namespace plotting {

class Axes {
  public:
    // The ticks are the figures' own (axisTicks); the area is in pixels.
    Axes(const QRectF& area, QList<double> xTicks, QList<double> yTicks);
    bool isValid() const { return xTicks_.size() > 1 && yTicks_.size() > 1; }
    QPointF at(double x, double y) const;
    const QRectF& area() const { return area_; }
    double top() const { return yTicks_.last(); }
    double right() const { return xTicks_.last(); }

    // Frame, grid, tick labels and the two axis titles.
    void draw(QPainter& p, const QString& xTitle, const QString& yTitle) const;

  private:
    QRectF area_;
    QList<double> xTicks_, yTicks_;
};

// A short note in the middle of an empty plot.
void note(QPainter& p, const QRectF& area, const QString& text);

// A dashed mark line.
void dashed(QPainter& p, QPointF from, QPointF to);
// A small label beside `at`: to its right (and above), or to its left.
void label(QPainter& p, QPointF at, const QString& text, bool leftOf = false);

} // namespace plotting
