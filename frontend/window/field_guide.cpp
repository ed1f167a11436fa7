#include "window/field_guide.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

#include "widgets/numberedit.h"

namespace fieldguide {
namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// A bound as the form writes numbers: German decimal comma.
QString numberText(double x) { return QString::number(x, 'g', 6).replace('.', ','); }

// "h_profilblech + c_nom_u" -> "h_p + c_nom,u"
QString visibleExpression(const char *expression) {
    QStringList words = u(expression).split(' ', Qt::SkipEmptyParts);
    for (QString &word : words) word = visibleSymbol(word);
    return words.join(' ');
}

// One condition of a range and the ends it states.
struct Condition {
    QString text;
    bool fixedLower = false;
    bool fixedUpper = false;
    bool lowerBy = false;
    bool upperBy = false;
    bool whole = false;
};

QList<Condition> conditionList(const bounds::Range &range, const QString &symbol, const QString &unit) {
    const bool fixedLower = std::isfinite(range.lower);
    const bool fixedUpper = std::isfinite(range.upper);
    const bool lowerBy = *range.lowerBy != '\0';
    const bool upperBy = *range.upperBy != '\0';
    const QString withUnit = unit == u("–") ? QString() : " " + unit;

    // The chain "left ≤ symbol ≤ right": fixed ends first; an end set by
    // other values joins it where the chain has no fixed end on that side.
    Condition chain;
    QString left;
    QString right;
    bool leftIncluded = true;
    bool rightIncluded = true;
    bool rightIsNumber = false;
    if (fixedLower) {
        left = numberText(range.lower);
        leftIncluded = range.lowerIncluded;
        chain.fixedLower = true;
    } else if (lowerBy) {
        left = visibleExpression(range.lowerBy);
        leftIncluded = range.lowerByIncluded;
        chain.lowerBy = true;
    }
    if (fixedUpper) {
        right = numberText(range.upper);
        rightIncluded = range.upperIncluded;
        rightIsNumber = true;
        chain.fixedUpper = true;
    } else if (upperBy) {
        right = visibleExpression(range.upperBy);
        rightIncluded = range.upperByIncluded;
        chain.upperBy = true;
    }
    const QString le = leftIncluded ? u(" ≤ ") : u(" < ");
    const QString ge = leftIncluded ? u(" ≥ ") : u(" > ");
    const QString re = rightIncluded ? u(" ≤ ") : u(" < ");
    if (!left.isEmpty() && !right.isEmpty())
        chain.text = left + le + symbol + re + right + (rightIsNumber ? withUnit : QString());
    else if (!left.isEmpty())
        chain.text = symbol + ge + left + (chain.fixedLower ? withUnit : QString());
    else if (!right.isEmpty())
        chain.text = symbol + re + right + (rightIsNumber ? withUnit : QString());

    QList<Condition> list;
    if (!chain.text.isEmpty()) list << chain;
    if (lowerBy && !chain.lowerBy) {
        Condition extra;
        extra.text = symbol + (range.lowerByIncluded ? u(" ≥ ") : u(" > ")) + visibleExpression(range.lowerBy);
        extra.lowerBy = true;
        list << extra;
    }
    if (upperBy && !chain.upperBy) {
        Condition extra;
        extra.text = symbol + (range.upperByIncluded ? u(" ≤ ") : u(" < ")) + visibleExpression(range.upperBy);
        extra.upperBy = true;
        list << extra;
    }
    if (range.whole) {
        Condition count;
        count.text = symbol + u(" ganzzahlig");
        count.whole = true;
        list << count;
    }
    return list;
}

bool aboveOrAt(double x, double bound, bool included) { return included ? x >= bound : x > bound; }
bool belowOrAt(double x, double bound, bool included) { return included ? x <= bound : x < bound; }

// Whether x keeps the ends a condition states; an end set by values that are
// not known yet is kept.
bool keeps(const Condition &c, const bounds::Range &range, double x, double lowerByValue, double upperByValue) {
    if (c.whole && x != std::floor(x)) return false;
    if (c.fixedLower && !aboveOrAt(x, range.lower, range.lowerIncluded)) return false;
    if (c.fixedUpper && !belowOrAt(x, range.upper, range.upperIncluded)) return false;
    if (c.lowerBy && std::isfinite(lowerByValue) && !aboveOrAt(x, lowerByValue, range.lowerByIncluded))
        return false;
    if (c.upperBy && std::isfinite(upperByValue) && !belowOrAt(x, upperByValue, range.upperByIncluded))
        return false;
    return true;
}

}  // namespace

