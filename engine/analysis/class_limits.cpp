#include "analysis/class_limits.h"

#include <cmath>

ClassLimits outstandFlangeLimits(double eps) {
    return {9.0 * eps, 10.0 * eps, 14.0 * eps, "9ε", "10ε", "14ε"};
}

ClassLimits webLimits(double eps, double alpha, double psi) {
    ClassLimits l;
    if (alpha > 0.5) {
        l.class1 = 396.0 * eps / (13.0 * alpha - 1.0);
        l.class2 = 456.0 * eps / (13.0 * alpha - 1.0);
        l.formula1 = "396ε/(13α−1)";
        l.formula2 = "456ε/(13α−1)";
    } else {
        l.class1 = 36.0 * eps / alpha;
        l.class2 = 41.5 * eps / alpha;
        l.formula1 = "36ε/α";
        l.formula2 = "41.5ε/α";
    }
    if (psi > -1.0) {
        l.class3 = 42.0 * eps / (0.67 + 0.33 * psi);
        l.formula3 = "42ε/(0.67+0.33ψ)";
    } else {
        l.class3 = 62.0 * eps * (1.0 - psi) * std::sqrt(-psi);
        l.formula3 = "62ε(1−ψ)√(−ψ)";
    }
    return l;
}

double shearBucklingLimit(double eps) { return 72.0 * eps; }

int classOf(double c_t, const ClassLimits &limits) {
    if (c_t <= limits.class1) return 1;
    if (c_t <= limits.class2) return 2;
    if (c_t <= limits.class3) return 3;
    return 4;
}
