#include "plots/section_geometry.h"

#include <cmath>

#include "io/validation_bounds.h"
#include "protocol/result_files.h"
#include "results/design_verdicts.h"
#include "results/result_reader.h"

WebHoleHeights readWebHole(const std::string &runFolder) {
    const results::KeyValues values = results::KeyValues::read(runFolder + results::class3File);
    WebHoleHeights hole;
    const std::optional<double> z_u = values.find(results::class3::z_loch_u);
    const std::optional<double> z_o = values.find(results::class3::z_loch_o);
    if (values.value(results::class3::loch_im_steg) != 1.0 || !z_u || !z_o) return hole;
    hole.hasHole = std::isfinite(*z_u) && std::isfinite(*z_o) && *z_o > *z_u;
    hole.z_u = *z_u;
    hole.z_o = *z_o;
    return hole;
}

SectionGeometry readSectionGeometry(const std::string &outputFilePath) {
    namespace key = protocol::key;
    const results::KeyValues values = results::KeyValues::read(outputFilePath);
    SectionGeometry g;
    g.h_c = values.value(key::h_c);
    g.b_e = values.value(key::b_e);
    g.h_profilblech = values.value(key::h_profilblech);
    g.b_p = values.value(key::b_p);
    g.h = values.value(key::h);
    g.t_f1 = values.value(key::t_f1);
    g.b_f1 = values.value(key::b_f1);
    g.t_f2 = values.value(key::t_f2);
    g.b_f2 = values.value(key::b_f2);
    g.t_w = values.value(key::t_w);
    g.r = values.value(key::r);
    g.d_u = values.value(key::d_u);
    g.d_o = values.value(key::d_o);
    g.AbstanduntereLage = values.value(key::AbstanduntereLage);
    g.AbstandobereLage = values.value(key::AbstandobereLage);
    g.c_nom_u = values.value(key::c_nom_u);
    g.c_nom_o = values.value(key::c_nom_o);
    return g;
}

const std::vector<GeometryValue> &formGeometryValues() {
    using G = SectionGeometry;
    // The bottom flange is flange 1 (t_fu, b_fu), the top flange flange 2.
    static const std::vector<GeometryValue> values{
        {"h_c", &G::h_c},       {"b_e", &G::b_e},
        {"h_p", &G::h_profilblech}, {"b_p", &G::b_p},
        {"d_u", &G::d_u},       {"d_o", &G::d_o},
        {"e_u", &G::AbstanduntereLage}, {"e_o", &G::AbstandobereLage},
        {"c_nom,u", &G::c_nom_u}, {"c_nom,o", &G::c_nom_o},
        {"h", &G::h},           {"t_fu", &G::t_f1},
        {"t_fo", &G::t_f2},     {"b_fu", &G::b_f1},
        {"b_fo", &G::b_f2},     {"t_w", &G::t_w},
    };
    return values;
}

const char *geometryFault(const SectionGeometry &g) {
    struct Check {
        const char *symbol;
        const bounds::Range &range;
        double value, lowerBy, upperBy;
    };
    // The order of the engine's geometry check; the sum of the slab layers
    // is formed as the engine forms it.
    const double layers = g.h_profilblech + g.c_nom_u + g.d_u + g.d_o + g.c_nom_o;
    const Check checks[] = {
        {"h_c", bounds::h_c, g.h_c, layers, 0},
        {"b_e", bounds::b_e, g.b_e, 0, 0},
        {"h_p", bounds::h_p, g.h_profilblech, 0, g.h_c},
        {"b_p", bounds::b_p, g.b_p, 0, g.b_f2},
        {"d_u", bounds::d_u, g.d_u, 0, 0},
        {"d_o", bounds::d_o, g.d_o, 0, 0},
        {"e_u", bounds::spacing_u, g.AbstanduntereLage, g.d_u, g.b_e},
        {"e_o", bounds::spacing_o, g.AbstandobereLage, g.d_o, g.b_e},
        {"c_nom,u", bounds::c_nom_u, g.c_nom_u, 0, 0},
        {"c_nom,o", bounds::c_nom_o, g.c_nom_o, 0, 0},
        {"h", bounds::h, g.h, 0, 0},
        {"t_fu", bounds::t_f1, g.t_f1, 0, 0},
        {"t_fo", bounds::t_f2, g.t_f2, 0, 0},
        {"b_fu", bounds::b_f1, g.b_f1, 0, 0},
        {"b_fo", bounds::b_f2, g.b_f2, 0, 0},
        {"h", bounds::steelHeightFit, g.h, g.t_f1 + g.t_f2 + 2 * g.r, 0},
        {"t_w", bounds::t_w, g.t_w, 0, 0},
    };
    for (const Check &check : checks)
        if (!check.range.contains(check.value, check.lowerBy, check.upperBy)) return check.symbol;
    // The root radius is no form value; a rolled-profile row with a
    // negative or non-finite radius gives no section either.
    if (!(std::isfinite(g.r) && g.r >= 0.0)) return "r";
    return nullptr;
}

QString geometryNote(const QString &reason) {
    return QString::fromUtf8("Querschnitt nicht darstellbar:\n") + reason;
}

FormGeometry readFormGeometry(const std::function<QString(const char *symbol)> &textOf, double rootRadius) {
    FormGeometry form;
    for (const GeometryValue &value : formGeometryValues()) {
        const QString text = textOf(value.symbol).trimmed();
        const QString symbol = QString::fromLatin1(value.symbol);
        if (text.isEmpty()) {
            form.note = geometryNote(symbol + " fehlt.");
            return form;
        }
        // The number syntax of the input fields: C locale, decimal point.
        bool ok = false;
        const double x = text.toDouble(&ok);
        if (!ok || !std::isfinite(x)) {
            form.note = geometryNote(symbol + " ist keine Zahl.");
            return form;
        }
        form.geometry.*value.member = x;
    }
    form.geometry.r = rootRadius;
    if (const char *fault = geometryFault(form.geometry))
        form.note = geometryNote(QString::fromLatin1(fault) +
                                 QString::fromUtf8(" liegt außerhalb des zulässigen Bereichs."));
    return form;
}
