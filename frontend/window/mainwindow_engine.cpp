// Engine run of MainWindow: checking the fields, the new run folder with its
// input file, starting Stalvora2, its console output, and the results refresh
// after a successful run or for the last calculation.
#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "results/minimum_panel.h"
#include "run/engine_output.h"
#include "run/engine_process.h"
#include "files/design.h"
#include "window/mainwindow.h"
#include "window/shear_connector_group.h"
#include "widgets/numberedit.h"
#include "platform/platform.h"
#include "protocol/run_folders.h"
#include "results/run_outcome.h"
#include "window/run_status.h"
#include "window/window_actions.h"

namespace {

// Appends the text as a new paragraph, always as plain text; nothing for
// no text (a chunk of echo lines only).
void appendParagraph(QTextEdit *console, const QString &text) {
    if (text.isEmpty()) return;
    QTextCursor cursor(console->document());
    cursor.movePosition(QTextCursor::End);
    if (!console->document()->isEmpty()) cursor.insertBlock();
    cursor.insertText(text);
}

}  // namespace

void MainWindow::onButtonClicked() { startCalculation(true); }

// A field that cannot be used stops the run before anything changes: the
// message lists every such field by its symbol and group, and the console
// keeps the previous run's output.
void MainWindow::startCalculation(bool checkRanges) {
    QStringList probleme;
    const bool duebel = m_verbundmittel->partialConnection();
    for (NumberEdit *feld : qAsConst(m_eingabeFelder)) {
        const NumberEdit::State zustand = feld->state();
        if (zustand == NumberEdit::State::Ok) continue;
        // The studs count only for a design with partial connection.
        if (!duebel && design::fieldNamed(feld->objectName().toStdString())->stud) continue;
        if (zustand == NumberEdit::State::OutOfRange && !checkRanges) continue;
        probleme << m_feldNamen.value(feld) + ": " + feld->problem();
    }
    if (!probleme.isEmpty()) {
        showCritical("Fehler", QString::fromUtf8("Die Berechnung wurde nicht gestartet. "
                                                 "Bitte diese Eingaben prüfen:\n") +
                                   probleme.join('\n'));
        return;
    }

    m_konsole->clear();
    m_runStatus->clear();
    m_pendingWarnings.clear();
    m_zustandGzgOhneTs = StateSummary();
    m_zustandGzgMitTs = StateSummary();
    m_zustandGzt = StateSummary();

    m_runFolder = protocol::nextRunFolder(platform::workFolder());
    m_runFolderPath = QString::fromStdString(platform::pathToUtf8(m_runFolder));
    speichern(m_runFolderPath, 1);
    // Without its input file the engine would calculate the previous run
    // folder again and report success for a design that was never written.
    if (!QFile::exists(m_runFolderPath + protocol::inputFile)) return;
    m_shownRun.calculationStarted(formStand(), m_document.fileHolding(formStand()));
    profilsucheVermerken();
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
    setStartEnabled(false);
    process->startEngine();
}

void MainWindow::engineStopped(QProcess *process) {
    if (m_process == process) m_process = nullptr;
    // A run that ended without results still says what the engine warned of.
    showPendingWarnings();
    process->deleteLater();
    setStartEnabled(true);
}

void MainWindow::setStartEnabled(bool enabled) {
    m_startButton->setEnabled(enabled);
    m_actions->action(WindowActions::Berechnen)->setEnabled(enabled);
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
    if (!chunk.report.errorLines.isEmpty()) {
        // The status bar keeps the reason after the message box is closed.
        m_runStatus->showOutcome(RunStatus::refusedText(chunk.report.errorLines.first()));
        showCritical("Fehler", chunk.report.errorLines.join(QLatin1Char('\n')));
    }
    // Missing minimum reinforcement: the engine goes on and finishes the run;
    // the warning waits for its results and then names their numbers.
    m_pendingWarnings << chunk.report.warningLines;
    // Success is no message: the outcome appears in the status bar.
    if (chunk.report.succeeded) {
        m_shownRun.calculationShown(m_runFolder);
        refreshResults();
        emit berechnungAbgeschlossen();
        showPendingWarnings();
    }
}

void MainWindow::showPendingWarnings() {
    const QStringList warnings = m_pendingWarnings;
    m_pendingWarnings.clear();
    if (warnings.isEmpty()) return;
    const results::RunResults run = results::RunResults::read(m_runFolder);
    const results::MinimumInput input = results::minimumInputOf(m_runFolder);
    for (const QString &warnung : warnings)
        showWarning("Warnung", warnung == QString::fromUtf8(minimumReinforcementWarning)
                                   ? results::minimumWarningText(warnung, run, input)
                                   : warnung);
}

void MainWindow::oeffnenLetzteClicked() {
    if (!confirmUnsavedChanges()) return;
    const std::string workFolder = platform::workFolder();
    protocol::RunFolder newest;
    if (!protocol::newestRunFolder(workFolder, newest)) {
        showInformation("letzte Berechnung", "Es liegt noch keine Berechnung vor.");
        return;
    }
    // The folder by its name as it stands on disk ("007" stays "007").
    const std::string runFolder = protocol::latestRunFolder(workFolder);
    // A refused input file leaves the form as it was (one message): the run's
    // results are then not shown beside a design they do not belong to. A run
    // folder without an input file still shows what it holds.
    // The form reads UTF-8 names; the run folder is in the platform's encoding.
    const std::string eingabe = platform::pathToUtf8(runFolder + protocol::inputFile);
    if (!oeffnen(eingabe) && QFile::exists(QString::fromStdString(eingabe))) return;
    m_runFolder = runFolder;
    m_shownRun.runShown(runFolder, formStand(), m_document.fileHolding(formStand()));
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
    updateMinimumPanel();
    update_protokoll();
    m_runStatus->showOutcome(results::RunOutcome::read(m_runFolder).statusText());
    m_runStatus->setInputChanged(m_shownRun.inputChanged(formStand()));
}
