// Fuzz harness: the front end's reading of result files. The input is one
// result file; it is read the way the panels, plots and report read theirs.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <optional>
#include <string>
#include <vector>

#include "results/result_reader.h"
#include "results/shear_connection_result.h"

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const std::string &message) {
    std::fprintf(stderr, "fuzz check failed: %s\n", message.c_str());
    std::fflush(stderr);
    std::abort();
}

const std::string &resultFile() {
    static const std::string path = [] {
        std::string pattern = (fs::temp_directory_path() / "norvel_fuzz_XXXXXX").string();
        if (!mkdtemp(pattern.data())) fail("cannot create the harness folder");
        // Removed at exit; the path outlives every static destructor.
        static const std::string *const folder = new std::string(pattern);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(*folder, ec);
        });
        return pattern + "/output.txt";
    }();
    return path;
}

const char *const engineLabels[] = {
    "V_pl_Rd", "V_ed", "M_min_el", "kappa_min_el", "Zna", "M_max_el", "M_min_pl", "M_max_pl",
    "A_s,min", "A_svor", "r", "t_f1", "h", "h_c", "b_e", "A_a", "I_c", "f_ck", "_f_cd", "f_yd",
    "E_s", "M_Ed_t", "V_Ed_t", "M_Ed_g", "V_Ed_g"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::string &path = resultFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << text;
    }
    // Rows of the interaction file (3), the state files (5, 6) and the zone files (7, 12).
    for (const int count : {-1, 0, 1, 3, 5, 6, 7, 11, 12}) {
        for (const results::NumberRow &row : results::readNumberRows(path, count)) {
            if (row.size() != static_cast<std::size_t>(count > 0 ? count : 0))
                fail("row of " + std::to_string(row.size()) + " numbers for " +
                     std::to_string(count));
            for (const double v : row)
                if (!std::isfinite(v)) fail("a number that is not finite in a row");
        }
    }
    // Labelled values, and the first word of every line as a label.
    const results::KeyValues values = results::KeyValues::read(path);
    std::set<std::string> firstWords;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string word;
        if (words >> word) firstWords.insert(word);
    }
    for (const char *label : engineLabels)
        if (!std::isfinite(values.value(label))) fail(std::string("value of ") + label);
    int checked = 0;
    for (const std::string &word : firstWords) {
        if (++checked > 50) break;  // each look-up reads the whole file
        if (!std::isfinite(values.value(word))) fail("value of " + word);
        if (!results::hasLineStartingWith(path, word)) fail("no line starting with " + word);
    }
    // The row of Verduebelung.txt: eight columns, each a finite number or missing.
    std::vector<std::optional<double>> connection;
    for (std::istringstream rows(text); std::getline(rows, line);)
        if (results::parseConnectionRow(line, connection) &&
            (connection.size() != 8 || !std::all_of(connection.begin(), connection.end(),
                                                    [](auto v) { return !v || std::isfinite(*v); })))
            fail("connection row");
    for (const int limitState : {-1, 0, 1, 2})
        for (const int withTs : {-1, 0, 1, 2})
            if (results::stateFolder(path, limitState, withTs).rfind(path, 0) != 0)
                fail("state folder outside the run folder");
    return 0;
}
