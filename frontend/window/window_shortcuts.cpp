#include "window/window_shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

WindowShortcuts::WindowShortcuts(QWidget *window) : QObject(window), window_(window) {
    // The key reaches the focus widget first; only the application sees it before.
    qApp->installEventFilter(this);
}

bool WindowShortcuts::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != window_) return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    // The keypad's Enter is the same key as a shortcut.
    const QKeySequence pressed(int(key->modifiers() & ~Qt::KeypadModifier) | key->key());
    for (const QAction *action : window_->findChildren<QAction *>()) {
        if (!action->isEnabled() || !action->shortcuts().contains(pressed)) continue;
        // Not accepted: the shortcut map gives the key to the action.
        event->ignore();
        return true;
    }
    return false;
}
