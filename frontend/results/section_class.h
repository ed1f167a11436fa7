#pragma once
// Cross-section classes of a run (EN 1994-1-1 5.5), read from the engine's
// "Querschnittsklasse.txt", and the ultimate bending check that honours them:
// Class 1 and 2 may use the plastic resistance, Class 3 only the elastic one,
// and Class 4 needs an effective section that the tool does not build.
// No widgets: the panels and the report turn these values into text.
#include <QString>
#include <string>

namespace results {

// The classification of one bending direction, one row of the file.
// present == false: the file or the row is missing or unreadable; the class
// is then "nicht ermittelt" and no other field may be shown.
struct SectionClassRow {
    bool present = false;
    double eps = 0.0;          // sqrt(235 / f_yk)
    double c_t_flansch = 0.0;  // c/t of the compression flange
    int klasse_flansch = 0;
    double alpha = 0.0;        // compressed share of the web (rigid-plastic)
    double psi = 0.0;          // stress ratio of the web ends (elastic)
    double c_t_steg = 0.0;     // c/t_w of the web
    int klasse_steg = 0;
    int klasse = 0;            // section class, the larger of the two
};

struct SectionClasses {
    SectionClassRow positive;  // "positiv": sagging
    SectionClassRow negative;  // "negativ": hogging
    // The row of the design moment's direction (M_Ed >= 0 counts as sagging).
    const SectionClassRow &forMoment(double mEd) const;
};

// Reads "Querschnittsklasse.txt" of the run folder (path with its trailing
// separator). A row counts only when its direction word is followed by eight
// finite numbers and its three classes are whole numbers from 1 to 4; the
// last such row of a direction wins.
SectionClasses readSectionClasses(const std::string &runFolder);
// The same for a file given by its full path.
SectionClasses readSectionClassFile(const std::string &path);

// "1" ... "4", or "nicht ermittelt".
QString classText(const SectionClassRow &row);

// The c/t limit that decided a part's class: the limit the part met, or for
// Class 4 the Class 3 limit it exceeded. exists == false where no limit
// applies (the top flange held by the slab when sagging, a web without
// compression, a row not present).
struct DecidingLimit {
    bool exists = false;
    double value = 0.0;
    QString formula;  // e.g. "9ε", "456ε/(13α−1)", "42ε/(0.67+0.33ψ)"
};
DecidingLimit flangeLimit(const SectionClassRow &row, bool sagging);
DecidingLimit webLimit(const SectionClassRow &row);

// Ultimate bending check of the design direction, all moments in one unit
// and with their signs (hogging moments and resistances negative).
struct BendingCheck {
    bool made = true;         // false: Class 4, the check is not possible
    bool fulfilled = false;   // a check not made counts as not fulfilled
    bool elastic = false;     // compared with M_el,Rd(V_Ed) (Class 3)
    double resistance = 0.0;  // the resistance compared with
    QString message;          // the class's own verdict text, empty otherwise
};

// Class 1, 2 or not determined: M_Ed against M_pl,Rd(V_Ed), as before.
// Class 3: M_Ed against M_el,Rd(V_Ed); beyond it "Querschnittsklasse 3: nur
// elastische Bemessung zulässig". Class 4: not made, "Querschnittsklasse 4:
// wirksamer Querschnitt nicht abgedeckt – Nachweis nicht möglich".
BendingCheck bendingCheck(const SectionClassRow &row, double mEd, double mElRd, double mPlRd);

}  // namespace results
