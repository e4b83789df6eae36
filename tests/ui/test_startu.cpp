// Przebieg startu: jezyk z pliku albo z dialogu, katalog, bledy bibliotek i petla zdarzen.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include <sodium.h>

#include "mainwindow.h"
#include "pomoc_okien.h"
#include "portfel.h"
#include "start.h"

namespace {

// Biblioteki udajace sukces albo porazke i zapisujace kolejnosc wywolan.
struct UdawaneBiblioteki {
    int wynikSodium = 0;
    bool wynikSieci = true;
    QStringList wywolania;

    BibliotekiStartu biblioteki()
    {
        return {[this] {
                    wywolania << "sodium";
                    return wynikSodium < 0 ? wynikSodium : sodium_init();
                },
                [this] {
                    wywolania << "siec";
                    return wynikSieci;
                },
                [this] {
                    // Siec konczy sie, gdy okno jeszcze istnieje.
                    bool okno = false;
                    for (QWidget* w : QApplication::topLevelWidgets())
                        okno = okno || qobject_cast<MainWindow*>(w) != nullptr;
                    wywolania << (okno ? "koniec sieci przy oknie" : "koniec sieci bez okna");
                }};
    }
};

QString tekstZakladki(QWidget* okno, int indeks)
{
    return okno->findChild<QTabWidget*>("tabWidget")->tabText(indeks);
}

} // namespace

class TestStartu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(sodium_init() >= 0); }
    void init() { folder = std::make_unique<FolderRoboczy>(); }
    void cleanup() { folder.reset(); }

    void jezykZPlikuBezDialogu();
    void jezykBezKataloguZostajePolski();
    void pustyPlikJezykaPokazujeDialog();
    void bladLibsodiumKonczyKodem1();
    void bladSieciKonczyKodem1();
    void pelnyStartIZamkniecieOkna();

private:
    std::unique_ptr<FolderRoboczy> folder;
};

void TestStartu::jezykZPlikuBezDialogu()
{
    zapiszPlikTestu("jezyk.txt", "de_DE\n");
    SterownikOkien sterownik;
    QCOMPARE(wczytajJezyk(), QStringLiteral("de_DE"));
    const QString kod = ustalJezyk();
    QCOMPARE(kod, QStringLiteral("de_DE"));
    QTranslator tlumacz;
    QVERIFY(zainstalujTlumaczenie(tlumacz, kod));
    MainWindow okno(QStringLiteral("Ala"));
    QCOMPARE(tekstZakladki(&okno, 0), QString::fromUtf8("\u00DCbersicht"));
    QCOMPARE(okno.findChild<QPushButton*>("buttonKop")->text(), QString::fromUtf8("Block sch\u00FCrfen"));
    QCOMPARE(okno.windowTitle(), QStringLiteral("Talvarin - Ala"));
    QCOMPARE(QObject::tr("Blad"), QStringLiteral("Fehler"));
    QTest::qWait(20);
    QCOMPARE(sterownik.nadmiarowe(), 0);
    QCOMPARE(czytajPlikTestu("jezyk.txt"), std::string("de_DE\n"));

    // Polski jest jezykiem zrodlowym: katalog istnieje, ale nie jest ladowany.
    QCoreApplication::removeTranslator(&tlumacz);
    QTranslator polski;
    QVERIFY(!zainstalujTlumaczenie(polski, "pl_PL"));
    QVERIFY(polski.isEmpty());
}

void TestStartu::jezykBezKataloguZostajePolski()
{
    zapiszPlikTestu("jezyk.txt", "  xx_XX ");
    SterownikOkien sterownik;
    const QString kod = ustalJezyk();
    QCOMPARE(kod, QStringLiteral("xx_XX"));
    QTranslator tlumacz;
    QVERIFY(!zainstalujTlumaczenie(tlumacz, kod));
    MainWindow okno(QString{});
    QCOMPARE(tekstZakladki(&okno, 0), QStringLiteral("Przeglad"));
    QCOMPARE(QObject::tr("Blad"), QStringLiteral("Blad"));
    QTest::qWait(20);
    QCOMPARE(sterownik.nadmiarowe(), 0);
    QCOMPARE(czytajPlikTestu("jezyk.txt"), std::string("  xx_XX "));
}

void TestStartu::pustyPlikJezykaPokazujeDialog()
{
    zapiszPlikTestu("jezyk.txt", " \n\t");
    QCOMPARE(wczytajJezyk(), QString());
    SterownikOkien sterownik;
    sterownik.dodaj([](QWidget* okno) {
        QCOMPARE(okno->windowTitle(), QStringLiteral("Wybierz jezyk / Choose language"));
        QTest::mouseClick(przyciskOTekscie(okno, "\U0001F1FA\U0001F1E6 \u0423\u043A\u0440\u0430\u0457\u043D\u0441\u044C\u043A\u0430"),
                          Qt::LeftButton);
    });
    QCOMPARE(ustalJezyk(), QStringLiteral("uk_UA"));
    QCOMPARE(sterownik.obsluzone(), 1);
    QCOMPARE(czytajPlikTestu("jezyk.txt"), std::string("uk_UA"));
}

