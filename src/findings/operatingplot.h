#pragma once

#include "flow/quantity.h"
#include "sizing/figures.h"

#include <QWidget>

class QPainter;

// The motor at a glance: torque against speed, the point the application
// needs, the two points the engineer gave for the motor, and the two margins
// between them coloured as the margin displays are.
// Drawn into `rect` with the painter's font, on whatever device it paints.
void paintOperating(QPainter& p, const QRectF& rect, const FindingsFigures& figures,
                    UnitSystem system = UnitSystem::US);
// The note drawn in place of a picture there is none to draw; empty otherwise.
QString operatingNote(const FindingsFigures& figures);

class OperatingPlot : public QWidget {
    Q_OBJECT
  public:
    explicit OperatingPlot(QWidget* parent = nullptr);

    void setFigures(const FindingsFigures& figures, UnitSystem system = UnitSystem::US);
    const FindingsFigures& figures() const { return figures_; }
    // The note shown in place of a picture there is none to draw; empty otherwise.
    QString note() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    FindingsFigures figures_;
    UnitSystem system_ = UnitSystem::US;
};
