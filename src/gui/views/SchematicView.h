// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Paints a circuit drawing (core/drawing/Schematic.h) scaled to fit, in the palette's colours:
// lines and text in WindowText, enclosed areas in the background, so light and dark both work.
// The text takes the widget's font at the plan's text height.
//
// Ctrl+Shift+C and the view's context menu copy the drawing as an image. The key works in the
// whole window, but only while the view is shown, so on the panel in front.

#include "core/drawing/Schematic.h"

#include <QImage>
#include <QWidget>

class SchematicView : public QWidget
{
    Q_OBJECT

public:
    explicit SchematicView(QWidget *parent = nullptr);

    void setPlan(zelkor::views::SchematicPlan plan);
    const zelkor::views::SchematicPlan &plan() const { return m_plan; }

    // The drawing at its own size on the Base colour, for copying into documents; a null image
    // for an empty plan or a ratio outside 0 to 8.
    QImage image(qreal devicePixelRatio) const;
    // Puts image() at the screen's ratio on the clipboard; false for an empty drawing.
    bool copyImage() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    zelkor::views::SchematicPlan m_plan;
};
