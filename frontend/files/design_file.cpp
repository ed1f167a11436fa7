#include "files/design_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "protocol/run_folders.h"

namespace designfile {

namespace {

using namespace protocol::input;
using design::ColumnMember;
using design::Design;

// A design file is a few hundred bytes; anything far larger is no design.
const std::uintmax_t largestDesignFile = 1024 * 1024;

// The actions and the minimum-reinforcement factors are numbers the form
// always writes: a file never holds "-" in their place.
bool alwaysNumber(design::Value Design::*member) { return design::fieldOf(member)->rounded; }

std::vector<std::string> words(const std::string &line) {
    std::istringstream in(line);
    std::vector<std::string> result;
    std::string word;
    while (in >> word) result.push_back(word);
    return result;
}

bool contains(const std::vector<std::string> &list, const std::string &word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

std::string quoted(const std::string &word) { return "„" + word + "“"; }

// The choices a word column must be one of.
const std::vector<std::string> *choicesOf(std::string Design::*member, const Choices &choices) {
    if (member == &Design::festig_klasse) return &choices.concreteClasses;
    if (member == &Design::klasse_s) return &choices.ductilityClasses;
    if (member == &Design::Profiltyp) return &choices.profileTypes;
    if (member == &Design::Profilname) return &choices.profileNames;
    if (member == &Design::Rippen) return &ribWords;
    return nullptr;
}

std::string notOffered(std::string Design::*member) {
    if (member == &Design::festig_klasse) return "Betonfestigkeitsklasse ungültig!";
    if (member == &Design::klasse_s) return "Duktilitätsklasse ungültig!";
    if (member == &Design::Profiltyp) return "Profiltyp ungültig!";
    if (member == &Design::Rippen) return "Rippen ungültig (keine, quer oder parallel)!";
    return "Profilname ungültig!";
}

std::string badSwitch(bool Design::*member) {
    return member == &Design::set_e_cu3 ? "ungültiger Status: Begrenzug der Bruchdehnung von Beton"
                                        : "ungültiger Status: Verfestigung von Bewehrung";
}

// The columns a line must hold: the profile name only after the type Walzprofil.
std::size_t expectedColumns(Line line, const std::vector<std::string> &values) {
    const std::size_t all = keywordLine(line).columns.size();
    if (line == BaustahlTyp && (values.empty() || values[0] != rolledProfile)) return profileNameColumn;
    return all;
}

// Takes the values of one keyword line into the design. With choices, every
// value must fit (else the reason, nothing taken); without, what does not
// read stays empty.
std::string take(Line line, const std::vector<std::string> &values, const Choices *choices, Design &d) {
    const std::vector<ColumnMember> &members = design::membersOf(line);
    const std::size_t expected = expectedColumns(line, values);
    Design taken = d;
    for (std::size_t c = 0; c < members.size(); ++c) {
        const ColumnMember &m = members[c];
        const bool present = c < values.size() && c < expected;
        if (choices && !present && c < expected) {
            if (m.word == &Design::Profilname) return notOffered(m.word);
            return "zu wenige Werte: " + std::to_string(expected) + " erwartet, " +
                   std::to_string(values.size()) + " gefunden";
        }
        const std::string word = present ? values[c] : std::string();
        if (m.number) {
            double x = 0.0;
            if (present && design::parseNumber(word, x)) taken.*m.number = x;
            else if (!choices || (word == "-" && !alwaysNumber(m.number))) (taken.*m.number).reset();
            else return quoted(word) + " ist keine Zahl";
        } else if (m.word) {
            const std::vector<std::string> *offered = choices ? choicesOf(m.word, *choices) : nullptr;
            if (offered && present && !contains(*offered, word)) return notOffered(m.word);
            taken.*m.word = word;
        } else if (m.onOff) {
            if (word == on || word == off) taken.*m.onOff = word == on;
            else if (choices) return badSwitch(m.onOff);
        }
    }
    d = taken;
    return std::string();
}

// The line as a message shows it: trimmed, tabs and carriage returns as
// blanks, at most 80 bytes (cut between characters).
std::string shownLine(const std::string &line) {
    std::string shown = line;
    std::replace(shown.begin(), shown.end(), '\t', ' ');
    std::replace(shown.begin(), shown.end(), '\r', ' ');
    const std::size_t first = shown.find_first_not_of(" \n\v\f");
    if (first == std::string::npos) return std::string();
    shown = shown.substr(first, shown.find_last_not_of(" \n\v\f") - first + 1);
    if (shown.size() > 80) {
        std::size_t cut = 77;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) --cut;
        shown = shown.substr(0, cut) + "...";
    }
    return shown;
}

ReadResult fault(int line, const std::string &text, const std::string &reason) {
    ReadResult result;
    result.faultLine = line;
    result.lineText = shownLine(text);
    result.reason = reason;
    return result;
}

std::vector<std::string> lines(const std::string &text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        result.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return result;
}

// Reads every keyword line; with choices the whole-file check.
ReadResult parseText(const std::string &text, const Choices *choices) {
    ReadResult result;
    bool seen[lineCount] = {};
    int firstOtherLine = 0;
    std::string firstOtherText;
    const std::vector<std::string> all = lines(text);
    for (std::size_t i = 0; i < all.size(); ++i) {
        std::vector<std::string> values = words(all[i]);
        // A line of the project head: its text runs to the end of the line.
        const HeadField field = values.empty() ? headFieldCount : headFieldOfKey(values.front());
        if (field != headFieldCount) {
            const std::string &row = all[i];
            const std::size_t key = row.find(headLine(field).key);
            result.design.head[field] = design::headText(row.substr(key + std::string(headLine(field).key).size()));
            continue;
        }
        const Line line = values.empty() ? lineCount : lineOfKeyword(values.front());
        if (line == lineCount) {
            if (firstOtherLine == 0 && !values.empty()) {
                firstOtherLine = static_cast<int>(i) + 1;
                firstOtherText = all[i];
            }
            continue;
        }
        values.erase(values.begin());
        // As in the engine, a later line of the same keyword wins.
        const std::string reason = take(line, values, choices, result.design);
        if (!reason.empty()) return fault(static_cast<int>(i) + 1, all[i], reason);
        seen[line] = true;
        if (line == Verbundmittel) result.design.partialConnection = true;
    }
    if (!choices) {
        result.ok = true;
        return result;
    }
    if (std::none_of(std::begin(seen), std::end(seen), [](bool s) { return s; })) {
        if (firstOtherLine == 0) return fault(0, std::string(), "Die Datei ist leer.");
        return fault(firstOtherLine, firstOtherText,
                     "keine Zeile einer Eingabedatei (sie beginnt mit keinem Schlüsselwort wie „" +
                         std::string(keywordLine(EigenschaftenBeton).keyword) + "“)");
    }
    // A rolled section takes its plates from the profile table.
    if (result.design.rolled()) seen[GeometrieBaustahl] = true;
    for (int l = 0; l < lineCount; ++l) {
        const KeywordLine &keyword = keywordLine(static_cast<Line>(l));
        if (!seen[l] && !keyword.optional)
            return fault(0, std::string(), "Die Zeile „" + std::string(keyword.keyword) + "“ fehlt.");
    }
    result.ok = true;
    return result;
}

bool readWhole(const std::string &path, std::string &text) {
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    if (!file) return false;
    std::ostringstream content;
    content << file.rdbuf();
    text = content.str();
    return true;
}

}  // namespace

ReadResult parse(const std::string &text, const Choices &choices) { return parseText(text, &choices); }

design::Design parseLeniently(const std::string &text) { return parseText(text, nullptr).design; }

ReadResult read(const std::string &path, const Choices &choices) {
    std::error_code ec;
    const std::filesystem::path file = std::filesystem::u8path(path);
    if (!std::filesystem::is_regular_file(file, ec))
        return fault(0, std::string(), "Die Datei kann nicht gelesen werden.");
    if (std::filesystem::file_size(file, ec) > largestDesignFile && !ec)
        return fault(0, std::string(), "Die Datei ist zu groß für eine Eingabedatei.");
    std::string text;
    if (!readWhole(path, text)) return fault(0, std::string(), "Die Datei kann nicht gelesen werden.");
    return parse(text, choices);
}

bool readRunInput(const std::string &runFolder, design::Design &design) {
    std::string text;
    std::error_code ec;
    const std::string path = runFolder + protocol::inputFile;
    if (std::filesystem::file_size(std::filesystem::u8path(path), ec) > largestDesignFile && !ec) return false;
    if (!readWhole(path, text)) return false;
    design = parseText(text, nullptr).design;
    return true;
}

bool sameDesign(const std::string &fileA, const std::string &fileB) {
    std::string a, b;
    std::error_code ec;
    for (const std::string *path : {&fileA, &fileB})
        if (std::filesystem::file_size(std::filesystem::u8path(*path), ec) > largestDesignFile && !ec) return false;
    if (!readWhole(fileA, a) || !readWhole(fileB, b)) return false;
    return text(parseLeniently(a)) == text(parseLeniently(b));
}

std::string text(const design::Design &d) {
    // The project head first; a design without one is written as before.
    std::string out;
    for (int f = 0; f < headFieldCount; ++f) {
        const std::string value = design::headText(d.head[static_cast<HeadField>(f)]);
        if (!value.empty()) out += std::string(headLine(static_cast<HeadField>(f)).key) + "\t" + value + "\n";
    }
    for (int l = 0; l < lineCount; ++l) {
        const Line line = static_cast<Line>(l);
        const KeywordLine &keyword = keywordLine(line);
        if (!design::writesLine(d, line)) continue;
        out += l == 0 ? "\n" : "\n\n";
        out += std::string("\t\t\t\t") + keyword.caption + "\n";
        out += std::string(keyword.keyword) + keyword.gap;
        const std::vector<ColumnMember> &members = design::membersOf(line);
        for (std::size_t c = 0; c < members.size(); ++c) {
            const ColumnMember &m = members[c];
            if (c > 0) out += '\t';
            if (m.number) {
                const design::Value &value = d.*m.number;
                const design::FieldInfo &field = *design::fieldOf(m.number);
                out += value ? design::fieldText(field, *value) : field.rounded ? "0" : "-";
            } else if (m.word) {
                out += d.*m.word;
            } else if (m.onOff) {
                out += d.*m.onOff ? on : off;
            }
        }
        if (keyword.endsLine) out += "\n";
    }
    return out;
}

std::string faultMessage(const ReadResult &result, const std::string &path) {
    const std::string fileName = std::filesystem::u8path(path).filename().u8string();
    std::string message = "Die Datei " + quoted(fileName) +
                          " ist keine gültige Eingabedatei. Das Formular bleibt unverändert.\n\n";
    if (result.faultLine > 0)
        message += "Zeile " + std::to_string(result.faultLine) + ": " + quoted(result.lineText) + "\n";
    return message + result.reason;
}

std::string withDesignSuffix(const std::string &path) {
    if (path.empty()) return path;
    const std::string name = std::filesystem::u8path(path).filename().u8string();
    if (!name.empty() && name.back() == '.') return path + "txt";
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot + 1 < name.size()) return path;
    return path + ".txt";
}

}  // namespace designfile
