#pragma once
// Strona, ktora bierze bloki od dawcy przez kanal: znajduje ostatni wspolny blok (lokator
// i zawezanie), prosi o kolejne kawalki i przyjmuje je zwyklymi regulami (poprawnosc,
// scisle dluzszy, straznik salda), gdy tylko zlozony lancuch jest dluzszy niz wlasny.
// Dawca nie moze wyslac wiecej, niz bylo proszone, a to, co wysle, musi sie laczyc.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/dziennik.h"
#include "net/decyzja_serwera.h"
#include "net/kanal.h"
#include "net/wiadomosci_synchronizacji.h"

struct KontekstSerwera;

struct WynikPobierania {
    std::uint64_t ileDawca = 0;
    std::uint64_t ileMoj = 0;
    // Wlasny lancuch konczyl sie juz szczytem dawcy.
    bool juzMial = false;
    // Ostatnia decyzja o zlozonym lancuchu (brak: dawca nie mial nic dluzszego).
    std::optional<Decyzja> decyzja;
    bool przyjetoCokolwiek = false;
    // Dlaczego pobieranie skonczylo sie przed koncem lancucha dawcy (brak: nie przerwano).
    std::optional<PowodPrzerwania> przerwanie;
};

// Postep: ile blokow ma juz zlozony lancuch i ile ma dawca.
using ZglosPostep = std::function<void(std::uint64_t mam, std::uint64_t wszystkie)>;

// Najmniejszy kawalek, ktory nie konczy lancucha dawcy: skapy dawca nie zmusi nas
// do milionow wymian po jednym bloku.
inline constexpr std::size_t MIN_BAJTOW_KAWALKA = 1024 * 1024;

[[nodiscard]] WynikPobierania pobierzOdDawcy(KontekstSerwera& kontekst, Kanal& kanal,
                                             const Oferta& oferta, const ZglosPostep& postep);

// Wiersz konsoli o przerwaniu (z koncem wiersza); `dawca` to "A:P" albo opis.
[[nodiscard]] std::optional<Wpis> wpisPrzerwania(std::optional<PowodPrzerwania> przerwanie,
                                                 const std::string& dawca);
