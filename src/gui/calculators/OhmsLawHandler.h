// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/calculators/OhmsLaw.h"
#include "gui/app/FieldBinding.h"
#include "gui/app/PanelHandler.h"
#include "ui_OhmsLawPanel.h"

#include <QObject>

class QLineEdit;

class OhmsLawHandler : public QObject, public PanelHandler
{
    Q_OBJECT

public:
    explicit OhmsLawHandler(QWidget *panel);

    QString resultText() const override;
    void recalculate() override;
    QVariantMap saveState() const override;
    void restoreState(const QVariantMap &state) override;

public Q_SLOTS:
    // Computes the open quantities from the two most recently typed ones. An input that is no
    // resistor's (a negative value, a 0) or a result too large empties them instead.
    void valueChanged();
    void clearAllFields();

private:
    QLineEdit *field(zelkor::ohmslaw::Quantity quantity) const;

    Ui::OhmsLawPanel ui;
    zelkor::ohmslaw::GivenFields m_given;
    FieldBinding m_fields;
};
