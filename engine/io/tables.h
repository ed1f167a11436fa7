#pragma once
// Readers of the two shipped tables: rolled-profile dimensions ("IProfile.txt")
// and material constants ("Materialeigenschaften.txt").
struct DesignInput;

// Rolled profiles only: takes h, b, t_w, t_f, r of the row named Profilname
// (the last matching row wins). Welded profiles do not open the table.
bool readProfileTable(DesignInput &input);

// Concrete class, E_s, E_a and ductility class rows; checks the values and echoes them.
bool readMaterialTable(DesignInput &input);
