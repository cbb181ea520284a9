// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the window asks of the handler behind every panel of the source list. The window never
// looks inside a panel: it copies the result and keeps the inputs through this interface.
// A handler is a QObject first and implements this beside it.

#include <QString>

class PanelHandler
{
public:
    virtual ~PanelHandler() = default;

    // The result as the panel shows it, for Ctrl+C; empty while it shows none.
    virtual QString resultText() const = 0;
    // Computes from the inputs as they stand, through the panel's own action. The window calls
    // it once, when it builds the panel, so the panel opens with the result of its inputs.
    virtual void recalculate() = 0;

protected:
    PanelHandler() = default;
    PanelHandler(const PanelHandler &) = default;
    PanelHandler &operator=(const PanelHandler &) = default;
};
