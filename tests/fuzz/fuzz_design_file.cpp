// Fuzz harness: the design model's reading of a design (input) file. Every
// reader of the file is one entry of `readers`; a further reader is one more
// entry. Standard C++ only.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "files/design.h"
#include "files/design_file.h"

namespace {

[[noreturn]] void fail(const char *reader, const std::string &message) {
    std::fprintf(stderr, "fuzz check failed (%s): %s\n", reader, message.c_str());
    std::fflush(stderr);
    std::abort();
}

bool close(double a, double b) { return std::fabs(a - b) <= 1e-14 * std::max(std::fabs(a), std::fabs(b)); }

// Every word as a number of the file and of the form: what reads is finite,
// and written again it reads back as (nearly) the same number.
void readWords(const std::string &text) {
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        double x = 0.0;
        if (design::parseNumber(word, x)) {
            if (!std::isfinite(x)) fail("numbers", word + " read as no finite number");
            double back = 0.0;
            const std::string written = design::numberText(x);
            if (!design::parseNumber(written, back) || !close(back, x))
                fail("numbers", word + " written as " + written);
        }
        double y = 0.0;
        if (design::parseFormNumber(word, y) && !std::isfinite(y)) fail("form numbers", word);
    }
}

const designfile::Choices choices{
    {"C20/25", "C30/37", "C60/75"}, {"A", "B", "C"}, {"Schweissprofil", "Walzprofil"}, {"IPE400", "HEB1000"}};

// The whole-file check the form makes before it changes anything: either the
// file is taken, and then its design, written again, is taken again and
// writes the same text; or it is refused with its first faulty line and a
// reason.
void readWhole(const std::string &text) {
    const designfile::ReadResult result = designfile::parse(text, choices);
    if (!result.ok) {
        const long lines = std::count(text.begin(), text.end(), '\n') + 1;
        if (result.reason.empty()) fail("whole file", "refused without a reason");
        if (result.faultLine < 0 || result.faultLine > lines)
            fail("whole file", "fault in line " + std::to_string(result.faultLine) + " of " + std::to_string(lines));
        if (result.lineText.size() > 80) fail("whole file", "line shown with more than 80 bytes");
        return;
    }
    const std::string written = designfile::text(result.design);
    const designfile::ReadResult again = designfile::parse(written, choices);
    if (!again.ok) fail("whole file", "a taken file written again is refused: " + again.reason);
    if (designfile::text(again.design) != written) fail("whole file", "the design changed when written again");
}

// The report's reading of a run's input file takes what reads and never fails.
void readLeniently(const std::string &text) {
    const design::Design d = designfile::parseLeniently(text);
    for (const design::FieldInfo &field : design::fields()) {
        const design::Value &value = d.*field.member;
        if (value && !std::isfinite(*value)) fail("leniently", std::string(field.formName) + " not finite");
    }
}

struct Reader {
    const char *name;
    void (*read)(const std::string &text);
};

const Reader readers[] = {
    {"words", readWords},
    {"whole file", readWhole},
    {"leniently", readLeniently},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    for (const Reader &reader : readers) reader.read(text);
    return 0;
}
