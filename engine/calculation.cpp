#include "calculation.h"

#include "design_input.h"
#include "result_writer.h"

Calculation::Calculation(const DesignInput &input, ResultWriter &writer)
    : input_(input), writer_(writer) {}

Calculation::~Calculation() = default;

void Calculation::momentShearInteraction(bool, bool) {}
bool Calculation::shearFails(double) { return false; }
double Calculation::V_pl_Rd() const { return 0.0; }
void Calculation::setActions(double, double) {}
void Calculation::elasticLimitMoments() {}
void Calculation::plasticLimitMoments(int) {}
void Calculation::designState() {}
void Calculation::writeLimitMoments() {}
std::string Calculation::minimumReinforcement(const std::string &) { return "true"; }
void Calculation::switchTensionStiffeningOn() {}
void Calculation::writeSectionBlocks() {}
