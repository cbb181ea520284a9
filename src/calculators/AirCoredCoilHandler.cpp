#include "calculators/AirCoredCoilHandler.h"

AirCoredCoilHandler::AirCoredCoilHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
}
