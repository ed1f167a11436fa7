#pragma once
// Page layout of the design report as pure functions: the report text as
// lines of a fixed-width font (tabs expanded, long lines wrapped), which
// lines are headings that keep their first lines on their page, and the
// distribution of blocks of given heights onto pages. No painting here: the
// document (report/report_document.h) measures the blocks and paints them.
#include <QString>
#include <QStringList>
#include <vector>

namespace report {

// The line with every tab replaced by spaces up to the next multiple of
// `tabWidth` columns, as a terminal shows the batch output.
QString expandTabs(const QString &line, int tabWidth = 8);

// The line split into pieces of at most `columns` characters: at the last
// space before the limit, else at the limit. Continuation pieces are indented
// by `indent` spaces (the indent counts towards their length). A line that
// fits stays one piece; an empty line is one empty piece.
QStringList wrapLine(const QString &line, int columns, int indent = 4);

// A heading of the report text: a rule line ("-----"), a title in capitals
// ("EINGABE", "NACHWEISE") or a line that introduces the lines below it
// ("GEOMETRIE:", "Beton:", "QUERKRAFTTRAGFÄHIGKEIT (nach EN 1994-1-1 6.2.2):").
// Lines with a value ("unter: V_Ed= 150kN", "NACHWEIS ERFÜLLT!") are none.
bool isHeading(const QString &line);

// A heading keeps this many of its following lines on its page: up to
// three lines of its paragraph (the lines before the next empty line).
constexpr int headingFirstLines = 3;

// For every line: how many of the following lines must share its page.
// A heading keeps its first lines (headingFirstLines, not past an empty
// line, at least one); a rule line keeps the next line; other lines none.
std::vector<int> keepWithNext(const QStringList &lines);

// A block of a page: a line, a figure, a gap. `keepWithNext` blocks that
// follow must lie on the same page; a `space` block is dropped at the top
// of a page.
struct Block {
    double height = 0.0;
    int keepWithNext = 0;
    bool space = false;
};

// Distributes the blocks in order onto pages of the given height: the
// indices of the blocks on each page (spaces at the top of a page left
// out). A page ends before the first block that does not fit; the break is
// moved up so that no block is parted from the blocks it keeps, unless the
// group does not fit on an empty page, and then it falls where the page is full.
// A block taller than a page gets a page of its own. Always at least one page.
std::vector<std::vector<int>> paginate(const std::vector<Block> &blocks, double pageHeight);

}  // namespace report
