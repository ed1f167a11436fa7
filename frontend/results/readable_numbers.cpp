#include "results/readable_numbers.h"

#include <algorithm>
#include <cmath>

namespace results {

QString significant(double value, int digits) {
    if (!std::isfinite(value)) return QStringLiteral("nicht ermittelt");
    digits = std::max(1, digits);
    if (value == 0.0) return QStringLiteral("0");
    // Rounded to its digits first, so that 999.96 with four digits reads 1000
    // and not 1000.0 with a stray decimal.
    const double rounded = QString::number(value, 'g', digits).toDouble();
    if (rounded == 0.0) return QStringLiteral("0");
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
    if (magnitude >= 6 || magnitude < -4) return QString::number(rounded, 'g', digits);
    QString text = QString::number(rounded, 'f', std::max(0, digits - 1 - magnitude));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) text.chop(1);
        if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString withUnit(double value, int digits, const QString &unit) {
    if (!std::isfinite(value)) return significant(value, digits);
    return significant(value, digits) + QLatin1Char(' ') + unit;
}

QString stressText(double sigma) { return withUnit(sigma, 4, QString::fromUtf8("N/mm²")); }
QString strainText(double epsilon) { return withUnit(epsilon, 3, QString::fromUtf8("‰")); }

}  // namespace results
