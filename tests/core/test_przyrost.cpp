// Plik lancucha czytany i pisany przyrostowo oraz walidacja od znanego konca.
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/deskryptor.h"
#include "core/format_lancucha.h"
#include "core/plik_lancucha.h"
#include "core/pliki.h"
#include "core/walidacja.h"
#include "pomoc_testow.h"
#include "porownanie_walidacji.h"

namespace {

// Blok z wieloma podpisanymi platnosciami: dopisek jest dluzszy niz strona pamieci.
void dokopZPlatnosciami(Blockchain& lancuch, const ParaKluczy& klucze, int platnosci)
{
    const std::string ja = kluczPublicznyHex(klucze);
    std::vector<Transakcja> txy;
    for (int i = 0; i < platnosci; ++i)
        txy.emplace_back(klucze, ja, 1, "");
    PrzechwycWyjscie cisza;
    lancuch.wykopIDodajBlok(ja, txy);
}

void ustawCzasZmiany(const std::string& plik, const timespec& czas)
{
    const timespec czasy[2] = {czas, czas};
    ASSERT_EQ(::utimensat(AT_FDCWD, plik.c_str(), czasy, 0), 0);
}

} // namespace

class PrzyrostPliku : public testing::Test {
protected:
    FolderTymczasowy folder;
    const std::string plik = folder.plik("blockchain.dat");
    const ParaKluczy klucze = generujPareKluczy();
};

TEST_F(PrzyrostPliku, ObcaZmianaWJednymTyknieciuJestWidoczna)
{
    Blockchain pisarz = lancuchTestowy(0, 3);
    ASSERT_TRUE(zapiszLancuch(pisarz, plik));
    struct stat przed {};
    ASSERT_EQ(::stat(plik.c_str(), &przed), 0);
    Blockchain czytelnik;
    ASSERT_TRUE(wczytajLancuch(czytelnik, plik));

    // Inny plik tej samej dlugosci pod ta sama nazwa, z tym samym czasem zmiany.
    std::string inny = serializujLancuch(pisarz);
    inny[inny.find("\n0\n") + 1] = '7';
    ASSERT_TRUE(zapiszAtomowo(plik, inny));
    ustawCzasZmiany(plik, przed.st_mtim);
    ASSERT_TRUE(wczytajLancuch(czytelnik, plik));
    Blockchain wzor;
    ASSERT_TRUE(parsujLancuch(wzor, inny));
    EXPECT_EQ(czytelnik.pobierzLancuch(), wzor.pobierzLancuch());

    // Obcy dopisek w miejscu, znow z tym samym czasem: widoczne nowe bloki.
    Blockchain dluzszy = wzor;
    dokop(dluzszy, OBCY_ADRES, 2);
    std::string dopisek = serializujLancuch(dluzszy).substr(inny.size());
    ASSERT_TRUE(Deskryptor::otworz(plik, O_WRONLY | O_APPEND).zapiszWszystko(dopisek));
    ustawCzasZmiany(plik, przed.st_mtim);
    ASSERT_TRUE(wczytajLancuch(czytelnik, plik));
    EXPECT_EQ(czytelnik.pobierzLancuch(), dluzszy.pobierzLancuch());
}

TEST_F(PrzyrostPliku, WatkiDzielaStanPlikuAleWidzaObcaZmiane)
{
    Blockchain pisarz = lancuchTestowy(0, 3);
    ASSERT_TRUE(zapiszLancuch(pisarz, plik));
    // Inny proces zapisuje inny lancuch: stan zapamietany przez pisarza juz nie obowiazuje.
    const Blockchain obcy = lancuchTestowy(0, 5);
    ASSERT_TRUE(zapiszAtomowo(plik, serializujLancuch(obcy)));
    Blockchain walidujacy;
    walidujacy.trudnosc = 1;
    ASSERT_TRUE(wczytajLancuch(walidujacy, plik));
    ASSERT_EQ(walidujacy.pobierzLancuch(), obcy.pobierzLancuch());
    Salda salda;
    ASSERT_FALSE(sprawdzZSaldami(walidujacy, salda));
    walidujacy.walidacja = StanWalidacji{walidujacy.punkt(), salda};

    // Drugi watek dopisuje blok; pierwszy przejmuje jego stan, ale zostawia sobie trudnosc
    // i salda walidacji, ktore dalej pasuja (nastepna walidacja zaczyna od nich).
    Blockchain kopiacy;
    ASSERT_TRUE(wczytajLancuch(kopiacy, plik));
    EXPECT_EQ(kopiacy.trudnosc, TRUDNOSC_DOMYSLNA);
    dokop(kopiacy, OBCY_ADRES, 1);
    ASSERT_TRUE(zapiszLancuch(kopiacy, plik));
    ASSERT_TRUE(wczytajLancuch(walidujacy, plik));
    EXPECT_EQ(walidujacy.pobierzLancuch(), kopiacy.pobierzLancuch());
    EXPECT_EQ(walidujacy.trudnosc, 1);
    EXPECT_EQ(walidujacy.walidacja.punkt.liczba, obcy.liczbaBlokow());
    EXPECT_TRUE(walidujacy.zawiera(walidujacy.walidacja.punkt));
}

