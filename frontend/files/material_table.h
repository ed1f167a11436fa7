#pragma once
// The material table "Materialeigenschaften.txt" as the information panels
// show it: strain limits per concrete class, k and e_uk per ductility
// class, and the two moduli, all as the texts written in the file.
#include <QString>
#include <QStringList>

namespace materialtable {

// Column keys in panel order: C20/25 … C60/75 and A, B, C.
const QStringList &concreteClasses();
const QStringList &ductilityClasses();

struct PanelTexts {
    QString epsilonC[9];    // 4th word of the class row
    QString epsilonCu[9];   // 5th word
    QString k[3];           // 2nd word of the ductility row
    QString epsilonUk[3];   // 3rd word
    bool hasE_s = false;    // an "E_s" row was read
    QString E_s;
    bool hasE_a = false;
    QString E_a;
};

// Path of the table: the working directory first, then beside the program,
// then the installed data folder.
QString tablePath();

// Reads the table; words missing from a row give empty texts, other rows
// are ignored, a later row of the same key wins. A missing file gives all
// texts empty and neither modulus.
PanelTexts readPanelTexts(const QString &path);

}  // namespace materialtable
