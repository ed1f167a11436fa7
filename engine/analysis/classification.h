#pragma once
// Cross-section classification of the composite girder (EN 1994-1-1 5.5 with
// the width-to-thickness limits of EN 1993-1-1 Table 5.2), for sagging and
// hogging: the compression flange as an outstand, the web as an internal part
// under bending and compression, and the section class as the worse of the two.
// Heights z in mm above the underside of the steel section.
#include <functional>
#include <vector>

#include "analysis/class_limits.h"

class CompositeSection;
class SteelSection;

// epsilon = sqrt(235 / f_yk), f_yk in N/mm^2.
double classificationEpsilon(double f_yk);

// One material of a rigid-plastic stress distribution: its area between two
// heights, its design strength (positive) and whether it carries tension
// (concrete carries compression only).
struct PlasticMaterial {
    std::function<double(double z1, double z2)> area;
    double f = 0.0;
    bool carriesTension = true;
};

// Height of the plastic neutral axis: every material compressed at its
// strength on one side of it and, where it can, in tension on the other,
// with zero axial force. direction +1 (sagging) compresses above the axis,
// -1 (hogging) below. The net compression is monotonic in the axis height,
// so the root is bracketed by zLow and zHigh and bisected (at most 200
// halvings); without a sign change the end with the smaller imbalance is
// returned.
double plasticNeutralAxis(const std::vector<PlasticMaterial> &materials, int direction,
                          double zLow, double zHigh);

// The web's compressed part c between z_a and z_b (z_a < z_b) is the part above z_pl
// for sagging and below it for hogging. alpha is that part's share of c,
// clamped to 0..1; 0 when c has no length.
double compressedShare(double z_pl, double z_a, double z_b, int direction);

// Stress ratio psi of the two ends of c for the strain plane
// eps(z) = kappa (z0 - z): the strain at the other end over the strain at the
// end with the larger compression, so that tension makes psi negative. 1 when
// neither end is compressed.
double stressRatio(double kappa, double z0, double z_a, double z_b);

// Web class: 1 without compression in c (alpha = 0), else by webLimits.
int webClass(double c_t, double eps, double alpha, double psi);

// Geometry of the classified parts of the steel section.
struct ClassificationGeometry {
    double h = 0.0, t_f1 = 0.0, t_f2 = 0.0, b_f1 = 0.0, b_f2 = 0.0, t_w = 0.0, r = 0.0;
};
// Web c = h - t_f1 - t_f2 - 2r between z_a = t_f1 + r and z_b = h - t_f2 - r.
struct WebExtent {
    double z_a = 0.0, z_b = 0.0, c = 0.0;
};
WebExtent webExtent(const ClassificationGeometry &g);
ClassificationGeometry classificationGeometry(const SteelSection &steel);
// Outstand c / t of the bottom flange (hogging) or the top flange (sagging):
// c = (b_f - t_w - 2r) / 2, t = t_f.
double flangeSlenderness(const ClassificationGeometry &g, int direction);

// Classification of one bending direction.
struct SectionClassification {
    double eps = 0.0;
    double c_t_flansch = 0.0;
    int klasse_flansch = 1;
    double alpha = 0.0, psi = 1.0;
    double c_t_steg = 0.0;
    int klasse_steg = 1;
    int klasse = 1;
    double z_pl = 0.0;  // plastic neutral axis above the steel underside
};

// Combines the parts: the top flange in sagging is held by the shear
// connectors and is Class 1 (EN 1994-1-1 5.5.2(1)); the section class is the
// larger of the flange class and the web class.
SectionClassification classifyParts(const ClassificationGeometry &g, double f_yk, double z_pl,
                                    double kappa_el, double z0_el, int direction);

// The rigid-plastic materials of the composite section without shear
// reduction: steel at +-f_yd (true shape with fillets), bars of both layers
// at +-f_sd, concrete at f_cd in compression only (net of the bars, ribs of
// the sheeting with their width b_p).
std::vector<PlasticMaterial> plasticMaterialsOf(const CompositeSection &section);

// Classification of the section for direction +1 (sagging) or -1 (hogging).
// psi comes from the elastic limit of that direction as determined for the
// limit-moment table, with V = 0 (f_yd unreduced) and without tension
// stiffening; the section's shear reduction and tension-stiffening state are
// restored afterwards.
SectionClassification classifySection(CompositeSection &section, int direction);

// Both directions into the classification file, rows sagging ("positiv") and hogging ("negativ").
// False (with one FEHLERMELDUNG) when a value of either is no finite number;
// nothing is written then. Where given, `sagging` and `hogging` receive the
// classifications written.
bool writeSectionClassification(CompositeSection &section,
                                SectionClassification *sagging = nullptr,
                                SectionClassification *hogging = nullptr);
