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
const QString interactionHeading =
    QString::fromUtf8("(nach EN 1994-1-1 6.2.2.4):");
const QString classFile = QStringLiteral("Querschnittsklasse.txt");
const QString class3 = QString::fromUtf8("Querschnittsklasse 3: nur elastische Bemessung zulässig");

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
        // fixture rounded by hand: strengths to one decimal, strains to two.
        const QString expected =
            u("\t\t    BEMESSUNGSPROTOKOLL") +
            // The largest utilisation: 250 / 300 = 0.83 (bending) over 80 / 500 = 0.16 (shear).
            u("\n\nAlle Nachweise erfüllt (maximale Ausnutzung 0.83)") + "\n\n" + D + "\nEINGABE" + "\n" + D +
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
            "\npl. Grenzmomente:  M_pl_Rd,max= 300kNm\tM_pl_Rd,min: -220kNm" +
            // An older run folder: no classes, the bending check stays plastic and says so.
            u("\n\nQUERSCHNITTSKLASSE (nach EN 1994-1-1 5.5):") +
            u("\nnicht ermittelt (der Berechnungsordner enthält keine Querschnittsklassen)") +
            u("\nDer Biegenachweis wird wie bisher plastisch geführt, ohne Prüfung") +
            u("\nder Querschnittsklasse.") + "\n\n" + D +
            "\nNACHWEISE" + "\n" + D + u("\nQUERKRAFTTRAGFÄHIGKEIT (nach EN 1994-1-1 6.2.2):") +
            u("\n|V_Ed| = 80kN\t\t≤\t|V_pl_Rd| =500kN") + u("\nNACHWEIS ERFÜLLT!") +
            u("\nAusnutzung η = 0.16") +
            u("\n\nTRAGFÄHIGKEIT: INTERAKTION BIEGUNG UND QUERKRAFT (nach EN 1994-1-1 6.2.2.4):") +
            u("\nQuerschnittsklasse nicht ermittelt: wie bisher M_Rd = M_pl_Rd(V_Ed)") +
            u("\nM_Ed = 250kNm\t\t≤\tM_pl_Rd(V_Ed) =300kNm") + u("\nNACHWEIS ERFÜLLT!") +
            "\nTeilplastische Spannungsverteilung" + u("\nAusnutzung η = 0.83");
        QCOMPARE(pieces.join(QString()), expected);
        QCOMPARE(pieces.first(), u("\t\t    BEMESSUNGSPROTOKOLL"));
        QCOMPARE(pieces.last(), u("\nAusnutzung η = 0.83"));
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
        // 500 / 500 = 1.00 fails: the resistance must exceed the action.
        QTest::newRow("equal fails")
            << QByteArray("V_pl_Rd\t500000\nV_Ed_t\t-500000\n")
            << u("\n|V_Ed| = 500kN\t\t>\t|V_pl_Rd| =500kN\nQUERKRAFTVERSAGEN!\nAusnutzung η = 1.00");
        // 499.999 / 500 = 0.999998, shown with two decimals.
        QTest::newRow("negative below passes")
            << QByteArray("V_pl_Rd\t500000\nV_Ed_t\t-499999\n")
            << u("\n|V_Ed| = 499.999kN\t\t≤\t|V_pl_Rd| =500kN\nNACHWEIS ERFÜLLT!\nAusnutzung η = 1.00");
        // 120 / 500 = 0.24
        QTest::newRow("positive, a quarter")
            << QByteArray("V_pl_Rd\t500000\nV_Ed_t\t120000\n")
            << u("\n|V_Ed| = 120kN\t\t≤\t|V_pl_Rd| =500kN\nNACHWEIS ERFÜLLT!\nAusnutzung η = 0.24");
        QTest::newRow("no shear force, no verdict")
            << QByteArray("V_pl_Rd\t500000\n")
            << u("\nnicht ermittelt (keine Berechnung)\nAusnutzung η: nicht ermittelt (keine Berechnung)");
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
        // Without classes (older run folder) the check stays plastic and says so.
        const QString basis = u("\nQuerschnittsklasse nicht ermittelt: wie bisher M_Rd = M_pl_Rd(V_Ed)");
        // η = |M_Ed| / |M_pl,Rd(V_Ed)|, also within the elastic range.
        QTest::newRow("0 elastic") << 0.0
            << basis + u("\nM_Ed = 0kNm\t\t≤\tM_el_Rd(V_Ed) =200kNm") + passed +
                   "\nelastische Spannungsverteilung" + u("\nAusnutzung η = 0.00");
        QTest::newRow("= M_el,max elastic") << 2e8  // 200 / 300 = 0.667
            << basis + u("\nM_Ed = 200kNm\t\t≤\tM_el_Rd(V_Ed) =200kNm") + passed +
                   "\nelastische Spannungsverteilung" + u("\nAusnutzung η = 0.67");
        QTest::newRow("= M_pl,max plastic") << 3e8
            << basis + u("\nM_Ed = 300kNm\t\t≤\tM_pl_Rd(V_Ed) =300kNm") + passed +
                   "\nTeilplastische Spannungsverteilung" + u("\nAusnutzung η = 1.00");
        QTest::newRow("> M_pl,max fails") << 3.1e8  // 310 / 300 = 1.033
            << basis + u("\nM_Ed = 310kNm\t\t>\tM_pl_Rd(V_Ed) =300kNm\nVERSAGEN!\nAusnutzung η = 1.03");
        QTest::newRow("= M_el,min elastic") << -1.5e8  // 150 / 220 = 0.682
            << basis + u("\nM_Ed = -150kNm\t\t≥\tM_el_Rd(V_Ed) = -150kNm") + passed +
                   "\nelastische Spannungsverteilung" + u("\nAusnutzung η = 0.68");
        QTest::newRow("= M_pl,min plastic") << -2.2e8
            << basis + u("\nM_Ed = -220kNm\t\t≥\tM_pl_Rd(V_Ed) = -220kNm") + passed +
                   "\nTeilplastische Spannungsverteilung" + u("\nAusnutzung η = 1.00");
        QTest::newRow("< M_pl,min fails") << -2.3e8  // 230 / 220 = 1.045
            << basis + u("\nM_Ed = -230 kNm\t\t<\tM_pl_Rd(V_Ed) = -220 kNm\nVERSAGEN!\nAusnutzung η = 1.05");
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
                              designfile::parseLeniently(input.toStdString())};
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
                           // η_V = 1000 / 875.065; η_M is no ratio of missing limits.
                           u("\nQUERKRAFTVERSAGEN!\nAusnutzung η = 1.14\n"),
                           u("\nAusnutzung η: nicht ermittelt (Querkraftversagen)"),
                           u("\n\nNICHT ERFÜLLT: Querkraftversagen (Ausnutzung η = 1.14)\n\n"),
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

    // Both bending directions with c/t, the limit that decided (formula and
    // value from eps = 0.813617) and the class, alpha and psi; the note on the
    // effective Class 2 web wherever a web is Class 3. M_Ed is hogging.
    void sectionClasses_data() {
        QTest::addColumn<QString>("rows");  // the class file's data rows
        QTest::addColumn<QString>("expected");
        const QString header =
            "richtung\teps\tc_t_flansch\tklasse_flansch\talpha\tpsi\tc_t_steg\tklasse_steg\tklasse\n";
        const QString hint =
            u("\nHinweis: Steg der Klasse 3 bei negativem Moment. Nach EN 1994-1-1 5.5.2(3)"
              "\ndarf ein solcher Steg bei Gurten der Klasse 1 oder 2 durch einen wirksamen"
              "\nSteg der Klasse 2 ersetzt werden („Loch im Steg“); der Querschnitt gilt"
              "\ndann als Klasse 2. Dieser Nachweis ist im Programm nicht enthalten"
              "\n(möglicher nächster Schritt).");
        const QString epsLine = u("\nε = √(235/f_yk) = 0.813617");
        const QString sagging1 =
            u("\nPositives Moment: Querschnittsklasse 1"
              "\n  Obergurt:  c/t = 4.79259, mit der Platte verdübelt (5.5.2(1)) → Klasse 1"
              "\n  Steg:      c/t_w = 38.4884, ohne Druck → Klasse 1"
              "\n             α: 0, ψ: 1");
        // IPE 400 S355: 9 eps = 7.32255; 42 eps / (0.67 + 0.33 * -0.425003) = 64.5059.
        QTest::newRow("example: sagging 1, hogging 3 by psi")
            << header + "positiv\t0.813617\t4.79259\t1\t0\t1\t38.4884\t1\t1\n"
                        "negativ\t0.813617\t4.79259\t1\t1\t-0.425003\t38.4884\t3\t3\n"
            << epsLine + sagging1 +
                   u("\nNegatives Moment (Richtung von M_Ed): Querschnittsklasse 3"
                     "\n  Untergurt: c/t = 4.79259 ≤ 9ε = 7.32255 → Klasse 1"
                     "\n  Steg:      c/t_w = 38.4884 ≤ 42ε/(0.67+0.33ψ) = 64.5059 → Klasse 3"
                     "\n             α: 1, ψ: -0.425003") +
                   hint;
        // Slender welded bottom flange: 12.5 > 14 eps = 11.3906; web by psi <= -1:
        // 62 eps (1 + 2) sqrt(2) = 214.017.
        QTest::newRow("class 4 by the flange")
            << header + "positiv\t0.813617\t4.79259\t1\t0\t1\t38.4884\t1\t1\n"
                        "negativ\t0.813617\t12.5\t4\t1\t-2\t38.4884\t3\t4\n"
            << epsLine + sagging1 +
                   u("\nNegatives Moment (Richtung von M_Ed): Querschnittsklasse 4"
                     "\n  Untergurt: c/t = 12.5 > 14ε = 11.3906 → Klasse 4"
                     "\n  Steg:      c/t_w = 38.4884 ≤ 62ε(1−ψ)√(−ψ) = 214.017 → Klasse 3"
                     "\n             α: 1, ψ: -2") +
                   hint;
        // 36 eps / 0.4 = 73.2255; 456 eps / 12 = 30.9174. No Class 3 web, no note.
        QTest::newRow("webs of class 1 and 2")
            << header + "positiv\t0.813617\t4.79259\t1\t0.4\t0.2\t38.4884\t1\t1\n"
                        "negativ\t0.813617\t4.79259\t1\t1\t-0.5\t30\t2\t2\n"
            << epsLine +
                   u("\nPositives Moment: Querschnittsklasse 1"
                     "\n  Obergurt:  c/t = 4.79259, mit der Platte verdübelt (5.5.2(1)) → Klasse 1"
                     "\n  Steg:      c/t_w = 38.4884 ≤ 36ε/α = 73.2255 → Klasse 1"
                     "\n             α: 0.4, ψ: 0.2"
                     "\nNegatives Moment (Richtung von M_Ed): Querschnittsklasse 2"
                     "\n  Untergurt: c/t = 4.79259 ≤ 9ε = 7.32255 → Klasse 1"
                     "\n  Steg:      c/t_w = 30 ≤ 456ε/(13α−1) = 30.9174 → Klasse 2"
                     "\n             α: 1, ψ: -0.5");
        QTest::newRow("one direction missing")
            << header + "negativ\t0.813617\t4.79259\t1\t1\t-0.5\t30\t2\t2\n"
            << epsLine +
                   u("\nPositives Moment: Querschnittsklasse nicht ermittelt"
                     "\nNegatives Moment (Richtung von M_Ed): Querschnittsklasse 2"
                     "\n  Untergurt: c/t = 4.79259 ≤ 9ε = 7.32255 → Klasse 1"
                     "\n  Steg:      c/t_w = 30 ≤ 456ε/(13α−1) = 30.9174 → Klasse 2"
                     "\n             α: 1, ψ: -0.5");
        // An older run folder, or a run stopped by validation (header only).
        QTest::newRow("header only")
            << header
            << u("\nnicht ermittelt (der Berechnungsordner enthält keine Querschnittsklassen)"
                 "\nDer Biegenachweis wird wie bisher plastisch geführt, ohne Prüfung"
                 "\nder Querschnittsklasse.");
    }
    void sectionClasses() {
        QFETCH(QString, rows);
        QFETCH(QString, expected);
        const QString report =
            editedReport("results/class3_hogging", {{classFile, "", rows}});
        QCOMPARE(block(report, classHeading, "\n\n" + D), expected);
    }

    // The bending check by the class of M_Ed's direction, in the hogging run
    // folder: M_el,Rd = 200 / -150 kNm, M_pl,Rd = 300 / -220 kNm.
    void interactionByClass_data() {
        QTest::addColumn<fixtures::Edits>("edits");
        QTest::addColumn<QString>("expected");
        const QString elastic = u("\nQuerschnittsklasse 3: Nachweis elastisch, M_Rd = M_el_Rd(V_Ed)");
        auto moment = [](const char *nmm) {
            return fixtures::Edit{"output.txt", "M_Ed_t", QString("M_Ed_t\t") + nmm};
        };
        // 180 / 150 = 1.20; the plastic resistance would have sufficed.
        QTest::newRow("class 3 between M_el and M_pl")
            << fixtures::Edits()
            << elastic + u("\nM_Ed = -180kNm\t\t<\tM_el_Rd(V_Ed) = -150kNm\n") + class3 +
                   u("\nM_pl_Rd(V_Ed) = -220kNm gilt nur für Querschnittsklasse 1 und 2"
                     "\nNACHWEIS NICHT ERFÜLLT!\nAusnutzung η = 1.20");
        // 250 / 150 = 1.67
        QTest::newRow("class 3 beyond M_pl")
            << fixtures::Edits{moment("-2.5e+08")}
            << elastic + u("\nM_Ed = -250kNm\t\t<\tM_el_Rd(V_Ed) = -150kNm\n") + class3 +
                   u("\nNACHWEIS NICHT ERFÜLLT!\nAusnutzung η = 1.67");
        QTest::newRow("class 3 at M_el")
            << fixtures::Edits{moment("-1.5e+08")}
            << elastic + u("\nM_Ed = -150kNm\t\t≥\tM_el_Rd(V_Ed) = -150kNm\nNACHWEIS ERFÜLLT!"
                           "\nelastische Spannungsverteilung\nAusnutzung η = 1.00");
        // 250 / 200 = 1.25 with the sagging class.
        QTest::newRow("class 3 sagging")
            << fixtures::Edits{moment("2.5e+08"), {classFile, "", fixtures::classRows(3, 1)}}
            << elastic + u("\nM_Ed = 250kNm\t\t>\tM_el_Rd(V_Ed) = 200kNm\n") + class3 +
                   u("\nM_pl_Rd(V_Ed) = 300kNm gilt nur für Querschnittsklasse 1 und 2"
                     "\nNACHWEIS NICHT ERFÜLLT!\nAusnutzung η = 1.25");
        QTest::newRow("class 4")
            << fixtures::Edits{{classFile, "", fixtures::classRows(1, 4)}}
            << u("\nQuerschnittsklasse 4: wirksamer Querschnitt nicht abgedeckt – Nachweis nicht möglich"
                 "\nNACHWEIS NICHT ERFÜLLT!\nAusnutzung η: nicht ermittelt (Querschnittsklasse 4)");
        // 180 / 220 = 0.818
        QTest::newRow("class 1")
            << fixtures::Edits{{classFile, "", fixtures::classRows(4, 1)}}
            << u("\nQuerschnittsklasse 1: plastische Bemessung zulässig, M_Rd = M_pl_Rd(V_Ed)"
                 "\nM_Ed = -180kNm\t\t≥\tM_pl_Rd(V_Ed) = -220kNm\nNACHWEIS ERFÜLLT!"
                 "\nTeilplastische Spannungsverteilung\nAusnutzung η = 0.82");
    }
    void interactionByClass() {
        QFETCH(fixtures::Edits, edits);
        QFETCH(QString, expected);
        const QString report = editedReport("results/class3_hogging", edits);
        QVERIFY2(report.endsWith(interactionHeading + expected), qPrintable(report.right(400)));
        // V_Ed = 120 kN of V_pl,Rd = 500 kN.
        QVERIFY(report.contains(u("NACHWEIS ERFÜLLT!\nAusnutzung η = 0.24\n\nTRAGF")));
    }

    // The whole text as the tab and the batch mode print it: the result line
    // follows the head and comes before the input.
    void reportOfAClassThreeRunOpensWithItsVerdict() {
        const QString text = designReportText(fixtures::folder("results/class3_hogging"), "traeger.txt",
                                              QDateTime(QDate(2025, 1, 2), QTime(14, 30)));
        QVERIFY(text.startsWith("\t\t    BEMESSUNGSPROTOKOLL\n\nBemessungsdatei:          traeger.txt\n"));
        QVERIFY(text.contains(u("\nTeilsicherheitsbeiwerte:  nicht ermittelt (keine Berechnung)\n\n"
                                "NICHT ERFÜLLT: Querschnittsklasse 3: nur elastische Bemessung zulässig "
                                "(Ausnutzung η = 1.20)\n\n") +
                              D + "\nEINGABE\n"));
        QCOMPARE(text.count(u("NICHT ERFÜLLT:")), 1);
        QVERIFY(text.indexOf(classHeading) < text.indexOf(u("\nNACHWEISE\n")));
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
                                   "\nVERSAGEN! (Querschnittsversagen im GZT)\nAusnutzung η = 0.83")),
                 qPrintable(report.right(200)));
    }
};

QTEST_APPLESS_MAIN(DesignReportTest)
#include "tst_design_report.moc"
