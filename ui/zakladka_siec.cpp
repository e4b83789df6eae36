#include "ui/zakladka_siec.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "net/port.h"
#include "net/wezly.h"
#include "ui/dane_okna.h"
#include "ui/etykiety_wezlow.h"
#include "ui/kropka_statusu.h"
#include "ui/przyciski.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"

namespace {

// Port z pola: liczba dziesietna 1..65535.
bool poprawnyPort(const QString& tekst, int& port)
{
    bool ok = false;
    port = tekst.toInt(&ok, 10);
    return ok && portPoprawny(port);
}

// Lista od nowa z pliku wezlow; pozycja pamieta adres i port, po ktorych usunWybrany ja znajdzie.
void wypelnijListe(QListWidget* lista, const std::string& plik, QString (*napis)(const Wezel&))
{
    lista->clear();
    for (const Wezel& wezel : wczytajWezly(plik)) {
        auto* pozycja = new QListWidgetItem(napis(wezel), lista);
        pozycja->setData(Qt::UserRole, QString::fromStdString(wezel.ip));
        pozycja->setData(Qt::UserRole + 1, wezel.port);
    }
}

// Dodaje wpis z pol; `komunikat` mowi, co poszlo nie tak (po dodaniu jest pusty). Przy bledzie
// pola i plik zostaja bez zmian.
bool dodajZPol(QLineEdit* poleIp, QLineEdit* polePortu, QLabel* komunikat, const std::string& plik)
{
    // Adres po tych samych zasadach co wpisy z sieci; port sprawdzany po nim, osobno.
    Wezel wezel{poleIp->text().trimmed().toStdString(), 1, {}, {}};
    if (!przygotujWezelDoZapisu(wezel)) {
        komunikat->setText(trOkna(TEKST_ZLY_ADRES_IP));
        return false;
    }
    if (!poprawnyPort(polePortu->text().trimmed(), wezel.port)) {
        komunikat->setText(trOkna(TEKST_ZLY_PORT));
        return false;
    }
    dodajLubUzupelnijWezel(plik, wezel.ip, wezel.port, std::string(), std::string());
    poleIp->clear();
    polePortu->clear();
    komunikat->clear();
    return true;
}

// Usuwa biezaca pozycje listy z pliku; false, gdy nic nie jest wybrane.
bool usunWybrany(QListWidget* lista, const std::string& plik)
{
    const QListWidgetItem* pozycja = lista->currentItem();
    if (pozycja == nullptr)
        return false;
    usunWezel(plik, pozycja->data(Qt::UserRole).toString().toStdString(),
              pozycja->data(Qt::UserRole + 1).toInt());
    return true;
}

// Komunikat pola znika, gdy uzytkownik zmienia ktores z pol, ktorych dotyczy.
void czyscPrzyEdycji(QLabel* komunikat, std::initializer_list<QLineEdit*> pola)
{
    for (QLineEdit* pole : pola)
        QObject::connect(pole, &QLineEdit::textEdited, komunikat, &QLabel::clear);
}

// Komunikat bez zawijania (zawijany kazal przewijanemu polu liczyc wysokosc z podpowiedzi
// rozmiaru (lista 192 px zamiast 70), wiec pierwszy komunikat wydluzal liste i spychal pola
// w dol). Wiersz komunikatu jest zarezerwowany od poczatku, a dlugi tekst nie poszerza okna.
void komunikatWJednymWierszu(QLabel* komunikat)
{
    komunikat->setMinimumHeight(komunikat->fontMetrics().height());
    komunikat->setSizePolicy(QSizePolicy::Ignored, komunikat->sizePolicy().verticalPolicy());
}

} // namespace

void ZakladkaSiec::poPodpieciu()
{
    przeniesDoPrzewijania();
    przygotujPola();
    ui->labelStatusNasluchu->setText(kropkaStatusu(KOLOR_CZERWONY, trOkna(TEKST_NIEAKTYWNY)));
    connect(ui->buttonNasluchuj, &QPushButton::clicked, this, &ZakladkaSiec::naNasluchuj);
    connect(ui->buttonDodajWezel, &QPushButton::clicked, this, &ZakladkaSiec::naDodajWezel);
    connect(ui->buttonDodajSeed, &QPushButton::clicked, this, &ZakladkaSiec::naDodajSeed);
    connect(ui->buttonUsunWezel, &QPushButton::clicked, this, &ZakladkaSiec::naUsunWezel);
    connect(ui->buttonUsunSeed, &QPushButton::clicked, this, &ZakladkaSiec::naUsunSeed);
    connect(ui->buttonRozgloscTeraz, &QPushButton::clicked, this, &ZakladkaSiec::naRozgloscTeraz);
    connect(dane, &DaneOkna::wezlyZmienione, this, &ZakladkaSiec::odswiezWezly);
    MostWezla& most = dane->most();
    connect(&most, &MostWezla::nasluchOtwarty, this, &ZakladkaSiec::naNasluchGotowy);
    connect(&most, &MostWezla::wezelWykryty, this, &ZakladkaSiec::naWezelWykryty);
    connect(&most, &MostWezla::rozgloszonoWTle, this,
            [this](const WynikRozgloszenia& wynik, CelRozgloszenia cel) {
                if (cel == CelRozgloszenia::reczne)
                    naRozgloszono(wynik.sukcesy, wynik.wszystkie);
            });
    connect(&most, &MostWezla::postep, this, &ZakladkaSiec::naPostepPobierania);
    connect(&most, &MostWezla::pobrano, this, &ZakladkaSiec::naPobrano);
    odswiezWezly();
    odswiezSeedy();
}

