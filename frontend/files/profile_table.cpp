#include "files/profile_table.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <QVector>

#include "files/data_file.h"

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

QString tablePath() { return dataFilePath("IProfile.txt"); }

QStringList profileNames(const QString &path) {
    QStringList names;
    for (const QStringList &row : tableRows(path)) names.append(row.first());
    return names;
}

bool findProfile(const QString &path, const QString &name, Dimensions &dimensions) {
    const QVector<QStringList> rows = tableRows(path);
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        if (row->first() != name) continue;
        if (row->size() < 5) return false;
        double values[4];
        for (int i = 0; i < 4; ++i) {
            bool ok = false;
            values[i] = row->at(i + 1).toDouble(&ok);
            if (!ok) return false;
        }
        bool radiusRead = false;
        const double r = row->value(5).toDouble(&radiusRead);
        dimensions = {values[0], values[1], values[2], values[3], radiusRead ? r : 0.0};
        return true;
    }
    return false;
}

}  // namespace profiletable
