// Form logic of the input side: enabling by profile type, presets, the
// profile table, and saving and opening input files.
#include "mainwindow.h"

void MainWindow::neuClicked() {}
void MainWindow::oeffnenClicked() {}
void MainWindow::speichernClicked() {}
void MainWindow::speichernunterClicked() {}
void MainWindow::baustahlProfilname() {}
void MainWindow::oeffnen(std::string) {}
void MainWindow::speichern(QString, int) {}
void MainWindow::set_Enabled() {}
void MainWindow::set_s_s() {}
void MainWindow::set_geo_bau() {}
bool MainWindow::dateiDialog(DateiDialog) { return false; }
void MainWindow::applyInputLine(int, const QStringList &) {}
