#pragma once

#include "gui/app/PanelHandler.h"
#include "ui_AirCoredCoilPanel.h"

#include <QObject>

class AirCoredCoilHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    // Builds the panel's form on panel; the handler lives as long as the panel.
    explicit AirCoredCoilHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

    // Button ids in coilType.
    static constexpr int kSingleLayer = 0;
    static constexpr int kMultiLayer = 1;

public Q_SLOTS:
    // Follows the winding choice (inner diameter, caption colours), then shows the inductance
    // when every needed dimension is there.
    void airCoredCoilChanged();

private:
    void setMultiLayerCaptionColour(const QColor &colour);

    Ui::AirCoredCoilPanel ui;
};
