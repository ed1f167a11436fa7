// The design report "BEMESSUNGSPROTOKOLL".
#include <QTemporaryDir>
#include <cmath>
#include <limits>
#include <QtTest>

#include "files/design_file.h"
#include "results/design_report.h"
#include "support/form_driver.h"
#include "support/result_fixtures.h"

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

const QString D(76, QLatin1Char('-'));

// The three analysed states of a run: serviceability without and with
// tension stiffening, ultimate limit state.
struct States {
    results::StateFile withoutTs, withTs, ultimate;
};

// A state row M, V, kappa, Z_na, EI_i as the engine writes it.
results::StateFile stateRow(double M, double kappa, double zNa, double EI) {
    results::StateFile file;
    file.rows = {{M, 0.0, kappa, zNa, EI}};
    return file;
}

results::StateFile failureLine() {
    results::StateFile file;
    file.failureLine = true;
    return file;
}

// Report of a run whose output.txt holds the given lines ("label\tvalue")
// after V_pl_Rd = 500 kN, the value every calculated run has.
QString reportOf(const QByteArray &lines, const States &states = {}) {
    QTemporaryDir dir;
    const QString path = dir.filePath("output.txt");
    fixtures::writeFile(path, "V_pl_Rd\t500000\n" + lines);
    const results::RunResults run(results::KeyValues::read(path.toStdString()), states.withoutTs,
                                  states.withTs, states.ultimate);
    return buildDesignReport(run).join(QString());
}

// The report of a copy of a fixture run folder with the edits applied.
QString editedReport(const QString &fixture, const fixtures::Edits &edits) {
    QTemporaryDir dir;
    return buildDesignReport(results::RunResults::read(fixtures::editedRun(dir, fixture, edits)))
        .join(QString());
}

// The text between a heading and the next blank line before a separator.
QString block(const QString &report, const QString &heading, const QString &end) {
    const int start = report.indexOf(heading);
    if (start < 0) return QString();
    const int stop = report.indexOf(end, start + heading.size());
    return report.mid(start + heading.size(), stop < 0 ? -1 : stop - start - heading.size());
}

const QString classHeading = QString::fromUtf8("\n\nQUERSCHNITTSKLASSE (nach EN 1994-1-1 5.5):");
const QString classFile = QStringLiteral("Querschnittsklasse.txt");

}  // namespace

Q_DECLARE_METATYPE(fixtures::Edits)

