// Zakladka Siec: walidacja portu, start i stop nasluchu (kropki i teksty), zajety port,
// wezly i seedy, "Rozglos teraz", wykrycie wezla, bootstrap tylko bez znanych wezlow,
// odmowa systemu przy tworzeniu watkow i szybkie zamkniecie okna z dzialajacymi watkami.
// Wszystko, co nasluchuje, biegnie w prywatnej przestrzeni sieciowej tego procesu.
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sodium.h>
#include <unistd.h>

#include "kropka_statusu.h"
#include "mainwindow.h"
#include "plik_lancucha.h"
#include "pomoc_okna_glownego.h"
#include "przestrzen_sieci.h"
#include "ui_mainwindow.h"
#include "wezly.h"

namespace {

QString czerwona(const QString& tekst) { return kropkaStatusu("#e74c3c", tekst); }

} // namespace

class TestSieciOkna : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(sodium_init() >= 0); }
    void init() { folder = std::make_unique<FolderRoboczy>(); static_cast<void>(zapiszNowyPortfel()); }
    void cleanup() { folder.reset(); }

    void niepoprawnePortyOdrzucone();
    void skrajnePortyPrzyjete();
    void startIStopZKropkami();
    void zajetyPort();
    void dodawanieIUsuwanieWezlowISeedow();
    void rozglosTeraz();
    void wykrycieZastepujeStatus();
    void bootstrapTylkoBezZnanychWezlow();
    void odmowaWatkuSerweraIObecnosci();
    void zamkniecieZeWszystkimiWatkami();

private:
    std::unique_ptr<FolderRoboczy> folder;
};

void TestSieciOkna::niepoprawnePortyOdrzucone()
{
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    for (const char* port : {"0", "65536", "-5", "abc", ""}) {
        ui.labelStatusNasluchu->setText(QStringLiteral("poprzedni"));
        ui.editPortNasluchu->setText(QString::fromLatin1(port));
        ui.buttonNasluchuj->click();
        QCOMPARE(ui.labelStatusNasluchu->text(), czerwona("Niepoprawny port."));
        QVERIFY(ui.editPortNasluchu->isEnabled() && ui.buttonNasluchuj->isEnabled());
        QCOMPARE(ui.buttonNasluchuj->text(), QStringLiteral("Nasluchuj"));
        QVERIFY(!okno.watekSerwera.joinable());
    }
}

void TestSieciOkna::skrajnePortyPrzyjete()
{
    WYMAGA_WLASNEJ_PRZESTRZENI();
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    for (const char* port : {"1", "65535"}) {
        ui.editPortNasluchu->setText(QString::fromLatin1(port));
        ui.buttonNasluchuj->click();
        QCOMPARE(ui.labelStatusNasluchu->text(),
                 kropkaStatusu("#f39c12", QStringLiteral("Uruchamianie nasluchu na porcie %1...").arg(port)));
        QTRY_VERIFY_WITH_TIMEOUT(okno.nasluchAktywny, 10000);
        ui.buttonNasluchuj->click();
        QVERIFY(!okno.nasluchAktywny);
    }
}

void TestSieciOkna::startIStopZKropkami()
{
    WYMAGA_WLASNEJ_PRZESTRZENI();
    // Wlasny wpis (ten port na tym hoscie) znika z listy po starcie.
    zapiszPlikTestu(PLIK_WEZLOW, "127.0.0.1 17500 - -\n10.0.0.8 1700 - -\n");
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    QCOMPARE(ui.listaWezlow->count(), 2);
    ui.editPortNasluchu->setText(QStringLiteral("17500"));
    ui.buttonNasluchuj->click();
    QVERIFY(!ui.editPortNasluchu->isEnabled() && !ui.buttonNasluchuj->isEnabled());
    QCOMPARE(ui.labelStatusNasluchu->text(),
             kropkaStatusu("#f39c12", QStringLiteral("Uruchamianie nasluchu na porcie 17500...")));
    QTRY_VERIFY_WITH_TIMEOUT(okno.nasluchAktywny, 10000);
    QCOMPARE(ui.labelStatusNasluchu->text(),
             kropkaStatusu("#27ae60", QStringLiteral("Nasluch aktywny na porcie 17500.")));
    QCOMPARE(ui.buttonNasluchuj->text(), QStringLiteral("Zatrzymaj nasluch"));
    QVERIFY(ui.buttonNasluchuj->isEnabled() && !ui.editPortNasluchu->isEnabled());
    QVERIFY(okno.timerPliku->isActive());
    QVERIFY(okno.watekSerwera.joinable() && okno.watekObecnosci.joinable() && okno.watekOgloszen.joinable());
    QCOMPARE(liniePozycji(ui.listaWezlow), QStringList{QStringLiteral("10.0.0.8:1700")});

    ui.buttonNasluchuj->click();
    QVERIFY(!okno.nasluchAktywny);
    QCOMPARE(ui.labelStatusNasluchu->text(), czerwona("Nieaktywny."));
    QCOMPARE(ui.buttonNasluchuj->text(), QStringLiteral("Nasluchuj"));
    QVERIFY(ui.buttonNasluchuj->isEnabled() && ui.editPortNasluchu->isEnabled());
    QVERIFY(!okno.timerPliku->isActive());
    QVERIFY(!okno.watekSerwera.joinable() && !okno.watekObecnosci.joinable() && !okno.watekOgloszen.joinable());
    // Port jest znow wolny.
    const int gniazdo = zajmijPort(17500);
    QVERIFY(gniazdo >= 0);
    ::close(gniazdo);
}

