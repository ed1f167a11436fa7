#include "window/unsaved_changes.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace unsavedchanges {

QString question(const QString &documentName) {
    return QString::fromUtf8("Die Eingaben in „%1“ wurden geändert.\n\nÄnderungen speichern?").arg(documentName);
}

Answer askWithDialog(QWidget *parent, const QString &question) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8("Änderungen speichern?"), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    // German whether or not Qt's translation could be loaded.
    box.button(QMessageBox::Save)->setText("Speichern");
    box.button(QMessageBox::Discard)->setText("Verwerfen");
    box.button(QMessageBox::Cancel)->setText("Abbrechen");
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save: return Answer::Save;
    case QMessageBox::Discard: return Answer::Discard;
    default: return Answer::Cancel;
    }
}

}  // namespace unsavedchanges
