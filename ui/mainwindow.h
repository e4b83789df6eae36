#pragma once
// Glowne okno programu: gospodarz szesciu zakladek. Portfel, lancuch i wezel trzymaja
// wspolne dane zakladek (DaneOkna); kazda zakladka to osobna klasa.

#include <QMainWindow>
#include <QString>

#include "wezel/katalog_danych.h"

class DaneOkna;
class StatusChwilowy;
class ZakladkaDziennik;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(const KatalogDanych& katalog, QString nazwa, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Wysokosc, przy ktorej zadna zakladka nie przewija, o ile miesci sie na ekranie.
    void dopasujDoEkranu();
    // Wspolne dane zakladek: lancuch w pamieci, portfel i wezel.
    [[nodiscard]] DaneOkna& dane() { return *daneOkna; }

private:
    // Komunikat o portfelu, ktory byl dostepny dla innych (prawa juz poprawione).
    void ostrzezOPrawachPortfela();
    // Zakladka Dziennik i droga linii konsoli do niej (plik zakladki Dziennik).
    void podlaczDziennik();
    void odlaczDziennik();
    void odbierzLinieKonsoli();

    Ui::MainWindow* ui = nullptr;
    DaneOkna* daneOkna = nullptr;
    // Linie konsoli wezla; odmowy serwera pokazywane chwilowo w statusie nasluchu.
    ZakladkaDziennik* zakladkaDziennik = nullptr;
    StatusChwilowy* statusOdmowy = nullptr;
};
