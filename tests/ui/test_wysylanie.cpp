// Wysylanie: kazde odrzucenie zostawia pola i lancuch, "Nie" niczego nie zmienia, "Tak" kopie
// blok z nagroda i platnoscia, czysci pola i pokazuje kazdy z trzech wynikow rozgloszenia;
// pole znanych odbiorcow i zachowanie jego wyboru.
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <sodium.h>

#include "mainwindow.h"
#include "plik_lancucha.h"
#include "pomoc_okna_glownego.h"
#include "przestrzen_sieci.h"
#include "ui_mainwindow.h"
#include "wezly.h"

namespace {

const QString BEZ_WEZLOW = QStringLiteral(
    "Transakcja zapisana lokalnie. Brak znanych wezlow - dodaj wezel w zakladce Siec, zeby odbiorca ja zobaczyl.");
const QString W_TOKU = QStringLiteral("Transakcja zapisana lokalnie. Rozglaszanie do sieci...");

struct Portfel {
    ParaKluczy ja;
    std::string klucz;
};

// Portfel z jednym wykopanym blokiem: saldo 50 TLV.
Portfel portfelZ50()
{
    Portfel p{zapiszNowyPortfel(), {}};
    p.klucz = kluczPublicznyHex(p.ja);
    Blockchain lancuch;
    dopiszBlok(lancuch, p.klucz);
    zapiszLancuchTestu(lancuch);
    return p;
}

// Wysyla z odpowiedzia "Tak"; zwraca tekst statusu zaraz po kliknieciu.
QString wyslijZPotwierdzeniem(MainWindow& okno, Ui::MainWindow& ui, const QString& odbiorca, const QString& kwota)
{
    SterownikOkien sterownik;
    odpowiedzNaPytanie(sterownik, QMessageBox::Yes);
    ui.editOdbiorca->setText(odbiorca);
    ui.editKwota->setText(kwota);
    ui.buttonWyslij->click();
    static_cast<void>(okno);
    return ui.labelStatusWyslij->text();
}

} // namespace

class TestWysylania : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(sodium_init() >= 0); }
    void init() { folder = std::make_unique<FolderRoboczy>(); }
    void cleanup() { folder.reset(); }

    void odrzuceniaNicNieZmieniaja();
    void odpowiedzInnaNizTakNicNieZmienia();
    void takKopieBlokICzyciPola();
    void wynikiRozgloszeniaDoWezlow();
    void wynikPodczasPetliNieOdblokowujeWysylania();
    void znanyOdbiorcaIZachowanyWybor();

private:
    std::unique_ptr<FolderRoboczy> folder;
};

void TestWysylania::odrzuceniaNicNieZmieniaja()
{
    const Portfel p = portfelZ50();
    const std::string plikPrzed = czytajPlikTestu(PLIK_LANCUCHA);
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    const QString klucz = QString::fromStdString(kluczPublicznyHex(generujPareKluczy()));
    const QString zlyKlucz = QStringLiteral("Niepoprawny format klucza publicznego odbiorcy.");
    const QString zlaKwota = QStringLiteral("Niepoprawna kwota (np. 12.5, max 8 miejsc po przecinku).");
    const struct {
        QString odbiorca;
        QString kwota;
        QString komunikat;
    } przypadki[] = {
        {klucz.left(63), "1", zlyKlucz},
        {klucz.left(63) + "g", "1", zlyKlucz},
        {klucz + " ", "abc", zlyKlucz}, // klucz sprawdzany przed kwota
        {QString(), "1", zlyKlucz},
        {klucz, "0", zlaKwota},
        {klucz, "0.0", zlaKwota},
        {klucz, "-1", zlaKwota},
        {klucz, "abc", zlaKwota},
        {klucz, "", zlaKwota},
        {klucz, "1.123456789", zlaKwota},
        {klucz, "50.00000001", QStringLiteral("Za malo srodkow - masz 50 TLV.")},
    };
    SterownikOkien sterownik; // kazde okno pytania byloby tu nadmiarowe
    for (const auto& przypadek : przypadki) {
        ui.editOdbiorca->setText(przypadek.odbiorca);
        ui.editKwota->setText(przypadek.kwota);
        ui.buttonWyslij->click();
        QCOMPARE(ui.labelStatusWyslij->text(), przypadek.komunikat);
        QCOMPARE(ui.editOdbiorca->text(), przypadek.odbiorca);
        QCOMPARE(ui.editKwota->text(), przypadek.kwota);
        QVERIFY(ui.buttonWyslij->isEnabled());
    }
    QCOMPARE(sterownik.nadmiarowe(), 0);
    QCOMPARE(czytajPlikTestu(PLIK_LANCUCHA), plikPrzed);
    QCOMPARE(okno.mojLancuch.liczbaBlokow(), std::size_t{2});
}

