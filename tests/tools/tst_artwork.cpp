// The build-time pictures and the user manual: sizes as the panels show
// them, content where the panels can show it, a paginated PDF, and the
// generator program itself.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "catalogue.h"
#include "manual_pdf.h"

namespace {

const QString buildDir = QStringLiteral(NORVEL_BUILD_DIR);
const QString manualSource = QStringLiteral(MANUAL_SOURCE);

QByteArray readBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page count as the PDF's page tree states it, and the page objects present.
int pdfPageCount(const QByteArray &pdf) {
    const QRegularExpression count("/Type /Pages\\s.*?/Count (\\d+)",
                                   QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = count.match(QString::fromLatin1(pdf.constData(), pdf.size()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

int pdfPageObjects(const QByteArray &pdf) {
    return QString::fromLatin1(pdf.constData(), pdf.size()).count(QRegularExpression("/Type /Page[^s]"));
}

int pixelsLike(const QImage &image, const QColor &colour, int tolerance) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 200 && std::abs(c.red() - colour.red()) <= tolerance &&
                std::abs(c.green() - colour.green()) <= tolerance && std::abs(c.blue() - colour.blue()) <= tolerance)
                ++n;
        }
    return n;
}

}  // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveThePanelSizes_data();
    void picturesHaveThePanelSizes();
    void materialDiagramsStayInsideThePanel_data();
    void materialDiagramsStayInsideThePanel();
    void panelBackgroundDoesNotRepeatOnWideScreens();
    void manualIsAPaginatedPdf();
    void manualShowsOnlyShippedPictures();
    void manualStatesInstallationAndEveryBound();
    void missingManualSourceWritesNothing();
    void generatorWritesEveryFile();
};

// The boxes the front end scales each picture into; drawn at exactly that
// size, no picture is resampled on screen.
void TestArtwork::picturesHaveThePanelSizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("Schnittgroessen") << "Schnittgroessen.png" << QSize(113, 30);
    QTest::newRow("se beton") << "se beton.png" << QSize(500, 243);
    QTest::newRow("se bewerhung") << "se bewerhung.png" << QSize(500, 220);
    QTest::newRow("se baustahl") << "se baustahl.png" << QSize(500, 214);
    QTest::newRow("geo sb") << "geo sb.png" << QSize(470, 190);
    QTest::newRow("geo bau") << "geo bau.png" << QSize(434, 404);
    QTest::newRow("duebel rippe") << "duebel rippe.png" << QSize(190, 130);
    QTest::newRow("icon") << "norvel.png" << QSize(128, 128);
}

void TestArtwork::picturesHaveThePanelSizes() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage shipped(buildDir + "/" + name);
    QVERIFY2(!shipped.isNull(), qPrintable(name));
    QCOMPARE(shipped.size(), size);
    // Something is drawn: a fair share of the pixels is neither white nor transparent.
    int drawn = 0;
    for (int y = 0; y < shipped.height(); ++y)
        for (int x = 0; x < shipped.width(); ++x) {
            const QColor c = shipped.pixelColor(x, y);
            if (c.alpha() > 0 && c != QColor(Qt::white)) ++drawn;
        }
    QVERIFY2(drawn > size.width() * size.height() * 3 / 100, qPrintable(name));
}

void TestArtwork::materialDiagramsStayInsideThePanel_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("se beton") << "se beton.png";
    QTest::newRow("se bewerhung") << "se bewerhung.png";
    QTest::newRow("se baustahl") << "se baustahl.png";
}

// The info box leaves about 484 of the 500 px visible: the strip beyond is
// blank, and the design law (red) is drawn.
void TestArtwork::materialDiagramsStayInsideThePanel() {
    QFETCH(QString, name);
    const QImage image = QImage(buildDir + "/" + name).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!image.isNull());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 480; x < image.width(); ++x)
            QVERIFY2(image.pixelColor(x, y) == QColor(Qt::white), qPrintable(QString("%1 %2").arg(x).arg(y)));
    QVERIFY(pixelsLike(image, QColor(200, 30, 30), 40) > 150);
}

void TestArtwork::panelBackgroundDoesNotRepeatOnWideScreens() {
    const QImage image(buildDir + "/geometriehinterg.png");
    QCOMPARE(image.height(), 188);
    QVERIFY(image.width() >= 1920);
    QVERIFY(image.hasAlphaChannel());
    // Transparent right of the sketch, so the panel's own colour shows.
    QCOMPARE(image.pixelColor(image.width() - 1, 100).alpha(), 0);
    QCOMPARE(image.pixelColor(1000, 17).alpha(), 0);
}

