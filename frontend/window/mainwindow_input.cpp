// Form logic of the input side: enabling by profile type, presets, the
// profile table, and saving and opening input files. The form keeps texts;
// they become the design model (files/design.h) through the one table of
// its fields, and only the model is written and read.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "files/design.h"
#include "files/design_choices.h"
#include "files/design_file.h"
#include "files/profile_table.h"
#include "files/shipped_files.h"
#include "protocol/input_lines.h"
#include "protocol/run_folders.h"
#include "widgets/numberedit.h"
#include "window/following_fields.h"
#include "window/mainwindow.h"
#include "window/shear_connector_group.h"

namespace {

const design::FieldInfo &infoOf(const NumberEdit *field) {
    return *design::fieldNamed(field->objectName().toStdString());
}

}  // namespace

// A new, unnamed design ("Unbenannt"): the shipped example's values, or
// empty marked fields without it. "Speichern" then asks for a name.
void MainWindow::neuClicked() {
    if (!confirmUnsavedChanges()) return;
    zeigeNeuenEntwurf();
}

void MainWindow::baustahlProfilname() {
    m_baustahlProfilname = new QComboBox;
    m_baustahlProfilname->setObjectName("m_baustahlProfilname");
    m_baustahlProfilname->addItem(QString());
    // Only the profiles the engine accepts; the others would always be refused.
    m_baustahlProfilname->addItems(profiletable::usableProfileNames(profiletable::tablePath()));
}

void MainWindow::set_geo_bau() {
    design::Design walzprofil = formDesign();
    if (!designchoices::takeProfilePlates(walzprofil)) return;
    for (NumberEdit *feld : qAsConst(m_eingabeFelder)) {
        const design::FieldInfo &info = infoOf(feld);
        if (info.plate) feld->setText(QString::fromStdString(design::numberText(*(walzprofil.*info.member))));
    }
}

void MainWindow::set_Enabled() {
    const QList<NumberEdit *> stahlFelder = {m_baustahlHoehe, m_baustahlTfu, m_baustahlTfo,
                                              m_baustahlBfu,   m_baustahlBfc, m_baustahlTw};
    const QString typ = m_baustahlProfiltyp->currentData().toString();
    if (typ == QLatin1String(protocol::input::weldedProfile)) {
        m_baustahlProfilname->setEnabled(false);
        m_baustahlProfilname->setCurrentText(QString());
        for (NumberEdit *feld : stahlFelder) feld->setEnabled(true);
    } else if (typ == QLatin1String(protocol::input::rolledProfile)) {
        set_geo_bau();
        m_baustahlProfilname->setEnabled(true);
        for (NumberEdit *feld : stahlFelder) feld->setEnabled(false);
    }
}

// σ_s follows f_sk through the field table (window/following_fields.h);
// this slot copies f_sk once, as asked.
void MainWindow::set_s_s() { m_s_s->setText(m_bewehrungForce->text()); }

// The design the form shows: the selectors and switches, and every number of
// the field table in the file's unit; a field that holds no number is missing.
design::Design MainWindow::formDesign() const {
    design::Design d;
    d.head = m_projektangaben;
    d.festig_klasse = m_betonForce->currentText().toStdString();
    d.set_e_cu3 = m_betonBruchdehnung->isChecked();
    d.klasse_s = m_bewehrungKlasse->currentText().toStdString();
    d.set_verfestigung_s = m_bewehrungVerfestigung->isChecked();
    d.Profiltyp = m_baustahlProfiltyp->currentData().toString().toStdString();  // the file's word
    d.Profilname = m_baustahlProfilname->currentText().toStdString();
    d.partialConnection = m_verbundmittel->partialConnection();
    d.Rippen = m_verbundmittel->ribs();
    for (const NumberEdit *feld : m_eingabeFelder) {
        const design::FieldInfo &info = infoOf(feld);
        double x = 0.0;
        if (NumberEdit::parseNumber(feld->text(), x)) d.*info.member = units::toFile(info.formUnit, x);
    }
    return d;
}