void TestWysylania::odpowiedzInnaNizTakNicNieZmienia()
{
    const Portfel p = portfelZ50();
    const std::string plikPrzed = czytajPlikTestu(PLIK_LANCUCHA);
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    const QString klucz = QString::fromStdString(kluczPublicznyHex(generujPareKluczy()));
    ui.labelStatusWyslij->setText(QStringLiteral("poprzedni"));
    for (QMessageBox::StandardButton odpowiedz : {QMessageBox::No, QMessageBox::NoButton}) {
        SterownikOkien sterownik;
        OdpowiedzNaPytanie widziane;
        odpowiedzNaPytanie(sterownik, odpowiedz, &widziane);
        ui.editOdbiorca->setText(klucz);
        ui.editKwota->setText(QStringLiteral("12.5"));
        ui.buttonWyslij->click();
        QCOMPARE(sterownik.obsluzone(), 1);
        QCOMPARE(widziane.tytul, QStringLiteral("Potwierdz wyslanie"));
        QCOMPARE(widziane.tekst, "Na pewno wyslac 12.5 TLV do " + klucz.left(8) + "..." + klucz.right(8)
                                     + "?\n\nTransakcji w blockchainie NIE da sie cofnac.");
        QCOMPARE(widziane.domyslny, QMessageBox::No);
        QCOMPARE(ui.editOdbiorca->text(), klucz);
        QCOMPARE(ui.editKwota->text(), QStringLiteral("12.5"));
        QCOMPARE(ui.labelStatusWyslij->text(), QStringLiteral("poprzedni"));
    }
    QCOMPARE(czytajPlikTestu(PLIK_LANCUCHA), plikPrzed);
}

void TestWysylania::takKopieBlokICzyciPola()
{
    const Portfel p = portfelZ50();
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    Qt::CursorShape kursor = Qt::ArrowCursor;
    okno.kopacz = [&](Blockchain& l, const std::string& g, const std::string& pl, const std::vector<Transakcja>& t) {
        if (const QCursor* c = QGuiApplication::overrideCursor())
            kursor = c->shape();
        kopIZapisz(l, g, pl, t);
    };
    // Klucz wielkimi literami trafia do transakcji tak, jak go wpisano; cale saldo wolno wyslac.
    const QString odbiorca = QString::fromStdString(kluczPublicznyHex(generujPareKluczy())).toUpper();
    QCOMPARE(wyslijZPotwierdzeniem(okno, ui, odbiorca, QStringLiteral("50")), W_TOKU);
    QCOMPARE(kursor, Qt::WaitCursor);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QVERIFY(ui.editOdbiorca->text().isEmpty() && ui.editKwota->text().isEmpty());
    QVERIFY(!ui.buttonWyslij->isEnabled());

    Blockchain zPliku;
    QVERIFY(wczytajLancuch(zPliku, PLIK_LANCUCHA));
    QCOMPARE(zPliku.liczbaBlokow(), std::size_t{3});
    const auto& transakcje = zPliku.pobierzLancuch().back().transakcje;
    QCOMPARE(transakcje.size(), std::size_t{2});
    QVERIFY(transakcje[0].nadawca.empty() && transakcje[0].odbiorca == p.klucz);
    QCOMPARE(transakcje[1].nadawca, p.klucz);
    QCOMPARE(QString::fromStdString(transakcje[1].odbiorca), odbiorca);
    QCOMPARE(transakcje[1].kwota, jednostki("50"));
    QVERIFY(transakcje[1].opis.empty() && transakcje[1].czyPodpisPoprawny());
    // Widoki juz po nowym bloku: nagroda, potem platnosc.
    QCOMPARE(ui.listaBlokow->model()->index(0, 0).data().toString(), QStringLiteral("Blok #2: NAGRODA ZA KOPANIE  +50 TLV"));
    QCOMPARE(ui.listaBlokow->model()->index(1, 0).data().toString(), "Blok #2: WYSLANO do " + odbiorca.left(12) + "...  -50 TLV");
    QCOMPARE(ui.labelSaldo->text(), QStringLiteral("Saldo: 50 TLV"));

    QTRY_COMPARE_WITH_TIMEOUT(ui.labelStatusWyslij->text(), BEZ_WEZLOW, 10000);
    QVERIFY(ui.buttonWyslij->isEnabled());
}

