// Kopanie z zapisem, gdy pliku nie wolno zapisac: false i zaden blok w pamieci; gdy
// nieczytelnego pliku nie da sie odlozyc, nic nie jest nawet kopane.
#include <gtest/gtest.h>

#include <iostream>
#include <sys/stat.h>

#include "plik_lancucha.h"
#include "pomoc_testow.h"

TEST(KopBezZapisu, FalseIBezBlokuWPamieci)
{
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    Blockchain lancuch = lancuchTestowy(1, 1);
    ASSERT_TRUE(zapiszLancuch(lancuch, plik));
    PrzechwycWyjscie wyjscie;
    ::chmod(folder.sciezka().c_str(), 0555);
    for (const bool zepsuty : {false, true}) {
        if (zepsuty)
            zapiszPlikTestu(plik, "zepsute\n");
        // Potomek bez roota: 1, gdy zglosil sukces, inaczej liczba blokow w pamieci.
        EXPECT_EQ(wProcesiePotomnym([&] {
                      const bool zapisano = kopIZapisz(lancuch, OBCY_ADRES, plik, {});
                      std::cout.flush();
                      return zapisano ? 1 : static_cast<int>(lancuch.liczbaBlokow());
                  }, true), 2);
    }
    ::chmod(folder.sciezka().c_str(), 0700);
    const std::string tekst = wyjscie.tekst();
    EXPECT_NE(tekst.find("Kopanie bloku"), std::string::npos);
    EXPECT_EQ(tekst.find("Kopanie bloku"), tekst.rfind("Kopanie bloku")) << tekst;
    EXPECT_EQ(czytajPlikTestu(plik), "zepsute\n");
}
