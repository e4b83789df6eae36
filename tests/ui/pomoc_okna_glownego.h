#pragma once
// Wspolne kroki testow okna glownego: portfel i lancuch w folderze roboczym, odczyt list,
// liczba blokow w pliku i odpowiedz na pytanie potwierdzenia.

#include <QDateTime>
#include <QMessageBox>
#include <QStringList>

class QAbstractItemView;

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

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
// Czas modyfikacji pliku lancucha; dwa zapisy w tym samym tyknieciu zegara jadra mialyby ten sam.
[[nodiscard]] bool ustawCzasPliku(const QDateTime& czas);

[[nodiscard]] QStringList liniePozycji(const QAbstractItemView* lista);
[[nodiscard]] std::size_t blokiWPlikuLancucha();

// Gniazdo TCP zajmujace port na wszystkich adresach (jak zajety port); -1, gdy sie nie udalo.
[[nodiscard]] int zajmijPort(int port);


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

// Prawdziwy serwer wymiany lancuchow na 127.0.0.1:port, z plikami we wlasnym folderze.
// Stala liczba portu: tylko w prywatnej przestrzeni sieciowej testu.
class WezelPomocniczy {
public:
    explicit WezelPomocniczy(int port);
    ~WezelPomocniczy();
    WezelPomocniczy(const WezelPomocniczy&) = delete;
    WezelPomocniczy& operator=(const WezelPomocniczy&) = delete;

    [[nodiscard]] bool dziala() const { return gotowy.load() == 1; }
    [[nodiscard]] std::size_t blokiWPliku() const;
    // Wezly, ktore ten wezel zna i odda w odpowiedzi.
    void zapiszZnaneWezly(const std::string& tekst) const;

private:
    FolderTymczasowy folder;
    Blockchain lancuch;
    std::atomic<bool> stop{false};
    std::atomic<int> gotowy{-1};
    std::thread watek;
};

// Odbiorca, ktory przyjmuje polaczenie i milczy, az test go zamknie. Port wybiera system.
class CichyWezel {
public:
    CichyWezel();
    ~CichyWezel();
    CichyWezel(const CichyWezel&) = delete;
    CichyWezel& operator=(const CichyWezel&) = delete;

    [[nodiscard]] int port() const { return numerPortu; }
    [[nodiscard]] bool przyjalPolaczenie() const { return przyjete.load() >= 0; }
    // Zamyka przyjete polaczenie: czekajacy nadawca dostaje koniec strumienia.
    void zamknij();

private:
    int nasluch = -1;
    int numerPortu = 0;
    std::atomic<int> przyjete{-1};
    std::atomic<bool> stop{false};
    std::thread watek;
};
