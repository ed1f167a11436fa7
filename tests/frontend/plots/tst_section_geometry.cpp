// The section from the input form: which field sets which dimension, the
// notes for an incomplete form, and the permitted ranges the engine applies.
#include <QHash>
#include <QtTest>
#include <cmath>
#include <limits>

#include "plots/section_geometry.h"

namespace {

// The example design (IPE 400 under a 160 mm slab, 2000 mm wide) as form texts.
QHash<QString, QString> exampleTexts() {
    return {{"h_c", "160"}, {"b_e", "2000"}, {"h_p", "0"},       {"b_p", "0"},
            {"d_u", "10"},  {"d_o", "12"},   {"e_u", "150"},     {"e_o", "150"},
            {"c_nom,u", "30"}, {"c_nom,o", "30"}, {"h", "400"},  {"t_fu", "13.5"},
            {"t_fo", "13.5"}, {"b_fu", "180"}, {"b_fo", "180"},  {"t_w", "8.6"}};
}

FormGeometry read(const QHash<QString, QString> &texts, double r = 21.0) {
    return readFormGeometry([&texts](const char *symbol) { return texts.value(QString::fromLatin1(symbol)); }, r);
}

SectionGeometry example() { return read(exampleTexts()).geometry; }

using Member = double SectionGeometry::*;

}  // namespace
Q_DECLARE_METATYPE(Member)

