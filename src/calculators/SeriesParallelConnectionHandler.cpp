#include "calculators/SeriesParallelConnectionHandler.h"

SeriesParallelConnectionHandler::SeriesParallelConnectionHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
}
