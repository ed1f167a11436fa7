#pragma once
// The models of one run and the analysis stages the run sequence calls on them.
#include <string>

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
    // The last strain state found no state that carries M_Ed (failure line written).
    bool designStateFailed() const;
    // "*Grenzmomente" block of the ultimate limit state.
    bool writeLimitMoments();
    // Rows of kappa_M_beziehung.txt in the current material state, ending at
    // the current limit moments and showing the current design state. Rows
    // that are not finite or not in equilibrium are left out.
    void momentCurvature();
    // Minimum reinforcement with the top or the bottom face of the slab in
    // tension: `enough` tells whether the bars provided suffice.
    bool minimumReinforcement(bool topInTension, bool &enough);
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
};
