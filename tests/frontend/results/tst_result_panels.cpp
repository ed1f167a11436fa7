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
                                            "Nulllinie: Z = 415.3 [mm]",
                                            "Ideelle Biegesteifigkeit:", u("EIi = 55560 [kNm²]")}
                             << 4.5 << 415.25 << 55555.6;
        QTest::newRow("GZG ohne TS")
            << 0 << 0
            << QStringList{"Einwirkungen:", "VEd = 60 [kN]", "MEd = 150 [kNm]", "Dehnung:",
                           u("ϰ = 0.512 [‰/m]"), "Nulllinie: Z = 398.8 [mm]",
                           "Ideelle Biegesteifigkeit:", u("EIi = 292800 [kNm²]")}
            << 0.51234 << 398.765 << 292774.0;
        QTest::newRow("GZG mit TS")
            << 0 << 1
            << QStringList{"Einwirkungen:", "VEd = 60 [kN]", "MEd = 150 [kNm]", "Dehnung:",
                           u("ϰ = 0.62 [‰/m]"), "Nulllinie: Z = 405.1 [mm]",
                           "Ideelle Biegesteifigkeit:", u("EIi = 241900 [kNm²]")}
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

    // Four significant digits, the curvature three: 249.96 kNm reads 250, 123.4567 kN 123.5.
    void valuePanelNumbersAreReadable() {
        const ValuePanel panel =
            buildValuePanel(results::NumberRow{2.4996e8, 123456.7, 0.001234567, 123.4567, 1.234567e15});
        QCOMPARE(texts(panel.lines).mid(1, 2),
                 (QStringList{"VEd = 123.5 [kN]", "MEd = 250 [kNm]"}));
        QCOMPARE(panel.lines[4].text, u("ϰ = 1.23 [‰/m]"));
        QCOMPARE(panel.lines[5].text, QString("Nulllinie: Z = 123.5 [mm]"));
        QCOMPARE(panel.lines[7].text, u("EIi = 1.235e+06 [kNm²]"));
        QCOMPARE(buildValuePanel(results::NumberRow{-1.2345e8, 0, 0, 0, 0}).lines[2].text,
                 QString("MEd = -123.5 [kNm]"));
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
        const QStringList styles{heading,      "font: 10pt", "font:  10pt", heading,      "font: 10pt",
                                 "font: 10pt", heading,      "font: 10pt",  "font: 10pt", "font: 10pt",
                                 "font:  10pt", "font:  10pt"};
        QCOMPARE(panel.lines.size(), styles.size());
        for (int i = 0; i < styles.size(); ++i) QCOMPARE(panel.lines[i].style, styles[i]);
        for (const PanelLine &line : panel.lines) QVERIFY(!line.isRichText());
    }

    // The check panel shows the engine's verdicts, each with its own
    // resistance and η as the file holds them; a failed check in red.
    void checkPanelShowsTheVerdicts_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<fixtures::Edits>("edits");
        // shear, its result, bending, its result, the other route, 7.1, outcome
        QTest::addColumn<QStringList>("expected");
        const QStringList classThree{u("|V_Ed| = 120 kN ≤ V_pl,Rd = 500 kN, η = 0.24"), u("NACHWEIS ERFÜLLT"),
                                     u("M_Ed = -180 kNm ≥ M_pl,eff,Rd(V_Ed) = -200 kNm, η = 0.9"), u("NACHWEIS ERFÜLLT"),
                                     u("ferner elastisch: M_Ed = -180 kNm < M_el,Rd = -150 kNm, η = 1.2"),
                                     u("EN 1993-1-5 7.1: nicht maßgebend (plastischer Nachweis)")};
        QTest::newRow("Class 3, effective web chosen") << "results/class3_hogging" << fixtures::Edits() << classThree;
        // Regression: in hogging the degree of connection has no line of its own; the panel
        // showed an empty line between the heading and the verdict.
        QTest::newRow("Class 3 with studs, hogging")
            << "results/class3_hogging"
            << fixtures::Edits{{"Verduebelung.txt", "", "P_Rd\tn\tk_t\tN_c_f\tN_c\teta\teta_min\tM_Rd_eta\n"
                                                        "81656.3\t18\t1\t2.99846e+06\t1.46981e+06\t0.49019\t0.49\t-"},
                               {"Nachweise.txt", "verduebelung\t",
                                "verduebelung\t-\t-\t-\tnicht_massgebend\tStuetzmoment_vollstaendige_Verduebelung"}}
            << classThree + QStringList{u("Verdübelung (EN 1994-1-1 6.6.1.2)"),
                                        u("nicht maßgebend (negatives Moment: vollständige Verdübelung für die Bewehrung angenommen)")};
        QTest::newRow("slender web, Class 4")
            << "results/worked_example"
            << fixtures::Edits{{"Nachweise.txt", "querkraft\t", "querkraft\t80000\t500000\t-\tnicht_ermittelt\tSchubbeulen"},
                               {"Nachweise.txt", "biegung\t", "biegung\t2.5e+08\t-\t-\tnicht_ermittelt\tKlasse4_nicht_abgedeckt"}}
            << QStringList{u("|V_Ed| = 80 kN, V_b,Rd: nicht ermittelt (Schubbeulen: h_w/t_w > 72ε, "
                             "V_pl,Rd = 500 kN gilt nicht)"),
                           "nicht ermittelt (Schubbeulen)",
                           u("M_Ed = 250 kNm: Querschnittsklasse 4, wirksamer Querschnitt nicht abgedeckt"),
                           "nicht ermittelt (Querschnittsklasse 4)", "",
                           u("EN 1993-1-5 7.1: nicht maßgebend (kein elastischer Nachweis)")};
        // An older run folder: the front end decides nothing of its own.
        const QString missing = "nicht ermittelt (keine Nachweisdatei)";
        QTest::newRow("no verdict file")
            << "results/worked_example" << fixtures::Edits{{"Nachweise.txt", "", ""}}
            << QStringList{missing, "", missing, "", "", missing};
    }
    void checkPanelShowsTheVerdicts() {
        QFETCH(QString, fixture);
        QFETCH(fixtures::Edits, edits);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const CheckPanel panel = buildCheckPanel(
            results::RunResults::read(fixtures::editedRun(dir, fixture, edits)));
        QStringList shown;
        for (int i : {ShearRow, ShearVerdictRow, BendingRow, BendingVerdictRow, RouteRow, BendingShearRow})
            shown << panel.lines.at(i).text;
        for (int i = OutcomeRow; i < panel.lines.size(); ++i) shown << panel.lines.at(i).text;
        QCOMPARE(shown, expected);
        QCOMPARE(fixtures::zerosShownAsValues(texts(panel.lines).join('\n')), QStringList());
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
                              "Dehnung:", u("ϰ: ") + missing, "Nulllinie: " + missing,
                              "Ideelle Biegesteifigkeit:", "EIi: " + missing}));
        QVERIFY(!panel.hasState);
        QCOMPARE(panel.summary.kappa, 0.0);
    }

};

QTEST_MAIN(ResultPanelsTest)
#include "tst_result_panels.moc"
