// "Norvel --batch FILE": a design calculated without display and without a
// window, report on standard output, engine errors on standard error with
// exit code 1.
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
        QTest::newRow("example") << "*Tragfaehigkeit:\t\t4e+08\t300000";
        QTest::newRow("hogging, Class 3") << "*Tragfaehigkeit:\t\t-6e+08\t3e+05";
        QTest::newRow("shear failure") << "*Tragfaehigkeit:\t\t4e+08\t1e+06";
    }

    void batchTextIsTheWindowsReportWithoutAnyGui() {
        QFETCH(QString, actions);
        const QString design = temp.filePath("entwurf.txt");
        QVERIFY(formdriver::writeText(
            design, formdriver::withLine(formdriver::exampleInputText(), "*Tragfaehigkeit:", actions)));
        const BatchResult result = batch({"--batch", design}, NORVEL_BUILD_DIR "/Norvel",
                                         qEnvironmentVariable("PATH"), "keine-plattform");
        QCOMPARE(result.err, QString());
        QCOMPARE(result.exitCode, 0);

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
        QVERIFY(result.out.contains("\nunter: V_Ed= 300kN \tM_Ed = 400kNm :"));
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

    // The example design hogging at -600 kNm, V_Ed = 300 kN: between M_el,Rd
    // (-530 kNm) and M_pl,Rd (-696 kNm). The hogging section is Class 3, so
    // the printed report fails the check and says why; the run itself succeeded.
    void classThreeHoggingDesignPrintsItsVerdict() {
        const QString design = temp.filePath("stuetze.txt");
        QVERIFY(formdriver::writeText(
            design, formdriver::withLine(formdriver::exampleInputText(), "*Tragfaehigkeit:",
                                         "*Tragfaehigkeit:\t\t-6e+08\t3e+05")));
        const BatchResult result = batch({"--batch", design});
        QCOMPARE(result.err, QString());
        QCOMPARE(result.exitCode, 0);
        const QString class3 = QString::fromUtf8("Querschnittsklasse 3: nur elastische Bemessung zulässig");
        QVERIFY2(result.out.contains(QString::fromUtf8("\n\nNICHT ERFÜLLT: ") + class3 +
                                     QString::fromUtf8(" (Ausnutzung η = ")),
                 qPrintable(result.out.left(800)));
        QVERIFY(result.out.contains("\nNegatives Moment (Richtung von M_Ed): Querschnittsklasse 3\n"));
        QVERIFY(result.out.contains("\nPositives Moment: Querschnittsklasse 1\n"));
        QVERIFY(result.out.contains(QString::fromUtf8("\nM_Ed = -600kNm\t\t<\tM_el_Rd(V_Ed) = ")));
        QVERIFY(result.out.contains("\n" + class3 + "\n"));
        QVERIFY(result.out.contains(QString::fromUtf8("EN 1994-1-1 5.5.2(3)")));
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
