// The design report "BEMESSUNGSPROTOKOLL".
#include <QTemporaryDir>
#include <cmath>
#include <limits>
#include <QtTest>

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

}  // namespace

class DesignReportTest : public QObject {
    Q_OBJECT

private slots:
    void reportOfTheWorkedExample() {
        const std::string run = fixtures::folder("results/worked_example");
        // The fixture's state rows: kappa 0.00051234, 0.00062 and 0.0045 per
        // mille per mm, EI_i 2.92774e14, 2.41935e14 and 5.55556e13 Nmm².
        const QStringList pieces = buildDesignReport(results::RunResults::read(run));
        // Written out from the layout of the report, with the values of the
        // fixture rounded by hand: strengths to one decimal, strains to two.
        const QString expected =
            u("\t\t    BEMESSUNGSPROTOKOLL") + "\n\n" + D + "\nEINGABE" + "\n" + D +
            "\nGEOMETRIE:" + "\nStahlbetonquerschnitt:" +
            "\nh_c: 160mm\t\tb_e: 2000mm\t\th_p: 0mm" + "\nb_p: 0mm\t\td_u: 10mm\t\td_o: 12mm" +
            "\ne_u: 125mm\t\te_o: 150mm" + "\nc_nom,u: 30mm\tc_nom,o: 30mm" +
            "\nBaustahlquerschnitt:" + "\nh: 400 mm\t\tt_fu: 13.5mm\tt_fo: 13.5mm" +
            "\nb_fu: 180mm\t\tb_fo: 180mm" + "\nt_w: 8.6mm\t\tr: 21mm" +
            "\n\nMATERIALEIGENSCHAFTEN:" + "\nBeton:" +
            u("\nf_ck: 30N/mm²\tf_cd: 17N/mm²\tf_ct_eff: 2.9N/mm²") +
            u("\ne_c: 1.75‰\t\te_cu: 3.5‰\te_ct_eff: 0.09‰") + u("\nE_c: 33000N/mm²") +
            "\nBewehrungsstahl:" + u("\nf_sk: 500N/mm²\tf_sd: 434.8N/mm²\tf_ud: 469.6N/mm²") +
            u("\ne_sd: 2.17‰\t\te_ud: 45‰") + u("\nE_s: 200000N/mm²") + "\nBaustahl:" +
            u("\nf_yk: 355N/mm²\tf_yd: 322.7N/mm²") + u("\ne_y: 1.54‰") + u("\nE_a: 210000N/mm²") +
            "\n\n" + D + "\nAUSGABE" + "\n" + D + u("\nQUERSCHNITTSFLÄCHE:") +
            "\nBeton\t\tBewehrung\t\tBaustahl" + u("\nA_c: 318785mm²\tA_s: 1277.04mm²\tA_a: 8446mm²") +
            "\n\nDEHNUNGSVERTEILUNG IM GZG OHNE TENSION STIFFENING:" +
            "\nunter: V_Ed= 60kN \tM_Ed = 150kNm :" +
            u("\nϰ= 0.51234‰/m\tZ_na= 398.765mm\tEI_i= 292774kNm²") +
            "\n\nDEHNUNGSVERTEILUNG IM GZG MIT TENSION STIFFENING:" +
            "\nunter: V_Ed= 60kN \tM_Ed = 150kNm :" + u("\nϰ= 0.62‰/m\tZ_na= 405.1mm\tEI_i= 241935kNm²") +
            "\nMindestbewehrung:" + u("\nA_s,min= 392.7mm² \t≤\t A_s,vor = 523.599mm²") +
            "\nMINDESTBEWEHRUNG VORHANDEN!" + "\n\nDEHNUNGSVERTEILUNG IM GZT:" +
            "\nunter: V_Ed= 80kN \tM_Ed = 250kNm :" +
            u("\nϰ= 4.5‰/m\tZ_na= 415.25mm\tEI_i= 55555.6kNm²") + "\n\nGRENZMOMENTE IM GZT:" +
            "\nunter: V_Ed= 80kN: " +
            "\nel. Grenzmomente:  M_el_Rd,max= 200kNm\tM_el_Rd,min: -150kNm" +
            "\npl. Grenzmomente:  M_pl_Rd,max= 300kNm\tM_pl_Rd,min: -220kNm" + "\n\n" + D +
            "\nNACHWEISE" + "\n" + D + u("\nQUERKRAFTTRAGFÄHIGKEIT (nach EN 1994-1-1 6.2.2):") +
            u("\n|V_Ed| = 80kN\t\t≤\t|V_pl_Rd| =500kN") + u("\nNACHWEIS ERFÜLLT!") +
            u("\n\nTRAGFÄHIGKEIT: INTERAKTION BIEGUNG UND QUERKRAFT (nach EN 1994-1-1 6.2.2.4):") +
            u("\nM_Ed = 250kNm\t\t≤\tM_pl_Rd(V_Ed) =300kNm") + u("\nNACHWEIS ERFÜLLT!") +
            "\nTeilplastische Spannungsverteilung";
        QCOMPARE(pieces.join(QString()), expected);
        QCOMPARE(pieces.first(), u("\t\t    BEMESSUNGSPROTOKOLL"));
        QCOMPARE(pieces.last(), u("\nTeilplastische Spannungsverteilung"));
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
        QVERIFY(zeroMoment.contains(u("kNm :\nϰ= 0‰/m\tZ_na= 0mm\tEI_i= 0kNm²\n\nDEHNUNGSVERTEILUNG IM GZG MIT")));
        QVERIFY(zeroMoment.contains(u("M_Ed = 250kNm :\nVERSAGEN!\n\nGRENZMOMENTE IM GZT:")));
    }

