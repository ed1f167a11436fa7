// Form logic of the input side: enabling by profile type, presets, the
// profile table, and saving and opening input files. The form keeps texts;
// forces and moments are converted kN -> N and kNm -> Nmm only in the file.
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "files/design_file.h"
#include "files/input_file.h"
#include "files/shipped_files.h"
#include "window/mainwindow.h"
#include "widgets/numberedit.h"
#include "files/profile_table.h"
#include "protocol/run_folders.h"

namespace {

const double newtonPerKilonewton = 1000.0;
const double nmmPerKnm = 1000000.0;
const char *const welded = "Schweissprofil";
const char *const rolled = "Walzprofil";

QString onOff(const QCheckBox *box) { return box->isChecked() ? "ON" : "OFF"; }

// Numbers with a decimal point; a text that is no number as an empty field.
QStringList fileTexts(const QList<NumberEdit *> &fields) {
    QStringList texts;
    for (const NumberEdit *field : fields) texts.append(inputfile::textToFile(field->fileText()));
    return texts;
}

// Field texts from the words of a keyword line; a missing word empties its field.
void setTexts(const QList<NumberEdit *> &fields, const QStringList &words) {
    for (int i = 0; i < fields.size(); ++i)
        fields[i]->setText(inputfile::textFromFile(words.value(i)));
}

void setScaled(const QList<NumberEdit *> &fields, const QStringList &words, double divisor) {
    for (int i = 0; i < fields.size(); ++i)
        fields[i]->setText(inputfile::scaledFromFile(words.value(i), divisor));
}

}  // namespace

// A new design in the current document: the numeric fields start again;
// a rolled profile shows its dimensions.
void MainWindow::neuClicked() {
    if (!confirmUnsavedChanges()) return;
    for (NumberEdit *field : m_eingabeFelder) field->setText("0.0");
    m_k_c->setText("1");
    m_k->setText("1");
    set_Enabled();
}

void MainWindow::baustahlProfilname() {
    m_baustahlProfilname = new QComboBox;
    m_baustahlProfilname->setObjectName("m_baustahlProfilname");
    m_baustahlProfilname->addItem(QString());
    // Only the profiles the engine accepts; the others would always be refused.
    m_baustahlProfilname->addItems(profiletable::usableProfileNames(profiletable::tablePath()));
}

void MainWindow::set_geo_bau() {
    profiletable::Dimensions d;
    if (!profiletable::findProfile(profiletable::tablePath(), m_baustahlProfilname->currentText(),
                                   d))
        return;
    m_baustahlHoehe->setText(inputfile::numberText(d.h));
    m_baustahlBfu->setText(inputfile::numberText(d.b));
    m_baustahlBfc->setText(inputfile::numberText(d.b));
    m_baustahlTw->setText(inputfile::numberText(d.t_w));
    m_baustahlTfu->setText(inputfile::numberText(d.t_f));
    m_baustahlTfo->setText(inputfile::numberText(d.t_f));
}

void MainWindow::set_Enabled() {
    const QList<NumberEdit *> stahlFelder = {m_baustahlHoehe, m_baustahlTfu, m_baustahlTfo,
                                              m_baustahlBfu,   m_baustahlBfc, m_baustahlTw};
    const QString typ = m_baustahlProfiltyp->currentText();
    if (typ == welded) {
        m_baustahlProfilname->setEnabled(false);
        m_baustahlProfilname->setCurrentText(QString());
        for (NumberEdit *feld : stahlFelder) feld->setEnabled(true);
    } else if (typ == rolled) {
        set_geo_bau();
        m_baustahlProfilname->setEnabled(true);
        for (NumberEdit *feld : stahlFelder) feld->setEnabled(false);
    }
}

void MainWindow::set_s_s() { m_s_s->setText(m_bewehrungForce->text()); }

