#include "io/input_reader.h"

#include <fstream>
#include <iostream>
#include <locale>
#include <sstream>

#include "io/console.h"
#include "io/design_input.h"
#include "platform/platform.h"
#include "io/tables.h"
#include "io/validation.h"
#include "protocol/input_lines.h"
#include "protocol/run_folders.h"

using namespace protocol::input;

namespace {

const char *keywordOf(Line line) { return keywordLine(line).keyword; }

// Extracts every target in order; false as soon as one does not parse.
template <typename... T>
bool extract(std::istream &in, T &...targets) {
    return static_cast<bool>((in >> ... >> targets));
}

bool fail(const std::string &section) {
    errorLine("FEHLERMELDUNG: " + section + " konnten nicht eingelesen werden");
    return false;
}

bool fail(Line line) { return fail(lineName(line)); }

void echoSteelGeometry(const DesignInput &in) {
    std::cout << keywordOf(GeometrieBaustahl) << std::endl;
    std::cout << "h : " << in.h << " [mm]\t" << "t_f1 : " << in.t_f1 << " [mm]\t"
              << "t_f2 : " << in.t_f2 << " [mm]\t" << "b_f1 : " << in.b_f1 << " [mm]\t"
              << "b_f2 : " << in.b_f2 << " [mm]\t" << "t_w: " << in.t_w << " [mm]\t"
              << "r: " << in.r << " [mm]" << std::endl;
}

// Reads one keyword line (the keyword already taken from the stream).
// Returns false after writing the message of the first failure.
bool readKeywordLine(Line key, std::istream &line, DesignInput &in) {
    std::ostream &out = std::cout;
    switch (key) {
    case EigenschaftenBeton:
        if (!extract(line, in.festig_klasse, in.gamma_c, in.alpha_c, in.set_e_cu3)) return fail(key);
        out << "_festig_klasse: " << in.festig_klasse << std::endl;
        break;
    case EigenschaftenBewehrung:
        if (!extract(line, in.f_sk, in.gamma_s, in.klasse_s, in.set_verfestigung_s)) return fail(key);
        if (!checkReinforcementInput(in.klasse_s, in.set_verfestigung_s, in.f_sk, in.gamma_s))
            return false;
        out << keywordOf(key) << std::endl;
        out << "f_sk : " << in.f_sk << " [N/mm^2]\t" << "gamma_s : " << in.gamma_s << " [-]\t"
            << "klasse_s : " << in.klasse_s << "\t" << "set_verfestigung_s : "
            << in.set_verfestigung_s << std::endl;
        break;
    case EigenschaftenBaustahl:
        if (!extract(line, in.f_yk, in.gamma_M)) return fail(key);
        if (!checkSteelInput(in.f_yk, in.gamma_M)) return false;
        out << keywordOf(key) << std::endl;
        out << "f_yk : " << in.f_yk << " [N/mm^2]\t" << "gamma_M :" << in.gamma_M << " [-]"
            << std::endl;
        break;
    case GeometrieBeton:
        if (!extract(line, in.h_c, in.b_e, in.h_profilblech, in.b_p)) return fail(key);
        out << keywordOf(key) << std::endl;
        out << "h_c : " << in.h_c << " [mm]\t" << "b_e : " << in.b_e << " [mm]\t"
            << "h_profilblech : " << in.h_profilblech << " [mm]\t" << "b_p : " << in.b_p
            << " [mm]" << std::endl;
        break;
    case GeometrieBewehrung:
        if (!extract(line, in.d_u, in.d_o, in.AbstanduntereLage, in.AbstandobereLage, in.c_nom_u,
                     in.c_nom_o))
            return fail(key);
        out << keywordOf(key) << std::endl;
        out << "d_u : " << in.d_u << " [mm]\t" << "d_o : " << in.d_o << " [mm]\t"
            << "AbstanduntereLage: " << in.AbstanduntereLage << " [mm]\t"
            << "AbstandobereLage: " << in.AbstandobereLage << " [mm]\t" << "c_nom_u: "
            << in.c_nom_u << " [mm]\t" << "c_nom_o: " << in.c_nom_o << " [mm]" << std::endl;
        break;
    case BaustahlTyp:
        if (!extract(line, in.Profiltyp)) return fail(key);
        if (in.Profiltyp == rolledProfile && !extract(line, in.Profilname)) return fail(key);
        if (!checkProfileType(in.Profiltyp)) return false;
        // Echoed under the heading of the steel geometry.
        out << keywordOf(GeometrieBaustahl) << std::endl;
        out << "Profiltyp " << in.Profiltyp << "\t" << "Profilname " << in.Profilname
            << std::endl;
        break;
    case GeometrieBaustahl:
        if (in.Profiltyp != weldedProfile) return true;  // rolled: dimensions come from the table
        if (!extract(line, in.h, in.t_f1, in.t_f2, in.b_f1, in.b_f2, in.t_w)) return fail(key);
        in.r = 0.0;
        echoSteelGeometry(in);
        break;
    case Gebrauchstauglichkeit:
        if (!extract(line, in.M_g, in.V_g)) return fail("Schnittgroe\xDF" "en");
        out << keywordOf(key) << std::endl;
        out << "M_g " << in.M_g << " [Nmm]\t" << "V_g " << in.V_g << " [N]" << std::endl;
        break;
    case Tragfaehigkeit:
        if (!extract(line, in.M_t, in.V_t)) return fail("Schnittgroe\xDF" "en");
        out << keywordOf(key) << std::endl;
        out << "M_t " << in.M_t << " [Nmm]\t" << "V_t " << in.V_t << " [N]" << std::endl;
        break;
    case Mindestbewehrung:
        if (!extract(line, in.k_c, in.k_min, in.s_s)) return fail("Angaben zu Mindestbewehrung");
        out << keywordOf(key) << std::endl;
        out << "_k_c " << in.k_c << " [-]\t" << "_k " << in.k_min << " [-]\t" << "_s_s "
            << in.s_s << " [N/mm^2]" << std::endl;
        if (!checkMinimumReinforcementInput(in.k_c, in.k_min, in.s_s)) return false;
        break;
    case Verbundmittel: {
        ShearConnectors &c = in.connectors;
        if (!extract(line, c.d, c.h_sc, c.f_u, c.n, c.L_e, c.Rippen, c.n_r, c.t_blech)) return fail(key);
        if (!checkConnectorInput(c.d, c.h_sc, c.f_u, c.n, c.L_e, c.Rippen, c.n_r, c.t_blech))
            return false;
        c.present = true;
        // A typed "-0" is no number of studs or sheet thickness to print: count it as 0.
        c.n += 0.0, c.t_blech += 0.0;
        out << keywordOf(key) << std::endl;
        out << "d : " << c.d << " [mm]\t" << "h_sc : " << c.h_sc << " [mm]\t" << "f_u : " << c.f_u
            << " [N/mm^2]\t" << "n : " << c.n << " [-]\t" << "L_e : " << c.L_e << " [mm]\t"
            << "Rippen : " << c.Rippen << "\t" << "n_r : " << c.n_r << " [-]\t"
            << "t_blech : " << c.t_blech << " [mm]" << std::endl;
        break;
    }
    case lineCount: break;
    }
    return true;
}

// A keyword line counts as read once its values were taken: the steel
// geometry only after a welded type.
bool takesValues(Line key, const DesignInput &in) {
    return key != GeometrieBaustahl || in.Profiltyp == weldedProfile;
}

// The first required keyword line (in file order) that was not read names
// itself: "FEHLERMELDUNG: Eigenschaften-Baustahl fehlt in der Inputdatei".
bool requiredLinesRead(const bool (&read)[lineCount], const DesignInput &in) {
    for (int l = 0; l < lineCount; ++l) {
        const Line line = static_cast<Line>(l);
        if (line == GeometrieBaustahl && in.Profiltyp != weldedProfile) continue;
        if (read[l] || keywordLine(line).optional) continue;
        errorLine("FEHLERMELDUNG: " + lineName(line) + " fehlt in der Inputdatei");
        return false;
    }
    return true;
}

}  // namespace

