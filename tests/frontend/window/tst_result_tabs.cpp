// The result tabs after a real calculation of the example design, sagging and
// hogging: the plots show the engine's files (checked against the strain
// plane of each state), and screenshots of the tabs "Plot",
// "Gebrauchstauglichkeit" and "Tragfähigkeit" are saved into the build folder.
#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QProcess>
#include <QTabWidget>
#include <QTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "protocol/result_files.h"
#include "plots/interaction_plot.h"
#include "plots/label_layout.h"
#include "plots/section_drawing.h"
#include "window/mainwindow.h"
#include "widgets/mygraphicsview.h"
#include "qcustomplot.h"
#include "results/result_panels.h"
#include "results/result_reader.h"
#include "plots/plot_setup.h"
#include "support/plot_checks.h"
#include "support/result_fixtures.h"
#include "support/window_probe.h"

namespace {

// The example design with both design moments multiplied by `momentFactor`;
// a positive `ultimateShear` (N) replaces the ultimate shear force.
QByteArray exampleInput(double momentFactor, double ultimateShear = 0.0) {
    QFile file(QDir(NORVEL_BUILD_DIR).filePath("inputstart.txt"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray text = file.readAll();
    for (const char *section : {"*Gebrauchstauglichkeit:", "*Tragfaehigkeit:"}) {
        const int start = text.indexOf(section);
        const int end = text.indexOf('\n', start);
        QList<QByteArray> words = text.mid(start, end - start).simplified().split(' ');
        const double moment = words[1].toDouble() * momentFactor;
        const QByteArray shear = ultimateShear > 0.0 && QByteArray(section) == "*Tragfaehigkeit:"
                                     ? QByteArray::number(ultimateShear, 'g', 6)
                                     : words[2];
        const QByteArray line = QByteArray(section) + "\t\t" + QByteArray::number(moment, 'g', 6) +
                                "\t" + shear;
        text.replace(start, end - start, line);
    }
    return text;
}

QString tabText(const char *utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class ResultTabsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir work;
    int runNumber = 0;

    // Writes the next run folder and runs the real engine in it.
    bool calculate(double momentFactor, double ultimateShear = 0.0) {
        ++runNumber;
        const QString runFolder = QDir(work.path()).filePath(QString::number(runNumber));
        QDir().mkpath(runFolder);
        QFile input(QDir(runFolder).filePath("input.txt"));
        if (!input.open(QIODevice::WriteOnly)) return false;
        input.write(exampleInput(momentFactor, ultimateShear));
        input.close();
        QProcess engine;
        engine.setWorkingDirectory(NORVEL_BUILD_DIR);
        engine.start(QDir(NORVEL_BUILD_DIR).filePath("Stalvora2"), QStringList());
        if (!engine.waitForFinished(120000)) return false;
        return engine.readAllStandardError().contains("Berechnung wurde erfolgreich abgeschlossen");
    }

    // Strain and stress plots of one state against the strain plane
    // eps(z) = kappa (Z_na - z) of the state row: every strain point lies on it.
    void checkStrainPlane(QCustomPlot *epsPlot, const std::string &stateFolder) {
        const auto rows = results::readNumberRows(stateFolder + protocol::outputFile, 4);
        QCOMPARE(int(rows.size()), 1);
        const double kappa = rows[0][2];  // per mille per mm
        const double zNa = rows[0][3];
        QVERIFY(epsPlot->graphCount() >= 3);
        for (int g = 0; g < epsPlot->graphCount(); ++g)
            for (auto it = epsPlot->graph(g)->data()->constBegin();
                 it != epsPlot->graph(g)->data()->constEnd(); ++it) {
                const double expected = kappa * (zNa - it->key);
                QVERIFY2(qAbs(it->value - expected) < 1e-4 * qMax(1.0, qAbs(expected)) + 2e-5,
                         qPrintable(QString("Z %1: %2 instead of %3").arg(it->key).arg(it->value)
                                        .arg(expected)));
            }
    }

    QList<QCustomPlot *> plots(MainWindow &window) {
        return window.findChildren<QCustomPlot *>();
    }

    // Shows the tab and returns its page.
    QWidget *showTab(MainWindow &window, const QString &name) {
        auto *tabs = window.findChild<QTabWidget *>();
        for (int i = 0; tabs && i < tabs->count(); ++i)
            if (tabs->tabText(i) == name) {
                tabs->setCurrentIndex(i);
                QCoreApplication::processEvents();
                return tabs->widget(i);
            }
        return nullptr;
    }

    // The plots of a tab in reading order: top to bottom, left to right.
    QList<QCustomPlot *> plotsOfTab(MainWindow &window, const QString &name) {
        QWidget *page = showTab(window, name);
        if (!page) return {};
        QList<QCustomPlot *> found = page->findChildren<QCustomPlot *>();
        std::sort(found.begin(), found.end(), [page](QCustomPlot *a, QCustomPlot *b) {
            const QPoint pa = a->mapTo(page, QPoint()), pb = b->mapTo(page, QPoint());
            return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
        });
        return found;
    }

    void saveScreens(MainWindow &window, const QString &prefix) {
        const QPair<QString, QString> tabs[] = {{"Plot", "plot"},
                                                {"Gebrauchstauglichkeit", "gzg"},
                                                {tabText("Tragfähigkeit"), "gzt"},
                                                {"Protokoll", "protokoll"}};
        for (const auto &tab : tabs) {
            QVERIFY(showTab(window, tab.first));
            const QString file = QDir(NORVEL_BUILD_DIR)
                                     .filePath(QString("screen_%1_%2.png").arg(prefix, tab.second));
            QVERIFY(window.grab().save(file));
        }
    }

    // Every value label of every result plot lies inside its axes, apart
    // from the others; every key label is shown.
    void checkLabelsReadable(MainWindow &window) {
        for (QCustomPlot *plot : plots(window)) {
            plot->replot();
            QVERIFY2(plotchecks::overlappingLabels(plot).isEmpty(),
                     qPrintable(QString("%1x%2 %3").arg(plot->width()).arg(plot->height()).arg(plotchecks::overlappingLabels(plot).join(", "))));
            QCOMPARE(plotchecks::labelsOutsideAxisRect(plot), QStringList());
            // Only secondary labels may give way.
            for (QCPItemText *label : plotchecks::valueLabels(plot))
                if (LabelLayout::of(plot).isKey(label)) QVERIFY2(label->visible(), qPrintable(label->text()));
        }
    }

    // Leaves the maximised start state first: the platform applies it late
    // and would undo a size set before.
    void sizeWindow(MainWindow &window, const QSize &size) {
        window.setWindowState(Qt::WindowNoState);
        QCoreApplication::processEvents();
        window.resize(size);
        QCoreApplication::processEvents();
    }

    std::string lastRunFolder() const {
        return QDir(work.path()).filePath(QString::number(runNumber)).toStdString() + "/";
    }

private slots:
    void initTestCase() {
        QVERIFY(work.isValid());
        qputenv("STALVORA_WORK_DIR", work.path().toLocal8Bit() + "/");
        MainWindow::setQuietMessages(true);
    }

    void designs_data() {
        QTest::addColumn<double>("momentFactor");
        QTest::addColumn<QString>("name");
        QTest::newRow("sagging") << 1.0 << "sagging";
        QTest::newRow("hogging") << -1.0 << "hogging";
        // 920 kNm lies between the elastic (654 kNm) and the plastic limit moment (982 kNm).
        QTest::newRow("sagging, partly plastic") << 2.3 << "sagging_plastic";
    }
    void designs() {
        QFETCH(double, momentFactor);
        QFETCH(QString, name);
        QVERIFY(calculate(momentFactor));
        MainWindow window;
        window.setWindowState(Qt::WindowNoState);
        window.resize(1600, 1000);
        QVERIFY(QMetaObject::invokeMethod(&window, "oeffnenLetzteClicked"));

        QCOMPARE(plots(window).size(), 8);  // with the moment–curvature tab
        const QList<QCustomPlot *> gzg = plotsOfTab(window, "Gebrauchstauglichkeit");
        const QList<QCustomPlot *> gzt = plotsOfTab(window, tabText("Tragfähigkeit"));
        QCOMPARE(gzg.size(), 4);
        QCOMPARE(gzt.size(), 3);
        const std::string run = lastRunFolder();
        checkStrainPlane(gzg[1], results::stateFolder(run, 0, 0));
        checkStrainPlane(gzg[3], results::stateFolder(run, 0, 1));
        checkStrainPlane(gzt[2], results::stateFolder(run, 1, 0));

        // The ultimate stress plot begins with f_yd,red on the side of the moment.
        QCustomPlot *gztStress = gzt[1];
        const auto stateRow = results::readNumberRows(results::stateFolder(run, 1, 0) + "output.txt", 6);
        QCOMPARE(int(stateRow.size()), 1);
        QCOMPARE(gztStress->graph(0)->name(), QString("f_yd,red"));
        QCOMPARE(gztStress->graph(0)->data()->constBegin()->value,
                 momentFactor < 0 ? -stateRow[0][5] : stateRow[0][5]);

        // Interaction plot: two curves and the design load of the example
        // (M_Ed = 400 kNm times the factor, V_Ed = 300 kN).
        QCustomPlot *mv = gzt[0];
        QCOMPARE(mv->xAxis->label(), QString("V [kN]"));
        QCOMPARE(mv->graphCount(), 3);
        QCOMPARE(mv->graph(2)->data()->constBegin()->key, 300.0);
        QVERIFY(qAbs(mv->graph(2)->data()->constBegin()->value - 400.0 * momentFactor) < 1e-9);
        auto *label = qobject_cast<QCPItemText *>(mv->item(0));
        QVERIFY(label);
        QCOMPARE(label->text(), QString("300 kN / %1 kNm").arg(400 * momentFactor));
        // IPE 400 S355 is Class 1 in sagging and Class 3 in hogging: the plastic
        // curve is dashed, grey and noted only where it may not be used.
        const bool hogging = momentFactor < 0.0;
        QCOMPARE(mv->graph(0)->pen().style(), hogging ? Qt::DashLine : Qt::SolidLine);
        QCOMPARE(plasticNoteOf(mv).startsWith("Querschnittsklasse 3:"), hogging);
        QCOMPARE(plasticNoteOf(mv).isEmpty(), !hogging);

        // Both cross-section views are drawn.
        const QList<MyGraphicsView *> views = window.findChildren<MyGraphicsView *>();
        QCOMPARE(views.size(), 2);
        for (MyGraphicsView *view : views) QVERIFY(!view->scene()->items().isEmpty());

        checkLabelsReadable(window);
        saveScreens(window, name);
    }

    // The extremes of steel, concrete and each bar layer (both edges), as the engine's
    // zone files hold them, stay labelled, shown and apart at every window size from
    // 1280 x 720 up, for the example (sagging) and M_Ed = -600 kNm (hogging).
    void keyValuesLabelledAtEverySize_data() {
        QTest::addColumn<double>("momentFactor");
        QTest::addColumn<QSize>("size");
        for (double factor : {1.0, -1.5})
            for (const QSize &size : {QSize(1280, 720), QSize(1366, 768), QSize(1920, 1080)})
                QTest::addRow("%s %dx%d", factor > 0 ? "example" : "hogging", size.width(), size.height())
                    << factor << size;
    }
    void keyValuesLabelledAtEverySize() {
        QFETCH(double, momentFactor);
        QFETCH(QSize, size);
        QVERIFY(calculate(momentFactor));
        MainWindow window;
        sizeWindow(window, size);
        QVERIFY(QMetaObject::invokeMethod(&window, "oeffnenLetzteClicked"));
        // Tab, index of its stress plot, limit state, with tension stiffening.
        const std::tuple<const char *, int, int, int> states[] = {
            {"Gebrauchstauglichkeit", 0, 0, 0}, {"Gebrauchstauglichkeit", 2, 0, 1}, {"Tragfähigkeit", 1, 1, 0}};
        for (const auto &[tab, stress, limitState, withTs] : states) {
            const QList<QCustomPlot *> tabPlots = plotsOfTab(window, tabText(tab));
            QStringList shown;  // the numbers of the stress plot's key labels
            for (QCustomPlot *plot : {tabPlots[stress], tabPlots[stress + 1]}) {
                plot->replot();
                const LabelLayout &layout = LabelLayout::of(plot);
                int keys = 0;
                for (QCPItemText *a : plotchecks::valueLabels(plot)) {
                    const QRectF boxA = plotchecks::boxOf(a);
                    keys += layout.isKey(a);
                    if (layout.isKey(a)) {
                        QVERIFY2(a->visible() && QRectF(plot->rect()).contains(boxA), qPrintable(a->text()));
                        // "408.6 N/mm²"; a bar layer "408.6 / 388.3 N/mm²".
                        if (plot == tabPlots[stress]) shown << a->text().section(' ', 0, -2).split(" / ");
                    }
                    // Of two labels above each other, the one of the higher point is not below.
                    for (QCPItemText *b : plotchecks::valueLabels(plot))
                        if (a->visible() && b->visible() && layout.anchorOf(a).y() > layout.anchorOf(b).y() + 20.0 &&
                            boxA.left() < plotchecks::boxOf(b).right() && plotchecks::boxOf(b).left() < boxA.right())
                            QVERIFY2(boxA.top() <= plotchecks::boxOf(b).top(), qPrintable(a->text()));
                }
                QVERIFY(keys >= 4);
                QCOMPARE(plotchecks::overlappingLabels(plot), QStringList());
            }
            const std::string folder = results::stateFolder(lastRunFolder(), limitState, withTs);
            QStringList expected;
            for (const char *file : {protocol::reinforcementFile, protocol::steelFile, protocol::concreteFile}) {
                double low = 1e300, high = -1e300;
                for (const auto &row : results::readNumberRows(folder + file, 7)) {
                    if (file == protocol::reinforcementFile)
                        expected << QString::number(row[5] + 0.0, 'g', 4) << QString::number(row[6] + 0.0, 'g', 4);
                    low = std::min({low, row[5], row[6]});
                    high = std::max({high, row[5], row[6]});
                }
                expected << QString::number(low + 0.0, 'g', 4) << QString::number(high + 0.0, 'g', 4);
            }
            QVERIFY(expected.size() >= 10);
            for (const QString &number : expected)
                QVERIFY2(shown.contains(number), qPrintable(number + " not among " + shown.join(", ")));
            QVERIFY(window.grab().save(QDir(NORVEL_BUILD_DIR).filePath(QString("screen_keys_%1_%2x%3_%4.png")
                .arg(momentFactor > 0 ? "example" : "hogging").arg(size.width()).arg(size.height()).arg(stress))));
        }
    }

    // M_Ed = -600 kNm, V_Ed = 300 kN: Class 3 with a Class 1 bottom flange; the
    // effective Class 2 web (hand value -641.54 kNm) carries it where the
    // elastic route (600 / 530.1) would not. The Plot tab marks the hole.
    void classThreeHoggingDesignTakesTheEffectiveWeb() {
        QVERIFY(calculate(-1.5));
        MainWindow window;
        sizeWindow(window, QSize(1366, 768));
        QVERIFY(QMetaObject::invokeMethod(&window, "oeffnenLetzteClicked"));
        const MainWindowProbe probe(window);
        QCOMPARE(probe.statusMessage(), QString::fromUtf8("Berechnung abgeschlossen: alle Nachweise erfüllt"));
        const QStringList check = probe.panelTexts(MainWindowProbe::Panel::Nachweis);
        QCOMPARE(check.at(ClassRow), QString::fromUtf8("Querschnittsklasse 3 bei negativem Moment (Untergurt 1, "
                                                       "Steg 3) – wirksamer Steg der Klasse 2"));
        QCOMPARE(check.at(BendingRow),
                 QString::fromUtf8("M_Ed = -600 kNm ≥ M_pl,eff,Rd(V_Ed) = -641.5 kNm, η = 0.935"));
        QVERIFY(check.at(RouteRow).endsWith(QString::fromUtf8("M_el,Rd = -530.1 kNm, η = 1.13")));

        QCustomPlot *mv = plotsOfTab(window, tabText("Tragfähigkeit"))[0];
        QCOMPARE(mv->graph(0)->pen().style(), Qt::DashLine);
        QCOMPARE(plotchecks::labelsOutsideAxisRect(mv), QStringList());
        checkLabelsReadable(window);
        saveScreens(window, "class3_hogging");
        const auto items = dynamic_cast<MyGraphicsView *>(showTab(window, "Plot"))->scene()->items();
        const auto isHole = [](QGraphicsItem *i) { return i->data(dimensionPartKey) == "hole"; };
        QCOMPARE(int(std::count_if(items.begin(), items.end(), isHole)), 2);  // the white web and its label

        const QString report = probe.report()->toPlainText();
        QVERIFY(report.contains(QString::fromUtf8("\n  Loch im Steg von z = 153.4 mm bis z = 247.8 mm")));
        // The end of the report: the classes and the checks.
        QVERIFY(showTab(window, "Protokoll"));
        probe.report()->moveCursor(QTextCursor::End);
        probe.report()->ensureCursorVisible();
        QVERIFY(window.grab().save(QDir(NORVEL_BUILD_DIR).filePath("screen_class3_hogging_protokoll_ende.png")));
    }

    // A shear failure in the ultimate limit state (V_Ed = 1000 kN > V_pl,Rd =
    // 875 kN): the ultimate plots are empty frames that say why, no value
    // that was not computed is shown as 0, and the design point is inside
    // the interaction plot.
    void shearFailureDesign() {
        QVERIFY(calculate(1.0, 1.0e6));
        MainWindow window;
        sizeWindow(window, QSize(1366, 768));
        QVERIFY(QMetaObject::invokeMethod(&window, "oeffnenLetzteClicked"));
        const MainWindowProbe probe(window);
        QCOMPARE(probe.statusMessage(), QString("Berechnung abgeschlossen: Querkraftversagen"));

        const QList<QCustomPlot *> gzt = plotsOfTab(window, tabText("Tragfähigkeit"));
        QCOMPARE(gzt.size(), 3);
        for (QCustomPlot *plot : {gzt[1], gzt[2]}) {
            QCOMPARE(noDataNote(plot), QString("nicht ermittelt (Querkraftversagen)"));
            QCOMPARE(plot->graphCount(), 0);
            QVERIFY(!plot->legend->visible());
            QVERIFY(!plot->yAxis->tickLabels());
        }
        QCustomPlot *mv = gzt[0];
        QVERIFY(mv->xAxis->range().contains(1000.0));
        QCOMPARE(plotchecks::labelsOutsideAxisRect(mv), QStringList());
        // The serviceability states were computed and keep their plots.
        for (QCustomPlot *plot : plotsOfTab(window, "Gebrauchstauglichkeit"))
            QVERIFY(plot->graphCount() >= 3);

        QStringList shown = probe.panelTexts(MainWindowProbe::Panel::Gzt);
        shown << probe.panelTexts(MainWindowProbe::Panel::Nachweis) << probe.statusMessage();
        QCOMPARE(fixtures::zerosShownAsValues(shown.join('\n')), QStringList());
        QVERIFY(shown.contains("nicht ermittelt (Querkraftversagen)"));
        const QString report = probe.report()->toPlainText();
        QCOMPARE(fixtures::zerosShownAsValues(report), QStringList());
        QVERIFY(report.contains("\npl. Grenzmomente:  nicht ermittelt (Querkraftversagen)"));

        checkLabelsReadable(window);
        saveScreens(window, "shear_failure");
    }

    // M_Ed = 1500 kNm beyond M_pl,Rd = 982 kNm: the section fails, the design
    // point stays inside the interaction plot.
    void crossSectionFailureDesign() {
        QVERIFY(calculate(3.75));
        MainWindow window;
        sizeWindow(window, QSize(1366, 768));
        QVERIFY(QMetaObject::invokeMethod(&window, "oeffnenLetzteClicked"));
        const MainWindowProbe probe(window);
        // Both moments are scaled: the serviceability moment of 750 kNm also
        // opens the slab, whose bars then fall short of the minimum.
        QVERIFY(probe.statusMessage().startsWith(QString::fromUtf8("Berechnung abgeschlossen: Biegung nicht erfüllt")));
        QCustomPlot *mv = plotsOfTab(window, tabText("Tragfähigkeit"))[0];
        QVERIFY(mv->yAxis->range().contains(1500.0));
        QCOMPARE(plotchecks::labelsOutsideAxisRect(mv), QStringList());
        QVERIFY(probe.panelTexts(MainWindowProbe::Panel::Nachweis)
                    .last()
                    .startsWith(QString::fromUtf8("<font color='red'>Biegung nicht erfüllt")));
        checkLabelsReadable(window);
        saveScreens(window, "section_failure");
    }

    // A run folder without results (the engine stopped before writing any, or
    // never ran) has no geometry: the drawing must not divide by its zero
    // height; the scene of the "Plot" tab and all stress and strain plots end
    // up empty. The preview on the input tab draws the form, which the run
    // folder's input.txt filled, so it keeps showing the section.
    void runFolderWithoutResultsEmptiesTheViews() {
        QVERIFY(calculate(1.0));
        MainWindow window;
        QVERIFY(QMetaObject::invokeMethod(&window, "oeffnenLetzteClicked"));
        QCoreApplication::processEvents();
        const QList<MyGraphicsView *> views = window.findChildren<MyGraphicsView *>();
        QCOMPARE(views.size(), 2);
        auto *plotView = dynamic_cast<MyGraphicsView *>(showTab(window, "Plot"));
        QVERIFY(plotView);
        MyGraphicsView *preview = views.at(0) == plotView ? views.at(1) : views.at(0);
        for (MyGraphicsView *view : views) QVERIFY(!view->scene()->items().isEmpty());

        ++runNumber;
        const QString empty = QDir(work.path()).filePath(QString::number(runNumber));
        QVERIFY(QDir().mkpath(empty));
        QVERIFY(QFile::copy(QDir(NORVEL_BUILD_DIR).filePath("inputstart.txt"),
                            QDir(empty).filePath("input.txt")));
        const MainWindowProbe probe(window);
        QVERIFY(probe.summary(MainWindowProbe::Panel::Gzt).kappa != 0.0);
        QVERIFY(QMetaObject::invokeMethod(&window, "oeffnenLetzteClicked"));
        QCoreApplication::processEvents();
        QVERIFY(plotView->scene()->items().isEmpty());
        QVERIFY(!preview->scene()->items().isEmpty());
        // No strain state of the run shown before survives in the report: all
        // three states read as zero, and with M_Ed = 0 each gets its zero line.
        for (auto panel : {MainWindowProbe::Panel::GzgOhneTs, MainWindowProbe::Panel::GzgMitTs,
                           MainWindowProbe::Panel::Gzt}) {
            const StateSummary state = probe.summary(panel);
            QCOMPARE(state.kappa, 0.0);
            QCOMPARE(state.z_na, 0.0);
            QCOMPARE(state.ei_i, 0.0);
        }
        // The report says once that there are no results, instead of zeros.
        const QString report = probe.report()->toPlainText();
        QVERIFY(report.contains("\nErgebnisse: nicht ermittelt (keine Berechnung)"));
        QCOMPARE(fixtures::zerosShownAsValues(report), QStringList());
        QCOMPARE(probe.statusMessage(), QString("Berechnung abgeschlossen: keine Ergebnisse"));
        for (QCustomPlot *plot : plots(window)) {
            QCOMPARE(plot->graphCount(), 0);
            QCOMPARE(noDataNote(plot), QString("nicht ermittelt (keine Berechnung)"));
        }
        for (auto panel : {MainWindowProbe::Panel::GzgOhneTs, MainWindowProbe::Panel::Nachweis})
            QCOMPARE(fixtures::zerosShownAsValues(probe.panelTexts(panel).join('\n')), QStringList());
    }
};

QTEST_MAIN(ResultTabsTest)
#include "tst_result_tabs.moc"
