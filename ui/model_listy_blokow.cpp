#include "ui/model_listy_blokow.h"

#include <algorithm>
#include <limits>

ModelListyBlokow::ModelListyBlokow(const Blockchain& lancuch, QObject* rodzic)
    : QAbstractListModel(rodzic), lancuch(lancuch)
{
}

int ModelListyBlokow::rowCount(const QModelIndex& rodzic) const
{
    if (rodzic.isValid() || sumy.empty())
        return 0;
    return static_cast<int>(std::min<std::size_t>(sumy.back(), std::numeric_limits<int>::max()));
}

QVariant ModelListyBlokow::data(const QModelIndex& indeks, int rola) const
{
    if (rola != Qt::DisplayRole || !indeks.isValid() || sumy.empty())
        return {};
    const auto wiersz = static_cast<std::size_t>(indeks.row());
    const std::size_t wszystkie = sumy.back();
    if (wiersz >= wszystkie)
        return {};
    // Wiersze ida od najnowszego bloku; liczone od konca trafiaja w sumy rosnaco.
    const std::size_t odKonca = wszystkie - 1 - wiersz;
    const auto b = static_cast<std::size_t>(std::upper_bound(sumy.begin(), sumy.end(), odKonca)
                                            - sumy.begin());
    const auto& bloki = lancuch.pobierzLancuch();
    if (b >= bloki.size())
        return {};
    const std::size_t tx = wiersz - (wszystkie - sumy[b]);
    const Blok& blok = bloki[b];
    if (tx >= blok.transakcje.size())
        return {};
    return liniaTransakcji(wzory, QString::number(blok.indeks), blok.transakcje[tx], ja);
}

void ModelListyBlokow::przebuduj(const std::string& mojKlucz)
{
    beginResetModel();
    ja = mojKlucz;
    wzory = WzoryLinii::przetlumaczone();
    sumy.clear();
    sumy.reserve(lancuch.liczbaBlokow());
    std::size_t suma = 0;
    // Same liczby transakcji: bloki sa budowane dopiero dla pokazywanych wierszy.
    const auto& bloki = lancuch.pobierzLancuch();
    for (std::size_t b = 0; b < bloki.size(); ++b)
        sumy.push_back(suma += bloki.liczbaTransakcji(b));
    endResetModel();
}

void ModelListyBlokow::dopisz(std::size_t od)
{
    const auto& bloki = lancuch.pobierzLancuch();
    if (od != sumy.size() || od >= bloki.size())
        return;
    std::size_t nowe = 0;
    for (std::size_t b = od; b < bloki.size(); ++b)
        nowe += bloki.liczbaTransakcji(b);
    // Bloki bez transakcji nie dodaja wierszy, ale sumy musza znac kazdy blok.
    if (nowe > 0)
        beginInsertRows(QModelIndex(), 0, static_cast<int>(nowe) - 1);
    for (std::size_t b = od; b < bloki.size(); ++b)
        sumy.push_back((sumy.empty() ? 0 : sumy.back()) + bloki.liczbaTransakcji(b));
    if (nowe > 0)
        endInsertRows();
}
