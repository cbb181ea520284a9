#pragma once

#include "gui/app/PanelHandler.h"
#include "ui_ResistorColorCodesPanel.h"

#include <QObject>

#include <array>

class QButtonGroup;
class QComboBox;

// The colour-code panel: band pop-ups for four- and five-band resistors, the drawn resistor
// and the result text.
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

    // 0 for four bands, 1 for five.
    int selectedSegment() const;

public Q_SLOTS:
    // Redraws the resistor and recomputes the result from the shown page's pop-ups.
    void popupValueChanged();
    // Shows the other page of pop-ups and the resistor and result that it describes.
    void numberOfBandsChanged();
    // Passes the colour codes of the active pop-ups to the resistor view.
    void setResistorViewColors();

private:
    std::array<QComboBox *, 4> fourBandsPopups() const;
    std::array<QComboBox *, 5> fiveBandsPopups() const;
    void showBandsPage(int index);

    Ui::ResistorColorCodesPanel ui;
    QButtonGroup *m_segments = nullptr;
    bool multipleBandsTabActive = false;
};