// Shows a design in the form; a missing number leaves its field empty. A
// rolled profile then shows the dimensions of the profile table.
void MainWindow::showDesign(const design::Design &d) {
    m_projektangaben = d.head;
    waehleEintrag(m_betonForce, d.festig_klasse);
    m_betonBruchdehnung->setChecked(d.set_e_cu3);
    waehleEintrag(m_bewehrungKlasse, d.klasse_s);
    m_bewehrungVerfestigung->setChecked(d.set_verfestigung_s);
    const int typ = m_baustahlProfiltyp->findData(QString::fromStdString(d.Profiltyp));
    if (typ >= 0) m_baustahlProfiltyp->setCurrentIndex(typ);
    // A welded profile has no name; the engine reads none.
    waehleEintrag(m_baustahlProfilname, d.rolled() ? d.Profilname : std::string());
    m_verbundmittel->setPartialConnection(d.partialConnection);
    m_verbundmittel->setRibs(d.Rippen);
    for (NumberEdit *feld : qAsConst(m_eingabeFelder)) {
        const design::FieldInfo &info = infoOf(feld);
        const design::Value &wert = d.*info.member;
        feld->setText(wert ? QString::fromStdString(design::fieldText(info, units::toForm(info.formUnit, *wert)))
                           : QString());
    }
    set_Enabled();
    m_following->designShown(d);
}

QString MainWindow::eingabeDateiText() const { return QString::fromStdString(designfile::text(formDesign())); }

bool MainWindow::speichern(QString pfad, int i) {
    QString dateiPfad = pfad;
    if (i == 1) {
        QDir().mkpath(pfad);
        dateiPfad = QDir(pfad).filePath(protocol::inputFile);
    } else {
        // The tables and the example design are read by both programs.
        const QString geschuetzt = shippedfiles::describe(dateiPfad);
        if (!geschuetzt.isEmpty()) {
            showCritical("Fehler", QString::fromUtf8("Die Datei „%1“ gehört zum Programm (%2) und wird nicht "
                                                     "überschrieben.\nBitte unter einem anderen Namen oder in "
                                                     "einem anderen Ordner speichern.\n\n%3")
                                       .arg(QFileInfo(dateiPfad).fileName(), geschuetzt,
                                            QFileInfo(dateiPfad).absoluteFilePath()));
            return false;
        }
    }
    QFile datei(dateiPfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) {
        showCritical("Fehler", "Schreiben der Datei ist fehlgeschlagen!");
        return false;
    }
    QTextStream out(&datei);
    out.setCodec("UTF-8");
    out << eingabeDateiText();
    out.flush();
    if (out.status() != QTextStream::Ok || !datei.flush()) {
        showCritical("Fehler", "Schreiben der Datei ist fehlgeschlagen!");
        return false;
    }
    return true;
}

designfile::Choices MainWindow::dateiAuswahlen() const {
    // The words of the file: an entry's data where it shows another text.
    const auto items = [](const QComboBox *box) {
        std::vector<std::string> texts;
        for (int i = 0; i < box->count(); ++i) {
            const QString word = box->itemData(i).isValid() ? box->itemData(i).toString() : box->itemText(i);
            if (!word.isEmpty()) texts.push_back(word.toStdString());
        }
        return texts;
    };
    return {items(m_betonForce), items(m_bewehrungKlasse), items(m_baustahlProfiltyp), items(m_baustahlProfilname)};
}

// The whole file is read and checked first: a file that does not fit changes
// nothing in the form and gives one message. A missing file changes nothing
// and is not reported (the start without the example design).
bool MainWindow::oeffnen(std::string dateiName) {
    const QString pfad = QString::fromStdString(dateiName);
    if (!QFileInfo(pfad).isFile()) {
        set_Enabled();
        return false;
    }
    const designfile::ReadResult gelesen = designfile::read(dateiName, dateiAuswahlen());
    if (!gelesen.ok) {
        showCritical("Fehler", QString::fromStdString(designfile::faultMessage(gelesen, dateiName)));
        return false;
    }
    showDesign(gelesen.design);
    return true;
}

// The file was checked against the selectors' entries: every word is offered.
void MainWindow::waehleEintrag(QComboBox *auswahl, const std::string &text) {
    const int index = auswahl->findText(QString::fromStdString(text));
    if (index >= 0) auswahl->setCurrentIndex(index);
}
