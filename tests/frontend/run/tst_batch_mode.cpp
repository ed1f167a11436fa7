// "Norvel --batch FILE": a design calculated without display or window, report on standard output;
// exit code 0 when every check is fulfilled, 2 when one is not (or not determined), 1 for an input
// or engine error on standard error.
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

QString u(const char *text) { return QString::fromUtf8(text); }

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

    // Runs Norvel without any display, under a platform that does not exist.
    BatchResult batch(const QStringList &arguments, const QString &program = NORVEL_BUILD_DIR "/Norvel",
                      const QString &path = qEnvironmentVariable("PATH")) {
        QProcess norvel;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("QT_QPA_PLATFORM", "keine-plattform");
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
    // prints the report the window shows for the same design file, with these
    // lines and exit code 0, or 2 where a check fails.
    // Studs of 19 mm, f_u 450, C30/37: P_Rd = min(81.66, 83.13) kN (shank); N_c,f = f_yd A_a = 2998 kN;
    // eta_min = 1 - (0.75 - 0.03 * 8) = 0.490. 18 studs: 1470 kN, eta = 0.490, M_Rd(eta) = 795.6 kNm
    // (by hand); 17 studs: 1388 kN, eta = 0.463. Ribs across 50 mm, b_0 = 150, n_r = 2: k_t,max = 0.70.
    void batchReportAndExitCode_data() {
        QTest::addColumn<QString>("replaced");  // a line replacing the one of its keyword, or nothing
        QTest::addColumn<int>("studs");        // a *Verbundmittel: line with that many studs, or none
        QTest::addColumn<QString>("ribs");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("example") << QString() << 0 << QString() << 0 << QStringList();
        // 1000 kN > V_pl,Rd = 875.07 kN of the IPE 400.
        QTest::newRow("shear failure") << "*Tragfaehigkeit:\t\t4e+08\t1e+06" << 0 << QString() << 2 << QStringList();
        // Hogging at -700 kNm, Class 3: neither the effective web (700 / 641.5 = 1.09) nor the elastic route.
        QTest::newRow("hogging beyond both routes")
            << "*Tragfaehigkeit:\t\t-7e+08\t3e+05" << 0 << QString() << 2
            << QStringList{u("\n\nNICHT ERFÜLLT: Biegung nicht erfüllt (Ausnutzung η = 1.09)\n")};
        // The window takes the studs from the file and writes them into the run's input.
        QTest::newRow("18 studs")
            << QString() << 18 << "keine" << 0
            << QStringList{u("= min(81.66 kN; 83.13 kN) = 81.66 kN, maßgebend: Dübelschaft"),
                           u("= min(18 · 81.66 kN; 2998 kN) = 1470 kN"), u("η_min = 0.49 (gleiche"),
                           u("M_Ed = 400 kNm ≤ M_Rd(η)(V_Ed) = 795.6 kNm"), u("η = N_c/N_c,f = 0.4902 ≥ η_min = 0.49"),
                           u("Stahlträgers klassifiziert → Klasse 1)"),  // its axis 388.0 mm > 386.5: in the flange
                           u("\nMINDESTVERDÜBELUNGSGRAD EINGEHALTEN!"), u("maximale Ausnutzung 0.9996)"),
                           u("vollständiger Verdübelung,\nmaßgebend M_Rd(η)(V_Ed) = 795.6 kNm\n")};
        QTest::newRow("17 studs") << QString() << 17 << "keine" << 2
                                  << QStringList{u("= 1388 kN"), u("η = N_c/N_c,f = 0.463 < η_min = 0.49"),
                                                 u("NICHT ERFÜLLT: Mindestverdübelungsgrad nicht eingehalten")};
        QTest::newRow("ribs across") << "*Geometrie-Beton:\t160\t2000\t50\t150" << 30 << "quer" << 0
                                     << QStringList{u("k_t = 0.7 ("), u("= min(30 · 57.16 kN; 2998 kN) = 1715 kN"),
                                                    u("η = N_c/N_c,f = 0.572 ≥ η_min = 0.49")};
    }

    void batchReportAndExitCode() {
        QFETCH(QString, replaced);
        QFETCH(int, studs);
        QFETCH(QString, ribs);
        QString text = formdriver::exampleInputText();
        if (!replaced.isEmpty()) text = formdriver::withLine(text, replaced.section('\t', 0, 0), replaced);
        if (studs > 0) text += QString("*Verbundmittel:\t19\t100\t450\t%1\t8000\t%2\t2\t0.88\n").arg(studs).arg(ribs);
        const QString design = temp.filePath("entwurf.txt");
        QVERIFY(formdriver::writeText(design, text));
        const BatchResult result = batch({"--batch", design});
        QCOMPARE(result.err, QString());
        QTEST(result.exitCode, "exitCode");
        QFETCH(QStringList, lines);
        for (const QString &line : lines) QVERIFY2(result.out.contains(line), qPrintable(line + "\n" + result.out));

        qputenv("STALVORA_WORK_DIR", temp.filePath("fenster").toLocal8Bit());
        MainWindow::setQuietMessages(true);
        MainWindow window;
        QVERIFY(formdriver::open(window, design));
        MainWindowProbe probe(window);
        probe.startButton()->click();
        QVERIFY(probe.waitForEngineEnd());
        // The head names the file and the time: the window's file is not saved.
        const QRegularExpression head("\n(Bemessungsdatei|Berechnet am):[^\n]*");
        QCOMPARE(QString(result.out).remove(head), QString(probe.report()->toPlainText() + '\n').remove(head));
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
