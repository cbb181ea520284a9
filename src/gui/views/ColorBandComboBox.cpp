// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/ColorBandComboBox.h"

#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QHash>
#include <QStyleOptionComboBox>
#include <QtMath>

#include <algorithm>

void ColorBandComboBox::setSwatchSize(const QSize &size)
{
    if (size == m_swatchSize)
        return;
    m_swatchSize = size;
    // A list that is already built takes the new size at once.
    if (findChild<QAbstractItemView *>())
        setIconSize(size);
    updateGeometry();
    update();
}

void ColorBandComboBox::showPopup()
{
    if (iconSize() != m_swatchSize)
        setIconSize(m_swatchSize);
    QComboBox::showPopup();
}

void ColorBandComboBox::initStyleOption(QStyleOptionComboBox *option) const
{
    QComboBox::initStyleOption(option);
    option->iconSize = m_swatchSize;
}

QSize ColorBandComboBox::sizeHint() const
{
    return contentsSizeHint();
}

// Qt's minimum for a box without a minimum contents length is its preferred size.
QSize ColorBandComboBox::minimumSizeHint() const
{
    return contentsSizeHint();
}

// As Qt sizes a box that adjusts to its contents: the widest entry with its icon and a gap of 4,
// a line of text (at least 14) or the icon with a pixel above and below, and the style's frame
// and arrow around that.
QSize ColorBandComboBox::contentsSizeHint() const
{
    static QHash<QString, int> measured; // by font and text
    const QFontMetrics metrics = fontMetrics();
    const QString font = this->font().key() + u'\n';
    const auto textWidth = [&](const QString &text) {
        auto it = measured.constFind(font + text);
        if (it == measured.constEnd())
            it = measured.insert(font + text, metrics.boundingRect(text).width());
        return *it;
    };

    QSize contents;
    bool hasIcon = false;
    if (count() == 0)
        contents.setWidth(7 * metrics.horizontalAdvance(u'x'));
    for (int i = 0; i < count(); ++i) {
        const bool withIcon = !itemIcon(i).isNull();
        hasIcon = hasIcon || withIcon;
        contents.setWidth(std::max(contents.width(), textWidth(itemText(i)) +
                                                         (withIcon ? m_swatchSize.width() + 4 : 0)));
    }
    contents.setHeight(std::max(qCeil(QFontMetricsF(metrics).height()), 14) + 2);
    if (hasIcon)
        contents.setHeight(std::max(contents.height(), m_swatchSize.height() + 2));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, contents, this);
}
