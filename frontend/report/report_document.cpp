#include "report/report_document.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "qcustomplot.h"
#include "report/report_figures.h"
#include "report/report_layout.h"
#include "results/design_report.h"

#ifndef NORVEL_VERSION
#error "NORVEL_VERSION must be defined by the build (the project version)"
#endif

namespace report {

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Everything is laid out in units of 1/96 inch ("px"); fonts are given in
// those units, so that the painter's scale alone sets their size.
constexpr double pxPerPoint = 96.0 / 72.0;

constexpr int textPixels = 12;         // report text, 9 pt
constexpr int figureTitlePixels = 13;  // figure titles, about 9.8 pt
constexpr int footerPixels = 10;
constexpr double footerHeight = 26.0;
constexpr double titleBlockGap = 16.0;
constexpr double figureGapAbove = 14.0;  // between a figure and what precedes it
constexpr double figureTitleGap = 6.0;   // between a figure's title and its drawing

// A font in pixels of 1/96 inch; the style hint finds a like font where the
// family is missing.
QFont pixelFont(const char *family, QFont::StyleHint hint, int pixels, bool bold = false) {
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(hint);  // before printedFont: it resets the style strategy
    font.setPixelSize(pixels);
    font.setBold(bold);
    return printedFont(font);
}

QFont textFont() {
    QFont font = pixelFont("DejaVu Sans Mono", QFont::Monospace, textPixels);
    font.setFixedPitch(true);
    return font;
}

QFont sansFont(int pixels, bool bold = false) { return pixelFont("DejaVu Sans", QFont::SansSerif, pixels, bold); }

// Text in a box, placed with the advances of the font's design: hinted
// advances are rounded to pixels, and by how much depends on the device.
void drawText(QPainter &painter, const QRectF &box, Qt::Alignment alignment, const QString &text) {
    QTextOption option(alignment);
    option.setUseDesignMetrics(true);
    option.setWrapMode(QTextOption::NoWrap);
    painter.drawText(box, text, option);
}

// The design advance of a character of a fixed-pitch font.
double designAdvance(const QFont &font) {
    const int count = 100;
    QTextLayout layout(QString(count, QLatin1Char('M')), font);
    QTextOption option;
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return line.isValid() ? line.naturalTextWidth() / count : 0.0;
}

QString timeText(const QDateTime &time) {
    return time.isValid() ? time.toString("dd.MM.yyyy, HH:mm") + " Uhr"
                          : results::notDetermined(results::Missing::NoCalculation);
}

QString footerName(const report::ReportSource &source) {
    return source.designFile.isEmpty()
               ? QStringLiteral("Bemessungsdatei: nicht gespeichert")
               : designFileText(QFileInfo(source.designFile).fileName(), source.designFileChanged);
}

// The reason a PDF file cannot be written, as far as the file system tells it.
QString writeProblem(const QString &path) {
    const QFileInfo file(path);
    if (file.isDir()) return u("ist ein Ordner");
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists()) return u("der Ordner existiert nicht");
    if (!folder.isWritable() || (file.exists() && !file.isWritable())) return u("keine Schreibberechtigung");
    return QString();
}

QString cannotWrite(const QString &path, const QString &reason) {
    return u("Die PDF-Datei kann nicht geschrieben werden: ") + QDir::toNativeSeparators(path) +
           (reason.isEmpty() ? QString() : " (" + reason + ")");
}

}  // namespace

QPageLayout reportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 15, 15, 15),
                       QPageLayout::Millimeter);
}

QString pdfTargetProblem(const QString &path) {
    const QString problem = writeProblem(path);
    if (problem.isEmpty()) return problem;
    return cannotWrite(path, problem);
}

QString programName() { return QStringLiteral("Norvel " NORVEL_VERSION); }

// One placed piece of the document.
struct Item {
    enum class Kind { TitleBlock, Line, Space, Figure, FigureNote };
    Kind kind;
    QString text;     // the line; the note of a missing figure
    int figure = -1;  // index into figures_
    double height = 0.0;
};

struct ReportDocument::Layout {
    double width = 0.0;       // paintable width (px)
    double bodyHeight = 0.0;  // page height above the footer (px)
    std::vector<Item> items;
    std::vector<std::vector<int>> pages;
};

ReportDocument::ReportDocument(const ReportSource &source)
    : source_(source),
      text_(designReportText(source.runFolder, source.designFile, source.calculated, source.designFileChanged,
                             true, source.project ? &*source.project : nullptr)),
      figures_(buildReportFigures(FigureSource{source.runFolder, sansFont(10)})) {
    ReportHead head{QDir::toNativeSeparators(source.designFile), source.calculated, std::nullopt,
                    source.designFileChanged, true,
                    reportProjectHead(source.runFolder, source.project ? &*source.project : nullptr)};
    titleRows_ = titleBlockRows(head);
    titleRows_.append({u("Erstellt am:"), timeText(source.created)});
}

