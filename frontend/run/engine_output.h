#pragma once
// The engine's console protocol as the front end reads it (the markers are
// those of protocol/console_lines.h). The engine writes Windows-1252 bytes;
// errors and the success line come on standard error. Output arrives in chunks that may end inside a line, so the
// markers are searched in complete lines only: a marker split across two
// chunks is found once, when its line is complete.
#include <QByteArray>
#include <QString>
#include <QStringList>

// Text of engine output bytes (Windows-1252, e.g. 0xDF is "ß").
QString decodeEngineText(const QByteArray &bytes);

// The engine reports missing minimum reinforcement with its error marker,
// then goes on and finishes the calculation: for the user it is a warning
// with this text.
extern const char *const minimumReinforcementWarning;  // "Mindestbewehrung nicht vorhanden: ..."

// What the complete standard-error lines of a chunk report.
struct EngineReport {
    QStringList errorLines;    // lines holding the error marker, in order
    QStringList warningLines;  // warnings, as the user reads them
    bool succeeded = false;  // a line holds the success text
};

// Collects standard error into complete lines.
class EngineErrorLines {
public:
    // Adds a chunk; reports the lines that it completes.
    EngineReport add(const QByteArray &chunk);
    // The process has ended: a last line without line end counts as well.
    EngineReport finish();
    bool hasPendingLine() const { return !pending_.isEmpty(); }

private:
    EngineReport scan(const QList<QByteArray> &lines) const;

    QByteArray pending_;
};

// Collects standard output into complete lines and keeps the progress lines
// for the console (protocol::isProgressLine); the echo lines of the input
// and derived values stay in the engine's record, off the user's console.
class EngineProgressLines {
public:
    // Adds a chunk; the progress lines it completes, decoded, one per line.
    QString add(const QByteArray &chunk);
    // The process has ended: a last line without line end counts as well.
    QString finish();
    bool hasPendingLine() const { return !pending_.isEmpty(); }

private:
    static QString progressText(const QList<QByteArray> &lines);

    QByteArray pending_;
};
