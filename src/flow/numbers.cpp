#include "flow/numbers.h"

#include <QLocale>
#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace numbers {
namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// strtod in the C locale whatever the process locale is.
double cStrtod(const std::string& text, bool& ok) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    char* end = nullptr;
    const double value = strtod_l(text.c_str(), &end, cLocale);
    ok = end == text.c_str() + text.size() && std::isfinite(value);
    return value;
}

// The 15 significant digits of a finite, non-zero value and its decimal
// exponent: value = d.dddddddddddddd * 10^exponent.
struct Digits {
    bool negative = false;
    std::string digits; // exactly 15
    int exponent = 0;
};

Digits significantDigits(double value) {
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr);
    Digits d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negative = true;
        ++i;
    }
    const std::size_t e = text.find('e');
    for (std::size_t k = i; k < e; ++k)
        if (text[k] != '.')
            d.digits += text[k];
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

} // namespace

std::optional<double> parse(const QString& text) {
    return parse(text, QLocale());
}

std::optional<QString> retype(const QString& text, const QLocale& from, const QLocale& to) {
    const auto value = parse(text, from);
    if (!value)
        return std::nullopt;
    if (from.decimalPoint() == to.decimalPoint() && from.groupSeparator() == to.groupSeparator())
        return text;
    QString out;
    for (QChar c : text)
        out += QString(c) == from.decimalPoint()     ? to.decimalPoint()
               : QString(c) == from.groupSeparator() ? to.groupSeparator()
                                                     : QString(c);
    // Where the exchange reads otherwise (a sign or separator the other
    // locale writes differently), the figure in the general form.
    if (parse(out, to) != value)
        out = general(*value, to);
    return out;
}

std::optional<double> parse(const QString& text, const QLocale& locale) {
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    const QString s = text.trimmed();
    const qsizetype n = s.size();
    qsizetype i = 0;
    std::string normal;

    auto startsHere = [&](const QString& token) {
        return !token.isEmpty() && QStringView(s).mid(i).startsWith(token);
    };

    if (i < n && (s[i] == u'+' || s[i] == u'-')) {
        if (s[i] == u'-')
            normal += '-';
        ++i;
    } else if (startsHere(locale.negativeSign())) {
        normal += '-';
        i += locale.negativeSign().size();
    } else if (startsHere(locale.positiveSign())) {
        i += locale.positiveSign().size();
    }

    // Integer part: a group separator stands only between digits and is
    // followed by exactly three of them.
    int digits = 0;
    int groupDigits = -1; // digits since the last group separator, -1 before the first
    while (i < n) {
        if (isDigit(s[i])) {
            normal += char(s[i].unicode());
            ++digits;
            if (groupDigits >= 0)
                ++groupDigits;
            ++i;
        } else if (startsHere(group) && digits > 0 && (groupDigits < 0 || groupDigits == 3)) {
            groupDigits = 0;
            i += group.size();
        } else {
            break;
        }
    }
    if (groupDigits >= 0 && groupDigits != 3)
        return std::nullopt;

    if (startsHere(decimal)) {
        i += decimal.size();
        normal += '.';
        while (i < n && isDigit(s[i])) {
            normal += char(s[i].unicode());
            ++digits;
            ++i;
        }
    }
    if (digits == 0)
        return std::nullopt;

    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        normal += 'e';
        if (i < n && (s[i] == u'+' || s[i] == u'-'))
            normal += char(s[i++].unicode());
        int exponentDigits = 0;
        while (i < n && isDigit(s[i])) {
            normal += char(s[i++].unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;

    bool ok = false;
    const double value = cStrtod(normal, ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString general(double value) {
    return general(value, QLocale());
}

QString general(double value, const QLocale& locale) {
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    Digits d = significantDigits(value);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();

    const QString decimal = locale.decimalPoint();
    QString out = d.negative ? QStringLiteral("-") : QString();
    const QString digits = QString::fromLatin1(d.digits);
    if (d.exponent < -5 || d.exponent > 14) {
        out += digits.left(1);
        if (digits.size() > 1)
            out += decimal + digits.mid(1);
        out += d.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        out += QString::number(std::abs(d.exponent)).rightJustified(2, u'0');
    } else if (d.exponent >= 0) {
        const int integerDigits = d.exponent + 1;
        out += digits.left(integerDigits).leftJustified(integerDigits, u'0');
        if (digits.size() > integerDigits)
            out += decimal + digits.mid(integerDigits);
    } else {
        out += QStringLiteral("0") + decimal + QString(-d.exponent - 1, u'0') + digits;
    }
    return out;
}

QString general(double value, int digits) {
    if (!std::isfinite(value))
        return general(value);
    return general(std::strtod(QByteArray::number(value, 'g', digits).constData(), nullptr));
}

QString format(double value, QStringView pattern) {
    const qsizetype point = pattern.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(pattern.size() - point - 1);

    // The figure scaled by 10^decimals and rounded, as a string of digits.
    std::string scaled;
    bool negative = false;
    if (value != 0 && std::isfinite(value)) {
        const Digits d = significantDigits(value);
        negative = d.negative;
        const int keep = d.exponent + 1 + decimals;
        if (keep >= int(d.digits.size())) {
            scaled = d.digits + std::string(keep - d.digits.size(), '0');
        } else if (keep >= 0) {
            scaled = d.digits.substr(0, keep);
            if (d.digits[keep] >= '5') {
                int k = int(scaled.size()) - 1;
                while (k >= 0 && scaled[k] == '9')
                    scaled[k--] = '0';
                if (k < 0)
                    scaled.insert(scaled.begin(), '1');
                else
                    ++scaled[k];
            }
        }
    }
    if (scaled.size() < std::size_t(decimals) + 1)
        scaled.insert(0, decimals + 1 - scaled.size(), '0');
    const std::size_t firstNonZero = scaled.find_first_not_of('0');
    const std::size_t integerDigits = scaled.size() - decimals;
    const std::size_t start = std::min(scaled.find_first_not_of('0'), integerDigits - 1);

    QString out = negative && firstNonZero != std::string::npos ? QStringLiteral("-") : QString();
    out += QString::fromLatin1(scaled.substr(start, integerDigits - start));
    if (decimals > 0)
        out += QLocale().decimalPoint() + QString::fromLatin1(scaled.substr(integerDigits));
    return out;
}

QString significant(double value, int digits) {
    if (value == 0 || !std::isfinite(value))
        return format(0, QString("0." + QString(std::max(0, digits - 1), u'0')));
    const int decimals = std::max(0, digits - 1 - significantDigits(value).exponent);
    return format(value, decimals > 0 ? QString("0." + QString(decimals, u'0')) : QString("0"));
}

QString formatNonZero(double value, QStringView pattern) {
    const QString shown = format(value, pattern);
    if (value == 0 || !std::isfinite(value) || shown.contains(QRegularExpression("[1-9]")))
        return shown;
    return significant(value, 3);
}

} // namespace numbers
