#include "search/profile_search.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>

#include "files/design_choices.h"
#include "files/profile_table.h"
#include "platform/platform.h"
#include "protocol/input_lines.h"
#include "run/design_run.h"
#include "run/engine_process.h"

using profilesearch::Candidate;
using profilesearch::SearchRow;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// A folder of Qt as a path of the platform layer, with its trailing separator.
std::string platformPath(const QString &folder) {
    return QFile::encodeName(QDir::toNativeSeparators(folder)).toStdString() + platform::separator();
}

// The design with the profile of the table in place of its own section:
// every other line of the design stays as it is.
design::Design withProfile(const design::Design &design, const Candidate &profile) {
    design::Design variant = design;
    variant.Profiltyp = protocol::input::rolledProfile;
    variant.Profilname = profile.name.toStdString();
    designchoices::setProfilePlates(variant, profile.dimensions);
    return variant;
}

}  // namespace

ProfileSearch::ProfileSearch(QObject *parent) : QObject(parent) {}

ProfileSearch::~ProfileSearch() { stopEngines(); }

int ProfileSearch::engineLimit() { return std::max(1, QThread::idealThreadCount()); }

bool ProfileSearch::start(const design::Design &design, profilesearch::Series series) {
    if (running_) cancel();
    design_ = design;
    series_ = series;
    rows_.clear();
    runFolders_.clear();
    next_ = 0;
    finished_ = 0;
    cancelled_ = false;
    error_.clear();
    candidates_ = profilesearch::candidates(profiletable::tablePath(), series);
    if (candidates_.empty()) {
        error_ = u("Die Profiltabelle enthält kein Profil der ") + profilesearch::seriesCaption(series) + ".";
        return false;
    }
    // The numbers every run needs, but the plates: those come from the table.
    QStringList missing;
    for (const design::FieldInfo *field : design::missingValues(withProfile(design, candidates_.front())))
        missing << QString::fromStdString(design::label(*field)) + u(": leeres Feld");
    if (!missing.isEmpty()) {
        error_ = u("Die Profilsuche wurde nicht gestartet. Bitte diese Eingaben prüfen:\n") + missing.join('\n');
        return false;
    }
    // In memory where the system has such a folder: the engines' result
    // files are read once and removed.
    const std::string memory = platform::memoryFolder();
    const QString base = memory.empty() ? QDir::tempPath() : QString::fromStdString(platform::pathToUtf8(memory));
    folder_ = std::make_unique<QTemporaryDir>(QDir(base).filePath(u("norvel-profilsuche-XXXXXX")));
    if (!folder_->isValid()) {
        error_ = u("Der temporäre Ordner der Profilsuche kann nicht angelegt werden: ") + folder_->errorString();
        folder_.reset();
        return false;
    }
    for (std::size_t i = 0; i < candidates_.size(); ++i) {
        SearchRow row;
        row.profile = candidates_[i].name;
        row.kg_m = candidates_[i].kg_m;
        rows_.push_back(row);
        runFolders_.push_back(platformPath(folder_->filePath(QString::number(i + 1))));
    }
    running_ = true;
    emit progress(0, static_cast<int>(rows_.size()));
    launchNext();
    return true;
}

bool ProfileSearch::runToEnd(const design::Design &design, profilesearch::Series series) {
    if (!start(design, series)) return false;
    if (running_) {
        QEventLoop loop;
        connect(this, &ProfileSearch::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return error_.isEmpty();
}

void ProfileSearch::launchNext() {
    const int total = static_cast<int>(rows_.size());
    while (running_ && next_ < total && static_cast<int>(engines_.size()) < engineLimit()) {
        const int index = next_++;
        const QString folder = QString::fromStdString(platform::pathToUtf8(runFolders_[index]));
        if (!writeRunInput(withProfile(design_, candidates_[index]), folder)) {
            error_ = u("Die Eingabedatei der Profilsuche kann nicht geschrieben werden: ") + folder;
            cancel();
            return;
        }
        auto *engine = new EngineProcess(this);
        engines_.push_back(engine);
        // The progress lines of standard output are not needed here.
        engine->setStandardOutputFile(QProcess::nullDevice());
        connect(engine, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
                [this, engine, index](int, QProcess::ExitStatus status) {
                    engineEnded(engine, index, status != QProcess::NormalExit);
                });
        connect(engine, &QProcess::errorOccurred, this, [this, engine](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart || !running_) return;
            error_ = u("Das Rechenprogramm \"Stalvora2\" konnte nicht gestartet werden:\n") + engine->startedProgram();
            cancel();
        });
        engine->startEngine(runFolders_[index]);
    }
}

void ProfileSearch::engineEnded(EngineProcess *engine, int index, bool crashed) {
    engines_.erase(std::remove(engines_.begin(), engines_.end(), engine), engines_.end());
    engine->deleteLater();
    if (!running_) return;
    EngineErrorLines lines;
    EngineReport report = lines.add(engine->readAllStandardError());
    const EngineReport last = lines.finish();
    report.errorLines << last.errorLines;
    report.succeeded = report.succeeded || last.succeeded;
    if (crashed) report.errorLines << u("Rechenprogramm abgebrochen");
    rows_[index] = profilesearch::finishedRow(candidates_[index], runFolders_[index], design_.M_t.value_or(0.0),
                                              report.succeeded && !crashed, report.errorLines);
    // Read: the run folder is no longer needed.
    QDir(QString::fromStdString(platform::pathToUtf8(runFolders_[index]))).removeRecursively();
    ++finished_;
    emit rowFinished(index);
    emit progress(finished_, static_cast<int>(rows_.size()));
    if (finished_ == static_cast<int>(rows_.size()))
        finish();
    else
        launchNext();
}

void ProfileSearch::cancel() {
    if (!running_) return;
    cancelled_ = error_.isEmpty();
    stopEngines();
    finish();
}

void ProfileSearch::stopEngines() {
    const std::vector<EngineProcess *> engines = engines_;
    engines_.clear();
    for (EngineProcess *engine : engines) {
        disconnect(engine, nullptr, this, nullptr);
        if (engine->state() != QProcess::NotRunning) {
            engine->kill();
            // A killed engine ends at once; its run folder is removed next.
            engine->waitForFinished(3000);
        }
        engine->deleteLater();
    }
}

void ProfileSearch::finish() {
    running_ = false;
    folder_.reset();  // removes the temporary work folder with every run folder
    emit finished();
}

bool ProfileSearch::nothingCalculated() const {
    if (rows_.empty() || finished_ < static_cast<int>(rows_.size())) return false;
    return std::none_of(rows_.begin(), rows_.end(), [](const SearchRow &row) { return row.calculated; });
}