void TestWysylania::wynikiRozgloszeniaDoWezlow()
{
    WYMAGA_WLASNEJ_PRZESTRZENI();
    static_cast<void>(portfelZ50());
    WezelPomocniczy wezel(17401);
    QVERIFY(wezel.dziala());
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    const QString odbiorca = QString::fromStdString(kluczPublicznyHex(generujPareKluczy()));

    // Jeden wezel przyjmuje, drugi (zamkniety port) nie.
    zapiszPlikTestu(PLIK_WEZLOW, "127.0.0.1 17401 - -\n127.0.0.1 17402 - -\n");
    QCOMPARE(wyslijZPotwierdzeniem(okno, ui, odbiorca, QStringLiteral("1")), W_TOKU);
    QTRY_COMPARE_WITH_TIMEOUT(ui.labelStatusWyslij->text(),
                              QStringLiteral("Transakcja wyslana i zapisana. Rozgloszono do 1/2 wezlow."), 20000);
    QVERIFY(ui.buttonWyslij->isEnabled());
    QCOMPARE(wezel.blokiWPliku(), std::size_t{3});

    // Zaden nie przyjmuje.
    zapiszPlikTestu(PLIK_WEZLOW, "127.0.0.1 17402 - -\n");
    QCOMPARE(wyslijZPotwierdzeniem(okno, ui, odbiorca, QStringLiteral("1")), W_TOKU);
    QTRY_COMPARE_WITH_TIMEOUT(
        ui.labelStatusWyslij->text(),
        QStringLiteral("Transakcja zapisana lokalnie, ale rozgloszenie NIE powiodlo sie do zadnego z 1 znanych "
                       "wezlow (offline?). Sprobuj \"Rozglos teraz\" w zakladce Siec."),
        20000);
    QVERIFY(ui.buttonWyslij->isEnabled());
}

void TestWysylania::wynikPodczasPetliNieOdblokowujeWysylania()
{
    const Portfel p = portfelZ50();
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    const QString odbiorca = QString::fromStdString(kluczPublicznyHex(generujPareKluczy()));
    QCOMPARE(wyslijZPotwierdzeniem(okno, ui, odbiorca, QStringLiteral("1")), W_TOKU);
    okno.kopacz = [](Blockchain&, const std::string&, const std::string&, const std::vector<Transakcja>&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    };
    ui.buttonKopWPetli->click();
    QTRY_COMPARE_WITH_TIMEOUT(ui.labelStatusWyslij->text(), BEZ_WEZLOW, 10000);
    QVERIFY(!ui.buttonWyslij->isEnabled());
    ui.buttonKopWPetli->click();
    QVERIFY(ui.buttonWyslij->isEnabled());
}

void TestWysylania::znanyOdbiorcaIZachowanyWybor()
{
    static_cast<void>(zapiszNowyPortfel());
    const std::string k1 = kluczPublicznyHex(generujPareKluczy());
    const std::string k2 = kluczPublicznyHex(generujPareKluczy());
    zapiszPlikTestu(PLIK_WEZLOW, "10.0.0.1 1700 " + k1 + " Ola\n10.0.0.2 1701 - -\n10.0.0.3 1702 " + k2 + " -\n");
    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    QComboBox* pudelko = ui.comboZnaniOdbiorcy;
    auto skrot = [](const std::string& k) { return QString::fromStdString(k.substr(0, 8) + "..." + k.substr(56)); };
    QCOMPARE(pudelko->count(), 3);
    QCOMPARE(pudelko->itemText(0), QStringLiteral("-- wklej recznie ponizej --"));
    QVERIFY(pudelko->itemData(0).toString().isEmpty());
    QCOMPARE(pudelko->itemText(1), "Ola - 10.0.0.1:1700 (" + skrot(k1) + ")");
    QCOMPARE(pudelko->itemText(2), "10.0.0.3:1702 (" + skrot(k2) + ")");
    QCOMPARE(pudelko->itemData(2).toString(), QString::fromStdString(k2));
    QCOMPARE(ui.listaWezlow->count(), 3);

    pudelko->setCurrentIndex(2);
    emit pudelko->activated(2);
    QCOMPARE(ui.editOdbiorca->text(), QString::fromStdString(k2));
    pudelko->setCurrentIndex(0);
    emit pudelko->activated(0);
    QCOMPARE(ui.editOdbiorca->text(), QString::fromStdString(k2)); // pozycja 0 nie czysci pola

    // Przebudowa zachowuje wybor po kluczu, choc pozycja przesuwa sie w liscie.
    pudelko->setCurrentIndex(2);
    const std::string k0 = kluczPublicznyHex(generujPareKluczy());
    zapiszPlikTestu(PLIK_WEZLOW, "10.0.0.9 1709 " + k0 + " -\n" + czytajPlikTestu(PLIK_WEZLOW));
    okno.odswiezWezly();
    QCOMPARE(pudelko->count(), 4);
    QCOMPARE(pudelko->currentData().toString(), QString::fromStdString(k2));
    QCOMPARE(pudelko->currentIndex(), 3);
    // Klucz zniknal z pliku: pudelko wraca do pozycji 0.
    usunWezel(PLIK_WEZLOW, "10.0.0.3", 1702);
    okno.odswiezWezly();
    QCOMPARE(pudelko->currentIndex(), 0);
}

TALVARIN_TEST_W_PRZESTRZENI(TestWysylania)
#include "test_wysylanie.moc"
