// The "Querschnitt" preview of the input tab draws the section the form
// describes: at start, after every edit, and a note instead of a section
// when the form describes none.
#include <QComboBox>
#include <QGraphicsEllipseItem>
#include <QGraphicsPolygonItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "support/form_driver.h"
#include "widgets/mygraphicsview.h"
#include "widgets/numberedit.h"
#include "window/mainwindow.h"
#include "window/section_preview.h"

using namespace formdriver;

namespace {

QGraphicsPolygonItem *polygonWithBrush(QGraphicsScene *scene, Qt::GlobalColor colour) {
    for (QGraphicsItem *item : scene->items())
        if (auto *polygon = qgraphicsitem_cast<QGraphicsPolygonItem *>(item))
            if (polygon->brush().color() == QColor(colour)) return polygon;
    return nullptr;
}

// Width and height of the slab and of the steel section, in scene units.
struct Drawn {
    QSizeF slab, steel;
    double filletDiameter = -1;  // of the white cut-outs at the web
};

Drawn drawn(QGraphicsScene *scene) {
    Drawn d;
    if (QGraphicsPolygonItem *slab = polygonWithBrush(scene, Qt::lightGray)) d.slab = slab->polygon().boundingRect().size();
    if (QGraphicsPolygonItem *steel = polygonWithBrush(scene, Qt::darkGray)) d.steel = steel->polygon().boundingRect().size();
    for (QGraphicsItem *item : scene->items())
        if (auto *circle = qgraphicsitem_cast<QGraphicsEllipseItem *>(item))
            if (circle->brush().color() == QColor(Qt::white)) d.filletDiameter = circle->rect().width();
    return d;
}

bool near(double a, double b) { return qAbs(a - b) < 1e-6 * qMax(1.0, qAbs(b)); }

}  // namespace

class PreviewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        MainWindow::setQuietMessages(true);
        QVERIFY(m_dir.isValid());
        qputenv("STALVORA_WORK_DIR", m_dir.filePath("work/").toUtf8());
    }
    void init() {
        m_window = std::make_unique<MainWindow>();
        m_preview = m_window->findChild<SectionPreview *>();
        QVERIFY(m_preview);
        QCoreApplication::processEvents();
    }
    void cleanup() { m_window.reset(); }

    // The example: IPE 400 (r = 21 mm) under a slab 2000 × 160 mm, so
    // H = 560 mm and the scale is min(400 / 2000, 142 / 560) = 0.2.
    void drawsTheStartValuesAtOnce() {
        QCOMPARE(m_preview->note(), QString());
        const Drawn d = drawn(m_preview->view()->scene());
        QVERIFY(near(d.slab.width(), 400));
        QVERIFY(near(d.slab.height(), 32));
        QVERIFY(near(d.steel.width(), 36));
        QVERIFY(near(d.steel.height(), 80));
        QVERIFY(near(d.filletDiameter, 8.4));
    }

    // One edit each, drawn by hand with the scale it gives.
    void followsEveryEdit_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSizeF>("slab");
        QTest::addColumn<QSizeF>("steel");
        // b_e 1000: s = min(400 / 1000, 142 / 560) = 0.253571.
        const double s = 142.0 / 560;
        QTest::newRow("b_e") << "m_betonBreiteE" << "1000" << QSizeF(1000 * s, 160 * s) << QSizeF(180 * s, 400 * s);
        // h_c 200: H = 600, s = min(0.2, 142 / 600) = 0.2.
        QTest::newRow("h_c") << "m_betonHoeheC" << "200" << QSizeF(400, 40) << QSizeF(36, 80);
        // b_e 3000: s = 400 / 3000.
        QTest::newRow("b_e wide") << "m_betonBreiteE" << "3000" << QSizeF(400, 160 * 400.0 / 3000)
                                  << QSizeF(180 * 400.0 / 3000, 400 * 400.0 / 3000);
    }
    void followsEveryEdit() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QSizeF, slab);
        QFETCH(QSizeF, steel);
        NumberEdit *edit = formdriver::field(*m_window, field.toLatin1().constData());
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QCoreApplication::processEvents();
        const Drawn d = drawn(m_preview->view()->scene());
        QVERIFY2(near(d.slab.width(), slab.width()) && near(d.slab.height(), slab.height()),
                 qPrintable(QString("slab %1 x %2").arg(d.slab.width()).arg(d.slab.height())));
        QVERIFY2(near(d.steel.width(), steel.width()) && near(d.steel.height(), steel.height()),
                 qPrintable(QString("steel %1 x %2").arg(d.steel.width()).arg(d.steel.height())));
    }

    // Another rolled profile: the form shows the table's IPE 300 (h = 300,
    // b = 150, r = 15): H = 460, s = min(0.2, 142 / 460) = 0.2.
    void followsTheProfileTable() {
        QComboBox *name = selector(*m_window, "m_baustahlProfilname");
        name->setCurrentIndex(name->findText("IPE300"));
        QVERIFY(QMetaObject::invokeMethod(name, "activated", Q_ARG(int, name->currentIndex())));
        QCoreApplication::processEvents();
        QCOMPARE(field(*m_window, "m_baustahlHoehe")->text(), QString("300"));
        const Drawn d = drawn(m_preview->view()->scene());
        QVERIFY(near(d.steel.height(), 60));
        QVERIFY(near(d.steel.width(), 30));
        QVERIFY(near(d.filletDiameter, 6));
    }

    // A welded section has no root fillets, and its flanges may differ.
    void weldedSectionFollowsItsPlates() {
        QComboBox *type = selector(*m_window, "m_baustahlProfiltyp");
        type->setCurrentText(QString::fromUtf8("Schweißprofil"));
        QVERIFY(invoke(*m_window, "set_Enabled"));
        field(*m_window, "m_baustahlBfu")->setText("300");
        field(*m_window, "m_baustahlHoehe")->setText("500");
        QCoreApplication::processEvents();
        QCOMPARE(m_preview->note(), QString());
        // H = 660, s = min(0.2, 142 / 660) = 0.2: the bottom flange sets the width.
        const Drawn d = drawn(m_preview->view()->scene());
        QVERIFY(near(d.steel.width(), 60));
        QVERIFY(near(d.steel.height(), 100));
        QVERIFY(near(d.filletDiameter, 0));
    }

    // An incomplete or refused form shows only its note, and the next valid
    // edit brings the section back.
    void incompleteFormShowsANote_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << "m_betonBreiteE" << "" << "b_e fehlt.";
        QTest::newRow("comma") << "m_betonHoeheC" << "16,5" << "h_c ist keine Zahl.";
        // 0 + 30 + 10 + 12 + 30 = 82 mm of sheeting, covers and bars in a 50 mm slab.
        QTest::newRow("slab too thin") << "m_betonHoeheC" << "50"
                                       << QString::fromUtf8("h_c liegt außerhalb des zulässigen Bereichs.");
        QTest::newRow("spacing below the diameter") << "m_bewehrungAbstandUnten" << "5"
                                                    << QString::fromUtf8("e_u liegt außerhalb des zulässigen Bereichs.");
    }
    void incompleteFormShowsANote() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        NumberEdit *edit = formdriver::field(*m_window, field.toLatin1().constData());
        const QString before = edit->text();
        edit->setText(text);
        QCoreApplication::processEvents();
        const QString note = "Querschnitt nicht darstellbar:\n" + reason;
        QCOMPARE(m_preview->note(), note);
        const QList<QGraphicsItem *> items = m_preview->view()->scene()->items();
        QCOMPARE(items.size(), 1);
        auto *shown = qgraphicsitem_cast<QGraphicsTextItem *>(items.first());
        QVERIFY(shown);
        QCOMPARE(shown->toPlainText(), note);
        // Wrapped into short lines, so a narrow column need not shrink it much.
        QVERIFY(shown->boundingRect().width() <= 200);

        edit->setText(before);
        QCoreApplication::processEvents();
        QCOMPARE(m_preview->note(), QString());
        QVERIFY(near(drawn(m_preview->view()->scene()).slab.width(), 400));
    }

    // A rolled profile needs a row of the profile table for its root radius.
    void rolledProfileWithoutNameShowsANote() {
        QComboBox *name = selector(*m_window, "m_baustahlProfilname");
        name->setCurrentIndex(0);  // the empty entry
        QCoreApplication::processEvents();
        QCOMPARE(m_preview->note(), QString::fromUtf8("Querschnitt nicht darstellbar:\nkein Walzprofil gewählt."));
    }

    // Opening a file draws it once the event loop runs.
    void followsAnOpenedFile() {
        const QString path = m_dir.filePath("design.txt");
        QVERIFY(writeText(path, withLine(exampleInputText(), "*Geometrie-Beton:", "*Geometrie-Beton:\t180\t1000\t0\t0")));
        QVERIFY(open(*m_window, path));
        QCoreApplication::processEvents();
        // H = 580, s = min(0.4, 142 / 580).
        const double s = 142.0 / 580;
        const Drawn d = drawn(m_preview->view()->scene());
        QVERIFY(near(d.slab.width(), 1000 * s));
        QVERIFY(near(d.slab.height(), 180 * s));
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
    SectionPreview *m_preview = nullptr;
};

QTEST_MAIN(PreviewTest)
#include "tst_preview.moc"
