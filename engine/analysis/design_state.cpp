#include "analysis/design_state.h"

#include "section/concrete_slab.h"
#include "io/console.h"
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

void writeRows(const ResultWriter &writer, PartFile file, const std::vector<SubZone> &zones,
               double shift) {
    std::vector<PartRow> rows;
    rows.reserve(zones.size());
    for (const SubZone &s : zones) rows.push_back(rowOf(s, shift));
    writer.writePartRows(file, rows);
}

}  // namespace

void writePartRows(CompositeSection &section, double kappa, double z0) {
    const double h_a = section.h_a;
    std::vector<SubZone> concrete, bars, steel;
    slabResponse(section.slab, -kappa * (h_a - z0), kappa, &concrete, &bars);
    section.slab.h_a = h_a;
    writeRows(section.writer, PartFile::Concrete, concrete, h_a);
    writeRows(section.writer, PartFile::Reinforcement, bars, h_a);
    steelResponse(section.steel, kappa * z0, kappa, &steel);
    writeRows(section.writer, PartFile::Steel, steel, 0.0);
}

void determineDesignState(CompositeSection &section) {
    outputLine(section.slab.tensionStiffening == "ON"
                   ? ">>Dehnung bestimmen: mit Tension Stiffening"
                   : ">>Dehnung bestimmen: ohne Tension Stiffening");
    const DesignState d = solveDesignState(section);
    section.design = d.point;
    if (d.failed) {
        section.writer.writeFailure();
        return;
    }
    const LimitPoint &p = d.point;
    section.writer.writeStateRow(p.M, section.V_Ed, p.kappa, p.z0, d.EI_i, section.steel.fyd_red);
    writePartRows(section, p.kappa, p.z0);
}
