// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the GUI suites share besides TestSupport.h: the launched app, its panels, and URL
// opening captured.

#include "support/TestSupport.h"

#include <QList>
#include <QObject>
#include <QUrl>

#include <memory>

class QWidget;
class ZelkorAppDelegate;

namespace zelkor::test {

// The real app, launched. Unless `donationAnswered` is false, the donation sheet was answered
// on an earlier launch and stays away.
std::unique_ptr<ZelkorAppDelegate> launchApp(bool donationAnswered = true);

// The panel a row of the source list opens; null for a group header.
QWidget *panelAtRow(const ZelkorAppDelegate &app, int row);
// The rows of the source list that open a panel, in the list's order.
QList<int> panelRows(const ZelkorAppDelegate &app);
// Picks the panel kept under titleKey in the source list (which builds it) and returns it.
QWidget *showPanel(const ZelkorAppDelegate &app, const char *titleKey);

// Records every URL the app asks to open, instead of opening it.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    explicit UrlRecorder(QObject *parent = nullptr);
    ~UrlRecorder() override;

    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace zelkor::test
