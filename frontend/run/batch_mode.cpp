#include "run/batch_mode.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPageLayout>
#include <QRectF>
#include <cstring>
#include <iostream>
#include <memory>

#include "files/design_choices.h"
#include "files/design_file.h"
#include "platform/platform.h"
#include "protocol/console_lines.h"
#include "report/report_document.h"
#include "results/design_report.h"
#include "results/run_outcome.h"
#include "results/verdict_texts.h"
#include "run/command_line.h"
#include "run/design_run.h"

namespace {

const char *const pdfOption = "--pdf";
// Set in the environment, the batch mode reports on standard error how
// long writing the PDF took, its pages and its size.
const char *const timingVariable = "NORVEL_REPORT_TIMING";

// Exit codes, those of the engine: every check erfuellt; a check
// nicht_erfuellt or nicht_ermittelt; an input or engine error.
const int allChecksFulfilled = protocol::exitCompleted;
const int checksNotFulfilled = protocol::exitCheckNotMet;
const int inputOrEngineError = protocol::exitError;

// Only real errors of Qt reach standard error; the debug traces and the
// warnings of the off-screen platform would hide the engine's messages.
void keepCriticalMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

void printErrors(const QStringList &messages) {
    for (const QString &message : messages) std::cerr << message.toStdString() << '\n';
}

bool writePdf(const std::string &runFolder, const QString &designFile, const QString &pdfPath) {
    QElapsedTimer timer;
    timer.start();
    const report::ReportDocument document(
        report::ReportSource{runFolder, designFile, calculationTime(runFolder), QDateTime::currentDateTime()});
    QString error;
    if (!document.writePdf(pdfPath, &error)) {
        std::cerr << error.toStdString() << '\n';
        return false;
    }
    if (qEnvironmentVariableIsSet(timingVariable)) {
        const double seconds = timer.nsecsElapsed() / 1e9;
        const QSizeF area = report::reportPageLayout().paintRect(QPageLayout::Point).size();
        std::cerr << "PDF: " << document.pageCount(area) << " Seiten, " << QFileInfo(pdfPath).size() << " Bytes, "
                  << seconds << " s\n";
    }
    return true;
}

// Calculates the design file; with a PDF path the report is written there as
// a document, otherwise printed on standard output.
int runBatch(const QString &designFile, const QString &pdfPath) {
    const QFileInfo file(designFile);
    if (!file.isFile() || !file.isReadable()) {
        std::cerr << "Datei kann nicht gelesen werden: " << designFile.toStdString() << '\n';
        return inputOrEngineError;
    }
    // A target that cannot be written is reported before the calculation.
    const QString target = pdfPath.isEmpty() ? QString() : report::pdfTargetProblem(pdfPath);
    if (!target.isEmpty()) {
        std::cerr << target.toStdString() << '\n';
        return inputOrEngineError;
    }
    // The whole file is checked against what the form offers, as "Öffnen" does.
    const designfile::ReadResult read = designfile::read(designFile.toStdString(), designchoices::choices());
    if (!read.ok) {
        std::cerr << designfile::faultMessage(read, designFile.toStdString()) << '\n';
        return inputOrEngineError;
    }
    design::Design design = read.design;
    // A rolled section is calculated with the plates of its table row.
    designchoices::takeProfilePlates(design);
    // Values outside their ranges are the engine's to report: its messages
    // are the batch mode's output.
    const DesignRun run = runDesign(design, platform::workFolder());
    // The engine's messages are printed; a message of a run that ended with
    // its success line (the missing minimum reinforcement) is a result,
    // which the verdicts below carry.
    printErrors(run.messages);
    if (!run.succeeded) return inputOrEngineError;
    // The report names the design file as given on the command line.
    if (pdfPath.isEmpty()) {
        std::cout << designReportText(run.runFolder, designFile, calculationTime(run.runFolder)).toStdString()
                  << std::endl;
    } else if (!writePdf(run.runFolder, designFile, pdfPath)) {
        return inputOrEngineError;
    }
    const results::RunResults result = results::RunResults::read(run.runFolder);
    if (!result.verdicts().present()) {
        std::cerr << "Nachweise " << results::verdictsMissingText().toStdString() << '\n';
        return inputOrEngineError;
    }
    return results::RunOutcome::evaluate(result).passed() ? allChecksFulfilled : checksNotFulfilled;
}

}  // namespace

int runBatchMode(int argc, char *argv[]) {
    qInstallMessageHandler(keepCriticalMessages);
    const bool withPdf = argc == 5 && std::strcmp(argv[3], pdfOption) == 0;
    // The report text needs no GUI at all. The PDF's figures are painted by
    // the plot library, whose plots are widgets: a GUI application on the
    // off-screen platform, so that no display is needed. No window is built.
    std::unique_ptr<QCoreApplication> app;
    if (withPdf) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    if (argc != 3 && !withPdf) {
        std::cerr << commandline::usageText();
        return inputOrEngineError;
    }
    return runBatch(QString::fromLocal8Bit(argv[2]), withPdf ? QString::fromLocal8Bit(argv[4]) : QString());
}
