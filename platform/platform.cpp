#include "platform/platform.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <thread>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
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

// Windows accepts "/" as a separator too (a work folder given as C:/Temp/x/).
static bool endsWithSeparator(const std::string &path) {
    if (path.empty()) return false;
#ifdef _WIN32
    if (path.back() == '/') return true;
#endif
    return path.back() == separator().back();
}

static std::string withTrailingSeparator(std::string path) {
    if (!endsWithSeparator(path)) path += separator();
    return path;
}

// A narrow path as the C library opens it. On Windows the narrow text is in
// the ANSI code page (getenv, GetModuleFileNameA, fopen); the library's
// path(std::string) would read its bytes as Latin-1 instead.
static fs::path toPath(const std::string &narrow) {
#ifdef _WIN32
    if (narrow.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, narrow.data(), static_cast<int>(narrow.size()),
                                      nullptr, 0);
    if (n <= 0) return fs::path(narrow);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, narrow.data(), static_cast<int>(narrow.size()), wide.data(), n);
    return fs::path(wide);
#else
    return fs::path(narrow);
#endif
}

// A path's last part as the narrow text the C library opens. On Windows that
// is the ANSI code page, as getenv and GetModuleFileNameA give it; the
// library's path::string() gives UTF-8 instead, which a later open of a name
// with an umlaut would not find.
static std::string narrowName(const fs::path &path) {
#ifdef _WIN32
    const std::wstring wide = path.filename().native();
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string narrow(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), narrow.data(), n,
                        nullptr, nullptr);
    return narrow;
#else
    return path.filename().string();
#endif
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
    fs::directory_iterator it(toPath(folder), ec);
    if (ec) return false;
    for (const fs::directory_entry &e : it) {
        DirEntry entry;
        entry.name = narrowName(e.path());
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
    const fs::path folder = toPath(path);
    if (fs::is_directory(folder, ec)) return true;
    return fs::create_directory(folder, ec);
}

std::string pathToUtf8(const std::string &path) {
#ifdef _WIN32
    return toPath(path).u8string();
#else
    return path;
#endif
}

const std::string &engineProgramName() {
#ifdef _WIN32
    static const std::string name = "Stalvora2.exe";
#else
    static const std::string name = "Stalvora2";
#endif
    return name;
}

void useBinaryConsole() {
#ifdef _WIN32
    std::fflush(stdout);
    std::fflush(stderr);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

void waitMilliseconds(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::string executableFolder() {
#ifdef _WIN32
    char buffer[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (n == 0 || n == MAX_PATH) return {};
    // Cut the text itself: a round trip through fs::path would return the
    // folder in UTF-8, which the ANSI open calls do not find.
    const std::string exe(buffer, n);
    const std::size_t cut = exe.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : exe.substr(0, cut + 1);
#else
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return withTrailingSeparator(exe.parent_path().string());
#endif
}

std::string findDataFile(const std::string &name) {
    const auto isFile = [](const std::string &path) {
        std::error_code ec;
        return fs::is_regular_file(toPath(path), ec);
    };
    if (isFile(name)) return name;
    const std::string beside = executableFolder();
    if (!beside.empty() && isFile(beside + name)) return beside + name;
    // Installed tree <prefix>/bin and <prefix>/share/norvel, wherever the prefix was moved.
    const std::string relocated = beside + ".." + separator() + "share" + separator() + "norvel" + separator() + name;
    if (!beside.empty() && isFile(relocated)) return relocated;
#ifdef NORVEL_DATA_DIR
    const std::string installed = withTrailingSeparator(NORVEL_DATA_DIR) + name;
    if (isFile(installed)) return installed;
#endif
    return name;
}

}  // namespace platform
