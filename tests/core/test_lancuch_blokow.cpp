// Zwarta postac lancucha: teksty wracaja bajt w bajt, salda licza dokladne teksty, kopia
// jest niezalezna, a plik czytany kawalkami daje to samo, co caly tekst naraz.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "core/format_lancucha.h"
#include "core/odczyt_kawalkami.h"
#include "core/plik_lancucha.h"
#include "core/skrot.h"
#include "pomoc_testow.h"

namespace {

std::string wielkimi(std::string tekst)
{
    std::transform(tekst.begin(), tekst.end(), tekst.begin(),
                   [](unsigned char z) { return static_cast<char>(std::toupper(z)); });
    return tekst;
}

Transakcja tx(std::string nadawca, std::string odbiorca, std::int64_t kwota, std::string opis,
              std::string podpis)
{
    Transakcja t;
    t.nadawca = std::move(nadawca);
    t.odbiorca = std::move(odbiorca);
    t.kwota = kwota;
    t.opis = std::move(opis);
    t.podpis = std::move(podpis);
    return t;
}

// Bloki z tekstami na granicach postaci: hex wielkimi literami, hex podpisu w polu adresu,
// klucz w opisie, podpis, ktory nie jest hexem, puste pola i poprzedni hash nie od poprzednika.
std::vector<Blok> nietypoweBloki()
{
    const std::string klucz(64, 'a');
    const std::string podpis(128, 'c');
    std::vector<Blok> bloki;
    bloki.push_back(Blok::zPol(0, "0", {tx("", klucz, 50, OPIS_NAGRODY, "")}, 1, std::string(64, 'd'), 7));
    bloki.push_back(Blok::zPol(1, bloki[0].hash,
                               {tx(klucz, wielkimi(klucz), 5, klucz, podpis),
                                tx(podpis, klucz, 3, "", "nie hex")},
                               2, wielkimi(std::string(64, 'f')), 8));
    bloki.push_back(Blok::zPol(2, bloki[0].hash, {tx("", podpis, 9, "opis", wielkimi(podpis))}, 3,
                               "krotki", -1));
    bloki.push_back(Blok::zPol(3, "krotki", {}, 4, std::string(64, '1'), 9));
    return bloki;
}

} // namespace

TEST(ZwartyLancuch, TekstySaldaIKopiaJakWPelnejPostaci)
{
    const std::vector<Blok> bloki = nietypoweBloki();
    LancuchBlokow zwarty(bloki);
    ASSERT_EQ(zwarty.kopia(), bloki);
    for (std::size_t i = 0; i < bloki.size(); ++i)
        EXPECT_EQ(zwarty.hash(i), bloki[i].hash);

    const std::string klucz(64, 'a');
    for (const std::string& adres : {klucz, wielkimi(klucz), std::string(128, 'c'), std::string(),
                                     std::string("nieznany")})
        for (std::size_t od = 0; od <= bloki.size(); ++od)
            EXPECT_EQ(zwarty.saldo(11, od, adres),
                      saldoPoBlokach(11, std::vector<Blok>(bloki.begin() + static_cast<long>(od), bloki.end()), adres))
                << adres << " od " << od;

    // Kopia nie korzysta z tekstow oryginalu, ktory juz nie istnieje.
    auto oryginal = std::make_unique<LancuchBlokow>(bloki);
    LancuchBlokow kopia = *oryginal;
    oryginal.reset();
    kopia.push_back(Blok::zPol(4, "0", {tx("nie hex", "nieznany", 1, "nowy", ""),
                                        tx("", wielkimi(klucz), 1, "", "")}, 5, "x", 1));
    EXPECT_EQ(kopia.saldo(0, 0, "nieznany"), 1);
    EXPECT_EQ(kopia.saldo(0, 0, wielkimi(klucz)), 6);
    EXPECT_EQ(kopia.saldo(0, 0, "nie hex"), -1);
    EXPECT_EQ(kopia.kopia(0, 4), bloki);

    // Obciecie i dopisanie innych blokow: podpisy i transakcje obcietych nie wracaja.
    zwarty.obetnij(1);
    std::vector<Blok> inne = nietypoweBloki();
    inne[1].transakcje.pop_back();
    zwarty.dopisz({inne[1], inne[2]});
    EXPECT_EQ(zwarty.kopia(), (std::vector<Blok>{bloki[0], inne[1], inne[2]}));
}

