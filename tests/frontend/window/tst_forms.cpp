// The main window's input side: structure, fields, enabling, saving and
// opening input files, and the file read by the real engine.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>
#include <memory>

#include "files/design.h"
#include "support/form_driver.h"
#include "window/mainwindow.h"
#include "widgets/mygraphicsview.h"
#include "widgets/numberedit.h"

using namespace formdriver;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Text fields and the texts the round trip uses; every one is distinct so a
// value landing in the wrong field is caught.
const QList<QPair<const char *, const char *>> textFields = {
    {"m_betonGamma", "1.35"},          {"m_betonAlpha", "0.85"},
    {"m_bewehrungForce", "435"},       {"m_bewehrungGamma", "1.15"},
    {"m_baustahlForce", "460"},        {"m_baustahlGamma", "1.1"},
    {"m_betonHoeheC", "180"},          {"m_betonHoeheP", "51"},
    {"m_betonBreiteE", "2250"},        {"m_betonBreiteP", "62"},
    {"m_bewehrungDU", "12"},           {"m_bewehrungDO", "14"},
    {"m_bewehrungAbstandUnten", "125"}, {"m_bewehrungAbstandOben", "175"},
    {"m_bewehrungCnormU", "25"},       {"m_bewehrungCnormO", "35"},
    {"m_baustahlHoehe", "512.5"},      {"m_baustahlTfu", "22"},
    {"m_baustahlTfo", "16"},           {"m_baustahlBfu", "300"},
    {"m_baustahlBfc", "240"},          {"m_baustahlTw", "10.5"},
};

// The x of the cursor at the start of the text, scrolled as Qt scrolls it.
int textStartX(QLineEdit *edit) {
    edit->home(false);
    return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
}

// Whether the field shows its whole text. A line edit scrolls a text too
// long for it so that the cursor at its end stays visible, which moves the
// start of the text out on the left; painting fixes the scroll position.
bool showsWholeText(QLineEdit *edit) {
    edit->end(false);
    edit->grab();
    const int startWithCursorAtEnd = textStartX(edit);  // scroll position still that of the end
    edit->grab();
    return textStartX(edit) == startWithCursorAtEnd;
}

QString keywordLine(const QString &text, const QString &keyword) {
    for (const QString &line : text.split('\n'))
        if (line.startsWith(keyword)) return line;
    return QString();
}

}  // namespace

class TestForms : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowHasTabsMenusAndShortcuts();
    void formHasEveryFieldWithItsWidth();
    void wholeTextDetectorSeesACutNumber();
    void everyFieldShowsItsWholeText_data();
    void everyFieldShowsItsWholeText();
    void startValuesComeFromTheExampleFile();
    void numberEditColoursFollowTheText_data();
    void numberEditColoursFollowTheText();
    void graphicsViewZoomsByFixedSteps();
    void clearLayoutEmptiesNestedLayouts();
    void neuShowsTheExampleAsANewDesign();
    void sigmaFollowsFskUntilTyped_data();
    void sigmaFollowsFskUntilTyped();
    void profileTypeSwitchesTheSteelFields();
    void savedFormReadsBackWithTheSameTexts();
    void forcesAreWrittenInNewtonAndReadBackInKilonewton();
    void rolledProfileShowsTheTableDimensions();
    void offClearsBothCheckBoxes();
    void invalidSelectorValuesKeepThePreviousState_data();
    void invalidSelectorValuesKeepThePreviousState();
    void missingValueLeavesTheFormAsItWas();
    void emptyFieldTravelsThroughTheFile();
    void writeFailureShowsOneMessage();
    void runFolderModeCreatesTheFolder();
    void missingFileChangesNothing();
    void engineReadsTheWrittenFile_data();
    void engineReadsTheWrittenFile();

private:
    QString tempFile(const QString &name) const { return m_dir->filePath(name); }
    void loadText(const QString &text);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
};

void TestForms::initTestCase() {
    MainWindow::setQuietMessages(true);
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("STALVORA_WORK_DIR", m_dir->filePath("work/").toUtf8());
}

void TestForms::init() { m_window = std::make_unique<MainWindow>(); }

void TestForms::cleanup() { m_window.reset(); }

void TestForms::loadText(const QString &text) {
    const QString path = tempFile("load.txt");
    QVERIFY(writeText(path, text));
    m_window->clearMessageLog();
    QVERIFY(open(*m_window, path));
}

