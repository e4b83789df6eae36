#pragma once
// Glowne okno programu: szesc zakladek, portfel, wlasna kopia lancucha i watki sieci.

#include <QMainWindow>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "core/blockchain.h"
#include "core/klucze.h"
#include "core/plik_lancucha.h"
#include "wezel/praca_wezla.h"
#include "ui/watki_okna.h"

class QPushButton;
class QTimer;
class StatusChwilowy;
class ZakladkaDziennik;
class ModelListyBlokow;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QString nazwa, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Wysokosc, przy ktorej zadna zakladka nie przewija, o ile miesci sie na ekranie.
    void dopasujDoEkranu();

signals:
    void nasluchGotowy(bool sukces, int port);
    void wezelWykryty(QString ip, int port);
    void rozgloszonoWTle(WynikRozgloszenia wynik, int kontekst);
    void bootstrapZakonczony();
    // Pobieranie lancucha od wezlow: postep (dawca "A:P") i koniec.
    void postepPobierania(QString dawca, qint64 mam, qint64 wszystkie);
    void pobieranieZakonczone(qint64 odrzuconySaldem, bool przyjeto, bool potemKop);
    // Petla kopania skonczyla sie sama, bo blok nie dal sie zapisac.
    void petlaKopaniaPrzerwana();

private slots:
    void naNasluchGotowy(bool sukces, int port);
    void naWezelWykryty(QString ip, int port);
    void naKopBlok();
    void naOdswiez();
    void naWyslij();
    void naOdswiezLancuch();
    void naDodajWezel();
    void naRozgloscTeraz();
    void naNasluchuj();
    void naKopWPetli();
    void naSprawdzZmianyPliku();
    void naKopiujKlucz();
    void naOdswiezOdebrane();
    void naWybranoZnanegoOdbiorce(int indeks);
    void naRozgloszonoWTle(WynikRozgloszenia wynik, int kontekst);
    void naDodajSeed();
    void naBootstrapZakonczony();
    void naUsunWezel();
    void naUsunSeed();
    void naPetlaKopaniaPrzerwana();
    void naPostepPobierania(QString dawca, qint64 mam, qint64 wszystkie);
    void naPobieranieZakonczone(qint64 odrzuconySaldem, bool przyjeto, bool potemKop);

