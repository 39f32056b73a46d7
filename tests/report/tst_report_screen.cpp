#include "findings/moveplot.h"
#include "report/reportdocument.h"
#include "support/pdf.h"
#include "support/reportroad.h"
#include "support/sizingroad.h"
#include "ui/colours.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

Q_DECLARE_METATYPE(AppRoad)

namespace {

// How many pixels of the image in that band (in points, at `dpi`) are near the colour.
int pixelsOf(const QImage& image, double top, double bottom, int dpi, const QColor& colour) {
    int count = 0;
    for (int y = int(top * dpi / 72); y < std::min(image.height(), int(bottom * dpi / 72)); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                30)
                ++count;
        }
    return count;
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
        for (const char* button : {"PrintReport", "SaveReport", "ExportPdf"}) {
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
        const double title = wordBox(boxes, "Sizing").box.height();
        const double header = wordBox(boxes, "Completed").box.height();
        const double line = wordBox(boxes, "INERTIA").box.height();
        const double disclaimer = wordBox(boxes, "DISCLAIMER:").box.height();
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

    // A trapezoid sizing exported: the header, the findings, both pictures
    // on the first page, every report line in order, on the locale's paper.
    void exportPdf_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("pageSize");
        QTest::newRow("Letter in the United States") << "en_US"
                                                     << "612 x 792 pts (letter)";
        QTest::newRow("A4 in Germany") << "de_DE"
                                       << "595 x 842 pts (A4)";
    }
    // Once a motor is chosen, the move's torque is the findings': the motor's
    // inertia accelerated too.
    void moveWithTheMotor() {
        Harness h;
        reportroad::drive(h, road("Gearbox"));
        const ReportDocument doc = reportDocument(h.sizing(), {"Ann", "North", "M-1"});
        const FindingsFigures& f = *h.sizing().results.findings;
        const MoveProfile& before = h.sizing().results.preliminary->move;
        QCOMPARE(doc.move.segments.size(), before.segments.size());
        QCOMPARE(doc.move.segments.first().torque,
                 f.need.accelTorque + f.need.thrustTorque + f.need.gravityTorque);
        QVERIFY(doc.move.segments.first().torque > before.segments.first().torque);
        QCOMPARE(doc.move.segments.first().end, before.segments.first().end);
        QVERIFY(doc.moveCaption.endsWith(", the motor's inertia included"));
    }

    // No page but the last ends before its middle, and the disclaimer never
    // stands alone on the last page: on Letter and A4 paper, for every
    // application, with and without an added gearbox.
    void pagesFilled_data() {
        QTest::addColumn<AppRoad>("road");
        QTest::addColumn<QString>("paper"); // the locale that chooses it
        QTest::addColumn<bool>("gearbox");
        for (const AppRoad& road : roads())
            for (const char* paper : {"en_US", "en_GB"})
                for (bool gearbox : {false, true})
                    QTest::addRow("%s, %s%s", qPrintable(road.screen), paper,
                                  gearbox ? ", gearbox" : "")
                        << road << QString(paper) << gearbox;
    }
    void pagesFilled() {
        QFETCH(AppRoad, road);
        QFETCH(QString, paper);
        QFETCH(bool, gearbox);
        QLocale::setDefault(QLocale(road.locale));
        Sizing s;
        sizingroad::size(s, road);
        if (gearbox)
            sizingroad::addGearboxTo(s, road, "2");
        QLocale::setDefault(QLocale(paper));
        QTemporaryDir dir;
        const QString pdf = dir.filePath("report.pdf");
        QCOMPARE(writeReportPdf(pdf, reportDocument(s, {"Ann", "North", "M-1"})), std::nullopt);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        if (const QByteArray folder = qgetenv("MOTOR_SIZING_SHOTS"); !folder.isEmpty())
            QFile::copy(pdf, QString("%1/%2.pdf").arg(folder, QTest::currentDataTag()));

        const QString boxes = poppler("pdftotext", {"-bbox", pdf, "-"});
        static const QRegularExpression pageOrWord(
            R"re(<page width="[\d.]+" height="([\d.]+)">|<word [^>]*yMax="([\d.]+)">([^<]*)</word>)re");
        QList<double> heights, ends;
        QList<QStringList> words;
        for (auto m = pageOrWord.globalMatch(boxes); m.hasNext();) {
            const auto match = m.next();
            if (!match.captured(1).isEmpty()) {
                heights << match.captured(1).toDouble();
                ends << 0;
                words << QStringList{};
            } else if (!heights.isEmpty() && !match.captured(3).startsWith("Page") &&
                       !QRegularExpression(R"(^\d+$|^of$)").match(match.captured(3)).hasMatch()) {
                ends.last() = std::max(ends.last(), match.captured(2).toDouble());
                words.last() << match.captured(3);
            }
        }
        QVERIFY(heights.size() > 1);
        for (qsizetype page = 0; page + 1 < heights.size(); ++page)
            QVERIFY2(ends[page] > heights[page] / 2, qPrintable(QString("page %1 ends at %2 of %3")
                                                                    .arg(page + 1)
                                                                    .arg(ends[page])
                                                                    .arg(heights[page])));
        QVERIFY(words.last().contains("DISCLAIMER:"));
        QVERIFY2(words.last().contains("multiplying"), qPrintable(words.last().join(' ')));
    }

