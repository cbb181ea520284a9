#pragma once
// Copying a panel's result. Every panel writes its result into a widget named "outputField";
// Ohm's law writes its results back into its own fields instead, so there the result is every
// filled row of its field grid, one "Caption: value unit" line each.

#include <QObject>
#include <QPointer>
#include <QString>

class PanelContainer;
class QWidget;

namespace zelkor {

// The result text of panel as the user sees it, or an empty string when it shows none.
QString panelResultText(const QWidget *panel);

// Whether widget has a selection of its own (text, or rows of a table) for Ctrl+C to copy.
bool hasOwnSelection(const QWidget *widget);

} // namespace zelkor

// Makes Ctrl+C in window copy the shown panel's result, unless the focused field inside the
// panel has a selection of its own (then that field copies its selection, as usual).
class ResultCopier : public QObject
{
    Q_OBJECT

public:
    ResultCopier(QWidget *window, PanelContainer *container);

    // Puts the shown panel's result on the clipboard; returns false when there was none.
    bool copyResult() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    QPointer<PanelContainer> m_container;
};
