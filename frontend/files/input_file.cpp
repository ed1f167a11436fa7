#include "files/input_file.h"

#include <QRegularExpression>
#include <cmath>

namespace inputfile {
namespace {

struct LineLayout {
    const char *keyword;
    const char *caption;  // column names above the keyword line
    const char *gap;      // tabs between the keyword and the first value
    bool endsLine;        // the last three groups end their own line
};

const LineLayout layouts[SectionCount] = {
    {"*Eigenschaften-Beton:", "f_ck\tgamma_c\talpha_c\tBegrenzung der Bruchdehnung", "\t\t",
     false},
    {"*Eigenschaften-Bewehrung:", "f_sk\tgamma_s\tDuktilitätsklasse\tVerfestigung", "\t", false},
    {"*Eigenschaften-Baustahl:", "f_yk\tgamma_M", "\t", false},
    {"*Geometrie-Beton:", "h_c\tb_e\th_profilblech\tBreite\tBeton zwischen Profilblech", "\t\t",
     false},
    {"*Geometrie-Bewehrung:", "d_unten\td_oben\tAbstand_unten\tAbstand_oben\tc_nom_u\tc_nom_o",
     "\t\t", false},
    {"*Baustahl-Typ:", "Profiltyp\tProfilname", "\t\t\t", false},
    {"*Geometrie-Baustahl:", "h\tt_f1\tt_f2\tb_f1\tb_f2\tt_w", "\t\t", false},
    {"*Gebrauchstauglichkeit:", "M[Nmm]\tV[N]", "\t\t", true},
    {"*Mindestbewehrung:", "k_c\tk\ts_s", "\t\t", true},
    {"*Tragfaehigkeit:", "M[Nmm]\tV[N]", "\t\t", true},
};

}  // namespace

QString keyword(Section section) { return QString::fromLatin1(layouts[section].keyword); }

QString render(const Values &values) {
    QString text;
    for (int s = 0; s < SectionCount; ++s) {
        const LineLayout &layout = layouts[s];
        text += s == 0 ? "\n" : "\n\n";
        text += "\t\t\t\t" + QString::fromUtf8(layout.caption) + "\n";
        text += QString::fromLatin1(layout.keyword) + layout.gap + values[s].join('\t');
        if (layout.endsLine) text += "\n";
    }
    return text;
}

Section parseLine(const QString &line, QStringList &words) {
    static const QRegularExpression whiteSpace("\\s+");
    words = line.split(whiteSpace, Qt::SkipEmptyParts);
    if (words.isEmpty()) return SectionCount;
    for (int s = 0; s < SectionCount; ++s) {
        if (words.first() == QLatin1String(layouts[s].keyword)) {
            words.removeFirst();
            return static_cast<Section>(s);
        }
    }
    return SectionCount;
}

Values parseText(const QString &text) {
    Values values;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        QStringList words;
        const Section section = parseLine(line, words);
        if (section != SectionCount) values[section] = words;
    }
    return values;
}

QString textToFile(const QString &text) {
    static const QRegularExpression oneWord("^\\S+$");
    const QString trimmed = text.trimmed();
    return oneWord.match(trimmed).hasMatch() ? trimmed : QString("-");
}

QString textFromFile(const QString &word) { return word == "-" ? QString() : word; }

QString numberText(double x) {
    if (!std::isfinite(x)) return "0";
    return QString::number(x, 'g', 6);
}

QString scaledFromFile(const QString &word, double divisor) {
    bool ok = false;
    const double x = word.toDouble(&ok);
    if (!ok || !std::isfinite(x)) return QString();
    return numberText(x / divisor);
}

}  // namespace inputfile
