#pragma once
// Wiersze zakladek Lancuch i Odebrane: wzory (przetlumaczone raz) i tekst jednej transakcji.

#include <QString>

#include <cstdint>
#include <string>

#include "core/transakcja.h"

// "12.5 TLV": wzor bez tlumaczenia.
[[nodiscard]] QString tekstKwoty(std::int64_t kwota);
// Pierwsze 12 znakow klucza i "..."; krotszy klucz w calosci.
[[nodiscard]] QString krotkiKlucz(const std::string& klucz);
// Klucz w etykiecie: pierwsze 8 znakow, "...", ostatnie 8.
[[nodiscard]] QString skrotKlucza(const QString& klucz);

// Wzory przetlumaczone raz na przebudowe, nie raz na transakcje.
struct WzoryLinii {
    QString geneza;
    QString mojaNagroda;
    QString cudzaNagroda;
    QString doSiebie;
    QString wyslano;
    QString otrzymano;
    QString obcy;

    // Wzory w biezacym jezyku.
    [[nodiscard]] static WzoryLinii przetlumaczone();
};

// Pierwszy pasujacy wiersz tabeli linii zakladki Lancuch.
[[nodiscard]] QString liniaTransakcji(const WzoryLinii& wzory, const QString& indeks,
                                      const Transakcja& tx, const std::string& ja);
