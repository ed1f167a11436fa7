// Result text panels and the design report of MainWindow, rebuilt from the
// run folder's files at every refresh.
#include <QFont>
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

#include "results/design_report.h"
#include "window/mainwindow.h"
#include "results/result_panels.h"
#include "results/result_reader.h"

namespace {

void addPanelLabels(QVBoxLayout *layout, const QVector<PanelLine> &lines, Qt::Alignment alignment) {
    for (const PanelLine &line : lines) {
        auto *label = new QLabel;
        label->setTextFormat(line.isRichText() ? Qt::RichText : Qt::PlainText);
        label->setText(line.text);
        label->setStyleSheet(line.style);
        label->setWordWrap(true);  // long captions wrap inside the 150 px value columns
        if (alignment) label->setAlignment(alignment);
        layout->addWidget(label);
    }
    layout->update();
}

}  // namespace

void MainWindow::update_txt(QVBoxLayout *layout, int limitState, int withTs) {
    const std::string file =
        results::stateFolder(m_runFolder, limitState, withTs) + results::outputFile;
    const ValuePanel panel = buildValuePanel(results::readNumberRows(file, 5));
    // A state without a row in this run folder has no strain state (zero): the
    // report must not print the strain state of a run shown before.
    if (limitState == 0 && withTs == 0) m_zustandGzgOhneTs = panel.summary;
    else if (limitState == 0 && withTs == 1) m_zustandGzgMitTs = panel.summary;
    else if (limitState == 1) m_zustandGzt = panel.summary;
    clearLayout(layout, true);
    addPanelLabels(layout, panel.lines, Qt::Alignment());
}

void MainWindow::update_txt_t() {
    const results::KeyValues output = results::KeyValues::read(m_runFolder + results::outputFile);
    const bool sectionFailed = results::hasLineStartingWith(
        results::stateFolder(m_runFolder, 1, 0) + results::outputFile, "Querschnittsversagen");
    const CheckPanel panel = buildCheckPanel(output, sectionFailed);
    clearLayout(m_textNachweis, true);
    addPanelLabels(m_textNachweis, panel.lines, Qt::AlignCenter);
    update_Item_M_V(panel.mEd, panel.vEd);
}

void MainWindow::update_protokoll() {
    const QStringList report =
        buildDesignReport(results::KeyValues::read(m_runFolder + results::outputFile),
                          {m_zustandGzgOhneTs, m_zustandGzgMitTs, m_zustandGzt});
    m_protokoll->clear();
    m_protokoll->setFont(QFont("Courier", 9));
    for (const QString &piece : report) m_protokoll->insertPlainText(piece);
}
