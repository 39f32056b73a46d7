#pragma once

#include "findings/findingslogic.h"

#include <QWidget>

// The motor at a glance: torque against speed, the point the application
// needs, the two points the engineer gave for the motor, and the two margins
// between them coloured as the margin displays are.
class OperatingPlot : public QWidget {
    Q_OBJECT
  public:
    explicit OperatingPlot(QWidget* parent = nullptr);

    void setPoints(const OperatingPoints& points);
    const OperatingPoints& points() const { return points_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    OperatingPoints points_;
};
