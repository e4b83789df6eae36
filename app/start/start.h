#pragma once
// Przebieg startu programu: jezyk, biblioteki, dialogi, okno glowne i petla zdarzen.

#include <QString>

#include <functional>

#include "core/dziennik.h"

#include "wezel/katalog_danych.h"

class QApplication;
class QTranslator;

// Biblioteki startowane przed oknami; podmieniane tylko w testach sciezek bledu.
struct BibliotekiStartu {
    std::function<int()> inicjalizujSodium;
    std::function<bool()> inicjalizujSiec;
    std::function<void()> zakonczSiec;
};

[[nodiscard]] BibliotekiStartu prawdziweBiblioteki();

// Zawartosc jezyk.txt jako UTF-8 bez bialych znakow na brzegach; pusty tekst, gdy brak pliku.
[[nodiscard]] QString wczytajJezyk(const KatalogDanych& katalog);

// Kod z jezyk.txt, a gdy go nie ma, z dialogu wyboru jezyka.
[[nodiscard]] QString ustalJezyk(const KatalogDanych& katalog);

// Laduje katalog dla kodu innego niz "pl_PL" i instaluje go w aplikacji, tylko gdy sie
// wczytal. True, gdy tlumaczenie zostalo zainstalowane.
bool zainstalujTlumaczenie(QTranslator& tlumacz, const QString& kod);

// Laduje i instaluje katalog Qt dla kodu (takze dla "pl_PL": przyciski Yes/No sa w Qt po
// angielsku). True, gdy tlumaczenie zostalo zainstalowane.
bool zainstalujTlumaczenieQt(QTranslator& tlumacz, const QString& kod);

// Wszystko po utworzeniu obiektu aplikacji; wynik to kod wyjscia programu. Okno i jego
// watki zglaszaja wszystko do `dziennik`.
[[nodiscard]] int uruchomProgram(QApplication& aplikacja, const BibliotekiStartu& biblioteki,
                                 const KatalogDanych& katalog, Dziennik& dziennik);
