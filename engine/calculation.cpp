#include "calculation.h"

#include "design_input.h"
#include "design_state.h"
#include "limit_moments.h"
#include "result_writer.h"

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

void Calculation::momentShearInteraction(bool, bool) {}
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

std::string Calculation::minimumReinforcement(const std::string &) { return "true"; }
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
