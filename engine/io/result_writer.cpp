#include "io/result_writer.h"

#include <fstream>

#include "io/console.h"
#include "io/number_format.h"
#include "platform/platform.h"
#include "protocol/verdict_files.h"

using namespace protocol;

namespace {

std::string joinNumbers(std::initializer_list<double> values) {
    std::string line;
    for (double v : values) {
        if (!line.empty()) line += '\t';
        line += formatNumber(v);
    }
    return line;
}
}  // namespace

ResultWriter::ResultWriter(const std::string &runFolder) : runFolder_(runFolder) {
    const std::string &sep = platform::separator();
    createFile(inRun(curvatureFile), headerLine(curvature::columns));
    const std::string service = runFolder_ + sep + serviceabilityFolder;
    createStateFolder(service, withoutTsFolder, false);
    createStateFolder(service, withTsFolder, false);
    createFile(inRun(interactionFile), headerLine(interaction::columns));
    createFile(inRun(outputFile), "");
    createStateFolder(runFolder_ + sep + ultimateFolder, withoutTsFolder, true);
    createFile(inRun(classificationFile), headerLine(classification::columns));
    createFile(inRun(verdictFile), headerLine(verdict::columns));
    createFile(inRun(class3File), headerLine(class3::columns));
    createFile(inRun(connectionFile), headerLine(connection::columns));
    createFile(inRun(partialInteractionFile), headerLine(partialInteraction::columns));
}

void ResultWriter::createStateFolder(const std::string &stateFolder, const std::string &tsFolder,
                                     bool withFydRed) const {
    const std::string &sep = platform::separator();
    platform::createFolder(stateFolder);
    const std::string folder = stateFolder + sep + tsFolder;
    platform::createFolder(folder);
    for (const char *name : {concreteFile, reinforcementFile, steelFile})
        createFile(folder + sep + name, headerLine(zone::columns));
    createFile(folder + sep + outputFile,
               headerLine(withFydRed ? state::columns : state::serviceabilityColumns));
}

void ResultWriter::createFile(const std::string &path, const std::string &content) const {
    std::ofstream file(path, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!file) {
        errorLine("FEHLERMELDUNG:in die Datei " + path + " konnte nicht geschrieben werden");
        return;
    }
    file << content;
}

void ResultWriter::appendLine(const std::string &path, const std::string &line) const {
    appendText(path, line + '\n');
}

void ResultWriter::appendText(const std::string &path, const std::string &text) const {
    if (text.empty()) return;
    std::ofstream file(path, std::ios::out | std::ios::app | std::ios::binary);
    if (file) file << text;
}

std::string ResultWriter::inRun(const std::string &name) const {
    return runFolder_ + platform::separator() + name;
}

std::string ResultWriter::currentStateFile(const std::string &fileName) const {
    const std::string &sep = platform::separator();
    return stateFolder_ + sep + tsFolder_ + sep + fileName;
}

void ResultWriter::writeHeading(const std::string &text) const {
    appendLine(inRun(outputFile), "\n" + text);
}

void ResultWriter::writeValue(const std::string &label, double value) const {
    appendLine(inRun(outputFile), label + "\t" + formatNumber(value));
}

void ResultWriter::writeBlock(const std::string &heading,
                              std::initializer_list<std::pair<const char *, double>> values) const {
    std::string text = "\n" + heading + "\n";
    for (const auto &[label, value] : values) text += label + ("\t" + formatNumber(value)) + "\n";
    appendText(inRun(outputFile), text);
}

void ResultWriter::writeInteractionRow(double V, double M_pl, double M_el) const {
    appendLine(inRun(interactionFile), joinNumbers({V, M_pl, M_el}));
}

void ResultWriter::writeCurvatureRows(const std::vector<CurvatureRow> &rows) const {
    std::string text;
    for (const CurvatureRow &row : rows)
        text += joinNumbers({row.kappa, row.Z_na, row.sum_M, row.sum_N}) + '\t' + stateWord(row.zustand) + '\n';
    appendText(inRun(curvatureFile), text);
}

void ResultWriter::writeStateRow(double M, double V, double kappa, double Z_na, double EI_i,
                                 double fyd_red) const {
    appendLine(currentStateFile(outputFile), joinNumbers({M, V, kappa, Z_na, EI_i, fyd_red}));
}

void ResultWriter::writeFailure() const {
    std::ofstream file(currentStateFile(outputFile), std::ios::out | std::ios::trunc | std::ios::binary);
    if (file) file << failureLine << '\n';
}

namespace {
std::string partLine(const PartRow &row) {
    std::string line;
    for (double v : {row.Z_u, row.Z_o, row.Z_s, row.e_u, row.e_o, row.s_u, row.s_o, row.A, row.I,
                     row.N, row.M})
        line += formatNumber(v) + '\t';
    return line + stateWord(row.zustand) + '\n';
}
}  // namespace

void ResultWriter::writePartRow(PartFile part, const PartRow &row) const {
    writePartRows(part, {row});
}

void ResultWriter::writePartRows(PartFile part, const std::vector<PartRow> &rows) const {
    const char *name = part == PartFile::Concrete        ? concreteFile
                       : part == PartFile::Reinforcement ? reinforcementFile
                                                         : steelFile;
    std::string text;
    for (const PartRow &row : rows) text += partLine(row);
    appendText(currentStateFile(name), text);
}

void ResultWriter::writeClassificationRow(const ClassificationRow &row) const {
    appendLine(inRun(classificationFile),
               row.richtung + '\t' +
                   joinNumbers({row.eps, row.c_t_flansch, row.klasse_flansch, row.alpha, row.psi,
                                row.c_t_steg, row.klasse_steg, row.klasse}));
}

void ResultWriter::writeVerdictRows(const std::vector<VerdictRow> &rows) const {
    auto number = [](const std::optional<double> &value) {
        return value ? formatNumber(*value) : std::string(verdict::noNumber);
    };
    std::string text;
    for (const VerdictRow &row : rows)
        text += row.nachweis + '\t' + number(row.E_d) + '\t' + number(row.R_d) + '\t' +
                number(row.eta) + '\t' +
                row.ergebnis + '\t' + row.grundlage + '\n';
    appendText(inRun(verdictFile), text);
}

void ResultWriter::writeClass3Values(
    const std::vector<std::pair<std::string, double>> &values) const {
    std::string text;
    for (const auto &[key, value] : values) text += key + '\t' + formatNumber(value) + '\n';
    appendText(inRun(class3File), text);
}

void ResultWriter::writeConnectionRow(const std::vector<std::optional<double>> &row) const {
    std::string line;
    for (const std::optional<double> &value : row) {
        if (!line.empty()) line += '\t';
        line += value ? formatNumber(*value) : std::string(connection::missing);
    }
    appendLine(inRun(connectionFile), line);
}

void ResultWriter::writePartialInteractionRows(const std::vector<std::pair<double, double>> &rows) const {
    std::string text;
    for (const auto &[V, M] : rows) text += joinNumbers({V, M}) + '\n';
    appendText(inRun(partialInteractionFile), text);
}

void ResultWriter::selectServiceability() { stateFolder_ = inRun(serviceabilityFolder); }
void ResultWriter::selectUltimate() { stateFolder_ = inRun(ultimateFolder); }
void ResultWriter::selectWithoutTensionStiffening() { tsFolder_ = withoutTsFolder; }
void ResultWriter::selectWithTensionStiffening() { tsFolder_ = withTsFolder; }
