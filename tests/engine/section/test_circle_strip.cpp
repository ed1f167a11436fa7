// Circle strips against closed-form circle values and a fine numeric strip sum.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "section/strip.h"

namespace {

const double pi = std::acos(-1.0);

// Midpoint sum over thin horizontal slices of width 2 sqrt(r^2 - u^2).
StripProps numericCircleStrip(double r, double zc, double z1, double z2) {
    const double lo = std::max(z1, zc - r), hi = std::min(z2, zc + r);
    const int n = 200000;
    const double dz = (hi - lo) / n;
    double A = 0, S = 0, J = 0;
    for (int i = 0; i < n; ++i) {
        const double z = lo + (i + 0.5) * dz;
        const double u = z - zc;
        const double w = 2.0 * std::sqrt(std::max(0.0, r * r - u * u));
        A += w * dz;
        S += w * dz * z;
        J += w * dz * z * z + w * dz * dz * dz / 12.0;
    }
    const double z = S / A;
    return {A, z, J - A * z * z};
}

TEST(CircleStrip, ClosedFormParts) {
    const double r = 10.0, zc = 50.0;
    const double r4 = r * r * r * r;
    struct Case {
        const char *name;
        double z1, z2;
        StripProps expected;
    };
    const double halfOffset = 4.0 * r / (3.0 * pi);
    const double halfI = (pi / 8.0 - 8.0 / (9.0 * pi)) * r4;
    const Case cases[] = {
        {"whole circle", 0.0, 100.0, {pi * r * r, zc, pi * r4 / 4.0}},
        {"whole circle, edges on the circle", 40.0, 60.0, {pi * r * r, zc, pi * r4 / 4.0}},
        {"lower half", 0.0, zc, {pi * r * r / 2.0, zc - halfOffset, halfI}},
        {"upper half", zc, 70.0, {pi * r * r / 2.0, zc + halfOffset, halfI}},
        {"below the circle", 0.0, 40.0, {0.0, 20.0, 0.0}},
        {"above the circle", 60.0, 80.0, {0.0, 70.0, 0.0}},
    };
    for (const Case &c : cases) {
        const StripProps s = circleStrip(r, zc, c.z1, c.z2);
        EXPECT_NEAR(s.A, c.expected.A, 1e-9) << c.name;
        if (c.expected.A > 0) {
            EXPECT_NEAR(s.z, c.expected.z, 1e-9) << c.name;
        }
        EXPECT_NEAR(s.I, c.expected.I, 1e-7) << c.name;
    }
}

TEST(CircleStrip, AgreesWithFineStripSum) {
    const double r = 6.0, zc = 124.0;
    const double strips[][2] = {
        {129.9, 130.0},    // thin strip at the very top
        {129.0, 131.0},    // strip reaching beyond the top
        {118.0, 118.05},   // thin strip at the bottom
        {120.0, 123.0},    // below the centre
        {125.0, 128.5},    // above the centre
        {121.0, 126.0},    // across the centre
    };
    for (const auto &s : strips) {
        const StripProps exact = circleStrip(r, zc, s[0], s[1]);
        const StripProps sum = numericCircleStrip(r, zc, s[0], s[1]);
        EXPECT_NEAR(exact.A, sum.A, 1e-6 * sum.A + 1e-12) << s[0] << ".." << s[1];
        EXPECT_NEAR(exact.z, sum.z, 1e-6) << s[0] << ".." << s[1];
        EXPECT_NEAR(exact.I, sum.I, 1e-4 * sum.I + 1e-9) << s[0] << ".." << s[1];
        EXPECT_GE(exact.I, 0.0);
        EXPECT_GT(exact.z, s[0]);
        EXPECT_LT(exact.z, std::min(s[1], zc + r));
    }
}

TEST(CircleStrip, AdjacentStripsMakeTheWhole) {
    const double r = 8.0, zc = 0.0;
    const double cuts[] = {-9.0, -5.5, -1.0, 0.0, 2.5, 7.9, 9.0};
    StripProps sum;
    for (int i = 0; i + 1 < 7; ++i) sum = combine(sum, circleStrip(r, zc, cuts[i], cuts[i + 1]));
    EXPECT_NEAR(sum.A, pi * r * r, 1e-9);
    EXPECT_NEAR(sum.z, 0.0, 1e-9);
    EXPECT_NEAR(sum.I, pi * r * r * r * r / 4.0, 1e-7);

    const StripProps whole = circleStrip(r, zc, -r, r);
    const StripProps upper = circleStrip(r, zc, 0.0, r);
    const StripProps lower = subtract(whole, upper);
    EXPECT_NEAR(lower.A, pi * r * r / 2.0, 1e-9);
    EXPECT_NEAR(lower.z, -4.0 * r / (3.0 * pi), 1e-9);
    EXPECT_NEAR(lower.I, upper.I, 1e-7);
}

TEST(RectangleStrip, CombineAndSubtractByParallelAxis) {
    // Two 100 x 10 rectangles 100 apart: I = 2 (100 * 1000 / 12 + 1000 * 50^2).
    const StripProps pair = combine(rectangleStrip(100, 0, 10), rectangleStrip(100, 100, 110));
    EXPECT_DOUBLE_EQ(pair.A, 2000.0);
    EXPECT_DOUBLE_EQ(pair.z, 55.0);
    EXPECT_NEAR(pair.I, 2.0 * (100.0 * 1000.0 / 12.0 + 1000.0 * 2500.0), 1e-6);
    // Hollow box: 100 x 100 less the 80 x 80 core.
    const StripProps box = subtract(rectangleStrip(100, 0, 100), rectangleStrip(80, 10, 90));
    EXPECT_DOUBLE_EQ(box.A, 3600.0);
    EXPECT_DOUBLE_EQ(box.z, 50.0);
    EXPECT_NEAR(box.I, (1e8 - 80.0 * std::pow(80.0, 3)) / 12.0, 1e-6);
    EXPECT_DOUBLE_EQ(rectangleStrip(100, 5, 5).A, 0.0);
    EXPECT_DOUBLE_EQ(times(circleStrip(5, 0, -5, 5), 0.0).A, 0.0);
    EXPECT_NEAR(times(circleStrip(5, 0, -5, 5), 7.0).A, 7.0 * pi * 25.0, 1e-9);
}

}  // namespace
