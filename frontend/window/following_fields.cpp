#include "window/following_fields.h"

#include "files/design.h"
#include "files/units.h"
#include "widgets/numberedit.h"

FollowingFields::FollowingFields(const QHash<QString, NumberEdit *> &fields, QObject *parent) : QObject(parent) {
    for (const design::FieldInfo &info : design::fields()) {
        const design::FieldInfo *leaderInfo = info.follows ? design::fieldOf(info.follows) : nullptr;
        NumberEdit *field = fields.value(QString::fromLatin1(info.formName));
        NumberEdit *leader = leaderInfo ? fields.value(QString::fromLatin1(leaderInfo->formName)) : nullptr;
        if (field && leader) links_.push_back(Link{&info, leaderInfo, field, leader, true});
    }
    // The links stay where they are from here on: the connections keep their index.
    for (std::size_t i = 0; i < links_.size(); ++i) {
        connect(links_[i].leader, &NumberEdit::textEdited, this,
                [this, i](const QString &text) { leaderTyped(links_[i], text); });
        connect(links_[i].field, &NumberEdit::textEdited, this, [this, i]() { links_[i].following = false; });
    }
}

void FollowingFields::designShown(const design::Design &design) {
    for (Link &link : links_) link.following = design::followsLeader(design, *link.info);
}

bool FollowingFields::following(const NumberEdit *field) const {
    for (const Link &link : links_)
        if (link.field == field) return link.following;
    return false;
}

QString FollowingFields::followedText(const design::FieldInfo &field, const design::FieldInfo &leader,
                                      const QString &valueText) {
    const QString symbol = QString::fromUtf8(field.symbol);
    return QString::fromUtf8("%1 = %2 %3 gesetzt: %1 folgt %4, solange %1 nicht eigens eingetippt wird.")
        .arg(symbol, valueText, QString::fromUtf8(field.unit), QString::fromUtf8(leader.symbol));
}

void FollowingFields::leaderTyped(Link &link, const QString &text) {
    double typed = 0.0;
    if (!link.following || !NumberEdit::parseNumber(text, typed)) return;
    // Through the file's unit, should the two be shown in different units.
    const double value = units::toForm(link.info->formUnit, units::toFile(link.leaderInfo->formUnit, typed));
    const QString valueText = QString::fromStdString(design::fieldText(*link.info, value));
    if (link.field->text() == valueText) return;
    link.field->setText(valueText);
    emit followed(followedText(*link.info, *link.leaderInfo, valueText));
}
