#pragma once
// Jeden lancuch na plik w calym procesie: ostatni stan, ktory ktorys watek wczytal albo
// zapisal. Inne watki biora z niego kopie (pelne segmenty blokow sa wspolne, wiec kopia
// kosztuje tyle, co niepelny ostatni segment) zamiast czytac i trzymac plik po swojemu.
// Wolajacy trzyma mutexPlikuLancucha.

#include <string>

#include "core/blockchain.h"

// Gdy zapamietany stan pliku `sciezka` jest zgodny z plikiem na dysku, a `ksiega` go jeszcze
// nie ma, `ksiega` go przejmuje (z wlasna pamiecia pomocnicza, jesli dalej pasuje).
[[nodiscard]] bool wezLancuchProcesu(Blockchain& ksiega, const std::string& sciezka);

// `ksiega` jest zgodna ze swoim plikiem: zapamietuje ja jako stan tego pliku.
void zapamietajLancuchProcesu(const Blockchain& ksiega);
