// Okno z dlugim lancuchem: nowy blok z petli kopania dodaje tylko swoje wiersze (bez
// przebudowy list), zakladka Odebrane traci wiersz "nic nie odebrano", a lancuch wymieniony
// na inny przebudowuje liste raz.
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <sodium.h>

#include "mainwindow.h"
#include "plik_lancucha.h"
#include "pomoc_okna_glownego.h"

class TestDuzegoLancucha : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(sodium_init() >= 0); }
    void nowyBlokDodajeWierszeAWymianaPrzebudowuje();
};

void TestDuzegoLancucha::nowyBlokDodajeWierszeAWymianaPrzebudowuje()
{
    FolderRoboczy folder;
    const ParaKluczy ja = zapiszNowyPortfel();
    const ParaKluczy inny = generujPareKluczy();
    const std::string mojKlucz = kluczPublicznyHex(ja);
    Blockchain petla;
    for (int i = 0; i < 20000; ++i)
        dopiszBlok(petla, kluczPublicznyHex(inny));
    QVERIFY(zapiszLancuch(petla, PLIK_LANCUCHA));

    MainWindow okno(QString{});
    const auto* listaBlokow = okno.findChild<QListView*>(QStringLiteral("listaBlokow"));
    const auto* listaOdebranych = okno.findChild<QListWidget*>(QStringLiteral("listaOdebranych"));
    auto* odswiez = okno.findChild<QPushButton*>(QStringLiteral("buttonOdswiezLancuch"));
    const auto* saldo = okno.findChild<QLabel*>(QStringLiteral("labelSaldo"));
    QVERIFY(listaBlokow && listaOdebranych && odswiez && saldo);
    QAbstractItemModel* model = listaBlokow->model();
    QCOMPARE(model->rowCount(), 20001);
    QCOMPARE(model->index(20000, 0).data().toString(),
             QStringLiteral("Blok #0: Blok Genezy - Start sieci Talvarin (TLV)"));
    QSignalSpy przebudowy(model, &QAbstractItemModel::modelReset);
    QSignalSpy wstawienia(model, &QAbstractItemModel::rowsInserted);

    // Drugi wlasciciel pliku (jak petla kopania) dopisuje blok z platnoscia dla mnie.
    dopiszBlok(petla, mojKlucz, {Transakcja(inny, mojKlucz, 100000000, "")});
    QVERIFY(zapiszLancuch(petla, PLIK_LANCUCHA));
    odswiez->click();
    QCOMPARE(przebudowy.count(), 0);
    QCOMPARE(wstawienia.count(), 1);
    const QString krotki = QString::fromStdString(kluczPublicznyHex(inny).substr(0, 12)) + "...";
    QCOMPARE(liniePozycji(listaBlokow).mid(0, 3),
             (QStringList{"Blok #20001: NAGRODA ZA KOPANIE  +50 TLV",
                          "Blok #20001: OTRZYMANO od " + krotki + "  +1 TLV",
                          "Blok #20000: nagroda dla " + krotki + "  +50 TLV"}));
    QCOMPARE(liniePozycji(listaOdebranych), QStringList{"Blok #20001: od " + krotki + "  +1 TLV"});
    QCOMPARE(saldo->text(), QStringLiteral("Saldo: 51 TLV"));

    // Inny lancuch tej samej dlugosci w miejsce pliku: jedna przebudowa, nowe wiersze.
    Blockchain obcy;
    for (int i = 0; i < 20001; ++i)
        dopiszBlok(obcy, kluczPublicznyHex(inny));
    QVERIFY(zapiszLancuch(static_cast<const Blockchain&>(obcy), PLIK_LANCUCHA));
    odswiez->click();
    QCOMPARE(przebudowy.count(), 1);
    QCOMPARE(model->rowCount(), 20002);
    QCOMPARE(liniePozycji(listaOdebranych), QStringList{"Jeszcze nikt Ci nic nie wyslal."});
    QCOMPARE(saldo->text(), QStringLiteral("Saldo: 0 TLV"));
}

QTEST_MAIN(TestDuzegoLancucha)
#include "test_duzy_lancuch.moc"
