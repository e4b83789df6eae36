#pragma once
// Sprawdzenie frazy wpisanej przez uzytkownika; potrzebuje Qt (male litery w pelnym
// Unicode i tlumaczone komunikaty), dlatego nie lezy w portfelu.

#include <string>
#include <string_view>

#include "portfel/fraza.h"

// Wynik sprawdzenia wpisanej frazy: 12 slow albo przetlumaczony komunikat (UTF-8).
struct SprawdzonaFraza {
    Fraza slowa;
    std::string komunikat;

    [[nodiscard]] bool poprawna() const { return komunikat.empty(); }
};

// Wpisany tekst (UTF-8) -> male litery (pelny Unicode), podzial, liczba slow, lista.
// Komunikaty ida przez QCoreApplication::translate w kontekscie "QObject".
[[nodiscard]] SprawdzonaFraza sprawdzFraze(std::string_view wpisanyTekst);
