// Nieudany zapis bloku bez udawanego sukcesu, klucz wielkimi literami na adres wlasciciela,
// niezapisany portfel bez frazy, zle pola wezla z komunikatem, nazwa w ogloszeniu, wysylanie
// czekajace na swoje rozgloszenie mimo petli, spozniona wiadomosc wykrycia.
#include <QDir>

#include <cstring>
#include <sodium.h>

#include "dialogi_startowe.h"
#include "mainwindow.h"
#include "obecnosc.h"
#include "pomoc_okna_glownego.h"
#include "przestrzen_sieci.h"
#include "teksty_okna.h"
#include "ui_mainwindow.h"
#include "wezly.h"

class TestUsterekUzytkownika : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(sodium_init() >= 0);
        folder = std::make_unique<FolderRoboczy>();
        Blockchain lancuch; // saldo 50 TLV
        dopiszBlok(lancuch, kluczPublicznyHex(zapiszNowyPortfel()));
        zapiszLancuchTestu(lancuch);
    }
    void cleanup() { folder.reset(); }

    void nieudanyZapisBlokuBezSukcesu();
    void niezapisanyPortfelBezFrazy();
    void zlePolaWezlaZKomunikatem();
    void nazwaMiesciSieWOgloszeniu();
    void wysylanieCzekaNaSwojeRozgloszenie();

private:
    // Wysylka 1 TLV z odpowiedzia "Tak"; zwraca tekst pytania.
    QString wyslij(Ui::MainWindow& ui, const QString& odbiorca)
    {
        SterownikOkien sterownik;
        OdpowiedzNaPytanie pytanie;
        odpowiedzNaPytanie(sterownik, QMessageBox::Yes, &pytanie);
        ui.editOdbiorca->setText(odbiorca);
        ui.editKwota->setText(QStringLiteral("1"));
        ui.buttonWyslij->click();
        return pytanie.tekst;
    }
    std::unique_ptr<FolderRoboczy> folder;
};

void TestUsterekUzytkownika::nieudanyZapisBlokuBezSukcesu()
{
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    std::string odbiorca;
    okno.kopacz = [&](Blockchain&, const std::string&, const std::string&, const std::vector<Transakcja>& t) {
        odbiorca = t.empty() ? odbiorca : t[0].odbiorca;
        return false;
    };
    ui.buttonKop->click();
    QCOMPARE(ui.labelStatusKopania->text(), MainWindow::tr(TEKST_BLOK_NIE_ZAPISANY));
    QVERIFY(ui.buttonKop->isEnabled()); // bez rozgloszenia
    const QString klucz = QString::fromStdString(kluczPublicznyHex(generujPareKluczy()));
    QVERIFY(wyslij(ui, klucz.toUpper()).contains(klucz.left(8) + "..." + klucz.right(8)));
    QCOMPARE(QString::fromStdString(odbiorca), klucz);
    QCOMPARE(ui.labelStatusWyslij->text(), MainWindow::tr(TEKST_WYSLANIE_NIE_ZAPISANE));
    QVERIFY(ui.editOdbiorca->text() == klucz.toUpper() && ui.buttonWyslij->isEnabled());
    ui.buttonKopWPetli->click();
    QTRY_VERIFY_WITH_TIMEOUT(!okno.kopanieWPetli, 5000);
    QCOMPARE(ui.labelStatusKopania->text(), MainWindow::tr(TEKST_BLOK_NIE_ZAPISANY));
    // Spozniona wiadomosc wykrycia (nasluch wylaczony) nie zmienia statusu.
    const QString status = ui.labelStatusNasluchu->text();
    emit okno.wezelWykryty(QStringLiteral("10.0.0.9"), 1700);
    QCOMPARE(ui.labelStatusNasluchu->text(), status);
}

void TestUsterekUzytkownika::niezapisanyPortfelBezFrazy()
{
    // Biezacy folder usuniety: zapis portfela nie moze sie udac, takze jako root.
    const QString folderTestu = QDir::currentPath();
    QVERIFY(QDir().mkdir("x") && QDir::setCurrent(folderTestu + "/x") && QDir(folderTestu).rmdir("x"));
    SterownikOkien sterownik;
    QString komunikat;
    sterownik.dodaj([](QWidget* okno) { przyciskOTekscie(okno, "Utworz nowy portfel")->click(); });
    sterownik.dodaj([&](QWidget* okno) {
        komunikat = qobject_cast<QMessageBox*>(okno)->text();
        okno->close();
    });
    przygotujPortfel(); // trzecie okno (znow wybor portfela) zamyka sterownik
    QVERIFY(QDir::setCurrent(folderTestu));
    QCOMPARE(sterownik.tytuly(), QStringList({"Portfel", "Blad", "Portfel"}));
    QVERIFY2(komunikat.contains("moj_portfel.dat") && komunikat.contains(std::strerror(ENOENT)), qPrintable(komunikat));
}

