#include "analysis/calculation.h"

#include <cmath>
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
#include "protocol/console_lines.h"
#include "protocol/verdict_files.h"

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

bool Calculation::writeSectionClassification() {
    return ::writeSectionClassification(composite_, &sectionClass_[1], &sectionClass_[0]);
}

bool Calculation::momentShearInteraction(bool shearNonNegative, bool momentNonNegative) {
    return ::momentShearInteraction(composite_, shearNonNegative, momentNonNegative,
                                    &atZeroShear_);
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

bool Calculation::minimumReinforcement(bool topInTension, bool &enough) {
    // Neutral axis of the serviceability state without tension stiffening, in
    // slab coordinates (the steel height is the slab underside).
    const double z0 = composite_.design.z0;
    const MinimumReinforcement check = ::minimumReinforcement(
        slab_, topInTension, z0 - composite_.h_a, input_.k_c, input_.k_min, input_.s_s);
    outputLine(protocol::minimumReinforcementHeading);
    echoValue("Z_na :", z0, " [mm]\t");
    echoValue("A_ct :", check.A_ct, " [mm^2]\t");
    echoValue("A_s_min :", check.A_s_min, " [mm^2]\t");
    echoValue("A_s :", check.A_s_vor, " [mm^2]\t");
    if (!allFinite({{protocol::key::A_s_min, check.A_s_min},
                    {protocol::key::A_svor, check.A_s_vor},
                    {protocol::key::A_ct, check.A_ct}}))
        return false;
    writer_.writeBlock(protocol::block::minimumReinforcement, {
        {protocol::key::A_s_min, check.A_s_min},
        {protocol::key::A_svor, check.A_s_vor},
        {protocol::key::A_ct, check.A_ct},
    });
    enough = check.enough;
    minimumMade_ = true;
    minimumTop_ = topInTension;
    A_s_min_ = check.A_s_min;
    A_s_vor_ = check.A_s_vor;
    // A check on a state that was not found tells nothing.
    minimum_ = composite_.design.state == protocol::ZoneState::Failed ? MinimumCheck::StateFailure
               : check.tensileZone                                   ? MinimumCheck::Made
                                                                     : MinimumCheck::NoTensileZone;
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

bool Calculation::ultimateBendingResistances() {
    const int direction = input_.M_t >= 0.0 ? 1 : -1;
    const int side = direction > 0 ? 1 : 0;
    ultimate_.made = true;
    ultimate_.M_pl_Rd_V = composite_.plasticLimit[side].M;
    ultimate_.designStateFailed = composite_.design.state == ZoneState::Failed;
    const SectionClassification &k = sectionClass_[side];
    if (k.klasse != 3) return true;
    outputLine(">>Querschnittsklasse 3: M_f_Rd und wirksamer Steg bestimmen\t");
    const LimitPoint flanges = flangesOnlyLimit(composite_, direction);
    if (!limitFound("M_f_Rd", flanges, composite_.tolN)) return false;
    ultimate_.M_f_Rd = flanges.M;
    echoValue("M_f_Rd :", flanges.M, " [Nmm]\t");
    // EN 1994-1-1 5.5.2(3): only with a compression flange of Class 1 or 2.
    if (k.klasse_flansch > 2) return true;
    const EffectiveWeb web =
        effectiveWebLimit(composite_, k.eps, direction, composite_.plasticLimit[side].z0);
    if (!web.settled) {
        outputLine(">>Wirksamer Steg: Nulllinie nach " + std::to_string(web.iterations) +
                   " Schritten nicht eingependelt; nur der elastische Nachweis");
        return true;
    }
    if (!limitFound("M_pl_eff_Rd", web.limit, composite_.tolN)) return false;
    echoValue("Z_pl_eff :", web.limit.z0, " [mm]\t");
    echoValue("M_pl_eff_Rd :", web.limit.M, " [Nmm]\t");
    ultimate_.effective = web;
    return true;
}

namespace {

// The values of a Class 3 section's two routes, in the order of the file.
std::vector<std::pair<std::string, double>> class3Values(const DesignCheckInput &in,
                                                         const Class3Utilisation &u,
                                                         const std::optional<EffectiveWeb> &web) {
    namespace N = protocol::class3;
    std::vector<std::pair<std::string, double>> values;
    auto add = [&values](const char *key, const std::optional<double> &value) {
        if (value) values.emplace_back(key, *value);
    };
    add(N::M_el_Rd, in.M_el_Rd);
    add(N::eta_el, u.eta_el);
    add(N::M_pl_Rd, in.M_pl_Rd);
    add(N::M_f_Rd, in.M_f_Rd);
    add(N::eta1, u.eta1);
    add(N::eta3, u.eta3);
    if (!web) return values;
    add(N::loch_im_steg, web->hole.empty() ? 0.0 : 1.0);
    add(N::l_flansch, web->hole.keep);
    add(N::l_nullinie, web->hole.keep);
    if (!web->hole.empty()) {
        add(N::z_loch_u, web->hole.z_u);
        add(N::z_loch_o, web->hole.z_o);
    }
    add(N::Z_pl_eff, web->limit.z0);
    add(N::M_pl_eff_Rd, web->limit.M);
    add(N::eta_eff, u.eta_eff);
    return values;
}

bool rowsFinite(const std::vector<VerdictRow> &rows) {
    for (const VerdictRow &row : rows)
        for (const std::optional<double> &v : {row.E_d, row.R_d, row.eta})
            if (v && !allFinite({{row.nachweis.c_str(), *v}})) return false;
    return true;
}

}  // namespace

bool Calculation::writeDesignVerdicts() {
    DesignCheckInput in;
    in.M_Ed = input_.M_t;
    in.V_Ed = input_.V_t;
    in.V_pl_Rd = steel_.V_pl_Rd;
    // As the shear check of the steel section decides it.
    in.shearFailure = std::sqrt(in.V_Ed * in.V_Ed) > in.V_pl_Rd;
    const SectionClassification &k = sectionClass_[in.M_Ed >= 0.0 ? 1 : 0];
    const double h_w = steel_.h - steel_.t_f1 - steel_.t_f2;
    in.slenderWeb = h_w / steel_.t_w > shearBucklingLimit(k.eps);
    in.klasse = k.klasse;
    in.klasse_flansch = k.klasse_flansch;
    in.M_el_Rd = atZeroShear_.M_el;
    in.M_pl_Rd = atZeroShear_.M_pl;
    if (ultimate_.made) {
        in.M_pl_Rd_V = ultimate_.M_pl_Rd_V;
        in.designStateFailed = ultimate_.designStateFailed;
        in.M_f_Rd = ultimate_.M_f_Rd;
        if (ultimate_.effective) in.M_pl_eff_Rd = ultimate_.effective->limit.M;
    }
    // No check was made: no serviceability moment, or its state was skipped
    // for shear failure.
    in.minimum = minimumMade_          ? minimum_
                 : input_.M_g == 0.0   ? MinimumCheck::NoMoment
                                       : MinimumCheck::ShearFailure;
    in.topInTension = minimumTop_;
    in.A_s_min = A_s_min_;
    in.A_s_vor = A_s_vor_;
    const DesignChecks checks = decideDesignChecks(in);
    const auto values = class3Values(in, checks.class3, ultimate_.effective);
    if (!rowsFinite(checks.rows)) return false;
    for (const auto &[key, value] : values)
        if (!allFinite({{key.c_str(), value}})) return false;
    writer_.writeVerdictRows(checks.rows);
    if (checks.class3.applies) writer_.writeClass3Values(values);
    return true;
}
