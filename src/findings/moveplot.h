#pragma once

#include "flow/quantity.h"
#include "sizing/figures.h"

#include <QColor>
#include <QWidget>

class QPainter;

// The move the profile worked out, over time: the motor speed above, the
// torque required below, with the maximum speed, the acceleration time and
// the move time marked.
// Drawn into `rect` with the painter's font, on whatever device it paints:
// the screen, a printer, a PDF.
void paintMove(QPainter& p, const QRectF& rect, const MoveProfile& move,
               UnitSystem system = UnitSystem::US);
// The note drawn in place of a move there is none to draw; empty otherwise.
QString moveNote(const MoveProfile& move);

class MovePlot : public QWidget {
    Q_OBJECT
  public:
    explicit MovePlot(QWidget* parent = nullptr);

    void setMove(const MoveProfile& move, UnitSystem system = UnitSystem::US);
    const MoveProfile& move() const { return move_; }
    // The note shown in place of a move there is none to draw; empty otherwise.
    QString note() const;

    static inline const QColor speedColour{30, 70, 160};
    static inline const QColor torqueColour{170, 90, 20};

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    MoveProfile move_;
    UnitSystem system_ = UnitSystem::US;
};
