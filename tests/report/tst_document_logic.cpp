#include "findings/projectionlogic.h"
#include "report/documentlogic.h"
#include "support/sizingroad.h"

#include <QLocale>
#include <QTest>

using namespace sizingroad;

Q_DECLARE_METATYPE(QList<document::Block>)
Q_DECLARE_METATYPE(QList<document::Placement>)

class DocumentLogicTest : public QObject {
    Q_OBJECT

    static QStringList labels(const QList<document::SummaryRow>& rows) {
        QStringList out;
        for (const auto& r : rows)
            out << r.label;
        return out;
    }

  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void wrap_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("fits") << "Ttot = 75.35 oz-in" << 40 << QStringList{"Ttot = 75.35 oz-in"};
        QTest::newRow("exactly fits") << "0123456789" << 10 << QStringList{"0123456789"};
        QTest::newRow("empty stays a line") << "" << 40 << QStringList{""};
        QTest::newRow("at the last blank that fits")
            << "Load Inertia = 0.25 oz-in-sec^2" << 20
            << QStringList{"Load Inertia = 0.25", "    oz-in-sec^2"};
        QTest::newRow("several pieces, each indented")
            << "aaaa bbbb cccc dddd eeee ffff" << 12
            << QStringList{"aaaa bbbb", "    cccc", "    dddd", "    eeee", "    ffff"};
        QTest::newRow("no blank: cut at the column")
            << QString(30, 'x') << 12
            << QStringList{QString(12, 'x'), "    " + QString(8, 'x'), "    " + QString(8, 'x'),
                           "    xx"};
        QTest::newRow("leading blanks kept, never a piece of nothing")
            << "        indented text here" << 16
            << QStringList{"        indented", "    text here"};
    }
    void wrap() {
        QFETCH(QString, line);
        QFETCH(int, columns);
        QFETCH(QStringList, pieces);
        const QStringList wrapped = document::wrap(line, columns);
        QCOMPARE(wrapped, pieces);
        for (const QString& piece : wrapped)
            QVERIFY(piece.size() <= columns);
        // Nothing of the line is lost.
        QCOMPARE(wrapped.join(QString()).remove(' '), QString(line).remove(' '));
    }

    void paginate_data() {
        using document::Block;
        using P = document::Placement;
        QTest::addColumn<QList<Block>>("blocks");
        QTest::addColumn<QList<P>>("placed");
        QTest::newRow("nothing") << QList<Block>{} << QList<P>{};
        QTest::newRow("one page") << QList<Block>{{40}, {60}} << QList<P>{{0, 0}, {0, 40}};
        QTest::newRow("the block that overflows moves on")
            << QList<Block>{{40}, {40}, {40}, {40}, {40}}
            << QList<P>{{0, 0}, {0, 40}, {1, 0}, {1, 40}, {2, 0}};
        QTest::newRow("a block taller than a page stands alone")
            << QList<Block>{{10}, {250}, {10}} << QList<P>{{0, 0}, {1, 0}, {2, 0}};
        QTest::newRow("a tall first block")
            << QList<Block>{{250}, {10}} << QList<P>{{0, 0}, {1, 0}};
        QTest::newRow("a block that starts a page")
            << QList<Block>{{50}, {10, true}, {10}} << QList<P>{{0, 0}, {1, 0}, {1, 10}};
        QTest::newRow("not where it leaves most of the page empty")
            << QList<Block>{{40}, {10, true}, {10}} << QList<P>{{0, 0}, {0, 40}, {0, 50}};
        QTest::newRow("a paragraph moves on whole")
            << QList<Block>{{60}, {20}, {20, false, false, true}, {20, false, false, true}}
            << QList<P>{{0, 0}, {1, 0}, {1, 20}, {1, 40}};
        QTest::newRow("but splits where moving leaves more than half a page")
            << QList<Block>{{40}, {30}, {20, false, false, true}, {20, false, false, true}}
            << QList<P>{{0, 0}, {0, 40}, {0, 70}, {1, 0}};
        QTest::newRow("a page starting with nothing at the top")
            << QList<Block>{{10, true}, {10}} << QList<P>{{0, 0}, {0, 10}};
        QTest::newRow("blanks at the top of a page dropped, not within it")
            << QList<Block>{{60},
                            {30, false, true},
                            {30, false, true},
                            {20, false, true},
                            {30},
                            {20, false, true},
                            {10}}
            << QList<P>{{0, 0}, {0, 60}, {1, 0, false}, {1, 0, false}, {1, 0}, {1, 30}, {1, 50}};
    }
    void paginate() {
        QFETCH(QList<document::Block>, blocks);
        QFETCH(QList<document::Placement>, placed);
        QCOMPARE(document::paginate(blocks, 100), placed);
    }

    // A long report: as many lines on a page as fit, the rest on further pages.
    void longReport() {
        const QList<document::Block> lines(250, {14.0});
        const QList<document::Placement> placed = document::paginate(lines, 700);
        QCOMPARE(std::count_if(placed.begin(), placed.end(), [](auto p) { return p.page == 0; }),
                 50);
        QCOMPARE(placed.last(), (document::Placement{4, 49 * 14.0}));
        QCOMPARE(document::pageFooter(2, 5), QString("Page 2 of 5"));
    }

    void pageSize_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("letter");
        QTest::newRow("United States") << "en_US" << true;
        QTest::newRow("Canada, English") << "en_CA" << true;
        QTest::newRow("Canada, French") << "fr_CA" << true;
        QTest::newRow("Mexico") << "es_MX" << false;
        QTest::newRow("United Kingdom") << "en_GB" << false;
        QTest::newRow("Germany") << "de_DE" << false;
        QTest::newRow("C") << "C" << false;
    }
    void pageSize() {
        QFETCH(QString, locale);
        QFETCH(bool, letter);
        QCOMPARE(document::usesLetter(QLocale(locale)), letter);
    }

    // The summary: every display as the findings show it, the verdicts with
    // their marks; the RMS margin and the added gearbox only where they are.
    void summary() {
        Sizing s;
        size(s, road("Gearbox"));
        const QList<document::SummaryRow> rows = document::summary(*s.results.findings, s.record());
        QCOMPARE(labels(rows),
                 (QStringList{"Motor Inertia:", "Reflected Inertia:", "Torque to Accelerate:",
                              "Thrust Torque:", "Torque due to Gravity:", "TOTAL TORQUE REQUIRED:",
                              "AT A MOTOR SPEED OF:", "RMS TORQUE:", "Inertia Mismatch:",
                              "TORQUE MARGIN:", "SPEED MARGIN:"}));
        QCOMPARE(rows[0], (document::SummaryRow{
                              "Motor Inertia:", "0.020", "oz-in-sec^2", std::nullopt, {}}));
        QCOMPARE(rows[6].value, QString("75"));
        QCOMPARE(rows[8].value.right(4), QString(" : 1"));
        for (int i = 8; i < 11; ++i) {
            QVERIFY(rows[i].verdict.has_value());
            QCOMPARE(rows[i].mark,
                     QString::fromUtf8(*rows[i].verdict == Verdict::Good
                                           ? "\u2713 OK"
                                           : (i == 8 ? "\u2717 HIGH" : "\u2717 LOW")));
        }
        QCOMPARE(rows[9].unit, QString("%"));

        Sizing hot;
        AppRoad withDuty = road("Gearbox");
        withDuty.move << "DwellTime=1";
        withDuty.motor << "TorqueContinuous=5";
        size(hot, withDuty);
        QCOMPARE(addGearbox(hot.record(), "3").messages, QList<Message>{});
        const QList<document::SummaryRow> judged =
            document::summary(*hot.results.findings, hot.record());
        QCOMPARE(labels(judged).mid(11), (QStringList{"RMS MARGIN:", "Added Gearbox Ratio:"}));
        QCOMPARE(judged[11].verdict, std::optional(Verdict::Bad));
        QCOMPARE(judged[11].mark, QString::fromUtf8("\u2717 LOW"));
        QCOMPARE(judged[12].value, QString("3 : 1"));
        QCOMPARE(judged[12].verdict, std::nullopt);
    }
};

QTEST_GUILESS_MAIN(DocumentLogicTest)
#include "tst_document_logic.moc"
