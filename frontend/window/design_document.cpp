#include "window/design_document.h"

#include <QFileInfo>

#include "files/shipped_files.h"

QString DesignDocument::name() const {
    return file_.isEmpty() ? QStringLiteral("Unbenannt") : QFileInfo(file_).fileName();
}

QString DesignDocument::windowTitle() const { return name() + QString::fromUtf8("[*] – Norvel"); }

bool DesignDocument::modified(const QString &form) const { return !savedForm_.isNull() && form != savedForm_; }

QString DesignDocument::saveTarget() const {
    if (file_.isEmpty() || !shippedfiles::describe(file_).isEmpty()) return QString();
    return file_;
}

QString DesignDocument::fileHolding(const QString &form) const {
    return file_.isEmpty() || modified(form) ? QString() : file_;
}
