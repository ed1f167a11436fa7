#pragma once
// Readers of the engine's result files. The files are line oriented: white
// space separates the fields, "." is the decimal point, and a line counts only
// when every requested field parses. A file that cannot be opened reads as
// an empty file, so a missing result simply leaves its views empty.
#include <map>
#include <string>
#include <vector>

namespace results {

using NumberRow = std::vector<double>;

// The first `count` numbers of every line that holds at least that many
// numbers at its start, in file order. Header lines, empty lines and text
// lines such as the failure line are skipped; further columns are ignored.
std::vector<NumberRow> readNumberRows(const std::string &path, int count);

// Labelled values of the run folder's output.txt ("label<TAB>number" lines).
// A label that occurs more than once keeps its last value; a label that never
// occurs reads as 0.
class KeyValues {
public:
    static KeyValues read(const std::string &path);

    double value(const std::string &key) const;

private:
    std::map<std::string, double> values_;
};

// True when some line of the file begins with the given word.
bool hasLineStartingWith(const std::string &path, const std::string &word);

// Folder of one analysed state below the run folder (with trailing separator):
// limitState 0 serviceability, 1 ultimate limit state; withTs 0 without,
// 1 with tension stiffening. Any other value leaves that piece out.
std::string stateFolder(const std::string &runFolder, int limitState, int withTs);

// File names below the run folder and below a state folder.
extern const char *const outputFile;
extern const char *const interactionFile;
extern const char *const concreteStressFile;
extern const char *const reinforcementStressFile;
extern const char *const steelStressFile;

}  // namespace results
