#include "plots/plot_export.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QFormLayout>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QSpinBox>
#include <QStandardPaths>
#include <cmath>

#include "plots/plot_setup.h"
#include "plots/section_geometry.h"
#include "qcustomplot.h"

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

const char *const pngFilter = "PNG-Bild (*.png)";
const char *const pdfFilter = "PDF-Dokument (*.pdf)";
constexpr int largestImageSide = 10000;  // pixels

PlotExport::ImageChooser &replacedChooser() {
    static PlotExport::ImageChooser chooser;
    return chooser;
}

QString cell(double value) { return std::isfinite(value) ? plotNumber(value) : QString(); }

// The size of a PNG, asked in a small dialog; an invalid size when cancelled.
QSize askImageSize(QWidget *parent, const QSize &suggested) {
    QDialog dialog(parent);
    dialog.setWindowTitle(u("Bildgröße"));
    auto *width = new QSpinBox;
    auto *height = new QSpinBox;
    for (QSpinBox *box : {width, height}) {
        box->setRange(16, largestImageSide);
        box->setSuffix(" px");
    }
    width->setValue(suggested.width());
    height->setValue(suggested.height());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *form = new QFormLayout(&dialog);
    form->addRow(u("Breite:"), width);
    form->addRow(u("Höhe:"), height);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return QSize();
    return QSize(width->value(), height->value());
}

// The file dialog, then for a PNG the size dialog.
PlotExport::ImageTarget chooseWithDialogs(QWidget *parent, const QSize &suggested, const QString &name) {
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QFileInfo start(suggestedImagePath(folder, QDir::homePath(), name));
    QFileDialog dialog(parent, u("Bild speichern"), start.absolutePath(), u(pngFilter) + ";;" + u(pdfFilter));
    dialog.selectFile(start.fileName());
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix("png");
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(filter == u(pdfFilter) ? "pdf" : "png");
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().first();
    folder = QFileInfo(path).absolutePath();
    if (path.endsWith(".pdf", Qt::CaseInsensitive)) return {path, suggested};
    const QSize size = askImageSize(parent, suggested);
    if (!size.isValid()) return {};
    return {path, size};
}

bool isPdf(const QString &path) { return path.endsWith(".pdf", Qt::CaseInsensitive); }

// The font of a picture's title.
QFont titleFont(QFont font) {
    font.setPointSize(11);
    font.setBold(true);
    return font;
}

// The scene of a drawing into a rectangle of the painter (keeping its
// aspect), below its title when it has one.
void renderScene(QGraphicsScene *scene, QPainter &painter, QRectF target, const QString &title) {
    painter.setRenderHint(QPainter::Antialiasing);
    if (!title.isEmpty()) {
        painter.setFont(titleFont(painter.font()));
        const double height = 2.0 * QFontMetricsF(painter.font()).height();
        painter.drawText(QRectF(target.left(), target.top(), target.width(), height), Qt::AlignCenter, title);
        target.setTop(target.top() + height);
    }
    scene->render(&painter, target, scene->sceneRect(), Qt::KeepAspectRatio);
}

// A plot with its title as the top row of its layout, for as long as it lives.
class PlotTitle {
public:
    PlotTitle(QCustomPlot *plot, const QString &title) : plot_(plot) {
        if (title.isEmpty()) return;
        plot_->plotLayout()->insertRow(0);
        text_ = new QCPTextElement(plot_, title, titleFont(plot_->font()));
        plot_->plotLayout()->addElement(0, 0, text_);
    }
    ~PlotTitle() {
        if (!text_) return;
        plot_->plotLayout()->remove(text_);
        plot_->plotLayout()->simplify();
    }
    PlotTitle(const PlotTitle &) = delete;
    PlotTitle &operator=(const PlotTitle &) = delete;

private:
    QCustomPlot *plot_;
    QCPTextElement *text_ = nullptr;
};

bool saveScene(QGraphicsScene *scene, const QString &path, const QSize &size, const QString &title) {
    if (isPdf(path)) {
        QPdfWriter writer(path);
        // One page with a point per pixel and no margins, as a plot's PDF.
        writer.setPageSize(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer)) return false;
        // The drawing's texts are sized in pixels: the scale keeps them in proportion.
        painter.scale(writer.logicalDpiX() / 72.0, writer.logicalDpiY() / 72.0);
        renderScene(scene, painter, QRectF(QPointF(0, 0), QSizeF(size)), title);
        return painter.end();
    }
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderScene(scene, painter, QRectF(image.rect()), title);
    painter.end();
    return image.save(path, "PNG");
}

}  // namespace

QString suggestedImagePath(const QString &folder, const QString &fallback, const QString &name) {
    // A folder that does not exist would be taken by the dialog as the file's name.
    const QString base = !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : fallback;
    return QDir(base).filePath(name + ".png");
}

