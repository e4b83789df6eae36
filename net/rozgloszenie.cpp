#include "rozgloszenie.h"

#include <iostream>

#include "wymiana_lancucha.h"

WynikRozgloszenia rozglosLancuch(const Blockchain& lancuch, const std::string& plikWezlow,
                                 int mojPort, std::chrono::milliseconds limitOdbioru)
{
    // Migawka: wezly poznane z odpowiedzi w trakcie nie sa juz w tym rozgloszeniu odwiedzane.
    const std::vector<Wezel> wezly = wczytajWezly(plikWezlow);
    WynikRozgloszenia wynik;
    for (const Wezel& wezel : wezly) {
        // Polaczenie z samym soba czekaloby na serwer zajety wlasnie tym zapytaniem.
        if (czyToJa(wezel.ip, wezel.port, mojPort))
            continue;
        ++wynik.wszystkie;
        if (wyslijLancuchDoWezla(lancuch, wezel, wezel.port, plikWezlow, mojPort, limitOdbioru)) {
            ++wynik.sukcesy;
            std::cout << "Rozgloszono do " << wezel.ip << ":" << wezel.port << "\n";
        } else {
            std::cout << "Nie udalo sie rozglosic do " << wezel.ip << ":" << wezel.port
                      << " (offline?)\n";
        }
    }
    return wynik;
}

std::vector<Wezel> seedyDoBootstrapu(const std::string& plikWezlow, const std::string& plikSeedow)
{
    if (!wczytajWezly(plikWezlow).empty())
        return {};
    return wczytajWezly(plikSeedow);
}

void bootstrapZSeedow(const Blockchain& lancuch, const std::vector<Wezel>& seedy,
                      const std::string& plikWezlow, int mojPort,
                      const std::function<void()>& gotowe, std::chrono::milliseconds limitOdbioru)
{
    for (const Wezel& seed : seedy)
        (void)wyslijLancuchDoWezla(lancuch, seed, seed.port, plikWezlow, mojPort, limitOdbioru);
    if (gotowe)
        gotowe();
}
