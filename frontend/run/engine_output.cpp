#include "run/engine_output.h"

#include <QTextCodec>

#include "protocol/console_lines.h"

const char *const minimumReinforcementWarning =
    "Mindestbewehrung nicht vorhanden: Spannungsermittlung unter Berücksichtigung von Tension Stiffening "
    "ergibt keine eindeutige Lösung";

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
        // The markers are ASCII: they are searched in the engine's bytes.
        const std::string engineLine = bytes.toStdString();
        if (protocol::isMinimumReinforcementLine(engineLine))
            report.warningLines << QString::fromUtf8(minimumReinforcementWarning);
        else if (protocol::isErrorLine(engineLine))
            report.errorLines << decodeEngineText(bytes).remove(QLatin1Char('\r'));
        if (protocol::isSuccessLine(engineLine)) report.succeeded = true;
    }
    return report;
}

QString EngineProgressLines::add(const QByteArray &chunk) {
    pending_ += chunk;
    const int end = pending_.lastIndexOf('\n');
    if (end < 0) return QString();
    const QList<QByteArray> lines = pending_.left(end).split('\n');
    pending_.remove(0, end + 1);
    return progressText(lines);
}

QString EngineProgressLines::finish() {
    const QByteArray last = pending_;
    pending_.clear();
    return last.isEmpty() ? QString() : progressText({last});
}

QString EngineProgressLines::progressText(const QList<QByteArray> &lines) {
    QStringList shown;
    for (const QByteArray &line : lines)
        if (protocol::isProgressLine(line.toStdString()))
            shown << decodeEngineText(line).remove(QLatin1Char('\r')).trimmed();
    return shown.join(QLatin1Char('\n'));
}
