#include "support/test_support.h"

#include <sys/wait.h>

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
    std::string pattern = (fs::temp_directory_path() / "norvel_test_XXXXXX").string();
    char *made = mkdtemp(pattern.data());
    path_ = std::string(made ? made : pattern.c_str()) + "/";
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
    const std::string runFolder = work.path() + runFolderName + "/";
    fs::create_directories(runFolder);
    writeFile(runFolder + "input.txt", input);
    EngineRun run = runEngineWith(work, "");
    run.runFolder = runFolder;
    return run;
}

EngineRun runEngineWith(const TempFolder &work, const std::string &arguments) {
    EngineRun run;
    const std::string outFile = work.path() + "stdout.log";
    const std::string errFile = work.path() + "stderr.log";
    const std::string command = "STALVORA_WORK_DIR='" + work.path() + "' '" + STALVORA_EXE + "' " + arguments +
                                " >'" + outFile + "' 2>'" + errFile + "'";
    const int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readFile(outFile);
    run.err = readFile(errFile);
    fs::remove(outFile);
    fs::remove(errFile);
    return run;
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
