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

namespace {

std::istringstream lineStream(const std::string &text) {
    std::istringstream line(text);
    line.imbue(std::locale::classic());
    return line;
}

// Up to four numbers after the key of a material row. A number that cannot be
// extracted keeps the value of the previous row; so do all numbers after it.
void readRowNumbers(std::istream &line, double (&numbers)[4]) {
    for (double &number : numbers) {
        double value = 0.0;
        if (!(line >> value)) return;
        number = value;
    }
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
    if (in.Profiltyp != "Walzprofil") return true;
    std::ifstream file(platform::findDataFile("IProfile.txt"));
    if (!file) {
        errorLine("FEHLERMELDUNG:keine gueltige Profil-Datei 'IProfile.txt' im Verzeichniss "
                  "vorhanden");
        return false;
    }
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
        // Rolled profiles are doubly symmetric: both flanges alike.
        in.h = h;
        in.b_f1 = in.b_f2 = b;
        in.t_w = t_w;
        in.t_f1 = in.t_f2 = t_f;
        in.r = r;
        echoSteelGeometryLines(in);
    }
    return true;
}

bool readMaterialTable(DesignInput &in) {
    std::ifstream file(platform::findDataFile("Materialeigenschaften.txt"));
    if (!file) {
        errorLine("FEHLERMELDUNG:keine gueltige Datei 'Materialeigenschaften.txt' im "
                  "Verzeichniss vorhanden");
        return false;
    }
    double numbers[4] = {0.0, 0.0, 0.0, 0.0};
    std::string text;
    while (std::getline(file, text)) {
        std::istringstream line = lineStream(text);
        std::string key;
        if (!(line >> key)) continue;
        readRowNumbers(line, numbers);
        if (key == in.festig_klasse) {
            in.f_ck = numbers[0];
            in.f_ctm = numbers[1];
            in.e_c3 = numbers[2];
            in.e_cu3 = numbers[3];
        } else if (key == "E_s") {
            in.E_s = numbers[0];
        } else if (key == "E_a") {
            in.E_a = numbers[0];
        } else if (key == in.klasse_s) {
            in.k = numbers[0];
            in.e_uk = numbers[1];
        }
    }
    file.close();
    if (!checkTableValues(in.f_ck, in.f_ctm, in.e_c3, in.e_cu3, in.E_s, in.k, in.e_uk, in.E_a))
        return false;
    echoMaterialTable(in);
    return true;
}
