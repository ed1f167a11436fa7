// The input-file text and the profile table without a window.
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

#include "support/form_driver.h"
#include "files/input_file.h"
#include "files/profile_table.h"

using namespace inputfile;

class TestInputFile : public QObject {
    Q_OBJECT

private slots:
    void exampleFileParsesAndRendersToTheSameBytes();
    void parseLineRecognisesOnlyExactKeywords_data();
    void parseLineRecognisesOnlyExactKeywords();
    void numberTextMatchesTheStreamDefaultFormat_data();
    void numberTextMatchesTheStreamDefaultFormat();
    void numberTextWritesNonFiniteAsZero();
    void scaledFromFileConvertsUnits_data();
    void scaledFromFileConvertsUnits();
    void textsThatAreNoSingleWordKeepTheirPlace();
    void shippedTableHasCatalogueDimensions_data();
    void shippedTableHasCatalogueDimensions();
    void profileTableRowsCommentsAndDuplicates();
};

// The shipped start values were written in the engine's input format by hand;
// parsing them and rendering the values again must give the same bytes.
void TestInputFile::exampleFileParsesAndRendersToTheSameBytes() {
    const QString text = formdriver::exampleInputText();
    QVERIFY(!text.isEmpty());
    Values values;
    int keywordLines = 0;
    for (const QString &line : text.split('\n')) {
        QStringList words;
        const Section section = parseLine(line, words);
        if (section == SectionCount) continue;
        values[section] = words;
        ++keywordLines;
    }
    QCOMPARE(keywordLines, 10);
    QCOMPARE(values[BaustahlTyp], QStringList({"Walzprofil", "IPE400"}));
    QCOMPARE(values[Tragfaehigkeit], QStringList({"4e+08", "3e+05"}));
    QCOMPARE(render(values), text);
}

void TestInputFile::parseLineRecognisesOnlyExactKeywords_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("section");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("tabs") << "*Tragfaehigkeit:\t\t4e+08\t3e+05" << int(Tragfaehigkeit)
                          << QStringList{"4e+08", "3e+05"};
    QTest::newRow("blanks and CR") << "  *Geometrie-Beton:  160 2000   0 0\r"
                                   << int(GeometrieBeton)
                                   << QStringList{"160", "2000", "0", "0"};
    QTest::newRow("welded, empty name") << "*Baustahl-Typ:\t\t\tSchweissprofil\t"
                                        << int(BaustahlTyp) << QStringList{"Schweissprofil"};
    QTest::newRow("caption") << "\t\t\t\tM[Nmm]\tV[N]" << int(SectionCount) << QStringList();
    QTest::newRow("empty") << "" << int(SectionCount) << QStringList();
    QTest::newRow("lower case") << "*tragfaehigkeit: 1 2" << int(SectionCount) << QStringList();
    QTest::newRow("no colon") << "*Tragfaehigkeit 1 2" << int(SectionCount) << QStringList();
    QTest::newRow("umlaut spelling") << "*Tragfähigkeit: 1 2" << int(SectionCount)
                                     << QStringList();
}

void TestInputFile::parseLineRecognisesOnlyExactKeywords() {
    QFETCH(QString, line);
    QFETCH(int, section);
    QFETCH(QStringList, words);
    QStringList parsed;
    QCOMPARE(int(parseLine(line, parsed)), section);
    if (section != SectionCount) QCOMPARE(parsed, words);
}

void TestInputFile::numberTextMatchesTheStreamDefaultFormat_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("expected");
    QTest::newRow("150 kNm in Nmm") << 150e6 << "1.5e+08";
    QTest::newRow("0.1234567 kNm in Nmm") << 123456.7 << "123457";
    QTest::newRow("250") << 250.0 << "250";
    QTest::newRow("one million") << 1e6 << "1e+06";
    QTest::newRow("six digits fixed") << 100000.0 << "100000";
    QTest::newRow("seven digits") << 1234567.0 << "1.23457e+06";
    QTest::newRow("small") << 0.0001 << "0.0001";
    QTest::newRow("smaller") << 0.00001 << "1e-05";
    QTest::newRow("negative") << -0.1234567 << "-0.123457";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("rounding up") << 999999.5 << "1e+06";
}

void TestInputFile::numberTextMatchesTheStreamDefaultFormat() {
    QFETCH(double, x);
    QFETCH(QString, expected);
    QCOMPARE(numberText(x), expected);
    char printed[64];
    std::snprintf(printed, sizeof printed, "%g", x);
    QCOMPARE(numberText(x), QString::fromLatin1(printed));
}

void TestInputFile::numberTextWritesNonFiniteAsZero() {
    QCOMPARE(numberText(qInf()), QString("0"));
    QCOMPARE(numberText(-qInf()), QString("0"));
    QCOMPARE(numberText(qQNaN()), QString("0"));
}

