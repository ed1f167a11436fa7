#include "run/batch_mode.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>
#include <cstring>
#include <iostream>

#include "report/report_document.h"
#include "results/design_report.h"
#include "results/run_outcome.h"
#include "results/verdict_texts.h"
#include "window/mainwindow.h"

namespace {

const char *const batchOption = "--batch";
const char *const pdfOption = "--pdf";
// Set in the environment, the batch mode reports on standard error how
// long writing the PDF took, its pages and its size.
const char *const timingVariable = "NORVEL_REPORT_TIMING";

// Exit codes: every check erfuellt; a check nicht_erfuellt or nicht_ermittelt;
// an input or engine error.
const int allChecksFulfilled = 0;
const int checksNotFulfilled = 2;
const int inputOrEngineError = 1;

// Only real errors of Qt reach standard error; the debug traces and the
// warnings of the off-screen platform would hide the engine's messages.
void keepCriticalMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

void printErrors(const QStringList &messages) {
    for (const QString &message : messages) std::cerr << message.toStdString() << '\n';
}

}  // namespace

// Drives one window through the steps of a calculation.
class BatchRun {
public:
    explicit BatchRun(MainWindow &window) : window_(window) {}

    // Calculates the design file; with a PDF path the report is written
    // there as a document, otherwise printed on standard output.
    int run(const QString &designFile, const QString &pdfPath) {
        const QFileInfo file(designFile);
        if (!file.isFile() || !file.isReadable()) {
            std::cerr << "Datei kann nicht gelesen werden: " << designFile.toStdString() << '\n';
            return 1;
        }
        // A target that cannot be written is reported before the calculation.
        const QString target = pdfPath.isEmpty() ? QString() : report::pdfTargetProblem(pdfPath);
        if (!target.isEmpty()) {
            std::cerr << target.toStdString() << '\n';
            return 1;
        }
        // Messages of the start values do not concern this design.
        window_.clearMessageLog();
        window_.oeffnen(designFile.toStdString());
        // A rejected value would leave the form's previous value in its place.
        if (!window_.messageLog().isEmpty()) {
            printErrors(window_.messageLog());
            return 1;
        }
        // The report names the design file as given on the command line.
        window_.m_dateiName = designFile.toStdString();
        window_.merkeGespeichert();
        bool succeeded = false;
        QObject::connect(&window_, &MainWindow::berechnungAbgeschlossen,
                         [&succeeded]() { succeeded = true; });
        // Values outside their ranges are the engine's to report: its
        // messages are the batch mode's output.
        window_.startCalculation(false);
        waitForEngine();

        // The engine's messages are printed; a message of a run that ended
        // with its success line (the missing minimum reinforcement) is a
        // result, which the verdicts below carry.
        printErrors(window_.messageLog());
        if (!succeeded) return inputOrEngineError;
        if (pdfPath.isEmpty()) {
            std::cout << window_.m_protokoll->toPlainText().toStdString() << std::endl;
        } else if (!writePdf(designFile, pdfPath)) {
            return inputOrEngineError;
        }
        const results::RunResults run = results::RunResults::read(window_.m_runFolder);
        if (!run.verdicts().present()) {
            std::cerr << "Nachweise " << results::verdictsMissingText().toStdString() << '\n';
            return inputOrEngineError;
        }
        return results::RunOutcome::evaluate(run).passed() ? allChecksFulfilled : checksNotFulfilled;
    }

private:
    bool writePdf(const QString &designFile, const QString &pdfPath) {
        QElapsedTimer timer;
        timer.start();
        const std::string &runFolder = window_.m_runFolder;
        const report::ReportDocument document(report::ReportSource{
            runFolder, designFile, calculationTime(runFolder), QDateTime::currentDateTime()});
        QString error;
        if (!document.writePdf(pdfPath, &error)) {
            std::cerr << error.toStdString() << '\n';
            return false;
        }
        if (qEnvironmentVariableIsSet(timingVariable)) {
            const double seconds = timer.nsecsElapsed() / 1e9;
            const QSizeF area = report::reportPageLayout().paintRect(QPageLayout::Point).size();
            std::cerr << "PDF: " << document.pageCount(area) << " Seiten, " << QFileInfo(pdfPath).size()
                      << " Bytes, " << seconds << " s\n";
        }
        return true;
    }

    void waitForEngine() {
        QProcess *process = window_.m_process;
        if (!process || window_.m_startButton->isEnabled()) return;
        QEventLoop loop;
        QObject::connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished),
                         &loop, &QEventLoop::quit);
        QObject::connect(process, &QProcess::errorOccurred, &loop, [&loop](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart) loop.quit();
        });
        loop.exec();
    }

    MainWindow &window_;
};

bool isBatchCommandLine(int argc, char *argv[]) {
    return argc >= 2 && std::strcmp(argv[1], batchOption) == 0;
}

int runBatchMode(int argc, char *argv[]) {
    // The window is never shown: no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepCriticalMessages);
    QApplication app(argc, argv);
    const bool withPdf = argc == 5 && std::strcmp(argv[3], pdfOption) == 0;
    if (argc != 3 && !withPdf) {
        std::cerr << "Aufruf: Norvel --batch DATEI [--pdf AUSGABE.pdf]\n"
                     "Rückgabewert: 0 alle Nachweise erfüllt, 2 ein Nachweis nicht erfüllt "
                     "oder nicht ermittelt,\n"
                     "1 Fehler in der Eingabe oder im Rechenprogramm\n";
        return inputOrEngineError;
    }
    MainWindow::setQuietMessages(true);
    MainWindow window;
    return BatchRun(window).run(QString::fromLocal8Bit(argv[2]),
                                withPdf ? QString::fromLocal8Bit(argv[4]) : QString());
}
