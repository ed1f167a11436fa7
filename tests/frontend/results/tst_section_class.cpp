// Reading the cross-section classes of a run and the limits that decided them.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "results/section_class.h"
#include "support/result_fixtures.h"

using results::SectionClasses;
using results::SectionClassRow;

namespace {

const QByteArray header =
    "richtung\teps\tc_t_flansch\tklasse_flansch\talpha\tpsi\tc_t_steg\tklasse_steg\tklasse\n";
// The rows the engine writes for the shipped example (IPE 400, S355).
const QByteArray exampleRows =
    "positiv\t0.813617\t4.79259\t1\t0\t1\t38.4884\t1\t1\n"
    "negativ\t0.813617\t4.79259\t1\t1\t-0.425003\t38.4884\t3\t3\n";

SectionClassRow row(int klasse) {
    SectionClassRow r;
    r.present = true;
    r.eps = 1.0;
    r.klasse = klasse;
    r.klasse_flansch = 1;
    r.klasse_steg = klasse;
    return r;
}

}  // namespace

class SectionClassTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    // A run folder holding only the classification file; returns its path
    // with the trailing separator, as the result views use it.
    std::string runFolder(const QString &name, const QByteArray &content) {
        const QString folder = dir.filePath(name) + "/";
        fixtures::writeFile(folder + "Querschnittsklasse.txt", content);
        return folder.toStdString();
    }

