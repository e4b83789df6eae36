#include "ui/zakladka_wyslij.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "portfel/kwota.h"
#include "ui/dane_okna.h"
#include "ui/etykiety_wezlow.h"
#include "ui/kursor_czekania.h"
#include "ui/linie_lancucha.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"

void ZakladkaWyslij::poPodpieciu()
{
    ui->editKwota->setPlaceholderText(trOkna(TEKST_PRZYKLAD_KWOTY));
    connect(ui->buttonWyslij, &QPushButton::clicked, this, &ZakladkaWyslij::naWyslij);
    connect(ui->comboZnaniOdbiorcy, &QComboBox::activated, this,
            &ZakladkaWyslij::naWybranoZnanegoOdbiorce);
    connect(dane, &DaneOkna::wezlyZmienione, this, &ZakladkaWyslij::odswiezOdbiorcow);
    connect(dane, &DaneOkna::petlaZmieniona, this, &ZakladkaWyslij::blokujNaCzasPetli);
    connect(&dane->most(), &MostWezla::rozgloszonoWTle, this,
            [this](const WynikRozgloszenia& wynik, CelRozgloszenia cel) {
                if (cel == CelRozgloszenia::wyslanie)
                    pokazWynikWyslania(wynik);
            });
    odswiezOdbiorcow();
}

