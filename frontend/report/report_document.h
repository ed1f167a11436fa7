#pragma once
// The design report as a paged document: a title block (design file, date,
// program and version), the report text in a fixed-width font, then the
// figures of the run (report/report_figures.h). Every page ends with a footer
// naming the design file and "Seite n von m". The pages are laid out for the
// page size of the device they are painted on, so PDF export, printing and
// the batch mode share one document. Needs a QApplication (the plots are
// widgets) but no display.
#include <QDateTime>
#include <QPageLayout>
#include <QPair>
#include <QString>
#include <QVector>
#include <QStringList>

#include "files/design.h"
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCPPainter;
class QPagedPaintDevice;
class QSizeF;

namespace report {

class Figure;

struct ReportSource {
    std::string runFolder;  // with trailing separator
    QString designFile;     // as the report names it; empty when not saved
    QDateTime calculated;   // when the run was calculated
    QDateTime created;      // when the document is made (title block)
    bool designFileChanged = false;  // the design file no longer holds the run's input
    // The project head of the design; without it, that of the run's input file.
    std::optional<design::ProjectHead> project;
};

// A4 portrait, 20 mm left, 15 mm top, right and bottom.
QPageLayout reportPageLayout();

// Why a PDF cannot be written to `path`, as a German message, when the file
// system already tells (no such folder, a folder, no permission); empty
// otherwise.
QString pdfTargetProblem(const QString &path);

// Program name and version as the title block shows them, e.g. "Norvel 1.0".
QString programName();

class ReportDocument {
public:
    // Reads the report text and draws the figures of the run folder.
    explicit ReportDocument(const ReportSource &source);
    ~ReportDocument();
    ReportDocument(const ReportDocument &) = delete;
    ReportDocument &operator=(const ReportDocument &) = delete;

    const QString &text() const { return text_; }
    // The titles of the figures, in order.
    QStringList figureTitles() const;

    // The number of pages for a paintable area of the given size (points).
    int pageCount(const QSizeF &paintAreaPoints) const;
    // Paints every page onto the device, laid out for its page layout;
    // false when no painter can be started on it.
    bool print(QPagedPaintDevice *device) const;
    // Writes the document as an A4 PDF (reportPageLayout); the file is
    // replaced only when the whole document was written. False with a German
    // message in `error` when the file cannot be written.
    bool writePdf(const QString &path, QString *error) const;

private:
    struct Layout;
    Layout layOut(double width, double height) const;
    void paintPage(QCPPainter &painter, const Layout &layout, int page) const;

    ReportSource source_;
    QVector<QPair<QString, QString>> titleRows_;  // the head: project, design file, times
    QString text_;
    std::vector<std::unique_ptr<Figure>> figures_;
};

}  // namespace report
