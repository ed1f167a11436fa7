#include "widgets/numberedit.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

#include "files/design.h"

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

// Marked states: dark text on a light background (high contrast) and a
// 2 px frame.
const char *const emptyStyle = "background-color: #fff3b8; color: #000000; border: 2px dashed #9a5b00;";
const char *const faultStyle = "background-color: #ffdede; color: #000000; border: 2px solid #c00000;";

// A marked field keeps the width of an unmarked one, so that marking the
// fields of a row never widens the form: the padding takes back what the
// 2 px frame adds to the style's own frame on either side (measured once).
QString markedStyle(const char *colours) {
    static const int extra = [] {
        QLineEdit plain;
        QLineEdit framed;
        framed.setStyleSheet("QLineEdit { border: 2px solid; }");
        return std::max(0, (framed.sizeHint().width() - plain.sizeHint().width()) / 2);
    }();
    return QString("NumberEdit { %1 padding-left: %2px; padding-right: %2px; }").arg(colours).arg(-extra);
}

}  // namespace

NumberEdit::NumberEdit(QWidget *parent) : QLineEdit(parent) {
    QFont fieldFont;
    fieldFont.setPointSize(fieldPointSize);  // only the size; the family follows the window
    setFont(fieldFont);
    setFieldWidth(70);
    setText("0.0");
    connect(this, SIGNAL(textChanged(QString)), this, SLOT(inputTextChanged()));
}

// The design model's rule for a typed number: a decimal comma stands for the
// point, and only a finite number counts.
bool NumberEdit::parseNumber(const QString &text, double &x) {
    return design::parseFormNumber(text.toStdString(), x);
}

bool NumberEdit::isValid() const {
    double x = 0.0;
    return parseNumber(text(), x);
}

double NumberEdit::value() const {
    double x = 0.0;
    return parseNumber(text(), x) ? x : 0.0;
}

NumberEdit::State NumberEdit::state() const {
    if (text().trimmed().isEmpty()) return State::Empty;
    if (!isValid()) return State::NotANumber;
    if (!m_rangeFault.isEmpty()) return State::OutOfRange;
    return State::Ok;
}

QString NumberEdit::problem() const {
    switch (state()) {
    case State::Empty: return QString::fromUtf8("leeres Feld");
    case State::NotANumber: return QString::fromUtf8("„%1“ ist keine Zahl").arg(text());
    case State::OutOfRange:
        return QString::fromUtf8("„%1“ liegt außerhalb; zulässig ist %2").arg(text(), m_rangeFault);
    case State::Ok: break;
    }
    return QString();
}

void NumberEdit::setRangeFault(const QString &condition) {
    if (condition == m_rangeFault) return;
    m_rangeFault = condition;
    showState();
}

void NumberEdit::setGuide(const QString &text) {
    m_guide = text;
    showState();
}

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
    if (event->type() == QEvent::EnabledChange) showState();
}

void NumberEdit::inputTextChanged() { showState(); }

void NumberEdit::showState() {
    // A field that takes no input (the studs of a design without them) is not marked.
    const State current = isEnabled() ? state() : State::Ok;
    const QString style = current == State::Ok      ? QString()
                          : current == State::Empty ? markedStyle(emptyStyle)
                                                    : markedStyle(faultStyle);
    if (styleSheet() != style) setStyleSheet(style);
    QString tip = m_guide;
    const QString why = problem();
    if (!why.isEmpty()) tip += (tip.isEmpty() ? QString() : QString("\n\n")) + QString::fromUtf8("⚠ ") + why;
    setToolTip(tip);
}
