// Decyzje serwera wymiany lancuchow: kazdy wynik z dokladnym wierszem, scalanie wezlow,
// odpowiedz, porownanie z lancuchem zapisanym chwile wczesniej.

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>

#include "format_lancucha.h"
#include "plik_lancucha.h"
#include "pliki.h"
#include "pomoc_sieci.h"
#include "pomoc_testow.h"
#include "ramki.h"
#include "wymiana_lancucha.h"

namespace {

const std::string LISTA_NADAWCY = "10.0.0.5 1800 - Nadawca\n127.0.0.1 1700 - Ja sam\n";

class SerwerLancucha : public testing::Test {
protected:
    void SetUp() override
    {
        mojLancuch = lancuchTestowy(mojKlucz, 1);
        ASSERT_TRUE(zapiszLancuch(mojLancuch, plikLancucha));
        tekstPliku = czytajPlikTestu(plikLancucha);
    }

    std::string obsluz(const std::string& wiadomosc)
    {
        PrzechwycWyjscie przechwyc;
        const std::string odpowiedz = obsluzPrzychodzacyLancuch(kontekst, wiadomosc);
        wyjscie = przechwyc.tekst();
        return odpowiedz;
    }

    std::string zapytanie(const Blockchain& lancuch, const std::string& lista = LISTA_NADAWCY)
    {
        return zbudujWiadomoscLancucha(serializujLancuch(lancuch), lista);
    }

    // Lista nadawcy scalona, wpis z wlasnym portem na 127.0.0.1 pominiety.
    void sprawdzScalenie(const std::string& odpowiedz)
    {
        EXPECT_EQ(czytajPlikTestu(plikWezlow), "10.0.0.5 1800 - Nadawca\n");
        EXPECT_EQ(odpowiedz, "10.0.0.5 1800 - Nadawca\n");
    }

    FolderTymczasowy folder;
    std::string plikLancucha = folder.plik("blockchain.dat");
    std::string plikWezlow = folder.plik("wezly.dat");
    std::string mojKlucz = kluczPublicznyHex(kluczeTestowe(0));
    std::string obcyKlucz = kluczPublicznyHex(kluczeTestowe(1));
    Blockchain mojLancuch;
    std::string tekstPliku;
    Blockchain zywy;
    KontekstSerwera kontekst{zywy, plikLancucha, plikWezlow, mojKlucz, 1700, 2s};
    std::string wyjscie;
};

} // namespace

TEST(WiadomoscLancucha, BudowaIRozdzielenie)
{
    const std::string w = zbudujWiadomoscLancucha("LANCUCH", "10.0.0.1 1 - -\n");
    EXPECT_EQ(w, "0000000007LANCUCH10.0.0.1 1 - -\n");
    std::string l = "x";
    std::string p = "y";
    ASSERT_TRUE(rozdzielWiadomoscLancucha(w, l, p));
    EXPECT_EQ(l, "LANCUCH");
    EXPECT_EQ(p, "10.0.0.1 1 - -\n");
    ASSERT_TRUE(rozdzielWiadomoscLancucha("0000000000", l, p));
    EXPECT_EQ(l, "");
    EXPECT_EQ(p, "");
    for (const char* zla : {"", "000000000", "-000000001abc", "0000000004abc", "abcdefghijkl",
                            "2147483647abc", "9999999999abc"}) {
        EXPECT_FALSE(rozdzielWiadomoscLancucha(zla, l, p)) << zla;
    }
}

TEST_F(SerwerLancucha, PustyTekstLancucha)
{
    const std::string odpowiedz = obsluz("0000000000" + LISTA_NADAWCY);
    EXPECT_EQ(wyjscie, "Nie udalo sie odebrac lancucha.\n");
    sprawdzScalenie(odpowiedz);
    EXPECT_EQ(czytajPlikTestu(plikLancucha), tekstPliku);
}

TEST_F(SerwerLancucha, DaneNieBedaceLancuchem)
{
    const std::string odpowiedz = obsluz(zbudujWiadomoscLancucha("to nie lancuch\n", LISTA_NADAWCY));
    EXPECT_EQ(wyjscie, "Otrzymane dane nie sa poprawnym lancuchem.\n");
    sprawdzScalenie(odpowiedz);
    EXPECT_EQ(czytajPlikTestu(plikLancucha), tekstPliku);
}

