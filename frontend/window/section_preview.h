#pragma once
// The "Querschnitt" preview of the input tab: draws the section the form
// describes, from the moment the window opens, and redraws it after every
// change of a geometry field or of the profile selectors. A rolled profile
// is drawn with the dimensions the form shows (the table's, filled in by the
// form) and the root radius of its table row. A form that describes no
// section shows a short note instead.
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

class MyGraphicsView;
class NumberEdit;
class QComboBox;

class SectionPreview : public QObject {
    Q_OBJECT

public:
    // `fields` maps each symbol of formGeometryValues() to its form field.
    SectionPreview(const QHash<QString, NumberEdit *> &fields, QComboBox *profileType,
                   QComboBox *profileName, MyGraphicsView *view, QObject *parent = nullptr);

    // Draws the form as it is now (edits are otherwise drawn once the event
    // loop runs, so that a file load draws once, not once per field).
    void refresh();
    // The note shown instead of a section; empty while a section is drawn.
    QString note() const { return m_note; }
    MyGraphicsView *view() const { return m_view; }

private:
    // Root radius of the chosen rolled profile, 0 for a welded section;
    // false with the note when a rolled profile has no table row.
    bool rootRadius(double &r, QString &note) const;

    QHash<QString, NumberEdit *> m_fields;
    QComboBox *m_profileType;
    QComboBox *m_profileName;
    MyGraphicsView *m_view;
    QTimer m_pending;
    QString m_note;
};
