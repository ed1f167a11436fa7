// Engine run of the window with a stand-in engine: run-folder numbering,
// field checks, console output, error and success boxes, markers split across
// output chunks, Windows-1252 text, one engine at a time, start failures.
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <memory>

#include "run/engine_output.h"
#include "run/engine_process.h"
#include "support/form_driver.h"
#include "window/mainwindow.h"
#include "widgets/numberedit.h"
#include "support/result_fixtures.h"
#include "files/run_folder.h"
#include "support/window_probe.h"

using Panel = MainWindowProbe::Panel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

const QString success = "Berechnung wurde erfolgreich abgeschlossen";

}  // namespace

class EngineRunTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> temp;
    std::unique_ptr<MainWindow> window;
    QString work;  // work folder with trailing "/"

    // The stand-in engine follows this script (see fake_engine.cpp).
    void script(const QByteArray &commands) {
        const QString path = temp->filePath("script.txt");
        fixtures::writeFile(path, commands);
        qputenv("FAKE_ENGINE_SCRIPT", path.toLocal8Bit());
    }

    MainWindowProbe probe() { return MainWindowProbe(*window); }

    void runAndWait() {
        probe().startButton()->click();
        QVERIFY(probe().waitForEngineEnd());
    }

private slots:
    void initTestCase() { MainWindow::setQuietMessages(true); }

    void init() {
        temp = std::make_unique<QTemporaryDir>();
        work = temp->filePath("work") + "/";
        qputenv("STALVORA_WORK_DIR", work.toLocal8Bit());
        EngineProcess::setEngineProgram(FAKE_ENGINE_EXE);
        window = std::make_unique<MainWindow>();
        window->clearMessageLog();
    }

    void cleanup() {
        window.reset();
        EngineProcess::setEngineProgram(QString());
        temp.reset();
    }

    // --- pure parts -------------------------------------------------------

    void nextRunNumberSkipsNamesThatAreNoNumbers() {
        for (const char *name : {"1", "2", "10", "abc", "7x"}) QDir(work).mkpath(name);
        fixtures::writeFile(work + "12", "a file, not a run folder");
        QCOMPARE(largestRunNumber(work.toStdString()), 10LL);
        QCOMPARE(nextRunFolder(work.toStdString()), (work + "11/").toStdString());
        QCOMPARE(largestRunNumber((work + "missing/").toStdString()), 0LL);
    }

    void latestRunFolderKeepsItsNameOnDisk() {
        // The engine calculates in "007", not in "7": "letzte Berechnung"
        // must read that folder, and the next run gets number 8.
        for (const char *name : {"3", "007", "abc"}) QDir(work).mkpath(name);
        QCOMPARE(latestRunFolder(work.toStdString()), (work + "007/").toStdString());
        QCOMPARE(nextRunFolder(work.toStdString()), (work + "8/").toStdString());
        QDir(work).mkpath("7");  // one number, two names: the shorter wins in both programs
        QCOMPARE(latestRunFolder(work.toStdString()), (work + "7/").toStdString());
        QCOMPARE(latestRunFolder((work + "missing/").toStdString()),
                 (work + "missing/0/").toStdString());
    }

    void errorLinesAreReportedWhenComplete() {
        EngineErrorLines lines;
        // The marker is split inside its word; nothing is reported until the line ends.
        EngineReport first = lines.add("FEHLERMEL");
        QVERIFY(first.errorLines.isEmpty());
        first = lines.add("DUNG: Schnittgroe\xDF");
        QVERIFY(first.errorLines.isEmpty());
        const EngineReport second = lines.add("en fehlen\nBerechnung wurde erfolg");
        QCOMPARE(second.errorLines, QStringList{u("FEHLERMELDUNG: Schnittgroeßen fehlen")});
        QVERIFY(!second.succeeded);
        const EngineReport third = lines.add("reich abgeschlossen\r\n");
        QVERIFY(third.succeeded);
        QVERIFY(third.errorLines.isEmpty());
        // Seen once: nothing is left for the end of the process.
        QVERIFY(!lines.hasPendingLine());
        QVERIFY(!lines.finish().succeeded);
    }

    void lastLineWithoutLineEndCountsAtTheEnd() {
        EngineErrorLines lines;
        QVERIFY(!lines.add("FEHLERMELDUNG: kein gueltiger Ordner").errorLines.size());
        QVERIFY(lines.hasPendingLine());
        QCOMPARE(lines.finish().errorLines, QStringList{"FEHLERMELDUNG: kein gueltiger Ordner"});
        QVERIFY(lines.finish().errorLines.isEmpty());
    }

    void engineTextIsWindows1252() {
        QCOMPARE(decodeEngineText("Tragf\xE4higkeit Schnittgr\xF6\xDF" "e \x80"),
                 u("Tragfähigkeit Schnittgröße €"));
    }

    void engineIsFoundBesideTheProgram() {
        EngineProcess::setEngineProgram(QString());
        QCOMPARE(EngineProcess::engineProgram(), QDir(NORVEL_BUILD_DIR).filePath("Stalvora2"));
    }

    // --- window ------------------------------------------------------------

    void firstRunCreatesWorkFolderAndRunFolderOne() {
        script("err:" + success.toLatin1() + "\\n");
        QVERIFY(!QDir(work).exists());
        runAndWait();
        QVERIFY(QFile::exists(work + "1/input.txt"));
        QCOMPARE(probe().runFolder(), (work + "1/").toStdString());
        // The written input is the form's design.
        const QString input = formdriver::readText(work + "1/input.txt");
        QVERIFY(input.contains("*Tragfaehigkeit:"));
    }

    void onlyTheFirstBadFieldIsReported() {
        formdriver::field(*window, "m_betonGamma")->setText("abc");
        formdriver::field(*window, "m_momen_g")->setText("");
        probe().startButton()->click();
        QCOMPARE(window->messageLog(), QStringList{u("Ungültiges Feld: m_betonGamma")});
        QVERIFY(!QDir(work).exists());
        QVERIFY(!probe().process());

        window->clearMessageLog();
        formdriver::field(*window, "m_betonGamma")->setText("1.5");
        probe().startButton()->click();
        QCOMPARE(window->messageLog(), QStringList{"Leeres Feld: m_momen_g"});
        QVERIFY(!probe().process());
    }

    void successSplitAcrossChunksRefreshesOnce() {
        script("out:Aktuelles Verzeichnis: x\\n\n"
               "sleep:150\n"
               "err:Berechnung wurde erfol\n"
               // A long pause, so the two pieces arrive apart even on a loaded machine.
               "sleep:1000\n"
               "err:greich abgeschlossen\\n\n");
        probe().report()->setPlainText("vorher");
        runAndWait();
        QCOMPARE(window->messageLog(), QStringList{success});
        QVERIFY(probe().report()->toPlainText().startsWith("\t\t    BEMESSUNGSPROTOKOLL"));
        const QString console = probe().console()->toPlainText();
        QVERIFY(console.contains("Aktuelles Verzeichnis: x"));
        // The line reached the window in two pieces, as two paragraphs.
        QVERIFY(console.contains("Berechnung wurde erfol"));
        QVERIFY(!console.contains(success));
    }

    void errorSplitAcrossChunksShowsOneBoxAndNoRefresh() {
        script("err:FEHLERMEL\n"
               "sleep:1000\n"
               "err:DUNG: Schnittgroe\xDF" "en nicht bestimmbar\\n\n"
               "out:Ende\\n\n");
        probe().report()->setPlainText("vorher");
        probe().panelLayout(Panel::Gzt)->addWidget(new QLabel("alt"));
        runAndWait();
        QCOMPARE(window->messageLog(), QStringList{u("FEHLERMELDUNG: Schnittgroeßen nicht bestimmbar")});
        QCOMPARE(probe().report()->toPlainText(), QString("vorher"));
        QCOMPARE(probe().panelTexts(Panel::Gzt), QStringList{"alt"});
        QVERIFY(probe().console()->toPlainText().contains(u("Schnittgroeßen nicht bestimmbar")));
        QVERIFY(!probe().console()->toPlainText().contains("FEHLERMELDUNG:"));
    }

    void errorThenSuccessShowsBothInOrder() {
        script("err:FEHLERMELDUNG: Mindestbewehurng nicht vorhanden\\n\n"
               "err:" + success.toLatin1() + "\\n\n");
        runAndWait();
        QCOMPARE(window->messageLog(),
                 (QStringList{"FEHLERMELDUNG: Mindestbewehurng nicht vorhanden", success}));
        QVERIFY(!probe().report()->toPlainText().isEmpty());
    }

    void successLineWithoutLineEndAtTheEnd() {
        script("err:" + success.toLatin1() + "\n");
        runAndWait();
        QCOMPARE(window->messageLog(), QStringList{success});
    }

    void endWithoutSuccessLeavesResultsAlone() {
        script("out:Gebrauchstauglichkeit :\\t\\n\n");
        probe().report()->setPlainText("vorher");
        runAndWait();
        QVERIFY(window->messageLog().isEmpty());
        QCOMPARE(probe().report()->toPlainText(), QString("vorher"));
    }

    void oneEngineAtATimeAndEachProcessIsReleased() {
        script("sleep:600\nerr:" + success.toLatin1() + "\\n\n");
        probe().startButton()->click();
        QPointer<QProcess> process = probe().process();
        QVERIFY(process);
        QVERIFY(!probe().startButton()->isEnabled());
        probe().startButton()->click();  // ignored: the engine still runs
        QVERIFY(probe().waitForEngineEnd());
        QVERIFY(probe().startButton()->isEnabled());
        QCOMPARE(QDir(work).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"1"});
        QCOMPARE(window->messageLog(), QStringList{success});
        QTRY_VERIFY(process.isNull());
        QVERIFY(!probe().process());
    }

    void engineThatCannotStartIsReported() {
        const QString missing = temp->filePath("nirgends/Stalvora2");
        EngineProcess::setEngineProgram(missing);
        probe().startButton()->click();
        QVERIFY(probe().waitForEngineEnd());
        QCOMPARE(window->messageLog(),
                 QStringList{"Das Rechenprogramm \"Stalvora2\" konnte nicht gestartet werden:\n" +
                             missing});
        QVERIFY(probe().startButton()->isEnabled());
        QVERIFY(!probe().process());
    }

    void unwritableInputStartsNoEngine() {
        // The work folder is a file: the run folder cannot be created.
        fixtures::writeFile(temp->filePath("work"), "kein Ordner");
        script("err:" + success.toLatin1() + "\\n\n");
        probe().startButton()->click();
        QVERIFY(probe().waitForEngineEnd());
        QCOMPARE(window->messageLog(), QStringList{"Schreiben der Datei ist fehlgeschlagen!"});
        QVERIFY(!probe().process());
    }

    void refreshShowsTheRunFolderResults() {
        script("results:" + QByteArray(FIXTURE_DIR) + "/results/worked_example\n"
               "err:" + success.toLatin1() + "\\n\n");
        runAndWait();
        QCOMPARE(probe().panelTexts(Panel::Gzt),
                 (QStringList{"Einwirkungen:", "VEd = -80 [kN]", "MEd = 250 [kNm]", "Dehnung:",
                              u("ϰ = 4.5 [‰/m]"), "Nullinie: Z = 415.25 [mm]",
                              "Ideelle Biegesteifigkeit:", u("EIi = 55555.6 [kNm²]")}));
        QCOMPARE(probe().panelTexts(Panel::GzgOhneTs).at(4), u("ϰ = 0.51234 [‰/m]"));
        QCOMPARE(probe().panelTexts(Panel::GzgMitTs).at(4), u("ϰ = 0.62 [‰/m]"));
        QCOMPARE(probe().panelTexts(Panel::Nachweis),
                 fixtures::workedExampleCheckPanel());
        // The report prints the strain states the panels stored in this refresh.
        const QString report = probe().report()->toPlainText();
        QVERIFY(report.contains(u("\nϰ= 0.51234‰/m\tZ_na= 398.765mm\tEI_i= 292774kNm²")));
        QVERIFY(report.contains(u("\nϰ= 0.62‰/m\tZ_na= 405.1mm\tEI_i= 241935kNm²")));
        QVERIFY(report.contains(u("\nϰ= 4.5‰/m\tZ_na= 415.25mm\tEI_i= 55555.6kNm²")));
        QCOMPARE(probe().report()->font().family(), QFont("Courier", 9).family());
        QCOMPARE(probe().report()->font().pointSize(), 9);
    }

    void newRunZeroesTheStoredStates() {
        // A run whose state files hold no row leaves the states at 0, not at
        // the values of the previous refresh.
        script("results:" + QByteArray(FIXTURE_DIR) + "/results/worked_example\n"
               "err:" + success.toLatin1() + "\\n\n");
        runAndWait();
        QCOMPARE(probe().summary(Panel::Gzt).kappa, 4.5);
        script("err:" + success.toLatin1() + "\\n\n");
        runAndWait();
        QCOMPARE(probe().summary(Panel::Gzt).kappa, 0.0);
        QCOMPARE(probe().summary(Panel::GzgOhneTs).ei_i, 0.0);
    }

    void lastCalculationShowsTheNewestRunFolder() {
        QVERIFY(fixtures::copyFolder(FIXTURE_DIR "/results/worked_example", work + "7"));
        QDir(work).mkpath("3");
        QDir(work).mkpath("abc");
        formdriver::writeText(work + "7/input.txt",
                              formdriver::withLine(formdriver::exampleInputText(), "*Tragfaehigkeit:",
                                                   "*Tragfaehigkeit:\t\t2.5e+08\t-80000"));
        probe().openLastCalculation();
        QCOMPARE(probe().runFolder(), (work + "7/").toStdString());
        QCOMPARE(formdriver::field(*window, "m_momen_t")->text(), QString("250"));
        QCOMPARE(formdriver::field(*window, "m_querkraft_t")->text(), QString("-80"));
        QCOMPARE(probe().panelTexts(Panel::Gzt).at(2), QString("MEd = 250 [kNm]"));
        QVERIFY(probe().report()->toPlainText().contains("\nunter: V_Ed= 80kN \tM_Ed = 250kNm :"));
        QVERIFY(window->messageLog().isEmpty());
        QVERIFY(!probe().process());
    }

    void failedSectionStaysVisibleInTheCheckPanel() {
        QVERIFY(fixtures::copyFolder(FIXTURE_DIR "/results/worked_example", work + "1"));
        fixtures::writeFile(work + "1/Tragfaehigkeitkeit/spannung_ohne_ts/output.txt",
                            "Querschnittsversagen \n");
        probe().openLastCalculation();
        const QStringList check = probe().panelTexts(Panel::Nachweis);
        QCOMPARE(check.at(6), QString("<font color='red'>Versagen des Querschnitts!</font>"));
        QCOMPARE(check.at(7), QString());
        // No state row: the GZT panel keeps its captions only.
        QCOMPARE(probe().panelTexts(Panel::Gzt),
                 (QStringList{"Einwirkungen:", "", "", "Dehnung:", "", "",
                              "Ideelle Biegesteifigkeit:", ""}));
    }
};

QTEST_MAIN(EngineRunTest)
#include "tst_engine_run.moc"
