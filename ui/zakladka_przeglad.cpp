// Zakladka Przeglad: klucz, saldo, wysokosc lancucha i przyciski kopania.
// Zachowanie przyciskow dochodzi w nastepnym kroku; na razie sloty istnieja i sa podlaczone.
#include "mainwindow.h"

void MainWindow::naKopiujKlucz() {}

void MainWindow::naOdswiez() {}

void MainWindow::naKopBlok() {}

void MainWindow::naKopWPetli() {}

void MainWindow::odswiezPrzeglad() {}
