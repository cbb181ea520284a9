#pragma once

#include "core/calculators/OhmsLaw.h"
#include "ui_OhmsLawPanel.h"

#include <QObject>

class QLineEdit;

class OhmsLawHandler : public QObject
{
    Q_OBJECT

public:
    explicit OhmsLawHandler(QWidget *panel);

public Q_SLOTS:
    // Computes the open quantities from the two most recently typed ones.
    void valueChanged();
    void clearAllFields();

private:
    QLineEdit *field(zelkor::ohmslaw::Quantity quantity) const;

    Ui::OhmsLawPanel ui;
    zelkor::ohmslaw::GivenFields m_given;
};
