#include "analysis/calculation.h"

#include <iostream>

#include "io/design_input.h"
#include "analysis/design_state.h"
#include "analysis/interaction.h"
#include "analysis/limit_moments.h"
#include "analysis/minimum_reinforcement.h"
#include "analysis/moment_curvature.h"
#include "io/result_writer.h"
#include "analysis/strain_solver.h"

Calculation::Calculation(const DesignInput &input, ResultWriter &writer)
    : input_(input),
      writer_(writer),
      concrete_(input, writer),
      reinforcement_(input, writer),
      slab_(input, concrete_, reinforcement_, writer),
      steelMaterial_(input, writer),
      steel_(input, steelMaterial_, writer),
      composite_(concrete_, reinforcement_, steelMaterial_, slab_, steel_, writer, input.M_t,
                 input.V_t) {}

Calculation::~Calculation() = default;

void Calculation::momentShearInteraction(bool shearNonNegative, bool momentNonNegative) {
    ::momentShearInteraction(composite_, shearNonNegative, momentNonNegative);
}
bool Calculation::shearFails(double V) { return steel_.shearCheck(V); }
double Calculation::V_pl_Rd() const { return steel_.V_pl_Rd; }
void Calculation::setActions(double M_Ed, double V_Ed) { composite_.setActions(M_Ed, V_Ed); }

void Calculation::elasticLimitMoments() {
    computeUncrackedElasticRange(composite_);
    computeElasticLimits(composite_);
}

void Calculation::plasticLimitMoments(int flag) { computePlasticLimits(composite_, flag); }
void Calculation::designState() { determineDesignState(composite_); }
void Calculation::writeLimitMoments() { writeLimitMomentBlock(composite_); }
void Calculation::momentCurvature() { writeMomentCurvature(composite_); }

std::string Calculation::minimumReinforcement(const std::string &side) {
    // Neutral axis of the serviceability state without tension stiffening, in
    // slab coordinates (the steel height is the slab underside).
    const double z0 = composite_.design.z0;
    const MinimumReinforcement check = ::minimumReinforcement(
        slab_, side == "oben", z0 - composite_.h_a, input_.k_c, input_.k_min, input_.s_s);
    std::cout << "Mindestbewehrung :\t" << std::endl;
    std::cout << "Z_na :" << z0 << " [mm]\t" << std::endl;
    std::cout << "A_ct :" << check.A_ct << " [mm^2]\t" << std::endl;
    std::cout << "A_s_min :" << check.A_s_min << " [mm^2]\t" << std::endl;
    std::cout << "A_s :" << check.A_s_vor << " [mm^2]\t" << std::endl;
    writer_.writeBlock("*Mindestbewehrung", {
        {"A_s,min", check.A_s_min},
        {"A_svor", check.A_s_vor},
    });
    return check.enough ? "true" : "false";
}
void Calculation::switchTensionStiffeningOn() { concrete_.switchTensionStiffeningOn(slab_); }

void Calculation::writeSectionBlocks() {
    steel_.writeGeometryBlock();
    slab_.writeGeometryBlocks();
    steel_.writeValuesBlock();
    slab_.writeValuesBlocks();
    concrete_.writeBlock();
    steelMaterial_.writeBlock();
    reinforcement_.writeBlock();
}
