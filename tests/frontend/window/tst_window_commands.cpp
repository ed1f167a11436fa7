// The window's commands as a user types them, with the cursor inside a field.
#include <QApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <memory>

#include "support/form_driver.h"
#include "support/window_probe.h"
#include "widgets/numberedit.h"
#include "window/mainwindow.h"
#include "window/report_actions.h"

using namespace formdriver;

namespace {

// A line edit under the X11 key bindings claims Ctrl+E ("end of line")
// before any shortcut, the off-screen platform's does not: a field made to
// claim it as on a Linux desktop.
struct ClaimsCtrlE : QObject {
    bool eventFilter(QObject *, QEvent *event) override {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (event->type() == QEvent::ShortcutOverride && key->key() == Qt::Key_E &&
            key->modifiers() == Qt::ControlModifier)
            event->accept();
        return false;
    }
};

}  // namespace

class WindowCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir temp;
    std::unique_ptr<MainWindow> window;
    QStringList chosen;  // what the file dialog returns, in order
    int dialogs = 0;
    ClaimsCtrlE claimsCtrlE;

    QString path(const QString &name) const { return temp.filePath(name); }
    // A key typed with the cursor in the field.
    void typeIn(const char *fieldName, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        field(*window, fieldName)->setFocus();
        QTest::keyClick(field(*window, fieldName), key, modifiers);
    }

private slots:
    void init() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path("settings"));
        qputenv("STALVORA_WORK_DIR", path("work/").toUtf8());
        MainWindow::setQuietMessages(true);
        window = std::make_unique<MainWindow>();
        MainWindowProbe(*window).setFileChooser([this](filedialogs::Mode, const QString &) {
            ++dialogs;
            return chosen.isEmpty() ? QString() : chosen.takeFirst();
        });
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup() { reportoutput::setPdfChooser(reportoutput::PdfChooser()); }

    void newDesignNeverOverwritesTheFileOpenedBefore() {
        QVERIFY(writeText(path("plan.txt"), withLine(exampleInputText(), "*Eigenschaften-Baustahl:",
                                                     "*Eigenschaften-Baustahl:\t235\t1.1")));
        const QString before = readText(path("plan.txt"));
        chosen = QStringList{path("plan.txt")};
        QVERIFY(invoke(*window, "oeffnenClicked"));
        QCOMPARE(field(*window, "m_baustahlForce")->text(), QString("235"));
        typeIn("m_betonGamma", Qt::Key_N);
        QCOMPARE(field(*window, "m_baustahlForce")->text(), QString("355"));  // the example's f_yk
        dialogs = 0;
        typeIn("m_betonGamma", Qt::Key_S);  // asks for a name; cancelled
        QCOMPARE(dialogs, 1);
        chosen = QStringList{path("neu.txt")};
        typeIn("m_betonGamma", Qt::Key_S);
        QCOMPARE(dialogs, 2);
        QCOMPARE(readText(path("plan.txt")), before);
        QVERIFY(readText(path("neu.txt")).contains("*Eigenschaften-Baustahl:\t355\t1\n"));
    }

    // F5 in a field calculates; M_d 400 -> 450 kNm saved over the file
    // (4.5e+08 Nmm); Ctrl+E in a field exports a PDF that says so. Saved back
    // with 400 kNm, the file holds the run's input again.
    void reportSaysWhenItsFileChangedAfterTheRun() {
        chosen = QStringList{path("ex3.txt")};
        QVERIFY(invoke(*window, "speichernunterClicked"));
        typeIn("m_momen_t", Qt::Key_F5, Qt::NoModifier);
        QVERIFY(MainWindowProbe(*window).process() && MainWindowProbe(*window).waitForEngineEnd());
        QVERIFY(!MainWindowProbe(*window).console()->toPlainText().contains("festig_klasse"));  // no echo lines
        QTextEdit *report = MainWindowProbe(*window).report();
        QVERIFY(report->toPlainText().contains(path("ex3.txt") + "\n"));

        int exports = 0;
        reportoutput::setPdfChooser([&](QWidget *, const QString &suggested) {
            ++exports;
            return suggested;  // ex3.pdf beside the design file
        });
        field(*window, "m_momen_t")->installEventFilter(&claimsCtrlE);
        const QString remark = QString::fromUtf8("(nach der Berechnung geändert)");
        for (const QString moment : {"450", "400"}) {
            field(*window, "m_momen_t")->setText(moment);
            typeIn("m_momen_t", Qt::Key_S);
            const bool changed = moment == "450";
            QVERIFY(readText(path("ex3.txt")).contains(changed ? "Tragfaehigkeit:\t\t4.5e+08" : "Tragfaehigkeit:\t\t4e+08"));
            QCOMPARE(report->toPlainText().contains(path("ex3.txt") + " " + remark), changed);
            typeIn("m_momen_t", Qt::Key_E);
            QCOMPARE(exports, changed ? 1 : 2);
            QProcess pdf;
            pdf.start("pdftotext", {"-enc", "UTF-8", path("ex3.pdf"), "-"});
            QVERIFY(pdf.waitForFinished(30000));
            QCOMPARE(QString::fromUtf8(pdf.readAllStandardOutput()).contains(remark), changed);
        }
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "tst_window_commands.moc"
