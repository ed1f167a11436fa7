// The design model without a window: its numbers as the files write them,
// the units of the form, the decimal comma, the field table, the text of a
// design file, and the profile table that gives a rolled section its plates.
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "files/design.h"
#include "files/design_file.h"
#include "files/profile_table.h"
#include "io/validation_bounds.h"
#include "support/form_driver.h"

namespace {

QString q(const std::string &text) { return QString::fromStdString(text); }

// The design of the shipped example, checked whole.
design::Design example() {
    designfile::Choices c{{"C30/37"}, {"B"}, {"Schweissprofil", "Walzprofil"}, {"IPE400"}};
    return designfile::parse(formdriver::exampleInputText().toStdString(), c).design;
}

}  // namespace

class DesignTest : public QObject {
    Q_OBJECT

private slots:
    void numbersAreWrittenAsTheStreamDoesUnlessTheyNeedMoreDigits_data();
    void numbersAreWrittenAsTheStreamDoesUnlessTheyNeedMoreDigits();
    void formNumbersTakeOneDecimalComma_data();
    void formNumbersTakeOneDecimalComma();
    void formUnitsConvertByPowersOfTen_data();
    void formUnitsConvertByPowersOfTen();
    void fieldTableNamesEveryNumberOnceWithItsRange();
    void emptyFieldsKeepTheirPlaceButActionsAreWrittenAsZero();
    void newDesignKeepsTextsAndSwitches();
    void lenientReadingKeepsWhatReads();
    void shippedTableHasCatalogueDimensions_data();
    void shippedTableHasCatalogueDimensions();
    void profileTableRowsCommentsAndDuplicates();
};

// Six significant digits as "%g" writes them (150 kNm = 1.5e8 Nmm); a value
// typed with more digits keeps them, up to fifteen, so that nothing the user
// typed is lost and no conversion leaves digits of its rounding behind.
void DesignTest::numbersAreWrittenAsTheStreamDoesUnlessTheyNeedMoreDigits_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("expected");
    QTest::newRow("150 kNm in Nmm") << 150e6 << "1.5e+08";
    QTest::newRow("150 kN in N") << 150e3 << "150000";
    QTest::newRow("one million") << 1e6 << "1e+06";
    QTest::newRow("small") << 0.0001 << "0.0001";
    QTest::newRow("smaller") << 0.00001 << "1e-05";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("13.5 mm") << 13.5 << "13.5";
    QTest::newRow("seven digits kept") << 1234567.0 << "1234567";
    QTest::newRow("0.1234567 kNm in Nmm") << 123456.7 << "123456.7";
    QTest::newRow("67693.62 kNm in Nmm") << 67693.62 * 1e6 << "67693620000";
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
    QTest::newRow("negative") << -0.1234567 << "-0.1234567";
    QTest::newRow("not finite") << qInf() << "0";
}

void DesignTest::numbersAreWrittenAsTheStreamDoesUnlessTheyNeedMoreDigits() {
    QFETCH(double, x);
    QFETCH(QString, expected);
    QCOMPARE(q(design::numberText(x)), expected);
    double back = 0.0;
    QVERIFY(design::parseNumber(design::numberText(x), back));
    if (std::isfinite(x)) QVERIFY(std::fabs(back - x) <= 1e-15 * std::fabs(x));
}

void DesignTest::formNumbersTakeOneDecimalComma_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("point") << "1.5" << true << 1.5;
    QTest::newRow("comma") << "1,5" << true << 1.5;
    QTest::newRow("comma, blanks around") << " 2,25 " << true << 2.25;
    QTest::newRow("comma and exponent") << "1,5e3" << true << 1500.0;
    QTest::newRow("thousands and comma") << "1.000,5" << false << 0.0;
    QTest::newRow("two commas") << "1,0,5" << false << 0.0;
    QTest::newRow("blank inside") << "1 5" << false << 0.0;
    QTest::newRow("unit behind") << "355N" << false << 0.0;
    QTest::newRow("infinite") << "inf" << false << 0.0;
    QTest::newRow("beyond double") << "1e400" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
}

void DesignTest::formNumbersTakeOneDecimalComma() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    double x = 0.0;
    QCOMPARE(design::parseFormNumber(text.toStdString(), x), ok);
    if (ok) QCOMPARE(x, value);
    // A file takes no comma: the engine would read 1 and fail on ",5".
    if (text.contains(',')) QVERIFY(!design::parseNumber(text.trimmed().toStdString(), x));
}

// kN = 1e3 N, kNm = 1e6 Nmm, per mille per m = 1e3 per mille per mm, kNm² = 1e9 Nmm².
void DesignTest::formUnitsConvertByPowersOfTen_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("form");
    QTest::addColumn<double>("file");
    QTest::newRow("kN") << int(units::FormUnit::Kilonewton) << 150.0 << 150000.0;
    QTest::newRow("negative kN") << int(units::FormUnit::Kilonewton) << -900.0 << -900000.0;
    QTest::newRow("kNm") << int(units::FormUnit::KilonewtonMetre) << 400.0 << 4e8;
    QTest::newRow("kNm, fraction") << int(units::FormUnit::KilonewtonMetre) << 0.25 << 250000.0;
    QTest::newRow("mm") << int(units::FormUnit::AsInFile) << 13.5 << 13.5;
}

