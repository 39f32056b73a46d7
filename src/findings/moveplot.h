#pragma once

#include "sizing/figures.h"

#include <QColor>
#include <QWidget>

// The move the profile worked out, over time: the motor speed above, the
// torque required below, with the maximum speed, the acceleration time and
// the move time marked.
class MovePlot : public QWidget {
    Q_OBJECT
  public:
    explicit MovePlot(QWidget* parent = nullptr);

    void setMove(const MoveProfile& move);
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
};
