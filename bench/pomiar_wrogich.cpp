// Jednorazowy pomiar zachowania wobec wrogich wezlow (tylko 127.0.0.0/8, uruchamiac
// w osobnej przestrzeni sieciowej): ile czeka uczciwe wypchniecie za saczacym klientem
// i za piecioma milczacymi, ile trwa zatrzymanie serwera z zawieszonym peerem, szczyt
// pamieci przy wrogich ramkach pustych transakcji i czas scalenia 20 000 wpisow listy wezlow;
// uczciwe pchniecie przy osmiu saczacych polaczeniach i szczyt pamieci przy osmiu ramkach 512 MiB.

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <poll.h>
#include <sodium.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "core/format_lancucha.h"
#include "narzedzia_pomiarow.h"
#include "core/plik_lancucha.h"
#include "net/ramki.h"
#include "net/wymiana_lancucha.h"
#include "core/dziennik.h"

namespace {

using Zegar = std::chrono::steady_clock;

double msOd(Zegar::time_point start)
{
    return std::chrono::duration<double, std::milli>(Zegar::now() - start).count();
}

Gniazdo polaczZAdresu(const char* zrodlo, int port)
{
    Gniazdo g = Gniazdo::utworz(SOCK_STREAM);
    sockaddr_in sa{AF_INET, 0, {}, {}};
    ::inet_pton(AF_INET, zrodlo, &sa.sin_addr);
    (void)::bind(*g, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    sa.sin_port = htons(static_cast<std::uint16_t>(port));
    ::inet_pton(AF_INET, "127.0.0.1", &sa.sin_addr);
    (void)::connect(*g, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    return g;
}

// Serwer wymiany lancuchow na wlasnym watku, z plikami w folderze roboczym.
class Serwer {
public:
    Serwer(const std::string& folder, int port)
        : plikLancucha(folder + "/blockchain.dat"), plikWezlow(folder + "/wezly.dat"), port(port)
    {
        watek = std::thread([this] {
            Blockchain lancuch;
            (void)wczytajLancuch(lancuch, plikLancucha);
            KontekstSerwera kontekst{{dziennikPomiaru(), plikLancucha, plikWezlow, this->port}, lancuch, ""};
            kontekst.stop = stop.get_token();
            nasluchujIPrzyjmujLancuchyWPetli(kontekst, [this](bool) { gotowy = true; });
        });
        while (!gotowy)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // Czas od ustawienia flagi do powrotu petli.
    double zatrzymaj()
    {
        const auto start = Zegar::now();
        stop.request_stop();
        watek.join();
        return msOd(start);
    }
    ~Serwer()
    {
        if (watek.joinable())
            (void)zatrzymaj();
    }
    std::string plikLancucha;
    std::string plikWezlow;
    int port;

private:
    std::stop_source stop;
    std::atomic<bool> gotowy{false};
    std::thread watek;
};

Blockchain lancuch(int bloki)
{
    Blockchain b;
    while (static_cast<int>(b.liczbaBlokow()) < bloki)
        b.lancuch.emplace_back(static_cast<std::int32_t>(b.liczbaBlokow()),
                               std::vector<Transakcja>{transakcjaNagrody(std::string(64, 'a'), NAGRODA_ZA_BLOK)},
                               b.lancuch.back().hash);
    return b;
}

// Uczciwe wypchniecie (lancuch nie dluzszy: odmowa i odpowiedz) w ms.
double uczciwePchniecie(const Serwer& serwer, const Blockchain& b)
{
    const auto start = Zegar::now();
    (void)wyslijLancuchDoWezla(dziennikPomiaru(), b, Wezel{"127.0.0.1", serwer.port, "", ""}, serwer.port,
                               serwer.plikWezlow, -1, {});
    return msOd(start);
}

void zaSaczacym(const std::string& folder)
{
    Serwer serwer(folder, wolnyPort());
    const Blockchain b = lancuch(100);
    (void)zapiszLancuch(b, serwer.plikLancucha);
    const Gniazdo saczacy = polaczZAdresu("127.0.0.2", serwer.port);
    std::atomic<bool> koniec{false};
    std::thread saczenie([&] {
        std::string bajty = "0001048576";
        while (!koniec && ::send(*saczacy, bajty.data(), bajty.size(), MSG_NOSIGNAL) > 0) {
            bajty.assign(1, 's');
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::vector<double> czasy;
    for (int i = 0; i < 5; ++i)
        czasy.push_back(uczciwePchniecie(serwer, b));
    std::sort(czasy.begin(), czasy.end());
    std::printf("uczciwe pchniecie za saczacym klientem: mediana %.2f ms, najdluzej %.2f ms\n",
                czasy[2], czasy[4]);
    koniec = true;
    saczenie.join();

    std::vector<Gniazdo> milczace;
    for (const char* adres : {"127.0.0.3", "127.0.0.4", "127.0.0.5", "127.0.0.6", "127.0.0.7"})
        milczace.push_back(polaczZAdresu(adres, serwer.port));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    czasy.clear();
    for (int i = 0; i < 5; ++i)
        czasy.push_back(uczciwePchniecie(serwer, b));
    std::sort(czasy.begin(), czasy.end());
    std::printf("uczciwe pchniecie za piecioma milczacymi: mediana %.2f ms, najdluzej %.2f ms\n",
                czasy[2], czasy[4]);
}

// Zawieszony peer: przyjmuje polaczenie (kolejka jadra), nigdy nie czyta ani nie odpowiada.
void zatrzymanieZZawieszonym(const std::string& folder)
{
    const int portPeera = wolnyPort();
    const Gniazdo peer = Gniazdo::utworz(SOCK_STREAM);
    sockaddr_in sa{AF_INET, htons(static_cast<std::uint16_t>(portPeera)), {htonl(INADDR_LOOPBACK)}, {}};
    (void)::bind(*peer, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    (void)::listen(*peer, 4);
    const Blockchain krotki = lancuch(2);
    for (int bloki : {1000, 100000}) {
        (void)zapiszLancuch(krotki, folder + "/blockchain.dat");
        Serwer serwer(folder, wolnyPort());
        zapiszWezly(serwer.plikWezlow, {Wezel{"127.0.0.1", portPeera, "", ""}});
        const Blockchain dlugi = lancuch(bloki);
        const auto start = Zegar::now();
        (void)uczciwePchniecie(serwer, dlugi);
        const double odpowiedz = msOd(start);
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        std::printf("%d blokow: odpowiedz po %.1f ms; zatrzymanie serwera w trakcie rozgloszenia "
                    "do zawieszonego peera: %.1f ms\n",
                    bloki, odpowiedz, serwer.zatrzymaj());
    }
}

// Serwer w procesie potomnym dostaje ramke `mb` MB jednego bloku pustych transakcji o wierszu
// kwoty `kwota`; potomek podaje szczyt pamieci (ru_maxrss) przed i po zapytaniu.
void szczytPamieci(const std::string& folder, const char* opis, std::size_t mb, const std::string& kwota)
{
    const int port = wolnyPort();
    int rura[2];
    if (::pipe(rura) != 0)
        return;
    const pid_t potomek = ::fork();
    if (potomek == 0) {
        const long przed = static_cast<long>(szczytPamieciMB());
        {
            Serwer serwer(folder, port);
            char bajt = 0;
            (void)::read(rura[0], &bajt, 1);
        }
        std::printf("%s: szczyt pamieci serwera %ld MB (przed zapytaniem %ld MB)\n", opis,
                    static_cast<long>(szczytPamieciMB()), przed);
        std::fflush(stdout);
        ::_exit(0);
    }
    // Tresc budowana dopiero po fork: potomek jej nie dziedziczy.
    const std::string transakcja = "\n\n" + kwota + "\n\n\n";
    const std::size_t ile = mb * 1'000'000 / transakcja.size();
    std::string tekst = "=== BLOK ===\n1\n0\n0\n0\n0\n" + std::to_string(ile) + "\n";
    for (std::size_t i = 0; i < ile; ++i)
        tekst += transakcja;
    const std::string wiadomosc = zbudujWiadomoscLancucha(tekst, "");
    tekst.clear();
    tekst.shrink_to_fit();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    std::string odpowiedz;
    const auto start = Zegar::now();
    (void)wyslijIOdbierz(dziennikPomiaru(), "127.0.0.1", port, wiadomosc, odpowiedz, {});
    std::printf("%s: obsluzona w %.0f ms\n", opis, msOd(start));
    std::fflush(stdout);
    (void)::write(rura[1], "k", 1);
    ::waitpid(potomek, nullptr, 0);
}

void scalenie(const std::string& folder)
{
    std::vector<Wezel> wezly;
    for (int i = 0; i < 20000; ++i) {
        std::string ip = "10.";
        ip.append(std::to_string(i / 250)).append(".").append(std::to_string(i % 250)).append(".1");
        wezly.push_back({ip, 1700 + i % 7, std::string(64, 'a'), std::string("Wezel ").append(std::to_string(i))});
    }
    std::vector<double> czasy;
    for (int i = 0; i < 5; ++i) {
        const std::string plik = folder + "/wezly-scalenie.dat";
        ::unlink(plik.c_str());
        const auto start = Zegar::now();
        (void)scalWezly(plik, wezly);
        czasy.push_back(msOd(start));
    }
    std::sort(czasy.begin(), czasy.end());
    std::printf("scalenie 20 000 wpisow (do limitu 10 000 w pliku): mediana %.1f ms\n", czasy[2]);
}

// Szacunek pamieci wzgledem tekstu dla lancuchow, jakie robi program, i dla pustych transakcji.
void proporcjePamieci()
{
    const ParaKluczy klucze = generujPareKluczy();
    Blockchain nagrody = lancuch(1000);
    Blockchain platnosci = lancuch(1);
    while (platnosci.liczbaBlokow() < 1000)
        platnosci.lancuch.emplace_back(
            static_cast<std::int32_t>(platnosci.liczbaBlokow()),
            std::vector<Transakcja>{transakcjaNagrody(kluczPublicznyHex(klucze), NAGRODA_ZA_BLOK),
                                    Transakcja(klucze, std::string(64, 'b'), 123456789, "")},
            platnosci.lancuch.back().hash);
    std::string puste = "=== BLOK ===\n1\n0\n0\n0\n0\n100000\n";
    for (int i = 0; i < 100000; ++i)
        puste += "\n\n0\n\n\n";
    for (const auto& [opis, tekst] : {std::pair{"nagrody", serializujLancuch(nagrody)},
                                      std::pair{"nagrody i platnosci", serializujLancuch(platnosci)},
                                      std::pair{"puste transakcje", puste}})
        std::printf("pamiec/tekst, %s: %.2f\n", opis,
                    static_cast<double>(szacujPamiecLancucha(tekst)) / static_cast<double>(tekst.size()));
}

// Osiem saczacych polaczen z czterech adresow (po dwa): kazde zapowiada 200 MiB, wysyla
// bajt co 20 s, a zamkniete od razu laczy sie od nowa. Uczciwe pchniecia co sekunde.
void osiemSaczacych(const std::string& folder)
{
    using namespace std::chrono_literals;
    Serwer serwer(folder, wolnyPort());
    const Blockchain b = lancuch(100);
    (void)zapiszLancuch(b, serwer.plikLancucha);
    std::atomic<bool> koniec{false};
    std::atomic<int> zamkniete{0};
    std::vector<std::thread> saczace;
    const char* adresy[] = {"127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5"};
    for (int i = 0; i < 8; ++i)
        saczace.emplace_back([&, adres = adresy[i / 2]] {
            while (!koniec) {
                const Gniazdo g = polaczZAdresu(adres, serwer.port);
                (void)::send(*g, "0209715200", 10, MSG_NOSIGNAL);
                auto ostatni = Zegar::now();
                char bajt = 0;
                for (pollfd p{*g, POLLIN, 0}; !koniec; p.revents = 0) {
                    if (::poll(&p, 1, 100) > 0 && ::recv(*g, &bajt, 1, 0) <= 0) {
                        ++zamkniete;
                        break;
                    }
                    if (Zegar::now() - ostatni >= 20s) {
                        (void)::send(*g, "s", 1, MSG_NOSIGNAL);
                        ostatni = Zegar::now();
                    }
                }
            }
        });
    std::this_thread::sleep_for(1500ms); // wszystkie miejsca zajete dluzej niz karencja
    std::vector<double> czasy;
    for (int i = 0; i < 15; ++i) {
        czasy.push_back(uczciwePchniecie(serwer, b));
        std::this_thread::sleep_for(1s);
    }
    koniec = true;
    for (std::thread& t : saczace)
        t.join();
    std::sort(czasy.begin(), czasy.end());
    std::printf("uczciwe pchniecie przy osmiu saczacych (4 adresy x 2, 200 MiB, bajt co 20 s): "
                "mediana %.2f ms, najdluzej %.2f ms z 15; saczace zamkniete przez serwer: %d razy\n",
                czasy[7], czasy[14], zamkniete.load());
}

// Tekst lancucha z pustymi transakcjami i jedna dluga na kazde sto, dobrany tak, zeby
// szacunek pamieci byl okolo 7,56 razy tekst (przechodzi sprawdzenie 8 razy).
std::string tekstBliskoLimitu(std::size_t rozmiar)
{
    std::string jednostka;
    double najblizej = 0;
    for (std::size_t dlugie = 100; dlugie < 20000; dlugie += 10) {
        std::string proba;
        for (int i = 0; i < 100; ++i)
            proba += "\n\n0\n\n\n";
        proba += "\n\n0\n" + std::string(dlugie, 'o') + "\n\n";
        const std::string blok = "=== BLOK ===\n1\n0\n0\n0\n0\n101\n" + proba;
        const double stosunek = static_cast<double>(szacujPamiecLancucha(blok)) / static_cast<double>(blok.size());
        if (stosunek <= 7.56 && stosunek > najblizej) {
            najblizej = stosunek;
            jednostka = proba;
        }
    }
    const std::size_t ile = rozmiar / jednostka.size();
    std::string tekst = "=== BLOK ===\n1\n0\n0\n0\n0\n" + std::to_string(ile * 101) + "\n";
    tekst.reserve(rozmiar + jednostka.size());
    for (std::size_t i = 0; i < ile; ++i)
        tekst += jednostka;
    return tekst;
}

// Serwer w procesie potomnym; osiem polaczen naraz wysyla ramki ~512 MiB, ktorych tekst
// przechodzi sprawdzenie 8 razy (okolo 7,56), w trakcie uczciwe pchniecie.
void osiemDuzychRamek(const std::string& folder)
{
    const int port = wolnyPort();
    int rura[2];
    if (::pipe(rura) != 0)
        return;
    std::fflush(stdout); // potomek nie powtorzy wierszy z bufora
    const pid_t potomek = ::fork();
    if (potomek == 0) {
        {
            Serwer serwer(folder, port);
            char bajt = 0;
            (void)::read(rura[0], &bajt, 1);
        }
        std::printf("osiem ramek 512 MiB naraz: szczyt pamieci serwera %.0f MB\n", szczytPamieciMB());
        std::fflush(stdout);
        ::_exit(0);
    }
    const std::string tekst = tekstBliskoLimitu(512ULL * 1024 * 1024 - 64);
    std::printf("ramka: %zu bajtow tekstu, szacunek pamieci %.2f razy tekst\n", tekst.size(),
                static_cast<double>(szacujPamiecLancucha(tekst)) / static_cast<double>(tekst.size()));
    const std::string wiadomosc = zbudujWiadomoscLancucha(tekst, "");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const auto start = Zegar::now();
    std::atomic<int> odebrane{0};
    std::vector<std::thread> wrogie;
    const char* adresy[] = {"127.0.0.2", "127.0.0.3", "127.0.0.4", "127.0.0.5"};
    for (int i = 0; i < 8; ++i)
        wrogie.emplace_back([&, adres = adresy[i / 2]] {
            const Gniazdo g = polaczZAdresu(adres, port);
            (void)wyslijWiadomosc(g, wiadomosc, {});
            odebrane += odbierzWiadomosc(g, {}).empty() ? 0 : 1;
        });
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const auto startUczciwego = Zegar::now();
    // Plik wezlow serwera nie jest pusty (poprzedni pomiar), wiec obsluzone ma odpowiedz.
    std::string odpowiedz;
    const std::string uczciwy = serializujLancuch(lancuch(100));
    (void)wyslijCzesciIOdbierz(dziennikPomiaru(), "127.0.0.1", port, {naglowekDlugosci(uczciwy.size()), uczciwy}, odpowiedz, {});
    std::printf("uczciwe pchniecie w trakcie: %s po %.0f ms\n",
                odpowiedz.empty() ? "BEZ ODPOWIEDZI" : "obsluzone", msOd(startUczciwego));
    for (std::thread& t : wrogie)
        t.join();
    std::printf("osiem wrogich ramek zalatwionych w %.1f s\n", msOd(start) / 1000.0);
    std::fflush(stdout);
    (void)::write(rura[1], "k", 1);
    ::waitpid(potomek, nullptr, 0);
}

} // namespace

int main()
{
    if (sodium_init() < 0)
        return 1;
    const std::string& folder = folderRoboczy();
    szczytPamieci(folder, "ramka 100 MB pustych transakcji", 100, "0");
    // Kwota dopelniona zerami do 39 bajtow na transakcje miesci sie w szacunku pamieci.
    szczytPamieci(folder, "ramka 50 MB pustych transakcji po 39 bajtow", 50, std::string(34, '0'));
    proporcjePamieci();
    scalenie(folder);
    zaSaczacym(folder);
    zatrzymanieZZawieszonym(folder);
    osiemSaczacych(folder);
    osiemDuzychRamek(folder);
    usunFolderRoboczy();
    return 0;
}
