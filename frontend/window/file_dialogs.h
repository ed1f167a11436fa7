#pragma once
// The open and save dialogs of design files, German, starting in the folder
// used last or the user's documents folder; the dialog can be replaced
// (tests choose a path without a dialog). Also opening a shipped file with
// the desktop's application, which tests replace as well.
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace filedialogs {

enum class Mode { Open, Save };

// Gives the chosen path, or an empty text when the user cancels.
using Chooser = std::function<QString(Mode mode, const QString &startFolder)>;

// Qt's own dialog (translated with the application, unlike a native one
// that ignores it), filter "Textdateien (*.txt)", saving appends ".txt".
QString chooseWithDialog(QWidget *parent, Mode mode, const QString &startFolder);

// Hands a URL to the desktop; false when no application takes it.
using Opener = std::function<bool(const QUrl &url)>;
// QDesktopServices::openUrl, unless replaced by setOpener (empty: back to it).
bool openWithDesktop(const QUrl &url);
void setOpener(Opener opener);

}  // namespace filedialogs
