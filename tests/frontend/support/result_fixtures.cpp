#include "support/result_fixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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
            QString::fromUtf8("|VEd| = 80 kN ≤ |Vpl,Rd|= 500 kN  ...  NACHWEIS ERFÜLLT"),
            "Interaktion Biegung und Querkraft",
            QString::fromUtf8("Mel,Rd(Ved) = 200 kNm < MEd = 250 kNm ≤ Mpl,Rd(VEd)= 300 kNm"),
            "TEILPLASTISCHE SPANNUNGSVERTEILUNG"};
}

}  // namespace fixtures