void TestInputFile::scaledFromFileConvertsUnits_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<double>("divisor");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Nmm to kNm") << "2.5e+08" << 1e6 << "250";
    QTest::newRow("N to kN") << "150000" << 1e3 << "150";
    QTest::newRow("six digits") << "123456.7" << 1e6 << "0.123457";
    QTest::newRow("negative moment") << "-4e+08" << 1e6 << "-400";
    QTest::newRow("factor") << "0.4" << 1.0 << "0.4";
    QTest::newRow("factor, long") << "0.33333333" << 1.0 << "0.333333";
    QTest::newRow("decimal comma") << "1,5" << 1.0 << "";
    QTest::newRow("text") << "abc" << 1e6 << "";
    QTest::newRow("missing") << "" << 1e6 << "";
}

void TestInputFile::scaledFromFileConvertsUnits() {
    QFETCH(QString, word);
    QFETCH(double, divisor);
    QFETCH(QString, expected);
    QCOMPARE(scaledFromFile(word, divisor), expected);
}

void TestInputFile::textsThatAreNoSingleWordKeepTheirPlace() {
    QCOMPARE(textToFile("1.5"), QString("1.5"));
    QCOMPARE(textToFile(" 1.5 "), QString("1.5"));
    QCOMPARE(textToFile(""), QString("-"));
    QCOMPARE(textToFile("1 5"), QString("-"));
    QCOMPARE(textFromFile("-"), QString());
    QCOMPARE(textFromFile("0.85"), QString("0.85"));

    // An emptied field between two others: the file line still has four
    // values and the third one returns to the third field.
    Values values;
    values[GeometrieBeton] = QStringList{textToFile("160"), textToFile(""), textToFile("0"), textToFile("7")};
    QStringList words;
    for (const QString &line : render(values).split('\n'))
        if (parseLine(line, words) == GeometrieBeton) break;
    QCOMPARE(words.size(), 4);
    QCOMPARE(textFromFile(words[1]), QString());
    QCOMPARE(words[3], QString("7"));
}

// Catalogue dimensions of hot-rolled sections (Euronorm 19-57, 53-62).
void TestInputFile::shippedTableHasCatalogueDimensions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("h");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("t_w");
    QTest::addColumn<double>("t_f");
    QTest::addColumn<double>("r");
    QTest::newRow("IPE400") << "IPE400" << 400.0 << 180.0 << 8.6 << 13.5 << 21.0;
    QTest::newRow("IPE200") << "IPE200" << 200.0 << 100.0 << 5.6 << 8.5 << 12.0;
    QTest::newRow("HEB300") << "HEB300" << 300.0 << 300.0 << 11.0 << 19.0 << 27.0;
}

void TestInputFile::shippedTableHasCatalogueDimensions() {
    QFETCH(QString, name);
    QFETCH(double, h);
    QFETCH(double, b);
    QFETCH(double, t_w);
    QFETCH(double, t_f);
    QFETCH(double, r);
    const QString path = NORVEL_BUILD_DIR "/IProfile.txt";
    QVERIFY(profiletable::profileNames(path).contains(name));
    profiletable::Dimensions d;
    QVERIFY(profiletable::findProfile(path, name, d));
    QCOMPARE(d.h, h);
    QCOMPARE(d.b, b);
    QCOMPARE(d.t_w, t_w);
    QCOMPARE(d.t_f, t_f);
    QCOMPARE(d.r, r);
}

void TestInputFile::profileTableRowsCommentsAndDuplicates() {
    QTemporaryDir dir;
    const QString path = dir.filePath("IProfile.txt");
    QVERIFY(formdriver::writeText(path,
                                  "// Name h b t_w t_f r\r\n"
                                  "\n"
                                  "P1\t100\t50\t4\t6\t7\r\n"
                                  "P2 200 90 5 8\n"
                                  "P1 110 55 4.5 6.5 8\n"
                                  "P3 300 x 6 9 10\n"));
    QCOMPARE(profiletable::profileNames(path), QStringList({"P1", "P2", "P1", "P3"}));

    profiletable::Dimensions d;
    QVERIFY(profiletable::findProfile(path, "P1", d));  // the later row counts
    QCOMPARE(d.h, 110.0);
    QCOMPARE(d.b, 55.0);
    QCOMPARE(d.t_w, 4.5);
    QCOMPARE(d.t_f, 6.5);
    QCOMPARE(d.r, 8.0);
    QVERIFY(profiletable::findProfile(path, "P2", d));  // the root radius is not needed here
    QCOMPARE(d.h, 200.0);
    QCOMPARE(d.r, 0.0);  // not the 8 of the row read before
    QVERIFY(!profiletable::findProfile(path, "P3", d));
    QVERIFY(!profiletable::findProfile(path, "p1", d));
    QVERIFY(!profiletable::findProfile(path, "", d));
    QVERIFY(!profiletable::findProfile(path, "//", d));
    QVERIFY(profiletable::profileNames(dir.filePath("missing.txt")).isEmpty());
}

QTEST_GUILESS_MAIN(TestInputFile)
#include "tst_inputfile.moc"
