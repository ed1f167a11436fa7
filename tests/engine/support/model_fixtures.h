#pragma once
// Design inputs for constructing the material and section models directly,
// with a result writer in a temporary run folder.
#include <memory>
#include <string>

#include "io/design_input.h"
#include "io/result_writer.h"
#include "support/test_support.h"

namespace modelfixtures {

// C30/37 (alpha_c 0.85, gamma_c 1.5), B500 class B with hardening, S355,
// slab 160 x 2000 with bars 10/12 at 150, welded section 500 x 200 x 20 / 10.
inline DesignInput exampleDesign() {
    DesignInput in;
    in.f_ck = 30; in.gamma_c = 1.5; in.alpha_c = 0.85; in.set_e_cu3 = "ON";
    in.e_c3 = 1.75; in.e_cu3 = 3.5; in.f_ctm = 2.9;
    in.f_sk = 500; in.gamma_s = 1.15; in.klasse_s = "B"; in.set_verfestigung_s = "ON";
    in.E_s = 200000; in.k = 1.08; in.e_uk = 50;
    in.h_c = 160; in.b_e = 2000; in.h_profilblech = 0; in.b_p = 0;
    in.d_u = 10; in.d_o = 12; in.AbstanduntereLage = 150; in.AbstandobereLage = 150;
    in.c_nom_u = 30; in.c_nom_o = 30;
    in.f_yk = 355; in.gamma_M = 1.0; in.E_a = 210000;
    in.Profiltyp = "Schweissprofil";
    in.h = 500; in.t_f1 = 20; in.t_f2 = 20; in.b_f1 = 200; in.b_f2 = 200; in.t_w = 10; in.r = 0;
    in.M_t = 4e8; in.V_t = 3e5; in.M_g = 2e8; in.V_g = 1.5e5;
    return in;
}

// Rolled profile with catalogue dimensions h, b, t_w, t_f, r.
inline DesignInput rolledDesign(double h, double b, double t_w, double t_f, double r) {
    DesignInput in = exampleDesign();
    in.Profiltyp = "Walzprofil";
    in.h = h; in.b_f1 = b; in.b_f2 = b; in.t_w = t_w; in.t_f1 = t_f; in.t_f2 = t_f; in.r = r;
    return in;
}

// A result writer on a fresh run folder; the models only need it to exist.
struct WriterFolder {
    testsupport::TempFolder folder;  // the run folder itself
    ResultWriter writer{folder.path().substr(0, folder.path().size() - 1)};
    std::string output() const { return testsupport::readFile(folder.path() + "output.txt"); }
};

}  // namespace modelfixtures
