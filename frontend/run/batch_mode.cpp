#include "run/batch_mode.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>
#include <cstring>
#include <iostream>

#include "window/mainwindow.h"

namespace {

const char *const batchOption = "--batch";

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

    int run(const QString &designFile) {
        const QFileInfo file(designFile);
        if (!file.isFile() || !file.isReadable()) {
            std::cerr << "Datei kann nicht gelesen werden: " << designFile.toStdString() << '\n';
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
        bool succeeded = false;
        QObject::connect(&window_, &MainWindow::berechnungAbgeschlossen,
                         [&succeeded]() { succeeded = true; });
        // Values outside their ranges are the engine's to report: its
        // messages are the batch mode's output.
        window_.startCalculation(false);
        waitForEngine();

        const QStringList errors = window_.messageLog();
        if (succeeded) std::cout << window_.m_protokoll->toPlainText().toStdString() << std::endl;
        printErrors(errors);
        return succeeded && errors.isEmpty() ? 0 : 1;
    }

private:
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
    if (argc != 3) {
        std::cerr << "Aufruf: Norvel --batch DATEI\n";
        return 1;
    }
    MainWindow::setQuietMessages(true);
    MainWindow window;
    return BatchRun(window).run(QString::fromLocal8Bit(argv[2]));
}
