#pragma once
// Values of the form that follow another one, as the design model's field
// table says (σ_s follows f_sk). While the user has not typed the following
// value, every number typed into its leader is written into it as well, and
// the status bar is told why; text that is no number changes nothing. A
// value the user types stays his own until the next design is shown
// (opened, reset with "Neu" or read back from a run), which decides afresh
// by design::followsLeader.
#include <QHash>
#include <QObject>
#include <QString>
#include <vector>

class NumberEdit;
namespace design {
struct Design;
struct FieldInfo;
}  // namespace design

class FollowingFields : public QObject {
    Q_OBJECT

public:
    // The form's fields by the names of the field table (FieldInfo::formName).
    FollowingFields(const QHash<QString, NumberEdit *> &fields, QObject *parent);

    // A design is shown in the form.
    void designShown(const design::Design &design);
    // True while the field follows its leader.
    bool following(const NumberEdit *field) const;

    // The status bar's line when `field` took the leader's value.
    static QString followedText(const design::FieldInfo &field, const design::FieldInfo &leader,
                                const QString &valueText);

signals:
    // A following value changed by itself; the text says why.
    void followed(const QString &message);

private:
    struct Link {
        const design::FieldInfo *info;
        const design::FieldInfo *leaderInfo;
        NumberEdit *field;
        NumberEdit *leader;
        bool following;
    };
    void leaderTyped(Link &link, const QString &text);

    std::vector<Link> links_;
};
