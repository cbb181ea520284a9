#include "calculators/LEDDroppingResistorHandler.h"

LEDDroppingResistorHandler::LEDDroppingResistorHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
}
