#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// The program's number conventions. Every entry is read, and every figure
// written, through these functions, with the decimal and group separators of
// the default QLocale.
namespace numbers {

// The numeric check and the text-to-number conversion in one: the nearest
// double to the number the text spells, or nothing when the text is not a
// number this program accepts or lies outside the range of a double.
std::optional<double> parse(const QString& text);
// The same, as a person of that locale typed it.
std::optional<double> parse(const QString& text, const QLocale& locale);

// A number typed in one locale as it is typed in another: its decimal and
// group separators exchanged, every digit as typed. Nothing for a text that
// is no number in `from`.
std::optional<QString> retype(const QString& text, const QLocale& from, const QLocale& to);

inline bool isNumeric(const QString& text) {
    return parse(text).has_value();
}

// The general number form: rounded to 15 significant digits, shortest text,
// fixed form for ordinary magnitudes and "1E-06" style exponent form beyond.
QString general(double value);
QString general(double value, const QLocale& locale);

// The general form of the figure first rounded to that many significant
// digits ("24.9999" for 24.99993570 to six), for a table's cells.
QString general(double value, int digits);

// A Format pattern such as "##0.000": round half away from zero (on the
// 15-significant-digit form) to the pattern's decimals, at least one integer
// digit, no group separators.
QString format(double value, QStringView pattern);

// A figure to at least that many significant digits, with as many decimals
// as reach the last of them (0.333 s, 1.00 s, 12.5 s, 150 s for three).
QString significant(double value, int digits);

// A figure with a Format pattern, except that one the pattern would show as
// zero though it is not keeps three significant digits instead (0.0004 with
// "##0.000" shows as "0.000400"), so that no small inertia reads as none.
QString formatNonZero(double value, QStringView pattern);

} // namespace numbers
