// Menu "?" and the material table entry of "Datei": About box, user manual
// and the material table, opened with the desktop's default applications.
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "window/about_text.h"
#include "files/data_file.h"
#include "window/mainwindow.h"

namespace {

// Opens a shipped file; a missing file or application is not reported.
void openDataFile(const char *name) {
    const QFileInfo file(dataFilePath(name));
    QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

}  // namespace

void MainWindow::ueberClicked() {
    m_messageLog.append(aboutText());
    if (!s_quietMessages) QMessageBox::about(this, aboutTitle(), aboutText());
}

void MainWindow::HilfeClicked() { openDataFile("Benutzerhandbuch.pdf"); }

// The table is not reloaded here: the engine reads it at every run and the
// panels at their next trigger.
void MainWindow::materialeigenschaftenClicked() { openDataFile("Materialeigenschaften.txt"); }
