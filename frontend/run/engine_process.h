#pragma once
// The engine Stalvora2 as a child process of the front end. One object per
// calculation; it knows which program it started and collects the engine's
// standard error into lines for the error and success markers.
#include <QProcess>
#include <QString>
#include <string>

#include "run/engine_output.h"

// Everything the engine has written since the last call.
struct EngineChunk {
    QString errorText;   // standard error, decoded
    QString outputText;  // the progress lines of standard output completed now, decoded
    EngineReport report;  // markers of the standard-error lines completed now
};

class EngineProcess : public QProcess {
    Q_OBJECT

public:
    explicit EngineProcess(QObject *parent = nullptr);

    // The engine program: Stalvora2 beside this program, else the one found
    // on PATH, else the path beside this program (the start then fails and
    // names that path). A program set with setEngineProgram comes first.
    static QString engineProgram();
    // Runs another program instead of the engine (tests use a stand-in);
    // an empty text returns to the normal search.
    static void setEngineProgram(const QString &program);

    // Starts the engine without arguments: it calculates the newest run folder.
    void startEngine();
    // Starts the engine on the given run folder (a path of the platform
    // layer), whatever folder is newest.
    void startEngine(const std::string &runFolder);
    const QString &startedProgram() const { return program_; }

    // Reads what is available now. After the process has finished, a last
    // line without line end is reported as well.
    EngineChunk takeOutput();
    // An output stream ended inside a line that has not been reported yet.
    bool hasUnfinishedLine() const { return errorLines_.hasPendingLine() || progressLines_.hasPendingLine(); }

private:
    QString program_;
    EngineErrorLines errorLines_;
    EngineProgressLines progressLines_;
};
