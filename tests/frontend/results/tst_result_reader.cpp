// Line-record and key-value reading of the engine's result files, and one
// engine run read back whole through the protocol's names.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <set>

#include "plots/section_geometry.h"
#include "protocol/console_lines.h"
#include "protocol/result_files.h"
#include "protocol/run_folders.h"
#include "protocol/verdict_files.h"
#include "results/moment_curvature_data.h"
#include "results/run_results.h"
#include "run/engine_output.h"
#include "support/form_driver.h"
#include "support/result_fixtures.h"
#include "results/result_reader.h"

using results::NumberRow;

class ResultReaderTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    std::string write(const char *name, const QByteArray &content) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        fixtures::writeFile(path, content);
        return path.toStdString();
    }

private slots:
    // The leading numbers of a row: header, text and empty lines, short rows and rows with nan or
    // inf do not count; numbers beyond those asked for and a text column after them are ignored.
    void numberRowsTakeTheLeadingNumbers() {
        const std::string path = write("state.txt",
                                       "M\tV\tkappa\tZ_na\tEI_i\n"
                                       "\n"
                                       "1.5e+08\t60000\t0.00051234\t398.765\t2.92774e+14\t355\n"
                                       "Querschnittsversagen \n"
                                       "1\t2\t3\t4\n1\t2\tnan\t4\t5\n1\t2\tinf\t4\t5\n"
                                       "2.5e+008\t-8e-005\t1\t2\t3\n"  // three-digit exponents as some runtimes write them
                                       "0\t13.5\t6.75\t1.8\t1.7\t355\t355\tnel\n");
        const std::vector<NumberRow> rows = results::readNumberRows(path, 5);
        QCOMPARE(rows.size(), std::size_t(3));
        QCOMPARE(rows[0], (NumberRow{1.5e8, 60000.0, 0.00051234, 398.765, 2.92774e14}));
        QCOMPARE(rows[1], (NumberRow{2.5e8, -8e-5, 1.0, 2.0, 3.0}));
        QCOMPARE(rows[2], (NumberRow{0.0, 13.5, 6.75, 1.8, 1.7}));
        // Asking for six numbers drops the row that holds only five.
        QCOMPARE(results::readNumberRows(path, 6).size(), std::size_t(2));
        QVERIFY(results::hasLineStartingWith(path, "Querschnittsversagen"));
    }

    void keyValuesKeepLastOccurrenceAndSkipHeadings() {
        // Windows-1252 headings (0xE4 for the umlaut) are skipped like any heading.
        const std::string path = write("output.txt",
                                       "\n*Querkrafttragf\xE4higkeit\nV_pl_Rd\t500000\n"
                                       "\n*Grenzmomente\nV_ed\t-80000\nM_min_el\t-1.5e+08\n"
                                       "Zna\t380\nM_max_el\t2e+08\nZna\t350\n"
                                       "\n*Tragf\xE4higkeit\nM_Ed_t\t2.5e+08\nV_Ed_t\t-80000\n"
                                       "\n*Tragf\xE4higkeit\nM_Ed_t\t2.6e+08\n"
                                       "A_s,min\t392.7\n");
        const results::KeyValues values = results::KeyValues::read(path);
        QCOMPARE(values.value("V_pl_Rd"), 500000.0);
        QCOMPARE(values.value("M_min_el"), -1.5e8);
        QCOMPARE(values.value("Zna"), 350.0);
        QCOMPARE(values.value("M_Ed_t"), 2.6e8);
        QCOMPARE(values.value("A_s,min"), 392.7);
        // Whole-word, case-sensitive keys; unknown keys read as 0.
        QCOMPARE(values.value("m_ed_t"), 0.0);
        QCOMPARE(values.value("M_Ed"), 0.0);
        QCOMPARE(values.value("*Grenzmomente"), 0.0);
        QVERIFY(!results::hasLineStartingWith(path, "Querschnittsversagen"));
    }

    // A label written with 0 is a value; a label never written is missing,
    // although value() reads both as 0. A missing file is empty.
    void missingLabelIsToldFromWrittenZero() {
        const std::string path = write("zero.txt", "\n*Mindestbewehrung\nA_s,min\t0\nA_svor\t-0\n");
        const results::KeyValues values = results::KeyValues::read(path);
        QCOMPARE(values.find("A_s,min"), std::optional<double>(0.0));
        QCOMPARE(values.find("A_svor"), std::optional<double>(-0.0));
        QVERIFY(values.has("A_s,min") && !values.has("M_max_pl") && !values.find("M_max_pl").has_value());
        QCOMPARE(values.value("M_max_pl"), 0.0);
        QVERIFY(!values.empty());
        const std::string none = dir.filePath("none.txt").toStdString();
        QVERIFY(results::KeyValues::read(none).empty() && results::readNumberRows(none, 3).empty());
        QVERIFY(!results::hasLineStartingWith(none, "Querschnittsversagen"));
    }

    void stateFolderPieces() {
        const std::tuple<int, int, const char *> cases[] = {{0, 0, "run/Gebrauchstauglichkeit/spannung_ohne_ts/"},
                                                            {0, 1, "run/Gebrauchstauglichkeit/spannung_mit_ts/"},
                                                            {1, 0, "run/Tragfaehigkeitkeit/spannung_ohne_ts/"},
                                                            {2, -1, "run/"}};  // other values
        for (const auto &[limitState, withTs, expected] : cases)
            QCOMPARE(QString::fromStdString(results::stateFolder("run/", limitState, withTs)), QString(expected));
    }

    // The engine calculates the example in a named run folder; every file the
    // protocol names is there with its header, every key of every block is
    // in output.txt and nothing else, and the front end's readers take it
    // all. A key or column written under another name fails here.
    void engineRunReadsBackThroughTheProtocolNames() {
        using namespace protocol;
        QTemporaryDir work;
        const std::string run = work.filePath("1").toStdString() + "/";
        QVERIFY(QDir().mkpath(work.filePath("1")));
        // With studs of full connection, so that output.txt holds every block.
        QVERIFY(formdriver::writeText(QString::fromStdString(run + inputFile),
                                      formdriver::exampleInputText() +
                                          "*Verbundmittel:\t19\t100\t450\t40\t8000\tkeine\t1\t0\n"));
        QProcess engine;
        engine.setWorkingDirectory(NORVEL_BUILD_DIR);
        engine.start(NORVEL_BUILD_DIR "/Stalvora2", {QString::fromStdString(run)});
        QVERIFY(engine.waitForFinished(60000));
        QCOMPARE(engine.exitCode(), int(exitCompleted));
        EngineErrorLines console;
        const EngineReport report = console.add(engine.readAllStandardError());
        QVERIFY(report.succeeded && report.errorLines.isEmpty() && report.warningLines.isEmpty());

        std::vector<std::pair<std::string, Columns>> files{
            {interactionFile, interaction::columns},       {curvatureFile, curvature::columns},
            {classificationFile, classification::columns}, {verdictFile, verdict::columns},
            {class3File, class3::columns}, {connectionFile, connection::columns},
            {partialInteractionFile, partialInteraction::columns}};
        for (AnalysedState state : analysedStates) {
            const std::string folder = stateFolder(state);
            files.push_back({folder + outputFile, state == AnalysedState::Ultimate ? state::columns
                                                                                  : state::serviceabilityColumns});
            for (const char *part : {concreteFile, reinforcementFile, steelFile})
                files.push_back({folder + part, zone::columns});
        }
        for (const auto &[name, columns] : files) {
            const QString text = formdriver::readText(QString::fromStdString(run + name));
            QCOMPARE(text.section('\n', 0, 0) + '\n', QString::fromStdString(headerLine(columns)));
            // Rows of numbers where a row begins with one (no Class 3 values when sagging).
            const int numbers = columns.names == zone::columns.names        ? zone::numberCount
                                : columns.names == curvature::columns.names ? curvature::numberCount
                                : columns.names == interaction::columns.names || columns.names == state::columns.names ||
                                        columns.names == state::serviceabilityColumns.names
                                    ? int(columns.count)
                                    : 0;
            if (numbers > 0) QVERIFY2(!results::readNumberRows(run + name, numbers).empty(), name.c_str());
        }

        const results::KeyValues values = results::KeyValues::read(run + outputFile);
        std::set<std::string> keys, headings;
        for (const Block &block : outputBlocks()) {
            headings.insert(block.heading);
            for (const char *key : block.keys) {
                QVERIFY2(values.has(key), key);
                keys.insert(key);
            }
        }
        QFile output(QString::fromStdString(run + outputFile));
        QVERIFY(output.open(QIODevice::ReadOnly));  // Windows-1252 bytes: compared as bytes
        for (const QByteArray &line : output.readAll().split('\n')) {
            const std::string first = line.split('\t').first().toStdString();
            if (line.isEmpty()) continue;
            QVERIFY2(line.startsWith('*') ? headings.count(first) == 1 : keys.count(first) == 1, first.c_str());
        }

        // Independent values: the input (M_Ed = 400 kNm, V_Ed = 300 kN, h_c = 160 mm), the
        // IPE 400 row (h 400, b 180, t_w 8.6, r 21 mm) and V_pl,Rd = A_v f_yd / sqrt(3)
        // with A_v = A - 2 b t_f + (t_w + 2 r) t_f = 4269.46 mm²: 875.065 kN.
        const results::RunResults result = results::RunResults::read(run);
        QVERIFY(result.calculated());
        for (AnalysedState state : analysedStates) QVERIFY(result.state(state).computed());
        QCOMPARE(*result.moment(AnalysedState::Ultimate), 400.0);
        QCOMPARE(*result.shearForce(AnalysedState::Ultimate), 300.0);
        QVERIFY(std::fabs(*values.find(key::V_pl_Rd) - 875065.2) < 1.0);
        const SectionGeometry g = readSectionGeometry(run + outputFile);
        QCOMPARE(QVector<double>({g.h, g.b_f1, g.t_w, g.r, g.h_c}), QVector<double>({400, 180, 8.6, 21, 160}));
        QVERIFY(result.sectionClasses().positive.present && result.sectionClasses().negative.present);
        // Every check row, and eta = 300 / 875.065 = 0.343 for the shear row.
        QVERIFY(result.verdicts().present());
        QCOMPARE(result.verdicts().overall.result, verdict::Result::Fulfilled);
        QVERIFY(std::fabs(*result.verdicts().shear.eta - 300.0 / 875.0652) < 1e-5);
        const results::MomentCurvatureData curve = results::readMomentCurvature(run);
        QVERIFY(!curve.empty() && curve.plastic[1].present && curve.elastic[0].present);
        ZoneState state;
        for (const results::CurvaturePoint &p : curve.points) QVERIFY(parseState(p.state, state));
    }
};

QTEST_APPLESS_MAIN(ResultReaderTest)
#include "tst_result_reader.moc"
