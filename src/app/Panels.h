#pragma once
// Builds every calculator panel with its handler. Each panel is a form plus the handler that
// serves its controls; the handler is a child of its panel and lives as long as it does.

class QWidget;
class ResistorColorCodesHandler;

struct Panels
{
    QWidget *resistorCodesView = nullptr;
    QWidget *ledDroppingResistorView = nullptr;
    QWidget *ohmsLawView = nullptr;
    QWidget *seriesParallelView = nullptr;
    QWidget *heatSinksView = nullptr;
    QWidget *airCoredCoilView = nullptr;
    QWidget *tubeView = nullptr;
    QWidget *ne555View = nullptr;
    QWidget *aboutView = nullptr;
    ResistorColorCodesHandler *resistorViewHandler = nullptr;
};

// Creates the panels as hidden children of owner.
Panels createPanels(QWidget *owner);