void TestForms::windowHasTabsMenusAndShortcuts() {
    auto *tabs = m_window->findChild<QTabWidget *>();
    QVERIFY(tabs);
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i) titles << tabs->tabText(i);
    QCOMPARE(titles, QStringList({"Eingabe", "Plot", "Gebrauchstauglichkeit", "Tragfähigkeit",
                                  "Momenten-Krümmung", "Protokoll"}));

    // Each menu with its entries ("|" a separator) and their first shortcuts:
    // Alt+D, Alt+B and Alt+H open the menus; no two entries share a mnemonic.
    QStringList menus;
    for (QAction *menu : m_window->menuBar()->actions()) {
        QStringList entries;
        for (QAction *a : menu->menu()->actions())
            entries << (a->isSeparator() ? QString("|") : a->text() + " " + a->shortcut().toString());
        menus << menu->text() + ": " + entries.join(", ");
    }
    QCOMPARE(menus, QStringList({u("&Datei: &Neu... Ctrl+N, &Öffnen... Ctrl+O, &Zuletzt geöffnet , &Speichern... "
                                   "Ctrl+S, Speichern &unter... Ctrl+Shift+S, &Projektangaben… , |, Protokoll als PDF &exportieren… "
                                   "Ctrl+E, &Drucken… Ctrl+P, |, &Materialeigenschaften bearbeiten... , |, "
                                   "&Beenden Ctrl+Q"),
                                 u("&Berechnung: Berechnung &starten F5, &letzte Berechnung... , &Profil suchen… "),
                                 u("&Hilfe: &Info... , &Hilfe F1")}));

    // The shortcut entry Neu really resets the form: to the example's γ_c.
    field(*m_window, "m_betonGamma")->setText("7");
    m_window->menuBar()->actions().at(0)->menu()->actions().at(0)->trigger();
    QCOMPARE(field(*m_window, "m_betonGamma")->text(), QString("1.5"));
}

void TestForms::formHasEveryFieldWithItsWidth() {
    QCOMPARE(m_window->findChildren<NumberEdit *>().size(), 36);
    const QList<QPair<const char *, int>> widths = {
        {"m_betonGamma", 30}, {"m_betonBreiteE", 40}, {"m_baustahlTw", 30},
        {"m_momen_g", 70},    {"m_querkraft_t", 70},  {"m_k_c", 30},
        {"m_s_s", 30},
    };
    // The given widths are the least; a field is wider where its font needs it.
    for (const auto &w : widths) {
        NumberEdit *f = field(*m_window, w.first);
        QVERIFY2(f, w.first);
        QVERIFY2(f->width() >= w.second, w.first);
    }
    QCOMPARE(field(*m_window, "m_bewehrungDU")->height(), 17);

    QComboBox *klasse = selector(*m_window, "m_betonForce");
    QStringList classes;
    for (int i = 0; i < klasse->count(); ++i) classes << klasse->itemText(i);
    QCOMPARE(classes, QStringList({"C20/25", "C25/30", "C30/37", "C35/45", "C40/50", "C45/55",
                                   "C50/60", "C55/67", "C60/75"}));
    QComboBox *duktil = selector(*m_window, "m_bewehrungKlasse");
    QCOMPARE(duktil->count(), 3);
    QCOMPARE(duktil->itemText(0) + duktil->itemText(1) + duktil->itemText(2), QString("ABC"));
    QComboBox *name = selector(*m_window, "m_baustahlProfilname");
    QCOMPARE(name->itemText(0), QString());
    QVERIFY(name->findText("IPE400") > 0);
    QCOMPARE(name->findText("//"), -1);
}

void TestForms::wholeTextDetectorSeesACutNumber() {
    QLineEdit narrow;
    narrow.setFont(field(*m_window, "m_betonGamma")->font());
    narrow.setFixedWidth(30);
    narrow.setText("1");
    QVERIFY(showsWholeText(&narrow));
    narrow.setText("2000");
    QVERIFY(!showsWholeText(&narrow));
}

// A cut-off number is read as a different number ("2000" as "000"): every
// field shows its whole text, in every colour state and also greyed out.
void TestForms::everyFieldShowsItsWholeText_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("example design") << QString();
    for (const char *text : {"10000", "10000.5", "1.5e+08", "-1000.5", "0.00125", "1,5e+08"})
        QTest::newRow(text) << text;
}

