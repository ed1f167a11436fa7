#include "run/design_run.h"

#include <QDir>
#include <QFile>

#include "files/design_file.h"
#include "platform/platform.h"
#include "protocol/run_folders.h"
#include "run/engine_process.h"

namespace {

// The engine's standard error, line by line in order: each error line and
// each warning a message of its own, as the window shows them.
void takeReport(const QByteArray &standardError, DesignRun &run) {
    EngineErrorLines lines;
    for (const QByteArray &line : standardError.split('\n')) {
        const EngineReport report = lines.add(line + '\n');
        if (!report.errorLines.isEmpty()) run.messages << report.errorLines.join(QLatin1Char('\n'));
        run.messages << report.warningLines;
        run.succeeded = run.succeeded || report.succeeded;
    }
}

bool writeInput(const design::Design &design, const QString &folder) {
    if (!QDir().mkpath(folder)) return false;
    QFile file(QDir(folder).filePath(protocol::inputFile));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const std::string text = designfile::text(design);
    return file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
           file.flush();
}

}  // namespace

DesignRun runDesign(const design::Design &design, const std::string &workFolder) {
    DesignRun run;
    QStringList missing;
    for (const design::FieldInfo *field : design::missingValues(design))
        missing << QString::fromStdString(design::label(*field)) + QString::fromUtf8(": leeres Feld");
    if (!missing.isEmpty()) {
        run.messages << QString::fromUtf8("Die Berechnung wurde nicht gestartet. Bitte diese Eingaben prüfen:\n") +
                            missing.join('\n');
        return run;
    }
    run.runFolder = protocol::nextRunFolder(workFolder);
    // Without its input file the engine has nothing to calculate.
    if (!writeInput(design, QString::fromStdString(platform::pathToUtf8(run.runFolder)))) {
        run.messages << QString::fromUtf8("Schreiben der Datei ist fehlgeschlagen!");
        return run;
    }
    EngineProcess engine;
    // The progress lines of standard output are not needed here.
    engine.setStandardOutputFile(QProcess::nullDevice());
    engine.startEngine(run.runFolder);
    if (!engine.waitForStarted(-1)) {
        run.messages << "Das Rechenprogramm \"Stalvora2\" konnte nicht gestartet werden:\n" + engine.startedProgram();
        return run;
    }
    // Every loop of the engine has a maximum count: it ends on its own.
    engine.waitForFinished(-1);
    takeReport(engine.readAllStandardError(), run);
    if (engine.exitStatus() == QProcess::NormalExit) run.exitCode = engine.exitCode();
    return run;
}
