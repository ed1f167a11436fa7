#pragma once
// Cross-section classes of a run (EN 1994-1-1 5.5), read from the engine's
// "Querschnittsklasse.txt", with the limits that decided each part's class.
// The bending check they govern is the engine's (design_verdicts.h). No
// widgets: the panels and the report turn these values into text.
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

}  // namespace results
