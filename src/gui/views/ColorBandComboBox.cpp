// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/ColorBandComboBox.h"

#include <QAbstractItemView>
#include <QFontMetricsF>
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
    return withSwatchHeight(QComboBox::sizeHint());
}

// Qt's minimum may count the default icon too, and is never more than the preferred size.
QSize ColorBandComboBox::minimumSizeHint() const
{
    QSize hint = QComboBox::minimumSizeHint();
    hint.setHeight(std::min(hint.height(), sizeHint().height()));
    return hint;
}

// The box's height is fixed to this hint. Until the list is opened Qt sizes the closed box for its
// default icon size. The contents of a box with icons are as tall as the taller of a line of text
// (at least 14) and an icon, with one pixel above and below; the style adds its frame to that.
QSize ColorBandComboBox::withSwatchHeight(QSize hint) const
{
    if (iconSize() == m_swatchSize)
        return hint;
    const int line = std::max(qCeil(QFontMetricsF(font()).height()), 14) + 2;
    const auto contents = [line](int iconHeight) { return std::max(line, iconHeight + 2); };
    hint.rheight() -= contents(iconSize().height()) - contents(m_swatchSize.height());
    return hint;
}
