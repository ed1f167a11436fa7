#pragma once
// Width-to-thickness limits of EN 1993-1-1 Table 5.2 for the parts of a
// composite girder's steel section: the compressed outstand flange and the web
// as an internal part in bending and compression. The one definition of these
// limits: the engine classifies with them and the front end names the limit
// that decided. Standard library only.

// The limits of Classes 1 to 3 (a part whose c/t does not exceed a limit has
// that class) and how each is formed, for the report ("9ε", "42ε/(0.67+0.33ψ)").
struct ClassLimits {
    double class1 = 0.0, class2 = 0.0, class3 = 0.0;
    const char *formula1 = "", *formula2 = "", *formula3 = "";
};

// Outstand flange in compression: 9 eps, 10 eps, 14 eps.
ClassLimits outstandFlangeLimits(double eps);
// Internal compression part: the class 1 and 2 limits from alpha
// (396 eps / (13 alpha - 1) and 456 eps / (13 alpha - 1) for alpha > 0.5,
// 36 eps / alpha and 41.5 eps / alpha otherwise), the class 3 limit from psi
// (42 eps / (0.67 + 0.33 psi) for psi > -1, else 62 eps (1 - psi) sqrt(-psi)).
// Only meaningful for alpha > 0.
ClassLimits webLimits(double eps, double alpha, double psi);

// EN 1993-1-1 6.2.6(6): a web without stiffeners whose h_w / t_w exceeds
// 72 eps / eta buckles in shear before it reaches V_pl,Rd (eta = 1.0, as
// 6.2.6(6) permits): 72 eps.
double shearBucklingLimit(double eps);

// Class 1 to 4 of a part with ratio c/t against its limits.
int classOf(double c_t, const ClassLimits &limits);
