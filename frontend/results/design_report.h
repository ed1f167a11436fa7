#pragma once
// The design report "BEMESSUNGSPROTOKOLL": input geometry and materials as
// the engine echoed them, section areas, the strain state of each analysed
// state, the minimum reinforcement and the two ultimate-limit-state checks.
#include <QStringList>

#include "results/result_reader.h"
#include "results/state_summary.h"

struct AnalysedStates {
    StateSummary serviceabilityWithoutTs;
    StateSummary serviceabilityWithTs;
    StateSummary ultimate;
};

// The report as the pieces that are inserted one after another into the
// report box; joined they give the whole report text.
QStringList buildDesignReport(const results::KeyValues &output, const AnalysedStates &states);
