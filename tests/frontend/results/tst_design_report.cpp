// The design report "BEMESSUNGSPROTOKOLL".
#include <QTemporaryDir>
#include <QtTest>

#include "results/design_report.h"
#include "support/result_fixtures.h"

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

const QString D(76, QLatin1Char('-'));

AnalysedStates workedStates() {
    AnalysedStates states;
    states.serviceabilityWithoutTs = {0.51234, 398.765, 292774.0};
    states.serviceabilityWithTs = {0.62, 405.1, 241935.0};
    states.ultimate = {4.5, 415.25, 55555.6};
    return states;
}

// Report of a run folder output.txt made of the given lines ("label\tvalue").
QString reportOf(const QByteArray &lines, const AnalysedStates &states = {}) {
    QTemporaryDir dir;
    const QString path = dir.filePath("output.txt");
    fixtures::writeFile(path, lines);
    return buildDesignReport(results::KeyValues::read(path.toStdString()), states).join(QString());
}

}  // namespace

class DesignReportTest : public QObject {
    Q_OBJECT

private slots:
    void reportOfTheWorkedExample() {
        const std::string run = fixtures::folder("results/worked_example");
        const QStringList pieces =
            buildDesignReport(results::KeyValues::read(run + "output.txt"), workedStates());
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
        // M_Ed = 0 keeps its line even with kappa = 0; kappa = 0 under a
        // moment means that no strain state was found.
        AnalysedStates states;
        states.ultimate = {0.0, 0.0, 0.0};
        const QString zeroMoment = reportOf("M_Ed_g\t0\nM_Ed_t\t2.5e+08\n", states);
        QVERIFY(zeroMoment.contains(u("kNm :\nϰ= 0‰/m\tZ_na= 0mm\tEI_i= 0kNm²\n\nDEHNUNGSVERTEILUNG IM GZG MIT")));
        QVERIFY(zeroMoment.contains(u("M_Ed = 250kNm :\nVERSAGEN!\n\nGRENZMOMENTE IM GZT:")));
    }

    void minimumReinforcement_data() {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("expected");
        QTest::newRow("equal is present")
            << QByteArray("A_s,min\t392.7\nA_svor\t392.7\n")
            << u("\nA_s,min= 392.7mm² \t≤\t A_s,vor = 392.7mm²\nMINDESTBEWEHRUNG VORHANDEN!");
        QTest::newRow("less is missing")
            << QByteArray("A_s,min\t392.7\nA_svor\t392.6\n")
            << u("\nA_s,min= 392.7mm² \t>\t A_s,vor = 392.6mm²\nMINDESTBEWEHRUNG NICHT VORHANDEN!");
        QTest::newRow("not checked reads as present")
            << QByteArray("M_Ed_g\t0\n")
            << u("\nA_s,min= 0mm² \t≤\t A_s,vor = 0mm²\nMINDESTBEWEHRUNG VORHANDEN!");
    }
    void minimumReinforcement() {
        QFETCH(QByteArray, lines);
        QFETCH(QString, expected);
        QVERIFY2(reportOf(lines).contains("\nMindestbewehrung:" + expected + "\n\nDEHNUNGSVERTEILUNG IM GZT:"),
                 qPrintable(reportOf(lines)));
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
        QTest::newRow("missing file values fail")
            << QByteArray("") << u("\n|V_Ed| = 0kN\t\t>\t|V_pl_Rd| =0kN\nQUERKRAFTVERSAGEN!");
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
        QByteArray lines = "M_max_el\t2e+08\nM_max_pl\t3e+08\nM_min_el\t-1.5e+08\nM_min_pl\t-2.2e+08\n";
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
        const QString report = reportOf("V_Ed_g\t-60000\nM_Ed_g\t-1.5e+08\nV_Ed_t\t-80000\n");
        QVERIFY(report.contains("\nunter: V_Ed= -60kN \tM_Ed = -150kNm :"));
        QVERIFY(report.contains("\nunter: V_Ed= 80kN \tM_Ed = 0kNm :"));
        QVERIFY(report.contains("\nunter: V_Ed= 80kN: "));
    }
};

QTEST_APPLESS_MAIN(DesignReportTest)
#include "tst_design_report.moc"
