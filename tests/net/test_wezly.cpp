// Pliki wezlow: wiersz, uzupelnianie znanego wezla, rownolegle zmiany bez zgubionych wpisow.
#include <gtest/gtest.h>

#include <thread>

#include "pomoc_testow.h"
#include "wezly.h"

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

    // Dopisywanie i jednoczesne przepisywanie pliku przez usuwanie: nic nie ginie.
    constexpr int N = 150;
    std::thread dopisujacy([&] {
        for (int i = 0; i < N; ++i)
            dodajLubUzupelnijWezel(plik, "10.1.0.1", 2000 + i, "", "");
    });
    std::thread przepisujacy([&] {
        for (int i = 0; i < N; ++i) {
            dodajLubUzupelnijWezel(plik, "10.2.0.2", 1, "", "");
            usunWezel(plik, "10.2.0.2", 1);
        }
    });
    dopisujacy.join();
    przepisujacy.join();
    EXPECT_EQ(wczytajWezly(plik).size(), static_cast<std::size_t>(N + 1));
}
