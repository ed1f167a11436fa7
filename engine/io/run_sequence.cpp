#include "io/run_sequence.h"

#include <memory>

#include "analysis/calculation.h"
#include "io/console.h"
#include "io/design_input.h"
#include "io/input_reader.h"
#include "platform/platform.h"
#include "io/result_writer.h"

namespace {

void writeActionBlocks(const DesignInput &in, const ResultWriter &writer) {
    writer.writeBlock("*Tragf\xE4higkeit", {
        {"M_Ed_t", in.M_t},
        {"V_Ed_t", in.V_t},
    });
    writer.writeBlock("*Gebrauchstauglichkeit", {
        {"M_Ed_g", in.M_g},
        {"V_Ed_g", in.V_g},
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
    outputLine(" Plastische Grenzmomente bestimmen\t");
    calc.plasticLimitMoments(1);
    if (!(calc.designState() && calc.writeLimitMoments())) return false;
    calc.momentCurvature();
    return calc.ultimateBendingResistances();
}

bool serviceabilityLimitState(const DesignInput &in, ResultWriter &writer, Calculation &calc) {
    outputLine("Gebrauchstauglichkeit :\t");
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
    std::string enough = "true";
    if (in.M_g > 0 && !calc.minimumReinforcement("unten", enough)) return false;
    if (in.M_g < 0 && !calc.minimumReinforcement("oben", enough)) return false;
    if (enough == "false")
        errorLine("FEHLERMELDUNG: Mindestbewehurng nicht vorhanden: Spannungsermittlung unter "
                  "Beruecksichtigung von Tension Stiffening ergibt keine eindeutige Loesung");
    calc.switchTensionStiffeningOn();
    if (!calc.designState()) return false;
    calc.writeSectionBlocks();
    writeActionBlocks(in, writer);
    return true;
}

void calculate(DesignInput &in) {
    auto writer = std::make_unique<ResultWriter>(in.runFolder);
    if (!readInput(in)) return;
    Calculation calc(in, *writer);
    // A value that is no finite number ends the run; it is never written.
    if (!calc.modelValuesFinite()) return;
    // Cross-section classes of both directions, before any shear reduction.
    if (!calc.writeSectionClassification()) return;
    if (!calc.momentShearInteraction(in.V_t >= 0, in.M_t >= 0)) return;
    const bool ultimateShearFailure = calc.shearFails(in.V_t);
    writer->writeBlock("*Querkrafttragf\xE4higkeit", {
        {"V_pl_Rd", calc.V_pl_Rd()},
    });
    if (!ultimateLimitState(in, *writer, calc, ultimateShearFailure)) return;
    if (!serviceabilityLimitState(in, *writer, calc)) return;
    // Every check decided once, from what the stages computed.
    if (!calc.writeDesignVerdicts()) return;
    errorLine("Berechnung wurde erfolgreich abgeschlossen");
}

}  // namespace

bool findRunFolder(DesignInput &in, const std::string &workFolder) {
    platform::RunFolder newest;
    if (!platform::newestRunFolder(workFolder, newest)) {
        errorLine("FEHLERMELDUNG: kein gueltiger Ordner im Verzeichniss " + workFolder +
                  " vorhanden ");
        return false;
    }
    // The folder as it stands on disk: "007" is not the folder "7".
    in.runFolder = workFolder + newest.name;
    outputLine("Aktuelles Verzeichnis: " + in.runFolder);
    return true;
}

void runInWorkFolder(const std::string &workFolder) {
    useClassicLocaleOnConsole();
    auto input = std::make_unique<DesignInput>();
    if (findRunFolder(*input, workFolder)) calculate(*input);
}

int runSequence() {
    // One console protocol on every system: lines end in "\n" alone.
    platform::useBinaryConsole();
    runInWorkFolder(platform::workFolder());
    platform::waitMilliseconds(50);
    return 0;
}
