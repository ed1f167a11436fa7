// Page layout of the printed report: tabs, wrapping, headings and the
// distribution of blocks onto pages.
#include <QtTest>

#include "report/report_layout.h"
#include "results/design_report.h"
#include "support/result_fixtures.h"

using report::Block;

namespace {

QString spaces(int n) { return QString(n, QLatin1Char(' ')); }

using Pages = std::vector<std::vector<int>>;

}  // namespace

Q_DECLARE_METATYPE(std::vector<Block>)
Q_DECLARE_METATYPE(Pages)

class ReportLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void expandTabs_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expanded");
        QTest::newRow("no tab") << "h_c: 160mm" << "h_c: 160mm";
        QTest::newRow("tab after 2 to column 8") << "ab\tc" << "ab" + spaces(6) + "c";
        QTest::newRow("tab after 8 to column 16") << "abcdefgh\tc" << "abcdefgh" + spaces(8) + "c";
        QTest::newRow("tab after 7 to column 8") << "abcdefg\tc" << "abcdefg c";
        QTest::newRow("two tabs") << "ab\t\tc" << "ab" + spaces(14) + "c";
        QTest::newRow("leading tabs") << "\t\t    T" << spaces(20) + "T";
        // Columns are counted in characters: "²" is one column.
        QTest::newRow("non-ASCII") << QString::fromUtf8("mm²\tx") << QString::fromUtf8("mm²") + spaces(5) + "x";
    }
    void expandTabs() {
        QFETCH(QString, line);
        QFETCH(QString, expanded);
        QCOMPARE(report::expandTabs(line), expanded);
    }

    void wrapLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("fits") << "abc def" << 7 << QStringList{"abc def"};
        QTest::newRow("empty") << "" << 7 << QStringList{""};
        QTest::newRow("at the last space") << "abc def ghi" << 9 << QStringList{"abc def", "    ghi"};
        // The space right after the limit still ends the first piece.
        QTest::newRow("space just past the limit") << "abcdefgh ijk" << 8 << QStringList{"abcdefgh", "    ijk"};
        QTest::newRow("no space: cut at the limit") << "abcdefghij" << 6 << QStringList{"abcdef", "    gh",
                                                                                     "    ij"};
        QTest::newRow("runs of spaces dropped at the cut")
            << "abc      def" << 5 << QStringList{"abc", "    d", "    e", "    f"};
        QTest::newRow("indented line not cut in its indent")
            << "      abcdef" << 8 << QStringList{"      ab", "    cdef"};
    }
    void wrapLine() {
        QFETCH(QString, line);
        QFETCH(int, columns);
        QFETCH(QStringList, pieces);
        const QStringList wrapped = report::wrapLine(line, columns);
        QCOMPARE(wrapped, pieces);
        for (const QString &piece : wrapped) QVERIFY(piece.size() <= columns);
    }

    void wrapKeepsEveryCharacterOfALongReportLine() {
        const QString line = QString::fromUtf8(
            "TRAGFÄHIGKEIT: INTERAKTION BIEGUNG UND QUERKRAFT (nach EN 1994-1-1 6.2.2.4):");
        for (int columns : {10, 23, 40, 60}) {
            const QStringList pieces = report::wrapLine(line, columns);
            QVERIFY(pieces.size() > 1);
            QString joined;
            for (const QString &piece : pieces) joined += piece.trimmed() + " ";
            QCOMPARE(joined.simplified().remove(' '), QString(line).remove(' '));
        }
    }

    void headings_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("heading");
        QTest::newRow("rule") << QString(76, '-') << true;
        QTest::newRow("framed title") << "EINGABE" << true;
        QTest::newRow("indented report title") << "\t\t    BEMESSUNGSPROTOKOLL" << true;
        QTest::newRow("section") << "GEOMETRIE:" << true;
        QTest::newRow("sub-section") << "Stahlbetonquerschnitt:" << true;
        QTest::newRow("check with its code") << QString::fromUtf8("QUERKRAFTTRAGFÄHIGKEIT (nach EN 1994-1-1 6.2.2):")
                                             << true;
        QTest::newRow("actions line") << "unter: V_Ed= 150kN \tM_Ed = 200kNm :" << false;
        QTest::newRow("limit moments line") << "unter: V_Ed= 300kN: " << false;
        QTest::newRow("values") << "h_c: 160mm\t\tb_e: 2000mm" << false;
        QTest::newRow("table head") << "Beton\t\tBewehrung\t\tBaustahl" << false;
        QTest::newRow("verdict") << QString::fromUtf8("NACHWEIS ERFÜLLT!") << false;
        QTest::newRow("failure") << "VERSAGEN!" << false;
        QTest::newRow("missing value") << "el. Grenzmomente:  nicht ermittelt (Querkraftversagen)" << false;
        QTest::newRow("overall verdict") << QString::fromUtf8("Alle Nachweise erfüllt (maximale Ausnutzung 0.61)")
                                         << false;
        QTest::newRow("failed checks") << QString::fromUtf8("NICHT ERFÜLLT: Querkrafttragfähigkeit") << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("short rule") << "---" << false;
    }
    void headings() {
        QFETCH(QString, line);
        QFETCH(bool, heading);
        QCOMPARE(report::isHeading(line), heading);
    }

    void headingKeepsItsFirstLinesWithinItsParagraph() {
        const QString rule(76, '-');
        const QStringList lines = {
            rule, "NACHWEISE", rule,                        // 0-2
            QString::fromUtf8("QUERKRAFTTRAGFÄHIGKEIT (nach EN 1994-1-1 6.2.2):"),  // 3
            "|V_Ed| = 300kN", QString::fromUtf8("NACHWEIS ERFÜLLT!"),            // 4-5
            "",                                              // 6
            "GEOMETRIE:", "Stahlbetonquerschnitt:", "h_c: 160mm", "b_p: 0mm", "e_u: 150mm",  // 7-11
            "Mindestbewehrung:",                             // 12: last line
        };
        const std::vector<int> expected = {1, 3, 1, 2, 0, 0, 0, 3, 3, 0, 0, 0, 0};
        QCOMPARE(report::keepWithNext(lines), expected);
    }

    void paginate_data() {
        QTest::addColumn<std::vector<Block>>("blocks");
        QTest::addColumn<double>("pageHeight");
        QTest::addColumn<Pages>("pages");
        const Block line{10.0, 0, false};
        const Block space{10.0, 0, true};
        const Block heading{10.0, 2, false};  // keeps the next two blocks
        QTest::newRow("nothing: one empty page") << std::vector<Block>{} << 100.0 << Pages{{}};
        QTest::newRow("all on one page") << std::vector<Block>{line, line, line} << 30.0 << Pages{{0, 1, 2}};
        QTest::newRow("break where full") << std::vector<Block>{line, line, line, line, line} << 30.0
                                          << Pages{{0, 1, 2}, {3, 4}};
        // The heading would be the last line of page 1: it moves to page 2.
        QTest::newRow("heading not at a page end")
            << std::vector<Block>{line, line, heading, line, line} << 30.0 << Pages{{0, 1}, {2, 3, 4}};
        // The heading fits with one of its two lines: both move on.
        QTest::newRow("heading not parted from its second line")
            << std::vector<Block>{line, heading, line, line, line} << 30.0 << Pages{{0}, {1, 2, 3}, {4}};
        // A heading right after a heading: the chain moves as one.
        QTest::newRow("chained headings")
            << std::vector<Block>{line, line, Block{10.0, 1, false}, heading, line, line} << 40.0
            << Pages{{0, 1}, {2, 3, 4, 5}};
        // A group taller than a page breaks where the page is full.
        QTest::newRow("group taller than a page")
            << std::vector<Block>{line, Block{10.0, 5, false}, line, line, line, line} << 30.0
            << Pages{{0, 1, 2}, {3, 4, 5}};
        QTest::newRow("block taller than a page alone")
            << std::vector<Block>{line, Block{50.0, 0, false}, line} << 30.0 << Pages{{0}, {1}, {2}};
        QTest::newRow("spaces dropped at the top of a page")
            << std::vector<Block>{line, line, line, space, space, line} << 30.0 << Pages{{0, 1, 2}, {5}};
        QTest::newRow("space inside a page kept")
            << std::vector<Block>{line, space, line} << 30.0 << Pages{{0, 1, 2}};
        QTest::newRow("only spaces: one empty page") << std::vector<Block>{space, space} << 30.0 << Pages{{}};
        // Exactly full: the last block still fits.
        QTest::newRow("exact fit") << std::vector<Block>{Block{15.0, 0, false}, Block{15.0, 0, false}} << 30.0
                                   << Pages{{0, 1}};
    }
    void paginate() {
        QFETCH(std::vector<Block>, blocks);
        QFETCH(double, pageHeight);
        QFETCH(Pages, pages);
        QCOMPARE(report::paginate(blocks, pageHeight), pages);
    }

    // The report of a run laid out on pages of many heights: every block is
    // placed once, in order, no page overflows unless it holds a single
    // block, and no page ends inside a heading's group.
    void reportTextNeverBreaksAfterAHeading() {
        const QString text = designReportText(fixtures::folder("results/worked_example"), "bemessung.txt",
                                              QDateTime(QDate(2024, 5, 1), QTime(12, 0)));
        const QStringList lines = text.split('\n');
        QVERIFY(lines.size() > 40);
        const std::vector<int> keep = report::keepWithNext(lines);
        std::vector<Block> blocks;
        for (int i = 0; i < lines.size(); ++i)
            blocks.push_back(Block{1.0, keep[static_cast<std::size_t>(i)], lines[i].trimmed().isEmpty()});
        for (int height = 12; height <= 60; ++height) {
            const Pages pages = report::paginate(blocks, height);
            int next = 0;
            for (std::size_t p = 0; p < pages.size(); ++p) {
                const std::vector<int> &page = pages[p];
                QVERIFY(!page.empty());
                QVERIFY(static_cast<int>(page.size()) <= height);
                for (int index : page) {
                    while (next < index) QVERIFY2(blocks[static_cast<std::size_t>(next++)].space, "a line was lost");
                    QCOMPARE(index, next++);
                }
                if (p + 1 == pages.size()) continue;
                const int last = page.back();
                QVERIFY2(!report::isHeading(lines[last]) || keep[static_cast<std::size_t>(last)] == 0,
                         qPrintable(QString("height %1, page %2 ends with heading '%3'")
                                        .arg(height).arg(p + 1).arg(lines[last])));
            }
            while (next < lines.size()) QVERIFY2(blocks[static_cast<std::size_t>(next++)].space, "a line was lost");
        }
    }
};

QTEST_GUILESS_MAIN(ReportLayoutTest)
#include "tst_report_layout.moc"