QString plotValuesText(const QCustomPlot *plot) {
    QVector<QCPGraph *> graphs;
    QStringList header;
    QStringList names;
    for (int i = 0; i < plot->graphCount(); ++i) {
        QCPGraph *graph = plot->graph(i);
        if (graph->data()->isEmpty()) continue;
        QString name = graph->name().isEmpty() ? QString("Kurve %1").arg(i + 1) : graph->name();
        const int earlier = names.count(name);
        names << name;
        if (earlier > 0) name += QString(" (%1)").arg(earlier + 1);
        header << name + ": " + graph->keyAxis()->label() << name + ": " + graph->valueAxis()->label();
        graphs << graph;
    }
    if (graphs.isEmpty()) return QString();
    int rows = 0;
    for (QCPGraph *graph : graphs) rows = std::max(rows, graph->data()->size());
    QString text = header.join('\t') + '\n';
    for (int row = 0; row < rows; ++row) {
        QStringList cells;
        for (QCPGraph *graph : graphs) {
            if (row < graph->data()->size()) {
                const QCPGraphData &point = *(graph->data()->constBegin() + row);
                cells << cell(point.key) << cell(point.value);
            } else {
                cells << QString() << QString();
            }
        }
        text += cells.join('\t') + '\n';
    }
    return text;
}

QString sectionValuesText(const SectionGeometry &g) {
    if (!(g.totalHeight() > 0.0) || !std::isfinite(g.totalHeight())) return QString();
    QString text = u("Größe\tWert [mm]\n");
    for (const GeometryValue &value : formGeometryValues())
        text += QString::fromUtf8(value.symbol) + '\t' + cell(g.*value.member) + '\n';
    text += "r\t" + cell(g.r) + '\n';
    return text;
}

PlotExport::PlotExport(QWidget *widget) : QObject(widget), widget_(widget) {
    save_ = new QAction(u("Bild speichern…"), this);
    copy_ = new QAction(u("Werte kopieren"), this);
    connect(save_, &QAction::triggered, this, &PlotExport::chooseAndSave);
    connect(copy_, &QAction::triggered, this, &PlotExport::copyValues);
}

PlotExport *PlotExport::attach(QCustomPlot *plot) {
    auto *exporter = new PlotExport(plot);
    exporter->plot_ = plot;
    exporter->values_ = [plot]() { return plotValuesText(plot); };
    plot->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(plot, &QWidget::customContextMenuRequested, exporter,
            [exporter, plot](const QPoint &position) { exporter->showMenu(plot->mapToGlobal(position)); });
    return exporter;
}

PlotExport *PlotExport::attach(QGraphicsView *view, ValuesText values) {
    auto *exporter = new PlotExport(view);
    exporter->view_ = view;
    exporter->values_ = std::move(values);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    // A scroll area reports the position in its viewport.
    connect(view, &QWidget::customContextMenuRequested, exporter, [exporter, view](const QPoint &position) {
        exporter->showMenu(view->viewport()->mapToGlobal(position));
    });
    return exporter;
}

PlotExport *PlotExport::of(const QWidget *widget) {
    return widget ? widget->findChild<PlotExport *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void PlotExport::setImageChooser(ImageChooser chooser) { replacedChooser() = std::move(chooser); }

void PlotExport::setValuesText(ValuesText values) { values_ = std::move(values); }

QString PlotExport::valuesText() const { return values_ ? values_() : QString(); }

QList<QAction *> PlotExport::actions() const { return {save_, copy_}; }

bool PlotExport::saveImage(const QString &path, const QSize &size) const {
    if (!size.isValid() || size.width() > largestImageSide || size.height() > largestImageSide) return false;
    if (plot_) {
        bool saved = false;
        {
            const PlotTitle heading(plot_, title_);
            saved = isPdf(path) ? plot_->savePdf(path, size.width(), size.height())
                                : plot_->savePng(path, size.width(), size.height());
        }
        // Exporting laid the plot out at the picture's size: back to the window's.
        plot_->replot();
        return saved;
    }
    return view_ && saveScene(view_->scene(), path, size, title_);
}

void PlotExport::chooseAndSave() {
    const QSize suggested = widget_->size().isValid() && widget_->width() >= 100 && widget_->height() >= 100
                                ? widget_->size()
                                : QSize(800, 600);
    const ImageTarget target = replacedChooser() ? replacedChooser()(widget_, suggested)
                                                 : chooseWithDialogs(widget_, suggested,
                                                                     !title_.isEmpty() ? title_
                                                                     : view_           ? u("Querschnitt")
                                                                                       : u("Diagramm"));
    if (target.path.isEmpty()) return;
    if (!saveImage(target.path, target.size))
        QMessageBox::warning(widget_, u("Bild speichern"),
                             u("Das Bild kann nicht gespeichert werden:\n") + QDir::toNativeSeparators(target.path));
}

void PlotExport::copyValues() const { QApplication::clipboard()->setText(valuesText()); }

void PlotExport::showMenu(const QPoint &position) {
    copy_->setEnabled(!valuesText().isEmpty());
    QMenu::exec(actions(), position, nullptr, widget_);
}