class SectionGeometryTest : public QObject {
    Q_OBJECT

private slots:
    // Each form field lands in the dimension the engine reads from the same
    // place of the input file: *Geometrie-Beton: h_c b_e h_profilblech b_p,
    // *Geometrie-Bewehrung: d_u d_o AbstanduntereLage AbstandobereLage
    // c_nom_u c_nom_o, *Geometrie-Baustahl: h t_f1 (t_fu) t_f2 (t_fo)
    // b_f1 (b_fu) b_f2 (b_fo) t_w. Every field gets a value of its own.
    void everyFieldSetsItsDimension_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<Member>("member");
        const QList<QPair<const char *, Member>> rows = {
            {"h_c", &SectionGeometry::h_c},
            {"b_e", &SectionGeometry::b_e},
            {"h_p", &SectionGeometry::h_profilblech},
            {"b_p", &SectionGeometry::b_p},
            {"d_u", &SectionGeometry::d_u},
            {"d_o", &SectionGeometry::d_o},
            {"e_u", &SectionGeometry::AbstanduntereLage},
            {"e_o", &SectionGeometry::AbstandobereLage},
            {"c_nom,u", &SectionGeometry::c_nom_u},
            {"c_nom,o", &SectionGeometry::c_nom_o},
            {"h", &SectionGeometry::h},
            {"t_fu", &SectionGeometry::t_f1},
            {"t_fo", &SectionGeometry::t_f2},
            {"b_fu", &SectionGeometry::b_f1},
            {"b_fo", &SectionGeometry::b_f2},
            {"t_w", &SectionGeometry::t_w},
        };
        for (const auto &row : rows) QTest::newRow(row.first) << QString(row.first) << row.second;
    }
    void everyFieldSetsItsDimension() {
        QFETCH(QString, symbol);
        QFETCH(Member, member);
        QHash<QString, QString> texts;
        int n = 0;
        for (const GeometryValue &value : formGeometryValues())
            texts.insert(QString::fromLatin1(value.symbol), QString::number(1000 + ++n));
        QCOMPARE(n, 16);
        const FormGeometry form = readFormGeometry(
            [&texts](const char *s) { return texts.value(QString::fromLatin1(s)); }, 7.0);
        QCOMPARE(form.geometry.*member, texts.value(symbol).toDouble());
        QCOMPARE(form.geometry.r, 7.0);
    }

    void exampleIsDrawable() {
        const FormGeometry form = read(exampleTexts());
        QCOMPARE(form.note, QString());
        QCOMPARE(form.geometry.totalHeight(), 560.0);
        QCOMPARE(form.geometry.r, 21.0);
    }

    // A field that is empty or holds no number stops the drawing with a
    // note naming the field.
    void incompleteFormGivesANote_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("note");
        QTest::newRow("empty") << "b_e" << "" << "Querschnitt nicht darstellbar:\nb_e fehlt.";
        QTest::newRow("blanks") << "t_w" << "  " << "Querschnitt nicht darstellbar:\nt_w fehlt.";
        QTest::newRow("decimal comma") << "h_c" << "1,5" << "Querschnitt nicht darstellbar:\nh_c ist keine Zahl.";
        QTest::newRow("text") << "c_nom,u" << "abc" << "Querschnitt nicht darstellbar:\nc_nom,u ist keine Zahl.";
        QTest::newRow("infinite") << "b_fo" << "inf" << "Querschnitt nicht darstellbar:\nb_fo ist keine Zahl.";
        QTest::newRow("nan") << "h" << "nan" << "Querschnitt nicht darstellbar:\nh ist keine Zahl.";
        QTest::newRow("outside") << "d_u" << "50"
                                 << QString::fromUtf8("Querschnitt nicht darstellbar:\nd_u liegt außerhalb "
                                                      "des zulässigen Bereichs.");
        QTest::newRow("blanks around a number") << "b_e" << " 2500 " << "";
        QTest::newRow("exponent") << "b_e" << "2.5e3" << "";
    }
    void incompleteFormGivesANote() {
        QFETCH(QString, symbol);
        QFETCH(QString, text);
        QFETCH(QString, note);
        QHash<QString, QString> texts = exampleTexts();
        texts[symbol] = text;
        const FormGeometry form = read(texts);
        QCOMPARE(form.note, note);
        if (note.isEmpty()) QCOMPARE(form.geometry.b_e, 2500.0);
    }

    // The first dimension outside the range the engine permits, at and just
    // beyond each end; the example has h_p + c_nom,u + d_u + d_o + c_nom,o
    // = 0 + 30 + 10 + 12 + 30 = 82 mm in its slab.
    void faultOfTheFirstDimensionOutsideItsRange_data() {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("fault");
        QTest::newRow("h_c holds the layers") << "h_c" << 82.0 << "";
        QTest::newRow("h_c below the layers") << "h_c" << 81.9 << "h_c";
        QTest::newRow("h_c 1500") << "h_c" << 1500.0 << "";
        QTest::newRow("h_c above 1500") << "h_c" << 1500.5 << "h_c";
        QTest::newRow("b_e 0, bare steel") << "b_e" << 0.0 << "e_u";  // then e_u > b_e
        QTest::newRow("b_e above 10000") << "b_e" << 10000.5 << "b_e";
        QTest::newRow("h_p negative") << "h_p" << -1.0 << "h_p";
        QTest::newRow("h_p 78 fills the slab") << "h_p" << 78.0 << "";
        QTest::newRow("h_p 79 overfills it") << "h_p" << 79.0 << "h_c";
        QTest::newRow("b_p just inside the top flange") << "b_p" << 179.5 << "";
        QTest::newRow("b_p as wide as the top flange") << "b_p" << 180.0 << "b_p";
        QTest::newRow("d_u 50") << "d_u" << 50.0 << "d_u";
        QTest::newRow("d_o negative") << "d_o" << -2.0 << "d_o";
        QTest::newRow("e_u at the diameter") << "e_u" << 10.0 << "";
        QTest::newRow("e_u below the diameter") << "e_u" << 9.5 << "e_u";
        QTest::newRow("e_o at b_e") << "e_o" << 2000.0 << "";
        QTest::newRow("e_o beyond b_e") << "e_o" << 2000.5 << "e_o";
        QTest::newRow("c_nom,u 0") << "c_nom,u" << 0.0 << "c_nom,u";
        QTest::newRow("c_nom,o 0") << "c_nom,o" << 0.0 << "c_nom,o";
        QTest::newRow("h 1000") << "h" << 1000.0 << "h";
        QTest::newRow("h 999") << "h" << 999.0 << "";
        QTest::newRow("t_fu 50") << "t_fu" << 50.0 << "t_fu";
        QTest::newRow("t_fo 0") << "t_fo" << 0.0 << "t_fo";
        QTest::newRow("b_fu 800") << "b_fu" << 800.0 << "b_fu";
        QTest::newRow("b_fo 0") << "b_fo" << 0.0 << "b_p";  // b_p = 0 < b_fo fails first
        QTest::newRow("t_w 50") << "t_w" << 50.0 << "";
        QTest::newRow("t_w 50.5") << "t_w" << 50.5 << "t_w";
        // Both flanges and both root fillets: 13.5 + 13.5 + 2 * 21 = 69 mm.
        QTest::newRow("h holds flanges and fillets") << "h" << 69.0 << "";
        QTest::newRow("h below flanges and fillets") << "h" << 68.5 << "h";
    }
    void faultOfTheFirstDimensionOutsideItsRange() {
        QFETCH(QString, symbol);
        QFETCH(double, value);
        QFETCH(QString, fault);
        SectionGeometry g = example();
        QVERIFY(geometryFault(g) == nullptr);
        for (const GeometryValue &v : formGeometryValues())
            if (symbol == QLatin1String(v.symbol)) g.*v.member = value;
        const char *actual = geometryFault(g);
        QCOMPARE(actual ? QString::fromLatin1(actual) : QString(), fault);
    }

    void rootRadiusMustBeAFiniteNonNegativeLength_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("fault");
        QTest::newRow("welded, no fillet") << 0.0 << "";
        QTest::newRow("negative") << -1.0 << "r";
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "h";  // no longer fits into h
        QTest::newRow("not a number") << std::nan("") << "h";
    }
    void rootRadiusMustBeAFiniteNonNegativeLength() {
        QFETCH(double, r);
        QFETCH(QString, fault);
        SectionGeometry g = example();
        g.r = r;
        const char *actual = geometryFault(g);
        QCOMPARE(actual ? QString::fromLatin1(actual) : QString(), fault);
    }
};

QTEST_GUILESS_MAIN(SectionGeometryTest)
#include "tst_section_geometry.moc"
