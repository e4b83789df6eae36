#include "ui/zakladka_odebrane.h"

#include <QListWidget>
#include <QPushButton>
#include <QStringList>

#include "ui/dane_okna.h"
#include "ui/linie_lancucha.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"

namespace {

// Wiersze zakladki dla blokow od pozycji `od`, od najnowszego.
QStringList linieOdebranych(const Blockchain& lancuch, std::size_t od, const std::string& ja)
{
    const QString wzor = trOkna(TEKST_ODEBRANE_OD);
    const auto& bloki = lancuch.pobierzLancuch();
    // Pelne bloki tylko tam, gdzie sa wplaty: reszta lancucha (np. same nagrody) nie jest
    // budowana.
    const std::vector<std::size_t> zWplatami = bloki.blokiZWplatami(ja, od);
    QStringList linie;
    for (auto b = zWplatami.rbegin(); b != zWplatami.rend(); ++b) {
        const Blok blok = bloki[*b];
        for (const Transakcja& tx : blok.transakcje)
            if (!tx.nadawca.empty() && tx.nadawca != ja && tx.odbiorca == ja)
                linie.append(wzor.arg(QString::number(blok.indeks), krotkiKlucz(tx.nadawca),
                                      tekstKwoty(tx.kwota)));
    }
    return linie;
}

} // namespace

void ZakladkaOdebrane::poPodpieciu()
{
    connect(ui->buttonOdswiezOdebrane, &QPushButton::clicked, this,
            [this] { odswiezZPliku(*dane, ui->buttonOdswiezOdebrane); });
    connect(dane, &DaneOkna::lancuchZmieniony, this, &ZakladkaOdebrane::poZmianie);
    odswiez();
}

void ZakladkaOdebrane::odswiez()
{
    const Blockchain& lancuch = dane->lancuch();
    QStringList linie = linieOdebranych(lancuch, 0, dane->mojKlucz());
    pokazaneBloki = lancuch.liczbaBlokow();
    odebranePuste = linie.isEmpty();
    if (odebranePuste)
        linie.append(trOkna(TEKST_NIC_NIE_ODEBRANO));
    // Cala lista naraz: jedno wstawienie do modelu zamiast jednego na wiersz.
    QListWidget* lista = ui->listaOdebranych;
    lista->setUpdatesEnabled(false);
    lista->clear();
    lista->addItems(linie);
    lista->setUpdatesEnabled(true);
}

void ZakladkaOdebrane::poZmianie(const Punkt& przed)
{
    const Blockchain& lancuch = dane->lancuch();
    if (!lancuch.zawiera(przed) || przed.liczba != pokazaneBloki) {
        odswiez();
        return;
    }
    const QStringList nowe = linieOdebranych(lancuch, przed.liczba, dane->mojKlucz());
    pokazaneBloki = lancuch.liczbaBlokow();
    if (nowe.isEmpty())
        return;
    if (odebranePuste)
        ui->listaOdebranych->clear();
    odebranePuste = false;
    ui->listaOdebranych->insertItems(0, nowe);
}
