// The context menu of the plots and the drawing: "Werte kopieren" gives the
// plotted points as a table, "Bild speichern…" writes a PNG of the chosen
// size or a vector PDF. Plots are built from the hand-written result folder
// fixtures/plots/sagging.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "protocol/result_files.h"
#include "plots/interaction_plot.h"
#include "plots/plot_export.h"
#include "plots/plot_setup.h"
#include "plots/section_drawing.h"
#include "plots/section_geometry.h"
#include "plots/stress_plots.h"
#include "qcustomplot.h"
#include "results/result_reader.h"
#include "support/result_fixtures.h"

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

QString rows(const QStringList &lines) { return lines.join('\n') + '\n'; }

QString tool(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::unique_ptr<QCustomPlot> stressPlot(const std::string &stateFolder) {
    std::unique_ptr<QCustomPlot> plot(createResultPlot(u("σ [N/mm²]"), "Z [mm]", QFont(), LegendPlacement::RightCentre));
    drawStressPlot(plot.get(), readStressDistribution(stateFolder), "DejaVu Sans", "nicht ermittelt");
    return plot;
}

}  // namespace

class PlotExportTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir temp;
    const std::string sagging = fixtures::folder("plots/sagging");

private slots:
    void cleanup() { PlotExport::setImageChooser(PlotExport::ImageChooser()); }

    // Stress plot of the serviceability state without tension stiffening
    // (Gebrauchstauglichkeit/spannung_ohne_ts). The plotted points by hand:
    // f_yd,red from the state row (355 and 355.0001 N/mm²) over Z = 0 ... 460;
    // steel zones 0-10.7, 10.7-289.3, 289.3-300 mm, each starting 0.0001 mm
    // above the previous top (shown with six digits as 10.7001 and 289.3);
    // concrete zones 300-330, 330-372.1 (stress jump 0 -> 1.9: lifted to
    // 330.001), 372.1-460; bars 330-342 and, not continuing it, 420-430.
    void copiesThePlottedPointsOfAStressPlot() {
        const auto plot = stressPlot(results::stateFolder(sagging, 0, 0));
        const QString header = u("f_yd,red: Z [mm]\tf_yd,red: σ [N/mm²]\tBaustahl: Z [mm]\tBaustahl: σ [N/mm²]\t"
                                 "Beton: Z [mm]\tBeton: σ [N/mm²]\tBewehrung: Z [mm]\tBewehrung: σ [N/mm²]\t"
                                 "Bewehrung (2): Z [mm]\tBewehrung (2): σ [N/mm²]");
        const QString expected = rows({header,
                                       "0\t355\t0\t305.5\t300\t0\t330\t32.94\t420\t-37.38",
                                       "460\t355\t10.7\t296.8\t330\t0\t342\t23.56\t430\t-45.2",
                                       "\t\t10.7001\t296.8\t330.001\t1.9\t\t\t\t",
                                       "\t\t289.3\t68\t372.1\t0\t\t\t\t",
                                       "\t\t289.3\t68\t372.1\t0\t\t\t\t",
                                       "\t\t300\t59.2\t460\t-3.61\t\t\t\t"});
        QCOMPARE(plotValuesText(plot.get()), expected);

        // "Werte kopieren" puts the same table on the clipboard.
        PlotExport *exporter = PlotExport::of(plot.get());
        QVERIFY(exporter);
        QCOMPARE(exporter->actions().size(), 2);
        QCOMPARE(exporter->actions()[0]->text(), u("Bild speichern…"));
        QCOMPARE(exporter->actions()[1]->text(), u("Werte kopieren"));
        QApplication::clipboard()->clear();
        exporter->actions()[1]->trigger();
        QCOMPARE(QApplication::clipboard()->text(), expected);
        QCOMPARE(plot->contextMenuPolicy(), Qt::CustomContextMenu);
    }

    // V_M_beziehung.txt in N and Nmm, shown in kN and kNm: the last shear
    // force repeats and is moved 0.01 N away from zero (455.99501 kN, six
    // digits 455.995). The design point 120 kN / 345.67 kNm is a third graph.
    void copiesTheInteractionCurvesInKilonewtons() {
        std::unique_ptr<QCustomPlot> plot(
            createResultPlot("V [kN]", "M [kNm]", QFont(), LegendPlacement::ChosenPerRefresh));
        const InteractionCurves curves = readInteractionCurves(sagging + protocol::interactionFile);
        drawInteractionCurves(plot.get(), curves, "nicht ermittelt");
        drawDesignPoint(plot.get(), 345.67, 120.0, curves.sumV(), curves.sumM(), "DejaVu Sans");
        const QString expected = rows({
            "pl. Grenzmoment: V [kN]\tpl. Grenzmoment: M [kNm]\tel. Grenzmoment: V [kN]\tel. Grenzmoment: "
            "M [kNm]\tBelastung: GZT: V [kN]\tBelastung: GZT: M [kNm]",
            "0\t521\t0\t362\t120\t345.67",
            "228\t521\t228\t362\t\t",
            "319.198\t507\t319.198\t355\t\t",
            "410.396\t463\t410.396\t331\t\t",
            "455.995\t412\t455.995\t305\t\t",
            "455.995\t0\t455.995\t0\t\t",
        });
        QCOMPARE(plotValuesText(plot.get()), expected);
    }

    void plotWithoutResultsHasNoValues() {
        std::unique_ptr<QCustomPlot> plot(createResultPlot("V [kN]", "M [kNm]", QFont(), LegendPlacement::RightCentre));
        QCOMPARE(plotValuesText(plot.get()), QString());
        const auto missing = stressPlot(results::stateFolder(fixtures::folder("results/no_results"), 1, 0));
        QCOMPARE(plotValuesText(missing.get()), QString());
    }

    // The dimensions of fixtures/plots/sagging/output.txt in form order; the
    // bar spacings differ (e_u = 200, e_o = 150 mm), so a swap shows.
    void copiesTheDimensionsOfTheDrawing() {
        const QString expected = rows({u("Größe\tWert [mm]"), "h_c\t160", "b_e\t1000", "h_p\t0", "b_p\t0",
                                       "d_u\t12", "d_o\t10", "e_u\t200", "e_o\t150", "c_nom,u\t30",
                                       "c_nom,o\t30", "h\t300", "t_fu\t10.7", "t_fo\t10.7", "b_fu\t150",
                                       "b_fo\t150", "t_w\t7.1", "r\t15"});
        QCOMPARE(sectionValuesText(readSectionGeometry(sagging + protocol::outputFile)), expected);
        QCOMPARE(sectionValuesText(SectionGeometry()), QString());

        QGraphicsView view;
        view.setScene(new QGraphicsScene(&view));
        PlotExport *exporter = PlotExport::attach(&view, [this]() {
            return sectionValuesText(readSectionGeometry(sagging + protocol::outputFile));
        });
        QCOMPARE(PlotExport::of(&view), exporter);
        exporter->actions()[1]->trigger();
        QCOMPARE(QApplication::clipboard()->text(), expected);
    }

    void savesPngOfTheChosenSize_data() {
        QTest::addColumn<bool>("drawing");
        QTest::addColumn<QSize>("size");
        QTest::newRow("plot wide") << false << QSize(640, 360);
        QTest::newRow("plot tall") << false << QSize(300, 900);
        QTest::newRow("drawing") << true << QSize(500, 400);
    }
    void savesPngOfTheChosenSize() {
        QFETCH(bool, drawing);
        QFETCH(QSize, size);
        const auto plot = stressPlot(results::stateFolder(sagging, 1, 0));
        QGraphicsView view;
        view.setScene(new QGraphicsScene(&view));
        const SectionGeometry g = readSectionGeometry(sagging + protocol::outputFile);
        drawSection(view.scene(), g, plotSceneScale(g));
        PlotExport *exporter = drawing ? PlotExport::attach(&view, {}) : PlotExport::of(plot.get());
        const QString path = temp.filePath(QString("bild-%1.png").arg(QTest::currentDataTag()));
        QSize offered;
        PlotExport::setImageChooser([&](QWidget *, const QSize &suggested) {
            offered = suggested;
            return PlotExport::ImageTarget{path, size};
        });
        exporter->actions()[0]->trigger();
        const QImage image(path);
        QCOMPARE(image.size(), size);
        QVERIFY(offered.width() > 0 && offered.height() > 0);
        // Not a blank picture: the curves or the section are drawn.
        int dark = 0;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                if (qGray(image.pixel(x, y)) < 128) ++dark;
        QVERIFY(dark > 50);
    }

    // A PDF holds vector graphics: no embedded picture, the texts as text.
    void savesVectorPdf_data() {
        QTest::addColumn<bool>("drawing");
        QTest::addColumn<QString>("text");
        QTest::newRow("plot") << false << u("σ [N/mm²]");
        QTest::newRow("drawing") << true << u("1000 mm");
    }
    void savesVectorPdf() {
        QFETCH(bool, drawing);
        QFETCH(QString, text);
        const auto plot = stressPlot(results::stateFolder(sagging, 1, 0));
        QGraphicsView view;
        view.setScene(new QGraphicsScene(&view));
        const SectionGeometry g = readSectionGeometry(sagging + protocol::outputFile);
        drawSection(view.scene(), g, plotSceneScale(g));
        drawSectionDimensions(view.scene(), g, plotSceneScale(g));
        PlotExport *exporter = drawing ? PlotExport::attach(&view, {}) : PlotExport::of(plot.get());
        const QString path = temp.filePath(QString("bild-%1.pdf").arg(QTest::currentDataTag()));
        QVERIFY(exporter->saveImage(path, QSize(600, 400)));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        const QString info = tool("pdfinfo", {path});
        QVERIFY2(info.contains(QRegularExpression("Page size:\\s+600 x 400 pts")), qPrintable(info));
        const QStringList images = tool("pdfimages", {"-list", path}).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(images.size(), 2);  // the two header lines, no picture
        QVERIFY2(tool("pdftotext", {path, "-"}).contains(text), qPrintable(tool("pdftotext", {path, "-"})));
    }

    void unwritablePathIsReported() {
        const auto plot = stressPlot(results::stateFolder(sagging, 1, 0));
        PlotExport *exporter = PlotExport::of(plot.get());
        QVERIFY(!exporter->saveImage(temp.filePath("fehlt/bild.png"), QSize(200, 100)));
        QVERIFY(!exporter->saveImage(temp.filePath("fehlt/bild.pdf"), QSize(200, 100)));
        QVERIFY(!exporter->saveImage(temp.filePath("leer.png"), QSize()));
        QVERIFY(!QFile::exists(temp.filePath("leer.png")));
    }

    void cancelledChoiceWritesNothing() {
        const auto plot = stressPlot(results::stateFolder(sagging, 1, 0));
        bool asked = false;
        PlotExport::setImageChooser([&](QWidget *, const QSize &) {
            asked = true;
            return PlotExport::ImageTarget{};
        });
        PlotExport::of(plot.get())->actions()[0]->trigger();
        QVERIFY(asked);
        QVERIFY(QDir(temp.path()).entryList(QDir::Files).filter("abgebrochen").isEmpty());
    }

    // Without a documents folder the dialog proposed a file named "Documents".
    void proposedImageLiesInAnExistingFolder_data() {
        QTest::addColumn<QString>("folder");  // below temp; "-" for none
        QTest::addColumn<QString>("expected");
        QTest::newRow("documents folder exists") << "Dokumente" << "Dokumente/Diagramm.png";
        QTest::newRow("documents folder missing") << "Dokumente-fehlen" << "home/Diagramm.png";
        QTest::newRow("no documents location") << "-" << "home/Diagramm.png";
        QTest::newRow("a file, not a folder") << "datei.txt" << "home/Diagramm.png";
    }
    void proposedImageLiesInAnExistingFolder() {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QDir(temp.path()).mkpath("Dokumente");
        QDir(temp.path()).mkpath("home");
        fixtures::writeFile(temp.filePath("datei.txt"), "x");
        const QString documents = folder == "-" ? QString() : temp.filePath(folder);
        const QString path = suggestedImagePath(documents, temp.filePath("home"), "Diagramm");
        QCOMPARE(path, temp.filePath(expected));
        QVERIFY(QFileInfo(QFileInfo(path).absolutePath()).isDir());
    }
};

QTEST_MAIN(PlotExportTest)
#include "tst_plot_export.moc"
