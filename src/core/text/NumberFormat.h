// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Writing numbers and result texts.
//
// The digits are printf's, independent of the process locale: "%.02f" of 24 is "24.00" under
// a German locale too, exact ties round half to even ("%.01f" of 0.25 is "0.2"), infinity is
// "inf" and every NaN is "nan". Result texts use printf-style patterns in which "%@" takes a
// caption, so a panel's format string reads the way its documentation writes it.

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <variant>

namespace zelkor {

// printf("%.*f", decimals, value)
QString formatFixed(double value, int decimals);

// The shortest text that reads back as the same float: 24, 0.5, 0.058, inf, nan.
QString formatShortest(float value);

// One argument of formatText(): a caption for "%@", a number for "%f"/"%.Nf", an integer for "%d".
class FormatArg
{
public:
    FormatArg(const QString &text) : m_value(text) {}
    FormatArg(double number) : m_value(number) {}
    // Single-precision results are widened to double, the way C varargs pass them.
    FormatArg(float number) : m_value(static_cast<double>(number)) {}
    FormatArg(int integer) : m_value(static_cast<long long>(integer)) {}
    FormatArg(long long integer) : m_value(integer) {}

    const std::variant<QString, double, long long> &value() const { return m_value; }

private:
    std::variant<QString, double, long long> m_value;
};

// Fills a pattern with "%@", "%f", "%.Nf" (also written "%.0Nf"), "%d" and "%%". A conversion
// without a matching argument, or of the wrong kind, is left out of the text.
QString formatText(QStringView pattern, std::initializer_list<FormatArg> args);

} // namespace zelkor
