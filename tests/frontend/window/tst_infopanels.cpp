// Information panels of the input tab, the material-table reading behind
// them, the About box and the two menu entries that open shipped files.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTabWidget>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "window/about_text.h"
#include "support/form_driver.h"
#include "window/mainwindow.h"
#include "files/material_table.h"
#include "widgets/numberedit.h"

using namespace formdriver;

namespace {

const QString fixtureTable = QStringLiteral(FIXTURE_DIR "/material_table/Materialeigenschaften.txt");

// The panel box on the right of the input tab.
QGroupBox *infoBox(MainWindow &window) { return window.findChild<QGroupBox *>("m_infoBox"); }

QList<QWidget *> panelWidgets(MainWindow &window) {
    QList<QWidget *> widgets;
    QLayout *layout = infoBox(window)->layout();
    for (int i = 0; i < layout->count(); ++i)
        if (QWidget *w = layout->itemAt(i)->widget()) widgets.append(w);
    return widgets;
}

// The labels of the panel that show text, in layout order.
QStringList panelTexts(MainWindow &window) {
    QStringList texts;
    for (QWidget *w : panelWidgets(window))
        if (auto *label = qobject_cast<QLabel *>(w))
            if (label->pixmap(Qt::ReturnByValue).isNull()) texts.append(label->text());
    return texts;
}

QSize panelPictureSize(MainWindow &window) {
    for (QWidget *w : panelWidgets(window))
        if (auto *label = qobject_cast<QLabel *>(w))
            if (!label->pixmap(Qt::ReturnByValue).isNull()) return label->pixmap(Qt::ReturnByValue).size();
    return QSize();
}

QTableWidget *panelTable(MainWindow &window) {
    for (QWidget *w : panelWidgets(window))
        if (auto *table = qobject_cast<QTableWidget *>(w)) return table;
    return nullptr;
}

QStringList headers(QTableWidget *table, Qt::Orientation orientation) {
    QStringList texts;
    const int n = orientation == Qt::Horizontal ? table->columnCount() : table->rowCount();
    for (int i = 0; i < n; ++i) {
        QTableWidgetItem *item = orientation == Qt::Horizontal ? table->horizontalHeaderItem(i)
                                                               : table->verticalHeaderItem(i);
        texts.append(item ? item->text() : QString());
    }
    return texts;
}

QStringList row(QTableWidget *table, int r) {
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c)
        texts.append(table->item(r, c) ? table->item(r, c)->text() : QStringLiteral("<none>"));
    return texts;
}

QString modulusText(const QString &value) {
    return "Der Elastizitätsmodul E<sub>s</sub> ist gemäss EN 1992-1-1 3.2.6(4) auf " + value +
           " N/mm<sup>2</sup> festgelegt.\n Bei Berücksichtigung der Stahlverfestigung nach Erreichen der "
           "Fliessgrenze, bezieht man die hierzu erforderliche charakteristische Dehnung bei Höchstlast "
           "ε<sub>uk</sub>, sowie den Faktor k =((f<sub>t</sub>)/f<sub>y</sub>))<sub>k</sub>, beide abhängig "
           "von der Duktilitätsklasse, aus EN 1992-1-1 Tabelle C.1: \n";
}

// A panel widget for a message: its member name, else the text it shows.
QString describe(QWidget *widget) {
    if (!widget->objectName().isEmpty()) return widget->objectName();
    if (auto *label = qobject_cast<QLabel *>(widget)) return label->text();
    QStringList texts;
    for (QLabel *label : widget->findChildren<QLabel *>()) texts << label->text();
    return texts.join('_');
}

QAction *menuAction(MainWindow &window, const QString &text) {
    for (QAction *menu : window.menuBar()->actions())
        for (QAction *action : menu->menu()->actions())
            if (action->text() == text) return action;
    return nullptr;
}

}  // namespace

// Receives the URLs the window hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

