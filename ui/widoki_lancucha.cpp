// Listy zakladek Lancuch i Odebrane budowane z mojLancuch.
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include "portfel/kwota.h"
#include "ui/linie_lancucha.h"
#include "ui/mainwindow.h"
#include "ui/model_listy_blokow.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"

namespace {

// Cala lista naraz: jedno wstawienie do modelu zamiast jednego na wiersz.
void wypelnijListe(QListWidget* lista, const QStringList& linie)
{
    lista->setUpdatesEnabled(false);
    lista->clear();
    lista->addItems(linie);
    lista->setUpdatesEnabled(true);
}

// Wiersze zakladki Odebrane dla blokow od pozycji `od`, od najnowszego.
QStringList linieOdebranych(const Blockchain& lancuch, std::size_t od, const std::string& ja)
{
    const QString wzor = MainWindow::tr(TEKST_ODEBRANE_OD);
    const auto& bloki = lancuch.pobierzLancuch();
    QStringList linie;
    for (std::size_t b = bloki.size(); b > od; --b) {
        const Blok& blok = bloki[b - 1];
        for (const Transakcja& tx : blok.transakcje)
            if (!tx.nadawca.empty() && tx.nadawca != ja && tx.odbiorca == ja)
                linie.append(wzor.arg(QString::number(blok.indeks), krotkiKlucz(tx.nadawca),
                                      tekstKwoty(tx.kwota)));
    }
    return linie;
}

} // namespace

QString tekstKwoty(std::int64_t kwota)
{
    return QString::fromStdString(formatujKwote(kwota)) + u' ' + QLatin1String(SYMBOL_MONETY);
}

QString krotkiKlucz(const std::string& klucz)
{
    return QString::fromStdString(klucz.substr(0, 12)) + QStringLiteral("...");
}

QString skrotKlucza(const QString& klucz)
{
    return klucz.left(8) + QStringLiteral("...") + klucz.right(8);
}

WzoryLinii WzoryLinii::przetlumaczone()
{
    return WzoryLinii{MainWindow::tr(TEKST_BLOK_GENEZA),       MainWindow::tr(TEKST_BLOK_MOJA_NAGRODA),
                      MainWindow::tr(TEKST_BLOK_CUDZA_NAGRODA), MainWindow::tr(TEKST_BLOK_DO_SIEBIE),
                      MainWindow::tr(TEKST_BLOK_WYSLANO),       MainWindow::tr(TEKST_BLOK_OTRZYMANO),
                      MainWindow::tr(TEKST_BLOK_OBCY)};
}

QString liniaTransakcji(const WzoryLinii& wzory, const QString& indeks, const Transakcja& tx,
                        const std::string& ja)
{
    if (tx.nadawca.empty() && tx.odbiorca.empty())
        return wzory.geneza.arg(indeks, QString::fromStdString(tx.opis));
    const QString kwota = tekstKwoty(tx.kwota);
    if (tx.nadawca.empty())
        return tx.odbiorca == ja ? wzory.mojaNagroda.arg(indeks, kwota)
                                 : wzory.cudzaNagroda.arg(indeks, krotkiKlucz(tx.odbiorca), kwota);
    if (tx.nadawca == ja)
        return tx.odbiorca == ja ? wzory.doSiebie.arg(indeks, kwota)
                                 : wzory.wyslano.arg(indeks, krotkiKlucz(tx.odbiorca), kwota);
    if (tx.odbiorca == ja)
        return wzory.otrzymano.arg(indeks, krotkiKlucz(tx.nadawca), kwota);
    return wzory.obcy.arg(indeks, krotkiKlucz(tx.nadawca), krotkiKlucz(tx.odbiorca), kwota);
}

void MainWindow::odswiezListeBlokow()
{
    modelBlokow->przebuduj(kluczPublicznyHex(klucze));
}

void MainWindow::odswiezOdebrane()
{
    QStringList linie = linieOdebranych(mojLancuch, 0, kluczPublicznyHex(klucze));
    odebranePuste = linie.isEmpty();
    if (odebranePuste)
        linie.append(tr(TEKST_NIC_NIE_ODEBRANO));
    wypelnijListe(ui->listaOdebranych, linie);
}

void MainWindow::odswiezPoWczytaniu(const Punkt& przed)
{
    // Lancuch tylko urosl: nowe wiersze na gore list, bez przebudowy.
    if (mojLancuch.zawiera(przed) && przed.liczba == modelBlokow->liczbaBlokow()) {
        modelBlokow->dopisz(przed.liczba);
        const QStringList nowe = linieOdebranych(mojLancuch, przed.liczba, kluczPublicznyHex(klucze));
        if (!nowe.isEmpty()) {
            if (odebranePuste)
                ui->listaOdebranych->clear();
            odebranePuste = false;
            ui->listaOdebranych->insertItems(0, nowe);
        }
    } else {
        odswiezListeBlokow();
        odswiezOdebrane();
    }
    odswiezPrzeglad();
}

void MainWindow::odswiezPrzeglad()
{
    const std::string ja = kluczPublicznyHex(klucze);
    const QString klucz = QString::fromStdString(ja);
    ui->labelKlucz->setText(tr(TEKST_KLUCZ) + skrotKlucza(klucz));
    ui->labelKlucz->setToolTip(klucz + QStringLiteral("\n\n") + tr(TEKST_KLUCZ_PODPOWIEDZ));
    mojLancuch.przygotujSalda();
    ui->labelSaldo->setText(tr(TEKST_SALDO).arg(QString::fromStdString(formatujKwote(mojLancuch.saldo(ja))),
                                                QLatin1String(SYMBOL_MONETY)));
    const auto wysokosc = static_cast<qint64>(mojLancuch.liczbaBlokow());
    ui->labelWysokoscLancucha->setText(tr(TEKST_WYSOKOSC).arg(wysokosc));
    if (kopanieWPetli)
        ui->labelStatusKopania->setText(tr(TEKST_KOPANIE_AKTYWNE).arg(wysokosc - wysokoscStartowa));
    pokazDluzszyOdrzucony();
}

void MainWindow::naOdswiezOdebrane()
{
    odswiezZPliku(ui->buttonOdswiezOdebrane);
}

void MainWindow::odswiezZPliku(QPushButton* przycisk)
{
    const Punkt przed = mojLancuch.punkt();
    static_cast<void>(wczytajLancuch(mojLancuch, PLIK_LANCUCHA));
    odswiezPoWczytaniu(przed);
    przycisk->setText(tr(TEKST_ODSWIEZONO));
    QTimer::singleShot(1000, przycisk, [przycisk] { przycisk->setText(tr("Odswiez")); });
}
