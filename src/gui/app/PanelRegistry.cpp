// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/PanelRegistry.h"

#include "gui/app/AboutHandler.h"
#include "gui/calculators/AdjustableRegulatorHandler.h"
#include "gui/calculators/AirCoredCoilHandler.h"
#include "gui/calculators/HeatSinkHandler.h"
#include "gui/calculators/LEDDroppingResistorHandler.h"
#include "gui/calculators/NE555Handler.h"
#include "gui/calculators/OhmsLawHandler.h"
#include "gui/calculators/OpAmpGainHandler.h"
#include "gui/calculators/RCAndLCHandler.h"
#include "gui/calculators/SeriesParallelConnectionHandler.h"
#include "gui/calculators/VoltageDividerHandler.h"
#include "gui/capacitor/CapacitorCodesHandler.h"
#include "gui/resistor/InductorColorCodesHandler.h"
#include "gui/resistor/ResistorColorCodesHandler.h"
#include "gui/resistor/SmdCodeHandler.h"
#include "gui/tubes/TubeIdentHandler.h"

namespace {

template <typename Handler> PanelHandler *build(QWidget *panel)
{
    return new Handler(panel);
}

constexpr PanelEntry kPanels[] = {
    {"Resistors", "ResistorColors", build<ResistorColorCodesHandler>},
    {"Resistors", "LEDDroppingResistor", build<LEDDroppingResistorHandler>},
    {"Resistors", "SmdCodes", build<SmdCodeHandler>},
    // The group and its first panel share a key, and so a name.
    {"OhmsLaw", "OhmsLaw", build<OhmsLawHandler>},
    {"OhmsLaw", "SeriesParallelConnection", build<SeriesParallelConnectionHandler>},
    {"OhmsLaw", "VoltageDivider", build<VoltageDividerHandler>,
     "mode=design;vin=12;vout=3.3;series=E24"},
    {"Capacitors", "CapacitorCodes", build<CapacitorCodesHandler>, "code=2A104J"},
    {"Capacitors", "RCAndLC", build<RCAndLCHandler>, "circuit=rc;r=16k;c=10n"},
    {"Miscellaneous", "HeatSinks", build<HeatSinkHandler>},
    {"Coils", "AirCoredCoils", build<AirCoredCoilHandler>},
    {"Coils", "InductorColors", build<InductorColorCodesHandler>},
    {"Tubes", "TubeIdent", build<TubeIdentHandler>},
    {"ICs", "NE555", build<NE555Handler>},
    {"ICs", "AdjustableRegulator", build<AdjustableRegulatorHandler>,
     "kind=feedback;mode=design;vref=0.8;vout=3.3;total=10k"},
    {"ICs", "OpAmpGain", build<OpAmpGainHandler>,
     "circuit=non_inverting;mode=design;gain=10;series=E24"},
    {nullptr, "About", build<AboutHandler>},
};

} // namespace

std::span<const PanelEntry> panelRegistry()
{
    return kPanels;
}