class TestInfoPanels : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void eachTriggerShowsItsPanel_data();
    void eachTriggerShowsItsPanel();
    void concretePanelShowsTheStrainLimitsPerClass();
    void reinforcementPanelShowsTheDuctilityClasses();
    void reinforcementTextShowsTheModulusOfThePreviousReading();
    void steelPanelShowsTheModulusOfTheLastReading();
    void withoutTableCellsAndModuliStayEmpty();
    void readerTakesTheNamedWordsOfEachRow();
    void missingTableFileGivesNothing();
    void aboutBoxStatesTheApplication();
    void menuOpensManualAndMaterialTable();
    void geometryFieldsSitOnTheDimensionLines();
    void geometryPanelWidgetsDoNotOverlap();
    void screenshotsOfTheInputTab();

private:
    void startIn(const QString &tableText);
    void trigger(const QString &sender);

    QString m_startFolder;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
};

void TestInfoPanels::initTestCase() {
    MainWindow::setQuietMessages(true);
    m_startFolder = QDir::currentPath();
}

void TestInfoPanels::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("STALVORA_WORK_DIR", m_dir->filePath("work/").toUtf8());
}

void TestInfoPanels::cleanup() {
    m_window.reset();
    QDir::setCurrent(m_startFolder);
    m_dir.reset();
}

void TestInfoPanels::cleanupTestCase() { QDir::setCurrent(m_startFolder); }

// A window whose working directory holds the given material table; the
// table in the working directory takes precedence over the shipped one.
void TestInfoPanels::startIn(const QString &tableText) {
    QVERIFY(writeText(m_dir->filePath("Materialeigenschaften.txt"), tableText));
    QVERIFY(QDir::setCurrent(m_dir->path()));
    m_window = std::make_unique<MainWindow>();
}

// The user action that brings up a panel: typing into a field, picking an
// entry of a selector or clicking a check box.
void TestInfoPanels::trigger(const QString &sender) {
    const QByteArray name = sender.toLatin1();
    if (auto *edit = m_window->findChild<NumberEdit *>(sender)) {
        QVERIFY2(edit->isEnabled(), name.constData());
        QTest::keyClicks(edit, "5");
    } else if (auto *box = m_window->findChild<QComboBox *>(sender)) {
        const int before = box->currentIndex();
        QTest::keyClick(box, box->currentIndex() + 1 < box->count() ? Qt::Key_Down : Qt::Key_Up);
        QVERIFY2(box->currentIndex() != before, name.constData());
    } else if (auto *check = m_window->findChild<QCheckBox *>(sender)) {
        check->click();
    } else {
        QFAIL(name.constData());
    }
}

void TestInfoPanels::eachTriggerShowsItsPanel_data() {
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("widgets");
    QTest::addColumn<QSize>("picture");

    const QSize beton(500, 243), bewehrung(500, 220), baustahl(500, 214), sb(470, 190), bau(434, 404);
    const QList<QPair<QString, QString>> senders = {
        {"m_betonForce", "bet"},          {"m_betonGamma", "bet"},       {"m_betonAlpha", "bet"},
        {"m_betonBruchdehnung", "bet"},   {"m_bewehrungForce", "bewe"},  {"m_bewehrungGamma", "bewe"},
        {"m_bewehrungKlasse", "bewe"},    {"m_bewehrungVerfestigung", "bewe"},
        {"m_baustahlForce", "baus"},      {"m_baustahlGamma", "baus"},
        {"m_betonHoeheC", "sb"},          {"m_betonHoeheP", "sb"},       {"m_betonBreiteE", "sb"},
        {"m_betonBreiteP", "sb"},         {"m_bewehrungDU", "sb"},       {"m_bewehrungDO", "sb"},
        {"m_bewehrungAbstandUnten", "sb"}, {"m_bewehrungAbstandOben", "sb"},
        {"m_bewehrungCnormU", "sb"},      {"m_bewehrungCnormO", "sb"},
        {"m_baustahlProfiltyp", "bau"},   {"m_baustahlProfilname", "bau"},
        {"m_baustahlHoehe", "bau"},       {"m_baustahlTfu", "bau"},      {"m_baustahlTfo", "bau"},
        {"m_baustahlBfu", "bau"},         {"m_baustahlBfc", "bau"},      {"m_baustahlTw", "bau"},
    };
    for (const auto &s : senders) {
        const QByteArray tag = s.first.toLatin1();
        if (s.second == "bet")
            QTest::newRow(tag) << s.first << "Materialmodell für Beton" << 4 << beton;
        else if (s.second == "bewe")
            QTest::newRow(tag) << s.first << "Materialmodell für Betonstahl" << 5 << bewehrung;
        else if (s.second == "baus")
            QTest::newRow(tag) << s.first << "Materialmodell für Baustahl" << 3 << baustahl;
        else if (s.second == "sb")
            QTest::newRow(tag) << s.first << "Geometrie Stahlbeton" << 1 << sb;
        else
            QTest::newRow(tag) << s.first << "Geometrie Baustahl" << 1 << bau;
    }
}

