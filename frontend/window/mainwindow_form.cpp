// Rows of the input tab: materials, geometry panel and the two action areas.
// Fields keep their values as text; the spacings place the geometry fields
// over the dimension lines of the background sketch.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "files/data_file.h"
#include "files/design_choices.h"
#include "protocol/input_lines.h"
#include "widgets/indexedlabel.h"
#include "window/mainwindow.h"
#include "widgets/numberedit.h"

namespace {

QLabel *rowHead(const QString &text) {
    auto *label = new QLabel(text);
    label->setStyleSheet("font: 10pt;");
    return label;
}

}  // namespace

NumberEdit *MainWindow::newField(const char *name, int width, int height) {
    auto *field = new NumberEdit;
    field->setObjectName(name);
    if (width > 0) field->setFieldWidth(width);
    if (height > 0) field->setFixedHeight(height);
    return field;
}

void MainWindow::addSymbol(QHBoxLayout *row, const QString &main, const QString &index) {
    row->addWidget(new IndexedLabel(main, index));
}

void MainWindow::addUnit(QHBoxLayout *row, const QString &unit) {
    row->addWidget(new QLabel(unit));
}

QWidget *MainWindow::schnittgroessenBild() {
    auto *bild = new QLabel;
    bild->setPixmap(QPixmap(dataFilePath("Schnittgroessen.png"))
                        .scaled(113, 30, Qt::KeepAspectRatio));
    return bild;
}

QLayout *MainWindow::buildBetonRow() {
    m_abstand = 20;
    m_feldBreite = 30;

    m_betonForce = new QComboBox;
    m_betonForce->setObjectName("m_betonForce");
    m_betonForce->addItems(designchoices::concreteClasses());
    m_betonGamma = newField("m_betonGamma", m_feldBreite);
    m_betonAlpha = newField("m_betonAlpha", m_feldBreite);
    m_betonBruchdehnung = new QCheckBox("Begrenzung der Bruchdehnung");
    m_betonBruchdehnung->setObjectName("m_betonBruchdehnung");

    auto *row = new QHBoxLayout;
    row->addWidget(rowHead("Beton:\t"));
    row->addSpacing(30);
    row->addWidget(new QLabel("Festigkeitsklasse"));
    row->addWidget(m_betonForce);
    row->addSpacing(27);
    addSymbol(row, "γ", "c");
    row->addWidget(m_betonGamma);
    addUnit(row, "[-]");
    row->addSpacing(48);
    addSymbol(row, "f", "cd,RedFak");
    row->addWidget(m_betonAlpha);
    addUnit(row, "[-]");
    row->addSpacing(30);
    row->addWidget(m_betonBruchdehnung);
    row->addStretch(1);

    connect(m_betonForce, SIGNAL(activated(int)), this, SLOT(set_img_bet()));
    connect(m_betonGamma, SIGNAL(textEdited(QString)), this, SLOT(set_img_bet()));
    connect(m_betonAlpha, SIGNAL(textEdited(QString)), this, SLOT(set_img_bet()));
    connect(m_betonBruchdehnung, SIGNAL(clicked()), this, SLOT(set_img_bet()));
    return row;
}

QLayout *MainWindow::buildBewehrungRow() {
    m_bewehrungForce = newField("m_bewehrungForce", m_feldBreite);
    m_bewehrungGamma = newField("m_bewehrungGamma", m_feldBreite);
    m_bewehrungKlasse = new QComboBox;
    m_bewehrungKlasse->setObjectName("m_bewehrungKlasse");
    for (const std::string &klasse : protocol::input::ductilityClasses)
        m_bewehrungKlasse->addItem(QString::fromStdString(klasse));
    m_bewehrungVerfestigung = new QCheckBox("Verfestigung");
    m_bewehrungVerfestigung->setObjectName("m_bewehrungVerfestigung");

    auto *row = new QHBoxLayout;
    row->addWidget(rowHead("Bewehrung:\t"));
    row->addSpacing(49);
    addSymbol(row, "f", "sk");
    row->addWidget(m_bewehrungForce);
    addUnit(row, "[N/mm²]");
    row->addSpacing(42);
    addSymbol(row, "γ", "s");
    row->addWidget(m_bewehrungGamma);
    addUnit(row, "[-]");
    row->addSpacing(m_abstand);
    row->addWidget(new QLabel("Duktilitätsklasse"));
    row->addWidget(m_bewehrungKlasse);
    row->addSpacing(45);
    row->addWidget(m_bewehrungVerfestigung);
    row->addStretch(1);

    connect(m_bewehrungForce, SIGNAL(textEdited(QString)), this, SLOT(set_img_bewe()));
    connect(m_bewehrungGamma, SIGNAL(textEdited(QString)), this, SLOT(set_img_bewe()));
    connect(m_bewehrungKlasse, SIGNAL(activated(int)), this, SLOT(set_img_bewe()));
    connect(m_bewehrungVerfestigung, SIGNAL(clicked()), this, SLOT(set_img_bewe()));
    return row;
}

