// Zakladka Siec: nasluch, znane wezly, seedy i bootstrap.
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>


#include "core/konsola.h"
#include "ui/kropka_statusu.h"
#include "ui/kursor_czekania.h"
#include "ui/linie_lancucha.h"
#include "ui/mainwindow.h"
#include "net/obecnosc.h"
#include "wezel/praca_wezla.h"
#include "net/rozgloszenie.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"
#include "net/wezly.h"
#include "net/wymiana_lancucha.h"

namespace {

// Port z pola: liczba dziesietna 1..65535.
bool poprawnyPort(const QString& tekst, int& port)
{
    bool ok = false;
    port = tekst.toInt(&ok, 10);
    return ok && portPoprawny(port);
}

QString adresWezla(const Wezel& wezel)
{
    return QString::fromStdString(wezel.ip) + u':' + QString::number(wezel.port);
}

QString etykietaWezla(const Wezel& wezel)
{
    if (wezel.nazwa.empty())
        return adresWezla(wezel);
    return QString::fromStdString(wezel.nazwa) + QStringLiteral(" - ") + adresWezla(wezel);
}

void dodajPozycje(QListWidget* lista, const QString& tekst, const Wezel& wezel)
{
    auto* pozycja = new QListWidgetItem(tekst, lista);
    pozycja->setData(Qt::UserRole, QString::fromStdString(wezel.ip));
    pozycja->setData(Qt::UserRole + 1, wezel.port);
}

// Dodaje wpis z pol i mowi, co poszlo nie tak; przy bledzie pola i plik zostaja bez zmian.
// Pusty tekst: dodano.
QString dodajZPol(QLineEdit* poleIp, QLineEdit* polePortu, const char* plik)
{
    // Adres po tych samych zasadach co wpisy z sieci; port sprawdzany po nim, osobno.
    Wezel wezel{poleIp->text().trimmed().toStdString(), 1, {}, {}};
    if (!przygotujWezelDoZapisu(wezel))
        return MainWindow::tr(TEKST_ZLY_ADRES_IP);
    if (!poprawnyPort(polePortu->text().trimmed(), wezel.port))
        return MainWindow::tr(TEKST_ZLY_PORT);
    dodajLubUzupelnijWezel(plik, wezel.ip, wezel.port, std::string(), std::string());
    poleIp->clear();
    polePortu->clear();
    return {};
}

// Usuwa biezaca pozycje listy z pliku; false, gdy nic nie jest wybrane.
bool usunWybrany(QListWidget* lista, const char* plik)
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

void MainWindow::przygotujPolaSieci()
{
    komunikatWJednymWierszu(ui->labelStatusWezla);
    komunikatWJednymWierszu(ui->labelStatusSeeda);
    czyscPrzyEdycji(ui->labelStatusWezla, {ui->editIpWezla, ui->editPortWezla});
    czyscPrzyEdycji(ui->labelStatusSeeda, {ui->editIpSeeda, ui->editPortSeeda});
}

void MainWindow::naNasluchuj()
{
    if (nasluchAktywny) {
        ui->buttonNasluchuj->setEnabled(false);
        ui->buttonNasluchuj->setText(tr(TEKST_ZATRZYMYWANIE));
        QCoreApplication::processEvents();
        {
            const KursorCzekania kursor;
            zatrzymajWatkiSieci();
        }
        wrocDoStanuBezNasluchu(kropkaStatusu(KOLOR_CZERWONY, tr("Nieaktywny.")));
        return;
    }
    int port = 0;
    if (!poprawnyPort(ui->editPortNasluchu->text(), port)) {
        ui->labelStatusNasluchu->setText(kropkaStatusu(KOLOR_CZERWONY, tr(TEKST_ZLY_PORT)));
        return;
    }
    statusPrzedNasluchem = ui->labelStatusNasluchu->text();
    ui->editPortNasluchu->setEnabled(false);
    ui->buttonNasluchuj->setEnabled(false);
    ui->labelStatusNasluchu->setText(
        kropkaStatusu(KOLOR_POMARANCZOWY, tr(TEKST_URUCHAMIANIE_NASLUCHU).arg(port)));
    stopSieci = std::stop_source();
    PracaWatku serwer = [this, port, klucz = kluczPublicznyHex(klucze),
                         stop = stopSieci.get_token()] {
        pracaSerwera(port, klucz, stop,
                     [this, port](bool sukces) { emit nasluchGotowy(sukces, port); });
    };
    if (!utworzWatek(watekSerwera, std::move(serwer))) {
        wypisz("BLAD: nie udalo sie utworzyc watku serwera na porcie ", port, ".\n");
        wrocDoStanuBezNasluchu(statusPrzedNasluchem);
    }
}

void MainWindow::naNasluchGotowy(bool sukces, int port)
{
    if (!sukces) {
        if (watekSerwera.joinable())
            watekSerwera.join();
        wrocDoStanuBezNasluchu(kropkaStatusu(KOLOR_CZERWONY, tr(TEKST_NASLUCH_BLAD).arg(port)));
        return;
    }
    nasluchAktywny = true;
    ui->buttonNasluchuj->setText(tr(TEKST_ZATRZYMAJ_NASLUCH));
    ui->buttonNasluchuj->setEnabled(true);
    ui->labelStatusNasluchu->setText(kropkaStatusu(KOLOR_ZIELONY, tr(TEKST_NASLUCH_AKTYWNY).arg(port)));
    if (!timerPliku->isActive())
        timerPliku->start(1000);
    if (usunSiebieZListy(PLIK_WEZLOW, port) > 0)
        odswiezWezly();
    bootstrapZSeedow();
    static_cast<void>(pobierzWTle(wezlyDoPobrania(port), false));
    uruchomWatkiObecnosci(port);
}

void MainWindow::uruchomWatkiObecnosci(int port)
{
    PracaWatku sluchacz = [this, port, stop = stopSieci.get_token()] {
        pracaSluchaczaObecnosci(
            port, idWezla, stop,
            [this](const std::string& ip, int portWezla) {
                emit wezelWykryty(QString::fromStdString(ip), portWezla);
            });
    };
    PracaWatku oglaszacz = [this, port, klucz = kluczPublicznyHex(klucze),
                            nazwa = nazwaUzytkownika.toStdString(), stop = stopSieci.get_token()] {
        pracaOglaszacza(port, idWezla, klucz, nazwa, stop);
    };
    if (utworzWatek(watekObecnosci, std::move(sluchacz))
        && utworzWatek(watekOgloszen, std::move(oglaszacz)))
        return;
    // Bez obu watkow obecnosci wezel nie dziala w pelni: wszystko wraca do stanu sprzed klikniecia.
    wypisz("BLAD: nie udalo sie utworzyc watku obecnosci - nasluch zatrzymany.\n");
    zatrzymajWatkiSieci();
    wrocDoStanuBezNasluchu(statusPrzedNasluchem);
}

void MainWindow::zatrzymajWatkiSieci()
{
    stopSieci.request_stop();
    for (std::thread* watek : {&watekSerwera, &watekObecnosci, &watekOgloszen})
        if (watek->joinable())
            watek->join();
}

void MainWindow::wrocDoStanuBezNasluchu(const QString& status)
{
    nasluchAktywny = false;
    if (!kopanieWPetli)
        timerPliku->stop();
    ui->editPortNasluchu->setEnabled(true);
    ui->buttonNasluchuj->setText(tr("Nasluchuj"));
    ui->buttonNasluchuj->setEnabled(true);
    ui->labelStatusNasluchu->setText(status);
}

void MainWindow::naWezelWykryty(QString ip, int port)
{
    odswiezWezly();
    static_cast<void>(pobierzWTle({Wezel{ip.toStdString(), port, {}, {}}}, false));
    // Wiadomosc spozniona wzgledem zatrzymania nasluchu nie zaslania statusu "Nieaktywny.".
    if (nasluchAktywny)
        ui->labelStatusNasluchu->setText(tr(TEKST_WYKRYTO_WEZEL).arg(ip).arg(port));
}

void MainWindow::naDodajWezel()
{
    const QString blad = dodajZPol(ui->editIpWezla, ui->editPortWezla, PLIK_WEZLOW);
    ui->labelStatusWezla->setText(blad);
    if (!blad.isEmpty())
        return;
    odswiezWezly();
    static_cast<void>(pobierzWTle(wezlyDoPobrania(mojPort()), false));
}

void MainWindow::naDodajSeed()
{
    const QString blad = dodajZPol(ui->editIpSeeda, ui->editPortSeeda, PLIK_SEEDOW);
    ui->labelStatusSeeda->setText(blad);
    if (!blad.isEmpty())
        return;
    odswiezSeedy();
    bootstrapZSeedow();
    static_cast<void>(pobierzWTle(wezlyDoPobrania(mojPort()), false));
}

void MainWindow::naUsunWezel()
{
    if (usunWybrany(ui->listaWezlow, PLIK_WEZLOW))
        odswiezWezly();
}

void MainWindow::naUsunSeed()
{
    if (usunWybrany(ui->listaSeedow, PLIK_SEEDOW))
        odswiezSeedy();
}

void MainWindow::naRozgloscTeraz()
{
    ui->buttonRozgloscTeraz->setEnabled(false);
    ui->buttonRozgloscTeraz->setText(tr(TEKST_ROZGLASZANIE));
    rozglosWTle(2);
}

void MainWindow::naBootstrapZakonczony()
{
    odswiezWezly();
}

void MainWindow::odswiezWezly()
{
    QComboBox* pudelko = ui->comboZnaniOdbiorcy;
    const QString wybranyKlucz = pudelko->currentData().toString();
    ui->listaWezlow->clear();
    pudelko->clear();
    pudelko->addItem(tr(TEKST_WKLEJ_RECZNIE), QString());
    for (const Wezel& wezel : wczytajWezly(PLIK_WEZLOW)) {
        const QString etykieta = etykietaWezla(wezel);
        dodajPozycje(ui->listaWezlow, etykieta, wezel);
        if (wezel.kluczPubliczny.empty())
            continue;
        const QString klucz = QString::fromStdString(wezel.kluczPubliczny);
        pudelko->addItem(QStringLiteral("%1 (%2)").arg(etykieta, skrotKlucza(klucz)),
                         klucz);
    }
    const int indeks = pudelko->findData(wybranyKlucz, Qt::UserRole, Qt::MatchExactly);
    pudelko->setCurrentIndex(indeks >= 0 ? indeks : 0);
}

void MainWindow::odswiezSeedy()
{
    ui->listaSeedow->clear();
    for (const Wezel& seed : wczytajWezly(PLIK_SEEDOW))
        dodajPozycje(ui->listaSeedow, adresWezla(seed), seed);
}

void MainWindow::bootstrapZSeedow()
{
    std::vector<Wezel> seedy = seedyDoBootstrapu(PLIK_WEZLOW, PLIK_SEEDOW);
    if (seedy.empty())
        return;
    auto praca = [kopia = mojLancuch, seedy = std::move(seedy), port = mojPort(), straz = straz] {
        pracaBootstrapu(kopia, seedy, port, straz->stop(), [&straz] {
            straz->jesliZyje([](MainWindow& okno) { emit okno.bootstrapZakonczony(); });
        });
    };
    static_cast<void>(uruchomOdlaczony(std::move(praca), "bootstrapu"));
}

void MainWindow::przeniesSiecDoPrzewijania()
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
