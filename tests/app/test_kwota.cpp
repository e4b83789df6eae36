#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>

#include "kwota.h"

namespace {

constexpr std::int64_t MAKS = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t MIN = std::numeric_limits<std::int64_t>::min();

void sprawdzPowrot(std::int64_t kwota)
{
    bool ok = false;
    const std::string tekst = formatujKwote(kwota);
    EXPECT_EQ(parsujKwote(tekst, ok), kwota) << tekst;
    EXPECT_TRUE(ok) << tekst;
}

} // namespace

TEST(Kwota, FormatowanieWedlugRegul)
{
    const std::pair<std::int64_t, const char*> przyklady[] = {
        {0, "0"}, {100000000, "1"}, {1250000000, "12.5"}, {1, "0.00000001"},
        {123456789, "1.23456789"}, {-150000000, "-1.5"}, {2000000000, "20"},
        {99999999, "0.99999999"}, {100000001, "1.00000001"}, {-1, "-0.00000001"},
        {MAKS, "92233720368.54775807"}, {-MAKS, "-92233720368.54775807"},
        {MIN, "-92233720368.54775808"}, {-100000000, "-1"}, {10, "0.0000001"},
    };
    for (const auto& [kwota, tekst] : przyklady)
        EXPECT_EQ(formatujKwote(kwota), tekst) << kwota;
}

TEST(Kwota, ParsowaniePrzyjmuje)
{
    const std::pair<const char*, std::int64_t> przyklady[] = {
        {"12", 1200000000}, {"12.5", 1250000000}, {"12,5", 1250000000}, {"12.", 1200000000},
        {"5,", 500000000}, {"007.5", 750000000}, {"0.00000001", 1}, {"0", 0},
        {"1,25", 125000000}, {"0.12345678", 12345678},
        {"92233720368.54775807", MAKS}, {"000000000000000000000000001", 100000000},
    };
    for (const auto& [tekst, kwota] : przyklady) {
        bool ok = false;
        EXPECT_EQ(parsujKwote(tekst, ok), kwota) << tekst;
        EXPECT_TRUE(ok) << tekst;
    }
}

TEST(Kwota, ParsowanieOdrzucaZOkFalseIZerem)
{
    const char* zle[] = {
        "", ",", ".", ".5", "1.2.3", "1,000.5", "1.2,3", "0.123456789", " 1", "1 ", "1 000",
        "-1", "+1", "1e5", "0x10", "abc", "1.5a", "99999999999999999999",
        "92233720369", "92233720368.54775808", "\xC2\xA0" "1", "\xD9\xA1",
    };
    for (const char* tekst : zle) {
        bool ok = true;
        EXPECT_EQ(parsujKwote(tekst, ok), 0) << tekst;
        EXPECT_FALSE(ok) << tekst;
    }
    // Bajt zerowy w srodku tekstu to tez zly znak, a nie koniec tekstu.
    bool ok = true;
    EXPECT_EQ(parsujKwote(std::string_view("1\0" "5", 3), ok), 0);
    EXPECT_FALSE(ok);
}

TEST(Kwota, FormatowanieIParsowanieWracaDoTejSamejKwoty)
{
    for (const std::int64_t kwota :
         {std::int64_t{0}, std::int64_t{1}, std::int64_t{99999999}, std::int64_t{100000000},
          std::int64_t{100000001}, MAKS, MAKS - 1, MAKS / 100000000 * 100000000,
          MAKS / 100000000 * 100000000 - 1})
        sprawdzPowrot(kwota);

    // Dlugosci od jednej cyfry do pelnych 63 bitow.
    std::mt19937_64 los(20261206);
    for (int i = 0; i < 5000; ++i) {
        const unsigned bity = 1 + static_cast<unsigned>(los() % 63);
        sprawdzPowrot(static_cast<std::int64_t>(los() >> (64 - bity)));
    }
}
