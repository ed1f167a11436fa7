#pragma once
// The design files opened or saved last and the folder the file dialogs used
// last, kept in the user's settings (QSettings, organisation and application
// "Norvel"). Tests point QSettings at a temporary folder.
#include <QString>
#include <QStringList>

namespace recentfiles {

constexpr int maximum = 5;

// The list with `path` in front: an earlier entry of the same file is
// dropped and the list is cut to `maximum` entries.
QStringList withFileInFront(const QStringList &list, const QString &path);

// The stored list, newest first.
QStringList files();
void add(const QString &path);
void remove(const QString &path);

QString lastFolder();
void setLastFolder(const QString &folder);

}  // namespace recentfiles
