#pragma once
// Budowanie lancuchow do testow.

#include <string>

#include "blockchain.h"
#include "klucze.h"

// Adres, ktorego nikt nie posiada (dla nagrod "kogos innego").
inline const std::string OBCY_ADRES(64, 'e');

// Lancuch z niska trudnoscia, zeby testy nie czekaly na kopanie.
[[nodiscard]] Blockchain lancuchTestowy(int trudnosc = 1);

// Dopisuje `ile` blokow z sama nagroda dla `gornik`.
void dokop(Blockchain& lancuch, const std::string& gornik, int ile);

// Przelicza hash bloku po recznej zmianie jego pol.
void przeliczHash(Blok& blok);
