// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/app/PanelHandler.h"
#include "ui_TubeIdentPanel.h"

#include <QObject>

class TubeIdentHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit TubeIdentHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

public Q_SLOTS:
    // Decodes the typed designation. One that cannot be decoded yet ("E", "ECC") leaves the
    // previous result in place while the user goes on typing.
    void tubeChanged();

private:
    Ui::TubeIdentPanel ui;
};
