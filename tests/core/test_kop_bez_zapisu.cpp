// Kopanie z zapisem, gdy pliku nie wolno zapisac: wynik false i zaden blok nie zostaje
// w pamieci; nieczytelnego pliku, ktorego nie da sie odlozyc, nic nie nadpisuje.
#include <gtest/gtest.h>

#include <iostream>
#include <sys/stat.h>

#include "plik_lancucha.h"
#include "pomoc_lancucha.h"

TEST(KopBezZapisu, FalseIBezBlokuWPamieci)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    Blockchain lancuch = lancuchTestowy(1, 1);
    ASSERT_TRUE(zapiszLancuch(lancuch, plik));
    // W folderze bez prawa zapisu: 1, gdy kopIZapisz zglosil sukces, inaczej liczba blokow.
    auto kopBezPrawaZapisu = [&] {
        ::chmod(folder.sciezka().c_str(), 0555);
        const int wynik = wProcesiePotomnym(
            [&] {
                const bool zapisano = kopIZapisz(lancuch, OBCY_ADRES, plik, {});
                std::cout.flush();
                return zapisano ? 1 : static_cast<int>(lancuch.liczbaBlokow());
            },
            true);
        ::chmod(folder.sciezka().c_str(), 0700);
        return wynik;
    };
    PrzechwycWyjscie wyjscie;
    EXPECT_EQ(kopBezPrawaZapisu(), 2);
    zapiszPlikTestu(plik, "zepsute\n");
    EXPECT_EQ(kopBezPrawaZapisu(), 2);
    const std::string tekst = wyjscie.tekst();
    // Kopane tylko za pierwszym razem: zepsutego pliku nie dalo sie odlozyc, wiec nie ma po co.
    EXPECT_EQ(tekst.find("Kopanie bloku"), tekst.rfind("Kopanie bloku")) << tekst;
    EXPECT_NE(tekst.find("Kopanie bloku"), std::string::npos) << tekst;
    EXPECT_EQ(czytajPlikTestu(plik), "zepsute\n");
}
