#pragma once
// The dialog "Profil suchen": the design of the form calculated with every
// rolled profile of a series (search/profile_search.h), listed lightest
// first with the section class in the direction of M_Ed, the utilisations
// and the verdict with its reason. The lightest profile that fulfils every
// check is marked and preselected; failing profiles are grey. "Übernehmen"
// or a double click hands the chosen profile to the window. The search runs
// asynchronously: a progress bar shows it, "Abbrechen" stops it, and the
// window stays responsive.
#include <QDialog>
#include <QString>

#include "files/design.h"
#include "search/profile_search.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

class ProfileSearchDialog : public QDialog {
    Q_OBJECT

public:
    // `design` is the form's design; `profile` the form's profile name, whose
    // series the dialog offers first (IPE for a welded section).
    ProfileSearchDialog(const design::Design &design, const QString &profile, QWidget *parent = nullptr);

    const ProfileSearch &search() const { return search_; }
    QTableWidget *table() const { return table_; }
    QPushButton *applyButton() const { return apply_; }
    QPushButton *stopButton() const { return stop_; }
    QComboBox *seriesBox() const { return series_; }

signals:
    // The user takes a profile. `note` is the report's line when it is the
    // lightest profile that fulfils every check of a complete search, else empty.
    void profileTaken(const QString &profile, const QString &note);

public slots:
    // Starts the search of the chosen series (a running one is stopped first).
    void startSearch();

private:
    void showRow(int index);
    void searchEnded();
    void markLightest();
    void updateButtons();
    void take();

    design::Design design_;
    ProfileSearch search_;
    QComboBox *series_ = nullptr;
    QTableWidget *table_ = nullptr;
    QProgressBar *progress_ = nullptr;
    QLabel *status_ = nullptr;
    QPushButton *stop_ = nullptr;
    QPushButton *apply_ = nullptr;
};
