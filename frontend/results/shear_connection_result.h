#pragma once
// The studs of a run as the engine wrote them: the one row of
// "Verduebelung.txt" (P_Rd with its reduction factor, n, N_c,f, N_c, eta,
// eta_min, M_Rd(eta) at V_Ed; a number the engine has not got is missing),
// the stud values of output.txt's block (both resistances of a stud, the
// governing formula, the rule of eta_min) and the reduced sagging curve of
// "V_M_Teilverduebelung.txt". A run without studs, or an older run, has none.
#include <optional>
#include <string>
#include <vector>

#include "results/result_reader.h"

namespace results {

struct ShearConnection {
    bool present = false;  // the input had a *Verbundmittel: line
    std::optional<double> P_Rd, n, k_t, N_c_f, N_c, eta, eta_min, M_Rd_eta;  // N, -, N, Nmm
    std::optional<double> P_Rd_1, P_Rd_2;  // N, shank and concrete (EN 1994-1-1 6.6.3.1)
    int formula = 0;                        // 1 or 2: the governing one; 0 unknown
    int minimumRule = 0;                    // protocol::MinimumDegreeRule; 0 unknown
    int klasse_eta = 0;  // class of a partial connection's section, its web also above the steel's own axis; 0 none
    std::vector<NumberRow> curve;           // V (N), M_Rd(eta) (Nmm)

    static ShearConnection read(const std::string &runFolder, const KeyValues &output);
};

// The row of Verduebelung.txt: each column a number or "-" (missing); false
// for a line that is neither.
bool parseConnectionRow(const std::string &line, std::vector<std::optional<double>> &values);

}  // namespace results
