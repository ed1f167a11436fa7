#include "files/profile_table.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <QVector>

#include "files/data_file.h"
#include "io/validation_bounds.h"
#include "protocol/input_lines.h"

namespace profiletable {
namespace {

// The whitespace-separated words of every line of the table.
QVector<QStringList> tableRows(const QString &path) {
    QVector<QStringList> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return rows;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    static const QRegularExpression whiteSpace("\\s+");
    while (!in.atEnd()) {
        const QStringList words = in.readLine().split(whiteSpace, Qt::SkipEmptyParts);
        if (!words.isEmpty() && words.first() != "//") rows.append(words);
    }
    return rows;
}

}  // namespace

QString tablePath() { return dataFilePath(protocol::input::profileTable); }

QStringList profileNames(const QString &path) {
    QStringList names;
    for (const QStringList &row : tableRows(path)) names.append(row.first());
    return names;
}

namespace {

// The numbers of a row: h, b, t_w, t_f and, when present, r. False when one
// of the first four is missing or no number, or a fifth word is no number.
bool rowDimensions(const QStringList &row, Dimensions &dimensions, bool &hasRadius) {
    if (row.size() < 5) return false;
    double values[5] = {0, 0, 0, 0, 0};
    hasRadius = row.size() >= 6;
    for (int i = 0; i < (hasRadius ? 5 : 4); ++i) {
        bool ok = false;
        values[i] = row.at(i + 1).toDouble(&ok);
        if (!ok) return false;
    }
    dimensions = {values[0], values[1], values[2], values[3], values[4]};
    return true;
}

}  // namespace

QStringList usableProfileNames(const QString &path) {
    const QVector<QStringList> rows = tableRows(path);
    QStringList names;
    for (int i = 0; i < rows.size(); ++i) {
        const QString name = rows[i].first();
        if (names.contains(name)) continue;
        // The engine takes the last row of a name.
        int last = i;
        for (int j = i + 1; j < rows.size(); ++j)
            if (rows[j].first() == name) last = j;
        Dimensions d;
        bool hasRadius = false;
        if (!rowDimensions(rows[last], d, hasRadius) || !hasRadius) continue;
        if (bounds::profileRowFault(d.h, d.b, d.t_w, d.t_f, d.r) == nullptr) names << name;
    }
    return names;
}

bool findProfile(const QString &path, const QString &name, Dimensions &dimensions) {
    const QVector<QStringList> rows = tableRows(path);
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        if (row->first() != name) continue;
        bool hasRadius = false;
        return rowDimensions(*row, dimensions, hasRadius);
    }
    return false;
}

}  // namespace profiletable
