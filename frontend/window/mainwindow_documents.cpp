// The design file as a document of the window (window/design_document.h):
// the title with the file name and the modified marker, "Neu", the question
// before unsaved changes are lost, the file dialogs and the recent files.
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>

#include "files/design_choices.h"
#include "files/design_file.h"
#include "files/recent_files.h"
#include "files/shipped_files.h"
#include "widgets/numberedit.h"
#include "window/mainwindow.h"
#include "window/run_status.h"
#include "window/shear_connector_group.h"
#include "window/window_actions.h"

// Everything of the form that is saved, as one text.
QString MainWindow::formStand() const {
    QStringList stand;
    for (const NumberEdit *feld : m_eingabeFelder) stand << feld->text();
    // The studs' switch and ribs belong to the saved design as well: without
    // them, unticking "Teilverdübelung berücksichtigen" or another choice of
    // ribs would be no change to save, and a run of it would name the file.
    for (const QComboBox *auswahl : {m_betonForce, m_bewehrungKlasse, m_baustahlProfiltyp, m_baustahlProfilname,
                                     m_verbundmittel->ribSelector()})
        stand << auswahl->currentText();
    for (const QCheckBox *schalter : {m_betonBruchdehnung, m_bewehrungVerfestigung, m_verbundmittel->checkBox()})
        stand << (schalter->isChecked() ? "1" : "0");
    return stand.join(QChar('\n'));
}

// Nothing is compared before the start values are in place.
void MainWindow::formGeaendert() {
    // The project head is saved with the form: a changed head is a change.
    setWindowModified(m_document.modified(formStand()) || m_projektangaben != m_gespeicherteProjektangaben);
    if (m_runStatus) m_runStatus->setInputChanged(m_shownRun.inputChanged(formStand()));
}

void MainWindow::merkeGespeichert(const QString &datei) {
    const QString stand = formStand();
    m_document.setFile(datei);
    m_document.setSavedForm(stand);
    m_gespeicherteProjektangaben = m_projektangaben;
    setWindowTitle(m_document.windowTitle());
    setWindowModified(false);
    // Saved as the calculated input, the report names the file; saved with
    // other values over the file it names, the report says so.
    if (!datei.isEmpty()) m_shownRun.formSaved(stand, datei);
    if (m_shownRun.shown()) update_protokoll();
}

// "Neu" and the start: the shipped example, or empty marked fields; the
// design has no file until the user names one.
void MainWindow::zeigeNeuenEntwurf() {
    showDesign(designchoices::newDesign(formDesign(), dateiAuswahlen()));
    m_projektangabenAngeboten = false;
    merkeGespeichert(QString());
}

void MainWindow::projektangabenClicked() {
    design::ProjectHead head = m_projektangaben;
    const bool accepted = m_projectHeadEditor ? m_projectHeadEditor(this, head)
                          : s_quietMessages   ? false
                                              : projecthead::editWithDialog(this, head);
    m_projektangabenAngeboten = true;
    if (!accepted || head == m_projektangaben) return;
    m_projektangaben = head;
    formGeaendert();
    update_protokoll();
}

void MainWindow::offerProjectHeadOnce() {
    if (m_projektangabenAngeboten || !m_projektangaben.empty()) return;
    projektangabenClicked();
}

bool MainWindow::confirmUnsavedChanges() {
    if (!isWindowModified()) return true;
    const QString frage = unsavedchanges::question(m_document.name());
    unsavedchanges::Answer antwort = unsavedchanges::Answer::Discard;
    if (m_unsavedPrompt)
        antwort = m_unsavedPrompt(frage);
    else if (!s_quietMessages)
        antwort = unsavedchanges::askWithDialog(this, frage);
    switch (antwort) {
    case unsavedchanges::Answer::Save: return speichereDokument(false);
    case unsavedchanges::Answer::Discard: return true;
    case unsavedchanges::Answer::Cancel: break;
    }
    return false;
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (confirmUnsavedChanges())
        event->accept();
    else
        event->ignore();
}

QString MainWindow::dateiWaehlen(filedialogs::Mode modus) {
    const QString start = shippedfiles::startFolder(recentfiles::lastFolder(), shippedfiles::documentsFolder(),
                                                    shippedfiles::protectedFolders());
    QString pfad = m_fileChooser ? m_fileChooser(modus, start) : filedialogs::chooseWithDialog(this, modus, start);
    if (pfad.isEmpty()) return pfad;
    if (modus == filedialogs::Mode::Save) pfad = QString::fromStdString(designfile::withDesignSuffix(pfad.toStdString()));
    recentfiles::setLastFolder(QFileInfo(pfad).absolutePath());
    return pfad;
}

void MainWindow::oeffnenClicked() {
    if (!confirmUnsavedChanges()) return;
    const QString pfad = dateiWaehlen(filedialogs::Mode::Open);
    if (!pfad.isEmpty()) oeffneDokument(pfad);
}

// The file becomes the document only when it was read.
bool MainWindow::oeffneDokument(const QString &pfad) {
    if (!QFileInfo(pfad).isFile()) {
        showCritical("Fehler", QString::fromUtf8("Die Datei „%1“ gibt es nicht mehr.\n\n%2")
                                   .arg(QFileInfo(pfad).fileName(), pfad));
        recentfiles::remove(pfad);
        return false;
    }
    if (!oeffnen(pfad.toStdString())) return false;
    m_projektangabenAngeboten = false;
    recentfiles::add(pfad);
    merkeGespeichert(pfad);
    return true;
}

void MainWindow::speichernClicked() { speichereDokument(false); }

void MainWindow::speichernunterClicked() { speichereDokument(true); }

// Saves under the document's name, or under a chosen one when there is none
// yet ("Neu", the start), when asked, or when the document is a shipped
// file (window/design_document.h). The chosen name becomes the document's
// only when the file was written.
bool MainWindow::speichereDokument(bool neuerName) {
    QString pfad = neuerName ? QString() : m_document.saveTarget();
    if (pfad.isEmpty()) {
        pfad = dateiWaehlen(filedialogs::Mode::Save);
        if (pfad.isEmpty()) return false;
    }
    if (!speichern(pfad, 0)) return false;
    recentfiles::add(pfad);
    merkeGespeichert(pfad);
    return true;
}

void MainWindow::fuelleZuletztMenu() {
    QMenu *zuletzt = m_actions->recentMenu();
    zuletzt->clear();
    const QStringList dateien = recentfiles::files();
    for (int i = 0; i < dateien.size(); ++i) {
        const QString pfad = dateien[i];
        QAction *eintrag = zuletzt->addAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(pfad).fileName()));
        eintrag->setToolTip(pfad);
        eintrag->setStatusTip(pfad);
        connect(eintrag, &QAction::triggered, this, [this, pfad]() {
            if (confirmUnsavedChanges()) oeffneDokument(pfad);
        });
    }
    zuletzt->setEnabled(!dateien.isEmpty());
}
