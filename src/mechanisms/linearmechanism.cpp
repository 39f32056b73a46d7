#include "mechanisms/linearmechanism.h"

#include "units/units.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

LinearMechanism::LinearMechanism(App& app, const Setup& setup, const QString& tag)
    : MechanismScreen(app, setup), tag_(tag), vertical_(new QRadioButton("Vertical")),
      horizontal_(new QRadioButton("Horizontal")), weight_(form::entry("LoadWeight")),
      thrust_(form::entry("ThrustForce")),
      units_(form::unitList("Units", units::weightUnits().texts())) {
    vertical_->setObjectName("Vertical");
    horizontal_->setObjectName("Horizontal");
}

form::Rows LinearMechanism::frame(const QString& caption, int row, int column, int rowSpan) {
    return addFrame(new QGroupBox(caption), row, column, rowSpan);
}

void LinearMechanism::addOrientationFrame(int row, int column) {
    form::Rows rows = frame("Orientation", row, column);
    rows.whole(vertical_);
    rows.whole(horizontal_);
}

void LinearMechanism::addLoadFrame(int row, int column) {
    form::Rows rows = frame("Load", row, column);
    rows.add("Enter the Weight of the Load:", weight_);
    rows.add("Enter any Thrust or Constant Force:", thrust_);
    rows.add("Units:", units_);
}

void LinearMechanism::addNoteFrame(const QString& text, int row, int column) {
    form::Rows rows = frame("NOTE:", row, column);
    QLabel* note = form::label(text);
    note->setWordWrap(true);
    note->setFixedWidth(330);
    note->setMinimumHeight(note->heightForWidth(330));
    rows.whole(note);
}

LoadEntries LinearMechanism::loadEntries() const {
    const Orientation orientation = vertical_->isChecked()     ? Orientation::Vertical
                                    : horizontal_->isChecked() ? Orientation::Horizontal
                                                               : Orientation::None;
    return {orientation, weight_->text(), thrust_->text(), units_->currentText()};
}

void LinearMechanism::proceed(const Outcome& outcome) {
    if (apply(outcome))
        openProfile("MotionProfiles", tag_);
}

ScrewMechanism::ScrewMechanism(App& app, const Setup& setup, const QString& tag)
    : LinearMechanism(app, setup, tag), pitch_(form::entry("ScrewPitch")),
      efficiency_(form::entry("ScrewEfficiency", "60")),
      pitchUnits_(form::unitList("PitchUnits", units::pitchUnits().texts())) {}

void ScrewMechanism::addScrewRows(form::Rows& rows, const QString& pitchLabel) {
    rows.add(pitchLabel, pitch_, pitchUnits_);
    rows.add(
        "Enter Screw Efficiency:", efficiency_, "%",
        helpButton("ScrewWhat", {"Screw Efficiency", "Typical Screw Efficiency for a Ballscrew "
                                                     "is 90-95%, typical for Leadscrew is "
                                                     "40-70%."}));
}

ScrewEntries ScrewMechanism::screwEntries() const {
    return {pitch_->text(), pitchUnits_->currentText(), efficiency_->text()};
}
