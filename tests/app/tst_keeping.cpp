#include "session/sizingfiles.h"
#include "support/applications.h"
#include "support/reportroad.h"
#include "ui/colours.h"
#include "ui/screen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QSettings>
#include <QShortcut>

Q_DECLARE_METATYPE(Answer)

namespace {

// What the findings show, display by display.
QStringList findingsShown(const Harness& h) {
    QStringList out;
    for (const char* d : {"MotorInertia", "ReflectedJ", "Taccl", "Tthrust", "Tgravity", "T_Total",
                          "MaxSpeed", "TRMS", "Mismatch", "TorqueMargin", "SpeedMargin"})
        out << h.text("Findings", d);
    return out;
}

QStringList listed(Harness& h) {
    h.app.screens().show(ScreenId::Report);
    QStringList lines;
    auto* list = h.control<QListWidget>("Report", "ReportList");
    for (int i = 0; list && i < list->count(); ++i)
        lines << list->item(i)->text();
    h.app.screens().existing(ScreenId::Report)->hide();
    return lines;
}

// A key pressed in the window, made active first as a person's click would.
void press(QWidget* window, Qt::KeyboardModifiers modifiers) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_S, modifiers);
}

} // namespace

// The engineer's work kept: sizing files, the last sizing, the recent ones.
class KeepingTest : public QObject {
    Q_OBJECT
  private slots:
    // Sized, saved, thrown away and opened again: the same findings and report.
    void saveStartOverOpen() {
        Harness h;
        reportroad::drive(h, road("BeltPulley"));
        const QStringList findings = findingsShown(h);
        const QStringList report = listed(h);
        QTemporaryDir folder;
        h.dialogs.saveAs = folder.filePath("belt");
        h.click("Findings", "SaveSizing");
        QCOMPARE(h.dialogs.asked.last(), QString("Save Sizing|*.motorsizing"));
        QVERIFY(QFile::exists(folder.filePath("belt.motorsizing")));

        h.click("Findings", "StartNew");
        QCOMPARE(h.messages.take().size(), 1);
        QCOMPARE(h.shownWindows(), QStringList{"Welcome"});
        QCOMPARE(h.items("Welcome", "RecentSizings"), QStringList{"belt.motorsizing"});
        h.dialogs.openAs = folder.filePath("belt.motorsizing");
        h.click("Welcome", "OpenSizing");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
        QCOMPARE(findingsShown(h), findings);
        QCOMPARE(h.colour("Findings", "TorqueMargin"), colours::lightGreen);
        QCOMPARE(listed(h), report);
        // BACK goes through the entries as the file had them.
        h.click("Findings", "Back");
        QCOMPARE(h.text("Selection", "RotorInertia"), QString("0.01"));
    }

