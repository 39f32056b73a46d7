#include "mechanisms/applications.h"
#include "session/sizingfiles.h"
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

// Every application's screens against their tables: each entry, unit list
// and option frame the file reader checks has its control, each control has
// its field, each unit list offers the items the file reader accepts and
// each frame the options its field names.
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
        for (const auto& [id, table] : screensOf(a)) {
            const Form first = Form::initial(table);
            QMap<QString, QStringList> offered; // by unit list and frame
            for (const Field& field : table)
                offered[field] = field.items(a.motion());
            if (id == ScreenId::LoadCalculations && a.loadInertia.isEmpty())
                continue;
            Screen* screen = h.app.screens().show(id);
            const QString name = screenName(id);
            QStringList entries, units, frames;
            QMap<QString, QStringList> shown;
            for (const QLineEdit* e : screen->findChildren<QLineEdit*>())
                if (!e->isReadOnly() && !e->objectName().isEmpty() &&
                    !qobject_cast<QComboBox*>(e->parent()))
                    entries << e->objectName();
            for (const QComboBox* c : screen->findChildren<QComboBox*>()) {
                // The result units are the sizing's, not an entry of the screen.
                if (c->objectName() == "ResultUnits")
                    continue;
                units << c->objectName();
                for (int i = 0; i < c->count(); ++i)
                    shown[c->objectName()] << c->itemText(i);
            }
            for (const QRadioButton* b : screen->findChildren<QRadioButton*>()) {
                const auto* frame = qobject_cast<const QGroupBox*>(b->parent());
                QVERIFY2(frame, qPrintable(name + "." + b->objectName() + " stands in no frame"));
                // A frame is known by its name, or by its caption where it has none.
                const QString known =
                    frame->objectName().isEmpty() ? frame->title() : frame->objectName();
                if (!frames.contains(known))
                    frames << known;
                shown[known] << b->objectName();
            }
            QCOMPARE(sorted(entries), sorted(first.entries.keys()));
            QCOMPARE(sorted(units), sorted(first.units.keys()));
            QCOMPARE(sorted(frames), sorted(first.options.keys()));
            for (const QString& list : first.units.keys() + first.options.keys())
                QCOMPARE(shown.value(list), offered.value(list));
            screen->hide();
        }
    }
};

QTEST_MAIN(ApplicationRowsTest)
#include "tst_application_rows.moc"
