#pragma once
// A complete calculation (models and composite section) built directly from
// a DesignInput, and a fine strip sum as the independent reference for the
// exact zone integration.
#include <cmath>

#include "analysis/calculation.h"
#include "support/model_fixtures.h"
#include "section/zone_integration.h"

namespace sectionfixture {

// The shipped example: slab 160 x 2000, bars 10/12 at 150, IPE 400 (rolled).
inline DesignInput exampleIPE400() { return modelfixtures::rolledDesign(400, 180, 8.6, 13.5, 21); }

struct SectionUnderTest {
    explicit SectionUnderTest(const DesignInput &in) : input(in), calc(input, files.writer) {}
    CompositeSection &section() { return calc.section(); }

    modelfixtures::WriterFolder files;
    DesignInput input;
    Calculation calc;
};

struct StripSum {
    double N = 0.0, M = 0.0;
};

// Midpoint rule over n strips between z1 and z2: the stress at each strip's
// mid-height times its net area, the moment about z = 0 with the strip's centroid.
template <class Law, class Geometry>
StripSum stripSum(double z1, double z2, const StrainPlane &plane, const Law &law,
                  const Geometry &geometry, int n = 20000) {
    StripSum sum;
    const double dz = (z2 - z1) / n;
    for (int i = 0; i < n; ++i) {
        const double a = z1 + i * dz;
        const StripProps g = geometry(a, a + dz);
        if (!(g.A > 0.0)) continue;
        const double sigma = law(plane.strainAt(a + dz / 2.0)).sigma;
        sum.N += sigma * g.A;
        sum.M -= sigma * g.A * g.z;
    }
    return sum;
}

inline bool allFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace sectionfixture
