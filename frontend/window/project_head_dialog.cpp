#include "window/project_head_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>

namespace projecthead {

bool editWithDialog(QWidget *parent, design::ProjectHead &head) {
    using protocol::input::HeadField;
    QDialog dialog(parent);
    dialog.setWindowTitle(QString::fromUtf8("Projektangaben"));
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QString::fromUtf8(
        "Die Angaben stehen im Kopf des Bemessungsprotokolls und werden mit der Eingabedatei gespeichert.")));
    auto *form = new QFormLayout;
    std::array<QLineEdit *, protocol::input::headFieldCount> edits{};
    for (int f = 0; f < protocol::input::headFieldCount; ++f) {
        const auto field = static_cast<HeadField>(f);
        edits[f] = new QLineEdit(QString::fromStdString(head[field]));
        edits[f]->setObjectName(QString::fromLatin1(protocol::input::headLine(field).label));
        edits[f]->setMinimumWidth(360);
        form->addRow(QString::fromUtf8(protocol::input::headLine(field).label) + ":", edits[f]);
    }
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    for (int f = 0; f < protocol::input::headFieldCount; ++f)
        head[static_cast<HeadField>(f)] = design::headText(edits[f]->text().toStdString());
    return true;
}

}  // namespace projecthead
