#include "window/file_dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>

namespace filedialogs {
namespace {

Opener &replacedOpener() {
    static Opener opener;
    return opener;
}

}  // namespace

QString chooseWithDialog(QWidget *parent, Mode mode, const QString &startFolder) {
    const bool open = mode == Mode::Open;
    QFileDialog dialog(parent, open ? QString::fromUtf8("Öffnen...") : QString::fromUtf8("Speichern unter..."),
                       startFolder, QString::fromUtf8("Textdateien (*.txt)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!open) dialog.setDefaultSuffix("txt");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

bool openWithDesktop(const QUrl &url) {
    if (replacedOpener()) return replacedOpener()(url);
    return QDesktopServices::openUrl(url);
}

void setOpener(Opener opener) { replacedOpener() = std::move(opener); }

}  // namespace filedialogs
