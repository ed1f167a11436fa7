#include "analysis/calculation.h"

#include <iostream>

#include "io/console.h"
#include "io/design_input.h"
#include "analysis/design_state.h"
#include "analysis/interaction.h"
#include "analysis/limit_moments.h"
#include "analysis/minimum_reinforcement.h"
#include "analysis/moment_curvature.h"
#include "io/result_writer.h"
#include "analysis/strain_solver.h"
#include "analysis/verification.h"
#include "io/finite_values.h"

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

bool Calculation::modelValuesFinite() const { return ::modelValuesFinite(composite_); }

bool Calculation::momentShearInteraction(bool shearNonNegative, bool momentNonNegative) {
    return ::momentShearInteraction(composite_, shearNonNegative, momentNonNegative);
}
bool Calculation::shearFails(double V) { return steel_.shearCheck(V); }
double Calculation::V_pl_Rd() const { return steel_.V_pl_Rd; }
void Calculation::setActions(double M_Ed, double V_Ed) { composite_.setActions(M_Ed, V_Ed); }

void Calculation::elasticLimitMoments() {
    computeUncrackedElasticRange(composite_);
    computeElasticLimits(composite_);
}

void Calculation::plasticLimitMoments(int flag) { computePlasticLimits(composite_, flag); }
bool Calculation::designState() { return determineDesignState(composite_); }
bool Calculation::writeLimitMoments() { return writeLimitMomentBlock(composite_); }
void Calculation::momentCurvature() { writeMomentCurvature(composite_); }

bool Calculation::designStateFailed() const { return composite_.design.state == protocol::ZoneState::Failed; }

bool Calculation::minimumReinforcement(bool topInTension, bool &enough) {
    // Neutral axis of the serviceability state without tension stiffening, in
    // slab coordinates (the steel height is the slab underside).
    const double z0 = composite_.design.z0;
    const MinimumReinforcement check = ::minimumReinforcement(
        slab_, topInTension, z0 - composite_.h_a, input_.k_c, input_.k_min, input_.s_s);
    std::cout << "Mindestbewehrung :\t" << std::endl;
    echoValue("Z_na :", z0, " [mm]\t");
    echoValue("A_ct :", check.A_ct, " [mm^2]\t");
    echoValue("A_s_min :", check.A_s_min, " [mm^2]\t");
    echoValue("A_s :", check.A_s_vor, " [mm^2]\t");
    if (!allFinite({{protocol::key::A_s_min, check.A_s_min}, {protocol::key::A_svor, check.A_s_vor}}))
        return false;
    writer_.writeBlock(protocol::block::minimumReinforcement, {
        {protocol::key::A_s_min, check.A_s_min},
        {protocol::key::A_svor, check.A_s_vor},
    });
    enough = check.enough;
    return true;
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
