#include "mechanisms/applications.h"
#include "mechanisms/mechanismfields.h"
#include "session/sizingfiles.h"
#include "sizing/document.h"

#include <QSignalSpy>
#include <QTest>

// The sizing in progress and its file: changed since it was saved there or
// opened from it, as the file would hold it, and saying so when it changes.
class DocumentTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void changesAgainstItsFile() {
        SizingDocument document([](const Sizing& s) { return toJson(toFile(s)); });
        QSignalSpy changed(&document, &Changes::changed);
        const Application& direct = applicationOn(ScreenId{"DirectDrive"});
        Sizing opened;
        opened.chooseApplication(direct);
        opened.record().MotionType = Motion::Rotary;
        document.replace(opened, "/work/shafts/press.motorsizing");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(document.fileName(), QString("press.motorsizing"));
        QVERIFY(!document.isModified());

        // Typed, then typed back: the file would hold the same.
        Form& form = document.sizing().form(direct.screen, direct.form());
        form.entries[fields::DDInertia] = "0.25";
        document.edited();
        QCOMPARE(changed.count(), 2);
        QVERIFY(document.isModified());
        form.entries[fields::DDInertia] = "0";
        QVERIFY(!document.isModified());

        form.entries[fields::DDInertia] = "0.5";
        QVERIFY(document.isModified());
        document.savedTo("/work/shafts/press 2.motorsizing");
        QCOMPARE(changed.count(), 3);
        QVERIFY(!document.isModified());
        QCOMPARE(document.fileName(), QString("press 2.motorsizing"));

        // A sizing with no file of its own is kept by the autosave; it asks nothing.
        document.replace(Sizing{}, {});
        document.sizing().chooseApplication(direct);
        QVERIFY(document.file().isEmpty());
        QVERIFY(!document.isModified());
    }
};

QTEST_GUILESS_MAIN(DocumentTest)
#include "tst_document.moc"
