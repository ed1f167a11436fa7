#include "search/search_mode.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cstring>
#include <iostream>

#include "files/design_choices.h"
#include "files/design_file.h"
#include "protocol/console_lines.h"
#include "run/command_line.h"
#include "search/profile_search.h"

namespace {

const char *const seriesOption = "--series";
const char *const csvOption = "--csv";


QString u(const char *text) { return QString::fromUtf8(text); }

void keepCriticalMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

struct Arguments {
    QString designFile;
    QString series = QStringLiteral("all");
    QString csv;
};

// FILE, then each option once, in any order.
bool parseArguments(int argc, char *argv[], Arguments &arguments) {
    if (argc < 3 || argv[2][0] == '-') return false;
    arguments.designFile = QString::fromLocal8Bit(argv[2]);
    bool seriesGiven = false, csvGiven = false;
    for (int i = 3; i < argc; i += 2) {
        if (i + 1 >= argc) return false;
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        if (std::strcmp(argv[i], seriesOption) == 0 && !seriesGiven) {
            arguments.series = value;
            seriesGiven = true;
        } else if (std::strcmp(argv[i], csvOption) == 0 && !csvGiven && !value.isEmpty()) {
            arguments.csv = value;
            csvGiven = true;
        } else {
            return false;
        }
    }
    return true;
}

// Why the CSV file cannot be written, as far as the file system tells it.
QString csvTargetProblem(const QString &path) {
    const QFileInfo file(path);
    QString reason;
    if (file.isDir())
        reason = u("ist ein Ordner");
    else if (!QFileInfo(file.absolutePath()).exists())
        reason = u("der Ordner existiert nicht");
    else if (!QFileInfo(file.absolutePath()).isWritable() || (file.exists() && !file.isWritable()))
        reason = u("keine Schreibberechtigung");
    return reason.isEmpty() ? reason
                            : u("Die CSV-Datei kann nicht geschrieben werden: ") +
                                  QDir::toNativeSeparators(path) + " (" + reason + ")";
}

bool writeCsv(const QString &path, const QString &text) {
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

int search(const Arguments &arguments) {
    profilesearch::Series series = profilesearch::Series::All;
    if (!profilesearch::parseSeries(arguments.series, series)) {
        std::cerr << "Unbekannte Profilreihe: " << arguments.series.toStdString() << "\n" << "Aufruf:\n" << commandline::profileSearchUsage();
        return protocol::exitError;
    }
    const QFileInfo file(arguments.designFile);
    if (!file.isFile() || !file.isReadable()) {
        std::cerr << "Datei kann nicht gelesen werden: " << arguments.designFile.toStdString() << '\n';
        return protocol::exitError;
    }
    // A target that cannot be written is reported before the search.
    const QString target = arguments.csv.isEmpty() ? QString() : csvTargetProblem(arguments.csv);
    if (!target.isEmpty()) {
        std::cerr << target.toStdString() << '\n';
        return protocol::exitError;
    }
    // The whole file is checked against what the form offers, as "Öffnen" does.
    const designfile::ReadResult read =
        designfile::read(arguments.designFile.toStdString(), designchoices::choices());
    if (!read.ok) {
        std::cerr << designfile::faultMessage(read, arguments.designFile.toStdString()) << '\n';
        return protocol::exitError;
    }
    ProfileSearch profileSearch;
    if (!profileSearch.runToEnd(read.design, series)) {
        std::cerr << profileSearch.error().toStdString() << '\n';
        return protocol::exitError;
    }
    const std::vector<profilesearch::SearchRow> &rows = profileSearch.rows();
    std::cout << profilesearch::tableText(rows, series).toStdString() << std::flush;
    if (!arguments.csv.isEmpty() && !writeCsv(arguments.csv, profilesearch::csvText(rows))) {
        std::cerr << "Die CSV-Datei kann nicht geschrieben werden: "
                  << QDir::toNativeSeparators(arguments.csv).toStdString() << '\n';
        return protocol::exitError;
    }
    // Not one run completed: the design itself is refused by the engine.
    if (profileSearch.nothingCalculated()) {
        std::cerr << rows.front().reason.toStdString() << '\n';
        return protocol::exitError;
    }
    return profilesearch::lightestPassing(rows) >= 0 ? protocol::exitCompleted : protocol::exitCheckNotMet;
}

}  // namespace

int runProfileSearchMode(int argc, char *argv[]) {
    qInstallMessageHandler(keepCriticalMessages);
    QCoreApplication app(argc, argv);
    Arguments arguments;
    if (!parseArguments(argc, argv, arguments)) {
        std::cerr << "Aufruf:\n" << commandline::profileSearchUsage();
        return protocol::exitError;
    }
    return search(arguments);
}
