// Why results are missing, and the outcome of a run as the status bar and the
// check panel show it, decided from the run folder's files alone.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "results/design_checks.h"
#include "results/run_outcome.h"
#include "results/run_results.h"
#include "support/result_fixtures.h"

using results::AnalysedState;
using results::Missing;

namespace {

// A change of one run-folder file: the file below the run folder, the line
// that begins with `start` and its replacement (appended when no line begins
// so); an empty `start` replaces the whole file by the line.
struct Edit {
    QString file;
    QString start;
    QString line;
};
using Edits = QVector<Edit>;

// Copy of a fixture run folder with the edits applied.
std::string editedRun(QTemporaryDir &dir, const QString &fixture, const Edits &edits) {
    const QString run = dir.filePath("run");
    fixtures::copyFolder(QString::fromStdString(fixtures::folder(fixture)), run);
    for (const Edit &edit : edits) {
        const QString path = QDir(run).filePath(edit.file);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        // Latin-1 keeps the engine's Windows-1252 headings byte for byte.
        QStringList lines = QString::fromLatin1(file.readAll()).split('\n');
        file.close();
        if (edit.start.isEmpty()) lines = QStringList{edit.line, QString()};
        bool replaced = edit.start.isEmpty();
        for (QString &line : lines)
            if (!edit.start.isEmpty() && line.startsWith(edit.start)) {
                line = edit.line;
                replaced = true;
            }
        if (!replaced) lines.append(edit.line);
        fixtures::writeFile(path, lines.join('\n').toLatin1());
    }
    return run.toStdString() + "/";
}

const QString ultimateState = QStringLiteral("Tragfaehigkeitkeit/spannung_ohne_ts/output.txt");
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

    void outcomes_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<Edits>("edits");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ultimateFailed");
        QTest::newRow("all passed") << "results/worked_example" << Edits()
                                    << QString::fromUtf8("alle Nachweise erfüllt") << false;
        QTest::newRow("shear failure") << "results/shear_failure" << Edits() << "Querkraftversagen"
                                       << true;
        QTest::newRow("cross-section failure") << "results/section_failure" << Edits()
                                               << "Querschnittsversagen im GZT" << true;
        // 400 kNm beyond M_pl,Rd = 300 kNm with a strain state found.
        QTest::newRow("moment beyond the plastic limit")
            << "results/worked_example" << Edits{{"output.txt", "M_Ed_t", "M_Ed_t\t4e+08"}}
            << "Querschnittsversagen im GZT" << true;
        QTest::newRow("minimum reinforcement absent")
            << "results/worked_example" << Edits{{"output.txt", "A_svor", "A_svor\t392.6"}}
            << "Mindestbewehrung nicht vorhanden" << false;
        QTest::newRow("shear failure and minimum reinforcement absent")
            << "results/shear_failure"
            << Edits{{"output.txt", "A_s,min", "A_s,min\t300"},
                     {serviceabilityState, "2e+08", "2e+08\t150000\t0.0013312\t420\t1.5024e+14\t355"}}
            << "Querkraftversagen, Mindestbewehrung nicht vorhanden" << true;
        QTest::newRow("serviceability section failure")
            << "results/worked_example" << Edits{{serviceabilityState, "1.5e+08", "Querschnittsversagen "}}
            << "Querschnittsversagen im GZG" << false;
        QTest::newRow("no results") << "results/no_results" << Edits() << "keine Ergebnisse" << false;
    }
    void outcomes() {
        QFETCH(QString, fixture);
        QFETCH(Edits, edits);
        QFETCH(QString, text);
        QFETCH(bool, ultimateFailed);
        QTemporaryDir dir;
        const results::RunOutcome outcome = results::RunOutcome::read(editedRun(dir, fixture, edits));
        QCOMPARE(outcome.text(), text);
        QCOMPARE(outcome.statusText(), "Berechnung abgeschlossen: " + text);
        QCOMPARE(outcome.ultimateFailed(), ultimateFailed);
        QCOMPARE(outcome.passed(), text == QString::fromUtf8("alle Nachweise erfüllt"));
        QCOMPARE(fixtures::zerosShownAsValues(outcome.statusText()), QStringList());
    }

    // The ultimate checks give no verdict from values that were not computed.
    void ultimateChecksOfAShearFailure() {
        const results::UltimateChecks checks = results::checkUltimateLimitState(
            results::RunResults::read(fixtures::folder("results/shear_failure")));
        QCOMPARE(checks.shear.verdict, results::Verdict::Failed);
        QCOMPARE(checks.shear.vEd, 1000.0);
        QCOMPARE(checks.shear.vPl, 875.065);
        QCOMPARE(checks.interaction.verdict, results::Verdict::NotDetermined);
        QCOMPARE(checks.interaction.missing, Missing::ShearFailure);
        QVERIFY(!checks.interaction.limitsKnown);
        QVERIFY(checks.failed());
    }
};

QTEST_APPLESS_MAIN(RunOutcomeTest)
#include "tst_run_outcome.moc"
