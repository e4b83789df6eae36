// Widoki lancucha: siedem wzorow linii zakladki Lancuch, zasada zakladki Odebrane,
// etykiety Przegladu i odswiezenie zakladki Odebrane.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <sodium.h>

#include "katalogi.h"
#include "mainwindow.h"
#include "pomoc_okna_glownego.h"
#include "ui_mainwindow.h"

class TestWidokow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(sodium_init() >= 0); }
    void init() { folder = std::make_unique<FolderRoboczy>(); }
    void cleanup() { folder.reset(); }

    void samaGeneza();
    void wszystkieWierszeOdNajnowszego();
    void odswiezenieOdebranychCzytaPlik();
    void wzoryPrzechodzaPrzezTlumaczenie();

private:
    std::unique_ptr<FolderRoboczy> folder;
};

void TestWidokow::samaGeneza()
{
    const ParaKluczy ja = zapiszNowyPortfel();
    const QString klucz = QString::fromStdString(kluczPublicznyHex(ja));
    MainWindow okno(QString{});
    const Ui::MainWindow& ui = *okno.ui;
    QCOMPARE(liniePozycji(ui.listaBlokow),
             QStringList{QStringLiteral("Blok #0: Blok Genezy - Start sieci Talvarin (TLV)")});
    QCOMPARE(liniePozycji(ui.listaOdebranych), QStringList{QStringLiteral("Jeszcze nikt Ci nic nie wyslal.")});
    QCOMPARE(ui.labelKlucz->text(), "Twoj klucz publiczny:\n" + klucz.left(8) + "..." + klucz.right(8));
    QCOMPARE(ui.labelKlucz->toolTip(), klucz + "\n\nTo klucz publiczny - mozna go bezpiecznie udostepniac.");
    QCOMPARE(ui.labelSaldo->text(), QStringLiteral("Saldo: 0 TLV"));
    QCOMPARE(ui.labelWysokoscLancucha->text(), QStringLiteral("Wysokosc lancucha: 1 blokow (lokalnie)"));
    // Licznik petli nie jest pisany, gdy petla nie biegnie.
    QCOMPARE(ui.labelStatusKopania->text(), QStringLiteral("Nieaktywne."));
}

void TestWidokow::wszystkieWierszeOdNajnowszego()
{
    const ParaKluczy ja = zapiszNowyPortfel();
    const ParaKluczy inny = generujPareKluczy();
    const std::string mojKlucz = kluczPublicznyHex(ja);
    const std::string innyKlucz = kluczPublicznyHex(inny);
    const std::string trzeci = kluczPublicznyHex(generujPareKluczy());
    QString wielkie = QString::fromStdString(mojKlucz).toUpper();

    Blockchain lancuch;
    dopiszBlok(lancuch, mojKlucz);
    dopiszBlok(lancuch, mojKlucz, {Transakcja(ja, innyKlucz, jednostki("12.5"), "")});
    dopiszBlok(lancuch, innyKlucz, {Transakcja(inny, mojKlucz, jednostki("7.25"), "")});
    // Do siebie, i do tego samego klucza wielkimi literami: to juz inny adres.
    dopiszBlok(lancuch, mojKlucz,
               {Transakcja(ja, mojKlucz, jednostki("1"), ""),
                Transakcja(ja, wielkie.toStdString(), jednostki("2"), "")});
    dopiszBlok(lancuch, innyKlucz, {Transakcja(inny, trzeci, jednostki("0.00000001"), "")});
    zapiszLancuchTestu(lancuch);

    MainWindow okno(QString{});
    const Ui::MainWindow& ui = *okno.ui;
    const QString sInny = skrot12(innyKlucz);
    const QStringList oczekiwane = {
        "Blok #5: nagroda dla " + sInny + "  +50 TLV",
        "Blok #5: " + sInny + " -> " + skrot12(trzeci) + "  0.00000001 TLV",
        "Blok #4: NAGRODA ZA KOPANIE  +50 TLV",
        "Blok #4: WYSLANO DO SIEBIE  1 TLV",
        "Blok #4: WYSLANO do " + wielkie.left(12) + "...  -2 TLV",
        "Blok #3: nagroda dla " + sInny + "  +50 TLV",
        "Blok #3: OTRZYMANO od " + sInny + "  +7.25 TLV",
        "Blok #2: NAGRODA ZA KOPANIE  +50 TLV",
        "Blok #2: WYSLANO do " + sInny + "  -12.5 TLV",
        "Blok #1: NAGRODA ZA KOPANIE  +50 TLV",
        "Blok #0: Blok Genezy - Start sieci Talvarin (TLV)",
    };
    QCOMPARE(liniePozycji(ui.listaBlokow), oczekiwane);
    // Tylko platnosc od innego klucza; nagrody i platnosci do siebie nie.
    QCOMPARE(liniePozycji(ui.listaOdebranych), QStringList{"Blok #3: od " + sInny + "  +7.25 TLV"});
    // 50 + 50 - 12.5 + 7.25 + 50 - 2 (do siebie: zero).
    QCOMPARE(ui.labelSaldo->text(), QStringLiteral("Saldo: 142.75 TLV"));
    QCOMPARE(ui.labelWysokoscLancucha->text(), QStringLiteral("Wysokosc lancucha: 6 blokow (lokalnie)"));
    // Pozycje bez danych.
    QVERIFY(!ui.listaBlokow->model()->index(0, 0).data(Qt::UserRole).isValid());

    // Ponowna przebudowa zaczyna od pustej listy.
    okno.odswiezListeBlokow();
    okno.odswiezOdebrane();
    QCOMPARE(ui.listaBlokow->model()->rowCount(), static_cast<int>(oczekiwane.size()));
    QCOMPARE(ui.listaOdebranych->count(), 1);
}

