#pragma once
// Texts of the result panels beside the plots: the value panel of one
// analysed state and the check panel "Nachweis der Tragfähigkeit". Built from
// the parsed result files, without any widget, so that every text can be
// checked on its own; MainWindow turns the lines into labels. A value the
// engine did not compute reads "nicht ermittelt" with its reason.
#include <QString>
#include <QVector>
#include <vector>

#include "results/result_reader.h"
#include "results/run_results.h"
#include "results/state_summary.h"

// One label of a panel: its text and its style sheet. A text beginning with
// the red font tag is rich text, every other text is plain.
struct PanelLine {
    QString text;
    QString style;

    bool isRichText() const;
    // The text for the label: rich text with its content escaped, so that a
    // "<" or ">" in a red verdict ("MEd= -250 kNm < Mpl,Rd(VEd)= …") is shown
    // and not taken for a tag; plain text as it is.
    QString labelText() const;
};

struct ValuePanel {
    QVector<PanelLine> lines;  // the eight labels, top to bottom
    bool hasState = false;     // a state row was found
    StateSummary summary;      // valid when hasState, else zero
};

// Value panel of a computed state from its row M, V, kappa, Z_na, EI_i.
ValuePanel buildValuePanel(const results::NumberRow &stateRow);

// Value panel of one state of the run: its row, or the actions of the run
// with the strain state not determined and why.
ValuePanel buildValuePanel(const results::RunResults &run, results::AnalysedState state);

// The labels of the check panel, top to bottom.
enum CheckRow {
    ActionsHeading,      // "Einwirkungen"
    ShearForceRow,       // "Querkraft: VEd=…"
    MomentRow,           // "Bemessungswert Moment: MEd=…"
    ShearHeading,        // "Querkrafttragfähigkeit"
    ShearRow,            // |V_Ed| against V_pl,Rd with η
    ShearVerdictRow,     // "NACHWEIS ERFÜLLT", "NICHT ERFÜLLT", "nicht ermittelt (…)"
    InteractionHeading,  // "Interaktion Biegung und Querkraft"
    ClassRow,            // the cross-section class of M_Ed's direction and the rule used
    BendingRow,          // M_Ed against the governing resistance with η
    BendingVerdictRow,   // the bending check's result
    RouteRow,            // Class 3: the route not taken, with its η; empty otherwise
    BendingShearRow,     // EN 1993-1-5 7.1 with η, or why it does not govern
    OutcomeRow,          // the outcome, only when the ultimate state fails
};

struct CheckPanel {
    QVector<PanelLine> lines;   // the rows of CheckRow, all centred; OutcomeRow
                                // only when the ultimate state fails
    bool actionsKnown = false;  // M_Ed and V_Ed were read
    double mEd = 0.0;           // design moment in kNm, unrounded
    double vEd = 0.0;           // design shear force in kN, with its sign
};

// Check panel of the ultimate limit state: the engine's verdicts
// (Nachweise.txt), each with the governing line and its own resistance.
// A run folder without verdicts says so in place of every check.
CheckPanel buildCheckPanel(const results::RunResults &run);
