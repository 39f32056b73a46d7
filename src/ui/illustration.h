#pragma once

#include <QWidget>

#include <functional>

class QPainter;

// A static picture drawn with a painter into the given rectangle.
class Illustration : public QWidget {
  public:
    using Draw = std::function<void(QPainter&, const QRectF&)>;
    Illustration(Draw draw, QSize size, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    Draw draw_;
};

namespace drawing {
// A straight arrow, with a head at `to` (and at `from` when both).
void arrow(QPainter& p, QPointF from, QPointF to, bool both = false);
// An arc from startDeg spanning spanDeg with heads at both ends.
void curvedArrow(QPainter& p, const QRectF& ellipse, double startDeg, double spanDeg);
} // namespace drawing