class DesignReportTest : public QObject {
    Q_OBJECT

private slots:
    void reportOfTheWorkedExample() {
        const std::string run = fixtures::folder("results/worked_example");
        // The fixture's state rows: kappa 0.00051234, 0.00062 and 0.0045 per
        // mille per mm, EI_i 2.92774e14, 2.41935e14 and 5.55556e13 Nmm².
        const QStringList pieces = buildDesignReport(results::RunResults::read(run));
        // Written out from the layout of the report, with the values of the
        // fixture rounded by hand: geometry as given, strengths, moduli, areas, moments, Z_na and EI_i
        // to four significant digits, strains, curvatures and η to three; a space before every unit.
        const QString expected =
            u("\t\t    BEMESSUNGSPROTOKOLL") +
            // The largest utilisation: 250 / 300 = 0.833 (bending) over 80 / 500 = 0.16 (shear).
            u("\n\nAlle Nachweise erfüllt (maximale Ausnutzung 0.833)") + "\n\n" + D + "\nEINGABE" + "\n" + D +
            "\nGEOMETRIE:" + "\nStahlbetonquerschnitt:" +
            "\nh_c: 160 mm\t\tb_e: 2000 mm\t\th_p: 0 mm" + "\nb_p: 0 mm\t\td_u: 10 mm\t\td_o: 12 mm" +
            "\ne_u: 125 mm\t\te_o: 150 mm" + "\nc_nom,u: 30 mm\tc_nom,o: 30 mm" +
            "\nBaustahlquerschnitt:" + "\nh: 400 mm\t\tt_fu: 13.5 mm\tt_fo: 13.5 mm" +
            "\nb_fu: 180 mm\t\tb_fo: 180 mm" + "\nt_w: 8.6 mm\t\tr: 21 mm" +
            "\n\nMATERIALEIGENSCHAFTEN:" + "\nBeton:" +
            u("\nf_ck: 30 N/mm²\tf_cd: 17 N/mm²\tf_ct_eff: 2.896 N/mm²") +
            u("\ne_c: 1.75 ‰\t\te_cu: 3.5 ‰\te_ct_eff: 0.0879 ‰") + u("\nE_c: 33000 N/mm²") +
            "\nBewehrungsstahl:" + u("\nf_sk: 500 N/mm²\tf_sd: 434.8 N/mm²\tf_ud: 469.6 N/mm²") +
            u("\ne_sd: 2.17 ‰\t\te_ud: 45 ‰") + u("\nE_s: 200000 N/mm²") + "\nBaustahl:" +
            u("\nf_yk: 355 N/mm²\tf_yd: 322.7 N/mm²") + u("\ne_y: 1.54 ‰") + u("\nE_a: 210000 N/mm²") +
            // A report without the run's input file cannot list the actions.
            u("\n\nEinwirkungen und Mindestbewehrung: nicht angegeben (der Berechnungsordner enthält keine "
              "Eingabedatei)") +
            "\n\n" + D + "\nAUSGABE" + "\n" + D + u("\nQUERSCHNITTSFLÄCHE:") +
            "\nBeton\t\tBewehrung\t\tBaustahl" + u("\nA_c: 318800 mm²\tA_s: 1277 mm²\tA_a: 8446 mm²") +
            "\n\nDEHNUNGSVERTEILUNG IM GZG OHNE TENSION STIFFENING:" +
            "\nunter: V_Ed= 60 kN \tM_Ed = 150 kNm :" +
            u("\nϰ= 0.512 ‰/m\tZ_na= 398.8 mm\tEI_i= 292800 kNm²") +
            "\n\nDEHNUNGSVERTEILUNG IM GZG MIT TENSION STIFFENING:" +
            "\nunter: V_Ed= 60 kN \tM_Ed = 150 kNm :" + u("\nϰ= 0.62 ‰/m\tZ_na= 405.1 mm\tEI_i= 241900 kNm²") +
            u("\nMindestbewehrung (nach EN 1994-1-1 7.4.2):") +
            u("\nA_s,min = 392.7 mm² ≤ A_s,vor = 523.6 mm², η = 0.75 (Zugzone unten)") +
            "\nMINDESTBEWEHRUNG VORHANDEN!" + "\n\nDEHNUNGSVERTEILUNG IM GZT:" +
            "\nunter: V_Ed= 80 kN \tM_Ed = 250 kNm :" +
            u("\nϰ= 4.5 ‰/m\tZ_na= 415.3 mm\tEI_i= 55560 kNm²") + "\n\nGRENZMOMENTE IM GZT:" +
            "\nunter: V_Ed= 80 kN: " +
            "\nel. Grenzmomente:  M_el_Rd,max= 200 kNm\tM_el_Rd,min: -150 kNm" +
            "\npl. Grenzmomente:  M_pl_Rd,max= 300 kNm\tM_pl_Rd,min: -220 kNm" +
            // An older run folder: no classes.
            u("\n\nQUERSCHNITTSKLASSE (nach EN 1994-1-1 5.5):") +
            u("\nnicht ermittelt (der Berechnungsordner enthält keine Querschnittsklassen)") + "\n\n" + D +
            "\nNACHWEISE" + "\n" + D + u("\nQUERKRAFTTRAGFÄHIGKEIT (nach EN 1994-1-1 6.2.2):") +
            // The engine's verdicts (the fixture's Nachweise.txt).
            u("\n|V_Ed| = 80 kN ≤ V_pl,Rd = 500 kN, η = 0.16") + u("\nNACHWEIS ERFÜLLT!") +
            u("\n\nTRAGFÄHIGKEIT: BIEGUNG (nach EN 1994-1-1 6.2.1 und 6.2.2.4):") +
            u("\nQuerschnittsklasse 1: plastische Bemessung, M_Rd = M_pl,Rd(V_Ed)") +
            u("\nM_Ed = 250 kNm ≤ M_pl,Rd(V_Ed) = 300 kNm, η = 0.833") + u("\nNACHWEIS ERFÜLLT!") +
            u("\n\nTRAGFÄHIGKEIT: INTERAKTION BIEGUNG UND QUERKRAFT (nach EN 1993-1-5 7.1):") +
            u("\nnicht maßgebend (plastischer Nachweis)") +
            // A run without studs: full connection.
            u("\n\nVERDÜBELUNG (nach EN 1994-1-1 6.6):") +
            u("\nvollständige Verdübelung angenommen (keine Kopfbolzendübel eingegeben)");
        QCOMPARE(pieces.join(QString()), expected);
        QCOMPARE(pieces.first(), u("\t\t    BEMESSUNGSPROTOKOLL"));
    }

