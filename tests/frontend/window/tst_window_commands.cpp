// The window's commands as a user types them: Ctrl+N then Ctrl+S never
// writes over the file opened before; F5 and Ctrl+E act from inside an input
// field; a design file saved with other values after the run is named in the
// report and its PDF with the remark that it changed.
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

QString u(const char *text) { return QString::fromUtf8(text); }

QByteArray bytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString changedRemark = u(" (nach der Berechnung geändert)");

// A line edit under the X11 key bindings claims Ctrl+E ("end of line")
// before any shortcut; the off-screen platform's bindings do not. This
// filter makes a field claim it as it does on a Linux desktop.
class ClaimsCtrlE : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override {
        auto *key = static_cast<QKeyEvent *>(event);
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
    int dialogs = 0;     // how often a file dialog was asked

    QString path(const QString &name) const { return temp.filePath(name); }

    // Types a key with the cursor in the field, as a user does.
    void typeIn(const char *fieldName, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        NumberEdit *f = field(*window, fieldName);
        f->setFocus();
        QTest::keyClick(f, key, modifiers);
    }

private slots:
    void init() {
        QVERIFY(temp.isValid());
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

    void cleanup() {
        window.reset();
        reportoutput::setPdfChooser(reportoutput::PdfChooser());
    }

    // Ctrl+N then Ctrl+S asks for a name: the file opened before keeps every byte.
    void newDesignNeverOverwritesTheFileOpenedBefore() {
        QVERIFY(writeText(path("plan.txt"), withLine(exampleInputText(), "*Eigenschaften-Baustahl:",
                                                     "*Eigenschaften-Baustahl:\t235\t1.1")));
        const QByteArray before = bytes(path("plan.txt"));
        chosen = QStringList{path("plan.txt")};
        QVERIFY(invoke(*window, "oeffnenClicked"));
        QCOMPARE(field(*window, "m_baustahlForce")->text(), QString("235"));

        typeIn("m_betonGamma", Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(window->windowTitle(), u("Unbenannt[*] – Norvel"));
        QCOMPARE(field(*window, "m_baustahlForce")->text(), QString("355"));  // the example's f_yk
        dialogs = 0;
        typeIn("m_betonGamma", Qt::Key_S, Qt::ControlModifier);  // the dialog is cancelled
        QCOMPARE(dialogs, 1);
        QCOMPARE(bytes(path("plan.txt")), before);
        chosen = QStringList{path("neu.txt")};
        typeIn("m_betonGamma", Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs, 2);
        QCOMPARE(bytes(path("plan.txt")), before);
        QVERIFY(readText(path("neu.txt")).contains("*Eigenschaften-Baustahl:\t355\t1"));
        QCOMPARE(window->windowTitle(), u("neu.txt[*] – Norvel"));
    }

    // F5 in a field calculates; M_Ed 400 -> 450 kNm saved over the file
    // (4.5e+08 Nmm); Ctrl+E in a field exports a report that says so. Saved
    // back with 400 kNm, the file holds the run's input again.
    void reportSaysWhenItsFileChangedAfterTheRun() {
        chosen = QStringList{path("ex3.txt")};
        QVERIFY(invoke(*window, "speichernunterClicked"));
        typeIn("m_momen_t", Qt::Key_F5);
        QVERIFY(MainWindowProbe(*window).process());  // started from inside the field
        QVERIFY(MainWindowProbe(*window).waitForEngineEnd());
        QTextEdit *report = MainWindowProbe(*window).report();
        QVERIFY2(report->toPlainText().contains(path("ex3.txt") + "\n"), qPrintable(report->toPlainText()));

        QStringList exported;
        reportoutput::setPdfChooser([&](QWidget *, const QString &suggested) {
            exported << suggested;
            return path("ex3.pdf");
        });
        field(*window, "m_momen_t")->installEventFilter(new ClaimsCtrlE(window.get()));
        for (const char *moment : {"450", "400"}) {
            NumberEdit *m = field(*window, "m_momen_t");
            m->selectAll();
            QTest::keyClicks(m, moment);
            typeIn("m_momen_t", Qt::Key_S, Qt::ControlModifier);
            const bool changed = QString(moment) == "450";
            QVERIFY(readText(path("ex3.txt")).contains(changed ? "*Tragfaehigkeit:\t\t4.5e+08" : "*Tragfaehigkeit:\t\t4e+08"));
            QCOMPARE(report->toPlainText().contains(path("ex3.txt") + changedRemark), changed);
            typeIn("m_momen_t", Qt::Key_E, Qt::ControlModifier);
            QCOMPARE(exported.size(), changed ? 1 : 2);  // the export was asked for a file
            QProcess text;
            text.start("pdftotext", {"-enc", "UTF-8", path("ex3.pdf"), "-"});
            QVERIFY(text.waitForFinished(30000));
            QCOMPARE(QString::fromUtf8(text.readAllStandardOutput()).contains(changedRemark.trimmed()), changed);
        }
        QCOMPARE(exported.first(), path("ex3.pdf"));  // proposed beside the design file
    }
};

QTEST_MAIN(WindowCommandsTest)
#include "tst_window_commands.moc"