QLayout *MainWindow::buildBaustahlRow() {
    m_baustahlForce = newField("m_baustahlForce", m_feldBreite);
    m_baustahlGamma = newField("m_baustahlGamma", m_feldBreite);

    auto *row = new QHBoxLayout;
    row->addWidget(rowHead("Baustahl:\t"));
    row->addSpacing(46);
    addSymbol(row, "f", "yk");
    row->addWidget(m_baustahlForce);
    addUnit(row, "[N/mm²]");
    row->addSpacing(39);
    addSymbol(row, "γ", "M");
    row->addWidget(m_baustahlGamma);
    addUnit(row, "[-]");
    row->addStretch(1);

    connect(m_baustahlForce, SIGNAL(textEdited(QString)), this, SLOT(set_img_baus()));
    connect(m_baustahlGamma, SIGNAL(textEdited(QString)), this, SLOT(set_img_baus()));
    return row;
}

QWidget *MainWindow::buildGeometriePanel() {
    const int hoehe = 17;
    m_betonBreiteE = newField("m_betonBreiteE", 40, hoehe);
    m_bewehrungCnormO = newField("m_bewehrungCnormO", m_feldBreite, hoehe);
    m_betonHoeheC = newField("m_betonHoeheC", m_feldBreite, hoehe);
    m_bewehrungAbstandOben = newField("m_bewehrungAbstandOben", m_feldBreite, hoehe);
    m_bewehrungAbstandUnten = newField("m_bewehrungAbstandUnten", m_feldBreite, hoehe);
    m_baustahlBfc = newField("m_baustahlBfc", m_feldBreite, hoehe);
    m_bewehrungDU = newField("m_bewehrungDU", m_feldBreite, hoehe);
    m_bewehrungDO = newField("m_bewehrungDO", m_feldBreite, hoehe);
    m_bewehrungCnormU = newField("m_bewehrungCnormU", m_feldBreite, hoehe);
    m_betonBreiteP = newField("m_betonBreiteP", m_feldBreite, hoehe);
    m_betonHoeheP = newField("m_betonHoeheP", m_feldBreite, hoehe);
    m_baustahlHoehe = newField("m_baustahlHoehe", m_feldBreite, hoehe);
    m_baustahlTw = newField("m_baustahlTw", m_feldBreite, hoehe);
    m_baustahlTfo = newField("m_baustahlTfo", m_feldBreite, hoehe);
    m_baustahlBfu = newField("m_baustahlBfu", m_feldBreite, hoehe);
    m_baustahlTfu = newField("m_baustahlTfu", m_feldBreite, hoehe);

    m_baustahlProfiltyp = new QComboBox;
    m_baustahlProfiltyp->setObjectName("m_baustahlProfiltyp");
    // Shown in German spelling; the item's data is the file's word.
    for (const std::string &typ : protocol::input::profileTypes)
        m_baustahlProfiltyp->addItem(designchoices::profileTypeCaption(typ), QString::fromStdString(typ));
    baustahlProfilname();

    // The spacings suit fields of 67 px, the width a seven-character number
    // needs in the fields' 10 pt DejaVu Sans; the background sketch draws its
    // dimension lines through the field centres this gives.
    auto *row1 = new QHBoxLayout;
    row1->addSpacing(421);
    addSymbol(row1, "b", "e");
    row1->addWidget(m_betonBreiteE);
    row1->addSpacing(323);
    addSymbol(row1, "c", "nom,o");
    row1->addWidget(m_bewehrungCnormO);
    row1->addStretch(1);

    auto *row2 = new QHBoxLayout;
    row2->addSpacing(20);
    addSymbol(row2, "h", "c");
    row2->addWidget(m_betonHoeheC);
    row2->addSpacing(68);
    addSymbol(row2, "e", "o");
    row2->addWidget(m_bewehrungAbstandOben);
    row2->addSpacing(57);
    addSymbol(row2, "e", "u");
    row2->addWidget(m_bewehrungAbstandUnten);
    row2->addSpacing(23);
    addSymbol(row2, "b", "fo");
    row2->addWidget(m_baustahlBfc);
    row2->addSpacing(25);
    addSymbol(row2, "d", "u");
    row2->addWidget(m_bewehrungDU);
    row2->addSpacing(39);
    addSymbol(row2, "d", "o");
    row2->addWidget(m_bewehrungDO);
    row2->addSpacing(35);
    addSymbol(row2, "c", "nom,u");
    row2->addWidget(m_bewehrungCnormU);
    row2->addStretch(1);

    auto *row3 = new QHBoxLayout;
    row3->addSpacing(460);
    addSymbol(row3, "b", "p");
    row3->addWidget(m_betonBreiteP);
    row3->addStretch(1);

    auto *row4 = new QHBoxLayout;
    row4->addWidget(new QLabel("Profiltyp"));
    row4->addWidget(m_baustahlProfiltyp);
    row4->addSpacing(13);
    addSymbol(row4, "h", "p");
    row4->addWidget(m_betonHoeheP);
    row4->addSpacing(7);
    addSymbol(row4, "h", "");
    row4->addWidget(m_baustahlHoehe);
    row4->addSpacing(83);
    addSymbol(row4, "t", "w");
    row4->addWidget(m_baustahlTw);
    row4->addSpacing(14);
    addSymbol(row4, "t", "fo");
    row4->addWidget(m_baustahlTfo);
    row4->addStretch(1);

    auto *hinweis = new QLabel("*Eingabe aller Geometriedaten in mm");
    hinweis->setStyleSheet("font-style: italic;");
    auto *row5 = new QHBoxLayout;
    row5->addWidget(new QLabel("Profilname"));
    row5->addWidget(m_baustahlProfilname);
    row5->addSpacing(238);
    addSymbol(row5, "b", "fu");
    row5->addWidget(m_baustahlBfu);
    row5->addSpacing(25);
    addSymbol(row5, "t", "fu");
    row5->addWidget(m_baustahlTfu);
    row5->addSpacing(14);
    row5->addWidget(hinweis);
    row5->addStretch(1);

    // The sketch is the panel's own background; the selector keeps it off the fields.
    auto *panel = new QWidget;
    panel->setObjectName("geometriePanel");
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setFixedHeight(188);
    panel->setStyleSheet("QWidget#geometriePanel { background-image: url(" +
                         dataFilePath("geometriehinterg.png") + ") }");
    auto *layout = new QVBoxLayout(panel);
    layout->addLayout(row1);
    layout->addSpacing(21);
    layout->addLayout(row2);
    layout->addSpacing(-1);
    layout->addLayout(row3);
    layout->addSpacing(16);
    layout->addLayout(row4);
    layout->addSpacing(15);
    layout->addLayout(row5);
    layout->addStretch(1);

    connect(m_baustahlProfiltyp, SIGNAL(activated(int)), this, SLOT(set_Enabled()));
    connect(m_baustahlProfiltyp, SIGNAL(activated(int)), this, SLOT(set_img_geo_bau()));
    connect(m_baustahlProfilname, SIGNAL(activated(int)), this, SLOT(set_img_geo_bau()));
    connect(m_baustahlProfilname, SIGNAL(activated(int)), this, SLOT(set_geo_bau()));
    for (NumberEdit *feld : {m_baustahlHoehe, m_baustahlTfu, m_baustahlTfo, m_baustahlBfu,
                             m_baustahlBfc, m_baustahlTw})
        connect(feld, SIGNAL(textEdited(QString)), this, SLOT(set_img_geo_bau()));
    for (NumberEdit *feld : {m_betonHoeheC, m_betonHoeheP, m_betonBreiteE, m_betonBreiteP,
                             m_bewehrungDU, m_bewehrungDO, m_bewehrungAbstandUnten,
                             m_bewehrungAbstandOben, m_bewehrungCnormU, m_bewehrungCnormO})
        connect(feld, SIGNAL(textEdited(QString)), this, SLOT(set_img_geo_bet()));
    return panel;
}

