#include "gui/views/SmallDisplayView.h"

SmallDisplayView::SmallDisplayView(QWidget *parent)
    : DisplayView(QStringLiteral("display_small.png"), parent)
{
}
