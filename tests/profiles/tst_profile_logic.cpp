#include "findings/findingslogic.h"
#include "mechanisms/applications.h"
#include "profiles/profilefields.h"
#include "profiles/profilelogic.h"
#include "profiles/profilesteps.h"
#include "support/stored.h"

#include <QLocale>
#include <QTest>

namespace {

QString shown(const PreliminaryFigures& figures, PreliminaryDisplay display) {
    return preliminaryText(figures, display);
}

QString profileName(ProfileType type) {
    switch (type) {
    case ProfileType::Triangular:
        return "Triangular";
    case ProfileType::Trapezoidal:
        return "Trapezoidal";
    case ProfileType::ConstantVelocity:
        return "Constant Velocity";
    case ProfileType::None:
        break;
    }
    return {};
}

// "Triangular TriDist=10 TriMoveUnits=revs" → the screen's entries.
ProfileEntries entries(const QString& description) {
    ProfileEntries e;
    QHash<QString, QString*> fields{{"TriDist", &e.TriDist},
                                    {"TriMoveTime", &e.TriMoveTime},
                                    {"TrapDist", &e.TrapDist},
                                    {"TrapMoveTime", &e.TrapMoveTime},
                                    {"MaxSpeed", &e.MaxSpeed},
                                    {"AccelTime", &e.AccelTime},
                                    {"AccelDist", &e.AccelDist},
                                    {"TriMoveUnits", &e.TriMoveUnits},
                                    {"TrapMoveUnits", &e.TrapMoveUnits},
                                    {"MaxSpeedUnits", &e.MaxSpeedUnits},
                                    {"AccelDistUnits", &e.AccelDistUnits}};
    for (const QString& token : description.split(' ', Qt::SkipEmptyParts)) {
        if (token == "Triangular")
            e.Triangular = true;
        else if (token == "Trapezoidal")
            e.Trapezoidal = true;
        else
            *fields.value(token.section('=', 0, 0)) = token.section('=', 1);
    }
    return e;
}

QStringList titles(const Outcome& out) {
    QStringList t;
    for (const Message& m : out.messages)
        t << m.title;
    return t;
}

const QString tenRevs = "TrapDist=10 TrapMoveUnits=revs TrapMoveTime=1";

} // namespace

class ProfileLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void next_data() {
        QTest::addColumn<QString>("move");
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("accelRate"); // SpdMultiplier, empty when NEXT stops
        QTest::addColumn<QString>("torqueShown");
        QTest::addColumn<QString>("speedShown");
        QTest::addColumn<QStringList>("lines");

