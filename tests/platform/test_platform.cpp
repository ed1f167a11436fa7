// The platform layer on the system it was built for: work folder, names with
// umlauts and spaces, run folders, data files, the engine's name.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/platform.h"
#include "protocol/run_folders.h"

namespace fs = std::filesystem;

#ifdef _WIN32
const std::string ue = "\xFC";  // an umlaut as the file functions spell it: ANSI
void setWorkDir(const char *value) { _putenv_s("STALVORA_WORK_DIR", value ? value : ""); }
#else
const std::string ue = "\xC3\xBC";
void setWorkDir(const char *value) { value ? setenv("STALVORA_WORK_DIR", value, 1) : unsetenv("STALVORA_WORK_DIR"); }
#endif

TEST(Platform, WorkFolderEndsInOneSeparator) {
    const std::string sep = platform::separator();
    const struct {
        const char *configured;
        std::string expected;
    } cases[] = {
        {"/tmp/work/", "/tmp/work/"},
        {"/tmp/work", "/tmp/work" + sep},
#ifdef _WIN32
        {"C:\\Temp\\x\\", "C:\\Temp\\x\\"},
        {"C:/Temp/x/", "C:/Temp/x/"},  // no "\" after the "/"
        {nullptr, "C:\\Temp\\Stalvora_temp\\"},
#endif
    };
    for (const auto &c : cases) {
        setWorkDir(c.configured);
        EXPECT_EQ(platform::workFolder(), c.expected) << (c.configured ? c.configured : "unset");
    }
}

TEST(Platform, FoldersWithUmlautsAndSpacesAreCreatedListedAndFound) {
    const std::string sep = platform::separator();
    // Inside the build folder (the current directory), which no other build shares.
    const std::string root = (fs::current_path() / "platform_test_folders").string() + sep;
    fs::remove_all(root);
    const std::string work = root + "Pr" + ue + "fung Tr" + ue + "ger" + sep;
    ASSERT_TRUE(platform::createFolder(root) && platform::createFolder(work));
    EXPECT_TRUE(platform::createFolder(work));  // an existing folder is no error
    for (const char *run : {"3", "12", "007"}) ASSERT_TRUE(platform::createFolder(work + run));
    const std::string fileName = "Querschnittsklasse " + ue + ".txt";
    std::ofstream(work + fileName, std::ios::binary) << "abc";

    std::vector<platform::DirEntry> entries;
    ASSERT_TRUE(platform::listEntries(work, entries));
    bool fileListed = false;
    for (const auto &e : entries) fileListed |= e.name == fileName && e.size == 3 && !e.isFolder;
    EXPECT_TRUE(fileListed) << "the listed name opens the same file";
    protocol::RunFolder newest;
    ASSERT_TRUE(protocol::newestRunFolder(work, newest));
    EXPECT_EQ(newest.name, "12");
    EXPECT_TRUE(std::ifstream(work + newest.name + sep + ".." + sep + fileName).good());
    EXPECT_EQ(platform::pathToUtf8("Pr" + ue + "fung"), "Pr\xC3\xBC" "fung");
    fs::remove_all(root);
}

TEST(Platform, TablesAndEngineLieBesideTheProgram) {
    const std::string beside = platform::executableFolder();
    ASSERT_FALSE(beside.empty());
    EXPECT_EQ(beside.back(), platform::separator().back());
    // The build puts every program and the tables into one folder.
    EXPECT_TRUE(fs::exists(beside + platform::engineProgramName()));
    EXPECT_EQ(fs::path(STALVORA_EXE).filename().string(), platform::engineProgramName());
    const fs::path previous = fs::current_path();
    const fs::path elsewhere = previous / "platform_test_cwd";  // holds no tables
    fs::create_directories(elsewhere);
    fs::current_path(elsewhere);
    EXPECT_EQ(platform::findDataFile("IProfile.txt"), beside + "IProfile.txt");
    EXPECT_EQ(platform::findDataFile("keine_Tabelle.txt"), "keine_Tabelle.txt");
    fs::current_path(previous);
}
