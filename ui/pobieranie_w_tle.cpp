// Pobieranie dluzszego lancucha od wezlow w tle: postep w statusie sieci, a lancuch, ktorego
// straznik salda nie przyjmuje, na zakladce Przeglad.
#include <QLabel>
#include <QPushButton>

#include "ui/mainwindow.h"
#include "wezel/praca_wezla.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"

bool MainWindow::pobierzWTle(std::vector<Wezel> skad, bool potemKop)
{
    if (skad.empty())
        return false;
    auto praca = [skad = std::move(skad), klucz = kluczPublicznyHex(klucze), port = mojPort(),
                  potemKop, straz = straz] {
        const WynikPobieraniaOdWezlow wynik = pobierzOdWezlow(
            skad, klucz, port, straz->stop(),
            [&straz](const std::string& dawca, std::uint64_t mam, std::uint64_t wszystkie) {
                straz->jesliZyje([&](MainWindow& okno) {
                    emit okno.postepPobierania(QString::fromStdString(dawca),
                                               static_cast<qint64>(mam), static_cast<qint64>(wszystkie));
                });
            });
        straz->jesliZyje([&wynik, potemKop](MainWindow& okno) {
            emit okno.pobieranieZakonczone(wynik.odrzuconySaldem, wynik.przyjeto, potemKop);
        });
    };
    return uruchomOdlaczony(std::move(praca), "pobierania");
}

void MainWindow::pobierzPrzedPetla(const std::string& klucz, int port, const std::stop_token& stop)
{
    // Watek petli: okno zyje, dopoki go nie dolaczy, wiec sygnaly ida wprost.
    const WynikPobieraniaOdWezlow wynik = pobierzOdWezlow(
        wezlyDoPobrania(port), klucz, port, stop,
        [this](const std::string& dawca, std::uint64_t mam, std::uint64_t wszystkie) {
            emit postepPobierania(QString::fromStdString(dawca), static_cast<qint64>(mam),
                                  static_cast<qint64>(wszystkie));
        });
    emit pobieranieZakonczone(wynik.odrzuconySaldem, wynik.przyjeto, false);
}

void MainWindow::naPostepPobierania(QString dawca, qint64 mam, qint64 wszystkie)
{
    // Status sprzed pobierania wraca po nim, o ile nikt go w tym czasie nie zmienil.
    if (ui->labelStatusNasluchu->text() != statusPobierania)
        statusPrzedPobieraniem = ui->labelStatusNasluchu->text();
    statusPobierania = tr(TEKST_POBIERAM_LANCUCH).arg(dawca).arg(mam).arg(wszystkie);
    ui->labelStatusNasluchu->setText(statusPobierania);
}

void MainWindow::naPobieranieZakonczone(qint64 odrzuconySaldem, bool przyjeto, bool potemKop)
{
    if (!statusPobierania.isEmpty() && ui->labelStatusNasluchu->text() == statusPobierania)
        ui->labelStatusNasluchu->setText(statusPrzedPobieraniem);
    statusPobierania.clear();
    dluzszyOdrzucony = std::max<std::int64_t>(dluzszyOdrzucony, odrzuconySaldem);
    // Plik zmienil watek pobierania; zegar pliku nie zawsze dziala.
    if (przyjeto)
        naOdswiezLancuch();
    pokazDluzszyOdrzucony();
    if (!potemKop)
        return;
    rozglaszanieBloku = false;
    // Petla ruszyla w czasie pobierania: ona kopie, a zapis lancucha trzyma dla siebie.
    if (kopanieWPetli) {
        ui->buttonKop->setText(tr("Kop blok"));
        return;
    }
    kopJedenBlok();
}

void MainWindow::pokazDluzszyOdrzucony()
{
    // Wlasny lancuch dogonil tamten: rozwidlenie juz nie grozi utrata blokow.
    const bool widoczny = dluzszyOdrzucony > static_cast<std::int64_t>(mojLancuch.liczbaBlokow());
    ui->labelSiecDluzsza->setVisible(widoczny);
    if (widoczny)
        ui->labelSiecDluzsza->setText(tr(TEKST_SIEC_DLUZSZA).arg(dluzszyOdrzucony));
}
