// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/app/PanelHandler.h"
#include "ui_ResistorColorCodesPanel.h"

#include <QObject>

#include <array>
#include <span>
#include <vector>

class QButtonGroup;
class QComboBox;

// The colour-code panel: band pop-ups for four-, five- and six-band resistors, the drawn
// resistor and the result text, and a value field that sets the bands from a typed resistance.
class ResistorColorCodesHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit ResistorColorCodesHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

    // 0 for four bands, 1 for five, 2 for six.
    int selectedSegment() const;

public Q_SLOTS:
    // Redraws the resistor and recomputes the result from the shown page's pop-ups; a pick by
    // hand also writes its value into the value field.
    void popupValueChanged();
    // Shows the other page of pop-ups and the resistor and result that it describes.
    void numberOfBandsChanged();
    // Passes the colour codes of the active pop-ups to the resistor view.
    void setResistorViewColors();
    // Sets the bands from the typed value and its tolerance, and says whether it is standard.
    void valueChanged();

private:
    std::array<QComboBox *, 4> fourBandsPopups() const;
    std::array<QComboBox *, 5> fiveBandsPopups() const;
    std::array<QComboBox *, 6> sixBandsPopups() const;
    // The pop-ups of page 0, 1 or 2.
    std::vector<QComboBox *> popupsOfPage(int page) const;
    void showBandsPage(int index);
    void showBands(std::span<const int> codes);
    void showPickedValue();

    Ui::ResistorColorCodesPanel ui;
    QButtonGroup *m_segments = nullptr;
    int m_drawnPage = 0;
    // While the value field sets the pop-ups, their changes must not write the field back.
    bool m_showingTypedValue = false;
};