private slots:
    void readsBothDirections() {
        const SectionClasses k = results::readSectionClasses(runFolder("both", header + exampleRows));
        QVERIFY(k.positive.present);
        QVERIFY(k.negative.present);
        QCOMPARE(k.positive.klasse, 1);
        QCOMPARE(k.positive.c_t_flansch, 4.79259);
        QCOMPARE(k.positive.alpha, 0.0);
        QCOMPARE(k.negative.eps, 0.813617);
        QCOMPARE(k.negative.klasse_flansch, 1);
        QCOMPARE(k.negative.alpha, 1.0);
        QCOMPARE(k.negative.psi, -0.425003);
        QCOMPARE(k.negative.c_t_steg, 38.4884);
        QCOMPARE(k.negative.klasse_steg, 3);
        QCOMPARE(k.negative.klasse, 3);
        // The design moment's sign picks the row; 0 counts as sagging.
        QCOMPARE(k.forMoment(0.0).klasse, 1);
        QCOMPARE(k.forMoment(-1.0).klasse, 3);
        QCOMPARE(results::classText(k.negative), QStringLiteral("3"));
    }

    void missingOrUnusableRowsAreNotDetermined_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("positive");
        QTest::addColumn<bool>("negative");
        QTest::newRow("header only (validation failed)") << header << false << false;
        QTest::newRow("only the sagging row")
            << header + "positiv\t1\t4\t1\t0\t1\t30\t1\t1\n" << true << false;
        QTest::newRow("a number missing")
            << header + "positiv\t1\t4\t1\t0\t1\t30\t1\n" + "negativ\t1\t4\t1\t1\t-0.4\t38\t3\t3\n"
            << false << true;
        QTest::newRow("class 5 is no class")
            << header + "negativ\t1\t4\t1\t1\t-0.4\t38\t3\t5\n" << false << false;
        QTest::newRow("class 2.5 is no class")
            << header + "negativ\t1\t4\t1\t1\t-0.4\t38\t2.5\t3\n" << false << false;
        QTest::newRow("class 0 is no class")
            << header + "negativ\t1\t4\t0\t1\t-0.4\t38\t3\t3\n" << false << false;
        QTest::newRow("not a number") << header + "negativ\t1\t4\t1\tnan\t-0.4\t38\t3\t3\n"
                                      << false << false;
        QTest::newRow("unknown direction")
            << header + "Positiv\t1\t4\t1\t0\t1\t30\t1\t1\n" << false << false;
    }
    void missingOrUnusableRowsAreNotDetermined() {
        QFETCH(QByteArray, content);
        QFETCH(bool, positive);
        QFETCH(bool, negative);
        const SectionClasses k =
            results::readSectionClasses(runFolder(QTest::currentDataTag(), content));
        QCOMPARE(k.positive.present, positive);
        QCOMPARE(k.negative.present, negative);
        if (!negative) QCOMPARE(results::classText(k.negative), QStringLiteral("nicht ermittelt"));
    }

    void readsWhatTheEngineWrites() {
        // The shipped example through the real engine: IPE 400, S355.
        const QString work = dir.filePath("work") + "/";
        QVERIFY(QDir().mkpath(work + "1"));
        QVERIFY(QFile::copy(NORVEL_BUILD_DIR "/inputstart.txt", work + "1/input.txt"));
        QProcess engine;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("STALVORA_WORK_DIR", work);
        engine.setProcessEnvironment(env);
        engine.setWorkingDirectory(NORVEL_BUILD_DIR);
        engine.start(NORVEL_BUILD_DIR "/Stalvora2", QStringList());
        QVERIFY(engine.waitForFinished(60000));
        QVERIFY(engine.readAllStandardError().contains("Berechnung wurde erfolgreich abgeschlossen"));
        const SectionClasses k = results::readSectionClasses((work + "1/").toStdString());
        QVERIFY(k.positive.present);
        QVERIFY(k.negative.present);
        // Web c/t_w = (400 - 2 * 13.5 - 2 * 21) / 8.6 = 38.4884 (six digits in the file).
        QVERIFY(std::fabs(k.negative.c_t_steg - 331.0 / 8.6) < 1e-4);
        QCOMPARE(k.positive.klasse, 1);
        QCOMPARE(k.negative.alpha, 1.0);
        QCOMPARE(k.negative.klasse, 3);
    }

    void missingFileIsNotDetermined() {
        const SectionClasses k = results::readSectionClasses(dir.filePath("none/").toStdString());
        QVERIFY(!k.positive.present);
        QVERIFY(!k.negative.present);
    }

    void decidingLimits() {
        // Hogging row of the example: eps = 0.813617, alpha = 1, psi = -0.425003.
        const SectionClasses k = results::readSectionClasses(runFolder("limits", header + exampleRows));
        // Web class 3: 42 eps / (0.67 + 0.33 psi) = 34.1719 / 0.529749 = 64.506.
        const results::DecidingLimit web = results::webLimit(k.negative);
        QVERIFY(web.exists);
        QVERIFY(std::fabs(web.value - 64.506) < 1e-3);
        QCOMPARE(web.formula, QString::fromUtf8("42ε/(0.67+0.33ψ)"));
        // Bottom flange class 1: 9 eps = 7.32255.
        const results::DecidingLimit flange = results::flangeLimit(k.negative, false);
        QVERIFY(flange.exists);
        QVERIFY(std::fabs(flange.value - 7.32255) < 1e-4);
        QCOMPARE(flange.formula, QString::fromUtf8("9ε"));
        // Sagging: the top flange is held by the slab, the web has no compression.
        QVERIFY(!results::flangeLimit(k.positive, true).exists);
        QVERIFY(!results::webLimit(k.positive).exists);

        // Further branches, eps = 1 (hand values).
        SectionClassRow r = row(1);
        r.alpha = 0.25;
        r.klasse_steg = 1;
        QCOMPARE(results::webLimit(r).value, 144.0);  // 36 / 0.25
        r.klasse_steg = 2;
        QCOMPARE(results::webLimit(r).value, 166.0);  // 41.5 / 0.25
        r.alpha = 1.0;
        QCOMPARE(results::webLimit(r).value, 38.0);  // 456 / 12
        r.klasse_steg = 4;
        r.psi = -2.0;
        QVERIFY(std::fabs(results::webLimit(r).value - 62.0 * 3.0 * std::sqrt(2.0)) < 1e-9);
        r.klasse_flansch = 4;  // class 4 flange: the class 3 limit it exceeded
        QCOMPARE(results::flangeLimit(r, false).value, 14.0);
        r.klasse_flansch = 2;
        QCOMPARE(results::flangeLimit(r, false).value, 10.0);
    }
};

QTEST_GUILESS_MAIN(SectionClassTest)
#include "tst_section_class.moc"
