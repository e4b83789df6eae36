#pragma once
// Wiersze konsoli: kazdy skladany w calosci i wypisywany jednym zapisem, zeby watki
// piszace naraz nie przeplataly sie w srodku wiersza.

#include <sstream>
#include <string>
#include <string_view>

// Wypisuje gotowy tekst (z koncem wiersza) jednym zapisem na standardowe wyjscie.
void wypiszTekst(std::string_view tekst);

// To samo na standardowe wyjscie bledow.
void wypiszTekstBledu(std::string_view tekst);

// Sklada czesci jak operator << w jeden tekst.
template <typename... Czesci>
[[nodiscard]] std::string zlozWiersz(const Czesci&... czesci)
{
    std::ostringstream tekst;
    (tekst << ... << czesci);
    return std::move(tekst).str();
}

// Sklada czesci i wypisuje je razem jednym zapisem.
template <typename... Czesci>
void wypisz(const Czesci&... czesci)
{
    wypiszTekst(zlozWiersz(czesci...));
}

template <typename... Czesci>
void wypiszBlad(const Czesci&... czesci)
{
    wypiszTekstBledu(zlozWiersz(czesci...));
}