void TestForms::everyFieldShowsItsWholeText() {
    QFETCH(QString, text);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const QList<NumberEdit *> fields = m_window->findChildren<NumberEdit *>();
    QCOMPARE(fields.size(), 36);
    QStringList cut;
    for (NumberEdit *f : fields) {
        QVERIFY2(f->font().pointSizeF() >= 8, qPrintable(f->objectName()));
        if (!text.isNull()) f->setText(text);
        // The example has no studs: their fields stay empty.
        if (text.isNull() && design::fieldNamed(f->objectName().toStdString())->stud) continue;
        QVERIFY2(!f->text().isEmpty(), qPrintable(f->objectName()));
        if (!showsWholeText(f)) cut << f->objectName() + " \"" + f->text() + "\"";
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
}

void TestForms::startValuesComeFromTheExampleFile() {
    QCOMPARE(selector(*m_window, "m_betonForce")->currentText(), QString("C30/37"));
    QVERIFY(checkBox(*m_window, "m_betonBruchdehnung")->isChecked());
    QCOMPARE(field(*m_window, "m_momen_g")->text(), QString("200"));
    QCOMPARE(field(*m_window, "m_querkraft_g")->text(), QString("150"));
    QCOMPARE(field(*m_window, "m_momen_t")->text(), QString("400"));
    QCOMPARE(field(*m_window, "m_querkraft_t")->text(), QString("300"));
    QCOMPARE(field(*m_window, "m_k_c")->text(), QString("0.4"));
    QCOMPARE(selector(*m_window, "m_baustahlProfilname")->currentText(), QString("IPE400"));
    QVERIFY(!field(*m_window, "m_baustahlHoehe")->isEnabled());
    QVERIFY(m_window->messageLog().isEmpty());
}

void TestForms::numberEditColoursFollowTheText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("fileText");
    const int ok = int(NumberEdit::State::Ok);
    const int noNumber = int(NumberEdit::State::NotANumber);
    QTest::newRow("decimal point") << "1.5" << ok << true << 1.5 << "1.5";
    QTest::newRow("exponent") << "2e3" << ok << true << 2000.0 << "2000";
    QTest::newRow("negative") << "-0.25" << ok << true << -0.25 << "-0.25";
    // A German decimal comma is read as typed and written with a point.
    QTest::newRow("decimal comma") << "1,5" << ok << true << 1.5 << "1.5";
    QTest::newRow("comma and exponent") << "1,5e+08" << ok << true << 1.5e8 << "1.5e+08";
    QTest::newRow("thousands and comma") << "1.000,5" << noNumber << false << 0.0 << "";
    QTest::newRow("two commas") << "1,0,5" << noNumber << false << 0.0 << "";
    QTest::newRow("letters") << "abc" << noNumber << false << 0.0 << "";
    QTest::newRow("infinite") << "inf" << noNumber << false << 0.0 << "";
    QTest::newRow("empty") << "" << int(NumberEdit::State::Empty) << false << 0.0 << "";
}

// A marked field shows a frame as well as a colour, and keeps its width.
void TestForms::numberEditColoursFollowTheText() {
    QFETCH(QString, text);
    QFETCH(int, state);
    QFETCH(bool, valid);
    QFETCH(double, value);
    QFETCH(QString, fileText);
    NumberEdit edit;
    QCOMPARE(edit.text(), QString("0.0"));
    QCOMPARE(edit.styleSheet(), QString());  // a new field is not coloured
    QCOMPARE(edit.width(), 70);
    edit.setText(text);
    QCOMPARE(int(edit.state()), state);
    QCOMPARE(edit.isValid(), valid);
    QCOMPARE(edit.value(), value);
    // As the design file writes the field's value.
    QCOMPARE(valid ? QString::fromStdString(design::numberText(edit.value())) : QString(), fileText);
    const QString style = edit.styleSheet();
    if (state == int(NumberEdit::State::Ok)) {
        QCOMPARE(style, QString());
        QVERIFY(!edit.toolTip().contains(QString::fromUtf8("⚠")));
    } else {
        QVERIFY2(style.contains("background-color") && style.contains("border: 2px"), qPrintable(style));
        QVERIFY2(style.contains(state == int(NumberEdit::State::Empty) ? "dashed" : "solid"), qPrintable(style));
        QVERIFY(edit.toolTip().contains(QString::fromUtf8("⚠")));
    }
    QCOMPARE(edit.width(), 70);
}

void TestForms::graphicsViewZoomsByFixedSteps() {
    MyGraphicsView view;
    QCOMPARE(view.scene()->sceneRect(), QRectF(-200, -250, 400, 750));
    QCOMPARE(view.dragMode(), QGraphicsView::ScrollHandDrag);
    const auto wheel = [&view](int delta) {
        QWheelEvent event(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view.viewport(), &event);
    };
    wheel(120);
    QCOMPARE(view.transform().m11(), 1.15);
    QCOMPARE(view.transform().m22(), 1.15);
    wheel(120);
    QCOMPARE(view.transform().m11(), 1.15 * 1.15);
    wheel(-120);
    wheel(-120);
    QVERIFY(qAbs(view.transform().m11() - 1.0) < 1e-12);
    wheel(-120);
    QVERIFY(qAbs(view.transform().m11() - 1.0 / 1.15) < 1e-12);
}

