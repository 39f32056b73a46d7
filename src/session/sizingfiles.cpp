#include "session/sizingfiles.h"

#include "findings/findingsfields.h"
#include "flow/filenames.h"
#include "flow/numbers.h"
#include "mechanisms/applications.h"
#include "profiles/profilefields.h"
#include "sizing/reportfields.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QList<std::pair<ScreenId, Fields>> screensOf(const Application& application) {
    return {{application.screen, application.fields},
            {ScreenId::LoadCalculations, fields::loadCalc},
            {application.profile(), fields::profile},
            {ScreenId::Selection, fields::selection},
            {ScreenId::Report, fields::report}};
}

namespace {

// The form as the file has it, its entries typed again in this locale.
std::variant<Form, QString> checked(const Form& stored, const Fields& table, const QString& screen,
                                    const QLocale& typedIn, Motion motion) {
    static const QMap<Field::Kind, std::pair<QMap<QString, QString> Form::*, const char*>> kinds{
        {Field::Kind::Entry, {&Form::entries, "entry"}},
        {Field::Kind::Units, {&Form::units, "unit list"}},
        {Field::Kind::Options, {&Form::options, "options"}}};
    Form out = stored;
    for (const Field& field : table) {
        const auto [kind, name] = kinds.value(field.kind);
        // A unit list an older file lacks stands at its first item.
        if (field.kind == Field::Kind::Units && *field.initial && !out.units.contains(field))
            out.units.insert(field, QString::fromLatin1(field.initial));
        if (!(out.*kind).contains(field))
            return QString("its %1 %2 of screen %3 is missing").arg(name, field, screen);
    }
    for (const Field& list : table) {
        const QString item = out.unit(list);
        if (list.kind == Field::Kind::Units && !item.isEmpty() &&
            !list.items(motion).contains(item))
            return QString("its unit list %1 of screen %2 names no unit it offers (\"%3\")")
                .arg(list, screen, item);
    }
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
    file.results = sizing.resultUnits;
    if (const Application* application = record.AppType) {
        file.application = application->text;
        for (const auto& [screen, table] : screensOf(*application))
            if (sizing.forms.contains(screen) || screen == application->screen)
                file.screens.insert(screenName(screen),
                                    sizing.forms.value(screen, Form::initial(table)));
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
    sizing.resultUnits = file.results;
    if (!record.AppType)
        return sizing;
    const Application& application = *record.AppType;
    for (const auto& [screen, table] : screensOf(application)) {
        const QString name = screenName(screen);
        if (!file.screens.contains(name))
            continue;
        auto form = checked(file.screens[name], table, name, typedIn, application.motion());
        if (auto* problem = std::get_if<QString>(&form))
            return *problem;
        sizing.forms.insert(screen, std::get<Form>(form));
    }
    if (file.loadCalculated && application.family == Family::Rotary) {
        sizing.loadCalculated = true;
        sizing.loadTypedOver = file.loadTypedOver;
    }
    if (file.addedRatio) {
        const Application& gearbox = applicationOn(ScreenId::Gearbox);
        auto form =
            checked(file.addedGearbox, gearbox.fields, "Gearbox", typedIn, application.motion());
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
