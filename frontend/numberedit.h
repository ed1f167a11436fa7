#pragma once
#include <QLineEdit>

// Numeric input field. Its background shows the state of the text: yellow
// when empty, red when the text is no number, uncoloured otherwise.
class NumberEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit NumberEdit(QWidget *parent = nullptr);

    // True when the text is a finite number in C-locale syntax (decimal point,
    // optional exponent).
    virtual bool isValid() const;
    // The text as a number; 0 when it is no number.
    virtual double value() const;

private slots:
    void inputTextChanged();
};
