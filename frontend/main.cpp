#include <QApplication>

#include "run/batch_mode.h"
#include "run/command_line.h"
#include "window/german_texts.h"
#include "window/mainwindow.h"

int main(int argc, char *argv[]) {
    using commandline::Request;
    const Request request = commandline::requestOf(argc, argv);
    if (request == Request::Batch) return runBatchMode(argc, argv);
    if (request != Request::Window) return commandline::answer(request, argc, argv);
    QApplication app(argc, argv);
    // Before the window is built: its dialogs and context menus are German.
    installGermanQtTexts(app);
    MainWindow window;
    window.show();
    return app.exec();
}
