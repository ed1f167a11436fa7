#pragma once
// Qt's own German texts (file dialogs, message-box buttons, context menus),
// from the translation "qtbase_de" in Qt's translations folder (Debian
// package qttranslations5-l10n). Installed before the window is built.
class QCoreApplication;

// False when the translation file cannot be loaded; Qt then stays English.
bool installGermanQtTexts(QCoreApplication &application);
