// The plot figures of the design report, drawn from hand-written run folders
// without a window: they show what the result tabs show.
#include <QTemporaryDir>
#include <QtTest>

#include "plots/interaction_plot.h"
#include "qcustomplot.h"
#include "report/report_figures.h"
#include "results/run_results.h"
#include "support/result_fixtures.h"

namespace {

// The report's figure "Interaktion Biegung und Querkraft im GZT".
report::PlotRow interactionFigure(const std::string &runFolder) {
    for (const report::PlotFigureEntry &entry : report::reportPlotFigures())
        if (entry.title.startsWith(QString::fromUtf8("Interaktion"))) return entry.build({runFolder, QFont()});
    return report::PlotRow();
}

}  // namespace

Q_DECLARE_METATYPE(fixtures::Edits)

class ReportFiguresTest : public QObject {
    Q_OBJECT

private slots:
    // EN 1994-1-1 6.2.1.2: M_pl,Rd only for Class 1 and 2. A handed-in report
    // must not show the plastic curve as a valid resistance for Class 3 or 4
    // of M_Ed's direction: it is dashed and noted, as on the tab.
    void interactionMarksAForbiddenPlasticCurve_data() {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<fixtures::Edits>("edits");
        QTest::addColumn<int>("klasse");  // 0: the plastic curve is valid
        // The rule of the engine's bending row decides, not the class file.
        auto bending = [](const char *rule) {
            return fixtures::Edits{{"Nachweise.txt", "biegung\t",
                                    QString("biegung\t-1.8e+08\t-2e+08\t0.9\terfuellt\t") + rule}};
        };
        QTest::newRow("hogging class 3, effective web") << "results/class3_hogging" << fixtures::Edits() << 3;
        QTest::newRow("hogging class 3, elastic")
            << "results/class3_hogging" << bending("Klasse3_M_el,Rd") << 3;
        QTest::newRow("hogging class 4")
            << "results/class3_hogging" << bending("Klasse4_nicht_abgedeckt") << 4;
        QTest::newRow("class 1") << "results/class3_hogging" << bending("Klasse1_M_pl,Rd(V_Ed)") << 0;
    }
    void interactionMarksAForbiddenPlasticCurve() {
        QFETCH(QString, fixture);
        QFETCH(fixtures::Edits, edits);
        QFETCH(int, klasse);
        QTemporaryDir dir;
        const std::string runFolder = fixtures::editedRun(dir, fixture, edits);
        const report::PlotRow row = interactionFigure(runFolder);
        QCOMPARE(row.plots.size(), 1);
        QCustomPlot *plot = row.plots.first();
        QVERIFY(plot->graphCount() >= 2);
        QVERIFY(!plot->graph(0)->data()->isEmpty());
        QCOMPARE(plot->graph(0)->name(), QString("pl. Grenzmoment"));
        const QString note = plasticNoteOf(plot);
        if (klasse == 0) {
            QCOMPARE(note, QString());
            QCOMPARE(plot->graph(0)->pen().style(), Qt::SolidLine);
        } else {
            QVERIFY2(note.startsWith(QString("Querschnittsklasse %1").arg(klasse)), qPrintable(note));
            QCOMPARE(plot->graph(0)->pen().style(), Qt::DashLine);
        }
        // The elastic curve is the resistance in every case.
        QCOMPARE(plot->graph(1)->pen().style(), Qt::SolidLine);
    }
};

QTEST_MAIN(ReportFiguresTest)
#include "tst_report_figures.moc"