void TestForms::clearLayoutEmptiesNestedLayouts() {
    for (bool deleteWidgets : {true, false}) {
        QWidget host;
        auto *outer = new QVBoxLayout(&host);
        QPointer<QLabel> top = new QLabel("a");
        QPointer<QLabel> inner = new QLabel("b");
        auto *sub = new QHBoxLayout;
        sub->addWidget(inner);
        outer->addWidget(top);
        outer->addLayout(sub);
        outer->addStretch(1);
        QVERIFY(QMetaObject::invokeMethod(m_window.get(), "clearLayout", Qt::DirectConnection,
                                          Q_ARG(QLayout *, outer), Q_ARG(bool, deleteWidgets)));
        QCOMPARE(outer->count(), 0);
        QCOMPARE(top.isNull(), deleteWidgets);
        QCOMPARE(inner.isNull(), deleteWidgets);
    }
}

// "Neu": the shipped example's values (data/inputstart.txt; its actions
// 2e+08 Nmm and 300000 N shown as 200 kNm and 300 kN), a design without a
// file; without a readable example every field is empty and marked, never 0.
void TestForms::neuShowsTheExampleAsANewDesign() {
    // In the order of the field table: γ_c, f_cd,RedFak, f_sk, γ_s, f_yk, γ_M, h_c, h_p, b_e, b_p, d_u, d_o,
    // e_u, e_o, c_nom,u, c_nom,o, h, t_fu, t_fo, b_fu, b_fo, t_w, M_k, V_k, k, k_c, σ_s, M_d, V_d; then the studs.
    const QStringList example = QString("1.5 0.85 500 1.15 355 1 160 0 2000 0 10 12 150 150 30 30 400 13.5 13.5 "
                                        "180 180 8.6 200 150 0.8 0.4 320 400 300").split(' ');
    QCOMPARE(m_window->findChildren<NumberEdit *>().size(), int(design::fields().size()));
    for (const bool withExample : {true, false}) {
        QTemporaryDir elsewhere;  // a broken example in the current folder comes first
        QVERIFY(withExample || (writeText(elsewhere.filePath("inputstart.txt"), "kein Beispiel\n") &&
                                QDir::setCurrent(elsewhere.path())));
        selector(*m_window, "m_betonForce")->setCurrentText("C50/60");
        for (NumberEdit *f : m_window->findChildren<NumberEdit *>()) f->setText("9");
        QVERIFY(invoke(*m_window, "neuClicked"));
        QDir::setCurrent(NORVEL_BUILD_DIR);
        QVERIFY(!m_window->isWindowModified());
        for (int i = 0; i < int(design::fields().size()); ++i) {
            NumberEdit *f = field(*m_window, design::fields().at(i).formName);
            if (i >= example.size()) {  // the example has no studs: their fields stay empty and off
                QVERIFY(f->text().isEmpty() && !f->isEnabled());
                continue;
            }
            // The plates of the IPE400 that stays selected come from the profile table.
            const bool shown = withExample || !f->isEnabled();
            QCOMPARE(f->text(), shown ? example[i] : QString());
            QCOMPARE(f->state(), shown ? NumberEdit::State::Ok : NumberEdit::State::Empty);
        }
        QCOMPARE(selector(*m_window, "m_betonForce")->currentText(), withExample ? "C30/37" : "C50/60");
    }
    // The studs' ribs and switch are changes of the design as well.
    selector(*m_window, "m_duebelRippen")->setCurrentText("quer");
    QVERIFY(m_window->isWindowModified() && invoke(*m_window, "neuClicked") && !m_window->isWindowModified());
    checkBox(*m_window, "m_teilverduebelung")->setChecked(true);
    QVERIFY(m_window->isWindowModified());
}

// σ_s follows f_sk only while it has not been typed, and only a number.
void TestForms::sigmaFollowsFskUntilTyped_data() {
    QTest::addColumn<QString>("sigmaInFile");  // 500 = f_sk: follows; 320: its own value
    QTest::addColumn<QStringList>("typed");    // "f:TEXT" into f_sk, "s:TEXT" into σ_s
    QTest::addColumn<QString>("sigma");
    QTest::newRow("following") << "500" << QStringList{"f:550"} << "550";
    QTest::newRow("decimal comma") << "500" << QStringList{"f:452,5"} << "452.5";
    QTest::newRow("no number: unchanged") << "500" << QStringList{"f:abc"} << "500";
    QTest::newRow("own value stays") << "320" << QStringList{"f:550"} << "320";
    QTest::newRow("typed, then f_sk") << "500" << QStringList{"s:280", "f:550"} << "280";
    QTest::newRow("f_sk, typed, f_sk") << "500" << QStringList{"f:450", "s:300", "f:600"} << "300";
}

