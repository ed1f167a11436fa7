#pragma once
// The section "VERDÜBELUNG (nach EN 1994-1-1 6.6)" of the design report, from
// the studs as the engine wrote them: P_Rd with its governing formula, the
// reduction factor of the sheeting, N_c,f, N_c, eta, eta_min with its rule,
// M_Rd(eta) of a partial connection and the verdict; "vollständige
// Verdübelung angenommen" without studs; a hogging moment rests on the bars,
// for which full connection is assumed.
#include <QStringList>

#include "results/run_results.h"

namespace results {

// The pieces of the section, each beginning with a line end.
QStringList shearConnectionReport(const RunResults &run);

}  // namespace results
