#pragma once
// Zakladka Lancuch: lista blokow (model nad lancuchem okna) i jej odswiezanie.

#include "core/blockchain.h"
#include "ui/zakladka.h"

class ModelListyBlokow;

class ZakladkaLancuch : public Zakladka {
public:
    // Cala lista od nowa.
    void odswiez();

private:
    void poPodpieciu() override;

    ModelListyBlokow* model = nullptr;
};
