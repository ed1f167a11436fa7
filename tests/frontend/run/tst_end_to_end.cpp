// The window with the real engine: the example design is calculated and the
// panels and the report are checked against the files of the run folder,
// parsed here on their own (split at white space, numbers by QString).
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <cmath>
#include <memory>

#include "results/result_panels.h"
#include "run/engine_process.h"
#include "support/form_driver.h"
#include "window/mainwindow.h"
#include "widgets/numberedit.h"
#include "support/window_probe.h"

using Panel = MainWindowProbe::Panel;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

const QString success = "Berechnung wurde erfolgreich abgeschlossen";

QStringList fileLines(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll()).split('\n');
}

// The numbers of the data row of a state output.txt: the last line that is
// made of numbers only.
QVector<double> stateRow(const QString &path) {
    QVector<double> row;
    for (const QString &line : fileLines(path)) {
        const QStringList words = line.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        QVector<double> numbers;
        for (const QString &word : words) {
            bool ok = false;
            numbers << word.toDouble(&ok);
            if (!ok) break;
        }
        if (!words.isEmpty() && numbers.size() == words.size()) row = numbers;
    }
    return row;
}

// True when `text` is prefix + a number + suffix and the number is `value`
// rounded to `digits` significant digits (half a unit of the last digit).
bool showsRounded(const QString &text, const QString &prefix, double value, int digits, const QString &suffix) {
    if (!text.startsWith(prefix) || !text.endsWith(suffix)) return false;
    bool ok = false;
    const double shown = text.mid(prefix.size(), text.size() - prefix.size() - suffix.size()).toDouble(&ok);
    if (!ok) return false;
    if (value == 0.0) return shown == 0.0;
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(value))) - digits + 1);
    return std::fabs(shown - value) <= 0.5 * unit * (1.0 + 1e-9);
}

// label -> last value of the run folder's output.txt.
QMap<QString, double> labelledValues(const QString &path) {
    QMap<QString, double> values;
    for (const QString &line : fileLines(path)) {
        const QStringList words = line.split('\t');
        bool ok = false;
        if (words.size() == 2) {
            const double v = words[1].toDouble(&ok);
            if (ok) values[words[0]] = v;
        }
    }
    return values;
}

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> temp;
    std::unique_ptr<MainWindow> window;
    QString work;

    MainWindowProbe probe() { return MainWindowProbe(*window); }

