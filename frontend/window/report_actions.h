#pragma once
// "Datei → Protokoll als PDF exportieren…" (Ctrl+E) and "Datei → Drucken…"
// (Ctrl+P): the design report of the window's run as the document of
// report/report_document.h, written to a PDF file or printed through the
// system's print dialog. The window hands in where its run is and how it
// shows messages; the save and print dialogs can be replaced (tests choose
// a path or set up a PDF printer without a dialog).
#include <QObject>
#include <QString>
#include <functional>

#include "report/report_document.h"

class QAction;
class QPrinter;
class QWidget;

namespace reportoutput {

// Gives the path of the PDF, or an empty text when the user cancels.
// `suggested` is the path proposed: the design file's name with ".pdf".
using PdfChooser = std::function<QString(QWidget *parent, const QString &suggested)>;
// Sets up the printer as the user chooses; false when the user cancels.
using PrintSetup = std::function<bool(QPrinter &printer, QWidget *parent)>;

// Replace the dialogs; an empty function restores the dialog.
void setPdfChooser(PdfChooser chooser);
void setPrintSetup(PrintSetup setup);

// The path proposed for the PDF of a design file: beside it with ".pdf",
// or "Bemessungsprotokoll.pdf" in `fallbackFolder` when it is not saved.
QString suggestedPdfPath(const QString &designFile, const QString &fallbackFolder);

}  // namespace reportoutput

class ReportActions : public QObject {
    Q_OBJECT

public:
    // The run shown in the window (its time of creation is filled in here).
    using SourceProvider = std::function<report::ReportSource()>;
    using Message = std::function<void(const QString &title, const QString &text)>;

    ReportActions(QWidget *window, SourceProvider source, Message critical, Message information);

    QAction *exportAction() const { return export_; }
    QAction *printAction() const { return print_; }

    // What the actions do; false when nothing was written or printed
    // (cancelled, no calculation, or an error that was reported).
    bool exportPdf();
    bool print();

private:
    // The shown run, or nothing (with a message) when it has no results.
    bool calculatedSource(const QString &title, report::ReportSource &source) const;

    QWidget *window_;
    SourceProvider source_;
    Message critical_;
    Message information_;
    QAction *export_;
    QAction *print_;
};
