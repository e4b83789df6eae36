// Listy zakladek Lancuch i Odebrane budowane z mojLancuch.
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include "kwota.h"
#include "mainwindow.h"
#include "teksty_okna.h"
#include "ui_mainwindow.h"

namespace {

// "12.5 TLV": wzor bez tlumaczenia.
QString tekstKwoty(std::int64_t kwota)
{
    return QString::fromStdString(formatujKwote(kwota)) + u' ' + QLatin1String(SYMBOL_MONETY);
}

// Pierwsze 12 znakow klucza i "..."; krotszy klucz w calosci.
QString krotkiKlucz(const std::string& klucz)
{
    return QString::fromStdString(klucz.substr(0, 12)) + QStringLiteral("...");
}

// Wzory przetlumaczone raz na przebudowe, nie raz na transakcje.
struct WzoryLinii {
    QString geneza = MainWindow::tr(TEKST_BLOK_GENEZA);
    QString mojaNagroda = MainWindow::tr(TEKST_BLOK_MOJA_NAGRODA);
    QString cudzaNagroda = MainWindow::tr(TEKST_BLOK_CUDZA_NAGRODA);
    QString doSiebie = MainWindow::tr(TEKST_BLOK_DO_SIEBIE);
    QString wyslano = MainWindow::tr(TEKST_BLOK_WYSLANO);
    QString otrzymano = MainWindow::tr(TEKST_BLOK_OTRZYMANO);
    QString obcy = MainWindow::tr(TEKST_BLOK_OBCY);
};

// Pierwszy pasujacy wiersz tabeli linii zakladki Lancuch.
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

// Cala lista naraz: jedno wstawienie do modelu zamiast jednego na wiersz.
void wypelnijListe(QListWidget* lista, const QStringList& linie)
{
    lista->setUpdatesEnabled(false);
    lista->clear();
    lista->addItems(linie);
    lista->setUpdatesEnabled(true);
}

} // namespace

void MainWindow::odswiezListeBlokow()
{
    const WzoryLinii wzory;
    const std::string ja = kluczPublicznyHex(klucze);
    const auto& bloki = mojLancuch.pobierzLancuch();
    QStringList linie;
    linie.reserve(static_cast<qsizetype>(bloki.size()) * 2);
    for (auto blok = bloki.rbegin(); blok != bloki.rend(); ++blok) {
        const QString indeks = QString::number(blok->indeks);
        for (const Transakcja& tx : blok->transakcje)
            linie.append(liniaTransakcji(wzory, indeks, tx, ja));
    }
    wypelnijListe(ui->listaBlokow, linie);
}

void MainWindow::odswiezOdebrane()
{
    const QString wzor = tr(TEKST_ODEBRANE_OD);
    const std::string ja = kluczPublicznyHex(klucze);
    const auto& bloki = mojLancuch.pobierzLancuch();
    QStringList linie;
    for (auto blok = bloki.rbegin(); blok != bloki.rend(); ++blok)
        for (const Transakcja& tx : blok->transakcje)
            if (!tx.nadawca.empty() && tx.nadawca != ja && tx.odbiorca == ja)
                linie.append(wzor.arg(QString::number(blok->indeks), krotkiKlucz(tx.nadawca),
                                      tekstKwoty(tx.kwota)));
    if (linie.isEmpty())
        linie.append(tr(TEKST_NIC_NIE_ODEBRANO));
    wypelnijListe(ui->listaOdebranych, linie);
}

void MainWindow::odswiezPrzeglad()
{
    const std::string ja = kluczPublicznyHex(klucze);
    const QString klucz = QString::fromStdString(ja);
    ui->labelKlucz->setText(tr(TEKST_KLUCZ) + klucz.left(8) + QStringLiteral("...") + klucz.right(8));
    ui->labelKlucz->setToolTip(klucz + QStringLiteral("\n\n") + tr(TEKST_KLUCZ_PODPOWIEDZ));
    ui->labelSaldo->setText(tr(TEKST_SALDO).arg(QString::fromStdString(formatujKwote(mojLancuch.saldo(ja))),
                                                QLatin1String(SYMBOL_MONETY)));
    const auto wysokosc = static_cast<qint64>(mojLancuch.liczbaBlokow());
    ui->labelWysokoscLancucha->setText(tr(TEKST_WYSOKOSC).arg(wysokosc));
    if (kopanieWPetli)
        ui->labelStatusKopania->setText(tr(TEKST_KOPANIE_AKTYWNE).arg(wysokosc - wysokoscStartowa));
}

void MainWindow::naOdswiezOdebrane()
{
    static_cast<void>(wczytajLancuch(mojLancuch, PLIK_LANCUCHA));
    odswiezOdebrane();
    odswiezPrzeglad();
    ui->buttonOdswiezOdebrane->setText(tr(TEKST_ODSWIEZONO));
    QTimer::singleShot(1000, this, [this] { ui->buttonOdswiezOdebrane->setText(tr("Odswiez")); });
}
