// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/VerticallyCenteredTextCell.h"

#include "core/drawing/CenteredTextRect.h"
#include "core/text/NumberFormat.h"
#include "core/text/Texts.h"

#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace zelkor::views;

VerticallyCenteredTextCell::VerticallyCenteredTextCell(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    applyLabelFont();
}

QRectF VerticallyCenteredTextCell::drawingRect() const
{
    const int flags = int(alignment()) | Qt::TextExpandTabs;
    const QSize textSize =
        fontMetrics().size(flags, text().isEmpty() ? QStringLiteral(" ") : text());
    return verticallyCenteredTextRect(QRectF(contentsRect()), textSize.height());
}

namespace {
// Below this a result would be hard to read; a text that needs less stays cut off.
constexpr double kSmallestPointSize = 8.0;

QFont labelFontOfSize(double pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(pointSize);
    return font;
}

bool fitsAt(const QFont &font, const QString &text, const QRectF &room, int flags)
{
    const QSize needed = QFontMetrics(font).size(flags, text);
    const QRectF textRect = verticallyCenteredTextRect(room, needed.height());
    return needed.height() <= room.height() && needed.width() <= textRect.width();
}

} // namespace

void VerticallyCenteredTextCell::setEntries(const QString &list, int linesPerEntry)
{
    const int perEntry = std::max(linesPerEntry, 1);
    showEntries(list, int(list.count(u'\n') + 1) % perEntry, perEntry, false);
}

void VerticallyCenteredTextCell::setChoices(const QString &list, int headingLines,
                                            int linesPerEntry)
{
    showEntries(list, std::max(headingLines, 0), std::max(linesPerEntry, 1), true);
}

void VerticallyCenteredTextCell::setSmallestListPointSize(double pointSize)
{
    m_smallestListPointSize = pointSize;
}

void VerticallyCenteredTextCell::showEntries(const QString &list, int headingLines,
                                             int linesPerEntry, bool choosable)
{
    m_entries = list;
    m_headingLines = headingLines;
    m_linesPerEntry = linesPerEntry;
    m_choosable = choosable;
    m_chosen = 0;
    m_entriesRoom = {};
    showEntriesThatFit();
}

bool VerticallyCenteredTextCell::listShown() const
{
    return m_linesPerEntry > 0 && text() == m_shownEntries;
}

int VerticallyCenteredTextCell::shownEntryCount() const
{
    if (!m_choosable || !listShown())
        return 0;
    const int lines = int(m_shownEntries.count(u'\n')) + 1;
    return std::max(lines - m_headingLines, 0) / m_linesPerEntry;
}

int VerticallyCenteredTextCell::chosenEntry() const
{
    return shownEntryCount() > 0 ? m_chosen : -1;
}

// QLabel sets a line every lineSpacing() from the top of the block drawingRect() centres.
QRectF VerticallyCenteredTextCell::entryRect(int entry) const
{
    if (entry < 0 || entry >= shownEntryCount())
        return {};
    const double pitch = fontMetrics().lineSpacing();
    const QRectF field(contentsRect());
    const double top = drawingRect().top() + (m_headingLines + entry * m_linesPerEntry) * pitch;
    return {field.left(), top, field.width(), m_linesPerEntry * pitch};
}

int VerticallyCenteredTextCell::entryAt(double y) const
{
    const int count = shownEntryCount();
    if (count == 0)
        return -1;
    const double pitch = fontMetrics().lineSpacing();
    const double fromFirst = y - drawingRect().top() - m_headingLines * pitch;
    const auto entry = int(std::floor(fromFirst / (m_linesPerEntry * pitch)));
    return fromFirst >= 0 && entry < count ? entry : -1;
}

