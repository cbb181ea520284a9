// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/resistor/ResistorDrawing.h"

#include <QIcon>
#include <QWidget>

// Shows a resistor with the chosen colour bands. Paints no background: the panel shows
// around the body, the leads and the bands.
class ResistorView : public QWidget
{
    Q_OBJECT

public:
    explicit ResistorView(QWidget *parent = nullptr);

    // Show a four-, five- or six-band resistor; the codes are ColorCode values in band order.
    void setColorsByColorCodes(int c1, int c2, int c3, int c4);
    void setColorsByColorCodes(int c1, int c2, int c3, int c4, int c5);
    void setColorsByColorCodes(int c1, int c2, int c3, int c4, int c5, int c6);

    const zelkor::resistor::BandColors &bandColors() const { return m_colors; }

    // A resistor unless told otherwise.
    void setBody(zelkor::resistor::Body body);
    zelkor::resistor::Body body() const { return m_body; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    zelkor::resistor::BandColors m_colors;
    zelkor::resistor::Body m_body = zelkor::resistor::Body::Resistor;
};

// The 16 × 12 swatch that a band pop-up shows beside a colour code; "no band" is an empty box,
// struck through.
QIcon bandSwatch(int code);
