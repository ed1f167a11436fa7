#include "analysis/calculation.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "io/console.h"
#include "io/design_input.h"
#include "analysis/design_state.h"
#include "analysis/interaction.h"
#include "analysis/limit_moments.h"
#include "analysis/minimum_reinforcement.h"
#include "analysis/moment_curvature.h"
#include "analysis/shear_connection.h"
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
                                    &atZeroShear_, &interactionRows_);
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

// The class of a sagging section with a partial connection: the web of the
// full connection's class, or compressed above the steel's own plastic axis
// z_a, whichever is worse (psi stays that of the elastic limit).
int partialConnectionClass(const SectionClassification &k, const SteelSection &steel, double z_a) {
    const WebExtent web = webExtent(classificationGeometry(steel));
    const double alpha = compressedShare(z_a, web.z_a, web.z_b, +1);
    return std::max(k.klasse, webClass(k.c_t_steg, k.eps, alpha, k.psi));
}

}  // namespace

bool Calculation::shearConnection() {
    const ShearConnectors &c = input_.connectors;
    if (!c.present) return true;
    outputLine(">>Verduebelung bestimmen\t");
    const StudResistance stud = studResistance(c.d, c.h_sc, c.f_u, slab_.f_ck);
    const double k = ribReduction(c.Rippen, c.d, c.h_sc, slab_.h_profilblech, slab_.b_p, c.n_r, c.t_blech);
    const double P_Rd = k * stud.P_Rd;
    const double N_c_f = fullConnectionForce(composite_);
    const double N_c = std::min(c.n * P_Rd, N_c_f);
    Connection &result = connection_;
    if (N_c_f > 0.0) result.eta = N_c / N_c_f;
    const MinimumDegree minimum =
        minimumDegree(steelMaterial_.f_yk, c.L_e / 1000.0, steel_.A_f1, steel_.A_f2, c.d, c.h_sc);
    result.eta_min = minimum.eta_min;
    const bool sagging = input_.M_t >= 0.0;
    std::vector<std::pair<double, double>> curve;
    auto momentAt = [this, N_c](double V) {
        const double f = shearReducedStrength(steel_.f_yd, V, steel_.V_pl_Rd);
        return partialConnectionMoment(partialConnectionSection(composite_, f), N_c);
    };
    if (sagging && result.eta && *result.eta < 1.0) {
        // The class by the steel's own axis before any shear reduction, as
        // the section's classes are found.
        result.klasse_eta = partialConnectionClass(sectionClass_[1], steel_, momentAt(0.0).z_a);
        // The rigid-plastic M_Rd(eta) rests on a Class 1 or 2 section
        // (EN 1994-1-1 6.2.1.3(3)): for Class 3 or 4 the check is not
        // covered, and no plastic resistance or curve is written for it.
        const bool plastic = std::max(sectionClass_[1].klasse, result.klasse_eta) <= 2;
        // Never beyond the resistance of full connection at the same V.
        if (plastic && ultimate_.made)
            result.M_Rd_eta = std::min(momentAt(input_.V_t).M, ultimate_.M_pl_Rd_V);
        if (plastic)
            for (const InteractionRow &row : interactionRows_)
                curve.emplace_back(row.V, std::min(momentAt(row.V).M, row.M_pl));
    } else if (sagging && ultimate_.made) {
        result.M_Rd_eta = ultimate_.M_pl_Rd_V;
    }
    echoValue("P_Rd :", P_Rd, " [N]\t");
    echoValue("k_t :", k, " [-]\t");
    echoValue("N_c_f :", N_c_f, " [N]\t");
    echoValue("N_c :", N_c, " [N]\t");
    if (result.eta) echoValue("eta :", *result.eta, " [-]\t");
    echoValue("eta_min :", minimum.eta_min, " [-]\t");
    if (result.M_Rd_eta) echoValue("M_Rd_eta :", *result.M_Rd_eta, " [Nmm]\t");
    namespace key = protocol::key;
    if (!allFinite({{key::P_Rd_1, stud.P_Rd_1}, {key::P_Rd_2, stud.P_Rd_2}, {key::alpha_sc, stud.alpha},
                    {key::E_cm, stud.E_cm}, {"k_t", k}, {"N_c_f", N_c_f}, {"N_c", N_c},
                    {"eta", result.eta.value_or(0.0)}, {"eta_min", minimum.eta_min},
                    {"M_Rd_eta", result.M_Rd_eta.value_or(0.0)}}))
        return false;
    for (const auto &[V, M] : curve)
        if (!allFinite({{"V", V}, {"M_Rd_eta", M}})) return false;
    writer_.writeConnectionRow({P_Rd, c.n, k, N_c_f, N_c, result.eta, minimum.eta_min, result.M_Rd_eta});
    writer_.writePartialInteractionRows(curve);
    writer_.writeBlock(protocol::block::shearConnection, {
        {key::P_Rd_1, stud.P_Rd_1},
        {key::P_Rd_2, stud.P_Rd_2},
        {key::P_Rd_Formel, double(stud.formula)},
        {key::alpha_sc, stud.alpha},
        {key::E_cm, stud.E_cm},
        {key::eta_min_Regel, double(minimum.rule)},
        {key::klasse_eta, double(result.klasse_eta)},
    });
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
    in.connectors = input_.connectors.present;
    in.eta = connection_.eta;
    in.eta_min = connection_.eta_min;
    in.M_Rd_eta = connection_.M_Rd_eta;
    in.klasse_eta = connection_.klasse_eta;
    const DesignChecks checks = decideDesignChecks(in);
    const auto values = class3Values(in, checks.class3, ultimate_.effective);
    if (!rowsFinite(checks.rows)) return false;
    for (const auto &[key, value] : values)
        if (!allFinite({{key.c_str(), value}})) return false;
    writer_.writeVerdictRows(checks.rows);
    if (checks.class3.applies) writer_.writeClass3Values(values);
    return true;
}
