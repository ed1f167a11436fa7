#include "validation.h"

bool checkReinforcementInput(const std::string &, const std::string &, double, double) { return true; }
bool checkSteelInput(double, double) { return true; }
bool checkProfileType(const std::string &) { return true; }
bool checkMinimumReinforcementInput(double, double, double) { return true; }
bool checkGeometry(double, double, double, double, double, double, double, double, double, double,
                   double, double, double, double, double, double, double) {
    return true;
}
bool checkTableValues(double, double, double, double, double, double, double, double) { return true; }
bool checkConcreteInput(const std::string &, double, double, double) { return true; }
