#pragma once
// Znane wezly i seedy: rekord, format wiersza i operacje na plikach.
// Kazda operacja na pliku wezlow lub seedow idzie pod jedna blokada procesu.

#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* PLIK_WEZLOW = "wezly.dat";
inline constexpr const char* PLIK_SEEDOW = "seedy.dat";

struct Wezel {
    std::string ip;
    int port = 0;
    std::string kluczPubliczny;
    std::string nazwa;

    bool operator==(const Wezel&) const = default;
};

[[nodiscard]] std::string przytnij(std::string_view tekst);
[[nodiscard]] bool parsujWierszWezla(std::string_view wiersz, Wezel& wezel);
[[nodiscard]] std::string wierszWezla(const Wezel& wezel);
[[nodiscard]] std::vector<Wezel> wezlyZTekstu(std::string_view tekst);
[[nodiscard]] std::string wezlyDoTekstu(const std::vector<Wezel>& wezly);

[[nodiscard]] std::vector<Wezel> wczytajWezly(const std::string& plik);
void zapiszWezly(const std::string& plik, const std::vector<Wezel>& wezly);
void dodajLubUzupelnijWezel(const std::string& plik, const std::string& ip, int port,
                            const std::string& klucz, const std::string& nazwa);
void usunWezel(const std::string& plik, const std::string& ip, int port);
[[nodiscard]] int usunSiebieZListy(const std::string& plik, int mojPort);

// Jak dodajLubUzupelnijWezel, ale mowi, czy wezla wczesniej w pliku nie bylo.
// Sprawdzenie i dopisanie dzieja sie pod ta sama blokada.
[[nodiscard]] bool dodajNowyLubUzupelnij(const std::string& plik, const Wezel& wezel);
