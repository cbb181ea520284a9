#include "tubes/TubeIdentHandler.h"

TubeIdentHandler::TubeIdentHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
}
