#pragma once
// Stress–strain diagrams of the three material laws shown in the
// information panels of the concrete, reinforcement and steel inputs.
#include <QImage>

namespace artwork {

// Bilinear concrete law (EN 1992-1-1 3.1.7(2)) with the tensile branch
// used for tension stiffening.
QImage concreteDiagram();
// Reinforcing steel (EN 1992-1-1 3.2.7(2)): inclined hardening branch up
// to e_ud = 0.9 e_uk, or horizontal top branch without strain limit.
QImage reinforcementDiagram();
// Elastic–ideally plastic structural steel (EN 1993-1-1).
QImage steelDiagram();

}  // namespace artwork
