// "Datei → Protokoll als PDF exportieren…" and "Datei → Drucken…" of the
// window, with the dialogs replaced, and the context menus of its plots and
// its drawing. The run shown is the hand-written shear-failure run folder.
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "plots/plot_export.h"
#include "qcustomplot.h"
#include "protocol/input_lines.h"
#include "support/form_driver.h"
#include "support/result_fixtures.h"
#include "support/window_probe.h"
#include "widgets/mygraphicsview.h"
#include "window/mainwindow.h"
#include "window/report_actions.h"

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

QString tool(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString &path) {
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(tool("pdfinfo", {path}));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

// The entry of the "Datei" menu with this text (mnemonic removed).
QAction *fileMenuAction(MainWindow &window, const QString &text) {
    for (QAction *menu : window.menuBar()->actions()) {
        if (!menu->menu() || QString(menu->text()).remove('&') != "Datei") continue;
        for (QAction *action : menu->menu()->actions())
            if (QString(action->text()).remove('&') == text) return action;
    }
    return nullptr;
}

const QString exportText = u("Protokoll als PDF exportieren…");
const QString printText = u("Drucken…");

}  // namespace

class ReportActionsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir work;
    QTemporaryDir out;

private slots:
    void initTestCase() {
        QVERIFY(work.isValid() && out.isValid());
        qputenv("STALVORA_WORK_DIR", work.path().toLocal8Bit() + "/");
        QVERIFY(fixtures::copyFolder(QString::fromStdString(fixtures::folder("results/shear_failure")),
                                     QDir(work.path()).filePath("1")));
        MainWindow::setQuietMessages(true);
    }

    void cleanup() {
        reportoutput::setPdfChooser(reportoutput::PdfChooser());
        reportoutput::setPrintSetup(reportoutput::PrintSetup());
    }

    void menuEntriesWithTheirShortcuts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("export") << exportText << QKeySequence("Ctrl+E");
        QTest::newRow("print") << printText << QKeySequence("Ctrl+P");
    }
    void menuEntriesWithTheirShortcuts() {
        QFETCH(QString, text);
        QFETCH(QKeySequence, shortcut);
        MainWindow window;
        QAction *action = fileMenuAction(window, text);
        QVERIFY(action);
        QCOMPARE(action->shortcut(), shortcut);
        // No other action of the window takes the shortcut.
        int taken = 0;
        for (QAction *other : window.findChildren<QAction *>())
            if (other->shortcuts().contains(shortcut)) ++taken;
        QCOMPARE(taken, 1);
    }

    void suggestedPdfPath_data() {
        QTest::addColumn<QString>("designFile");
        QTest::addColumn<QString>("suggested");
        QTest::newRow("beside the design") << "/daten/traeger.v2.txt" << "/daten/traeger.v2.pdf";
        QTest::newRow("no suffix") << "/daten/traeger" << "/daten/traeger.pdf";
        QTest::newRow("not saved") << "" << "/dokumente/Bemessungsprotokoll.pdf";
    }
    void suggestedPdfPath() {
        QFETCH(QString, designFile);
        QFETCH(QString, suggested);
        QCOMPARE(reportoutput::suggestedPdfPath(designFile, "/dokumente"), suggested);
    }

    // Before any calculation there is no report to hand in.
    void withoutCalculationNothingIsWrittenOrPrinted() {
        MainWindow window;
        bool asked = false;
        reportoutput::setPdfChooser([&](QWidget *, const QString &) {
            asked = true;
            return out.filePath("ohne.pdf");
        });
        reportoutput::setPrintSetup([&](QPrinter &, QWidget *) {
            asked = true;
            return true;
        });
        window.clearMessageLog();
        fileMenuAction(window, exportText)->trigger();
        fileMenuAction(window, printText)->trigger();
        QVERIFY(!asked);
        QVERIFY(!QFile::exists(out.filePath("ohne.pdf")));
        QCOMPARE(window.messageLog().size(), 2);
        for (const QString &message : window.messageLog())
            QVERIFY2(message.startsWith("Es liegt noch keine Berechnung vor."), qPrintable(message));
    }

    void exportsAndPrintsTheReportOfTheShownRun() {
        MainWindow window;
        MainWindowProbe(window).openLastCalculation();
        QString suggested;
        reportoutput::setPdfChooser([&](QWidget *, const QString &proposal) {
            suggested = proposal;
            return out.filePath("protokoll");  // ".pdf" is added
        });
        fileMenuAction(window, exportText)->trigger();
        const QString exported = out.filePath("protokoll.pdf");
        QVERIFY(QFile::exists(exported));
        QVERIFY2(suggested.endsWith(".pdf"), qPrintable(suggested));
        const QString text = tool("pdftotext", {"-layout", exported, "-"});
        QVERIFY(text.contains("Bemessungsprotokoll"));
        QVERIFY(text.contains("nicht ermittelt (Querkraftversagen)"));
        const int pages = pdfPages(exported);
        QVERIFY(pages >= 2);

        // Printed at another resolution, the document has the same pages
        // with the same lines in the same places.
        const QString printed = out.filePath("druck.pdf");
        reportoutput::setPrintSetup([&](QPrinter &printer, QWidget *) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            printer.setResolution(300);
            return true;
        });
        fileMenuAction(window, printText)->trigger();
        QVERIFY(QFile::exists(printed));
        QCOMPARE(pdfPages(printed), pages);
        const QStringList exportedLines = text.split('\n');
        const QStringList printedLines = tool("pdftotext", {"-layout", printed, "-"}).split('\n');
        QCOMPARE(printedLines.size(), exportedLines.size());
        const auto indent = [](const QString &line) { return line.size() - QString(line).trimmed().size(); };
        for (int i = 0; i < exportedLines.size(); ++i) {
            if (exportedLines[i].contains("Erstellt am:")) continue;  // the minute may differ
            QCOMPARE(printedLines[i].simplified(), exportedLines[i].simplified());
            // Positions rounded to text columns may differ by one.
            QVERIFY2(std::abs(indent(printedLines[i]) - indent(exportedLines[i])) <= 1,
                     qPrintable(printedLines[i] + "\n" + exportedLines[i]));
        }
        QVERIFY(window.messageLog().filter("Protokoll").isEmpty());
    }

    // "Datei → Projektangaben…": the head is offered once before the first
    // export of a design without one, reaches the report, marks the design
    // changed and is saved with it; the saved file opens with it again.
    void projectHeadFromTheDialogToTheFile() {
        MainWindow window;
        MainWindowProbe probe(window);
        probe.openLastCalculation();
        int asked = 0;
        probe.setProjectHeadEditor([&asked](QWidget *, design::ProjectHead &head) {
            head[protocol::input::Projekt] = "Halle 7";
            return ++asked > 0;
        });
        reportoutput::setPdfChooser([&](QWidget *, const QString &) { return out.filePath("kopf.pdf"); });
        fileMenuAction(window, exportText)->trigger();
        fileMenuAction(window, exportText)->trigger();
        QCOMPARE(asked, 1);
        QVERIFY(probe.report()->toPlainText().contains("\nProjekt:                  Halle 7\n"));
        QVERIFY(window.isWindowModified());
        const QString file = out.filePath("mit_kopf.txt");
        probe.setFileChooser([&file](filedialogs::Mode, const QString &) { return file; });
        QVERIFY(QMetaObject::invokeMethod(&window, "speichernunterClicked"));
        QVERIFY(!window.isWindowModified() && formdriver::readText(file).startsWith("#Projekt:\tHalle 7\n"));
        // Opened again, the dialog offers the head of the file.
        MainWindow again;
        MainWindowProbe reopened(again);
        reopened.setFileChooser([&file](filedialogs::Mode, const QString &) { return file; });
        QVERIFY(QMetaObject::invokeMethod(&again, "oeffnenClicked"));
        QString offered;
        reopened.setProjectHeadEditor([&offered](QWidget *, design::ProjectHead &head) {
            offered = QString::fromStdString(head[protocol::input::Projekt]);
            return false;
        });
        fileMenuAction(again, u("Projektangaben…"))->trigger();
        QVERIFY(offered == "Halle 7" && !again.isWindowModified());
    }

    void cancelledDialogsWriteNothing() {
        MainWindow window;
        MainWindowProbe(window).openLastCalculation();
        reportoutput::setPdfChooser([](QWidget *, const QString &) { return QString(); });
        const QString printed = out.filePath("abgebrochen.pdf");
        reportoutput::setPrintSetup([&](QPrinter &printer, QWidget *) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            return false;
        });
        window.clearMessageLog();
        fileMenuAction(window, exportText)->trigger();
        fileMenuAction(window, printText)->trigger();
        QVERIFY(!QFile::exists(printed));
        QVERIFY(window.messageLog().isEmpty());
    }

    void unwritablePdfIsReported() {
        MainWindow window;
        MainWindowProbe(window).openLastCalculation();
        const QString target = out.filePath("fehlt/protokoll.pdf");
        reportoutput::setPdfChooser([&](QWidget *, const QString &) { return target; });
        window.clearMessageLog();
        fileMenuAction(window, exportText)->trigger();
        QCOMPARE(window.messageTitles(), QStringList{u("Protokoll als PDF exportieren")});
        QCOMPARE(window.messageLog(),
                 QStringList{"Die PDF-Datei kann nicht geschrieben werden: " + target + " (der Ordner existiert nicht)"});
    }

    // Every result plot and the drawing of the tab "Plot" have the context menu.
    void plotsAndDrawingHaveTheContextMenu() {
        MainWindow window;
        MainWindowProbe(window).openLastCalculation();
        const QList<QCustomPlot *> plots = window.findChildren<QCustomPlot *>();
        QVERIFY(plots.size() >= 7);
        for (QCustomPlot *plot : plots) {
            QVERIFY(PlotExport::of(plot));
            QCOMPARE(plot->contextMenuPolicy(), Qt::CustomContextMenu);
        }
        PlotExport *drawing = nullptr;
        for (MyGraphicsView *view : window.findChildren<MyGraphicsView *>())
            if (PlotExport::of(view)) drawing = PlotExport::of(view);
        QVERIFY(drawing);
        // The dimensions of the run shown (fixtures/results/shear_failure/output.txt).
        const QStringList rows = drawing->valuesText().split('\n');
        QCOMPARE(rows.value(0), u("Größe\tWert [mm]"));
        QVERIFY(rows.contains("h_c\t160"));
        QVERIFY(rows.contains("b_e\t2000"));
        QVERIFY(rows.contains("h\t400"));
        QVERIFY(rows.contains("r\t21"));
    }
};

QTEST_MAIN(ReportActionsTest)
#include "tst_report_actions.moc"