    // A file that cannot be opened says why and leaves the sizing on screen.
    void cannotOpen() {
        Harness h;
        reportroad::drive(h, road("DirectDrive"));
        const QStringList before = findingsShown(h);
        QTemporaryDir folder;
        QFile broken(folder.filePath("broken.motorsizing"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("{\"format\": \"motor-sizing\", \"version\": 7}");
        broken.close();
        for (const auto& [file, reason] :
             {std::pair{QString("gone.motorsizing"), QString("it is not found")},
              {QString("broken.motorsizing"),
               QString("it was made by a newer version of Motor Sizing (file version 7)")}}) {
            h.dialogs.openAs = folder.filePath(file);
            h.app.openSizing(h.window("Findings"));
            QCOMPARE(h.messages.take().value(0),
                     (Message{"Cannot Open Sizing", file + " cannot be opened: " + reason + "."}));
            QCOMPARE(h.shownWindows(), QStringList{"Findings"});
            QCOMPARE(findingsShown(h), before);
        }
    }

    // A failed save says why, with the path, and leaves the earlier file.
    void saveError() {
        Harness h;
        reportroad::drive(h, road("DirectDrive"));
        const QString path = h.data.filePath("missing/sizing.motorsizing");
        h.dialogs.saveAs = path;
        h.click("Findings", "SaveSizing");
        const Message shown = h.messages.take().value(0);
        QCOMPARE(shown.title, QString("Save Error"));
        QVERIFY2(shown.text.startsWith("The sizing could not be saved as " + path + ":  "),
                 qPrintable(shown.text));
    }

    // Ctrl+S saves to the sizing's own file without a dialog once it has
    // one; Save Sizing As... and Ctrl+Shift+S always ask.
    void saveInPlace() {
        QTemporaryDir folder;
        const QString path = folder.filePath("zaxis.motorsizing");
        {
            Harness h;
            reportroad::drive(h, road("DirectDrive"));
            h.dialogs.saveAs = folder.filePath("zaxis");
            press(h.window("Findings"), Qt::ControlModifier);
            QCOMPARE(h.dialogs.asked, QStringList{"Save Sizing|*.motorsizing"});
            // Named after its file from then on, with the mark of changes not saved.
            QCOMPARE(h.window("Findings")->windowTitle(),
                     QString("zaxis.motorsizing[*] - Motor Sizing"));
            QVERIFY(!h.window("Findings")->isWindowModified());
            QCOMPARE(h.app.sizingFile(), path);
            QVERIFY(!h.app.sizingChanged());

            // Changed, then saved in place.
            h.click("Findings", "Back");
            h.type("Selection", "RotorInertia", "0.02");
            QVERIFY(h.app.sizingChanged());
            QVERIFY(h.window("Selection")->isWindowModified());
            press(h.window("Selection"), Qt::ControlModifier);
            QCOMPARE(h.dialogs.asked.size(), 1);
            QVERIFY(!h.app.sizingChanged());
            QVERIFY(!h.window("Selection")->isWindowModified());
            const auto saved = readSizing(path);
            QCOMPARE(std::get<Sizing>(saved).forms[ScreenId::Selection].entry("RotorInertia"),
                     QString("0.02"));

            // Save As asks, and the sizing belongs to the new file from then on.
            h.dialogs.saveAs = h.data.filePath("copy");
            press(h.window("Selection"), Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(h.dialogs.asked.size(), 2);
            QCOMPARE(h.app.sizingFile(), h.data.filePath("copy.motorsizing"));
            h.click("Selection", "Next");
            h.click("Findings", "SaveSizingAs");
            QCOMPARE(h.dialogs.asked.size(), 3);
        }

        // Opened from a file, Ctrl+S writes that file with no dialog.
        Harness other;
        QVERIFY(other.app.openSizingFile(path, other.window("Welcome")));
        other.click("Findings", "Back");
        other.type("Selection", "RotorInertia", "0.03");
        press(other.window("Selection"), Qt::ControlModifier);
        QCOMPARE(other.dialogs.asked, QStringList{});
        QCOMPARE(
            std::get<Sizing>(readSizing(path)).forms[ScreenId::Selection].entry("RotorInertia"),
            QString("0.03"));
    }

    // Leaving a sizing whose file has changes asks first: Yes saves and goes
    // on, No goes on without, Cancel stays; a save that fails stays too.
    void saveChanges_data() {
        QTest::addColumn<QString>("leave"); // "close", "start over", "open", "recent"
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("saveFails");
        for (const char* leave : {"close", "start over", "open", "recent"}) {
            QTest::addRow("%s, yes", leave) << QString(leave) << Answer::Yes << false;
            QTest::addRow("%s, no", leave) << QString(leave) << Answer::No << false;
            QTest::addRow("%s, cancel", leave) << QString(leave) << Answer::Cancel << false;
        }
        QTest::newRow("close, the save fails") << "close" << Answer::Yes << true;
    }
    void saveChanges() {
        QFETCH(QString, leave);
        QFETCH(Answer, answer);
        QFETCH(bool, saveFails);
        Harness h;
        reportroad::drive(h, road("DirectDrive"));
        QTemporaryDir folder;
        const QString path = folder.filePath("zaxis.motorsizing");
        h.dialogs.saveAs = path;
        h.click("Findings", "SaveSizing");
        h.click("Findings", "Back");
        h.type("Selection", "RotorInertia", "0.02");
        h.click("Selection", "Next");
        // A folder gone makes the save fail, whoever runs the test.
        if (saveFails)
            QVERIFY(QDir(folder.path()).removeRecursively());
        h.messages.choice = answer;
        h.dialogs.openAs = h.data.filePath("other.motorsizing");
        QCOMPARE(writeSizing(*h.dialogs.openAs, h.sizing()), std::nullopt);

        if (leave == "close") {
            h.click("Findings", "Close");
        } else if (leave == "start over") {
            h.click("Findings", "StartNew");
            QCOMPARE(h.messages.shown.takeFirst().title, QString("Start Over"));
        } else if (leave == "open") {
            h.app.openSizing(h.window("Findings"));
        } else {
            h.app.openSizingFile(*h.dialogs.openAs, h.window("Findings"));
        }
        const Message question{"Save Changes", "Save the changes to zaxis.motorsizing?"};
        QCOMPARE(h.messages.shown.value(0), question);
        const bool failed = saveFails;
        if (failed)
            QCOMPARE(h.messages.shown.value(1).title, QString("Save Error"));
        const bool goneOn = answer != Answer::Cancel && !failed;
        QCOMPARE(h.closed, leave == "close" && goneOn);
        if (leave != "close")
            QCOMPARE(h.shownWindows(), QStringList{!goneOn                 ? "Findings"
                                                   : leave == "start over" ? "Welcome"
                                                                           : "Findings"});
        if (failed)
            return;
        const QString saved =
            std::get<Sizing>(readSizing(path)).forms[ScreenId::Selection].entry("RotorInertia");
        QCOMPARE(saved, QString(answer == Answer::Yes ? "0.02" : "0.01"));
    }

    // A sizing that never had a file asks nothing: the sizing in progress
    // is kept on disk.
    void noFileAsksNothing() {
        Harness h;
        reportroad::drive(h, road("DirectDrive"));
        QCOMPARE(h.window("Findings")->windowTitle(), QString("Findings"));
        h.click("Findings", "Close");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QVERIFY(h.closed);
    }

    // A file edited by hand stops on the screen whose NEXT refuses it, with
    // the message, and keeps the entries from the file.
    void stopsWhereTheFileGoesWrong() {
        Harness h;
        reportroad::drive(h, road("DirectDrive"));
        Sizing edited = h.sizing();
        edited.forms[ScreenId::RotaryMP].entries["TriMoveTime"] = "soon";
        const QString path = h.data.filePath("edited.motorsizing");
        QCOMPARE(writeSizing(path, edited), std::nullopt);
        h.app.openSizingFile(path, h.window("Findings"));
        QCOMPARE(h.messages.take(),
                 (QList<Message>{{"Numbers Please", "Please enter numeric values only"}}));
        QCOMPARE(h.shownWindows(), QStringList{"RotaryMP"});
        QCOMPARE(h.text("RotaryMP", "TriMoveTime"), QString("soon"));
    }

    // The recent sizings: eight at most, the last first, each once, and
    // only those still there.
    void recent() {
        Harness h;
        reportroad::drive(h, road("DirectDrive"));
        QStringList saved;
        for (int i = 0; i < 10; ++i) {
            h.dialogs.saveAs = h.data.filePath(QString("s%1").arg(i));
            h.click("Findings", "SaveSizingAs");
            saved.prepend(h.data.filePath(QString("s%1.motorsizing").arg(i)));
        }
        h.dialogs.saveAs = h.data.filePath("s5");
        h.click("Findings", "SaveSizingAs");
        QFile::remove(h.data.filePath("s8.motorsizing"));
        QCOMPARE(h.app.recentSizings(), (QStringList{saved[4], saved[0], saved[2], saved[3],
                                                     saved[5], saved[6], saved[7]}));
        // A double click opens one.
        h.click("Findings", "StartNew");
        h.messages.take();
        auto* list = h.control<QListWidget>("Welcome", "RecentSizings");
        QCOMPARE(list->count(), 7);
        emit list->itemActivated(list->item(1));
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
    }

    // The sizing in progress is kept after every step that passes and a
    // moment after the last keystroke; the next start continues it.
    void continueLastSizing() {
        QTemporaryDir folder;
        {
            Harness first(QLocale(QLocale::English, QLocale::UnitedStates), folder.path());
            QVERIFY(!first.control<QWidget>("Welcome", "ResumeLast")->isEnabled());
            reportroad::drive(first, road("Gearbox"));
            first.click("Findings", "Back");
            first.type("Selection", "RotorInertia", "0.03");
            QTest::qWait(1500);
            first.click("Selection", "Back");
        }
        Harness next(QLocale(QLocale::English, QLocale::UnitedStates), folder.path());
        QVERIFY(next.control<QWidget>("Welcome", "ResumeLast")->isEnabled());
        next.click("Welcome", "ResumeLast");
        QCOMPARE(next.shownWindows(), QStringList{"Findings"});
        QCOMPARE(next.text("Findings", "MotorInertia"), QString("0.030"));
    }

    // Two copies at once keep their sizings apart.
    void twoCopies() {
        QTemporaryDir folder;
        Harness one(QLocale(QLocale::English, QLocale::UnitedStates), folder.path());
        Harness two(QLocale(QLocale::English, QLocale::UnitedStates), folder.path());
        QVERIFY(one.app.autosave().path() != two.app.autosave().path());
    }

    // Killed in the middle of typing a screw's entries, the program brings
    // them back at its next start.
    void afterACrash() {
        QTemporaryDir folder;
        QProcess crashed;
        crashed.start(CRASH_HELPER, {folder.path()});
        QVERIFY(crashed.waitForStarted(10000));
        QVERIFY(crashed.waitForReadyRead(30000));
        QCOMPARE(crashed.readLine().trimmed(), QByteArray("typed"));
        QTest::qWait(2000);
        crashed.kill();
        QVERIFY(crashed.waitForFinished(10000));

        const Message recover{"Recover Sizing", "The sizing in progress when the program last "
                                                "ended was not saved. Recover it?"};
        {
            // No leaves it, and the question is not asked again for it.
            Harness declined(QLocale(QLocale::English, QLocale::UnitedStates), folder.path());
            declined.messages.answer = false;
            declined.app.offerRecovery(declined.window("Welcome"));
            QCOMPARE(declined.messages.take(), QList<Message>{recover});
            QCOMPARE(declined.shownWindows(), QStringList{"Welcome"});
            declined.app.offerRecovery(declined.window("Welcome"));
            QCOMPARE(declined.messages.take(), QList<Message>{});
            QVERIFY(declined.control<QWidget>("Welcome", "ResumeLast")->isEnabled());
        }
        QSettings(QDir(folder.path()).filePath("settings.ini"), QSettings::IniFormat)
            .remove("declined");
        Harness h(QLocale(QLocale::English, QLocale::UnitedStates), folder.path());
        h.app.offerRecovery(h.window("Welcome"));
        QCOMPARE(h.messages.take(), QList<Message>{recover});
        QCOMPARE(h.shownWindows(), QStringList{"ScrewDrive"});
        for (const auto& [entry, typed] : {std::pair{"ScrewDiameter", "0.5"},
                                           {"ScrewLength", "24"},
                                           {"ScrewPitch", "0.2"},
                                           {"LoadWeight", "10"}})
            QCOMPARE(h.text("ScrewDrive", entry), QString(typed));
        QCOMPARE(h.text("ScrewDrive", "ScrewEfficiency"), QString("90"));
        QCOMPARE(h.control<QComboBox>("ScrewDrive", "PitchUnits")->currentText(),
                 QString("in/rev"));
    }

    // A sizing that ended as it was saved is not offered back; one changed
    // after it is.
    void recoveryOnlyOfUnsavedWork() {
        QTemporaryDir folder;
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        {
            Harness h(english, folder.path());
            reportroad::drive(h, road("DirectDrive"));
            h.dialogs.saveAs = folder.filePath("dd");
            h.click("Findings", "SaveSizing");
        }
        {
            Harness h(english, folder.path());
            h.app.offerRecovery(h.window("Welcome"));
            QCOMPARE(h.messages.take(), QList<Message>{});
            h.click("Welcome", "ResumeLast");
            h.click("Findings", "Back");
            h.type("Selection", "RotorInertia", "0.02");
            h.app.keep();
        }
        Harness h(english, folder.path());
        h.messages.answer = false;
        h.app.offerRecovery(h.window("Welcome"));
        QCOMPARE(h.messages.take().size(), 1);
    }

    // Typing that never pauses still reaches the disk within a second of
    // each change.
    void steadyTyping() {
        QTemporaryDir folder;
        QProcess typing;
        typing.start(CRASH_HELPER, {folder.path(), "steady"});
        QVERIFY(typing.waitForStarted(10000));
        QByteArray line;
        // Five seconds of typing, then the text as it stood 1.5 seconds before the end.
        QElapsedTimer clock;
        clock.start();
        QByteArray typedBefore;
        while (clock.elapsed() < 6500) {
            QVERIFY(typing.waitForReadyRead(5000));
            while (typing.canReadLine()) {
                line = typing.readLine().trimmed();
                if (clock.elapsed() < 5000)
                    typedBefore = line;
            }
        }
        typing.kill();
        QVERIFY(typing.waitForFinished(10000));
        QVERIFY(typedBefore.startsWith("241"));

        const auto kept = readSizing(QDir(folder.path()).filePath("sizing-1.motorsizing"));
        QVERIFY(std::holds_alternative<Sizing>(kept));
        const QString length =
            std::get<Sizing>(kept).forms.value(ScreenId{"ScrewDrive"}).entry("ScrewLength");
        QVERIFY2(length.size() >= typedBefore.size(), qPrintable(length + " < " + typedBefore));
    }

    void keyboard() {
        Harness h;
        reportroad::drive(h, road("DirectDrive"));
        QWidget* findings = h.window("Findings");
        findings->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(findings));
        h.dialogs.saveAs = h.data.filePath("keys");
        QTest::keyClick(findings, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(h.data.filePath("keys.motorsizing")));
        h.dialogs.openAs.reset();
        QTest::keyClick(findings, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(h.dialogs.asked.last(), QString("Open Sizing|*.motorsizing"));
    }
};

QTEST_MAIN(KeepingTest)
#include "tst_keeping.moc"
