// Rozglaszanie w tle, podglad zmian pliku lancucha i jego ponowne wczytanie.
// Zachowanie dochodzi razem z warstwa sieci; na razie sloty istnieja i sa podlaczone.
#include "mainwindow.h"

void MainWindow::rozglosWTle(int) {}

int MainWindow::mojPort() const
{
    // Do czasu odczytu pola portu: brak wlasnego portu.
    return -1;
}

void MainWindow::naSprawdzZmianyPliku() {}

void MainWindow::naOdswiezLancuch() {}

void MainWindow::naRozgloszonoWTle(int, int, int) {}
