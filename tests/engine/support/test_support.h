#pragma once
// Helpers for engine tests: a temporary work folder, file access, and running
// the real engine program on an input text.
#include <string>
#include <vector>

namespace testsupport {

// A fresh, empty temporary folder that is removed again at destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    const std::string &path() const { return path_; }  // with trailing '/'
private:
    std::string path_;
};

std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &content);
std::vector<std::string> readLines(const std::string &path);

// The example design shipped in data/inputstart.txt.
std::string exampleInput();
// Replaces the whole keyword line that begins with `keyword` by `line`.
std::string replaceLine(const std::string &input, const std::string &keyword,
                        const std::string &line);

struct EngineRun {
    std::string out;  // standard output
    std::string err;  // standard error
    int exitCode = -1;
    std::string runFolder;  // with trailing '/'
};

// Writes `input` as input.txt into run folder `runNumber` of a work folder and
// runs Stalvora2 there (current directory: the build folder with the tables).
EngineRun runEngine(const TempFolder &work, const std::string &input, int runNumber = 1);
// The same in the run folder of the given name.
EngineRun runEngine(const TempFolder &work, const std::string &input,
                    const std::string &runFolderName);

// A path or word quoted for the shell that startEngine uses.
std::string shellQuoted(const std::string &word);
// Stalvora2 with the given arguments (quoted with shellQuoted) in a work
// folder whose run folders the caller prepared; `run` filled in and returned.
EngineRun runEngineWith(const TempFolder &work, const std::string &arguments, EngineRun run = {});

// Starts `program` through the shell (cmd.exe on Windows) with STALVORA_WORK_DIR = `workFolder`, in `cwd`
// when given, with the arguments; output into the files; the exit code, -1 when it did not end normally.
int startEngine(const std::string &program, const std::string &workFolder,
                const std::string &outFile, const std::string &errFile,
                const std::string &cwd = "", const std::string &arguments = "");

// The same run inside the test process (tables from the current directory),
// so that a value that is no finite number reaching a file aborts the test.
EngineRun runInProcess(const TempFolder &work, const std::string &input,
                       const std::string &runFolderName = "1");

}  // namespace testsupport
