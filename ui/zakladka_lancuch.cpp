#include "ui/zakladka_lancuch.h"

#include <QListView>
#include <QPushButton>
#include <QTimer>

#include "ui/dane_okna.h"
#include "ui/model_listy_blokow.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"

void ZakladkaLancuch::przygotuj(DaneOkna& daneOkna, Ui::MainWindow& formularz)
{
    dane = &daneOkna;
    ui = &formularz;
    model = new ModelListyBlokow(dane->lancuch(), this);
    ui->listaBlokow->setModel(model);
    // Rowne wiersze: widok nie mierzy miliona pozycji.
    ui->listaBlokow->setUniformItemSizes(true);
    connect(ui->buttonOdswiezLancuch, &QPushButton::clicked, this,
            [this] { odswiezZPliku(*dane, ui->buttonOdswiezLancuch); });
    connect(dane, &DaneOkna::lancuchZmieniony, this, &ZakladkaLancuch::poZmianie);
    // Zmiana w tle (zegar pliku, pobranie) wyglada jak klikniecie "Odswiez".
    connect(dane, &DaneOkna::odswiezonoWTle, this, [this] {
        QPushButton* przycisk = ui->buttonOdswiezLancuch;
        przycisk->setText(trOkna(TEKST_ODSWIEZONO));
        QTimer::singleShot(1000, przycisk, [przycisk] { przycisk->setText(trOkna(TEKST_ODSWIEZ)); });
    });
    odswiez();
}

void ZakladkaLancuch::odswiez()
{
    model->przebuduj(dane->mojKlucz());
}

void ZakladkaLancuch::poZmianie(const Punkt& przed)
{
    if (dane->lancuch().zawiera(przed) && przed.liczba == model->liczbaBlokow())
        model->dopisz(przed.liczba);
    else
        odswiez();
}
