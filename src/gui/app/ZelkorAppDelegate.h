// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The application controller: builds the window and the category list, shows the first
// panel, fades the window in, asks once for a donation, and swaps panels on every pick. Its
// keyboard: Ctrl+1 to Ctrl+9 pick a panel, Ctrl+PgDown and Ctrl+PgUp step through the panels,
// Ctrl+F finds one, Ctrl+C copies the shown panel's result, Ctrl+Q quits. What the user left (every
// panel's inputs, the shown panel, the window's size and place) is kept in the settings when a
// panel is left and when Zelkor ends, and put back on the next launch.

#include "ui_MainWindow.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>

#include <memory>

class OutlineViewDataSource;
class PanelFinder;
class Panels;
class QPropertyAnimation;
class QSettings;

class ZelkorAppDelegate : public QObject
{
    Q_OBJECT

public:
    // The settings key that records that the donation sheet was dismissed.
    static constexpr const char *kDonationShownKey = "donationMessage3";
    // What the sheet reports when its first button ("Donate") closes it.
    static constexpr int kAlertFirstButtonReturn = 1000;
    static constexpr int kAlertSecondButtonReturn = 1001;
    // The row selected at launch: the first leaf, the resistor colour codes.
    static constexpr int kFirstCalculatorRow = 1;
    // Ctrl+1 to Ctrl+9 pick the panels in the order of the list.
    static constexpr int kPanelShortcuts = 9;

    explicit ZelkorAppDelegate(QObject *parent = nullptr);
    ~ZelkorAppDelegate() override;

    QWidget *window() const { return m_window.get(); }
    SourceListView *categoriesOutlineView() const { return ui.categoriesOutlineView; }
    PanelContainer *containerView() const { return ui.containerView; }
    QLineEdit *findField() const { return ui.findField; }
    OutlineViewDataSource *outlineViewDataSource() const { return m_outlineViewDataSource; }
    Panels *panels() const { return m_panels.get(); }
    // The donation sheet while it is open, else null.
    QMessageBox *donationSheet() const { return m_donationSheet; }

    void applicationDidFinishLaunching();

public Q_SLOTS:
    void categoryChanged();
    // Picks the number-th panel of the whole list (counting from 1, headers skipped), also when
    // a find has hidden it.
    void selectPanel(int number);
    // Picks the next (step 1) or previous (step -1) panel shown in the list, round the end.
    void stepPanel(int step);
    void mailingListDialogDidEnd(int returnCode);

private:
    void awakeFromNib();
    void showDonationSheet();
    void addQuitShortcut(QWidget *window);
    // The row of the panel shown when Zelkor last ended, else the first calculator's.
    int keptPanelRow(QSettings &settings) const;
    // The name under which view's panel is kept: its title key.
    QString panelKey(const QWidget *view) const;
    // Keeps the inputs of every panel, the shown panel and the window's size and place.
    void saveSession() const;

    std::unique_ptr<QWidget> m_window;
    Ui::MainWindow ui;
    QWidget *m_panelStore = nullptr;
    // After the window: the views it holds outlive this list of them.
    std::unique_ptr<Panels> m_panels;
    OutlineViewDataSource *m_outlineViewDataSource = nullptr;
    PanelFinder *m_finder = nullptr;
    QPropertyAnimation *m_windowFade = nullptr;
    QPointer<QMessageBox> m_donationSheet;
    bool m_launched = false;
};
