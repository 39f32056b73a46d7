#pragma once

#include "mechanisms/mechanismscreen.h"
#include "mechanisms/screwlogic.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// What the six linear mechanism screens share: the orientation and load
// frames, and NEXT moving on to the linear profile with the screen's tag.
class LinearMechanism : public MechanismScreen {
    Q_OBJECT
  public:
    LinearMechanism(App& app, const Setup& setup, const QString& tag);

  protected:
    // A frame with the caption and rows of its own, at that place of the grid.
    form::Rows frame(const QString& caption, int row, int column, int rowSpan = 1);
    void addOrientationFrame(int row, int column);
    void addLoadFrame(int row, int column);
    // A "NOTE:" frame with a fixed text.
    void addNoteFrame(const QString& text, int row, int column);

    LoadEntries loadEntries() const;
    // Shows the outcome; when it passed, tags the linear profile and moves to it.
    void proceed(const Outcome& outcome);

  private:
    QString tag_;
    QRadioButton *vertical_, *horizontal_;
    QLineEdit *weight_, *thrust_;
    QComboBox* units_;
};

// The screw every screw screen ends in: its pitch, pitch units and efficiency.
class ScrewMechanism : public LinearMechanism {
    Q_OBJECT
  public:
    ScrewMechanism(App& app, const Setup& setup, const QString& tag);

  protected:
    // The pitch row (with its label) and the efficiency row with its "?".
    void addScrewRows(form::Rows& rows, const QString& pitchLabel = "Enter Screw Pitch or Lead:");
    ScrewEntries screwEntries() const;

  private:
    QLineEdit *pitch_, *efficiency_;
    QComboBox* pitchUnits_;
};
