#include "platform/platform.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace platform {

const std::string &separator() {
#ifdef _WIN32
    static const std::string sep = "\\";
#else
    static const std::string sep = "/";
#endif
    return sep;
}

static std::string withTrailingSeparator(std::string path) {
    if (path.empty() || path.back() != separator().back()) path += separator();
    return path;
}

std::string workFolder() {
    const char *configured = std::getenv("STALVORA_WORK_DIR");
    if (configured && *configured) return withTrailingSeparator(configured);
#ifdef _WIN32
    return "C:\\Temp\\Stalvora_temp\\";
#else
    const char *cache = std::getenv("XDG_CACHE_HOME");
    std::string base;
    if (cache && *cache) {
        base = cache;
    } else {
        const char *home = std::getenv("HOME");
        base = std::string(home ? home : "") + "/.cache";
    }
    return withTrailingSeparator(base) + "Stalvora_temp/";
#endif
}

bool listEntries(const std::string &folder, std::vector<DirEntry> &entries) {
    entries.clear();
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return false;
    for (const fs::directory_entry &e : it) {
        DirEntry entry;
        entry.name = e.path().filename().string();
        std::error_code dirEc;
        entry.isFolder = e.is_directory(dirEc);
        if (!entry.isFolder) {
            std::error_code sizeEc;
            const std::uintmax_t size = e.file_size(sizeEc);
            entry.size = sizeEc ? 0 : size;
        }
        entries.push_back(entry);
    }
    return true;
}

bool isFolder(const std::string &path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

bool createFolder(const std::string &path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return true;
    return fs::create_directory(path, ec);
}

void waitMilliseconds(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::string executableFolder() {
#ifdef _WIN32
    char buffer[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (n == 0 || n == MAX_PATH) return {};
    return withTrailingSeparator(fs::path(std::string(buffer, n)).parent_path().string());
#else
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return withTrailingSeparator(exe.parent_path().string());
#endif
}

std::string findDataFile(const std::string &name) {
    std::error_code ec;
    if (fs::is_regular_file(name, ec)) return name;
    const std::string beside = executableFolder();
    if (!beside.empty() && fs::is_regular_file(beside + name, ec)) return beside + name;
    // Installed tree <prefix>/bin and <prefix>/share/norvel, wherever the prefix was moved.
    const std::string relocated = beside + ".." + separator() + "share" + separator() + "norvel" + separator() + name;
    if (!beside.empty() && fs::is_regular_file(relocated, ec)) return relocated;
#ifdef NORVEL_DATA_DIR
    const std::string installed = withTrailingSeparator(NORVEL_DATA_DIR) + name;
    if (fs::is_regular_file(installed, ec)) return installed;
#endif
    return name;
}

}  // namespace platform
