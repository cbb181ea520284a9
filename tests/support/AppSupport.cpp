// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/AppSupport.h"

#include "gui/app/PanelContainer.h"
#include "gui/app/PanelRegistry.h"
#include "gui/app/Panels.h"
#include "gui/app/ZelkorAppDelegate.h"
#include "gui/categories/OutlineViewDataSource.h"

#include <QDesktopServices>
#include <QSettings>

namespace zelkor::test {

std::unique_ptr<ZelkorAppDelegate> launchApp(bool donationAnswered)
{
    if (donationAnswered)
        QSettings().setValue(QLatin1String(ZelkorAppDelegate::kDonationShownKey), true);
    auto app = std::make_unique<ZelkorAppDelegate>();
    app->applicationDidFinishLaunching();
    return app;
}

QWidget *panelAtRow(const ZelkorAppDelegate &app, int row)
{
    const Node *node =
        app.outlineViewDataSource()->nodeForIndex(app.categoriesOutlineView()->itemAtRow(row));
    return node ? node->viewToOpen : nullptr;
}

QList<int> panelRows(const ZelkorAppDelegate &app)
{
    QList<int> rows;
    for (int row = 0; row < app.categoriesOutlineView()->numberOfRows(); ++row) {
        if (panelAtRow(app, row))
            rows.append(row);
    }
    return rows;
}

QWidget *showPanel(const ZelkorAppDelegate &app, const char *titleKey)
{
    for (const int row : panelRows(app)) {
        const int index = app.panels()->indexOf(panelAtRow(app, row));
        if (qstrcmp(app.panels()->entry(index).titleKey, titleKey) == 0) {
            app.categoriesOutlineView()->selectRow(row);
            return app.containerView()->panel();
        }
    }
    return nullptr;
}

UrlRecorder::UrlRecorder(QObject *parent) : QObject(parent)
{
    for (const char *scheme : {"http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlRecorder::~UrlRecorder()
{
    for (const char *scheme : {"http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

} // namespace zelkor::test