    void minimumReinforcement_data() {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<double>("zNa");  // neutral axis of the state without TS; NaN: failure line
        QTest::addColumn<QString>("expected");
        // Steel height 400 mm, slab 160 mm: the slab spans Z = 400 ... 560 mm.
        const QByteArray section = "h\t400\nh_c\t160\nV_Ed_g\t60000\n";
        const QByteArray sagging = section + "M_Ed_g\t1.5e+08\n";
        const QByteArray hogging = section + "M_Ed_g\t-1.5e+08\n";
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("equal is present")
            << sagging + "A_s,min\t392.7\nA_svor\t392.7\n" << 450.0
            << u("\nA_s,min= 392.7mm² \t≤\t A_s,vor = 392.7mm²\nMINDESTBEWEHRUNG VORHANDEN!");
        QTest::newRow("less is missing")
            << sagging + "A_s,min\t392.7\nA_svor\t392.6\n" << 450.0
            << u("\nA_s,min= 392.7mm² \t>\t A_s,vor = 392.6mm²\nMINDESTBEWEHRUNG NICHT VORHANDEN!");
        QTest::newRow("no moment, no check")
            << section + "M_Ed_g\t0\n" << 388.6 << u("\nnicht maßgebend (kein Biegemoment im GZG)");
        QTest::newRow("sagging, axis below the slab")
            << sagging + "A_s,min\t0\nA_svor\t0\n" << 388.619
            << u("\nnicht maßgebend (Betonplatte vollständig überdrückt)");
        QTest::newRow("sagging, axis at the slab underside")
            << sagging + "A_s,min\t0\nA_svor\t0\n" << 400.0
            << u("\nnicht maßgebend (Betonplatte vollständig überdrückt)");
        // Zeros with the axis inside the slab are the engine's figures, not a missing zone.
        QTest::newRow("sagging, axis in the slab keeps the figures")
            << sagging + "A_s,min\t0\nA_svor\t0\n" << 400.5
            << u("\nA_s,min= 0mm² \t≤\t A_s,vor = 0mm²\nMINDESTBEWEHRUNG VORHANDEN!");
        QTest::newRow("hogging, axis above the slab top")
            << hogging + "A_s,min\t0\nA_svor\t0\n" << 560.0
            << u("\nnicht maßgebend (Betonplatte vollständig überdrückt)");
        QTest::newRow("hogging, axis in the slab")
            << hogging + "A_s,min\t510\nA_svor\t226\n" << 420.0
            << u("\nA_s,min= 510mm² \t>\t A_s,vor = 226mm²\nMINDESTBEWEHRUNG NICHT VORHANDEN!");
        // |V_Ed,GZG| = 600 kN > V_pl,Rd = 500 kN: the engine skipped the state and the check.
        QTest::newRow("serviceability shear failure")
            << section + "M_Ed_g\t1.5e+08\nV_Ed_g\t600000\n" << nan
            << u("\nnicht ermittelt (Querkraftversagen)");
        QTest::newRow("serviceability section failure")
            << sagging + "A_s,min\t0\nA_svor\t0\n" << nan
            << u("\nnicht ermittelt (Querschnittsversagen)");
    }
    void minimumReinforcement() {
        QFETCH(QByteArray, lines);
        QFETCH(double, zNa);
        QFETCH(QString, expected);
        States states;
        states.withoutTs = std::isnan(zNa) ? failureLine() : stateRow(1.5e8, 0.001, zNa, 1.5e14);
        const QString report = reportOf(lines, states);
        QVERIFY2(report.contains("\nMindestbewehrung:" + expected + "\n\nDEHNUNGSVERTEILUNG IM GZT:"),
                 qPrintable(report));
    }

