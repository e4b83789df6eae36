#pragma once
// Zakladka Wyslij: sprawdzenie pol, potwierdzenie, blok z platnoscia, rozgloszenie i jego wynik.

#include <QString>

#include "net/rozgloszenie.h"
#include "ui/zakladka.h"

class ZakladkaWyslij : public Zakladka {
public:
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
    void poPodpieciu() override;

    // Rozgloszenie wyslanej transakcji w toku: buttonWyslij czeka na jego wynik.
    bool rozglaszanieWyslania = false;
    // Stan wysylki (w toku albo wynik); podczas petli pokazywany nad jej komunikatem.
    QString statusWyslania;
};
