#include "mechanisms/rotarymechanism.h"

#include "mechanisms/mechanismfields.h"
#include "mechanisms/mechanismsteps.h"

#include <QGridLayout>
#include <QLayoutItem>
#include <QLineEdit>

namespace {

const Message constantTorqueHelp{
    "Constant Torque",
    "Constant Torque is any applied force multiplied by the radius at which it is applied, or any "
    "startup torque required to overcome static friction.  Examples of Constant Torque include "
    "tangential force (web tension or frictional force at the edge of a disc) and detent torque."};

} // namespace

RotaryMechanism::RotaryMechanism(Host& host, const Application& mechanism, const Setup& setup)
    : MechanismScreen(host, mechanism, setup), inertia_(entry(mechanism.loadInertia)),
      torque_(entry(fields::TConst)) {
    // A load inertia typed by hand carries no weight; one the calculator
    // wrote keeps the weight it stored.
    connect(inertia_, &QLineEdit::textEdited, this, [this] { sizing().loadInertiaEdited(); });
}

void RotaryMechanism::addLoadRows() {
    rows().add("Enter the Inertia of the Load:", inertia_, "oz-in-sec^2");
    const int first = rows().row();
    rows().add("OR, Click >>",
               button("LoadCalcs", "Inertia Calculations", [this] { openLoadCalculator(); }));
    rows().add("Enter any constant torque applied:", torque_, "oz-in",
               helpButton("DWhat", constantTorqueHelp));
    for (int row = first; row < rows().row(); ++row)
        for (int column = 0; column < rows().grid()->columnCount(); ++column)
            if (QLayoutItem* item = rows().grid()->itemAtPosition(row, column))
                if (item->widget())
                    torqueAndCalculator_ << item->widget();
}

void RotaryMechanism::addUnitConversionRow() {
    rows().span(toolButton("UnitConv", "Unit Conversion", ScreenId::Conversion));
}

void RotaryMechanism::showTorqueAndCalculator(bool shown) {
    for (QWidget* w : std::as_const(torqueAndCalculator_))
        w->setVisible(shown);
}

void RotaryMechanism::openLoadCalculator() {
    openBeside(ScreenId::LoadCalculations);
}
