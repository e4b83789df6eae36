// Listy zakladek Lancuch i Odebrane budowane z mojLancuch.
// Wypelnianie list dochodzi w nastepnym kroku; na razie listy zostaja puste.
#include "mainwindow.h"

void MainWindow::odswiezListeBlokow() {}

void MainWindow::odswiezOdebrane() {}

void MainWindow::naOdswiezOdebrane() {}