void TestInfoPanels::eachTriggerShowsItsPanel() {
    QFETCH(QString, sender);
    QFETCH(QString, title);
    QFETCH(int, widgets);
    QFETCH(QSize, picture);

    m_window = std::make_unique<MainWindow>();
    // The six steel fields take input only for a welded section, and the
    // name selector only for a rolled one.
    QComboBox *typ = selector(*m_window, "m_baustahlProfiltyp");
    const bool rolledName = sender == "m_baustahlProfilname";
    typ->setCurrentText(rolledName ? QString("Walzprofil") : QString::fromUtf8("Schweißprofil"));
    QVERIFY(invoke(*m_window, "set_Enabled"));

    // Start from a different panel, so the trigger must replace it.
    QVERIFY(invoke(*m_window, title == "Geometrie Baustahl" ? "set_img_bet" : "set_img_geo_bau"));
    QVERIFY(infoBox(*m_window));
    QPointer<QWidget> previous = panelWidgets(*m_window).first();

    trigger(sender);

    QCOMPARE(m_window->findChild<QLabel *>("m_infoTitel")->text(), title);
    QCOMPARE(panelWidgets(*m_window).size(), widgets);
    QCOMPARE(panelPictureSize(*m_window), picture);
    QVERIFY2(previous.isNull(), "the previous panel's widgets are deleted");
}

