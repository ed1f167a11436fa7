// "Norvel --batch FILE --pdf OUT.pdf": the design report as a PDF document,
// read back with the poppler tools (pdfinfo, pdftotext, pdfimages). Three
// designs: the shipped example (sagging), a hogging design and a design that
// fails in shear.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "report/report_document.h"
#include "report/report_figures.h"
#include "results/design_report.h"
#include "results/result_reader.h"
#include "support/form_driver.h"
#include "support/result_fixtures.h"

namespace {

struct ProgramRun {
    bool started = false;
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun runProgram(const QString &program, const QStringList &arguments,
                      const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(NORVEL_BUILD_DIR);
    process.start(program, arguments);
    ProgramRun run;
    run.started = process.waitForStarted(30000);
    if (!run.started || !process.waitForFinished(120000)) return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// What the poppler tools read from a PDF.
struct PdfContent {
    int pages = 0;
    QStringList pageTexts;  // pdftotext -layout, one text per page
    QString text;           // all pages
    QString images;         // pdfimages -list
};

PdfContent readPdf(const QString &path) {
    PdfContent pdf;
    const ProgramRun info = runProgram("pdfinfo", {path});
    const QRegularExpressionMatch pages = QRegularExpression("\\nPages:\\s+(\\d+)").match("\n" + info.out);
    if (pages.hasMatch()) pdf.pages = pages.captured(1).toInt();
    pdf.text = runProgram("pdftotext", {"-layout", "-enc", "UTF-8", path, "-"}).out;
    pdf.pageTexts = pdf.text.split('\f');
    if (!pdf.pageTexts.isEmpty() && pdf.pageTexts.last().trimmed().isEmpty()) pdf.pageTexts.removeLast();
    pdf.images = runProgram("pdfimages", {"-list", path}).out;
    return pdf;
}

// True when the number `shown` is `value` rounded to `digits` significant
// digits (within half a unit of the last one).
bool roundsTo(const QString &shown, double value, int digits) {
    bool ok = false;
    const double number = shown.toDouble(&ok);
    if (!ok) return false;
    if (value == 0.0) return number == 0.0;
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(value))) - digits + 1);
    return std::fabs(number - value) <= 0.5 * unit * (1.0 + 1e-9);
}

// The project head of the example as its design file holds it.
const char *const head[][2] = {{"#Projekt:", "Brücke über die Wehra"}, {"#Position:", "Pos. 4.2"},
                               {"#Bauteil:", "Verbundträger Achse B"}, {"#Bearbeiter:", "A. Sommer"},
                               {"#Bemerkung:", "Vorbemessung"}};

// Lines of a page above its footer, without empty lines.
QStringList bodyLines(const QString &pageText) {
    QStringList lines;
    for (const QString &line : pageText.split('\n')) {
        if (line.contains(QRegularExpression("Seite \\d+ von \\d+"))) break;
        if (!line.trimmed().isEmpty()) lines << line.trimmed();
    }
    return lines;
}

// A heading as a reader sees one: a rule, a line that announces what
// follows (ending with ":" and holding no value) or a title in capitals.
bool looksLikeHeading(const QString &line) {
    if (line.contains(QRegularExpression("^-{10,}$"))) return true;
    if (line.endsWith(':') && !line.contains('=')) return true;
    return line.size() >= 3 && line == line.toUpper() && line.contains(QRegularExpression("[A-ZÄÖÜ]{3}")) &&
           !line.endsWith('!') && !line.contains(QRegularExpression("\\d"));
}

const QStringList figureTitles = {"Querschnitt", "Spannungs- und Dehnungsverteilung im GZG ohne Tension Stiffening",
                                   "Spannungs- und Dehnungsverteilung im GZG mit Tension Stiffening",
                                   "Spannungs- und Dehnungsverteilung im GZT", "Interaktion Biegung und Querkraft im GZT"};

// One design calculated into a PDF.
struct Design {
    QString file;
    std::string runFolder;
    ProgramRun batch;
    PdfContent pdf;
};

}  // namespace

class ReportPdfTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir temp;
    QHash<QString, Design> designs;

    QProcessEnvironment batchEnvironment(const QString &workFolder) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        env.insert("STALVORA_WORK_DIR", workFolder);
        return env;
    }

    Design calculate(const QString &name, const QString &designFile) {
        Design design;
        design.file = designFile;
        const QString work = temp.filePath("work-" + name);
        const QString pdf = temp.filePath(name + ".pdf");
        design.batch = runProgram(NORVEL_BUILD_DIR "/Norvel", {"--batch", designFile, "--pdf", pdf},
                                  batchEnvironment(work));
        design.runFolder = QDir(work).filePath("1").toStdString() + "/";
        design.pdf = readPdf(pdf);
        return design;
    }

    const Design &design(const QString &name) { return designs[name]; }

    void addDesignRows() {
        QTest::addColumn<QString>("name");
        for (const char *name : {"example", "hogging", "shear failure"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

private slots:
    void initTestCase() {
        QVERIFY(temp.isValid());
        QVERIFY2(runProgram("pdftotext", {"-v"}).started, "pdftotext (poppler-utils) is needed");
        const QString hogging = temp.filePath("hogging.txt");
        QString text = formdriver::withLine(formdriver::exampleInputText(), "*Tragfaehigkeit:",
                                            "*Tragfaehigkeit:\t\t-3e+08\t3e+05");
        text = formdriver::withLine(text, "*Gebrauchstauglichkeit:", "*Gebrauchstauglichkeit:\t\t-1.5e+08\t1.5e+05");
        QVERIFY(formdriver::writeText(hogging, text));
        const QString shear = temp.filePath("querkraft.txt");
        QVERIFY(QFile::copy(QString::fromStdString(fixtures::folder("results/shear_failure")) + "input.txt", shear));

        // The example with a project head, which the engine skips.
        const QString example = temp.filePath("beispiel.txt");
        QString withHead;
        for (const auto &line : head) withHead += QString::fromUtf8(line[0]) + "\t" + QString::fromUtf8(line[1]) + "\n";
        QVERIFY(formdriver::writeText(example, withHead + formdriver::exampleInputText()));
        designs.insert("example", calculate("example", example));
        designs.insert("hogging", calculate("hogging", hogging));
        designs.insert("shear failure", calculate("shear failure", shear));
        for (const Design &d : qAsConst(designs)) {
            // The shear failure is a check not fulfilled: exit code 2.
            const int exitCode = d.file == shear ? 2 : 0;
            QVERIFY2(d.batch.exitCode == exitCode, qPrintable(d.file + ": " + d.batch.err));
            // With --pdf the report goes into the file only.
            QCOMPARE(d.batch.out, QString());
            QVERIFY(d.pdf.pages > 0);
        }
        // The hogging design is hogging: its ultimate moment is negative.
        QVERIFY(results::KeyValues::read(design("hogging").runFolder + "output.txt").value("M_min_pl") < 0.0);
    }

    // Every page has its footer; a page never ends with a heading: it goes with its first lines.
    void pagesHaveTheirFooterAndNoHeadingAtTheEnd_data() { addDesignRows(); }
    void pagesHaveTheirFooterAndNoHeadingAtTheEnd() {
        QFETCH(QString, name);
        const Design &d = design(name);
        QCOMPARE(d.pdf.pageTexts.size(), d.pdf.pages);
        for (int page = 1; page <= d.pdf.pages; ++page) {
            const QString text = d.pdf.pageTexts[page - 1], where = QString("page %1").arg(page);
            QVERIFY2(text.contains(QString("Seite %1 von %2").arg(page).arg(d.pdf.pages)), qPrintable(where));
            QVERIFY2(text.contains(QFileInfo(d.file).fileName()), qPrintable(where));
            const QStringList lines = bodyLines(text);
            QVERIFY2(page == d.pdf.pages || (!lines.isEmpty() && !looksLikeHeading(lines.last())),
                     qPrintable(where + " ends with " + lines.value(lines.size() - 1)));
        }
        // The document the window prints has as many pages for the same run.
        const report::ReportDocument document(
            report::ReportSource{d.runFolder, d.file, calculationTime(d.runFolder), QDateTime::currentDateTime()});
        QCOMPARE(document.pageCount(report::reportPageLayout().paintRect(QPageLayout::Point).size()), d.pdf.pages);
        // The text takes more than one page, and the five figures at least two more.
        QVERIFY(d.pdf.pages >= 3);
    }

    void titleBlockNamesFileDateAndProgram_data() { addDesignRows(); }
    void titleBlockNamesFileDateAndProgram() {
        QFETCH(QString, name);
        const QString block = bodyLines(design(name).pdf.pageTexts.value(0)).mid(0, 12).join('\n');
        // The project head: the example's as its file holds it, the others without.
        for (const auto &line : head) {
            const QString label = QString::fromUtf8(line[0] + 1);
            const QString value = name == "example" ? QString::fromUtf8(line[1]) : QStringLiteral("nicht angegeben");
            if (name != "example" && label == "Bemerkung:") continue;
            QVERIFY2(block.contains(QRegularExpression(QRegularExpression::escape(label) + "\\s+" +
                                                       QRegularExpression::escape(value))),
                     qPrintable(label + "\n" + block));
        }
        QVERIFY2(block.contains("Bemessungsprotokoll"), qPrintable(block));
        QVERIFY2(block.contains("Norvel " NORVEL_VERSION), qPrintable(block));
        QVERIFY2(block.contains(QRegularExpression("Bemessungsdatei:\\s+" +
                                                   QRegularExpression::escape(design(name).file))),
                 qPrintable(block));
        const QDate today = QDate::currentDate();  // or yesterday: the PDF made before midnight
        QVERIFY2(block.contains(QRegularExpression("Erstellt am:\\s+(" + today.toString("dd\\.MM\\.yyyy") + "|" +
                                                   today.addDays(-1).toString("dd\\.MM\\.yyyy") + ")")),
                 qPrintable(block));
    }

    // Every line of the report text is in the PDF, whitespace aside; the
    // head (design file, time) once, in the title block; no number is not a number.
    void holdsTheReportText_data() { addDesignRows(); }
    void holdsTheReportText() {
        QFETCH(QString, name);
        const Design &d = design(name);
        const QString text = designReportText(d.runFolder, d.file, calculationTime(d.runFolder), false, true);
        QCOMPARE(QString(d.pdf.text).count("Bemessungsdatei:"), 1);
        QCOMPARE(QString(d.pdf.text).count("Berechnet am:"), 1);
        QCOMPARE(QString(d.pdf.text).count(QRegularExpression("Bemessungsprotokoll", QRegularExpression::CaseInsensitiveOption)), 1);
        const QString pdfText = QString(d.pdf.text).replace('\f', '\n').simplified();
        int lines = 0;
        for (const QString &line : text.split('\n')) {
            if (line.trimmed().isEmpty()) continue;
            ++lines;
            QVERIFY2(pdfText.contains(line.simplified()), qPrintable("missing: " + line));
        }
        QVERIFY(lines > 40);
        QVERIFY(!d.pdf.text.contains(QRegularExpression("\\b(nan|inf)\\b", QRegularExpression::CaseInsensitiveOption)));
    }

    // The numbers of the PDF are those of the run's result files, rounded
    // to four significant digits, with a space before the unit.
    void showsTheValuesOfTheResultFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("factor");  // file unit to report unit
        QTest::addColumn<QString>("shown");  // the line with (\\S+) in place of the value
        const QString vPl = "V_pl,Rd = (\\S+) kN";
        QTest::newRow("example V_pl,Rd") << "example" << "V_pl_Rd" << 1e-3 << vPl;
        QTest::newRow("example M_pl,Rd,max") << "example" << "M_max_pl" << 1e-6 << "M_pl_Rd,max= (\\S+) kNm";
        QTest::newRow("example M_el,Rd,max") << "example" << "M_max_el" << 1e-6 << "M_el_Rd,max= (\\S+) kNm";
        QTest::newRow("example A_a") << "example" << "A_a" << 1.0 << QString::fromUtf8("A_a: (\\S+) mm²");
        QTest::newRow("hogging V_pl,Rd") << "hogging" << "V_pl_Rd" << 1e-3 << vPl;
        QTest::newRow("hogging M_pl,Rd,min") << "hogging" << "M_min_pl" << 1e-6 << "M_pl_Rd,min: (\\S+) kNm";
        QTest::newRow("hogging M_el,Rd,min") << "hogging" << "M_min_el" << 1e-6 << "M_el_Rd,min: (\\S+) kNm";
        QTest::newRow("shear failure V_pl,Rd") << "shear failure" << "V_pl_Rd" << 1e-3 << vPl;
        QTest::newRow("shear failure A_c") << "shear failure" << "A_c" << 1.0 << QString::fromUtf8("A_c: (\\S+) mm²");
    }
    void showsTheValuesOfTheResultFiles() {
        QFETCH(QString, name);
        QFETCH(QString, key);
        QFETCH(double, factor);
        QFETCH(QString, shown);
        const Design &d = design(name);
        const std::optional<double> value = results::KeyValues::read(d.runFolder + "output.txt").find(key.toStdString());
        QVERIFY2(value.has_value(), qPrintable(key));
        const QRegularExpressionMatch m = QRegularExpression(shown).match(d.pdf.text);
        QVERIFY2(m.hasMatch(), qPrintable(shown));
        QVERIFY2(roundsTo(m.captured(1), *value * factor, 4), qPrintable(m.captured(0)));
    }

    // The complete input of the example with its project head, numbers and
    // units apart; the bars of the hogging design with both edges of each
    // layer in the value tables, as the engine's spannung_s.txt holds them.
    void holdsTheCompleteInput() {
        const QString text = design("example").pdf.text;
        for (const char *line : {"h_c: 160 mm", "k_c: 0.4", "k: 0.8", "σ_s: 320 N/mm²", "f_cd,RedFak: 0.85",
                                 "γ_c: 1.5", "γ_s: 1.15", "γ_M: 1", "Begrenzung der Bruchdehnung: EIN",
                                 "Verfestigung: EIN", "Duktilitätsklasse: B", "Profil: Walzprofil IPE400",
                                 "M_k = M_Ed,GZG = 200 kNm", "V_k = V_Ed,GZG = 150 kN", "M_d = M_Ed,GZT = 400 kNm",
                                 "V_d = V_Ed,GZT = 300 kN", "Brücke über die Wehra"})
            QVERIFY2(text.contains(QString::fromUtf8(line)), line);
        QVERIFY(!text.contains(QRegularExpression("\\d(mm|kN|kNm|N/mm²)\\b")));
        // Hogging opens the whole slab: A_ct = 2000 · 160 − 2682.9 mm² of bars = 317317 mm², and
        // A_s,min = 0.4 · 0.8 · 2.9 · 317317 / 320 = 920.2 mm².
        const QString hogging = design("hogging").pdf.text;
        QVERIFY(hogging.contains(QString::fromUtf8("A_s,min = k_c · k · f_ct,eff · A_ct / σ_s mit A_ct = 317300 mm²")));
        QVERIFY(hogging.contains(QString::fromUtf8("A_s,min = 920.2 mm² ≤ A_s,vor = 2683 mm²")));
    }
    void everyBarLayerStressIsShown_data() { addDesignRows(); }
    void everyBarLayerStressIsShown() {
        QFETCH(QString, name);
        const Design &d = design(name);
        // Z and σ of each "Bewehrung ... Lage UK/OK" row of the value tables.
        QVector<QPair<double, QString>> tableRows;
        const QRegularExpression row("^Bewehrung (untere|obere) Lage (UK|OK)\\s+(\\S+)\\s+\\S+\\s+(\\S+)$");
        for (const QString &line : d.pdf.text.split(QRegularExpression("[\\n\\f]"))) {
            const QRegularExpressionMatch m = row.match(line.trimmed());
            if (m.hasMatch()) tableRows.append({m.captured(3).toDouble(), m.captured(4)});
        }
        int bars = 0;
        for (const char *state : {"Gebrauchstauglichkeit/spannung_ohne_ts/", "Gebrauchstauglichkeit/spannung_mit_ts/",
                                  "Tragfaehigkeitkeit/spannung_ohne_ts/"})
            for (const auto &c : results::readNumberRows(d.runFolder + state + "spannung_s.txt", 7))
                for (const auto &edge : {std::make_pair(c[0], c[5]), std::make_pair(c[1], c[6])}) {
                    ++bars;
                    const bool found = std::any_of(tableRows.begin(), tableRows.end(), [&edge](const auto &shown) {
                        return shown.first == edge.first && roundsTo(shown.second, edge.second, 4);
                    });
                    QVERIFY2(found, qPrintable(QString("%1 Z = %2: %3").arg(state).arg(edge.first).arg(edge.second)));
                }
        QVERIFY(bars >= 8);
    }

    // No ratio is built from a missing result (the report text says it is missing: holdsTheReportText).
    void shearFailureShowsNoZeroForAMissingRatio() {
        static const QRegularExpression standaloneZero("(^|[^\\d.,])-?0([.,]0*)?($|[^\\d.,])");
        for (const QString &line : design("shear failure").pdf.text.split('\n')) {
            if (!line.contains("Ausnutzung") && !line.contains(QString::fromUtf8("η"))) continue;
            QVERIFY2(!line.contains(standaloneZero), qPrintable(line));
        }
    }

    // Each figure once, in order; a state without results is a line saying so, with the reason. The
    // plots are vector graphics: the PDF embeds no picture larger than an icon, and their labels are text.
    void figuresInOrder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("missing");  // figures that read "nicht ermittelt (Querkraftversagen)"
        QTest::newRow("example") << "example" << QStringList();
        QTest::newRow("hogging") << "hogging" << QStringList();
        QTest::newRow("shear failure") << "shear failure" << QStringList{figureTitles[3]};
    }
    void figuresInOrder() {
        QFETCH(QString, name);
        QFETCH(QStringList, missing);
        const PdfContent &pdf = design(name).pdf;
        const QStringList lines = pdf.text.split(QRegularExpression("[\\n\\f]"));
        int previous = -1;
        for (const QString &title : figureTitles) {
            int found = -1;
            for (int i = 0; i < lines.size(); ++i) {
                if (lines[i].trimmed() != title) continue;
                QVERIFY2(found < 0, qPrintable("twice: " + title));
                found = i;
            }
            QVERIFY2(found > previous, qPrintable("missing or out of order: " + title));
            previous = found;
            const bool notDetermined = lines.value(found + 1).trimmed().startsWith("nicht ermittelt (Querkraftversagen)");
            QCOMPARE(notDetermined, missing.contains(title));
        }
        const QStringList rows = pdf.images.split('\n', Qt::SkipEmptyParts);
        QVERIFY2(rows.size() >= 2 && rows[0].startsWith("page"), qPrintable(pdf.images));
        for (const QString &row : rows.mid(2)) {
            const QStringList columns = row.simplified().split(' ');
            QVERIFY2(columns.size() > 4 && columns[3].toInt() <= 32 && columns[4].toInt() <= 32, qPrintable(row));
        }
        QVERIFY(pdf.text.contains(QString::fromUtf8("σ [N/mm²]")) && pdf.text.contains("M [kNm]"));
    }

    void unwritableTargetIsAnError_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such folder") << temp.filePath("fehlt/protokoll.pdf") << "der Ordner existiert nicht";
        QTest::newRow("a folder") << temp.path() << "ist ein Ordner";
    }
    void unwritableTargetIsAnError() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        const QString work = temp.filePath("work-unwritable");
        const ProgramRun run = runProgram(NORVEL_BUILD_DIR "/Norvel",
                                          {"--batch", "inputstart.txt", "--pdf", target}, batchEnvironment(work));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, "Die PDF-Datei kann nicht geschrieben werden: " + target + " (" + reason + ")\n");
        // Said before the calculation: no run folder was made.
        QVERIFY(!QFileInfo::exists(QDir(work).filePath("1")));
    }

    // Without a display or Qt's platform: an answer that built a window would abort. An incomplete
    // command line shows the usage, which names the PDF call and the exit codes.
    void helpAndVersionNeedNoWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("start");  // of standard output, or of standard error
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "Aufruf:\n  Norvel ";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "Aufruf:\n  Norvel ";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "Norvel " NORVEL_VERSION "\n";
        QTest::newRow("unknown option") << QStringList{"--hilfe"} << 1 << "Unbekannte Option: --hilfe\n";
        QTest::newRow("incomplete") << QStringList{"--batch", "inputstart.txt", "--pdf"} << 1 << "Aufruf:\n  Norvel ";
    }
    void helpAndVersionNeedNoWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, start);
        const ProgramRun run = runProgram(NORVEL_BUILD_DIR "/Norvel", arguments, batchEnvironment(temp.filePath("w")));
        QCOMPARE(run.exitCode, exitCode);
        const QString shown = exitCode == 0 ? run.out : run.err;
        QVERIFY2(shown.startsWith(start), qPrintable(run.out + run.err));
        if (start.startsWith("Aufruf"))
            QVERIFY2(shown.contains("Norvel --batch DATEI --pdf AUSGABE.pdf ") &&
                         shown.contains(QString::fromUtf8("0 alle Nachweise erfüllt, 2 ein Nachweis nicht erfüllt")),
                     qPrintable(shown));
    }
};

QTEST_MAIN(ReportPdfTest)
#include "tst_report_pdf.moc"
