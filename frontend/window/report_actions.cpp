#include "window/report_actions.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "results/run_results.h"

namespace reportoutput {
namespace {

PdfChooser &replacedChooser() {
    static PdfChooser chooser;
    return chooser;
}

PrintSetup &replacedSetup() {
    static PrintSetup setup;
    return setup;
}

QString chooseWithDialog(QWidget *parent, const QString &suggested) {
    QFileDialog dialog(parent, QString::fromUtf8("Protokoll als PDF exportieren"), QFileInfo(suggested).absolutePath(),
                       QString::fromUtf8("PDF-Dokumente (*.pdf)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix("pdf");
    dialog.selectFile(QFileInfo(suggested).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

bool setUpWithDialog(QPrinter &printer, QWidget *parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromUtf8("Drucken"));
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

void setPdfChooser(PdfChooser chooser) { replacedChooser() = std::move(chooser); }
void setPrintSetup(PrintSetup setup) { replacedSetup() = std::move(setup); }

QString suggestedPdfPath(const QString &designFile, const QString &fallbackFolder) {
    if (designFile.isEmpty()) return QDir(fallbackFolder).filePath("Bemessungsprotokoll.pdf");
    const QFileInfo file(designFile);
    return file.dir().filePath(file.completeBaseName() + ".pdf");
}

}  // namespace reportoutput

namespace {
const char *const exportTitle = "Protokoll als PDF exportieren";
const char *const printTitle = "Drucken";
}  // namespace

ReportActions::ReportActions(QWidget *window, SourceProvider source, Message critical, Message information)
    : QObject(window), window_(window), source_(std::move(source)), critical_(std::move(critical)),
      information_(std::move(information)) {
    export_ = new QAction(QString::fromUtf8("Protokoll als PDF &exportieren…"), this);
    export_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    print_ = new QAction(QString::fromUtf8("&Drucken…"), this);
    print_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(export_, &QAction::triggered, this, [this]() { exportPdf(); });
    connect(print_, &QAction::triggered, this, [this]() { print(); });
}

bool ReportActions::calculatedSource(const QString &title, report::ReportSource &source) const {
    source = source_();
    if (source.runFolder.empty() || !results::RunResults::read(source.runFolder).calculated()) {
        information_(title, QString::fromUtf8("Es liegt noch keine Berechnung vor. Das Protokoll "
                                              "enthält die Ergebnisse einer Berechnung."));
        return false;
    }
    if (!source.created.isValid()) source.created = QDateTime::currentDateTime();
    return true;
}

bool ReportActions::exportPdf() {
    const QString title = QString::fromUtf8(exportTitle);
    report::ReportSource source;
    if (!calculatedSource(title, source)) return false;
    const QString suggested = reportoutput::suggestedPdfPath(
        source.designFile, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QString path = reportoutput::replacedChooser() ? reportoutput::replacedChooser()(window_, suggested)
                                                   : reportoutput::chooseWithDialog(window_, suggested);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += ".pdf";
    QString error;
    if (!report::ReportDocument(source).writePdf(path, &error)) {
        critical_(title, error);
        return false;
    }
    return true;
}

bool ReportActions::print() {
    const QString title = QString::fromUtf8(printTitle);
    report::ReportSource source;
    if (!calculatedSource(title, source)) return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report::reportPageLayout());
    printer.setDocName(QString::fromUtf8("Bemessungsprotokoll"));
    printer.setCreator(report::programName());
    const bool accepted = reportoutput::replacedSetup() ? reportoutput::replacedSetup()(printer, window_)
                                                        : reportoutput::setUpWithDialog(printer, window_);
    if (!accepted) return false;
    if (!report::ReportDocument(source).print(&printer)) {
        critical_(title, QString::fromUtf8("Das Protokoll konnte nicht gedruckt werden."));
        return false;
    }
    return true;
}
