// Rozglaszanie w tle, wyniki rozgloszen, podglad zmian pliku lancucha i jego ponowne wczytanie.
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>


#include "core/konsola.h"
#include "ui/mainwindow.h"
#include "wezel/praca_wezla.h"
#include "net/rozgloszenie.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"
#include "net/wezly.h"

namespace {

// Czas modyfikacji pliku lancucha w ms od epoki; 0, gdy pliku nie ma.
std::int64_t czasZmianyLancucha()
{
    const QFileInfo plik(QString::fromUtf8(PLIK_LANCUCHA));
    return plik.exists() ? plik.lastModified().toMSecsSinceEpoch() : 0;
}

} // namespace

int MainWindow::mojPort() const
{
    bool ok = false;
    const int port = ui->editPortNasluchu->text().toInt(&ok, 10);
    return ok ? port : -1;
}

bool MainWindow::uruchomOdlaczony(PracaWatku praca, const char* opis)
{
    straz->rozpoczetoPrace();
    std::thread watek;
    if (!utworzWatek(watek, [praca = std::move(praca), straz = straz] {
            // Okno zamkniete, zanim watek ruszyl: nie ma dla kogo pracowac.
            if (!straz->odlaczona())
                praca();
            straz->zakonczonoPrace();
        })) {
        straz->zakonczonoPrace();
        wypisz("BLAD: nie udalo sie utworzyc watku ", opis, ".\n");
        return false;
    }
    watek.detach();
    return true;
}

int MainWindow::liczbaWezlowDoRozgloszenia() const
{
    const int port = mojPort();
    int ile = 0;
    for (const Wezel& wezel : wczytajWezly(PLIK_WEZLOW))
        if (!czyToJa(wezel.ip, wezel.port, port))
            ++ile;
    return ile;
}

void MainWindow::rozglosWTle(int kontekst)
{
    auto praca = [kopia = mojLancuch, port = mojPort(), kontekst, straz = straz] {
        // Zamkniecie okna przerywa kazde czekanie tego watku na siec.
        const WynikRozgloszenia wynik = pracaRozgloszenia(kopia, port, straz->stop());
        straz->jesliZyje([&wynik, kontekst](MainWindow& okno) {
            emit okno.rozgloszonoWTle(wynik, kontekst);
        });
    };
    if (uruchomOdlaczony(std::move(praca), "rozgloszenia"))
        return;
    // Bez watku nic nie zostalo wyslane: wynik "zaden z N wezlow", podany od razu.
    naRozgloszonoWTle(WynikRozgloszenia{0, liczbaWezlowDoRozgloszenia(), {}}, kontekst);
}

void MainWindow::naRozgloszonoWTle(WynikRozgloszenia wynik, int kontekst)
{
    const int sukcesy = wynik.sukcesy;
    const int wszystkie = wynik.wszystkie;
    // Wezel odmowil, bo ma dluzszy lancuch: pora go pobrac.
    if (wynik.decyzje.najdluzszyJego > static_cast<std::int64_t>(mojLancuch.liczbaBlokow()))
        static_cast<void>(pobierzWTle(wezlyDoPobrania(mojPort()), false));
    switch (kontekst) {
    case 0:
        pokazWynikWyslania(wynik);
        break;
    case 1:
        rozglaszanieBloku = false;
        ui->buttonKop->setText(tr("Kop blok"));
        // Petla trzyma zapis lancucha: kopanie z okna czekaloby na nia.
        ui->buttonKop->setEnabled(!kopanieWPetli);
        break;
    case 2:
        ui->buttonRozgloscTeraz->setText(
            wszystkie > 0 ? tr(TEKST_ROZGLOSZONO).arg(sukcesy).arg(wszystkie) : tr(TEKST_BRAK_WEZLOW));
        ui->buttonRozgloscTeraz->setEnabled(true);
        QTimer::singleShot(2000, this, [this] { ui->buttonRozgloscTeraz->setText(tr("Rozglos teraz")); });
        break;
    default:
        break;
    }
}

void MainWindow::naSprawdzZmianyPliku()
{
    const std::int64_t czas = czasZmianyLancucha();
    if (czas == ostatniaZmianaPliku)
        return;
    ostatniaZmianaPliku = czas;
    naOdswiezLancuch();
}

void MainWindow::naOdswiezLancuch()
{
    odswiezZPliku(ui->buttonOdswiezLancuch);
}
