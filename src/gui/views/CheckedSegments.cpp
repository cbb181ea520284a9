// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/CheckedSegments.h"

#include <QButtonGroup>
#include <QColor>
#include <QEvent>
#include <QPalette>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <cmath>

namespace zelkor::views {

namespace {

// WCAG 2 relative luminance and contrast ratio.
double luminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double kLeastContrast = 3.5;
constexpr double kCornerRadius = 3;
constexpr int kEdgeDarker = 125;
// Text on the fill should read as well as body text does.
constexpr double kTextContrast = 4.5;

class CheckedSegmentPainter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *button = qobject_cast<QPushButton *>(watched);
        if (event->type() != QEvent::Paint || !button || !button->isChecked())
            return false;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        const QColor fill = checkedSegmentFill(option.palette);
        QColor text = option.palette.color(QPalette::HighlightedText);
        if (contrast(text, fill) < kTextContrast)
            text = contrast(Qt::black, fill) > contrast(Qt::white, fill) ? Qt::black : Qt::white;
        option.palette.setColor(QPalette::ButtonText, text);

        QStylePainter painter(button);
        // The fill itself, not the style's bevel in that colour: a bevel's shading moves a mid
        // blue much further than the grey it was made for, and with it the contrast.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(fill.darker(kEdgeDarker));
        painter.setBrush(fill);
        const QRectF face = QRectF(button->rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        painter.drawRoundedRect(face, kCornerRadius, kCornerRadius);
        painter.drawControl(QStyle::CE_PushButtonLabel, option);
        // The style's focus frame is drawn in the highlight, which the fill now is.
        if (button->hasFocus()) {
            painter.setPen(QPen(text, 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(face.adjusted(2, 2, -2, -2), kCornerRadius, kCornerRadius);
        }
        return true;
    }
};

} // namespace

QColor checkedSegmentFill(const QPalette &palette)
{
    const QColor button = palette.color(QPalette::Button);
    QColor fill = palette.color(QPalette::Highlight).toHsl();
    // Away from the button: lighter on a dark button, darker on a light one. Luminance 0.179 is
    // where black and white contrast alike.
    const double towards = luminance(button) < 0.179 ? 0.02 : -0.02;
    // Styles shade a button's face; the shade nearest the fill is the one to stand out from.
    const QColor nearest = towards > 0 ? button.lighter(125) : button.darker(110);
    for (int step = 0; step < 50 && contrast(fill, nearest) < kLeastContrast; ++step) {
        const double lightness = std::clamp(fill.lightnessF() + towards, 0.0, 1.0);
        fill = QColor::fromHslF(fill.hslHueF(), fill.hslSaturationF(), float(lightness));
    }
    return fill.toRgb();
}

void emphasizeCheckedSegments(QWidget *panel)
{
    auto *painter = new CheckedSegmentPainter(panel);
    for (const QButtonGroup *group : panel->findChildren<QButtonGroup *>()) {
        if (!group->exclusive())
            continue;
        for (QAbstractButton *button : group->buttons()) {
            if (qobject_cast<QPushButton *>(button) && button->isCheckable())
                button->installEventFilter(painter);
        }
    }
}

} // namespace zelkor::views
