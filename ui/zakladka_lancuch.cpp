#include "ui/zakladka_lancuch.h"

#include <QListView>
#include <QPushButton>

#include "ui/dane_okna.h"
#include "ui/model_listy_blokow.h"
#include "ui_mainwindow.h"

void ZakladkaLancuch::poPodpieciu()
{
    model = new ModelListyBlokow(dane->lancuch(), this);
    ui->listaBlokow->setModel(model);
    // Rowne wiersze: widok nie mierzy miliona pozycji.
    ui->listaBlokow->setUniformItemSizes(true);
    connect(ui->buttonOdswiezLancuch, &QPushButton::clicked, this,
            [this] { odswiezZPliku(*dane, ui->buttonOdswiezLancuch); });
    // Gdy lancuch tylko urosl od `przed`, lista dostaje same nowe wiersze.
    connect(dane, &DaneOkna::lancuchZmieniony, this, [this](const Punkt& przed) {
        if (dane->lancuch().zawiera(przed) && przed.liczba == model->liczbaBlokow())
            model->dopisz(przed.liczba);
        else
            odswiez();
    });
    // Zmiana w tle (zegar pliku, pobranie) wyglada jak klikniecie "Odswiez".
    connect(dane, &DaneOkna::odswiezonoWTle, this, [this] { pokazOdswiezono(ui->buttonOdswiezLancuch); });
    odswiez();
}

void ZakladkaLancuch::odswiez()
{
    model->przebuduj(dane->mojKlucz());
}
