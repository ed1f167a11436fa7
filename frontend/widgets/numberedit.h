#pragma once
#include <QLineEdit>

class QEvent;

// Numeric input field. Its background shows the state of the text: yellow
// when empty, red when the text is no number, uncoloured otherwise. The
// field is never narrower than its font needs to show a seven-character
// number such as "1.5e+08" completely; a cut-off number would be misread.
class NumberEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit NumberEdit(QWidget *parent = nullptr);

    // True when the text is a finite number in C-locale syntax (decimal point,
    // optional exponent).
    virtual bool isValid() const;
    // The text as a number; 0 when it is no number.
    virtual double value() const;

    // Fixes the width to `minimum` px, or wider where the font needs it.
    void setFieldWidth(int minimum);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void inputTextChanged();

private:
    // Width of the whole field (frame, text margins, cursor) that shows
    // `text` without scrolling it.
    int widthShowing(const QString &text) const;
    void applyWidth();

    int m_minimumWidth = 70;
};
