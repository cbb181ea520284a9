// SPDX-License-Identifier: GPL-3.0-or-later

// How long the series/parallel totals take for a long parts list, alone and through the panel.

#include "BenchHarness.h"
#include "core/calculators/SeriesParallel.h"
#include "gui/calculators/SeriesParallelConnectionHandler.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>

#include <iterator>

namespace {
constexpr int kParts = 10'000;
const char *const kValues[] = {"100", "220", "4.7", "0.47", "1e3", "10000", "33 ohm"};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QList<QString> parts;
    for (int i = 0; i < kParts; ++i)
        parts.append(QString::fromLatin1(kValues[i % std::size(kValues)]));
    zelkor::bench::measure("Series & Parallel: totals of 10,000 parts", 200,
                           [&] {
                               const auto text = zelkor::seriesparallel::resultText(
                                   zelkor::seriesparallel::PartKind::Resistors, parts);
                               Q_ASSERT(!text.isEmpty());
                           },
                           {zelkor::bench::Goal::Worst, 50'000});

    // The panel's own path: a shown panel with 10,000 rows, then one more part added and
    // removed, each recomputing the totals and updating the table.
    QWidget panel;
    SeriesParallelConnectionHandler handler(&panel);
    handler.restoreState({{QStringLiteral("parts"), QStringList(parts)}});
    handler.recalculate();
    panel.show();
    auto *field = panel.findChild<QLineEdit *>();
    auto *table = panel.findChild<QTableView *>();
    QApplication::processEvents();
    field->setText(QStringLiteral("470"));
    zelkor::bench::measure("Series & Parallel: add and remove with 10,000 rows", 50,
                           [&] {
                               handler.addPart();
                               table->selectRow(kParts);
                               handler.removePart();
                               QApplication::processEvents();
                           },
                           {zelkor::bench::Goal::Worst, 50'000});
    return 0;
}
