#include "app/AboutHandler.h"

AboutHandler::AboutHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
}
