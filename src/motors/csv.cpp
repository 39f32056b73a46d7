#include "motors/csv.h"

#include "flow/numbers.h"
#include "units/units.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <cmath>

namespace motors {

namespace {

struct Record {
    int line = 0; // where it starts in the file
    QStringList fields;
};

// The records of RFC 4180 text: fields split at commas, a quoted field may
// hold commas, line ends and doubled quotes.
std::variant<QList<Record>, QString> records(QStringView text) {
    QList<Record> out;
    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        Record record{line, {}};
        QString field;
        bool quoted = false, fieldStarted = false;
        for (;;) {
            if (i == n && quoted)
                return QString("line %1: a quoted field is not closed").arg(record.line);
            if (i == n || (!quoted && (text[i] == u'\n' || text[i] == u'\r'))) {
                record.fields << field;
                if (i < n && text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                    ++i;
                if (i < n)
                    ++i, ++line;
                break;
            }
            const QChar c = text[i];
            if (quoted) {
                if (c == u'"' && i + 1 < n && text[i + 1] == u'"') {
                    field += c;
                    i += 2;
                    continue;
                }
                if (c == u'"') {
                    quoted = false;
                    ++i;
                    if (i < n && text[i] != u',' && text[i] != u'\r' && text[i] != u'\n')
                        return QString("line %1: a quoted field goes on after its closing quote")
                            .arg(line);
                    continue;
                }
                if (c == u'\n')
                    ++line;
                field += c;
                ++i;
                continue;
            }
            if (c == u',') {
                record.fields << field;
                field.clear();
                fieldStarted = false;
                ++i;
                continue;
            }
            if (c == u'"') {
                if (fieldStarted)
                    return QString("line %1: a quote inside a field that is not quoted").arg(line);
                quoted = true;
                fieldStarted = true;
                ++i;
                continue;
            }
            field += c;
            fieldStarted = true;
            ++i;
        }
        // Blank lines between motors are passed over.
        if (record.fields.size() > 1 || !record.fields.front().trimmed().isEmpty())
            out << record;
    }
    return out;
}

// A figure as the file writes it: point decimals, no group separators.
std::optional<double> number(const QString& text) {
    static const QLocale c = [] {
        QLocale l = QLocale::c();
        l.setNumberOptions(QLocale::RejectGroupSeparator);
        return l;
    }();
    bool ok = false;
    const double x = c.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(x))
        return std::nullopt;
    return x;
}

// In the program's general form, with a point whatever the locale.
QString written(double x) {
    return numbers::general(x, QLocale::c());
}

struct Column {
    const char* caption;
    const char* what; // as a message names it
    const units::UnitList& units;
};

const Column figureColumns[] = {
    {"Rotor Inertia", "rotor inertia", units::inertiaUnits()},
    {"Continuous Torque", "continuous torque", units::torqueUnits()},
    {"Peak Torque", "peak torque", units::torqueUnits()},
    {"Max Speed", "max speed", units::rotarySpeedUnits()},
};

const QString curveCaption = "Peak Curve";

// "Rotor Inertia [kg-cm^2]": the caption and the unit.
std::optional<std::pair<QString, QString>> captioned(const QString& header) {
    static const QRegularExpression pattern(R"(^\s*([^\[]*?)\s*\[\s*([^\]]*?)\s*\]\s*$)");
    const auto match = pattern.match(header);
    if (!match.hasMatch())
        return std::nullopt;
    return std::pair{match.captured(1), match.captured(2)};
}

struct Header {
    QString units[4];
    bool curve = false;
    QString speedUnit, torqueUnit;
};

std::variant<Header, QString> header(const Record& record) {
    const QString expected =
        "line 1: the header must be Name,Rotor Inertia [unit],Continuous Torque [unit],"
        "Peak Torque [unit],Max Speed [unit], then optionally Peak Curve [speed unit:torque unit]";
    const QStringList& fields = record.fields;
    if (fields.size() != 5 && fields.size() != 6)
        return expected;
    if (fields[0].trimmed() != "Name")
        return expected;
    Header h;
    for (int k = 0; k < 4; ++k) {
        const auto got = captioned(fields[k + 1]);
        if (!got || got->first != figureColumns[k].caption)
            return expected;
        if (!figureColumns[k].units.contains(got->second))
            return QString("line 1: \"%1\" is not a unit of the %2 (%3)")
                .arg(got->second, figureColumns[k].what, figureColumns[k].units.texts().join(", "));
        h.units[k] = got->second;
    }
    if (fields.size() == 6) {
        const auto got = captioned(fields[5]);
        if (!got || got->first != curveCaption)
            return expected;
        const QStringList pair = got->second.split(':');
        const QString form = "line 1: the peak curve's units must be speed:torque, with a speed "
                             "unit of " +
                             units::rotarySpeedUnits().texts().join(", ") +
                             " and a torque unit of " + units::torqueUnits().texts().join(", ");
        if (pair.size() != 2 || !units::rotarySpeedUnits().contains(pair[0].trimmed()) ||
            !units::torqueUnits().contains(pair[1].trimmed()))
            return form;
        h.curve = true;
        h.speedUnit = pair[0].trimmed();
        h.torqueUnit = pair[1].trimmed();
    }
    return h;
}

std::variant<Motor, QString> motor(const Record& record, const Header& h) {
    const QStringList& f = record.fields;
    const auto bad = [&](const QString& what) {
        return QString("line %1: %2").arg(record.line).arg(what);
    };
    const int columns = h.curve ? 6 : 5;
    if (f.size() != columns && !(h.curve && f.size() == 5))
        return bad(QString("it has %1 fields where the header has %2").arg(f.size()).arg(columns));
    Motor m;
    m.name = f[0].trimmed();
    if (m.name.isEmpty())
        return bad("the motor has no name");
    double* figures[] = {&m.rotorInertia, &m.continuousTorque, &m.peakTorque, &m.maxSpeed};
    for (int k = 0; k < 4; ++k) {
        const Column& column = figureColumns[k];
        const auto x = number(f[k + 1]);
        const double internal = x ? column.units.toInternal(h.units[k], *x) : 0;
        if (!x || !(*x > 0) || !std::isfinite(internal) || !(internal > 0))
            return bad(QString("the %1 \"%2\" is not a number above 0")
                           .arg(column.what, f[k + 1].trimmed()));
        *figures[k] = internal;
    }
    if (m.peakTorque < m.continuousTorque)
        return bad("the peak torque is below the continuous torque");
    if (f.size() < 6)
        return m;
    static const QRegularExpression blanks(R"(\s+)");
    for (const QString& pair : f[5].split(blanks, Qt::SkipEmptyParts)) {
        const QStringList parts = pair.split(':');
        const auto speed = parts.size() == 2 ? number(parts[0]) : std::nullopt;
        const auto torque = parts.size() == 2 ? number(parts[1]) : std::nullopt;
        if (!speed || !torque || *speed < 0 || *torque < 0)
            return bad(QString("the curve point \"%1\" is not speed:torque with figures of 0 or "
                               "more")
                           .arg(pair));
        const CurvePoint p{units::rotarySpeedUnits().toInternal(h.speedUnit, *speed),
                           units::torqueUnits().toInternal(h.torqueUnit, *torque)};
        if (!m.curve.isEmpty() && !(p.speed > m.curve.back().speed))
            return bad(QString("the curve's speeds do not rise at \"%1\"").arg(pair));
        m.curve << p;
    }
    return m;
}

QString field(const QString& text) {
    static const QRegularExpression special(R"([",\r\n]|^\s|\s$)");
    if (!special.match(text).hasMatch())
        return text;
    return '"' + QString(text).replace('"', "\"\"") + '"';
}

} // namespace

