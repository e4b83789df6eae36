// Praca w tle: podglad pliku lancucha (zmiana innego pisarza, czas cofniety, brak podgladu
// bez petli i nasluchu), wlasny port rozgloszenia, zamkniecie okna w trakcie rozgloszenia
// i bootstrapu (straz okna) oraz odmowa systemu przy tworzeniu watkow odlaczonych.
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sodium.h>

#include "mainwindow.h"
#include "plik_lancucha.h"
#include "pomoc_okna_glownego.h"
#include "przestrzen_sieci.h"
#include "ui_mainwindow.h"
#include "wezly.h"

namespace {

void pustyPrzebieg(Blockchain&, const std::string&, const std::string&, const std::vector<Transakcja>&)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

bool odmowaWatku(std::thread&, PracaWatku)
{
    return false;
}

} // namespace

class TestPracyWTle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(sodium_init() >= 0); }
    void init() { folder = std::make_unique<FolderRoboczy>(); ja = zapiszNowyPortfel(); }
    void cleanup() { folder.reset(); }

    void zmianaPlikuWidocznaTakzeGdyCzasSieCofa();
    void bezPetliINasluchuNicNiePatrzy();
    void rozgloszenieZWlasnymPortemZPola();
    void zamkniecieOknaPodczasRozgloszeniaIBootstrapu();
    void odmowaWatkuOdlaczonego();

private:
    std::unique_ptr<FolderRoboczy> folder;
    ParaKluczy ja;
};

void TestPracyWTle::zmianaPlikuWidocznaTakzeGdyCzasSieCofa()
{
    Blockchain lancuch;
    dopiszBlok(lancuch, kluczPublicznyHex(ja));
    zapiszLancuchTestu(lancuch);
    QVERIFY(ustawCzasPliku(QDateTime::currentDateTime().addSecs(-3600)));
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    okno.kopacz = pustyPrzebieg;
    ui.buttonKopWPetli->click(); // petla wlacza podglad pliku
    QVERIFY(okno.timerPliku->isActive());

    // Inny pisarz dopisuje blok.
    dopiszBlok(lancuch, kluczPublicznyHex(generujPareKluczy()));
    zapiszLancuchTestu(lancuch);
    QTRY_COMPARE_WITH_TIMEOUT(ui.listaBlokow->model()->rowCount(), 3, 5000);
    QCOMPARE(ui.labelWysokoscLancucha->text(), QStringLiteral("Wysokosc lancucha: 3 blokow (lokalnie)"));
    QCOMPARE(ui.buttonOdswiezLancuch->text(), QStringLiteral("Odswiezono!"));

    // Plik przywrocony z kopii: czas modyfikacji cofa sie, a zmiana i tak jest widoczna.
    dopiszBlok(lancuch, kluczPublicznyHex(ja));
    zapiszLancuchTestu(lancuch);
    QVERIFY(ustawCzasPliku(QDateTime::currentDateTime().addSecs(-7200)));
    QTRY_COMPARE_WITH_TIMEOUT(ui.listaBlokow->model()->rowCount(), 4, 5000);
    QCOMPARE(ui.labelSaldo->text(), QStringLiteral("Saldo: 100 TLV"));
    ui.buttonKopWPetli->click();
}

void TestPracyWTle::bezPetliINasluchuNicNiePatrzy()
{
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    QVERIFY(!okno.timerPliku->isActive());
    Blockchain lancuch;
    dopiszBlok(lancuch, kluczPublicznyHex(ja));
    zapiszLancuchTestu(lancuch);
    QTest::qWait(1500);
    QCOMPARE(ui.listaBlokow->model()->rowCount(), 1);
    ui.buttonOdswiezLancuch->click();
    QCOMPARE(ui.listaBlokow->model()->rowCount(), 2);
    QCOMPARE(ui.labelSaldo->text(), QStringLiteral("Saldo: 50 TLV"));
    QCOMPARE(ui.listaOdebranych->count(), 1);
    QCOMPARE(ui.buttonOdswiezLancuch->text(), QStringLiteral("Odswiezono!"));
    QTRY_COMPARE_WITH_TIMEOUT(ui.buttonOdswiezLancuch->text(), QStringLiteral("Odswiez"), 5000);
}

