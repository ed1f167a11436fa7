// Fuzz harness: the front end's reading of a design (input) file. Every
// reader of the file is one entry of `readers`; a further reader is one more
// entry. QtCore only.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "files/design_file.h"
#include "files/input_file.h"

namespace {

[[noreturn]] void fail(const char *reader, const QString &message) {
    std::fprintf(stderr, "fuzz check failed (%s): %s\n", reader, message.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

// A number the form shows, converted from the file's unit: empty, or a
// finite number with six significant digits of word / divisor.
void checkScaled(const QString &word, double divisor) {
    const QString shown = inputfile::scaledFromFile(word, divisor);
    if (shown.isEmpty()) return;
    bool ok = false;
    const double value = shown.toDouble(&ok);
    if (!ok || !std::isfinite(value)) fail("scaledFromFile", word + " -> " + shown);
    const double expected = word.toDouble() / divisor;
    if (!(std::fabs(value - expected) <= 5e-6 * std::fabs(expected)))
        fail("scaledFromFile", word + " -> " + shown);
}

// Line by line, as the form takes a file: the section of each keyword line
// and the conversions of each word.
void readLines(const QString &text) {
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        QStringList words;
        inputfile::parseLine(line, words);
        for (const QString &word : words) {
            inputfile::textFromFile(word);
            for (const double divisor : {1.0, 1000.0, 1000000.0}) checkScaled(word, divisor);
        }
    }
}

inputfile::Values sectionsOf(const QString &text, bool normalise) {
    inputfile::Values values;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        QStringList words;
        const inputfile::Section section = inputfile::parseLine(line, words);
        if (section == inputfile::SectionCount) continue;
        if (normalise)
            for (QString &word : words) word = inputfile::textToFile(inputfile::textFromFile(word));
        values[section] = words;  // the last line of a section counts
    }
    return values;
}

// What the form took from a file, written again and read back, is the same.
void roundTrip(const QString &text) {
    const inputfile::Values taken = sectionsOf(text, true);
    const QString written = inputfile::render(taken);
    const inputfile::Values back = sectionsOf(written, false);
    for (int s = 0; s < inputfile::SectionCount; ++s)
        if (back[s] != taken[s])
            fail("render", inputfile::keyword(static_cast<inputfile::Section>(s)) + " [" +
                               taken[s].join(QLatin1Char('|')) + "] read back as [" +
                               back[s].join(QLatin1Char('|')) + "]");
}

// The whole-file check the form makes before it changes anything: either the
// file is taken, and then what it holds, written again, is taken again with
// the same values; or it is refused with its first faulty line and a reason.
void readWhole(const QString &text) {
    designfile::Choices choices;
    choices.concreteClasses = QStringList{"C20/25", "C30/37", "C60/75"};
    choices.ductilityClasses = QStringList{"A", "B", "C"};
    choices.profileTypes = QStringList{"Schweissprofil", "Walzprofil"};
    choices.profileNames = QStringList{"IPE400", "HEB1000"};
    const designfile::ReadResult result = designfile::parse(text, choices);
    if (!result.ok) {
        const int lines = text.count(QLatin1Char('\n')) + 1;
        if (result.reason.isEmpty()) fail("whole file", "refused without a reason");
        if (result.faultLine < 0 || result.faultLine > lines)
            fail("whole file", "fault in line " + QString::number(result.faultLine) + " of " +
                                   QString::number(lines));
        return;
    }
    // A section a rolled profile may leave out (its plates) the form fills
    // from its own fields when it writes the file again: no round trip then.
    for (int s = 0; s < inputfile::SectionCount; ++s)
        if (result.values[s].isEmpty()) return;
    const designfile::ReadResult again = designfile::parse(inputfile::render(result.values), choices);
    if (!again.ok) fail("whole file", "a taken file written again is refused: " + again.reason);
    for (int s = 0; s < inputfile::SectionCount; ++s)
        if (again.values[s] != result.values[s])
            fail("whole file", inputfile::keyword(static_cast<inputfile::Section>(s)) +
                                   " changed when written again");
}

struct Reader {
    const char *name;
    void (*read)(const QString &text);
};

const Reader readers[] = {
    {"lines", readLines},
    {"round trip", roundTrip},
    {"whole file", readWhole},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data),
                                           static_cast<int>(size));
    for (const Reader &reader : readers) reader.read(text);
    return 0;
}
