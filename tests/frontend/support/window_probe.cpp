#include "support/window_probe.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QVBoxLayout>

#include "window/mainwindow.h"
#include "window/run_status.h"

QPushButton *MainWindowProbe::startButton() const { return window_.m_startButton; }
QTextEdit *MainWindowProbe::console() const { return window_.m_konsole; }
QTextEdit *MainWindowProbe::report() const { return window_.m_protokoll; }
QProcess *MainWindowProbe::process() const { return window_.m_process; }
const std::string &MainWindowProbe::runFolder() const { return window_.m_runFolder; }
// A temporary message (a menu's status tip) covers the line about the results.
QString MainWindowProbe::statusMessage() const {
    const QString temporary = window_.statusBar()->currentMessage();
    return temporary.isEmpty() ? window_.m_runStatus->text() : temporary;
}

QVBoxLayout *MainWindowProbe::panelLayout(Panel panel) const {
    switch (panel) {
    case Panel::GzgOhneTs: return window_.m_textGzgOhneTs;
    case Panel::GzgMitTs: return window_.m_textGzgMitTs;
    case Panel::Gzt: return window_.m_textGzt;
    case Panel::Nachweis: return window_.m_textNachweis;
    case Panel::Mindestbewehrung: return window_.m_textMindestbewehrung;
    }
    return nullptr;
}

QStringList MainWindowProbe::panelTexts(Panel panel) const {
    QStringList texts;
    QVBoxLayout *layout = panelLayout(panel);
    for (int i = 0; i < layout->count(); ++i)
        if (auto *label = qobject_cast<QLabel *>(layout->itemAt(i)->widget())) texts << label->text();
    return texts;
}

StateSummary MainWindowProbe::summary(Panel panel) const {
    switch (panel) {
    case Panel::GzgOhneTs: return window_.m_zustandGzgOhneTs;
    case Panel::GzgMitTs: return window_.m_zustandGzgMitTs;
    default: return window_.m_zustandGzt;
    }
}

void MainWindowProbe::openLastCalculation() { window_.oeffnenLetzteClicked(); }

void MainWindowProbe::startLeavingRangesToTheEngine() { window_.startCalculation(false); }

void MainWindowProbe::setFileChooser(filedialogs::Chooser chooser) { window_.m_fileChooser = std::move(chooser); }
void MainWindowProbe::setProjectHeadEditor(projecthead::Editor editor) {
    window_.m_projectHeadEditor = std::move(editor);
}

void MainWindowProbe::setUnsavedPrompt(unsavedchanges::Prompt prompt) {
    window_.m_unsavedPrompt = std::move(prompt);
}

std::string MainWindowProbe::documentPath() const { return window_.m_document.file().toStdString(); }

InputGuide *MainWindowProbe::guide() const { return window_.m_guide; }

bool MainWindowProbe::waitForEngineEnd(int timeoutMs) const {
    return QTest::qWaitFor([this]() { return window_.m_startButton->isEnabled(); }, timeoutMs);
}
