// "Norvel --batch FILE": a design calculated without display and without a
// window, report on standard output; exit code 0 when every check is
// fulfilled, 2 when one is not (or not determined), 1 for an input or engine
// error on standard error.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "support/form_driver.h"
#include "support/window_probe.h"
#include "window/mainwindow.h"

namespace {

struct BatchResult {
    int exitCode = -1;
    QString out;
    QString err;
};

}  // namespace

class BatchModeTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir temp;

    // Runs Norvel without any display, and without a platform setting
    // unless one is given.
    BatchResult batch(const QStringList &arguments, const QString &program = NORVEL_BUILD_DIR "/Norvel",
                      const QString &path = qEnvironmentVariable("PATH"), const QString &platform = QString()) {
        QProcess norvel;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        if (!platform.isEmpty()) env.insert("QT_QPA_PLATFORM", platform);
        env.insert("STALVORA_WORK_DIR", temp.filePath("work"));
        env.insert("PATH", path);
        norvel.setProcessEnvironment(env);
        norvel.setWorkingDirectory(NORVEL_BUILD_DIR);
        norvel.start(program, arguments);
        BatchResult result;
        if (!norvel.waitForFinished(120000)) return result;
        result.exitCode = norvel.exitStatus() == QProcess::NormalExit ? norvel.exitCode() : -2;
        result.out = QString::fromUtf8(norvel.readAllStandardOutput());
        result.err = QString::fromUtf8(norvel.readAllStandardError());
        return result;
    }

