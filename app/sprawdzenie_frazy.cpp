// Sprawdzenie wpisanej frazy; jedyna czesc frazy, ktora potrzebuje Qt (male litery
// w pelnym Unicode i tlumaczenie komunikatow).
#include <QCoreApplication>
#include <QString>

#include "app/sprawdzenie_frazy.h"

namespace {

std::string przetlumaczony(const char* zrodlo, const QString& wstawka)
{
    return QCoreApplication::translate("QObject", zrodlo).arg(wstawka).toStdString();
}

} // namespace

SprawdzonaFraza sprawdzFraze(std::string_view wpisanyTekst)
{
    const QString wpisany =
        QString::fromUtf8(wpisanyTekst.data(), static_cast<qsizetype>(wpisanyTekst.size()));
    const QByteArray male = wpisany.toLower().toUtf8();

    SprawdzonaFraza wynik;
    wynik.slowa = podzielFraze(
        std::string_view(male.constData(), static_cast<std::size_t>(male.size())));
    if (wynik.slowa.size() != SLOW_WE_FRAZIE) {
        wynik.komunikat = przetlumaczony(
            QT_TRANSLATE_NOOP("QObject", "Fraza musi miec dokladnie 12 slow (masz %1)."),
            QString::number(wynik.slowa.size()));
        wynik.slowa.clear();
        return wynik;
    }
    for (const std::string& slowo : wynik.slowa) {
        if (!naLiscieBIP39(slowo)) {
            wynik.komunikat = przetlumaczony(
                QT_TRANSLATE_NOOP("QObject",
                                  "Slowo \"%1\" nie jest na liscie BIP39 - sprawdz literowki."),
                QString::fromStdString(slowo));
            wynik.slowa.clear();
            return wynik;
        }
    }
    return wynik;
}
