// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/PresetComboWidget.h"

#include <QLineEdit>

PresetComboWidget::PresetComboWidget(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    // A typed value is a value, not a new list item.
    setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would turn a typed letter into a preset name mid-keystroke.
    setCompleter(nullptr);
    lineEdit()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void PresetComboWidget::setPresets(std::span<const zelkor::Preset> presets, QStringView unit)
{
    m_presets = presets;
    clear();
    for (const zelkor::Preset &preset : presets)
        addItem(zelkor::presetItemText(preset, unit));
}

void PresetComboWidget::substitutePresetValue()
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items.append(itemText(i));
    const QString current = currentText();
    const QString substituted = zelkor::substitutePresetValue(current, items, m_presets);
    if (substituted != current)
        setEditText(substituted);
}
