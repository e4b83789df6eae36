#pragma once
// Glowne okno programu: piec zakladek, portfel, wlasna kopia lancucha i watki sieci.

#include <QMainWindow>
#include <QString>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "blockchain.h"
#include "klucze.h"

class QTimer;

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

signals:
    void nasluchGotowy(bool sukces, int port);
    void wezelWykryty(QString ip, int port);
    void rozgloszonoWTle(int sukcesy, int wszystkie, int kontekst);
    void bootstrapZakonczony();

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
    void naRozgloszonoWTle(int sukcesy, int wszystkie, int kontekst);
    void naDodajSeed();
    void naBootstrapZakonczony();
    void naUsunWezel();
    void naUsunSeed();

private:
    // Test ksztaltu okna sprawdza polaczenia przyciskow z prywatnymi slotami.
    friend class TestOkna;

    void polaczPrzyciski();
    void odswiezPrzeglad();
    void odswiezListeBlokow();
    void odswiezWezly();
    void odswiezSeedy();
    void odswiezOdebrane();
    void rozglosWTle(int kontekst);
    void bootstrapZSeedow();
    [[nodiscard]] int mojPort() const;

    Ui::MainWindow* ui = nullptr;
    QString nazwaUzytkownika;
    Blockchain mojLancuch;
    ParaKluczy klucze;
    std::thread watekSerwera;
    std::thread watekObecnosci;
    std::thread watekOgloszen;
    std::atomic<bool> stopSieci{false};
    bool nasluchAktywny = false;
    std::string idWezla;
    std::thread watekKopania;
    std::atomic<bool> stopKopania{false};
    bool kopanieWPetli = false;
    std::int32_t wysokoscStartowa = 0;
    QTimer* timerPliku = nullptr;
    std::int64_t ostatniaZmianaPliku = 0;
};
