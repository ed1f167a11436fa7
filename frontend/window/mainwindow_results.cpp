// Result text panels and the design report of MainWindow, rebuilt from the
// run folder's files at every refresh.
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "results/design_report.h"
#include "results/minimum_panel.h"
#include "window/mainwindow.h"
#include "results/result_panels.h"
#include "results/result_reader.h"

namespace {

void addPanelLabels(QVBoxLayout *layout, const QVector<PanelLine> &lines, Qt::Alignment alignment) {
    for (const PanelLine &line : lines) {
        auto *label = new QLabel;
        label->setTextFormat(line.isRichText() ? Qt::RichText : Qt::PlainText);
        label->setText(line.labelText());
        label->setStyleSheet(line.style);
        label->setWordWrap(true);  // long captions wrap inside the 150 px value columns
        if (alignment) label->setAlignment(alignment);
        layout->addWidget(label);
    }
    layout->update();
}

}  // namespace

void MainWindow::update_txt(QVBoxLayout *layout, int limitState, int withTs) {
    const results::AnalysedState state = results::analysedState(limitState, withTs);
    const ValuePanel panel = buildValuePanel(results::RunResults::read(m_runFolder), state);
    // A state without a row in this run folder has no strain state (zero): the
    // report must not print the strain state of a run shown before.
    if (limitState == 0 && withTs == 0) m_zustandGzgOhneTs = panel.summary;
    else if (limitState == 0 && withTs == 1) m_zustandGzgMitTs = panel.summary;
    else if (limitState == 1) m_zustandGzt = panel.summary;
    clearLayout(layout, true);
    addPanelLabels(layout, panel.lines, Qt::Alignment());
}

void MainWindow::update_txt_t() {
    const CheckPanel panel = buildCheckPanel(results::RunResults::read(m_runFolder));
    clearLayout(m_textNachweis, true);
    addPanelLabels(m_textNachweis, panel.lines, Qt::AlignCenter);
    if (panel.actionsKnown) update_Item_M_V(panel.mEd, panel.vEd);
}

void MainWindow::updateMinimumPanel() {
    const results::RunResults run = results::RunResults::read(m_runFolder);
    clearLayout(m_textMindestbewehrung, true);
    addPanelLabels(m_textMindestbewehrung,
                   results::buildMinimumPanel(run, results::minimumInputOf(m_runFolder)), Qt::Alignment());
    // One line each across the page: wrapped labels would ask for the height
    // of a narrow column.
    for (int i = 0; i < m_textMindestbewehrung->count(); ++i)
        if (auto *label = qobject_cast<QLabel *>(m_textMindestbewehrung->itemAt(i)->widget()))
            label->setWordWrap(false);
}

void MainWindow::update_protokoll() {
    // A fixed-width font that has ‰, ϰ, ≤, ² and γ.
    QFont font("DejaVu Sans Mono", 9);
    font.setStyleHint(QFont::Monospace);
    m_protokoll->setFont(font);
    // Tabs every eight characters, as a terminal shows the batch output:
    // measured in the report font on the device that draws it (the widget's
    // own metrics are those of the window font until it is polished).
    const QFontMetricsF reportMetrics(font, m_protokoll->viewport());
    m_protokoll->setTabStopDistance(8 * reportMetrics.horizontalAdvance(QLatin1Char(' ')));
    // The run shown: after a calculation that failed, the run before it.
    const std::string &runFolder = m_shownRun.runFolder();
    m_protokoll->setPlainText(designReportText(runFolder, m_shownRun.designFile(), calculationTime(runFolder),
                                               m_shownRun.designFileChanged(), false, &m_projektangaben));
    m_protokoll->moveCursor(QTextCursor::Start);
}
