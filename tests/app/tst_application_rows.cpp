#include "app/sizingfiles.h"
#include "mechanisms/applications.h"
#include "support/harness.h"
#include "ui/screen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

} // namespace

// Every application's screens against what a sizing keeps of them: each
// entry, unit list and option frame of the forms the file reader checks has
// its control, each control has its entry, and each unit list offers the
// items the file reader accepts.
class ApplicationRowsTest : public QObject {
    Q_OBJECT
  private slots:
    void everyRow_data() {
        QTest::addColumn<QString>("application");
        for (const Application& a : applications())
            QTest::newRow(qPrintable(a.text)) << a.text;
    }
    void everyRow() {
        QFETCH(QString, application);
        const Application& a = *applicationNamed(application);
        Harness h;
        h.record().MotionType = a.motion();
        h.record().AppType = &a;
        for (const auto& [id, first] : screensOf(a)) {
            if (id == ScreenId::LoadCalculations && a.loadInertia.isEmpty())
                continue;
            Screen* screen = h.app.screens().show(id);
            const QString name = screenName(id);
            QStringList entries, units, frames;
            for (const QLineEdit* e : screen->findChildren<QLineEdit*>())
                if (!e->isReadOnly() && !e->objectName().isEmpty() &&
                    !qobject_cast<QComboBox*>(e->parent()))
                    entries << e->objectName();
            for (const QComboBox* c : screen->findChildren<QComboBox*>()) {
                units << c->objectName();
                QStringList items;
                for (int i = 0; i < c->count(); ++i)
                    items << c->itemText(i);
                QCOMPARE(items, unitItems(c->objectName(), a.motion()));
            }
            for (const QRadioButton* b : screen->findChildren<QRadioButton*>()) {
                const auto* frame = qobject_cast<const QGroupBox*>(b->parent());
                QVERIFY2(frame, qPrintable(name + "." + b->objectName() + " stands in no frame"));
                // A frame is known by its name, or by its caption where it has none.
                const QString known =
                    frame->objectName().isEmpty() ? frame->title() : frame->objectName();
                if (!frames.contains(known))
                    frames << known;
            }
            QCOMPARE(sorted(entries), sorted(first.entries.keys()));
            QCOMPARE(sorted(units), sorted(first.units.keys()));
            QCOMPARE(sorted(frames), sorted(first.options.keys()));
            screen->hide();
        }
    }
};

QTEST_MAIN(ApplicationRowsTest)
#include "tst_application_rows.moc"