void TestStartu::bladLibsodiumKonczyKodem1()
{
    // Bez jezyk.txt najpierw dialog jezyka, potem juz przetlumaczony komunikat bledu.
    UdawaneBiblioteki udawane;
    udawane.wynikSodium = -1;
    QString tytul;
    QString tekst;
    SterownikOkien sterownik;
    sterownik.dodaj([](QWidget* okno) {
        QTest::mouseClick(przyciskOTekscie(okno, "\U0001F1EC\U0001F1E7 English"), Qt::LeftButton);
    });
    sterownik.dodaj([&](QWidget* okno) {
        auto* pudelko = qobject_cast<QMessageBox*>(okno);
        QVERIFY(pudelko);
        tytul = pudelko->windowTitle();
        tekst = pudelko->text();
        QCOMPARE(pudelko->icon(), QMessageBox::Critical);
        QCOMPARE(pudelko->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(pudelko->parentWidget() == nullptr);
        QTest::mouseClick(pudelko->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QCOMPARE(uruchomProgram(*qApp, udawane.biblioteki()), 1);
    QCOMPARE(sterownik.obsluzone(), 2);
    QCOMPARE(sterownik.nadmiarowe(), 0);
    QCOMPARE(tytul, QStringLiteral("Error"));
    QCOMPARE(tekst, QStringLiteral("Failed to initialize libsodium."));
    QCOMPARE(udawane.wywolania, QStringList({"sodium"}));
    // Po bledzie zostaje tylko zapisany jezyk.
    QCOMPARE(czytajPlikTestu("jezyk.txt"), std::string("en_US"));
    QVERIFY(!QFile::exists("moj_portfel.dat") && !QFile::exists("nazwa_uzytkownika.txt"));
    QCOMPARE(QObject::tr("Blad"), QStringLiteral("Blad"));
}

void TestStartu::bladSieciKonczyKodem1()
{
    zapiszPlikTestu("jezyk.txt", "pl_PL");
    UdawaneBiblioteki udawane;
    udawane.wynikSieci = false;
    QStringList komunikat;
    SterownikOkien sterownik;
    sterownik.dodaj([&](QWidget* okno) {
        auto* pudelko = qobject_cast<QMessageBox*>(okno);
        QVERIFY(pudelko);
        komunikat << pudelko->windowTitle() << pudelko->text();
        QTest::keyClick(pudelko, Qt::Key_Return);
    });
    QCOMPARE(uruchomProgram(*qApp, udawane.biblioteki()), 1);
    QCOMPARE(sterownik.obsluzone(), 1);
    QCOMPARE(sterownik.nadmiarowe(), 0);
    QCOMPARE(komunikat, QStringList({"Blad", "Nie udalo sie zainicjalizowac sieci (WSAStartup)."}));
    QCOMPARE(udawane.wywolania, QStringList({"sodium", "siec"}));
}

void TestStartu::pelnyStartIZamkniecieOkna()
{
    zapiszPlikTestu("jezyk.txt", "en_US");
    zapiszPlikTestu("nazwa_uzytkownika.txt", "Ola");
    UdawaneBiblioteki udawane;
    QStringList widziane;
    SterownikOkien sterownik;
    sterownik.dodaj([&](QWidget* okno) {
        widziane << okno->windowTitle() << okno->findChild<QLineEdit*>()->text();
        QVERIFY(okno->findChildren<QLabel*>().size() >= 3);
        widziane << okno->findChildren<QLabel*>().at(2)->text();
        QTest::mouseClick(przyciskOTekscie(okno, "Continue"), Qt::LeftButton);
    });
    sterownik.dodaj([&](QWidget* okno) {
        widziane << okno->windowTitle();
        QTest::mouseClick(przyciskOTekscie(okno, "Create new wallet"), Qt::LeftButton);
    });
    sterownik.dodaj([&](QWidget* okno) {
        widziane << okno->windowTitle();
        QTest::mouseClick(przyciskOTekscie(okno, "I have written these words down - continue"),
                          Qt::LeftButton);
    });
    sterownik.dodaj([&](QWidget* okno) {
        widziane << okno->windowTitle() << tekstZakladki(okno, 4);
        okno->close();
    });
    QCOMPARE(uruchomProgram(*qApp, udawane.biblioteki()), 0);
    QCOMPARE(sterownik.nadmiarowe(), 0);
    QCOMPARE(widziane, QStringList({"Talvarin", "Ola", "Your name:", "Wallet", "Save your recovery phrase",
                                    "Talvarin - Ola", "Network"}));
    QCOMPARE(udawane.wywolania, QStringList({"sodium", "siec", "koniec sieci przy oknie"}));
    QVERIFY(QFile::exists("moj_portfel.dat"));
    // Tlumacz zyje tylko do konca startu.
    QCOMPARE(QObject::tr("Blad"), QStringLiteral("Blad"));
}

QTEST_MAIN(TestStartu)
#include "test_startu.moc"