void DesignTest::formUnitsConvertByPowersOfTen() {
    QFETCH(int, unit);
    QFETCH(double, form);
    QFETCH(double, file);
    QCOMPARE(units::toFile(units::FormUnit(unit), form), file);
    QCOMPARE(units::toForm(units::FormUnit(unit), file), form);
    QCOMPARE(units::perMetre(0.00133148), 1.33148);
    QCOMPARE(units::kilonewtonSquareMetres(1.5e14), 150000.0);
    // EI = 150000 kNm² at 2 per mille per m carries 300 kNm, and back.
    QCOMPARE(units::momentOf(150000.0, 2.0), 300.0);
    QCOMPARE(units::curvatureOf(300.0, 150000.0), 2.0);
}

// Every number of the input file has one field, and every range of the
// engine's range table belongs to a field of the value it bounds.
void DesignTest::fieldTableNamesEveryNumberOnceWithItsRange() {
    QSet<QString> names, symbols;
    int numbers = 0;
    for (int l = 0; l < protocol::input::lineCount; ++l)
        for (const design::ColumnMember &m : design::membersOf(protocol::input::Line(l))) numbers += m.number != nullptr;
    QCOMPARE(int(design::fields().size()), numbers);
    for (const design::FieldInfo &f : design::fields()) {
        names << f.formName;
        const design::Place place = design::placeOf(f.member);
        QVERIFY2(place.line != protocol::input::lineCount, f.formName);
        QCOMPARE(protocol::input::keywordLine(place.line).columns.at(place.column).kind, protocol::input::Kind::Number);
        symbols << design::symbolOf(f.member);
        // Forces are shown in kN and kNm, everything else in the file's unit.
        const QString fileUnit = protocol::input::keywordLine(place.line).columns.at(place.column).unit;
        QCOMPARE(f.formUnit != units::FormUnit::AsInFile, fileUnit == "N" || fileUnit == "Nmm");
    }
    QCOMPARE(names.size(), numbers);
    for (const bounds::Range *range : bounds::inputRanges()) QVERIFY2(symbols.contains(range->name), range->name);
}

// A field emptied between two others keeps the places of the following values
// ("-"); an empty action is written as 0, as the form always wrote it.
void DesignTest::emptyFieldsKeepTheirPlaceButActionsAreWrittenAsZero() {
    design::Design d = example();
    d.b_e.reset();
    d.b_p = 7.0;
    d.V_t.reset();
    const std::string text = designfile::text(d);
    QVERIFY(q(text).contains("\n*Geometrie-Beton:\t\t160\t-\t0\t7\n"));
    QVERIFY(q(text).contains("\n*Tragfaehigkeit:\t\t4e+08\t0\n"));
    const design::Design back = designfile::parseLeniently(text);
    QVERIFY(!back.b_e);
    QCOMPARE(*back.b_p, 7.0);
    QCOMPARE(*back.V_t, 0.0);
    QCOMPARE(q(design::label(*design::fieldOf(&design::Design::b_e))), QString::fromUtf8("b_e (Geometrie)"));
    const auto missing = design::missingValues(d);
    QCOMPARE(int(missing.size()), 2);
    QCOMPARE(missing.front()->member, &design::Design::b_e);
    QCOMPARE(missing.back()->member, &design::Design::V_t);
    // A rolled section's plates come from the profile table: never missing.
    d.h.reset();
    QCOMPARE(int(design::missingValues(d).size()), 2);
}

void DesignTest::newDesignKeepsTextsAndSwitches() {
    design::Design d = example();
    d.set_verfestigung_s = false;
    design::clearNumbers(d);
    // Missing, never a made-up 0 (the form shows empty marked fields).
    for (const design::FieldInfo &f : design::fields()) QVERIFY(!(d.*f.member));
    QCOMPARE(d.festig_klasse, std::string("C30/37"));
    QCOMPARE(d.Profilname, std::string("IPE400"));
    QVERIFY(!d.set_verfestigung_s);
}

// The report reads a run's input without any check: what reads is taken.
void DesignTest::lenientReadingKeepsWhatReads() {
    const design::Design d = designfile::parseLeniently("*Tragfaehigkeit:\t\t-6e+08\tviel\n"
                                                       "*tragfaehigkeit: 1 2\n*Eigenschaften-Beton: C99/99 x 0.85 AN\n"
                                                       "*Baustahl-Typ: Schweissprofil IPE400\r\n");
    QCOMPARE(*d.M_t, -6e8);
    QVERIFY(!d.V_t && !d.gamma_c);
    QCOMPARE(*d.alpha_c, 0.85);
    QCOMPARE(d.festig_klasse, std::string("C99/99"));
    QVERIFY(d.set_e_cu3);  // no switch word: as before
    QVERIFY(!d.rolled());
    QCOMPARE(d.Profilname, std::string());  // a welded section has no name
}

// Catalogue dimensions of hot-rolled sections (Euronorm 19-57, 53-62).
void DesignTest::shippedTableHasCatalogueDimensions_data() {
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

void DesignTest::shippedTableHasCatalogueDimensions() {
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

void DesignTest::profileTableRowsCommentsAndDuplicates() {
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

QTEST_GUILESS_MAIN(DesignTest)
#include "tst_design.moc"
