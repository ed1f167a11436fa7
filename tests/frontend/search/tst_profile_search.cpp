// The profile search, headless and in its dialog, against normal runs and catalogue masses.
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <fstream>

#include "files/design_choices.h"
#include "files/design_file.h"
#include "files/profile_table.h"
#include "protocol/input_lines.h"
#include "results/run_outcome.h"
#include "run/design_run.h"
#include "search/profile_search.h"
#include "support/form_driver.h"
#include "support/window_probe.h"
#include "widgets/numberedit.h"
#include "window/mainwindow.h"
#include "window/profile_search_dialog.h"

using profilesearch::Series;

namespace {

design::Design designOf(const QString &text) {
    return designfile::parse(text.toStdString(), designchoices::choices()).design;
}

// The profile put into the design as the form and the batch mode do.
design::Design withProfile(design::Design d, const QString &name) {
    d.Profiltyp = protocol::input::rolledProfile;
    d.Profilname = name.toStdString();
    designchoices::takeProfilePlates(d);
    return d;
}

// The fields of a row of a run's Nachweise.txt as the engine printed them.
QStringList printedRow(const std::string &runFolder, const QString &check) {
    std::ifstream file(runFolder + "Nachweise.txt");
    for (std::string line; std::getline(file, line);)
        if (QString::fromStdString(line).startsWith(check + '\t')) return QString::fromStdString(line).split('\t');
    return {};
}

QStringList folderNames(const QString &folder) { return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

}  // namespace

class ProfileSearchTest : public QObject {
    Q_OBJECT

    QTemporaryDir temp;
    QString work, memory;

    int headless(const QStringList &arguments, QString *out = nullptr) {
        QProcess norvel;
        norvel.start(NORVEL_BUILD_DIR "/Norvel", QStringList{"--profile-search"} + arguments);
        if (!norvel.waitForFinished(120000)) return -1;
        if (out) *out = QString::fromUtf8(norvel.readAllStandardOutput());
        return norvel.exitStatus() == QProcess::NormalExit ? norvel.exitCode() : -2;
    }
    QString designFile(const QString &name, const QString &keyword, const QString &line) {
        const QString path = temp.filePath(name);
        formdriver::writeText(path, formdriver::withLine(formdriver::exampleInputText(), keyword, line));
        return path;
    }

private slots:
    void initTestCase() {
        work = temp.filePath("work/");
        memory = temp.filePath("memory");
        QVERIFY(QDir().mkpath(work + "1") && QDir().mkpath(work + "2") && QDir().mkpath(memory));
        qputenv("STALVORA_WORK_DIR", work.toLocal8Bit());
        // The search's temporary folder goes here, where the test can see it.
        qputenv("XDG_RUNTIME_DIR", memory.toLocal8Bit());
        formdriver::writeText(temp.filePath("beispiel.txt"), formdriver::exampleInputText());
    }

    // EN 10365 catalogue masses (kg/m, three significant digits).
    void massesMatchTheCatalogue_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<double>("catalogue");
        const QList<QPair<const char *, double>> rows = {
            {"IPE80", 6.0},    {"IPE200", 22.4},  {"IPE400", 66.3},  {"IPE600", 122},  {"HEA100", 16.7},
            {"HEA300", 88.3},  {"HEA1000", 272},  {"HEB300", 117},   {"HEB1000", 314}, {"HEM100", 41.8},
            {"HEM300", 238},   {"HEM1000", 349}};
        for (const auto &row : rows) QTest::newRow(row.first) << row.first << row.second;
    }
    void massesMatchTheCatalogue() {
        QFETCH(QString, profile);
        QFETCH(double, catalogue);
        profiletable::Dimensions d;
        QVERIFY(profiletable::findProfile(profiletable::tablePath(), profile, d));
        QVERIFY2(std::abs(profiletable::massPerMetre(d) - catalogue) <= 0.006 * catalogue,
                 qPrintable(QString::number(profiletable::massPerMetre(d))));
    }

    void seriesAreListedLightestFirst_data() {
        QTest::addColumn<QString>("series");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("lightest");
        QTest::addColumn<QString>("heaviest");
        QTest::newRow("IPE") << "IPE" << 18 << "IPE80" << "IPE600";
        QTest::newRow("HEA") << "HEA" << 24 << "HEA100" << "HEA1000";
        QTest::newRow("HEB") << "HEB" << 24 << "HEB100" << "HEB1000";
        QTest::newRow("HEM") << "HEM" << 24 << "HEM100" << "HEM1000";
        QTest::newRow("all") << "all" << 90 << "IPE80" << "HEM1000";
    }
    void seriesAreListedLightestFirst() {
        QFETCH(QString, series);
        QFETCH(int, count);
        Series s = Series::IPE;
        QVERIFY(profilesearch::parseSeries(series, s));
        const auto list = profilesearch::candidates(profiletable::tablePath(), s);
        QCOMPARE(static_cast<int>(list.size()), count);
        QTEST(list.front().name, "lightest");
        QTEST(list.back().name, "heaviest");
        for (std::size_t i = 1; i < list.size(); ++i) QVERIFY(list[i - 1].kg_m <= list[i].kg_m);
    }

