#include "run/engine_process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/platform.h"

namespace {

// "Stalvora2.exe" on Windows: a name without it is no executable file there.
QString engineName() { return QString::fromStdString(platform::engineProgramName()); }

QString &programOverride() {
    static QString program;
    return program;
}

}  // namespace

EngineProcess::EngineProcess(QObject *parent) : QProcess(parent) {}

QString EngineProcess::engineProgram() {
    if (!programOverride().isEmpty()) return programOverride();
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(engineName());
    if (QFileInfo(beside).isExecutable()) return beside;
    const QString onPath = QStandardPaths::findExecutable(engineName());
    return onPath.isEmpty() ? beside : onPath;
}

void EngineProcess::setEngineProgram(const QString &program) { programOverride() = program; }

void EngineProcess::startEngine() {
    program_ = engineProgram();
    start(program_, QStringList());
}

void EngineProcess::startEngine(const std::string &runFolder) {
    program_ = engineProgram();
    start(program_, QStringList{QString::fromStdString(platform::pathToUtf8(runFolder))});
}

EngineChunk EngineProcess::takeOutput() {
    const QByteArray error = readAllStandardError();
    EngineChunk chunk;
    chunk.errorText = decodeEngineText(error);
    chunk.outputText = progressLines_.add(readAllStandardOutput());
    chunk.report = errorLines_.add(error);
    if (state() == QProcess::NotRunning) {
        const QString lastOutput = progressLines_.finish();
        if (!lastOutput.isEmpty())
            chunk.outputText += (chunk.outputText.isEmpty() ? QString() : QStringLiteral("\n")) + lastOutput;
        const EngineReport last = errorLines_.finish();
        chunk.report.errorLines << last.errorLines;
        chunk.report.warningLines << last.warningLines;
        chunk.report.succeeded = chunk.report.succeeded || last.succeeded;
    }
    return chunk;
}