    void stateLineOfZeroMomentAndFailedState() {
        // M_Ed = 0 keeps its line even with kappa = 0; the failure line of a
        // state whose shear force is below V_pl,Rd means that no strain state
        // was found.
        States states;
        states.withoutTs = stateRow(0.0, 0.0, 0.0, 0.0);
        states.ultimate = failureLine();
        const QString zeroMoment =
            reportOf("M_Ed_g\t0\nV_Ed_g\t0\nM_Ed_t\t2.5e+08\nV_Ed_t\t80000\n", states);
        QVERIFY(zeroMoment.contains(u("kNm :\nϰ= 0 ‰/m\tZ_na= 0 mm\tEI_i= 0 kNm²\n\nDEHNUNGSVERTEILUNG IM GZG MIT")));
        QVERIFY(zeroMoment.contains(u("M_Ed = 250 kNm :\nVERSAGEN!\n\nGRENZMOMENTE IM GZT:")));
    }

    // Class 3: both routes with their utilisation, the chosen one first,
    // and the terms of EN 1993-1-5 7.1 where the elastic route takes it.
    void class3Routes() {
        const QString effective = editedReport("results/class3_hogging", {});
        QVERIFY2(effective.contains(
                     u("\nQuerschnittsklasse 3: zwei Wege zulässig, der mit der kleineren Ausnutzung gilt"
                       "\nWeg 1 (maßgebend): wirksamer Steg (Loch im Steg, EN 1994-1-1 5.5.2(3)):"
                       "\n  M_Ed = -180 kNm ≥ M_pl,eff,Rd(V_Ed) = -200 kNm, η = 0.9"
                       "\nWeg 2: elastisch (EN 1994-1-1 6.2.1.5 mit M_el,Rd ohne Querkraft, 6.2.2.4(3)):"
                       "\n  M_Ed = -180 kNm < M_el,Rd = -150 kNm, η = 1.2\nNACHWEIS ERFÜLLT!\n")),
                 qPrintable(effective.right(800)));
        // The effective web in the classification: parts, hole, axis, M_pl,Rd.
        QVERIFY(effective.contains(
            u("\nWirksamer Steg der Klasse 2 (EN 1994-1-1 5.5.2(3), „Loch im Steg“):"
              "\n  je 20εt_w = 139.9 mm am Druckgurt und an der plastischen Nulllinie mitwirkend"
              "\n  Loch im Steg von z = 153.4 mm bis z = 230.1 mm (über UK Stahlträger)"
              "\n  Nulllinie des wirksamen Querschnitts: z_pl = 370 mm\n  M_pl,eff,Rd(V_Ed) = -200 kNm\n")));
        // Elastic: 120 / 150 = 0.80; 7.1 with eta1 = 0.8182 >= 160 / 220 = 0.7273.
        const QString elastic = editedReport(
            "results/class3_hogging",
            {{"Nachweise.txt", "biegung\t", "biegung\t-1.2e+08\t-1.5e+08\t0.8\terfuellt\tKlasse3_M_el,Rd"},
             {"Nachweise.txt", "biegung_querkraft\t", "biegung_querkraft\t0.8364\t1\t0.8364\terfuellt\tEN1993-1-5_7.1"},
             {"Klasse3_Nachweis.txt", "eta_el", "eta_el\t0.8"}});
        QVERIFY(elastic.contains(u(":\n  M_Ed = -120 kNm ≥ M_el,Rd = -150 kNm, η = 0.8\nWeg 2: wirksamer Steg")));
        QVERIFY2(elastic.contains(u("(nach EN 1993-1-5 7.1):\nEN 1993-1-5 7.1: 0.836 ≤ 1, η = 0.836"
                                    "\nη̄1 = M_Ed / M_pl,Rd = 0.818 (M_pl,Rd = -220 kNm ohne Querkraft), "
                                    "η̄3 = |V_Ed| / V_pl,Rd = 0.24"
                                    "\nM_f,Rd = -160 kNm (Gurte allein), M_f,Rd / M_pl,Rd = 0.727"
                                    "\nη̄1 ≥ M_f,Rd/M_pl,Rd: η̄1 + (1 − M_f,Rd/M_pl,Rd)(2η̄3 − 1)², sonst η̄3"
                                    "\nNACHWEIS ERFÜLLT!\n\nVERDÜBELUNG")),
                 qPrintable(elastic.right(800)));
    }

