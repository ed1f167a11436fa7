#pragma once
// Readers of the two shipped tables: rolled-profile dimensions ("IProfile.txt")
// and material constants ("Materialeigenschaften.txt").
struct DesignInput;

// Rolled profiles only: takes h, b, t_w, t_f, r of the row named Profilname
// (the last matching row wins). Every row of that name must be usable
// (bounds::profileRowFault); a name without a row is an error. Welded
// profiles do not open the table.
bool readProfileTable(DesignInput &input);

// Concrete class, E_s, E_a and ductility class rows; each row of a key in use
// must carry all its numbers, finite and positive. Checks the ranges and
// echoes the values.
bool readMaterialTable(DesignInput &input);
