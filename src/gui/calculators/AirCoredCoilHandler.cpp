#include "gui/calculators/AirCoredCoilHandler.h"

#include "core/calculators/AirCoredCoil.h"
#include "gui/app/PanelState.h"

#include <QPalette>

using zelkor::coil::Winding;

AirCoredCoilHandler::AirCoredCoilHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    ui.coilType->setId(ui.singleLayerRadio, kSingleLayer);
    ui.coilType->setId(ui.multiLayerRadio, kMultiLayer);

    connect(ui.coilType, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            airCoredCoilChanged();
    });
    for (QLineEdit *field : {ui.turns, ui.outerDiameter, ui.innerDiameter, ui.length}) {
        connect(field, &QLineEdit::textChanged, this, &AirCoredCoilHandler::airCoredCoilChanged);
        connect(field, &QLineEdit::returnPressed, this, &AirCoredCoilHandler::airCoredCoilChanged);
    }
    airCoredCoilChanged(); // the form opens with the inner diameter matching the choice
}

void AirCoredCoilHandler::airCoredCoilChanged()
{
    Winding winding;
    switch (ui.coilType->checkedId()) {
    case kSingleLayer:
        winding = Winding::SingleLayer;
        break;
    case kMultiLayer:
        winding = Winding::MultiLayer;
        break;
    default:
        return;
    }

    const bool multiLayer = winding == Winding::MultiLayer;
    ui.innerDiameter->setEnabled(multiLayer);
    // The inputs sit on a dark backdrop: white reads as active, grey as not in use.
    setMultiLayerCaptionColour(multiLayer ? QColor(Qt::white) : QColor(Qt::gray));

    const auto microhenries =
        zelkor::coil::calculate({winding, ui.turns->text(), ui.outerDiameter->text(),
                                 ui.innerDiameter->text(), ui.length->text()},
                                zelkor::Reading::Lenient);
    if (microhenries)
        ui.outputField->setText(zelkor::coil::inductanceText(*microhenries));
}

void AirCoredCoilHandler::setMultiLayerCaptionColour(const QColor &colour)
{
    for (QLabel *caption : {ui.multiLayerLabel1, ui.multiLayerLabel2}) {
        QPalette palette = caption->palette();
        palette.setColor(QPalette::WindowText, colour);
        caption->setPalette(palette);
    }
}

QString AirCoredCoilHandler::resultText() const
{
    return ui.outputField->text();
}

void AirCoredCoilHandler::recalculate()
{
    airCoredCoilChanged();
}

namespace {
// The kept names of the windings, by button id.
constexpr const char *kWindingNames[] = {"single", "multi"};
} // namespace

QVariantMap AirCoredCoilHandler::saveState() const
{
    return {{QStringLiteral("winding"), zelkor::state::choiceName(ui.coilType, kWindingNames)},
            {QStringLiteral("turns"), ui.turns->text()},
            {QStringLiteral("outerDiameter"), ui.outerDiameter->text()},
            {QStringLiteral("innerDiameter"), ui.innerDiameter->text()},
            {QStringLiteral("length"), ui.length->text()}};
}

void AirCoredCoilHandler::restoreState(const QVariantMap &state)
{
    using zelkor::state::restoreText;
    zelkor::state::restoreChoice(ui.coilType, state, QStringLiteral("winding"), kWindingNames);
    restoreText(ui.turns, state, QStringLiteral("turns"));
    restoreText(ui.outerDiameter, state, QStringLiteral("outerDiameter"));
    restoreText(ui.innerDiameter, state, QStringLiteral("innerDiameter"));
    restoreText(ui.length, state, QStringLiteral("length"));
}