void TestForms::sigmaFollowsFskUntilTyped() {
    QFETCH(QString, sigmaInFile);
    QFETCH(QStringList, typed);
    QFETCH(QString, sigma);
    loadText(withLine(exampleInputText(), "*Mindestbewehrung:", "*Mindestbewehrung:\t\t0.4\t0.8\t" + sigmaInFile));
    m_window->statusBar()->clearMessage();
    for (const QString &step : typed) {
        NumberEdit *f = field(*m_window, step.startsWith("f:") ? "m_bewehrungForce" : "m_s_s");
        f->selectAll();
        QTest::keyClicks(f, step.mid(2));
    }
    QCOMPARE(field(*m_window, "m_s_s")->text(), sigma);
    // The status bar says why σ_s changed by itself.
    const bool followed = sigma != sigmaInFile && !typed.join(' ').contains("s:");
    QCOMPARE(m_window->statusBar()->currentMessage().contains(u("σ_s = ") + sigma + u(" N/mm² gesetzt: σ_s folgt f_sk")),
             followed);
    field(*m_window, "m_bewehrungForce")->setText("410");  // set by the program, not typed
    QCOMPARE(field(*m_window, "m_s_s")->text(), sigma);
}

void TestForms::profileTypeSwitchesTheSteelFields() {
    QComboBox *typ = selector(*m_window, "m_baustahlProfiltyp");
    QComboBox *name = selector(*m_window, "m_baustahlProfilname");
    const char *steel[] = {"m_baustahlHoehe", "m_baustahlTfu", "m_baustahlTfo",
                           "m_baustahlBfu",   "m_baustahlBfc", "m_baustahlTw"};

    typ->setCurrentText(QString::fromUtf8("Schweißprofil"));
    emit typ->activated(typ->currentIndex());
    QVERIFY(!name->isEnabled());
    QCOMPARE(name->currentText(), QString());
    for (const char *s : steel) QVERIFY(field(*m_window, s)->isEnabled());
    QCOMPARE(field(*m_window, "m_baustahlHoehe")->text(), QString("400"));  // values kept

    typ->setCurrentText("Walzprofil");
    emit typ->activated(typ->currentIndex());
    QVERIFY(name->isEnabled());
    for (const char *s : steel) QVERIFY(!field(*m_window, s)->isEnabled());
    name->setCurrentText("IPE200");
    emit name->activated(name->currentIndex());
    QCOMPARE(field(*m_window, "m_baustahlHoehe")->text(), QString("200"));
    QCOMPARE(field(*m_window, "m_baustahlBfu")->text(), QString("100"));
    QCOMPARE(field(*m_window, "m_baustahlBfc")->text(), QString("100"));
    QCOMPARE(field(*m_window, "m_baustahlTw")->text(), QString("5.6"));
    QCOMPARE(field(*m_window, "m_baustahlTfu")->text(), QString("8.5"));
    QCOMPARE(field(*m_window, "m_baustahlTfo")->text(), QString("8.5"));

    typ->setCurrentText(QString::fromUtf8("Schweißprofil"));
    emit typ->activated(typ->currentIndex());
    QCOMPARE(name->currentText(), QString());
    QCOMPARE(field(*m_window, "m_baustahlTw")->text(), QString("5.6"));
    for (const char *s : steel) QVERIFY(field(*m_window, s)->isEnabled());
}

