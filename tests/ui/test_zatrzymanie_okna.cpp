// Wezel, ktory przyjmuje polaczenie i nic nie czyta, ani klient, ktory wyslal pol ramki
// i milczy, nie przeciagaja zatrzymania petli, nasluchu ani zamkniecia okna ponad 1 s.
#include <QElapsedTimer>

#include <arpa/inet.h>
#include <sodium.h>
#include <unistd.h>

#include "mainwindow.h"
#include "pomoc_okna_glownego.h"
#include "przestrzen_sieci.h"
#include "ui_mainwindow.h"
#include "wezly.h"

class TestZatrzymaniaOkna : public QObject {
    Q_OBJECT

private slots:
    void zawieszonyWezelNieWstrzymujeZatrzyman()
    {
        WYMAGA_WLASNEJ_PRZESTRZENI();
        QVERIFY(sodium_init() >= 0);
        const FolderRoboczy folder;
        CichyWezel cichy;
        zapiszPlikTestu(PLIK_WEZLOW, "127.0.0.1 " + std::to_string(cichy.port()) + " - -\n");
        auto okno = std::make_unique<MainWindow>(QString{});
        Ui::MainWindow& ui = *okno->ui;
        ui.editPortNasluchu->setText(QStringLiteral("17601"));
        ui.buttonNasluchuj->click();
        QTRY_VERIFY_WITH_TIMEOUT(okno->nasluchAktywny, 10000);
        const int klient = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in adres{AF_INET, htons(17601), {htonl(INADDR_LOOPBACK)}, {}};
        QVERIFY(::connect(klient, reinterpret_cast<sockaddr*>(&adres), sizeof adres) == 0);
        QVERIFY(::write(klient, "0000000100abc", 13) == 13);
        okno->kopacz = [](Blockchain&, const std::string&, const std::string&, const std::vector<Transakcja>&) { return true; };
        ui.buttonKopWPetli->click(); // rozgloszenie z petli wisi na cichym wezle
        QTRY_VERIFY_WITH_TIMEOUT(cichy.przyjalPolaczenie(), 10000);
        QTest::qWait(300);
        QElapsedTimer zegar;
        zegar.start();
        ui.buttonKopWPetli->click();
        const qint64 petla = zegar.restart();
        ui.buttonNasluchuj->click();
        const qint64 nasluch = zegar.restart();
        ui.buttonRozgloscTeraz->click(); // watek odlaczony, tez wisi
        QTest::qWait(300);
        const std::shared_ptr<StrazOkna> straz = okno->straz;
        zegar.restart();
        okno.reset();
        const qint64 zamkniecie = zegar.elapsed();
        QCOMPARE(straz->praceWToku(), 0); // po zamknieciu nie dziala juz zaden watek okna
        ::close(klient);
        qInfo("zatrzymanie petli %lld ms, nasluchu %lld ms, zamkniecie okna %lld ms", petla, nasluch, zamkniecie);
        QVERIFY(petla < 1500 && nasluch < 1500 && zamkniecie < 1500);
    }
};

TALVARIN_TEST_W_PRZESTRZENI(TestZatrzymaniaOkna)
#include "test_zatrzymanie_okna.moc"
