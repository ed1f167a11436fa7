// Why results are missing, the engine's verdicts as read from Nachweise.txt,
// and the outcome of a run as the status bar and the report show it.
#include <limits>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "results/design_verdicts.h"
#include "results/run_outcome.h"
#include "results/run_results.h"
#include "results/verdict_texts.h"
#include "support/result_fixtures.h"

using results::AnalysedState;
using results::Missing;

namespace {

using fixtures::Edit;
using fixtures::editedRun;
using Edits = fixtures::Edits;

const QString ultimateState = QStringLiteral("Tragfaehigkeitkeit/spannung_ohne_ts/output.txt");
const QString verdictFile = QStringLiteral("Nachweise.txt");

QString u(const char *text) { return QString::fromUtf8(text); }

const QString serviceabilityState =
    QStringLiteral("Gebrauchstauglichkeit/spannung_ohne_ts/output.txt");

}  // namespace

Q_DECLARE_METATYPE(Edits)

class RunOutcomeTest : public QObject {
    Q_OBJECT

private slots:
    void missingReasons_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<int>("withoutTs");
        QTest::addColumn<int>("withTs");
        QTest::addColumn<int>("ultimate");
        QTest::addColumn<int>("limitMoments");
        const int none = int(Missing::None), shear = int(Missing::ShearFailure),
                  section = int(Missing::SectionFailure), noRun = int(Missing::NoCalculation);
        QTest::newRow("worked example") << "results/worked_example" << Edits() << none << none
                                        << none << none;
        // V_Ed = 1000 kN > V_pl,Rd = 875.065 kN: no ultimate state, no limit moments.
        QTest::newRow("ultimate shear failure")
            << "results/shear_failure" << Edits() << none << none << shear << shear;
        QTest::newRow("ultimate section failure")
            << "results/section_failure" << Edits() << none << none << section << none;
        QTest::newRow("no results") << "results/no_results" << Edits() << noRun << noRun << noRun
                                    << noRun;
        // The engine skips a state only for |V_Ed| > V_pl,Rd (500 kN here);
        // a failure line at exactly V_pl,Rd is a section failure.
        QTest::newRow("failure line at V = V_pl,Rd")
            << "results/worked_example"
            << Edits{{ultimateState, "", "Querschnittsversagen "},
                     {"output.txt", "V_Ed_t", "V_Ed_t\t-500000"}}
            << none << none << section << none;
        QTest::newRow("failure line just above V_pl,Rd")
            << "results/worked_example"
            << Edits{{ultimateState, "", "Querschnittsversagen "},
                     {"output.txt", "V_Ed_t", "V_Ed_t\t-500001"}}
            << none << none << shear << none;
        QTest::newRow("serviceability shear failure")
            << "results/worked_example"
            << Edits{{serviceabilityState, "1.5e+08", "Querschnittsversagen "},
                     {"output.txt", "V_Ed_g", "V_Ed_g\t600000"}}
            << shear << none << none << none;
    }
    void missingReasons() {
        QFETCH(QString, fixture);
        QFETCH(Edits, edits);
        QFETCH(int, withoutTs);
        QFETCH(int, withTs);
        QFETCH(int, ultimate);
        QFETCH(int, limitMoments);
        QTemporaryDir dir;
        const results::RunResults run = results::RunResults::read(editedRun(dir, fixture, edits));
        QCOMPARE(int(run.state(AnalysedState::ServiceabilityWithoutTs).missing), withoutTs);
        QCOMPARE(int(run.state(AnalysedState::ServiceabilityWithTs).missing), withTs);
        QCOMPARE(int(run.state(AnalysedState::Ultimate).missing), ultimate);
        QCOMPARE(int(run.limitMomentsMissing()), limitMoments);
        QCOMPARE(run.state(AnalysedState::Ultimate).computed(), ultimate == int(Missing::None));
    }

    void missingTexts() {
        QCOMPARE(results::notDetermined(Missing::ShearFailure),
                 QString("nicht ermittelt (Querkraftversagen)"));
        QCOMPARE(results::notDetermined(Missing::SectionFailure),
                 QString("nicht ermittelt (Querschnittsversagen)"));
        QCOMPARE(results::notDetermined(Missing::NoCalculation),
                 QString("nicht ermittelt (keine Berechnung)"));
        QCOMPARE(results::notDetermined(Missing::None), QString());
    }

    // A row of Nachweise.txt counts only when every field is as the engine
    // writes it (here: not finite, an unknown word, five fields); the last wins.
    void verdictFileRows() {
        QTemporaryDir dir;
        const results::DesignVerdicts v = results::DesignVerdicts::read(editedRun(
            dir, "results/worked_example",
            {{verdictFile, "", "querkraft\t80000\t500000\tinf\terfuellt\tV_pl,Rd"},
             {verdictFile, "b", "biegung\t2.5e+08\t3e+08\t0.8\tvielleicht\tKlasse1"},
             {verdictFile, "m", "mindestbewehrung\t1\t2\t0.5\terfuellt"},
             {verdictFile, "y", "gesamt\t-\t1\t-\tnicht_ermittelt\tkeine_Ausnutzung\r"},
             {verdictFile, "z", "gesamt\t0.5\t1\t0.5\terfuellt\tbiegung"}}));
        QVERIFY(!v.present() && !v.shear.present && !v.bending.present && !v.minimum.present &&
                v.overall.present && *v.overall.eta == 0.5 && v.overall.basis == "biegung");
    }

    // The outcome from the engine's verdicts alone: the status bar, whether
    // the ultimate state failed, and the line that opens the report.
    void outcomes_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ultimateFailed");
        QTest::addColumn<QString>("line");
        QTest::newRow("all passed") << "results/worked_example" << Edits() << u("alle Nachweise erfüllt")
                                    << false << u("Alle Nachweise erfüllt (maximale Ausnutzung 0.833)");
        QTest::newRow("shear failure")
            << "results/shear_failure" << Edits() << "Querkraftversagen" << true
            << u("NICHT ERFÜLLT: Querkraftversagen (Ausnutzung η = 1.14)");
        QTest::newRow("bending failure")
            << "results/section_failure" << Edits() << u("Biegung nicht erfüllt") << true
            << u("NICHT ERFÜLLT: Biegung nicht erfüllt (Ausnutzung η = 1.53)");
        // The limit moments of output.txt would pass: only the file decides.
        QTest::newRow("7.1 and the minimum reinforcement")
            << "results/worked_example"
            << Edits{{verdictFile, "biegung_querkraft", "biegung_querkraft\t1.02\t1\t1.02\tnicht_erfuellt\tEN1993-1-5_7.1"},
                     {verdictFile, "mindestbewehrung", "mindestbewehrung\t160.3\t0\t-\tnicht_erfuellt\tZugzone_unten"},
                     {verdictFile, "gesamt", "gesamt\t1.02\t1\t1.02\tnicht_erfuellt\tbiegung_querkraft"}}
            << u("Interaktion Biegung und Querkraft nicht erfüllt, Mindestbewehrung nicht vorhanden") << true
            << u("NICHT ERFÜLLT: Interaktion Biegung und Querkraft nicht erfüllt (Ausnutzung η = 1.02), "
                 "Mindestbewehrung nicht vorhanden");
        QTest::newRow("no verdict file")
            << "results/worked_example" << Edits{{verdictFile, "", ""}}
            << "Nachweise nicht ermittelt (keine Nachweisdatei)" << false
            << "Nachweise: nicht ermittelt (keine Nachweisdatei)";
        QTest::newRow("no results") << "results/no_results" << Edits() << "keine Ergebnisse" << false
                                    << "Nachweise: nicht ermittelt (keine Berechnung)";
    }
    void outcomes() {
        QFETCH(QString, fixture);
        QFETCH(Edits, edits);
        QFETCH(QString, text);
        QFETCH(bool, ultimateFailed);
        QFETCH(QString, line);
        QTemporaryDir dir;
        const results::RunOutcome outcome = results::RunOutcome::read(editedRun(dir, fixture, edits));
        QCOMPARE(outcome.text(), text);
        QCOMPARE(outcome.statusText(), "Berechnung abgeschlossen: " + text);
        QCOMPARE(outcome.ultimateFailed(), ultimateFailed);
        QCOMPARE(outcome.passed(), text == QString::fromUtf8("alle Nachweise erfüllt"));
        QCOMPARE(outcome.verdictLine(), line);
        QCOMPARE(fixtures::zerosShownAsValues(outcome.verdictLine()), QStringList());
    }

    // η as the texts print it: three decimals where two would read 1.00 for a
    // check that fails or just passes; three significant digits from 1000 on.
    void utilisationTexts() {
        const std::pair<double, const char *> cases[] = {
            {0.24, "η = 0.24"}, {1.0, "η = 1"}, {1.003, "η = 1.003"}, {0.9961, "η = 0.996"}, {121700.0, "η = 122000"}, {2.5e7, "η = 2.5e+07"}, {0.99996, "η = 0.99996"}};
        for (const auto &[eta, text] : cases) QCOMPARE(results::etaText(eta), u(text));
    }
};

QTEST_APPLESS_MAIN(RunOutcomeTest)
#include "tst_run_outcome.moc"
