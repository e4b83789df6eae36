#pragma once
// Wspolne dane zakladek okna: portfel, lancuch w pamieci, obiekt wezla z mostem zdarzen,
// stan petli i nasluchu oraz podglad zmian pliku lancucha. Zakladki rozmawiaja przez nie,
// a nie przez siebie nawzajem.

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/blockchain.h"
#include "core/dziennik.h"
#include "core/klucze.h"
#include "ui/most_wezla.h"
#include "wezel/katalog_danych.h"
#include "wezel/wezel.h"

class QLineEdit;
class QPushButton;
class QTimer;

class DaneOkna : public QObject {
    Q_OBJECT

public:
    // `polePortu`: pole portu nasluchu zakladki Siec, wlasny port dla kazdej pracy sieci.
    DaneOkna(const KatalogDanych& katalog, Dziennik& dziennik, const QString& nazwa,
             QLineEdit* polePortu, QObject* rodzic);
    ~DaneOkna() override;

    [[nodiscard]] const KatalogDanych& katalog() const { return pliki; }
    [[nodiscard]] Dziennik& dziennik() const { return dziennikOkna; }
    [[nodiscard]] Blockchain& lancuch() { return mojLancuch; }
    [[nodiscard]] const std::string& mojKlucz() const { return klucz; }
    [[nodiscard]] const ParaKluczy& paraKluczy() const { return klucze; }
    [[nodiscard]] WezelProgramu& wezel() { return *obiektWezla; }
    [[nodiscard]] MostWezla& most() { return *mostWezla; }
    // Portfel mial prawa dla innych (juz poprawione): okno ostrzega.
    [[nodiscard]] bool prawaPortfelaPoprawione() const { return prawaPoprawione; }
    // Port z pola zakladki Siec; -1, gdy nie jest liczba.
    [[nodiscard]] int port() const;

    // Wczytanie pliku lancucha i lancuchZmieniony.
    void wczytajZPliku();
    // To samo z powodu zmiany w tle (zegar, pobranie, koniec petli): takze odswiezonoWTle.
    void odswiezWTle();
    // Lancuch w pamieci zmienil sie od `przed` (kopanie, wysylka).
    void zmienionoLancuch(const Punkt& przed) { emit lancuchZmieniony(przed); }

    // Rozgloszenie kopii lancucha; bez watku wynik "zaden z N wezlow" przychodzi od razu.
    void rozglos(CelRozgloszenia cel);
    // Pobranie lancucha od `skad` w tle; false, gdy nie ruszylo (pusta lista, brak watku).
    bool pobierz(std::vector<Wezel> skad, CelPobrania cel);
    bool pobierzOdZnanych(CelPobrania cel) { return pobierz(wezlyDoPobrania(pliki, port()), cel); }

    [[nodiscard]] bool kopanieWPetli() const { return petlaDziala; }
    void ustawPetle(bool dziala);
    void ustawNasluch(bool aktywny);
    // Najdluzszy lancuch sieci, ktorego straznik salda nie przyjmuje (0: nie wiadomo o takim).
    [[nodiscard]] std::int64_t dluzszyOdrzucony() const { return dluzszy; }

    // Zatrzymuje wezel i czeka na jego watki (zamkniecie okna, zanim znikna widzety).
    void zamknijWezel() { obiektWezla.reset(); }

    // Zegar pliku: zmiana czasu modyfikacji pliku lancucha wczytuje go ponownie.
    void sprawdzZmianyPliku();

signals:
    void lancuchZmieniony(const Punkt& przed);
    // Plik wczytany z powodu zmiany w tle (zegar, pobranie): przycisk Lancucha to pokazuje.
    void odswiezonoWTle();
    void wezlyZmienione();
    void petlaZmieniona(bool dziala);

private:
    void naRozgloszono(const WynikRozgloszenia& wynik);
    void naPobrano(qint64 odrzuconySaldem, bool przyjeto);
    void ustawZegar();
    [[nodiscard]] int liczbaWezlowDoRozgloszenia() const;

    KatalogDanych pliki;
    Dziennik& dziennikOkna;
    ParaKluczy klucze;
    std::string klucz;
    bool prawaPoprawione = false;
    Blockchain mojLancuch;
    QLineEdit* polePortu = nullptr;
    bool petlaDziala = false;
    bool nasluchAktywny = false;
    std::int64_t dluzszy = 0;
    QTimer* zegarPliku = nullptr;
    std::int64_t ostatniaZmianaPliku = 0;
    // Most przed wezlem: zyje dluzej niz watki, ktore go wolaja.
    std::unique_ptr<MostWezla> mostWezla;
    std::unique_ptr<WezelProgramu> obiektWezla;
};

// Przycisk "Odswiez" zakladki: wczytanie pliku i na sekunde "Odswiezono!" na przycisku.
void odswiezZPliku(DaneOkna& dane, QPushButton* przycisk);
// Samo "Odswiezono!" na sekunde, gdy plik wczytalo cos innego niz klikniecie.
void pokazOdswiezono(QPushButton* przycisk);
