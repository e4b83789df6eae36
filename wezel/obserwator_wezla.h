#pragma once
// Zdarzenia wezla dla tego, kto go uzywa (okno, wezel bez okna). Wolane na watkach wezla:
// obserwator sam przenosi je tam, gdzie ich potrzebuje. Domyslnie nic nie robi.

#include <cstdint>
#include <string>

#include "net/decyzja_serwera.h"
#include "net/rozgloszenie.h"

// Po co rozglaszano lancuch: wynik wraca z tym samym celem.
enum class CelRozgloszenia { wyslanie, blok, reczne };
// Po co pobierano lancuch: przed jednym blokiem wynik zaczyna kopanie.
enum class CelPobrania { zwykle, przedBlokiem };

// Co dalo pobieranie od kilku wezlow.
struct WynikPobieraniaOdWezlow {
    bool przyjeto = false;
    // Najdluzszy lancuch, ktory odrzucil wlasny straznik salda (0: zaden).
    std::int64_t odrzuconySaldem = 0;
};

class ObserwatorWezla {
public:
    virtual ~ObserwatorWezla() = default;

    // Nasluch na porcie otwarty albo nie (port zajety).
    virtual void nasluchGotowy(int /*port*/, bool /*sukces*/) {}
    // Ogloszenie obecnosci wezla, ktorego nie bylo w pliku wezlow.
    virtual void wykrytoWezel(const std::string& /*ip*/, int /*port*/) {}
    virtual void rozgloszono(const WynikRozgloszenia& /*wynik*/, CelRozgloszenia /*cel*/) {}
    // Bootstrap z seedow skonczony (plik wezlow mogl sie zmienic).
    virtual void bootstrapZakonczony() {}
    // Pobieranie od `dawca` ("A:P"): ile blokow ma juz zlozony lancuch i ile dawca.
    virtual void postepPobierania(const std::string& /*dawca*/, std::uint64_t /*mam*/,
                                  std::uint64_t /*wszystkie*/) {}
    // Lancuch dawcy przyjety albo odrzucony (rodzaj decyzji to powod).
    virtual void decyzjaOLancuchu(const std::string& /*dawca*/, const Decyzja& /*decyzja*/) {}
    virtual void pobieranieZakonczone(const WynikPobieraniaOdWezlow& /*wynik*/, CelPobrania /*cel*/) {}
    // Petla kopania zapisala nowy blok.
    virtual void wykopanoBlok() {}
    // Bloku petli nie dalo sie zapisac: petla staje sama.
    virtual void zapisNieudany() {}
    // Petla kopania skonczyla sie (zatrzymana albo po nieudanym zapisie).
    virtual void petlaZatrzymana(bool /*poBledzieZapisu*/) {}
};
