#pragma once
// The window's commands as actions, in the menus "Datei", "Berechnung" and
// "Hilfe" and in a tool bar that keeps the main ones in sight on a laptop
// screen ("Berechnen (F5)", "Öffnen", "Speichern", "PDF"). Menu entry and
// tool button of a command are one action with one shortcut; the shortcuts
// work wherever the focus is (window/window_shortcuts.h). Every entry of a
// menu has its own mnemonic. The window connects each action to its slot.
#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class ReportActions;

class WindowActions : public QObject {
    Q_OBJECT

public:
    enum Command {
        Neu,
        Oeffnen,
        Speichern,
        SpeichernUnter,
        Berechnen,
        LetzteBerechnung,
        Materialeigenschaften,
        Beenden,
        Info,
        Hilfe,
        Projektangaben,  // "Datei → Projektangaben…": the head of the report
        CommandCount
    };

    // Builds the actions, the menu bar and the tool bar of `window`; the
    // report's export (Ctrl+E, "PDF") and print actions come from `report`.
    WindowActions(QMainWindow *window, ReportActions *report);

    QAction *action(Command command) const { return actions_[command]; }
    // "Datei → Zuletzt geöffnet", which the window fills before "Datei" opens.
    QMenu *fileMenu() const { return file_; }
    QMenu *recentMenu() const { return recent_; }
    // "Berechnung": start and last calculation. Further calculation commands
    // are added at its end with addAction.
    QMenu *calculationMenu() const { return calculation_; }
    QToolBar *toolBar() const { return toolBar_; }

private:
    QAction *actions_[CommandCount];
    QMenu *file_;
    QMenu *recent_;
    QMenu *calculation_;
    QToolBar *toolBar_;
};
