#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <filesystem>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "format_lancucha.h"
#include "pliki.h"
#include "plik_lancucha.h"
#include "pomoc_lancucha.h"
#include "pomoc_testow.h"

namespace {

std::string zamienLfNaCrLf(const std::string& tekst)
{
    std::string wynik;
    for (const char z : tekst) {
        if (z == '\n')
            wynik += '\r';
        wynik += z;
    }
    return wynik;
}

enum class WynikZapisu { blad, sukces, nieDaloSiePrzygotowac };

// Uruchamia zapis w procesie potomnym z folderem tylko do odczytu
// (montowanie ro dziala tez dla roota, chmod tylko dla zwyklego uzytkownika).
WynikZapisu zapisWFolderzeTylkoDoOdczytu(const Blockchain& lancuch, const std::string& folder,
                                  const std::string& plik)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        bool tylkoOdczyt = false;
        if (::unshare(CLONE_NEWNS) == 0
            && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            && ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0
            && ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                       nullptr) == 0)
            tylkoOdczyt = true;
        if (!tylkoOdczyt && ::geteuid() != 0)
            tylkoOdczyt = ::chmod(folder.c_str(), 0555) == 0;
        if (!tylkoOdczyt)
            ::_exit(2);
        ::_exit(zapiszLancuch(lancuch, plik) ? 1 : 0);
    }
    int stan = 0;
    ::waitpid(pid, &stan, 0);
    ::chmod(folder.c_str(), 0755);
    if (!WIFEXITED(stan) || WEXITSTATUS(stan) == 2)
        return WynikZapisu::nieDaloSiePrzygotowac;
    return WEXITSTATUS(stan) == 0 ? WynikZapisu::blad : WynikZapisu::sukces;
}

} // namespace

TEST(PlikLancucha, BrakPlikuNieTworzyGo)
{
    FolderTymczasowy folder;
    Blockchain lancuch;
    const auto przed = lancuch.pobierzLancuch();
    EXPECT_FALSE(wczytajLancuch(lancuch, folder.plik("blockchain.dat")));
    EXPECT_FALSE(plikIstnieje(folder.plik("blockchain.dat")));
    EXPECT_EQ(lancuch.pobierzLancuch(), przed);
}

TEST(PlikLancucha, ZapisIOdczytTegoSamegoLancucha)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    Blockchain zrodlo = lancuchTestowy();
    {
        PrzechwycWyjscie cisza;
        dokop(zrodlo, OBCY_ADRES, 2);
    }
    ASSERT_TRUE(zapiszLancuch(zrodlo, plik));
    EXPECT_EQ(czytajPlikTestu(plik), serializujLancuch(zrodlo));
    Blockchain cel;
    ASSERT_TRUE(wczytajLancuch(cel, plik));
    EXPECT_EQ(cel.pobierzLancuch(), zrodlo.pobierzLancuch());
    // Zapis nie zostawia plikow tymczasowych.
    int plikow = 0;
    for (const auto& wpis : std::filesystem::directory_iterator(folder.sciezka()))
        plikow += wpis.is_regular_file() ? 1 : 0;
    EXPECT_EQ(plikow, 1);
}

TEST(PlikLancucha, PlikZWindowsZCrLf)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    Blockchain zrodlo = lancuchTestowy();
    {
        PrzechwycWyjscie cisza;
        dokop(zrodlo, OBCY_ADRES, 1);
    }
    zapiszPlikTestu(plik, zamienLfNaCrLf(serializujLancuch(zrodlo)));
    Blockchain cel;
    ASSERT_TRUE(wczytajLancuch(cel, plik));
    EXPECT_EQ(cel.pobierzLancuch(), zrodlo.pobierzLancuch());
    // CR bez LF za nim zostaje w polu.
    zapiszPlikTestu(plik, "=== BLOK ===\r\n0\r\nab\rc\r\nh\r\n0\r\n1\r\n0");
    ASSERT_TRUE(wczytajLancuch(cel, plik));
    EXPECT_EQ(cel.pobierzLancuch()[0].poprzedniHash, "ab\rc");
}

