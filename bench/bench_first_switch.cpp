// SPDX-License-Identifier: GPL-3.0-or-later

// The first switch to each panel after the start, through the source list: the panel is built
// then (form, handler, kept inputs, first result), laid out and painted.

#include "BenchHarness.h"
#include "core/text/Texts.h"
#include "LaunchedPanels.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelkor::installTranslations(app);
    zelkor::bench::LaunchedPanels window;
    const auto rows = window.rows();
    // The first panel is shown by the start itself.
    std::size_t next = 1;
    zelkor::bench::measure("First switch to each other panel", int(rows.size()) - 1,
                           [&] {
                               window.show(rows[next++].first);
                               window.window()->repaint();
                           },
                           {zelkor::bench::Goal::Worst, 50'000});
    return 0;
}
