#include "calculators/HeatSinkHandler.h"

HeatSinkHandler::HeatSinkHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
}
