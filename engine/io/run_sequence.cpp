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

void ultimateLimitState(const DesignInput &in, ResultWriter &writer, Calculation &calc,
                        bool shearFailure) {
    writer.selectUltimate();
    writer.selectWithoutTensionStiffening();
    if (shearFailure) {
        calc.writeSectionBlocks();
        writeActionBlocks(in, writer);
        writer.writeFailure();
        return;
    }
    calc.setActions(in.M_t, in.V_t);
    outputLine(">>Elastische Grenzmomente bestimmen\t");
    calc.elasticLimitMoments();
    outputLine(" Plastische Grenzmomente bestimmen\t");
    calc.plasticLimitMoments(1);
    calc.designState();
    calc.writeLimitMoments();
}

void serviceabilityLimitState(const DesignInput &in, ResultWriter &writer, Calculation &calc) {
    outputLine("Gebrauchstauglichkeit :\t");
    writer.selectServiceability();
    if (calc.shearFails(in.V_g)) {
        calc.writeSectionBlocks();
        writeActionBlocks(in, writer);
        writer.selectWithoutTensionStiffening();
        writer.writeFailure();
        writer.selectWithTensionStiffening();
        writer.writeFailure();
        return;
    }
    calc.setActions(in.M_g, in.V_g);
    calc.elasticLimitMoments();
    calc.plasticLimitMoments(1);
    writer.selectWithoutTensionStiffening();
    calc.designState();
    std::string enough = "true";
    if (in.M_g > 0) enough = calc.minimumReinforcement("unten");
    else if (in.M_g < 0) enough = calc.minimumReinforcement("oben");
    if (enough == "false")
        errorLine("FEHLERMELDUNG: Mindestbewehurng nicht vorhanden: Spannungsermittlung unter "
                  "Beruecksichtigung von Tension Stiffening ergibt keine eindeutige Loesung");
    calc.switchTensionStiffeningOn();
    calc.designState();
    calc.writeSectionBlocks();
    writeActionBlocks(in, writer);
}

void calculate(DesignInput &in) {
    auto writer = std::make_unique<ResultWriter>(in.runFolder);
    if (!readInput(in)) return;
    Calculation calc(in, *writer);
    calc.momentShearInteraction(in.V_t >= 0, in.M_t >= 0);
    const bool ultimateShearFailure = calc.shearFails(in.V_t);
    writer->writeBlock("*Querkrafttragf\xE4higkeit", {
        {"V_pl_Rd", calc.V_pl_Rd()},
    });
    ultimateLimitState(in, *writer, calc, ultimateShearFailure);
    serviceabilityLimitState(in, *writer, calc);
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

int runSequence() {
    useClassicLocaleOnConsole();
    auto input = std::make_unique<DesignInput>();
    if (findRunFolder(*input, platform::workFolder())) calculate(*input);
    platform::waitMilliseconds(50);
    return 0;
}
