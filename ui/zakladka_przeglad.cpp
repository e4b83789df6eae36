#include "ui/zakladka_przeglad.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>

#include "portfel/kwota.h"
#include "ui/dane_okna.h"
#include "ui/kursor_czekania.h"
#include "ui/linie_lancucha.h"
#include "ui/przyciski.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"

void ZakladkaPrzeglad::poPodpieciu()
{
    connect(ui->buttonKopiujKlucz, &QPushButton::clicked, this, &ZakladkaPrzeglad::naKopiujKlucz);
    connect(ui->buttonOdswiez, &QPushButton::clicked, this,
            [this] { odswiezZPliku(*dane, ui->buttonOdswiez); });
    connect(ui->buttonKop, &QPushButton::clicked, this, &ZakladkaPrzeglad::naKopBlok);
    connect(ui->buttonKopWPetli, &QPushButton::clicked, this, &ZakladkaPrzeglad::naKopWPetli);
    connect(dane, &DaneOkna::lancuchZmieniony, this, &ZakladkaPrzeglad::odswiez);
    connect(&dane->most(), &MostWezla::rozgloszonoWTle, this,
            [this](const WynikRozgloszenia&, CelRozgloszenia cel) { naRozgloszono(cel); });
    connect(&dane->most(), &MostWezla::pobrano, this,
            [this](qint64, bool, bool potemKop) { naPobrano(potemKop); });
    connect(&dane->most(), &MostWezla::petlaKopaniaPrzerwana, this,
            &ZakladkaPrzeglad::naPetlaKopaniaPrzerwana);
    odswiez();
}

void ZakladkaPrzeglad::odswiez()
{
    Blockchain& lancuch = dane->lancuch();
    const std::string& ja = dane->mojKlucz();
    const QString klucz = QString::fromStdString(ja);
    ui->labelKlucz->setText(trOkna(TEKST_KLUCZ) + skrotKlucza(klucz));
    ui->labelKlucz->setToolTip(klucz + QStringLiteral("\n\n") + trOkna(TEKST_KLUCZ_PODPOWIEDZ));
    lancuch.przygotujSalda();
    ui->labelSaldo->setText(trOkna(TEKST_SALDO).arg(QString::fromStdString(formatujKwote(lancuch.saldo(ja))),
                                                    QLatin1String(SYMBOL_MONETY)));
    const auto wysokosc = static_cast<qint64>(lancuch.liczbaBlokow());
    ui->labelWysokoscLancucha->setText(trOkna(TEKST_WYSOKOSC).arg(wysokosc));
    if (dane->kopanieWPetli())
        ui->labelStatusKopania->setText(trOkna(TEKST_KOPANIE_AKTYWNE).arg(wysokosc - wysokoscStartowa));
    pokazDluzszyOdrzucony();
}

void ZakladkaPrzeglad::naKopiujKlucz()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(dane->mojKlucz()));
    napisNaChwile(ui->buttonKopiujKlucz, trOkna(TEKST_SKOPIOWANO), TEKST_KOPIUJ_KLUCZ, 1200);
}

void ZakladkaPrzeglad::naKopBlok()
{
    // Najpierw najdluzszy lancuch znanych wezlow: blok na krotszym bylby od razu rozwidleniem.
    zajmijPrzycisk(ui->buttonKop, TEKST_POBIERANIE);
    rozglaszanieBloku = true;
    if (!dane->pobierzOdZnanych(CelPobrania::przedBlokiem)) {
        rozglaszanieBloku = false;
        kopJedenBlok();
    }
}

void ZakladkaPrzeglad::kopJedenBlok()
{
    zajmijPrzycisk(ui->buttonKop, TEKST_KOPANIE);
    const Punkt przed = dane->lancuch().punkt();
    bool zapisano = false;
    {
        // Kursor ustawiony przed odmalowaniem, zeby byl widoczny przez cale kopanie.
        const KursorCzekania kursor;
        QCoreApplication::processEvents();
        zapisano = dane->wezel().kopaczBloku()(dane->lancuch(), dane->mojKlucz(),
                                               dane->katalog().lancuch, {}, {});
    }
    dane->zmienionoLancuch(przed);
    // Blok, ktorego nie ma w pliku, nie jest rozglaszany.
    ui->labelStatusKopania->setText(zapisano ? trOkna(TEKST_NIEAKTYWNE) : trOkna(TEKST_BLOK_NIE_ZAPISANY));
    if (!zapisano) {
        zwolnijPrzycisk(ui->buttonKop, TEKST_KOP_BLOK);
        return;
    }
    ui->buttonKop->setText(trOkna(TEKST_ROZGLASZANIE));
    rozglaszanieBloku = true;
    dane->rozglos(CelRozgloszenia::blok);
}

