#pragma once
// The input file of a run ("input.txt") and the design files the front end
// saves in the same format: one keyword line per group of values, each
// under a caption line with the column names. A line is a keyword line when
// its first white-space-separated word is one of the keywords below; every
// other line (captions, blank lines, any other text) is ignored by both
// programs. Values are separated by white space, numbers use "." as decimal
// point. Units are those of the engine: N, Nmm, mm, N/mm².
#include <cstddef>
#include <string>
#include <vector>

namespace protocol::input {

// The keyword lines in the order the front end writes them.
enum Line {
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
    Verbundmittel,  // optional: the headed studs of a partial shear connection
    lineCount
};

// What a value of a keyword line is.
enum class Kind {
    Number,  // a decimal number
    Word,    // a text without white space (a class, a profile type or name)
    Switch,  // "ON" or "OFF"
};

// One value of a keyword line: its symbol (the name the engine and the
// range table use), its unit ("-" for a factor or a text) and its kind.
struct Column {
    const char *symbol;
    const char *unit;
    Kind kind;
};

struct KeywordLine {
    const char *keyword;   // "*Eigenschaften-Beton:"
    const char *caption;   // column names of the caption line above it (UTF-8)
    const char *gap;       // the tabs between keyword and first value
    bool endsLine;         // the line ends with its own line end
    std::vector<Column> columns;
    bool optional = false;  // a file without the line is complete
};

const KeywordLine &keywordLine(Line line);
// The line a keyword opens; lineCount for any other word.
Line lineOfKeyword(const std::string &word);
// The name of a line in messages: the keyword without "*" and ":" ("Eigenschaften-Beton").
std::string lineName(Line line);

// Values of the switches, the profile types and the ductility classes.
inline constexpr char on[] = "ON";
inline constexpr char off[] = "OFF";
inline constexpr char weldedProfile[] = "Schweissprofil";
inline constexpr char rolledProfile[] = "Walzprofil";
extern const std::vector<std::string> profileTypes;      // welded, rolled
extern const std::vector<std::string> ductilityClasses;  // "A", "B", "C"

// The words of the column Rippen of *Verbundmittel: the studs sit in a solid
// slab, or in the ribs of profiled sheeting across or along the beam.
inline constexpr char ribsNone[] = "keine";
inline constexpr char ribsTransverse[] = "quer";
inline constexpr char ribsParallel[] = "parallel";
extern const std::vector<std::string> ribWords;  // keine, quer, parallel

// The two tables both programs read, found as shipped data files: the
// rolled profiles (name, h, b, t_w, t_f, r per row) and the material values.
inline constexpr char profileTable[] = "IProfile.txt";
inline constexpr char materialTable[] = "Materialeigenschaften.txt";

// The project head of a design file: the project, the position, the member,
// the engineer and a free remark, each on a line of its own above the
// keyword lines: its key, a tab and the text to the end of the line. The
// key is no keyword, so the engine skips the line as it skips a caption;
// the front end keeps the head with the design and prints it in the report.
enum HeadField { Projekt, Position, Bauteil, Bearbeiter, Bemerkung, headFieldCount };
struct HeadLine {
    const char *key;    // "#Projekt:"
    const char *label;  // "Projekt", as the report and the dialog name it
};
const HeadLine &headLine(HeadField field);
// The field a head key opens; headFieldCount for any other word.
HeadField headFieldOfKey(const std::string &word);

// The value of *Baustahl-Typ: that follows the type: the profile name, read
// only after the type Walzprofil.
inline constexpr std::size_t profileNameColumn = 1;
// *Geometrie-Baustahl: is read only for a welded section; a rolled one takes
// its plates from the profile table.

}  // namespace protocol::input
