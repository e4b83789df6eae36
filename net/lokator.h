#pragma once
// Lokator lancucha i odpowiedzi dawcy: hashe na wybranych wysokosciach pozwalaja drugiej
// stronie znalezc ostatni wspolny blok w kilku wymianach, a kawalki blokow ida od wskazanej
// wysokosci, najwyzej MAKS_BAJTOW_KAWALKA tekstu naraz.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/lancuch_blokow.h"
#include "net/wiadomosci_synchronizacji.h"

// Szczyt i dziesiec blokow pod nim, dalej co 2, 4, 8, ... i na koncu geneza.
[[nodiscard]] std::vector<WpisLokatora> zbudujLokator(const LancuchBlokow& bloki);
// Najwyzej WPISOW_ZAWEZENIA wysokosci rowno rozlozonych w [od, do_) (tylko istniejace bloki),
// malejaco; zawsze z `od`, jesli istnieje.
[[nodiscard]] std::vector<WpisLokatora> lokatorWPrzedziale(const LancuchBlokow& bloki,
                                                           const Szukaj& przedzial);

// Wynik porownania lokatora z wlasnymi blokami.
struct Dopasowanie {
    // Liczba wspolnych blokow: najwyzsza zgodna wysokosc plus jeden (0: nic wspolnego).
    std::uint64_t wspolnych = 0;
    // Najnizsza niezgodna wysokosc lokatora nad zgodna: rozejscie lezy w [wspolnych, granica].
    std::uint64_t granica = 0;
};

// `granica` startuje od liczby blokow dawcy; wpisy lokatora musza miec malejace wysokosci.
[[nodiscard]] Dopasowanie dopasujLokator(const LancuchBlokow& wlasne,
                                         const std::vector<WpisLokatora>& lokator,
                                         std::uint64_t wspolnych, std::uint64_t granica);

// Odpowiedz dawcy na prosbe SZUKAJ albo DAJ; nic, gdy wiadomosc nie jest taka prosba.
[[nodiscard]] std::optional<std::string> odpowiedzDawcy(const LancuchBlokow& bloki,
                                                        std::string_view prosba);