TEST_F(SerwerLancucha, NiepoprawnyLancuch)
{
    Blockchain obcy = lancuchTestowy(obcyKlucz, 3);
    obcy.lancuch[2].transakcje[0].kwota += 1;
    const std::string odpowiedz = obsluz(zapytanie(obcy));
    EXPECT_EQ(wyjscie, "  [BLAD] Blok #2 ma dane niezgodne z jego hashem (ktos je zmienil po "
                       "fakcie)!\nOtrzymany lancuch NIE jest poprawny - odrzucam.\n");
    sprawdzScalenie(odpowiedz);
    EXPECT_EQ(czytajPlikTestu(plikLancucha), tekstPliku);
}

TEST_F(SerwerLancucha, NieDluzszyZostajePrzySwoim)
{
    const std::string odpowiedz = obsluz(zapytanie(lancuchTestowy(obcyKlucz, 1)));
    EXPECT_EQ(wyjscie, "Otrzymany lancuch (2 blokow) nie jest dluzszy niz moj (2 blokow) - "
                       "zostaje przy swoim.\n");
    sprawdzScalenie(odpowiedz);
    EXPECT_EQ(czytajPlikTestu(plikLancucha), tekstPliku);
}

TEST_F(SerwerLancucha, DluzszyAleZmniejszajacySaldo)
{
    // Ten sam poczatek i jeden blok wiecej, w ktorym moj klucz placi 1 jednostke.
    Blockchain obcy = mojLancuch;
    dokopBlok(obcy, obcyKlucz, {Transakcja(kluczeTestowe(0), obcyKlucz, 1, "za malo")});
    ASSERT_TRUE(obcy.czyLancuchPoprawny());
    std::string odpowiedz = obsluz(zapytanie(obcy));
    EXPECT_EQ(wyjscie, "Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (5000000000 "
                       "-> 4999999999) - odrzucam.\n");
    sprawdzScalenie(odpowiedz);
    // Zupelnie inny, dluzszy lancuch zabieralby cala nagrode.
    odpowiedz = obsluz(zapytanie(lancuchTestowy(obcyKlucz, 5)));
    EXPECT_EQ(wyjscie, "Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (5000000000 "
                       "-> 0) - odrzucam.\n");
    EXPECT_EQ(czytajPlikTestu(plikLancucha), tekstPliku);
}

TEST_F(SerwerLancucha, PrzyjecieZastepujePlikIRozglaszaDalej)
{
    SerwerTestowy sasiad;
    const std::string wpisSasiada = "127.0.0.1 " + std::to_string(sasiad.port()) + " - Sasiad\n";
    zapiszPlikTestu(plikWezlow, wpisSasiada + "127.0.0.1 1700 - Ja\n");
    Blockchain obcy = mojLancuch;
    dokopBlok(obcy, obcyKlucz, {});
    dokopBlok(obcy, obcyKlucz, {Transakcja(kluczeTestowe(1), mojKlucz, 7, "dla ciebie")});
    const std::string odpowiedz = obsluz(zapytanie(obcy));
    EXPECT_EQ(wyjscie, "Przyjeto nowy, dluzszy lancuch (4 blokow).\nRozgloszono do 127.0.0.1:"
                           + std::to_string(sasiad.port()) + "\n");
    EXPECT_EQ(czytajPlikTestu(plikLancucha), serializujLancuch(obcy));
    EXPECT_EQ(serializujLancuch(zywy), serializujLancuch(obcy));
    // Sasiad dostal przyjety lancuch i liste sprzed scalenia; wpis "Ja" nie byl odwiedzony.
    ASSERT_EQ(sasiad.otrzymane().size(), 1u);
    EXPECT_EQ(sasiad.otrzymane()[0],
              zbudujWiadomoscLancucha(serializujLancuch(obcy), wpisSasiada + "127.0.0.1 1700 - Ja\n"));
    EXPECT_EQ(odpowiedz, wpisSasiada + "127.0.0.1 1700 - Ja\n10.0.0.5 1800 - Nadawca\n");
}

TEST_F(SerwerLancucha, BezKluczaKazdyDluzszyPoprawnyJestPrzyjety)
{
    kontekst.kluczPubliczny.clear();
    const Blockchain obcy = lancuchTestowy(obcyKlucz, 2);
    const std::string odpowiedz = obsluz(zapytanie(obcy));
    EXPECT_EQ(wyjscie, "Przyjeto nowy, dluzszy lancuch (3 blokow).\n");
    EXPECT_EQ(czytajPlikTestu(plikLancucha), serializujLancuch(obcy));
    sprawdzScalenie(odpowiedz);
}

