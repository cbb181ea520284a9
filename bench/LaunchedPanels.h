// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The real window, launched the way the app launches, and every panel of its source list
// with its display name. The action benchmarks walk these, so a new panel is measured
// without a change to them.

#include "gui/app/PanelContainer.h"
#include "gui/app/ZelkorAppDelegate.h"
#include "gui/categories/Node.h"
#include "gui/categories/OutlineViewDataSource.h"

#include <QApplication>
#include <QSettings>

#include <memory>
#include <string>
#include <vector>

namespace zelkor::bench {

struct ShownPanel
{
    std::string name;
    QWidget *panel = nullptr;
};

class LaunchedPanels
{
public:
    LaunchedPanels()
    {
        QApplication::setOrganizationName(QStringLiteral("ZelkorBench"));
        QApplication::setApplicationName(QStringLiteral("ZelkorBench"));
        // Every run starts from the same place: nothing kept but the answered donation sheet.
        QSettings settings;
        settings.clear();
        settings.setValue(QLatin1String(ZelkorAppDelegate::kDonationShownKey), true);
        settings.sync();
        m_app = std::make_unique<ZelkorAppDelegate>();
        m_app->applicationDidFinishLaunching();
    }

    // Shows each panel in turn through the source list; call show() before measuring one.
    std::vector<std::pair<int, std::string>> rows() const
    {
        std::vector<std::pair<int, std::string>> leaves;
        SourceListView *list = m_app->categoriesOutlineView();
        for (int row = 0; row < list->numberOfRows(); ++row) {
            const QModelIndex index = list->itemAtRow(row);
            const Node *node = m_app->outlineViewDataSource()->nodeForIndex(index);
            if (node && !node->isGroup)
                leaves.emplace_back(row, index.data().toString().toStdString());
        }
        return leaves;
    }

    QWidget *show(int row)
    {
        m_app->categoriesOutlineView()->selectRow(row);
        QApplication::processEvents();
        return m_app->containerView()->panel();
    }

    QWidget *window() const { return m_app->window(); }

private:
    std::unique_ptr<ZelkorAppDelegate> m_app;
};

// Only what a user can reach: shown and enabled.
template <typename T> std::vector<T *> usable(const QWidget *panel)
{
    std::vector<T *> found;
    for (T *widget : panel->findChildren<T *>()) {
        if (widget->isVisible() && widget->isEnabled())
            found.push_back(widget);
    }
    return found;
}

} // namespace zelkor::bench
