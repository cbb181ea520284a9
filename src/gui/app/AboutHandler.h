// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The About panel: who made Zelkor, which version this is, and three buttons that open the
// maker's web page, a new mail to the maker and the donation page.

#include "gui/app/PanelHandler.h"
#include "ui_AboutPanel.h"

#include <QObject>

class AboutHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit AboutHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

public Q_SLOTS:
    void visitWebsite();
    void mailMe();
    void donate();

private:
    Ui::AboutPanel ui;
};