private:
    // Testy zagladaja do prywatnych slotow, watkow i furtek.
    friend class TestOkna;
    friend class PomiarOkna;

    void polaczPrzyciski();
    void odswiezPrzeglad();
    void odswiezListeBlokow();
    void odswiezWezly();
    void odswiezSeedy();
    void odswiezOdebrane();
    // Po wczytaniu pliku: gdy lancuch tylko urosl od `przed`, listy dostaja same nowe wiersze.
    void odswiezPoWczytaniu(const Punkt& przed);
    // Przycisk "Odswiez": wczytanie pliku, widoki i na sekunde "Odswiezono" na przycisku.
    void odswiezZPliku(QPushButton* przycisk);
    void rozglosWTle(int kontekst);
    void bootstrapZSeedow();
    [[nodiscard]] int mojPort() const;

    // Komunikat o portfelu, ktory byl dostepny dla innych (prawa juz poprawione).
    void ostrzezOPrawachPortfela();
    // Pomocnicze kroki slotow (kazdy w pliku swojej zakladki).
    void blokujNaCzasPetli(bool blokuj);
    void zatrzymajPetleKopania();
    void uruchomWatkiObecnosci(int port);
    void zatrzymajWatkiSieci();
    void wrocDoStanuBezNasluchu(const QString& status);
    void pokazWynikWyslania(const WynikRozgloszenia& wynik);
    // Komunikat o wyniku wysylki: decyzje wezli, a bez nich same liczby.
    [[nodiscard]] static QString tekstWynikuWyslania(const WynikRozgloszenia& wynik);
    void kopJedenBlok();
    // Pobranie dluzszego lancucha od `skad` w watku odlaczonym; false, gdy watek nie powstal.
    bool pobierzWTle(std::vector<Wezel> skad, bool potemKop);
    // Pobieranie w watku petli kopania, zanim wykopie pierwszy blok.
    void pobierzPrzedPetla(const std::string& klucz, int port, const std::stop_token& stop);
    void pokazDluzszyOdrzucony();
    void pokazStatusWyslania();
    [[nodiscard]] bool uruchomOdlaczony(PracaWatku praca, const char* opis);
    [[nodiscard]] int liczbaWezlowDoRozgloszenia() const;

    // Zakladka Dziennik i zakladka Siec w przewijanym polu (pliki tych zakladek).
    void podlaczDziennik();
    void odlaczDziennik();
    void odbierzLinieKonsoli();
    void przeniesSiecDoPrzewijania();
    void przygotujPolaSieci();

    Ui::MainWindow* ui = nullptr;
    QString nazwaUzytkownika;
    Blockchain mojLancuch;
    ParaKluczy klucze;
    std::thread watekSerwera;
    std::thread watekObecnosci;
    std::thread watekOgloszen;
    std::stop_source stopSieci;
    bool nasluchAktywny = false;
    std::string idWezla;
    std::thread watekKopania;
    std::stop_source stopKopania;
    // Wypychanie blokow petli: zyje z oknem, wiec zapisane bloki docieraja do wezlow takze
    // po zatrzymaniu petli; przy zamknieciu okna dostaje reszte czasu na wyjscie.
    std::unique_ptr<Wypychacz> wypychacz;
    bool kopanieWPetli = false;
    std::int32_t wysokoscStartowa = 0;
    QTimer* timerPliku = nullptr;
    std::int64_t ostatniaZmianaPliku = 0;

    // Ponizej: stan spoza tabeli czlonkow, potrzebny rozsadnemu zachowaniu.
    // Watki odlaczone docieraja do okna tylko przez straz (destruktor ja odlacza).
    std::shared_ptr<StrazOkna> straz = std::make_shared<StrazOkna>(this);
    // Jedyne miejsce tworzenia watkow; test moze wymusic odmowe systemu.
    TworcaWatku utworzWatek = utworzWatekSystemowy;
    KopaczBloku kopacz = kopIZapisz;
    // Rozgloszenie jednego bloku w toku: zatrzymanie petli nie odblokowuje wtedy buttonKop.
    bool rozglaszanieBloku = false;
    // Tekst statusu sprzed klikniecia Nasluchuj, przywracany, gdy watek nie powstal.
    QString statusPrzedNasluchem;
    // Rozgloszenie wyslanej transakcji w toku: buttonWyslij czeka na jego wynik.
    bool rozglaszanieWyslania = false;
    // Stan wysylki (w toku albo wynik); podczas petli pokazywany nad jej komunikatem.
    QString statusWyslania;
    // Petla kopania stanela, bo nie dalo sie zapisac bloku (ustawia watek petli).
    std::atomic<bool> bladZapisuWPetli{false};
    // Linie konsoli wezla; odmowy serwera pokazywane chwilowo w statusie nasluchu.
    ZakladkaDziennik* zakladkaDziennik = nullptr;
    StatusChwilowy* statusOdmowy = nullptr;
    // Model listy zakladki Lancuch nad mojLancuch.
    ModelListyBlokow* modelBlokow = nullptr;
    // Najdluzszy lancuch sieci, ktorego straznik salda nie przyjmuje (0: nie wiadomo o takim).
    std::int64_t dluzszyOdrzucony = 0;
    // Status nasluchu sprzed wierszy postepu pobierania i ostatni taki wiersz.
    QString statusPrzedPobieraniem;
    QString statusPobierania;
    // Zakladka Odebrane pokazuje tylko wiersz "nic nie odebrano".
    bool odebranePuste = true;
};