void ZakladkaPrzeglad::naRozgloszono(CelRozgloszenia cel)
{
    if (cel != CelRozgloszenia::blok)
        return;
    rozglaszanieBloku = false;
    ui->buttonKop->setText(trOkna(TEKST_KOP_BLOK));
    // Petla trzyma zapis lancucha: kopanie z okna czekaloby na nia.
    ui->buttonKop->setEnabled(!dane->kopanieWPetli());
}

void ZakladkaPrzeglad::naPobrano(bool potemKop)
{
    pokazDluzszyOdrzucony();
    if (!potemKop)
        return;
    rozglaszanieBloku = false;
    // Petla ruszyla w czasie pobierania: ona kopie, a zapis lancucha trzyma dla siebie.
    if (dane->kopanieWPetli()) {
        ui->buttonKop->setText(trOkna(TEKST_KOP_BLOK));
        return;
    }
    kopJedenBlok();
}

void ZakladkaPrzeglad::blokujNaCzasPetli(bool blokuj)
{
    // Rozgloszenie jednego bloku w toku odblokuje buttonKop samo, gdy skonczy.
    ui->buttonKop->setEnabled(!blokuj && !rozglaszanieBloku);
    ui->buttonKop->setToolTip(blokuj ? trOkna(TEKST_WYLACZONE_PODCZAS_PETLI) : QString());
}

void ZakladkaPrzeglad::naKopWPetli()
{
    if (dane->kopanieWPetli()) {
        zatrzymajPetleKopania();
        return;
    }
    wysokoscStartowa = static_cast<std::int64_t>(dane->lancuch().liczbaBlokow());
    // Nowy kopacz zaczyna od najdluzszego lancucha sieci, a nie od razu od rozwidlenia.
    if (!dane->wezel().uruchomPetle(dane->port(), true)) {
        dane->dziennik().zglos({.rodzaj = RodzajWpisu::bladWatkuKopania});
        return;
    }
    dane->ustawPetle(true);
    blokujNaCzasPetli(true);
    ui->buttonKopWPetli->setText(trOkna(TEKST_ZATRZYMAJ_KOPANIE));
    ui->labelStatusKopania->setText(trOkna(TEKST_KOPANIE_AKTYWNE).arg(0));
}

void ZakladkaPrzeglad::zatrzymajPetleKopania()
{
    zatrzymajZCzekaniem(ui->buttonKopWPetli, [this] { dane->wezel().zatrzymajPetle(); });
    dane->ustawPetle(false);
    blokujNaCzasPetli(false);
    zwolnijPrzycisk(ui->buttonKopWPetli, TEKST_KOP_W_PETLI);
    ui->labelStatusKopania->setText(dane->wezel().petlaPoBledzieZapisu() ? trOkna(TEKST_BLOK_NIE_ZAPISANY)
                                                                          : trOkna(TEKST_NIEAKTYWNE));
    dane->odswiezWTle();
}

void ZakladkaPrzeglad::naPetlaKopaniaPrzerwana()
{
    // Uzytkownik mogl juz sam zatrzymac petle; wtedy komunikat pokazal tamten krok.
    if (dane->kopanieWPetli())
        zatrzymajPetleKopania();
}

void ZakladkaPrzeglad::pokazDluzszyOdrzucony()
{
    // Wlasny lancuch dogonil tamten: rozwidlenie juz nie grozi utrata blokow.
    const std::int64_t dluzszy = dane->dluzszyOdrzucony();
    const bool widoczny = dluzszy > static_cast<std::int64_t>(dane->lancuch().liczbaBlokow());
    ui->labelSiecDluzsza->setVisible(widoczny);
    if (widoczny)
        ui->labelSiecDluzsza->setText(trOkna(TEKST_SIEC_DLUZSZA).arg(dluzszy));
}
