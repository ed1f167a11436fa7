#include "search/search_rows.h"

#include <algorithm>
#include <cmath>

#include "files/design.h"
#include "files/profile_table.h"
#include "protocol/verdict_files.h"
#include "results/run_outcome.h"
#include "results/run_results.h"
#include "results/verdict_texts.h"

namespace profilesearch {

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

struct SeriesName {
    Series series;
    const char *word;
};
const SeriesName seriesNames[] = {
    {Series::IPE, "IPE"}, {Series::HEA, "HEA"}, {Series::HEB, "HEB"}, {Series::HEM, "HEM"}, {Series::All, "all"},
};

// A number of the CSV as the result files write it; "-" when missing.
QString csvNumber(const std::optional<double> &value) {
    return value ? QString::fromStdString(design::roundedNumberText(*value))
                 : QString::fromLatin1(protocol::verdict::noNumber);
}

// A text field of the CSV: quoted, with its quotes doubled, when it holds a
// comma, a quote or a line end.
QString csvField(const QString &text) {
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n')) return text;
    QString quoted = text;
    quoted.replace('"', QStringLiteral("\"\""));
    return '"' + quoted + '"';
}

// The engine's error lines as one reason: without the marker, on one line.
QString engineErrorReason(const QStringList &errors) {
    QStringList parts;
    for (QString line : errors) {
        line = line.simplified();
        if (line.startsWith(QLatin1String("FEHLERMELDUNG"))) line = line.mid(13);
        while (line.startsWith(':') || line.startsWith(' ')) line.remove(0, 1);
        if (!line.isEmpty()) parts << line;
    }
    return parts.isEmpty() ? u("Rechenprogramm ohne Ergebnis beendet")
                           : u("Fehler im Rechenprogramm: ") + parts.join(QStringLiteral("; "));
}

}  // namespace

bool parseSeries(const QString &word, Series &series) {
    for (const SeriesName &s : seriesNames)
        if (word == QLatin1String(s.word)) {
            series = s.series;
            return true;
        }
    return false;
}

QString seriesWord(Series series) {
    for (const SeriesName &s : seriesNames)
        if (s.series == series) return QString::fromLatin1(s.word);
    return QString();
}

QString seriesCaption(Series series) {
    return series == Series::All ? u("alle Reihen") : u("Reihe ") + seriesWord(series);
}

Series seriesOf(const QString &profileName) {
    for (const SeriesName &s : seriesNames)
        if (s.series != Series::All && profileName.startsWith(QLatin1String(s.word))) return s.series;
    return Series::All;
}

const std::vector<Series> &allSeries() {
    static const std::vector<Series> list{Series::IPE, Series::HEA, Series::HEB, Series::HEM, Series::All};
    return list;
}

std::vector<Candidate> candidates(const QString &tablePath, Series series) {
    std::vector<Candidate> list;
    for (const profiletable::Profile &profile : profiletable::usableProfiles(tablePath)) {
        if (series != Series::All && seriesOf(profile.name) != series) continue;
        const double kg_m = profiletable::massPerMetre(profile.dimensions);
        if (std::isfinite(kg_m)) list.push_back({profile.name, kg_m, profile.dimensions});
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Candidate &a, const Candidate &b) { return a.kg_m < b.kg_m; });
    return list;
}

SearchRow finishedRow(const Candidate &candidate, const std::string &runFolder, double M_Ed,
                      bool engineCompleted, const QStringList &engineErrors) {
    SearchRow row;
    row.profile = candidate.name;
    row.kg_m = candidate.kg_m;
    row.finished = true;
    const results::RunResults run = results::RunResults::read(runFolder);
    const results::SectionClassRow &classRow = run.sectionClasses().forMoment(M_Ed);
    if (classRow.present) row.klasse = classRow.klasse;
    const results::DesignVerdicts &v = run.verdicts();
    if (!engineCompleted || !run.calculated() || !v.present()) {
        row.reason = engineErrors.isEmpty() && engineCompleted ? u("Nachweise ") + results::verdictsMissingText()
                                                               : engineErrorReason(engineErrors);
        return row;
    }
    row.calculated = true;
    row.eta_shear = v.shear.eta;
    row.eta_bending = v.bending.eta;
    row.eta_minimum = v.minimum.eta;
    row.eta_connection = v.shearConnection.eta;
    row.eta_max = v.overall.eta;
    row.result = v.overall.result;
    const results::RunOutcome outcome = results::RunOutcome::evaluate(run);
    if (row.result == CheckResult::Fulfilled)
        row.reason = u("alle Nachweise erfüllt");
    else if (!outcome.failures().isEmpty())
        row.reason = outcome.failures().join(QStringLiteral(", "));
    else
        row.reason = outcome.undetermined().join(QStringLiteral(", "));
    return row;
}