    void shearCheck_data() {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("expected");
        QTest::newRow("equal fails")
            << QByteArray("V_pl_Rd\t500000\nV_Ed_t\t-500000\n")
            << u("\n|V_Ed| = 500kN\t\t>\t|V_pl_Rd| =500kN\nQUERKRAFTVERSAGEN!");
        QTest::newRow("negative below passes")
            << QByteArray("V_pl_Rd\t500000\nV_Ed_t\t-499999\n")
            << u("\n|V_Ed| = 499.999kN\t\t≤\t|V_pl_Rd| =500kN\nNACHWEIS ERFÜLLT!");
        QTest::newRow("no shear force, no verdict")
            << QByteArray("V_pl_Rd\t500000\n")
            << u("\nnicht ermittelt (keine Berechnung)");
    }
    void shearCheck() {
        QFETCH(QByteArray, lines);
        QFETCH(QString, expected);
        QVERIFY(reportOf(lines).contains(u("(nach EN 1994-1-1 6.2.2):") + expected + "\n\nTRAGF"));
    }

    void interactionCheck_data() {
        QTest::addColumn<double>("mEd");
        QTest::addColumn<QString>("expected");
        const QString passed = u("\nNACHWEIS ERFÜLLT!");
        QTest::newRow("0 elastic") << 0.0
            << u("\nM_Ed = 0kNm\t\t≤\tM_el_Rd(V_Ed) =200kNm") + passed + "\nelastische Spannungsverteilung";
        QTest::newRow("= M_el,max elastic") << 2e8
            << u("\nM_Ed = 200kNm\t\t≤\tM_el_Rd(V_Ed) =200kNm") + passed + "\nelastische Spannungsverteilung";
        QTest::newRow("= M_pl,max plastic") << 3e8
            << u("\nM_Ed = 300kNm\t\t≤\tM_pl_Rd(V_Ed) =300kNm") + passed + "\nTeilplastische Spannungsverteilung";
        QTest::newRow("> M_pl,max fails") << 3.1e8
            << u("\nM_Ed = 310kNm\t\t>\tM_pl_Rd(V_Ed) =300kNm\nVERSAGEN!");
        QTest::newRow("= M_el,min elastic") << -1.5e8
            << u("\nM_Ed = -150kNm\t\t≥\tM_el_Rd(V_Ed) = -150kNm") + passed + "\nelastische Spannungsverteilung";
        QTest::newRow("= M_pl,min plastic") << -2.2e8
            << u("\nM_Ed = -220kNm\t\t≥\tM_pl_Rd(V_Ed) = -220kNm") + passed + "\nTeilplastische Spannungsverteilung";
        QTest::newRow("< M_pl,min fails") << -2.3e8
            << u("\nM_Ed = -230 kNm\t\t<\tM_pl_Rd(V_Ed) = -220 kNm\nVERSAGEN!");
    }
    void interactionCheck() {
        QFETCH(double, mEd);
        QFETCH(QString, expected);
        QByteArray lines = "M_max_el\t2e+08\nM_max_pl\t3e+08\nM_min_el\t-1.5e+08\nM_min_pl\t-2.2e+08\n"
                           "V_Ed_t\t1000\n";
        lines += "M_Ed_t\t" + QByteArray::number(mEd, 'g', 6) + "\n";
        const QString report = reportOf(lines);
        QVERIFY2(report.endsWith(u("(nach EN 1994-1-1 6.2.2.4):") + expected), qPrintable(report.right(200)));
    }

