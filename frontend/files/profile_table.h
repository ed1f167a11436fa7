#pragma once
// The rolled-profile table "IProfile.txt": one row per profile with name,
// h, b, t_w, t_f and r in mm; lines whose first word is "//" are comments.
#include <QString>
#include <QStringList>
#include <QVector>

namespace profiletable {

struct Dimensions {
    double h = 0.0;
    double b = 0.0;    // both flanges
    double t_w = 0.0;
    double t_f = 0.0;  // both flanges
    double r = 0.0;    // root radius; 0 when the row has none
};

// Area of the rolled section: both flanges, the web between them and the
// four root fillets, (4 - pi) r^2 together, in mm².
double area(const Dimensions &dimensions);
// Mass per metre of structural steel with 7850 kg/m³, in kg/m.
double massPerMetre(const Dimensions &dimensions);

// Path of the table: the working directory first, then beside the program,
// then the installed data folder.
QString tablePath();

// Profile names in table order. A missing file gives an empty list.
QStringList profileNames(const QString &path);

// Names of the profiles the engine accepts: those whose row (the last row of
// that name) reads as five numbers that bounds::profileRowFault lets pass.
QStringList usableProfileNames(const QString &path);

// The same profiles with the dimensions of that row, in table order, from
// one reading of the table.
struct Profile {
    QString name;
    Dimensions dimensions;
};
QVector<Profile> usableProfiles(const QString &path);

// Dimensions of the named profile. As in the engine, the last row of that
// name counts. False when no row has the name or its numbers do not read.
bool findProfile(const QString &path, const QString &name, Dimensions &dimensions);

}  // namespace profiletable
