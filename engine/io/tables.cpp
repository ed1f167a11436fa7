#include "io/tables.h"

#include <fstream>
#include <iostream>
#include <locale>
#include <sstream>
#include <string>

#include "io/console.h"
#include "io/design_input.h"
#include "io/input_reader.h"
#include "platform/platform.h"
#include "io/validation.h"
#include "io/validation_bounds.h"
#include "protocol/input_lines.h"

namespace {

std::istringstream lineStream(const std::string &text) {
    std::istringstream line(text);
    line.imbue(std::locale::classic());
    return line;
}

const char *const profileFile = "'IProfile.txt'";
const char *const materialFile = "'Materialeigenschaften.txt'";

// One message for a bad value of a table: file, row (its key) and column.
bool rejectTableValue(const char *file, const std::string &row, const std::string &column,
                      const std::string &reason) {
    errorLine(std::string("FEHLERMELDUNG: ungueltiger Wert in ") + file + ", Zeile " + row +
              ", Spalte " + column + ": " + reason);
    return false;
}

const char *const mustBePositive = "muss groesser als 0 sein";

// The row of the chosen profile must be usable as it stands: the table is
// the authority for a rolled section, so its values are checked here.
bool checkProfileRow(const std::string &name, double h, double b, double t_w, double t_f,
                     double r) {
    const char *column = bounds::profileRowFault(h, b, t_w, t_f, r);
    if (!column) return true;
    const std::string c = column;
    const double value = c == "h" ? h : c == "b" ? b : c == "t_w" ? t_w : c == "t_f" ? t_f : r;
    const std::string largest = "darf hoechstens " +
                                std::to_string(static_cast<int>(bounds::maxProfileDimension)) +
                                " mm betragen";
    if (value > bounds::maxProfileDimension) return rejectTableValue(profileFile, name, c, largest);
    if (c == "r" && !(r >= 0)) return rejectTableValue(profileFile, name, c, "muss mindestens 0 sein");
    if (c == "h" && h > 0)
        return rejectTableValue(profileFile, name, c,
                                "Flansche und Ausrundungen (2 t_f + 2 r) muessen hineinpassen");
    return rejectTableValue(profileFile, name, c, mustBePositive);
}

// The numbers of a material row whose key is used: every one present and
// positive (what reads as a number is finite). Further numbers are ignored.
template <std::size_t N>
bool readMaterialRow(std::istream &line, const std::string &key,
                     const char *const (&columns)[N], double (&values)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (!(line >> values[i]))
            return rejectTableValue(materialFile, key, columns[i], "fehlt oder ist keine Zahl");
        if (!(values[i] > 0))
            return rejectTableValue(materialFile, key, columns[i], mustBePositive);
    }
    return true;
}

void echoMaterialTable(const DesignInput &in) {
    std::cout << "_festig_klasse : " << in.festig_klasse << "\t" << "_f_ck : " << in.f_ck
              << " [N/mm^2]\t" << "_f_ctm : " << in.f_ctm << " [N/mm^2]\t" << "_e_c3 : "
              << in.e_c3 << " [/1000]\t" << "_e_cu3 : " << in.e_cu3 << " [/1000]" << std::endl;
    std::cout << "_klasse_s : " << in.klasse_s << "\t" << "_k_ : " << in.k << " [-]\t"
              << "_e_uk : " << in.e_uk << " [/1000]" << std::endl;
    std::cout << "_E_s : " << in.E_s << " [N/mm^2]" << std::endl;
    std::cout << "_E_a : " << in.E_a << " [N/mm^2]" << std::endl;
}

}  // namespace

bool readProfileTable(DesignInput &in) {
    if (in.Profiltyp != protocol::input::rolledProfile) return true;
    std::ifstream file(platform::findDataFile(protocol::input::profileTable), std::ios::binary);
    if (!file) {
        errorLine("FEHLERMELDUNG:keine gueltige Profil-Datei 'IProfile.txt' im Verzeichniss "
                  "vorhanden");
        return false;
    }
    bool found = false;
    std::string text;
    while (std::getline(file, text)) {
        std::istringstream line = lineStream(text);
        std::string name;
        if (!(line >> name) || name != in.Profilname) continue;
        double h = 0.0, b = 0.0, t_w = 0.0, t_f = 0.0, r = 0.0;
        if (!(line >> h >> b >> t_w >> t_f >> r)) {
            errorLine("FEHLERMELDUNG: Geometriedaten des Baustahlquerschnitts aus 'IProfile.txt' "
                      "konnten nicht eingelesen werden");
            return false;
        }
        if (!checkProfileRow(name, h, b, t_w, t_f, r)) return false;
        // Rolled profiles are doubly symmetric: both flanges alike.
        in.h = h;
        in.b_f1 = in.b_f2 = b;
        in.t_w = t_w;
        in.t_f1 = in.t_f2 = t_f;
        in.r = r;
        found = true;
        echoSteelGeometryLines(in);
    }
    if (!found) {
        errorLine("FEHLERMELDUNG: Profil " + in.Profilname + " nicht in IProfile.txt gefunden");
        return false;
    }
    return true;
}

bool readMaterialTable(DesignInput &in) {
    std::ifstream file(platform::findDataFile(protocol::input::materialTable), std::ios::binary);
    if (!file) {
        errorLine("FEHLERMELDUNG:keine gueltige Datei 'Materialeigenschaften.txt' im "
                  "Verzeichniss vorhanden");
        return false;
    }
    static const char *const concreteColumns[] = {"f_ck", "f_ctm", "e_c3", "e_cu3"};
    static const char *const E_sColumns[] = {"E_s"};
    static const char *const E_aColumns[] = {"E_a"};
    static const char *const ductilityColumns[] = {"k", "e_uk"};
    std::string text;
    while (std::getline(file, text)) {
        std::istringstream line = lineStream(text);
        std::string key;
        if (!(line >> key)) continue;
        // First match only; a later row of the same key overwrites an earlier one.
        if (key == in.festig_klasse) {
            double v[4];
            if (!readMaterialRow(line, key, concreteColumns, v)) return false;
            in.f_ck = v[0];
            in.f_ctm = v[1];
            in.e_c3 = v[2];
            in.e_cu3 = v[3];
        } else if (key == "E_s") {
            double v[1];
            if (!readMaterialRow(line, key, E_sColumns, v)) return false;
            in.E_s = v[0];
        } else if (key == "E_a") {
            double v[1];
            if (!readMaterialRow(line, key, E_aColumns, v)) return false;
            in.E_a = v[0];
        } else if (key == in.klasse_s) {
            double v[2];
            if (!readMaterialRow(line, key, ductilityColumns, v)) return false;
            in.k = v[0];
            in.e_uk = v[1];
        }
    }
    file.close();
    if (!checkTableValues(in.f_ck, in.f_ctm, in.e_c3, in.e_cu3, in.E_s, in.k, in.e_uk, in.E_a))
        return false;
    echoMaterialTable(in);
    return true;
}
