#pragma once
// Zakladka Przeglad: klucz, saldo, wysokosc lancucha, jeden blok i kopanie w petli.

#include <QWidget>

#include <cstdint>

#include "net/rozgloszenie.h"
#include "wezel/obserwator_wezla.h"

class DaneOkna;
namespace Ui {
class MainWindow;
}

class ZakladkaPrzeglad : public QWidget {
public:
    explicit ZakladkaPrzeglad(QWidget* rodzic = nullptr) : QWidget(rodzic) {}

    // Po zbudowaniu formularza: polaczenia i pierwsze wypelnienie.
    void przygotuj(DaneOkna& dane, Ui::MainWindow& formularz);
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

    DaneOkna* dane = nullptr;
    Ui::MainWindow* ui = nullptr;
    std::int64_t wysokoscStartowa = 0;
    // Rozgloszenie jednego bloku w toku: zatrzymanie petli nie odblokowuje wtedy buttonKop.
    bool rozglaszanieBloku = false;
};
