#include "window/shown_run.h"

#include "files/design_file.h"
#include "platform/platform.h"
#include "protocol/run_folders.h"

void ShownRun::calculationStarted(const QString &form, const QString &designFile) {
    started_ = Calculation{form, designFile};
}

void ShownRun::calculationShown(const std::string &runFolder) {
    runFolder_ = runFolder;
    shownInput_ = started_;
    designFile_ = started_.designFile;
}

void ShownRun::runShown(const std::string &runFolder, const QString &form, const QString &designFile) {
    runFolder_ = runFolder;
    shownInput_ = Calculation{form, designFile};
    designFile_ = designFile;
}

bool ShownRun::formSaved(const QString &form, const QString &designFile) {
    // A calculation still running was started from this form as well.
    if (started_.form == form) started_.designFile = designFile;
    if (!shown() || shownInput_.form != form || designFile_ == designFile) return false;
    shownInput_.designFile = designFile;
    designFile_ = designFile;
    return true;
}

bool ShownRun::inputChanged(const QString &form) const { return shown() && shownInput_.form != form; }

bool ShownRun::designFileChanged() const {
    if (!shown() || designFile_.isEmpty()) return false;
    return !designfile::sameDesign(designFile_.toStdString(), platform::pathToUtf8(runFolder_ + protocol::inputFile));
}
