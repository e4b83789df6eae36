// Format wiersza wezla: ip, port, klucz lub "-", nazwa lub "-" do konca wiersza.

#include "net/wezly.h"
#include "net/wyrazy.h"

std::string przytnij(std::string_view tekst)
{
    constexpr std::string_view BIALE = " \t\r\n";
    const std::size_t poczatek = tekst.find_first_not_of(BIALE);
    if (poczatek == std::string_view::npos)
        return {};
    const std::size_t koniec = tekst.find_last_not_of(BIALE);
    return std::string(tekst.substr(poczatek, koniec - poczatek + 1));
}

bool parsujWierszWezla(std::string_view wiersz, Wezel& wezel)
{
    wiersz = wiersz.substr(0, wiersz.find('\n'));
    const std::string_view ip = nastepnyWyraz(wiersz);
    int port = 0;
    if (ip.empty() || !czytajInt(wiersz, port))
        return false;
    const std::string_view klucz = nastepnyWyraz(wiersz);
    wezel.ip = std::string(ip);
    wezel.port = port;
    wezel.kluczPubliczny = klucz == "-" ? std::string() : std::string(klucz);
    wezel.nazwa = klucz.empty() ? std::string() : przytnij(wiersz);
    if (wezel.nazwa == "-")
        wezel.nazwa.clear();
    return true;
}

std::string kluczWezla(const Wezel& wezel)
{
    return wezel.ip + ' ' + std::to_string(wezel.port);
}

std::string wierszWezla(const Wezel& wezel)
{
    std::string wiersz = wezel.ip;
    wiersz += ' ';
    wiersz += std::to_string(wezel.port);
    wiersz += ' ';
    wiersz += wezel.kluczPubliczny.empty() ? "-" : wezel.kluczPubliczny;
    wiersz += ' ';
    wiersz += wezel.nazwa.empty() ? "-" : wezel.nazwa;
    return wiersz;
}

std::vector<Wezel> wezlyZTekstu(std::string_view tekst)
{
    return wezlyZTekstu(tekst, static_cast<std::size_t>(-1));
}

std::vector<Wezel> wezlyZTekstu(std::string_view tekst, std::size_t maks)
{
    std::vector<Wezel> wezly;
    while (!tekst.empty() && wezly.size() < maks) {
        const std::size_t lf = tekst.find('\n');
        const std::string_view wiersz = tekst.substr(0, lf);
        tekst.remove_prefix(lf == std::string_view::npos ? tekst.size() : lf + 1);
        Wezel wezel;
        if (parsujWierszWezla(wiersz, wezel))
            wezly.push_back(std::move(wezel));
    }
    return wezly;
}

std::string wezlyDoTekstu(const std::vector<Wezel>& wezly)
{
    std::string tekst;
    for (const Wezel& wezel : wezly) {
        tekst += wierszWezla(wezel);
        tekst += '\n';
    }
    return tekst;
}
