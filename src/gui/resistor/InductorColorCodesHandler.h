// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/app/PanelHandler.h"
#include "ui_InductorColorCodesPanel.h"

#include <QObject>

#include <array>
#include <span>

class QComboBox;

// The inductor colour-code panel: four band pop-ups, the drawn inductor and the result text,
// and a value field in µH that sets the bands, with the tolerance band chosen beside it.
class InductorColorCodesHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit InductorColorCodesHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

public Q_SLOTS:
    // Redraws the inductor and its result from the pop-ups; a pick by hand also writes its value
    // into the value field.
    void popupValueChanged();
    // Sets the bands from the typed value and the chosen tolerance.
    void valueChanged();

private:
    std::array<QComboBox *, 4> popups() const;
    std::array<int, 4> codes() const;
    void showPickedValue();

    Ui::InductorColorCodesPanel ui;
    // While the value field sets the pop-ups, their changes must not write the field back.
    bool m_showingTypedValue = false;
};
