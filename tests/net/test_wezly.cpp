// Pliki wezlow: wiersz, uzupelnianie znanego wezla, rownolegle zmiany bez zgubionych wpisow,
// zalew ogloszen obecnosci.
#include <gtest/gtest.h>

using namespace std::chrono_literals;

#include <algorithm>
#include <chrono>
#include <thread>
#include <arpa/inet.h>
#include <atomic>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "net/obecnosc.h"
#include "pomoc_testow.h"
#include "net/wezly.h"
#include "net/wyrazy.h"

TEST(Wezly, WierszUzupelnienieIRownolegleZmiany)
{
    Wezel w;
    ASSERT_TRUE(parsujWierszWezla("10.0.0.1 1700 - Ala ma kota", w));
    EXPECT_EQ(w, (Wezel{"10.0.0.1", 1700, "", "Ala ma kota"}));
    EXPECT_EQ(wierszWezla(w), "10.0.0.1 1700 - Ala ma kota");

    FolderTymczasowy folder;
    const std::string plik = folder.plik("wezly.dat");
    const std::string klucz(64, 'c');
    EXPECT_TRUE(dodajNowyLubUzupelnij(plik, Wezel{"10.0.0.1", 1700, "", ""}));
    EXPECT_FALSE(dodajNowyLubUzupelnij(plik, Wezel{"10.0.0.1", 1700, klucz, "Ala"}));
    EXPECT_EQ(czytajPlikTestu(plik), "10.0.0.1 1700 " + klucz + " Ala\n");

    // Cztery watki dopisuja swoje wpisy i ten sam wspolny, piaty przepisuje plik usuwaniem.
    constexpr int WATKI = 4;
    constexpr int N = 50;
    std::vector<std::thread> watki;
    for (int w = 0; w < WATKI; ++w)
        watki.emplace_back([&, w] {
            for (int i = 0; i < N; ++i) {
                dodajLubUzupelnijWezel(plik, "10.1.0." + std::to_string(w), 2000 + i, "", "");
                dodajLubUzupelnijWezel(plik, "10.9.9.9", 1, "", "");
            }
        });
    watki.emplace_back([&] {
        for (int i = 0; i < N; ++i) {
            dodajLubUzupelnijWezel(plik, "10.2.0.2", 1, "", "");
            usunWezel(plik, "10.2.0.2", 1);
        }
    });
    for (std::thread& t : watki)
        t.join();
    const std::vector<Wezel> wezly = wczytajWezly(plik);
    EXPECT_EQ(wezly.size(), static_cast<std::size_t>(WATKI * N + 2));
    EXPECT_EQ(std::count(wezly.begin(), wezly.end(), Wezel{"10.9.9.9", 1, "", ""}), 1);
}

// Wyrazy (ogloszen, wierszy wezlow) rozdziela kazdy bialy znak ASCII, jak w strumieniu.
TEST(Wezly, WyrazyRozdzielaKazdyBialyZnakAscii)
{
    std::string_view reszta = " a\tb\nc\vd\fe\rf  ";
    std::string wyrazy;
    for (std::string_view w = nastepnyWyraz(reszta); !w.empty(); w = nastepnyWyraz(reszta))
        wyrazy.append(w).push_back(',');
    EXPECT_EQ(wyrazy, "a,b,c,d,e,f,");
}

TEST(Obecnosc, ZalewOgloszenZapisujePlikNajwyzejRazNaSekunde)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("wezly.dat");
    std::vector<std::string> wykryte;
    ZapisObecnosci zapis(plik, [&](const std::string& ip, int port) {
        wykryte.push_back(ip + ":" + std::to_string(port));
    });
    const auto ogloszenie = [](int port, const std::string& klucz, const std::string& nazwa) {
        return *czytajOgloszenie(tekstOgloszenia(port, "obcyidid", klucz, nazwa), "10.0.0.1", "mojeid12");
    };
    const auto t = std::chrono::steady_clock::now();
    // Pierwsze ogloszenie od razu, potem zalew nowych portow i uzupelnien w ciagu sekundy.
    zapis.dodaj(ogloszenie(1700, "", ""), t);
    const std::string poPierwszym = czytajPlikTestu(plik);
    EXPECT_EQ(poPierwszym, "10.0.0.1 1700 - -\n");
    const std::string klucz(64, 'b');
    for (int i = 0; i < 300; ++i)
        zapis.dodaj(ogloszenie(1701 + i % 100, klucz, "Ola" + std::to_string(i)), t + std::chrono::milliseconds(i));
    zapis.dodaj(ogloszenie(1700, klucz, "Ala"), t + 500ms);
    zapis.tik(t + 999ms);
    EXPECT_EQ(czytajPlikTestu(plik), poPierwszym);
    zapis.tik(t + 1s);
    const std::vector<Wezel> wezly = wczytajWezly(plik);
    ASSERT_EQ(wezly.size(), 101u);
    EXPECT_EQ(wezly[0], (Wezel{"10.0.0.1", 1700, klucz, "Ala"}));
    EXPECT_EQ(wezly[1], (Wezel{"10.0.0.1", 1701, klucz, "Ola0"}));
    EXPECT_EQ(wykryte.size(), 101u);
}

TEST(Obecnosc, ZaDlugiDatagramOdrzucanyWCalosciANieUciety)
{
    std::vector<std::string> odebrane;
    std::mutex mutex;
    const int port = wolnyPort();
    std::jthread sluchacz([&](const std::stop_token& stop) {
        nasluchujUdpWPetli(dziennikTestu(), port, stop, [&](const std::string& d, const std::string&) {
            const std::lock_guard blokada(mutex);
            odebrane.push_back(d);
        });
    });
    const int gniazdo = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in cel{};
    cel.sin_family = AF_INET;
    cel.sin_port = htons(static_cast<std::uint16_t>(port));
    cel.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const auto wyslij = [&](const std::string& d) {
        (void)::sendto(gniazdo, d.data(), d.size(), 0, reinterpret_cast<sockaddr*>(&cel), sizeof cel);
    };
    // Az sluchacz odbierze krotki; potem za dlugi i znow krotki jako znacznik konca.
    for (int i = 0; i < 50 && [&] { const std::lock_guard b(mutex); return odebrane.empty(); }(); ++i) {
        wyslij("krotki");
        std::this_thread::sleep_for(20ms);
    }
    wyslij(std::string(MAKS_DLUGOSC_DATAGRAMU + 1, 'x'));
    wyslij("koniec");
    for (int i = 0; i < 100 && [&] { const std::lock_guard b(mutex); return odebrane.back() != "koniec"; }(); ++i)
        std::this_thread::sleep_for(20ms);
    sluchacz.request_stop();
    sluchacz.join();
    ::close(gniazdo);
    EXPECT_EQ(odebrane.back(), "koniec");
    EXPECT_EQ(std::count(odebrane.begin(), odebrane.end(), std::string(MAKS_DLUGOSC_DATAGRAMU, 'x')), 0);
}
