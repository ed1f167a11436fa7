#include <QApplication>

#include "run/batch_mode.h"
#include "window/mainwindow.h"

int main(int argc, char *argv[]) {
    if (isBatchCommandLine(argc, argv)) return runBatchMode(argc, argv);
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    return app.exec();
}
