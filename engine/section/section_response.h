#pragma once
// Section response: axial force, moment and state of the composite section
// for a plane strain distribution, integrated exactly zone by zone over the
// concrete (net of the bars), the two bar layers and the steel section.
// Strains in per mille, curvature in per mille per mm, heights in mm, N, Nmm.
#include <vector>

#include "section/zone_integration.h"

class ConcreteSlab;
class SteelSection;
class CompositeSection;

// Sub-zones of the last evaluation, each part in its own height coordinate
// (slab: above the slab underside; steel: above the steel underside).
struct SectionZones {
    std::vector<SubZone> concrete, bars, steel;
};

// Slab for the strain eps_b at its underside and the curvature kappa: N and M
// about the slab underside, including the tension-stiffening forces when the
// slab's tension stiffening is on.
PartSums slabResponse(const ConcreteSlab &slab, double eps_b, double kappa,
                      std::vector<SubZone> *concrete = nullptr,
                      std::vector<SubZone> *bars = nullptr);

// Steel section for the strain eps0 at its underside and kappa: N and M about
// the underside, rounded to 6 places.
PartSums steelResponse(const SteelSection &steel, double eps0, double kappa,
                       std::vector<SubZone> *zones = nullptr);

// Whole section for the plane eps(z) = kappa (z0 - z), z above the steel
// underside (the slab starts at h_a): N = N_a + N_c, M = M_a + M_c - h_a N_c
// about the steel underside; state failed if a part fails, else yielded if a
// part has yielded, else elastic.
struct SectionResult {
    double N = 0.0, M = 0.0;
    ZoneState state = ZoneState::Elastic;
};
SectionResult evaluateSection(const ConcreteSlab &slab, const SteelSection &steel, double h_a,
                              double kappa, double z0, SectionZones *zones = nullptr);
SectionResult evaluateSection(const CompositeSection &section, double kappa, double z0,
                              SectionZones *zones = nullptr);

// Number of section evaluations since the program started (one plain
// increment per evaluation; read by the benchmarks to count solver work).
unsigned long long sectionEvaluationCount();