QLayout *MainWindow::buildGebrauchstauglichkeitArea() {
    m_momen_g = newField("m_momen_g");
    m_querkraft_g = newField("m_querkraft_g");
    m_k_c = newField("m_k_c", m_feldBreite);
    m_k = newField("m_k", m_feldBreite);
    m_s_s = newField("m_s_s", m_feldBreite);

    auto *kNm = new QLabel("[kNm]");
    kNm->setFixedSize(kNm->sizeHint());
    auto *kN = new QLabel("[kN]");
    kN->setFixedSize(kN->sizeHint());
    auto *einwirkung = new QHBoxLayout;
    einwirkung->addWidget(rowHead("Einwirkung:\t"));
    addSymbol(einwirkung, "M", "k");
    einwirkung->addWidget(m_momen_g);
    einwirkung->addWidget(kNm);
    einwirkung->addSpacing(m_abstand);
    addSymbol(einwirkung, "V", "k");
    einwirkung->addWidget(m_querkraft_g);
    einwirkung->addWidget(kN);
    einwirkung->addSpacing(m_abstand);
    einwirkung->addWidget(schnittgroessenBild());
    einwirkung->addStretch(1);

    auto *mindestbewehrung = new QGroupBox;
    auto *formel = new QHBoxLayout(mindestbewehrung);
    formel->addWidget(rowHead("Mindestbewehrung: "));
    addSymbol(formel, "A", "s,min");
    formel->addWidget(new QLabel("="));
    addSymbol(formel, "(k", "c");
    addSymbol(formel, "k", "");
    addSymbol(formel, "f", "ct,eff");
    addSymbol(formel, "A", "ct");
    formel->addWidget(new QLabel(")/"));
    addSymbol(formel, "σ", "s");
    for (int i = 0; i < 3; ++i) formel->addSpacing(m_abstand);
    formel->addWidget(new QLabel("mit"));
    for (int i = 0; i < 2; ++i) formel->addSpacing(m_abstand);
    addSymbol(formel, "k", "c");
    formel->addWidget(m_k_c);
    addUnit(formel, "[-]");
    formel->addSpacing(m_abstand);
    addSymbol(formel, "k", "");
    formel->addWidget(m_k);
    addUnit(formel, "[-]");
    formel->addSpacing(m_abstand);
    addSymbol(formel, "σ", "s");
    formel->addWidget(m_s_s);
    addUnit(formel, "[N/mm²]");
    formel->addStretch(1);

    auto *area = new QVBoxLayout;
    area->addLayout(einwirkung);
    area->addWidget(mindestbewehrung);
    return area;
}

QLayout *MainWindow::buildTragfaehigkeitRow() {
    m_momen_t = newField("m_momen_t");
    m_querkraft_t = newField("m_querkraft_t");

    auto *kNm = new QLabel("[kNm]");
    kNm->setFixedSize(kNm->sizeHint());
    auto *row = new QHBoxLayout;
    row->addWidget(rowHead("Einwirkung:\t"));
    addSymbol(row, "M", "d");
    row->addWidget(m_momen_t);
    row->addWidget(kNm);
    row->addSpacing(m_abstand);
    addSymbol(row, "V", "d");
    row->addWidget(m_querkraft_t);
    addUnit(row, "[kN]");
    row->addSpacing(m_abstand);
    row->addWidget(schnittgroessenBild());
    row->addStretch(1);
    return row;
}
