#include "app/sizingfiles.h"

#include "findings/findingslogic.h"
#include "findings/projectionlogic.h"
#include "flow/filenames.h"
#include "flow/numbers.h"
#include "mechanisms/applications.h"
#include "mechanisms/loadcalclogic.h"
#include "profiles/profilelogic.h"
#include "report/reportlogic.h"
#include "units/units.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QList<std::pair<ScreenId, Form>> screensOf(const Application& application) {
    return {{application.screen, application.form},
            {ScreenId::LoadCalculations, loadCalcForm()},
            {application.profile(), profileForm()},
            {ScreenId::Selection, selectionForm()},
            {ScreenId::Report, reportForm()}};
}

QStringList unitItems(const QString& list, Motion motion) {
    using namespace units;
    const bool rotary = motion == Motion::Rotary;
    if (list == "TriMoveUnits" || list == "TrapMoveUnits" || list == "AccelDistUnits")
        return rotary ? rotaryDistanceUnits().texts() : dimensionUnits().texts();
    if (list == "MaxSpeedUnits")
        return rotary ? rotarySpeedUnits().texts() : linearSpeedUnits().texts();
    const QList<std::pair<const char*, QStringList>> lists{
        {"PulleyUnits", dimensionUnits().texts()},
        {"PinionUnits", dimensionUnits().texts()},
        {"LUnits", dimensionUnits().texts()},
        {"SystemUnits", systemLengthUnits().texts()},
        {"Units", weightUnits().texts()},
        {"WTUnits", loadCalcWeightUnits().texts()},
        {"PitchUnits", pitchUnits().texts()},
        {"GBUnits", inertiaUnits().texts()},
        {"Material", pulleyMaterials()}};
    for (const auto& [name, items] : lists)
        if (list == QLatin1String(name))
            return items;
    return {};
}

namespace {

// The form as the file has it, its entries typed again in this locale.
std::variant<Form, QString> checked(const Form& stored, const Form& first, const QString& screen,
                                    const QLocale& typedIn, Motion motion) {
    Form out = stored;
    const QList<std::pair<QMap<QString, QString> Form::*, const char*>> kinds{
        {&Form::entries, "entry"}, {&Form::units, "unit list"}, {&Form::options, "options"}};
    for (const auto& [kind, name] : kinds)
        for (const QString& key : (first.*kind).keys())
            if (!(stored.*kind).contains(key))
                return QString("its %1 %2 of screen %3 is missing").arg(name, key, screen);
    for (auto it = stored.units.cbegin(); it != stored.units.cend(); ++it)
        if (!it.value().isEmpty() && !unitItems(it.key(), motion).contains(it.value()))
            return QString("its unit list %1 of screen %2 names no unit it offers (\"%3\")")
                .arg(it.key(), screen, it.value());
    for (QString& text : out.entries)
        text = numbers::retype(text, typedIn, QLocale()).value_or(text);
    return out;
}

} // namespace

SizingFile toFile(const Sizing& sizing) {
    SizingFile file;
    const SizingRecord& record = sizing.record();
    file.locale = QLocale().name();
    file.motion = motionText(record.MotionType);
    file.reached = sizing.reached;
    file.loadCalculated = sizing.loadCalculated;
    file.loadTypedOver = sizing.loadCalculated && sizing.loadTypedOver;
    file.motor = sizing.libraryMotor;
    if (const Application* application = record.AppType) {
        file.application = application->text;
        for (const auto& [screen, first] : screensOf(*application))
            if (sizing.forms.contains(screen) || screen == application->screen)
                file.screens.insert(screenName(screen), sizing.forms.value(screen, first));
    }
    if (record.gearboxAdded()) {
        file.addedRatio = record.AddedGBReduction;
        file.addedGearbox = sizing.addedGearbox;
    }
    return file;
}

std::variant<Sizing, QString> fromFile(const SizingFile& file) {
    Sizing sizing;
    SizingRecord& record = sizing.record();
    const QLocale typedIn(file.locale);
    if (!file.application.isEmpty()) {
        record.AppType = applicationNamed(file.application);
        if (!record.AppType)
            return QString("its application type \"%1\" is unknown").arg(file.application);
    }
    record.MotionType = record.AppType            ? record.AppType->motion()
                        : file.motion == "Rotary" ? Motion::Rotary
                        : file.motion == "Linear" ? Motion::Linear
                                                  : Motion::None;
    sizing.reached = file.reached;
    sizing.libraryMotor = file.motor;
    if (!record.AppType)
        return sizing;
    const Application& application = *record.AppType;
    for (const auto& [screen, first] : screensOf(application)) {
        const QString name = screenName(screen);
        if (!file.screens.contains(name))
            continue;
        auto form = checked(file.screens[name], first, name, typedIn, application.motion());
        if (auto* problem = std::get_if<QString>(&form))
            return *problem;
        sizing.forms.insert(screen, std::get<Form>(form));
    }
    if (file.loadCalculated && application.family == Family::Rotary) {
        sizing.loadCalculated = true;
        sizing.loadTypedOver = file.loadTypedOver;
        sizing.openedBy[ScreenId::LoadCalculations] = &application;
    }
    if (file.addedRatio) {
        const Application& gearbox = applicationOn(ScreenId::Gearbox);
        auto form =
            checked(file.addedGearbox, gearbox.form, "Gearbox", typedIn, application.motion());
        if (auto* problem = std::get_if<QString>(&form))
            return *problem;
        sizing.addedGearbox = std::get<Form>(form);
        record.AddedGBReduction = *file.addedRatio;
        // Its road starts from the sizing without it, which the replay works out.
        sizing.withoutGearbox = Results{};
    }
    return sizing;
}

std::variant<Sizing, QString> readSizing(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return QString("it is not found");
    if (info.isDir())
        return QString("it is a folder");
    if (info.size() > SizingFile::largest)
        return QString("it is larger than 1 MiB, far larger than a sizing");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString("it cannot be read (%1)").arg(file.errorString());
    const auto parsed = fromJson(file.readAll());
    if (auto* problem = std::get_if<QString>(&parsed))
        return *problem;
    return fromFile(std::get<SizingFile>(parsed));
}

std::optional<QString> writeSizing(const QString& path, const Sizing& sizing) {
    const QByteArray bytes = toJson(toFile(sizing));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}

QString sizingFilePath(const QString& chosen) {
    return withExtension(chosen, ".motorsizing");
}
