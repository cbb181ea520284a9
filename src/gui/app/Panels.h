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

// The most characters a panel's text field takes. Qt's line edit records a paste one character
// at a time for undo, in quadratic time: a pasted document cut to the default limit of 32767
// characters froze a panel for a tenth of a second. No value or designation comes near this.
inline constexpr int kFieldMaxLength = 1024;

// Creates the panels as hidden children of owner.
Panels createPanels(QWidget *owner);
