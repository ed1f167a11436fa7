// The design file as a document of the window: save as with ".txt", the
// shipped files that are never overwritten, the question before unsaved
// changes are lost, opening a wrong file, the decimal comma, the title, the
// recent files, the German dialogs, the shortcuts and the help fallback.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "files/recent_files.h"
#include "support/result_fixtures.h"
#include "support/form_driver.h"
#include "support/window_probe.h"
#include "widgets/numberedit.h"
#include "window/file_dialogs.h"
#include "window/german_texts.h"
#include "window/mainwindow.h"

using namespace formdriver;
using Answer = unsavedchanges::Answer;
using Mode = filedialogs::Mode;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Everything the user can see of the form's input.
QStringList formState(MainWindow &window) {
    QStringList state;
    for (NumberEdit *f : window.findChildren<NumberEdit *>())
        state << f->objectName() + "=" + f->text() + (f->isEnabled() ? "" : " (grau)");
    for (QComboBox *c : window.findChildren<QComboBox *>())
        state << c->objectName() + "=" + c->currentText() + (c->isEnabled() ? "" : " (grau)");
    for (QCheckBox *c : window.findChildren<QCheckBox *>())
        state << c->objectName() + "=" + (c->isChecked() ? "an" : "aus");
    return state;
}

QString keywordLine(const QString &text, const QString &keyword) {
    for (const QString &line : text.split('\n'))
        if (line.startsWith(keyword)) return line;
    return QString();
}

QMenu *menuNamed(MainWindow &window, const QString &text) {
    for (QAction *menu : window.menuBar()->actions())
        if (menu->text() == text) return menu->menu();
    return nullptr;
}

QAction *actionNamed(QMenu *menu, const QString &text) {
    for (QAction *action : menu->actions())
        if (action->text() == text) return action;
    return nullptr;
}

}  // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> temp;
    std::unique_ptr<MainWindow> window;
    QStringList questions;         // asked by the unsaved-changes prompt
    QList<Answer> answers;         // given in this order
    QStringList startFolders;      // where the file dialog would have started
    QStringList chosenPaths;       // what the file dialog returns, in order

    MainWindowProbe probe() { return MainWindowProbe(*window); }
    QString path(const QString &name) const { return temp->filePath(name); }

    void newWindow() {
        window = std::make_unique<MainWindow>();
        probe().setUnsavedPrompt([this](const QString &question) {
            questions << question;
            return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
        });
        probe().setFileChooser([this](Mode, const QString &start) {
            startFolders << start;
            return chosenPaths.isEmpty() ? QString() : chosenPaths.takeFirst();
        });
        window->clearMessageLog();
    }

    // Saves the form as the document `name` in the temporary folder.
    void saveAs(const QString &name) {
        chosenPaths = QStringList{path(name)};
        menuAction("Speichern &unter...")->trigger();
        QVERIFY(chosenPaths.isEmpty());
    }

    QAction *menuAction(const QString &text) {
        QAction *action = nullptr;
        for (QAction *menu : window->menuBar()->actions())
            if (!action) action = actionNamed(menu->menu(), text);
        if (!action) qWarning("no menu entry %s", qPrintable(text));
        return action;
    }

    // The example design with another γ_c.
    QString designWithGamma(const char *gamma) {
        return withLine(exampleInputText(), "*Eigenschaften-Beton:",
                        QString("*Eigenschaften-Beton:\t\tC30/37\t%1\t0.85\tON").arg(gamma));
    }

