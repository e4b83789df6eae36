#pragma once
// Zakladka Przeglad: klucz, saldo, wysokosc lancucha, jeden blok i kopanie w petli.

#include <cstdint>

#include "net/rozgloszenie.h"
#include "ui/zakladka.h"
#include "wezel/obserwator_wezla.h"

class ZakladkaPrzeglad : public Zakladka {
public:
    // Klucz, saldo, wysokosc i stan petli z lancucha w pamieci.
    void odswiez();

private:
    void naKopiujKlucz();
    void naKopBlok();
    void kopJedenBlok();
    void naKopWPetli();
    void zatrzymajPetleKopania();
    void naPetlaKopaniaPrzerwana();
    void naRozgloszono(CelRozgloszenia cel);
    void naPobrano(bool potemKop);
    void blokujNaCzasPetli(bool blokuj);
    void pokazDluzszyOdrzucony();
    void poPodpieciu() override;

    std::int64_t wysokoscStartowa = 0;
    // Rozgloszenie jednego bloku w toku: zatrzymanie petli nie odblokowuje wtedy buttonKop.
    bool rozglaszanieBloku = false;
};
