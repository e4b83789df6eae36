// Wiersze list zakladek Lancuch i Odebrane.
#include "core/blockchain.h"
#include "portfel/kwota.h"
#include "ui/linie_lancucha.h"
#include "ui/teksty_okna.h"

QString tekstKwoty(std::int64_t kwota)
{
    return QString::fromStdString(formatujKwote(kwota)) + u' ' + QLatin1String(SYMBOL_MONETY);
}

QString krotkiKlucz(const std::string& klucz)
{
    return QString::fromStdString(klucz.substr(0, 12)) + QStringLiteral("...");
}

QString skrotKlucza(const QString& klucz)
{
    return klucz.left(8) + QStringLiteral("...") + klucz.right(8);
}

WzoryLinii WzoryLinii::przetlumaczone()
{
    return WzoryLinii{trOkna(TEKST_BLOK_GENEZA),       trOkna(TEKST_BLOK_MOJA_NAGRODA),
                      trOkna(TEKST_BLOK_CUDZA_NAGRODA), trOkna(TEKST_BLOK_DO_SIEBIE),
                      trOkna(TEKST_BLOK_WYSLANO),       trOkna(TEKST_BLOK_OTRZYMANO),
                      trOkna(TEKST_BLOK_OBCY)};
}

QString liniaTransakcji(const WzoryLinii& wzory, const QString& indeks, const Transakcja& tx,
                        const std::string& ja)
{
    if (tx.nadawca.empty() && tx.odbiorca.empty())
        return wzory.geneza.arg(indeks, QString::fromStdString(tx.opis));
    const QString kwota = tekstKwoty(tx.kwota);
    if (tx.nadawca.empty())
        return tx.odbiorca == ja ? wzory.mojaNagroda.arg(indeks, kwota)
                                 : wzory.cudzaNagroda.arg(indeks, krotkiKlucz(tx.odbiorca), kwota);
    if (tx.nadawca == ja)
        return tx.odbiorca == ja ? wzory.doSiebie.arg(indeks, kwota)
                                 : wzory.wyslano.arg(indeks, krotkiKlucz(tx.odbiorca), kwota);
    if (tx.odbiorca == ja)
        return wzory.otrzymano.arg(indeks, krotkiKlucz(tx.nadawca), kwota);
    return wzory.obcy.arg(indeks, krotkiKlucz(tx.nadawca), krotkiKlucz(tx.odbiorca), kwota);
}