private slots:
    void initTestCase() { MainWindow::setQuietMessages(true); }

    void init() {
        temp = std::make_unique<QTemporaryDir>();
        work = temp->filePath("work") + "/";
        qputenv("STALVORA_WORK_DIR", work.toLocal8Bit());
        EngineProcess::setEngineProgram(QString());
        window = std::make_unique<MainWindow>();
        QVERIFY(formdriver::open(*window, NORVEL_BUILD_DIR "/inputstart.txt"));
        window->clearMessageLog();
    }

    void cleanup() {
        window.reset();
        temp.reset();
    }

    void exampleDesignFromButtonToReport() {
        probe().startButton()->click();
        QVERIFY(probe().waitForEngineEnd());
        // Success opens no box: the outcome is in the status bar.
        QVERIFY2(window->messageLog().isEmpty(), qPrintable(window->messageLog().join('|')));
        QCOMPARE(probe().statusMessage(), u("Berechnung abgeschlossen: alle Nachweise erfüllt"));
        QVERIFY(probe().console()->toPlainText().contains(success));
        const QString run = work + "1/";
        QCOMPARE(probe().runFolder(), run.toStdString());

        // Value panels and the report's state lines: V/1000, M/1e6, Z_na and
        // EI_i/1e9 to four significant digits, kappa*1000 to three.
        const QString report = probe().report()->toPlainText();
        const struct {
            Panel panel;
            const char *folder, *heading;
        } states[] = {{Panel::GzgOhneTs, "Gebrauchstauglichkeit/spannung_ohne_ts/", "GZG OHNE TENSION STIFFENING"},
                      {Panel::GzgMitTs, "Gebrauchstauglichkeit/spannung_mit_ts/", "GZG MIT TENSION STIFFENING"},
                      {Panel::Gzt, "Tragfaehigkeitkeit/spannung_ohne_ts/", "GZT"}};
        for (const auto &state : states) {
            const QVector<double> row = stateRow(run + state.folder + "output.txt");
            QVERIFY2(row.size() == 6, state.folder);
            const QStringList shown = probe().panelTexts(state.panel);
            QCOMPARE(shown.size(), 8);
            QVERIFY2(showsRounded(shown[1], "VEd = ", row[1] / 1000.0, 4, " [kN]"), qPrintable(shown[1]));
            QVERIFY2(showsRounded(shown[2], "MEd = ", row[0] / 1e6, 4, " [kNm]"), qPrintable(shown[2]));
            QVERIFY2(showsRounded(shown[4], u("ϰ = "), row[2] * 1000.0, 3, u(" [‰/m]")), qPrintable(shown[4]));
            QVERIFY2(showsRounded(shown[5], "Nulllinie: Z = ", row[3], 4, " [mm]"), qPrintable(shown[5]));
            QVERIFY2(showsRounded(shown[7], "EIi = ", row[4] / 1e9, 4, u(" [kNm²]")), qPrintable(shown[7]));
            const QString actions = state.panel == Panel::Gzt ? "300 kN \tM_Ed = 400" : "150 kN \tM_Ed = 200";
            QVERIFY2(report.contains(QString("DEHNUNGSVERTEILUNG IM ") + state.heading + ":\nunter: V_Ed= " + actions +
                                     u(" kNm :\nϰ= ") + shown[4].section(' ', 2, 2) + u(" ‰/m\tZ_na= ") +
                                     shown[5].section(' ', 3, 3) + " mm\tEI_i= " + shown[7].section(' ', 2, 2) + u(" kNm²\n")),
                     state.heading);
        }

        // Check panel, hand values: V_pl,Rd = 4269.46 * 355 / sqrt(3) = 875.065 kN,
        // η = 300 / 875.065 = 0.343; sagging M_pl,Rd(V_Ed) = 982.12 kNm, η = 400 / 982.12 = 0.407.
        const QMap<QString, double> out = labelledValues(run + "output.txt");
        const QStringList check = probe().panelTexts(Panel::Nachweis);
        QCOMPARE(check.at(ShearForceRow), "Querkraft: VEd=300 [kN]");
        QCOMPARE(check.at(MomentRow), "Bemessungswert Moment: MEd=400 [kNm]");
        const QString shearLine = u("|V_Ed| = 300 kN ≤ V_pl,Rd = 875.1 kN, η = 0.343");
        const QString bendingLine = u("M_Ed = 400 kNm ≤ M_pl,Rd(V_Ed) = 982.1 kNm, η = 0.407");
        QCOMPARE(check.at(ShearRow), shearLine);
        QCOMPARE(check.at(BendingRow), bendingLine);
        QCOMPARE(check.at(ClassRow),
                 u("Querschnittsklasse 1 bei positivem Moment (Obergurt 1, Steg 1) – Nachweis plastisch"));
        QCOMPARE(check.at(BendingVerdictRow), u("NACHWEIS ERFÜLLT"));

        // Report: the head (project not filled in), the input echoed by the engine, the checks.
        QVERIFY(report.startsWith(u("\t\t    BEMESSUNGSPROTOKOLL\n\nProjekt:                  nicht angegeben\n")));
        QVERIFY(report.contains("\nBemessungsdatei:          nicht gespeichert\n"));
        QVERIFY(report.contains("\nProfil:                   IPE400\n"));
        QVERIFY(report.contains("\nh_c: 160 mm\t\tb_e: 2000 mm\t\th_p: 0 mm"));
        QVERIFY(report.contains("\nh: 400 mm\t\tt_fu: 13.5 mm\tt_fo: 13.5 mm"));
        const QRegularExpressionMatch areas =
            QRegularExpression(u("\nA_c: (\\S+) mm²\tA_s: (\\S+) mm²")).match(report);
        QVERIFY(areas.hasMatch() && showsRounded(areas.captured(1), "", out["A_c"], 4, "") &&
                showsRounded(areas.captured(2), "", out["A_s"], 4, ""));
        QVERIFY(report.contains("\n" + shearLine + u("\nNACHWEIS ERFÜLLT!\n")));
        QVERIFY(report.contains("\n" + bendingLine + u("\nNACHWEIS ERFÜLLT!\n")));
        QVERIFY(report.contains(u("\nTeilsicherheitsbeiwerte:  γ_c = 1.5, γ_s = 1.15, γ_M = 1\n\n"
                                  "Alle Nachweise erfüllt (maximale Ausnutzung 0.407)\n")));

        // Both bending directions of IPE 400 S355 under the example slab.
        // eps = sqrt(235 / 355) = 0.813616; bottom flange c/t = (180 - 8.6 - 2 * 21) / 2 / 13.5
        // = 4.79259 against 9 eps = 7.32255; web c/t_w = (400 - 2 * 13.5 - 2 * 21) / 8.6 = 38.4884.
        // Sagging: the slab takes the compression, the web none (Class 1). Hogging: the
        // whole web in compression (alpha = 1), beyond 456 eps / 12 = 30.92 (Class 2), so
        // Class 3 by psi.
        for (const QString &line :
             {u("\n\nQUERSCHNITTSKLASSE (nach EN 1994-1-1 5.5):\nε = √(235/f_yk) = 0.814"),
              u("\nPositives Moment (Richtung von M_Ed): Querschnittsklasse 1\n"
                "  Obergurt:  c/t = 4.79, mit der Platte verdübelt (5.5.2(1)) → Klasse 1\n"
                "  Steg:      c/t_w = 38.5, ohne Druck → Klasse 1\n"),
              u("\nNegatives Moment: Querschnittsklasse 3\n"
                "  Untergurt: c/t = 4.79 ≤ 9ε = 7.32 → Klasse 1\n"
                "  Steg:      c/t_w = 38.5 ≤ 42ε/(0.67+0.33ψ) = ")})
            QVERIFY2(report.contains(line), qPrintable(line));
    }

    // The form refuses a value outside its range before the engine runs; the
    // same value handed to the engine (as the batch mode does) gives the
    // engine's own message in an error box, and nothing else.
    void invalidDesignShowsTheEngineErrorOnly() {
        formdriver::field(*window, "m_betonGamma")->setText("-1.5");
        probe().report()->setPlainText("vorher");
        probe().startButton()->click();
        QCOMPARE(window->messageLog(),
                 QStringList{u("Die Berechnung wurde nicht gestartet. Bitte diese Eingaben prüfen:\n"
                               "γ_c (Beton): „-1.5“ liegt außerhalb; zulässig ist 0 < γ_c ≤ 5")});
        QVERIFY(!QDir(work).exists());

        window->clearMessageLog();
        probe().startLeavingRangesToTheEngine();
        QVERIFY(probe().waitForEngineEnd());
        QCOMPARE(window->messageLog(), QStringList{"FEHLERMELDUNG: gamma_c muss zwischen 0 und 5 liegen"});
        QCOMPARE(window->messageTitles(), QStringList{"Fehler"});
        QCOMPARE(probe().report()->toPlainText(), QString("vorher"));
    }
};

QTEST_MAIN(EndToEndTest)
#include "tst_end_to_end.moc"
