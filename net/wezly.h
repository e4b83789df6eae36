#pragma once
// Znane wezly i seedy: rekord, format wiersza i operacje na plikach.
// Kazda operacja na pliku wezlow lub seedow idzie pod jedna blokada procesu.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* PLIK_WEZLOW = "wezly.dat";
inline constexpr const char* PLIK_SEEDOW = "seedy.dat";

// Limity tego, co obcy wezel moze dopisac do naszego pliku wezlow.
inline constexpr std::size_t MAKS_WEZLOW_Z_WIADOMOSCI = 1000;
inline constexpr std::size_t MAKS_WEZLOW_W_PLIKU = 10000;
inline constexpr std::size_t MAKS_DLUGOSC_NAZWY_WEZLA = 64;

struct Wezel {
    std::string ip;
    int port = 0;
    std::string kluczPubliczny;
    std::string nazwa;

    bool operator==(const Wezel&) const = default;
};

[[nodiscard]] std::string przytnij(std::string_view tekst);
// Dlugosc tekstu obcietego do najwyzej `maks` bajtow bez rozcinania znaku UTF-8.
[[nodiscard]] std::size_t dlugoscNaGranicyZnaku(std::string_view tekst, std::size_t maks);
[[nodiscard]] bool parsujWierszWezla(std::string_view wiersz, Wezel& wezel);
[[nodiscard]] std::string wierszWezla(const Wezel& wezel);
// Tozsamosc wezla: adres i port (klucz i nazwa sie nie licza).
[[nodiscard]] std::string kluczWezla(const Wezel& wezel);
[[nodiscard]] std::vector<Wezel> wezlyZTekstu(std::string_view tekst);
// Najwyzej `maks` pierwszych wpisow; dalszej czesci tekstu nie czyta.
[[nodiscard]] std::vector<Wezel> wezlyZTekstu(std::string_view tekst, std::size_t maks);
[[nodiscard]] std::string wezlyDoTekstu(const std::vector<Wezel>& wezly);

[[nodiscard]] std::vector<Wezel> wczytajWezly(const std::string& plik);
void zapiszWezly(const std::string& plik, const std::vector<Wezel>& wezly);
void dodajLubUzupelnijWezel(const std::string& plik, const std::string& ip, int port,
                            const std::string& klucz, const std::string& nazwa);
void usunWezel(const std::string& plik, const std::string& ip, int port);
[[nodiscard]] int usunSiebieZListy(const std::string& plik, int mojPort);

// Czy wpis wolno zapisac: adres IPv4 w zapisie kropkowym, port 1..65535, klucz pusty albo
// 64 cyfry szesnastkowe. Za dluga nazwa jest przycinana do 64 bajtow na granicy znaku UTF-8.
[[nodiscard]] bool przygotujWezelDoZapisu(Wezel& wezel);

// Scala liste z plikiem jednym odczytem i jednym zapisem: nowe wpisy na koniec, znanym
// uzupelnia puste klucz i nazwe. W pelnym pliku (MAKS_WEZLOW_W_PLIKU) nowy wpis zajmuje
// miejsce wpisu, ktory najdluzej zawodzi; gdy zaden nie zawodzi, nowy przepada. Wpisy,
// ktorych nie wolno zapisac, pomija. Zwraca liczbe dopisanych; `dopisane` dostaje je same.
[[nodiscard]] int scalWezly(const std::string& plik, const std::vector<Wezel>& nowe,
                            std::vector<Wezel>* dopisane = nullptr);

// Jak dodajLubUzupelnijWezel, ale mowi, czy wezla wczesniej w pliku nie bylo.
// Sprawdzenie i dopisanie dzieja sie pod ta sama blokada; pelny plik jak w scalWezly.
[[nodiscard]] bool dodajNowyLubUzupelnij(const std::string& plik, const Wezel& wezel);
