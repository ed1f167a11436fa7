// Engine run of the window with a stand-in engine: run-folder numbering,
// field checks, console output, error and success boxes, markers split across
// output chunks, Windows-1252 text, one engine at a time, start failures.
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTemporaryDir>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextEdit>
#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>
#include <memory>

#include "run/engine_output.h"
#include "run/engine_process.h"
#include "support/form_driver.h"
#include "window/mainwindow.h"
#include "widgets/numberedit.h"
#include "support/result_fixtures.h"
#include "protocol/run_folders.h"
#include "results/result_panels.h"
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
        QCOMPARE(protocol::largestRunNumber(work.toStdString()), 10LL);
        QCOMPARE(protocol::nextRunFolder(work.toStdString()), (work + "11/").toStdString());
        QCOMPARE(protocol::largestRunNumber((work + "missing/").toStdString()), 0LL);
    }

    void latestRunFolderKeepsItsNameOnDisk() {
        // The engine calculates in "007", not in "7": "letzte Berechnung"
        // must read that folder, and the next run gets number 8.
        for (const char *name : {"3", "007", "abc"}) QDir(work).mkpath(name);
        QCOMPARE(protocol::latestRunFolder(work.toStdString()), (work + "007/").toStdString());
        QCOMPARE(protocol::nextRunFolder(work.toStdString()), (work + "8/").toStdString());
        QDir(work).mkpath("7");  // one number, two names: the shorter wins in both programs
        QCOMPARE(protocol::latestRunFolder(work.toStdString()), (work + "7/").toStdString());
        QCOMPARE(protocol::latestRunFolder((work + "missing/").toStdString()),
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

    // One message lists every field that cannot be used, by the symbol and
    // group the form shows; the console keeps the previous run's output.
    void everyBadFieldIsListedBySymbolAndGroup() {
        probe().console()->setPlainText("vorige Berechnung");
        formdriver::field(*window, "m_betonGamma")->setText("abc");
        formdriver::field(*window, "m_momen_g")->setText("");
        formdriver::field(*window, "m_baustahlGamma")->setText("7,5");  // 0 < γ_M ≤ 5
        probe().startButton()->click();
        QCOMPARE(window->messageLog(),
                 QStringList{u("Die Berechnung wurde nicht gestartet. Bitte diese Eingaben prüfen:\n"
                               "γ_c (Beton): „abc“ ist keine Zahl\n"
                               "γ_M (Baustahl): „7,5“ liegt außerhalb; zulässig ist 0 < γ_M ≤ 5\n"
                               "M_k (Gebrauchstauglichkeit): leeres Feld")});
        QCOMPARE(window->messageTitles(), QStringList{"Fehler"});
        QVERIFY(!QDir(work).exists());
        QVERIFY(!probe().process());
        QCOMPARE(probe().console()->toPlainText(), QString("vorige Berechnung"));

        // F5 is the button: refused the same way.
        window->clearMessageLog();
        formdriver::field(*window, "m_betonGamma")->setText("1,5");
        formdriver::field(*window, "m_baustahlGamma")->setText("1");
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(formdriver::field(*window, "m_betonGamma"), Qt::Key_F5);
        QCOMPARE(window->messageLog(),
                 QStringList{u("Die Berechnung wurde nicht gestartet. Bitte diese Eingaben prüfen:\n"
                               "M_k (Gebrauchstauglichkeit): leeres Feld")});
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
        // No box for success; the run folder holds no results.
        QVERIFY(window->messageLog().isEmpty());
        QCOMPARE(probe().statusMessage(), QString("Berechnung abgeschlossen: keine Ergebnisse"));
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
        QCOMPARE(window->messageTitles(), QStringList{"Fehler"});
        QCOMPARE(probe().report()->toPlainText(), QString("vorher"));
        QCOMPARE(probe().panelTexts(Panel::Gzt), QStringList{"alt"});
        QVERIFY(probe().console()->toPlainText().contains(u("Schnittgroeßen nicht bestimmbar")));
        QVERIFY(!probe().console()->toPlainText().contains("FEHLERMELDUNG:"));
    }

    // The engine's line for missing minimum reinforcement (spelled as the
    // engine writes it) is a warning: the run goes on and succeeds. The box
    // comes after the new results are shown and names the engine's numbers
    // (hand-set here: A_s,min = 800 mm² > A_s,vor = 523.599 mm²) and the
    // form's factors; the serviceability tab says the same.
    void minimumReinforcementWarningThenSuccess() {
        const QString results = temp->filePath("results");
        QVERIFY(fixtures::copyFolder(QString::fromStdString(fixtures::folder("results/worked_example")), results));
        QString verdicts = formdriver::readText(results + "/Nachweise.txt");
        verdicts.replace(QRegularExpression("mindestbewehrung[^\n]*"),
                         "mindestbewehrung\t800\t523.599\t1.52789\tnicht_erfuellt\tZugzone_oben");
        QVERIFY(formdriver::writeText(results + "/Nachweise.txt", verdicts));
        script("results:" + results.toLocal8Bit() + "\n"
               "err:FEHLERMELDUNG: Mindestbewehurng nicht vorhanden: Spannungsermittlung unter "
               "Beruecksichtigung von Tension Stiffening ergibt keine eindeutige Loesung\\n\n"
               "err:" + success.toLatin1() + "\\n\n");
        int messagesWhenShown = -1;
        connect(window.get(), &MainWindow::berechnungAbgeschlossen, this,
                [&]() { messagesWhenShown = window->messageLog().size(); });
        runAndWait();
        QCOMPARE(messagesWhenShown, 0);
        QCOMPARE(window->messageTitles(), (QStringList{"Warnung"}));
        const QString warning = window->messageLog().value(0);
        QVERIFY2(warning.startsWith(u("Mindestbewehrung nicht vorhanden: Spannungsermittlung unter Berücksichtigung "
                                      "von Tension Stiffening ergibt keine eindeutige Lösung")),
                 qPrintable(warning));
        for (const char *number : {"A_s,min = 800 mm² > A_s,vor = 523.6 mm², η = 1.53", "k_c = 0.4", "k = 0.8",
                                   "σ_s = 320 N/mm²", "f_ct,eff = 2.896 N/mm²"})
            QVERIFY2(warning.contains(u(number)), qPrintable(warning));
        QVERIFY(!probe().report()->toPlainText().isEmpty());
        QVERIFY(probe().statusMessage().startsWith("Berechnung abgeschlossen: "));
        // The console shows the engine's own line unchanged.
        QVERIFY(probe().console()->toPlainText().contains("FEHLERMELDUNG: Mindestbewehurng nicht vorhanden"));
        const QString panel = probe().panelTexts(Panel::Mindestbewehrung).join('\n');
        for (const char *text : {"A_s,min = 800 mm² &gt; A_s,vor = 523.6 mm²", "NACHWEIS NICHT ERFÜLLT",
                                 "beruht auf fehlender Mindestbewehrung"})
            QVERIFY2(panel.contains(u(text)), qPrintable(panel));
    }

    // Any other engine error stays an error, next to a warning of the same chunk.
    void engineErrorStaysAnErrorBesideTheWarning() {
        script("err:FEHLERMELDUNG: Mindestbewehurng nicht vorhanden\\n"
               "FEHLERMELDUNG: Schnittgroessen nicht bestimmbar\\n\n");
        runAndWait();
        QCOMPARE(window->messageLog(),
                 (QStringList{"FEHLERMELDUNG: Schnittgroessen nicht bestimmbar",
                              QString::fromUtf8(minimumReinforcementWarning)}));
        QCOMPARE(window->messageTitles(), (QStringList{"Fehler", "Warnung"}));
    }

    void successLineWithoutLineEndAtTheEnd() {
        script("err:" + success.toLatin1() + "\n");
        runAndWait();
        QVERIFY(window->messageLog().isEmpty());
        QVERIFY(probe().statusMessage().startsWith("Berechnung abgeschlossen: "));
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
        QVERIFY(window->messageLog().isEmpty());
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
                              u("ϰ = 4.5 [‰/m]"), "Nulllinie: Z = 415.3 [mm]",
                              "Ideelle Biegesteifigkeit:", u("EIi = 55560 [kNm²]")}));
        QCOMPARE(probe().panelTexts(Panel::GzgOhneTs).at(4), u("ϰ = 0.512 [‰/m]"));
        QCOMPARE(probe().panelTexts(Panel::GzgMitTs).at(4), u("ϰ = 0.62 [‰/m]"));
        QCOMPARE(probe().panelTexts(Panel::Nachweis),
                 fixtures::workedExampleCheckPanel());
        // The report prints the strain states the panels stored in this refresh.
        const QString report = probe().report()->toPlainText();
        // ϰ with three significant digits, Z_na and EI_i with four.
        QVERIFY(report.contains(u("\nϰ= 0.512 ‰/m\tZ_na= 398.8 mm\tEI_i= 292800 kNm²")));
        QVERIFY(report.contains(u("\nϰ= 0.62 ‰/m\tZ_na= 405.1 mm\tEI_i= 241900 kNm²")));
        QVERIFY(report.contains(u("\nϰ= 4.5 ‰/m\tZ_na= 415.3 mm\tEI_i= 55560 kNm²")));
        QCOMPARE(probe().statusMessage(), u("Berechnung abgeschlossen: alle Nachweise erfüllt"));
        // Read-only, opened at its top, in a fixed-width font that has every sign it prints.
        QTextEdit *box = probe().report();
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->textCursor().position(), 0);
        QCOMPARE(QFontInfo(box->font()).family(), QString("DejaVu Sans Mono"));
        QVERIFY(QFontInfo(box->font()).fixedPitch());
        QCOMPARE(box->font().pointSize(), 9);
        // Tabs every eight characters of the report as laid out, as in the batch
        // output (they were measured in the window font and columns ran together).
        QTextDocument laidOut;  // the box's text in its font and tab stops
        laidOut.setDefaultFont(box->document()->defaultFont());
        laidOut.setDefaultTextOption(box->document()->defaultTextOption());
        laidOut.setPlainText(box->toPlainText());
        const QTextBlock block = laidOut.find("Z_na=").block();
        laidOut.documentLayout()->blockBoundingRect(block);  // lays the block out
        const QTextLine line = block.layout()->lineAt(0);
        QVERIFY(line.isValid());
        const int afterTab = block.text().indexOf(QLatin1Char('\t')) + 1;
        const qreal column = line.cursorToX(1) - line.cursorToX(0);
        const qreal columns = (line.cursorToX(afterTab) - line.cursorToX(0)) / column;
        QVERIFY2(qAbs(columns - 8 * qRound(columns / 8)) < 0.01, qPrintable(QString::number(columns)));
        const QFontMetrics metrics(box->font());
        for (const QChar sign : u("‰ϰ≤≥²γ×ä"))
            QVERIFY2(metrics.inFont(sign), qPrintable(QString(sign)));
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
        QVERIFY(probe().report()->toPlainText().contains("\nunter: V_Ed= 80 kN \tM_Ed = 250 kNm :"));
        QVERIFY(window->messageLog().isEmpty());
        QVERIFY(!probe().process());
    }

    // The panel shows the engine's verdict, none of its own from output.txt (M_pl,Rd 300 > 250 kNm).
    void failedSectionStaysVisibleInTheCheckPanel() {
        QVERIFY(fixtures::copyFolder(FIXTURE_DIR "/results/worked_example", work + "1"));
        fixtures::writeFile(work + "1/Tragfaehigkeitkeit/spannung_ohne_ts/output.txt",
                            "Querschnittsversagen \n");
        QFile::remove(work + "1/Nachweise.txt");
        QVERIFY(QFile::copy(FIXTURE_DIR "/results/section_failure/Nachweise.txt", work + "1/Nachweise.txt"));
        probe().openLastCalculation();
        const QStringList check = probe().panelTexts(Panel::Nachweis);
        QCOMPARE(check.at(BendingRow),
                 u("<font color='red'>M_Ed = 1500 kNm &gt; M_pl,Rd(V_Ed) = 982.1 kNm, η = 1.53</font>"));
        QCOMPARE(check.at(OutcomeRow), u("<font color='red'>Biegung nicht erfüllt</font>"));
        QCOMPARE(probe().statusMessage(), u("Berechnung abgeschlossen: Biegung nicht erfüllt"));
        // No state row: the GZT panel keeps the actions and says why the rest is missing.
        const QString missing = "nicht ermittelt (Querschnittsversagen)";
        QCOMPARE(probe().panelTexts(Panel::Gzt),
                 (QStringList{"Einwirkungen:", "VEd = -80 [kN]", "MEd = 250 [kNm]", "Dehnung:",
                              u("ϰ: ") + missing, "Nulllinie: " + missing,
                              "Ideelle Biegesteifigkeit:", "EIi: " + missing}));
    }

    // Without any run folder there is nothing to show: a note, and nothing changes.
    void lastCalculationWithoutRunFolderChangesNothing() {
        QDir(work).mkpath("abc");  // a folder that is no run folder
        probe().report()->setPlainText("vorher");
        probe().panelLayout(Panel::Nachweis)->addWidget(new QLabel("alt"));
        formdriver::field(*window, "m_momen_t")->setText("123");
        const std::string runFolder = probe().runFolder();
        probe().openLastCalculation();
        QCOMPARE(window->messageLog(), QStringList{"Es liegt noch keine Berechnung vor."});
        QCOMPARE(probe().report()->toPlainText(), QString("vorher"));
        QCOMPARE(probe().panelTexts(Panel::Nachweis), QStringList{"alt"});
        QCOMPARE(formdriver::field(*window, "m_momen_t")->text(), QString("123"));
        QCOMPARE(probe().runFolder(), runFolder);
        QCOMPARE(probe().statusMessage(), QString());
    }
};

QTEST_MAIN(EngineRunTest)
#include "tst_engine_run.moc"
