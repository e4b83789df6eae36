#pragma once
// Lancuchy do testow: niska trudnosc i kopanie bez wypisywania.

#include <string>

#include "blockchain.h"
#include "pomoc_testow.h"

// Adres, ktorego nikt nie posiada (dla nagrod "kogos innego").
inline const std::string OBCY_ADRES(64, 'e');

// Dopisuje `ile` blokow z sama nagroda dla `gornik`.
inline void dokop(Blockchain& lancuch, const std::string& gornik, int ile)
{
    PrzechwycWyjscie cisza;
    for (int i = 0; i < ile; ++i)
        lancuch.wykopIDodajBlok(gornik, {});
}

// Lancuch z niska trudnoscia, zeby testy nie czekaly na kopanie.
inline Blockchain lancuchTestowy(int trudnosc = 1, int ile = 0,
                                 const std::string& gornik = OBCY_ADRES)
{
    Blockchain lancuch;
    lancuch.trudnosc = trudnosc;
    dokop(lancuch, gornik, ile);
    return lancuch;
}

// Po recznej zmianie: od bloku `od` wiaze kazdy blok z poprzednim i przelicza jego hash.
inline void przeliczOd(Blockchain& lancuch, std::size_t od)
{
    for (std::size_t i = od; i < lancuch.lancuch.size(); ++i) {
        if (i > 0)
            lancuch.lancuch[i].poprzedniHash = lancuch.lancuch[i - 1].hash;
        lancuch.lancuch[i].hash = lancuch.lancuch[i].obliczHash();
    }
}
