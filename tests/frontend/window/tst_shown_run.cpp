// Which design the results in the window belong to: the design file the
// report and its PDF name, and the status bar's line about the results
// after the form was edited, reset or replaced by another file. The run shown
// is the hand-written shear-failure run folder with its input.txt.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "plots/plot_export.h"
#include "run/engine_process.h"
#include "widgets/mygraphicsview.h"
#include "support/form_driver.h"
#include "widgets/numberedit.h"
#include "support/result_fixtures.h"
#include "support/window_probe.h"
#include "window/mainwindow.h"
#include "window/report_actions.h"
#include "window/run_status.h"
#include "window/shown_run.h"

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

QAction *fileMenuAction(MainWindow &window, const QString &text) {
    for (QAction *menu : window.menuBar()->actions()) {
        if (!menu->menu() || QString(menu->text()).remove('&') != "Datei") continue;
        for (QAction *action : menu->menu()->actions())
            if (QString(action->text()).remove('&').remove("...").remove(u("…")) == text) return action;
    }
    return nullptr;
}

// The report's line "Bemessungsdatei: …", its value.
QString reportDesignFile(const QString &report) {
    for (const QString &line : report.split('\n'))
        if (line.startsWith("Bemessungsdatei:")) return line.mid(QString("Bemessungsdatei:").size()).trimmed();
    return QString();
}

const QString shearOutcome = "Berechnung abgeschlossen: Querkraftversagen";

}  // namespace

class ShownRunTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir work;
    QTemporaryDir files;
    QString runInput;  // the shown run's input.txt

