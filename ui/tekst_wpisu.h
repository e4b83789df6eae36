#pragma once
// Wpis dziennika w oknie: w wybranym jezyku, kwoty jako tekst TLV (konsola ma jednostki).

#include <QString>

#include "core/dziennik.h"

[[nodiscard]] QString tekstWpisuWOknie(const Wpis& wpis);

// Krotki opis odmowy serwera do statusu zakladki Siec (kontekst "MainWindow") albo nullptr,
// gdy wpis nie jest odmowa przyjecia lancucha.
[[nodiscard]] const char* opisOdmowyWStatusie(RodzajWpisu rodzaj);
