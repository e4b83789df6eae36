// Okno glowne oczami uzytkownika: kopanie i widoki, wysylanie ze sprawdzeniami, petla
// kopania i zegar pliku, wezly, nasluch. Kazdy test w nowym folderze roboczym.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstring>

#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sodium.h>
#include <sys/socket.h>
#include <thread>

#include "kwota.h"
#include "mainwindow.h"
#include "plik_lancucha.h"
#include "pomoc_testow.h"
#include "portfel.h"
#include "teksty_okna.h"
#include "ui_mainwindow.h"
#include "wezly.h"

namespace {

QString tlv(const char* kwota) { return QString::fromLatin1(kwota) + QStringLiteral(" TLV"); }
QString krotki(const std::string& klucz) { return QString::fromStdString(klucz.substr(0, 12)) + "..."; }

std::size_t blokiWPliku()
{
    Blockchain lancuch;
    return wczytajLancuch(lancuch, PLIK_LANCUCHA) ? lancuch.liczbaBlokow() : 0;
}

// Przebieg petli, ktory nic nie kopie: lancuch rosnie tylko z zewnatrz.
void pustyPrzebieg(Blockchain&, const std::string&, const std::string&, const std::vector<Transakcja>&)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

// Nastepne pytanie modalne dostaje odpowiedz "Tak".
void odpowiedzTak()
{
    QTimer::singleShot(50, [] {
        if (auto* pytanie = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            pytanie->button(QMessageBox::Yes)->click();
        else
            odpowiedzTak();
    });
}

// Wlasna przestrzen sieciowa z samym loopbackiem: nasluch i ogloszenia okna nie wychodza poza nia.
bool wejdzDoWlasnejSieci()
{
    if (std::getenv("TALVARIN_BEZ_NETNS") != nullptr || ::unshare(CLONE_NEWNET) != 0)
        return false;
    const int g = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ifreq zadanie{};
    std::strncpy(zadanie.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = g >= 0 && ::ioctl(g, SIOCGIFFLAGS, &zadanie) == 0;
    zadanie.ifr_flags = static_cast<short>(zadanie.ifr_flags | IFF_UP);
    ok = ok && ::ioctl(g, SIOCSIFFLAGS, &zadanie) == 0;
    ::close(g);
    return ok;
}

bool wlasnaSiec = false;

} // namespace

class TestOkna : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(sodium_init() >= 0); }
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(folder->path());
        ja = generujPareKluczy();
        QVERIFY(zapiszPortfel(ja, PLIK_PORTFELA));
    }
    void cleanup()
    {
        okno.reset();
        QDir::setCurrent(QDir::tempPath());
        folder.reset();
    }

    void kopanieBlokuOdswiezaSaldoIListy();
    void wysylanieSprawdzaPolaIZapisujeBlok();
    void petlaKopaniaBlokujeWysylanieIZegarPlikuOdswieza();
    void wezlyDodawaneIUsuwane();
    void nasluchNaWolnymIZajetymPorcie();

private:
    void otworz(const Blockchain& lancuch)
    {
        QVERIFY(zapiszLancuch(lancuch, PLIK_LANCUCHA));
        okno = std::make_unique<MainWindow>(QString{});
        okno->mojLancuch.trudnosc = 1;
        ui = okno->ui;
    }
    [[nodiscard]] std::string moj() const { return kluczPublicznyHex(ja); }

    std::unique_ptr<QTemporaryDir> folder;
    ParaKluczy ja;
    std::unique_ptr<MainWindow> okno;
    Ui::MainWindow* ui = nullptr;
};

void TestOkna::kopanieBlokuOdswiezaSaldoIListy()
{
    const ParaKluczy obcy = generujPareKluczy();
    Blockchain lancuch = lancuchTestowy(0, 1, kluczPublicznyHex(obcy));
    dokop(lancuch, OBCY_ADRES, 1, {Transakcja(obcy, moj(), 1250000000, "")});
    otworz(lancuch);
    QCOMPARE(ui->labelSaldo->text(), MainWindow::tr(TEKST_SALDO).arg("12.5", "TLV"));
    ui->buttonKop->click();
    QCOMPARE(blokiWPliku(), std::size_t{4});
    QCOMPARE(ui->labelSaldo->text(), MainWindow::tr(TEKST_SALDO).arg("62.5", "TLV"));
    QCOMPARE(ui->listaBlokow->item(0)->text(), MainWindow::tr(TEKST_BLOK_MOJA_NAGRODA).arg("3", tlv("50")));
    QCOMPARE(ui->listaBlokow->item(2)->text(),
             MainWindow::tr(TEKST_BLOK_OTRZYMANO).arg("2", krotki(kluczPublicznyHex(obcy)), tlv("12.5")));
    // Odebrane: tylko platnosci od innych, bez wlasnych nagrod.
    QCOMPARE(ui->listaOdebranych->count(), 1);
    QCOMPARE(ui->listaOdebranych->item(0)->text(),
             MainWindow::tr(TEKST_ODEBRANE_OD).arg("2", krotki(kluczPublicznyHex(obcy)), tlv("12.5")));
    QTRY_VERIFY(ui->buttonKop->isEnabled());
}

