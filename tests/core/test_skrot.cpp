#include <gtest/gtest.h>

#include <array>

#include "skrot.h"

TEST(Sha256, WektoryStandardoweIGranicePadowania)
{
    const std::pair<std::string, const char*> wektory[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        // 55 bajtow miesci dlugosc w jednym bloku, 56 juz nie; 64 to pelny blok.
        {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        {std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
        {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
        // Zero wiodace w tekscie skrotu.
        {"39", "0b918943df0962bc7a1824c0555a389347b4febdc7cf9d1254406d80ce44e3f9"},
    };
    for (const auto& [tekst, skrot] : wektory)
        EXPECT_EQ(sha256Hex(tekst), skrot) << tekst;
    // Bajt zerowy w srodku tez jest haszowany (dlugosc w bajtach, bez terminatora).
    EXPECT_NE(sha256Hex(std::string("a\0b", 3)), sha256Hex("a"));
}

TEST(Hex, KodowanieIDekodowanieJakStrtol)
{
    const unsigned char bajty[] = {0x00, 0x0f, 0xff};
    EXPECT_EQ(bajtyNaHex(bajty, 3), "000fff");
    EXPECT_EQ(bajtyNaHex(bajty, 0), "");

    std::array<unsigned char, 2> wynik{};
    ASSERT_TRUE(hexNaBajty("A0ff", wynik.data(), 2));
    EXPECT_EQ(wynik, (std::array<unsigned char, 2>{0xa0, 0xff}));
    // Znaki za 2*ile sa ignorowane, a ile == 0 nie robi nic.
    ASSERT_TRUE(hexNaBajty("10zz", wynik.data(), 1));
    EXPECT_EQ(wynik[0], 0x10);
    EXPECT_TRUE(hexNaBajty("", wynik.data(), 0));
    // Znak minus jest przyjmowany przez strtol: zostaje osiem nizszych bitow.
    ASSERT_TRUE(hexNaBajty("-1", wynik.data(), 1));
    EXPECT_EQ(wynik[0], 0xff);
    // Jeden znak na koncu tekstu to jeszcze liczba.
    ASSERT_TRUE(hexNaBajty("abc", wynik.data(), 2));
    EXPECT_EQ(wynik[1], 0x0c);
}

TEST(Hex, BledyDekodowania)
{
    std::array<unsigned char, 3> wynik{0x11, 0x22, 0x33};
    EXPECT_FALSE(hexNaBajty("zz", wynik.data(), 1));
    // Tekst konczy sie przed druga para; pierwszy bajt zostaje zapisany.
    EXPECT_FALSE(hexNaBajty("ab", wynik.data(), 2));
    EXPECT_EQ(wynik[0], 0xab);
    // Tekst za krotki nawet na poczatek pary.
    EXPECT_FALSE(hexNaBajty("a", wynik.data(), 3));
}
