// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one table of panels. The source list, the panel area, Ctrl+1 to Ctrl+9, copying and the
// kept inputs all come from it. A calculator joins the app with a core module, a form, a thin
// handler that implements PanelHandler, and one row here.

#include <span>

class PanelHandler;
class QWidget;

struct PanelEntry
{
    // The group's title key in the source list; rows with the same key form one group, in
    // the order of their first row. Null: the product's own group, "Zelkor" in every language.
    const char *groupKey;
    // The panel's title key in the source list. It also names the panel's kept inputs, so it
    // must not change once released.
    const char *titleKey;
    // Builds the form and its handler on an empty panel; the panel owns the handler.
    PanelHandler *(*build)(QWidget *panel);
    // Inputs that give a typical result, as "key=value;key=value" under the kept inputs' keys:
    // the screenshots show the panel with them.
    const char *sample = nullptr;
};

// The rows in the order of the source list.
std::span<const PanelEntry> panelRegistry();
