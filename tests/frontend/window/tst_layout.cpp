// The window on laptop and desktop screens: it opens within the screen, every
// input can be scrolled into view, no label is cut off, the geometry fields
// keep their places on the sketch, and screenshots of the input tab and the
// "Plot" tab at 1280 × 720, 1366 × 768 and 1920 × 1080 go into the build
// folder for review.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGraphicsScene>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QTemporaryDir>
#include <QMenu>
#include <QToolBar>
#include <QtTest>
#include <memory>

#include "support/form_driver.h"
#include "widgets/mygraphicsview.h"
#include "widgets/numberedit.h"
#include "window/mainwindow.h"
#include "window/window_layout.h"

namespace {

const QList<QSize> screenSizes = {{1280, 720}, {1366, 768}, {1920, 1080}};

QString sizeName(const QSize &size) { return QString("%1x%2").arg(size.width()).arg(size.height()); }

QScrollArea *formArea(MainWindow &window) {
    auto *splitter = window.findChild<InputSplitter *>();
    return splitter ? qobject_cast<QScrollArea *>(splitter->widget(0)) : nullptr;
}

// Every widget of the form that takes input, and the start button.
QList<QWidget *> inputWidgets(QScrollArea *area) {
    QList<QWidget *> widgets;
    for (QWidget *w : area->widget()->findChildren<QWidget *>())
        if (qobject_cast<NumberEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractButton *>(w))
            widgets << w;
    return widgets;
}

QString describe(QWidget *w) {
    if (!w->objectName().isEmpty()) return w->objectName();
    if (auto *button = qobject_cast<QAbstractButton *>(w)) return button->text();
    if (auto *label = qobject_cast<QLabel *>(w)) return label->text();
    return w->metaObject()->className();
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { m_window.reset(); }

    void columnWidths_data();
    void columnWidths();
    void windowSizeWithinTheScreen_data();
    void windowSizeWithinTheScreen();
    void opensWithinTheAvailableScreen();
    void everyInputCanBeScrolledIntoView_data();
    void everyInputCanBeScrolledIntoView();
    void noLabelIsCutOff_data();
    void noLabelIsCutOff();
    void geometryFieldsKeepTheirPlaceOnTheSketch();
    void draggedSplitterStays();
    void screenshots();

private:
    void showAt(const QSize &size);

    QTemporaryDir m_work;
    std::unique_ptr<MainWindow> m_window;
};

void LayoutTest::initTestCase() {
    MainWindow::setQuietMessages(true);
    QVERIFY(m_work.isValid());
    qputenv("STALVORA_WORK_DIR", m_work.filePath("").toUtf8());
}

void LayoutTest::showAt(const QSize &size) {
    m_window = std::make_unique<MainWindow>();
    m_window->setWindowState(Qt::WindowNoState);
    m_window->resize(size);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCoreApplication::processEvents();
    QCOMPARE(m_window->size(), size);  // not held larger by the minimum size of a page
}

// The form keeps the width it needs while the column keeps its minimum; the
// column takes no more than its preferred width.
void LayoutTest::columnWidths_data() {
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("formNeeds");
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("column");
    // Column minimum 180, preferred 560.
    QTest::newRow("wide: column at its preferred width") << 1900 << 1080 << 1340 << 560;
    QTest::newRow("the column takes the rest") << 1270 << 1080 << 1080 << 190;
    QTest::newRow("the column at its minimum") << 1260 << 1080 << 1080 << 180;
    QTest::newRow("the form 10 px short") << 1250 << 1080 << 1070 << 180;
    QTest::newRow("between") << 1400 << 1080 << 1080 << 320;
    QTest::newRow("narrow: the form scrolls") << 1000 << 1080 << 820 << 180;
    QTest::newRow("narrower than the column") << 150 << 1080 << 0 << 150;
    QTest::newRow("no width") << -5 << 1080 << 0 << 0;
}

void LayoutTest::columnWidths() {
    QFETCH(int, total);
    QFETCH(int, formNeeds);
    QFETCH(int, form);
    QFETCH(int, column);
    const ColumnWidths widths = inputColumnWidths(total, formNeeds, 180, 560);
    QCOMPARE(widths.form, form);
    QCOMPARE(widths.column, column);
}

void LayoutTest::windowSizeWithinTheScreen_data() {
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("fitted");
    const QSize frame(16, 48);
    QTest::newRow("fits") << QSize(1200, 700) << QRect(0, 0, 1920, 1040) << QSize(1200, 700);
    QTest::newRow("laptop") << QSize(1650, 1000) << QRect(0, 0, 1366, 740) << QSize(1350, 692);
    QTest::newRow("panel on the left") << QSize(1650, 1000) << QRect(64, 0, 1216, 720) << QSize(1200, 672);
    QTest::newRow("only too high") << QSize(1000, 1000) << QRect(0, 0, 1920, 1000) << QSize(1000, 952);
}

void LayoutTest::windowSizeWithinTheScreen() {
    QFETCH(QSize, wanted);
    QFETCH(QRect, available);
    QFETCH(QSize, fitted);
    QCOMPARE(fittedWindowSize(wanted, available, QSize(16, 48)), fitted);
}

// The window opens maximised within the available area of its screen (the
// offscreen test screen is 800 × 600), and also its restored size fits.
void LayoutTest::opensWithinTheAvailableScreen() {
    m_window = std::make_unique<MainWindow>();
    QCoreApplication::processEvents();
    const QRect available = m_window->screen()->availableGeometry();
    QVERIFY2(available.contains(m_window->frameGeometry()),
             qPrintable(QString("%1 x %2 window").arg(m_window->frameGeometry().width())
                            .arg(m_window->frameGeometry().height())));
    QVERIFY(m_window->normalGeometry().width() <= available.width());
    QVERIFY(m_window->normalGeometry().height() <= available.height());
    // Every page can shrink to a laptop screen.
    const QSize least = m_window->minimumSizeHint();
    QVERIFY2(least.width() <= 1280 && least.height() <= 720,
             qPrintable(QString("least size %1 x %2").arg(least.width()).arg(least.height())));
}

void LayoutTest::everyInputCanBeScrolledIntoView_data() {
    QTest::addColumn<QSize>("size");
    for (const QSize &size : screenSizes) QTest::newRow(qPrintable(sizeName(size))) << size;
}

// Each field, selector, check box and button can be scrolled
// into the visible part of the form, and the form needs no sideways
// scrolling from 1280 px on, after "Neu", with every field empty or marked
// red; nor does the information panel. "Berechnen (F5)" lies inside the window.
void LayoutTest::everyInputCanBeScrolledIntoView() {
    QFETCH(QSize, size);
    showAt(size);
    QScrollArea *area = formArea(*m_window);
    QVERIFY(area);
    QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
    const QList<QWidget *> widgets = inputWidgets(area);
    QCOMPARE(widgets.size(), 36 + 5 + 3 + 2);  // fields, selectors, check boxes, start and search buttons
    QStringList hidden;
    for (QWidget *w : widgets) {
        // The whole widget: ensureWidgetVisible brings a line edit's text cursor alone into view.
        const QRect inForm(w->mapTo(area->widget(), QPoint(0, 0)), w->size());
        area->ensureVisible(inForm.center().x(), inForm.center().y(), w->width() / 2 + 1, w->height() / 2 + 1);
        QCoreApplication::processEvents();
        const QRect inViewport(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
        if (!area->viewport()->rect().contains(inViewport) || !w->isVisibleTo(m_window.get()))
            hidden << describe(w);
    }
    QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(", ")));
    QAction *start = m_window->calculationMenu()->actions().first();
    QWidget *button = m_window->findChild<QToolBar *>("werkzeugleiste")->widgetForAction(start);
    QVERIFY(button && button->isVisibleTo(m_window.get()));
    QVERIFY(m_window->rect().contains(QRect(button->mapTo(m_window.get(), QPoint(0, 0)), button->size())));
    for (const char *text : {"neu", "", "x"}) {
        if (QString(text) == "neu") QVERIFY(QMetaObject::invokeMethod(m_window.get(), "neuClicked"));
        for (NumberEdit *f : m_window->findChildren<NumberEdit *>())
            if (QString(text) != "neu") f->setText(text);
        QCoreApplication::processEvents();
        QVERIFY2(area->horizontalScrollBar()->maximum() == 0, text);
    }
    QVERIFY(m_window->grab().save(QDir(NORVEL_BUILD_DIR).filePath("eingabe_markiert_" + sizeName(size) + ".png")));
    auto *box = m_window->findChild<QWidget *>("m_infoBox");
    QVERIFY(box->width() <= box->parentWidget()->parentWidget()->width());  // the scroll area's viewport
}

