#pragma once
// Helpers for tests that work on result folders: fixture paths, writing small
// files, copying a fixture run folder into a temporary work folder.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <string>

class QTemporaryDir;

namespace fixtures {

// Folder below tests/frontend/fixtures, with a trailing "/".
std::string folder(const QString &relative);

// Writes the bytes to the file, creating missing folders.
void writeFile(const QString &path, const QByteArray &content);

// Copies a folder tree; false when something could not be copied.
bool copyFolder(const QString &from, const QString &to);

// A change of one run-folder file: the file below the run folder, the line
// that begins with `start` and its replacement (appended when no line begins
// so); an empty `start` replaces the whole file by the line (and writes a
// file that is missing).
struct Edit {
    QString file;
    QString start;
    QString line;
};
using Edits = QVector<Edit>;

// Copy of a fixture run folder in `dir` with the edits applied; the path with
// its trailing "/".
std::string editedRun(QTemporaryDir &dir, const QString &fixture, const Edits &edits);

// "Querschnittsklasse.txt" with the given section class in each direction
// (web class = section class, flange class 1), with the example's numbers
// (IPE 400, S355) as the engine writes them.
QString classRows(int sagging, int hogging);

// Every place where the text shows a zero as a value: a 0 (or 0.0) standing
// alone before a unit ("0kNm", "0 kN", "0mm²", "0‰", "0N/mm²") or after "="
// ("= 0" not followed by more digits). Empty when there is none.
QStringList zerosShownAsValues(const QString &text);

// Lines of the check panel for the worked-example run folder
// (fixtures/results/worked_example): its Nachweise.txt (shear force -80 kN,
// bending against M_pl,Rd(V_Ed) = 300 kNm), no cross-section classes.
QStringList workedExampleCheckPanel();

}  // namespace fixtures
