// Zakladka Wyslij: sprawdzenie pol, potwierdzenie, blok z platnoscia, rozgloszenie.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "ui/kursor_czekania.h"
#include "portfel/kwota.h"
#include "ui/linie_lancucha.h"
#include "ui/mainwindow.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"

void MainWindow::naWyslij()
{
    // Adresy sa zawsze malymi literami; klucz wpisany wielkimi trafilby na adres,
    // ktorego zaden portfel nie pokazuje, i monety by przepadly.
    const QString odbiorca = ui->editOdbiorca->text().toLower();
    const std::string odbiorcaTekst = odbiorca.toStdString();
    if (!czyPoprawnyKluczPubliczny(odbiorcaTekst)) {
        ui->labelStatusWyslij->setText(tr(TEKST_ZLY_KLUCZ));
        return;
    }
    bool ok = false;
    const std::int64_t kwota = parsujKwote(ui->editKwota->text().toStdString(), ok);
    if (!ok || kwota < 1) {
        ui->labelStatusWyslij->setText(tr(TEKST_ZLA_KWOTA));
        return;
    }
    const std::string ja = kluczPublicznyHex(klucze);
    mojLancuch.przygotujSalda();
    const std::int64_t saldo = mojLancuch.saldo(ja);
    const QString symbol = QLatin1String(SYMBOL_MONETY);
    if (kwota > saldo) {
        ui->labelStatusWyslij->setText(
            tr(TEKST_ZA_MALO_SRODKOW).arg(QString::fromStdString(formatujKwote(saldo)), symbol));
        return;
    }
    const QString pytanie = tr(TEKST_POTWIERDZ_PYTANIE)
                                .arg(QString::fromStdString(formatujKwote(kwota)), symbol,
                                     skrotKlucza(odbiorca));
    if (QMessageBox::question(this, tr(TEKST_POTWIERDZ_TYTUL), pytanie,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;

    const Transakcja platnosc(klucze, odbiorcaTekst, kwota, std::string());
    const Punkt przed = mojLancuch.punkt();
    bool zapisano = false;
    {
        const KursorCzekania kursor;
        zapisano = kopacz(mojLancuch, ja, PLIK_LANCUCHA, {platnosc});
    }
    if (!zapisano) {
        // Pola zostaja, zeby mozna bylo sprobowac jeszcze raz; nic nie idzie do sieci.
        odswiezPoWczytaniu(przed);
        ui->labelStatusWyslij->setText(tr(TEKST_WYSLANIE_NIE_ZAPISANE));
        return;
    }
    ui->editOdbiorca->clear();
    ui->editKwota->clear();
    // Znany odbiorca wciaz pokazany sugerowalby, ze nastepna wysylka pojdzie do niego.
    ui->comboZnaniOdbiorcy->setCurrentIndex(0);
    ui->buttonWyslij->setEnabled(false);
    rozglaszanieWyslania = true;
    statusWyslania = tr(TEKST_WYSLANO_ROZGLASZANIE);
    pokazStatusWyslania();
    odswiezPoWczytaniu(przed);
    rozglosWTle(0);
}

void MainWindow::pokazWynikWyslania(const WynikRozgloszenia& wynik)
{
    rozglaszanieWyslania = false;
    // Petla uruchomiona w czasie rozgloszenia trzyma wysylanie zablokowane (jak buttonKop).
    ui->buttonWyslij->setEnabled(!kopanieWPetli);
    statusWyslania = tekstWynikuWyslania(wynik);
    pokazStatusWyslania();
}

QString MainWindow::tekstWynikuWyslania(const WynikRozgloszenia& wynik)
{
    const DecyzjeWezlow& d = wynik.decyzje;
    if (wynik.wszystkie == 0)
        return tr(TEKST_WYSLANO_BEZ_WEZLOW);
    // Zaden wezel nie powiedzial, co zrobil: zostaja same liczby wysylek.
    if (d.zDecyzja() == 0) {
        if (wynik.sukcesy > 0)
            return tr(TEKST_WYSLANO_ROZGLOSZONO).arg(wynik.sukcesy).arg(wynik.wszystkie);
        return tr(TEKST_WYSLANO_NIKT_NIE_PRZYJAL).arg(wynik.wszystkie);
    }
    QString tekst = tr(d.przyjete + d.juzMialy > 0 ? TEKST_TRANSAKCJA_U_WEZLOW : TEKST_TRANSAKCJA_TYLKO_LOKALNIE)
                  + u' ' + tr(TEKST_PRZYJETO_U).arg(d.przyjete).arg(wynik.wszystkie);
    const std::pair<int, const char*> czesci[] = {
        {d.juzMialy, TEKST_JUZ_MIAL},          {d.saldo, TEKST_ODRZUCIL_SALDO},
        {d.nieDluzszy, TEKST_ODRZUCIL_NIE_DLUZSZY}, {d.niepoprawny, TEKST_ODRZUCIL_NIEPOPRAWNY},
        {d.inneOdmowy, TEKST_ODRZUCIL_INNE},    {d.stare, TEKST_STARY_BEZ_DECYZJI},
        {d.bezOdpowiedzi, TEKST_BEZ_ODPOWIEDZI},
    };
    for (const auto& [ile, czesc] : czesci)
        if (ile > 0)
            tekst += QStringLiteral("; ") + tr(czesc).arg(ile);
    return tekst + u'.';
}

void MainWindow::pokazStatusWyslania()
{
    if (!kopanieWPetli) {
        ui->labelStatusWyslij->setText(statusWyslania);
        return;
    }
    // Wynik wysylki nie zaslania komunikatu petli i nie ginie pod nim.
    const QString komunikat = tr(TEKST_WYSYLANIE_WYLACZONE);
    ui->labelStatusWyslij->setText(statusWyslania.isEmpty() ? komunikat
                                                            : statusWyslania + u'\n' + komunikat);
}

void MainWindow::naWybranoZnanegoOdbiorce(int indeks)
{
    const QString klucz = ui->comboZnaniOdbiorcy->itemData(indeks).toString();
    if (!klucz.isEmpty())
        ui->editOdbiorca->setText(klucz);
}
