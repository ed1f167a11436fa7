#pragma once
// The profile search: one design calculated with every rolled profile of a
// series. Each profile gets a run folder of its own in a temporary work
// folder, holding the design's input file with only the profile changed
// (written as a normal calculation writes it); the engine calculates that
// folder, at most as many engines at a time as the machine has cores. The
// rows are read back through the front end's readers as soon as each engine
// ends, so every result is the one a normal run of that profile gives. The
// temporary folder lies in memory where the system offers one
// (platform::memoryFolder), else in the system's temporary folder; each run
// folder is removed once read, the whole folder when the search ends or is
// stopped. The user's work folder is never touched. Asynchronous: the caller's event loop
// keeps running (the window stays responsive); runToEnd() waits in a local
// event loop for callers without a window.
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "files/design.h"
#include "search/search_rows.h"

class EngineProcess;
class QTemporaryDir;

class ProfileSearch : public QObject {
    Q_OBJECT

public:
    explicit ProfileSearch(QObject *parent = nullptr);
    ~ProfileSearch() override;

    // Starts the search of the design with the profiles of the series from
    // the profile table. False, with error() set and nothing started, when
    // a number the run needs is missing, the series has no profile or the
    // temporary folder cannot be made.
    bool start(const design::Design &design, profilesearch::Series series);
    // Stops the engines still running and removes the temporary folder;
    // rows not finished stay open. Emits finished().
    void cancel();
    // Starts and waits in a local event loop until the search has ended.
    bool runToEnd(const design::Design &design, profilesearch::Series series);

    bool running() const { return running_; }
    bool cancelled() const { return cancelled_; }
    profilesearch::Series series() const { return series_; }
    // One row per profile, lightest first; filled as the engines end.
    const std::vector<profilesearch::SearchRow> &rows() const { return rows_; }
    int finishedCount() const { return finished_; }
    // Why the search could not start or ended early ("" when it did not).
    const QString &error() const { return error_; }
    // No run completed: every engine reported an error (its first one is error()).
    bool nothingCalculated() const;

    // Engines at a time: the cores of the machine, at least one.
    static int engineLimit();

signals:
    void rowFinished(int index);
    void progress(int finished, int total);
    void finished();

private:
    void launchNext();
    void engineEnded(EngineProcess *engine, int index, bool crashed);
    void stopEngines();
    void finish();

    design::Design design_;
    profilesearch::Series series_ = profilesearch::Series::All;
    std::vector<profilesearch::Candidate> candidates_;
    std::vector<profilesearch::SearchRow> rows_;
    std::vector<std::string> runFolders_;
    std::vector<EngineProcess *> engines_;
    std::unique_ptr<QTemporaryDir> folder_;
    int next_ = 0;
    int finished_ = 0;
    bool running_ = false;
    bool cancelled_ = false;
    QString error_;
};
