#include "support/test_support.h"

#ifdef _WIN32
#include <process.h>
#else
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "io/number_format.h"
#include "io/run_sequence.h"

namespace fs = std::filesystem;

namespace {
// A value that is no finite number reaching a result file is a programming
// error (every stage checks its values first): in the tests it is fatal.
const bool strictNumbers = (setNonFiniteNumbers(NonFiniteNumbers::Abort), true);
}  // namespace

namespace testsupport {

TempFolder::TempFolder() {
#ifdef _WIN32
    static unsigned counter = 0;
    const std::string base = (fs::temp_directory_path() / "norvel_test_").string();
    for (int attempt = 0; attempt < 1000 && path_.empty(); ++attempt) {
        const std::string name = base + std::to_string(_getpid()) + "_" + std::to_string(++counter);
        std::error_code ec;
        if (fs::create_directory(name, ec)) path_ = name + "/";
    }
#else
    std::string pattern = (fs::temp_directory_path() / "norvel_test_XXXXXX").string();
    char *made = mkdtemp(pattern.data());
    path_ = std::string(made ? made : pattern.c_str()) + "/";
#endif
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string &path, const std::string &content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

std::vector<std::string> readLines(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

std::string exampleInput() { return readFile(std::string(NORVEL_DATA_SOURCE_DIR) + "/inputstart.txt"); }

std::string replaceLine(const std::string &input, const std::string &keyword,
                        const std::string &line) {
    std::istringstream in(input);
    std::string result, current;
    while (std::getline(in, current)) {
        std::istringstream words(current);
        std::string first;
        words >> first;
        result += (first == keyword ? line : current) + "\n";
    }
    return result;
}

EngineRun runEngine(const TempFolder &work, const std::string &input, int runNumber) {
    return runEngine(work, input, std::to_string(runNumber));
}

EngineRun runEngine(const TempFolder &work, const std::string &input,
                    const std::string &runFolderName) {
    EngineRun run;
    run.runFolder = work.path() + runFolderName + "/";
    fs::create_directories(run.runFolder);
    writeFile(run.runFolder + "input.txt", input);
    return runEngineWith(work, "", run);
}

std::string shellQuoted(const std::string &word) {
#ifdef _WIN32
    return "\"" + word + "\"";
#else
    return "'" + word + "'";
#endif
}

EngineRun runEngineWith(const TempFolder &work, const std::string &arguments, EngineRun run) {
    const std::string outFile = work.path() + "stdout.log";
    const std::string errFile = work.path() + "stderr.log";
    run.exitCode = startEngine(STALVORA_EXE, work.path(), outFile, errFile, "", arguments);
    run.out = readFile(outFile);
    run.err = readFile(errFile);
    fs::remove(outFile);
    fs::remove(errFile);
    return run;
}

int startEngine(const std::string &program, const std::string &workFolder,
                const std::string &outFile, const std::string &errFile, const std::string &cwd,
                const std::string &arguments) {
    const std::string args = arguments.empty() ? std::string() : " " + arguments;
#ifdef _WIN32
    // cmd.exe strips the outer quotes of the whole line and keeps the inner ones.
    _putenv_s("STALVORA_WORK_DIR", workFolder.c_str());
    const std::string command = "\"" + (cwd.empty() ? "" : "cd /d \"" + cwd + "\" && ") + "\"" +
                                program + "\"" + args + " >\"" + outFile + "\" 2>\"" + errFile + "\"\"";
    return std::system(command.c_str());
#else
    const std::string command = (cwd.empty() ? "" : "cd '" + cwd + "' && ") +
                                "STALVORA_WORK_DIR='" + workFolder + "' '" + program + "'" + args + " >'" +
                                outFile + "' 2>'" + errFile + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

EngineRun runInProcess(const TempFolder &work, const std::string &input,
                       const std::string &runFolderName) {
    EngineRun run;
    run.runFolder = work.path() + runFolderName + "/";
    fs::create_directories(run.runFolder);
    writeFile(run.runFolder + "input.txt", input);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    runInWorkFolder(work.path());
    run.err = testing::internal::GetCapturedStderr();
    run.out = testing::internal::GetCapturedStdout();
    run.exitCode = 0;
    return run;
}

}  // namespace testsupport