    // The lightest passing IPE is that of normal runs: every lighter profile
    // fails, it passes, and its neighbours show the engine's printed numbers.
    void lightestIpeIsThatOfNormalRuns() {
        const design::Design example = designOf(formdriver::exampleInputText());
        ProfileSearch search;
        QVERIFY2(search.runToEnd(example, Series::IPE), qPrintable(search.error()));
        const auto &rows = search.rows();
        const int lightest = profilesearch::lightestPassing(rows);
        QVERIFY(lightest > 0 && lightest + 1 < static_cast<int>(rows.size()));
        const QStringList csv = profilesearch::csvText(rows).split('\n');
        for (int i = 0; i <= lightest + 1; ++i) {
            const DesignRun run = runDesign(withProfile(example, rows[i].profile), work.toStdString());
            QVERIFY(run.succeeded);
            const bool passed = results::RunOutcome::read(run.runFolder).passed();
            QCOMPARE(rows[i].passed(), passed);
            if (i <= lightest) QCOMPARE(passed, i == lightest);
            if (i + 1 < lightest) continue;
            const QStringList fields = csv[i + 1].split(',');
            const char *checks[] = {"querkraft", "biegung", "mindestbewehrung", "gesamt"};  // eta in columns 3 to 6
            for (int c = 0; c < 4; ++c) QCOMPARE(fields[3 + c], printedRow(run.runFolder, checks[c]).value(3));
            QCOMPARE(fields[7], printedRow(run.runFolder, "gesamt").value(4));
        }
        QString out;
        QCOMPARE(headless({temp.filePath("beispiel.txt"), "--series", "IPE"}, &out), 0);
        QVERIFY(out.contains(profilesearch::lightestText(rows)));
    }

    // 10^13 Nmm: no profile carries it. Nothing is selected, and neither the
    // work folder nor the memory folder keeps anything of the search.
    void noProfilePasses() {
        const QString file = designFile("zu_gross.txt", "*Tragfaehigkeit:", "*Tragfaehigkeit:\t1e+13\t300000");
        const QStringList before = folderNames(work);
        const QString csvPath = temp.filePath("hem.csv");
        QCOMPARE(headless({file, "--series", "HEM", "--csv", csvPath}), 2);
        QCOMPARE(folderNames(work), before);
        QCOMPARE(folderNames(memory), QStringList());
        const QStringList csv = formdriver::readText(csvPath).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(csv.size(), 25);
        QCOMPARE(csv.first(), "profil,kg_m,klasse,eta_querkraft,eta_biegung,eta_mindestbewehrung,eta_max,ergebnis,grund,eta_verduebelung");
        for (const QString &line : csv.mid(1)) QCOMPARE(line.split(',').value(7), "nicht_erfuellt");

        ProfileSearchDialog dialog(designOf(formdriver::readText(file)), "HEM300");
        QTRY_VERIFY_WITH_TIMEOUT(dialog.search().finishedCount() == 24 && !dialog.search().running(), 60000);
        QVERIFY(dialog.table()->selectedItems().isEmpty());
        QVERIFY(!dialog.applyButton()->isEnabled());
        QCOMPARE(folderNames(work), before);
        QCOMPARE(folderNames(memory), QStringList());
    }

    // The search passes the studs on: without studs (n = 0, eta = 0) no IPE keeps eta_min.
    void studsArePassedOn() {
        const QString file = temp.filePath("ohne_duebel.txt");
        formdriver::writeText(file, formdriver::exampleInputText() + "*Verbundmittel:\t19\t100\t450\t0\t8000\tkeine\t1\t0\n");
        const QString csvPath = temp.filePath("ipe.csv");
        QCOMPARE(headless({file, "--series", "IPE", "--csv", csvPath}), 2);
        const QStringList csv = formdriver::readText(csvPath).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(csv.size(), 19);
        for (const QString &line : csv.mid(1)) QVERIFY2(line.contains(QString::fromUtf8("Mindestverdübelungsgrad")), qPrintable(line));
        // 18 studs: each profile's largest η stands in its own column too (IPE330: 0.741 of the studs).
        formdriver::writeText(file, formdriver::exampleInputText() + "*Verbundmittel:\t19\t100\t450\t18\t8000\tkeine\t1\t0\n");
        QCOMPARE(headless({file, "--series", "IPE", "--csv", csvPath}), 0);
        for (const QString &l : formdriver::readText(csvPath).split('\n', Qt::SkipEmptyParts).mid(1))
            QVERIFY2(l.split(',').count(l.section(',', 6, 6)) == 2, qPrintable(l));
    }