void ZakladkaWyslij::naWyslij()
{
    // Adresy sa zawsze malymi literami; klucz wpisany wielkimi trafilby na adres,
    // ktorego zaden portfel nie pokazuje, i monety by przepadly.
    const QString odbiorca = ui->editOdbiorca->text().toLower();
    const std::string odbiorcaTekst = odbiorca.toStdString();
    if (!czyPoprawnyKluczPubliczny(odbiorcaTekst)) {
        ui->labelStatusWyslij->setText(trOkna(TEKST_ZLY_KLUCZ));
        return;
    }
    bool ok = false;
    const std::int64_t kwota = parsujKwote(ui->editKwota->text().toStdString(), ok);
    if (!ok || kwota < 1) {
        ui->labelStatusWyslij->setText(trOkna(TEKST_ZLA_KWOTA));
        return;
    }
    const std::string& ja = dane->mojKlucz();
    Blockchain& mojLancuch = dane->lancuch();
    mojLancuch.przygotujSalda();
    const std::int64_t saldo = mojLancuch.saldo(ja);
    const QString symbol = QLatin1String(SYMBOL_MONETY);
    if (kwota > saldo) {
        ui->labelStatusWyslij->setText(
            trOkna(TEKST_ZA_MALO_SRODKOW).arg(QString::fromStdString(formatujKwote(saldo)), symbol));
        return;
    }
    const QString pytanie = trOkna(TEKST_POTWIERDZ_PYTANIE)
                                .arg(QString::fromStdString(formatujKwote(kwota)), symbol,
                                     skrotKlucza(odbiorca));
    if (QMessageBox::question(this, trOkna(TEKST_POTWIERDZ_TYTUL), pytanie,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;

    const Transakcja platnosc(dane->paraKluczy(), odbiorcaTekst, kwota, std::string());
    const Punkt przed = mojLancuch.punkt();
    bool zapisano = false;
    {
        const KursorCzekania kursor;
        zapisano = dane->wezel().kopaczBloku()(mojLancuch, ja, dane->katalog().lancuch, {platnosc}, {});
    }
    if (!zapisano) {
        // Pola zostaja, zeby mozna bylo sprobowac jeszcze raz; nic nie idzie do sieci.
        dane->zmienionoLancuch(przed);
        ui->labelStatusWyslij->setText(trOkna(TEKST_WYSLANIE_NIE_ZAPISANE));
        return;
    }
    ui->editOdbiorca->clear();
    ui->editKwota->clear();
    // Znany odbiorca wciaz pokazany sugerowalby, ze nastepna wysylka pojdzie do niego.
    ui->comboZnaniOdbiorcy->setCurrentIndex(0);
    ui->buttonWyslij->setEnabled(false);
    rozglaszanieWyslania = true;
    statusWyslania = trOkna(TEKST_WYSLANO_ROZGLASZANIE);
    pokazStatusWyslania();
    dane->zmienionoLancuch(przed);
    dane->rozglos(CelRozgloszenia::wyslanie);
}

void ZakladkaWyslij::pokazWynikWyslania(const WynikRozgloszenia& wynik)
{
    rozglaszanieWyslania = false;
    // Petla uruchomiona w czasie rozgloszenia trzyma wysylanie zablokowane (jak buttonKop).
    ui->buttonWyslij->setEnabled(!dane->kopanieWPetli());
    statusWyslania = tekstWynikuWyslania(wynik);
    pokazStatusWyslania();
}

QString ZakladkaWyslij::tekstWynikuWyslania(const WynikRozgloszenia& wynik)
{
    const DecyzjeWezlow& d = wynik.decyzje;
    if (wynik.wszystkie == 0)
        return trOkna(TEKST_WYSLANO_BEZ_WEZLOW);
    // Zaden wezel nie powiedzial, co zrobil: zostaja same liczby wysylek.
    if (d.zDecyzja() == 0) {
        if (wynik.sukcesy > 0)
            return trOkna(TEKST_WYSLANO_ROZGLOSZONO).arg(wynik.sukcesy).arg(wynik.wszystkie);
        return trOkna(TEKST_WYSLANO_NIKT_NIE_PRZYJAL).arg(wynik.wszystkie);
    }
    QString tekst = trOkna(d.przyjete + d.juzMialy > 0 ? TEKST_TRANSAKCJA_U_WEZLOW : TEKST_TRANSAKCJA_TYLKO_LOKALNIE)
                  + u' ' + trOkna(TEKST_PRZYJETO_U).arg(d.przyjete).arg(wynik.wszystkie);
    const std::pair<int, const char*> czesci[] = {
        {d.juzMialy, TEKST_JUZ_MIAL},          {d.saldo, TEKST_ODRZUCIL_SALDO},
        {d.nieDluzszy, TEKST_ODRZUCIL_NIE_DLUZSZY}, {d.niepoprawny, TEKST_ODRZUCIL_NIEPOPRAWNY},
        {d.inneOdmowy, TEKST_ODRZUCIL_INNE},    {d.stare, TEKST_STARY_BEZ_DECYZJI},
        {d.bezOdpowiedzi, TEKST_BEZ_ODPOWIEDZI},
    };
    for (const auto& [ile, czesc] : czesci)
        if (ile > 0)
            tekst += QStringLiteral("; ") + trOkna(czesc).arg(ile);
    return tekst + u'.';
}

void ZakladkaWyslij::pokazStatusWyslania()
{
    if (!dane->kopanieWPetli()) {
        ui->labelStatusWyslij->setText(statusWyslania);
        return;
    }
    // Wynik wysylki nie zaslania komunikatu petli i nie ginie pod nim.
    const QString komunikat = trOkna(TEKST_WYSYLANIE_WYLACZONE);
    ui->labelStatusWyslij->setText(statusWyslania.isEmpty() ? komunikat
                                                            : statusWyslania + u'\n' + komunikat);
}

void ZakladkaWyslij::naWybranoZnanegoOdbiorce(int indeks)
{
    const QString klucz = ui->comboZnaniOdbiorcy->itemData(indeks).toString();
    if (!klucz.isEmpty())
        ui->editOdbiorca->setText(klucz);
}

void ZakladkaWyslij::blokujNaCzasPetli(bool blokuj)
{
    // Przycisk wraca dopiero z wynikiem rozgloszenia transakcji.
    ui->buttonWyslij->setEnabled(!blokuj && !rozglaszanieWyslania);
    ui->buttonWyslij->setToolTip(blokuj ? trOkna(TEKST_WYLACZONE_PODCZAS_PETLI) : QString());
    if (blokuj && !rozglaszanieWyslania)
        statusWyslania.clear();
    pokazStatusWyslania();
}

void ZakladkaWyslij::odswiezOdbiorcow()
{
    QComboBox* pudelko = ui->comboZnaniOdbiorcy;
    const QString wybranyKlucz = pudelko->currentData().toString();
    pudelko->clear();
    pudelko->addItem(trOkna(TEKST_WKLEJ_RECZNIE), QString());
    for (const Wezel& wezel : wczytajWezly(dane->katalog().wezly)) {
        if (wezel.kluczPubliczny.empty())
            continue;
        const QString klucz = QString::fromStdString(wezel.kluczPubliczny);
        pudelko->addItem(QStringLiteral("%1 (%2)").arg(etykietaWezla(wezel), skrotKlucza(klucz)), klucz);
    }
    const int indeks = pudelko->findData(wybranyKlucz, Qt::UserRole, Qt::MatchExactly);
    pudelko->setCurrentIndex(indeks >= 0 ? indeks : 0);
}
