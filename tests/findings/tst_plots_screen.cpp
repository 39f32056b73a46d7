#include "findings/moveplot.h"
#include "findings/operatingplot.h"
#include "support/harness.h"
#include "ui/colours.h"
#include "ui/plot.h"

#include <QImage>

namespace {

// The plot drawn, as the engineer sees it.
QImage drawn(QWidget* plot) {
    plot->resize(plot->minimumSizeHint());
    return plot->grab().toImage();
}

bool hasColour(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

// The two curves of the move, in their colours.
void showsTheMove(MovePlot* plot) {
    QCOMPARE(plot->note(), QString());
    const QImage image = drawn(plot);
    QVERIFY(hasColour(image, MovePlot::speedColour));
    QVERIFY(hasColour(image, MovePlot::torqueColour));
}

} // namespace

class PlotsScreenTest : public QObject {
    Q_OBJECT
  private slots:
    // Tick labels never overlap: where they do not fit, every second or
    // third is labelled, zero among them.
    void labelled_data() {
        QTest::addColumn<QList<double>>("ticks");
        QTest::addColumn<double>("spacing");
        QTest::addColumn<QList<bool>>("shown");
        const QList<double> torque{-30, -20, -10, 0, 10, 20, 30};
        QTest::newRow("room for all") << torque << 14.0 << QList<bool>(7, true);
        QTest::newRow("every second")
            << torque << 8.0 << QList<bool>{false, true, false, true, false, true, false};
        QTest::newRow("every third")
            << torque << 5.0 << QList<bool>{true, false, false, true, false, false, true};
        QTest::newRow("no zero") << QList<double>{10, 20, 30, 40} << 8.0
                                 << QList<bool>{true, false, true, false};
    }
    void labelled() {
        QFETCH(QList<double>, ticks);
        QFETCH(double, spacing);
        QFETCH(QList<bool>, shown);
        QCOMPARE(plotting::labelled(ticks, spacing, 12), shown);
    }

    // A mark line passes a title by: the pieces outside its box.
    void around_data() {
        QTest::addColumn<QLineF>("line");
        QTest::addColumn<QList<QLineF>>("pieces");
        // The box is (10, 50) to (70, 62), as a title stands above its frame.
        QTest::newRow("through") << QLineF(40, 0, 40, 100)
                                 << QList<QLineF>{QLineF(40, 0, 40, 50), QLineF(40, 62, 40, 100)};
        QTest::newRow("beside") << QLineF(80, 0, 80, 100) << QList<QLineF>{QLineF(80, 0, 80, 100)};
        QTest::newRow("ends in it")
            << QLineF(40, 0, 40, 55) << QList<QLineF>{QLineF(40, 0, 40, 50)};
        QTest::newRow("above it") << QLineF(40, 0, 40, 40) << QList<QLineF>{QLineF(40, 0, 40, 40)};
    }
    void around() {
        QFETCH(QLineF, line);
        QFETCH(QList<QLineF>, pieces);
        QCOMPARE(plotting::around(line, QRectF(10, 50, 60, 12)), pieces);
    }

    void theMoveRedrawsWithTheProfile() {
        Harness h;
        h.openDirectDrive();
        h.enterDirectDrive("0.25", "10");
        h.enterTriangular("10", "revs", "1");
        auto* plot = h.control<MovePlot>("Preliminary", "MovePlot");
        QVERIFY(plot && plot->isVisible());
        QCOMPARE(plot->move().segments.size(), 2);
        QCOMPARE(plot->move().maxSpeed, 20.0);
        showsTheMove(plot);

        h.click("Preliminary", "Back");
        h.fill("RotaryMP", {"Trapezoidal", "TrapDist=10", "TrapMoveUnits=revs", "TrapMoveTime=1",
                            "MaxSpeed=15", "MaxSpeedUnits=revs/sec"});
        h.click("RotaryMP", "Next");
        QCOMPARE(plot->move().segments.size(), 3);
        QCOMPARE(plot->move().moveTime, 1.0);
        showsTheMove(plot);

        h.click("Preliminary", "Back");
        h.fill("RotaryMP", {"TrapDist=0", "TrapMoveTime=0", "MaxSpeed=600",
                            "MaxSpeedUnits=revs/min", "AccelTime=0.2"});
        h.click("RotaryMP", "Next");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QVERIFY(plot->move().openEnded);
        QCOMPARE(plot->move().moveTime, 0.0);
        showsTheMove(plot);
    }

