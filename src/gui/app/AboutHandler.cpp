// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/AboutHandler.h"

#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"
#include "gui/app/Links.h"
#include "gui/app/PanelState.h"
#include "gui/views/PicturePainter.h"

#include <QDesktopServices>
#include <QPixmap>

AboutHandler::AboutHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    const int iconSide = ui.appIcon->minimumWidth();
    ui.appIcon->setPixmap(
        zelkor::views::appIcon().pixmap(QSize(iconSide, iconSide), panel->devicePixelRatioF()));
    ui.websiteButton->setToolTip(zelkor::links::website().toDisplayString());
    ui.mailButton->setToolTip(zelkor::links::mail().toDisplayString());
    ui.donateButton->setToolTip(zelkor::links::donation().toDisplayString());
    ui.versionLabel->setText(
        zelkor::formatText(zelkor::text("AboutVersion"), {QStringLiteral(ZELKOR_VERSION)}));

    connect(ui.websiteButton, &QPushButton::clicked, this, &AboutHandler::visitWebsite);
    connect(ui.mailButton, &QPushButton::clicked, this, &AboutHandler::mailMe);
    connect(ui.donateButton, &QPushButton::clicked, this, &AboutHandler::donate);
}

// Whether a browser or mail program took the address is not worth a message: the user sees it.
void AboutHandler::visitWebsite()
{
    QDesktopServices::openUrl(zelkor::links::website());
}

void AboutHandler::mailMe()
{
    QDesktopServices::openUrl(zelkor::links::mail());
}

void AboutHandler::donate()
{
    QDesktopServices::openUrl(zelkor::links::donation());
}

// About has nothing to copy and nothing to compute.
QString AboutHandler::resultText() const
{
    return {};
}

void AboutHandler::recalculate() {}

QVariantMap AboutHandler::saveState() const
{
    return {};
}

void AboutHandler::restoreState(const QVariantMap &state)
{
    Q_UNUSED(state);
}
