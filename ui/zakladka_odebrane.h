#pragma once
// Zakladka Odebrane: platnosci od innych, od najnowszej.

#include <cstddef>

#include "core/blockchain.h"
#include "ui/zakladka.h"

class ZakladkaOdebrane : public Zakladka {
public:
    // Cala lista od nowa.
    void odswiez();

private:
    // Gdy lancuch tylko urosl od `przed`, nowe wiersze trafiaja na gore listy.
    void poZmianie(const Punkt& przed);
    void poPodpieciu() override;

    // Ile blokow lancucha lista juz pokazuje.
    std::size_t pokazaneBloki = 0;
    // Lista pokazuje tylko wiersz "nic nie odebrano".
    bool odebranePuste = true;
};
