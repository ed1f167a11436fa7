#include "files/shipped_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "files/data_file.h"
#include "protocol/input_lines.h"

namespace shippedfiles {
namespace {

struct Shipped {
    const char *name;
    const char *description;
};

const Shipped shipped[] = {
    {protocol::input::profileTable, "Profiltabelle"},
    {protocol::input::materialTable, "Materialtabelle"},
    {"inputstart.txt", "Beispiel-Eingabedatei"},
};

// Canonical path of a file that may not exist yet: its folder made canonical.
QString canonicalTarget(const QString &path) {
    const QFileInfo info(path);
    if (info.exists()) return info.canonicalFilePath();
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(info.fileName());
}

QString canonicalFolder(const QString &folder) { return QFileInfo(folder).canonicalFilePath(); }

}  // namespace

QString describe(const QString &path) {
    const QString target = canonicalTarget(path);
    if (target.isEmpty()) return QString();
    for (const Shipped &file : shipped) {
        const QString used = QFileInfo(dataFilePath(file.name)).canonicalFilePath();
        if (!used.isEmpty() && used == target) return QString::fromUtf8(file.description);
    }
    return QString();
}

QStringList protectedFolders() {
    QStringList folders;
    const auto add = [&folders](const QString &folder) {
        const QString canonical = canonicalFolder(folder);
        if (!canonical.isEmpty() && !folders.contains(canonical)) folders << canonical;
    };
    add(QCoreApplication::applicationDirPath());
    for (const Shipped &file : shipped) {
        const QFileInfo used(dataFilePath(file.name));
        if (used.exists()) add(used.absolutePath());
    }
    return folders;
}

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

QString startFolder(const QString &lastFolder, const QString &documents,
                    const QStringList &protectedFolders) {
    if (!lastFolder.isEmpty()) {
        const QString canonical = canonicalFolder(lastFolder);
        if (!canonical.isEmpty() && QFileInfo(canonical).isDir() && !protectedFolders.contains(canonical))
            return lastFolder;
    }
    return documents;
}

}  // namespace shippedfiles
