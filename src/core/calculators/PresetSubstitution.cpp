// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculators/PresetSubstitution.h"

#include "core/text/NumberFormat.h"
#include "core/text/NumberReader.h"
#include "core/text/Texts.h"

#include <algorithm>

namespace zelkor {

namespace {

// At least one decimal, as a list of forward voltages reads best ("2.0 V"), and up to three
// where the preset has them: the TL431's 2.495 V must not pass for 2.5 V.
QString presetNumber(float value)
{
    QString number = formatFixed(static_cast<double>(value), 3);
    while (number.endsWith(u'0') && number.indexOf(u'.') < number.size() - 2)
        number.chop(1);
    return number;
}

} // namespace

QString presetItemText(const Preset &preset, QStringView unit)
{
    if (!preset.textKey)
        return formatText(u"%@ %@", {presetNumber(preset.value), unit.toString()});
    return formatText(u"%@ (%@ %@)",
                      {text(preset.textKey), presetNumber(preset.value), unit.toString()});
}

QString presetOptionHelp(std::span<const Preset> presets, QStringView unit)
{
    QStringList entries;
    for (std::size_t i = 0; i < presets.size(); ++i) {
        entries.append(formatText(
            u"%d %@ %@ %@", {static_cast<int>(i), QString::fromUtf8(presets[i].commandLineName),
                             presetNumber(presets[i].value), unit.toString()}));
    }
    return entries.join(QStringLiteral(", "));
}

std::optional<qsizetype> matchingPreset(const QString &text, const QStringList &items,
                                        qsizetype presetCount)
{
    std::optional<qsizetype> match;
    const qsizetype count = std::min(presetCount, items.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (items[i] == text)
            match = i;
    }
    return match;
}

QString presetText(float value, const QLocale &locale)
{
    // Three fraction digits at most, then trailing zeros dropped, so the float's binary noise
    // (2.2f is 2.2000000477) never shows. The digits stay ASCII and ungrouped: the text has
    // to read back as the same number.
    QString text = formatFixed(static_cast<double>(value), 3);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    text.replace(u'.', locale.decimalPoint());
    return text;
}

QString substitutePresetValue(const QString &text, const QStringList &items,
                              std::span<const Preset> presets, const QLocale &locale)
{
    const auto match = matchingPreset(text, items, static_cast<qsizetype>(presets.size()));
    if (!match)
        return text;
    return presetText(presets[static_cast<std::size_t>(*match)].value, locale);
}

namespace {

QString withDecimalPoint(QStringView text, const QLocale &locale)
{
    QString normalized = text.toString();
    const QString separator = locale.decimalPoint();
    if (separator != u".")
        normalized.replace(separator, QStringLiteral("."));
    return normalized;
}

} // namespace

float presetFieldValue(QStringView text, Unit unit, const QLocale &locale)
{
    return fieldValue(withDecimalPoint(text, locale), unit);
}

double precisePresetFieldValue(QStringView text, Unit unit, const QLocale &locale)
{
    return preciseFieldValue(withDecimalPoint(text, locale), unit);
}

} // namespace zelkor
