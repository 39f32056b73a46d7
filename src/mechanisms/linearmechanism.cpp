#include "mechanisms/linearmechanism.h"

#include "mechanisms/mechanismfields.h"
#include "units/units.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

LinearMechanism::LinearMechanism(Host& host, const Application& mechanism, const Setup& setup)
    : MechanismScreen(host, mechanism, setup) {}

form::Rows LinearMechanism::frame(const QString& caption, int row, int column, int rowSpan) {
    return addFrame(new QGroupBox(caption), row, column, rowSpan);
}

void LinearMechanism::addOrientationFrame(int row, int column) {
    form::Rows rows = frame("Orientation", row, column);
    rows.whole(option(fields::Orientation, fields::Vertical, "Vertical"));
    rows.whole(option(fields::Orientation, fields::Horizontal, "Horizontal"));
}

void LinearMechanism::addLoadFrame(int row, int column) {
    form::Rows rows = frame("Load", row, column);
    rows.add("Enter the Weight of the Load:", entry(fields::LoadWeight));
    rows.add("Enter any Thrust or Constant Force:", entry(fields::ThrustForce));
    rows.add("Units:", unitList(fields::Units));
}

void LinearMechanism::addNoteFrame(const QString& text, int row, int column) {
    form::Rows rows = frame("NOTE:", row, column);
    QLabel* note = form::label(text);
    note->setWordWrap(true);
    const int width = note->fontMetrics().averageCharWidth() * 48;
    note->setFixedWidth(width);
    note->setMinimumHeight(note->heightForWidth(width));
    rows.whole(note);
}

void ScrewMechanism::addScrewRows(form::Rows& rows, const QString& pitchLabel) {
    rows.add(pitchLabel, entry(fields::ScrewPitch), unitList(fields::PitchUnits));
    rows.add(
        "Enter Screw Efficiency:", entry(fields::ScrewEfficiency), "%",
        helpButton("ScrewWhat", {"Screw Efficiency", "Typical Screw Efficiency for a Ballscrew "
                                                     "is 90-95%, typical for Leadscrew is "
                                                     "40-70%."}));
}
