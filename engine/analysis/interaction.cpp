#include "analysis/interaction.h"

#include <cmath>
#include <iostream>

#include "section/composite_section.h"
#include "analysis/limit_moments.h"
#include "analysis/verification.h"
#include "io/result_writer.h"
#include "section/steel_section.h"

std::vector<double> interactionShearForces(double V_pl_Rd, bool shearNonNegative) {
    const double V_end = shearNonNegative ? V_pl_Rd : -V_pl_Rd;
    const double s = (V_pl_Rd - 10.0) / (shearNonNegative ? 20.0 : -20.0);
    std::vector<double> forces{0.0};
    // Rows from V_end/2 on: the first four steps skip every second point, so the
    // curve is dense only near V_pl_Rd where it drops fastest. The loop ends at
    // V_pl_Rd; the count bound only matters for V_pl_Rd <= 10 (s <= 0).
    double V = V_end / 2.0;
    for (int counter = -1; std::fabs(V) <= V_pl_Rd && counter < 20; ++counter) {
        if (counter >= 0 && counter <= 3) V += s;
        forces.push_back(V);
        V += s;
    }
    return forces;
}

bool momentShearInteraction(CompositeSection &section, bool shearNonNegative,
                            bool momentNonNegative, InteractionRow *atZeroShear,
                            std::vector<InteractionRow> *rows) {
    std::cout << ">>Interaktion Biegung und Querkraft \t" << std::endl;
    const double V_pl_Rd = section.steel.V_pl_Rd;
    const int side = momentNonNegative ? 1 : 0;
    const std::vector<double> forces = interactionShearForces(V_pl_Rd, shearNonNegative);
    for (std::size_t i = 0; i < forces.size(); ++i) {
        const double V = forces[i];
        if (i > 0) std::cout << "V= " << V << " [N]\t" << std::endl;
        section.steel.shearCheck(V);
        computeElasticLimits(section);
        computePlasticLimits(section, momentNonNegative ? 0 : 1);
        if (!limitFound("M_pl", section.plasticLimit[side], section.tolN) ||
            !limitFound("M_el", section.elasticLimit[side], section.tolN))
            return false;
        const InteractionRow row{V, section.plasticLimit[side].M, section.elasticLimit[side].M};
        section.writer.writeInteractionRow(row.V, row.M_pl, row.M_el);
        if (i == 0 && atZeroShear) *atZeroShear = row;
        if (rows) rows->push_back(row);
    }
    const InteractionRow closing{shearNonNegative ? V_pl_Rd : -V_pl_Rd, 0.0, 0.0};
    section.writer.writeInteractionRow(closing.V, closing.M_pl, closing.M_el);
    if (rows) rows->push_back(closing);
    section.steel.shearCheck(section.V_Ed);
    return true;
}
