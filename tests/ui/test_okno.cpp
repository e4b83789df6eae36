// Ksztalt okna glownego: drzewo widzetow, teksty, wlasciwosci, polaczenia i konstrukcja.
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <sodium.h>

#include "blockchain.h"
#include "kropka_statusu.h"
#include "mainwindow.h"
#include "plik_lancucha.h"
#include "pomoc_okien.h"
#include "portfel.h"
#include "skrot.h"
#include "ui_mainwindow.h"

namespace {

// Dziecko ukladu: nazwa i klasa widzetu, albo nazwa ukladu (klasa zaczyna sie od "Q...Layout").
struct Dziecko {
    const char* nazwa;
    const char* klasa;
};

struct Grupa {
    const char* nazwa;
    const char* tytul;
    const char* uklad;
    std::vector<Dziecko> dzieci;
};

struct Zakladka {
    const char* nazwa;
    const char* uklad;
    const char* tytul;
    std::vector<Grupa> grupy;
    bool odstep;
};

const std::vector<Zakladka>& oczekiwaneZakladki()
{
    static const std::vector<Zakladka> zakladki = {
        {"tabPrzeglad", "layoutPrzeglad", "Przeglad",
         {{"groupPortfel", "Portfel", "layoutGroupPortfel",
           {{"labelKlucz", "QLabel"}, {"buttonKopiujKlucz", "QPushButton"}, {"labelSaldo", "QLabel"},
            {"labelWysokoscLancucha", "QLabel"}}},
          {"groupKopanie", "Kopanie", "layoutGroupKopanie",
           {{"layoutPrzegladPrzyciski", "QHBoxLayout"}, {"buttonKopWPetli", "QPushButton"},
            {"labelStatusKopania", "QLabel"}}}},
         true},
        {"tabWyslij", "layoutWyslij", "Wyslij",
         {{"groupWyslij", "Nowa transakcja", "layoutGroupWyslij",
           {{"formularzWyslij", "QFormLayout"}, {"buttonWyslij", "QPushButton"},
            {"labelStatusWyslij", "QLabel"}}}},
         true},
        {"tabOdebrane", "layoutOdebrane", "Odebrane",
         {{"groupOdebrane", "Otrzymane od innych", "layoutGroupOdebrane",
           {{"buttonOdswiezOdebrane", "QPushButton"}, {"listaOdebranych", "QListWidget"}}}},
         false},
        {"tabLancuch", "layoutLancuch", "Lancuch",
         {{"groupLancuch", "Bloki", "layoutGroupLancuch",
           {{"buttonOdswiezLancuch", "QPushButton"}, {"listaBlokow", "QListView"}}}},
         false},
        {"tabSiec", "layoutSiec", "Siec",
         {{"groupNasluch", "Nasluchiwanie", "layoutGroupNasluch",
           {{"formularzNasluch", "QFormLayout"}, {"buttonNasluchuj", "QPushButton"},
            {"labelStatusNasluchu", "QLabel"}}},
          {"groupZnaneWezly", "Znane wezly", "layoutGroupZnaneWezly",
           {{"listaWezlow", "QListWidget"}, {"buttonUsunWezel", "QPushButton"},
            {"buttonRozgloscTeraz", "QPushButton"}}},
          {"groupDodajWezel", "Dodaj wezel", "layoutGroupDodajWezel",
           {{"formularzWezel", "QFormLayout"}, {"buttonDodajWezel", "QPushButton"}}},
          {"groupSeedy", "Seedy (stale punkty startowe)", "layoutGroupSeedy",
           {{"listaSeedow", "QListWidget"}, {"formularzSeed", "QFormLayout"},
            {"buttonDodajSeed", "QPushButton"}, {"buttonUsunSeed", "QPushButton"}}}},
         false},
    };
    return zakladki;
}

// Wiersze formularzy: etykieta, pole i klasa pola.
struct Wiersz {
    const char* etykieta;
    const char* pole;
    const char* klasaPola;
};

const std::map<QString, std::vector<Wiersz>>& oczekiwaneFormularze()
{
    static const std::map<QString, std::vector<Wiersz>> formularze = {
        {"formularzWyslij",
         {{"labelZnanyOdbiorca", "comboZnaniOdbiorcy", "QComboBox"},
          {"labelOdbiorca", "editOdbiorca", "QLineEdit"},
          {"labelKwota", "editKwota", "QLineEdit"}}},
        {"formularzNasluch", {{"labelPortNasluchu", "editPortNasluchu", "QLineEdit"}}},
        {"formularzWezel",
         {{"labelIpWezla", "editIpWezla", "QLineEdit"}, {"labelPortWezla", "editPortWezla", "QLineEdit"}}},
        {"formularzSeed",
         {{"labelIpSeeda", "editIpSeeda", "QLineEdit"}, {"labelPortSeeda", "editPortSeeda", "QLineEdit"}}},
        {"layoutPrzegladPrzyciski", {}},
    };
    return formularze;
}

// Teksty widzetow po konstrukcji (bez tlumaczenia). Klucz, saldo i wysokosc nadpisuje
// pierwsze wypelnienie widokow; sprawdza je test widokow.
const std::vector<std::pair<const char*, const char*>>& oczekiwaneTeksty()
{
    static const std::vector<std::pair<const char*, const char*>> teksty = {
        {"buttonKopiujKlucz", "Kopiuj klucz"},
        {"buttonKop", "Kop blok"}, {"buttonOdswiez", "Odswiez"}, {"buttonKopWPetli", "Kop w petli"},
        {"labelStatusKopania", "Nieaktywne."}, {"labelZnanyOdbiorca", "Znany odbiorca:"},
        {"labelOdbiorca", "Klucz publiczny odbiorcy:"}, {"labelKwota", "Kwota:"},
        {"buttonWyslij", "Wyslij"}, {"labelStatusWyslij", ""}, {"buttonOdswiezOdebrane", "Odswiez"},
        {"buttonOdswiezLancuch", "Odswiez"}, {"labelPortNasluchu", "Moj port:"},
        {"editPortNasluchu", "1700"}, {"buttonNasluchuj", "Nasluchuj"},
        {"buttonUsunWezel", "Usun wybrany wezel"}, {"buttonRozgloscTeraz", "Rozglos teraz"},
        {"labelIpWezla", "Adres IP:"}, {"labelPortWezla", "Port:"}, {"buttonDodajWezel", "Dodaj wezel"},
        {"labelIpSeeda", "Adres IP:"}, {"labelPortSeeda", "Port:"}, {"buttonDodajSeed", "Dodaj seed"},
        {"buttonUsunSeed", "Usun wybrany seed"},
    };
    return teksty;
}

QString tekstWidzetu(QObject* obiekt)
{
    if (auto* etykieta = qobject_cast<QLabel*>(obiekt))
        return etykieta->text();
    if (auto* przycisk = qobject_cast<QPushButton*>(obiekt))
        return przycisk->text();
    if (auto* pole = qobject_cast<QLineEdit*>(obiekt))
        return pole->text();
    return QStringLiteral("<brak tekstu>");
}

// Nazwa i klasa elementu ukladu, zeby porownac je z oczekiwanymi.
std::pair<QString, QString> opisElementu(QLayoutItem* element)
{
    if (element == nullptr)
        return {"<brak>", ""};
    if (QWidget* widzet = element->widget())
        return {widzet->objectName(), widzet->metaObject()->className()};
    if (QLayout* uklad = element->layout())
        return {uklad->objectName(), uklad->metaObject()->className()};
    return {"<odstep>", "QSpacerItem"};
}

} // namespace

