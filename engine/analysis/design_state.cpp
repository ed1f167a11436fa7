#include "analysis/design_state.h"

#include "analysis/verification.h"
#include "io/console.h"
#include "io/finite_values.h"
#include "io/number_format.h"
#include "section/concrete_slab.h"
#include "io/result_writer.h"
#include "section/section_response.h"
#include "section/steel_section.h"
#include "analysis/strain_solver.h"

namespace {

PartRow rowOf(const SubZone &s, double shift) {
    PartRow row;
    row.zustand = s.state;
    row.Z_u = s.z1 + shift;
    row.Z_o = s.z2 + shift;
    row.Z_s = s.net.z + shift;
    row.e_u = s.e1;
    row.e_o = s.e2;
    row.s_u = s.s1;
    row.s_o = s.s2;
    row.A = s.net.A;
    row.I = s.net.I;
    row.N = s.N;
    row.M = s.M_own;
    return row;
}

// Rows of the three stress files, in file order.
struct PartRows {
    std::vector<PartRow> concrete, bars, steel;
};

std::vector<PartRow> rowsOf(const std::vector<SubZone> &zones, double shift) {
    std::vector<PartRow> rows;
    rows.reserve(zones.size());
    for (const SubZone &s : zones) rows.push_back(rowOf(s, shift));
    return rows;
}

PartRows partRows(CompositeSection &section, double kappa, double z0) {
    const double h_a = section.h_a;
    std::vector<SubZone> concrete, bars, steel;
    slabResponse(section.slab, -kappa * (h_a - z0), kappa, &concrete, &bars);
    section.slab.h_a = h_a;
    steelResponse(section.steel, kappa * z0, kappa, &steel);
    return {rowsOf(concrete, h_a), rowsOf(bars, h_a), rowsOf(steel, 0.0)};
}

bool rowsFinite(const std::vector<PartRow> &rows) {
    for (const PartRow &r : rows)
        if (!allFinite({{"Z_u", r.Z_u}, {"Z_o", r.Z_o}, {"Z_s", r.Z_s}, {"e_u", r.e_u},
                        {"e_o", r.e_o}, {"s_u", r.s_u}, {"s_o", r.s_o}, {"A", r.A},
                        {"I", r.I}, {"N", r.N}, {"M", r.M}}))
            return false;
    return true;
}

void writeRows(const ResultWriter &writer, PartFile file, const std::vector<PartRow> &rows) {
    writer.writePartRows(file, rows);
}

void writeRows(const ResultWriter &writer, const PartRows &rows) {
    writeRows(writer, PartFile::Concrete, rows.concrete);
    writeRows(writer, PartFile::Reinforcement, rows.bars);
    writeRows(writer, PartFile::Steel, rows.steel);
}

}  // namespace

void writePartRows(CompositeSection &section, double kappa, double z0) {
    writeRows(section.writer, partRows(section, kappa, z0));
}

bool determineDesignState(CompositeSection &section) {
    outputLine(section.slab.tensionStiffening
                   ? ">>Dehnung bestimmen: mit Tension Stiffening"
                   : ">>Dehnung bestimmen: ohne Tension Stiffening");
    const DesignState d = solveDesignState(section);
    section.design = d.point;
    if (d.failed) {
        section.writer.writeFailure();
        return true;
    }
    const LimitPoint &p = d.point;
    const double fyd_red = section.steel.fyd_red;
    if (!allFinite({{"M", p.M}, {"kappa", p.kappa}, {"Z_na", p.z0}, {"EI_i", d.EI_i},
                    {"fyd_red", fyd_red}}))
        return false;
    const PointCheck check =
        checkDesignPoint(p, section.M_Ed, d.bisected, section.tolN, section.tolM);
    if (check != PointCheck::Found) {
        // Like a failure of the section, a result rather than an error: the
        // run goes on and the state shows the failure line, never the point.
        outputLine(">>Dehnungszustand fuer M_Ed = " + formatNumber(section.M_Ed) +
                   " [Nmm] nicht gefunden: " +
                   missText(check, p, section.M_Ed, section.tolN, section.tolM) +
                   "; ausgewiesen als Querschnittsversagen");
        section.design = LimitPoint();
        section.design.state = ZoneState::Failed;
        section.writer.writeFailure();
        return true;
    }
    const PartRows rows = partRows(section, p.kappa, p.z0);
    if (!rowsFinite(rows.concrete) || !rowsFinite(rows.bars) || !rowsFinite(rows.steel))
        return false;
    section.writer.writeStateRow(p.M, section.V_Ed, p.kappa, p.z0, d.EI_i, fyd_red);
    writeRows(section.writer, rows);
    return true;
}
