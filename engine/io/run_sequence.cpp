#include "io/run_sequence.h"

#include <cstring>
#include <iostream>
#include <memory>

#include "analysis/calculation.h"
#include "io/console.h"
#include "io/design_input.h"
#include "io/input_reader.h"
#include "io/result_writer.h"
#include "platform/platform.h"
#include "protocol/console_lines.h"
#include "protocol/result_files.h"
#include "protocol/run_folders.h"
#include "protocol/verdict_files.h"

namespace {

using namespace protocol;

void writeActionBlocks(const DesignInput &in, const ResultWriter &writer) {
    writer.writeBlock(block::ultimateActions, {
        {key::M_Ed_t, in.M_t},
        {key::V_Ed_t, in.V_t},
    });
    writer.writeBlock(block::serviceabilityActions, {
        {key::M_Ed_g, in.M_g},
        {key::V_Ed_g, in.V_g},
    });
}

// The limit states return false when a stage ended the run (one FEHLERMELDUNG
// line written, see Calculation).
bool ultimateLimitState(const DesignInput &in, ResultWriter &writer, Calculation &calc,
                        bool shearFailure) {
    writer.selectUltimate();
    writer.selectWithoutTensionStiffening();
    if (shearFailure) {
        calc.writeSectionBlocks();
        writeActionBlocks(in, writer);
        writer.writeFailure();
        return true;
    }
    calc.setActions(in.M_t, in.V_t);
    outputLine(">>Elastische Grenzmomente bestimmen\t");
    calc.elasticLimitMoments();
    outputLine(protocol::plasticLimitMomentsLine);
    calc.plasticLimitMoments(1);
    if (!(calc.designState() && calc.writeLimitMoments())) return false;
    calc.momentCurvature();
    return calc.ultimateBendingResistances();
}

bool serviceabilityLimitState(const DesignInput &in, ResultWriter &writer, Calculation &calc) {
    outputLine(protocol::serviceabilityLine);
    writer.selectServiceability();
    if (calc.shearFails(in.V_g)) {
        calc.writeSectionBlocks();
        writeActionBlocks(in, writer);
        writer.selectWithoutTensionStiffening();
        writer.writeFailure();
        writer.selectWithTensionStiffening();
        writer.writeFailure();
        return true;
    }
    calc.setActions(in.M_g, in.V_g);
    calc.elasticLimitMoments();
    calc.plasticLimitMoments(1);
    writer.selectWithoutTensionStiffening();
    if (!calc.designState()) return false;
    // The face in tension by the sign of M_g; no check without a moment.
    bool enough = true;
    if ((in.M_g > 0 || in.M_g < 0) && !calc.minimumReinforcement(in.M_g < 0, enough)) return false;
    if (!enough) errorLine(minimumReinforcementLine);
    calc.switchTensionStiffeningOn();
    if (!calc.designState()) return false;
    calc.writeSectionBlocks();
    writeActionBlocks(in, writer);
    return true;
}

RunEnd calculate(DesignInput &in) {
    auto writer = std::make_unique<ResultWriter>(in.runFolder);
    if (!readInput(in)) return RunEnd::Error;
    Calculation calc(in, *writer);
    // A value that is no finite number ends the run; it is never written.
    if (!calc.modelValuesFinite()) return RunEnd::Error;
    // Cross-section classes of both directions, before any shear reduction.
    if (!calc.writeSectionClassification()) return RunEnd::Error;
    if (!calc.momentShearInteraction(in.V_t >= 0, in.M_t >= 0)) return RunEnd::Error;
    const bool ultimateShearFailure = calc.shearFails(in.V_t);
    writer->writeBlock(block::shearResistance, {
        {key::V_pl_Rd, calc.V_pl_Rd()},
    });
    if (!ultimateLimitState(in, *writer, calc, ultimateShearFailure)) return RunEnd::Error;
    if (!serviceabilityLimitState(in, *writer, calc)) return RunEnd::Error;
    if (!calc.shearConnection()) return RunEnd::Error;
    // Every check decided once, from what the stages computed.
    if (!calc.writeDesignVerdicts()) return RunEnd::Error;
    errorLine(successLine);
    return RunEnd::Completed;
}

// A run folder named on the command line, without a trailing separator.
std::string withoutTrailingSeparator(std::string folder) {
    const auto isSeparator = [](char c) { return c == '/' || c == platform::separator().back(); };
    while (folder.size() > 1 && isSeparator(folder.back())) folder.pop_back();
    return folder;
}

void printUsage(std::ostream &out) {
    out << "Aufruf: Stalvora2 [LAUFORDNER]\n"
           "  ohne Argument  berechnet den Laufordner mit der groessten Nummer im Arbeitsordner\n"
           "                 "
        << platform::workFolder()
        << "\n"
           "                 (Exit-Code immer 0; Erfolg und Fehler stehen auf der Standardfehlerausgabe)\n"
           "  LAUFORDNER     berechnet diesen Laufordner, auch wenn es neuere gibt; Exit-Code\n"
           "                 0 Berechnung abgeschlossen, alle Nachweise erfuellt\n"
           "                 2 Berechnung abgeschlossen, ein Nachweis nicht erfuellt oder nicht ermittelt\n"
           "                 1 Fehler (Eingabe oder Berechnung)\n"
           "  --help         diese Hilfe\n"
        << std::flush;
}

// A completed run by the overall result of its Nachweise.txt, as every
// reader of the run folder sees it.
int exitCodeOf(RunEnd end, const std::string &runFolder) {
    if (end != RunEnd::Completed) return exitError;
    verdict::Result overall = verdict::Result::NotDetermined;
    if (!verdict::readOverall(runFolder + platform::separator() + verdictFile, overall)) return exitError;
    return overall == verdict::Result::Fulfilled ? exitCompleted : exitCheckNotMet;
}

}  // namespace

