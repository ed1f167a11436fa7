// The design model without a window: its numbers as the files write them,
// the units of the form, the decimal comma, the field table, the text of a
// design file, and the profile table that gives a rolled section its plates
// and the rows the selector offers.
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

// h, b, t_w, t_f and r of a profile row.
QList<double> plates(const profiletable::Dimensions &d) { return {d.h, d.b, d.t_w, d.t_f, d.r}; }

}  // namespace

class DesignTest : public QObject {
    Q_OBJECT

private slots:
    // Six significant digits as "%g" writes them (150 kNm = 1.5e8 Nmm); a value
    // typed with more digits keeps them, up to fifteen, so that nothing the user
    // typed is lost and no conversion leaves digits of its rounding behind.
    void numbersAreWrittenAsTheStreamDoesUnlessTheyNeedMoreDigits_data() {
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

    void numbersAreWrittenAsTheStreamDoesUnlessTheyNeedMoreDigits() {
        QFETCH(double, x);
        QFETCH(QString, expected);
        QCOMPARE(q(design::numberText(x)), expected);
        double back = 0.0;
        QVERIFY(design::parseNumber(design::numberText(x), back));
        if (std::isfinite(x)) QVERIFY(std::fabs(back - x) <= 1e-15 * std::fabs(x));
    }

    void formNumbersTakeOneDecimalComma_data() {
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

    void formNumbersTakeOneDecimalComma() {
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
    void formUnitsConvertByPowersOfTen_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("form");
        QTest::addColumn<double>("file");
        QTest::newRow("kN") << int(units::FormUnit::Kilonewton) << 150.0 << 150000.0;
        QTest::newRow("negative kN") << int(units::FormUnit::Kilonewton) << -900.0 << -900000.0;
        QTest::newRow("kNm") << int(units::FormUnit::KilonewtonMetre) << 400.0 << 4e8;
        QTest::newRow("kNm, fraction") << int(units::FormUnit::KilonewtonMetre) << 0.25 << 250000.0;
        QTest::newRow("mm") << int(units::FormUnit::AsInFile) << 13.5 << 13.5;
    }

    void formUnitsConvertByPowersOfTen() {
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
    void fieldTableNamesEveryNumberOnceWithItsRange() {
        QSet<QString> names, symbols;
        int numbers = 0;
        for (int l = 0; l < protocol::input::lineCount; ++l)
            for (const auto &m : design::membersOf(protocol::input::Line(l))) numbers += m.number != nullptr;
        QCOMPARE(int(design::fields().size()), numbers);
        for (const design::FieldInfo &f : design::fields()) {
            names << f.formName;
            const design::Place place = design::placeOf(f.member);
            QVERIFY2(place.line != protocol::input::lineCount, f.formName);
            const auto &column = protocol::input::keywordLine(place.line).columns.at(place.column);
            QCOMPARE(column.kind, protocol::input::Kind::Number);
            symbols << design::symbolOf(f.member);
            // Forces are shown in kN and kNm, everything else in the file's unit.
            const QString fileUnit = column.unit;
            QCOMPARE(f.formUnit != units::FormUnit::AsInFile, fileUnit == "N" || fileUnit == "Nmm");
        }
        QCOMPARE(names.size(), numbers);
        for (const bounds::Range *range : bounds::inputRanges()) QVERIFY2(symbols.contains(range->name), range->name);
    }

    // A field emptied between two others keeps the places of the following values
    // ("-"); an empty action is written as 0, as the form always wrote it.
    void emptyFieldsKeepTheirPlaceButActionsAreWrittenAsZero() {
        design::Design d = example();
        d.b_e.reset();
        d.b_p = 7.0;
        d.V_t.reset();
        const std::string text = designfile::text(d);
        QVERIFY(q(text).contains("\n*Geometrie-Beton:\t\t160\t-\t0\t7\n"));
        QVERIFY(q(text).contains("\n*Tragfaehigkeit:\t\t4e+08\t0\n"));
        const auto missing = design::missingValues(d);
        QCOMPARE(int(missing.size()), 2);
        QCOMPARE(missing.front()->member, &design::Design::b_e);
        QCOMPARE(missing.back()->member, &design::Design::V_t);
        // A rolled section's plates come from the profile table: never missing.
        d.h.reset();
        QCOMPARE(int(design::missingValues(d).size()), 2);
    }

    void newDesignKeepsTextsAndSwitches() {
        design::Design d = example();
        d.set_verfestigung_s = false;
        design::clearNumbers(d);
        // Missing, never a made-up 0 (the form shows empty marked fields).
        for (const design::FieldInfo &f : design::fields()) QVERIFY(!(d.*f.member));
        QVERIFY(d.festig_klasse == "C30/37" && d.Profilname == "IPE400" && !d.set_verfestigung_s);
    }

    // The report reads a run's input without any check: what reads is taken.
    void lenientReadingKeepsWhatReads() {
        const design::Design d = designfile::parseLeniently(
            "*Tragfaehigkeit:\t\t-6e+08\tviel\n*tragfaehigkeit: 1 2\n*Eigenschaften-Beton: C99/99 x 0.85 AN\n"
            "*Baustahl-Typ: Schweissprofil IPE400\r\n");
        QCOMPARE(*d.M_t, -6e8);
        QVERIFY(!d.V_t && !d.gamma_c);
        QCOMPARE(*d.alpha_c, 0.85);
        QCOMPARE(d.festig_klasse, std::string("C99/99"));
        QVERIFY(d.set_e_cu3);  // no switch word: as before
        QVERIFY(!d.rolled());
        QCOMPARE(d.Profilname, std::string());  // a welded section has no name
    }

    // The table as read: comments, blank lines and CR skipped, names in file order, a name given twice takes
    // its later row. The selector offers only rows the engine can use: positive dimensions, a root radius,
    // flanges and radii within the height (2 t_f + 2 r <= h).
    void profileTableRowsCommentsAndDuplicates() {
        QTemporaryDir dir;
        const QString path = dir.filePath("IProfile.txt");
        QVERIFY(formdriver::writeText(path, "// Name h b t_w t_f r\r\n"
                                            "\n"
                                            "GUT1\t200\t100\t5.6\t8.5\t12\r\n"
                                            "NULLH\t0\t100\t5.6\t8.5\t12\n"
                                            "ZUFLACH\t40\t100\t5\t12\t8.5\n"  // 24 + 17 = 41 > 40
                                            "GERADE\t41\t100\t5\t12\t8.5\n"   // 24 + 17 = 41 fits
                                            "OHNER 200 90 5 8\n"
                                            "TEXT\t200\tbreit\t5.6\t8.5\t12\n"
                                            "NEGR\t200\t100\t5.6\t8.5\t-1\n"
                                            "DOPPELT\t200\t100\t5.6\t8.5\t12\n"
                                            "SPAETERSCHLECHT\t200\t100\t5.6\t8.5\t12\n"
                                            "DOPPELT 110 55 4.5 6.5 8\n"
                                            "SPAETERSCHLECHT\t200\t0\t5.6\t8.5\t12\n"));
        QCOMPARE(profiletable::profileNames(path), QString("GUT1 NULLH ZUFLACH GERADE OHNER TEXT NEGR DOPPELT "
                                                           "SPAETERSCHLECHT DOPPELT SPAETERSCHLECHT").split(' '));
        QCOMPARE(profiletable::usableProfileNames(path), (QStringList{"GUT1", "GERADE", "DOPPELT"}));
        profiletable::Dimensions d;
        QVERIFY(profiletable::findProfile(path, "DOPPELT", d));  // the later row counts
        QCOMPARE(plates(d), (QList<double>{110, 55, 4.5, 6.5, 8}));
        QVERIFY(profiletable::findProfile(path, "OHNER", d));  // no root radius needed: 0, not the 8 read before
        QCOMPARE(plates(d), (QList<double>{200, 90, 5, 8, 0}));
        QVERIFY(!profiletable::findProfile(path, "TEXT", d));
        QVERIFY(!profiletable::findProfile(path, "doppelt", d));
        QVERIFY(!profiletable::findProfile(path, "", d));
        QVERIFY(!profiletable::findProfile(path, "//", d));
        QVERIFY(profiletable::profileNames(dir.filePath("missing.txt")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(DesignTest)
#include "tst_design.moc"
