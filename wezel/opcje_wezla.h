#pragma once
// Opcje wiersza polecen wezla bez okna.

#include <string>
#include <vector>

#include "net/wezly.h"

inline constexpr int DOMYSLNY_PORT_WEZLA = 1700;

enum class AkcjaWezla { Uruchom, Pomoc, Wersja };

struct OpcjeWezla {
    AkcjaWezla akcja = AkcjaWezla::Uruchom;
    std::string katalog = ".";
    int port = DOMYSLNY_PORT_WEZLA;
    bool bezObecnosci = false;
    bool bezSynchronizacji = false;
    bool kop = false;
    std::vector<Wezel> seedy;
};

// False z opisem w `blad` przy nieznanej opcji, brakujacej lub zlej wartosci.
[[nodiscard]] bool czytajOpcjeWezla(int argc, const char* const* argv, OpcjeWezla& opcje,
                                    std::string& blad);

[[nodiscard]] std::string pomocWezla(const std::string& program);
