// Texts of the value panels and of the check panel "Nachweis der Tragfähigkeit".
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "support/result_fixtures.h"
#include "results/result_panels.h"

namespace {

QStringList texts(const QVector<PanelLine> &lines) {
    QStringList out;
    for (const PanelLine &line : lines) out << line.text;
    return out;
}

QString u(const char *text) { return QString::fromUtf8(text); }

// A run with the actions and limits of the ultimate limit state (N, Nmm) in
// its output.txt; the ultimate state has a strain state, or the failure line.
results::RunResults ultimateRun(QTemporaryDir &dir, double mEd, double vEd, double mMaxEl,
                                double mMaxPl, double mMinEl, double mMinPl, double vPl,
                                bool sectionFailed = false) {
    const QString path = dir.filePath("output.txt");
    QByteArray text;
    QTextStream(&text) << "\n*Querkrafttragf\xE4higkeit\nV_pl_Rd\t" << vPl << "\n"
                       << "\n*Grenzmomente\nM_min_el\t" << mMinEl << "\nM_max_el\t" << mMaxEl
                       << "\nM_min_pl\t" << mMinPl << "\nM_max_pl\t" << mMaxPl << "\n"
                       << "\n*Tragf\xE4higkeit\nM_Ed_t\t" << mEd << "\nV_Ed_t\t" << vEd << "\n";
    fixtures::writeFile(path, text);
    results::StateFile ultimate;
    if (sectionFailed) ultimate.failureLine = true;
    else ultimate.rows = {{mEd, vEd, 0.001, 300, 1e14}};
    return results::RunResults(results::KeyValues::read(path.toStdString()), {}, {}, ultimate);
}

}  // namespace

Q_DECLARE_METATYPE(fixtures::Edits)

class ResultPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void valuePanelsOfTheWorkedExample_data() {
        QTest::addColumn<int>("limitState");
        QTest::addColumn<int>("withTs");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<double>("kappa");
        QTest::addColumn<double>("zNa");
        QTest::addColumn<double>("eiI");
        // kappa 0.0045 per mille/mm = 4.5 per mille/m; 5.55556e13 Nmm² = 55555.6 kNm².
        QTest::newRow("GZT") << 1 << 0
                             << QStringList{"Einwirkungen:", "VEd = -80 [kN]", "MEd = 250 [kNm]",
                                            "Dehnung:", u("ϰ = 4.5 [‰/m]"),
                                            "Nullinie: Z = 415.25 [mm]",
                                            "Ideelle Biegesteifigkeit:", u("EIi = 55555.6 [kNm²]")}
                             << 4.5 << 415.25 << 55555.6;
        QTest::newRow("GZG ohne TS")
            << 0 << 0
            << QStringList{"Einwirkungen:", "VEd = 60 [kN]", "MEd = 150 [kNm]", "Dehnung:",
                           u("ϰ = 0.51234 [‰/m]"), "Nullinie: Z = 398.765 [mm]",
                           "Ideelle Biegesteifigkeit:", u("EIi = 292774 [kNm²]")}
            << 0.51234 << 398.765 << 292774.0;
        QTest::newRow("GZG mit TS")
            << 0 << 1
            << QStringList{"Einwirkungen:", "VEd = 60 [kN]", "MEd = 150 [kNm]", "Dehnung:",
                           u("ϰ = 0.62 [‰/m]"), "Nullinie: Z = 405.1 [mm]",
                           "Ideelle Biegesteifigkeit:", u("EIi = 241935 [kNm²]")}
            << 0.62 << 405.1 << 241935.0;
    }
    void valuePanelsOfTheWorkedExample() {
        QFETCH(int, limitState);
        QFETCH(int, withTs);
        QFETCH(QStringList, expected);
        QFETCH(double, kappa);
        QFETCH(double, zNa);
        QFETCH(double, eiI);
        const ValuePanel panel =
            buildValuePanel(results::RunResults::read(fixtures::folder("results/worked_example")),
                            results::analysedState(limitState, withTs));
        QCOMPARE(texts(panel.lines), expected);
        QVERIFY(panel.hasState);
        QCOMPARE(panel.summary.kappa, kappa);
        QCOMPARE(panel.summary.z_na, zNa);
        QVERIFY(qAbs(panel.summary.ei_i - eiI) < 0.1);
        const QString heading = "font: 10pt; text-decoration: underline;";
        for (int i : {0, 3, 6}) QCOMPARE(panel.lines[i].style, heading);
        for (int i : {1, 2, 4, 5, 7}) QCOMPARE(panel.lines[i].style, QString("font: 8pt"));
    }

    void valuePanelRoundsOnlyTheMoment() {
        // 249.96 kNm shows with one decimal as 250; the others keep six digits.
        const ValuePanel panel =
            buildValuePanel(results::NumberRow{2.4996e8, 123456.7, 0.001234567, 123.4567, 1.234567e15});
        QCOMPARE(texts(panel.lines).mid(1, 2),
                 (QStringList{"VEd = 123.457 [kN]", "MEd = 250 [kNm]"}));
        QCOMPARE(panel.lines[4].text, u("ϰ = 1.23457 [‰/m]"));
        QCOMPARE(panel.lines[5].text, QString("Nullinie: Z = 123.457 [mm]"));
        QCOMPARE(panel.lines[7].text, u("EIi = 1.23457e+06 [kNm²]"));
        QCOMPARE(buildValuePanel(results::NumberRow{-1.2345e8, 0, 0, 0, 0}).lines[2].text,
                 QString("MEd = -123.4 [kNm]"));
    }

    void valuePanelLastRowWins() {
        results::StateFile twoRows;
        twoRows.rows = {{1e8, 1000, 1, 2, 3}, {2e8, 2000, 4, 5, 6}};
        const ValuePanel panel = buildValuePanel(
            results::RunResults({}, twoRows, {}, {}), results::AnalysedState::ServiceabilityWithoutTs);
        QCOMPARE(panel.lines[2].text, QString("MEd = 200 [kNm]"));
        QCOMPARE(panel.summary.kappa, 4000.0);
    }

    void checkPanelOfTheWorkedExample() {
        const std::string run = fixtures::folder("results/worked_example");
        const CheckPanel panel = buildCheckPanel(results::RunResults::read(run));
        QCOMPARE(texts(panel.lines),
                 fixtures::workedExampleCheckPanel());
        QCOMPARE(panel.mEd, 250.0);
        QCOMPARE(panel.vEd, -80.0);
        const QString heading = "font: 12pt; text-decoration: underline;";
        const QStringList styles{heading,      "font: 10pt", "font:  10pt", heading,
                                 "font: 10pt", "font: 10pt", heading,       "font: 10pt",
                                 "font: 10pt", "font:  10pt", "font: 10pt"};
        QCOMPARE(panel.lines.size(), styles.size());
        for (int i = 0; i < styles.size(); ++i) QCOMPARE(panel.lines[i].style, styles[i]);
        for (const PanelLine &line : panel.lines) QVERIFY(!line.isRichText());
    }

    void interactionVerdicts_data() {
        QTest::addColumn<double>("mEd");
        QTest::addColumn<QString>("interaction");
        QTest::addColumn<QString>("status");
        // Limits: M_el = 200 / -150 kNm, M_pl = 300 / -220 kNm.
        const QString elastic = "ELASTISCHE SPANNUNGSVERTEILUNG";
        const QString plastic = "TEILPLASTISCHE SPANNUNGSVERTEILUNG";
        QTest::newRow("0 is positive and elastic")
            << 0.0 << u("MEd= 0 kNm ≤ Mel,Rd(VEd)= 200 kNm") << elastic;
        QTest::newRow("M = M_el,max is elastic")
            << 2e8 << u("MEd= 200 kNm ≤ Mel,Rd(VEd)= 200 kNm") << elastic;
        QTest::newRow("M = M_pl,max is partly plastic")
            << 3e8 << u("Mel,Rd(Ved) = 200 kNm < MEd = 300 kNm ≤ Mpl,Rd(VEd)= 300 kNm") << plastic;
        QTest::newRow("M above M_pl,max fails")
            << 3.00001e8
            << "<font color='red'>MEd = 300.001 kNm > Mpl,rd(VEd)= 300 kNm ...  VERSAGEN</font>"
            << QString();
        QTest::newRow("M = M_el,min is elastic")
            << -1.5e8 << u("MEd= -150 kNm ≥ Mel,Rd(VEd)= -150 kNm") << elastic;
        QTest::newRow("M = M_pl,min is partly plastic")
            << -2.2e8 << u("Mel,Rd(VEd) = -150 kNm > MEd = -220 kNm ≥ Mpl,Rd(VEd)= -220 kNm")
            << plastic;
        QTest::newRow("M below M_pl,min fails")
            << -2.5e8
            << "<font color='red'>MEd= -250 kNm < Mpl,Rd(VEd)= -220 kNm  ...  VERSAGEN</font>"
            << QString();
    }
    void interactionVerdicts() {
        QFETCH(double, mEd);
        QFETCH(QString, interaction);
        QFETCH(QString, status);
        QTemporaryDir dir;
        const CheckPanel panel =
            buildCheckPanel(ultimateRun(dir, mEd, 1000, 2e8, 3e8, -1.5e8, -2.2e8, 5e5));
        QCOMPARE(panel.lines[InteractionRow].text, interaction);
        QCOMPARE(panel.lines[StatusRow].text, status);
        QCOMPARE(panel.lines[InteractionRow].isRichText(), interaction.startsWith("<font"));
    }

    void shearCheck_data() {
        QTest::addColumn<double>("vEd");
        QTest::addColumn<double>("vPl");
        QTest::addColumn<QString>("expected");
        QTest::newRow("below") << -80000.0 << 500000.0
                               << u("|VEd| = 80 kN ≤ |Vpl,Rd|= 500 kN  ...  NACHWEIS ERFÜLLT");
        QTest::newRow("equal fails")
            << 500000.0 << 500000.0
            << "<font color='red'>|VEd| = 500 kN > |Vpl,Rd|= 500 kN  ...  QUERKRAFTVERSAGEN</font>";
        QTest::newRow("negative above fails")
            << -600000.0 << 500000.0
            << "<font color='red'>|VEd| = 600 kN > |Vpl,Rd|= 500 kN  ...  QUERKRAFTVERSAGEN</font>";
        QTest::newRow("zero resistance fails")
            << 1.0 << 0.0
            << "<font color='red'>|VEd| = 0.001 kN > |Vpl,Rd|= 0 kN  ...  QUERKRAFTVERSAGEN</font>";
    }
    void shearCheck() {
        QFETCH(double, vEd);
        QFETCH(double, vPl);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const CheckPanel panel =
            buildCheckPanel(ultimateRun(dir, 1e8, vEd, 2e8, 3e8, -1.5e8, -2.2e8, vPl));
        QCOMPARE(panel.lines[ShearRow].text, expected);
        QCOMPARE(panel.vEd, vEd / 1000.0);
    }

    void failedSectionKeepsItsVerdict() {
        // A failed section has no limit moments in output.txt; an interaction
        // check against zeros would claim "VERSAGEN" from missing data or, for
        // M = 0, even an elastic state.
        for (double mEd : {2.5e8, 0.0, -1e8}) {
            QTemporaryDir dir;
            const CheckPanel panel =
                buildCheckPanel(ultimateRun(dir, mEd, -80000, 0, 0, 0, 0, 5e5, true));
            QCOMPARE(panel.lines[InteractionRow].text,
                     QString("<font color='red'>Versagen des Querschnitts!</font>"));
            QVERIFY(panel.lines[InteractionRow].isRichText());
            QCOMPARE(panel.lines[StatusRow].text, QString());
            QCOMPARE(panel.mEd, mEd / 1e6);
        }
    }

    // The bending check by the cross-section class of M_Ed's direction, from
    // the hand-written hogging run folder: M_el,Rd = 200 / -150 kNm, M_pl,Rd =
    // 300 / -220 kNm at V_Ed = 120 kN (η_V = 120 / 500 = 0.24).
    void checkPanelByClass_data() {
        QTest::addColumn<fixtures::Edits>("edits");
        QTest::addColumn<QStringList>("expected");  // class, interaction, status, η, outcome
        const QString class3 = u("Querschnittsklasse 3: nur elastische Bemessung zulässig");
        const QString class4 =
            u("Querschnittsklasse 4: wirksamer Querschnitt nicht abgedeckt – Nachweis nicht möglich");
        const QString classFile = "Querschnittsklasse.txt";
        auto moment = [](const char *nmm) {
            return fixtures::Edit{"output.txt", "M_Ed_t", QString("M_Ed_t\t") + nmm};
        };
        // -180 kNm passes the plastic check (-220), not the elastic one (-150): 180 / 150 = 1.20.
        QTest::newRow("class 3 between M_el and M_pl")
            << fixtures::Edits()
            << QStringList{u("Querschnittsklasse 3 bei negativem Moment (Untergurt 1, Steg 3) – Nachweis elastisch"),
                           "<font color='red'>MEd= -180 kNm < Mel,Rd(VEd)= -150 kNm  ...  NICHT ERFÜLLT</font>",
                           "<font color='red'>" + class3 + "</font>",
                           u("<font color='red'>Ausnutzung η = 1.20</font>"),
                           "<font color='red'>" + class3 + "</font>"};
        // 120 / 150 = 0.80
        QTest::newRow("class 3 within M_el")
            << fixtures::Edits{moment("-1.2e+08")}
            << QStringList{u("Querschnittsklasse 3 bei negativem Moment (Untergurt 1, Steg 3) – Nachweis elastisch"),
                           u("MEd= -120 kNm ≥ Mel,Rd(VEd)= -150 kNm"), "ELASTISCHE SPANNUNGSVERTEILUNG",
                           u("Ausnutzung η = 0.80")};
        // 250 / 200 = 1.25; the hogging class must not be taken.
        QTest::newRow("class 3 sagging")
            << fixtures::Edits{moment("2.5e+08"), {classFile, "", fixtures::classRows(3, 1)}}
            << QStringList{u("Querschnittsklasse 3 bei positivem Moment (Obergurt 1, Steg 3) – Nachweis elastisch"),
                           "<font color='red'>MEd = 250 kNm > Mel,Rd(VEd)= 200 kNm  ...  NICHT ERFÜLLT</font>",
                           "<font color='red'>" + class3 + "</font>",
                           u("<font color='red'>Ausnutzung η = 1.25</font>"),
                           "<font color='red'>" + class3 + "</font>"};
        QTest::newRow("class 4")
            << fixtures::Edits{{classFile, "", fixtures::classRows(1, 4)}}
            << QStringList{u("Querschnittsklasse 4 bei negativem Moment (Untergurt 1, Steg 4) – kein Nachweis möglich"),
                           "<font color='red'>" + class4 + "</font>", "",
                           u("<font color='red'>Ausnutzung η: nicht ermittelt (Querschnittsklasse 4)</font>"),
                           "<font color='red'>" + class4 + "</font>"};
        // Class 1: plastic, 180 / 220 = 0.818.
        QTest::newRow("class 1 partly plastic")
            << fixtures::Edits{{classFile, "", fixtures::classRows(4, 1)}}
            << QStringList{u("Querschnittsklasse 1 bei negativem Moment (Untergurt 1, Steg 1) – Nachweis plastisch"),
                           u("Mel,Rd(VEd) = -150 kNm > MEd = -180 kNm ≥ Mpl,Rd(VEd)= -220 kNm"),
                           "TEILPLASTISCHE SPANNUNGSVERTEILUNG", u("Ausnutzung η = 0.82")};
    }
    void checkPanelByClass() {
        QFETCH(fixtures::Edits, edits);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const CheckPanel panel = buildCheckPanel(
            results::RunResults::read(fixtures::editedRun(dir, "results/class3_hogging", edits)));
        QStringList shown;
        for (int i : {ClassRow, InteractionRow, StatusRow, InteractionUtilisationRow})
            shown << panel.lines.at(i).text;
        for (int i = OutcomeRow; i < panel.lines.size(); ++i) shown << panel.lines.at(i).text;
        QCOMPARE(shown, expected);
        QCOMPARE(panel.lines.at(ShearUtilisationRow).text, u("Ausnutzung η = 0.24"));
        QCOMPARE(panel.lines.at(InteractionHeading).text, QString("Interaktion Biegung und Querkraft"));
    }

    // Regression: a "<" in a red verdict was taken for the start of a tag,
    // and the label showed only "MEd= -250 kNm".
    void redVerdictShowsItsComparisonSigns() {
        const PanelLine line{"<font color='red'>MEd= -250 kNm < Mpl,Rd(VEd)= -220 kNm  ...  VERSAGEN</font>",
                             QString()};
        QTextDocument shown;
        shown.setHtml(line.labelText());
        QCOMPARE(shown.toPlainText(), QString("MEd= -250 kNm < Mpl,Rd(VEd)= -220 kNm ... VERSAGEN"));
        QVERIFY(line.labelText().startsWith("<font color='red'>"));
        const PanelLine plain{u("MEd= 100 kNm ≤ Mel,Rd(VEd)= 200 kNm"), QString()};
        QCOMPARE(plain.labelText(), plain.text);
    }

    // A state the engine did not compute keeps the actions of the run and
    // says why its strain state is missing; it stores no strain state.
    void valuePanelOfAStateWithoutStrainState_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("actions");  // V and M lines, joined by "|"
        QTest::addColumn<QString>("reason");
        // Input of the shear-failure run: V_Ed = 1e6 N, M_Ed = 4e8 Nmm.
        QTest::newRow("shear failure, ultimate") << "results/shear_failure" << 2
                                                 << "VEd = 1000 [kN]|MEd = 400 [kNm]"
                                                 << "Querkraftversagen";
        QTest::newRow("section failure, ultimate") << "results/section_failure" << 2
                                                   << "VEd = 300 [kN]|MEd = 1500 [kNm]"
                                                   << "Querschnittsversagen";
        QTest::newRow("no results, serviceability with TS")
            << "results/no_results" << 1
            << "VEd: nicht ermittelt (keine Berechnung)|MEd: nicht ermittelt (keine Berechnung)"
            << "keine Berechnung";
    }
    void valuePanelOfAStateWithoutStrainState() {
        QFETCH(QString, fixture);
        QFETCH(int, state);
        QFETCH(QString, actions);
        QFETCH(QString, reason);
        const ValuePanel panel =
            buildValuePanel(results::RunResults::read(fixtures::folder(fixture)),
                            static_cast<results::AnalysedState>(state));
        const QString missing = "nicht ermittelt (" + reason + ")";
        QCOMPARE(texts(panel.lines),
                 (QStringList{"Einwirkungen:", actions.section('|', 0, 0), actions.section('|', 1, 1),
                              "Dehnung:", u("ϰ: ") + missing, "Nullinie: " + missing,
                              "Ideelle Biegesteifigkeit:", "EIi: " + missing}));
        QVERIFY(!panel.hasState);
        QCOMPARE(panel.summary.kappa, 0.0);
    }

    // The check panel of the failed runs: verdicts only from computed values,
    // and the outcome below the checks.
    void checkPanelOfFailedRuns_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("expected");  // actions, shear, interaction, status, outcome
        QTest::newRow("shear failure")
            << "results/shear_failure"
            << QStringList{"Querkraft: VEd=1000 [kN]", "Bemessungswert Moment: MEd=400 [kNm]",
                           "<font color='red'>|VEd| = 1000 kN > |Vpl,Rd|= 875.065 kN  ...  "
                           "QUERKRAFTVERSAGEN</font>",
                           "Mel,Rd(VEd), Mpl,Rd(VEd): nicht ermittelt (Querkraftversagen)", "",
                           "<font color='red'>Querkraftversagen</font>"};
        QTest::newRow("cross-section failure")
            << "results/section_failure"
            << QStringList{"Querkraft: VEd=300 [kN]", "Bemessungswert Moment: MEd=1500 [kNm]",
                           u("|VEd| = 300 kN ≤ |Vpl,Rd|= 875.065 kN  ...  NACHWEIS ERFÜLLT"),
                           "<font color='red'>Versagen des Querschnitts!</font>", "",
                           "<font color='red'>Querschnittsversagen im GZT</font>"};
        // Without results nothing fails, so no outcome line.
        QTest::newRow("no results")
            << "results/no_results"
            << QStringList{"Querkraft: VEd: nicht ermittelt (keine Berechnung)",
                           "Bemessungswert Moment: MEd: nicht ermittelt (keine Berechnung)",
                           "nicht ermittelt (keine Berechnung)", "nicht ermittelt (keine Berechnung)",
                           ""};
    }
    void checkPanelOfFailedRuns() {
        QFETCH(QString, fixture);
        QFETCH(QStringList, expected);
        const CheckPanel panel = buildCheckPanel(results::RunResults::read(fixtures::folder(fixture)));
        QStringList shown;
        for (int i : {ShearForceRow, MomentRow, ShearRow, InteractionRow, StatusRow})
            shown << panel.lines.at(i).text;
        for (int i = OutcomeRow; i < panel.lines.size(); ++i) shown << panel.lines.at(i).text;
        QCOMPARE(shown, expected);
        QCOMPARE(fixtures::zerosShownAsValues(texts(panel.lines).join('\n')), QStringList());
        QCOMPARE(panel.actionsKnown, fixture != "results/no_results");
    }
};

QTEST_MAIN(ResultPanelsTest)
#include "tst_result_panels.moc"