void TestSieciOkna::zajetyPort()
{
    WYMAGA_WLASNEJ_PRZESTRZENI();
    const int zajety = zajmijPort(17501);
    QVERIFY(zajety >= 0);
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    ui.editPortNasluchu->setText(QStringLiteral("17501"));
    ui.buttonNasluchuj->click();
    QTRY_COMPARE_WITH_TIMEOUT(
        ui.labelStatusNasluchu->text(),
        czerwona(QStringLiteral("BLAD: nie udalo sie nasluchiwac na porcie 17501 (port juz zajety?).")), 10000);
    QVERIFY(!okno.nasluchAktywny && !okno.watekSerwera.joinable() && !okno.watekObecnosci.joinable());
    QVERIFY(ui.editPortNasluchu->isEnabled() && ui.buttonNasluchuj->isEnabled());
    QCOMPARE(ui.buttonNasluchuj->text(), QStringLiteral("Nasluchuj"));
    QVERIFY(!okno.timerPliku->isActive());
    ::close(zajety);
    // Po zwolnieniu portu mozna sprobowac jeszcze raz.
    ui.buttonNasluchuj->click();
    QTRY_VERIFY_WITH_TIMEOUT(okno.nasluchAktywny, 10000);
}

void TestSieciOkna::dodawanieIUsuwanieWezlowISeedow()
{
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    // Niepoprawne pola: nic sie nie dzieje, pola zostaja.
    for (const auto& [ip, port] : {std::pair{"", "1800"}, std::pair{"10.0.0.5", "0"}, std::pair{"10.0.0.5", "x"}}) {
        ui.editIpWezla->setText(ip);
        ui.editPortWezla->setText(port);
        ui.buttonDodajWezel->click();
        QCOMPARE(ui.editIpWezla->text(), QString::fromLatin1(ip));
        QCOMPARE(ui.editPortWezla->text(), QString::fromLatin1(port));
    }
    QVERIFY(wczytajWezly(PLIK_WEZLOW).empty());

    for (int raz = 0; raz < 2; ++raz) { // drugi raz: duplikat
        ui.editIpWezla->setText(QStringLiteral("10.0.0.5"));
        ui.editPortWezla->setText(QStringLiteral("1800"));
        ui.buttonDodajWezel->click();
        QVERIFY(ui.editIpWezla->text().isEmpty() && ui.editPortWezla->text().isEmpty());
    }
    QCOMPARE(liniePozycji(ui.listaWezlow), QStringList{QStringLiteral("10.0.0.5:1800")});
    QCOMPARE(wczytajWezly(PLIK_WEZLOW).size(), std::size_t{1});
    QCOMPARE(ui.listaWezlow->item(0)->data(Qt::UserRole).toString(), QStringLiteral("10.0.0.5"));
    QCOMPARE(ui.listaWezlow->item(0)->data(Qt::UserRole + 1).toInt(), 1800);

    // Seed przy znanym wezle: dopisany, ale bez bootstrapu.
    ui.editIpSeeda->setText(QStringLiteral("10.0.0.6"));
    ui.editPortSeeda->setText(QStringLiteral("1900"));
    ui.buttonDodajSeed->click();
    QCOMPARE(okno.straz->praceWToku(), 0);
    QCOMPARE(liniePozycji(ui.listaSeedow), QStringList{QStringLiteral("10.0.0.6:1900")});
    QVERIFY(ui.editIpSeeda->text().isEmpty() && ui.editPortSeeda->text().isEmpty());

    // Usuwanie bez wybranej pozycji nic nie robi.
    ui.listaWezlow->setCurrentItem(nullptr);
    ui.buttonUsunWezel->click();
    ui.listaSeedow->setCurrentItem(nullptr);
    ui.buttonUsunSeed->click();
    QCOMPARE(wczytajWezly(PLIK_WEZLOW).size(), std::size_t{1});
    QCOMPARE(wczytajWezly(PLIK_SEEDOW).size(), std::size_t{1});
    // Usuwanie po danych pozycji, nie po tekscie (wezel z nazwa ma inny tekst).
    zapiszPlikTestu(PLIK_WEZLOW, "10.0.0.5 1800 - Ola\n10.0.0.7 1800 - -\n");
    okno.odswiezWezly();
    QCOMPARE(ui.listaWezlow->item(0)->text(), QStringLiteral("Ola - 10.0.0.5:1800"));
    ui.listaWezlow->setCurrentRow(0);
    ui.buttonUsunWezel->click();
    QCOMPARE(liniePozycji(ui.listaWezlow), QStringList{QStringLiteral("10.0.0.7:1800")});
    ui.listaSeedow->setCurrentRow(0);
    ui.buttonUsunSeed->click();
    QVERIFY(wczytajWezly(PLIK_SEEDOW).empty());
    QCOMPARE(ui.listaSeedow->count(), 0);
}

