#pragma once

#include "mechanisms/loadcalclogic.h"
#include "ui/screen.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

// The load inertia calculator: the inertia of a solid cylinder, a hollow
// cylinder or a rectangular solid, with any eccentricity, written into the
// load inertia entry of the rotary screen that opened it.
class LoadCalculations : public Screen {
    Q_OBJECT
  public:
    explicit LoadCalculations(App& app);

    // The opening screen's mechanism tag, shown as the frame's caption.
    void setLoadType(const QString& tag);

  private:
    LoadCalcEntries entries() const;
    void enter();
    void clear();

    QGroupBox* loadType_;
    QRadioButton *solid_, *hollow_, *rect_;
    QLineEdit *solidOD_, *hollowOD_, *hollowID_, *rectL_, *rectW_, *weight_, *eccentricity_;
    QComboBox *lengthUnits_, *weightUnits_;
};
