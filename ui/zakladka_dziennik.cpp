// Zakladka Dziennik i droga wpisow do okna; odmowy serwera trafiaja tez na chwile
// do statusu zakladki Siec, bo tam uzytkownik patrzy, gdy wezly sie nie zgadzaja.
#include "ui/zakladka_dziennik.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/kropka_statusu.h"
#include "ui/mainwindow.h"
#include "ui/status_chwilowy.h"
#include "ui/tekst_wpisu.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"

namespace {

constexpr std::chrono::seconds CZAS_ODMOWY_W_STATUSIE{10};

QString tekstOkna(const char* zrodlo)
{
    return QCoreApplication::translate("MainWindow", zrodlo);
}

} // namespace

ZakladkaDziennik::ZakladkaDziennik(Dziennik& dziennik, QWidget* rodzic)
    : QWidget(rodzic), dziennik(dziennik)
{
    setObjectName(QStringLiteral("tabDziennik"));
    auto* uklad = new QVBoxLayout(this);
    uklad->setObjectName(QStringLiteral("layoutDziennik"));
    tekstDziennika = new QPlainTextEdit(this);
    tekstDziennika->setObjectName(QStringLiteral("tekstDziennika"));
    tekstDziennika->setReadOnly(true);
    tekstDziennika->setMaximumBlockCount(LIMIT_LINII);
    tekstDziennika->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    uklad->addWidget(tekstDziennika);
    buttonWyczyscDziennik = new QPushButton(tekstOkna(TEKST_WYCZYSC), this);
    buttonWyczyscDziennik->setObjectName(QStringLiteral("buttonWyczyscDziennik"));
    uklad->addWidget(buttonWyczyscDziennik);
    connect(buttonWyczyscDziennik, &QPushButton::clicked, tekstDziennika, &QPlainTextEdit::clear);
    // Wpis moze przyjsc z dowolnego watku: do widzetu tylko przez kolejke watku okna.
    connect(this, &ZakladkaDziennik::wpisOdebrany, this, &ZakladkaDziennik::pokazWpis,
            Qt::QueuedConnection);
    subskrypcja = dziennik.subskrybuj([this](const Wpis& wpis) {
        emit wpisOdebrany(wpis, QDateTime::currentMSecsSinceEpoch());
    });
}

ZakladkaDziennik::~ZakladkaDziennik()
{
    odlacz();
}

void ZakladkaDziennik::odlacz()
{
    if (subskrypcja == 0)
        return;
    dziennik.odsubskrybuj(subskrypcja);
    subskrypcja = 0;
}

void ZakladkaDziennik::pokazWpis(const Wpis& wpis, qint64 czasMs)
{
    dopisz(czasMs, tekstWpisuWOknie(wpis));
}

void ZakladkaDziennik::dopisz(qint64 czasMs, const QString& tekst)
{
    const QDateTime czas = QDateTime::fromMSecsSinceEpoch(czasMs);
    const QString godzina = czas.toString(QStringLiteral("HH:mm:ss"));
    // Dopisanie przewija na dol tylko wtedy, gdy uzytkownik juz tam byl.
    tekstDziennika->appendPlainText(godzina + QStringLiteral("  ") + tekst);
}

void MainWindow::podlaczDziennik()
{
    ui->tabWidget->addTab(zakladkaDziennik, tr(TEKST_DZIENNIK));
    statusOdmowy = new StatusChwilowy(ui->labelStatusNasluchu, CZAS_ODMOWY_W_STATUSIE);
    connect(zakladkaDziennik, &ZakladkaDziennik::wpisOdebrany, this,
            [this](const Wpis& wpis, qint64) { odbierzWpis(wpis); }, Qt::QueuedConnection);
}

void MainWindow::odlaczDziennik()
{
    zakladkaDziennik->odlacz();
}

void MainWindow::odbierzWpis(const Wpis& wpis)
{
    if (const char* opis = opisOdmowyWStatusie(wpis.rodzaj))
        statusOdmowy->pokaz(kropkaStatusu(KOLOR_CZERWONY, tr(opis)));
}