    void theMotorRedrawsWithTheSelection() {
        Harness h(QLocale(QLocale::German, QLocale::Germany));
        h.openDirectDrive();
        h.enterDirectDrive("0,25", "10");
        h.enterTriangular("10", "revs", "1");
        h.click("Preliminary", "Next");
        h.enterMotor("0,05", "200", "40");
        auto* plot = h.control<OperatingPlot>("Findings", "OperatingPlot");
        QVERIFY(plot && plot->isVisible());
        QCOMPARE(plot->figures().speedAvailable, 40.0);
        QCOMPARE(plot->note(), QString());
        QCOMPARE(h.colour("Findings", "TorqueMargin"), colours::lightGreen);
        QImage image = drawn(plot);
        QVERIFY(hasColour(image, colours::lightGreen));
        QVERIFY(!hasColour(image, colours::lightRed));

        // A weak motor: both margins red, on the displays and on the picture.
        h.click("Findings", "Back");
        h.enterMotor("0,01", "60", "22");
        QCOMPARE(h.colour("Findings", "TorqueMargin"), colours::lightRed);
        QCOMPARE(h.colour("Findings", "SpeedMargin"), colours::lightRed);
        QCOMPARE(plot->figures().torqueAvailable, 60.0);
        image = drawn(plot);
        QVERIFY(hasColour(image, colours::lightRed));
        QVERIFY(!hasColour(image, colours::lightGreen));
    }

    // With nothing to draw the plots say so, and draw no curve or margin.
    void emptyPlots() {
        Harness h;
        MovePlot move;
        QCOMPARE(move.note(), QString("No move to draw: the profile gives no motor speed."));
        QImage image = drawn(&move);
        QVERIFY(!hasColour(image, MovePlot::speedColour));
        QVERIFY(!hasColour(image, MovePlot::torqueColour));

        OperatingPlot operating;
        FindingsFigures figures;
        figures.torqueAvailable = 10;
        figures.speedAvailable = 10;
        figures.torqueVerdict = Verdict::Bad;
        operating.setFigures(figures);
        const QString nothing = "Nothing to draw: the application needs no speed or no torque.";
        QCOMPARE(operating.note(), nothing);
        figures.need = {0, 0, 0, 0, 5, std::numeric_limits<double>::infinity()};
        operating.setFigures(figures);
        QCOMPARE(operating.note(), nothing);
        image = drawn(&operating);
        QVERIFY(!hasColour(image, colours::lightRed));
    }

    // Removing an added gearbox puts the pictures back with the figures.
    void restoredWithTheFindings() {
        Harness h;
        h.openDirectDrive();
        h.enterDirectDrive("0.25", "10");
        h.enterTriangular("10", "revs", "1");
        h.click("Preliminary", "Next");
        h.enterMotor("0.05", "200", "40");
        const FindingsFigures before =
            h.control<OperatingPlot>("Findings", "OperatingPlot")->figures();
        h.click("Findings", "AddGB");
        h.type("AddGBox", "Reduction", "2");
        h.click("AddGBox", "AddGBButton");
        h.fill("Gearbox", {"GBInertia=0.06", "GBUnits=oz-in^2"});
        h.click("Gearbox", "Next");
        h.click("DirectDrive", "Next");
        h.click("RotaryMP", "Next");
        QCOMPARE(h.control<MovePlot>("Preliminary", "MovePlot")->move().maxSpeed, 40.0);
        h.click("Preliminary", "Next");
        h.click("Selection", "Next");
        QCOMPARE(h.control<OperatingPlot>("Findings", "OperatingPlot")->figures().need.speed, 40.0);
        h.click("Findings", "Back");
        h.click("Selection", "Back");
        h.click("Preliminary", "Back");
        h.click("RotaryMP", "Back");
        h.click("DirectDrive", "Back");
        h.click("Gearbox", "Back");
        QCOMPARE(h.control<OperatingPlot>("Findings", "OperatingPlot")->figures(), before);
        h.click("Findings", "Back");
        h.click("Selection", "Back");
        QCOMPARE(h.control<MovePlot>("Preliminary", "MovePlot")->move().maxSpeed, 20.0);
    }
};

QTEST_MAIN(PlotsScreenTest)
#include "tst_plots_screen.moc"
