#pragma once

#include "profiles/moveprofile.h"

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

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    MoveProfile move_;
};
