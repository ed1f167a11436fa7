#include "results/result_reader.h"

#include <fstream>
#include <locale>
#include <sstream>

#include "platform/platform.h"
#include "protocol/result_files.h"

namespace results {

namespace {

// Calls `handle` with a classic-locale stream over each line of the file.
template <typename LineHandler>
void forEachLine(const std::string &path, LineHandler handle) {
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        fields.imbue(std::locale::classic());
        handle(fields);
    }
}

}  // namespace

std::vector<NumberRow> readNumberRows(const std::string &path, int count) {
    std::vector<NumberRow> rows;
    forEachLine(path, [&rows, count](std::istringstream &fields) {
        NumberRow row(count > 0 ? static_cast<std::size_t>(count) : 0);
        for (double &number : row)
            if (!(fields >> number)) return;
        rows.push_back(row);
    });
    return rows;
}

KeyValues KeyValues::read(const std::string &path) {
    KeyValues result;
    forEachLine(path, [&result](std::istringstream &fields) {
        std::string key;
        double number = 0.0;
        if (fields >> key >> number) result.values_[key] = number;
    });
    return result;
}

double KeyValues::value(const std::string &key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? 0.0 : found->second;
}

std::optional<double> KeyValues::find(const std::string &key) const {
    const auto found = values_.find(key);
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

bool KeyValues::has(const std::string &key) const { return values_.count(key) != 0; }

bool hasLineStartingWith(const std::string &path, const std::string &word) {
    bool found = false;
    forEachLine(path, [&found, &word](std::istringstream &fields) {
        std::string first;
        if (fields >> first && first == word) found = true;
    });
    return found;
}

std::string stateFolder(const std::string &runFolder, int limitState, int withTs) {
    const std::string &sep = platform::separator();
    std::string folder = runFolder;
    if (limitState == 0) folder += protocol::serviceabilityFolder + sep;
    else if (limitState == 1) folder += protocol::ultimateFolder + sep;
    if (withTs == 0) folder += protocol::withoutTsFolder + sep;
    else if (withTs == 1) folder += protocol::withTsFolder + sep;
    return folder;
}

}  // namespace results
