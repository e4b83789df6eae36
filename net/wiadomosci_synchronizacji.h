#pragma once
// Wiadomosci synchronizacji blokami miedzy wezlami tego programu: zamiast calego lancucha
// strony wymieniaja lokator (hashe na wybranych wysokosciach), szukaja ostatniego wspolnego
// bloku i przesylaja tylko bloki za nim, w kawalkach. Kazda wiadomosc zaczyna sie wierszem
// "TLVS1 <rodzaj>": wezel, ktory zna tylko wymiane calych lancuchow, nie widzi w niej
// lancucha, odrzuca ja jednym wierszem i odpowiada lista wezlow albo niczym.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view PREFIKS_SYNCHRONIZACJI = "TLVS1 ";
// Najwiecej wpisow lokatora w jednej wiadomosci.
inline constexpr std::size_t MAKS_WPISOW_LOKATORA = 128;
// Wpisy przy zawezaniu miejsca rozejscia: luka maleje tyle razy na jedna wymiane.
inline constexpr std::size_t WPISOW_ZAWEZENIA = 64;
// Tekst blokow w jednym kawalku; pierwszy blok idzie zawsze, nawet wiekszy.
inline constexpr std::size_t MAKS_BAJTOW_KAWALKA = 16 * 1024 * 1024;
// Najdluzsza wiadomosc synchronizacji: kawalek z zapasem na jeden duzy blok i liste wezlow.
inline constexpr long long MAKS_WIADOMOSCI_SYNCHRONIZACJI = 20LL * 1024 * 1024;

enum class RodzajWiadomosci { oferta, stan, szukaj, lokator, daj, bloki, decyzja, obca };

// Wysokosc to indeks bloku w lancuchu (geneza ma 0).
struct WpisLokatora {
    std::uint64_t wysokosc = 0;
    std::string hash;

    bool operator==(const WpisLokatora&) const = default;
};

// Dawca mowi, ile ma blokow, i daje lokator swojego lancucha (wysokosci malejaco).
struct Oferta {
    std::uint64_t liczbaBlokow = 0;
    std::vector<WpisLokatora> lokator;
    std::string_view wezly;
};

// Prosba o wpisy lokatora na wysokosciach miedzy `od` a `do_` (oba wylacznie).
struct Szukaj {
    std::uint64_t od = 0;
    std::uint64_t do_ = 0;
};

// Kawalek blokow od wysokosci `od`; `liczbaBlokow`: ile dawca ma ich wszystkich.
struct Bloki {
    std::uint64_t od = 0;
    std::uint64_t liczbaBlokow = 0;
    std::string_view tekst;
};

// Decyzja odbiorcy wypchniecia, odeslana nadawcy.
enum class KodDecyzji { przyjety, juzMial, nieDluzszy, saldo, niepoprawny, odmowa };

// Liczby, ktorymi odbiorca uzasadnia decyzje: dlugosci obu lancuchow i wlasne saldo przed
// i po przyjeciu.
struct LiczbyDecyzji {
    std::int64_t ileOtrzymany = 0;
    std::int64_t ileMoj = 0;
    std::int64_t przed = 0;
    std::int64_t po = 0;
};

struct DecyzjaWezla : LiczbyDecyzji {
    KodDecyzji kod = KodDecyzji::odmowa;
    std::string_view wezly;
};

[[nodiscard]] RodzajWiadomosci rodzajWiadomosci(std::string_view wiadomosc);

[[nodiscard]] std::string tekstOferty(std::uint64_t liczbaBlokow,
                                      const std::vector<WpisLokatora>& lokator,
                                      std::string_view wezly);
[[nodiscard]] std::string tekstStanu(std::string_view wezly);
[[nodiscard]] std::string tekstSzukaj(const Szukaj& szukaj);
[[nodiscard]] std::string tekstLokatora(const std::vector<WpisLokatora>& lokator);
[[nodiscard]] std::string tekstDaj(std::uint64_t od);
// Naglowek wiadomosci z kawalkiem; tekst blokow idzie za nim jako osobna czesc ramki.
[[nodiscard]] std::string naglowekBlokow(std::uint64_t od, std::uint64_t liczbaBlokow);
[[nodiscard]] std::string tekstDecyzji(const DecyzjaWezla& decyzja);

// Odczyty sprawdzaja wszystko, co przyszlo od obcego wezla: liczby bez znaku i zer
// wiodacych, limity wpisow, porzadek wysokosci. Widoki wskazuja w `wiadomosc`.
[[nodiscard]] bool parsujOferte(std::string_view wiadomosc, Oferta& oferta);
[[nodiscard]] bool parsujStan(std::string_view wiadomosc, std::string_view& wezly);
[[nodiscard]] bool parsujSzukaj(std::string_view wiadomosc, Szukaj& szukaj);
[[nodiscard]] bool parsujLokator(std::string_view wiadomosc, std::vector<WpisLokatora>& lokator);
[[nodiscard]] bool parsujDaj(std::string_view wiadomosc, std::uint64_t& od);
[[nodiscard]] bool parsujKawalek(std::string_view wiadomosc, Bloki& bloki);
[[nodiscard]] bool parsujDecyzje(std::string_view wiadomosc, DecyzjaWezla& decyzja);
