#include "window/section_preview.h"

#include <QComboBox>
#include <QGraphicsScene>

#include "files/profile_table.h"
#include "protocol/input_lines.h"
#include "plots/section_drawing.h"
#include "plots/section_geometry.h"
#include "widgets/mygraphicsview.h"
#include "widgets/numberedit.h"

namespace {
// The preview scales a section up to fill its view, but not without end.
constexpr double maximumZoom = 4.0;
}  // namespace

SectionPreview::SectionPreview(const QHash<QString, NumberEdit *> &fields, QComboBox *profileType,
                               QComboBox *profileName, MyGraphicsView *view, QObject *parent)
    : QObject(parent), m_fields(fields), m_profileType(profileType), m_profileName(profileName), m_view(view) {
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &SectionPreview::refresh);
    for (NumberEdit *field : m_fields)
        connect(field, &NumberEdit::textChanged, &m_pending, qOverload<>(&QTimer::start));
    for (QComboBox *box : {m_profileType, m_profileName})
        connect(box, &QComboBox::currentTextChanged, &m_pending, qOverload<>(&QTimer::start));
    m_pending.start();
}

bool SectionPreview::rootRadius(double &r, QString &note) const {
    r = 0.0;
    if (m_profileType->currentData().toString() != QLatin1String(protocol::input::rolledProfile)) return true;
    const QString name = m_profileName->currentText();
    profiletable::Dimensions row;
    if (name.isEmpty()) {
        note = geometryNote(QString::fromUtf8("kein Walzprofil gewählt."));
        return false;
    }
    if (!profiletable::findProfile(profiletable::tablePath(), name, row)) {
        note = geometryNote("Walzprofil " + name + " fehlt in der Profiltabelle.");
        return false;
    }
    r = row.r;
    return true;
}

void SectionPreview::refresh() {
    m_pending.stop();
    QGraphicsScene *scene = m_view->scene();
    double r = 0.0;
    QString note;
    if (rootRadius(r, note)) {
        const FormGeometry form = readFormGeometry(
            [this](const char *symbol) {
                const NumberEdit *field = m_fields.value(QString::fromLatin1(symbol));
                return field ? field->text() : QString();
            },
            r);
        note = form.note;
        // A permitted section has h > 0, so its scale is finite and positive.
        if (note.isEmpty()) drawSection(scene, form.geometry, overviewSceneScale(form.geometry));
    }
    m_note = note;
    // The section fills the view; a note keeps the size of its text.
    if (m_note.isEmpty()) {
        m_view->fitScene(maximumZoom);
    } else {
        drawSectionNote(scene, m_note);
        m_view->fitScene(1.0);
    }
}

