#include "results/state_summary.h"

#include "protocol/result_files.h"

StateSummary StateSummary::fromStateRow(const results::NumberRow &row) {
    namespace column = protocol::state;
    StateSummary summary;
    summary.kappa = row.at(column::kappa) * 1000.0;
    summary.z_na = row.at(column::Z_na);
    summary.ei_i = row.at(column::EI_i) / 1000000000.0;
    return summary;
}
