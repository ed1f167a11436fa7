#pragma once
// What each numeric input field means: its symbol as the form shows it, its
// group, meaning and unit (the design model's field table, files/design.h),
// and its permitted ranges, taken from the engine's range table
// (io/validation_bounds.h) under the value's input-file symbol and never
// copied. InputGuide sets the tooltips and marks a field whose value lies
// outside while the user types; ranges set by other fields are checked again
// when those change.
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "files/design.h"
#include "io/validation_bounds.h"

class NumberEdit;

namespace fieldguide {

using FieldInfo = design::FieldInfo;

// The field of a form field's object name (its formName); nullptr for another name.
const FieldInfo *find(const QString &objectName);
// The name of the field's value in the input file and the range table.
QString fileSymbol(const FieldInfo &info);

// "γ_c (Beton)": how messages name a field.
QString label(const FieldInfo &info);

// The shown symbol of an input-file symbol ("c_nom_u" -> "c_nom,u"); the
// root radius "r" and unknown names stay as they are.
QString visibleSymbol(const QString &fileSymbol);

// The ranges that apply to a value, in the order of the engine's checks.
QList<const bounds::Range *> rangesOf(const QString &fileSymbol);

// A range written with the form's symbols, one condition per entry:
// "0 < γ_c ≤ 5", "d_u ≤ e_u ≤ b_e", "h ≥ t_fu + t_fo + 2 r". Fixed ends
// carry the unit when it is not "–".
QStringList conditions(const bounds::Range &range, const QString &unit);

// Tooltip of a field: symbol and meaning, unit, permitted range, note.
QString toolTip(const FieldInfo &info);

// Value of an expression of input-file symbols as the range table writes
// them ("h_profilblech + c_nom_u + d_u + d_o + c_nom_o", "t_f1 + t_f2 + 2 r"),
// summed left to right as the engine does. NaN when a symbol has no value.
double expressionValue(const QString &expression, const std::function<double(const QString &)> &valueOf);

}  // namespace fieldguide

// Keeps the tooltips and the range marks of the form's numeric fields.
class InputGuide : public QObject {
    Q_OBJECT

public:
    explicit InputGuide(QObject *parent = nullptr);

    // Adds a field known to design::fields() by its object name; sets its
    // tooltip and checks the ranges again whenever its text changes.
    void addField(NumberEdit *field);
    // Values of symbols that are no field: the root radius "r".
    void setOtherValues(std::function<double(const QString &)> valueOf);
    // A rolled section takes its plates from the profile table, whose rows
    // the selector offers only when usable: the plate ranges of a welded
    // section then do not apply, as in the engine.
    void setRolledSection(bool rolled);
    // The studs' ranges apply only while the design has partial connection.
    void setStudsActive(bool active);

    // The value of an input-file symbol in the form; NaN when the field is
    // empty or no number.
    double valueOf(const QString &fileSymbol) const;
    // Every range the form's values lie outside of, in the order of the
    // engine's checks (the engine reports the first of them).
    QList<const bounds::Range *> violatedRanges() const;
    // One line per field that cannot be used, in field order:
    // "γ_c (Beton): leeres Feld".
    QStringList problems() const;

public slots:
    void recheck();

private:
    // The ranges that apply to the value of a field now.
    QList<const bounds::Range *> applyingRanges(const QString &fileSymbol) const;

    QList<NumberEdit *> m_fields;
    QHash<QString, NumberEdit *> m_bySymbol;
    std::function<double(const QString &)> m_otherValues;
    bool m_rolled = false;
    bool m_studs = false;
};
