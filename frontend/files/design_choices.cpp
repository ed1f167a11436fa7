#include "files/design_choices.h"

#include "files/data_file.h"
#include "files/profile_table.h"
#include "protocol/input_lines.h"

namespace designchoices {

namespace {

std::vector<std::string> standard(const QStringList &list) {
    std::vector<std::string> words;
    for (const QString &word : list) words.push_back(word.toStdString());
    return words;
}

}  // namespace

const QStringList &concreteClasses() {
    static const QStringList classes{"C20/25", "C25/30", "C30/37", "C35/45", "C40/50",
                                     "C45/55", "C50/60", "C55/67", "C60/75"};
    return classes;
}

designfile::Choices choices() {
    designfile::Choices c;
    c.concreteClasses = standard(concreteClasses());
    c.ductilityClasses = protocol::input::ductilityClasses;
    c.profileTypes = protocol::input::profileTypes;
    c.profileNames = standard(profiletable::usableProfileNames(profiletable::tablePath()));
    return c;
}

QString profileTypeCaption(const std::string &word) {
    if (word == protocol::input::weldedProfile) return QString::fromUtf8("Schweißprofil");
    return QString::fromStdString(word);
}

design::Design newDesign(const design::Design &current, const designfile::Choices &choices) {
    const designfile::ReadResult example = designfile::read(dataFilePath("inputstart.txt").toStdString(), choices);
    if (example.ok) return example.design;
    design::Design empty = current;
    design::clearNumbers(empty);
    empty.head = {};  // a new design has no project yet
    return empty;
}

bool takeProfilePlates(design::Design &design) {
    profiletable::Dimensions d;
    if (!design.rolled() ||
        !profiletable::findProfile(profiletable::tablePath(), QString::fromStdString(design.Profilname), d))
        return false;
    setProfilePlates(design, d);
    return true;
}

void setProfilePlates(design::Design &design, const profiletable::Dimensions &row) {
    design.h = row.h;
    design.b_f1 = row.b;
    design.b_f2 = row.b;
    design.t_w = row.t_w;
    design.t_f1 = row.t_f;
    design.t_f2 = row.t_f;
}

}  // namespace designchoices
