#include "ui/mainwindow.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

#include "ui/kropka_statusu.h"
#include "ui/model_listy_blokow.h"
#include "net/obecnosc.h"
#include "core/plik_lancucha.h"
#include "portfel/portfel.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"

MainWindow::MainWindow(QString nazwa, QWidget* parent)
    : QMainWindow(parent), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    przeniesSiecDoPrzewijania();
    przygotujPolaSieci();
    podlaczDziennik();
    ui->labelStatusNasluchu->setText(kropkaStatusu(KOLOR_CZERWONY, tr("Nieaktywny.")));

    // Nazwa uzytkownika nie przechodzi przez tlumaczenie.
    nazwaUzytkownika = std::move(nazwa);
    if (!nazwaUzytkownika.isEmpty())
        setWindowTitle(QStringLiteral("Talvarin - ") + nazwaUzytkownika);

    modelBlokow = new ModelListyBlokow(mojLancuch, this);
    ui->listaBlokow->setModel(modelBlokow);
    // Rowne wiersze: widok nie mierzy miliona pozycji.
    ui->listaBlokow->setUniformItemSizes(true);

    polaczPrzyciski();
    ui->editKwota->setPlaceholderText(tr("np. 12.5"));
    connect(this, &MainWindow::nasluchGotowy, this, &MainWindow::naNasluchGotowy);
    connect(this, &MainWindow::wezelWykryty, this, &MainWindow::naWezelWykryty);
    connect(this, &MainWindow::rozgloszonoWTle, this, &MainWindow::naRozgloszonoWTle);
    connect(this, &MainWindow::bootstrapZakonczony, this, &MainWindow::naBootstrapZakonczony);
    connect(this, &MainWindow::petlaKopaniaPrzerwana, this, &MainWindow::naPetlaKopaniaPrzerwana);
    connect(this, &MainWindow::postepPobierania, this, &MainWindow::naPostepPobierania);
    connect(this, &MainWindow::pobieranieZakonczone, this, &MainWindow::naPobieranieZakonczone);

    idWezla = wygenerujIdWezla();

    // Losowa para, gdy pliku portfela nie da sie wczytac; wtedy od razu zapisana.
    bool prawaPoprawione = false;
    klucze = otworzPortfel(PLIK_PORTFELA, &prawaPoprawione);
    if (prawaPoprawione)
        ostrzezOPrawachPortfela();
    static_cast<void>(wczytajLancuch(mojLancuch, PLIK_LANCUCHA));

    odswiezPrzeglad();
    odswiezListeBlokow();
    odswiezWezly();
    odswiezSeedy();
    odswiezOdebrane();

    const QFileInfo plik(QString::fromUtf8(PLIK_LANCUCHA));
    if (plik.exists())
        ostatniaZmianaPliku = plik.lastModified().toMSecsSinceEpoch();
    timerPliku = new QTimer(this);
    connect(timerPliku, &QTimer::timeout, this, &MainWindow::naSprawdzZmianyPliku);
}

MainWindow::~MainWindow()
{
    const auto poczatekWyjscia = std::chrono::steady_clock::now();
    // Watki odlaczone od tej chwili nie wysylaja juz sygnalow do okna, dziennik tez nie.
    straz->odlacz();
    // Wszystkie flagi naraz: watki koncza sie rownolegle, zamkniecie trwa jak najdluzszy z nich.
    stopSieci.request_stop();
    stopKopania.request_stop();
    odlaczDziennik();
    // Najpierw watki, dopiero potem widzety, z ktorymi rozmawiaja przez sygnaly.
    for (std::thread* watek : {&watekSerwera, &watekObecnosci, &watekOgloszen, &watekKopania})
        if (watek->joinable())
            watek->join();
    // Bloki petli juz zapisane: wypchniecia w toku dostaja reszte czasu na wyjscie.
    if (wypychacz)
        wypychacz->zakoncz(poczatekWyjscia + CZAS_NA_WYJSCIE);
    // Po powrocie z main nie dziala juz zaden watek programu, takze odlaczony.
    straz->poczekajNaPrace();
    delete ui;
}

void MainWindow::ostrzezOPrawachPortfela()
{
    // Po pokazaniu okna i bez czekania na odpowiedz: konstruktor nie blokuje.
    QTimer::singleShot(0, this, [this] {
        auto* okienko = new QMessageBox(QMessageBox::Warning, tr(TEKST_PORTFEL_TYTUL),
                                        tr(TEKST_PRAWA_PORTFELA), QMessageBox::Ok, this);
        okienko->setObjectName(QStringLiteral("oknoPrawPortfela"));
        okienko->setAttribute(Qt::WA_DeleteOnClose);
        okienko->open();
    });
}

void MainWindow::dopasujDoEkranu()
{
    // Pasek tytulu i ramka sa znane dopiero po pokazaniu okna: zapas na nie.
    constexpr int ZAPAS_NA_RAMKE = 40;
    int najwyzszaZakladka = 0;
    for (int i = 0; i < ui->tabWidget->count(); ++i) {
        const int zakladka = ui->tabWidget->widget(i)->minimumSizeHint().height();
        najwyzszaZakladka = qMax(najwyzszaZakladka, zakladka);
    }
    const auto* przewijanie = ui->tabSiec->findChild<QScrollArea*>(QStringLiteral("scrollSiec"));
    const QMargins marginesy = ui->layoutSiec->contentsMargins();
    const int calaSiec =
        przewijanie->widget()->minimumSizeHint().height() + marginesy.top() + marginesy.bottom();
    const int bezPrzewijania = minimumSizeHint().height() + qMax(0, calaSiec - najwyzszaZakladka);
    int wysokosc = qMax(height(), bezPrzewijania);
    if (const QScreen* ekran = screen())
        wysokosc = qMin(wysokosc, ekran->availableGeometry().height() - ZAPAS_NA_RAMKE);
    resize(width(), qMax(wysokosc, minimumSizeHint().height()));
}

void MainWindow::polaczPrzyciski()
{
    connect(ui->buttonKop, &QPushButton::clicked, this, &MainWindow::naKopBlok);
    connect(ui->buttonOdswiez, &QPushButton::clicked, this, &MainWindow::naOdswiez);
    connect(ui->buttonWyslij, &QPushButton::clicked, this, &MainWindow::naWyslij);
    connect(ui->buttonOdswiezLancuch, &QPushButton::clicked, this, &MainWindow::naOdswiezLancuch);
    connect(ui->buttonDodajWezel, &QPushButton::clicked, this, &MainWindow::naDodajWezel);
    connect(ui->buttonDodajSeed, &QPushButton::clicked, this, &MainWindow::naDodajSeed);
    connect(ui->buttonUsunWezel, &QPushButton::clicked, this, &MainWindow::naUsunWezel);
    connect(ui->buttonUsunSeed, &QPushButton::clicked, this, &MainWindow::naUsunSeed);
    connect(ui->buttonRozgloscTeraz, &QPushButton::clicked, this, &MainWindow::naRozgloscTeraz);
    connect(ui->buttonNasluchuj, &QPushButton::clicked, this, &MainWindow::naNasluchuj);
    connect(ui->buttonKopWPetli, &QPushButton::clicked, this, &MainWindow::naKopWPetli);
    connect(ui->buttonKopiujKlucz, &QPushButton::clicked, this, &MainWindow::naKopiujKlucz);
    connect(ui->buttonOdswiezOdebrane, &QPushButton::clicked, this, &MainWindow::naOdswiezOdebrane);
    connect(ui->comboZnaniOdbiorcy, &QComboBox::activated, this,
            &MainWindow::naWybranoZnanegoOdbiorce);
}
