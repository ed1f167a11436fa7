// Profile search of MainWindow: the dialog for the form's design, the
// profile it hands back put into the form, and the report's note for a run
// of the form as the search left it.
#include <QComboBox>

#include "protocol/input_lines.h"
#include "results/design_report.h"
#include "window/mainwindow.h"
#include "window/profile_search_dialog.h"

void MainWindow::profilSuchenClicked() {
    auto *dialog = new ProfileSearchDialog(formDesign(), m_baustahlProfilname->currentText(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Not a blocking exec(): the window keeps painting while the engines run.
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &ProfileSearchDialog::profileTaken, this, &MainWindow::profilUebernehmen);
    dialog->show();
}

// As a choice by hand: the selectors change, the plates follow from the
// profile table, and the window marks the form as changed.
void MainWindow::profilUebernehmen(const QString &profil, const QString &hinweis) {
    waehleEintrag(m_baustahlProfiltyp, protocol::input::rolledProfile);
    waehleEintrag(m_baustahlProfilname, profil.toStdString());
    set_Enabled();
    set_img_geo_bau();
    m_profilsucheStand = hinweis.isEmpty() ? QString() : formStand();
    m_profilsucheHinweis = hinweis;
}

// Called when a calculation of the form starts, its input written.
void MainWindow::profilsucheVermerken() {
    if (!m_profilsucheHinweis.isEmpty() && formStand() == m_profilsucheStand)
        writeProfileChoice(m_runFolder, m_profilsucheHinweis);
}
