#include "support/result_fixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>

namespace fixtures {

std::string folder(const QString &relative) {
    return QDir(QStringLiteral(FIXTURE_DIR)).filePath(relative).toStdString() + "/";
}

void writeFile(const QString &path, const QByteArray &content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(content);
}

bool copyFolder(const QString &from, const QString &to) {
    const QDir source(from);
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    bool ok = QDir().mkpath(to);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(file));
        ok = QDir().mkpath(QFileInfo(target).absolutePath()) && ok;
        QFile::remove(target);
        ok = QFile::copy(file, target) && ok;
    }
    return ok;
}

std::string editedRun(QTemporaryDir &dir, const QString &fixture, const Edits &edits) {
    const QString run = dir.filePath("run");
    copyFolder(QString::fromStdString(folder(fixture)), run);
    for (const Edit &edit : edits) {
        const QString path = QDir(run).filePath(edit.file);
        QFile file(path);
        const bool exists = file.open(QIODevice::ReadOnly);
        if (!exists && !edit.start.isEmpty()) continue;
        // Latin-1 keeps the engine's Windows-1252 headings byte for byte.
        QStringList lines = exists ? QString::fromLatin1(file.readAll()).split('\n') : QStringList();
        file.close();
        if (edit.start.isEmpty()) lines = QStringList{edit.line, QString()};
        bool replaced = edit.start.isEmpty();
        for (QString &line : lines)
            if (!edit.start.isEmpty() && line.startsWith(edit.start)) {
                line = edit.line;
                replaced = true;
            }
        if (!replaced) lines.append(edit.line);
        writeFile(path, lines.join('\n').toLatin1());
    }
    return run.toStdString() + "/";
}

QString classRows(int sagging, int hogging) {
    return QString("richtung\teps\tc_t_flansch\tklasse_flansch\talpha\tpsi\tc_t_steg\tklasse_steg\tklasse\n"
                   "positiv\t0.813617\t4.79259\t1\t0\t1\t38.4884\t%1\t%1\n"
                   "negativ\t0.813617\t4.79259\t1\t1\t-0.425003\t38.4884\t%2\t%2")
        .arg(sagging)
        .arg(hogging);
}

QStringList zerosShownAsValues(const QString &text) {
    static const QRegularExpression zero(QString::fromUtf8(
        "(?<![\\w.])-?0(?:\\.0+)?\\s*(?:kNm|kN|mm²|‰|N/mm²)|=\\s*-?0(?:\\.0+)?(?![\\d.])"));
    QStringList found;
    auto it = zero.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        found << text.mid(std::max(0, match.capturedStart() - 20), match.capturedLength() + 20);
    }
    return found;
}

QStringList workedExampleCheckPanel() {
    return {"Einwirkungen",
            "Querkraft: VEd=-80 [kN]",
            "Bemessungswert Moment: MEd=250 [kNm]",
            QString::fromUtf8("Querkrafttragfähigkeit"),
            // The fixture's Nachweise.txt: 80 / 500 = 0.16, 250 / 300 = 0.833.
            QString::fromUtf8("|V_Ed| = 80 kN ≤ V_pl,Rd = 500 kN, η = 0.16"),
            QString::fromUtf8("NACHWEIS ERFÜLLT"),
            "Interaktion Biegung und Querkraft",
            // The fixture is an older run folder without the classes.
            "Querschnittsklasse: nicht ermittelt",
            QString::fromUtf8("M_Ed = 250 kNm ≤ M_pl,Rd(V_Ed) = 300 kNm, η = 0.833"),
            QString::fromUtf8("NACHWEIS ERFÜLLT"),
            QString(),
            QString::fromUtf8("EN 1993-1-5 7.1: nicht maßgebend (plastischer Nachweis)")};
}

}  // namespace fixtures
