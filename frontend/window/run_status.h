#pragma once
// The status bar's line about the results shown: the outcome of the run
// ("Berechnung abgeschlossen: alle Nachweise erfüllt") and, once the form no
// longer holds the calculated input, that the results belong to the earlier
// input. The line is a widget of the status bar, not a temporary message:
// the status tips of menus hide it only while they are shown.
#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;

class RunStatus : public QObject {
    Q_OBJECT

public:
    // Adds its line to the bar, whose child it becomes.
    explicit RunStatus(QStatusBar *bar);

    // No results (a calculation starts).
    void clear();
    void showOutcome(const QString &outcome);
    void setInputChanged(bool changed);

    // What the status bar shows.
    QString text() const;

    // The outcome with the remark that the form was changed since.
    static QString changedText(const QString &outcome);
    // The status of a run the engine refused: its first message, without the marker.
    static QString refusedText(const QString &errorLine);

private:
    void update();

    QLabel *label_;
    QString outcome_;
    bool inputChanged_ = false;
};
