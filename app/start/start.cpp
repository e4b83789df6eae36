#include "start.h"

#include <QApplication>
#include <QMessageBox>
#include <QTranslator>

#include <sodium.h>

#include "dialogi_startowe.h"
#include "gniazda.h"
#include "katalog_danych.h"
#include "katalogi.h"
#include "mainwindow.h"
#include "pliki.h"

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

QString wczytajJezyk()
{
    const std::optional<std::string> tresc = wczytajPlik(PLIK_JEZYKA);
    if (!tresc)
        return {};
    return QString::fromUtf8(tresc->data(), static_cast<qsizetype>(tresc->size())).trimmed();
}

QString ustalJezyk()
{
    QString kod = wczytajJezyk();
    if (kod.isEmpty())
        kod = wybierzJezyk();
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

int uruchomProgram(QApplication& aplikacja, const BibliotekiStartu& biblioteki)
{
    // Zanim cokolwiek zapisze pliki: pliki tymczasowe po przerwanych zapisach precz.
    usunPozostalosciPoAwariach();
    // Jezyk przed bibliotekami: komunikaty o ich bledach sa juz przetlumaczone.
    const QString jezyk = ustalJezyk();
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

    const QString nazwa = zapytajONazwe();
    przygotujPortfel();

    MainWindow okno(nazwa);
    okno.dopasujDoEkranu();
    okno.show();
    const int wynik = aplikacja.exec();
    // Siec konczymy, gdy okno jeszcze istnieje; jego watki staja dopiero w destruktorze.
    biblioteki.zakonczSiec();
    return wynik;
}