void TestForms::savedFormReadsBackWithTheSameTexts() {
    MainWindow &w = *m_window;
    selector(w, "m_baustahlProfiltyp")->setCurrentText(QString::fromUtf8("Schweißprofil"));
    QVERIFY(invoke(w, "set_Enabled"));
    for (const auto &t : textFields) field(w, t.first)->setText(t.second);
    selector(w, "m_betonForce")->setCurrentText("C45/55");
    selector(w, "m_bewehrungKlasse")->setCurrentText("C");
    checkBox(w, "m_betonBruchdehnung")->setChecked(false);
    checkBox(w, "m_bewehrungVerfestigung")->setChecked(true);
    field(w, "m_momen_g")->setText("-125.5");
    field(w, "m_querkraft_g")->setText("88");
    field(w, "m_k_c")->setText("0.6");
    field(w, "m_k")->setText("0.65");
    field(w, "m_s_s")->setText("240");
    field(w, "m_momen_t")->setText("310");
    field(w, "m_querkraft_t")->setText("-95.25");
    const QString path = tempFile("roundtrip.txt");
    QVERIFY(save(w, path));

    // Change everything, then read the file back.
    QVERIFY(invoke(w, "neuClicked"));
    selector(w, "m_betonForce")->setCurrentText("C20/25");
    selector(w, "m_bewehrungKlasse")->setCurrentText("A");
    checkBox(w, "m_betonBruchdehnung")->setChecked(true);
    checkBox(w, "m_bewehrungVerfestigung")->setChecked(false);
    w.clearMessageLog();
    QVERIFY(open(w, path));

    QVERIFY(w.messageLog().isEmpty());
    for (const auto &t : textFields) QCOMPARE(field(w, t.first)->text(), QString(t.second));
    QCOMPARE(selector(w, "m_betonForce")->currentText(), QString("C45/55"));
    QCOMPARE(selector(w, "m_bewehrungKlasse")->currentText(), QString("C"));
    QVERIFY(!checkBox(w, "m_betonBruchdehnung")->isChecked());
    QVERIFY(checkBox(w, "m_bewehrungVerfestigung")->isChecked());
    QCOMPARE(selector(w, "m_baustahlProfiltyp")->currentText(), QString::fromUtf8("Schweißprofil"));
    QCOMPARE(field(w, "m_momen_g")->text(), QString("-125.5"));
    QCOMPARE(field(w, "m_querkraft_g")->text(), QString("88"));
    QCOMPARE(field(w, "m_k_c")->text(), QString("0.6"));
    QCOMPARE(field(w, "m_k")->text(), QString("0.65"));
    QCOMPARE(field(w, "m_s_s")->text(), QString("240"));
    QCOMPARE(field(w, "m_momen_t")->text(), QString("310"));
    QCOMPARE(field(w, "m_querkraft_t")->text(), QString("-95.25"));
}

void TestForms::forcesAreWrittenInNewtonAndReadBackInKilonewton() {
    MainWindow &w = *m_window;
    field(w, "m_momen_g")->setText("150");
    field(w, "m_querkraft_g")->setText("12.5");
    field(w, "m_momen_t")->setText("0.1234567");
    field(w, "m_querkraft_t")->setText("2.5");
    field(w, "m_k_c")->setText("0.33333333");
    field(w, "m_k")->setText("abc");  // no number: written as 0
    const QString path = tempFile("forces.txt");
    QVERIFY(save(w, path));
    const QString text = readText(path);
    QCOMPARE(keywordLine(text, "*Gebrauchstauglichkeit:"),
             QString("*Gebrauchstauglichkeit:\t\t1.5e+08\t12500"));
    QCOMPARE(keywordLine(text, "*Tragfaehigkeit:"), QString("*Tragfaehigkeit:\t\t123457\t2500"));
    QCOMPARE(keywordLine(text, "*Mindestbewehrung:"),
             QString("*Mindestbewehrung:\t\t0.333333\t0\t") + field(w, "m_s_s")->text());

    QVERIFY(open(w, path));
    QCOMPARE(field(w, "m_momen_g")->text(), QString("150"));
    QCOMPARE(field(w, "m_querkraft_g")->text(), QString("12.5"));
    QCOMPARE(field(w, "m_momen_t")->text(), QString("0.123457"));
    QCOMPARE(field(w, "m_querkraft_t")->text(), QString("2.5"));
    QCOMPARE(field(w, "m_k_c")->text(), QString("0.333333"));
    QCOMPARE(field(w, "m_k")->text(), QString("0"));
}

void TestForms::rolledProfileShowsTheTableDimensions() {
    QString text = withLine(exampleInputText(), "*Baustahl-Typ:",
                            "*Baustahl-Typ:\t\t\tWalzprofil\tHEB300");
    text = withLine(text, "*Geometrie-Baustahl:", "*Geometrie-Baustahl:\t\t1\t2\t3\t4\t5\t6");
    loadText(text);
    QVERIFY(m_window->messageLog().isEmpty());
    // HEB 300: h = 300, b = 300, t_w = 11, t_f = 19 mm.
    QCOMPARE(field(*m_window, "m_baustahlHoehe")->text(), QString("300"));
    QCOMPARE(field(*m_window, "m_baustahlBfu")->text(), QString("300"));
    QCOMPARE(field(*m_window, "m_baustahlBfc")->text(), QString("300"));
    QCOMPARE(field(*m_window, "m_baustahlTw")->text(), QString("11"));
    QCOMPARE(field(*m_window, "m_baustahlTfu")->text(), QString("19"));
    QCOMPARE(field(*m_window, "m_baustahlTfo")->text(), QString("19"));
    QVERIFY(!field(*m_window, "m_baustahlTfo")->isEnabled());
    QVERIFY(selector(*m_window, "m_baustahlProfilname")->isEnabled());
}

