#pragma once
// Readers of the engine's result files. The files are line oriented: white
// space separates the fields, "." is the decimal point, and a line counts only
// when every requested field parses. A file that cannot be opened reads as
// an empty file, so a missing result simply leaves its views empty.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace results {

using NumberRow = std::vector<double>;

// The first `count` numbers of every line that holds at least that many
// numbers at its start, in file order. Header lines, empty lines and text
// lines such as the failure line are skipped; further columns are ignored.
std::vector<NumberRow> readNumberRows(const std::string &path, int count);

// Labelled values of the run folder's output.txt ("label<TAB>number" lines).
// A label that occurs more than once keeps its last value. The labels are
// the keys of protocol/result_files.h. value() reads a
// label that never occurs as 0; find() and has() tell a missing label from a
// written 0, so that a result the engine did not compute is not shown as one.
class KeyValues {
public:
    static KeyValues read(const std::string &path);

    double value(const std::string &key) const;
    std::optional<double> find(const std::string &key) const;
    bool has(const std::string &key) const;
    bool empty() const { return values_.empty(); }

private:
    std::map<std::string, double> values_;
};

// True when some line of the file begins with the given word.
bool hasLineStartingWith(const std::string &path, const std::string &word);

// Folder of one analysed state below the run folder (with trailing separator):
// limitState 0 serviceability, 1 ultimate limit state; withTs 0 without,
// 1 with tension stiffening. Any other value leaves that piece out. The
// file and folder names are those of protocol/result_files.h.
std::string stateFolder(const std::string &runFolder, int limitState, int withTs);

}  // namespace results