std::variant<QList<Motor>, QString> readCsv(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return QString("it is not UTF-8 text");
    const auto split = records(text);
    if (const auto* problem = std::get_if<QString>(&split))
        return *problem;
    const QList<Record>& all = std::get<QList<Record>>(split);
    if (all.isEmpty() || all.front().line != 1)
        return QString("line 1: the header is missing");
    const auto top = header(all.front());
    if (const auto* problem = std::get_if<QString>(&top))
        return *problem;
    const Header& h = std::get<Header>(top);
    QList<Motor> motors;
    QHash<QString, int> lineOf;
    for (qsizetype i = 1; i < all.size(); ++i) {
        const auto read = motor(all[i], h);
        if (const auto* problem = std::get_if<QString>(&read))
            return *problem;
        const Motor& m = std::get<Motor>(read);
        if (const auto twice = lineOf.constFind(m.name); twice != lineOf.cend())
            return QString("line %1: the motor \"%2\" is on line %3 too")
                .arg(QString::number(all[i].line), m.name, QString::number(*twice));
        lineOf.insert(m.name, all[i].line);
        motors << m;
    }
    return motors;
}

QByteArray writeCsv(const QList<Motor>& motors) {
    QString out = "Name,Rotor Inertia [oz-in-sec^2],Continuous Torque [oz-in],Peak Torque "
                  "[oz-in],Max Speed [revs/sec],Peak Curve [revs/sec:oz-in]\r\n";
    for (const Motor& m : motors) {
        QStringList points;
        for (const CurvePoint& p : m.curve)
            points << written(p.speed) + ':' + written(p.torque);
        out +=
            QStringList{field(m.name),         written(m.rotorInertia), written(m.continuousTorque),
                        written(m.peakTorque), written(m.maxSpeed),     points.join(' ')}
                .join(',') +
            "\r\n";
    }
    return out.toUtf8();
}

} // namespace motors