TEST(ZwartyLancuch, KopiaDzieliPelneSegmentyAleNieZmiany)
{
    // Ponad dwa pelne segmenty; co siodmy blok z platnoscia na adres spoza kluczy.
    std::vector<Blok> bloki;
    std::string poprzedni = "0";
    for (std::size_t i = 0; i < 2 * BLOKOW_W_SEGMENCIE + 5; ++i) {
        std::vector<Transakcja> txy{tx("", std::string(64, 'a'), 50, OPIS_NAGRODY, "")};
        if (i % 7 == 0)
            txy.push_back(tx(std::string(64, 'a'), "adres " + std::to_string(i % 3), 2, "", std::string(128, 'e')));
        const std::string hash = sha256Hex(std::to_string(i));
        bloki.push_back(Blok::zPol(static_cast<std::int32_t>(i), poprzedni, std::move(txy), 0, hash, 0));
        poprzedni = hash;
    }
    const LancuchBlokow oryginal(bloki);
    ASSERT_EQ(oryginal.kopia(), bloki);
    for (const std::size_t od : {std::size_t{0}, BLOKOW_W_SEGMENCIE - 1, BLOKOW_W_SEGMENCIE,
                                 2 * BLOKOW_W_SEGMENCIE + 3}) {
        Salda wszystkie{{"adres 1", 7}};
        oryginal.doliczSalda(wszystkie, od);
        for (const std::string& adres : {std::string(64, 'a'), std::string("adres 1"), std::string()}) {
            const std::int64_t wzor = saldoPoBlokach(
                0, std::vector<Blok>(bloki.begin() + static_cast<long>(od), bloki.end()), adres);
            EXPECT_EQ(oryginal.saldo(0, od, adres), wzor);
            EXPECT_EQ(wszystkie[adres], wzor + (adres == "adres 1" ? 7 : 0)) << adres << " od " << od;
        }
    }

    std::vector<std::size_t> zWplatami;
    for (std::size_t i = BLOKOW_W_SEGMENCIE - 3; i < bloki.size(); ++i)
        if (i % 7 == 0 && i % 3 == 1)
            zWplatami.push_back(i);
    EXPECT_EQ(oryginal.blokiZWplatami("adres 1", BLOKOW_W_SEGMENCIE - 3), zWplatami);
    EXPECT_TRUE(oryginal.blokiZWplatami(std::string(64, 'a'), 0).empty()); // same nagrody

    // Kopia obcieta w srodku pierwszego segmentu i przedluzona innymi blokami.
    LancuchBlokow kopia = oryginal;
    kopia.obetnij(100);
    std::vector<Blok> inne(bloki.begin(), bloki.begin() + 100);
    for (std::size_t i = 100; i < BLOKOW_W_SEGMENCIE + 10; ++i) {
        Blok b = bloki[i];
        b.czas = 1;
        kopia.push_back(b);
        inne.push_back(b);
    }
    EXPECT_EQ(kopia.kopia(), inne);
    EXPECT_EQ(oryginal.kopia(), bloki);
}

TEST(ZwartyLancuch, PlikKawalkamiJakCalyTekst)
{
    FolderTymczasowy folder;
    std::string tekst = "smiec przed lancuchem\n";
    for (const Blok& blok : nietypoweBloki()) {
        dopiszTekstBloku(tekst, blok);
        tekst += "wiersz bez znacznika\n";
    }
    const std::string niepelny = std::string(ZNACZNIK_BLOKU) + "\n4\nkrotki\n";
    for (const std::string& calosc : {tekst, tekst + niepelny, tekst.substr(0, tekst.size() - 22),
                                      tekst + std::string(ZNACZNIK_BLOKU) + "\nzla liczba\n"}) {
        const std::string plik = folder.plik("lancuch.txt");
        zapiszPlikTestu(plik, calosc);
        OdczytaneBloki wzor;
        const bool poprawny = parsujBloki(calosc, wzor);
        for (std::size_t kawalek = 1; kawalek <= calosc.size() + 1; ++kawalek) {
            WczytanyPlik wynik;
            const OdczytKawalkami odczyt = wczytajKawalkami(plik, wynik, kawalek);
            ASSERT_EQ(odczyt == OdczytKawalkami::wczytano, poprawny) << kawalek;
            if (!poprawny)
                continue;
            ASSERT_EQ(wynik.bloki.bloki.kopia(), wzor.bloki) << kawalek;
            EXPECT_EQ(wynik.bloki.poczatekOstatniego, wzor.poczatekOstatniego) << kawalek;
            EXPECT_EQ(wynik.tekstOstatniego,
                      calosc.substr(wzor.poczatekOstatniego, wzor.koniecOstatniego - wzor.poczatekOstatniego));
        }
    }
    // Plik z CR LF idzie zwykla droga, ktora usuwa CR w calym tekscie.
    zapiszPlikTestu(folder.plik("cr.txt"), "a\r\nb");
    WczytanyPlik wynik;
    EXPECT_EQ(wczytajKawalkami(folder.plik("cr.txt"), wynik, 2), OdczytKawalkami::zwyklyOdczyt);
}