void LayoutTest::noLabelIsCutOff_data() { everyInputCanBeScrolledIntoView_data(); }

// The text of every one-line label of the input tab, symbol labels and
// their indices included, fits into the label.
void LayoutTest::noLabelIsCutOff() {
    QFETCH(QSize, size);
    showAt(size);
    auto *tabs = m_window->findChild<QTabWidget *>();
    QStringList cut;
    int checked = 0;
    for (QLabel *label : tabs->widget(0)->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(m_window.get()) || label->wordWrap() || label->text().isEmpty()) continue;
        if (Qt::mightBeRichText(label->text())) continue;
        const QString text = label->text().trimmed();  // "Beton:\t" pads with a tab
        const int needed = QFontMetrics(label->font()).horizontalAdvance(text);
        ++checked;
        if (needed > label->contentsRect().width())
            cut << QString("\"%1\" %2 > %3").arg(text).arg(needed).arg(label->contentsRect().width());
    }
    QVERIFY(checked > 60);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
}

// The sketch is the panel's background, drawn from its top left corner:
// the fields lie on it only while their places in the panel stay those of
// the widest window.
void LayoutTest::geometryFieldsKeepTheirPlaceOnTheSketch() {
    QHash<QString, QPoint> places;
    for (const QSize &size : {QSize(1920, 1080), QSize(1366, 768), QSize(1280, 720)}) {
        showAt(size);
        auto *panel = m_window->findChild<QWidget *>("geometriePanel");
        QVERIFY(panel);
        QStringList moved;
        for (NumberEdit *edit : panel->findChildren<NumberEdit *>()) {
            const QPoint place = edit->mapTo(panel, QPoint(0, 0));
            if (!places.contains(edit->objectName()))
                places.insert(edit->objectName(), place);
            else if (places.value(edit->objectName()) != place)
                moved << edit->objectName();
        }
        QCOMPARE(places.size(), 16);
        QVERIFY2(moved.isEmpty(), qPrintable(sizeName(size) + ": " + moved.join(", ")));
    }
}

