#pragma once
// The question before the form's unsaved changes would be lost (Neu,
// Öffnen, letzte Berechnung, closing the window): "Änderungen speichern?"
// with the answers Speichern, Verwerfen and Abbrechen. The question can be
// replaced (tests answer it without a dialog).
#include <QString>
#include <functional>

class QWidget;

namespace unsavedchanges {

enum class Answer { Save, Discard, Cancel };

// Receives the question text and gives the answer.
using Prompt = std::function<Answer(const QString &question)>;

// The question for the document of that file name ("Unbenannt" when none).
QString question(const QString &documentName);

// Asks with a modal message box whose buttons read Speichern, Verwerfen and
// Abbrechen; Escape and closing the box cancel.
Answer askWithDialog(QWidget *parent, const QString &question);

}  // namespace unsavedchanges
