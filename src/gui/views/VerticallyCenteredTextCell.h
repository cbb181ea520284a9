// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A result field: its text in the label font at 16 points, centred vertically and indented
// 10 points from the left whenever the field is taller than its text. A form promotes the
// QLabel that shows a result to it. It stays a QLabel, so the text can still be selected and
// copied; the font is held at 16 points whatever the form or a style sets, except that a
// result too long or of too many lines for the field is set smaller until it shows whole.
//
// A list of design choices marks one entry as chosen, on the palette's highlight: the first
// after each new list, another on a click on its lines or with Up, Down, Home and End while
// the field has the focus.

#include <QLabel>

class VerticallyCenteredTextCell : public QLabel
{
    Q_OBJECT

public:
    explicit VerticallyCenteredTextCell(QWidget *parent = nullptr);

    // The rectangle the text is laid out in, in the field's coordinates.
    QRectF drawingRect() const;

    // Shows a list of entries of linesPerEntry lines each, after a heading of the lines that
    // are left over. Where the whole list would be set too small to read, the field shows the
    // heading and as many whole entries as fit, at least one; text() is what it shows. A later
    // setText() ends the list.
    void setEntries(const QString &list, int linesPerEntry);
    // The same for a list to choose from, whose heading is headingLines long; its first entry
    // is chosen.
    void setChoices(const QString &list, int headingLines, int linesPerEntry);

    // Lists shrink no further than this to show more entries; 8 points unless set.
    void setSmallestListPointSize(double pointSize);

    // The chosen entry, counted from 0 below the heading; -1 where no choice is shown.
    int chosenEntry() const;
    // How many entries of the choice are shown; 0 where none is.
    int shownEntryCount() const;
    // The entry whose lines cover y, or -1.
    int entryAt(double y) const;
    // Where the entry's lines are laid out, across the whole field; empty for one not shown.
    QRectF entryRect(int entry) const;

Q_SIGNALS:
    // A click, a key or a narrower field chose another entry.
    void entryChosen(int entry);

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void applyLabelFont();
    void applyDrawingRect();
    bool listShown() const;
    void showEntries(const QString &list, int headingLines, int linesPerEntry, bool choosable);
    void showEntriesThatFit();
    void choose(int entry);
    void describeChoice();

    // What the font was last fitted to, so that an unchanged text is not measured again.
    QString m_fittedText;
    QSize m_fittedRoom;
    QString m_entries;
    int m_headingLines = 0;
    int m_linesPerEntry = 0;
    QString m_shownEntries;
    QSize m_entriesRoom;
    double m_smallestListPointSize = 8.0;
    bool m_choosable = false;
    int m_chosen = 0;
    // The form's description, which the chosen entry's position is added to.
    QString m_description;
    QString m_describedAs;
};
