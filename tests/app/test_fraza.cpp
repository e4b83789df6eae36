// Fraza odzyskiwania: lista slow, wektor wzorcowy, sprawdzanie wpisanej frazy.
#include <gtest/gtest.h>

#include <sodium.h>

#include "app/sprawdzenie_frazy.h"
#include "core/klucze.h"
#include "core/skrot.h"

TEST(Fraza, ListaWektorWzorcowyISprawdzenie)
{
    ASSERT_GE(sodium_init(), 0);
    std::string lista;
    for (const std::string_view slowo : listaBIP39)
        lista.append(slowo).push_back('\n');
    EXPECT_EQ(sha256Hex(lista), "2f5eed53a4727b4bf8880d8f3f199efc90e58503646d9ff8eff3a2ed3b24dbda");

    // Wielkie litery, kilka wierszy i podwojne spacje daja te sama fraze.
    const SprawdzonaFraza wpisana = sprawdzFraze(
        "ABANDON abandon  abandon abandon\nabandon abandon abandon abandon abandon abandon abandon about");
    ASSERT_TRUE(wpisana.poprawna()) << wpisana.komunikat;
    const Ziarno ziarno = ziarnoZFrazy(wpisana.slowa);
    EXPECT_EQ(bajtyNaHex(ziarno.data(), 32), "c557eec878dfd852ba3f88087c4f350f09c55537ab5e549c3cd14320ec3cef38");
    EXPECT_EQ(kluczPublicznyHex(paraKluczyZZiarna(ziarno)),
              "93a5f261984931e0df5c7434b16d468efb1953098d3cad4fa1506b9e052e7fc7");

    EXPECT_EQ(sprawdzFraze("abandon about").komunikat, "Fraza musi miec dokladnie 12 slow (masz 2).");
    EXPECT_EQ(sprawdzFraze("abandon abandon abandon abandon abandon abandon abandon abandon abandon "
                           "abandn zzz about").komunikat,
              "Slowo \"abandn\" nie jest na liscie BIP39 - sprawdz literowki.");
    const Fraza nowa = generujFraze();
    ASSERT_EQ(nowa.size(), 12u);
    for (const std::string& slowo : nowa)
        EXPECT_TRUE(naLiscieBIP39(slowo));
    EXPECT_NE(tekstFrazy(nowa), tekstFrazy(generujFraze()));
}
