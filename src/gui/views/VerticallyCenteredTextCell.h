// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A result field: its text in the label font at 16 points, centred vertically and indented
// 10 points from the left whenever the field is taller than its text. A form promotes the
// QLabel that shows a result to it. It stays a QLabel, so the text can still be selected and
// copied; the font is held at 16 points whatever the form or a style sets, except that a
// result too long or of too many lines for the field is set smaller until it shows whole.

#include <QLabel>

class VerticallyCenteredTextCell : public QLabel
{
    Q_OBJECT

public:
    explicit VerticallyCenteredTextCell(QWidget *parent = nullptr);

    // The rectangle the text is laid out in, in the field's coordinates.
    QRectF drawingRect() const;

    // The first lines of text that fit the field at the smallest size the font shrinks to: a
    // list longer than the field shows whole lines, not a cut one. At least the first line.
    QString linesThatFit(const QString &text) const;

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void applyLabelFont();
    void applyDrawingRect();

    // What the font was last fitted to, so that an unchanged text is not measured again.
    QString m_fittedText;
    QSize m_fittedRoom;
};
