#pragma once
// The design file the window edits, as a document: its file (none for a new
// design, whose title reads "Unbenannt"), the form as it was last opened or
// saved, and where "Speichern" may write. "Speichern" writes only a file the
// user named in this session – by opening it, choosing it from the recent
// files or saving under it – and whose name the title shows; a new design
// and a file the program ships go through "Speichern unter" instead.
#include <QString>

class DesignDocument {
public:
    // The file the form now belongs to; empty for a new design.
    void setFile(const QString &path) { file_ = path; }
    // The form as it stands in that file (just opened, saved or reset).
    void setSavedForm(const QString &form) { savedForm_ = form; }

    const QString &file() const { return file_; }
    // "Unbenannt", or the file's name without its folder.
    QString name() const;
    // The window title, with Qt's placeholder for the changed marker.
    QString windowTitle() const;
    // True when the form differs from the saved one (false before any).
    bool modified(const QString &form) const;
    // The file "Speichern" writes without asking; empty when it must ask for
    // a name as "Speichern unter" does (a new design, or a shipped file).
    QString saveTarget() const;
    // The file that holds exactly this form; empty when there is none.
    QString fileHolding(const QString &form) const;

private:
    QString file_;
    QString savedForm_;  // null until the start values are in place
};
