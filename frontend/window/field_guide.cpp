#include "window/field_guide.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

#include "widgets/numberedit.h"

namespace fieldguide {
namespace {

const char *const sigmaFollowsFsk =
    "σ_s folgt f_sk: Beim Eintippen von f_sk wird σ_s auf denselben Wert gesetzt.\n"
    "Danach kann σ_s eigens geändert werden.";
const char *const fromProfileTable =
    "Die Bereiche gelten für das Schweissprofil. Beim Walzprofil kommt der Wert\n"
    "aus der Profiltabelle und ist nicht änderbar.";
const char *const momentSign =
    "Positiv: Druck am oberen Rand (Feldmoment); negativ: Zug in der Platte (Stützmoment).";

const QList<FieldInfo> table = {
    {"m_betonGamma", "gamma_c", "γ_c", "Beton", "Teilsicherheitsbeiwert für Beton", "–", ""},
    {"m_betonAlpha", "alpha_c", "f_cd,RedFak", "Beton",
     "Abminderungsbeiwert der Bemessungsdruckfestigkeit des Betons", "–", ""},
    {"m_bewehrungForce", "f_sk", "f_sk", "Bewehrung", "charakteristische Streckgrenze des Betonstahls",
     "N/mm²", ""},
    {"m_bewehrungGamma", "gamma_s", "γ_s", "Bewehrung", "Teilsicherheitsbeiwert für Betonstahl", "–", ""},
    {"m_baustahlForce", "f_yk", "f_yk", "Baustahl", "charakteristische Streckgrenze des Baustahls", "N/mm²",
     ""},
    {"m_baustahlGamma", "gamma_M", "γ_M", "Baustahl", "Teilsicherheitsbeiwert für Baustahl", "–", ""},
    {"m_betonHoeheC", "h_c", "h_c", "Geometrie", "Gesamthöhe der Betonplatte", "mm", ""},
    {"m_betonHoeheP", "h_profilblech", "h_p", "Geometrie", "Höhe des Profilblechs (0 ohne Profilblech)", "mm",
     ""},
    {"m_betonBreiteE", "b_e", "b_e", "Geometrie", "mittragende Breite der Betonplatte", "mm", ""},
    {"m_betonBreiteP", "b_p", "b_p", "Geometrie", "Breite des Betons zwischen den Rippen des Profilblechs",
     "mm", ""},
    {"m_bewehrungDU", "d_u", "d_u", "Geometrie", "Stabdurchmesser der unteren Bewehrungslage", "mm", ""},
    {"m_bewehrungDO", "d_o", "d_o", "Geometrie", "Stabdurchmesser der oberen Bewehrungslage", "mm", ""},
    {"m_bewehrungAbstandUnten", "AbstanduntereLage", "e_u", "Geometrie",
     "Stababstand der unteren Bewehrungslage", "mm", ""},
    {"m_bewehrungAbstandOben", "AbstandobereLage", "e_o", "Geometrie", "Stababstand der oberen Bewehrungslage",
     "mm", ""},
    {"m_bewehrungCnormU", "c_nom_u", "c_nom,u", "Geometrie", "Betondeckung der unteren Bewehrungslage", "mm",
     ""},
    {"m_bewehrungCnormO", "c_nom_o", "c_nom,o", "Geometrie", "Betondeckung der oberen Bewehrungslage", "mm",
     ""},
    {"m_baustahlHoehe", "h", "h", "Geometrie", "Höhe des Baustahlquerschnitts", "mm", fromProfileTable, true},
    {"m_baustahlTfu", "t_f1", "t_fu", "Geometrie", "Dicke des unteren Flansches", "mm", fromProfileTable, true},
    {"m_baustahlTfo", "t_f2", "t_fo", "Geometrie", "Dicke des oberen Flansches", "mm", fromProfileTable, true},
    {"m_baustahlBfu", "b_f1", "b_fu", "Geometrie", "Breite des unteren Flansches", "mm", fromProfileTable, true},
    {"m_baustahlBfc", "b_f2", "b_fo", "Geometrie", "Breite des oberen Flansches", "mm", fromProfileTable, true},
    {"m_baustahlTw", "t_w", "t_w", "Geometrie", "Stegdicke", "mm", fromProfileTable, true},
    {"m_momen_g", "M_g", "M_k", "Gebrauchstauglichkeit", "Biegemoment im Grenzzustand der Gebrauchstauglichkeit",
     "kNm", momentSign},
    {"m_querkraft_g", "V_g", "V_k", "Gebrauchstauglichkeit",
     "Querkraft im Grenzzustand der Gebrauchstauglichkeit", "kN", ""},
    {"m_k", "k", "k", "Mindestbewehrung", "Beiwert k für die Wirkung nichtlinear verteilter Eigenspannungen",
     "–", ""},
    {"m_k_c", "k_c", "k_c", "Mindestbewehrung", "Beiwert k_c für die Spannungsverteilung in der Zugzone", "–",
     ""},
    {"m_s_s", "s_s", "σ_s", "Mindestbewehrung", "zulässige Spannung der Mindestbewehrung", "N/mm²",
     sigmaFollowsFsk},
    {"m_momen_t", "M_t", "M_d", "Tragfähigkeit", "Biegemoment im Grenzzustand der Tragfähigkeit", "kNm",
     momentSign},
    {"m_querkraft_t", "V_t", "V_d", "Tragfähigkeit", "Querkraft im Grenzzustand der Tragfähigkeit", "kN", ""},
};

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
    return list;
}

bool aboveOrAt(double x, double bound, bool included) { return included ? x >= bound : x > bound; }
bool belowOrAt(double x, double bound, bool included) { return included ? x <= bound : x < bound; }

// Whether x keeps the ends a condition states; an end set by values that are
// not known yet is kept.
bool keeps(const Condition &c, const bounds::Range &range, double x, double lowerByValue, double upperByValue) {
    if (c.fixedLower && !aboveOrAt(x, range.lower, range.lowerIncluded)) return false;
    if (c.fixedUpper && !belowOrAt(x, range.upper, range.upperIncluded)) return false;
    if (c.lowerBy && std::isfinite(lowerByValue) && !aboveOrAt(x, lowerByValue, range.lowerByIncluded))
        return false;
    if (c.upperBy && std::isfinite(upperByValue) && !belowOrAt(x, upperByValue, range.upperByIncluded))
        return false;
    return true;
}

}  // namespace

