// The "Querschnitt" preview follows the geometry fields and the profile
// selectors of the form.
#include <QHash>

#include "window/mainwindow.h"
#include "window/section_preview.h"

void MainWindow::connectSectionPreview() {
    const QHash<QString, NumberEdit *> fields{
        {"h_c", m_betonHoeheC},      {"b_e", m_betonBreiteE},
        {"h_p", m_betonHoeheP},      {"b_p", m_betonBreiteP},
        {"d_u", m_bewehrungDU},      {"d_o", m_bewehrungDO},
        {"e_u", m_bewehrungAbstandUnten}, {"e_o", m_bewehrungAbstandOben},
        {"c_nom,u", m_bewehrungCnormU}, {"c_nom,o", m_bewehrungCnormO},
        {"h", m_baustahlHoehe},      {"t_fu", m_baustahlTfu},
        {"t_fo", m_baustahlTfo},     {"b_fu", m_baustahlBfu},
        {"b_fo", m_baustahlBfc},     {"t_w", m_baustahlTw},
    };
    new SectionPreview(fields, m_baustahlProfiltyp, m_baustahlProfilname, m_querschnittView, this);
}
