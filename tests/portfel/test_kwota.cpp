// Tekst kwot: wzorce formatowania, odrzucenia i powrot do tej samej kwoty.
#include <gtest/gtest.h>

#include <random>

#include "portfel/kwota.h"

TEST(Kwota, FormatowanieIParsowanie)
{
    const std::pair<std::int64_t, const char*> wzorce[] = {
        {0, "0"}, {1250000000, "12.5"}, {1, "0.00000001"}, {-150000000, "-1.5"},
        {2000000000, "20"}, {INT64_MIN, "-92233720368.54775808"},
    };
    for (const auto& [kwota, tekst] : wzorce)
        EXPECT_EQ(formatujKwote(kwota), tekst);
    for (const auto& [tekst, kwota] : {std::pair{"12,5", 1250000000LL}, {"5.", 500000000LL},
                                       {"0.12345678", 12345678LL}, {"92233720368.54775807", INT64_MAX}}) {
        bool ok = false;
        EXPECT_EQ(parsujKwote(tekst, ok), kwota) << tekst;
        EXPECT_TRUE(ok) << tekst;
    }
    for (const char* zly : {"", ".5", "1.2.3", "0.123456789", " 1", "-1", "1e5", "92233720368.54775808"}) {
        bool ok = true;
        EXPECT_EQ(parsujKwote(zly, ok), 0) << zly;
        EXPECT_FALSE(ok) << zly;
    }
    std::mt19937_64 los(20261206);
    for (int i = 0; i < 2000; ++i) {
        const auto kwota = static_cast<std::int64_t>(los() >> (1 + los() % 63));
        bool ok = false;
        EXPECT_EQ(parsujKwote(formatujKwote(kwota), ok), kwota);
        EXPECT_TRUE(ok);
    }
}
