#pragma once
#include <QLineEdit>

class QEvent;

// Numeric input field. A decimal comma is accepted as typed ("1,5" is 1.5;
// the design model writes the number with a point). The field marks its state with a colour
// and a frame, so that it does not rely on colour alone: yellow with a dashed
// frame when empty, red with a solid frame when the text is no number or the
// value lies outside its permitted range (set from outside with
// setRangeFault), and the reason in the tooltip. The field is never narrower
// than its font needs to show a seven-character number such as "1.5e+08"
// completely; a cut-off number would be misread.
class NumberEdit : public QLineEdit {
    Q_OBJECT

public:
    enum class State { Ok, Empty, NotANumber, OutOfRange };

    explicit NumberEdit(QWidget *parent = nullptr);

    // True when the text is a finite number: C-locale syntax (decimal point,
    // optional exponent) or the same with a decimal comma instead of the point.
    virtual bool isValid() const;
    // The text as a number; 0 when it is no number.
    virtual double value() const;

    // Reads a number as the field does; false for anything else.
    static bool parseNumber(const QString &text, double &x);

    State state() const;
    // The permitted range the value lies outside of, as a readable condition;
    // empty when the value is inside (or has no range).
    void setRangeFault(const QString &condition);
    const QString &rangeFault() const { return m_rangeFault; }
    // Why the field cannot be used ("leeres Feld", "keine Zahl", the
    // condition); empty when it can.
    QString problem() const;
    // Meaning, unit and range of the field, shown as its tooltip; the
    // problem of the current text is added below it.
    void setGuide(const QString &text);

    // Fixes the width to `minimum` px, or wider where the font needs it.
    void setFieldWidth(int minimum);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void inputTextChanged();

private:
    void showState();
    // Width of the whole field (frame, text margins, cursor) that shows
    // `text` without scrolling it.
    int widthShowing(const QString &text) const;
    void applyWidth();

    int m_minimumWidth = 70;
    QString m_rangeFault;
    QString m_guide;
};
