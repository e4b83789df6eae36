#include "net/zdrowie_wezlow.h"

#include <algorithm>

void ZdrowieWezlow::sukces(const Wezel& wezel, Chwila teraz)
{
    std::lock_guard blokada(mutex);
    Wpis& wpis = wpisy[kluczWezla(wezel)];
    wpis = Wpis{};
    wpis.ostatniSukces = teraz;
}

void ZdrowieWezlow::porazka(const Wezel& wezel, Chwila teraz)
{
    std::lock_guard blokada(mutex);
    Wpis& wpis = wpisy[kluczWezla(wezel)];
    if (wpis.porazki == 0)
        wpis.zawodziOd = teraz;
    // Wykladnik ograniczony: przesuniecie nie wyjdzie poza zakres.
    const int wykladnik = std::min(wpis.porazki, 16);
    wpis.porazki = std::min(wpis.porazki + 1, 1000000);
    const auto przerwa = std::min<std::chrono::seconds>(PIERWSZA_PRZERWA * (1LL << wykladnik),
                                                        NAJDLUZSZA_PRZERWA);
    wpis.wolnoOd = teraz + przerwa;
}

OcenaWezla ZdrowieWezlow::ocen(const Wezel& wezel) const
{
    std::lock_guard blokada(mutex);
    const auto it = wpisy.find(kluczWezla(wezel));
    if (it == wpisy.end())
        return {};
    if (it->second.porazki > 0)
        return {StanWezla::zawodzi, it->second.wolnoOd};
    return {it->second.ostatniSukces ? StanWezla::dobry : StanWezla::nieznany, Chwila{}};
}

void ZdrowieWezlow::zapomnij(const Wezel& wezel)
{
    std::lock_guard blokada(mutex);
    wpisy.erase(kluczWezla(wezel));
}

std::vector<std::size_t> ZdrowieWezlow::doWymiany(const std::vector<Wezel>& wezly) const
{
    std::vector<std::pair<Chwila, std::size_t>> zawodzace;
    {
        std::lock_guard blokada(mutex);
        for (std::size_t i = 0; i < wezly.size(); ++i) {
            const auto it = wpisy.find(kluczWezla(wezly[i]));
            if (it != wpisy.end() && it->second.porazki > 0)
                zawodzace.emplace_back(it->second.zawodziOd, i);
        }
    }
    std::sort(zawodzace.begin(), zawodzace.end());
    std::vector<std::size_t> indeksy;
    indeksy.reserve(zawodzace.size());
    for (const auto& para : zawodzace)
        indeksy.push_back(para.second);
    return indeksy;
}

ZdrowieWezlow& zdrowieWezlow()
{
    static ZdrowieWezlow tabela;
    return tabela;
}
