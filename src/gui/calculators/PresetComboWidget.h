#pragma once
// An editable combo box whose first list items are named presets for a number.

#include <QComboBox>

#include <span>

class PresetComboWidget : public QComboBox
{
    Q_OBJECT

public:
    explicit PresetComboWidget(QWidget *parent = nullptr);

    // The number of each leading list item, by index. The span must outlive the widget.
    void setPresets(std::span<const float> presets) { m_presets = presets; }

    // When the text is one of the preset items, replaces it by the preset's number in the
    // current locale's notation; any other text stays as the user typed it.
    void substitutePresetValue();

    // The text's number; the locale's decimal separator counts as well as ".".
    float floatValue() const;

private:
    std::span<const float> m_presets;
};
