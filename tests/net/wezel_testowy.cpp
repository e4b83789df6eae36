// Pojedynczy wezel do testu koncowego: serwer wymiany lancuchow, opcjonalnie wykopanie
// dwoch blokow i rozgloszenie ich. Konczy sie, gdy w jego folderze pojawi sie plik "stop"
// albo minie podany czas.
// Uzycie: wezel_testowy <folder> <port> <klucz> <kop:0|1> <sekundy>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

#include "plik_lancucha.h"
#include "pliki.h"
#include "rozgloszenie.h"
#include "wymiana_lancucha.h"

int main(int argc, char** argv)
{
    if (argc != 6)
        return 2;
    const std::string folder = argv[1];
    const int port = std::atoi(argv[2]);
    const std::string klucz = argv[3];
    const bool kop = std::string(argv[4]) == "1";
    const auto koniec = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[5]));
    const std::string plikLancucha = folder + "/blockchain.dat";
    const std::string plikWezlow = folder + "/wezly.dat";

    auto stop = [&] {
        return plikIstnieje(folder + "/stop") || std::chrono::steady_clock::now() > koniec;
    };
    std::atomic<int> gotowy{0};
    std::thread serwer([&] {
        Blockchain lancuch;
        (void)wczytajLancuch(lancuch, plikLancucha);
        nasluchujIPrzyjmujLancuchyWPetli(
            lancuch, port, plikLancucha, plikWezlow, stop,
            [&](bool ok) {
                if (ok)
                    std::ofstream(folder + "/gotowy") << "ok\n";
                gotowy = ok ? 1 : 2;
            },
            klucz, std::chrono::seconds(5));
    });
    while (gotowy.load() == 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (gotowy.load() == 1 && kop) {
        Blockchain moj;
        moj.trudnosc = 3;
        static_cast<void>(kopIZapisz(moj, klucz, plikLancucha, {}));
        static_cast<void>(kopIZapisz(moj, klucz, plikLancucha, {}));
        const WynikRozgloszenia wynik = rozglosLancuch(moj, plikWezlow, port, std::chrono::seconds(5));
        std::cout << "Wynik: " << wynik.sukcesy << "/" << wynik.wszystkie << std::endl;
    }
    serwer.join();
    return gotowy.load() == 1 ? 0 : 1;
}