void TestOkna::wysylanieSprawdzaPolaIZapisujeBlok()
{
    otworz(lancuchTestowy(0, 1, moj()));
    const QString odbiorca = QString::fromStdString(OBCY_ADRES);
    const std::tuple<QString, QString, QString> odrzucone[] = {
        {"abc", "1", MainWindow::tr(TEKST_ZLY_KLUCZ)},
        {odbiorca, "0", MainWindow::tr(TEKST_ZLA_KWOTA)},
        {odbiorca, "1.123456789", MainWindow::tr(TEKST_ZLA_KWOTA)},
        {odbiorca, "50.00000001", MainWindow::tr(TEKST_ZA_MALO_SRODKOW).arg("50", "TLV")},
    };
    for (const auto& [klucz, kwota, status] : odrzucone) {
        ui->editOdbiorca->setText(klucz);
        ui->editKwota->setText(kwota);
        ui->buttonWyslij->click();
        QCOMPARE(ui->labelStatusWyslij->text(), status);
        QCOMPARE(blokiWPliku(), std::size_t{2});
    }
    ui->editKwota->setText("12.5");
    odpowiedzTak();
    ui->buttonWyslij->click();
    Blockchain zapisany;
    QVERIFY(wczytajLancuch(zapisany, PLIK_LANCUCHA));
    QCOMPARE(zapisany.saldo(OBCY_ADRES), std::int64_t{1250000000});
    QVERIFY(ui->editOdbiorca->text().isEmpty() && ui->editKwota->text().isEmpty());
    QTRY_COMPARE(ui->labelStatusWyslij->text(), MainWindow::tr(TEKST_WYSLANO_BEZ_WEZLOW));
    QVERIFY(ui->buttonWyslij->isEnabled());
    QCOMPARE(ui->labelSaldo->text(), MainWindow::tr(TEKST_SALDO).arg("87.5", "TLV"));
}

void TestOkna::petlaKopaniaBlokujeWysylanieIZegarPlikuOdswieza()
{
    otworz(lancuchTestowy(0, 1, moj()));
    okno->kopacz = pustyPrzebieg;
    ui->buttonKopWPetli->click();
    QVERIFY(!ui->buttonWyslij->isEnabled() && !ui->buttonKop->isEnabled());
    // Wynik wczesniejszego wyslania przychodzi w trakcie petli: wysylanie zostaje zablokowane.
    okno->pokazWynikWyslania(1, 1);
    QVERIFY(!ui->buttonWyslij->isEnabled());
    // Zapis z zewnatrz (inny watek, inny proces) jest widoczny bez klikania.
    QVERIFY(zapiszLancuch(lancuchTestowy(0, 4, moj()), PLIK_LANCUCHA));
    QFile plik(PLIK_LANCUCHA);
    QVERIFY(plik.open(QIODevice::ReadWrite)
            && plik.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    QTRY_COMPARE_WITH_TIMEOUT(ui->labelWysokoscLancucha->text(), MainWindow::tr(TEKST_WYSOKOSC).arg(5), 5000);
    QCOMPARE(ui->labelSaldo->text(), MainWindow::tr(TEKST_SALDO).arg("200", "TLV"));
    ui->buttonKopWPetli->click();
    QTRY_VERIFY(ui->buttonWyslij->isEnabled() && ui->buttonKop->isEnabled());
}

void TestOkna::wezlyDodawaneIUsuwane()
{
    otworz(Blockchain());
    ui->editIpWezla->setText("10.0.0.7");
    ui->editPortWezla->setText("70000");
    ui->buttonDodajWezel->click();
    QCOMPARE(ui->listaWezlow->count(), 0);
    ui->editPortWezla->setText("1800");
    ui->buttonDodajWezel->click();
    QCOMPARE(wczytajWezly(PLIK_WEZLOW), (std::vector{Wezel{"10.0.0.7", 1800, "", ""}}));
    QCOMPARE(ui->listaWezlow->count(), 1);
    ui->listaWezlow->setCurrentRow(0);
    ui->buttonUsunWezel->click();
    QCOMPARE(ui->listaWezlow->count(), 0);
    QVERIFY(wczytajWezly(PLIK_WEZLOW).empty());
}

void TestOkna::nasluchNaWolnymIZajetymPorcie()
{
    if (!wlasnaSiec)
        QSKIP("brak wlasnej przestrzeni sieciowej");
    otworz(Blockchain());
    // Port zajety przez kogos innego: czerwony komunikat i powrot do stanu bez nasluchu.
    const int zajety = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adres{};
    adres.sin_family = AF_INET;
    socklen_t dlugosc = sizeof adres;
    QVERIFY(::bind(zajety, reinterpret_cast<sockaddr*>(&adres), sizeof adres) == 0 && ::listen(zajety, 1) == 0
            && ::getsockname(zajety, reinterpret_cast<sockaddr*>(&adres), &dlugosc) == 0);
    const int port = ntohs(adres.sin_port);
    ui->editPortNasluchu->setText(QString::number(port));
    ui->buttonNasluchuj->click();
    QTRY_VERIFY(ui->labelStatusNasluchu->text().contains(MainWindow::tr(TEKST_NASLUCH_BLAD).arg(port)));
    QVERIFY(ui->buttonNasluchuj->isEnabled() && ui->editPortNasluchu->isEnabled());
    ::close(zajety);
    ui->buttonNasluchuj->click();
    QTRY_VERIFY(ui->labelStatusNasluchu->text().contains(MainWindow::tr(TEKST_NASLUCH_AKTYWNY).arg(port)));
    QCOMPARE(ui->buttonNasluchuj->text(), MainWindow::tr(TEKST_ZATRZYMAJ_NASLUCH));
    ui->buttonNasluchuj->click();
    QTRY_VERIFY(ui->editPortNasluchu->isEnabled());
}

int main(int argc, char** argv)
{
    wlasnaSiec = wejdzDoWlasnejSieci();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    TestOkna test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_okno.moc"
