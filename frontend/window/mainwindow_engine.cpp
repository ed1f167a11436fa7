// Engine run of MainWindow: checking the fields, the new run folder with its
// input file, starting Stalvora2, its console output, and the results refresh
// after a successful run or for the last calculation.
#include <QFile>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "run/engine_process.h"
#include "window/mainwindow.h"
#include "widgets/numberedit.h"
#include "platform/platform.h"
#include "files/run_folder.h"

namespace {

// Appends the text as a new paragraph, always as plain text.
void appendParagraph(QTextEdit *console, const QString &text) {
    QTextCursor cursor(console->document());
    cursor.movePosition(QTextCursor::End);
    if (!console->document()->isEmpty()) cursor.insertBlock();
    cursor.insertText(text);
}

}  // namespace

void MainWindow::onButtonClicked() {
    m_konsole->clear();
    m_zustandGzgOhneTs = StateSummary();
    m_zustandGzgMitTs = StateSummary();
    m_zustandGzt = StateSummary();

    for (NumberEdit *feld : qAsConst(m_eingabeFelder)) {
        if (feld->text().isEmpty()) {
            showCritical("Fehler", "Leeres Feld: " + m_feldNamen.value(feld));
            return;
        }
        if (!feld->isValid()) {
            showCritical("Fehler", QString::fromUtf8("Ungültiges Feld: ") + m_feldNamen.value(feld));
            return;
        }
    }

    m_runFolder = nextRunFolder(platform::workFolder());
    m_runFolderPath = QString::fromStdString(m_runFolder);
    speichern(m_runFolderPath, 1);
    // Without its input file the engine would calculate the previous run
    // folder again and report success for a design that was never written.
    if (!QFile::exists(m_runFolderPath + "input.txt")) return;
    startEngine();
}

void MainWindow::startEngine() {
    auto *process = new EngineProcess;
    m_process = process;
    connect(process, SIGNAL(readyReadStandardOutput()), this, SLOT(processOutput()));
    connect(process, SIGNAL(readyReadStandardError()), this, SLOT(processOutput()));
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this, process]() {
                if (process->hasUnfinishedLine()) processOutput();
                engineStopped(process);
            });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        showCritical("Fehler", "Das Rechenprogramm \"Stalvora2\" konnte nicht gestartet werden:\n" +
                                   process->startedProgram());
        engineStopped(process);
    });
    // One engine at a time: a second run would mix its output and its run
    // folder with the first.
    m_startButton->setEnabled(false);
    process->startEngine();
}

void MainWindow::engineStopped(QProcess *process) {
    if (m_process == process) m_process = nullptr;
    process->deleteLater();
    m_startButton->setEnabled(true);
}

void MainWindow::processOutput() {
    auto *process = qobject_cast<EngineProcess *>(sender());
    if (!process) process = qobject_cast<EngineProcess *>(m_process);
    if (!process) return;
    // Take everything first: a message box below runs its own event loop, in
    // which the process may finish and be released.
    const EngineChunk chunk = process->takeOutput();
    appendParagraph(m_konsole, chunk.errorText);
    appendParagraph(m_konsole, chunk.outputText);
    if (!chunk.report.errorLines.isEmpty())
        showCritical("Fehler", chunk.report.errorLines.join(QLatin1Char('\n')));
    if (chunk.report.succeeded) {
        showInformation(QString(), engineSuccessLine);
        refreshResults();
    }
}

void MainWindow::oeffnenLetzteClicked() {
    const std::string runFolder = latestRunFolder(platform::workFolder());
    oeffnen(runFolder + "input.txt");
    m_runFolder = runFolder;
    refreshResults();
}

// Every view re-reads the run folder. The report comes last because it
// prints the strain states that the value panels store.
void MainWindow::refreshResults() {
    emit werteGeaendert();
    update_graph_s(m_plotSpannungGzgOhneTs, m_plotDehnungGzgOhneTs, 0, 0);
    update_graph_s(m_plotSpannungGzgMitTs, m_plotDehnungGzgMitTs, 0, 1);
    update_graph_s(m_plotSpannungGzt, m_plotDehnungGzt, 1, 0);
    update_txt(m_textGzt, 1, 0);
    update_txt(m_textGzgOhneTs, 0, 0);
    update_txt(m_textGzgMitTs, 0, 1);
    update_protokoll();
}
