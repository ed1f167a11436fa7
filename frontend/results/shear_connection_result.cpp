#include "results/shear_connection_result.h"

#include <cmath>
#include <fstream>
#include <locale>
#include <sstream>

#include "protocol/result_files.h"

namespace results {

namespace connection = protocol::connection;

bool parseConnectionRow(const std::string &text, std::vector<std::optional<double>> &values) {
    std::string line = text;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream fields(line);
    std::vector<std::optional<double>> read;
    for (std::string field; std::getline(fields, field, '\t');) {
        if (field == connection::missing) {
            read.emplace_back();
            continue;
        }
        std::istringstream in(field);
        in.imbue(std::locale::classic());
        double x = 0.0;
        if (!(in >> x) || !in.eof() || !std::isfinite(x)) return false;
        read.emplace_back(x);
    }
    if (read.size() != connection::columnCount) return false;
    values = read;
    return true;
}

ShearConnection ShearConnection::read(const std::string &runFolder, const KeyValues &output) {
    ShearConnection c;
    std::ifstream file(runFolder + protocol::connectionFile, std::ios::binary);
    std::vector<std::optional<double>> row;
    for (std::string line; std::getline(file, line);)
        if (parseConnectionRow(line, row)) c.present = true;
    if (!c.present) return c;
    c.P_Rd = row[connection::P_Rd];
    c.n = row[connection::n];
    c.k_t = row[connection::k_t];
    c.N_c_f = row[connection::N_c_f];
    c.N_c = row[connection::N_c];
    c.eta = row[connection::eta];
    c.eta_min = row[connection::eta_min];
    c.M_Rd_eta = row[connection::M_Rd_eta];
    namespace key = protocol::key;
    c.P_Rd_1 = output.find(key::P_Rd_1);
    c.P_Rd_2 = output.find(key::P_Rd_2);
    c.formula = static_cast<int>(output.find(key::P_Rd_Formel).value_or(0.0));
    c.minimumRule = static_cast<int>(output.find(key::eta_min_Regel).value_or(0.0));
    c.klasse_eta = static_cast<int>(output.find(key::klasse_eta).value_or(0.0));
    c.curve = readNumberRows(runFolder + protocol::partialInteractionFile, protocol::partialInteraction::columnCount);
    return c;
}

}  // namespace results
