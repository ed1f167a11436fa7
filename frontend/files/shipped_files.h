#pragma once
// The files the programs ship and read (the profile table, the material
// table, the example design) and the folders they lie in. A design is never
// saved over one of them, and the file dialogs never start beside them.
#include <QString>
#include <QStringList>

namespace shippedfiles {

// What the shipped file at `path` is ("Profiltabelle", "Materialtabelle",
// "Beispiel-Eingabedatei"), compared by canonical path with the files the
// programs read; empty for any other file. A path that does not exist yet is
// compared through its canonical folder.
QString describe(const QString &path);

// The program's folder and the folders of the shipped files, canonical.
QStringList protectedFolders();

// The user's documents folder, else the home folder.
QString documentsFolder();

// The folder a file dialog starts in: the folder used last when it still
// exists and is none of the protected folders, else the documents folder.
QString startFolder(const QString &lastFolder, const QString &documents,
                    const QStringList &protectedFolders);

}  // namespace shippedfiles
