#include "support/reportroad.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A poppler tool's output for a PDF file.
QString poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return "<" + tool + " failed: " + process.readAllStandardError() + ">";
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The height of the first word box of `word` in pdftotext's bounding-box output.
double wordHeight(const QString& boxes, const QString& word) {
    static const QRegularExpression box(
        R"re(<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto m = box.globalMatch(boxes); m.hasNext();) {
        const auto match = m.next();
        if (match.captured(3) == word)
            return match.captured(2).toDouble() - match.captured(1).toDouble();
    }
    return -1;
}

} // namespace

class ReportScreenTest : public QObject {
    Q_OBJECT

    // The direct drive of the report fixtures, at its findings.
    static void toFindings(Harness& h) {
        reportroad::drive(h, road("DirectDrive"));
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
    }
    static void toReport(Harness& h, const QString& company = "North",
                         const QString& motor = "M-1") {
        toFindings(h);
        h.click("Findings", "ViewReport");
        h.type("Report", "Company", company);
        h.type("Report", "MotorSelected", motor);
    }
    static QStringList listed(const Harness& h) {
        QStringList lines;
        auto* list = h.control<QListWidget>("Report", "ReportList");
        for (int i = 0; list && i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }

  private slots:
    void viewBackView() {
        Harness h;
        toFindings(h);
        h.click("Findings", "ViewReport");
        QCOMPARE(h.shownWindows(), QStringList{"Report"});
        QWidget* report = h.window("Report");
        QCOMPARE(report->windowTitle(), QString("Report"));
        QCOMPARE(h.text("Report", "AppType"), QString("Rotary: Direct Drive"));
        for (const char* entry : {"Sizer", "Company", "MotorSelected"})
            QCOMPARE(h.text("Report", entry), QString());
        QStringList expected = QString::fromLatin1(fixture("directdrive-report.txt")).split('\n');
        expected.removeLast();
        QCOMPARE(listed(h), expected);
        QVERIFY(!h.control<QListWidget>("Report", "ReportList")->isSortingEnabled());
        QCOMPARE(h.control<QPushButton>("Report", "PrintReport")->text(), QString("P R I N T"));
        QCOMPARE(h.control<QPushButton>("Report", "SaveReport")->text(), QString("S A V E"));

        h.type("Report", "Sizer", "Ann");
        h.click("Report", "Back");
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
        h.click("Findings", "ViewReport");
        QCOMPARE(listed(h), expected);
        QCOMPARE(h.text("Report", "Sizer"), QString("Ann"));
    }

    void checksBeforeDialogs_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("company");
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        for (const char* button : {"PrintReport", "SaveReport"}) {
            QTest::addRow("%s, both empty", button)
                << button << ""
                << ""
                << "Motor P/N"
                << "Please Define a Name or Part Number for the Selected Motor";
            QTest::addRow("%s, no company", button)
                << button << ""
                << "M-1"
                << "Company/Application"
                << "Please Define a Company or Application for this Sizing";
        }
    }
    void checksBeforeDialogs() {
        QFETCH(QString, button);
        QFETCH(QString, company);
        QFETCH(QString, motor);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Harness h;
        toReport(h, company, motor);
        h.click("Report", button);
        QCOMPARE(h.messages.take(), (QList<Message>{{title, text}}));
        QVERIFY(h.dialogs.asked.isEmpty());
        QCOMPARE(h.text("Report", "Company"), company);
        QCOMPARE(h.text("Report", "MotorSelected"), motor);
    }

