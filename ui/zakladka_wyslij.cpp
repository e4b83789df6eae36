// Zakladka Wyslij: sprawdzenie pol, potwierdzenie, blok z platnoscia, rozgloszenie.
// Zachowanie dochodzi w nastepnym kroku; na razie sloty istnieja i sa podlaczone.
#include "mainwindow.h"

void MainWindow::naWyslij() {}

void MainWindow::naWybranoZnanegoOdbiorce(int) {}
