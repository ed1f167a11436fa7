#include "protocol/verdict_files.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <locale>
#include <sstream>
#include <vector>

namespace protocol {

namespace {
const char *const verdictNames[] = {"nachweis", "E_d", "R_d", "eta", "ergebnis", "grundlage"};
const char *const class3Names[] = {"groesse", "wert"};
static_assert(std::size(verdictNames) == verdict::columnCount, "one name per column");
static_assert(std::size(class3Names) == class3::columnCount, "one name per column");

// A number, or "-" for none; false for anything else.
bool parseNumber(const std::string &text, std::optional<double> &value) {
    if (text == verdict::noNumber) {
        value.reset();
        return true;
    }
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    double v = 0.0;
    if (!(in >> v) || !in.eof() || !std::isfinite(v)) return false;
    value = v;
    return true;
}
}  // namespace

const Columns verdict::columns = {verdictNames, std::size(verdictNames)};
const Columns class3::columns = {class3Names, std::size(class3Names)};

namespace verdict {

const char *resultWord(Result result) {
    switch (result) {
    case Result::Fulfilled: return fulfilled;
    case Result::NotFulfilled: return notFulfilled;
    case Result::NotDetermined: return notDetermined;
    case Result::NotGoverning: return notGoverning;
    }
    return notDetermined;
}

bool parseResult(const std::string &word, Result &result) {
    for (Result r : {Result::Fulfilled, Result::NotFulfilled, Result::NotDetermined, Result::NotGoverning})
        if (word == resultWord(r)) {
            result = r;
            return true;
        }
    return false;
}

bool parseRow(const std::string &text, Row &row) {
    std::string line = text;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
    if (fields.size() != columnCount || fields[grundlage].empty()) return false;
    Row read;
    if (!parseNumber(fields[E_d], read.E_d) || !parseNumber(fields[R_d], read.R_d) ||
        !parseNumber(fields[eta], read.eta) || !parseResult(fields[ergebnis], read.result))
        return false;
    read.check = fields[nachweis];
    read.basis = fields[grundlage];
    row = read;
    return true;
}

bool readOverall(const std::string &path, Result &result) {
    std::ifstream file(path, std::ios::binary);
    bool found = false;
    for (std::string line; std::getline(file, line);) {
        Row row;
        if (parseRow(line, row) && row.check == overall) {
            result = row.result;
            found = true;
        }
    }
    return found;
}

}  // namespace verdict

}  // namespace protocol