TEST_F(SerwerLancucha, SamTekstLancuchaBezNaglowka)
{
    kontekst.kluczPubliczny.clear();
    const Blockchain obcy = lancuchTestowy(obcyKlucz, 2);
    const std::string odpowiedz = obsluz(serializujLancuch(obcy));
    EXPECT_EQ(wyjscie, "Przyjeto nowy, dluzszy lancuch (3 blokow).\n");
    EXPECT_EQ(odpowiedz, "");
    EXPECT_EQ(czytajPlikTestu(plikWezlow), "");
}

TEST_F(SerwerLancucha, NieczytelnyPlikJestOdkladanyPrzedZapisem)
{
    zapiszPlikTestu(plikLancucha, "=== BLOK ===\nzepsute\n");
    kontekst.kluczPubliczny.clear();
    const Blockchain obcy = lancuchTestowy(obcyKlucz, 1);
    (void)obsluz(zapytanie(obcy));
    EXPECT_NE(wyjscie.find("Przyjeto nowy, dluzszy lancuch (2 blokow).\n"), std::string::npos);
    EXPECT_EQ(czytajPlikTestu(plikLancucha), serializujLancuch(obcy));
    EXPECT_EQ(czytajPlikTestu(plikLancucha + ".uszkodzony"), "=== BLOK ===\nzepsute\n");
}

TEST_F(SerwerLancucha, PlikuKtoregoNieDaSieOdlozycNieNadpisuje)
{
    // Plik istnieje, nie jest lancuchem i nie da sie go przeniesc ani zapisac.
    kontekst.plikLancucha = "/proc/version";
    kontekst.kluczPubliczny.clear();
    const std::string przed = czytajPlikTestu("/proc/version");
    const std::string odpowiedz = obsluz(zapytanie(lancuchTestowy(obcyKlucz, 1)));
    EXPECT_EQ(wyjscie, "BLAD: plik /proc/version nie jest czytelnym lancuchem i nie udalo sie go "
                       "odlozyc.\nNie mozna bezpiecznie zapisac pliku /proc/version - odrzucam "
                       "otrzymany lancuch.\n");
    EXPECT_EQ(czytajPlikTestu("/proc/version"), przed);
    sprawdzScalenie(odpowiedz);
}

TEST_F(SerwerLancucha, PorownujeZLancuchemZapisanymChwileWczesniej)
{
    WezelTestowy serwer(plikLancucha, plikWezlow, mojKlucz, 2s);
    // Okno zapisuje dwa nowe bloki juz po starcie serwera.
    Blockchain lokalny = lancuchTestowy(mojKlucz, 3);
    ASSERT_TRUE(zapiszLancuch(lokalny, plikLancucha));
    const std::string poZapisie = czytajPlikTestu(plikLancucha);
    PrzechwycWyjscie przechwyc;
    EXPECT_TRUE(wyslijLancuchDoWezla(lancuchTestowy(obcyKlucz, 3), Wezel{"127.0.0.1", 0, "", ""},
                                     serwer.port(), folder.plik("wezly-klienta.dat"), -1, 2s));
    serwer.zatrzymaj();
    EXPECT_NE(przechwyc.tekst().find("Otrzymany lancuch (4 blokow) nie jest dluzszy niz moj (4 "
                                     "blokow) - zostaje przy swoim.\n"),
              std::string::npos);
    EXPECT_EQ(czytajPlikTestu(plikLancucha), poZapisie);
}

TEST_F(SerwerLancucha, PustaListaWezlowToBrakRamkiOdpowiedzi)
{
    WezelTestowy serwer(plikLancucha, plikWezlow, mojKlucz, 2s);
    const Gniazdo g = polaczZLimitemCzasu("127.0.0.1", serwer.port());
    ASSERT_NE(g, NIEPRAWIDLOWE_GNIAZDO);
    {
        PrzechwycWyjscie cicho;
        ASSERT_TRUE(wyslijWiadomosc(g, zapytanie(lancuchTestowy(obcyKlucz, 1), "")));
        // Serwer zamyka polaczenie, nie wysylajac ani bajtu.
        char bajt = 0;
        ASSERT_GT(czekajNaGniazdo(g, POLLIN, 5s), 0);
        EXPECT_EQ(::recv(g, &bajt, 1, 0), 0);
    }
    zamknijGniazdo(g);
    // Klient liczy taka wymiane jako udana i nic nie dopisuje.
    const std::string plikKlienta = folder.plik("wezly-klienta.dat");
    PrzechwycWyjscie cicho;
    EXPECT_TRUE(wyslijLancuchDoWezla(lancuchTestowy(obcyKlucz, 1), Wezel{"127.0.0.1", 0, "", ""},
                                     serwer.port(), plikKlienta, -1, 2s));
    EXPECT_FALSE(plikIstnieje(plikKlienta));
}