void TestUsterekUzytkownika::zlePolaWezlaZKomunikatem()
{
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    for (const auto& [ip, port, blad] : {std::tuple{"hello world", "1800", TEKST_ZLY_ADRES_IP},
                                         {"10.0.0.5 1800", "", TEKST_ZLY_ADRES_IP}, {"1.2.3.256", "1", TEKST_ZLY_ADRES_IP},
                                         {"10.0.0.5", "x", TEKST_ZLY_PORT}, {" 10.0.0.5 ", "1800", ""}, {"10.0.0.5", "1800", ""}}) {
        ui.editIpWezla->setText(ip);
        ui.editPortWezla->setText(port);
        ui.buttonDodajWezel->click();
        QCOMPARE(ui.labelStatusWezla->text(), MainWindow::tr(blad));
        QCOMPARE(ui.editIpWezla->text(), *blad ? QString::fromLatin1(ip) : QString());
    }
    QCOMPARE(liniePozycji(ui.listaWezlow), QStringList{QStringLiteral("10.0.0.5:1800")});
    ui.buttonDodajSeed->click();
    QCOMPARE(ui.labelStatusSeeda->text(), MainWindow::tr(TEKST_ZLY_ADRES_IP));
}

void TestUsterekUzytkownika::nazwaMiesciSieWOgloszeniu()
{
    // Starszy plik nazwy: ciecie w srodku znaku dwubajtowego cofa sie do jego poczatku.
    const std::string klucz(64, 'a');
    const std::string ogloszenie = tekstOgloszenia(1700, "0123abcd", klucz, QString(400, QChar(0x17C)).toStdString());
    QVERIFY(ogloszenie.size() <= MAKS_DLUGOSC_OGLOSZENIA && ogloszenie.size() + 1 >= MAKS_DLUGOSC_OGLOSZENIA);
    QVERIFY(QString::fromUtf8(ogloszenie).toUtf8().toStdString() == ogloszenie);
    // Dialog nazwy przyjmuje tylko tyle, ile miesci sie w calosci (znak trzybajtowy).
    zapiszPlikTestu(PLIK_NAZWY_UZYTKOWNIKA, QString(400, QChar(0x20AC)).toStdString());
    SterownikOkien sterownik;
    sterownik.dodaj([](QWidget* okno) { przyciskOTekscie(okno, "Kontynuuj")->click(); });
    const std::string nazwa = zapytajONazwe().toStdString();
    QVERIFY(!nazwa.empty() && tekstOgloszenia(65535, "0123abcd", klucz, nazwa).ends_with(" " + nazwa));
}

void TestUsterekUzytkownika::wysylanieCzekaNaSwojeRozgloszenie()
{
    WYMAGA_WLASNEJ_PRZESTRZENI();
    CichyWezel cichy;
    zapiszPlikTestu(PLIK_WEZLOW, "127.0.0.1 " + std::to_string(cichy.port()) + " - -\n");
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    wyslij(ui, QString::fromStdString(kluczPublicznyHex(generujPareKluczy()))); // wisi na cichym wezle
    const QString wToku = ui.labelStatusWyslij->text();
    // Petla uznaje cichy wezel za siebie (ten sam port) i go pomija.
    ui.editPortNasluchu->setText(QString::number(cichy.port()));
    okno.kopacz = [](Blockchain&, const std::string&, const std::string&, const std::vector<Transakcja>&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return true;
    };
    ui.buttonKopWPetli->click();
    ui.buttonKopWPetli->click();
    QVERIFY(!ui.buttonWyslij->isEnabled() && ui.labelStatusWyslij->text() == wToku);
    // Wynik (zalezny od chwili zamkniecia) nie zaslania komunikatu petli; po petli zostaje sam.
    ui.buttonKopWPetli->click();
    cichy.zamknij();
    const QString petla = "\n" + MainWindow::tr(TEKST_WYSYLANIE_WYLACZONE);
    QTRY_VERIFY_WITH_TIMEOUT(!ui.labelStatusWyslij->text().startsWith(wToku), 10000);
    const QString wynik = ui.labelStatusWyslij->text();
    QVERIFY(wynik.endsWith(petla) && !ui.buttonWyslij->isEnabled());
    ui.buttonKopWPetli->click();
    QVERIFY(ui.labelStatusWyslij->text() == wynik.chopped(petla.size()) && ui.buttonWyslij->isEnabled());
}

TALVARIN_TEST_W_PRZESTRZENI(TestUsterekUzytkownika)
#include "test_usterki_uzytkownika.moc"
