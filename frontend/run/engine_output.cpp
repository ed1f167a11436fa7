#include "run/engine_output.h"

#include <QTextCodec>

const char *const engineErrorMarker = "FEHLERMELDUNG:";
const char *const engineSuccessLine = "Berechnung wurde erfolgreich abgeschlossen";

QString decodeEngineText(const QByteArray &bytes) {
    static QTextCodec *const codec = QTextCodec::codecForName("Windows-1252");
    return codec->toUnicode(bytes);
}

EngineReport EngineErrorLines::add(const QByteArray &chunk) {
    pending_ += chunk;
    const int end = pending_.lastIndexOf('\n');
    if (end < 0) return {};
    const QList<QByteArray> lines = pending_.left(end).split('\n');
    pending_.remove(0, end + 1);
    return scan(lines);
}

EngineReport EngineErrorLines::finish() {
    const QByteArray last = pending_;
    pending_.clear();
    return last.isEmpty() ? EngineReport() : scan({last});
}

EngineReport EngineErrorLines::scan(const QList<QByteArray> &lines) const {
    EngineReport report;
    for (const QByteArray &bytes : lines) {
        const QString line = decodeEngineText(bytes).remove(QLatin1Char('\r'));
        if (line.contains(QLatin1String(engineErrorMarker))) report.errorLines << line;
        if (line.contains(QLatin1String(engineSuccessLine))) report.succeeded = true;
    }
    return report;
}
