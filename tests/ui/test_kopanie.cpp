// Kopanie z okna: jeden blok (zapis, stany przycisku, kursor), petla kopania (stany, licznik,
// zatrzymanie, zegar pliku z nasluchem i bez), odmowa systemu przy tworzeniu watku.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sodium.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "mainwindow.h"
#include "plik_lancucha.h"
#include "pomoc_okna_glownego.h"
#include "przestrzen_sieci.h"
#include "ui_mainwindow.h"
#include "wezly.h"

namespace {

const QString TEKST_M = QStringLiteral(
    "Wylaczone podczas 'Kop w petli' - dwa watki nie moga naraz zapisywac\nlancucha, zeby nic nie "
    "zgubic. Zatrzymaj kopanie w petli, zeby odblokowac.");
const QString TEKST_WYSYLANIE_WYLACZONE = QStringLiteral(
    "Wysylanie wylaczone dopoki trwa 'Kop w petli' (zakladka Przeglad) - zatrzymaj je najpierw.");

// Przebieg petli, ktory nic nie kopie: lancuch rosnie tylko z zewnatrz.
void pustyPrzebieg(Blockchain&, const std::string&, const std::string&, const std::vector<Transakcja>&)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

bool odmowaWatku(std::thread&, PracaWatku)
{
    return false;
}

} // namespace

class TestKopania : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(sodium_init() >= 0); }
    void init() { folder = std::make_unique<FolderRoboczy>(); }
    void cleanup() { folder.reset(); }

    void kopiowanieKluczaIOdswiezenie();
    void jedenBlokZapisanyZKursoremIStanami();
    void petlaKopieIWracaPoZatrzymaniu();
    void poZatrzymaniuNieMaKolejnegoPrzebiegu();
    void licznikObejmujePrzyjeteBloki();
    void zegarPlikuZNasluchemIBez();
    void wynikJednegoBlokuNieOdblokowujePodczasPetli();
    void zatrzymaniePetliNieOdblokowujePodczasRozgloszeniaBloku();
    void odmowaWatkuPetliZostawiaStan();

private:
    std::unique_ptr<FolderRoboczy> folder;
};

void TestKopania::kopiowanieKluczaIOdswiezenie()
{
    const ParaKluczy ja = zapiszNowyPortfel();
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    ui.buttonKopiujKlucz->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(kluczPublicznyHex(ja)));
    QCOMPARE(ui.buttonKopiujKlucz->text(), QStringLiteral("Skopiowano!"));
    QTRY_COMPARE_WITH_TIMEOUT(ui.buttonKopiujKlucz->text(), QStringLiteral("Kopiuj klucz"), 5000);

    Blockchain lancuch;
    dopiszBlok(lancuch, kluczPublicznyHex(ja));
    zapiszLancuchTestu(lancuch);
    ui.buttonOdswiez->click();
    QCOMPARE(ui.labelSaldo->text(), QStringLiteral("Saldo: 50 TLV"));
    QCOMPARE(ui.listaBlokow->model()->rowCount(), 2);
    QCOMPARE(ui.listaOdebranych->count(), 1);
    QCOMPARE(ui.buttonOdswiez->text(), QStringLiteral("Odswiezono!"));
    QTRY_COMPARE_WITH_TIMEOUT(ui.buttonOdswiez->text(), QStringLiteral("Odswiez"), 5000);
}

