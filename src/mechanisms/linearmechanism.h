#pragma once

#include "mechanisms/mechanismscreen.h"

class QComboBox;
class QLineEdit;

// What the six linear mechanism screens share: the orientation, load and
// note frames.
class LinearMechanism : public MechanismScreen {
    Q_OBJECT
  public:
    LinearMechanism(Host& host, const Application& mechanism, const Setup& setup);

  protected:
    // A frame with the caption and rows of its own, at that place of the grid.
    form::Rows frame(const QString& caption, int row, int column, int rowSpan = 1);
    void addOrientationFrame(int row, int column);
    void addLoadFrame(int row, int column);
    // A "NOTE:" frame with a fixed text.
    void addNoteFrame(const QString& text, int row, int column);
};

// The screw every screw screen ends in: its pitch, pitch units and efficiency.
class ScrewMechanism : public LinearMechanism {
    Q_OBJECT
  public:
    using LinearMechanism::LinearMechanism;

  protected:
    // The pitch row (with its label) and the efficiency row with its "?".
    void addScrewRows(form::Rows& rows, const QString& pitchLabel = "Enter Screw Pitch or Lead:");
};