void ZakladkaSiec::przygotujPola()
{
    komunikatWJednymWierszu(ui->labelStatusWezla);
    komunikatWJednymWierszu(ui->labelStatusSeeda);
    czyscPrzyEdycji(ui->labelStatusWezla, {ui->editIpWezla, ui->editPortWezla});
    czyscPrzyEdycji(ui->labelStatusSeeda, {ui->editIpSeeda, ui->editPortSeeda});
}

void ZakladkaSiec::naNasluchuj()
{
    if (nasluchAktywny) {
        zatrzymajZCzekaniem(ui->buttonNasluchuj, [this] { dane->wezel().zatrzymajNasluch(); });
        wrocDoStanuBezNasluchu(kropkaStatusu(KOLOR_CZERWONY, trOkna(TEKST_NIEAKTYWNY)));
        return;
    }
    int port = 0;
    if (!poprawnyPort(ui->editPortNasluchu->text(), port)) {
        ui->labelStatusNasluchu->setText(kropkaStatusu(KOLOR_CZERWONY, trOkna(TEKST_ZLY_PORT)));
        return;
    }
    statusPrzedNasluchem = ui->labelStatusNasluchu->text();
    ui->editPortNasluchu->setEnabled(false);
    ui->buttonNasluchuj->setEnabled(false);
    ui->labelStatusNasluchu->setText(
        kropkaStatusu(KOLOR_POMARANCZOWY, trOkna(TEKST_URUCHAMIANIE_NASLUCHU).arg(port)));
    if (!dane->wezel().uruchomNasluch(port)) {
        dane->dziennik().zglos({.rodzaj = RodzajWpisu::bladWatkuSerweraNaPorcie, .port = port});
        wrocDoStanuBezNasluchu(statusPrzedNasluchem);
    }
}

void ZakladkaSiec::naNasluchGotowy(bool sukces, int port)
{
    if (!sukces) {
        dane->wezel().zatrzymajNasluch();
        wrocDoStanuBezNasluchu(kropkaStatusu(KOLOR_CZERWONY, trOkna(TEKST_NASLUCH_BLAD).arg(port)));
        return;
    }
    nasluchAktywny = true;
    zwolnijPrzycisk(ui->buttonNasluchuj, TEKST_ZATRZYMAJ_NASLUCH);
    ui->labelStatusNasluchu->setText(kropkaStatusu(KOLOR_ZIELONY, trOkna(TEKST_NASLUCH_AKTYWNY).arg(port)));
    dane->ustawNasluch(true);
    // Usuniecie siebie z listy, bootstrap, pobranie od znanych wezlow i obecnosc.
    const StartPoNasluchu start = dane->wezel().uruchomPoNasluchu(port, true);
    if (start.usunietoSiebie > 0)
        emit dane->wezlyZmienione();
    if (start.obecnosc)
        return;
    // Bez obu watkow obecnosci wezel nie dziala w pelni: wszystko wraca do stanu sprzed klikniecia.
    dane->dziennik().zglos({.rodzaj = RodzajWpisu::bladWatkuObecnosciOkna});
    dane->wezel().zatrzymajNasluch();
    wrocDoStanuBezNasluchu(statusPrzedNasluchem);
}

void ZakladkaSiec::wrocDoStanuBezNasluchu(const QString& status)
{
    nasluchAktywny = false;
    dane->ustawNasluch(false);
    ui->editPortNasluchu->setEnabled(true);
    zwolnijPrzycisk(ui->buttonNasluchuj, TEKST_NASLUCHUJ);
    ui->labelStatusNasluchu->setText(status);
}

void ZakladkaSiec::naWezelWykryty(const QString& ip, int port)
{
    emit dane->wezlyZmienione();
    static_cast<void>(dane->pobierz({Wezel{ip.toStdString(), port, {}, {}}}, CelPobrania::zwykle));
    // Wiadomosc spozniona wzgledem zatrzymania nasluchu nie zaslania statusu "Nieaktywny.".
    if (nasluchAktywny)
        ui->labelStatusNasluchu->setText(trOkna(TEKST_WYKRYTO_WEZEL).arg(ip).arg(port));
}

