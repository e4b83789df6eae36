#pragma once
// Wspolne kroki testow okna glownego: portfel i lancuch w folderze roboczym, odczyt list,
// liczba blokow w pliku i odpowiedz na pytanie potwierdzenia.

#include <QMessageBox>
#include <QStringList>

#include <cstdint>
#include <string>

#include "blockchain.h"
#include "klucze.h"
#include "pomoc_okien.h"

class QListWidget;

// Kwota w jednostkach z tekstu dziesietnego (tylko dla poprawnych tekstow testu).
[[nodiscard]] std::int64_t jednostki(const char* tekst);

// Zapisuje moj_portfel.dat z nowa para i ja zwraca.
[[nodiscard]] ParaKluczy zapiszNowyPortfel();

// Blok wykopany szybko (trudnosc 0): tylko widoki, bez dowodu pracy.
void dopiszBlok(Blockchain& lancuch, const std::string& gornik, const std::vector<Transakcja>& platnosci = {});
void zapiszLancuchTestu(const Blockchain& lancuch);

[[nodiscard]] QStringList liniePozycji(const QListWidget* lista);
[[nodiscard]] std::size_t blokiWPlikuLancucha();

// Krotki klucz widokow: 12 znakow i "...".
[[nodiscard]] QString skrot12(const std::string& klucz);

// Nastepne okno modalne (pytanie potwierdzenia) dostaje odpowiedz `odpowiedz`;
// zapamietuje tytul i tekst pytania.
struct OdpowiedzNaPytanie {
    QString tytul;
    QString tekst;
    QMessageBox::StandardButton domyslny = QMessageBox::NoButton;
};
void odpowiedzNaPytanie(SterownikOkien& sterownik, QMessageBox::StandardButton odpowiedz,
                        OdpowiedzNaPytanie* widziane = nullptr);
