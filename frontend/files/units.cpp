#include "files/units.h"

namespace units {

namespace {
constexpr double newtonsPerKilonewton = 1000.0;
constexpr double newtonMillimetresPerKilonewtonMetre = 1000000.0;
constexpr double millimetresPerMetre = 1000.0;
constexpr double squareMillimetresPerSquareMetreKilo = 1000000000.0;  // N mm² per kN m²
}  // namespace

double kilonewtons(double n) { return n / newtonsPerKilonewton; }
double newtons(double kn) { return kn * newtonsPerKilonewton; }
double kilonewtonMetres(double nmm) { return nmm / newtonMillimetresPerKilonewtonMetre; }
double newtonMillimetres(double knm) { return knm * newtonMillimetresPerKilonewtonMetre; }
double perMetre(double perMillimetre) { return perMillimetre * millimetresPerMetre; }
double kilonewtonSquareMetres(double nmm2) { return nmm2 / squareMillimetresPerSquareMetreKilo; }
// kNm² times per mille per m: the per mille is 1/1000.
double momentOf(double stiffness, double curvature) { return stiffness * curvature / 1000.0; }
double curvatureOf(double moment, double stiffness) { return moment * 1000.0 / stiffness; }

double toForm(FormUnit unit, double fileValue) {
    switch (unit) {
    case FormUnit::Kilonewton: return kilonewtons(fileValue);
    case FormUnit::KilonewtonMetre: return kilonewtonMetres(fileValue);
    case FormUnit::AsInFile: break;
    }
    return fileValue;
}

double toFile(FormUnit unit, double formValue) {
    switch (unit) {
    case FormUnit::Kilonewton: return newtons(formValue);
    case FormUnit::KilonewtonMetre: return newtonMillimetres(formValue);
    case FormUnit::AsInFile: break;
    }
    return formValue;
}

}  // namespace units
