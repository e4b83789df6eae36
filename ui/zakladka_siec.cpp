// Zakladka Siec: nasluch, znane wezly i seedy.
// Zachowanie dochodzi razem z warstwa sieci; na razie sloty istnieja i sa podlaczone.
#include "mainwindow.h"

void MainWindow::naNasluchuj() {}

void MainWindow::naNasluchGotowy(bool, int) {}

void MainWindow::naWezelWykryty(QString, int) {}

void MainWindow::naDodajWezel() {}

void MainWindow::naUsunWezel() {}

void MainWindow::naDodajSeed() {}

void MainWindow::naUsunSeed() {}

void MainWindow::naRozgloscTeraz() {}

void MainWindow::naBootstrapZakonczony() {}

void MainWindow::odswiezWezly() {}

void MainWindow::odswiezSeedy() {}

void MainWindow::bootstrapZSeedow() {}