void TestInfoPanels::concretePanelShowsTheStrainLimitsPerClass() {
    startIn(readText(fixtureTable));
    trigger("m_betonGamma");

    const QStringList texts = panelTexts(*m_window);
    QCOMPARE(texts, QStringList({"Bilineare Spannungs-Dehnungs-Beziehung - nach EN 1992-1-1 3.1.7(2):",
                                 "Die Dehnung bei Erreichen der Festigkeitsgrenze ε<sub>c</sub>, sowie die "
                                 "Bruchdehung ε<sub>cu</sub> sind durch EN 1992-1-1 Tabelle 3.1 festgelegt:\n"}));
    // Heading, picture, text, table: the order on screen.
    const QList<QWidget *> widgets = panelWidgets(*m_window);
    QVERIFY(!qobject_cast<QLabel *>(widgets.at(1))->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(widgets.at(3), static_cast<QWidget *>(panelTable(*m_window)));

    QTableWidget *table = panelTable(*m_window);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->columnCount(), 9);
    QCOMPARE(headers(table, Qt::Horizontal), QStringList({"C20/25", "C25/30", "C30/37", "C35/45", "C40/50",
                                                           "C45/55", "C50/60", "C55/67", "C60/75"}));
    QCOMPARE(headers(table, Qt::Vertical), QStringList({"εc [‰]", "εcu [‰]"}));
    // Fourth and fifth word of each class row, in class order whatever the file order.
    QCOMPARE(row(table, 0), QStringList({"1.71", "1.72", "1.73", "1.74", "1.75", "1.76", "1.77", "1.81", "1.99"}));
    QCOMPARE(row(table, 1), QStringList({"3.51", "3.52", "3.53", "3.54", "3.55", "3.56", "3.57", "3.11", "2.91"}));
    QCOMPARE(table->item(0, 0)->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    QCOMPARE(table->horizontalScrollBar()->maximum(), 0);  // every class in sight
    QCOMPARE(table->columnWidth(8), 48);
    QCOMPARE(table->rowHeight(1), 20);
    QVERIFY(!table->verticalHeader()->isHidden());
}

void TestInfoPanels::reinforcementPanelShowsTheDuctilityClasses() {
    startIn(readText(fixtureTable));
    trigger("m_bewehrungGamma");

    QCOMPARE(panelTexts(*m_window),
             QStringList({"Spannungs-Dehnungs-Beziehung - nach EN 1992-1-1 3.2.7(2):", modulusText("195000"),
                          "Die Ermittlung der Dehnungsgrenze ε<sub>ud</sub> erfolgt durch die Beziehung:\n\n "
                          "ε<sub>ud</sub>=0.9 ε<sub>uk</sub> (EN 1992-1-1 3.2.7)\n"}));
    QTableWidget *table = panelTable(*m_window);
    QCOMPARE(headers(table, Qt::Horizontal),
             QStringList({"A (normalduktil)", "B (hochduktil)", "C (Erdbebenstahl)"}));
    QCOMPARE(headers(table, Qt::Vertical), QStringList({"k [-]", "εuk [‰]"}));
    QCOMPARE(row(table, 0), QStringList({"1.05", "1.08", "1.15"}));
    QCOMPARE(row(table, 1), QStringList({"25", "50", "75"}));
    QCOMPARE(table->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(table->columnWidth(0), 105);
    // Heading, picture, modulus text, table, formula.
    const QList<QWidget *> widgets = panelWidgets(*m_window);
    QVERIFY(!qobject_cast<QLabel *>(widgets.at(1))->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(widgets.at(3), static_cast<QWidget *>(table));
    QCOMPARE(qobject_cast<QLabel *>(widgets.at(2))->textFormat(), Qt::RichText);
}

void TestInfoPanels::reinforcementTextShowsTheModulusOfThePreviousReading() {
    startIn(readText(fixtureTable));  // the concrete panel at start reads E_s = 195000
    QVERIFY(writeText("Materialeigenschaften.txt",
                      withLine(withLine(readText(fixtureTable), "E_s", "E_s\t210000"), "A\t", "A\t1.07\t30")));

    trigger("m_bewehrungForce");
    QCOMPARE(panelTexts(*m_window).at(1), modulusText("195000"));
    QCOMPARE(row(panelTable(*m_window), 0), QStringList({"1.07", "1.08", "1.15"}));
    QCOMPARE(row(panelTable(*m_window), 1), QStringList({"30", "50", "75"}));

    trigger("m_bewehrungForce");
    QCOMPARE(panelTexts(*m_window).at(1), modulusText("210000"));
}

void TestInfoPanels::steelPanelShowsTheModulusOfTheLastReading() {
    startIn(readText(fixtureTable));
    QVERIFY(writeText("Materialeigenschaften.txt", withLine(readText(fixtureTable), "E_a", "E_a\t199000")));
    // The steel panel does not read the table itself.
    trigger("m_baustahlForce");
    QCOMPARE(panelTexts(*m_window).last(),
             QString("Der Elastizitätsmodul E ist gemäss EN 1993-1-1 3.2.6(1) auf 205000 N/mm<sup>2</sup> festgelegt."));
    trigger("m_betonGamma");
    trigger("m_baustahlGamma");
    QCOMPARE(panelTexts(*m_window).last(),
             QString("Der Elastizitätsmodul E ist gemäss EN 1993-1-1 3.2.6(1) auf 199000 N/mm<sup>2</sup> festgelegt."));
}

// An empty table in the working directory hides the shipped one, exactly as
// a missing table leaves every value unset.
void TestInfoPanels::withoutTableCellsAndModuliStayEmpty() {
    startIn(QString());
    trigger("m_baustahlForce");
    QCOMPARE(panelTexts(*m_window).last(),
             QString("Der Elastizitätsmodul E ist gemäss EN 1993-1-1 3.2.6(1) auf  N/mm<sup>2</sup> festgelegt."));

    trigger("m_betonGamma");
    QTableWidget *table = panelTable(*m_window);
    QCOMPARE(row(table, 0), QStringList(QVector<QString>(9).toList()));
    QCOMPARE(row(table, 1), QStringList(QVector<QString>(9).toList()));

    trigger("m_bewehrungGamma");
    QCOMPARE(panelTexts(*m_window).at(1), modulusText(QString()));
    QCOMPARE(row(panelTable(*m_window), 1), QStringList({"", "", ""}));
}

void TestInfoPanels::readerTakesTheNamedWordsOfEachRow() {
    QTemporaryDir dir;
    const QString path = dir.filePath("table.txt");
    QVERIFY(writeText(path, "C30/37 30 2.9 1.75 3.5\n"
                            "C30/37 30 2.9 1.8\n"   // later row wins, a missing word gives an empty text
                            "  B\t1.08\t50  \n"
                            "b 9 9\n"               // keys are case-sensitive
                            "E_s\n"                 // a modulus row without value
                            "E_a 210000 extra\n"
                            "Klasse f_ck f_ctm e_c3 e_cu3\n"));
    const materialtable::PanelTexts texts = materialtable::readPanelTexts(path);
    QCOMPARE(texts.epsilonC[2], QString("1.8"));
    QCOMPARE(texts.epsilonCu[2], QString());
    QCOMPARE(texts.epsilonC[0], QString());
    QCOMPARE(texts.k[1], QString("1.08"));
    QCOMPARE(texts.epsilonUk[1], QString("50"));
    QCOMPARE(texts.k[0], QString());
    QVERIFY(texts.hasE_s);
    QCOMPARE(texts.E_s, QString());
    QVERIFY(texts.hasE_a);
    QCOMPARE(texts.E_a, QString("210000"));
}

void TestInfoPanels::missingTableFileGivesNothing() {
    const materialtable::PanelTexts texts = materialtable::readPanelTexts(m_dir->filePath("fehlt.txt"));
    QVERIFY(!texts.hasE_s);
    QVERIFY(!texts.hasE_a);
    for (int i = 0; i < 9; ++i) QVERIFY(texts.epsilonC[i].isEmpty() && texts.epsilonCu[i].isEmpty());
    for (int i = 0; i < 3; ++i) QVERIFY(texts.k[i].isEmpty() && texts.epsilonUk[i].isEmpty());
}

void TestInfoPanels::aboutBoxStatesTheApplication() {
    QCOMPARE(aboutTitle(), QString("Info zu Norvel "));
    const QStringList lines = aboutText().split('\n');
    QVERIFY(lines.first().startsWith("Norvel\t"));
    QVERIFY(lines.first().contains(QRegularExpression("\\b20\\d\\d$")));
    QCOMPARE(lines.at(1), QString());
    const int anwendung = lines.indexOf("Anwendung:");
    QVERIFY(anwendung > 2);
    const QString paragraph = lines.mid(anwendung + 1).join(' ');
    for (const char *phrase : {"Verbundträger", "Eurocode 4", "elastische, plastische und teilplastische",
                               "Interaktion von Biegung und Querkraft", "Grenzmomente", "Gebrauchstauglichkeit",
                               "Tension Stiffening"})
        QVERIFY2(paragraph.contains(QString::fromUtf8(phrase)), phrase);

    m_window = std::make_unique<MainWindow>();
    m_window->clearMessageLog();
    QAction *info = menuAction(*m_window, "&Info...");
    QVERIFY(info);
    info->trigger();
    QCOMPARE(m_window->messageLog(), QStringList({aboutText()}));
}

void TestInfoPanels::menuOpensManualAndMaterialTable() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    m_window = std::make_unique<MainWindow>();
    menuAction(*m_window, "&Hilfe")->trigger();
    menuAction(*m_window, "&Materialeigenschaften bearbeiten...")->trigger();
    QDesktopServices::unsetUrlHandler("file");

    QCOMPARE(catcher.urls.size(), 2);
    const QFileInfo manual(catcher.urls.at(0).toLocalFile());
    const QFileInfo table(catcher.urls.at(1).toLocalFile());
    QCOMPARE(manual.fileName(), QString("Benutzerhandbuch.pdf"));
    QCOMPARE(table.fileName(), QString("Materialeigenschaften.txt"));
    QVERIFY2(manual.isAbsolute() && manual.exists(), qPrintable(manual.filePath()));
    QVERIFY2(table.isAbsolute() && table.exists(), qPrintable(table.filePath()));
}

// Every geometry field covers a piece of a dimension line (or dimension
// text) of the background sketch, so it reads as the value of that dimension.
void TestInfoPanels::geometryFieldsSitOnTheDimensionLines() {
    const QImage background(NORVEL_BUILD_DIR "/geometriehinterg.png");
    QVERIFY(!background.isNull());
    QCOMPARE(background.height(), 188);

    m_window = std::make_unique<MainWindow>();
    m_window->showNormal();
    m_window->resize(1700, 1000);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto *panel = m_window->findChild<QWidget *>("geometriePanel");
    QVERIFY(panel);

    QStringList missed;
    for (const char *name : {"m_betonBreiteE", "m_bewehrungCnormO", "m_betonHoeheC", "m_bewehrungAbstandOben",
                             "m_bewehrungAbstandUnten", "m_baustahlBfc", "m_bewehrungDU", "m_bewehrungDO",
                             "m_bewehrungCnormU", "m_betonBreiteP", "m_betonHoeheP", "m_baustahlHoehe",
                             "m_baustahlTw", "m_baustahlTfo", "m_baustahlBfu", "m_baustahlTfu"}) {
        NumberEdit *edit = field(*m_window, name);
        const QRect rect(edit->mapTo(panel, QPoint(0, 0)), edit->size());
        int dimensionPixels = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QColor c = background.pixelColor(qBound(0, x, background.width() - 1), y);
                if (c.alpha() > 60 && c.blue() - c.red() > 40) ++dimensionPixels;  // the blue of the dimensions
            }
        if (dimensionPixels < 6)
            missed << QString("%1 at x %2..%3, y %4..%5")
                          .arg(name).arg(rect.left()).arg(rect.right()).arg(rect.top()).arg(rect.bottom());
    }
    QVERIFY2(missed.isEmpty(), qPrintable(missed.join("; ")));
}

// The fields, their symbols, the two selectors and the hint each keep a
// place of their own inside the panel.
void TestInfoPanels::geometryPanelWidgetsDoNotOverlap() {
    m_window = std::make_unique<MainWindow>();
    m_window->showNormal();
    m_window->resize(1700, 1000);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto *panel = m_window->findChild<QWidget *>("geometriePanel");
    QVERIFY(panel);
    const QList<QWidget *> widgets = panel->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(widgets.size(), 16 * 2 + 5);  // fields with symbols, two selectors with labels, the hint
    QStringList problems;
    for (int i = 0; i < widgets.size(); ++i) {
        const QRect a = widgets.at(i)->geometry();
        if (!panel->rect().contains(a)) problems << describe(widgets.at(i)) + " outside";
        for (int j = i + 1; j < widgets.size(); ++j)
            if (a.intersects(widgets.at(j)->geometry()))
                problems << describe(widgets.at(i)) + " and " + describe(widgets.at(j));
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
}

// Pictures for a person to look at: the input tab with each panel.
void TestInfoPanels::screenshotsOfTheInputTab() {
    m_window = std::make_unique<MainWindow>();
    m_window->showNormal();
    m_window->resize(1700, 1000);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QDir build(NORVEL_BUILD_DIR);
    QVERIFY(build.mkpath("screenshots"));
    auto *tabs = m_window->findChild<QTabWidget *>();
    for (const char *slot : {"set_img_bet", "set_img_bewe", "set_img_baus", "set_img_geo_bet", "set_img_geo_bau"}) {
        QVERIFY(invoke(*m_window, slot));
        QApplication::processEvents();
        const QString file = build.filePath(QString("screenshots/eingabe_%1.png").arg(slot));
        QVERIFY(tabs->widget(0)->grab().save(file));
    }
}

QTEST_MAIN(TestInfoPanels)
#include "tst_infopanels.moc"
