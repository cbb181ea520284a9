// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The panels of the registry as the window holds them: one view per row, and the handler that
// serves the view's controls once its form is built. The handler is a child of its view and
// lives as long as it does.

#include <QVariantMap>

#include <cstddef>
#include <vector>

class PanelHandler;
class QSettings;
class QWidget;
struct PanelEntry;

// The most characters a panel's text field takes. Qt's line edit records a paste one character
// at a time for undo, in quadratic time: a pasted document cut to the default limit of 32767
// characters froze a panel for a tenth of a second. No value or designation comes near this.
inline constexpr int kFieldMaxLength = 1024;

class Panels
{
public:
    // Creates an empty, hidden view per registry row as a child of store.
    explicit Panels(QWidget *store);

    int count() const { return int(m_panels.size()); }
    const PanelEntry &entry(int index) const { return *m_panels.at(std::size_t(index)).entry; }
    QWidget *view(int index) const { return m_panels.at(std::size_t(index)).view; }
    // The registry row of view, or -1 when it is no panel.
    int indexOf(const QWidget *view) const;

    // The handler of view, building the view's form first when that has not happened yet (a
    // panel computes once when it is built); null when view is no panel.
    PanelHandler *build(const QWidget *view);
    // The handler of view once its form is built, else null.
    PanelHandler *handler(const QWidget *view) const;

    // Reads every panel's kept inputs (under "panels/<title key>/"). A panel puts them back
    // when it is built, before it computes for the first time.
    void restoreFrom(QSettings &settings);
    // Writes the inputs of view's panel; one never built keeps what the settings hold.
    void saveTo(QSettings &settings, const QWidget *view) const;
    void saveAllTo(QSettings &settings) const;

private:
    struct Panel
    {
        const PanelEntry *entry;
        QWidget *view;
        PanelHandler *handler = nullptr;
        QVariantMap kept; // until the panel is built
    };
    std::vector<Panel> m_panels;
};