const FieldInfo *find(const QString &objectName) { return design::fieldNamed(objectName.toStdString()); }

QString fileSymbol(const FieldInfo &info) { return QString::fromLatin1(design::symbolOf(info.member)); }

QString label(const FieldInfo &info) { return QString::fromStdString(design::label(info)); }

QString visibleSymbol(const QString &symbol) {
    for (const FieldInfo &info : design::fields())
        if (symbol == fileSymbol(info)) return u(info.symbol);
    return symbol;
}

QList<const bounds::Range *> rangesOf(const QString &fileSymbol) {
    QList<const bounds::Range *> ranges;
    for (const bounds::Range *range : bounds::inputRanges())
        if (fileSymbol == QLatin1String(range->name)) ranges << range;
    return ranges;
}

QStringList conditions(const bounds::Range &range, const QString &unit) {
    QStringList texts;
    for (const Condition &c : conditionList(range, visibleSymbol(u(range.name)), unit)) texts << c.text;
    return texts;
}

QString toolTip(const FieldInfo &info) {
    QString tip = u(info.symbol) + u(" – ") + u(info.meaning);
    const QString unit = u(info.unit);
    tip += u("\nEinheit: ") + (unit == u("–") ? u("– (dimensionslos)") : unit);
    QStringList allowed;
    for (const bounds::Range *range : rangesOf(fileSymbol(info))) allowed += conditions(*range, unit);
    tip += u("\nZulässig: ") + (allowed.isEmpty() ? u("jeder Zahlenwert") : allowed.join(u("; ")));
    for (const QString &word : allowed.join(' ').split(' '))
        if (word == "r") {
            tip += u("\n(r: Ausrundungsradius des Walzprofils, 0 beim Schweißprofil)");
            break;
        }
    if (*info.note) tip += "\n" + u(info.note);
    return tip;
}

double expressionValue(const QString &expression, const std::function<double(const QString &)> &valueOf) {
    double sum = 0.0;
    bool first = true;
    for (const QString &term : expression.split('+')) {
        const QStringList words = term.split(' ', Qt::SkipEmptyParts);
        if (words.isEmpty()) return std::numeric_limits<double>::quiet_NaN();
        double factor = 1.0;
        if (words.size() == 2) {
            bool ok = false;
            factor = words[0].toDouble(&ok);
            if (!ok) return std::numeric_limits<double>::quiet_NaN();
        }
        const double value = factor * valueOf(words.last());
        sum = first ? value : sum + value;
        first = false;
    }
    return sum;
}

}  // namespace fieldguide

InputGuide::InputGuide(QObject *parent) : QObject(parent) {}

void InputGuide::addField(NumberEdit *field) {
    const fieldguide::FieldInfo *info = fieldguide::find(field->objectName());
    if (!info) return;
    m_fields << field;
    m_bySymbol.insert(fieldguide::fileSymbol(*info), field);
    field->setGuide(fieldguide::toolTip(*info));
    connect(field, &QLineEdit::textChanged, this, &InputGuide::recheck);
}

void InputGuide::setOtherValues(std::function<double(const QString &)> valueOf) {
    m_otherValues = std::move(valueOf);
}

void InputGuide::setRolledSection(bool rolled) {
    if (rolled == m_rolled) return;
    m_rolled = rolled;
    recheck();
}

