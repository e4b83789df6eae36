// Pliki tymczasowe po przerwanych zapisach i pliki, ktore nie sa zwyklymi plikami.

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "plik_lancucha.h"
#include "pliki.h"
#include "pomoc_lancucha.h"
#include "pomoc_testow.h"

TEST(Pozostalosci, UsuwanePlikiMartwychProcesowPortfelZamazany)
{
    FolderTymczasowy folder;
    const pid_t martwy = ::fork();
    if (martwy == 0)
        ::_exit(0);
    ::waitpid(martwy, nullptr, 0);
    const std::string m = std::to_string(martwy);
    const std::string portfel = folder.plik("moj_portfel.dat.tmp." + m + ".7");
    zapiszPlikTestu(folder.plik("blockchain.dat.tmp." + m + ".1"), "lancuch");
    zapiszPlikTestu(portfel, "tajny");
    // Drugie dowiazanie pokazuje, co bylo w pliku w chwili usuniecia.
    ASSERT_EQ(::link(portfel.c_str(), folder.plik("podglad").c_str()), 0);
    const std::string zywy = folder.plik("blockchain.dat.tmp." + std::to_string(::getpid()) + ".1");
    zapiszPlikTestu(zywy, "w toku");
    zapiszPlikTestu(folder.plik("blockchain.dat.tmp.abc"), "obcy");
    EXPECT_EQ(usunPozostalosciZapisow(folder.plik("blockchain.dat")), 1);
    EXPECT_EQ(usunPozostalosciZapisow(folder.plik("moj_portfel.dat"), true), 1);
    EXPECT_EQ(czytajPlikTestu(folder.plik("podglad")), std::string(5, '\0'));
    EXPECT_TRUE(plikIstnieje(zywy));
    EXPECT_EQ(folder.liczbaWpisow(), 3u);
}

TEST(Pozostalosci, FifoZamiastLancuchaOdrzucaneBezCzekania)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    ASSERT_EQ(::mkfifo(plik.c_str(), 0600), 0);
    Blockchain lancuch = lancuchTestowy(1, 1);
    const std::string wiersz = "BLAD: plik " + plik + " nie jest zwyklym plikiem - pomijam go.\n";
    for (const auto& krok : std::vector<std::function<bool()>>{
             [&] { return wczytajLancuch(lancuch, plik); }, [&] { return zapiszLancuch(lancuch, plik); },
             [&] { return wczytajPrzedZapisem(lancuch, plik); }}) {
        PrzechwycWyjscie przechwyc;
        EXPECT_FALSE(krok());
        EXPECT_EQ(przechwyc.tekst().substr(0, wiersz.size()), wiersz);
    }
    struct stat info {};
    EXPECT_TRUE(::stat(plik.c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
}