// Once the user has dragged the handle, a resize keeps the column's width.
void LayoutTest::draggedSplitterStays() {
    showAt(QSize(1920, 1080));
    auto *splitter = m_window->findChild<InputSplitter *>();
    QVERIFY(splitter);
    QCOMPARE(splitter->sizes().at(1), InputSplitter::columnPreferred);
    splitter->setSizes({splitter->sizes().at(0) + 200, InputSplitter::columnPreferred - 200});
    emit splitter->splitterMoved(splitter->sizes().at(0), 1);
    m_window->resize(1800, 1000);
    QCoreApplication::processEvents();
    QCOMPARE(splitter->sizes().at(1), InputSplitter::columnPreferred - 200);
}

// Pictures for a person to look at, after a calculation of the example:
// eingabe_<size>.png and plot_<size>.png in the build folder.
void LayoutTest::screenshots() {
    const QString runFolder = m_work.filePath("1");
    QVERIFY(QDir().mkpath(runFolder));
    QVERIFY(QFile::copy(QDir(NORVEL_BUILD_DIR).filePath("inputstart.txt"), QDir(runFolder).filePath("input.txt")));
    QProcess engine;
    engine.setWorkingDirectory(NORVEL_BUILD_DIR);
    engine.start(QDir(NORVEL_BUILD_DIR).filePath("Stalvora2"), QStringList());
    QVERIFY(engine.waitForFinished(120000));

    for (const QSize &size : screenSizes) {
        showAt(size);
        QVERIFY(QMetaObject::invokeMethod(m_window.get(), "oeffnenLetzteClicked"));
        auto *tabs = m_window->findChild<QTabWidget *>();
        for (int tab : {0, 1}) {
            tabs->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            const QString file = QDir(NORVEL_BUILD_DIR)
                                     .filePath(QString("%1_%2.png").arg(tab == 0 ? "eingabe" : "plot", sizeName(size)));
            QVERIFY(m_window->grab().save(file));
        }
        // The drawing of the run fills the "Plot" tab without scrolling.
        auto *plot = dynamic_cast<MyGraphicsView *>(tabs->widget(1));
        QVERIFY(plot);
        QVERIFY(!plot->scene()->items().isEmpty());
        const QRect shown = plot->mapFromScene(plot->scene()->itemsBoundingRect()).boundingRect();
        QVERIFY(plot->viewport()->rect().contains(shown));
    }
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
