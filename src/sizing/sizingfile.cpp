#include "sizing/sizingfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char* const stages[] = {"gearbox", "mechanism", "preliminary", "findings"};

QJsonObject toObject(const QMap<QString, QString>& texts) {
    QJsonObject out;
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        out.insert(it.key(), it.value());
    return out;
}

QJsonObject toObject(const Form& form) {
    return {{"entries", toObject(form.entries)},
            {"units", toObject(form.units)},
            {"options", toObject(form.options)}};
}

// Reads the JSON step by step; the first thing out of place is the reason.
class Reader {
  public:
    std::optional<QString> problem;

    QString text(const QJsonObject& object, const QString& key, const QString& where) {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return fail(where + key + " is missing");
        if (!value.isString())
            return fail(where + key + " is not a text");
        return value.toString();
    }

    QMap<QString, QString> texts(const QJsonValue& value, const QString& where) {
        QMap<QString, QString> out;
        if (!value.isObject()) {
            fail(where + " is not a set of texts");
            return out;
        }
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            out.insert(it.key(), text(object, it.key(), where + "."));
        return out;
    }

    Form form(const QJsonValue& value, const QString& where) {
        Form out;
        if (!value.isObject()) {
            fail(where + " is not a screen's entries");
            return out;
        }
        const QJsonObject object = value.toObject();
        out.entries = texts(object.value("entries"), where + ".entries");
        out.units = texts(object.value("units"), where + ".units");
        out.options = texts(object.value("options"), where + ".options");
        return out;
    }

    QString fail(const QString& reason) {
        if (!problem)
            problem = "its " + reason;
        return {};
    }
};

// A library motor's figures, in the program's units.
QJsonObject motorFigures(const motors::Motor& m) {
    QJsonArray curve;
    for (const motors::CurvePoint& p : m.curve)
        curve.append(QJsonArray{p.speed, p.torque});
    return {{"rotorInertia", m.rotorInertia},
            {"continuousTorque", m.continuousTorque},
            {"peakTorque", m.peakTorque},
            {"maxSpeed", m.maxSpeed},
            {"curve", curve}};
}

void readMotorFigures(Reader& read, const QJsonValue& value, motors::Motor& m) {
    const QJsonObject figures = value.toObject();
    const auto number = [&](const char* key) {
        const QJsonValue v = figures.value(key);
        if (!v.isDouble())
            read.fail(QString("library motor's ") + key + " is not a number");
        return v.toDouble();
    };
    m.rotorInertia = number("rotorInertia");
    m.continuousTorque = number("continuousTorque");
    m.peakTorque = number("peakTorque");
    m.maxSpeed = number("maxSpeed");
    for (const QJsonValue& point : figures.value("curve").toArray()) {
        const QJsonArray pair = point.toArray();
        if (pair.size() != 2 || !pair[0].isDouble() || !pair[1].isDouble())
            read.fail("library motor's curve point is not a speed and a torque");
        m.curve << motors::CurvePoint{pair[0].toDouble(), pair[1].toDouble()};
    }
    if (const auto problem = motors::motorProblem(m))
        read.fail("library motor " + *problem);
}

} // namespace

QByteArray toJson(const SizingFile& file) {
    QJsonObject screens;
    for (auto it = file.screens.cbegin(); it != file.screens.cend(); ++it)
        screens.insert(it.key(), toObject(it.value()));
    QJsonObject root{{"format", "motor-sizing"},
                     {"version", SizingFile::version},
                     {"locale", file.locale},
                     {"motion", file.motion},
                     {"application", file.application},
                     {"reached", stages[int(file.reached)]},
                     {"loadCalculator", file.loadCalculated},
                     {"screens", screens}};
    if (file.loadTypedOver)
        root.insert("loadTypedOver", true);
    if (file.addedRatio)
        root.insert("addedGearbox", QJsonObject{{"ratio", *file.addedRatio},
                                                {"screen", toObject(file.addedGearbox)}});
    if (file.results == UnitSystem::SI)
        root.insert("results", "SI");
    if (file.motor) {
        root.insert("motor", file.motor->name);
        if (file.motor->rotorInertia > 0)
            root.insert("motorFigures", motorFigures(*file.motor));
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<SizingFile, QString> fromJson(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return QString("it is not JSON (%1 at character %2)")
            .arg(error.errorString())
            .arg(error.offset);
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value("format").toString() != "motor-sizing")
        return QString("it is not a sizing file");
    const QJsonValue version = root.value("version");
    if (!version.isDouble() || version.toDouble() != version.toInt() || version.toInt() < 1)
        return QString("it is not a sizing file (its version is not a whole number)");
    if (version.toInt() > SizingFile::version)
        return QString("it was made by a newer version of Motor Sizing (file version %1)")
            .arg(version.toInt());

    Reader read;
    SizingFile file;
    file.locale = read.text(root, "locale", "");
    file.motion = read.text(root, "motion", "");
    file.application = read.text(root, "application", "");
    const QString reached = read.text(root, "reached", "");
    const auto stage = std::find(std::begin(stages), std::end(stages), reached);
    if (!read.problem && stage == std::end(stages))
        read.fail("stage \"" + reached + "\" is unknown");
    file.reached = Stage(stage - std::begin(stages));
    const QJsonValue calculator = root.value("loadCalculator");
    if (!calculator.isBool())
        read.fail("loadCalculator is not true or false");
    file.loadCalculated = calculator.toBool();
    if (root.contains("loadTypedOver")) {
        if (!root.value("loadTypedOver").isBool())
            read.fail("loadTypedOver is not true or false");
        file.loadTypedOver = root.value("loadTypedOver").toBool();
    }
    const QJsonValue screens = root.value("screens");
    if (!screens.isObject())
        read.fail("screens are missing");
    const QJsonObject byName = screens.toObject();
    for (auto it = byName.begin(); it != byName.end(); ++it)
        file.screens.insert(it.key(), read.form(it.value(), "screen " + it.key()));
    if (root.contains("addedGearbox")) {
        const QJsonObject added = root.value("addedGearbox").toObject();
        const QJsonValue ratio = added.value("ratio");
        if (!ratio.isDouble() || !(ratio.toDouble() > 0))
            read.fail("added gearbox has no ratio above 0");
        file.addedRatio = ratio.toDouble();
        file.addedGearbox = read.form(added.value("screen"), "added gearbox");
    }
    if (root.contains("results")) {
        const QString results = read.text(root, "results", "");
        if (results == "SI")
            file.results = UnitSystem::SI;
        else if (!read.problem && results != "US")
            read.fail("result units \"" + results + "\" are unknown");
    }
    if (root.contains("motor")) {
        file.motor = motors::Motor{};
        file.motor->name = read.text(root, "motor", "");
        if (root.contains("motorFigures"))
            readMotorFigures(read, root.value("motorFigures"), *file.motor);
    }
    if (read.problem)
        return *read.problem;
    return file;
}
