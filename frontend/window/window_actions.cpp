#include "window/window_actions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include "window/report_actions.h"
#include "window/window_shortcuts.h"

namespace {

struct CommandEntry {
    WindowActions::Command command;
    const char *text;        // menu text with its mnemonic
    int icon;                // QStyle::StandardPixmap, or -1 for none
    QList<QKeySequence> shortcuts;  // the first is shown in the menu
    const char *toolText;    // the tool button's text, or nullptr when it has none
};

}  // namespace

WindowActions::WindowActions(QMainWindow *window, ReportActions *report) : QObject(window) {
    using C = WindowActions;
    const CommandEntry entries[] = {
        {C::Neu, "&Neu...", QStyle::SP_DialogResetButton, {QKeySequence(Qt::CTRL | Qt::Key_N)}, nullptr},
        {C::Oeffnen, "&Öffnen...", QStyle::SP_DirOpenIcon, {QKeySequence(Qt::CTRL | Qt::Key_O)}, "Öffnen"},
        {C::Speichern, "&Speichern...", QStyle::SP_DialogSaveButton, {QKeySequence(Qt::CTRL | Qt::Key_S)},
         "Speichern"},
        {C::SpeichernUnter, "Speichern &unter...", -1, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, nullptr},
        // F5 first: the menu shows it; Ctrl+Return as before.
        {C::Berechnen, "Berechnung &starten", QStyle::SP_MediaPlay,
         {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)},
         "Berechnen (F5)"},
        {C::LetzteBerechnung, "&letzte Berechnung...", QStyle::SP_DirOpenIcon, {}, nullptr},
        {C::Materialeigenschaften, "&Materialeigenschaften bearbeiten...", QStyle::SP_ComputerIcon, {}, nullptr},
        {C::Beenden, "&Beenden", -1, {QKeySequence(Qt::CTRL | Qt::Key_Q)}, nullptr},
        {C::Info, "&Info...", -1, {}, nullptr},
        {C::Hilfe, "&Hilfe", -1, {QKeySequence(Qt::Key_F1)}, nullptr},
        {C::Projektangaben, "&Projektangaben…", -1, {}, nullptr},
    };
    for (const CommandEntry &entry : entries) {
        auto *action = new QAction(QString::fromUtf8(entry.text), this);
        if (entry.icon >= 0)
            action->setIcon(window->style()->standardIcon(static_cast<QStyle::StandardPixmap>(entry.icon)));
        action->setShortcuts(entry.shortcuts);
        if (entry.toolText) action->setIconText(QString::fromUtf8(entry.toolText));
        actions_[entry.command] = action;
    }

    file_ = new QMenu("&Datei", window);
    file_->addActions({actions_[Neu], actions_[Oeffnen]});
    recent_ = file_->addMenu(QString::fromUtf8("&Zuletzt geöffnet"));
    recent_->setToolTipsVisible(true);
    file_->addActions({actions_[Speichern], actions_[SpeichernUnter], actions_[Projektangaben]});
    file_->addSeparator();
    file_->addActions({report->exportAction(), report->printAction()});
    file_->addSeparator();
    file_->addAction(actions_[Materialeigenschaften]);
    file_->addSeparator();
    file_->addAction(actions_[Beenden]);

    calculation_ = new QMenu("&Berechnung", window);
    calculation_->addActions({actions_[Berechnen], actions_[LetzteBerechnung]});

    auto *help = new QMenu("&Hilfe", window);
    help->addActions({actions_[Info], actions_[Hilfe]});

    auto *bar = new QMenuBar;
    bar->addMenu(file_);
    bar->addMenu(calculation_);
    bar->addMenu(help);
    window->setMenuBar(bar);

    // The export keeps its menu text; the tool button says "PDF".
    QAction *pdf = report->exportAction();
    pdf->setIconText("PDF");
    if (pdf->icon().isNull()) pdf->setIcon(window->style()->standardIcon(QStyle::SP_FileIcon));
    toolBar_ = new QToolBar(QString::fromUtf8("Werkzeugleiste"));
    toolBar_->setObjectName("werkzeugleiste");
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // No higher than the menu bar: the height stays with the form and the plots.
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setContentsMargins(0, 0, 0, 0);
    toolBar_->setStyleSheet("QToolBar { border: none; padding: 0px; spacing: 2px; } "
                            "QToolButton { padding: 0px 6px; }");
    // Always in sight: it cannot be switched off through the bar's context menu.
    toolBar_->toggleViewAction()->setVisible(false);
    toolBar_->addActions({actions_[Berechnen], actions_[Oeffnen], actions_[Speichern], pdf});
    for (QAction *action : toolBar_->actions())
        action->setToolTip(action->text().remove('&').remove(QStringLiteral("...")).remove(QString::fromUtf8("…")) +
                           " (" + action->shortcut().toString(QKeySequence::NativeText) + ")");
    // In the menu bar's row: in sight at every window size, and not a pixel
    // of height taken from the form and the plots.
    bar->setCornerWidget(toolBar_, Qt::TopRightCorner);

    new WindowShortcuts(window);
}
