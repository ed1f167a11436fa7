#include "results/moment_curvature_data.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <initializer_list>
#include <locale>
#include <sstream>

#include "files/units.h"
#include "protocol/result_files.h"
#include "results/result_reader.h"

namespace results {

namespace key = protocol::key;

namespace {

bool finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// The limit labels of "*Grenzmomente": moment (Nmm) and curvature (‰/mm);
// missing when the labels are not in the file (a value of 0 is no limit).
CurvatureMarker limitMarker(const std::string &path, const KeyValues &values, const char *moment,
                            const char *kappa) {
    CurvatureMarker m;
    if (!hasLineStartingWith(path, moment) || !hasLineStartingWith(path, kappa)) return m;
    m.kappa = units::perMetre(values.value(kappa));
    m.moment = units::kilonewtonMetres(values.value(moment));
    m.present = finite({m.kappa, m.moment});
    return m;
}

// The data row of a state output.txt: M (Nmm), kappa (‰/mm), EI_i (Nmm²).
struct StateRow {
    bool present = false;
    double M = 0.0, kappa = 0.0, EI_i = 0.0;
};

StateRow stateRow(const std::string &folder) {
    namespace column = protocol::state;
    StateRow row;
    for (const NumberRow &r : readNumberRows(folder + protocol::outputFile, column::EI_i + 1)) {
        if (!finite({r[column::M], r[column::kappa], r[column::EI_i]})) continue;
        row.present = true;
        row.M = r[column::M];
        row.kappa = r[column::kappa];
        row.EI_i = r[column::EI_i];
    }
    return row;
}

CurvatureMarker designMarker(const StateRow &row) {
    CurvatureMarker m;
    m.present = row.present;
    m.kappa = units::perMetre(row.kappa);
    m.moment = units::kilonewtonMetres(row.M);
    return m;
}

}  // namespace

std::vector<CurvaturePoint> MomentCurvatureData::branch(int direction) const {
    std::vector<CurvaturePoint> out;
    for (const CurvaturePoint &p : points)
        if (p.kappa * direction >= 0.0) out.push_back(p);
    if (direction < 0) std::reverse(out.begin(), out.end());
    return out;
}

std::vector<CurvaturePoint> readCurvaturePoints(const std::string &path) {
    std::vector<CurvaturePoint> points;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        fields.imbue(std::locale::classic());
        // The columns of protocol::curvature in their order.
        double kappa = 0.0, zNa = 0.0, M = 0.0, N = 0.0;
        std::string state;
        if (!(fields >> kappa >> zNa >> M >> N >> state)) continue;
        if (!finite({kappa, zNa, M, N})) continue;
        points.push_back({units::perMetre(kappa), units::kilonewtonMetres(M), zNa, units::kilonewtons(N), state});
    }
    return points;
}

MomentCurvatureData readMomentCurvature(const std::string &runFolder) {
    MomentCurvatureData d;
    d.points = readCurvaturePoints(runFolder + protocol::curvatureFile);
    const std::string output = runFolder + protocol::outputFile;
    const KeyValues values = KeyValues::read(output);
    d.elastic[0] = limitMarker(output, values, key::M_min_el, key::kappa_min_el);
    d.elastic[1] = limitMarker(output, values, key::M_max_el, key::kappa_max_el);
    d.plastic[0] = limitMarker(output, values, key::M_min_pl, key::kappa_min_pl);
    d.plastic[1] = limitMarker(output, values, key::M_max_pl, key::kappa_max_pl);
    const StateRow uls = stateRow(stateFolder(runFolder, 1, 0));
    d.designUls = designMarker(uls);
    d.eiUlsPresent = uls.present && std::isfinite(uls.EI_i);
    d.eiUls = units::kilonewtonSquareMetres(uls.EI_i);
    d.designSls = designMarker(stateRow(stateFolder(runFolder, 0, 0)));
    return d;
}

}  // namespace results
