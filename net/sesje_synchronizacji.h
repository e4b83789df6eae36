#pragma once
// Serwer w rozmowie synchronizacji: wezel, ktory wypycha (OFERTA), daje bloki, a serwer je
// bierze i odsyla swoja decyzje; wezel, ktory pobiera (STAN), dostaje oferte i kawalki.

#include <string>
#include <string_view>

#include "net/kanal.h"

struct KontekstSerwera;

// Pierwsza wiadomosc rozmowy juz odebrana; dalsze ida przez `kanal` (bez kanalu rozmowa
// konczy sie na pierwszej odpowiedzi). Zwraca ostatnia odpowiedz do wyslania (moze byc
// pusta); `przyjeto`: zywy lancuch zmienil sie na dluzszy.
[[nodiscard]] std::string obsluzSynchronizacje(KontekstSerwera& kontekst,
                                               std::string_view wiadomosc, Kanal* kanal,
                                               bool& przyjeto);