private slots:
    // The report text needs no GUI: under a platform that does not exist,
    // which would end any program that opens a window or a widget, the batch
    // prints the report the window shows for the same design file.
    void batchTextIsTheWindowsReportWithoutAnyGui_data() {
        QTest::addColumn<QString>("actions");  // the *Tragfaehigkeit: line
        QTest::addColumn<int>("exitCode");
        QTest::newRow("example") << "*Tragfaehigkeit:\t\t4e+08\t300000" << 0;
        QTest::newRow("hogging, Class 3") << "*Tragfaehigkeit:\t\t-6e+08\t3e+05" << 0;
        // 1000 kN > V_pl,Rd = 875.07 kN of the IPE 400.
        QTest::newRow("shear failure") << "*Tragfaehigkeit:\t\t4e+08\t1e+06" << 2;
    }

    void batchTextIsTheWindowsReportWithoutAnyGui() {
        QFETCH(QString, actions);
        QFETCH(int, exitCode);
        const QString design = temp.filePath("entwurf.txt");
        QVERIFY(formdriver::writeText(
            design, formdriver::withLine(formdriver::exampleInputText(), "*Tragfaehigkeit:", actions)));
        const BatchResult result = batch({"--batch", design}, NORVEL_BUILD_DIR "/Norvel",
                                         qEnvironmentVariable("PATH"), "keine-plattform");
        QCOMPARE(result.err, QString());
        QCOMPARE(result.exitCode, exitCode);

        qputenv("STALVORA_WORK_DIR", temp.filePath("fenster").toLocal8Bit());
        MainWindow::setQuietMessages(true);
        MainWindow window;
        QVERIFY(formdriver::open(window, design));
        MainWindowProbe probe(window);
        probe.startButton()->click();
        QVERIFY(probe.waitForEngineEnd());
        // The head names the file and the time: the window's file is not saved.
        const auto body = [](const QString &report) {
            QStringList lines = report.split('\n');
            for (const char *head : {"Bemessungsdatei:", "Berechnet am:"})
                lines.erase(std::remove_if(lines.begin(), lines.end(),
                                           [head](const QString &l) { return l.startsWith(head); }),
                            lines.end());
            return lines;
        };
        QCOMPARE(body(result.out), body(probe.report()->toPlainText() + '\n'));
        QVERIFY(result.out.contains("\nBemessungsdatei:          " + design + "\n"));
    }

    void exampleDesignPrintsTheReport() {
        const BatchResult result = batch({"--batch", "inputstart.txt"});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.startsWith("\t\t    BEMESSUNGSPROTOKOLL\n"));
        // The head names the design file as given on the command line.
        QVERIFY(result.out.contains("\nBemessungsdatei:          inputstart.txt\n"));
        QVERIFY(result.out.contains("\nProfil:                   IPE400\n"));
        QVERIFY(result.out.contains("\nunter: V_Ed= 300 kN \tM_Ed = 400 kNm :"));
        QVERIFY(result.out.contains(QString::fromUtf8("\nϰ= ")));
        QVERIFY(result.out.contains(QString::fromUtf8("\nQUERKRAFTTRAGFÄHIGKEIT (nach EN 1994-1-1 6.2.2):")));
        // Sagging, Class 1: the plastic check passes; its verdict and the classes are printed.
        QVERIFY(result.out.contains(QString::fromUtf8("\n\nAlle Nachweise erfüllt (maximale Ausnutzung ")));
        QVERIFY(result.out.contains("\nPositives Moment (Richtung von M_Ed): Querschnittsklasse 1\n"));
        QVERIFY(result.out.contains("\nNegatives Moment: Querschnittsklasse 3\n"));
        // Calculated like the button does: a run folder with the input file.
        QVERIFY(QFile::exists(temp.filePath("work/1/input.txt")));
        QVERIFY(QFile::exists(temp.filePath("work/1/Tragfaehigkeitkeit/spannung_ohne_ts/output.txt")));
    }

    // The example hogging at -700 kNm, Class 3: neither the effective web
    // (700 / 641.5 = 1.09) nor the elastic route carries it; exit code 2.
    void classThreeHoggingDesignBeyondBothRoutes() {
        const QString design = temp.filePath("stuetze.txt");
        QVERIFY(formdriver::writeText(design, formdriver::withLine(formdriver::exampleInputText(), "*Tragfaehigkeit:",
                                                                   "*Tragfaehigkeit:\t\t-7e+08\t3e+05")));
        const BatchResult result = batch({"--batch", design});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.exitCode, 2);
        QVERIFY(result.out.contains(QString::fromUtf8("\n\nNICHT ERFÜLLT: Biegung nicht erfüllt (Ausnutzung η = 1.09)\n")));
        QVERIFY(result.out.contains(QString::fromUtf8("\nWeg 1 (maßgebend): wirksamer Steg")) &&
                result.out.contains(QString::fromUtf8("\nWeg 2: elastisch")));
    }

    void engineErrorGoesToStandardErrorWithExitCodeOne() {
        const QString design = temp.filePath("ungueltig.txt");
        QVERIFY(formdriver::writeText(
            design, formdriver::withLine(formdriver::exampleInputText(), "*Eigenschaften-Beton:",
                                         "*Eigenschaften-Beton:\t\tC30/37\t-1.5\t0.85\tON")));
        const BatchResult result = batch({"--batch", design});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.out, QString());
        QVERIFY2(result.err.startsWith("FEHLERMELDUNG"), qPrintable(result.err));
        QCOMPARE(result.err.count('\n'), 1);
    }

    void unreadableDesignFileIsAnError() {
        const BatchResult result = batch({"--batch", temp.filePath("fehlt.txt")});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.out, QString());
        QVERIFY(result.err.contains(temp.filePath("fehlt.txt")));
    }

    void rejectedValueStopsBeforeTheEngine() {
        // An unknown concrete class would leave another class in the form.
        const QString design = temp.filePath("klasse.txt");
        QVERIFY(formdriver::writeText(
            design, formdriver::withLine(formdriver::exampleInputText(), "*Eigenschaften-Beton:",
                                         "*Eigenschaften-Beton:\t\tC22/27\t1.5\t0.85\tON")));
        const BatchResult result = batch({"--batch", design});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.out, QString());
        QVERIFY(result.err.contains(QString::fromUtf8("Betonfestigkeitsklasse ungültig!")));
    }

    void engineIsSearchedOnPathWhenNotBesideTheProgram() {
        // A copy of Norvel in a folder without the engine.
        const QString alone = temp.filePath("alone/Norvel");
        QVERIFY(QDir().mkpath(temp.filePath("alone")));
        QVERIFY(QFile::copy(NORVEL_BUILD_DIR "/Norvel", alone));
        const QString path = QStringLiteral(NORVEL_BUILD_DIR) + ":" + qEnvironmentVariable("PATH");
        const BatchResult found = batch({"--batch", "inputstart.txt"}, alone, path);
        QCOMPARE(found.exitCode, 0);
        QVERIFY(found.out.startsWith("\t\t    BEMESSUNGSPROTOKOLL\n"));

        const BatchResult missing = batch({"--batch", "inputstart.txt"}, alone, "/nonexistent");
        QCOMPARE(missing.exitCode, 1);
        QCOMPARE(missing.out, QString());
        QCOMPARE(missing.err, "Das Rechenprogramm \"Stalvora2\" konnte nicht gestartet werden:\n" +
                                  temp.filePath("alone/Stalvora2") + "\n");
    }
};

QTEST_MAIN(BatchModeTest)
#include "tst_batch_mode.moc"