void ZakladkaSiec::naDodajWezel()
{
    if (!dodajZPol(ui->editIpWezla, ui->editPortWezla, ui->labelStatusWezla, dane->katalog().wezly))
        return;
    emit dane->wezlyZmienione();
    static_cast<void>(dane->pobierzOdZnanych(CelPobrania::zwykle));
}

void ZakladkaSiec::naDodajSeed()
{
    if (!dodajZPol(ui->editIpSeeda, ui->editPortSeeda, ui->labelStatusSeeda, dane->katalog().seedy))
        return;
    odswiezSeedy();
    static_cast<void>(dane->wezel().bootstrap(dane->lancuch(), dane->port()));
    static_cast<void>(dane->pobierzOdZnanych(CelPobrania::zwykle));
}

void ZakladkaSiec::naUsunWezel()
{
    if (usunWybrany(ui->listaWezlow, dane->katalog().wezly))
        emit dane->wezlyZmienione();
}

void ZakladkaSiec::naUsunSeed()
{
    if (usunWybrany(ui->listaSeedow, dane->katalog().seedy))
        odswiezSeedy();
}

void ZakladkaSiec::naRozgloscTeraz()
{
    zajmijPrzycisk(ui->buttonRozgloscTeraz, TEKST_ROZGLASZANIE);
    dane->rozglos(CelRozgloszenia::reczne);
}

void ZakladkaSiec::naRozgloszono(int sukcesy, int wszystkie)
{
    ui->buttonRozgloscTeraz->setEnabled(true);
    napisNaChwile(ui->buttonRozgloscTeraz,
                  wszystkie > 0 ? trOkna(TEKST_ROZGLOSZONO).arg(sukcesy).arg(wszystkie) : trOkna(TEKST_BRAK_WEZLOW),
                  TEKST_ROZGLOS_TERAZ, 2000);
}

void ZakladkaSiec::naPostepPobierania(const QString& dawca, qint64 mam, qint64 wszystkie)
{
    // Status sprzed pobierania wraca po nim, o ile nikt go w tym czasie nie zmienil.
    if (ui->labelStatusNasluchu->text() != statusPobierania)
        statusPrzedPobieraniem = ui->labelStatusNasluchu->text();
    statusPobierania = trOkna(TEKST_POBIERAM_LANCUCH).arg(dawca).arg(mam).arg(wszystkie);
    ui->labelStatusNasluchu->setText(statusPobierania);
}

void ZakladkaSiec::naPobrano()
{
    if (!statusPobierania.isEmpty() && ui->labelStatusNasluchu->text() == statusPobierania)
        ui->labelStatusNasluchu->setText(statusPrzedPobieraniem);
    statusPobierania.clear();
}

void ZakladkaSiec::odswiezWezly()
{
    wypelnijListe(ui->listaWezlow, dane->katalog().wezly, etykietaWezla);
}

void ZakladkaSiec::odswiezSeedy()
{
    wypelnijListe(ui->listaSeedow, dane->katalog().seedy, adresWezla);
}

void ZakladkaSiec::przeniesDoPrzewijania()
{
    // Cztery grupy zakladki sa wyzsze niz okno na ekranie 1366x768: przewijane pole
    // pozwala oknu byc nizszym, a zakladka przewija sie tylko wtedy, gdy brak miejsca.
    auto* zawartosc = new QWidget;
    zawartosc->setObjectName(QStringLiteral("zawartoscSiec"));
    auto* uklad = new QVBoxLayout(zawartosc);
    uklad->setObjectName(QStringLiteral("layoutZawartosciSiec"));
    uklad->setContentsMargins(0, 0, 0, 0);
    while (QLayoutItem* element = ui->layoutSiec->takeAt(0)) {
        if (QWidget* widzet = element->widget()) {
            uklad->addWidget(widzet);
            delete element;
        } else if (QLayout* podUklad = element->layout()) {
            podUklad->setParent(nullptr);
            uklad->addLayout(podUklad);
        } else {
            uklad->addItem(element);
        }
    }
    auto* przewijanie = new QScrollArea(ui->tabSiec);
    przewijanie->setObjectName(QStringLiteral("scrollSiec"));
    przewijanie->setFrameShape(QFrame::NoFrame);
    przewijanie->setWidgetResizable(true);
    przewijanie->setWidget(zawartosc);
    // Tlo zakladki przeswituje, jak przed przeniesieniem grup (setWidget wlacza wypelnianie).
    przewijanie->viewport()->setAutoFillBackground(false);
    zawartosc->setAutoFillBackground(false);
    ui->layoutSiec->addWidget(przewijanie);
    // W przewijanym polu dlugi status nie poszerzal juz okna, tylko wymuszal przewijanie
    // w bok; teraz dostaje tylko szerokosc wiersza.
    QLabel* status = ui->labelStatusNasluchu;
    status->setSizePolicy(QSizePolicy::Ignored, status->sizePolicy().verticalPolicy());
}