private slots:
    void initTestCase() {
        MainWindow::setQuietMessages(true);
    }

    void init() {
        temp = std::make_unique<QTemporaryDir>();
        QVERIFY(temp->isValid());
        // Settings go to the temporary folder, never to the user's.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path("settings"));
        qputenv("STALVORA_WORK_DIR", path("work/").toUtf8());
        questions.clear();
        answers.clear();
        startFolders.clear();
        chosenPaths.clear();
        newWindow();
    }

    void cleanup() {
        window.reset();
        filedialogs::setOpener(filedialogs::Opener());
        temp.reset();
    }

    void saveAsWithoutSuffixWritesTxt() {
        QCOMPARE(window->windowTitle(), u("Unbenannt[*] – Norvel"));
        field(*window, "m_betonGamma")->setText("1.7");
        QVERIFY(window->isWindowModified());
        saveAs("mydesign");
        QVERIFY(QFile::exists(path("mydesign.txt")));
        QVERIFY(!QFile::exists(path("mydesign")));
        QCOMPARE(QString::fromStdString(probe().documentPath()), path("mydesign.txt"));
        QCOMPARE(window->windowTitle(), u("mydesign.txt[*] – Norvel"));
        QVERIFY(!window->isWindowModified());
        QVERIFY(keywordLine(readText(path("mydesign.txt")), "*Eigenschaften-Beton:").contains("\t1.7\t"));
        QVERIFY(window->messageLog().isEmpty());
        // Speichern now writes the document without a dialog.
        field(*window, "m_betonGamma")->setText("1.8");
        menuAction("&Speichern...")->trigger();
        QCOMPARE(startFolders.size(), 1);
        QVERIFY(keywordLine(readText(path("mydesign.txt")), "*Eigenschaften-Beton:").contains("\t1.8\t"));
    }

    void dialogsStartInTheDocumentsThenTheLastFolder() {
        recentfiles::setLastFolder(NORVEL_BUILD_DIR);  // beside the shipped tables: never
        saveAs("plan.txt");
        chosenPaths = QStringList{QString()};
        menuAction("&Öffnen...")->trigger();
        QCOMPARE(startFolders.size(), 2);
        QVERIFY(startFolders[0] != NORVEL_BUILD_DIR);
        QVERIFY(QFileInfo(startFolders[0]).canonicalFilePath() != QFileInfo(NORVEL_BUILD_DIR).canonicalFilePath());
        QCOMPARE(startFolders[1], temp->path());
    }

    void savingOverAShippedFileIsRefused_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("what");
        const QString build = QDir(NORVEL_BUILD_DIR).absolutePath();
        QTest::newRow("profile table") << build + "/IProfile.txt" << "Profiltabelle";
        QTest::newRow("material table") << build + "/Materialeigenschaften.txt" << "Materialtabelle";
        QTest::newRow("example design") << build + "/inputstart.txt" << "Beispiel-Eingabedatei";
        QTest::newRow("profile table without suffix") << build + "/IProfile" << "Profiltabelle";
        QTest::newRow("through another folder") << build + "/tests/../Materialeigenschaften.txt" << "Materialtabelle";
    }

    void savingOverAShippedFileIsRefused() {
        QFETCH(QString, target);
        QFETCH(QString, what);
        const QString shipped = withSuffix(target);
        const QByteArray before = readText(shipped).toUtf8();
        QVERIFY(!before.isEmpty());
        field(*window, "m_betonGamma")->setText("1.7");
        chosenPaths = QStringList{target};
        menuAction("Speichern &unter...")->trigger();
        QCOMPARE(readText(shipped).toUtf8(), before);
        QCOMPARE(window->messageLog().size(), 1);
        const QString message = window->messageLog().first();
        QVERIFY2(message.contains(u("gehört zum Programm (") + what + ")"), qPrintable(message));
        QVERIFY2(message.contains(QFileInfo(shipped).fileName()), qPrintable(message));
        // Neither the document nor the recent files take the refused name.
        QCOMPARE(probe().documentPath(), std::string());
        QVERIFY(window->isWindowModified());
        QVERIFY(recentfiles::files().isEmpty());
    }

    // The unsaved-changes question before each action that replaces the form.
    void unsavedChangesAreAskedFor_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer");
        for (const char *action : {"neu", "oeffnen", "letzte", "schliessen"}) {
            QTest::newRow(qPrintable(QString("%1 verwerfen").arg(action))) << action << int(Answer::Discard);
            QTest::newRow(qPrintable(QString("%1 abbrechen").arg(action))) << action << int(Answer::Cancel);
            QTest::newRow(qPrintable(QString("%1 speichern").arg(action))) << action << int(Answer::Save);
        }
    }

    void unsavedChangesAreAskedFor() {
        QFETCH(QString, action);
        QFETCH(int, answer);
        // A document with γ_c = 1.5, a newer run with 1.6 and another design with 1.65.
        saveAs("doc.txt");
        QVERIFY(writeText(path("anderer.txt"), designWithGamma("1.65")));
        QDir().mkpath(path("work/3"));
        QVERIFY(writeText(path("work/3/input.txt"), designWithGamma("1.6")));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        // Unchanged: nothing is asked.
        QVERIFY(invoke(*window, "oeffnenClicked"));  // the dialog is cancelled
        QVERIFY(invoke(*window, "neuClicked"));
        QVERIFY(questions.isEmpty());
        // A new design with the example's γ_c = 1.5, unnamed and unchanged.
        QCOMPARE(field(*window, "m_betonGamma")->text(), QString("1.5"));
        QVERIFY(!window->isWindowModified());
        saveAs("doc.txt");

        QTest::keyClicks(field(*window, "m_betonGamma"), "7");  // 1.5 -> 1.57
        QCOMPARE(field(*window, "m_betonGamma")->text(), QString("1.57"));
        QVERIFY(window->isWindowModified());
        answers = {Answer(answer)};
        chosenPaths = QStringList{path("anderer.txt")};
        if (action == "neu") menuAction("&Neu...")->trigger();
        if (action == "oeffnen") menuAction("&Öffnen...")->trigger();
        if (action == "letzte") menuAction("&letzte Berechnung...")->trigger();
        if (action == "schliessen") window->close();

        QCOMPARE(questions.size(), 1);
        QVERIFY(questions.first().contains(u("„doc.txt“")));
        QVERIFY(questions.first().endsWith(u("Änderungen speichern?")));
        const QString saved = keywordLine(readText(path("doc.txt")), "*Eigenschaften-Beton:");
        QCOMPARE(saved.contains("\t1.57\t"), Answer(answer) == Answer::Save);
        QCOMPARE(saved.contains("\t1.5\t"), Answer(answer) != Answer::Save);

        const bool goesOn = Answer(answer) != Answer::Cancel;
        const QString gamma = field(*window, "m_betonGamma")->text();
        if (!goesOn) {
            QCOMPARE(gamma, QString("1.57"));
            QVERIFY(window->isVisible());
            QVERIFY(window->isWindowModified());
            QVERIFY(chosenPaths.size() == 1);  // no open dialog after cancelling
        } else if (action == "neu") {
            QCOMPARE(gamma, QString("1.5"));
            QCOMPARE(window->windowTitle(), u("Unbenannt[*] – Norvel"));
        } else if (action == "oeffnen") {
            QCOMPARE(gamma, QString("1.65"));
            QCOMPARE(window->windowTitle(), u("anderer.txt[*] – Norvel"));
            QVERIFY(!window->isWindowModified());
        } else if (action == "letzte") {
            QCOMPARE(gamma, QString("1.6"));
        } else {
            QVERIFY(!window->isVisible());
        }
    }

    void wrongFileLeavesEveryFieldAsItWas_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("profile table") << readText(NORVEL_BUILD_DIR "/IProfile.txt")
                                       << u("keine Zeile einer Eingabedatei");
        QTest::newRow("material table") << readText(NORVEL_BUILD_DIR "/Materialeigenschaften.txt")
                                        << u("keine Zeile einer Eingabedatei");
        QTest::newRow("fault in the last line")
            << withLine(exampleInputText(), "*Tragfaehigkeit:", "*Tragfaehigkeit:\t\t4e+08\tdreihundert")
            << u("„dreihundert“ ist keine Zahl");
        QTest::newRow("a section missing")
            << withLine(exampleInputText(), "*Geometrie-Bewehrung:", "Bewehrung siehe Plan")
            << u("Die Zeile „*Geometrie-Bewehrung:“ fehlt.");
        QTest::newRow("bytes of a picture") << QString::fromLatin1("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                                            << u("keine Zeile einer Eingabedatei");
    }

    void wrongFileLeavesEveryFieldAsItWas() {
        QFETCH(QString, content);
        QFETCH(QString, reason);
        // A state that differs from every file above.
        field(*window, "m_betonGamma")->setText("1.7");
        field(*window, "m_bewehrungDU")->setText("");
        selector(*window, "m_baustahlProfiltyp")->setCurrentText(QString::fromUtf8("Schweißprofil"));
        QVERIFY(invoke(*window, "set_Enabled"));
        saveAs("vorher.txt");
        field(*window, "m_momen_t")->setText("512");
        const QStringList before = formState(*window);
        QVERIFY(writeText(path("falsch.txt"), content));

        answers = {Answer::Discard};
        chosenPaths = QStringList{path("falsch.txt")};
        menuAction("&Öffnen...")->trigger();
        QCOMPARE(formState(*window), before);
        QCOMPARE(window->messageLog().size(), 1);
        QVERIFY2(window->messageLog().first().contains(reason), qPrintable(window->messageLog().first()));
        QVERIFY(window->messageLog().first().contains(u("„falsch.txt“ ist keine gültige Eingabedatei")));
        // The refused file is not the document.
        QCOMPARE(window->windowTitle(), u("vorher.txt[*] – Norvel"));
        QCOMPARE(recentfiles::files(), QStringList{path("vorher.txt")});
    }

    // "letzte Berechnung" shows a run's results only beside its own design: a
    // run folder whose input file is no design file leaves the form, the
    // status bar and the report as they were, with one message.
    void lastCalculationWithARefusedInputShowsNoResults() {
        // The worked example's results (M_Ed = 250 kNm, all checks passed) in
        // run folder 4, beside an input file that is no design file.
        QVERIFY(fixtures::copyFolder(QString::fromStdString(fixtures::folder("results/worked_example")),
                                     path("work/4")));
        fixtures::writeFile(path("work/4/input.txt"), "Bewehrung siehe Plan\n");
        field(*window, "m_betonGamma")->setText("1.7");
        saveAs("vorher.txt");
        const QStringList before = formState(*window);
        const QString status = probe().statusMessage();
        const QString report = probe().report()->toPlainText();

        menuAction("&letzte Berechnung...")->trigger();
        QCOMPARE(formState(*window), before);
        QCOMPARE(probe().statusMessage(), status);
        QCOMPARE(probe().report()->toPlainText(), report);
        QCOMPARE(window->messageLog().size(), 1);
        QVERIFY2(window->messageLog().first().contains(u("„input.txt“ ist keine gültige Eingabedatei")),
                 qPrintable(window->messageLog().first()));
    }

    void decimalCommaRoundTrip() {
        NumberEdit *gamma = field(*window, "m_betonGamma");
        NumberEdit *moment = field(*window, "m_momen_g");
        gamma->clear();
        QTest::keyClicks(gamma, "1,35");
        moment->clear();
        QTest::keyClicks(moment, "187,5");
        QCOMPARE(gamma->text(), QString("1,35"));
        QCOMPARE(gamma->state(), NumberEdit::State::Ok);
        QCOMPARE(moment->state(), NumberEdit::State::Ok);
        saveAs("komma.txt");
        const QString text = readText(path("komma.txt"));
        QCOMPARE(keywordLine(text, "*Eigenschaften-Beton:"), QString("*Eigenschaften-Beton:\t\tC30/37\t1.35\t0.85\tON"));
        // 187.5 kNm = 1.875e8 Nmm
        QVERIFY2(keywordLine(text, "*Gebrauchstauglichkeit:").startsWith("*Gebrauchstauglichkeit:\t\t1.875e+08\t"),
                 qPrintable(text));
        QVERIFY(!text.contains(','));
        answers = {Answer::Discard};
        QVERIFY(invoke(*window, "neuClicked"));
        QVERIFY(open(*window, path("komma.txt")));
        QCOMPARE(gamma->text(), QString("1.35"));
        QCOMPARE(moment->text(), QString("187.5"));
    }

    void recentFilesMenuListsTheLastFive() {
        QMenu *datei = menuNamed(*window, "&Datei");
        emit datei->aboutToShow();
        QMenu *recent = actionNamed(datei, u("&Zuletzt geöffnet"))->menu();
        QVERIFY(!recent->isEnabled());
        for (int i = 1; i <= 6; ++i) saveAs(QString("plan%1.txt").arg(i));
        QVERIFY(writeText(path("plan3.txt"), designWithGamma("1.45")));
        emit datei->aboutToShow();
        QVERIFY(recent->isEnabled());
        QStringList entries;
        for (QAction *a : recent->actions()) entries << a->text();
        QCOMPARE(entries, (QStringList{"&1 plan6.txt", "&2 plan5.txt", "&3 plan4.txt", "&4 plan3.txt",
                                       "&5 plan2.txt"}));
        QCOMPARE(recent->actions().at(3)->toolTip(), path("plan3.txt"));

        recent->actions().at(3)->trigger();
        QCOMPARE(field(*window, "m_betonGamma")->text(), QString("1.45"));
        QCOMPARE(window->windowTitle(), u("plan3.txt[*] – Norvel"));
        emit datei->aboutToShow();
        QCOMPARE(recent->actions().at(0)->text(), QString("&1 plan3.txt"));

        // A file deleted since: one message, and it leaves the list.
        QVERIFY(QFile::remove(path("plan5.txt")));
        window->clearMessageLog();
        recent->actions().at(2)->trigger();
        QCOMPARE(window->messageLog().size(), 1);
        QVERIFY(window->messageLog().first().contains(path("plan5.txt")));
        QVERIFY(!recentfiles::files().contains(path("plan5.txt")));
        QCOMPARE(field(*window, "m_betonGamma")->text(), QString("1.45"));
    }

    void calculationShortcuts_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("F5") << int(Qt::Key_F5) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Enter") << int(Qt::Key_Enter) << int(Qt::ControlModifier | Qt::KeypadModifier);
    }

    // Typed in a field, the key starts the calculation (here refused, so no engine runs).
    void calculationShortcuts() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        NumberEdit *hc = field(*window, "m_betonHoeheC");
        hc->setText("");
        hc->setFocus();
        QTest::keyClick(hc, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(window->messageLog(),
                 QStringList{u("Die Berechnung wurde nicht gestartet. Bitte diese Eingaben prüfen:\n"
                               "h_c (Geometrie): leeres Feld")});
        QCOMPARE(hc->text(), QString());
    }

    void helpShowsThePathWhenNothingOpensTheFile_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("file");
        QTest::newRow("manual") << "&Hilfe" << "Benutzerhandbuch.pdf";
        QTest::newRow("material table") << "&Materialeigenschaften bearbeiten..." << "Materialeigenschaften.txt";
    }

    void helpShowsThePathWhenNothingOpensTheFile() {
        QFETCH(QString, entry);
        QFETCH(QString, file);
        QList<QUrl> handed;
        bool opens = false;
        filedialogs::setOpener([&](const QUrl &url) {
            handed << url;
            return opens;
        });
        QAction *action = actionNamed(menuNamed(*window, "&Hilfe"), entry);
        if (!action) action = menuAction(entry);
        QVERIFY(action);
        const QString full = QDir::toNativeSeparators(QDir(NORVEL_BUILD_DIR).absoluteFilePath(file));
        action->trigger();
        QCOMPARE(handed.size(), 1);
        QCOMPARE(QFileInfo(handed.first().toLocalFile()).canonicalFilePath(), QFileInfo(full).canonicalFilePath());
        QCOMPARE(window->messageLog().size(), 1);
        QVERIFY2(window->messageLog().first().endsWith(u("Die Datei liegt hier:\n") + full),
                 qPrintable(window->messageLog().first()));
        // An application that takes the file: no message.
        opens = true;
        window->clearMessageLog();
        action->trigger();
        QVERIFY(window->messageLog().isEmpty());
    }

    // Qt's German texts: the dialogs, the message-box buttons, the context menus.
    void germanQtTexts() {
        QVERIFY(installGermanQtTexts(*qApp));
        QMessageBox box(QMessageBox::Question, "t", "x", QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Discard)->text(), QString("Verwerfen"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QString("Abbrechen"));

        QTextEdit report;
        QStringList menuTexts;
        std::unique_ptr<QMenu> menu(report.createStandardContextMenu());
        for (QAction *a : menu->actions()) menuTexts << a->text();
        QVERIFY2(menuTexts.join('|').contains("Alles auswählen"), qPrintable(menuTexts.join('|')));

        // The real save dialog: German, in the given folder, ".txt" appended.
        QString lookIn;
        QString directory;
        QTimer::singleShot(0, [&]() {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog) return;
            if (auto *label = dialog->findChild<QLabel *>("lookInLabel")) lookIn = label->text();
            directory = dialog->directory().absolutePath();
            dialog->selectFile("entwurf");
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        const QString chosen = filedialogs::chooseWithDialog(nullptr, Mode::Save, temp->path());
        QCOMPARE(lookIn, QString("Suchen in:"));
        QCOMPARE(directory, temp->path());
        QCOMPARE(chosen, path("entwurf.txt"));
    }

private:
    // The file a refused target stands for (the suffix the dialog appends).
    static QString withSuffix(const QString &target) {
        return QFileInfo(target).suffix().isEmpty() ? target + ".txt" : target;
    }
};

QTEST_MAIN(DocumentsTest)
#include "tst_documents.moc"
