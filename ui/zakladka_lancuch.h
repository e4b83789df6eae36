#pragma once
// Zakladka Lancuch: lista blokow (model nad lancuchem okna) i jej odswiezanie.

#include <QWidget>

#include "core/blockchain.h"

class DaneOkna;
class ModelListyBlokow;
namespace Ui {
class MainWindow;
}

class ZakladkaLancuch : public QWidget {
public:
    explicit ZakladkaLancuch(QWidget* rodzic = nullptr) : QWidget(rodzic) {}

    void przygotuj(DaneOkna& dane, Ui::MainWindow& formularz);
    // Cala lista od nowa.
    void odswiez();

private:
    // Gdy lancuch tylko urosl od `przed`, lista dostaje same nowe wiersze.
    void poZmianie(const Punkt& przed);

    DaneOkna* dane = nullptr;
    Ui::MainWindow* ui = nullptr;
    ModelListyBlokow* model = nullptr;
};
