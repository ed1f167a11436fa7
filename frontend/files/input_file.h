#pragma once
// The input-file format shared with the engine: one keyword line per group
// of values, each under a caption line with the column names. Values travel
// as texts; forces and moments are N and Nmm in the file.
#include <QString>
#include <QStringList>
#include <array>

namespace inputfile {

// Keyword groups in the order they are written.
enum Section {
    EigenschaftenBeton,
    EigenschaftenBewehrung,
    EigenschaftenBaustahl,
    GeometrieBeton,
    GeometrieBewehrung,
    BaustahlTyp,
    GeometrieBaustahl,
    Gebrauchstauglichkeit,
    Mindestbewehrung,
    Tragfaehigkeit,
    SectionCount
};

// The values of every keyword line, in file order.
using Values = std::array<QStringList, SectionCount>;

// The keyword that opens the line of a section, e.g. "*Tragfaehigkeit:".
QString keyword(Section section);

// The whole file text: caption lines, keyword lines, values separated by tabs.
QString render(const Values &values);

// The section of a keyword line (first word matched exactly) and the words
// that follow the keyword; SectionCount for every other line.
Section parseLine(const QString &line, QStringList &words);

// The values of every keyword line of a whole file text; a section without
// its line stays empty, a repeated line keeps its last values.
Values parseText(const QString &text);

// A field text as one word of the file. A text that is not a single word
// (empty, or with blanks inside) is written as "-" so that the following
// values keep their positions; textFromFile turns "-" back into empty.
QString textToFile(const QString &text);
QString textFromFile(const QString &word);

// A number as a standard output stream writes it by default: six significant
// digits, the shorter of fixed and scientific notation, "." as decimal point.
// A non-finite value is written as 0, which every reader can parse.
QString numberText(double x);

// A file number divided by a unit factor (N -> kN: 1000, Nmm -> kNm: 1e6),
// as numberText. Empty when the word is no number.
QString scaledFromFile(const QString &word, double divisor);

}  // namespace inputfile