void InputGuide::setStudsActive(bool active) {
    if (active == m_studs) return;
    m_studs = active;
    recheck();
}

QList<const bounds::Range *> InputGuide::applyingRanges(const QString &fileSymbol) const {
    const NumberEdit *field = m_bySymbol.value(fileSymbol);
    if (!field) return {};
    const fieldguide::FieldInfo *info = fieldguide::find(field->objectName());
    if (m_rolled && info->plate) return {};
    if (!m_studs && info->stud) return {};
    return fieldguide::rangesOf(fileSymbol);
}

double InputGuide::valueOf(const QString &fileSymbol) const {
    const NumberEdit *field = m_bySymbol.value(fileSymbol);
    if (!field) return m_otherValues ? m_otherValues(fileSymbol) : std::numeric_limits<double>::quiet_NaN();
    double x = 0.0;
    return NumberEdit::parseNumber(field->text(), x) ? x : std::numeric_limits<double>::quiet_NaN();
}

namespace {

// The ends set by other values; one that cannot be evaluated yet does not bind.
void otherEnds(const bounds::Range &range, const InputGuide &guide, double &lowerBy, double &upperBy) {
    const auto valueOf = [&guide](const QString &symbol) { return guide.valueOf(symbol); };
    lowerBy = -std::numeric_limits<double>::infinity();
    upperBy = std::numeric_limits<double>::infinity();
    if (*range.lowerBy) {
        const double v = fieldguide::expressionValue(QString::fromLatin1(range.lowerBy), valueOf);
        if (std::isfinite(v)) lowerBy = v;
    }
    if (*range.upperBy) {
        const double v = fieldguide::expressionValue(QString::fromLatin1(range.upperBy), valueOf);
        if (std::isfinite(v)) upperBy = v;
    }
}

}  // namespace

QList<const bounds::Range *> InputGuide::violatedRanges() const {
    QList<const bounds::Range *> violated;
    for (const bounds::Range *range : bounds::inputRanges()) {
        const QString symbol = QString::fromLatin1(range->name);
        if (!applyingRanges(symbol).contains(range)) continue;
        double lowerBy = 0.0;
        double upperBy = 0.0;
        otherEnds(*range, *this, lowerBy, upperBy);
        // The verdict is the shared range's own; NaN lies outside every range.
        if (!range->contains(valueOf(symbol), lowerBy, upperBy)) violated << range;
    }
    return violated;
}

QStringList InputGuide::problems() const {
    QStringList lines;
    for (NumberEdit *field : m_fields) {
        const QString why = field->problem();
        if (!why.isEmpty()) lines << fieldguide::label(*fieldguide::find(field->objectName())) + ": " + why;
    }
    return lines;
}

void InputGuide::recheck() {
    for (NumberEdit *field : qAsConst(m_fields)) {
        const fieldguide::FieldInfo *info = fieldguide::find(field->objectName());
        const QString symbol = fieldguide::fileSymbol(*info);
        const double x = valueOf(symbol);
        QStringList broken;
        if (std::isfinite(x)) {
            for (const bounds::Range *range : applyingRanges(symbol)) {
                double lowerBy = 0.0;
                double upperBy = 0.0;
                otherEnds(*range, *this, lowerBy, upperBy);
                if (range->contains(x, lowerBy, upperBy)) continue;
                const QList<fieldguide::Condition> list =
                    fieldguide::conditionList(*range, fieldguide::visibleSymbol(symbol), QString::fromUtf8(info->unit));
                QStringList texts;
                for (const fieldguide::Condition &c : list)
                    if (!fieldguide::keeps(c, *range, x, lowerBy, upperBy)) texts << c.text;
                if (texts.isEmpty())
                    for (const fieldguide::Condition &c : list) texts << c.text;
                broken += texts;
            }
        }
        field->setRangeFault(broken.join(QString::fromUtf8("; ")));
    }
}
