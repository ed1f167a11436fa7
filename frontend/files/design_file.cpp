#include "files/design_file.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace designfile {
namespace {

// A design file is a few hundred bytes; anything far larger is no design.
const qint64 largestDesignFile = 1024 * 1024;

// What one value of a keyword line must be.
enum class Kind {
    FieldNumber,      // a number, or "-" for a field that was empty when saved
    Number,           // a number (forces, moments, minimum-reinforcement factors)
    ConcreteClass,
    DuctilityClass,
    Status,           // ON or OFF
    ProfileType,
    ProfileName       // only after the type Walzprofil
};

QList<Kind> kindsOf(inputfile::Section section) {
    using namespace inputfile;
    const Kind f = Kind::FieldNumber;
    const Kind n = Kind::Number;
    switch (section) {
    case EigenschaftenBeton: return {Kind::ConcreteClass, f, f, Kind::Status};
    case EigenschaftenBewehrung: return {f, f, Kind::DuctilityClass, Kind::Status};
    case EigenschaftenBaustahl: return {f, f};
    case GeometrieBeton: return {f, f, f, f};
    case GeometrieBewehrung: return {f, f, f, f, f, f};
    case BaustahlTyp: return {Kind::ProfileType};
    case GeometrieBaustahl: return {f, f, f, f, f, f};
    case Gebrauchstauglichkeit: return {n, n};
    case Mindestbewehrung: return {n, n, n};
    case Tragfaehigkeit: return {n, n};
    case SectionCount: break;
    }
    return {};
}

bool isNumber(const QString &word) {
    bool ok = false;
    const double x = word.toDouble(&ok);
    return ok && std::isfinite(x);
}

QString statusReason(inputfile::Section section) {
    return section == inputfile::EigenschaftenBeton
               ? QString::fromUtf8("ungültiger Status: Begrenzug der Bruchdehnung von Beton")
               : QString::fromUtf8("ungültiger Status: Verfestigung von Bewehrung");
}

// Empty when the word fits; else the reason.
QString checkWord(Kind kind, const QString &word, const Choices &choices, inputfile::Section section) {
    switch (kind) {
    case Kind::FieldNumber:
        if (word == "-" || isNumber(word)) return QString();
        return QString::fromUtf8("„%1“ ist keine Zahl").arg(word);
    case Kind::Number:
        if (isNumber(word)) return QString();
        return QString::fromUtf8("„%1“ ist keine Zahl").arg(word);
    case Kind::ConcreteClass:
        return choices.concreteClasses.contains(word) ? QString()
                                                      : QString::fromUtf8("Betonfestigkeitsklasse ungültig!");
    case Kind::DuctilityClass:
        return choices.ductilityClasses.contains(word) ? QString()
                                                       : QString::fromUtf8("Duktilitätsklasse ungültig!");
    case Kind::Status:
        return word == "ON" || word == "OFF" ? QString() : statusReason(section);
    case Kind::ProfileType:
        return choices.profileTypes.contains(word) ? QString() : QString::fromUtf8("Profiltyp ungültig!");
    case Kind::ProfileName:
        return choices.profileNames.contains(word) ? QString() : QString::fromUtf8("Profilname ungültig!");
    }
    return QString();
}

// Empty when every value of the keyword line fits; else the reason.
QString checkLine(inputfile::Section section, const QStringList &words, const Choices &choices) {
    QList<Kind> kinds = kindsOf(section);
    if (section == inputfile::BaustahlTyp && words.value(0) == "Walzprofil") kinds.append(Kind::ProfileName);
    for (int i = 0; i < kinds.size(); ++i) {
        if (i >= words.size()) {
            if (kinds[i] == Kind::ProfileName) return QString::fromUtf8("Profilname ungültig!");
            return QString::fromUtf8("zu wenige Werte: %1 erwartet, %2 gefunden").arg(kinds.size()).arg(words.size());
        }
        const QString reason = checkWord(kinds[i], words[i], choices, section);
        if (!reason.isEmpty()) return reason;
    }
    return QString();
}

ReadResult fault(int line, const QString &text, const QString &reason) {
    ReadResult result;
    result.faultLine = line;
    QString shown = text.trimmed();
    shown.replace('\t', ' ');
    shown.replace('\r', ' ');
    if (shown.size() > 80) shown = shown.left(77) + "...";
    result.lineText = shown;
    result.reason = reason;
    return result;
}

}  // namespace

ReadResult parse(const QString &text, const Choices &choices) {
    ReadResult result;
    bool seen[inputfile::SectionCount] = {};
    int firstOtherLine = 0;
    QString firstOtherText;
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QStringList words;
        const inputfile::Section section = inputfile::parseLine(lines[i], words);
        if (section == inputfile::SectionCount) {
            if (firstOtherLine == 0 && !lines[i].trimmed().isEmpty()) {
                firstOtherLine = i + 1;
                firstOtherText = lines[i];
            }
            continue;
        }
        const QString reason = checkLine(section, words, choices);
        if (!reason.isEmpty()) return fault(i + 1, lines[i], reason);
        // As in the engine, a later line of the same keyword wins.
        result.values[section] = words;
        seen[section] = true;
    }
    bool any = false;
    for (bool s : seen) any = any || s;
    if (!any) {
        if (firstOtherLine == 0) return fault(0, QString(), QString::fromUtf8("Die Datei ist leer."));
        return fault(firstOtherLine, firstOtherText,
                     QString::fromUtf8("keine Zeile einer Eingabedatei (sie beginnt mit keinem Schlüsselwort "
                                       "wie „*Eigenschaften-Beton:“)"));
    }
    // A rolled section takes its plates from the profile table.
    if (result.values[inputfile::BaustahlTyp].value(0) == "Walzprofil") seen[inputfile::GeometrieBaustahl] = true;
    for (int s = 0; s < inputfile::SectionCount; ++s) {
        if (!seen[s])
            return fault(0, QString(),
                         QString::fromUtf8("Die Zeile „%1“ fehlt.")
                             .arg(inputfile::keyword(static_cast<inputfile::Section>(s))));
    }
    result.ok = true;
    return result;
}

ReadResult read(const QString &path, const Choices &choices) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fault(0, QString(), QString::fromUtf8("Die Datei kann nicht gelesen werden."));
    if (file.size() > largestDesignFile)
        return fault(0, QString(), QString::fromUtf8("Die Datei ist zu groß für eine Eingabedatei."));
    return parse(QString::fromUtf8(file.readAll()), choices);
}

QString faultMessage(const ReadResult &result, const QString &path) {
    QString message = QString::fromUtf8("Die Datei „%1“ ist keine gültige Eingabedatei. "
                                        "Das Formular bleibt unverändert.\n\n")
                          .arg(QFileInfo(path).fileName());
    if (result.faultLine > 0)
        message += QString::fromUtf8("Zeile %1: „%2“\n").arg(result.faultLine).arg(result.lineText);
    return message + result.reason;
}

QString withDesignSuffix(const QString &path) {
    if (path.isEmpty()) return path;
    const QFileInfo info(path);
    if (!info.suffix().isEmpty()) return path;
    return path.endsWith('.') ? path + "txt" : path + ".txt";
}

}  // namespace designfile