    void roundingOfStrengthsAndStrains_data() {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("expected");
        // Strengths and moduli with four significant digits, strains three, geometry as given.
        QTest::newRow("28.333 -> 28.33") << QByteArray("_f_cd\t28.333\n") << u("f_cd: 28.33 N/mm²");
        QTest::newRow("355.55 -> 355.6") << QByteArray("f_yk\t355.55\n") << u("f_yk: 355.6 N/mm²");
        QTest::newRow("3.5 stays") << QByteArray("_e_cu3\t3.5\n") << u("e_cu: 3.5 ‰");
        QTest::newRow("2.0 -> 2") << QByteArray("_e_c3\t2.0\n") << u("e_c: 2 ‰");
        QTest::newRow("2.17391 -> 2.17") << QByteArray("e_sd\t2.17391\n") << u("e_sd: 2.17 ‰");
        QTest::newRow("32836.6 -> 32840") << QByteArray("_E_c\t32836.6\n") << u("E_c: 32840 N/mm²");
        QTest::newRow("geometry as given") << QByteArray("t_w\t8.64321\n") << u("t_w: 8.64321 mm");
    }
    void roundingOfStrengthsAndStrains() {
        QFETCH(QByteArray, lines);
        QFETCH(QString, expected);
        QVERIFY2(reportOf(lines).contains(expected), qPrintable(expected));
    }

    void signsOfTheShearForces() {
        // The GZT lines show |V_Ed|, the GZG lines keep the sign.
        const QString report =
            reportOf("V_Ed_g\t-60000\nM_Ed_g\t-1.5e+08\nV_Ed_t\t-80000\nM_Ed_t\t0\n");
        QVERIFY(report.contains("\nunter: V_Ed= -60 kN \tM_Ed = -150 kNm :"));
        QVERIFY(report.contains("\nunter: V_Ed= 80 kN \tM_Ed = 0 kNm :"));
        QVERIFY(report.contains("\nunter: V_Ed= 80 kN: "));
    }