    void roundingOfStrengthsAndStrains_data() {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("expected");
        QTest::newRow("28.333 -> 28.3") << QByteArray("_f_cd\t28.333\n") << u("f_cd: 28.3N/mm²");
        QTest::newRow("28.35 -> 28.4") << QByteArray("_f_cd\t28.35\n") << u("f_cd: 28.4N/mm²");
        QTest::newRow("f_yk not rounded") << QByteArray("f_yk\t355.55\n") << u("f_yk: 355.55N/mm²");
        QTest::newRow("3.5 stays") << QByteArray("_e_cu3\t3.5\n") << u("e_cu: 3.5‰");
        QTest::newRow("2.0 -> 2") << QByteArray("_e_c3\t2.0\n") << u("e_c: 2‰");
        QTest::newRow("2.17391 -> 2.17") << QByteArray("e_sd\t2.17391\n") << u("e_sd: 2.17‰");
        QTest::newRow("E_c not rounded") << QByteArray("_E_c\t32836.6\n") << u("E_c: 32836.6N/mm²");
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
        QVERIFY(report.contains("\nunter: V_Ed= -60kN \tM_Ed = -150kNm :"));
        QVERIFY(report.contains("\nunter: V_Ed= 80kN \tM_Ed = 0kNm :"));
        QVERIFY(report.contains("\nunter: V_Ed= 80kN: "));
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
                              inputfile::parseText(input)};
        QCOMPARE(reportHeadLines(head),
                 (QStringList{"\n\nBemessungsdatei:          " + fileShown,
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
        QVERIFY(pieces.at(1).startsWith("\n\nBemessungsdatei:"));
        const QString text = pieces.join(QString());
        QVERIFY(text.contains("\nBerechnet am:             nicht ermittelt (keine Berechnung)"));
        QVERIFY(text.contains("\nProfil:                   nicht ermittelt (keine Berechnung)"));
        QVERIFY(!text.contains("Uhr"));
        QVERIFY(text.contains("\n\n" + D + "\nEINGABE"));
    }

    void headOfARunFolderNamesItsInput() {
        const std::string run = fixtures::folder("results/shear_failure");
        const QString text = designReportText(run, "traeger.txt", QDateTime(QDate(2025, 1, 2), QTime(14, 30)));
        QVERIFY(text.startsWith(u("\t\t    BEMESSUNGSPROTOKOLL\n\nBemessungsdatei:          traeger.txt\n"
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
            << QStringList{"\nunter: V_Ed= 1000kN \tM_Ed = 400kNm :\nnicht ermittelt (Querkraftversagen)",
                           "\nel. Grenzmomente:  nicht ermittelt (Querkraftversagen)",
                           "\npl. Grenzmomente:  nicht ermittelt (Querkraftversagen)",
                           "\nQUERKRAFTVERSAGEN!",
                           "\nM_Ed = 400kNm\t\tM_Rd(V_Ed): nicht ermittelt (Querkraftversagen)",
                           u("\nMindestbewehrung:\nnicht maßgebend (Betonplatte vollständig überdrückt)")};
        // M_Ed = 1500 kNm > M_pl,Rd = 982.132 kNm: the limit moments exist.
        QTest::newRow("cross-section failure")
            << "results/section_failure"
            << QStringList{"\nunter: V_Ed= 300kN \tM_Ed = 1500kNm :\nVERSAGEN!",
                           "\nM_Ed = 1500kNm\t\t>\tM_pl_Rd(V_Ed) =982.132kNm\nVERSAGEN!"};
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

    // A section failure within the limit moments is no passed check.
    void failedSectionWithinTheLimitsFails() {
        States states;
        states.ultimate = failureLine();
        const QString report = reportOf(
            "M_max_el\t2e+08\nM_max_pl\t3e+08\nM_min_el\t-1.5e+08\nM_min_pl\t-2.2e+08\n"
            "M_Ed_t\t2.5e+08\nV_Ed_t\t1000\n",
            states);
        QVERIFY2(report.endsWith(u("\nM_Ed = 250kNm\t\t≤\tM_pl_Rd(V_Ed) =300kNm"
                                   "\nVERSAGEN! (Querschnittsversagen im GZT)")),
                 qPrintable(report.right(200)));
    }
};

QTEST_APPLESS_MAIN(DesignReportTest)
#include "tst_design_report.moc"
