#pragma once
// Typesets the user manual from its HTML source into a paginated A4 PDF.
#include <QImage>
#include <QMap>
#include <QString>

namespace artwork {

// Writes `pdfPath` from the HTML file `htmlPath`; <img src="name"> refers
// to the entries of `images`. Returns the number of pages, or 0 when the
// source cannot be read or the PDF cannot be written.
int writeManual(const QString &htmlPath, const QString &pdfPath, const QMap<QString, QImage> &images);

}  // namespace artwork
