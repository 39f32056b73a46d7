#pragma once

#include <QByteArray>
#include <QString>

#include <compare>
#include <string_view>

// A screen of the program, known by its name, which is its window's object
// name. The program's own screens are named below; the mechanism screen of
// each application is named by its row of the application table.
class ScreenId {
  public:
    constexpr explicit ScreenId(const char* name) : name_(name) {}

    QString name() const { return QString::fromLatin1(name_); }

    friend constexpr bool operator==(ScreenId a, ScreenId b) {
        return std::string_view(a.name_) == std::string_view(b.name_);
    }
    friend constexpr std::strong_ordering operator<=>(ScreenId a, ScreenId b) {
        return std::string_view(a.name_) <=> std::string_view(b.name_);
    }
    // As a test shows it when two differ.
    friend char* toString(ScreenId id) { return qstrdup(id.name_); }

    static const ScreenId Welcome, RotaryType, LinearType, Gearbox, LoadCalculations, RotaryMP,
        MotionProfiles, Preliminary, Selection, Findings, AddGBox, Report, Conversion, MotorLibrary,
        MotorFit;

  private:
    const char* name_;
};

inline constexpr ScreenId ScreenId::Welcome{"Welcome"};
inline constexpr ScreenId ScreenId::RotaryType{"RotaryType"};
inline constexpr ScreenId ScreenId::LinearType{"LinearType"};
// The gearbox screen is an application's and also the added gearbox's.
inline constexpr ScreenId ScreenId::Gearbox{"Gearbox"};
inline constexpr ScreenId ScreenId::LoadCalculations{"LoadCalculations"};
inline constexpr ScreenId ScreenId::RotaryMP{"RotaryMP"};
inline constexpr ScreenId ScreenId::MotionProfiles{"MotionProfiles"};
inline constexpr ScreenId ScreenId::Preliminary{"Preliminary"};
inline constexpr ScreenId ScreenId::Selection{"Selection"};
inline constexpr ScreenId ScreenId::Findings{"Findings"};
inline constexpr ScreenId ScreenId::AddGBox{"AddGBox"};
inline constexpr ScreenId ScreenId::Report{"Report"};
inline constexpr ScreenId ScreenId::Conversion{"Conversion"};
inline constexpr ScreenId ScreenId::MotorLibrary{"MotorLibrary"};
inline constexpr ScreenId ScreenId::MotorFit{"MotorFit"};

inline QString screenName(ScreenId screen) {
    return screen.name();
}
// A tool that opens beside the wizard and closes with Esc: the load
// calculator, the unit conversions, the gearbox projection and the motors.
bool isSideTool(ScreenId screen);
