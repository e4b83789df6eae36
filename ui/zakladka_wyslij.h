#pragma once
// Zakladka Wyslij: sprawdzenie pol, potwierdzenie, blok z platnoscia, rozgloszenie i jego wynik.

#include <QString>
#include <QWidget>

#include "net/rozgloszenie.h"

class DaneOkna;
namespace Ui {
class MainWindow;
}

class ZakladkaWyslij : public QWidget {
public:
    explicit ZakladkaWyslij(QWidget* rodzic = nullptr) : QWidget(rodzic) {}

    void przygotuj(DaneOkna& dane, Ui::MainWindow& formularz);
    // Wynik rozgloszenia wyslanej transakcji (przychodzi z wezla).
    void pokazWynikWyslania(const WynikRozgloszenia& wynik);
    // Komunikat o wyniku wysylki: decyzje wezli, a bez nich same liczby.
    [[nodiscard]] static QString tekstWynikuWyslania(const WynikRozgloszenia& wynik);

private:
    void naWyslij();
    void naWybranoZnanegoOdbiorce(int indeks);
    void odswiezOdbiorcow();
    void blokujNaCzasPetli(bool blokuj);
    void pokazStatusWyslania();

    DaneOkna* dane = nullptr;
    Ui::MainWindow* ui = nullptr;
    // Rozgloszenie wyslanej transakcji w toku: buttonWyslij czeka na jego wynik.
    bool rozglaszanieWyslania = false;
    // Stan wysylki (w toku albo wynik); podczas petli pokazywany nad jej komunikatem.
    QString statusWyslania;
};
