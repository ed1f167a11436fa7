#include "manual_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace artwork {

namespace {

// 96 dpi keeps the pixel sizes of the pictures and the HTML as on screen.
constexpr int kResolution = 96;
constexpr double kFooterHeight = 30.0;

void drawFooter(QPainter &painter, const QRectF &page, int number, int count) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.0);
    painter.setFont(font);
    painter.setPen(QColor(90, 90, 90));
    const QRectF footer(page.left(), page.bottom() - kFooterHeight + 10, page.width(), kFooterHeight - 10);
    painter.drawLine(footer.topLeft(), footer.topRight());
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Norvel – Benutzerhandbuch"));
    painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom,
                     QStringLiteral("Seite %1 von %2").arg(number).arg(count));
}

}  // namespace

int writeManual(const QString &htmlPath, const QString &pdfPath, const QMap<QString, QImage> &images) {
    QFile source(htmlPath);
    if (!source.open(QIODevice::ReadOnly)) return 0;
    const QString html = QString::fromUtf8(source.readAll());

    QPdfWriter writer(pdfPath);
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 14), QPageLayout::Millimeter);
    writer.setTitle(QStringLiteral("Norvel – Benutzerhandbuch"));
    writer.setCreator(QStringLiteral("Norvel"));

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.0);
    document.setDefaultFont(font);
    for (auto it = images.cbegin(); it != images.cend(); ++it)
        document.addResource(QTextDocument::ImageResource, QUrl(it.key()), it.value());
    document.setHtml(html);

    const QRectF page = writer.pageLayout().paintRectPixels(kResolution);
    const QSizeF body(page.width(), page.height() - kFooterHeight);
    document.setPageSize(body);
    const int count = document.pageCount();

    QPainter painter;
    if (!painter.begin(&writer)) return 0;
    for (int i = 0; i < count; ++i) {
        if (i > 0) writer.newPage();
        painter.save();
        painter.translate(0, -i * body.height());
        document.drawContents(&painter, QRectF(QPointF(0, i * body.height()), body));
        painter.restore();
        drawFooter(painter, QRectF(QPointF(0, 0), page.size()), i + 1, count);
    }
    painter.end();
    return count;
}

}  // namespace artwork
