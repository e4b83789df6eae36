#pragma once
// Glowne okno programu: gospodarz szesciu zakladek. Portfel, lancuch i wezel trzymaja
// wspolne dane zakladek (DaneOkna); kazda zakladka to osobna klasa.

#include <QMainWindow>
#include <QString>

#include "core/dziennik.h"
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
    // Wszystko, co okno i wezel zglaszaja, idzie do `dziennik`.
    MainWindow(const KatalogDanych& katalog, Dziennik& dziennik, QString nazwa,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Wysokosc, przy ktorej zadna zakladka nie przewija, o ile miesci sie na ekranie.
    void dopasujDoEkranu();
    // Wspolne dane zakladek: lancuch w pamieci, portfel i wezel.
    [[nodiscard]] DaneOkna& dane() { return *daneOkna; }

private:
    // Komunikat o portfelu, ktory byl dostepny dla innych (prawa juz poprawione).
    void ostrzezOPrawachPortfela();
    // Zakladka Dziennik w oknie i odmowy w statusie (plik zakladki Dziennik).
    void podlaczDziennik();
    void odlaczDziennik();
    void odbierzWpis(const Wpis& wpis);

    Ui::MainWindow* ui = nullptr;
    Dziennik& dziennik;
    DaneOkna* daneOkna = nullptr;
    // Wpisy dziennika; odmowy serwera pokazywane chwilowo w statusie nasluchu.
    ZakladkaDziennik* zakladkaDziennik = nullptr;
    StatusChwilowy* statusOdmowy = nullptr;
};
