// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/text/NumberFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace zelkor {

QString formatFixed(double value, int decimals)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    decimals = std::clamp(decimals, 0, 64);
    // The largest double has 309 integer digits; a sign, a point and 64 decimals fit as well.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

QString formatShortest(float value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

QString formatText(QStringView pattern, std::initializer_list<FormatArg> args)
{
    QString out;
    out.reserve(pattern.size() + 16 * static_cast<qsizetype>(args.size()));
    auto next = args.begin();
    const auto take = [&]() -> const FormatArg * { return next == args.end() ? nullptr : next++; };

    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c != u'%' || i + 1 == pattern.size()) {
            out.append(c);
            continue;
        }
        qsizetype j = i + 1;
        int precision = 6;
        if (pattern[j] == u'.') {
            precision = 0;
            for (++j; j < pattern.size() && pattern[j].isDigit(); ++j)
                precision = std::min(precision * 10 + pattern[j].digitValue(), 64);
        }
        if (j == pattern.size()) {
            out.append(pattern.mid(i));
            break;
        }
        const QChar conversion = pattern[j];
        if (conversion == u'%') {
            out.append(u'%');
        } else if (conversion == u'@') {
            if (const FormatArg *arg = take())
                if (const auto *text = std::get_if<QString>(&arg->value()))
                    out.append(*text);
        } else if (conversion == u'f') {
            if (const FormatArg *arg = take())
                if (const auto *number = std::get_if<double>(&arg->value()))
                    out.append(formatFixed(*number, precision));
        } else if (conversion == u'd') {
            if (const FormatArg *arg = take())
                if (const auto *integer = std::get_if<long long>(&arg->value()))
                    out.append(QString::number(*integer));
        } else {
            out.append(pattern.mid(i, j - i + 1));
        }
        i = j;
    }
    return out;
}

} // namespace zelkor
