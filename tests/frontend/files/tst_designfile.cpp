// Files the user handles: the whole-file check of a design file, the ".txt"
// suffix, the shipped files that are never overwritten, the start folder of
// the dialogs and the list of recent files.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "files/design_choices.h"
#include "files/design_file.h"
#include "protocol/input_lines.h"
#include "files/recent_files.h"
#include "files/shipped_files.h"
#include "support/form_driver.h"

namespace {

designfile::Choices choices() {
    return {{"C20/25", "C30/37", "C60/75"}, {"A", "B", "C"}, {"Schweissprofil", "Walzprofil"}, {"IPE200", "IPE400"}};
}

QString example() { return formdriver::exampleInputText(); }

designfile::ReadResult parse(const QString &text) { return designfile::parse(text.toStdString(), choices()); }

QString q(const std::string &text) { return QString::fromStdString(text); }

// The values of one keyword line of a design as the file writes them.
QStringList lineOf(const design::Design &d, protocol::input::Line line) {
    const QString keyword = QString::fromLatin1(protocol::input::keywordLine(line).keyword);
    for (const QString &text : q(designfile::text(d)).split('\n'))
        if (text.startsWith(keyword)) return text.mid(keyword.size()).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    return {};
}

int lineOf(const QString &text, const QString &keyword) {
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(keyword)) return i + 1;
    return -1;
}

}  // namespace

class DesignFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir temp;

