#pragma once
// The design model: one cross-section with its materials and actions, in the
// units of the input file (N, Nmm, mm, N/mm²) and named by the symbols of the
// input file and the engine. The form, the design file, the run's input file,
// the batch mode and the report all go through it. Standard C++ only.
//
// A number of the form may be empty (a field left empty, or a text that is
// no number): it is then missing here, and a design file holds "-" in its
// place. A run needs every number.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "files/units.h"
#include "protocol/input_lines.h"

namespace design {

using Value = std::optional<double>;

// The project head: texts the engine never reads, kept with the design so
// that every report of it carries the same head. Indexed by
// protocol::input::HeadField; an empty text is a field not filled in.
struct ProjectHead {
    std::array<std::string, protocol::input::headFieldCount> fields;

    const std::string &operator[](protocol::input::HeadField f) const { return fields[f]; }
    std::string &operator[](protocol::input::HeadField f) { return fields[f]; }
    bool empty() const;
    bool operator==(const ProjectHead &other) const { return fields == other.fields; }
    bool operator!=(const ProjectHead &other) const { return fields != other.fields; }
};

// A head text as one line of the file: tabs and line ends become blanks,
// blanks at both ends go, and at most 200 bytes are kept (cut between
// characters of UTF-8).
std::string headText(const std::string &text);

struct Design {
    ProjectHead head;            // lines the engine skips, see protocol::input::HeadField

    // *Eigenschaften-Beton:
    std::string festig_klasse;   // strength class, e.g. "C30/37"
    Value gamma_c, alpha_c;      // partial factor, reduction factor of f_cd
    bool set_e_cu3 = true;       // the concrete strain is limited to e_cu3
    // *Eigenschaften-Bewehrung:
    Value f_sk, gamma_s;         // N/mm², -
    std::string klasse_s;        // ductility class "A", "B" or "C"
    bool set_verfestigung_s = true;  // hardening branch of the bars
    // *Eigenschaften-Baustahl:
    Value f_yk, gamma_M;         // N/mm², -
    // *Geometrie-Beton: (mm)
    Value h_c, b_e, h_profilblech, b_p;
    // *Geometrie-Bewehrung: (mm)
    Value d_u, d_o, AbstanduntereLage, AbstandobereLage, c_nom_u, c_nom_o;
    // *Baustahl-Typ:
    std::string Profiltyp;       // "Schweissprofil" or "Walzprofil"
    std::string Profilname;      // rolled profiles only
    // *Geometrie-Baustahl: (mm; flange 1 is the bottom flange)
    Value h, t_f1, t_f2, b_f1, b_f2, t_w;
    // *Gebrauchstauglichkeit: (Nmm, N)
    Value M_g, V_g;
    // *Mindestbewehrung: (-, -, N/mm²)
    Value k_c, k_min, s_s;
    // *Tragfaehigkeit: (Nmm, N)
    Value M_t, V_t;
    // *Verbundmittel: (optional) the headed studs of a partial connection:
    // written and checked only where partialConnection is set.
    bool partialConnection = false;  // "Teilverdübelung berücksichtigen"
    Value d, h_sc, f_u, n, L_e;      // mm, mm, N/mm², -, mm
    std::string Rippen = protocol::input::ribsNone;  // "keine", "quer" or "parallel"
    Value n_r, t_blech;              // -, mm

    bool rolled() const { return Profiltyp == protocol::input::rolledProfile; }
};

// A numeric value of the design and how the form shows it: the identifier of
// its form field (named in messages), the symbol and group shown, its
// meaning, the unit shown, where the form's unit differs from the file's, a
// further hint, whether it is a plate of the steel section (taken from the
// profile table for a rolled section), whether it belongs to the optional
// studs (counted only where the design has them), and whether the form writes it as a
// number of its own (the actions and the minimum-reinforcement factors:
// rounded to six significant digits, and 0 when the field holds none). A
// value may follow another one (σ_s follows f_sk) while the user has not
// typed it. The permitted ranges are those of the engine's range table under
// the value's input-file symbol.
struct FieldInfo {
    const char *formName;    // "m_betonGamma"
    Value Design::*member;   // &Design::gamma_c
    const char *symbol;      // "γ_c"
    const char *group;       // "Beton"
    const char *meaning;
    const char *unit;        // as shown: "kNm", "mm", "–" for a factor
    units::FormUnit formUnit;
    const char *note;        // further hint, or ""
    bool plate = false;
    bool rounded = false;
    Value Design::*follows = nullptr;  // the leading value, or none
    bool stud = false;
};

// The numbers of the form in the order of the checks before a run.
const std::vector<FieldInfo> &fields();
const FieldInfo *fieldNamed(const std::string &formName);
const FieldInfo *fieldOf(Value Design::*member);
// "γ_c (Beton)": how messages name a value (UTF-8).
std::string label(const FieldInfo &field);

// The member behind one column of a keyword line: a number, a word (a
// class, a profile type or name) or an ON/OFF switch; exactly one is set.
struct ColumnMember {
    Value Design::*number = nullptr;
    std::string Design::*word = nullptr;
    bool Design::*onOff = nullptr;
};
// The members of a keyword line in the order of its columns
// (protocol::input::keywordLine(line).columns).
const std::vector<ColumnMember> &membersOf(protocol::input::Line line);
// Whether a design file or input file of the design holds the line (the
// optional studs only with partial connection).
bool writesLine(const Design &design, protocol::input::Line line);

// Where a number stands in the input file: its keyword line and column.
struct Place {
    protocol::input::Line line;
    std::size_t column;
};
Place placeOf(Value Design::*member);
// The input-file symbol of a value ("gamma_c", "AbstanduntereLage", "k").
const char *symbolOf(Value Design::*member);

// A design without numbers: every number missing (the form shows empty,
// marked fields); texts and switches stay.
void clearNumbers(Design &design);

// Whether a following value follows its leader in a design just read or
// reset: it does when it is missing or equals the leader; a value of its
// own (σ_s = 320 N/mm² beside f_sk = 500 N/mm²) does not. False for a value
// that follows nothing.
bool followsLeader(const Design &design, const FieldInfo &field);

// The values a run needs that are missing, in field order (a rolled
// section's plates come from the profile table and do not count, nor do the
// studs of a design without partial connection).
std::vector<const FieldInfo *> missingValues(const Design &design);

// A number as the files write it: the classic "%g" form with six significant
// digits, or as many more (up to 15) as the value needs to read back the
// same; "." as decimal point whatever the user's locale. 150 kN in N is
// "150000", 400 kNm in Nmm "4e+08", 13.5 stays "13.5".
std::string numberText(double value);
// The same rounded to six significant digits ("%g"): 0.1234567 is "0.123457".
std::string roundedNumberText(double value);
// A value of a field as the file and the form write it (rounded or not).
std::string fieldText(const FieldInfo &field, double value);
// A word as a number: the whole word, C-locale syntax, finite.
bool parseNumber(const std::string &word, double &value);
// A number typed into the form: as parseNumber, or with one decimal comma in
// place of the point ("1,5" is 1.5; "1.000,5" is no number).
bool parseFormNumber(const std::string &text, double &value);

}  // namespace design
