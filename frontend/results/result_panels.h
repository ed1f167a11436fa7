#pragma once
// Texts of the result panels beside the plots: the value panel of one
// analysed state and the check panel "Nachweis der Tragfähigkeit". Built from
// the parsed result files, without any widget, so that every text can be
// checked on its own; MainWindow turns the lines into labels.
#include <QString>
#include <QVector>
#include <vector>

#include "results/result_reader.h"
#include "results/state_summary.h"

// One label of a panel: its text and its style sheet. A text beginning with
// the red font tag is rich text, every other text is plain.
struct PanelLine {
    QString text;
    QString style;

    bool isRichText() const;
};

struct ValuePanel {
    QVector<PanelLine> lines;  // the eight labels, top to bottom
    bool hasState = false;     // a state row was found
    StateSummary summary;      // valid when hasState
};

// Value panel of one state from the numbers of its state output file
// (M, V, kappa, Z_na, EI_i per row; the last row wins).
ValuePanel buildValuePanel(const std::vector<results::NumberRow> &stateRows);

struct CheckPanel {
    QVector<PanelLine> lines;  // the eight labels, top to bottom, all centred
    double mEd = 0.0;          // design moment in kNm, unrounded
    double vEd = 0.0;          // design shear force in kN, with its sign
};

// Check panel of the ultimate limit state from the run folder's output.txt.
// `sectionFailed`: the ultimate state file holds the cross-section failure
// line; the interaction check is then not made (the limit moments of a failed
// section are missing) and the failure stays visible instead.
CheckPanel buildCheckPanel(const results::KeyValues &output, bool sectionFailed);
