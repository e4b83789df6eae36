// Zakladka Dziennik i droga linii konsoli do okna; odmowy serwera trafiaja tez na chwile
// do statusu zakladki Siec, bo tam uzytkownik patrzy, gdy wezly sie nie zgadzaja.
#include "ui/zakladka_dziennik.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string_view>

#include "ui/dziennik_konsoli.h"
#include "ui/kropka_statusu.h"
#include "ui/mainwindow.h"
#include "ui/status_chwilowy.h"
#include "ui/teksty_okna.h"
#include "ui_mainwindow.h"

namespace {

constexpr std::chrono::seconds CZAS_ODMOWY_W_STATUSIE{10};

// Stale poczatki linii, ktorymi serwer wymiany lancucha oglasza odmowe.
struct OdmowaSerwera {
    std::string_view poczatek;
    const char* opis;
};

constexpr OdmowaSerwera ODMOWY_SERWERA[] = {
    {"Otrzymany lancuch (", TEKST_ODMOWA_NIE_DLUZSZY},
    {"Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY", TEKST_ODMOWA_SALDO},
    {"Otrzymany lancuch NIE jest poprawny", TEKST_ODMOWA_NIEPOPRAWNY},
    {"Otrzymane dane nie sa poprawnym lancuchem", TEKST_ODMOWA_NIE_LANCUCH},
    {"Nie udalo sie odebrac lancucha", TEKST_ODMOWA_NIE_ODEBRANO},
    {"Nie mozna bezpiecznie zapisac pliku ", TEKST_ODMOWA_ZAPIS},
    {"BLAD: nie udalo sie zapisac lancucha do pliku ", TEKST_ODMOWA_ZAPIS},
    {"Otrzymany lancuch zajalby w pamieci ", TEKST_ODMOWA_ZA_DUZY},
};

// Opis odmowy do przetlumaczenia albo nullptr, gdy linia nie jest odmowa serwera.
const char* opisOdmowy(std::string_view linia)
{
    for (const OdmowaSerwera& odmowa : ODMOWY_SERWERA)
        if (linia.starts_with(odmowa.poczatek))
            return odmowa.opis;
    return nullptr;
}

QString tekstOkna(const char* zrodlo)
{
    return QCoreApplication::translate("MainWindow", zrodlo);
}

} // namespace

ZakladkaDziennik::ZakladkaDziennik(QWidget* rodzic) : QWidget(rodzic)
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
    zakladkaDziennik = new ZakladkaDziennik(ui->tabWidget);
    ui->tabWidget->addTab(zakladkaDziennik, tr(TEKST_DZIENNIK));
    statusOdmowy = new StatusChwilowy(ui->labelStatusNasluchu, CZAS_ODMOWY_W_STATUSIE);
    DziennikKonsoli* dziennik = DziennikKonsoli::biezacy();
    if (dziennik == nullptr)
        return;
    // Z watku czytnika tylko zlecenie odbioru; linie zabiera watek okna.
    dziennik->ustawPowiadomienie(this, [this] {
        QMetaObject::invokeMethod(this, [this] { odbierzLinieKonsoli(); }, Qt::QueuedConnection);
    });
}

void MainWindow::odlaczDziennik()
{
    if (DziennikKonsoli* dziennik = DziennikKonsoli::biezacy())
        dziennik->usunPowiadomienie(this);
}

void MainWindow::odbierzLinieKonsoli()
{
    DziennikKonsoli* dziennik = DziennikKonsoli::biezacy();
    if (dziennik == nullptr)
        return;
    for (const LiniaKonsoli& linia : dziennik->odbierzLinie()) {
        zakladkaDziennik->dopisz(linia.czasMs, QString::fromStdString(linia.tekst));
        if (const char* opis = opisOdmowy(linia.tekst))
            statusOdmowy->pokaz(kropkaStatusu(KOLOR_CZERWONY, tr(opis)));
    }
}