QString MainWindow::eingabeDateiText() const {
    using namespace inputfile;
    Values v;
    v[EigenschaftenBeton] = QStringList{m_betonForce->currentText()} +
                            fileTexts({m_betonGamma, m_betonAlpha}) +
                            QStringList{onOff(m_betonBruchdehnung)};
    v[EigenschaftenBewehrung] = fileTexts({m_bewehrungForce, m_bewehrungGamma}) +
                                QStringList{m_bewehrungKlasse->currentText(),
                                            onOff(m_bewehrungVerfestigung)};
    v[EigenschaftenBaustahl] = fileTexts({m_baustahlForce, m_baustahlGamma});
    v[GeometrieBeton] = fileTexts({m_betonHoeheC, m_betonBreiteE, m_betonHoeheP, m_betonBreiteP});
    v[GeometrieBewehrung] =
        fileTexts({m_bewehrungDU, m_bewehrungDO, m_bewehrungAbstandUnten, m_bewehrungAbstandOben,
                   m_bewehrungCnormU, m_bewehrungCnormO});
    v[BaustahlTyp] = QStringList{m_baustahlProfiltyp->currentText(),
                                 m_baustahlProfilname->currentText()};
    v[GeometrieBaustahl] = fileTexts(
        {m_baustahlHoehe, m_baustahlTfu, m_baustahlTfo, m_baustahlBfu, m_baustahlBfc, m_baustahlTw});
    v[Gebrauchstauglichkeit] = QStringList{numberText(m_momen_g->value() * nmmPerKnm),
                                           numberText(m_querkraft_g->value() * newtonPerKilonewton)};
    v[Mindestbewehrung] =
        QStringList{numberText(m_k_c->value()), numberText(m_k->value()), numberText(m_s_s->value())};
    v[Tragfaehigkeit] = QStringList{numberText(m_momen_t->value() * nmmPerKnm),
                                    numberText(m_querkraft_t->value() * newtonPerKilonewton)};
    return inputfile::render(v);
}

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
    qDebug().noquote().nospace() << "pfad: " << dateiPfad;
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
    const auto items = [](const QComboBox *box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            if (!box->itemText(i).isEmpty()) texts << box->itemText(i);
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
    const designfile::ReadResult gelesen = designfile::read(pfad, dateiAuswahlen());
    if (!gelesen.ok) {
        showCritical("Fehler", designfile::faultMessage(gelesen, pfad));
        return false;
    }
    // A rolled section may come without its plates; set_Enabled fills them.
    for (int section = 0; section < inputfile::SectionCount; ++section)
        if (!gelesen.values[section].isEmpty()) applyInputLine(section, gelesen.values[section]);
    set_Enabled();
    return true;
}

void MainWindow::applyInputLine(int section, const QStringList &w) {
    using namespace inputfile;
    switch (static_cast<Section>(section)) {
    case EigenschaftenBeton:
        waehleEintrag(m_betonForce, w.value(0), "Betonfestigkeitsklasse ungültig!");
        setTexts({m_betonGamma, m_betonAlpha}, w.mid(1));
        setzeStatus(m_betonBruchdehnung, w.value(3),
                    "ungültiger Status: Begrenzug der Bruchdehnung von Beton");
        break;
    case EigenschaftenBewehrung:
        setTexts({m_bewehrungForce, m_bewehrungGamma}, w);
        waehleEintrag(m_bewehrungKlasse, w.value(2), "Duktilitätsklasse ungültig!");
        setzeStatus(m_bewehrungVerfestigung, w.value(3),
                    "ungültiger Status: Verfestigung von Bewehrung");
        break;
    case EigenschaftenBaustahl:
        setTexts({m_baustahlForce, m_baustahlGamma}, w);
        break;
    case GeometrieBeton:
        setTexts({m_betonHoeheC, m_betonBreiteE, m_betonHoeheP, m_betonBreiteP}, w);
        break;
    case GeometrieBewehrung:
        setTexts({m_bewehrungDU, m_bewehrungDO, m_bewehrungAbstandUnten, m_bewehrungAbstandOben,
                  m_bewehrungCnormU, m_bewehrungCnormO},
                 w);
        break;
    case BaustahlTyp:
        waehleEintrag(m_baustahlProfiltyp, w.value(0), "Profiltyp ungültig!");
        // A welded profile has no name; the engine reads none.
        waehleEintrag(m_baustahlProfilname, w.value(0) == rolled ? w.value(1) : QString(),
                      "Profilname ungültig!");
        break;
    case GeometrieBaustahl:
        setTexts({m_baustahlHoehe, m_baustahlTfu, m_baustahlTfo, m_baustahlBfu, m_baustahlBfc,
                  m_baustahlTw},
                 w);
        break;
    case Gebrauchstauglichkeit:
        setScaled({m_momen_g}, w, nmmPerKnm);
        setScaled({m_querkraft_g}, w.mid(1), newtonPerKilonewton);
        break;
    case Mindestbewehrung:
        setScaled({m_k_c, m_k, m_s_s}, w, 1.0);
        break;
    case Tragfaehigkeit:
        setScaled({m_momen_t}, w, nmmPerKnm);
        setScaled({m_querkraft_t}, w.mid(1), newtonPerKilonewton);
        break;
    case SectionCount:
        break;
    }
}

void MainWindow::waehleEintrag(QComboBox *auswahl, const QString &text, const QString &fehlertext) {
    const int index = auswahl->findText(text);
    if (index < 0)
        showCritical("Fehler", fehlertext);
    else
        auswahl->setCurrentIndex(index);
}

void MainWindow::setzeStatus(QCheckBox *schalter, const QString &status,
                             const QString &fehlertext) {
    if (status == "ON")
        schalter->setChecked(true);
    else if (status == "OFF")
        schalter->setChecked(false);
    else
        showCritical("Fehler", fehlertext);
}
