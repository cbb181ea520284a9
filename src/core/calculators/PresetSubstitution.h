// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Editable combo boxes whose list names presets ("Red (1.6 V)") but whose text is a number.
//
// Choosing a list item turns the combo box's text into the item's number, written the way the
// user's locale writes decimals, so that the field shows what the calculation reads and the
// user can edit it further. Reading the text back accepts that locale's decimal separator as
// well as ".", so "1,5" under a German locale is 1.5 and not 1.

#include "core/text/NumberReader.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

namespace zelkor {

// One named entry of a preset list. The name is translated; the number is the same in every
// language, so it is written into the item's text here rather than in the texts.
struct Preset
{
    const char *textKey;         // the list item's name; nullptr for an item that is its number
    const char *commandLineName; // the name zelkor-calc's help gives it (not translated)
    float value;
};

// The list item: "Red (1.6 V)", or "1.22 V" for a preset without a name; the value with one
// decimal, or as many as three where it has them.
QString presetItemText(const Preset &preset, QStringView unit);

// zelkor-calc's help for a preset option: "0 infrared 1.5 V, 1 red 1.6 V, ...".
QString presetOptionHelp(std::span<const Preset> presets, QStringView unit);

// The index of the preset whose list item equals text exactly (case and blanks count). Only the
// first presetCount items name presets; when several are equal the last one wins.
std::optional<qsizetype> matchingPreset(const QString &text, const QStringList &items,
                                        qsizetype presetCount);

// A preset number in locale's decimal notation, without trailing zeros or digit grouping:
// 1.5 is "1.5" or "1,5", 4 is "4".
QString presetText(float value, const QLocale &locale = QLocale());

// The combo box's new text: the matching preset's number, or text unchanged when the user
// typed something of their own.
QString substitutePresetValue(const QString &text, const QStringList &items,
                              std::span<const Preset> presets, const QLocale &locale = QLocale());

// A preset combo box's value: fieldValue() that also takes locale's decimal separator.
float presetFieldValue(QStringView text, Unit unit, const QLocale &locale = QLocale());
// The same in double precision.
double precisePresetFieldValue(QStringView text, Unit unit, const QLocale &locale = QLocale());

} // namespace zelkor
