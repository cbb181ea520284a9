#include "calculators/NE555Handler.h"

NE555Handler::NE555Handler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
}
