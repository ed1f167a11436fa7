#include "files/design.h"

#include <algorithm>
#include <cmath>
#include <locale>
#include <sstream>

namespace design {

namespace {

using units::FormUnit;
using D = Design;
constexpr FormUnit asInFile = FormUnit::AsInFile;

const char *const sigmaFollowsFsk =
    "σ_s folgt f_sk, solange σ_s nicht eigens eingetippt wurde: dann setzt jede\n"
    "Eingabe von f_sk auch σ_s, und die Statusleiste sagt es.";
const char *const fromProfileTable =
    "Die Bereiche gelten für das Schweißprofil. Beim Walzprofil kommt der Wert\n"
    "aus der Profiltabelle und ist nicht änderbar.";
const char *const momentSign =
    "Positiv: Druck am oberen Rand (Feldmoment); negativ: Zug in der Platte (Stützmoment).";

const std::vector<FieldInfo> table = {
    {"m_betonGamma", &D::gamma_c, "γ_c", "Beton", "Teilsicherheitsbeiwert für Beton", "–", asInFile, ""},
    {"m_betonAlpha", &D::alpha_c, "f_cd,RedFak", "Beton",
     "Abminderungsbeiwert der Bemessungsdruckfestigkeit des Betons", "–", asInFile, ""},
    {"m_bewehrungForce", &D::f_sk, "f_sk", "Bewehrung", "charakteristische Streckgrenze des Betonstahls", "N/mm²",
     asInFile, ""},
    {"m_bewehrungGamma", &D::gamma_s, "γ_s", "Bewehrung", "Teilsicherheitsbeiwert für Betonstahl", "–", asInFile,
     ""},
    {"m_baustahlForce", &D::f_yk, "f_yk", "Baustahl", "charakteristische Streckgrenze des Baustahls", "N/mm²",
     asInFile, ""},
    {"m_baustahlGamma", &D::gamma_M, "γ_M", "Baustahl", "Teilsicherheitsbeiwert für Baustahl", "–", asInFile, ""},
    {"m_betonHoeheC", &D::h_c, "h_c", "Geometrie", "Gesamthöhe der Betonplatte", "mm", asInFile, ""},
    {"m_betonHoeheP", &D::h_profilblech, "h_p", "Geometrie", "Höhe des Profilblechs (0 ohne Profilblech)", "mm",
     asInFile, ""},
    {"m_betonBreiteE", &D::b_e, "b_e", "Geometrie", "mittragende Breite der Betonplatte", "mm", asInFile, ""},
    {"m_betonBreiteP", &D::b_p, "b_p", "Geometrie", "Breite des Betons zwischen den Rippen des Profilblechs", "mm",
     asInFile, ""},
    {"m_bewehrungDU", &D::d_u, "d_u", "Geometrie", "Stabdurchmesser der unteren Bewehrungslage", "mm", asInFile,
     ""},
    {"m_bewehrungDO", &D::d_o, "d_o", "Geometrie", "Stabdurchmesser der oberen Bewehrungslage", "mm", asInFile,
     ""},
    {"m_bewehrungAbstandUnten", &D::AbstanduntereLage, "e_u", "Geometrie", "Stababstand der unteren Bewehrungslage",
     "mm", asInFile, ""},
    {"m_bewehrungAbstandOben", &D::AbstandobereLage, "e_o", "Geometrie", "Stababstand der oberen Bewehrungslage",
     "mm", asInFile, ""},
    {"m_bewehrungCnormU", &D::c_nom_u, "c_nom,u", "Geometrie", "Betondeckung der unteren Bewehrungslage", "mm",
     asInFile, ""},
    {"m_bewehrungCnormO", &D::c_nom_o, "c_nom,o", "Geometrie", "Betondeckung der oberen Bewehrungslage", "mm",
     asInFile, ""},
    {"m_baustahlHoehe", &D::h, "h", "Geometrie", "Höhe des Baustahlquerschnitts", "mm", asInFile, fromProfileTable,
     true},
    {"m_baustahlTfu", &D::t_f1, "t_fu", "Geometrie", "Dicke des unteren Flansches", "mm", asInFile,
     fromProfileTable, true},
    {"m_baustahlTfo", &D::t_f2, "t_fo", "Geometrie", "Dicke des oberen Flansches", "mm", asInFile,
     fromProfileTable, true},
    {"m_baustahlBfu", &D::b_f1, "b_fu", "Geometrie", "Breite des unteren Flansches", "mm", asInFile,
     fromProfileTable, true},
    {"m_baustahlBfc", &D::b_f2, "b_fo", "Geometrie", "Breite des oberen Flansches", "mm", asInFile,
     fromProfileTable, true},
    {"m_baustahlTw", &D::t_w, "t_w", "Geometrie", "Stegdicke", "mm", asInFile, fromProfileTable, true},
    {"m_momen_g", &D::M_g, "M_k", "Gebrauchstauglichkeit", "Biegemoment im Grenzzustand der Gebrauchstauglichkeit",
     "kNm", FormUnit::KilonewtonMetre, momentSign, false, true},
    {"m_querkraft_g", &D::V_g, "V_k", "Gebrauchstauglichkeit", "Querkraft im Grenzzustand der Gebrauchstauglichkeit",
     "kN", FormUnit::Kilonewton, "", false, true},
    {"m_k", &D::k_min, "k", "Mindestbewehrung", "Beiwert k für die Wirkung nichtlinear verteilter Eigenspannungen",
     "–", asInFile, "", false, true},
    {"m_k_c", &D::k_c, "k_c", "Mindestbewehrung", "Beiwert k_c für die Spannungsverteilung in der Zugzone", "–",
     asInFile, "", false, true},
    {"m_s_s", &D::s_s, "σ_s", "Mindestbewehrung", "zulässige Spannung der Mindestbewehrung", "N/mm²", asInFile,
     sigmaFollowsFsk, false, true, &D::f_sk},
    {"m_momen_t", &D::M_t, "M_d", "Tragfähigkeit", "Biegemoment im Grenzzustand der Tragfähigkeit", "kNm",
     FormUnit::KilonewtonMetre, momentSign, false, true},
    {"m_querkraft_t", &D::V_t, "V_d", "Tragfähigkeit", "Querkraft im Grenzzustand der Tragfähigkeit", "kN",
     FormUnit::Kilonewton, "", false, true},
    {"m_duebelD", &D::d, "d", "Verbundmittel", "Schaftdurchmesser des Kopfbolzendübels", "mm", asInFile, "",
     false, false, nullptr, true},
    {"m_duebelHoehe", &D::h_sc, "h_sc", "Verbundmittel", "Gesamthöhe des Kopfbolzendübels nach dem Aufschweißen",
     "mm", asInFile, "", false, false, nullptr, true},
    {"m_duebelFu", &D::f_u, "f_u", "Verbundmittel", "Zugfestigkeit des Dübelwerkstoffs", "N/mm²", asInFile, "",
     false, false, nullptr, true},
    {"m_duebelAnzahl", &D::n, "n", "Verbundmittel",
     "Anzahl der Dübel zwischen dem nachgewiesenen Schnitt und dem nächsten Momentennullpunkt", "–", asInFile, "",
     false, false, nullptr, true},
    {"m_duebelLe", &D::L_e, "L_e", "Verbundmittel", "Abstand der Momentennullpunkte im Bereich positiver Momente",
     "mm", asInFile, "", false, false, nullptr, true},
    {"m_duebelJeRippe", &D::n_r, "n_r", "Verbundmittel", "Anzahl der Dübel je Rippe des Profilblechs (1 oder 2)",
     "–", asInFile, "Nur bei Rippen quer von Bedeutung.", false, false, nullptr, true},
    {"m_duebelBlech", &D::t_blech, "t", "Verbundmittel", "Blechdicke des Profilblechs", "mm", asInFile,
     "Nur bei Rippen quer und d ≤ 20 mm von Bedeutung (k_t,max).", false, false, nullptr, true},
};

ColumnMember number(Value Design::*member) { return {member, nullptr, nullptr}; }
ColumnMember word(std::string Design::*member) { return {nullptr, member, nullptr}; }
ColumnMember onOff(bool Design::*member) { return {nullptr, nullptr, member}; }

// The members of every keyword line, in the order of protocol::input::Line.
const std::vector<std::vector<ColumnMember>> &lineMembers() {
    static const std::vector<std::vector<ColumnMember>> lines = {
        {word(&D::festig_klasse), number(&D::gamma_c), number(&D::alpha_c), onOff(&D::set_e_cu3)},
        {number(&D::f_sk), number(&D::gamma_s), word(&D::klasse_s), onOff(&D::set_verfestigung_s)},
        {number(&D::f_yk), number(&D::gamma_M)},
        {number(&D::h_c), number(&D::b_e), number(&D::h_profilblech), number(&D::b_p)},
        {number(&D::d_u), number(&D::d_o), number(&D::AbstanduntereLage), number(&D::AbstandobereLage),
         number(&D::c_nom_u), number(&D::c_nom_o)},
        {word(&D::Profiltyp), word(&D::Profilname)},
        {number(&D::h), number(&D::t_f1), number(&D::t_f2), number(&D::b_f1), number(&D::b_f2), number(&D::t_w)},
        {number(&D::M_g), number(&D::V_g)},
        {number(&D::k_c), number(&D::k_min), number(&D::s_s)},
        {number(&D::M_t), number(&D::V_t)},
        {number(&D::d), number(&D::h_sc), number(&D::f_u), number(&D::n), number(&D::L_e), word(&D::Rippen),
         number(&D::n_r), number(&D::t_blech)},
    };
    return lines;
}

std::string trimmed(const std::string &text) {
    const char *space = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(space);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

}  // namespace

const std::vector<FieldInfo> &fields() { return table; }

const FieldInfo *fieldNamed(const std::string &formName) {
    for (const FieldInfo &f : table)
        if (formName == f.formName) return &f;
    return nullptr;
}

const FieldInfo *fieldOf(Value Design::*member) {
    for (const FieldInfo &f : table)
        if (f.member == member) return &f;
    return nullptr;
}

std::string label(const FieldInfo &field) { return std::string(field.symbol) + " (" + field.group + ")"; }

const std::vector<ColumnMember> &membersOf(protocol::input::Line line) {
    static const std::vector<ColumnMember> none;
    return line < protocol::input::lineCount ? lineMembers().at(line) : none;
}

bool writesLine(const Design &design, protocol::input::Line line) {
    return line != protocol::input::Verbundmittel || design.partialConnection;
}

Place placeOf(Value Design::*member) {
    for (int l = 0; l < protocol::input::lineCount; ++l) {
        const auto line = static_cast<protocol::input::Line>(l);
        const std::vector<ColumnMember> &columns = membersOf(line);
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (columns[c].number == member) return {line, c};
    }
    return {protocol::input::lineCount, 0};
}

const char *symbolOf(Value Design::*member) {
    const Place place = placeOf(member);
    if (place.line == protocol::input::lineCount) return "";
    return protocol::input::keywordLine(place.line).columns.at(place.column).symbol;
}

bool ProjectHead::empty() const {
    for (const std::string &field : fields)
        if (!field.empty()) return false;
    return true;
}

std::string headText(const std::string &text) {
    std::string line = text;
    for (char &c : line)
        if (c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f') c = ' ';
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    line = line.substr(first, line.find_last_not_of(' ') - first + 1);
    constexpr std::size_t longest = 200;
    if (line.size() > longest) {
        std::size_t cut = longest;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        line = line.substr(0, cut);
    }
    return line;
}

void clearNumbers(Design &design) {
    for (const FieldInfo &f : table) (design.*f.member).reset();
}

bool followsLeader(const Design &design, const FieldInfo &field) {
    if (!field.follows) return false;
    const Value &own = design.*field.member;
    const Value &leader = design.*field.follows;
    return !own || (leader && *own == *leader);
}

std::vector<const FieldInfo *> missingValues(const Design &design) {
    std::vector<const FieldInfo *> missing;
    for (const FieldInfo &f : table)
        if (!(design.*f.member) && !(f.plate && design.rolled()) && !(f.stud && !design.partialConnection))
            missing.push_back(&f);
    return missing;
}

std::string roundedNumberText(double value) {
    if (!std::isfinite(value)) return "0";
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}

std::string fieldText(const FieldInfo &field, double value) {
    return field.rounded ? roundedNumberText(value) : numberText(value);
}

std::string numberText(double value) {
    // A design holds finite numbers only; anything else reads back as 0.
    if (!std::isfinite(value)) return "0";
    std::string text;
    for (int precision = 6; precision <= 15; ++precision) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out.precision(precision);
        out << value;
        text = out.str();
        double back = 0.0;
        if (parseNumber(text, back) && back == value) break;
    }
    return text;
}

bool parseNumber(const std::string &word, double &value) {
    if (word.empty()) return false;
    std::istringstream in(word);
    in.imbue(std::locale::classic());
    double x = 0.0;
    if (!(in >> x)) return false;
    // The whole word, nothing after the number.
    if (in.peek() != std::char_traits<char>::eof()) return false;
    if (!std::isfinite(x)) return false;
    value = x;
    return true;
}

bool parseFormNumber(const std::string &text, double &value) {
    std::string number = trimmed(text);
    // One decimal comma stands for the point; "1.000,5" is no number.
    const auto commas = std::count(number.begin(), number.end(), ',');
    if (commas == 1 && number.find('.') == std::string::npos) number[number.find(',')] = '.';
    return parseNumber(number, value);
}

}  // namespace design