    void exportPdf() {
        QFETCH(QString, locale);
        QFETCH(QString, pageSize);
        QTemporaryDir dir;
        Harness h{QLocale(locale)};
        reportroad::drive(h, road("Gearbox"));
        h.click("Findings", "ViewReport");
        h.type("Report", "Sizer", "Ann");
        h.type("Report", "Company", "North");
        h.type("Report", "MotorSelected", "M-1");
        h.dialogs.saveAs = dir.filePath("gearbox");
        h.click("Report", "ExportPdf");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(h.dialogs.asked, QStringList{"Export PDF|*.pdf"});
        const QString pdf = dir.filePath("gearbox.pdf");
        QVERIFY(QFile::exists(pdf));
        if (const QByteArray folder = qgetenv("MOTOR_SIZING_SHOTS"); !folder.isEmpty()) {
            const QString kept = QString("%1/report-%2.pdf").arg(folder, locale);
            QFile::remove(kept);
            QFile::copy(pdf, kept);
        }

        // Every line of the report screen, in order, after the header and findings.
        const QString text = poppler("pdftotext", {"-layout", pdf, "-"});
        const QString all = squeezed(text);
        qsizetype at = -1;
        for (const QString& expected :
             QStringList{"Motor Sizing", "Motor Sizing For: North", "Sizing Completed By: Ann",
                         "User Selected Motor: M-1", "Application Type: Rotary: Gearbox",
                         QString("by Motor Sizing %1").arg(PROJECT_VERSION), "Findings",
                         "Motor Inertia:", "Inertia Mismatch:",
                         "Figure 1.  The move: motor speed and torque required, the motor's "
                         "inertia included",
                         "Figure 2."} +
                 listed(h)) {
            const qsizetype found = all.indexOf(squeezed(expected), at + 1);
            QVERIFY2(found > at, qPrintable("not in order: " + expected + "\n" + text));
            at = found;
        }
        QVERIFY(text.contains(QLocale(locale).toString(QDate::currentDate(), QLocale::LongFormat)));

        // As many pages as the layout says, each numbered.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(reportPageLayout(QLocale(locale)));
        const int pages = reportPages(writer, reportDocument(h.sizing(), {"Ann", "North", "M-1"}));
        const QString info = poppler("pdfinfo", {pdf});
        QVERIFY2(info.contains(QRegularExpression(QString("Pages: +%1\n").arg(pages))),
                 qPrintable(info));
        QVERIFY2(pages >= 2, qPrintable(info));
        QVERIFY2(info.contains(
                     QRegularExpression("Page size: +" + QRegularExpression::escape(pageSize))),
                 qPrintable(info));
        for (int page = 1; page <= pages; ++page)
            QVERIFY(text.contains(QString("Page %1 of %2").arg(page).arg(pages)));

        // The first page shows both pictures in their places: the move in its
        // speed and torque colours, the operating point's margins in theirs.
        const QString boxes = poppler("pdftotext", {"-bbox", pdf, "-"});
        const WordBox first = wordBox(boxes, "Figure");
        const WordBox move = wordBox(boxes, "move:");
        const WordBox motor = wordBox(boxes, "against");
        QCOMPARE(move.page, 0);
        QCOMPARE(motor.page, 0);
        constexpr int dpi = 60;
        QCOMPARE(poppler("pdftoppm", {"-png", "-r", QString::number(dpi), "-f", "1", "-l", "1",
                                      "-singlefile", pdf, dir.filePath("page")}),
                 QString());
        const QImage image(dir.filePath("page.png"));
        QVERIFY(!image.isNull());
        const double pageBottom = image.height() * 72.0 / dpi;
        QVERIFY(first.box.top() < motor.box.top());
        const auto inMove = [&](const QColor& c) {
            return pixelsOf(image, move.box.bottom(), motor.box.top(), dpi, c);
        };
        const auto inOperating = [&](const QColor& c) {
            return pixelsOf(image, motor.box.bottom(), pageBottom, dpi, c);
        };
        QVERIFY2(inMove(MovePlot::speedColour) > 50,
                 qPrintable(QString::number(inMove(MovePlot::speedColour))));
        QVERIFY(inMove(MovePlot::torqueColour) > 50);
        QVERIFY(inOperating(colours::lightGreen) + inOperating(colours::lightRed) > 50);
        QCOMPARE(inOperating(MovePlot::speedColour), 0);
    }

    // A failed export says why and where, and leaves an earlier file as it was.
    void exportFails() {
        QTemporaryDir dir;
        Harness h;
        toReport(h);
        h.dialogs.saveAs = dir.filePath("gone/report.pdf");
        h.click("Report", "ExportPdf");
        const QList<Message> shown = h.messages.take();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QString("Export Error"));
        QVERIFY2(shown[0].text.startsWith("The report could not be exported as " +
                                          dir.filePath("gone/report.pdf") + ":  "),
                 qPrintable(shown[0].text));
        QVERIFY(!QFile::exists(dir.filePath("gone")));

        // Cancelling writes nothing; the next dialog opens where the last export went.
        h.dialogs.saveAs.reset();
        h.click("Report", "ExportPdf");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{});
        h.dialogs.saveAs = dir.filePath("report.pdf");
        h.click("Report", "ExportPdf");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QVERIFY(contents(dir.filePath("report.pdf")).startsWith("%PDF"));
        h.click("Report", "ExportPdf");
        QCOMPARE(h.dialogs.folders, (QStringList{{}, {}, {}, dir.path()}));
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