void TestPracyWTle::rozgloszenieZWlasnymPortemZPola()
{
    const int port = wolnyPort();
    zapiszPlikTestu(PLIK_WEZLOW, "127.0.0.1 " + std::to_string(port) + " - -\n");
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    // Ten sam port co w polu: wpis to ten wezel, wiec rozgloszenie go pomija.
    ui.editPortNasluchu->setText(QString::number(port));
    QCOMPARE(okno.mojPort(), port);
    ui.buttonRozgloscTeraz->click();
    QTRY_COMPARE_WITH_TIMEOUT(ui.buttonRozgloscTeraz->text(), QStringLiteral("Brak znanych wezlow!"), 10000);
    // Pole nie jest liczba: wlasny port -1, wpis jest obcym wezlem (tu: nikt nie slucha).
    ui.editPortNasluchu->setText(QStringLiteral("abc"));
    QCOMPARE(okno.mojPort(), -1);
    ui.buttonRozgloscTeraz->click();
    QTRY_COMPARE_WITH_TIMEOUT(ui.buttonRozgloscTeraz->text(), QStringLiteral("Rozgloszono: 0/1"), 10000);
    // Bez sprawdzania zakresu.
    ui.editPortNasluchu->setText(QStringLiteral("70000"));
    QCOMPARE(okno.mojPort(), 70000);
}

void TestPracyWTle::zamkniecieOknaPodczasRozgloszeniaIBootstrapu()
{
    for (const bool bootstrap : {false, true}) {
        CichyWezel cichy;
        QVERIFY(cichy.port() > 0);
        const std::string wpis = "127.0.0.1 " + std::to_string(cichy.port()) + " - -\n";
        zapiszPlikTestu(PLIK_WEZLOW, bootstrap ? "" : wpis);
        zapiszPlikTestu(PLIK_SEEDOW, "");
        auto okno = std::make_unique<MainWindow>(QString{});
        std::shared_ptr<StrazOkna> straz = okno->straz;
        if (bootstrap) {
            okno->ui->editIpSeeda->setText(QStringLiteral("127.0.0.1"));
            okno->ui->editPortSeeda->setText(QString::number(cichy.port()));
            okno->ui->buttonDodajSeed->click();
        } else {
            okno->ui->buttonRozgloscTeraz->click();
        }
        QCOMPARE(straz->praceWToku(), 1);
        // Watek czeka na odpowiedz, ktorej nie bedzie; okno znika.
        QTRY_VERIFY_WITH_TIMEOUT(cichy.przyjalPolaczenie(), 10000);
        okno.reset();
        cichy.zamknij(); // teraz watek konczy i probuje zglosic wynik
        QTRY_COMPARE_WITH_TIMEOUT(straz->praceWToku(), 0, 20000);
        QCoreApplication::processEvents();
    }
}

void TestPracyWTle::odmowaWatkuOdlaczonego()
{
    const int port = wolnyPort();
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    okno.utworzWatek = odmowaWatku;
    PrzechwycWyjscie wyjscie;
    ui.buttonKop->click();
    QCOMPARE(blokiWPlikuLancucha(), std::size_t{2});
    QCOMPARE(ui.buttonKop->text(), QStringLiteral("Kop blok"));
    QVERIFY(ui.buttonKop->isEnabled());

    zapiszPlikTestu(PLIK_WEZLOW, "127.0.0.1 " + std::to_string(port) + " - -\n");
    ui.buttonRozgloscTeraz->click();
    QCOMPARE(ui.buttonRozgloscTeraz->text(), QStringLiteral("Rozgloszono: 0/1"));
    QVERIFY(ui.buttonRozgloscTeraz->isEnabled());

    SterownikOkien sterownik;
    odpowiedzNaPytanie(sterownik, QMessageBox::Yes);
    ui.editOdbiorca->setText(QString::fromStdString(kluczPublicznyHex(generujPareKluczy())));
    ui.editKwota->setText(QStringLiteral("1"));
    ui.buttonWyslij->click();
    QCOMPARE(ui.labelStatusWyslij->text(),
             QStringLiteral("Transakcja zapisana lokalnie, ale rozgloszenie NIE powiodlo sie do zadnego z 1 "
                            "znanych wezlow (offline?). Sprobuj \"Rozglos teraz\" w zakladce Siec."));
    QVERIFY(ui.buttonWyslij->isEnabled());
    QCOMPARE(blokiWPlikuLancucha(), std::size_t{3});

    zapiszPlikTestu(PLIK_WEZLOW, "");
    ui.editIpSeeda->setText(QStringLiteral("127.0.0.1"));
    ui.editPortSeeda->setText(QString::number(port));
    ui.buttonDodajSeed->click();
    QCOMPARE(okno.straz->praceWToku(), 0);
    const std::string wypisane = wyjscie.tekst();
    QVERIFY2(wypisane.find("BLAD: nie udalo sie utworzyc watku rozgloszenia.") != std::string::npos, wypisane.c_str());
    QVERIFY2(wypisane.find("BLAD: nie udalo sie utworzyc watku bootstrapu.") != std::string::npos, wypisane.c_str());
}

TALVARIN_TEST_W_PRZESTRZENI(TestPracyWTle)
#include "test_praca_w_tle.moc"