TEST_F(PrzyrostPliku, DopisanyPlikJestTakiJakPrzepisany)
{
    Blockchain pisarz = lancuchTestowy(0, 2);
    ASSERT_TRUE(zapiszLancuch(pisarz, plik));
    Blockchain inny;
    ASSERT_TRUE(wczytajLancuch(inny, plik));
    for (int i = 0; i < 3; ++i) {
        dokopZPlatnosciami(pisarz, klucze, i);
        ASSERT_TRUE(zapiszLancuch(pisarz, plik));
        EXPECT_EQ(czytajPlikTestu(plik), serializujLancuch(pisarz));
    }
    // Drugi wlasciciel dopisuje za blokami pierwszego, ktore doczytal.
    ASSERT_TRUE(wczytajLancuch(inny, plik));
    dokop(inny, OBCY_ADRES, 1);
    ASSERT_TRUE(zapiszLancuch(inny, plik));
    EXPECT_EQ(czytajPlikTestu(plik), serializujLancuch(inny));
    // Pierwszy nie wie o tym bloku: jego zapis zastepuje plik jego lancuchem.
    dokop(pisarz, OBCY_ADRES, 1);
    ASSERT_TRUE(zapiszLancuch(pisarz, plik));
    EXPECT_EQ(czytajPlikTestu(plik), serializujLancuch(pisarz));
}

// Potomek dopisuje bloki i po kazdym zapisie melduje ich liczbe; zabity kill -9 w dowolnej
// chwili zostawia plik, ktory sie wczytuje, jest poprawny i ma co najmniej zameldowane bloki.
TEST_F(PrzyrostPliku, ZabicieWTrakcieDopisywania)
{
    std::mt19937 los(12345);
    for (int proba = 0; proba < 12; ++proba) {
        int rura[2];
        ASSERT_EQ(::pipe(rura), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(rura[0]);
            Blockchain pisarz = lancuchTestowy(0, 0);
            for (;;) {
                dokopZPlatnosciami(pisarz, klucze, 30);
                if (!zapiszLancuch(pisarz, plik))
                    ::_exit(2);
                const auto ile = static_cast<std::uint32_t>(pisarz.liczbaBlokow());
                if (::write(rura[1], &ile, sizeof ile) != sizeof ile)
                    ::_exit(3);
            }
        }
        ::close(rura[1]);
        std::uint32_t zameldowane = 0;
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(::read(rura[0], &zameldowane, sizeof zameldowane), 4);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 3000)(los));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        while (::read(rura[0], &zameldowane, sizeof zameldowane) == 4) {
        }
        ::close(rura[0]);
        Blockchain po;
        ASSERT_TRUE(wczytajLancuch(po, plik));
        EXPECT_GE(po.liczbaBlokow(), zameldowane);
        EXPECT_LE(po.liczbaBlokow(), zameldowane + 1);
        PrzechwycWyjscie cisza;
        EXPECT_TRUE(po.czyLancuchPoprawny());
        ::unlink(plik.c_str());
    }
}

TEST(WalidacjaOdKonca, ZgodnaZWalidacjaCalosci)
{
    std::mt19937 los(2026);
    std::vector<std::uint8_t> dane(64);
    for (int proba = 0; proba < 400; ++proba) {
        for (std::uint8_t& b : dane)
            b = static_cast<std::uint8_t>(los());
        ASSERT_TRUE(porownanie::zgodne(dane.data(), dane.size())) << proba;
    }
}
