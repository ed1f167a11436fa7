// The information panels on the right of the input tab: material laws with
// their table values and pictures, and the dimensioned sketches of slab and
// steel section. Each trigger rebuilds the panel completely.
#include <QGroupBox>
#include <algorithm>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "files/data_file.h"
#include "widgets/scaled_picture.h"
#include "window/mainwindow.h"
#include "files/material_table.h"

namespace {

QLabel *panelText(const QString &text) {
    auto *label = new QLabel(text);
    label->setStyleSheet("font: 10pt");
    label->setWordWrap(true);
    const bool rich = text.contains("<sub>") || text.contains("<sup>");
    label->setTextFormat(rich ? Qt::RichText : Qt::PlainText);
    return label;
}

// At most width × height, smaller in a narrow column.
QLabel *panelPicture(const char *fileName, int width, int height) {
    const QPixmap picture(dataFilePath(fileName));
    if (picture.isNull()) return new QLabel;
    return new ScaledPicture(picture.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// Read-only table of material values; it takes ownership of `cells`
// (row by row) and the list is emptied, so the window no longer owns them.
QTableWidget *panelTable(const QStringList &columns, const QStringList &rows, int width, int columnWidth,
                         QList<QTableWidgetItem *> &cells) {
    auto *table = new QTableWidget(rows.size(), columns.size());
    // Smaller than the panel's inherited title font, so the class names fit their columns.
    table->setStyleSheet("font: 8pt");
    table->setHorizontalHeaderLabels(columns);
    table->setVerticalHeaderLabels(rows);
    // As wide as its columns need (at least `width`); in a narrow column it
    // scrolls sideways itself.
    const int needed = table->verticalHeader()->sizeHint().width() + columns.size() * columnWidth +
                       2 * table->frameWidth();
    table->setMaximumWidth(std::max(width, needed));
    table->setMinimumWidth(0);
    for (int c = 0; c < columns.size(); ++c) table->setColumnWidth(c, columnWidth);
    table->verticalHeader()->setMinimumSectionSize(20);
    for (int r = 0; r < rows.size(); ++r) table->setRowHeight(r, 20);
    table->setShowGrid(true);
    table->verticalHeader()->setVisible(true);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < cells.size() && i < rows.size() * columns.size(); ++i)
        table->setItem(i / columns.size(), i % columns.size(), cells.at(i));
    cells.clear();
    // Room for the rows and for the scroll bar of a narrow column.
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() + 20 * rows.size() +
                          2 * table->frameWidth() + table->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    return table;
}

void addPanelWidgets(QVBoxLayout *layout, const QList<QWidget *> &widgets, bool materialPanel) {
    for (QWidget *widget : widgets) layout->addWidget(widget);
    if (materialPanel) layout->addStretch(0);
    layout->update();
}

QList<QTableWidgetItem *> newCells(const QString *rowTexts[], int rowCount, int columnCount) {
    QList<QTableWidgetItem *> cells;
    for (int r = 0; r < rowCount; ++r)
        for (int c = 0; c < columnCount; ++c) {
            auto *cell = new QTableWidgetItem(rowTexts[r][c]);
            cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            cells.append(cell);
        }
    return cells;
}

}  // namespace

void MainWindow::set_materialeigenschaften() {
    // Cells of the previous reading that no panel took are discarded here.
    qDeleteAll(m_zellenBeton);
    qDeleteAll(m_zellenBewehrung);
    const materialtable::PanelTexts texts = materialtable::readPanelTexts(materialtable::tablePath());
    const QString *concreteRows[] = {texts.epsilonC, texts.epsilonCu};
    const QString *ductilityRows[] = {texts.k, texts.epsilonUk};
    m_zellenBeton = newCells(concreteRows, 2, 9);
    m_zellenBewehrung = newCells(ductilityRows, 2, 3);
    if (texts.hasE_s) m_E_s = texts.E_s;
    if (texts.hasE_a) m_E_a = texts.E_a;
}

void MainWindow::set_img_bet() {
    m_infoTitel->setText("Materialmodell für Beton");
    QLabel *heading = panelText("Bilineare Spannungs-Dehnungs-Beziehung - nach EN 1992-1-1 3.1.7(2):");
    QLabel *picture = panelPicture("se beton.png", 500, 243);
    QLabel *text = panelText(
        "Die Dehnung bei Erreichen der Festigkeitsgrenze ε<sub>c</sub>, sowie die Bruchdehung "
        "ε<sub>cu</sub> sind durch EN 1992-1-1 Tabelle 3.1 festgelegt:\n");
    set_materialeigenschaften();
    QTableWidget *table = panelTable(materialtable::concreteClasses(), {"εc [‰]", "εcu [‰]"}, 488, 48,
                                     m_zellenBeton);
    clearLayout(m_infoLayout, true);
    addPanelWidgets(m_infoLayout, {heading, picture, text, table}, true);
}

void MainWindow::set_img_bewe() {
    m_infoTitel->setText("Materialmodell für Betonstahl");
    QLabel *heading = panelText("Spannungs-Dehnungs-Beziehung - nach EN 1992-1-1 3.2.7(2):");
    // Composed before the table is read again: it shows the modulus of the previous reading.
    QLabel *modulus = panelText(
        "Der Elastizitätsmodul E<sub>s</sub> ist gemäss EN 1992-1-1 3.2.6(4) auf " + m_E_s +
        " N/mm<sup>2</sup> festgelegt.\n Bei Berücksichtigung der Stahlverfestigung nach Erreichen der "
        "Fliessgrenze, bezieht man die hierzu erforderliche charakteristische Dehnung bei Höchstlast "
        "ε<sub>uk</sub>, sowie den Faktor k =((f<sub>t</sub>)/f<sub>y</sub>))<sub>k</sub>, beide abhängig "
        "von der Duktilitätsklasse, aus EN 1992-1-1 Tabelle C.1: \n");
    set_materialeigenschaften();
    QTableWidget *table = panelTable({"A (normalduktil)", "B (hochduktil)", "C (Erdbebenstahl)"},
                                     {"k [-]", "εuk [‰]"}, 372, 105, m_zellenBewehrung);
    QLabel *formula = panelText(
        "Die Ermittlung der Dehnungsgrenze ε<sub>ud</sub> erfolgt durch die Beziehung:\n\n "
        "ε<sub>ud</sub>=0.9 ε<sub>uk</sub> (EN 1992-1-1 3.2.7)\n");
    QLabel *picture = panelPicture("se bewerhung.png", 500, 220);
    clearLayout(m_infoLayout, true);
    addPanelWidgets(m_infoLayout, {heading, picture, modulus, table, formula}, true);
}

void MainWindow::set_img_baus() {
    m_infoTitel->setText("Materialmodell für Baustahl");
    QLabel *heading = panelText("Bilineare Spannungs-Dehnungs-Beziehung - nach EN 1993-1-1:");
    QLabel *picture = panelPicture("se baustahl.png", 500, 214);
    QLabel *modulus = panelText("Der Elastizitätsmodul E ist gemäss EN 1993-1-1 3.2.6(1) auf " + m_E_a +
                                " N/mm<sup>2</sup> festgelegt.");
    clearLayout(m_infoLayout, true);
    addPanelWidgets(m_infoLayout, {heading, picture, modulus}, true);
}

void MainWindow::set_img_geo_bet() {
    m_infoTitel->setText("Geometrie Stahlbeton");
    QLabel *picture = panelPicture("geo sb.png", 470, 190);
    clearLayout(m_infoLayout, true);
    addPanelWidgets(m_infoLayout, {picture}, false);
}

void MainWindow::set_img_geo_bau() {
    m_infoTitel->setText("Geometrie Baustahl");
    QLabel *picture = panelPicture("geo bau.png", 434, 404);
    clearLayout(m_infoLayout, true);
    addPanelWidgets(m_infoLayout, {picture}, false);
}
