#pragma once

#include "findings/findingssteps.h"
#include "mechanisms/applications.h"
#include "mechanisms/mechanismsteps.h"
#include "profiles/profilesteps.h"
#include "report/reportlogic.h"
#include "support/applications.h"
#include "support/forms.h"

#include <QLocale>
#include <QTest>

// A road of the shared table driven through the sizing document, with no
// screen: each main button as the screens press it.
namespace sizingroad {

inline const Application& applicationOf(const AppRoad& road) {
    return *applicationWithScreen(road.screen);
}

inline ProfileKind kindOf(const Application& a) {
    return profileKindOf(a.motion());
}

// Each main button on the road as the screens press it, with no screen.
inline void pass(const Outcome& outcome, ScreenId next) {
    QCOMPARE(outcome.messages, QList<Message>{});
    QVERIFY(outcome.proceed);
    QCOMPARE(outcome.next, std::optional(next));
}

// Sizes the road from its entries alone, through the sizing document.
inline void size(Sizing& s, const AppRoad& road) {
    const QLocale locale(road.locale);
    const Application& a = applicationOf(road);
    s.record().MotionType = a.motion();
    s.record().AppType = &a;
    if (!road.calculator.isEmpty()) {
        fill(loadCalcForm(s), localised(road.calculator, locale));
        const Outcome entered = submitLoadCalc(s);
        QVERIFY(entered.messages.isEmpty() && entered.proceed);
    }
    fill(mechanismForm(s, a), localised(road.entries, locale));
    pass(submitMechanism(s, a), a.profile());
    fill(profileForm(s, kindOf(a)), localised(road.move, locale));
    pass(submitProfile(s, kindOf(a)), ScreenId::Preliminary);
    fill(selectionForm(s), localised(road.motor, locale));
    pass(submitSelection(s), ScreenId::Findings);
}

// Adds a gearbox of that reduction to the sized road and sizes it again,
// with the gearbox screen's entries `gearbox` typed over its own.
inline void addGearboxTo(Sizing& s, const AppRoad& road, const QString& reduction,
                         const QStringList& gearbox = {"GBInertia=0.06", "GBUnits=oz-in^2"}) {
    projectionForm(s).entries["Reduction"] = reduction;
    pass(submitGearbox(s), ScreenId::Gearbox);
    fill(mechanismForm(s, applicationOn(ScreenId::Gearbox)), localised(gearbox, QLocale()));
    const Application& a = applicationOf(road);
    const Application& gb = applicationOn(ScreenId::Gearbox);
    pass(submitMechanism(s, gb), a.screen == ScreenId::Gearbox ? a.profile() : a.screen);
    if (a.screen != ScreenId::Gearbox)
        pass(submitMechanism(s, a), a.profile());
    pass(submitProfile(s, kindOf(a)), ScreenId::Preliminary);
    pass(submitSelection(s), ScreenId::Findings);
}

inline QStringList report(const Sizing& s) {
    return assembleReport(s.record(), s.results.findings.value_or(FindingsFigures{}));
}

} // namespace sizingroad
