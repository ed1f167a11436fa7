#pragma once
// Permitted ranges of the design input and of the material table: the one
// definition that the engine's checks test against and that the front end
// links to show each range in its field's tooltip and to mark a value outside
// while it is typed. Standard library only.
#include <vector>

namespace bounds {

// An interval of one input value. Either fixed end may be missing (±infinity).
// A further end may be set by other input values, named by their input-file
// symbols in lowerBy/upperBy (the spacing of the bars lies between their
// diameter and b_e); the checker passes the value that text stands for.
struct Range {
    const char *name;  // input-file symbol, e.g. "gamma_c"
    double lower;
    bool lowerIncluded;
    double upper;
    bool upperIncluded;
    const char *lowerBy;  // "" when there is no end set by other values
    bool lowerByIncluded;
    const char *upperBy;
    bool upperByIncluded;
    const char *message;  // the engine's FEHLERMELDUNG for a value outside
    bool whole = false;   // a count (studs): only whole numbers lie inside

    bool hasLower() const;
    bool hasUpper() const;
    // Inside the fixed ends (and whole where the range counts). A value that
    // is no finite number never is.
    bool contains(double x) const;
    // Inside the fixed ends and the ends set by other values.
    bool contains(double x, double lowerByValue, double upperByValue) const;
};

// Concrete, reinforcement and structural steel (input file).
extern const Range gamma_c, alpha_c, f_sk, gamma_s, f_yk, gamma_M;
// Slab and bars (input file). spacing_u/spacing_o: AbstanduntereLage/AbstandobereLage.
extern const Range h_c, b_e, h_p, b_p, d_u, d_o, spacing_u, spacing_o, c_nom_u, c_nom_o;
// Plates of a welded section (input file).
extern const Range h, t_f1, t_f2, b_f1, b_f2, t_w;
// Both flanges and the root radii fit into the height: t_f1 + t_f2 + 2 r <= h.
extern const Range steelHeightFit;
// A flange of a welded section is at least as wide as the web (b_f >= t_w):
// a narrower "flange" would be part of the web, and its outstand c/t negative.
extern const Range flange1CoversWeb, flange2CoversWeb;
// Minimum reinforcement (input file).
extern const Range k_min, k_c, s_s;
// Headed studs (optional line *Verbundmittel:): 16 <= d <= 25, h_sc >= 3 d,
// 0 < f_u <= 500, n >= 0, L_e > 0, n_r 1 or 2, t_blech >= 0; n and n_r count
// studs and are whole.
extern const Range d_stud, h_sc, f_u, n_studs, L_e, n_r, t_blech;
// A stud in the ribs of sheeting stands at least 2 d above them (EN 1994-1-1
// 6.6.5.8(1)); the reduction factors need h_sc > h_p.
extern const Range h_scAboveRibs;
// The reduction factor k_t of ribs across the beam holds for h_p <= 85 mm
// and b_0 >= h_p (EN 1994-1-1 6.6.4.2(1)); b_0 is the input width b_p.
extern const Range h_pForKt, b_0ForKt;
// The column Rippen and its sheeting: "keine" without sheeting (h_p = 0),
// "quer" and "parallel" with it (h_p > 0).
extern const char *const ribWordMessage;
extern const char *const ribsWithoutSheetingMessage;
extern const char *const sheetingWithoutRibsMessage;
// k_t and k_l count h_sc up to h_p + 75 mm (EN 1994-1-1 6.6.4.1(1)).
constexpr double studHeightAboveRibs = 75.0;

// Material table values.
extern const Range f_ck, f_ctm, e_c3, e_cu3, E_s, k, e_uk, E_a;

// Largest dimension of a rolled-profile row (mm). No rolled I-section comes
// near it (the tallest are about 1.1 m); a row beyond it is a typing error,
// and the strain-state searches, which step through the section height,
// would take hours on it.
constexpr double maxProfileDimension = 2000.0;

// A row of the rolled-profile table (h, b, t_w, t_f, r; both flanges alike):
// every dimension finite, positive and at most maxProfileDimension, the root
// radius finite and not negative, and both flanges with their root radii
// within the height (2 t_f + 2 r <= h). Returns the column name of the first
// violation ("h", "b", "t_w", "t_f", "r"), or nullptr for a row that may be used.
const char *profileRowFault(double h, double b, double t_w, double t_f, double r);

// Every range of a numeric value of the input file, in the order of the
// checks; the ranges of the studs in ribs (h_scAboveRibs, h_pForKt,
// b_0ForKt) apply to some designs only and are not among them.
const std::vector<const Range *> &inputRanges();

}  // namespace bounds
