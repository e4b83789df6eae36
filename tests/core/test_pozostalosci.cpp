// Pliki tymczasowe zostawione przez przerwane zapisy.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "core/pliki.h"
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
