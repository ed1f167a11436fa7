// Build-time generator: draws every picture of the front end and typesets
// the user manual.  Usage: norvel_artwork <output folder> <manual source>
#include <QDir>
#include <QGuiApplication>
#include <QMap>
#include <QTextStream>

#include "catalogue.h"
#include "manual_pdf.h"

int main(int argc, char *argv[]) {
    // Lay out at 96 dpi whatever the (offscreen) screen reports, so the
    // manual's pictures keep their pixel sizes and the pagination is fixed.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "Aufruf: norvel_artwork <Ausgabeordner> <Handbuchquelle>\n";
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    QMap<QString, QImage> images;
    for (const artwork::Picture &picture : artwork::pictures()) {
        const QImage image = picture.draw();
        if (!image.save(output.filePath(picture.fileName), "PNG")) {
            err << "Bild konnte nicht geschrieben werden: " << output.filePath(picture.fileName) << "\n";
            return 1;
        }
        images.insert(picture.fileName, image);
    }
    const QString manual = output.filePath(QStringLiteral("Benutzerhandbuch.pdf"));
    if (artwork::writeManual(QString::fromLocal8Bit(argv[2]), manual, images) == 0) {
        err << "Handbuch konnte nicht erzeugt werden: " << manual << "\n";
        return 1;
    }
    return 0;
}
