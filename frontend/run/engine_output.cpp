#include "run/engine_output.h"

#include <QTextCodec>

const char *const engineErrorMarker = "FEHLERMELDUNG:";
const char *const engineSuccessLine = "Berechnung wurde erfolgreich abgeschlossen";
const char *const minimumReinforcementWarning =
    "Mindestbewehrung nicht vorhanden: Spannungsermittlung unter Berücksichtigung von Tension Stiffening "
    "ergibt keine eindeutige Lösung";

namespace {

// The engine's own line, spelled as it writes it (also the corrected spelling).
bool isMinimumReinforcementLine(const QString &line) {
    return line.contains(QLatin1String("Mindestbewehurng nicht vorhanden")) ||
           line.contains(QLatin1String("Mindestbewehrung nicht vorhanden"));
}

}  // namespace

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
        if (line.contains(QLatin1String(engineErrorMarker))) {
            if (isMinimumReinforcementLine(line))
                report.warningLines << QString::fromUtf8(minimumReinforcementWarning);
            else
                report.errorLines << line;
        }
        if (line.contains(QLatin1String(engineSuccessLine))) report.succeeded = true;
    }
    return report;
}
