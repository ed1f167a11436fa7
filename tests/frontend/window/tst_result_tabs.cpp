// The result tabs after a real calculation of the example design, sagging and
// hogging: the plots show the engine's files (checked against the strain
// plane of each state), and screenshots of the tabs "Plot",
// "Gebrauchstauglichkeit" and "Tragfähigkeit" are saved into the build folder.
#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "plots/interaction_plot.h"
#include "window/mainwindow.h"
#include "widgets/mygraphicsview.h"
#include "qcustomplot.h"
#include "results/result_reader.h"
#include "support/window_probe.h"

namespace {

// The example design with both design moments multiplied by `momentFactor`.
QByteArray exampleInput(double momentFactor) {
    QFile file(QDir(NORVEL_BUILD_DIR).filePath("inputstart.txt"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray text = file.readAll();
    for (const char *section : {"*Gebrauchstauglichkeit:", "*Tragfaehigkeit:"}) {
        const int start = text.indexOf(section);
        const int end = text.indexOf('\n', start);
        QList<QByteArray> words = text.mid(start, end - start).simplified().split(' ');
        const double moment = words[1].toDouble() * momentFactor;
        const QByteArray line = QByteArray(section) + "\t\t" + QByteArray::number(moment, 'g', 6) +
                                "\t" + words[2];
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
    bool calculate(double momentFactor) {
        ++runNumber;
        const QString runFolder = QDir(work.path()).filePath(QString::number(runNumber));
        QDir().mkpath(runFolder);
        QFile input(QDir(runFolder).filePath("input.txt"));
        if (!input.open(QIODevice::WriteOnly)) return false;
        input.write(exampleInput(momentFactor));
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
        const auto rows = results::readNumberRows(stateFolder + results::outputFile, 4);
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
        for (const QString &tab : {QString("Plot"), QString("Gebrauchstauglichkeit"),
                                   tabText("Tragfähigkeit")}) {
            QVERIFY(showTab(window, tab));
            const QString file = QDir(NORVEL_BUILD_DIR)
                                     .filePath(QString("screen_%1_%2.png")
                                                   .arg(prefix, tab == "Plot" ? "plot"
                                                              : tab == "Gebrauchstauglichkeit" ? "gzg"
                                                                                               : "gzt"));
            QVERIFY(window.grab().save(file));
        }
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
        QCOMPARE(label->text(), QString("300kN / %1kNm").arg(400 * momentFactor));

        // Both cross-section views are drawn.
        const QList<MyGraphicsView *> views = window.findChildren<MyGraphicsView *>();
        QCOMPARE(views.size(), 2);
        for (MyGraphicsView *view : views) QVERIFY(!view->scene()->items().isEmpty());

        saveScreens(window, name);
    }

    // A run folder without results (the engine stopped before writing any, or
    // never ran) has no geometry: the drawing must not divide by its zero
    // height; both scenes and all stress and strain plots end up empty.
    void runFolderWithoutResultsEmptiesTheViews() {
        QVERIFY(calculate(1.0));
        MainWindow window;
        QVERIFY(QMetaObject::invokeMethod(&window, "oeffnenLetzteClicked"));
        const QList<MyGraphicsView *> views = window.findChildren<MyGraphicsView *>();
        QCOMPARE(views.size(), 2);
        for (MyGraphicsView *view : views) QVERIFY(!view->scene()->items().isEmpty());

        ++runNumber;
        const QString empty = QDir(work.path()).filePath(QString::number(runNumber));
        QVERIFY(QDir().mkpath(empty));
        QVERIFY(QFile::copy(QDir(NORVEL_BUILD_DIR).filePath("inputstart.txt"),
                            QDir(empty).filePath("input.txt")));
        const MainWindowProbe probe(window);
        QVERIFY(probe.summary(MainWindowProbe::Panel::Gzt).kappa != 0.0);
        QVERIFY(QMetaObject::invokeMethod(&window, "oeffnenLetzteClicked"));
        for (MyGraphicsView *view : views) QVERIFY(view->scene()->items().isEmpty());
        // No strain state of the run shown before survives in the report: all
        // three states read as zero, and with M_Ed = 0 each gets its zero line.
        for (auto panel : {MainWindowProbe::Panel::GzgOhneTs, MainWindowProbe::Panel::GzgMitTs,
                           MainWindowProbe::Panel::Gzt}) {
            const StateSummary state = probe.summary(panel);
            QCOMPARE(state.kappa, 0.0);
            QCOMPARE(state.z_na, 0.0);
            QCOMPARE(state.ei_i, 0.0);
        }
        QCOMPARE(probe.report()->toPlainText().count(tabText("\nϰ= 0‰/m\tZ_na= 0mm\tEI_i= 0kNm²")), 3);
        for (QCustomPlot *plot : plots(window)) {
            if (plot->xAxis->label() == "V [kN]") continue;  // curves without data and the design point
            // The moment–curvature frame keeps only its note.
            if (plot->graphCount() == 0 && plot->itemCount() == 1) continue;
            QCOMPARE(plot->graphCount(), 0);
            QCOMPARE(plot->itemCount(), 0);
        }
    }
};

QTEST_MAIN(ResultTabsTest)
#include "tst_result_tabs.moc"