private slots:
    void initTestCase() {
        QVERIFY(work.isValid() && files.isValid());
        qputenv("STALVORA_WORK_DIR", work.path().toLocal8Bit() + "/");
        QVERIFY(fixtures::copyFolder(QString::fromStdString(fixtures::folder("results/shear_failure")),
                                     QDir(work.path()).filePath("1")));
        runInput = QDir(work.path()).filePath("1/input.txt");
        MainWindow::setQuietMessages(true);
    }

    void cleanup() { reportoutput::setPdfChooser(reportoutput::PdfChooser()); }

    // The record alone: which file names the shown run, and whether the
    // form still holds its input.
    void designFileOfTheShownRun_data() {
        QTest::addColumn<QStringList>("steps");  // "start form file", "shown", "save form file", "earlier form file"
        QTest::addColumn<QString>("designFile");
        QTest::addColumn<QString>("form");  // the form now
        QTest::addColumn<bool>("changed");
        QTest::newRow("saved design calculated") << QStringList{"start A a.txt", "shown"} << "a.txt" << "A" << false;
        QTest::newRow("unsaved form calculated") << QStringList{"start A -", "shown"} << "" << "A" << false;
        QTest::newRow("form edited afterwards") << QStringList{"start A a.txt", "shown"} << "a.txt" << "B" << true;
        QTest::newRow("calculated form saved afterwards")
            << QStringList{"start A -", "shown", "save A a.txt"} << "a.txt" << "A" << false;
        // Another file opened (or the edited form saved) does not hold the run's input.
        QTest::newRow("other form saved afterwards")
            << QStringList{"start A a.txt", "shown", "save B b.txt"} << "a.txt" << "B" << true;
        QTest::newRow("saved while the engine runs")
            << QStringList{"start A -", "save A a.txt", "shown"} << "a.txt" << "A" << false;
        // A started calculation that never finished leaves the run shown before.
        QTest::newRow("failed calculation")
            << QStringList{"start A a.txt", "shown", "start B b.txt"} << "a.txt" << "B" << true;
        QTest::newRow("last calculation") << QStringList{"earlier C -"} << "" << "C" << false;
        QTest::newRow("nothing shown") << QStringList{"start A a.txt"} << "" << "B" << false;
    }
    void designFileOfTheShownRun() {
        QFETCH(QStringList, steps);
        QFETCH(QString, designFile);
        QFETCH(QString, form);
        QFETCH(bool, changed);
        ShownRun run;
        int folder = 0;
        for (const QString &step : steps) {
            const QStringList w = step.split(' ');
            const QString file = w.value(2) == "-" ? QString() : w.value(2);
            if (w[0] == "start") run.calculationStarted(w[1], file);
            if (w[0] == "shown") run.calculationShown("/arbeit/" + std::to_string(++folder) + "/");
            if (w[0] == "save") run.formSaved(w[1], file);
            if (w[0] == "earlier") run.runShown("/arbeit/9/", w[1], file);
        }
        QCOMPARE(run.designFile(), designFile);
        QCOMPARE(run.inputChanged(form), changed);
    }

    // The report handed in names the file that holds the calculated input,
    // never the file that happens to be open: a PDF named after another
    // design would carry that design's name on these results.
    void reportNamesTheDesignOfTheRunNotTheOpenFile() {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.openLastCalculation();
        QCOMPARE(reportDesignFile(probe.report()->toPlainText()), QString("nicht gespeichert"));

        // Saved as it was calculated: the file names the run.
        const QString saved = files.filePath("querkraft.txt");
        const QString other = files.filePath("anderer.txt");
        QStringList chosen{saved, other};
        probe.setFileChooser([&chosen](filedialogs::Mode, const QString &) { return chosen.takeFirst(); });
        probe.setUnsavedPrompt([](const QString &) { return unsavedchanges::Answer::Discard; });
        fileMenuAction(window, "Speichern unter")->trigger();
        QVERIFY(QFile::exists(saved));
        QCOMPARE(reportDesignFile(probe.report()->toPlainText()), saved);

        // Another design opened: the results and their report stay those of the run.
        QString otherText = formdriver::withLine(formdriver::readText(runInput), "*Tragfaehigkeit:",
                                                 "*Tragfaehigkeit:\t\t2e+08\t1e+05");
        QVERIFY(formdriver::writeText(other, otherText));
        fileMenuAction(window, u("Öffnen"))->trigger();
        QCOMPARE(QString::fromStdString(probe.documentPath()), other);
        QCOMPARE(reportDesignFile(probe.report()->toPlainText()), saved);
        QString suggested;
        const QString pdf = files.filePath("protokoll.pdf");
        reportoutput::setPdfChooser([&](QWidget *, const QString &proposal) {
            suggested = proposal;
            return pdf;
        });
        fileMenuAction(window, u("Protokoll als PDF exportieren"))->trigger();
        QCOMPARE(suggested, files.filePath("querkraft.pdf"));
        QVERIFY(QFile::exists(pdf));
        // The status bar says the results are not those of the form.
        QCOMPARE(probe.statusMessage(), RunStatus::changedText(shearOutcome));
    }

    // Editing the form marks the results; undoing the edit removes the mark.
    void statusSaysWhenTheFormNoLongerHoldsTheInput() {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.openLastCalculation();
        QCOMPARE(probe.statusMessage(), shearOutcome);
        NumberEdit *moment = formdriver::field(window, "m_momen_t");
        const QString calculated = moment->text();
        moment->setText("1500");
        QCOMPARE(probe.statusMessage(), RunStatus::changedText(shearOutcome));
        moment->setText(calculated);
        QCOMPARE(probe.statusMessage(), shearOutcome);
        fileMenuAction(window, "Neu")->trigger();
        QCOMPARE(probe.statusMessage(), RunStatus::changedText(shearOutcome));
    }

    // A menu shows the status tips of its entries in the status bar and
    // clears them on leaving: the outcome of the run stays.
    void outcomeOutlastsTheStatusTipsOfMenus() {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.openLastCalculation();
        QCOMPARE(probe.statusMessage(), shearOutcome);
        QStatusTipEvent tip(runInput);
        QApplication::sendEvent(&window, &tip);
        QCOMPARE(probe.statusMessage(), runInput);
        QStatusTipEvent none{QString()};
        QApplication::sendEvent(&window, &none);
        QCOMPARE(probe.statusMessage(), shearOutcome);
    }

    // A calculation the engine rejects leaves the results of the run before
    // on the tabs: the report, its PDF and a later "Speichern unter" stay
    // with that run and never turn to the rejected run folder.
    void rejectedCalculationKeepsTheRunShown() {
        QTemporaryDir own;
        QVERIFY(own.isValid());
        const QByteArray previousWork = qgetenv("STALVORA_WORK_DIR");
        qputenv("STALVORA_WORK_DIR", own.path().toLocal8Bit() + "/");
        EngineProcess::setEngineProgram(FAKE_ENGINE_EXE);
        const QString script = own.filePath("script.txt");
        qputenv("FAKE_ENGINE_SCRIPT", script.toLocal8Bit());
        {
            MainWindow window;
            MainWindowProbe probe(window);
            fixtures::writeFile(script, "results:" + QByteArray(fixtures::folder("results/shear_failure").c_str()) +
                                            "\nerr:Berechnung wurde erfolgreich abgeschlossen\\n\n");
            formdriver::field(window, "m_querkraft_t")->setText("1000");  // the fixture run's V_Ed
            probe.startButton()->click();
            QVERIFY(probe.waitForEngineEnd());
            const QString shown = probe.report()->toPlainText();
            QVERIFY(shown.contains("nicht ermittelt (Querkraftversagen)"));
            QCOMPARE(probe.statusMessage(), shearOutcome);

            fixtures::writeFile(script, "err:FEHLERMELDUNG: Eingabe abgewiesen\\n\n");
            NumberEdit *moment = formdriver::field(window, "m_momen_t");
            const QString calculated = moment->text();
            moment->setText("450");
            probe.startButton()->click();
            QVERIFY(probe.waitForEngineEnd());
            QVERIFY(window.messageLog().contains("FEHLERMELDUNG: Eingabe abgewiesen"));
            QVERIFY(probe.statusMessage().endsWith("Berechnung abgebrochen: Eingabe abgewiesen"));
            QCOMPARE(probe.runFolder(), (own.path() + "/2/").toStdString());

            // The form as calculated for the run shown, saved: the report of
            // that run now names the file.
            moment->setText(calculated);
            const QString saved = own.filePath("entwurf.txt");
            probe.setFileChooser([&saved](filedialogs::Mode, const QString &) { return saved; });
            fileMenuAction(window, "Speichern unter")->trigger();
            QVERIFY(QFile::exists(saved));
            const QString named = probe.report()->toPlainText();
            QCOMPARE(reportDesignFile(named), saved);
            QCOMPARE(QString(named).remove(saved), QString(shown).remove("nicht gespeichert"));
            const QString pdf = own.filePath("protokoll.pdf");
            reportoutput::setPdfChooser([&](QWidget *, const QString &) { return pdf; });
            window.clearMessageLog();
            fileMenuAction(window, u("Protokoll als PDF exportieren"))->trigger();
            QVERIFY2(QFile::exists(pdf), qPrintable(window.messageLog().join('\n')));
            // The drawing of the tab "Plot" still copies the dimensions of that run.
            PlotExport *drawing = nullptr;
            for (MyGraphicsView *view : window.findChildren<MyGraphicsView *>())
                if (PlotExport::of(view)) drawing = PlotExport::of(view);
            QVERIFY(drawing);
            QVERIFY2(drawing->valuesText().contains("h\t400"), qPrintable(drawing->valuesText()));
        }
        EngineProcess::setEngineProgram(QString());
        qputenv("STALVORA_WORK_DIR", previousWork);
    }
};

QTEST_MAIN(ShownRunTest)
#include "tst_shown_run.moc"