const QList<FieldInfo> &fields() { return table; }

const FieldInfo *find(const QString &objectName) {
    for (const FieldInfo &info : table)
        if (objectName == QLatin1String(info.objectName)) return &info;
    return nullptr;
}

QString label(const FieldInfo &info) { return u(info.symbol) + " (" + u(info.group) + ")"; }

QString visibleSymbol(const QString &fileSymbol) {
    for (const FieldInfo &info : table)
        if (fileSymbol == QLatin1String(info.fileSymbol)) return u(info.symbol);
    return fileSymbol;
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
    for (const bounds::Range *range : rangesOf(u(info.fileSymbol))) allowed += conditions(*range, unit);
    tip += u("\nZulässig: ") + (allowed.isEmpty() ? u("jeder Zahlenwert") : allowed.join(u("; ")));
    for (const QString &word : allowed.join(' ').split(' '))
        if (word == "r") {
            tip += u("\n(r: Ausrundungsradius des Walzprofils, 0 beim Schweissprofil)");
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
    m_bySymbol.insert(QString::fromLatin1(info->fileSymbol), field);
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

QList<const bounds::Range *> InputGuide::applyingRanges(const QString &fileSymbol) const {
    const NumberEdit *field = m_bySymbol.value(fileSymbol);
    if (!field) return {};
    if (m_rolled && fieldguide::find(field->objectName())->plate) return {};
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
        const QString symbol = QString::fromLatin1(info->fileSymbol);
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