void TestWidokow::odswiezenieOdebranychCzytaPlik()
{
    const ParaKluczy ja = zapiszNowyPortfel();
    const ParaKluczy inny = generujPareKluczy();
    MainWindow okno(QString{});
    const Ui::MainWindow& ui = *okno.ui;

    Blockchain lancuch;
    dopiszBlok(lancuch, kluczPublicznyHex(inny));
    dopiszBlok(lancuch, kluczPublicznyHex(inny), {Transakcja(inny, kluczPublicznyHex(ja), jednostki("3"), "")});
    dopiszBlok(lancuch, kluczPublicznyHex(inny), {Transakcja(inny, kluczPublicznyHex(ja), jednostki("4.5"), "")});
    zapiszLancuchTestu(lancuch);

    ui.buttonOdswiezOdebrane->click();
    const QString sInny = skrot12(kluczPublicznyHex(inny));
    QCOMPARE(liniePozycji(ui.listaOdebranych),
             (QStringList{"Blok #3: od " + sInny + "  +4.5 TLV", "Blok #2: od " + sInny + "  +3 TLV"}));
    QCOMPARE(ui.labelSaldo->text(), QStringLiteral("Saldo: 7.5 TLV"));
    QCOMPARE(ui.labelWysokoscLancucha->text(), QStringLiteral("Wysokosc lancucha: 4 blokow (lokalnie)"));
    // Lista zakladki Lancuch jest modelem nad lancuchem okna: pokazuje tez wczytane bloki.
    QCOMPARE(ui.listaBlokow->model()->rowCount(), 6);
    QCOMPARE(ui.buttonOdswiezOdebrane->text(), QStringLiteral("Odswiezono!"));
    QTRY_COMPARE_WITH_TIMEOUT(ui.buttonOdswiezOdebrane->text(), QStringLiteral("Odswiez"), 5000);
}

void TestWidokow::wzoryPrzechodzaPrzezTlumaczenie()
{
    const ParaKluczy ja = zapiszNowyPortfel();
    Blockchain lancuch;
    dopiszBlok(lancuch, kluczPublicznyHex(ja));
    zapiszLancuchTestu(lancuch);
    QTranslator angielski;
    QVERIFY(zaladujKatalog(angielski, QStringLiteral("en_US")));
    QVERIFY(QCoreApplication::installTranslator(&angielski));
    auto przetlumacz = [](const char* tekst) { return QCoreApplication::translate("MainWindow", tekst); };
    const QString nagroda = przetlumacz("Blok #%1: NAGRODA ZA KOPANIE  +%2").arg("1", "50 TLV");
    const QString geneza = przetlumacz("Blok #%1: %2").arg("0", "Blok Genezy - Start sieci Talvarin (TLV)");
    const QString nic = przetlumacz("Jeszcze nikt Ci nic nie wyslal.");
    const QString saldo = przetlumacz("Saldo: %1 %2").arg("50", "TLV");
    MainWindow okno(QString{});
    QCoreApplication::removeTranslator(&angielski);
    QVERIFY(nagroda != QStringLiteral("Blok #1: NAGRODA ZA KOPANIE  +50 TLV"));
    const Ui::MainWindow& ui = *okno.ui;
    QCOMPARE(liniePozycji(ui.listaBlokow), (QStringList{nagroda, geneza}));
    QCOMPARE(liniePozycji(ui.listaOdebranych), QStringList{nic});
    QCOMPARE(ui.labelSaldo->text(), saldo);
}

QTEST_MAIN(TestWidokow)
#include "test_widoki.moc"
