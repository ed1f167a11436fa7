#include "results/state_summary.h"

StateSummary StateSummary::fromStateRow(const results::NumberRow &row) {
    StateSummary summary;
    summary.kappa = row.at(2) * 1000.0;
    summary.z_na = row.at(3);
    summary.ei_i = row.at(4) / 1000000000.0;
    return summary;
}
