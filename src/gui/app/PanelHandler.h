// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the window asks of the handler behind every panel of the source list. The window never
// looks inside a panel: it copies the result and keeps the inputs through this interface.
// A handler is a QObject first and implements this beside it.
//
// Kept inputs are a map from a name to a text, a list of texts, or the name of a choice
// ("astable"), so the settings file stays readable. gui/app/PanelState.h reads them back with
// the checks a settings file that anyone can edit needs. A new input is a new name; an old
// settings file simply lacks it.

#include <QString>
#include <QVariantMap>

class PanelHandler
{
public:
    virtual ~PanelHandler() = default;

    // The result as the panel shows it, for Ctrl+C; empty while it shows none.
    virtual QString resultText() const = 0;
    // Computes from the inputs as they stand, through the panel's own action. The window calls
    // it once, when it builds the panel, so the panel opens with the result of its inputs.
    virtual void recalculate() = 0;

    // The user's inputs: field texts, combo-box texts, choices, lists.
    virtual QVariantMap saveState() const = 0;
    // Puts back what saveState() gave. Each input that is missing, of another type or out of
    // range is skipped and keeps what the form shows. Computing is left to recalculate().
    virtual void restoreState(const QVariantMap &state) = 0;

protected:
    PanelHandler() = default;
    PanelHandler(const PanelHandler &) = default;
    PanelHandler &operator=(const PanelHandler &) = default;
};
