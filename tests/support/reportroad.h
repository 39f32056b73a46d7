#pragma once

#include "support/applications.h"
#include "support/fixture.h"
#include "support/harness.h"

#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QTemporaryDir>

#include <functional>

// The end of every sizing road: the report on screen against a fixture
// written by hand, and the file it is saved as.
namespace reportroad {

// The saved file as the engineer reads it: the header, the report and the
// disclaimer, every line quoted and ended by CR LF.
inline QByteArray savedFile(const QStringList& report) {
    const QStringList lines =
        QStringList{"",
                    "Motor Sizing For: Acme Mill",
                    "",
                    "Sizing Completed By: Ann",
                    "",
                    "",
                    "User Selected Motor: M-23",
                    "",
                    ""} +
        report +
        QStringList{"",
                    "DISCLAIMER:  This sizing is intended to be used as a tool to assist in motor "
                    "selection.",
                    "It makes no claims or statements pertaining to the function of any machine."};
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += '"' + line.toLatin1() + "\"\r\n";
    return bytes;
}

// Drives the road through the screens from the welcome screen, none of them
// giving a message, up to the motor selection (its entries not yet in) or
// through it to the findings; `at` looks at each screen once its entries are in.
inline void drive(Harness& h, const AppRoad& road,
                  const std::function<void(const QString& screen)>& at = {},
                  const QString& until = "Findings") {
    const QLocale locale;
    const auto enter = [&](const QString& screen, const QStringList& tokens, const QString& next) {
        h.fill(screen, localised(tokens, locale));
        if (at)
            at(screen);
        h.click(screen, next);
        QCOMPARE(h.messages.take(), QList<Message>{});
    };
    h.click("Welcome", road.motion);
    h.click(road.motion + "Type", road.button);
    if (!road.calculator.isEmpty()) {
        h.click(road.screen, "LoadCalcs");
        enter("LoadCalculations", road.calculator, "Calculate");
    }
    enter(road.screen, road.entries, "Next");
    enter(road.profile(), road.move, "Next");
    enter("Preliminary", {}, "Next");
    if (until == "Selection") {
        QCOMPARE(h.shownWindows(), QStringList{"Selection"});
        return;
    }
    enter("Selection", road.motor, "Next");
    QCOMPARE(h.shownWindows(), QStringList{"Findings"});
    if (at)
        at("Findings");
}

// From the findings: VIEW REPORT, compare, then save and compare the file.
inline void viewAndSave(Harness& h, const QString& fixtureName) {
    h.click("Findings", "ViewReport");
    QStringList listed;
    auto* list = h.control<QListWidget>("Report", "ReportList");
    QVERIFY(list);
    for (int i = 0; i < list->count(); ++i)
        listed << list->item(i)->text();
    const QStringList expected = fixtureLines(fixtureName);
    QCOMPARE(listed, expected);

    QTemporaryDir dir;
    h.type("Report", "Sizer", "Ann");
    h.type("Report", "Company", "Acme Mill");
    h.type("Report", "MotorSelected", "M-23");
    h.dialogs.saveAs = dir.filePath("sizing");
    h.click("Report", "SaveReport");
    QCOMPARE(h.messages.take(), QList<Message>{});
    QFile saved(dir.filePath("sizing.txt"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), savedFile(expected));
}

} // namespace reportroad
