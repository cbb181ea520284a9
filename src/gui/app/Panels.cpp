// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/Panels.h"

#include "gui/app/PanelHandler.h"
#include "gui/app/PanelRegistry.h"
#include "gui/views/CheckedSegments.h"
#include "gui/views/SelectOnPress.h"

#include <QLineEdit>
#include <QSettings>
#include <QWidget>

#include <utility>

namespace {

QString group(const PanelEntry &entry)
{
    return QStringLiteral("panels/") + QLatin1String(entry.titleKey);
}

} // namespace

Panels::Panels(QWidget *store)
{
    for (const PanelEntry &entry : panelRegistry()) {
        auto *view = new QWidget(store);
        view->setObjectName(QString::fromLatin1(entry.titleKey));
        view->hide();
        m_panels.push_back({&entry, view, nullptr, {}});
    }
}

int Panels::indexOf(const QWidget *view) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_panels[std::size_t(i)].view == view)
            return i;
    }
    return -1;
}

PanelHandler *Panels::build(const QWidget *view)
{
    const int index = indexOf(view);
    if (index < 0)
        return nullptr;
    Panel &panel = m_panels[std::size_t(index)];
    if (!panel.handler) {
        panel.handler = panel.entry->build(panel.view);
        for (QLineEdit *field : panel.view->findChildren<QLineEdit *>())
            field->setMaxLength(kFieldMaxLength);
        zelkor::views::emphasizeCheckedSegments(panel.view);
        zelkor::views::selectTextOnFirstPress(panel.view);
        panel.handler->restoreState(std::exchange(panel.kept, {}));
        panel.handler->recalculate();
    }
    return panel.handler;
}

PanelHandler *Panels::handler(const QWidget *view) const
{
    const int index = indexOf(view);
    return index < 0 ? nullptr : m_panels[std::size_t(index)].handler;
}

void Panels::restoreFrom(QSettings &settings)
{
    for (Panel &panel : m_panels) {
        settings.beginGroup(group(*panel.entry));
        for (const QString &key : settings.childKeys())
            panel.kept.insert(key, settings.value(key));
        settings.endGroup();
    }
}

void Panels::saveTo(QSettings &settings, const QWidget *view) const
{
    const PanelHandler *built = handler(view);
    if (!built)
        return;
    const QString panelGroup = group(*m_panels[std::size_t(indexOf(view))].entry);
    // Inputs that a newer version no longer has must not linger.
    settings.remove(panelGroup);
    settings.beginGroup(panelGroup);
    const QVariantMap state = built->saveState();
    for (auto it = state.begin(); it != state.end(); ++it)
        settings.setValue(it.key(), it.value());
    settings.endGroup();
}

void Panels::saveAllTo(QSettings &settings) const
{
    for (const Panel &panel : m_panels)
        saveTo(settings, panel.view);
}
