#include "example_design.h"

#include <stdlib.h>

#include <filesystem>

#include "io/input_reader.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace benchexample {

QuietConsole::QuietConsole()
    : out_(std::cout.rdbuf(&null_)), err_(std::cerr.rdbuf(&null_)) {}

QuietConsole::~QuietConsole() {
    std::cout.rdbuf(out_);
    std::cerr.rdbuf(err_);
    std::cout.clear();
    std::cerr.clear();
}

ExampleFolder::ExampleFolder() {
    std::string pattern = (fs::temp_directory_path() / "norvel_bench_XXXXXX").string();
    if (!mkdtemp(pattern.data())) return;
    root_ = pattern;
    work_ = root_ + "/";
    ready_ = makeRunFolder();
}

bool ExampleFolder::makeRunFolder() {
    std::error_code ec;
    fs::create_directories(runFolder(), ec);
    return !ec && fs::copy_file(platform::findDataFile("inputstart.txt"),
                                runFolder() + "/input.txt", ec);
}

bool ExampleFolder::nextRunFolder() {
    std::error_code ec;
    fs::remove_all(runFolder(), ec);
    ++run_;
    return makeRunFolder();
}

ExampleFolder::~ExampleFolder() {
    std::error_code ec;
    if (!root_.empty()) fs::remove_all(root_, ec);
}

ExampleCalculation::ExampleCalculation() {
    if (!folder_.ready()) return;
    QuietConsole quiet;
    input_.runFolder = folder_.runFolder();
    writer_ = std::make_unique<ResultWriter>(input_.runFolder);
    ready_ = readInput(input_);
    if (ready_) calc_ = std::make_unique<Calculation>(input_, *writer_);
}

}  // namespace benchexample
