#include "section/strip.h"

#include <algorithm>
#include <cmath>

namespace {

// Integrals over the circle x^2 + u^2 <= r^2 of width 2 sqrt(r^2 - u^2) from
// the bottom (u = -r) up to the height u above the centre.
struct CircleIntegrals {
    double area;    // int w du
    double first;   // int u w du
    double second;  // int u^2 w du
};

// asin with the four basic operations and sqrt only, which IEEE arithmetic
// rounds alike on every system (the C libraries' asin differ in the last
// bit): asin(s) = 2 atan(t) with t = s / (1 + sqrt(1 - s^2)); three halvings
// atan(t) = 2 atan(t / (1 + sqrt(1 + t^2))) bring |t| below tan(pi/32), where
// 14 terms of the arctangent series are exact to the last bit.
double portableAsin(double s) {
    double t = s / (1.0 + std::sqrt((1.0 - s) * (1.0 + s)));
    for (int i = 0; i < 3; ++i) t = t / (1.0 + std::sqrt(1.0 + t * t));
    const double t2 = t * t;
    double term = t, sum = 0.0;
    for (int k = 0; k < 14; ++k, term *= -t2) sum += term / (2 * k + 1);
    return 16.0 * sum;
}

CircleIntegrals circleUpTo(double r, double u) {
    const double s = u / r;
    const double root = std::sqrt(std::max(0.0, r * r - u * u));
    const double angle = portableAsin(std::clamp(s, -1.0, 1.0));
    const double halfPi = std::acos(-1.0) / 2.0;
    CircleIntegrals c;
    c.area = u * root + r * r * (angle + halfPi);
    c.first = -2.0 / 3.0 * root * root * root;
    c.second = u / 4.0 * (2.0 * u * u - r * r) * root + r * r * r * r / 4.0 * (angle + halfPi);
    return c;
}

// Strip from its area, first and second moment about the height zRef.
StripProps fromMoments(double A, double S, double J, double zRef, double zMid) {
    if (A <= 0.0) return {0.0, zMid, 0.0};
    const double e = S / A;
    return {A, zRef + e, std::max(0.0, J - S * e)};
}

}  // namespace

StripProps circleStrip(double r, double zCentre, double z1, double z2) {
    const double lo = std::max(z1, zCentre - r);
    const double hi = std::min(z2, zCentre + r);
    if (!(r > 0.0) || !(hi > lo)) return {0.0, 0.5 * (z1 + z2), 0.0};
    const CircleIntegrals a = circleUpTo(r, lo - zCentre);
    const CircleIntegrals b = circleUpTo(r, hi - zCentre);
    return fromMoments(b.area - a.area, b.first - a.first, b.second - a.second, zCentre,
                       0.5 * (lo + hi));
}

StripProps rectangleStrip(double width, double z1, double z2) {
    const double height = z2 - z1;
    if (!(height > 0.0) || !(width > 0.0)) return {0.0, 0.5 * (z1 + z2), 0.0};
    return {width * height, 0.5 * (z1 + z2), width * height * height * height / 12.0};
}

StripProps combine(const StripProps &a, const StripProps &b) {
    const double A = a.A + b.A;
    if (A == 0.0) return {0.0, a.z, 0.0};
    const double z = (a.A * a.z + b.A * b.z) / A;
    const double I = a.I + a.A * (a.z - z) * (a.z - z) + b.I + b.A * (b.z - z) * (b.z - z);
    return {A, z, I};
}

StripProps subtract(const StripProps &whole, const StripProps &part) {
    const double A = whole.A - part.A;
    if (!(A > 0.0)) return {0.0, whole.z, 0.0};
    const double z = (whole.A * whole.z - part.A * part.z) / A;
    const double I = whole.I + whole.A * (whole.z - z) * (whole.z - z) - part.I -
                     part.A * (part.z - z) * (part.z - z);
    return {A, z, std::max(0.0, I)};
}

StripProps times(const StripProps &part, double n) {
    if (!(n > 0.0)) return {0.0, part.z, 0.0};
    return {n * part.A, part.z, n * part.I};
}
