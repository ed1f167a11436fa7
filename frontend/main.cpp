#include <QApplication>

#include "run/batch_mode.h"
#include "search/search_mode.h"
#include "window/german_texts.h"
#include "window/mainwindow.h"

int main(int argc, char *argv[]) {
    if (isBatchCommandLine(argc, argv)) return runBatchMode(argc, argv);
    if (isProfileSearchCommandLine(argc, argv)) return runProfileSearchMode(argc, argv);
    QApplication app(argc, argv);
    // Before the window is built: its dialogs and context menus are German.
    installGermanQtTexts(app);
    MainWindow window;
    window.show();
    return app.exec();
}
