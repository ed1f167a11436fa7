// Compares two folder trees of engine results file by file, e.g. the runs of
// the Linux and of the Windows engine on the same inputs:
//   norvel_compare_runs LINUX_FOLDER WINDOWS_FOLDER
// Every file of either tree must exist in the other. Files must be equal
// byte for byte; where they are not, they must have the same lines and
// tab-separated fields, and two fields that differ must both be numbers that
// differ by at most one unit in the last digit either prints (the C libraries
// of two systems may round a last digit differently). Each such rounding
// difference is listed; any other difference is reported and fails.
// Exit code: 0 identical or rounding only, 1 a real difference, 2 usage.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> split(const std::string &text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

// A whole field read as a number in the engine's %g style, with the value of
// one unit in its last printed digit ("1.23457" -> 1e-05, "2.5e-07" -> 1e-08).
bool readNumber(const std::string &field, double &value, double &lastDigit) {
    if (field.empty()) return false;
    char *end = nullptr;
    value = std::strtod(field.c_str(), &end);
    if (end != field.c_str() + field.size() || !std::isfinite(value)) return false;
    const auto e = field.find_first_of("eE");
    const std::string mantissa = field.substr(0, e);
    const auto point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const int exponent = e == std::string::npos ? 0 : std::atoi(field.c_str() + e + 1);
    lastDigit = std::pow(10.0, exponent - decimals);
    return true;
}

struct Counts {
    int files = 0, identical = 0, rounding = 0, real = 0;
};

void realDifference(Counts &counts, const std::string &what) {
    ++counts.real;
    std::cout << "UNTERSCHIED " << what << '\n';
}

void compareFile(const std::string &name, const std::string &a, const std::string &b,
                 Counts &counts) {
    ++counts.files;
    if (a == b) {
        ++counts.identical;
        return;
    }
    const std::vector<std::string> linesA = split(a, '\n'), linesB = split(b, '\n');
    if (linesA.size() != linesB.size()) {
        realDifference(counts, name + ": " + std::to_string(linesA.size()) + " gegen " +
                                   std::to_string(linesB.size()) + " Zeilen");
        return;
    }
    for (std::size_t l = 0; l < linesA.size(); ++l) {
        if (linesA[l] == linesB[l]) continue;
        const std::vector<std::string> fa = split(linesA[l], '\t'), fb = split(linesB[l], '\t');
        const std::string where = name + ":" + std::to_string(l + 1);
        if (fa.size() != fb.size()) {
            realDifference(counts, where + ": \"" + linesA[l] + "\" gegen \"" + linesB[l] + "\"");
            continue;
        }
        for (std::size_t f = 0; f < fa.size(); ++f) {
            if (fa[f] == fb[f]) continue;
            double va = 0, vb = 0, ua = 0, ub = 0;
            const std::string field = where + " Feld " + std::to_string(f + 1) + ": " + fa[f] +
                                      " gegen " + fb[f];
            if (readNumber(fa[f], va, ua) && readNumber(fb[f], vb, ub) &&
                std::fabs(va - vb) <= 1.000001 * std::max(ua, ub)) {
                ++counts.rounding;
                std::cout << "RUNDUNG " << field << '\n';
            } else {
                realDifference(counts, field);
            }
        }
    }
}

std::set<std::string> filesBelow(const fs::path &root) {
    std::set<std::string> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file()) files.insert(fs::relative(it->path(), root).generic_string());
    return files;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::cerr << "Aufruf: norvel_compare_runs ORDNER_A ORDNER_B\n";
        return 2;
    }
    const fs::path rootA = argv[1], rootB = argv[2];
    const std::set<std::string> filesA = filesBelow(rootA), filesB = filesBelow(rootB);
    Counts counts;
    for (const std::string &name : filesA)
        if (!filesB.count(name)) realDifference(counts, name + ": fehlt in " + rootB.string());
    for (const std::string &name : filesB)
        if (!filesA.count(name)) realDifference(counts, name + ": fehlt in " + rootA.string());
    for (const std::string &name : filesA)
        if (filesB.count(name)) compareFile(name, readAll(rootA / name), readAll(rootB / name), counts);
    std::cout << counts.files << " Dateien verglichen: " << counts.identical
              << " gleich, Rundungsunterschiede: " << counts.rounding
              << ", andere Unterschiede: " << counts.real << '\n';
    if (counts.files == 0) return 1;
    return counts.real == 0 ? 0 : 1;
}
