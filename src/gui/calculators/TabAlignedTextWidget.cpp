// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/TabAlignedTextWidget.h"

#include <QEvent>
#include <QFontMetricsF>

#include <cmath>

TabAlignedTextWidget::TabAlignedTextWidget(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    viewport()->setAutoFillBackground(false);
    document()->setDocumentMargin(0);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize TabAlignedTextWidget::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int lines = std::max(blockCount(), 2);
    return {QPlainTextEdit::sizeHint().width(),
            lines * metrics.lineSpacing() + 2 * frameWidth() + 2};
}

void TabAlignedTextWidget::setText(const QString &text)
{
    setPlainText(text);
    alignTabs();
    updateGeometry();
}

int TabAlignedTextWidget::aligningTabWidth(const QList<qreal> &captionWidths,
                                           const QList<int> &tabCounts, int minimum, int maximum)
{
    for (int width = std::max(minimum, 1); width <= maximum; ++width) {
        std::optional<qreal> column;
        bool aligned = true;
        for (qsizetype i = 0; i < captionWidths.size() && aligned; ++i) {
            // The first tab goes to the next stop after the caption, each further one a stop on.
            const qreal x = (std::floor(captionWidths[i] / width) + tabCounts[i]) * width;
            aligned = x - captionWidths[i] >= minimum && (!column || *column == x);
            column = x;
        }
        if (aligned)
            return width;
    }
    return 0;
}

void TabAlignedTextWidget::alignTabs()
{
    const QFontMetricsF metrics(font());
    QList<qreal> captionWidths;
    QList<int> tabCounts;
    for (const QString &line : toPlainText().split(u'\n')) {
        const qsizetype firstTab = line.indexOf(u'\t');
        if (firstTab < 0)
            continue;
        qsizetype end = firstTab;
        while (end < line.size() && line[end] == u'\t')
            ++end;
        captionWidths.append(metrics.horizontalAdvance(line.left(firstTab)));
        tabCounts.append(static_cast<int>(end - firstTab));
    }
    const int minimum = static_cast<int>(std::ceil(metrics.horizontalAdvance(u' ')));
    const int width = aligningTabWidth(captionWidths, tabCounts, minimum, 400);
    if (width > 0)
        setTabStopDistance(width);
}

void TabAlignedTextWidget::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        alignTabs();
}
