#pragma once
// The entries the form offers for the words of a design (concrete classes,
// ductility classes, profile types, the rolled profiles the engine accepts),
// and the plates of a rolled profile from the profile table. The form's
// selectors and every design file read by the window or the batch mode use
// the same lists.
#include <QStringList>

#include "files/design.h"
#include "files/design_file.h"

namespace designchoices {

// The strength classes the form offers, weakest first.
const QStringList &concreteClasses();

// Every list of a design file's words; the profile names from the profile table.
designfile::Choices choices();

// A profile type as the form shows it: "Schweißprofil" for the file's word
// "Schweissprofil", which the files keep; any other word as it is.
QString profileTypeCaption(const std::string &word);

// The design "Neu" starts from: the shipped example design as it reads with
// `choices` (every number, text and switch of it). Without a readable
// example, `current` with every number missing, so that the form shows
// empty marked fields and never a made-up value.
design::Design newDesign(const design::Design &current, const designfile::Choices &choices);

// A rolled section takes h, both flanges and the web from its row of the
// profile table (both flanges alike). False, with the design unchanged, when
// the design is welded or the profile has no usable row.
bool takeProfilePlates(design::Design &design);

}  // namespace designchoices
