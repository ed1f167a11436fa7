#pragma once
// The models of one run and the analysis stages the run sequence calls on them.
#include <optional>
#include <string>
#include <vector>

#include "analysis/classification.h"
#include "analysis/design_verdicts.h"
#include "analysis/effective_web.h"
#include "analysis/interaction.h"

#include "section/composite_section.h"
#include "materials/concrete_material.h"
#include "section/concrete_slab.h"
#include "materials/reinforcement_material.h"
#include "materials/steel_material.h"
#include "section/steel_section.h"

struct DesignInput;
class ResultWriter;

class Calculation {
public:
    // Builds the material and section models in their fixed order.
    Calculation(const DesignInput &input, ResultWriter &writer);
    ~Calculation();
    Calculation(const Calculation &) = delete;
    Calculation &operator=(const Calculation &) = delete;

    // Every derived material and section value finite; otherwise one
    // FEHLERMELDUNG line names the first that is not, and the run ends.
    bool modelValuesFinite() const;

    // Cross-section classes of both directions (Querschnittsklasse.txt),
    // kept for the design checks.
    bool writeSectionClassification();

    // The stages below that return bool end the run when they return false:
    // they have written one FEHLERMELDUNG line (a value that is no finite
    // number, or a limit moment that was not found) and nothing in its place.

    // Moment-shear relation of the ultimate limit state (rows of V_M_beziehung.txt).
    bool momentShearInteraction(bool shearNonNegative, bool momentNonNegative);
    // Shear check of the steel section; true when the shear force exceeds V_pl_Rd.
    bool shearFails(double V);
    double V_pl_Rd() const;

    // Design actions of the limit state being analysed.
    void setActions(double M_Ed, double V_Ed);
    void elasticLimitMoments();
    // flag 0: positive direction only; 1: both directions.
    void plasticLimitMoments(int flag);
    // Strain state for M_Ed: state row and part rows, or the failure line.
    bool designState();
    // "*Grenzmomente" block of the ultimate limit state.
    bool writeLimitMoments();
    // Rows of kappa_M_beziehung.txt in the current material state, ending at
    // the current limit moments and showing the current design state. Rows
    // that are not finite or not in equilibrium are left out.
    void momentCurvature();
    // After the design state of the ultimate limit state: M_pl,Rd(V_Ed) of
    // M_Ed's direction and, for a Class 3 section, M_f,Rd and the effective
    // Class 2 web, kept for the design checks.
    bool ultimateBendingResistances();
    // Minimum reinforcement with the top or the bottom face of the slab in
    // tension: `enough` tells whether the bars provided suffice.
    bool minimumReinforcement(bool topInTension, bool &enough);
    // Where the input has studs: their resistance, the degree of connection
    // and its minimum, and in sagging below full connection M_Rd(eta) at
    // V_Ed and over the shear forces of the moment-shear relation
    // (Verduebelung.txt, V_M_Teilverduebelung.txt, the output block), kept
    // for the design checks. Nothing without studs.
    bool shearConnection();
    // At the end of a run: the design checks into Nachweise.txt and, for a
    // Class 3 section, its routes into Klasse3_Nachweis.txt.
    bool writeDesignVerdicts();
    void switchTensionStiffeningOn();
    // Section and material blocks in their fixed order.
    void writeSectionBlocks();

    // The composite section with its models, for direct evaluation.
    CompositeSection &section() { return composite_; }

private:
    const DesignInput &input_;
    ResultWriter &writer_;
    // Built in this order (declaration order is construction order).
    ConcreteMaterial concrete_;
    ReinforcementMaterial reinforcement_;
    ConcreteSlab slab_;
    SteelMaterial steelMaterial_;
    SteelSection steel_;
    CompositeSection composite_;

    // What the design checks need of the stages, as they computed it.
    SectionClassification sectionClass_[2];  // [0] hogging, [1] sagging
    InteractionRow atZeroShear_;              // V = 0, the moment's sign
    std::vector<InteractionRow> interactionRows_;  // every row, the closing one included
    struct UltimateBending {
        bool made = false;  // the bending analysis ran (no shear failure)
        double M_pl_Rd_V = 0.0;
        bool designStateFailed = false;
        std::optional<double> M_f_Rd;
        std::optional<EffectiveWeb> effective;
    } ultimate_;
    bool minimumMade_ = false;
    MinimumCheck minimum_ = MinimumCheck::NoMoment;
    bool minimumTop_ = false;
    double A_s_min_ = 0.0, A_s_vor_ = 0.0;
    struct Connection {
        std::optional<double> eta, eta_min, M_Rd_eta;
        int klasse_eta = 0;
    } connection_;
};
