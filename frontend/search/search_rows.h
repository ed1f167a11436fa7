#pragma once
// The table of a profile search: the rolled profiles of one series of the
// profile table (or of all), lightest first by their mass per metre, each
// with the engine's verdicts of its run, and the lightest profile whose run
// fulfils every check. The rows come from the run folders through the front
// end's readers, so that every number is the one a normal run of that
// profile shows. Qt Core only: the dialog, the command line and the
// benchmark use the same rows.
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "files/profile_table.h"
#include "results/design_verdicts.h"

namespace profilesearch {

enum class Series { IPE, HEA, HEB, HEM, All };

// The series of the command line: "IPE", "HEA", "HEB", "HEM" or "all".
bool parseSeries(const QString &word, Series &series);
QString seriesWord(Series series);
// "Reihe IPE", "alle Reihen".
QString seriesCaption(Series series);
// The series a profile name belongs to; All for a name of none.
Series seriesOf(const QString &profileName);
const std::vector<Series> &allSeries();

// A profile of the search, from its row of the profile table.
struct Candidate {
    QString name;
    double kg_m = 0.0;  // mass per metre, kg/m
    profiletable::Dimensions dimensions;  // its row of the table
};

// The profiles of the series the engine accepts (files/profile_table.h),
// lightest first; profiles of equal mass keep the order of the table.
std::vector<Candidate> candidates(const QString &tablePath, Series series);

using results::CheckResult;

struct SearchRow {
    QString profile;
    double kg_m = 0.0;
    bool finished = false;    // its run has ended (with results or with an error)
    bool calculated = false;  // the engine completed the run and wrote its verdicts
    std::optional<int> klasse;  // section class in the direction of M_Ed
    // eta_connection: eta_min/eta of the studs, where the design has them.
    std::optional<double> eta_shear, eta_bending, eta_minimum, eta_connection, eta_max;
    CheckResult result = CheckResult::NotDetermined;  // the "gesamt" row
    QString reason;  // the failed or undetermined checks, or the engine's error

    bool passed() const { return calculated && result == CheckResult::Fulfilled; }
};

// The row of a profile whose run has ended. `runFolder` ends with a
// separator; `M_Ed` is the ultimate design moment in Nmm (its sign chooses
// the bending direction of the class); `engineErrors` are the engine's error
// lines when it did not complete the run.
SearchRow finishedRow(const Candidate &candidate, const std::string &runFolder, double M_Ed,
                      bool engineCompleted, const QStringList &engineErrors);

// The index of the lightest row that fulfils every check; -1 for none, and
// while a lighter row has not finished. The rows must be lightest first.
int lightestPassing(const std::vector<SearchRow> &rows);

// The result on screen: "erfüllt", "nicht erfüllt", "nicht ermittelt"; "…" while the run is open.
QString resultText(const SearchRow &row);
// A utilisation on screen ("0.41", three decimals next to 1); "–" when missing.
QString etaCell(const std::optional<double> &eta);
// "2", or "–" when missing.
QString classCell(const std::optional<int> &klasse);
// "66.3": kg/m with one decimal, as the catalogues give it.
QString massCell(double kg_m);

// The CSV of the rows: the header
// profil,kg_m,klasse,eta_querkraft,eta_biegung,eta_mindestbewehrung,eta_max,ergebnis,grund,eta_verduebelung
// (the studs' column last, after the columns of earlier files)
// and one line per row, comma-separated, numbers in the files' "%g" form with
// the decimal point, "-" for a number not computed, ergebnis in the words of
// Nachweise.txt, a text with a comma or a quote in quotes. UTF-8, LF.
QString csvText(const std::vector<SearchRow> &rows);

// The table as text for the console: a head line, one line per row in
// columns, the lightest row marked, and the closing line naming it.
QString tableText(const std::vector<SearchRow> &rows, Series series);
// "Leichtestes Profil mit allen Nachweisen erfüllt: IPE400 (66.3 kg/m)", or
// that no profile fulfils every check.
QString lightestText(const std::vector<SearchRow> &rows);
// The report's line for a profile taken from the search.
QString choiceNote(Series series);

}  // namespace profilesearch
