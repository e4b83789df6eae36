#include "wezel/opcje_wezla.h"

#include <arpa/inet.h>
#include <charconv>
#include <string_view>

#include "net/port.h"
#include "wezel/katalog_danych.h"

namespace {

// Port dziesietnie, 1..65535, bez zadnych innych znakow.
bool czytajPort(std::string_view tekst, int& port)
{
    int wartosc = 0;
    const auto [koniec, kod] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), wartosc);
    if (kod != std::errc() || koniec != tekst.data() + tekst.size() || !portPoprawny(wartosc))
        return false;
    port = wartosc;
    return true;
}

// IP:PORT z adresem IPv4 w zapisie kropkowym (nazwy hostow i tak nie sa rozwiazywane).
bool czytajSeed(std::string_view tekst, Wezel& seed)
{
    const std::size_t dwukropek = tekst.rfind(':');
    if (dwukropek == std::string_view::npos)
        return false;
    seed.ip = std::string(tekst.substr(0, dwukropek));
    in_addr adres{};
    return ::inet_pton(AF_INET, seed.ip.c_str(), &adres) == 1
        && czytajPort(tekst.substr(dwukropek + 1), seed.port);
}

// Wartosc opcji: nastepny argument; false, gdy go nie ma.
bool wartosc(int argc, const char* const* argv, int& i, std::string_view& wynik)
{
    if (i + 1 >= argc)
        return false;
    wynik = argv[++i];
    return true;
}

} // namespace

bool czytajOpcjeWezla(int argc, const char* const* argv, OpcjeWezla& opcje, std::string& blad)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view opcja = argv[i];
        std::string_view tekst;
        if (opcja == "--help" || opcja == "-h") {
            opcje.akcja = AkcjaWezla::Pomoc;
        } else if (opcja == "--version") {
            opcje.akcja = AkcjaWezla::Wersja;
        } else if (opcja == "--bez-obecnosci") {
            opcje.bezObecnosci = true;
        } else if (opcja == "--bez-synchronizacji") {
            opcje.bezSynchronizacji = true;
        } else if (opcja == "--kop") {
            opcje.kop = true;
        } else if (opcja == OPCJA_KATALOGU) {
            if (!wartosc(argc, argv, i, tekst) || tekst.empty()) {
                blad = "opcja --katalog wymaga nazwy folderu";
                return false;
            }
            opcje.katalog = std::string(tekst);
        } else if (opcja == "--port") {
            if (!wartosc(argc, argv, i, tekst) || !czytajPort(tekst, opcje.port)) {
                blad = "opcja --port wymaga liczby od 1 do 65535";
                return false;
            }
        } else if (opcja == "--seed") {
            Wezel seed;
            if (!wartosc(argc, argv, i, tekst) || !czytajSeed(tekst, seed)) {
                blad = "opcja --seed wymaga adresu IPv4 i portu, np. 192.168.1.20:1700";
                return false;
            }
            opcje.seedy.push_back(std::move(seed));
        } else {
            blad = "nieznana opcja " + std::string(opcja);
            return false;
        }
    }
    return true;
}

std::string pomocWezla(const std::string& program)
{
    return "Uzycie: " + program + " [opcje]\n"
        "Wezel Talvarin bez okna: serwer wymiany lancuchow, obecnosc w sieci lokalnej,\n"
        "opcjonalnie kopanie w petli. Konczy sie po SIGINT albo SIGTERM.\n\n"
        "  --katalog DIR     folder danych (tworzony z prawami 0700); domyslnie biezacy\n"
        "  --port N          port TCP wymiany lancuchow; domyslnie 1700\n"
        "  --bez-obecnosci   bez ogloszen i nasluchu obecnosci (UDP 1699)\n"
        "  --bez-synchronizacji  tylko wymiana calych lancuchow (jak starsze wezly)\n"
        "  --kop             kopanie w petli na wlasny portfel (tworzony, gdy go nie ma)\n"
        "  --seed IP:PORT    seed dopisywany do seedy.dat (mozna powtarzac)\n"
        "  --help            ten opis\n"
        "  --version         wersja programu\n";
}
