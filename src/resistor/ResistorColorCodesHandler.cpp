#include "resistor/ResistorColorCodesHandler.h"

ResistorColorCodesHandler::ResistorColorCodesHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
}

void ResistorColorCodesHandler::popupValueChanged()
{
}
