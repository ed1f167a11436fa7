#pragma once
// Which design the results in the window belong to. The result tabs, the
// report and its PDF show the run folder of the last successful calculation
// (or of "letzte Berechnung"); the form may since have been edited, opened
// from another file or reset. This record keeps the form as it was
// calculated and the design file it was saved as, so that the report names
// a design file as the one that holds the calculated input, and the window
// can say when the form no longer holds it. Once that file holds other
// values (saved again after a change, here or elsewhere), the report says so.
#include <QString>
#include <string>

class ShownRun {
public:
    // A calculation of the form starts. `designFile` is the file the form
    // is saved as, empty when the form differs from every saved file.
    void calculationStarted(const QString &form, const QString &designFile);
    // The results of the calculation started last are shown.
    void calculationShown(const std::string &runFolder);
    // The results of an earlier run are shown, calculated from `form`
    // (read back from the run folder); `designFile` as above.
    void runShown(const std::string &runFolder, const QString &form, const QString &designFile);
    // The form was saved as `designFile`. When it holds the shown run's
    // input, that file now names the run's design: true then.
    bool formSaved(const QString &form, const QString &designFile);

    bool shown() const { return !runFolder_.empty(); }
    const std::string &runFolder() const { return runFolder_; }
    // The design file of the shown run; empty when its input was never saved.
    const QString &designFile() const { return designFile_; }
    // True when that file no longer holds the run's input (read now from
    // both files): saved again after a change, replaced or removed.
    bool designFileChanged() const;
    // True when results are shown and the form no longer holds their input.
    bool inputChanged(const QString &form) const;

private:
    struct Calculation {
        QString form;
        QString designFile;
    };
    Calculation started_;
    Calculation shownInput_;
    std::string runFolder_;
    QString designFile_;
};
