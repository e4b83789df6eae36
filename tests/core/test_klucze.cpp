#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "klucze.h"
#include "skrot.h"

namespace {

Ziarno ziarnoZHex(const std::string& hex)
{
    Ziarno z{};
    EXPECT_TRUE(hexNaBajty(hex, z.data(), z.size()));
    return z;
}

std::string wielkieLitery(std::string tekst)
{
    std::transform(tekst.begin(), tekst.end(), tekst.begin(),
                   [](unsigned char z) { return static_cast<char>(std::toupper(z)); });
    return tekst;
}

} // namespace

TEST(Klucze, ParaZZiarnaJestDeterministyczna)
{
    // Wektor z niezaleznej implementacji (fraza "abandon ... about").
    const Ziarno ziarno =
        ziarnoZHex("c557eec878dfd852ba3f88087c4f350f09c55537ab5e549c3cd14320ec3cef38");
    const ParaKluczy a = paraKluczyZZiarna(ziarno);
    const ParaKluczy b = paraKluczyZZiarna(ziarno);
    EXPECT_EQ(a, b);
    EXPECT_EQ(kluczPublicznyHex(a),
              "93a5f261984931e0df5c7434b16d468efb1953098d3cad4fa1506b9e052e7fc7");
    EXPECT_TRUE(std::equal(a.bajty.begin() + 64, a.bajty.end(), a.bajty.begin()));
    EXPECT_TRUE(std::equal(a.bajty.begin() + 32, a.bajty.begin() + 64, ziarno.begin()));
}

TEST(Klucze, LosowePary)
{
    const ParaKluczy a = generujPareKluczy();
    const ParaKluczy b = generujPareKluczy();
    EXPECT_NE(kluczPublicznyHex(a), kluczPublicznyHex(b));
    EXPECT_TRUE(czyPoprawnyKluczPubliczny(kluczPublicznyHex(a)));
}

TEST(Podpisy, PodpisWeryfikujeSieTylkoDlaTegoTekstuIKlucza)
{
    const ParaKluczy para = generujPareKluczy();
    const std::string klucz = kluczPublicznyHex(para);
    const std::string tekst = klucz + "|abc|100|";
    const std::string podpis = podpiszTekst(para, tekst);
    ASSERT_EQ(podpis.size(), 128u);
    EXPECT_TRUE(weryfikujPodpis(tekst, podpis, klucz));
    EXPECT_FALSE(weryfikujPodpis(klucz + "|abc|1000|", podpis, klucz));
    EXPECT_FALSE(weryfikujPodpis(tekst, podpis, kluczPublicznyHex(generujPareKluczy())));
    // Wielkie litery dekoduja sie tak samo.
    EXPECT_TRUE(weryfikujPodpis(tekst, wielkieLitery(podpis), wielkieLitery(klucz)));
}

TEST(Podpisy, ZnieksztalconeDaneToPoProstuFalsz)
{
    const ParaKluczy para = generujPareKluczy();
    const std::string klucz = kluczPublicznyHex(para);
    const std::string podpis = podpiszTekst(para, "x");
    EXPECT_FALSE(weryfikujPodpis("x", podpis.substr(1), klucz));
    EXPECT_FALSE(weryfikujPodpis("x", podpis + "0", klucz));
    EXPECT_FALSE(weryfikujPodpis("x", podpis, klucz.substr(1)));
    EXPECT_FALSE(weryfikujPodpis("x", podpis, klucz + "0"));
    EXPECT_FALSE(weryfikujPodpis("x", "zz" + podpis.substr(2), klucz));
    EXPECT_FALSE(weryfikujPodpis("x", podpis, "zz" + klucz.substr(2)));
    EXPECT_FALSE(weryfikujPodpis("x", "", ""));
}

TEST(Klucze, SkladniaKluczaPublicznego)
{
    const std::string dobry(64, 'a');
    EXPECT_TRUE(czyPoprawnyKluczPubliczny(dobry));
    EXPECT_TRUE(czyPoprawnyKluczPubliczny(std::string(32, 'F') + std::string(32, '9')));
    EXPECT_FALSE(czyPoprawnyKluczPubliczny(std::string(63, 'a')));
    EXPECT_FALSE(czyPoprawnyKluczPubliczny(std::string(65, 'a')));
    EXPECT_FALSE(czyPoprawnyKluczPubliczny(std::string(63, 'a') + "g"));
    EXPECT_FALSE(czyPoprawnyKluczPubliczny(std::string(63, 'a') + " "));
    EXPECT_FALSE(czyPoprawnyKluczPubliczny(""));
}
