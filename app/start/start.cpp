#include "app/start/start.h"

#include <QApplication>
#include <QMessageBox>
#include <QTranslator>

#include <sodium.h>


#include "wezel/blokada_folderu.h"
#include "app/dialogi/dialogi_startowe.h"
#include "net/gniazda.h"
#include "wezel/katalog_danych.h"
#include "i18n/katalogi.h"
#include "ui/mainwindow.h"
#include "core/pliki.h"

namespace {

void pokazBlad(const QString& tekst)
{
    QMessageBox::critical(nullptr, QObject::tr("Blad"), tekst, QMessageBox::Ok);
}

} // namespace

BibliotekiStartu prawdziweBiblioteki()
{
    return {sodium_init, inicjalizujSiec, zakonczSiec};
}

QString wczytajJezyk(const KatalogDanych& katalog)
{
    const std::optional<std::string> tresc = wczytajPlik(katalog.jezyk);
    if (!tresc)
        return {};
    return QString::fromUtf8(tresc->data(), static_cast<qsizetype>(tresc->size())).trimmed();
}

QString ustalJezyk(const KatalogDanych& katalog)
{
    QString kod = wczytajJezyk(katalog);
    if (kod.isEmpty())
        kod = wybierzJezyk(katalog);
    return kod;
}

bool zainstalujTlumaczenie(QTranslator& tlumacz, const QString& kod)
{
    // Zrodlowe teksty sa po polsku, wiec dla polskiego nie ma czego ladowac.
    if (kod == QLatin1String(JEZYK_ZRODLOWY))
        return false;
    if (!zaladujKatalog(tlumacz, kod))
        return false;
    return QCoreApplication::installTranslator(&tlumacz);
}

bool zainstalujTlumaczenieQt(QTranslator& tlumacz, const QString& kod)
{
    return zaladujKatalogQt(tlumacz, kod) && QCoreApplication::installTranslator(&tlumacz);
}

namespace {

// Odmowa startu, gdy folder danych trzyma inny proces: wiersz na stderr i okno bledu
// (jezyk z jezyk.txt, bez dialogu, ktory zapisalby plik w cudzym folderze).
int odmowBlokady(Dziennik& dziennik, WynikBlokady wynik, const BlokadaFolderu& blokada,
                 const KatalogDanych& katalog)
{
    dziennik.zglos({.rodzaj = RodzajWpisu::bladProgramu, .tekst = "talvarin",
                    .opis = opisOdmowyBlokady(wynik, blokada)});
    QTranslator tlumacz;
    zainstalujTlumaczenie(tlumacz, wczytajJezyk(katalog));
    const QString folder = QString::fromStdString(blokada.folder());
    if (wynik == WynikBlokady::uzywanyPrzezInny)
        pokazBlad(QObject::tr("Folder danych %1 jest juz uzywany przez inny proces (pid %2). Dwa "
                              "programy na jednym folderze gubilyby bloki - zamknij tamten program "
                              "albo uzyj innego folderu (--katalog).")
                      .arg(folder, blokada.pidTrzymajacego() > 0
                                       ? QString::number(blokada.pidTrzymajacego())
                                       : QStringLiteral("?")));
    else
        pokazBlad(QObject::tr("Nie mozna zablokowac folderu danych %1: %2")
                      .arg(folder, QString::fromStdString(blokada.opisBledu())));
    return 1;
}

} // namespace

int uruchomProgram(QApplication& aplikacja, const BibliotekiStartu& biblioteki,
                   const KatalogDanych& katalog, Dziennik& dziennik)
{
    // Jeden proces na folder danych, zanim cokolwiek w nim zapisze.
    BlokadaFolderu blokada;
    if (const WynikBlokady wynik = blokada.zajmij(katalog); wynik != WynikBlokady::zajeta)
        return odmowBlokady(dziennik, wynik, blokada, katalog);
    // Zanim cokolwiek zapisze pliki: pliki tymczasowe po przerwanych zapisach precz.
    usunPozostalosciPoAwariach(katalog);
    // Jezyk przed bibliotekami: komunikaty o ich bledach sa juz przetlumaczone.
    const QString jezyk = ustalJezyk(katalog);
    // Katalog Qt najpierw: pozniej zainstalowany wlasny jest przeszukiwany przed nim.
    QTranslator tlumaczQt;
    zainstalujTlumaczenieQt(tlumaczQt, jezyk);
    QTranslator tlumacz;
    zainstalujTlumaczenie(tlumacz, jezyk);

    if (biblioteki.inicjalizujSodium() < 0) {
        pokazBlad(QObject::tr("Nie udalo sie zainicjalizowac libsodium."));
        return 1;
    }
    if (!biblioteki.inicjalizujSiec()) {
        pokazBlad(QObject::tr("Nie udalo sie zainicjalizowac sieci (WSAStartup)."));
        return 1;
    }

    const QString nazwa = zapytajONazwe(katalog);
    przygotujPortfel(katalog);

    MainWindow okno(katalog, dziennik, nazwa);
    okno.dopasujDoEkranu();
    okno.show();
    const int wynik = aplikacja.exec();
    // Siec konczymy, gdy okno jeszcze istnieje; jego watki staja dopiero w destruktorze.
    biblioteki.zakonczSiec();
    return wynik;
}
