#include "files/recent_files.h"

#include <QFileInfo>
#include <QSettings>
#include <memory>

namespace recentfiles {
namespace {

const char *const filesKey = "zuletztGeoeffnet";
const char *const folderKey = "letzterOrdner";

std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Norvel", "Norvel");
}

// One file, however the path was written.
QString normalized(const QString &path) { return QFileInfo(path).absoluteFilePath(); }

}  // namespace

QStringList withFileInFront(const QStringList &list, const QString &path) {
    const QString file = normalized(path);
    QStringList result{file};
    for (const QString &entry : list)
        if (normalized(entry) != file && result.size() < maximum) result << entry;
    return result;
}

QStringList files() {
    QStringList list = settings()->value(filesKey).toStringList();
    list.removeAll(QString());
    return list.mid(0, maximum);
}

void add(const QString &path) { settings()->setValue(filesKey, withFileInFront(files(), path)); }

void remove(const QString &path) {
    QStringList list = files();
    const QString file = normalized(path);
    for (int i = list.size() - 1; i >= 0; --i)
        if (normalized(list[i]) == file) list.removeAt(i);
    settings()->setValue(filesKey, list);
}

QString lastFolder() { return settings()->value(folderKey).toString(); }

void setLastFolder(const QString &folder) { settings()->setValue(folderKey, folder); }

}  // namespace recentfiles
