#include "files/material_table.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include "files/data_file.h"
#include "protocol/input_lines.h"

namespace materialtable {

namespace {

QString word(const QStringList &words, int index) { return index < words.size() ? words.at(index) : QString(); }

}  // namespace

const QStringList &concreteClasses() {
    static const QStringList classes = {"C20/25", "C25/30", "C30/37", "C35/45", "C40/50",
                                        "C45/55", "C50/60", "C55/67", "C60/75"};
    return classes;
}

const QStringList &ductilityClasses() {
    static const QStringList classes = {"A", "B", "C"};
    return classes;
}

QString tablePath() { return dataFilePath(protocol::input::materialTable); }

PanelTexts readPanelTexts(const QString &path) {
    PanelTexts texts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return texts;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    static const QRegularExpression whiteSpace("\\s+");
    while (!in.atEnd()) {
        const QStringList words = in.readLine().split(whiteSpace, Qt::SkipEmptyParts);
        const QString key = word(words, 0);
        if (key.isEmpty()) continue;
        const int concrete = concreteClasses().indexOf(key);
        const int ductility = ductilityClasses().indexOf(key);
        if (concrete >= 0) {
            texts.epsilonC[concrete] = word(words, 3);
            texts.epsilonCu[concrete] = word(words, 4);
        } else if (ductility >= 0) {
            texts.k[ductility] = word(words, 1);
            texts.epsilonUk[ductility] = word(words, 2);
        } else if (key == "E_s") {
            texts.hasE_s = true;
            texts.E_s = word(words, 1);
        } else if (key == "E_a") {
            texts.hasE_a = true;
            texts.E_a = word(words, 1);
        }
    }
    return texts;
}

}  // namespace materialtable