void TestKopania::jedenBlokZapisanyZKursoremIStanami()
{
    const ParaKluczy ja = zapiszNowyPortfel();
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    QString tekstWTrakcie;
    bool wlaczonyWTrakcie = true;
    Qt::CursorShape kursor = Qt::ArrowCursor;
    int wywolania = 0;
    okno.kopacz = [&](Blockchain& l, const std::string& g, const std::string& p, const std::vector<Transakcja>& t) {
        ++wywolania;
        tekstWTrakcie = ui.buttonKop->text();
        wlaczonyWTrakcie = ui.buttonKop->isEnabled();
        if (const QCursor* c = QGuiApplication::overrideCursor())
            kursor = c->shape();
        QVERIFY(g == kluczPublicznyHex(ja));
        QVERIFY(t.empty());
        kopIZapisz(l, g, p, t);
    };
    ui.buttonKop->click();
    QCOMPARE(wywolania, 1);
    QCOMPARE(tekstWTrakcie, QStringLiteral("Kopanie..."));
    QVERIFY(!wlaczonyWTrakcie);
    QCOMPARE(kursor, Qt::WaitCursor);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);

    QCOMPARE(blokiWPlikuLancucha(), std::size_t{2});
    QCOMPARE(okno.mojLancuch.liczbaBlokow(), std::size_t{2});
    QCOMPARE(ui.listaBlokow->model()->index(0, 0).data().toString(), QStringLiteral("Blok #1: NAGRODA ZA KOPANIE  +50 TLV"));
    QCOMPARE(ui.labelSaldo->text(), QStringLiteral("Saldo: 50 TLV"));
    QCOMPARE(ui.buttonKop->text(), QStringLiteral("Rozglaszanie..."));
    QVERIFY(!ui.buttonKop->isEnabled());
    QVERIFY(ui.buttonWyslij->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(ui.buttonKop->text(), QStringLiteral("Kop blok"), 10000);
    QVERIFY(ui.buttonKop->isEnabled());
    QVERIFY(!okno.timerPliku->isActive());
}

void TestKopania::petlaKopieIWracaPoZatrzymaniu()
{
    static_cast<void>(zapiszNowyPortfel());
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    ui.editPortNasluchu->setText(QStringLiteral("abc")); // petla kopie takze bez portu
    ui.buttonKopWPetli->click();
    QVERIFY(okno.kopanieWPetli);
    QVERIFY(!ui.buttonKop->isEnabled() && !ui.buttonWyslij->isEnabled());
    QCOMPARE(ui.buttonKop->toolTip(), TEKST_M);
    QCOMPARE(ui.buttonWyslij->toolTip(), TEKST_M);
    QCOMPARE(ui.labelStatusWyslij->text(), TEKST_WYSYLANIE_WYLACZONE);
    QCOMPARE(ui.buttonKopWPetli->text(), QStringLiteral("Zatrzymaj kopanie"));
    QVERIFY(ui.buttonKopWPetli->isEnabled());
    QCOMPARE(ui.labelStatusKopania->text(),
             QStringLiteral("Aktywne kopanie w petli. Wykopano: 0 blokow w tej sesji."));
    QVERIFY(okno.timerPliku->isActive());
    QCOMPARE(okno.timerPliku->interval(), 1000);
    // Zegar pliku przenosi nowe bloki petli do widokow.
    QTRY_VERIFY_WITH_TIMEOUT(okno.mojLancuch.liczbaBlokow() >= 3, 60000);
    const auto pokazane = static_cast<qint64>(okno.mojLancuch.liczbaBlokow()) - 1;
    QCOMPARE(ui.labelStatusKopania->text(),
             QStringLiteral("Aktywne kopanie w petli. Wykopano: %1 blokow w tej sesji.").arg(pokazane));

    ui.buttonKopWPetli->click();
    QVERIFY(!okno.kopanieWPetli);
    QVERIFY(!okno.watekKopania.joinable());
    QVERIFY(!okno.timerPliku->isActive());
    QVERIFY(ui.buttonKop->isEnabled() && ui.buttonWyslij->isEnabled());
    QVERIFY(ui.buttonKop->toolTip().isEmpty() && ui.buttonWyslij->toolTip().isEmpty());
    QVERIFY(ui.labelStatusWyslij->text().isEmpty());
    QCOMPARE(ui.buttonKopWPetli->text(), QStringLiteral("Kop w petli"));
    QVERIFY(ui.buttonKopWPetli->isEnabled());
    QCOMPARE(ui.labelStatusKopania->text(), QStringLiteral("Nieaktywne."));
    // Po zatrzymaniu okno pokazuje caly zapisany lancuch.
    QCOMPARE(okno.mojLancuch.liczbaBlokow(), blokiWPlikuLancucha());
    QCOMPARE(ui.buttonOdswiezLancuch->text(), QStringLiteral("Odswiezono!"));
}

