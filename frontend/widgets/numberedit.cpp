#include "widgets/numberedit.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace {

// The widest text a field must show whole: a moment in N mm as the input
// file writes it, or a length with one decimal such as "10000.5".
const char *const widestNumber = "1.5e+08";

// Field text at the size of the symbol labels beside the fields.
constexpr int fieldPointSize = 10;

// Space QLineEdit keeps between the text and the contents rectangle on
// either side, and the pixel it adds for the cursor behind the text.
constexpr int lineEditTextInset = 2;
constexpr int cursorAllowance = 1;

}  // namespace

NumberEdit::NumberEdit(QWidget *parent) : QLineEdit(parent) {
    QFont fieldFont;
    fieldFont.setPointSize(fieldPointSize);  // only the size; the family follows the window
    setFont(fieldFont);
    setFieldWidth(70);
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

void NumberEdit::setFieldWidth(int minimum) {
    m_minimumWidth = minimum;
    applyWidth();
}

int NumberEdit::widthShowing(const QString &text) const {
    // The frame is whatever the style takes from the widget's rectangle
    // around the contents; measured on a test option of the current width.
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int frame = option.rect.width() - contents.width();
    const QMargins margins = textMargins();
    return fontMetrics().horizontalAdvance(text) + cursorAllowance + 2 * lineEditTextInset + margins.left() +
           margins.right() + frame;
}

void NumberEdit::applyWidth() { setFixedWidth(qMax(m_minimumWidth, widthShowing(widestNumber))); }

// A new font or style (also a new colour style sheet) may change the
// glyph widths or the frame.
void NumberEdit::changeEvent(QEvent *event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) applyWidth();
}

void NumberEdit::inputTextChanged() {
    if (text().isEmpty())
        setStyleSheet("background-color : yellow");
    else if (isValid())
        setStyleSheet("/* */");
    else
        setStyleSheet("background-color : red");
}
