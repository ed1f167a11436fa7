#pragma once
// Shortcuts of the window's commands that work wherever the focus is. An
// input field claims some keys for itself before the window sees them (on
// Linux a line edit takes Ctrl+E as "end of line"); for every key that is a
// shortcut of one of the window's enabled actions, this filter leaves the
// key to the action. The number fields keep End for the end of the line.
#include <QObject>

class QWidget;

class WindowShortcuts : public QObject {
    Q_OBJECT

public:
    // Watches the keys typed into `window` and its children.
    explicit WindowShortcuts(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
};
