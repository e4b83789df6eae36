// Zakladka Przeglad: kopiowanie klucza, odswiezenie, jeden blok i kopanie w petli.
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTimer>


#include "core/konsola.h"
#include "ui/kursor_czekania.h"
#include "ui/mainwindow.h"
#include "wezel/praca_wezla.h"
#include "net/rozgloszenie.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"
#include "net/wezly.h"

void MainWindow::naKopiujKlucz()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(kluczPublicznyHex(klucze)));
    ui->buttonKopiujKlucz->setText(tr(TEKST_SKOPIOWANO));
    QTimer::singleShot(1200, this, [this] { ui->buttonKopiujKlucz->setText(tr("Kopiuj klucz")); });
}

void MainWindow::naOdswiez()
{
    odswiezZPliku(ui->buttonOdswiez);
}

void MainWindow::naKopBlok()
{
    ui->buttonKop->setEnabled(false);
    // Najpierw najdluzszy lancuch znanych wezlow: blok na krotszym bylby od razu rozwidleniem.
    ui->buttonKop->setText(tr(TEKST_POBIERANIE));
    rozglaszanieBloku = true;
    if (!pobierzWTle(wezlyDoPobrania(mojPort()), true)) {
        rozglaszanieBloku = false;
        kopJedenBlok();
    }
}

void MainWindow::kopJedenBlok()
{
    ui->buttonKop->setEnabled(false);
    ui->buttonKop->setText(tr(TEKST_KOPANIE));
    const Punkt przed = mojLancuch.punkt();
    bool zapisano = false;
    {
        // Kursor ustawiony przed odmalowaniem, zeby byl widoczny przez cale kopanie.
        const KursorCzekania kursor;
        QCoreApplication::processEvents();
        zapisano = kopacz(mojLancuch, kluczPublicznyHex(klucze), PLIK_LANCUCHA, {});
    }
    odswiezPoWczytaniu(przed);
    // Blok, ktorego nie ma w pliku, nie jest rozglaszany.
    ui->labelStatusKopania->setText(zapisano ? tr("Nieaktywne.") : tr(TEKST_BLOK_NIE_ZAPISANY));
    if (!zapisano) {
        ui->buttonKop->setText(tr("Kop blok"));
        ui->buttonKop->setEnabled(true);
        return;
    }
    ui->buttonKop->setText(tr(TEKST_ROZGLASZANIE));
    rozglaszanieBloku = true;
    rozglosWTle(1);
}

void MainWindow::blokujNaCzasPetli(bool blokuj)
{
    const QString podpowiedz = blokuj ? tr(TEKST_WYLACZONE_PODCZAS_PETLI) : QString();
    // Rozgloszenie jednego bloku w toku odblokuje buttonKop samo, gdy skonczy.
    ui->buttonKop->setEnabled(!blokuj && !rozglaszanieBloku);
    ui->buttonKop->setToolTip(podpowiedz);
    // Tak samo wysylanie: przycisk wraca dopiero z wynikiem rozgloszenia transakcji.
    ui->buttonWyslij->setEnabled(!blokuj && !rozglaszanieWyslania);
    ui->buttonWyslij->setToolTip(podpowiedz);
    if (blokuj && !rozglaszanieWyslania)
        statusWyslania.clear();
    pokazStatusWyslania();
}

void MainWindow::naKopWPetli()
{
    if (kopanieWPetli) {
        zatrzymajPetleKopania();
        return;
    }
    stopKopania = std::stop_source();
    bladZapisuWPetli = false;
    wysokoscStartowa = static_cast<std::int32_t>(mojLancuch.liczbaBlokow());
    const int port = mojPort();
    // Inny port to inne wpisy "to ja": stary wypychacz konczy sie (przerywajac swoje wypchniecia).
    if (!wypychacz || wypychacz->port() != port)
        wypychacz = wypychaczPetli(port);
    // Watek dostaje kopie wszystkiego poza flaga zatrzymania i wypychaczem okna.
    PracaWatku petla = [this, klucz = kluczPublicznyHex(klucze), kop = kopacz,
                        wypychaj = wypychacz.get(), port, stop = stopKopania.get_token()] {
        // Nowy kopacz zaczyna od najdluzszego lancucha sieci, a nie od razu od rozwidlenia.
        pobierzPrzedPetla(klucz, port, stop);
        if (!petlaKopania(klucz, stop, kop, *wypychaj)) {
            // Dalsze kopanie tylko do pamieci byloby praca na nic.
            bladZapisuWPetli = true;
            emit petlaKopaniaPrzerwana();
        }
    };
    if (!utworzWatek(watekKopania, std::move(petla))) {
        wypisz("BLAD: nie udalo sie utworzyc watku kopania w petli.\n");
        return;
    }
    kopanieWPetli = true;
    blokujNaCzasPetli(true);
    ui->buttonKopWPetli->setText(tr(TEKST_ZATRZYMAJ_KOPANIE));
    ui->labelStatusKopania->setText(tr(TEKST_KOPANIE_AKTYWNE).arg(0));
    if (!timerPliku->isActive())
        timerPliku->start(1000);
}

void MainWindow::zatrzymajPetleKopania()
{
    ui->buttonKopWPetli->setEnabled(false);
    ui->buttonKopWPetli->setText(tr(TEKST_ZATRZYMYWANIE));
    QCoreApplication::processEvents();
    stopKopania.request_stop();
    if (watekKopania.joinable()) {
        const KursorCzekania kursor;
        watekKopania.join();
    }
    kopanieWPetli = false;
    if (!nasluchAktywny)
        timerPliku->stop();
    blokujNaCzasPetli(false);
    ui->buttonKopWPetli->setText(tr("Kop w petli"));
    ui->buttonKopWPetli->setEnabled(true);
    ui->labelStatusKopania->setText(bladZapisuWPetli ? tr(TEKST_BLOK_NIE_ZAPISANY) : tr("Nieaktywne."));
    naOdswiezLancuch();
}

void MainWindow::naPetlaKopaniaPrzerwana()
{
    // Uzytkownik mogl juz sam zatrzymac petle; wtedy komunikat pokazal tamten krok.
    if (kopanieWPetli)
        zatrzymajPetleKopania();
}