// Entries are dropped from the end until the rest reads at the smallest size; a field not yet
// laid out shows them all until its first resize. A chosen entry that no longer shows gives
// way to the first.
void VerticallyCenteredTextCell::showEntriesThatFit()
{
    const QRectF room(contentsRect());
    m_entriesRoom = contentsRect().size();
    const QStringList lines = m_entries.split(u'\n');
    const qsizetype heading = m_headingLines;
    qsizetype shown = lines.size();
    const QFont smallest = labelFontOfSize(m_smallestListPointSize);
    const int flags = int(alignment()) | Qt::TextExpandTabs;
    while (!room.isEmpty() && shown - m_linesPerEntry > heading &&
           !fitsAt(smallest, lines.first(shown).join(u'\n'), room, flags))
        shown -= m_linesPerEntry;
    m_shownEntries = lines.first(shown).join(u'\n');
    setText(m_shownEntries);
    if (m_chosen > 0 && m_chosen >= shownEntryCount())
        choose(0);
    else
        describeChoice(); // of how many entries
}

void VerticallyCenteredTextCell::choose(int entry)
{
    if (entry == m_chosen || entry < 0 || entry >= std::max(shownEntryCount(), 1))
        return;
    m_chosen = entry;
    describeChoice();
    update();
    Q_EMIT entryChosen(entry);
}

// A screen reader hears which entry the drawing beside the field shows.
void VerticallyCenteredTextCell::describeChoice()
{
    if (accessibleDescription() != m_describedAs)
        m_description = accessibleDescription();
    const int count = shownEntryCount();
    m_describedAs = count == 0 ? m_description
                               : zelkor::formatText(zelkor::text("ChosenEntryA11yDescription"),
                                                    {m_description, m_chosen + 1, count});
    if (accessibleDescription() != m_describedAs)
        setAccessibleDescription(m_describedAs);
}

void VerticallyCenteredTextCell::applyLabelFont()
{
    if (listShown() && contentsRect().size() != m_entriesRoom)
        showEntriesThatFit();
    else if (m_choosable && !listShown() && accessibleDescription() == m_describedAs)
        describeChoice();
    m_fittedText = text();
    m_fittedRoom = contentsRect().size();
    QFont labelFont = labelFontOfSize(kCenteredTextPointSize);
    const QRectF room(contentsRect());
    const int flags = int(alignment()) | Qt::TextExpandTabs;
    while (!m_fittedText.isEmpty() && !room.isEmpty() &&
           labelFont.pointSizeF() > kSmallestPointSize &&
           !fitsAt(labelFont, m_fittedText, room, flags))
        labelFont.setPointSizeF(labelFont.pointSizeF() - 0.5);
    if (font() != labelFont)
        setFont(labelFont);
}

// QLabel already centres vertically exactly as drawingRect() does (its text block is as high
// as the text and sits half the spare height down); what it cannot decide by itself is the
// indent, which depends on whether there is room to spare.
void VerticallyCenteredTextCell::applyDrawingRect()
{
    const int wanted = qRound(drawingRect().x() - contentsRect().x());
    if (indent() != wanted)
        setIndent(wanted);
}

void VerticallyCenteredTextCell::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyLabelFont();
}

void VerticallyCenteredTextCell::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    applyLabelFont();
    applyDrawingRect();
}

void VerticallyCenteredTextCell::paintEvent(QPaintEvent *event)
{
    // The text may have changed since the last resize.
    if (text() != m_fittedText || contentsRect().size() != m_fittedRoom)
        applyLabelFont();
    applyDrawingRect();
    const QRectF chosen = entryRect(chosenEntry());
    if (!chosen.isEmpty()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Highlight));
        painter.drawRoundedRect(chosen, 3, 3);
    }
    QLabel::paintEvent(event);
}

void VerticallyCenteredTextCell::keyPressEvent(QKeyEvent *event)
{
    const int count = shownEntryCount();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (count == 0 || !plain)
        return QLabel::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Up:
        choose(std::max(m_chosen - 1, 0));
        break;
    case Qt::Key_Down:
        choose(std::min(m_chosen + 1, count - 1));
        break;
    case Qt::Key_Home:
        choose(0);
        break;
    case Qt::Key_End:
        choose(count - 1);
        break;
    default:
        return QLabel::keyPressEvent(event);
    }
    event->accept();
}

// The press still starts a text selection, so a pair's values can be copied too.
void VerticallyCenteredTextCell::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        choose(entryAt(event->position().y()));
    QLabel::mousePressEvent(event);
}