        const QStringList none;
        QTest::newRow("triangular 10 revs in 1 sec")
            << "Triangular TriDist=10 TriMoveUnits=revs TriMoveTime=1"
            << "1" << none << "251.3272"
            << "25.133"
            << "20.000"
            << QStringList{"", "Motion Profile Type = Triangular", "Move Distance = 10 revs",
                           "Move Time = 1 sec"};
        QTest::newRow("triangular 3600 degrees")
            << "Triangular TriDist=3600 TriMoveUnits=degrees TriMoveTime=1"
            << "1" << none << "251.3272"
            << "25.133"
            << "20.000"
            << QStringList{"", "Motion Profile Type = Triangular", "Move Distance = 3600 degrees",
                           "Move Time = 1 sec"};
        QTest::newRow("triangular through a ratio of 5")
            << "Triangular TriDist=2 TriMoveUnits=revs TriMoveTime=1"
            << "5" << none << "251.3272"
            << "25.133"
            << "20.000"
            << QStringList{"", "Motion Profile Type = Triangular", "Move Distance = 2 revs",
                           "Move Time = 1 sec"};
        QTest::newRow("trapezoidal with max speed")
            << "Trapezoidal MaxSpeed=15 MaxSpeedUnits=revs/sec " + tenRevs << "1" << none
            << "282.7431"
            << "28.274"
            << "15.000"
            << QStringList{"", "Motion Profile = Trapezoidal", "Total Move Distance = 10 revs",
                           "Total Move Time = 1 sec", "Maximum Speed = 15 revs/sec"};
        QTest::newRow("trapezoidal with accel distance")
            << "Trapezoidal AccelDist=2.5 AccelDistUnits=revs " + tenRevs << "1" << none
            << "282.7431"
            << "28.274"
            << "15.000"
            << QStringList{"", "Motion Profile = Trapezoidal", "Total Move Distance = 10 revs",
                           "Total Move Time = 1 sec", "Acceleration Distance = 2.5 revs"};
        QTest::newRow("accel time over half becomes a triangle")
            << "Trapezoidal AccelTime=0.6 " + tenRevs << "1" << QStringList{"Accel Time"}
            << "251.3272"
            << "25.133"
            << "20.000"
            << QStringList{"", "Motion Profile = Trapezoidal", "Total Move Distance = 10 revs",
                           "Total Move Time = 1 sec", "Acceleration Time = 0.5 sec"};
        QTest::newRow("accel time at half, rounding not refused")
            << "Trapezoidal TrapDist=199.8 TrapMoveUnits=revs TrapMoveTime=0.6 AccelTime=0.5"
            << "1" << QStringList{"Accel Time"} << "13948.6596"
            << "1394.866"
            << "666.000"
            << QStringList{"", "Motion Profile = Trapezoidal", "Total Move Distance = 199.8 revs",
                           "Total Move Time = 0.6 sec", "Acceleration Time = 0.3 sec"};
        QTest::newRow("max speed at twice the mean")
            << "Trapezoidal TrapDist=199.8 TrapMoveUnits=revs TrapMoveTime=0.6 MaxSpeed=666 "
               "MaxSpeedUnits=revs/sec"
            << "1" << none << "13948.6596"
            << "1394.866"
            << "666.000"
            << QStringList{"", "Motion Profile = Trapezoidal", "Total Move Distance = 199.8 revs",
                           "Total Move Time = 0.6 sec", "Maximum Speed = 666 revs/sec"};
        QTest::newRow("max speed too low")
            << "Trapezoidal MaxSpeed=8 MaxSpeedUnits=revs/sec " + tenRevs << "1"
            << QStringList{"Trap Info Errors"} << ""
            << ""
            << "" << none;
        QTest::newRow("max speed too high")
            << "Trapezoidal MaxSpeed=25 MaxSpeedUnits=revs/sec " + tenRevs << "1"
            << QStringList{"Trap Info Errors"} << ""
            << ""
            << "" << none;
        QTest::newRow("accel distance over half")
            << "Trapezoidal AccelDist=6 AccelDistUnits=revs " + tenRevs << "1"
            << QStringList{"Trap Info Errors"} << ""
            << ""
            << "" << none;
        QTest::newRow("constant velocity")
            << "Trapezoidal MaxSpeed=600 MaxSpeedUnits=revs/min AccelTime=0.2"
            << "1" << none << "314.159"
            << "31.416"
            << "10.000"
            << QStringList{"", "Motion Profile Type = Constant Velocity",
                           "Maximum Speed = 600 revs/min", "Acceleration Time = 0.2 sec"};
        QTest::newRow("constant velocity by accel distance")
            << "Trapezoidal MaxSpeed=10 MaxSpeedUnits=revs/sec AccelDist=1 AccelDistUnits=revs"
            << "1" << none << "314.159"
            << "31.416"
            << "10.000"
            << QStringList{"", "Motion Profile Type = Constant Velocity",
                           "Maximum Speed = 10 revs/sec", "Acceleration Distance = 1 revs"};
        QTest::newRow("both accel entries is no constant velocity")
            << "Trapezoidal MaxSpeed=600 MaxSpeedUnits=revs/min AccelTime=0.2 AccelDist=1"
            << "1" << QStringList{"Move Distance"} << ""
            << ""
            << "" << none;
        QTest::newRow("no profile") << "TriDist=10"
                                    << "1" << QStringList{"Motion Profile Select"} << ""
                                    << ""
                                    << "" << none;
        QTest::newRow("triangular distance") << "Triangular TriMoveUnits=revs TriMoveTime=1"
                                             << "1" << QStringList{"Move Distance"} << ""
                                             << ""
                                             << "" << none;
        QTest::newRow("triangular units") << "Triangular TriDist=1 TriMoveTime=1"
                                          << "1" << QStringList{"Units"} << ""
                                          << ""
                                          << "" << none;
        QTest::newRow("triangular time") << "Triangular TriDist=1 TriMoveUnits=revs TriMoveTime=-1"
                                         << "1" << QStringList{"Move Time"} << ""
                                         << ""
                                         << "" << none;
        QTest::newRow("trapezoidal distance") << "Trapezoidal TrapDist=-1 MaxSpeed=1"
                                              << "1" << QStringList{"Move Distance"} << ""
                                              << ""
                                              << "" << none;
        QTest::newRow("trapezoidal units") << "Trapezoidal TrapDist=1 TrapMoveTime=1"
                                           << "1" << QStringList{"Distance Units"} << ""
                                           << ""
                                           << "" << none;
        QTest::newRow("trapezoidal time") << "Trapezoidal TrapDist=1 TrapMoveUnits=revs"
                                          << "1" << QStringList{"Move Time"} << ""
                                          << ""
                                          << "" << none;
        QTest::newRow("missing information")
            << "Trapezoidal " + tenRevs << "1" << QStringList{"Missing Information"} << ""
            << ""
            << "" << none;
        QTest::newRow("max speed units")
            << "Trapezoidal MaxSpeed=15 " + tenRevs << "1" << QStringList{"Max Speed Units"} << ""
            << ""
            << "" << none;
        QTest::newRow("too much information")
            << "Trapezoidal AccelTime=0.2 AccelDist=1 AccelDistUnits=revs " + tenRevs << "1"
            << QStringList{"Too Much Information"} << ""
            << ""
            << "" << none;
        QTest::newRow("accel distance units")
            << "Trapezoidal AccelDist=1 " + tenRevs << "1" << QStringList{"Units"} << ""
            << ""
            << "" << none;
        QTest::newRow("constant velocity speed units")
            << "Trapezoidal MaxSpeed=10 AccelTime=0.2"
            << "1" << QStringList{"Max Speed Units"} << ""
            << ""
            << "" << none;
        QTest::newRow("constant velocity distance units")
            << "Trapezoidal MaxSpeed=10 MaxSpeedUnits=revs/sec AccelDist=1"
            << "1" << QStringList{"Acceleration Distance Units"} << ""
            << ""
            << "" << none;
        QTest::newRow("not a number") << "Triangular TriDist=ten TriMoveUnits=revs TriMoveTime=1"
                                      << "1" << QStringList{"Numbers Please"} << ""
                                      << ""
                                      << "" << none;
        QTest::newRow("empty accel distance")
            << "Trapezoidal AccelDist= " + tenRevs << "1" << QStringList{"Numbers Please"} << ""
            << ""
            << "" << none;
        QTest::newRow("zero ratio") << "Trapezoidal MaxSpeed=15 MaxSpeedUnits=revs/sec " + tenRevs
                                    << "0" << QStringList{"Out of Range"} << ""
                                    << ""
                                    << "" << none;
        QTest::newRow("overflow") << "Triangular TriDist=1e300 TriMoveUnits=revs TriMoveTime=1e-10"
                                  << "1" << QStringList{"Out of Range"} << ""
                                  << ""
                                  << "" << none;
    }

    void next() {
        QFETCH(QString, move);
        QFETCH(QString, ratio);
        QFETCH(QStringList, messages);
        QFETCH(QString, accelRate);
        QFETCH(QString, torqueShown);
        QFETCH(QString, speedShown);
        QFETCH(QStringList, lines);

        SizingRecord r;
        r.RotaryReduction = number(ratio);
        r.ReflectedJ = 0.1;
        r.SpdMultiplier = 7;
        r.MotionProfile = ProfileType::None;
        r.RMotionProfiles = {"earlier"};
        const ProfileOutcome result = profileNext(r, entries(move), ProfileKind::Rotary);
        QCOMPARE(titles(result.outcome), messages);
        const bool success = !accelRate.isEmpty();
        QCOMPARE(result.outcome.proceed, success);
        if (success) {
            QCOMPARE(stored(r.SpdMultiplier), accelRate);
            QCOMPARE(shown(result.preliminary, PreliminaryDisplay::Taccl), torqueShown);
            QCOMPARE(shown(result.preliminary, PreliminaryDisplay::T_Total), torqueShown);
            QCOMPARE(shown(result.preliminary, PreliminaryDisplay::MaxSpeed), speedShown);
            QCOMPARE(shown(result.preliminary, PreliminaryDisplay::ReflectedJ), QString("0.100"));
            QCOMPARE(r.RMotionProfiles, lines);
            QCOMPARE(profileName(r.MotionProfile), lines[1].section(" = ", 1));
        } else {
            QCOMPARE(stored(r.SpdMultiplier), QString("7"));
            QCOMPARE(r.MotionProfile, ProfileType::None);
            QCOMPARE(r.RMotionProfiles, QStringList{"earlier"});
        }
    }

    // The linear twin: inches through the linear ratio (times an added
    // gearbox's), no shortened acceleration time, its own report lines.
    void linear_data() {
        QTest::addColumn<QString>("move");
        QTest::addColumn<QString>("rotaryRatio");
        QTest::addColumn<QString>("message"); // empty on success
        QTest::addColumn<QString>("speedShown");
        QTest::addColumn<QString>("torqueShown");
        QTest::addColumn<QStringList>("lines");

        const QString twoInches = "TrapDist=2 TrapMoveUnits=in TrapMoveTime=1";
        const QStringList none;
        QTest::newRow("triangular 2 in")
            << "Triangular TriDist=2 TriMoveUnits=in TriMoveTime=1"
            << "0"
            << ""
            << "20.000"
            << "25.133"
            << QStringList{"", "Motion Profile Type = Triangular", "Move Distance = 2 in",
                           "Move Time = 1 sec"};
        QTest::newRow("triangular 50.8 mm")
            << "Triangular TriDist=50.8 TriMoveUnits=mm TriMoveTime=1"
            << "0"
            << ""
            << "20.000"
            << "25.133"
            << QStringList{"", "Motion Profile Type = Triangular", "Move Distance = 50.8 mm",
                           "Move Time = 1 sec"};
        QTest::newRow("added gearbox of 2")
            << "Triangular TriDist=2 TriMoveUnits=in TriMoveTime=1"
            << "2"
            << ""
            << "40.000"
            << "50.265"
            << QStringList{"", "Motion Profile Type = Triangular", "Move Distance = 2 in",
                           "Move Time = 1 sec"};
        QTest::newRow("accel time over half") << "Trapezoidal AccelTime=0.6 " + twoInches << "0"
                                              << "Trap Info Errors"
                                              << ""
                                              << "" << none;
        QTest::newRow("accel time the whole move") << "Trapezoidal AccelTime=1 " + twoInches << "0"
                                                   << "Trap Info Errors"
                                                   << ""
                                                   << "" << none;
        QTest::newRow("accel time beyond the move")
            << "Trapezoidal AccelTime=1.5 " + twoInches << "0"
            << "Trap Info Errors"
            << ""
            << "" << none;
        QTest::newRow("accel time exactly half")
            << "Trapezoidal AccelTime=0.5 " + twoInches << "0"
            << ""
            << "20.000"
            << "25.133"
            << QStringList{"", "Motion Profile Type = Trapezoidal", "Total Move Distance = 2 in",
                           "Total Move Time = 1 sec", "Acceleration Time = 0.5 sec"};
        QTest::newRow("trapezoid by speed")
            << "Trapezoidal MaxSpeed=3 MaxSpeedUnits=in/sec " + twoInches << "0"
            << ""
            << "15.000"
            << "28.274"
            << QStringList{"", "Motion Profile Type = Trapezoidal", "Total Move Distance = 2 in",
                           "Total Move Time = 1 sec", "Maximum Speed = 3 in/sec"};
        QTest::newRow("constant velocity")
            << "Trapezoidal MaxSpeed=50.8 MaxSpeedUnits=mm/sec AccelDist=0.2 AccelDistUnits=cm"
            << "0"
            << ""
            << "10.000"
            << "79.796"
            << QStringList{"", "Motion Profile Type = Constant Velocity",
                           "Maximum Speed = 50.8 mm/sec", "Acceleration Distance = 0.2 cm"};
        QTest::newRow("no linear ratio") << "Triangular TriDist=2 TriMoveUnits=in TriMoveTime=1"
                                         << "0"
                                         << "Out of Range"
                                         << ""
                                         << "" << none;
    }
    void linear() {
        QFETCH(QString, move);
        QFETCH(QString, rotaryRatio);
        QFETCH(QString, message);
        QFETCH(QString, speedShown);
        QFETCH(QString, torqueShown);
        QFETCH(QStringList, lines);
        SizingRecord r;
        r.LinearReduction = QTest::currentDataTag() == QLatin1String("no linear ratio") ? 0 : 5;
        r.RotaryReduction = number(rotaryRatio);
        r.ReflectedJ = 0.1;
        r.LMotionProfiles = {"earlier"};
        const ProfileOutcome result = profileNext(r, entries(move), ProfileKind::Linear);
        QCOMPARE(titles(result.outcome), message.isEmpty() ? QStringList{} : QStringList{message});
        QVERIFY(result.outcome.entryTexts.isEmpty());
        QCOMPARE(result.outcome.proceed, message.isEmpty());
        QVERIFY(r.RMotionProfiles.isEmpty());
        if (message.isEmpty()) {
            QCOMPARE(shown(result.preliminary, PreliminaryDisplay::MaxSpeed), speedShown);
            QCOMPARE(shown(result.preliminary, PreliminaryDisplay::Taccl), torqueShown);
            QCOMPARE(r.LMotionProfiles, lines);
        } else {
            QCOMPARE(r.LMotionProfiles, QStringList{"earlier"});
        }
    }

    void messageTexts() {
        SizingRecord r;
        r.RotaryReduction = 1;
        const auto accel =
            profileNext(r, entries("Trapezoidal AccelTime=0.6 " + tenRevs), ProfileKind::Rotary);
        QCOMPARE(accel.outcome.messages.first(),
                 (Message{"Accel Time", "Accel time entered is greater than or equal to half the "
                                        "total time.  Thus, a triangular profile will be used."}));
        QCOMPARE(accel.outcome.entryTexts,
                 (QList<std::pair<QString, QString>>{{"AccelTime", "0.5"}}));

        const auto much = profileNext(
            r, entries("Trapezoidal MaxSpeed=15 MaxSpeedUnits=revs/sec AccelTime=0.2 " + tenRevs),
            ProfileKind::Rotary);
        QCOMPARE(much.outcome.messages.first(),
                 (Message{"Too Much Information", "Please Enter only ONE: Max Speed, Acceleration "
                                                  "Time, or Acceleration Distance"}));
        QCOMPARE(much.outcome.entryTexts,
                 (QList<std::pair<QString, QString>>{
                     {"MaxSpeed", "0"}, {"AccelTime", "0"}, {"AccelDist", "0"}}));

        const auto trap =
            profileNext(r, entries("Trapezoidal MaxSpeed=8 MaxSpeedUnits=revs/sec " + tenRevs),
                        ProfileKind::Rotary);
        QCOMPARE(trap.outcome.messages.first().text,
                 QString("The values entered will not produce a trapezoidal profile.  Either the "
                         "maximum speed was too low to complete the move in time, the acceleration "
                         "time was over half the total time, or the acceleration distance was "
                         "over half the total distance."));
        const auto select = profileNext(r, entries(""), ProfileKind::Rotary);
        QCOMPARE(select.outcome.messages.first().text,
                 QString("Please select the motion profile type for this application.  NOTE: If "
                         "the application is for constant velocity only, select TRAPEZOIDAL, "
                         "specify a max speed AND either Acceleration Time or Acceleration "
                         "Distance."));
    }

    void weightAndTorques() {
        SizingRecord r;
        r.AppType = applicationNamed("Rotary: Direct Drive");
        r.RotaryReduction = 1;
        r.ReflectedJ = 0.1;
        r.T_Thrust = 5;
        r.T_Gravity = 2;
        // A failing check still turns a zero weight into "Inertia Given"...
        profileNext(r, entries("Triangular"), ProfileKind::Rotary);
        QCOMPARE(r.Weight.text(), QString("Inertia Given"));
        // ...but an entry that is not a number stops before anything is stored.
        r.Weight = {0};
        profileNext(r, entries("Triangular TriDist=x"), ProfileKind::Rotary);
        QCOMPARE(r.Weight.text(), QString("0"));

        const auto result =
            profileNext(r, entries("Triangular TriDist=10 TriMoveUnits=revs TriMoveTime=1"),
                        ProfileKind::Rotary);
        QVERIFY(result.outcome.proceed);
        const PreliminaryFigures& p = result.preliminary;
        QCOMPARE(shown(p, PreliminaryDisplay::App), QString("Rotary: Direct Drive"));
        QCOMPARE(shown(p, PreliminaryDisplay::Weight), QString("Inertia Given"));
        QCOMPARE(shown(p, PreliminaryDisplay::Taccl), QString("25.133"));
        QCOMPARE(shown(p, PreliminaryDisplay::Tthrust), QString("5.000"));
        QCOMPARE(shown(p, PreliminaryDisplay::Tgravity), QString("2.000"));
        QCOMPARE(shown(p, PreliminaryDisplay::T_Total), QString("32.133"));
        QCOMPARE(stored(r.T_Accel), QString("25.13272"));

        r.Weight = {160};
        QCOMPARE(
            shown(profileNext(r, entries("Triangular TriDist=10 TriMoveUnits=revs TriMoveTime=1"),
                              ProfileKind::Rotary)
                      .preliminary,
                  PreliminaryDisplay::Weight),
            QString("160"));
    }

    void commaLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        SizingRecord r;
        r.RotaryReduction = 1;
        r.ReflectedJ = 0.1;
        const auto result = profileNext(
            r, entries("Trapezoidal TrapDist=10 TrapMoveUnits=revs TrapMoveTime=1 AccelTime=0,6"),
            ProfileKind::Rotary);
        QCOMPARE(result.outcome.entryTexts,
                 (QList<std::pair<QString, QString>>{{"AccelTime", "0,5"}}));
        QCOMPARE(stored(r.SpdMultiplier), QString("251,3272"));
        QCOMPARE(shown(result.preliminary, PreliminaryDisplay::Taccl), QString("25,133"));
        QCOMPARE(r.RMotionProfiles.last(), QString("Acceleration Time = 0,5 sec"));
    }

    void setup_data() {
        QTest::addColumn<QString>("motion");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("distance");
        QTest::addColumn<QStringList>("speed");
        QTest::newRow("rotary") << "Rotary"
                                << "Rotary Motion Profiles" << QStringList{"revs", "degrees"}
                                << QStringList{"revs/sec", "revs/min", "degrees/sec"};
        QTest::newRow("linear") << "Linear"
                                << "Linear Motion Profiles" << QStringList{"in", "mm", "cm"}
                                << QStringList{"in/sec", "mm/sec", "cm/sec"};
        QTest::newRow("none") << ""
                              << "Motion Profiles" << QStringList{} << QStringList{};
    }
    void setup() {
        QFETCH(QString, motion);
        QFETCH(QString, heading);
        QFETCH(QStringList, distance);
        QFETCH(QStringList, speed);
        const Motion m = motion == "Rotary"   ? Motion::Rotary
                         : motion == "Linear" ? Motion::Linear
                                              : Motion::None;
        QCOMPARE(profileHeading(m), heading);
        for (const Field& list :
             {fields::TriMoveUnits, fields::TrapMoveUnits, fields::AccelDistUnits})
            QCOMPARE(list.items(m), distance);
        QCOMPARE(fields::MaxSpeedUnits.items(m), speed);
    }

    // BACK returns to the mechanism that opened the profile; back at a
    // rotary one, the load is the engineer's own again.
    void back_data() {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<std::optional<ScreenId>>("screen");
        QTest::addColumn<bool>("loadCalc");
        using S = ScreenId;
        QTest::newRow("direct drive")
            << "Rotary: Direct Drive" << std::optional(S{"DirectDrive"}) << false;
        QTest::newRow("belt pulley")
            << "Rotary: Belt-Pulley" << std::optional(S{"BeltPulley"}) << false;
        QTest::newRow("gearbox") << "Rotary: Gearbox" << std::optional(S::Gearbox) << false;
        QTest::newRow("screw") << "Linear: Screw Drive" << std::optional(S{"ScrewDrive"}) << true;
        QTest::newRow("rack") << "Linear: Rack & Pinion" << std::optional(S{"RackPinionDrive"})
                              << true;
        QTest::newRow("opened by none") << "" << std::optional<ScreenId>() << true;
    }
    void back() {
        QFETCH(QString, opener);
        QFETCH(std::optional<ScreenId>, screen);
        QFETCH(bool, loadCalc);
        Sizing s;
        s.record().LoadCalc = true;
        s.record().RMotionProfiles = {"", "Motion Profile Type = Triangular"};
        s.record().AppType = applicationNamed(opener);
        QCOMPARE(leaveProfile(s, ProfileKind::Rotary), screen);
        QCOMPARE(s.record().LoadCalc, loadCalc);
        QVERIFY(s.record().RMotionProfiles.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ProfileLogicTest)
#include "tst_profile_logic.moc"