    // Rows lightest first as "name:state" (p passed, f failed, o open): the
    // lightest passing row counts only once every lighter row has finished.
    void lightestWaitsForLighterRows_data() {
        QTest::addColumn<QStringList>("states");
        QTest::addColumn<int>("lightest");
        QTest::newRow("first passes") << QStringList{"p", "f", "p"} << 0;
        QTest::newRow("after failures") << QStringList{"f", "f", "p", "p"} << 2;
        QTest::newRow("lighter one open") << QStringList{"f", "o", "p"} << -1;
        QTest::newRow("heavier one open") << QStringList{"f", "p", "o"} << 1;
        QTest::newRow("none passes") << QStringList{"f", "f"} << -1;
    }
    void lightestWaitsForLighterRows() {
        QFETCH(QStringList, states);
        std::vector<profilesearch::SearchRow> rows(states.size());
        for (int i = 0; i < states.size(); ++i) {
            rows[i].finished = rows[i].calculated = states[i] != "o";
            rows[i].result = states[i] == "p" ? results::CheckResult::Fulfilled : results::CheckResult::NotFulfilled;
            rows[i].kg_m = 10.0 * (i + 1);
        }
        QTEST(profilesearch::lightestPassing(rows), "lightest");
    }

    // A reason with a comma stays one CSV field; a missing eta is "-".
    void csvQuotesTextsAndMarksMissingNumbers() {
        profilesearch::SearchRow row;
        row.profile = "HEA200";
        row.kg_m = 42.25;
        row.finished = row.calculated = true;
        row.eta_shear = 1.5;
        row.result = results::CheckResult::NotFulfilled;
        row.reason = QString::fromUtf8("Querkraftversagen, \"Biegung\" nicht erfüllt");
        QCOMPARE(profilesearch::csvText({row}).split('\n').value(1),
                 QString::fromUtf8("HEA200,42.25,-,1.5,-,-,-,nicht_erfuellt,"
                                   "\"Querkraftversagen, \"\"Biegung\"\" nicht erfüllt\",-"));
    }

    // "Abbrechen" stops the engines at once and removes the temporary folder.
    void stoppedSearchLeavesNothing() {
        ProfileSearchDialog dialog(designOf(formdriver::exampleInputText()), "IPE400");
        dialog.seriesBox()->setCurrentIndex(dialog.seriesBox()->findText("alle"));
        dialog.startSearch();
        QTRY_VERIFY(dialog.search().finishedCount() >= 2);
        QVERIFY(dialog.stopButton()->isEnabled());
        dialog.stopButton()->click();
        QVERIFY(!dialog.search().running() && dialog.search().cancelled());
        QVERIFY(dialog.search().finishedCount() < 90);
        QVERIFY(!dialog.stopButton()->isEnabled());
        QCOMPARE(folderNames(memory), QStringList());
    }

    void commandLineErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no file") << QStringList();
        QTest::newRow("unknown series") << QStringList{"beispiel.txt", "--series", "HEX"};
        QTest::newRow("missing file") << QStringList{"fehlt.txt"};
        QTest::newRow("CSV folder missing") << QStringList{"beispiel.txt", "--csv", "fehlt/x.csv"};
        // h_c below the covers and bars: the engine refuses every profile.
        QTest::newRow("refused by the engine") << QStringList{"flach.txt", "--series", "IPE"};
    }
    void commandLineErrors() {
        QFETCH(QStringList, arguments);
        designFile("flach.txt", "*Geometrie-Beton:", "*Geometrie-Beton:\t5\t2000\t0\t0");
        for (QString &argument : arguments)
            if (argument.endsWith(".txt") || argument.endsWith(".csv")) argument = temp.filePath(argument);
        QCOMPARE(headless(arguments), 1);
    }

    // "Übernehmen" puts the lightest profile into the form as a change; its
    // run's report says it came from the search until the form is edited.
    void takenProfileIsNotedInTheReport() {
        MainWindow::setQuietMessages(true);
        MainWindow window;
        MainWindowProbe probe(window);
        window.findChild<QPushButton *>("profilSuchen")->click();
        auto *dialog = window.findChild<ProfileSearchDialog *>();
        QVERIFY(dialog);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->search().running() && dialog->search().finishedCount() > 0, 60000);
        const int lightest = profilesearch::lightestPassing(dialog->search().rows());
        QVERIFY(lightest >= 0);
        const QString profile = dialog->search().rows()[lightest].profile;
        QCOMPARE(dialog->table()->selectedItems().value(0)->row(), lightest);
        dialog->applyButton()->click();
        QCOMPARE(formdriver::selector(window, "m_baustahlProfilname")->currentText(), profile);
        QVERIFY(window.isWindowModified());
        profiletable::Dimensions d;
        QVERIFY(profiletable::findProfile(profiletable::tablePath(), profile, d));
        QCOMPARE(formdriver::field(window, "m_baustahlHoehe")->text().toDouble(), d.h);

        const QString note = QString::fromUtf8(
            "gewählt aus Profilsuche (Reihe IPE, leichtestes Profil mit allen Nachweisen erfüllt)");
        probe.startButton()->click();
        QVERIFY(probe.waitForEngineEnd());
        QVERIFY(probe.report()->toPlainText().contains(note));
        formdriver::field(window, "m_momen_t")->setText("350");
        probe.startButton()->click();
        QVERIFY(probe.waitForEngineEnd());
        QVERIFY(probe.report()->toPlainText().contains("Profil:"));
        QVERIFY(!probe.report()->toPlainText().contains(note));
    }
};

QTEST_MAIN(ProfileSearchTest)
#include "tst_profile_search.moc"
