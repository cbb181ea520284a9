// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An editable combo box whose first list items are named presets for a number.

#include "core/calculators/PresetSubstitution.h"

#include <QComboBox>

#include <span>

class PresetComboWidget : public QComboBox
{
    Q_OBJECT

public:
    explicit PresetComboWidget(QWidget *parent = nullptr);

    // Fills the list with the presets' items ("Red (1.6 V)"). The span must outlive the widget.
    void setPresets(std::span<const zelkor::Preset> presets, QStringView unit);

    // When the text is one of the preset items, replaces it by the preset's number in the
    // current locale's notation; any other text stays as the user typed it.
    void substitutePresetValue();

private:
    std::span<const zelkor::Preset> m_presets;
};