    void reportHead_data() {
        QTest::addColumn<QString>("profileLine");  // "*Baustahl-Typ:" line of input.txt
        QTest::addColumn<QString>("geometryLine");  // "*Geometrie-Baustahl:" line
        QTest::addColumn<QString>("designFile");
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("fileShown");
        QTest::newRow("rolled, saved")
            << "*Baustahl-Typ:\t\t\tWalzprofil\tHEB300"
            << "*Geometrie-Baustahl:\t\t300\t19\t19\t300\t300\t11"
            << "/home/planer/traeger.txt" << "HEB300" << "/home/planer/traeger.txt";
        // Web height 500 - 20 - 15 = 465 mm; top flange t_f2 x b_f2, bottom t_f1 x b_f1.
        QTest::newRow("welded, not saved")
            << "*Baustahl-Typ:\t\t\tSchweissprofil\tIPE400"
            << "*Geometrie-Baustahl:\t\t500\t20\t15\t300\t200\t10" << QString()
            << u("Schweißprofil: Obergurt 200 × 15 mm, Steg 465 × 10 mm, Untergurt 300 × 20 mm")
            << "nicht gespeichert";
    }
    void reportHead() {
        QFETCH(QString, profileLine);
        QFETCH(QString, geometryLine);
        QFETCH(QString, designFile);
        QFETCH(QString, profile);
        QFETCH(QString, fileShown);
        QString input = formdriver::withLine(formdriver::exampleInputText(), "*Baustahl-Typ:", profileLine);
        input = formdriver::withLine(input, "*Geometrie-Baustahl:", geometryLine);
        input = formdriver::withLine(input, "*Eigenschaften-Bewehrung:",
                                     "*Eigenschaften-Bewehrung:\t450\t1.15\tA\tOFF");
        input = formdriver::withLine(input, "*Eigenschaften-Beton:",
                                     "*Eigenschaften-Beton:\t\tC35/45\t1.35\t0.85\tON");
        input = formdriver::withLine(input, "*Eigenschaften-Baustahl:",
                                     "*Eigenschaften-Baustahl:\t460\t1.1");
        const ReportHead head{designFile, QDateTime(QDate(2025, 3, 7), QTime(9, 5)),
                              designfile::parseLeniently(input.toStdString())};
        QCOMPARE(reportHeadLines(head),
                 (QStringList{"\n\nProjekt:                  nicht angegeben",
                              "\nPosition:                 nicht angegeben",
                              "\nBauteil:                  nicht angegeben",
                              "\nBearbeiter:               nicht angegeben",
                              "\nBemessungsdatei:          " + fileShown,
                              "\nBerechnet am:             07.03.2025, 09:05 Uhr",
                              "\nProfil:                   " + profile,
                              "\nBeton:                    C35/45",
                              u("\nBetonstahl:               f_sk = 450 N/mm², Duktilitätsklasse A"),
                              u("\nBaustahl:                 f_yk = 460 N/mm²"),
                              u("\nTeilsicherheitsbeiwerte:  γ_c = 1.35, γ_s = 1.15, γ_M = 1.1")}));
    }

    void headFollowsTheTitleAndNamesMissingInput() {
        const std::string run = fixtures::folder("results/worked_example");  // has no input.txt
        const QStringList pieces =
            buildDesignReport(results::RunResults::read(run), {QString(), QDateTime(), readRunInput(run)});
        QCOMPARE(pieces.first(), u("\t\t    BEMESSUNGSPROTOKOLL"));
        QVERIFY(pieces.at(1).startsWith("\n\nProjekt:"));
        const QString text = pieces.join(QString());
        QVERIFY(text.contains("\nBerechnet am:             nicht ermittelt (keine Berechnung)"));
        QVERIFY(text.contains("\nProfil:                   nicht ermittelt (keine Berechnung)"));
        QVERIFY(!text.contains("Uhr"));
        QVERIFY(text.contains("\n\n" + D + "\nEINGABE"));
    }

    void headOfARunFolderNamesItsInput() {
        const std::string run = fixtures::folder("results/shear_failure");
        const QString text = designReportText(run, "traeger.txt", QDateTime(QDate(2025, 1, 2), QTime(14, 30)));
        QVERIFY(text.contains(u("\nBemessungsdatei:          traeger.txt\n"
                                "Berechnet am:             02.01.2025, 14:30 Uhr\n"
                                "Profil:                   IPE400\nBeton:                    C30/37\n")));
    }

