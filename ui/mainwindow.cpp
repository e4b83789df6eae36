#include "ui/mainwindow.h"

#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

#include "ui/dane_okna.h"
#include "ui/teksty_okna.h"
#include "ui/zakladka_dziennik.h"
#include "ui_mainwindow.h"

MainWindow::MainWindow(const KatalogDanych& katalog, Dziennik& dziennik, QString nazwa,
                       QWidget* parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), dziennik(dziennik)
{
    ui->setupUi(this);
    // Nazwa uzytkownika nie przechodzi przez tlumaczenie.
    if (!nazwa.isEmpty())
        setWindowTitle(QStringLiteral("Talvarin - ") + nazwa);
    // Zakladka Dziennik subskrybuje przed otwarciem portfela: wpis o portfelu odlozonym na bok
    // trafia do niej, nie tylko na konsole.
    zakladkaDziennik = new ZakladkaDziennik(this->dziennik, ui->tabWidget);
    daneOkna = new DaneOkna(katalog, this->dziennik, nazwa, ui->editPortNasluchu, this);
    // Kolejnosc ma znaczenie: Siec przenosi swoje grupy do przewijanego pola, zanim
    // Dziennik podepnie sie pod jej status.
    ui->tabSiec->przygotuj(*daneOkna, *ui);
    ui->tabPrzeglad->przygotuj(*daneOkna, *ui);
    ui->tabWyslij->przygotuj(*daneOkna, *ui);
    ui->tabOdebrane->przygotuj(*daneOkna, *ui);
    ui->tabLancuch->przygotuj(*daneOkna, *ui);
    podlaczDziennik();
    if (daneOkna->prawaPortfelaPoprawione())
        ostrzezOPrawachPortfela();
}

MainWindow::~MainWindow()
{
    // Dziennik nie wola juz okna, a watki wezla koncza sie, zanim znikna widzety.
    odlaczDziennik();
    daneOkna->zamknijWezel();
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
