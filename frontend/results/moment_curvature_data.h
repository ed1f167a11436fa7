#pragma once
// The moment–curvature relation of a run folder as the front end shows it:
// the rows of kappa_M_beziehung.txt in ‰/m and kNm, the limit points of the
// "*Grenzmomente" block and the design states of the ultimate limit state
// and of serviceability without tension stiffening (the material state of
// the relation), with the secant stiffness EI_i of the ultimate one.
#include <string>
#include <vector>

namespace results {

struct CurvaturePoint {
    double kappa = 0.0;       // ‰/m
    double moment = 0.0;      // kNm
    double zNa = 0.0;         // height of the neutral axis above the steel underside, mm
    double axialForce = 0.0;  // kN
    std::string state;        // the state word of the row (protocol::stateWord)
};

// A point of the files that may be missing: then `present` is false.
struct CurvatureMarker {
    bool present = false;
    double kappa = 0.0;   // ‰/m
    double moment = 0.0;  // kNm
};

struct MomentCurvatureData {
    std::vector<CurvaturePoint> points;       // ascending curvature, as in the file
    CurvatureMarker elastic[2], plastic[2];   // [0] hogging (M_min), [1] sagging (M_max)
    CurvatureMarker designUls;                // GZT
    CurvatureMarker designSls;                // GZG without tension stiffening
    bool eiUlsPresent = false;
    double eiUls = 0.0;  // secant stiffness of the GZT design state, kNm²

    bool empty() const { return points.empty(); }
    // One branch from kappa = 0 outward: direction -1 the rows with kappa <= 0,
    // +1 those with kappa >= 0 (the row at 0 belongs to both).
    std::vector<CurvaturePoint> branch(int direction) const;
};

// Rows of kappa_M_beziehung.txt: four numbers (kappa ‰/mm, Z_na mm, M Nmm,
// N N) and the state word; other lines are skipped. Converted to ‰/m, kNm, kN.
std::vector<CurvaturePoint> readCurvaturePoints(const std::string &path);

// Everything the plot needs from the run folder (with trailing separator).
MomentCurvatureData readMomentCurvature(const std::string &runFolder);

}  // namespace results