ReportDocument::~ReportDocument() = default;

QStringList ReportDocument::figureTitles() const {
    QStringList titles;
    for (const auto &figure : figures_) titles << figure->title();
    return titles;
}

namespace {

double titleBlockHeight(int rows) {
    const QFontMetricsF big(sansFont(20, true)), small(sansFont(12));
    return 12.0 + big.height() + 10.0 + rows * small.lineSpacing() + 10.0;
}

double figureTitleHeight() { return QFontMetricsF(sansFont(figureTitlePixels, true)).lineSpacing(); }

}  // namespace

ReportDocument::Layout ReportDocument::layOut(double width, double height) const {
    Layout layout;
    layout.width = width;
    layout.bodyHeight = std::max(1.0, height - footerHeight);
    std::vector<Block> blocks;
    const auto add = [&](Item item, int keep, bool space) {
        blocks.push_back(Block{item.height, keep, space});
        layout.items.push_back(std::move(item));
    };

    add(Item{Item::Kind::TitleBlock, QString(), -1, titleBlockHeight(titleRows_.size())}, 0, false);
    add(Item{Item::Kind::Space, QString(), -1, titleBlockGap}, 0, true);

    // The report text, line by line; a wrapped line stays on one page, a
    // heading keeps its first lines.
    const QFontMetricsF metrics(textFont());
    const double lineHeight = metrics.lineSpacing();
    const double advance = std::max(designAdvance(textFont()), 0.55 * textPixels);
    const int columns = std::max(20, static_cast<int>(std::floor(width / advance)));
    const QStringList lines = text_.split(QLatin1Char('\n'));
    const std::vector<int> keepLines = keepWithNext(lines);
    std::vector<QStringList> pieces;
    for (const QString &line : lines) pieces.push_back(wrapLine(expandTabs(line), columns));
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList &linePieces = pieces[static_cast<std::size_t>(i)];
        // Blocks kept by the first piece: the rest of its line and the
        // pieces of the lines the heading keeps.
        int keptAfterLine = 0;
        for (int k = 1; k <= keepLines[static_cast<std::size_t>(i)]; ++k)
            keptAfterLine += pieces[static_cast<std::size_t>(i + k)].size();
        const bool empty = lines[i].trimmed().isEmpty();
        for (int p = 0; p < linePieces.size(); ++p) {
            const int keep = linePieces.size() - 1 - p + keptAfterLine;
            add(Item{empty ? Item::Kind::Space : Item::Kind::Line, linePieces[p], -1, lineHeight}, keep, empty);
        }
    }

    // The figures, each with its title on one page.
    const double titleHeight = figureTitleHeight();
    for (int f = 0; f < static_cast<int>(figures_.size()); ++f) {
        const Figure &figure = *figures_[static_cast<std::size_t>(f)];
        add(Item{Item::Kind::Space, QString(), -1, figureGapAbove}, 0, true);
        const QString missing = figure.missing();
        if (!missing.isEmpty()) {
            add(Item{Item::Kind::FigureNote, missing, f, titleHeight + lineHeight}, 0, false);
            continue;
        }
        const double drawing = std::min(figure.height(width), layout.bodyHeight - titleHeight - figureTitleGap);
        add(Item{Item::Kind::Figure, QString(), f, titleHeight + figureTitleGap + drawing}, 0, false);
    }

    layout.pages = paginate(blocks, layout.bodyHeight);
    return layout;
}

int ReportDocument::pageCount(const QSizeF &paintAreaPoints) const {
    return static_cast<int>(
        layOut(paintAreaPoints.width() * pxPerPoint, paintAreaPoints.height() * pxPerPoint).pages.size());
}

