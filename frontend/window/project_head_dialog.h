#pragma once
// "Datei → Projektangaben…": a small dialog for the project head of the
// design (project, position, member, engineer, a free remark). The head is
// kept with the design in its file and printed in the report's title block
// and on the report tab. The dialog can be replaced (tests answer it).
#include <functional>

#include "files/design.h"

class QWidget;

namespace projecthead {

// Edits the head; false when the user cancels (the head stays as it was).
using Editor = std::function<bool(QWidget *parent, design::ProjectHead &head)>;

// The dialog: one line per field, OK and Abbrechen.
bool editWithDialog(QWidget *parent, design::ProjectHead &head);

}  // namespace projecthead