TEST(PlikLancucha, NieudanyZapisZostawiaStaryPlik)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    const Blockchain stary;
    ASSERT_TRUE(zapiszLancuch(stary, plik));
    const std::string trescPrzed = czytajPlikTestu(plik);
    Blockchain nowy = lancuchTestowy();
    {
        PrzechwycWyjscie cisza;
        dokop(nowy, OBCY_ADRES, 3);
    }

    // Folder tylko do odczytu.
    const WynikZapisu wynik = zapisWFolderzeTylkoDoOdczytu(nowy, folder.sciezka(), plik);
    if (wynik == WynikZapisu::nieDaloSiePrzygotowac)
        std::cout << "Pominieto przypadek folderu tylko do odczytu: brak uprawnien do mount.\n";
    else
        EXPECT_EQ(wynik, WynikZapisu::blad);
    EXPECT_EQ(czytajPlikTestu(plik), trescPrzed);

    // Pelny dysk w polowie zapisu (limit rozmiaru pliku dziala tez dla roota).
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(zapiszLancuch(nowy, plik) ? 1 : 0);
    }
    int stan = 0;
    ::waitpid(pid, &stan, 0);
    ASSERT_TRUE(WIFEXITED(stan));
    EXPECT_EQ(WEXITSTATUS(stan), 0) << "zapis powinien zglosic blad";
    EXPECT_EQ(czytajPlikTestu(plik), trescPrzed);
    int plikow = 0;
    for (const auto& wpis : std::filesystem::directory_iterator(folder.sciezka()))
        plikow += wpis.exists() ? 1 : 0;
    EXPECT_EQ(plikow, 1) << "plik tymczasowy zostal";
}

TEST(PlikLancucha, NieczytelnyPlikJestOdkladanyNaBok)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    zapiszPlikTestu(plik, "to nie jest lancuch\n");
    Blockchain lancuch = lancuchTestowy();
    PrzechwycWyjscie wyjscie;
    kopIZapisz(lancuch, OBCY_ADRES, plik, {});
    EXPECT_EQ(czytajPlikTestu(plik + ".uszkodzony"), "to nie jest lancuch\n");
    Blockchain zapisany;
    ASSERT_TRUE(wczytajLancuch(zapisany, plik));
    EXPECT_EQ(zapisany.liczbaBlokow(), 2u);

    // Drugi raz: nazwa zajeta, wiec dostaje numer.
    zapiszPlikTestu(plik, "=== BLOK ===\n0\nprev\nhash\nx\n1\n0\n");
    kopIZapisz(lancuch, OBCY_ADRES, plik, {});
    EXPECT_EQ(czytajPlikTestu(plik + ".uszkodzony"), "to nie jest lancuch\n");
    EXPECT_EQ(czytajPlikTestu(plik + ".uszkodzony.1"), "=== BLOK ===\n0\nprev\nhash\nx\n1\n0\n");
    ASSERT_TRUE(wczytajLancuch(zapisany, plik));
    EXPECT_EQ(zapisany.liczbaBlokow(), 3u);
    EXPECT_NE(wyjscie.tekst().find("odlozono go jako " + plik + ".uszkodzony.1"),
              std::string::npos);
}

TEST(PlikLancucha, KopIZapiszTworzyPlikIDokladaDoIstniejacego)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    Blockchain a = lancuchTestowy();
    PrzechwycWyjscie cisza;
    kopIZapisz(a, OBCY_ADRES, plik, {});
    Blockchain b = lancuchTestowy();
    kopIZapisz(b, OBCY_ADRES, plik, {});
    // b wczytal plik a, wiec ma jego geneze i jeden blok wiecej.
    EXPECT_EQ(b.liczbaBlokow(), 3u);
    EXPECT_EQ(b.pobierzLancuch()[1], a.pobierzLancuch()[1]);
    EXPECT_FALSE(plikIstnieje(plik + ".uszkodzony"));
}