void ReportDocument::paintPage(QCPPainter &painter, const Layout &layout, int page) const {
    const QFont mono = textFont();
    const QFontMetricsF monoMetrics(mono);
    const QFont figureTitle = sansFont(figureTitlePixels, true);
    const QFontMetricsF titleMetrics(figureTitle);
    double y = 0.0;
    for (int index : layout.pages[static_cast<std::size_t>(page)]) {
        const Item &item = layout.items[static_cast<std::size_t>(index)];
        switch (item.kind) {
        case Item::Kind::TitleBlock: {
            const QRectF box(0.0, 0.0, layout.width, item.height);
            painter.setPen(QPen(Qt::black, 1.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
            const QFont big = sansFont(20, true), small = sansFont(12), smallBold = sansFont(12, true);
            const QFontMetricsF bigMetrics(big), smallMetrics(small);
            double line = 12.0;
            painter.setFont(big);
            drawText(painter, QRectF(12.0, line, layout.width - 24.0, bigMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, u("Bemessungsprotokoll"));
            painter.setFont(smallBold);
            drawText(painter, QRectF(12.0, line, layout.width - 24.0, bigMetrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, programName());
            line += bigMetrics.height() + 5.0;
            painter.drawLine(QPointF(0.0, line), QPointF(layout.width, line));
            line += 5.0;
            const double labelWidth = 150.0;
            for (const auto &row : titleRows_) {
                const QRectF labelBox(12.0, line, labelWidth, smallMetrics.lineSpacing());
                const QRectF valueBox(12.0 + labelWidth, line, layout.width - 24.0 - labelWidth,
                                      smallMetrics.lineSpacing());
                painter.setFont(smallBold);
                drawText(painter, labelBox, Qt::AlignLeft | Qt::AlignVCenter, row.first);
                painter.setFont(small);
                drawText(painter, valueBox, Qt::AlignLeft | Qt::AlignVCenter,
                         smallMetrics.elidedText(row.second, Qt::ElideMiddle, valueBox.width()));
                line += smallMetrics.lineSpacing();
            }
            break;
        }
        case Item::Kind::Line:
            painter.setPen(Qt::black);
            painter.setFont(mono);
            drawText(painter, QRectF(0.0, y, layout.width, item.height), Qt::AlignLeft | Qt::AlignTop, item.text);
            break;
        case Item::Kind::Space: break;
        case Item::Kind::FigureNote:
        case Item::Kind::Figure: {
            const Figure &figure = *figures_[static_cast<std::size_t>(item.figure)];
            painter.setPen(Qt::black);
            painter.setFont(figureTitle);
            drawText(painter, QRectF(0.0, y, layout.width, titleMetrics.lineSpacing()), Qt::AlignLeft | Qt::AlignTop,
                     figure.title());
            const double below = y + titleMetrics.lineSpacing();
            if (item.kind == Item::Kind::FigureNote) {
                painter.setFont(mono);
                drawText(painter, QRectF(0.0, below, layout.width, monoMetrics.lineSpacing()),
                         Qt::AlignLeft | Qt::AlignTop, item.text);
                break;
            }
            const QRectF area(0.0, below + figureTitleGap, layout.width, item.height - (below + figureTitleGap - y));
            figure.paint(painter, area);
            break;
        }
        }
        // Spaces at the top of a page were left out by the pagination.
        y += item.height;
    }

    // Footer: the design file on the left, the page on the right.
    const double top = layout.bodyHeight + footerHeight - 16.0;
    painter.setPen(QPen(Qt::black, 0.75));
    painter.drawLine(QPointF(0.0, top - 4.0), QPointF(layout.width, top - 4.0));
    painter.setFont(sansFont(footerPixels));
    const QRectF footer(0.0, top, layout.width, 16.0);
    drawText(painter, footer, Qt::AlignLeft | Qt::AlignVCenter, programName() + u(" – ") + footerName(source_));
    drawText(painter, footer, Qt::AlignRight | Qt::AlignVCenter,
             QString("Seite %1 von %2").arg(page + 1).arg(layout.pages.size()));
}

bool ReportDocument::print(QPagedPaintDevice *device) const {
    QCPPainter painter;
    if (!painter.begin(device)) return false;
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    painter.setMode(QCPPainter::pmNonCosmetic);
    const double scaleX = device->logicalDpiX() / 96.0;
    const double scaleY = device->logicalDpiY() / 96.0;
    // Laid out on the paintable area in points, not in device pixels: pages
    // break at the same lines at every resolution of the device.
    const QSizeF area = device->pageLayout().paintRect(QPageLayout::Point).size() * pxPerPoint;
    const Layout layout = layOut(area.width(), area.height());
    for (int page = 0; page < static_cast<int>(layout.pages.size()); ++page) {
        if (page > 0 && !device->newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(scaleX, scaleY);
        paintPage(painter, layout, page);
        painter.restore();
    }
    return painter.end();
}

bool ReportDocument::writePdf(const QString &path, QString *error) const {
    const auto fail = [&](const QString &reason) {
        if (error) *error = cannotWrite(path, reason);
        return false;
    };
    if (QFileInfo(path).isDir()) return fail(writeProblem(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return fail(writeProblem(path));
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(reportPageLayout());
        writer.setCreator(programName());
        writer.setTitle(u("Bemessungsprotokoll – ") + footerName(source_));
        if (!print(&writer)) {
            file.cancelWriting();
            return fail(writeProblem(path));
        }
    }
    if (!file.commit()) return fail(writeProblem(path));
    return true;
}

}  // namespace report
