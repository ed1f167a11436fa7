#include "engine_harness.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <locale>
#include <sstream>
#include <vector>

#include "io/number_format.h"
#include "io/run_sequence.h"

namespace fs = std::filesystem;

namespace fuzzharness {

namespace {

const char *const success = "Berechnung wurde erfolgreich abgeschlossen";
const char *const minimumReinforcementMessage =
    "FEHLERMELDUNG: Mindestbewehurng nicht vorhanden: Spannungsermittlung unter "
    "Beruecksichtigung von Tension Stiffening ergibt keine eindeutige Loesung";

std::string readText(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeText(const std::string &path, const std::string &content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out) fail("cannot write " + path);
}

std::vector<std::string> linesOf(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

void checkProtocol(const std::string &err) {
    const std::vector<std::string> lines = linesOf(err);
    if (lines.empty()) fail("no line on standard error");
    if (err.back() != '\n') fail("last line on standard error without line end");
    if (lines.back() == success) {
        for (std::size_t i = 0; i + 1 < lines.size(); ++i)
            if (lines[i] != minimumReinforcementMessage || i > 0)
                fail("a successful run carries the line: " + lines[i]);
        return;
    }
    if (lines.size() != 1) fail("more than one line on standard error without success:\n" + err);
    if (lines[0].rfind("FEHLERMELDUNG", 0) != 0) fail("an error line without FEHLERMELDUNG: " + err);
}

// A word that a stream writes for a value that is no finite number.
bool nonFiniteWord(std::string word) {
    for (char &c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!word.empty() && (word[0] == '-' || word[0] == '+')) word.erase(0, 1);
    return word.rfind("nan", 0) == 0 || word.rfind("inf", 0) == 0;
}

void checkFilesFinite(const std::string &runFolder) {
    for (const auto &entry : fs::recursive_directory_iterator(runFolder)) {
        if (!entry.is_regular_file() || entry.path().filename() == "input.txt") continue;
        std::istringstream words(readText(entry.path().string()));
        std::string word;
        while (words >> word)
            if (nonFiniteWord(word)) fail("non-finite value '" + word + "' in " + entry.path().string());
    }
}

// Header and one row of six finite numbers, or only the failure line.
void checkStateFile(const std::string &path) {
    const std::string text = readText(path);
    if (text == "Querschnittsversagen \n") return;
    const std::vector<std::string> lines = linesOf(text);
    if (lines.size() != 2) fail("state file without exactly one row: " + path + "\n" + text);
    std::istringstream row(lines[1]);
    row.imbue(std::locale::classic());
    int count = 0;
    double value = 0.0;
    while (row >> value) ++count;
    if (count != 6 || !row.eof()) fail("state row without six numbers: " + path + "\n" + text);
}

struct Folders {
    std::string root, work;
};

const Folders &folders() {
    static const Folders f = [] {
        // A value that is no finite number reaching a file is a programming error.
        setNonFiniteNumbers(NonFiniteNumbers::Abort);
        std::string pattern = (fs::temp_directory_path() / "norvel_fuzz_XXXXXX").string();
        if (!mkdtemp(pattern.data())) fail("cannot create the harness folder");
        Folders made{pattern + "/", pattern + "/work/"};
        fs::create_directories(made.work + "1");
        for (const char *table : {"IProfile.txt", "Materialeigenschaften.txt"})
            writeText(made.root + table, shippedTable(table));
        // Removed at exit; the path outlives the static folders, which may be
        // destroyed before the exit handlers run.
        static const std::string *const removeAtExit = new std::string(made.root);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(*removeAtExit, ec);
        });
        return made;
    }();
    return f;
}

}  // namespace

void fail(const std::string &message) {
    std::fprintf(stderr, "fuzz check failed: %s\n", message.c_str());
    std::fflush(stderr);
    std::abort();
}

const std::string &harnessFolder() { return folders().root; }

std::string shippedTable(const std::string &name) {
    const std::string text = readText(std::string(NORVEL_DATA_SOURCE_DIR) + "/" + name);
    if (text.empty()) fail("shipped table missing: " + name);
    return text;
}

void writeTable(const std::string &name, const std::string &content) {
    writeText(harnessFolder() + name, content);
}

std::string exampleInput() { return shippedTable("inputstart.txt"); }

EngineRun runAndCheck(const std::string &input) {
    const Folders &f = folders();
    EngineRun run;
    run.runFolder = f.work + "1/";
    writeText(run.runFolder + "input.txt", input);
    std::ostringstream out, err;
    std::streambuf *const oldOut = std::cout.rdbuf(out.rdbuf());
    std::streambuf *const oldErr = std::cerr.rdbuf(err.rdbuf());
    // The engine reads its tables from the current directory: the harness
    // folder during the run, the caller's again afterwards (libFuzzer keeps
    // relative paths to corpus and artifacts).
    const fs::path caller = fs::current_path();
    fs::current_path(f.root);
    runInWorkFolder(f.work);
    fs::current_path(caller);
    std::cout.rdbuf(oldOut);
    std::cerr.rdbuf(oldErr);
    run.out = out.str();
    run.err = err.str();
    checkProtocol(run.err);
    checkFilesFinite(run.runFolder);
    if (linesOf(run.err).back() == success) {
        for (const char *state : {"Tragfaehigkeitkeit/spannung_ohne_ts/",
                                  "Gebrauchstauglichkeit/spannung_ohne_ts/",
                                  "Gebrauchstauglichkeit/spannung_mit_ts/"})
            checkStateFile(run.runFolder + state + "output.txt");
    }
    return run;
}

}  // namespace fuzzharness