void TestForms::offClearsBothCheckBoxes() {
    checkBox(*m_window, "m_betonBruchdehnung")->setChecked(true);
    checkBox(*m_window, "m_bewehrungVerfestigung")->setChecked(true);
    QString text = withLine(exampleInputText(), "*Eigenschaften-Beton:",
                            "*Eigenschaften-Beton:\t\tC30/37\t1.5\t0.85\tOFF");
    text = withLine(text, "*Eigenschaften-Bewehrung:",
                    "*Eigenschaften-Bewehrung:\t500\t1.15\tB\tOFF");
    loadText(text);
    QVERIFY(m_window->messageLog().isEmpty());
    QVERIFY(!checkBox(*m_window, "m_betonBruchdehnung")->isChecked());
    QVERIFY(!checkBox(*m_window, "m_bewehrungVerfestigung")->isChecked());
}

void TestForms::invalidSelectorValuesKeepThePreviousState_data() {
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reason");
    QTest::newRow("concrete class")
        << "*Eigenschaften-Beton:" << "*Eigenschaften-Beton:\t\tC22/27\t1.35\t0.85\tON"
        << "Betonfestigkeitsklasse ungültig!";
    QTest::newRow("concrete status")
        << "*Eigenschaften-Beton:" << "*Eigenschaften-Beton:\t\tC30/37\t1.35\t0.85\ton"
        << "ungültiger Status: Begrenzug der Bruchdehnung von Beton";
    // Only the first fault of a line is named.
    QTest::newRow("class and status")
        << "*Eigenschaften-Beton:" << "*Eigenschaften-Beton:\t\tc30/37\t1.35\t0.85\tAN"
        << "Betonfestigkeitsklasse ungültig!";
    QTest::newRow("ductility class")
        << "*Eigenschaften-Bewehrung:" << "*Eigenschaften-Bewehrung:\t500\t1.15\tD\tON"
        << "Duktilitätsklasse ungültig!";
    QTest::newRow("hardening status")
        << "*Eigenschaften-Bewehrung:" << "*Eigenschaften-Bewehrung:\t500\t1.15\tB\tJA"
        << "ungültiger Status: Verfestigung von Bewehrung";
    QTest::newRow("profile type")
        << "*Baustahl-Typ:" << "*Baustahl-Typ:\t\t\tWalzprofile\tIPE400" << "Profiltyp ungültig!";
    QTest::newRow("profile name")
        << "*Baustahl-Typ:" << "*Baustahl-Typ:\t\t\tWalzprofil\tIPE999" << "Profilname ungültig!";
}

// A file with one value that does not fit is refused whole: one message
// naming the line, and the form keeps every value it had.
void TestForms::invalidSelectorValuesKeepThePreviousState() {
    QFETCH(QString, keyword);
    QFETCH(QString, line);
    QFETCH(QString, reason);
    MainWindow &w = *m_window;
    // Previous state differs from the example file in every selector and box.
    selector(w, "m_betonForce")->setCurrentText("C40/50");
    selector(w, "m_bewehrungKlasse")->setCurrentText("A");
    checkBox(w, "m_betonBruchdehnung")->setChecked(false);
    checkBox(w, "m_bewehrungVerfestigung")->setChecked(false);
    selector(w, "m_baustahlProfilname")->setCurrentText("IPE200");
    field(w, "m_momen_t")->setText("1");
    field(w, "m_betonGamma")->setText("1.7");

    const QString text = withLine(exampleInputText(), keyword, line);
    const int lineNumber = text.split('\n').indexOf(line) + 1;
    QVERIFY(lineNumber > 0);
    loadText(text);
    QCOMPARE(w.messageLog().size(), 1);
    const QString message = w.messageLog().first();
    QVERIFY2(message.endsWith("\n" + reason), qPrintable(message));
    QVERIFY2(message.contains(QString("Zeile %1: ").arg(lineNumber)), qPrintable(message));
    QVERIFY2(message.contains("load.txt"), qPrintable(message));

    QCOMPARE(selector(w, "m_betonForce")->currentText(), QString("C40/50"));
    QVERIFY(!checkBox(w, "m_betonBruchdehnung")->isChecked());
    QCOMPARE(selector(w, "m_bewehrungKlasse")->currentText(), QString("A"));
    QVERIFY(!checkBox(w, "m_bewehrungVerfestigung")->isChecked());
    QCOMPARE(selector(w, "m_baustahlProfilname")->currentText(), QString("IPE200"));
    QCOMPARE(field(w, "m_betonGamma")->text(), QString("1.7"));
    QCOMPARE(field(w, "m_momen_t")->text(), QString("1"));
}

