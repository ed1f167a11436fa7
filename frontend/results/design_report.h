#pragma once
// The design report "BEMESSUNGSPROTOKOLL": a head naming the design file,
// the time of the calculation, the profile, the materials and the partial
// factors; then the input geometry and materials as the engine echoed them,
// section areas, the strain state of each analysed state, the minimum
// reinforcement and the two ultimate-limit-state checks. Values the engine
// did not compute read "nicht ermittelt" with the reason. Needs no window:
// the tab "Protokoll", the batch mode and printing build the same text.
#include <QDateTime>
#include <QString>
#include <QPair>
#include <QStringList>
#include <QVector>
#include <optional>
#include <string>

#include "files/design.h"
#include "results/run_results.h"

struct ReportHead {
    QString designFile;  // the saved design file; empty when not saved
    QDateTime time;      // when the run was calculated
    std::optional<design::Design> input;  // the run folder's input.txt
    bool designFileChanged = false;  // the file no longer holds the run's input
    // A document that prints the title, the project, the design file and
    // the time in its own title block: the text leaves them out, so the head
    // appears once.
    bool titleBlock = false;
    design::ProjectHead project;  // "Projekt", "Position", "Bauteil", "Bearbeiter", remark
    QString profileChoice;  // how the profile was chosen; empty when by hand
};

// How the report names its design file: "nicht gespeichert", the path, or
// the path followed by " (nach der Berechnung geändert)" once the file holds
// other values than the run's input.
QString designFileText(const QString &designFile, bool changedAfterRun);

// The rows of the head a title block shows, label and value: the project
// head (the remark only when given; a field not filled in reads "nicht
// angegeben"), the design file and the time of the calculation.
QVector<QPair<QString, QString>> titleBlockRows(const ReportHead &head);

// The run folder's input.txt as the front end wrote it, as far as it reads;
// nothing when missing.
std::optional<design::Design> readRunInput(const std::string &runFolder);

// The note of a profile taken from the profile search, kept in the run
// folder beside its input; empty when there is none.
QString readProfileChoice(const std::string &runFolder);
bool writeProfileChoice(const std::string &runFolder, const QString &note);

// When the engine wrote the run folder's output.txt; invalid when missing.
QDateTime calculationTime(const std::string &runFolder);

// The head lines, each a piece that begins with a line end, inserted after
// the title.
QStringList reportHeadLines(const ReportHead &head);

// The report as the pieces that are inserted one after another into the
// report box; joined they give the whole report text. Without a head the
// title is followed directly by the input.
QStringList buildDesignReport(const results::RunResults &run);
QStringList buildDesignReport(const results::RunResults &run, const ReportHead &head);

// The whole report of a run folder with its head; for a document with its
// own title block without the title and the rows of titleBlockRows. The
// project head is the one given, else that of the run's input file.
QString designReportText(const std::string &runFolder, const QString &designFile,
                         const QDateTime &time, bool designFileChanged = false, bool titleBlock = false,
                         const design::ProjectHead *project = nullptr);

// The project head of a report: the one given, else the run's input file's.
design::ProjectHead reportProjectHead(const std::string &runFolder, const design::ProjectHead *given);
