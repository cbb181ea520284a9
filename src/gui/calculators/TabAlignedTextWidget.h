// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A read-only, selectable result text whose tabs line up the columns of its lines.
//
// Result formats pad captions with tabs ("Resistance: \t\t", "Power: \t\t\t") that only line up
// for one particular tab width and caption length. This widget picks the tab width that puts
// the text after each line's tabs in one column, whatever the font and the caption language.

#include <QPlainTextEdit>

class TabAlignedTextWidget : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TabAlignedTextWidget(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return toPlainText(); }

    // The smallest tab width (>= minimum) that starts every line's text after its tabs at the
    // same x; 0 when no width up to maximum does. captionWidths[i] is the width before the
    // tabs of line i, tabCounts[i] the number of tabs.
    static int aligningTabWidth(const QList<qreal> &captionWidths, const QList<int> &tabCounts,
                                int minimum, int maximum);

    // As tall as its lines (two at least), so the panel keeps its layout while it is empty.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent *event) override;

private:
    void alignTabs();
};
