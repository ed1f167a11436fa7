#include "protocol/result_files.h"

#include <iterator>

#include "platform/platform.h"

namespace protocol {

namespace {

template <std::size_t N>
constexpr Columns columnsOf(const char *const (&names)[N]) {
    return {names, N};
}

const char *const zoneNames[] = {"Z_u", "Z_o", "Z_s", "e_u", "e_o", "s_u",
                                 "s_o", "A",   "I",   "N",   "M",   "zustand"};
const char *const stateNames[] = {"M", "V", "kappa", "Z_na", "EI_i", "fyd_red"};
const char *const interactionNames[] = {"V", "M_pl", "M_el"};
const char *const connectionNames[] = {"P_Rd", "n", "k_t", "N_c_f", "N_c", "eta", "eta_min", "M_Rd_eta"};
const char *const partialInteractionNames[] = {"V", "M_Rd_eta"};
const char *const curvatureNames[] = {"kappa", "Z_na", "sum_M", "sum_N", "zustand"};
const char *const classificationNames[] = {"richtung", "eps",      "c_t_flansch",
                                           "klasse_flansch", "alpha", "psi",
                                           "c_t_steg", "klasse_steg", "klasse"};

static_assert(std::size(zoneNames) == zone::columnCount, "one name per zone column");
static_assert(std::size(stateNames) == state::columnCount, "one name per state column");
static_assert(std::size(interactionNames) == interaction::columnCount, "one name per column");
static_assert(std::size(connectionNames) == connection::columnCount, "one name per column");
static_assert(std::size(partialInteractionNames) == partialInteraction::columnCount, "one name per column");
static_assert(std::size(curvatureNames) == curvature::columnCount, "one name per column");
static_assert(std::size(classificationNames) == classification::columnCount, "one name per column");

}  // namespace

const Columns zone::columns = columnsOf(zoneNames);
const Columns state::columns = columnsOf(stateNames);
const Columns state::serviceabilityColumns = {stateNames, state::fyd_red};
const Columns interaction::columns = columnsOf(interactionNames);
const Columns curvature::columns = columnsOf(curvatureNames);
const Columns connection::columns = columnsOf(connectionNames);
const Columns partialInteraction::columns = columnsOf(partialInteractionNames);
const Columns classification::columns = columnsOf(classificationNames);

std::string headerLine(Columns columns) {
    std::string line;
    for (std::size_t i = 0; i < columns.count; ++i) {
        if (i > 0) line += '\t';
        line += columns.names[i];
    }
    return line + '\n';
}

const char *limitStateFolder(AnalysedState state) {
    return state == AnalysedState::Ultimate ? ultimateFolder : serviceabilityFolder;
}

const char *tensionStiffeningFolder(AnalysedState state) {
    return state == AnalysedState::ServiceabilityWithTs ? withTsFolder : withoutTsFolder;
}

std::string stateFolder(AnalysedState state) {
    const std::string &sep = platform::separator();
    return limitStateFolder(state) + sep + tensionStiffeningFolder(state) + sep;
}

const char *stateWord(ZoneState state) {
    switch (state) {
    case ZoneState::Elastic: return "el";
    case ZoneState::Yielded: return "nel";
    case ZoneState::Failed: return "ver";
    case ZoneState::Cracked: return "riss";
    }
    return "el";
}

bool parseState(const std::string &word, ZoneState &state) {
    for (ZoneState s : {ZoneState::Elastic, ZoneState::Yielded, ZoneState::Failed, ZoneState::Cracked}) {
        if (word == stateWord(s)) {
            state = s;
            return true;
        }
    }
    return false;
}

const std::vector<Block> &outputBlocks() {
    using namespace key;
    static const std::vector<Block> blocks{
        {block::shearResistance, {V_pl_Rd}},
        {block::limitMoments,
         {V_ed, M_min_el, kappa_min_el, Zna, M_max_el, kappa_max_el, Zna, M_min_pl, kappa_min_pl, Zna,
          M_max_pl, kappa_max_pl, Zna}},
        {block::minimumReinforcement, {A_s_min, A_svor, A_ct}},
        {block::steelGeometry, {r, t_f1, t_f2, b_f1, b_f2, t_w, h}},
        {block::slabGeometry, {h_c, b_e, h_profilblech, b_p}},
        {block::barGeometry, {c_nom_u, c_nom_o, d_u, d_o, AbstandobereLage, AbstanduntereLage}},
        {block::steelValues, {A_a, z_sa, I_a}},
        {block::concreteValues, {A_c, z_sc, I_c}},
        {block::barValues, {A_s, z_ss, I_s}},
        {block::concreteProperties, {f_ck, f_cd, f_ct_eff, e_c3, e_cu3, e_ct_eff, alpha_c, gamma_c, E_c}},
        {block::steelProperties, {f_yk, f_yd, e_y, E_a}},
        {block::reinforcementProperties, {f_sk, f_sd, f_ud, e_sd, e_uk, e_ud, E_s}},
        {block::ultimateActions, {M_Ed_t, V_Ed_t}},
        {block::serviceabilityActions, {M_Ed_g, V_Ed_g}},
        {block::shearConnection, {P_Rd_1, P_Rd_2, P_Rd_Formel, alpha_sc, E_cm, eta_min_Regel, klasse_eta}},
    };
    return blocks;
}

}  // namespace protocol
