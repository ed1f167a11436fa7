#pragma once
// Test access to a MainWindow's engine run and result views.
#include <QStringList>
#include <string>

#include "results/state_summary.h"
#include "window/file_dialogs.h"
#include "window/project_head_dialog.h"
#include "window/unsaved_changes.h"

class InputGuide;
class MainWindow;
class QProcess;
class QPushButton;
class QTextEdit;
class QVBoxLayout;

class MainWindowProbe {
public:
    explicit MainWindowProbe(MainWindow &window) : window_(window) {}

    QPushButton *startButton() const;
    QTextEdit *console() const;
    QTextEdit *report() const;
    QProcess *process() const;
    const std::string &runFolder() const;
    // The message the status bar shows now.
    QString statusMessage() const;

    enum class Panel { GzgOhneTs, GzgMitTs, Gzt, Nachweis, Mindestbewehrung };
    // Texts of the panel's labels, top to bottom.
    QStringList panelTexts(Panel panel) const;
    QVBoxLayout *panelLayout(Panel panel) const;
    StateSummary summary(Panel panel) const;

    void openLastCalculation();
    // The calculation as the batch mode starts it: ranges left to the engine.
    void startLeavingRangesToTheEngine();

    // Answers instead of the file dialog and the unsaved-changes question.
    void setFileChooser(filedialogs::Chooser chooser);
    void setUnsavedPrompt(unsavedchanges::Prompt prompt);
    void setProjectHeadEditor(projecthead::Editor editor);
    std::string documentPath() const;
    InputGuide *guide() const;
    // Waits until the start button is enabled again (engine finished or
    // failed to start); false when that does not happen within the time.
    bool waitForEngineEnd(int timeoutMs = 60000) const;

private:
    MainWindow &window_;
};
