// Slots and builders of the results side and the information panels that
// are not implemented yet. Each one moves into the source file of its own
// feature when that feature is built.
#include <QWidget>

#include "mainwindow.h"

void MainWindow::ueberClicked() {}

void MainWindow::HilfeClicked() {}

void MainWindow::materialeigenschaftenClicked() {}

void MainWindow::set_img_baus() {}

void MainWindow::set_img_bewe() {}

void MainWindow::set_img_bet() {}

void MainWindow::set_img_geo_bet() {}

void MainWindow::set_img_geo_bau() {}

void MainWindow::set_materialeigenschaften() {}
