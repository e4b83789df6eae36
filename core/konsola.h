#pragma once
// Wiersze konsoli: kazdy skladany w calosci i wypisywany jednym zapisem, zeby watki
// piszace naraz nie przeplataly sie w srodku wiersza.

#include <sstream>
#include <string_view>

// Wypisuje gotowy tekst (z koncem wiersza) jednym zapisem na standardowe wyjscie.
void wypiszTekst(std::string_view tekst);

// Sklada czesci jak operator << i wypisuje je razem jednym zapisem.
template <typename... Czesci>
void wypisz(const Czesci&... czesci)
{
    std::ostringstream tekst;
    (tekst << ... << czesci);
    wypiszTekst(tekst.view());
}