// A missing value makes the file unreadable for the engine: the file is
// refused and the field keeps its value.
void TestForms::missingValueLeavesTheFormAsItWas() {
    field(*m_window, "m_querkraft_t")->setText("12");
    loadText(withLine(exampleInputText(), "*Tragfaehigkeit:", "*Tragfaehigkeit:\t\t4e+08"));
    QCOMPARE(m_window->messageLog().size(), 1);
    QVERIFY(m_window->messageLog().first().endsWith("zu wenige Werte: 2 erwartet, 1 gefunden"));
    QCOMPARE(field(*m_window, "m_querkraft_t")->text(), QString("12"));
}

// A field left empty is saved as "-" and comes back empty, marked.
void TestForms::emptyFieldTravelsThroughTheFile() {
    field(*m_window, "m_betonBreiteP")->setText("");
    const QString path = tempFile("empty.txt");
    QVERIFY(save(*m_window, path));
    QVERIFY(keywordLine(readText(path), "*Geometrie-Beton:").endsWith("\t-"));
    field(*m_window, "m_betonBreiteP")->setText("5");
    m_window->clearMessageLog();
    QVERIFY(open(*m_window, path));
    QVERIFY(m_window->messageLog().isEmpty());
    QCOMPARE(field(*m_window, "m_betonBreiteP")->text(), QString());
    QCOMPARE(field(*m_window, "m_betonBreiteP")->state(), NumberEdit::State::Empty);
}

void TestForms::writeFailureShowsOneMessage() {
    m_window->clearMessageLog();
    const QString path = tempFile("no/such/folder/input.txt");
    QVERIFY(save(*m_window, path));
    QCOMPARE(m_window->messageLog(), QStringList{"Schreiben der Datei ist fehlgeschlagen!"});
    QVERIFY(!QFile::exists(path));
}

void TestForms::runFolderModeCreatesTheFolder() {
    const QString folder = tempFile("work/run/7/");
    QVERIFY(save(*m_window, folder, 1));
    QVERIFY(m_window->messageLog().isEmpty());
    const QString text = readText(folder + "input.txt");
    QCOMPARE(keywordLine(text, "*Baustahl-Typ:"), QString("*Baustahl-Typ:\t\t\tWalzprofil\tIPE400"));
}

void TestForms::missingFileChangesNothing() {
    field(*m_window, "m_betonGamma")->setText("1.7");
    m_window->clearMessageLog();
    QVERIFY(open(*m_window, tempFile("missing.txt")));
    QVERIFY(m_window->messageLog().isEmpty());
    QCOMPARE(field(*m_window, "m_betonGamma")->text(), QString("1.7"));
}

void TestForms::engineReadsTheWrittenFile_data() {
    QTest::addColumn<bool>("welded");
    QTest::newRow("rolled example") << false;
    QTest::newRow("welded") << true;
}

void TestForms::engineReadsTheWrittenFile() {
    QFETCH(bool, welded);
    MainWindow &w = *m_window;
    if (welded) {
        selector(w, "m_baustahlProfiltyp")->setCurrentText(QString::fromUtf8("Schweißprofil"));
        QVERIFY(invoke(w, "set_Enabled"));
        field(w, "m_baustahlTfu")->setText("20");
    }
    QTemporaryDir work;
    QVERIFY(save(w, work.filePath("1/"), 1));

    QProcess engine;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("STALVORA_WORK_DIR", work.path() + "/");
    engine.setProcessEnvironment(env);
    engine.setWorkingDirectory(NORVEL_BUILD_DIR);
    engine.start(NORVEL_BUILD_DIR "/Stalvora2", QStringList());
    QVERIFY(engine.waitForFinished(120000));
    const QString out = QString::fromLatin1(engine.readAllStandardOutput());
    const QString err = QString::fromLatin1(engine.readAllStandardError());
    QVERIFY2(!err.contains("konnten nicht eingelesen werden"), qPrintable(err));
    QVERIFY2(!err.contains("Inputdatei"), qPrintable(err));
    // 200 kNm and 150 kN reach the engine as Nmm and N.
    QVERIFY2(out.contains("M_g 2e+08 [Nmm]\tV_g 150000 [N]"), qPrintable(out));
    QVERIFY2(out.contains("M_t 4e+08 [Nmm]\tV_t 300000 [N]"), qPrintable(out));
    if (welded)
        QVERIFY2(out.contains("h : 400 [mm]\tt_f1 : 20 [mm]\tt_f2 : 13.5 [mm]"), qPrintable(out));
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