void TestKopania::poZatrzymaniuNieMaKolejnegoPrzebiegu()
{
    static_cast<void>(zapiszNowyPortfel());
    MainWindow okno(QString{});
    std::atomic<int> przebiegi{0};
    std::atomic<bool> skonczyl{false};
    // Zatrzymanie przychodzi w trakcie trzeciego przebiegu.
    okno.kopacz = [&](Blockchain&, const std::string&, const std::string&, const std::vector<Transakcja>&) {
        if (++przebiegi == 3)
            okno.stopKopania = true;
    };
    okno.ui->buttonKopWPetli->click();
    QVERIFY(okno.kopanieWPetli);
    okno.watekKopania.join(); // watek konczy sie sam, bez czwartego przebiegu
    skonczyl = true;
    QCOMPARE(przebiegi.load(), 3);
    // Nowy watek jest tworzony dopiero przy nastepnym starcie; zatrzymanie bez watku nie wisi.
    okno.ui->buttonKopWPetli->click();
    QVERIFY(!okno.kopanieWPetli);
    QCOMPARE(przebiegi.load(), 3);
    QVERIFY(skonczyl);
}

void TestKopania::licznikObejmujePrzyjeteBloki()
{
    const ParaKluczy ja = zapiszNowyPortfel();
    Blockchain lancuch;
    dopiszBlok(lancuch, kluczPublicznyHex(ja));
    zapiszLancuchTestu(lancuch);
    QVERIFY(ustawCzasPliku(QDateTime::currentDateTime().addSecs(-3600)));
    MainWindow okno(QString{});
    okno.kopacz = pustyPrzebieg;
    okno.ui->buttonKopWPetli->click();
    QCOMPARE(okno.wysokoscStartowa, 2);
    // Dluzszy lancuch od innego wezla (jak przyjety przez serwer) podnosi licznik o trzy.
    const std::string inny = kluczPublicznyHex(generujPareKluczy());
    for (int i = 0; i < 3; ++i)
        dopiszBlok(lancuch, inny);
    zapiszLancuchTestu(lancuch);
    QTRY_COMPARE_WITH_TIMEOUT(okno.ui->labelStatusKopania->text(),
                              QStringLiteral("Aktywne kopanie w petli. Wykopano: 3 blokow w tej sesji."), 10000);
    okno.ui->buttonKopWPetli->click();
    QVERIFY(!okno.kopanieWPetli);
}

void TestKopania::zegarPlikuZNasluchemIBez()
{
    WYMAGA_WLASNEJ_PRZESTRZENI();
    static_cast<void>(zapiszNowyPortfel());
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    okno.kopacz = pustyPrzebieg;
    ui.editPortNasluchu->setText(QStringLiteral("17311"));

    // Petla, potem nasluch; zatrzymanie petli zostawia zegar, zatrzymanie nasluchu go wylacza.
    ui.buttonKopWPetli->click();
    ui.buttonNasluchuj->click();
    QTRY_VERIFY_WITH_TIMEOUT(okno.nasluchAktywny, 10000);
    ui.buttonKopWPetli->click();
    QVERIFY(okno.timerPliku->isActive());
    ui.buttonNasluchuj->click();
    QVERIFY(!okno.nasluchAktywny);
    QVERIFY(!okno.timerPliku->isActive());

    // Nasluch, potem petla; zatrzymanie nasluchu zostawia zegar, zatrzymanie petli go wylacza.
    ui.buttonNasluchuj->click();
    QTRY_VERIFY_WITH_TIMEOUT(okno.nasluchAktywny, 10000);
    QVERIFY(okno.timerPliku->isActive());
    ui.buttonKopWPetli->click();
    ui.buttonNasluchuj->click();
    QVERIFY(okno.timerPliku->isActive());
    ui.buttonKopWPetli->click();
    QVERIFY(!okno.timerPliku->isActive());
}