void echoSteelGeometryLines(const DesignInput &in) { echoSteelGeometry(in); }

bool readInput(DesignInput &in) {
    const std::string path = in.runFolder + platform::separator() + protocol::inputFile;
    {
        // Binary, as on Linux: a CR of a CRLF line reads as white space, and a
        // Ctrl-Z byte does not end the file early as in Windows text mode.
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            errorLine("FEHLERMELDUNG: kein gueltige Inputdatei im Verzeichniss " + in.runFolder +
                      " vorhanden ");
            return false;
        }
        bool read[lineCount] = {};
        std::string text;
        while (std::getline(file, text)) {
            std::istringstream line(text);
            line.imbue(std::locale::classic());
            std::string word;
            if (!(line >> word)) continue;
            const Line key = lineOfKeyword(word);
            if (key == lineCount) continue;
            if (!readKeywordLine(key, line, in)) return false;
            if (takesValues(key, in)) read[key] = true;
        }
        if (!requiredLinesRead(read, in)) return false;
    }
    if (!readProfileTable(in)) return false;
    // A rolled section's plates passed the profile-table check; the plate
    // bounds are those of a welded section.
    const bool geometryValid =
        in.Profiltyp == rolledProfile
            ? checkSlabGeometry(in.h_c, in.b_e, in.h_profilblech, in.b_p, in.d_u, in.d_o,
                                in.AbstanduntereLage, in.AbstandobereLage, in.c_nom_u,
                                in.c_nom_o, in.b_f2)
            : checkGeometry(in.h_c, in.b_e, in.h_profilblech, in.b_p, in.d_u, in.d_o,
                            in.AbstanduntereLage, in.AbstandobereLage, in.c_nom_u, in.c_nom_o,
                            in.h, in.t_f1, in.t_f2, in.b_f1, in.b_f2, in.t_w, in.r);
    if (!geometryValid) return false;
    if (!readMaterialTable(in)) return false;
    if (!checkConcreteInput(in.set_e_cu3, in.f_ck, in.gamma_c, in.alpha_c)) return false;
    // The studs against the sheeting, once the slab is known.
    if (in.connectors.present &&
        !checkConnectorRibs(in.connectors.Rippen, in.connectors.d, in.connectors.h_sc,
                            in.h_profilblech, in.b_p))
        return false;
    std::cout << keywordOf(EigenschaftenBeton) << std::endl;
    std::cout << "f_ck : " << in.f_ck << " [N/mm^2]\t" << "gamma_c :" << in.gamma_c << " [-]\t"
              << "alpha_c: " << in.alpha_c << " [-]\t" << "set_e_cu3: " << in.set_e_cu3
              << std::endl;
    return true;
}
