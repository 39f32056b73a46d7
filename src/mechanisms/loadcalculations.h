#pragma once

#include "ui/screen.h"

#include <QMap>

class QGroupBox;

// The load inertia calculator: the inertia of a solid cylinder, a hollow
// cylinder or a rectangular solid, with any eccentricity, written into the
// load inertia entry of the rotary screen that opened it.
class LoadCalculations : public Screen {
    Q_OBJECT
  public:
    explicit LoadCalculations(Host& host);

  protected:
    // The frame's caption: the tag of the screen that opened the calculator.
    void showResults() override;

  private:
    void enter();
    void clear();
    // The dimensions of the shapes not chosen are greyed out.
    void followShape();

    QGroupBox* loadType_;
    QMap<QString, QList<QWidget*>> dimensions_; // of each shape
};