void TestArtwork::manualIsAPaginatedPdf() {
    const QByteArray pdf = readBytes(buildDir + "/Benutzerhandbuch.pdf");
    QVERIFY(pdf.startsWith("%PDF-"));
    const int pages = pdfPageCount(pdf);
    QCOMPARE(pdfPageObjects(pdf), pages);
    // Title page plus one page at least for every chapter, each starting a new page.
    const int chapters = QString::fromUtf8(readBytes(manualSource)).count("class=\"chapter\"");
    QCOMPARE(chapters, 10);
    QVERIFY2(pages >= chapters + 1, qPrintable(QString::number(pages)));

    // Typesetting the same source again gives the same pagination.
    QMap<QString, QImage> images;
    for (const artwork::Picture &p : artwork::pictures()) images.insert(p.fileName, p.draw());
    QTemporaryDir dir;
    const QString again = dir.filePath("manual.pdf");
    QCOMPARE(artwork::writeManual(manualSource, again, images), pages);
    QCOMPARE(pdfPageCount(readBytes(again)), pages);
}

void TestArtwork::manualShowsOnlyShippedPictures() {
    QStringList shipped;
    for (const artwork::Picture &p : artwork::pictures()) shipped << p.fileName;
    const QString html = QString::fromUtf8(readBytes(manualSource));
    QRegularExpressionMatchIterator it = QRegularExpression("<img src=\"([^\"]+)\"").globalMatch(html);
    int images = 0;
    while (it.hasNext()) {
        const QString src = it.next().captured(1);
        QVERIFY2(shipped.contains(src), qPrintable(src));
        ++images;
    }
    QVERIFY(images >= 6);
}

void TestArtwork::manualStatesInstallationAndEveryBound() {
    const QString html = QString::fromUtf8(readBytes(manualSource));
    const QStringList required = {
        "make run", "make test", "cmake --install", "share/norvel/", "STALVORA_WORK_DIR",
        "0 &lt; γ<sub>c</sub> ≤ 5", "0 &lt; f<sub>cd,RedFak</sub> ≤ 1", "400 ≤ f<sub>sk</sub> ≤ 600",
        "0 &lt; γ<sub>s</sub> ≤ 5", "0 &lt; f<sub>yk</sub> ≤ 460", "0 &lt; γ<sub>M</sub> ≤ 5",
        "≤ h<sub>c</sub> ≤ 1500", "0 ≤ b<sub>e</sub> ≤ 10000", "0 ≤ h<sub>p</sub> ≤ h<sub>c</sub>",
        "0 ≤ b<sub>p</sub> &lt; b<sub>fo</sub>", "0 ≤ d &lt; 50", "d ≤ e ≤ b<sub>e</sub>",
        "c<sub>nom,u</sub> &gt; 0", "c<sub>nom,o</sub> &gt; 0", "0 &lt; h &lt; 1000",
        "t<sub>fu</sub> + t<sub>fo</sub> + 2r ≤ h", "0 &lt; t &lt; 50", "0 &lt; b &lt; 800",
        "0 &lt; t<sub>w</sub> ≤ 50", "0 ≤ k<sub>c</sub> ≤ 1", "0 ≤ k ≤ 1", "σ<sub>s</sub> &gt; 0",
        "2 ≤ f<sub>ctm</sub> ≤ 4,5", "1,7 ≤ ε<sub>c3</sub> ≤ 2", "2,8 ≤ ε<sub>cu3</sub> ≤ 3,6",
        "190000 ≤ E<sub>s</sub> ≤ 220000", "190000 ≤ E<sub>a</sub> ≤ 220000", "1 ≤ k ≤ 1,5",
        "22 ≤ ε<sub>uk</sub> ≤ 80", "Grenzen des Modells", "16 ≤ d ≤ 25", "h<sub>sc</sub> ≥ 3 d",
        "0 &lt; f<sub>u</sub> ≤ 500", "n ≥ 0", "L<sub>e</sub> &gt; 0", "1 oder 2", "h<sub>p</sub> ≤ 85 mm"};
    for (const QString &text : required) QVERIFY2(html.contains(text), qPrintable(text));
}

void TestArtwork::missingManualSourceWritesNothing() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("manual.pdf");
    QCOMPARE(artwork::writeManual(dir.filePath("fehlt.html"), pdf, {}), 0);
    QVERIFY(!QFile::exists(pdf));
}

void TestArtwork::generatorWritesEveryFile() {
    QTemporaryDir dir;
    QProcess generator;
    generator.start(QStringLiteral(ARTWORK_GENERATOR), {dir.path(), manualSource});
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitCode(), 0);
    for (const artwork::Picture &p : artwork::pictures())
        QVERIFY2(!QImage(dir.filePath(p.fileName)).isNull(), qPrintable(p.fileName));
    QVERIFY(pdfPageCount(readBytes(dir.filePath("Benutzerhandbuch.pdf"))) > 0);

    generator.start(QStringLiteral(ARTWORK_GENERATOR), {dir.path()});
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitCode(), 2);
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
