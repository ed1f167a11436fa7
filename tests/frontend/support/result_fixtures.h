#pragma once
// Helpers for tests that work on result folders: fixture paths, writing small
// files, copying a fixture run folder into a temporary work folder.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>

namespace fixtures {

// Folder below tests/frontend/fixtures, with a trailing "/".
std::string folder(const QString &relative);

// Writes the bytes to the file, creating missing folders.
void writeFile(const QString &path, const QByteArray &content);

// Copies a folder tree; false when something could not be copied.
bool copyFolder(const QString &from, const QString &to);

// Every place where the text shows a zero as a value: a 0 (or 0.0) standing
// alone before a unit ("0kNm", "0 kN", "0mm²", "0‰", "0N/mm²") or after "="
// ("= 0" not followed by more digits). Empty when there is none.
QStringList zerosShownAsValues(const QString &text);

// Lines of the check panel for the worked-example run folder
// (fixtures/results/worked_example): partly plastic, shear force -80 kN.
QStringList workedExampleCheckPanel();

}  // namespace fixtures
