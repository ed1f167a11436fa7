#include "results/state_summary.h"

#include "files/units.h"
#include "protocol/result_files.h"

StateSummary StateSummary::fromStateRow(const results::NumberRow &row) {
    namespace column = protocol::state;
    StateSummary summary;
    summary.kappa = units::perMetre(row.at(column::kappa));
    summary.z_na = row.at(column::Z_na);
    summary.ei_i = units::kilonewtonSquareMetres(row.at(column::EI_i));
    return summary;
}
