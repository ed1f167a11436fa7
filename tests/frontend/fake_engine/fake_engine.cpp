// Stand-in for the engine in front-end tests. It follows the script named by
// FAKE_ENGINE_SCRIPT, one command per line:
//   out:TEXT      write TEXT to standard output   ("\n" in TEXT is a line end)
//   err:TEXT      write TEXT to standard error
//   sleep:MS      wait MS milliseconds
//   results:DIR   copy the files below DIR into the newest run folder of
//                 STALVORA_WORK_DIR, as the engine would write them
// Every write is flushed at once, so the front end sees each piece separately.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

std::string unescape(const std::string &text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

void write(std::FILE *stream, const std::string &text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

fs::path newestRunFolder() {
    const char *work = std::getenv("STALVORA_WORK_DIR");
    fs::path newest;
    long long largest = -1;
    if (!work) return newest;
    std::error_code ec;
    for (const fs::directory_entry &entry : fs::directory_iterator(work, ec)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_directory() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        if (std::stoll(name) > largest) {
            largest = std::stoll(name);
            newest = entry.path();
        }
    }
    return newest;
}

}  // namespace

int main() {
    const char *scriptPath = std::getenv("FAKE_ENGINE_SCRIPT");
    if (!scriptPath) return 2;
    std::ifstream script(scriptPath, std::ios::binary);
    std::string line;
    while (std::getline(script, line)) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        const std::string command = line.substr(0, colon);
        const std::string argument = line.substr(colon + 1);
        if (command == "out") write(stdout, unescape(argument));
        else if (command == "err") write(stderr, unescape(argument));
        else if (command == "sleep") std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argument.c_str())));
        else if (command == "results")
            fs::copy(argument, newestRunFolder(),
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
    return 0;
}
