// Menu "Hilfe" and the material table entry of "Datei": About box, user manual
// and the material table, opened with the desktop's default applications.
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "window/about_text.h"
#include "files/data_file.h"
#include "window/file_dialogs.h"
#include "window/mainwindow.h"
#include "protocol/input_lines.h"

namespace {

// Opens a shipped file with the desktop's application. When the file is
// missing or no application takes it, the text tells where the file is.
QString openDataFile(const char *name) {
    const QFileInfo file(dataFilePath(name));
    const QString path = QDir::toNativeSeparators(file.absoluteFilePath());
    if (!file.exists())
        return QString::fromUtf8("Die Datei „%1“ wurde nicht gefunden:\n%2").arg(file.fileName(), path);
    if (filedialogs::openWithDesktop(QUrl::fromLocalFile(file.absoluteFilePath()))) return QString();
    return QString::fromUtf8("Keine Anwendung hat die Datei „%1“ geöffnet; auf diesem Rechner ist "
                             "vermutlich keine dafür eingerichtet.\nDie Datei liegt hier:\n%2")
        .arg(file.fileName(), path);
}

}  // namespace

void MainWindow::ueberClicked() {
    logMessage(aboutTitle(), aboutText());
    if (!s_quietMessages) QMessageBox::about(this, aboutTitle(), aboutText());
}

void MainWindow::HilfeClicked() {
    const QString problem = openDataFile("Benutzerhandbuch.pdf");
    if (!problem.isEmpty()) showInformation("Hilfe", problem);
}

// The table is not reloaded here: the engine reads it at every run and the
// panels at their next trigger.
void MainWindow::materialeigenschaftenClicked() {
    const QString problem = openDataFile(protocol::input::materialTable);
    if (!problem.isEmpty()) showInformation("Materialeigenschaften", problem);
}
