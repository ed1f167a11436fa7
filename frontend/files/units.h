#pragma once
// Units of the design model. The engine and every file work in N, Nmm, mm
// and N/mm²; the form, the panels, the plots and the report show forces in
// kN and moments in kNm. These functions are the one place where the two
// meet: every kN <-> N and kNm <-> Nmm conversion of the front end goes
// through them. Standard C++ only.

namespace units {

// Forces: N <-> kN.
double kilonewtons(double newtons);
double newtons(double kilonewtons);
// Moments: Nmm <-> kNm.
double kilonewtonMetres(double newtonMillimetres);
double newtonMillimetres(double kilonewtonMetres);
// Curvature: per mille per mm -> per mille per m.
double perMetre(double perMillimetre);
// Bending stiffness: Nmm² -> kNm².
double kilonewtonSquareMetres(double newtonSquareMillimetres);
// Moment of a stiffness (kNm²) at a curvature (per mille per m), in kNm.
double momentOf(double stiffnessKilonewtonSquareMetres, double curvaturePerMillePerMetre);
// Curvature (per mille per m) at which a stiffness (kNm²) carries a moment (kNm).
double curvatureOf(double momentKilonewtonMetres, double stiffnessKilonewtonSquareMetres);

// The unit a value is shown in on the form, where it differs from the file's.
enum class FormUnit {
    AsInFile,        // mm, N/mm², factors
    Kilonewton,      // file: N
    KilonewtonMetre  // file: Nmm
};
double toForm(FormUnit unit, double fileValue);
double toFile(FormUnit unit, double formValue);

}  // namespace units
