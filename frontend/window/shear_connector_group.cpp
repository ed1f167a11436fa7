#include "window/shear_connector_group.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

#include "files/data_file.h"
#include "files/design.h"
#include "protocol/input_lines.h"
#include "widgets/indexedlabel.h"
#include "widgets/numberedit.h"

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Symbol and index of a field as the group shows them ("h" "sc").
struct Shown {
    const char *formName, *symbol, *index, *unit;
};
const Shown shownFields[] = {
    {"m_duebelD", "d", "", "[mm]"},         {"m_duebelHoehe", "h", "sc", "[mm]"},
    {"m_duebelFu", "f", "u", "[N/mm²]"},    {"m_duebelAnzahl", "n", "", "[-]"},
    {"m_duebelLe", "L", "e", "[mm]"},       {"m_duebelJeRippe", "n", "r", "[-]"},
    {"m_duebelBlech", "t", "", "[mm]"},
};

}  // namespace

ShearConnectorGroup::ShearConnectorGroup(QWidget *parent)
    : QGroupBox(u("Verbundmittel (Kopfbolzendübel)"), parent) {
    setObjectName("m_verbundmittel");
    m_check = new QCheckBox(u("Teilverdübelung berücksichtigen"));
    m_check->setObjectName("m_teilverduebelung");
    m_check->setToolTip(u("Kopfbolzendübel eingeben: Verdübelungsgrad η = N_c / N_c,f, η_min nach "
                          "EN 1994-1-1 6.6.1.2\nund bei η < 1 die Momententragfähigkeit M_Rd(η) im Feld "
                          "(6.2.1.3).\nOhne Haken: vollständige Verdübelung angenommen."));
    m_ribs = new QComboBox;
    m_ribs->setObjectName("m_duebelRippen");
    for (const std::string &word : protocol::input::ribWords) m_ribs->addItem(QString::fromStdString(word));
    m_ribs->setToolTip(u("Lage des Dübels: keine (Platte ohne Profilblech), quer (Rippen quer zum Träger, "
                         "Abminderung k_t)\noder parallel (Rippen parallel zum Träger, Abminderung k_l)"));

    auto *grid = new QGridLayout;
    int column = 0;
    for (const Shown &s : shownFields) {
        auto *field = new NumberEdit;
        field->setObjectName(s.formName);
        field->setFieldWidth(30);
        const int row = column / 4, col = (column % 4) * 3;
        grid->addWidget(new IndexedLabel(u(s.symbol), u(s.index)), row, col, Qt::AlignRight);
        grid->addWidget(field, row, col + 1);
        grid->addWidget(new QLabel(u(s.unit)), row, col + 2);
        ++column;
    }
    grid->addWidget(new QLabel("Rippen"), 1, 9, Qt::AlignRight);
    grid->addWidget(m_ribs, 1, 10, 1, 2);

    auto *sketch = new QLabel;
    sketch->setObjectName("m_duebelSkizze");
    sketch->setPixmap(QPixmap(dataFilePath("duebel rippe.png")));
    sketch->setToolTip(u("Kopfbolzendübel in einer Rippe des Profilblechs; b_0 ist die Breite b_p."));

    auto *fields = new QVBoxLayout;
    fields->addWidget(m_check);
    fields->addLayout(grid);
    fields->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(sketch);
    layout->addStretch(1);

    connect(m_check, &QCheckBox::toggled, this, [this] {
        enableFields();
        emit changed();
    });
    connect(m_ribs, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &ShearConnectorGroup::changed);
    enableFields();
}

bool ShearConnectorGroup::partialConnection() const { return m_check->isChecked(); }

void ShearConnectorGroup::setPartialConnection(bool on) { m_check->setChecked(on); }

std::string ShearConnectorGroup::ribs() const { return m_ribs->currentText().toStdString(); }

void ShearConnectorGroup::setRibs(const std::string &word) {
    const int index = m_ribs->findText(QString::fromStdString(word));
    m_ribs->setCurrentIndex(index >= 0 ? index : 0);
}

void ShearConnectorGroup::enableFields() {
    const bool on = m_check->isChecked();
    for (NumberEdit *field : findChildren<NumberEdit *>()) field->setEnabled(on);
    m_ribs->setEnabled(on);
}
