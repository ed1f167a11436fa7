#pragma once
// Drives the input side of a MainWindow in tests: widgets by their member
// names, private slots through the meta-object, small file helpers.
#include <QString>

class MainWindow;
class NumberEdit;
class QCheckBox;
class QComboBox;

namespace formdriver {

NumberEdit *field(MainWindow &window, const char *name);
QComboBox *selector(MainWindow &window, const char *name);
QCheckBox *checkBox(MainWindow &window, const char *name);

// Calls a slot without arguments, e.g. "neuClicked".
bool invoke(MainWindow &window, const char *slot);
// speichern(path, mode) and oeffnen(path).
bool save(MainWindow &window, const QString &path, int mode = 0);
bool open(MainWindow &window, const QString &path);

// The example design shipped as the start values, read from the build folder.
QString exampleInputText();
// The text with the keyword line of `keyword` replaced by `line`.
QString withLine(const QString &text, const QString &keyword, const QString &line);

QString readText(const QString &path);
bool writeText(const QString &path, const QString &text);

}  // namespace formdriver