void TestSieciOkna::rozglosTeraz()
{
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    ui.buttonRozgloscTeraz->click();
    QCOMPARE(ui.buttonRozgloscTeraz->text(), QStringLiteral("Rozglaszanie..."));
    QVERIFY(!ui.buttonRozgloscTeraz->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(ui.buttonRozgloscTeraz->text(), QStringLiteral("Brak znanych wezlow!"), 10000);
    QVERIFY(ui.buttonRozgloscTeraz->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(ui.buttonRozgloscTeraz->text(), QStringLiteral("Rozglos teraz"), 10000);

    // Wezel na zamknietym porcie: 0 z 1 (polaczenie odrzucone od razu).
    zapiszPlikTestu(PLIK_WEZLOW, "127.0.0.1 " + std::to_string(wolnyPort()) + " - -\n");
    ui.buttonRozgloscTeraz->click();
    QTRY_COMPARE_WITH_TIMEOUT(ui.buttonRozgloscTeraz->text(), QStringLiteral("Rozgloszono: 0/1"), 20000);
}

void TestSieciOkna::wykrycieZastepujeStatus()
{
    WYMAGA_WLASNEJ_PRZESTRZENI();
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    ui.editPortNasluchu->setText(QStringLiteral("17504"));
    ui.buttonNasluchuj->click();
    QTRY_VERIFY_WITH_TIMEOUT(okno.nasluchAktywny, 10000);
    // Sluchacz obecnosci zapisal juz nowy wezel i wysyla sygnal z innego watku.
    zapiszPlikTestu(PLIK_WEZLOW, "10.0.0.9 1700 - Ewa\n");
    std::thread([&okno] { emit okno.wezelWykryty(QStringLiteral("10.0.0.9"), 1700); }).join();
    QTRY_COMPARE_WITH_TIMEOUT(ui.labelStatusNasluchu->text(),
                              QStringLiteral("Wykryto nowy wezel w sieci: 10.0.0.9:1700"), 5000);
    QCOMPARE(liniePozycji(ui.listaWezlow), QStringList{QStringLiteral("Ewa - 10.0.0.9:1700")});
    QVERIFY(okno.nasluchAktywny);
}

void TestSieciOkna::bootstrapTylkoBezZnanychWezlow()
{
    WYMAGA_WLASNEJ_PRZESTRZENI();
    WezelPomocniczy seed(17505);
    QVERIFY(seed.dziala());
    seed.zapiszZnaneWezly("10.0.0.42 1700 - Zenek\n");
    zapiszPlikTestu(PLIK_SEEDOW, "127.0.0.1 17505 - -\n");
    // Lancuch dluzszy od lancucha seeda: seed go przyjmie i zapisze, jesli go dostanie.
    Blockchain lancuch;
    dopiszBlok(lancuch, kluczPublicznyHex(generujPareKluczy()));
    zapiszLancuchTestu(lancuch);
    zapiszPlikTestu(PLIK_WEZLOW, "10.0.0.8 1700 - -\n");
    {
        // Znany wezel: start nasluchu nie wola seedow.
        MainWindow okno(QString{});
        okno.ui->editPortNasluchu->setText(QStringLiteral("17506"));
        okno.ui->buttonNasluchuj->click();
        QTRY_VERIFY_WITH_TIMEOUT(okno.nasluchAktywny, 10000);
        QCOMPARE(okno.straz->praceWToku(), 0);
    }
    QCOMPARE(seed.blokiWPliku(), std::size_t{0});

    // Bez znanych wezlow: bootstrap wypycha lancuch do seeda i dopisuje jego wezly.
    zapiszPlikTestu(PLIK_WEZLOW, "");
    MainWindow okno(QString{});
    okno.ui->editPortNasluchu->setText(QStringLiteral("17506"));
    okno.ui->buttonNasluchuj->click();
    QTRY_COMPARE_WITH_TIMEOUT(liniePozycji(okno.ui->listaWezlow),
                              QStringList{QStringLiteral("Zenek - 10.0.0.42:1700")}, 20000);
    QCOMPARE(seed.blokiWPliku(), std::size_t{2});
    QTRY_COMPARE_WITH_TIMEOUT(okno.straz->praceWToku(), 0, 10000);
}

void TestSieciOkna::odmowaWatkuSerweraIObecnosci()
{
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    ui.editPortNasluchu->setText(QStringLiteral("17507"));
    ui.labelStatusNasluchu->setText(czerwona("Niepoprawny port."));
    okno.utworzWatek = [](std::thread&, PracaWatku) { return false; };
    {
        PrzechwycWyjscie wyjscie;
        ui.buttonNasluchuj->click();
        const std::string wypisane = wyjscie.tekst();
        QVERIFY2(wypisane.find("BLAD: nie udalo sie utworzyc watku serwera na porcie 17507.") != std::string::npos,
                 wypisane.c_str());
    }
    QCOMPARE(ui.labelStatusNasluchu->text(), czerwona("Niepoprawny port."));
    QVERIFY(ui.editPortNasluchu->isEnabled() && ui.buttonNasluchuj->isEnabled());
    QCOMPARE(ui.buttonNasluchuj->text(), QStringLiteral("Nasluchuj"));
    QVERIFY(!okno.nasluchAktywny && !okno.watekSerwera.joinable());

    if (!wlasnaPrzestrzenSieci())
        QSKIP("odmowa watku obecnosci wymaga nasluchu: brak wlasnej przestrzeni sieciowej");
    // Serwer powstaje, watek obecnosci juz nie: serwer zatrzymany, okno jak przed kliknieciem.
    int proby = 0;
    okno.utworzWatek = [&proby](std::thread& watek, PracaWatku praca) {
        return ++proby == 1 && utworzWatekSystemowy(watek, std::move(praca));
    };
    PrzechwycWyjscie wyjscie;
    ui.buttonNasluchuj->click();
    QTRY_COMPARE_WITH_TIMEOUT(proby, 2, 10000);
    const std::string wypisane = wyjscie.tekst();
    QVERIFY2(wypisane.find("BLAD: nie udalo sie utworzyc watku obecnosci - nasluch zatrzymany.") != std::string::npos,
             wypisane.c_str());
    QCOMPARE(ui.labelStatusNasluchu->text(), czerwona("Niepoprawny port."));
    QVERIFY(!okno.nasluchAktywny && !okno.timerPliku->isActive());
    QVERIFY(!okno.watekSerwera.joinable() && !okno.watekObecnosci.joinable() && !okno.watekOgloszen.joinable());
    QVERIFY(ui.editPortNasluchu->isEnabled() && ui.buttonNasluchuj->isEnabled());
    QCOMPARE(ui.buttonNasluchuj->text(), QStringLiteral("Nasluchuj"));
    const int gniazdo = zajmijPort(17507);
    QVERIFY(gniazdo >= 0); // serwer naprawde zamknal port
    ::close(gniazdo);
}

void TestSieciOkna::zamkniecieZeWszystkimiWatkami()
{
    WYMAGA_WLASNEJ_PRZESTRZENI();
    auto okno = std::make_unique<MainWindow>(QString{});
    okno->ui->editPortNasluchu->setText(QStringLiteral("17508"));
    okno->ui->buttonNasluchuj->click();
    QTRY_VERIFY_WITH_TIMEOUT(okno->nasluchAktywny, 10000);
    okno->ui->buttonKopWPetli->click();
    QVERIFY(okno->kopanieWPetli);
    QTRY_VERIFY_WITH_TIMEOUT(blokiWPlikuLancucha() >= 2, 60000);
    QVERIFY(okno->watekSerwera.joinable() && okno->watekObecnosci.joinable() && okno->watekOgloszen.joinable());
    QElapsedTimer zegar;
    zegar.start();
    okno.reset();
    // Hojny limit: serwer i sluchacz patrza na flage co 500 ms, ogloszenia co 100 ms,
    // petla konczy biezacy przebieg.
    QVERIFY2(zegar.elapsed() < 20000, qPrintable(QString::number(zegar.elapsed())));
    const int gniazdo = zajmijPort(17508);
    QVERIFY(gniazdo >= 0);
    ::close(gniazdo);
    // Po zamknieciu nic juz nie pisze lancucha.
    const std::size_t bloki = blokiWPlikuLancucha();
    QTest::qWait(300);
    QCOMPARE(blokiWPlikuLancucha(), bloki);
}

TALVARIN_TEST_W_PRZESTRZENI(TestSieciOkna)
#include "test_siec_okna.moc"