    // Run folders of a shear failure, a cross-section failure and a run
    // without results: no value the engine did not compute is printed as 0,
    // and each says why it is missing.
    void missingValuesAreNamed_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("shear failure")
            << "results/shear_failure"
            << QStringList{"\nunter: V_Ed= 1000 kN \tM_Ed = 400 kNm :\nnicht ermittelt (Querkraftversagen)",
                           "\nel. Grenzmomente:  nicht ermittelt (Querkraftversagen)",
                           "\npl. Grenzmomente:  nicht ermittelt (Querkraftversagen)",
                           // η_V = 1000 / 875.065; the bending check has no resistance.
                           u("\n|V_Ed| = 1000 kN > V_pl,Rd = 875.1 kN, η = 1.14\nQUERKRAFTVERSAGEN!\n"),
                           u("\nM_Ed = 400 kNm, M_pl,Rd(V_Ed): nicht ermittelt\nnicht ermittelt (Querkraftversagen)"),
                           u("\n\nNICHT ERFÜLLT: Querkraftversagen (Ausnutzung η = 1.14)\n\n"),
                           u("(nach EN 1994-1-1 7.4.2):\nnicht maßgebend (Betonplatte ohne Zug)")};
        // M_Ed = 1500 kNm > M_pl,Rd = 982.132 kNm: the limit moments exist.
        QTest::newRow("cross-section failure")
            << "results/section_failure"
            << QStringList{"\nunter: V_Ed= 300 kN \tM_Ed = 1500 kNm :\nVERSAGEN!",
                           u("\nM_Ed = 1500 kNm > M_pl,Rd(V_Ed) = 982.1 kNm, η = 1.53\nNACHWEIS NICHT ERFÜLLT!")};
        QTest::newRow("no results")
            << "results/no_results"
            << QStringList{"\n\n" + D + "\nErgebnisse: nicht ermittelt (keine Berechnung)"};
    }
    void missingValuesAreNamed() {
        QFETCH(QString, fixture);
        QFETCH(QStringList, expected);
        const QString report =
            buildDesignReport(results::RunResults::read(fixtures::folder(fixture))).join(QString());
        for (const QString &piece : expected) QVERIFY2(report.contains(piece), qPrintable(piece));
        QCOMPARE(fixtures::zerosShownAsValues(report), QStringList());
    }

    // Both bending directions with c/t, the limit that decided (formula and
    // value from eps = 0.813617) and the class, alpha and psi, ratios with
    // three significant digits. M_Ed is hogging. (The effective web's block, which follows, is left out here.)
    void sectionClasses_data() {
        QTest::addColumn<QString>("rows");  // the class file's data rows
        QTest::addColumn<QString>("expected");
        const QString header =
            "richtung\teps\tc_t_flansch\tklasse_flansch\talpha\tpsi\tc_t_steg\tklasse_steg\tklasse\n";
        const QString epsLine = u("\nε = √(235/f_yk) = 0.814");
        const QString sagging1 =
            u("\nPositives Moment: Querschnittsklasse 1"
              "\n  Obergurt:  c/t = 4.79, mit der Platte verdübelt (5.5.2(1)) → Klasse 1"
              "\n  Steg:      c/t_w = 38.5, ohne Druck → Klasse 1"
              "\n             α: 0, ψ: 1");
        // IPE 400 S355: 9 eps = 7.32255; 42 eps / (0.67 + 0.33 * -0.425003) = 64.5059.
        QTest::newRow("example: sagging 1, hogging 3 by psi")
            << header + "positiv\t0.813617\t4.79259\t1\t0\t1\t38.4884\t1\t1\n"
                        "negativ\t0.813617\t4.79259\t1\t1\t-0.425003\t38.4884\t3\t3\n"
            << epsLine + sagging1 +
                   u("\nNegatives Moment (Richtung von M_Ed): Querschnittsklasse 3"
                     "\n  Untergurt: c/t = 4.79 ≤ 9ε = 7.32 → Klasse 1"
                     "\n  Steg:      c/t_w = 38.5 ≤ 42ε/(0.67+0.33ψ) = 64.5 → Klasse 3"
                     "\n             α: 1, ψ: -0.425");
        // Slender welded bottom flange: 12.5 > 14 eps = 11.3906; web by psi <= -1:
        // 62 eps (1 + 2) sqrt(2) = 214.017.
        QTest::newRow("class 4 by the flange")
            << header + "positiv\t0.813617\t4.79259\t1\t0\t1\t38.4884\t1\t1\n"
                        "negativ\t0.813617\t12.5\t4\t1\t-2\t38.4884\t3\t4\n"
            << epsLine + sagging1 +
                   u("\nNegatives Moment (Richtung von M_Ed): Querschnittsklasse 4"
                     "\n  Untergurt: c/t = 12.5 > 14ε = 11.4 → Klasse 4"
                     "\n  Steg:      c/t_w = 38.5 ≤ 62ε(1−ψ)√(−ψ) = 214 → Klasse 3"
                     "\n             α: 1, ψ: -2");
        // 36 eps / 0.4 = 73.2255; 456 eps / 12 = 30.9174. No Class 3 web, no note.
        QTest::newRow("webs of class 1 and 2")
            << header + "positiv\t0.813617\t4.79259\t1\t0.4\t0.2\t38.4884\t1\t1\n"
                        "negativ\t0.813617\t4.79259\t1\t1\t-0.5\t30\t2\t2\n"
            << epsLine +
                   u("\nPositives Moment: Querschnittsklasse 1"
                     "\n  Obergurt:  c/t = 4.79, mit der Platte verdübelt (5.5.2(1)) → Klasse 1"
                     "\n  Steg:      c/t_w = 38.5 ≤ 36ε/α = 73.2 → Klasse 1"
                     "\n             α: 0.4, ψ: 0.2"
                     "\nNegatives Moment (Richtung von M_Ed): Querschnittsklasse 2"
                     "\n  Untergurt: c/t = 4.79 ≤ 9ε = 7.32 → Klasse 1"
                     "\n  Steg:      c/t_w = 30 ≤ 456ε/(13α−1) = 30.9 → Klasse 2"
                     "\n             α: 1, ψ: -0.5");
        QTest::newRow("one direction missing")
            << header + "negativ\t0.813617\t4.79259\t1\t1\t-0.5\t30\t2\t2\n"
            << epsLine +
                   u("\nPositives Moment: Querschnittsklasse nicht ermittelt"
                     "\nNegatives Moment (Richtung von M_Ed): Querschnittsklasse 2"
                     "\n  Untergurt: c/t = 4.79 ≤ 9ε = 7.32 → Klasse 1"
                     "\n  Steg:      c/t_w = 30 ≤ 456ε/(13α−1) = 30.9 → Klasse 2"
                     "\n             α: 1, ψ: -0.5");
        // An older run folder, or a run stopped by validation (header only).
        QTest::newRow("header only")
            << header
            << u("\nnicht ermittelt (der Berechnungsordner enthält keine Querschnittsklassen)");
    }
    void sectionClasses() {
        QFETCH(QString, rows);
        QFETCH(QString, expected);
        const QString report = editedReport("results/class3_hogging",
                                            {{classFile, "", rows}, {"Klasse3_Nachweis.txt", "", ""}});
        QCOMPARE(block(report, classHeading, "\n\n" + D), expected);
    }

    // The whole text as the tab and the batch mode print it: the result line
    // follows the head and comes before the input.
    void reportOfAClassThreeRunOpensWithItsVerdict() {
        const QString text = designReportText(fixtures::folder("results/class3_hogging"), "traeger.txt",
                                              QDateTime(QDate(2025, 1, 2), QTime(14, 30)));
        QVERIFY(text.contains(u("\nTeilsicherheitsbeiwerte:  nicht ermittelt (keine Berechnung)\n\n"
                                "Alle Nachweise erfüllt (maximale Ausnutzung 0.9)\n\n") +
                              D + "\nEINGABE\n"));
        QVERIFY(text.indexOf(classHeading) < text.indexOf(u("\nNACHWEISE\n")));
    }
};

QTEST_APPLESS_MAIN(DesignReportTest)
#include "tst_design_report.moc"