int lightestPassing(const std::vector<SearchRow> &rows) {
    // The rows are lightest first: the first one that passes is the lightest,
    // once every row before it has finished.
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (!rows[i].finished) return -1;
        if (rows[i].passed()) return i;
    }
    return -1;
}

QString resultText(const SearchRow &row) {
    if (!row.finished) return u("…");
    if (!row.calculated) return u("nicht ermittelt");
    switch (row.result) {
    case CheckResult::Fulfilled: return u("erfüllt");
    case CheckResult::NotFulfilled: return u("nicht erfüllt");
    case CheckResult::NotGoverning: return u("nicht maßgebend");
    case CheckResult::NotDetermined: break;
    }
    return u("nicht ermittelt");
}

QString etaCell(const std::optional<double> &eta) {
    return eta ? results::utilisationValue(*eta) : u("–");
}

QString classCell(const std::optional<int> &klasse) { return klasse ? QString::number(*klasse) : u("–"); }

QString massCell(double kg_m) { return QString::number(kg_m, 'f', 1); }

QString csvText(const std::vector<SearchRow> &rows) {
    QString text = QStringLiteral(
        "profil,kg_m,klasse,eta_querkraft,eta_biegung,eta_mindestbewehrung,eta_max,ergebnis,grund,eta_verduebelung\n");
    for (const SearchRow &row : rows) {
        const QStringList fields{
            csvField(row.profile),
            QString::fromStdString(design::roundedNumberText(row.kg_m)),
            row.klasse ? QString::number(*row.klasse) : QString::fromLatin1(protocol::verdict::noNumber),
            csvNumber(row.eta_shear),
            csvNumber(row.eta_bending),
            csvNumber(row.eta_minimum),
            csvNumber(row.eta_max),
            QString::fromLatin1(protocol::verdict::resultWord(row.calculated ? row.result
                                                                             : CheckResult::NotDetermined)),
            csvField(row.reason),
            csvNumber(row.eta_connection),
        };
        text += fields.join(',') + '\n';
    }
    return text;
}

QString tableText(const std::vector<SearchRow> &rows, Series series) {
    const QStringList head{u("Profil"),      u("kg/m"),  u("Klasse"),   u("η Querkraft"), u("η Biegung"),
                           u("η Mindestbew."), u("η Verdüb."), u("η max"), u("Ergebnis"), u("Grund")};
    std::vector<QStringList> lines{head};
    for (const SearchRow &row : rows)
        lines.push_back({row.profile, massCell(row.kg_m), classCell(row.klasse), etaCell(row.eta_shear),
                         etaCell(row.eta_bending), etaCell(row.eta_minimum), etaCell(row.eta_connection),
                         etaCell(row.eta_max),
                         resultText(row), row.reason});
    // Columns as wide as their widest cell; numbers to the right.
    std::vector<int> width(head.size(), 0);
    for (const QStringList &line : lines)
        for (int c = 0; c < line.size(); ++c) width[c] = std::max(width[c], static_cast<int>(line[c].size()));
    const int lightest = lightestPassing(rows);
    QString text = u("Profilsuche, ") + seriesCaption(series) + ": " + QString::number(rows.size()) +
                   u(" Profile, nach Masse je Meter geordnet\n");
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const QStringList &line = lines[i];
        QString out = (i - 1 == lightest && lightest >= 0) ? u("> ") : u("  ");
        for (int c = 0; c < line.size(); ++c) {
            const bool number = c >= 1 && c <= 7;
            const QString cell = number && i > 0 ? line[c].rightJustified(width[c]) : line[c].leftJustified(width[c]);
            out += (c + 1 < line.size() ? cell + "  " : line[c]);
        }
        text += out + '\n';
    }
    return text + lightestText(rows) + '\n';
}

QString lightestText(const std::vector<SearchRow> &rows) {
    const int lightest = lightestPassing(rows);
    if (lightest < 0) return u("Kein Profil erfüllt alle Nachweise.");
    return u("Leichtestes Profil mit allen Nachweisen erfüllt: ") + rows[lightest].profile + " (" +
           massCell(rows[lightest].kg_m) + " kg/m)";
}

QString choiceNote(Series series) {
    return u("gewählt aus Profilsuche (") + seriesCaption(series) +
           u(", leichtestes Profil mit allen Nachweisen erfüllt)");
}

}  // namespace profilesearch