    void saveWritesTheFile() {
        QTemporaryDir dir;
        Harness h;
        toReport(h, QString::fromUtf8("N\u00f6rth \"Works\""), QString::fromUtf8("M-1 \u03a9"));
        h.dialogs.saveAs = dir.filePath("report");
        h.click("Report", "SaveReport");
        QCOMPARE(h.dialogs.asked, QStringList{"File Save|*.txt"});
        QVERIFY(h.messages.shown.isEmpty());
        QCOMPARE(contents(dir.filePath("report.txt")), fixture("directdrive-saved.txt"));

        // Choosing the file again replaces it; no report.txt.txt beside it.
        h.type("Report", "Company", "South");
        h.dialogs.saveAs = dir.filePath("report.txt");
        h.click("Report", "SaveReport");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"report.txt"});
        QVERIFY(contents(dir.filePath("report.txt"))
                    .startsWith("\"\"\r\n\"Motor Sizing For: South\"\r\n"));
    }

    void saveCancelledOrFailing() {
        QTemporaryDir dir;
        Harness h;
        toReport(h);
        h.dialogs.saveAs.reset();
        h.click("Report", "SaveReport");
        QVERIFY(h.messages.shown.isEmpty());
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());

        const QString missing = dir.filePath("gone/report");
        h.dialogs.saveAs = missing;
        h.click("Report", "SaveReport");
        const QList<Message> shown = h.messages.take();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().title, QString("Save Error"));
        QVERIFY(shown.first().text.contains(missing + ".txt"));
        QCOMPARE(h.shownWindows(), QStringList{"Report"});

        h.dialogs.saveAs = dir.filePath("report");
        h.click("Report", "SaveReport");
        QVERIFY(h.messages.shown.isEmpty());
        QVERIFY(QFile::exists(dir.filePath("report.txt")));
    }

    void printToPdf() {
        QTemporaryDir dir;
        Harness h;
        toReport(h);
        h.type("Report", "Sizer", "Ann");
        h.dialogs.pdf = dir.filePath("report.pdf");
        h.click("Report", "PrintReport");
        QCOMPARE(h.dialogs.asked, QStringList{"print"});
        QVERIFY(h.messages.shown.isEmpty());

        // Compatibility normalisation reads the typeset ligatures (fi, ff) as letters.
        const QString text =
            poppler("pdftotext", {h.dialogs.pdf, "-"}).normalized(QString::NormalizationForm_KC);
        QStringList lines;
        for (const QString& line : text.split('\n'))
            if (!line.trimmed().isEmpty() && !line.startsWith('\f'))
                lines << line.trimmed();
            else if (line.startsWith('\f') && line.size() > 1)
                lines << line.mid(1).trimmed();
        const QStringList inOrder{"Motor Sizing",
                                  "Motor Sizing For: North",
                                  "Sizing Completed By: Ann",
                                  "User Selected Motor: M-1",
                                  "**********MOTOR SIZING INPUT DATA**********",
                                  "Application Type: Rotary Direct Drive",
                                  "Load Inertia = 0.25 oz-in-sec^2",
                                  "Motion Profile Type = Triangular",
                                  "Selected Motor's Rotor Inertia = 0.01 oz-in-sec^2",
                                  "**********MOTOR SIZING CALCULATIONS**********",
                                  "Ttot = 75.35 oz-in",
                                  "3. Speed by multiplying by the reduction",
                                  "DISCLAIMER: This sizing is intended to be used as a tool to "
                                  "assist in motor selection.",
                                  "It makes no claims or statements pertaining to the function "
                                  "of any machine."};
        qsizetype at = -1;
        for (const QString& expected : inOrder) {
            const qsizetype found = lines.indexOf(expected, at + 1);
            QVERIFY2(found > at, qPrintable("not in order: " + expected + "\n" + text));
            at = found;
        }
        // The report runs onto further pages.
        QVERIFY2(text.count('\f') >= 2, qPrintable(text));

        // Title in 20 points, emphasised; report lines in 10; disclaimer in 8.
        const QString boxes = poppler("pdftotext", {"-bbox", h.dialogs.pdf, "-"});
        const double title = wordHeight(boxes, "Sizing");
        const double header = wordHeight(boxes, "Completed");
        const double line = wordHeight(boxes, "INERTIA");
        const double disclaimer = wordHeight(boxes, "DISCLAIMER:");
        QVERIFY2(line > 0 && disclaimer > 0, qPrintable(boxes.left(2000)));
        QVERIFY(std::abs(title / line - 2.0) < 0.1);
        QVERIFY(std::abs(header / line - 1.2) < 0.1);
        QVERIFY(std::abs(disclaimer / line - 0.8) < 0.1);
        const QString fonts = poppler("pdffonts", {h.dialogs.pdf});
        QVERIFY2(fonts.contains("BoldOblique") || fonts.contains("BoldItalic"), qPrintable(fonts));
    }

    void printCancelledOrFailing() {
        QTemporaryDir dir;
        Harness h;
        toReport(h);
        h.dialogs.pdf.clear();
        h.click("Report", "PrintReport");
        QCOMPARE(h.dialogs.asked, QStringList{"print"});
        QVERIFY(h.messages.shown.isEmpty());

        h.dialogs.pdf = dir.filePath("gone/report.pdf");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        h.click("Report", "PrintReport");
        QCOMPARE(h.messages.take(), (QList<Message>{{"Print Error", "Print Cancelled."}}));
        QCOMPARE(h.shownWindows(), QStringList{"Report"});
    }

    // With no printer installed, Qt's print dialog starts on printing to PDF.
    void printDialogOffersPdf() {
        QWidget over;
        StandardDialogs dialogs;
        QPrinter printer;
        QStringList destinations;
        QString seen;
        whenModal(&over, [&](QWidget* dialog) {
            seen = dialog->objectName();
            for (const QComboBox* box : dialog->findChildren<QComboBox*>())
                for (int i = 0; i < box->count(); ++i)
                    destinations << box->itemText(i);
        });
        QVERIFY(!dialogs.choosePrinter(&over, printer));
        QCOMPARE(seen, QString("PrintIt"));
        QVERIFY2(destinations.join('|').contains("PDF"), qPrintable(destinations.join('|')));
    }

    void startOverDiscardsReport() {
        Harness h;
        toReport(h);
        h.click("Report", "Back");
        h.click("Findings", "StartNew");
        QCOMPARE(h.messages.take().value(0).title, QString("Start Over"));
        toFindings(h);
        h.click("Findings", "ViewReport");
        QCOMPARE(h.text("Report", "Company"), QString());
        QCOMPARE(listed(h).size(), 107);
    }
};

QTEST_MAIN(ReportScreenTest)
#include "tst_report_screen.moc"