private slots:
    void initTestCase() {
        QVERIFY(temp.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, temp.filePath("settings"));
    }

    // The shipped example, read into the model and written again, gives the
    // same bytes; its actions are 400 kNm = 4e8 Nmm and 300 kN = 3e5 N.
    void exampleDesignIsReadWholeAndWrittenAgainByteForByte() {
        const designfile::ReadResult r = parse(example());
        QVERIFY2(r.ok, qPrintable(q(r.reason)));
        QVERIFY(r.design.set_e_cu3 && r.design.rolled());
        QCOMPARE(*r.design.M_t, 4e8);
        QCOMPARE(*r.design.V_t, 3e5);
        QCOMPARE(*r.design.k_min, 0.8);
        QCOMPARE(q(designfile::text(r.design)), example());
    }

    // The studs' line is optional: written after *Tragfaehigkeit: only with partial connection, read
    // back to the same bytes; without it the example's file. Empty stud fields count only with it.
    void studLineIsOptionalAndRoundTrips() {
        const QString studs = example() + "\n\n\t\t\t\td\th_sc\tf_u\tn\tL_e\tRippen\tn_r\tt_blech\n"
                                          "*Verbundmittel:\t\t19\t100\t450\t18\t8000\tquer\t2\t0.88\n";
        design::Design d = parse(studs).design;
        QVERIFY(d.partialConnection && d.Rippen == "quer" && *d.n_r == 2 && *d.t_blech == 0.88 && *d.L_e == 8000);
        QCOMPARE(q(designfile::text(d)), studs);
        d.partialConnection = false;
        d.d.reset();
        QCOMPARE(q(designfile::text(d)), example());
        QVERIFY(design::missingValues(d).empty());
        d.partialConnection = true;
        QCOMPARE(q(design::missingValues(d).at(0)->formName), QString("m_duebelD"));
    }

    // The project head rides along in lines the engine skips. A file
    // without it (the shipped example, every older file) opens with an
    // empty head; a head is read back as written, one line per field, tabs
    // and line ends of the text made blanks.
    void projectHeadIsKeptWithTheDesign_data() {
        QTest::addColumn<QStringList>("entered");  // Projekt, Position, Bauteil, Bearbeiter, Bemerkung
        QTest::addColumn<QStringList>("read");
        QTest::addColumn<int>("headLines");
        const QStringList all{u8"Brücke über die Wehra", "Pos. 4.2", u8"Träger B", "A. Sommer", "Vorbemessung"};
        QTest::newRow("none") << QStringList{"", "", "", "", ""} << QStringList{"", "", "", "", ""} << 0;
        QTest::newRow("all") << all << all << 5;
        QTest::newRow("tabs, line ends, blanks") << QStringList{" P\t1\n2 ", "", "*Tragfaehigkeit: 1 2", "", "a\r\nb"}
                                                 << QStringList{"P 1 2", "", "*Tragfaehigkeit: 1 2", "", "a  b"} << 3;
    }
    void projectHeadIsKeptWithTheDesign() {
        QFETCH(QStringList, entered);
        QFETCH(QStringList, read);
        QFETCH(int, headLines);
        design::Design d = parse(example()).design;
        QVERIFY(d.head.empty());
        for (int f = 0; f < protocol::input::headFieldCount; ++f)
            d.head[protocol::input::HeadField(f)] = entered[f].toStdString();
        const QString text = q(designfile::text(d));
        // The keyword lines stay as the engine reads them, after the head.
        QVERIFY(text.endsWith(example()));
        QCOMPARE(text.count('\n') - example().count('\n'), headLines);
        const designfile::ReadResult back = parse(text);
        QVERIFY2(back.ok, qPrintable(q(back.reason)));
        for (int f = 0; f < protocol::input::headFieldCount; ++f)
            QCOMPARE(q(back.design.head[protocol::input::HeadField(f)]), read[f]);
        QCOMPARE(*back.design.M_t, 4e8);
    }

    // The engine computes a design with a head exactly as without: every
    // result file of the two run folders is the same, byte for byte.
    void engineSkipsTheProjectHead() {
        design::Design d = parse(example()).design;
        designchoices::takeProfilePlates(d);
        for (int f = 0; f < protocol::input::headFieldCount; ++f)
            d.head[protocol::input::HeadField(f)] = u8"Kopf mit Umlauten äöü und *Tragfaehigkeit: 1 2";
        design::Design plain = d;
        plain.head = {};
        QStringList folders;
        for (const design::Design &design : {d, plain}) {
            const QString run = temp.filePath(QString("head-%1/1").arg(folders.size()));
            QVERIFY(QDir().mkpath(run));
            QVERIFY(formdriver::writeText(run + "/input.txt", q(designfile::text(design))));
            QCOMPARE(QProcess::execute(NORVEL_BUILD_DIR "/Stalvora2", {run}), 0);
            folders << run;
        }
        QVERIFY(formdriver::readText(folders[0] + "/input.txt").startsWith("#Projekt:\t"));
        QDirIterator files(folders[1], QDir::Files, QDirIterator::Subdirectories);
        int compared = 0;
        while (files.hasNext()) {
            const QString relative = QDir(folders[1]).relativeFilePath(files.next());
            if (relative == "input.txt") continue;
            QFile a(QDir(folders[1]).filePath(relative)), b(QDir(folders[0]).filePath(relative));
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QVERIFY2(a.readAll() == b.readAll(), qPrintable(relative));
            ++compared;
        }
        QVERIFY(compared >= 15);
    }

    void faultsAreNamedByTheirFirstLine_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("line");  // 0: the whole file
        QTest::addColumn<QString>("reason");
        const QString e = example();
        const auto row = [](const char *name, const QString &text, int line, const char *reason) {
            QTest::newRow(name) << text << line << QString::fromUtf8(reason);
        };
        // The example with the keyword line of `keyword` holding `values`.
        const auto bad = [&](const char *name, const char *keyword, const char *values, const char *reason) {
            row(name, formdriver::withLine(e, keyword, keyword + QString(values)), lineOf(e, keyword), reason);
        };
        const char *noInput = "keine Zeile einer Eingabedatei";
        row("profile table", formdriver::readText(NORVEL_BUILD_DIR "/IProfile.txt"), 1, noInput);
        row("material table", formdriver::readText(NORVEL_BUILD_DIR "/Materialeigenschaften.txt"), 1, noInput);
        row("notes after blank lines", "\n\n  \nEinkaufsliste\n", 4, noInput);
        row("empty", "", 0, "Die Datei ist leer.");
        row("section missing", formdriver::withLine(e, "*Mindestbewehrung:", ""), 0,
            "Die Zeile „*Mindestbewehrung:“ fehlt.");
        bad("letters for a number", "*Eigenschaften-Baustahl:", "\t355\tabc", "„abc“ ist keine Zahl");
        // Files carry a decimal point, as the engine reads them.
        bad("decimal comma in the file", "*Eigenschaften-Baustahl:", "\t355\t1,0", "„1,0“ ist keine Zahl");
        bad("infinite", "*Geometrie-Beton:", "\t\tinf\t2000\t0\t0", "„inf“ ist keine Zahl");
        bad("empty marker for a force", "*Tragfaehigkeit:", "\t\t-\t3e+05", "„-“ ist keine Zahl");
        bad("value missing", "*Geometrie-Bewehrung:", "\t\t10\t12\t150\t150\t30",
            "zu wenige Werte: 6 erwartet, 5 gefunden");
        bad("rolled without a name", "*Baustahl-Typ:", "\t\t\tWalzprofil", "Profilname ungültig!");
        const QString studs = e + "*Verbundmittel:\t19\t100\t450\t18\t8000\t";
        row("stud ribs not offered", studs + "schraeg\t1\t0\n", e.count('\n') + 1, "Rippen ungültig");
        row("stud value missing", studs + "keine\t1\n", e.count('\n') + 1, "zu wenige Werte: 8 erwartet, 7 gefunden");
        // The first faulty line decides, not the worst one.
        row("two faults",
            formdriver::withLine(e, "*Tragfaehigkeit:", "*Tragfaehigkeit:\t\tx\ty")
                .replace("*Eigenschaften-Bewehrung:\t500", "*Eigenschaften-Bewehrung:\tfuenf"),
            lineOf(e, "*Eigenschaften-Bewehrung:"), "„fuenf“ ist keine Zahl");
    }

    void faultsAreNamedByTheirFirstLine() {
        QFETCH(QString, text);
        QFETCH(int, line);
        QFETCH(QString, reason);
        const designfile::ReadResult r = parse(text);
        QVERIFY(!r.ok);
        QCOMPARE(r.faultLine, line);
        QVERIFY2(q(r.reason).startsWith(reason), qPrintable(q(r.reason)));
        if (line > 0) {
            QString shown = text.split('\n').at(line - 1).trimmed();
            shown.replace('\t', ' ');
            // Long lines are shortened for the message.
            QVERIFY2(q(r.lineText).startsWith(shown.left(60)) && r.lineText.size() <= 80, qPrintable(q(r.lineText)));
        }
        const QString message = q(designfile::faultMessage(r, "/irgendwo/plan.txt"));
        QVERIFY(message.contains(QString::fromUtf8("„plan.txt“")));
        QCOMPARE(message.contains(QString("Zeile %1:").arg(line)), line > 0);
        QVERIFY(message.endsWith(q(r.reason)));
    }

    void acceptedVariants_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("section");
        QTest::addColumn<QStringList>("values");
        const QString e = example();
        using namespace protocol::input;
        using formdriver::withLine;
        const QStringList steel{"355", "1"};
        QTest::newRow("windows line ends") << QString(e).replace("\n", "\r\n") << int(EigenschaftenBaustahl) << steel;
        // As in the engine, the last line of a keyword wins.
        QTest::newRow("repeated keyword") << e + "\n*Eigenschaften-Baustahl:\t235\t1.1\n"
                                          << int(EigenschaftenBaustahl) << QStringList{"235", "1.1"};
        QTest::newRow("empty field marker") << withLine(e, "*Geometrie-Beton:", "*Geometrie-Beton:\t\t160\t-\t0\t0")
                                            << int(GeometrieBeton) << QStringList{"160", "-", "0", "0"};
        QTest::newRow("welded without a name")
            << withLine(e, "*Baustahl-Typ:", "*Baustahl-Typ:\t\t\tSchweissprofil\t") << int(BaustahlTyp)
            << QStringList{"Schweissprofil"};
        // Words after the last value are ignored, as the engine ignores them.
        QTest::newRow("trailing words") << withLine(e, "*Eigenschaften-Baustahl:", "*Eigenschaften-Baustahl:\t355\t1\tS355")
                                        << int(EigenschaftenBaustahl) << steel;
    }

    void acceptedVariants() {
        QFETCH(QString, text);
        QFETCH(int, section);
        QFETCH(QStringList, values);
        const designfile::ReadResult r = parse(text);
        QVERIFY2(r.ok, qPrintable(q(r.reason)));
        QCOMPARE(lineOf(r.design, protocol::input::Line(section)), values);
    }

    void unreadableOrHugeFileIsRefused() {
        const designfile::ReadResult missing = designfile::read(temp.filePath("fehlt.txt").toStdString(), choices());
        QVERIFY(!missing.ok);
        QCOMPARE(q(missing.reason), QString::fromUtf8("Die Datei kann nicht gelesen werden."));
        const QString huge = temp.filePath("gross.txt");
        QVERIFY(formdriver::writeText(huge, example() + QString(2 * 1024 * 1024, 'x')));
        QCOMPARE(q(designfile::read(huge.toStdString(), choices()).reason),
                 QString::fromUtf8("Die Datei ist zu groß für eine Eingabedatei."));
    }

    void saveAsAppendsTheSuffix_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no suffix") << "/home/a/mydesign" << "/home/a/mydesign.txt";
        QTest::newRow("txt") << "/home/a/mydesign.txt" << "/home/a/mydesign.txt";
        QTest::newRow("other suffix kept") << "/home/a/mydesign.dat" << "/home/a/mydesign.dat";
        QTest::newRow("trailing dot") << "/home/a/mydesign." << "/home/a/mydesign.txt";
        QTest::newRow("dot in the folder only") << "/home/a.v2/mydesign" << "/home/a.v2/mydesign.txt";
        QTest::newRow("nothing chosen") << "" << "";
    }

    void saveAsAppendsTheSuffix() {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QCOMPARE(q(designfile::withDesignSuffix(chosen.toStdString())), saved);
    }

    // The build folder is the working directory: its tables are the files the programs read. The tables
    // by their full paths are refused as targets of "Speichern unter" in the window's tests.
    void shippedFilesAreRecognisedByTheirCanonicalPath_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("description");
        const QString build = QDir(NORVEL_BUILD_DIR).absolutePath();
        const QString link = temp.filePath("tabelle.txt");
        QVERIFY(QFile::link(build + "/Materialeigenschaften.txt", link));
        QTest::newRow("relative") << "IProfile.txt" << "Profiltabelle";
        QTest::newRow("through a link") << link << "Materialtabelle";
        QTest::newRow("other file beside them") << build + "/meinplan.txt" << "";
        QTest::newRow("same name elsewhere") << temp.filePath("IProfile.txt") << "";
        QTest::newRow("folder missing") << temp.filePath("nichts/IProfile.txt") << "";
    }

    void shippedFilesAreRecognisedByTheirCanonicalPath() {
        QFETCH(QString, path);
        QFETCH(QString, description);
        QCOMPARE(shippedfiles::describe(path), description);
    }

    void dialogsStartInTheLastFolderOrTheDocuments_data() {
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("keepsLast");
        const QString build = QDir(NORVEL_BUILD_DIR).absolutePath();
        QTest::newRow("never used") << QString() << false;
        QTest::newRow("user folder") << temp.path() << true;
        QTest::newRow("program and data folder") << build << false;
        QTest::newRow("data folder written otherwise") << build + "/." << false;
        QTest::newRow("folder deleted since") << temp.filePath("weg") << false;
    }

    void dialogsStartInTheLastFolderOrTheDocuments() {
        QFETCH(QString, last);
        QFETCH(bool, keepsLast);
        const QStringList protectedFolders = shippedfiles::protectedFolders();
        const QString build = QFileInfo(NORVEL_BUILD_DIR).canonicalFilePath();
        // The tests run beside the tables, like the program: their folder is that of the program.
        QVERIFY2(protectedFolders.contains(build), qPrintable(protectedFolders.join(", ")));
        const QString documents = shippedfiles::documentsFolder();
        QVERIFY(QFileInfo(documents).isDir());
        QCOMPARE(shippedfiles::startFolder(last, documents, protectedFolders), keepsLast ? last : documents);
    }

    void recentListKeepsFiveNewestFirst_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("into empty") << QStringList() << "/a/1.txt" << QStringList{"/a/1.txt"};
        QTest::newRow("to the front") << QStringList{"/a/1.txt", "/a/2.txt"} << "/a/3.txt"
                                      << QStringList{"/a/3.txt", "/a/1.txt", "/a/2.txt"};
        QTest::newRow("again moves up") << QStringList{"/a/1.txt", "/a/2.txt", "/a/3.txt"} << "/a/3.txt"
                                        << QStringList{"/a/3.txt", "/a/1.txt", "/a/2.txt"};
        QTest::newRow("same file written otherwise") << QStringList{"/a/1.txt", "/a/2.txt"} << "/a/b/../2.txt"
                                                     << QStringList{"/a/2.txt", "/a/1.txt"};
        QTest::newRow("sixth drops the oldest")
            << QStringList{"/a/1.txt", "/a/2.txt", "/a/3.txt", "/a/4.txt", "/a/5.txt"} << "/a/6.txt"
            << QStringList{"/a/6.txt", "/a/1.txt", "/a/2.txt", "/a/3.txt", "/a/4.txt"};
    }

    void recentListKeepsFiveNewestFirst() {
        QFETCH(QStringList, before);
        QFETCH(QString, added);
        QFETCH(QStringList, after);
        QCOMPARE(recentfiles::withFileInFront(before, added), after);
    }

    // Through the settings (the window's tests show the list): a removed file leaves only itself out.
    void recentFilesAreStoredInTheSettings() {
        for (const char *name : {"plan1.txt", "plan2.txt", "plan3.txt"}) recentfiles::add(temp.filePath(name));
        recentfiles::remove(temp.filePath("plan2.txt"));
        QCOMPARE(recentfiles::files(), (QStringList{temp.filePath("plan3.txt"), temp.filePath("plan1.txt")}));
    }
};

QTEST_MAIN(DesignFileTest)
#include "tst_designfile.moc"
