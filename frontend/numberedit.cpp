#include "numberedit.h"

#include <cmath>

NumberEdit::NumberEdit(QWidget *parent) : QLineEdit(parent) {
    setFixedWidth(70);
    setText("0.0");
    connect(this, SIGNAL(textChanged(QString)), this, SLOT(inputTextChanged()));
}

bool NumberEdit::isValid() const {
    bool ok = false;
    const double x = text().toDouble(&ok);
    // "inf" and "nan" parse but are no usable input for the engine.
    return ok && std::isfinite(x);
}

double NumberEdit::value() const { return isValid() ? text().toDouble() : 0.0; }

void NumberEdit::inputTextChanged() {
    if (text().isEmpty())
        setStyleSheet("background-color : yellow");
    else if (isValid())
        setStyleSheet("/* */");
    else
        setStyleSheet("background-color : red");
}
