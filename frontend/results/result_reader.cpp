#include "results/result_reader.h"

#include <fstream>
#include <locale>
#include <sstream>

#include "platform/platform.h"

namespace results {

const char *const outputFile = "output.txt";
const char *const interactionFile = "V_M_beziehung.txt";
const char *const concreteStressFile = "spannung_c.txt";
const char *const reinforcementStressFile = "spannung_s.txt";
const char *const steelStressFile = "spannung_a.txt";

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
    if (limitState == 0) folder += "Gebrauchstauglichkeit" + sep;
    else if (limitState == 1) folder += "Tragfaehigkeitkeit" + sep;
    if (withTs == 0) folder += "spannung_ohne_ts" + sep;
    else if (withTs == 1) folder += "spannung_mit_ts" + sep;
    return folder;
}

}  // namespace results
