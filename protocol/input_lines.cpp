#include "protocol/input_lines.h"

namespace protocol::input {

namespace {

constexpr Kind number = Kind::Number;
constexpr Kind word = Kind::Word;
constexpr Kind onOff = Kind::Switch;

const KeywordLine lines[lineCount] = {
    {"*Eigenschaften-Beton:", "f_ck\tgamma_c\talpha_c\tBegrenzung der Bruchdehnung", "\t\t", false,
     {{"festig_klasse", "-", word}, {"gamma_c", "-", number}, {"alpha_c", "-", number},
      {"set_e_cu3", "-", onOff}}},
    {"*Eigenschaften-Bewehrung:", "f_sk\tgamma_s\tDuktilitätsklasse\tVerfestigung", "\t", false,
     {{"f_sk", "N/mm²", number}, {"gamma_s", "-", number}, {"klasse_s", "-", word},
      {"set_verfestigung_s", "-", onOff}}},
    {"*Eigenschaften-Baustahl:", "f_yk\tgamma_M", "\t", false,
     {{"f_yk", "N/mm²", number}, {"gamma_M", "-", number}}},
    {"*Geometrie-Beton:", "h_c\tb_e\th_profilblech\tBreite\tBeton zwischen Profilblech", "\t\t", false,
     {{"h_c", "mm", number}, {"b_e", "mm", number}, {"h_profilblech", "mm", number}, {"b_p", "mm", number}}},
    {"*Geometrie-Bewehrung:", "d_unten\td_oben\tAbstand_unten\tAbstand_oben\tc_nom_u\tc_nom_o", "\t\t", false,
     {{"d_u", "mm", number}, {"d_o", "mm", number}, {"AbstanduntereLage", "mm", number},
      {"AbstandobereLage", "mm", number}, {"c_nom_u", "mm", number}, {"c_nom_o", "mm", number}}},
    {"*Baustahl-Typ:", "Profiltyp\tProfilname", "\t\t\t", false,
     {{"Profiltyp", "-", word}, {"Profilname", "-", word}}},
    {"*Geometrie-Baustahl:", "h\tt_f1\tt_f2\tb_f1\tb_f2\tt_w", "\t\t", false,
     {{"h", "mm", number}, {"t_f1", "mm", number}, {"t_f2", "mm", number}, {"b_f1", "mm", number},
      {"b_f2", "mm", number}, {"t_w", "mm", number}}},
    {"*Gebrauchstauglichkeit:", "M[Nmm]\tV[N]", "\t\t", true, {{"M_g", "Nmm", number}, {"V_g", "N", number}}},
    {"*Mindestbewehrung:", "k_c\tk\ts_s", "\t\t", true,
     {{"k_c", "-", number}, {"k", "-", number}, {"s_s", "N/mm²", number}}},
    {"*Tragfaehigkeit:", "M[Nmm]\tV[N]", "\t\t", true, {{"M_t", "Nmm", number}, {"V_t", "N", number}}},
    // Stud diameter and height, ultimate strength, studs between the critical
    // section and the nearest zero moment, distance between the zero moments
    // in sagging, the ribs, studs per rib and the sheet thickness.
    {"*Verbundmittel:", "d\th_sc\tf_u\tn\tL_e\tRippen\tn_r\tt_blech", "\t\t", true,
     {{"d", "mm", number}, {"h_sc", "mm", number}, {"f_u", "N/mm²", number}, {"n", "-", number},
      {"L_e", "mm", number}, {"Rippen", "-", word}, {"n_r", "-", number}, {"t_blech", "mm", number}},
     true},
};

const HeadLine heads[headFieldCount] = {
    {"#Projekt:", "Projekt"},       {"#Position:", "Position"},     {"#Bauteil:", "Bauteil"},
    {"#Bearbeiter:", "Bearbeiter"}, {"#Bemerkung:", "Bemerkung"},
};

}  // namespace

const HeadLine &headLine(HeadField field) { return heads[field < headFieldCount ? field : 0]; }

HeadField headFieldOfKey(const std::string &word) {
    for (int f = 0; f < headFieldCount; ++f)
        if (word == heads[f].key) return static_cast<HeadField>(f);
    return headFieldCount;
}

const std::vector<std::string> profileTypes{weldedProfile, rolledProfile};
const std::vector<std::string> ductilityClasses{"A", "B", "C"};
const std::vector<std::string> ribWords{ribsNone, ribsTransverse, ribsParallel};

const KeywordLine &keywordLine(Line line) { return lines[line < lineCount ? line : 0]; }

Line lineOfKeyword(const std::string &word) {
    for (int l = 0; l < lineCount; ++l)
        if (word == lines[l].keyword) return static_cast<Line>(l);
    return lineCount;
}

std::string lineName(Line line) {
    const std::string keyword = keywordLine(line).keyword;
    return keyword.substr(1, keyword.size() - 2);
}

}  // namespace protocol::input