class TestOkna : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(sodium_init() >= 0); }
    void init() { folder = std::make_unique<FolderRoboczy>(); }
    void cleanup() { folder.reset(); }

    void drzewoWidzetowJakWTabeli();
    void formularzeIPrzyciskiKopania();
    void tekstyIWlasciwosci();
    void tytulZNazwa();
    void przyciskiPodlaczoneDoSlotow();
    void tabelaSygnalowISlotow();
    void konstrukcjaWczytujePortfelILancuch();
    void konstrukcjaBezPlikowTworzyPortfel();
    void kropkaStatusuTekst();

private:
    static Ui::MainWindow& formularz(MainWindow& okno) { return *okno.ui; }
    std::unique_ptr<FolderRoboczy> folder;
};

void TestOkna::drzewoWidzetowJakWTabeli()
{
    MainWindow okno(QString{});
    QCOMPARE(okno.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(okno.size(), QSize(700, 500));
    QWidget* srodek = okno.centralWidget();
    QVERIFY(srodek);
    QCOMPARE(srodek->objectName(), QStringLiteral("centralwidget"));
    QCOMPARE(srodek->layout()->objectName(), QStringLiteral("verticalLayout"));
    QCOMPARE(srodek->layout()->count(), 1);
    auto* zakladki = qobject_cast<QTabWidget*>(srodek->layout()->itemAt(0)->widget());
    QVERIFY(zakladki);
    QCOMPARE(zakladki->objectName(), QStringLiteral("tabWidget"));
    QCOMPARE(zakladki->currentIndex(), 0);
    QCOMPARE(okno.menuBar()->objectName(), QStringLiteral("menubar"));
    QCOMPARE(okno.menuBar()->geometry(), QRect(0, 0, 700, 18));
    QVERIFY(okno.menuBar()->actions().isEmpty());
    QCOMPARE(okno.statusBar()->objectName(), QStringLiteral("statusbar"));
    QVERIFY(okno.statusBar()->currentMessage().isEmpty());

    const auto& oczekiwane = oczekiwaneZakladki();
    QCOMPARE(zakladki->count(), static_cast<int>(oczekiwane.size()));
    for (int i = 0; i < zakladki->count(); ++i) {
        const Zakladka& z = oczekiwane[static_cast<std::size_t>(i)];
        QWidget* strona = zakladki->widget(i);
        QCOMPARE(strona->objectName(), QString(z.nazwa));
        QCOMPARE(QString(strona->metaObject()->className()), QStringLiteral("QWidget"));
        QCOMPARE(zakladki->tabText(i), QString(z.tytul));
        auto* uklad = qobject_cast<QVBoxLayout*>(strona->layout());
        QVERIFY(uklad);
        QCOMPARE(uklad->objectName(), QString(z.uklad));
        QCOMPARE(uklad->count(), static_cast<int>(z.grupy.size()) + (z.odstep ? 1 : 0));
        for (std::size_t g = 0; g < z.grupy.size(); ++g) {
            const Grupa& grupa = z.grupy[g];
            auto* pudelko = qobject_cast<QGroupBox*>(uklad->itemAt(static_cast<int>(g))->widget());
            QVERIFY2(pudelko, grupa.nazwa);
            QCOMPARE(pudelko->objectName(), QString(grupa.nazwa));
            QCOMPARE(pudelko->title(), QString(grupa.tytul));
            auto* ukladGrupy = qobject_cast<QVBoxLayout*>(pudelko->layout());
            QVERIFY(ukladGrupy);
            QCOMPARE(ukladGrupy->objectName(), QString(grupa.uklad));
            QCOMPARE(ukladGrupy->count(), static_cast<int>(grupa.dzieci.size()));
            for (std::size_t d = 0; d < grupa.dzieci.size(); ++d) {
                const auto [nazwa, klasa] = opisElementu(ukladGrupy->itemAt(static_cast<int>(d)));
                QCOMPARE(nazwa, QString(grupa.dzieci[d].nazwa));
                QCOMPARE(klasa, QString(grupa.dzieci[d].klasa));
            }
        }
        if (z.odstep) {
            QSpacerItem* odstep = uklad->itemAt(uklad->count() - 1)->spacerItem();
            QVERIFY2(odstep, z.nazwa);
            QCOMPARE(odstep->sizeHint(), QSize(20, 40));
            QCOMPARE(odstep->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
            QCOMPARE(odstep->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        }
    }
}

void TestOkna::formularzeIPrzyciskiKopania()
{
    MainWindow okno(QString{});
    for (const auto& [nazwa, wiersze] : oczekiwaneFormularze()) {
        if (wiersze.empty())
            continue;
        auto* formularz = okno.findChild<QFormLayout*>(nazwa);
        QVERIFY2(formularz, qPrintable(nazwa));
        QCOMPARE(formularz->rowCount(), static_cast<int>(wiersze.size()));
        for (int r = 0; r < formularz->rowCount(); ++r) {
            const Wiersz& w = wiersze[static_cast<std::size_t>(r)];
            const auto [etykieta, klasaEtykiety] = opisElementu(formularz->itemAt(r, QFormLayout::LabelRole));
            const auto [pole, klasaPola] = opisElementu(formularz->itemAt(r, QFormLayout::FieldRole));
            QCOMPARE(etykieta, QString(w.etykieta));
            QCOMPARE(klasaEtykiety, QStringLiteral("QLabel"));
            QCOMPARE(pole, QString(w.pole));
            QCOMPARE(klasaPola, QString(w.klasaPola));
        }
    }
    auto* przyciski = okno.findChild<QHBoxLayout*>("layoutPrzegladPrzyciski");
    QVERIFY(przyciski);
    QCOMPARE(przyciski->count(), 2);
    QCOMPARE(opisElementu(przyciski->itemAt(0)), std::make_pair(QStringLiteral("buttonKop"), QStringLiteral("QPushButton")));
    QCOMPARE(opisElementu(przyciski->itemAt(1)), std::make_pair(QStringLiteral("buttonOdswiez"), QStringLiteral("QPushButton")));
}

void TestOkna::tekstyIWlasciwosci()
{
    MainWindow okno(QString{});
    for (const auto& [nazwa, tekst] : oczekiwaneTeksty()) {
        QObject* widzet = okno.findChild<QWidget*>(nazwa);
        QVERIFY2(widzet, nazwa);
        QCOMPARE(tekstWidzetu(widzet), QString::fromUtf8(tekst));
    }
    Ui::MainWindow& ui = formularz(okno);
    QCOMPARE(ui.labelStatusNasluchu->text(), kropkaStatusu("#e74c3c", "Nieaktywny."));
    QCOMPARE(ui.labelStatusNasluchu->textFormat(), Qt::AutoText);
    QCOMPARE(ui.editKwota->placeholderText(), QStringLiteral("np. 12.5"));
    QVERIFY(ui.editKwota->text().isEmpty());

    QVERIFY(ui.labelKlucz->wordWrap());
    QCOMPARE(ui.labelKlucz->textInteractionFlags(),
             Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QCOMPARE(ui.labelSaldo->font().pointSize(), 16);
    QCOMPARE(ui.labelSaldo->font().weight(), QFont::Bold);
    QVERIFY(ui.labelStatusWyslij->wordWrap());
    // Reszta zostaje przy domyslnych ustawieniach Qt.
    QVERIFY(!ui.labelSaldo->wordWrap());
    QVERIFY(!ui.labelStatusNasluchu->wordWrap());
    QVERIFY(ui.editPortNasluchu->validator() == nullptr);
    QVERIFY(okno.styleSheet().isEmpty());
    QVERIFY(ui.editPortNasluchu->isEnabled());
    QVERIFY(ui.buttonKop->isEnabled() && ui.buttonWyslij->isEnabled());
}

void TestOkna::tytulZNazwa()
{
    QCOMPARE(MainWindow(QString{}).windowTitle(), QStringLiteral("Talvarin"));
    QCOMPARE(MainWindow(QStringLiteral("Ala")).windowTitle(), QStringLiteral("Talvarin - Ala"));
    // Nazwa trafia do tytulu doslownie, bez podstawiania znacznikow %1.
    QCOMPARE(MainWindow(QStringLiteral("Zo\u015Bka %1")).windowTitle(),
             QStringLiteral("Talvarin - Zo\u015Bka %1"));
    QCOMPARE(MainWindow(QStringLiteral("Ala")).nazwaUzytkownika, QStringLiteral("Ala"));
}

void TestOkna::przyciskiPodlaczoneDoSlotow()
{
    MainWindow okno(QString{});
    Ui::MainWindow& ui = formularz(okno);
    using Slot = void (MainWindow::*)();
    const std::vector<std::pair<QPushButton*, Slot>> polaczenia = {
        {ui.buttonKop, &MainWindow::naKopBlok},
        {ui.buttonOdswiez, &MainWindow::naOdswiez},
        {ui.buttonWyslij, &MainWindow::naWyslij},
        {ui.buttonOdswiezLancuch, &MainWindow::naOdswiezLancuch},
        {ui.buttonDodajWezel, &MainWindow::naDodajWezel},
        {ui.buttonDodajSeed, &MainWindow::naDodajSeed},
        {ui.buttonUsunWezel, &MainWindow::naUsunWezel},
        {ui.buttonUsunSeed, &MainWindow::naUsunSeed},
        {ui.buttonRozgloscTeraz, &MainWindow::naRozgloscTeraz},
        {ui.buttonNasluchuj, &MainWindow::naNasluchuj},
        {ui.buttonKopWPetli, &MainWindow::naKopWPetli},
        {ui.buttonKopiujKlucz, &MainWindow::naKopiujKlucz},
        {ui.buttonOdswiezOdebrane, &MainWindow::naOdswiezOdebrane},
    };
    // disconnect odpowiada true tylko wtedy, gdy dokladnie takie polaczenie istnialo.
    for (const auto& [przycisk, slot] : polaczenia) {
        QVERIFY2(QObject::disconnect(przycisk, &QPushButton::clicked, &okno, slot),
                 qPrintable(przycisk->objectName()));
        QVERIFY(!QObject::disconnect(przycisk, &QPushButton::clicked, &okno, slot));
    }
    // Kazdy przycisk ma dokladnie jeden slot: inne pary nie sa polaczone.
    QVERIFY(!QObject::disconnect(ui.buttonKop, &QPushButton::clicked, &okno, &MainWindow::naOdswiez));
    QVERIFY(QObject::disconnect(ui.comboZnaniOdbiorcy, &QComboBox::activated, &okno,
                                &MainWindow::naWybranoZnanegoOdbiorce));
    QVERIFY(QObject::disconnect(&okno, &MainWindow::nasluchGotowy, &okno, &MainWindow::naNasluchGotowy));
    QVERIFY(QObject::disconnect(&okno, &MainWindow::wezelWykryty, &okno, &MainWindow::naWezelWykryty));
    QVERIFY(QObject::disconnect(&okno, &MainWindow::rozgloszonoWTle, &okno, &MainWindow::naRozgloszonoWTle));
    QVERIFY(QObject::disconnect(&okno, &MainWindow::bootstrapZakonczony, &okno,
                                &MainWindow::naBootstrapZakonczony));
    QVERIFY(QObject::disconnect(okno.timerPliku, &QTimer::timeout, &okno, &MainWindow::naSprawdzZmianyPliku));
}

void TestOkna::tabelaSygnalowISlotow()
{
    const QStringList oczekiwane = {
        "signal nasluchGotowy(bool,int)", "signal wezelWykryty(QString,int)",
        "signal rozgloszonoWTle(int,int,int)", "signal bootstrapZakonczony()",
        "slot naNasluchGotowy(bool,int)", "slot naWezelWykryty(QString,int)", "slot naKopBlok()",
        "slot naOdswiez()", "slot naWyslij()", "slot naOdswiezLancuch()", "slot naDodajWezel()",
        "slot naRozgloscTeraz()", "slot naNasluchuj()", "slot naKopWPetli()",
        "slot naSprawdzZmianyPliku()", "slot naKopiujKlucz()", "slot naOdswiezOdebrane()",
        "slot naWybranoZnanegoOdbiorce(int)", "slot naRozgloszonoWTle(int,int,int)",
        "slot naDodajSeed()", "slot naBootstrapZakonczony()", "slot naUsunWezel()", "slot naUsunSeed()",
    };
    const QMetaObject& meta = MainWindow::staticMetaObject;
    QStringList jest;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod metoda = meta.method(i);
        const bool sygnal = metoda.methodType() == QMetaMethod::Signal;
        QCOMPARE(metoda.access(), sygnal ? QMetaMethod::Public : QMetaMethod::Private);
        jest << (sygnal ? "signal " : "slot ") + QString::fromLatin1(metoda.methodSignature());
    }
    QCOMPARE(jest, oczekiwane);
}

void TestOkna::konstrukcjaWczytujePortfelILancuch()
{
    const ParaKluczy zapisane = generujPareKluczy();
    QVERIFY(zapiszPortfel(zapisane, "moj_portfel.dat"));
    Blockchain lancuch;
    lancuch.wykopIDodajBlok(kluczPublicznyHex(zapisane), {});
    QVERIFY(zapiszLancuch(lancuch, PLIK_LANCUCHA));
    const qint64 czasPliku = QFileInfo(PLIK_LANCUCHA).lastModified().toMSecsSinceEpoch();

    MainWindow okno(QString{});
    QVERIFY(okno.klucze == zapisane);
    QCOMPARE(okno.mojLancuch.liczbaBlokow(), std::size_t{2});
    QCOMPARE(okno.mojLancuch.pobierzLancuch().back().hash, lancuch.pobierzLancuch().back().hash);
    QCOMPARE(static_cast<qint64>(okno.ostatniaZmianaPliku), czasPliku);
    QVERIFY(okno.timerPliku);
    QVERIFY(okno.timerPliku->parent() == &okno);
    QVERIFY(!okno.timerPliku->isActive());
    // Konstrukcja nie uruchamia zadnego watku.
    QVERIFY(!okno.watekSerwera.joinable() && !okno.watekObecnosci.joinable());
    QVERIFY(!okno.watekOgloszen.joinable() && !okno.watekKopania.joinable());
    QVERIFY(!okno.nasluchAktywny && !okno.kopanieWPetli);
    QCOMPARE(okno.idWezla.size(), std::size_t{8});
    QVERIFY(okno.idWezla.find_first_not_of("0123456789abcdef") == std::string::npos);
}

void TestOkna::konstrukcjaBezPlikowTworzyPortfel()
{
    MainWindow okno(QString{});
    ParaKluczy zPliku;
    QVERIFY(wczytajPortfel(zPliku, "moj_portfel.dat"));
    QVERIFY(okno.klucze == zPliku);
    QVERIFY(okno.klucze != ParaKluczy{});
    // Bez pliku lancucha okno ma sam blok genezy i go nie zapisuje.
    QCOMPARE(okno.mojLancuch.liczbaBlokow(), std::size_t{1});
    QVERIFY(!QFileInfo::exists(PLIK_LANCUCHA));
    QCOMPARE(static_cast<qint64>(okno.ostatniaZmianaPliku), qint64{0});

    // Drugie okno w tym samym folderze ma ten sam portfel.
    MainWindow drugie(QString{});
    QVERIFY(drugie.klucze == okno.klucze);
    QVERIFY(drugie.idWezla != okno.idWezla);
}

void TestOkna::kropkaStatusuTekst()
{
    QCOMPARE(kropkaStatusu("#27ae60", "Nasluch aktywny na porcie 1700."),
             QStringLiteral("<span style='color:#27ae60;'>&#9679;</span> Nasluch aktywny na porcie 1700."));
    // Komunikat z wlasnym %1 nie jest podstawiany drugi raz.
    QCOMPARE(kropkaStatusu("#f39c12", "50%1"),
             QStringLiteral("<span style='color:#f39c12;'>&#9679;</span> 50%1"));
}

QTEST_MAIN(TestOkna)
#include "test_okno.moc"