void TestKopania::wynikJednegoBlokuNieOdblokowujePodczasPetli()
{
    static_cast<void>(zapiszNowyPortfel());
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    ui.buttonKop->click();
    QCOMPARE(ui.buttonKop->text(), QStringLiteral("Rozglaszanie..."));
    okno.kopacz = pustyPrzebieg;
    // Petla startuje, zanim wynik rozgloszenia jednego bloku dotrze do okna.
    ui.buttonKopWPetli->click();
    QVERIFY(okno.kopanieWPetli);
    QTRY_COMPARE_WITH_TIMEOUT(ui.buttonKop->text(), QStringLiteral("Kop blok"), 10000);
    QVERIFY(!ui.buttonKop->isEnabled());
    QCOMPARE(ui.buttonKop->toolTip(), TEKST_M);
    ui.buttonKopWPetli->click();
    QVERIFY(ui.buttonKop->isEnabled());
}

void TestKopania::zatrzymaniePetliNieOdblokowujePodczasRozgloszeniaBloku()
{
    static_cast<void>(zapiszNowyPortfel());
    CichyWezel cichy;
    zapiszPlikTestu(PLIK_WEZLOW, "127.0.0.1 " + std::to_string(cichy.port()) + " - -\n");
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    ui.buttonKop->click();
    QTRY_VERIFY_WITH_TIMEOUT(cichy.przyjalPolaczenie(), 10000); // rozgloszenie bloku czeka
    zapiszPlikTestu(PLIK_WEZLOW, ""); // przebiegi petli nie lacza sie z nikim
    okno.kopacz = pustyPrzebieg;
    ui.buttonKopWPetli->click();
    ui.buttonKopWPetli->click();
    QVERIFY(!okno.kopanieWPetli);
    QCOMPARE(ui.buttonKop->text(), QStringLiteral("Rozglaszanie..."));
    QVERIFY(!ui.buttonKop->isEnabled());
    QVERIFY(ui.buttonWyslij->isEnabled());
    cichy.zamknij();
    QTRY_COMPARE_WITH_TIMEOUT(ui.buttonKop->text(), QStringLiteral("Kop blok"), 10000);
    QVERIFY(ui.buttonKop->isEnabled());
}

void TestKopania::odmowaWatkuPetliZostawiaStan()
{
    static_cast<void>(zapiszNowyPortfel());
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    ui.labelStatusWyslij->setText(QStringLiteral("poprzedni komunikat"));
    okno.utworzWatek = odmowaWatku;
    PrzechwycWyjscie wyjscie;
    ui.buttonKopWPetli->click();
    const std::string wypisane = wyjscie.tekst();
    QVERIFY2(wypisane.find("BLAD: nie udalo sie utworzyc watku kopania w petli.") != std::string::npos,
             wypisane.c_str());
    QVERIFY(!okno.kopanieWPetli);
    QVERIFY(!okno.watekKopania.joinable());
    QVERIFY(!okno.timerPliku->isActive());
    QVERIFY(ui.buttonKop->isEnabled() && ui.buttonWyslij->isEnabled());
    QVERIFY(ui.buttonKop->toolTip().isEmpty());
    QCOMPARE(ui.buttonKopWPetli->text(), QStringLiteral("Kop w petli"));
    QCOMPARE(ui.labelStatusKopania->text(), QStringLiteral("Nieaktywne."));
    QCOMPARE(ui.labelStatusWyslij->text(), QStringLiteral("poprzedni komunikat"));
    // Nastepna proba, gdy system juz pozwala, dziala normalnie.
    okno.utworzWatek = utworzWatekSystemowy;
    okno.kopacz = pustyPrzebieg;
    ui.buttonKopWPetli->click();
    QVERIFY(okno.kopanieWPetli);
    ui.buttonKopWPetli->click();
    QVERIFY(!okno.kopanieWPetli);
}

TALVARIN_TEST_W_PRZESTRZENI(TestKopania)
#include "test_kopanie.moc"
