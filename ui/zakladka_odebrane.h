#pragma once
// Zakladka Odebrane: platnosci od innych, od najnowszej.

#include <QWidget>

#include <cstddef>

#include "core/blockchain.h"

class DaneOkna;
namespace Ui {
class MainWindow;
}

class ZakladkaOdebrane : public QWidget {
public:
    explicit ZakladkaOdebrane(QWidget* rodzic = nullptr) : QWidget(rodzic) {}

    void przygotuj(DaneOkna& dane, Ui::MainWindow& formularz);
    // Cala lista od nowa.
    void odswiez();

private:
    // Gdy lancuch tylko urosl od `przed`, nowe wiersze trafiaja na gore listy.
    void poZmianie(const Punkt& przed);

    DaneOkna* dane = nullptr;
    Ui::MainWindow* ui = nullptr;
    // Ile blokow lancucha lista juz pokazuje.
    std::size_t pokazaneBloki = 0;
    // Lista pokazuje tylko wiersz "nic nie odebrano".
    bool odebranePuste = true;
};
