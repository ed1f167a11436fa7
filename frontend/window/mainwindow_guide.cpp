// Guidance on the input side: every field's tooltip (meaning, unit, permitted
// range), the range marks while the user types, and the modified marker of
// the window title, which follows every change of the form.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <limits>

#include "protocol/input_lines.h"
#include "widgets/numberedit.h"
#include "window/field_guide.h"
#include "window/mainwindow.h"
#include "window/shear_connector_group.h"

namespace {


QString u(const char *text) { return QString::fromUtf8(text); }

}  // namespace

void MainWindow::installInputGuide() {
    m_guide = new InputGuide(this);
    // The root radius enters the height check of a welded section as 0; the
    // plates of a rolled section come from a usable table row and are not
    // checked against the ranges of welded plates (setRolledSection).
    m_guide->setOtherValues([](const QString &symbol) {
        return symbol == "r" ? 0.0 : std::numeric_limits<double>::quiet_NaN();
    });
    for (NumberEdit *feld : qAsConst(m_eingabeFelder)) {
        m_guide->addField(feld);
        connect(feld, &QLineEdit::textChanged, this, &MainWindow::formGeaendert);
    }
    for (QComboBox *auswahl : {m_betonForce, m_bewehrungKlasse, m_baustahlProfiltyp, m_baustahlProfilname}) {
        connect(auswahl, QOverload<int>::of(&QComboBox::currentIndexChanged), m_guide, &InputGuide::recheck);
        connect(auswahl, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &MainWindow::formGeaendert);
    }
    const auto profiltyp = [this]() { m_guide->setRolledSection(m_baustahlProfiltyp->currentData().toString() == QLatin1String(protocol::input::rolledProfile)); };
    connect(m_baustahlProfiltyp, QOverload<int>::of(&QComboBox::currentIndexChanged), m_guide, profiltyp);
    profiltyp();
    for (QCheckBox *schalter : {m_betonBruchdehnung, m_bewehrungVerfestigung})
        connect(schalter, &QCheckBox::toggled, this, &MainWindow::formGeaendert);
    // The studs' ranges apply only to a design with partial connection.
    const auto duebel = [this]() { m_guide->setStudsActive(m_verbundmittel->partialConnection()); };
    connect(m_verbundmittel, &ShearConnectorGroup::changed, m_guide, duebel);
    connect(m_verbundmittel, &ShearConnectorGroup::changed, this, &MainWindow::formGeaendert);
    duebel();

    m_betonForce->setToolTip(u("Festigkeitsklasse des Betons nach EN 1992-1-1 Tabelle 3.1\n"
                               "f_ck, f_ctm, ε_c3 und ε_cu3 kommen aus der Materialtabelle."));
    m_betonBruchdehnung->setToolTip(u("Bruchdehnung des Betons auf ε_cu3 begrenzen"));
    m_bewehrungKlasse->setToolTip(u("Duktilitätsklasse des Betonstahls nach EN 1992-1-1 Anhang C\n"
                                    "k und ε_uk kommen aus der Materialtabelle."));
    m_bewehrungVerfestigung->setToolTip(
        u("Verfestigung des Betonstahls nach Erreichen der Streckgrenze berücksichtigen (k, ε_uk)"));
    m_baustahlProfiltyp->setToolTip(u("Schweißprofil: Abmessungen eingeben\n"
                                      "Walzprofil: Abmessungen aus der Profiltabelle"));
    m_baustahlProfilname->setToolTip(u("Walzprofil aus der Profiltabelle; angeboten werden nur Profile, "
                                       "die das Rechenprogramm annimmt."));
    m_startButton->setToolTip(u("Berechnung starten (F5 oder Strg+Eingabe)"));
    m_guide->recheck();
}
