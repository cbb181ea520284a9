#include "gui/app/Panels.h"

#include "gui/app/AboutHandler.h"
#include "gui/calculators/AirCoredCoilHandler.h"
#include "gui/calculators/HeatSinkHandler.h"
#include "gui/calculators/LEDDroppingResistorHandler.h"
#include "gui/calculators/NE555Handler.h"
#include "gui/calculators/OhmsLawHandler.h"
#include "gui/calculators/SeriesParallelConnectionHandler.h"
#include "gui/resistor/ResistorColorCodesHandler.h"
#include "gui/tubes/TubeIdentHandler.h"

#include <QLineEdit>
#include <QWidget>

namespace {

template <typename Handler>
QWidget *makePanel(QWidget *owner, const char *name, Handler **handler = nullptr)
{
    auto *panel = new QWidget(owner);
    panel->setObjectName(QString::fromLatin1(name));
    panel->hide();
    auto *created = new Handler(panel);
    for (QLineEdit *field : panel->findChildren<QLineEdit *>())
        field->setMaxLength(kFieldMaxLength);
    if (handler)
        *handler = created;
    return panel;
}

} // namespace

Panels createPanels(QWidget *owner)
{
    Panels p;
    p.resistorCodesView =
        makePanel<ResistorColorCodesHandler>(owner, "resistorCodesView", &p.resistorViewHandler);
    p.ledDroppingResistorView =
        makePanel<LEDDroppingResistorHandler>(owner, "ledDroppingResistorView");
    p.ohmsLawView = makePanel<OhmsLawHandler>(owner, "ohmsLawView");
    p.seriesParallelView = makePanel<SeriesParallelConnectionHandler>(owner, "seriesParallelView");
    p.heatSinksView = makePanel<HeatSinkHandler>(owner, "heatSinksView");
    p.airCoredCoilView = makePanel<AirCoredCoilHandler>(owner, "airCoredCoilView");
    p.tubeView = makePanel<TubeIdentHandler>(owner, "tubeView");
    p.ne555View = makePanel<NE555Handler>(owner, "ne555View");
    p.aboutView = makePanel<AboutHandler>(owner, "aboutView");
    return p;
}
