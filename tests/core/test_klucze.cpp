#include <gtest/gtest.h>

#include <algorithm>

#include "klucze.h"
#include "pomoc_testow.h"
#include "skrot.h"

TEST(Klucze, ParaZZiarnaIPostacBajtow)
{
    // Wektor z niezaleznej implementacji (fraza "abandon ... about").
    Ziarno ziarno{};
    ASSERT_TRUE(hexNaBajty("c557eec878dfd852ba3f88087c4f350f09c55537ab5e549c3cd14320ec3cef38",
                           ziarno.data(), ziarno.size()));
    const ParaKluczy a = paraKluczyZZiarna(ziarno);
    EXPECT_EQ(kluczPublicznyHex(a), "93a5f261984931e0df5c7434b16d468efb1953098d3cad4fa1506b9e052e7fc7");
    // Klucz tajny libsodium: ziarno, potem jeszcze raz klucz publiczny.
    EXPECT_TRUE(std::equal(a.bajty.begin() + 32, a.bajty.begin() + 64, ziarno.begin()));
    EXPECT_TRUE(std::equal(a.bajty.begin() + 64, a.bajty.end(), a.bajty.begin()));
    EXPECT_NE(kluczPublicznyHex(generujPareKluczy()), kluczPublicznyHex(generujPareKluczy()));
}

TEST(Podpisy, PodpisWeryfikujeSieTylkoDlaTegoTekstuIKlucza)
{
    const ParaKluczy para = generujPareKluczy();
    const std::string klucz = kluczPublicznyHex(para);
    const std::string tekst = klucz + "|abc|100|";
    const std::string podpis = podpiszTekst(para, tekst);
    ASSERT_EQ(podpis.size(), 128u);
    EXPECT_TRUE(weryfikujPodpis(tekst, podpis, klucz));
    // Wielkie litery dekoduja sie tak samo.
    EXPECT_TRUE(weryfikujPodpis(tekst, naWielkieLitery(podpis), naWielkieLitery(klucz)));
    EXPECT_FALSE(weryfikujPodpis(klucz + "|abc|1000|", podpis, klucz));
    EXPECT_FALSE(weryfikujPodpis(tekst, podpis, kluczPublicznyHex(generujPareKluczy())));
    // Znieksztalcone dane to po prostu falsz.
    const std::pair<std::string, std::string> zle[] = {
        {podpis.substr(1), klucz}, {podpis + "0", klucz}, {podpis, klucz.substr(1)},
        {podpis, klucz + "0"}, {"zz" + podpis.substr(2), klucz}, {podpis, "zz" + klucz.substr(2)},
        {"", ""},
    };
    for (const auto& [p, k] : zle)
        EXPECT_FALSE(weryfikujPodpis(tekst, p, k)) << p << " / " << k;
}

TEST(Klucze, SkladniaKluczaPublicznego)
{
    EXPECT_TRUE(czyPoprawnyKluczPubliczny(kluczPublicznyHex(generujPareKluczy())));
    EXPECT_TRUE(czyPoprawnyKluczPubliczny(std::string(32, 'F') + std::string(32, '9')));
    for (const std::string& zly : {std::string(63, 'a'), std::string(65, 'a'),
                                  std::string(63, 'a') + "g", std::string(63, 'a') + " ", std::string()})
        EXPECT_FALSE(czyPoprawnyKluczPubliczny(zly)) << zly;
}
