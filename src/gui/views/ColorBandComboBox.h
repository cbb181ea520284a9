// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A pop-up list of band colours, each shown with its swatch. Qt builds a combo box's list view
// and its frame as soon as the icon size is set, and the colour-code panels hold up to fifteen
// of these lists; this one keeps the swatch size itself and hands it to the list when the list
// is first opened, so a panel that is only looked at never builds the lists. Forms promote a
// QComboBox to it and set swatchSize in place of iconSize.
//
// The box is as large as Qt makes a box for its entries, but Qt measures every entry of a list
// whenever it sizes it; the lists share their colour names, so each name is measured once.

#include <QComboBox>
#include <QSize>

class ColorBandComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QSize swatchSize READ swatchSize WRITE setSwatchSize)

public:
    using QComboBox::QComboBox;

    QSize swatchSize() const { return m_swatchSize; }
    void setSwatchSize(const QSize &size);

    void showPopup() override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void initStyleOption(QStyleOptionComboBox *option) const override;

private:
    QSize contentsSizeHint() const;

    QSize m_swatchSize{16, 16};
};