bool findRunFolder(DesignInput &in, const std::string &workFolder) {
    RunFolder newest;
    if (!newestRunFolder(workFolder, newest)) {
        errorLine("FEHLERMELDUNG: kein gueltiger Ordner im Verzeichniss " + workFolder +
                  " vorhanden ");
        return false;
    }
    // The folder as it stands on disk: "007" is not the folder "7".
    in.runFolder = workFolder + newest.name;
    outputLine(protocol::runFolderLine + in.runFolder);
    return true;
}

void runInWorkFolder(const std::string &workFolder) {
    useClassicLocaleOnConsole();
    auto input = std::make_unique<DesignInput>();
    if (findRunFolder(*input, workFolder)) calculate(*input);
}

RunEnd runInRunFolder(const std::string &runFolder) {
    useClassicLocaleOnConsole();
    auto input = std::make_unique<DesignInput>();
    input->runFolder = withoutTrailingSeparator(runFolder);
    // Without a folder there is nowhere to write the result files.
    if (!platform::isFolder(input->runFolder)) {
        errorLine("FEHLERMELDUNG: kein gueltiger Ordner " + input->runFolder + " vorhanden ");
        return RunEnd::Error;
    }
    outputLine(protocol::runFolderLine + input->runFolder);
    return calculate(*input);
}

int runSequence() {
    // One console protocol on every system: lines end in "\n" alone.
    platform::useBinaryConsole();
    runInWorkFolder(platform::workFolder());
    // The window reads the result files when the success line arrives on
    // standard error, while the engine still runs: the process stays a
    // moment longer, as it always has, for that reader.
    platform::waitMilliseconds(50);
    return exitCompleted;
}

int runEngine(int argc, const char *const argv[]) {
    if (argc < 2) return runSequence();
    // One console protocol on every system: lines end in "\n" alone.
    platform::useBinaryConsole();
    int code = exitError;
    if (argc == 2 && std::strcmp(argv[1], helpOption) == 0) {
        printUsage(std::cout);
        code = exitCompleted;
    } else if (argc > 2 || (argv[1][0] == '-' && argv[1][1] != '\0')) {
        errorLine(std::string("FEHLERMELDUNG: unbekannter Aufruf: ") + (argc > 2 ? "zu viele Argumente" : argv[1]));
        printUsage(std::cerr);
    } else {
        // A caller that names the run folder waits for the process to end and
        // reads the result files and the console afterwards: every file is
        // closed by then, so no closing wait is needed here.
        const std::string folder = withoutTrailingSeparator(argv[1]);
        return exitCodeOf(runInRunFolder(folder), folder);
    }
    platform::waitMilliseconds(50);
    return code;
}
