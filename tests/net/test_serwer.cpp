// Decyzje serwera wymiany lancuchow: kazdy wynik z dokladnym wierszem, scalanie wezlow,
// odpowiedz, porownanie z lancuchem zapisanym chwile wczesniej.

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
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
// Lista nadawcy po scaleniu: wpis z wlasnym portem na 127.0.0.1 pominiety.
const std::string SCALONA = "10.0.0.5 1800 - Nadawca\n";

class SerwerLancucha : public testing::Test {
protected:
    void SetUp() override
    {
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

    static std::string zapytanie(const Blockchain& lancuch, const std::string& lista = LISTA_NADAWCY)
    {
        return zbudujWiadomoscLancucha(serializujLancuch(lancuch), lista);
    }

    // Petla nasluchujIPrzyjmujLancuchyWPetli na plikach testu.
    std::unique_ptr<PetlaTestowa> uruchomSerwer()
    {
        return std::make_unique<PetlaTestowa>(
            [this](int port, const StopPredykat& stop, const std::function<void(bool)>& gotowy) {
                Blockchain lancuch;
                nasluchujIPrzyjmujLancuchyWPetli(lancuch, port, plikLancucha, plikWezlow, stop,
                                                 gotowy, mojKlucz, 2s);
            });
    }

    FolderTymczasowy folder;
    std::string plikLancucha = folder.plik("blockchain.dat");
    std::string plikWezlow = folder.plik("wezly.dat");
    std::string mojKlucz = adresTestowy(0);
    std::string obcyKlucz = adresTestowy(1);
    Blockchain mojLancuch = lancuchTestowy(1, 1, mojKlucz);
    std::string tekstPliku;
    Blockchain zywy;
    KontekstSerwera kontekst{zywy, plikLancucha, plikWezlow, mojKlucz, 1700, 2s, {}};
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

TEST_F(SerwerLancucha, OdmowaZDokladnymWierszemScalaListeINieZmieniaPliku)
{
    Blockchain zmieniony = lancuchTestowy(1, 3, obcyKlucz);
    zmieniony.lancuch[2].transakcje[0].kwota += 1;
    // Ten sam poczatek i jeden blok wiecej, w ktorym moj klucz placi 1 jednostke.
    Blockchain placacy = mojLancuch;
    {
        PrzechwycWyjscie cisza;
        placacy.wykopIDodajBlok(obcyKlucz, {Transakcja(kluczeTestowe(0), obcyKlucz, 1, "za malo")});
    }
    ASSERT_TRUE(placacy.czyLancuchPoprawny());
    const std::string saldo = "Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (5000000000 -> ";
    const std::pair<std::string, std::string> przypadki[] = {
        {"0000000000" + LISTA_NADAWCY, "Nie udalo sie odebrac lancucha.\n"},
        {zbudujWiadomoscLancucha("to nie lancuch\n", LISTA_NADAWCY),
         "Otrzymane dane nie sa poprawnym lancuchem.\n"},
        {zapytanie(zmieniony), "  [BLAD] Blok #2 ma dane niezgodne z jego hashem (ktos je zmienil po "
                               "fakcie)!\nOtrzymany lancuch NIE jest poprawny - odrzucam.\n"},
        {zapytanie(lancuchTestowy(1, 1, obcyKlucz)),
         "Otrzymany lancuch (2 blokow) nie jest dluzszy niz moj (2 blokow) - zostaje przy swoim.\n"},
        {zapytanie(placacy), saldo + "4999999999) - odrzucam.\n"},
        // Zupelnie inny, dluzszy lancuch zabieralby cala nagrode.
        {zapytanie(lancuchTestowy(1, 5, obcyKlucz)), saldo + "0) - odrzucam.\n"},
    };
    for (const auto& [wiadomosc, wiersz] : przypadki) {
        SCOPED_TRACE(wiersz);
        std::remove(plikWezlow.c_str());
        EXPECT_EQ(obsluz(wiadomosc), SCALONA);
        EXPECT_EQ(wyjscie, wiersz);
        EXPECT_EQ(czytajPlikTestu(plikWezlow), SCALONA);
        EXPECT_EQ(czytajPlikTestu(plikLancucha), tekstPliku);
    }
}

TEST_F(SerwerLancucha, PrzyjecieZastepujePlikIRozglaszaDalej)
{
    SerwerTestowy sasiad;
    const std::string lista = "127.0.0.1 " + std::to_string(sasiad.port()) + " - Sasiad\n127.0.0.1 1700 - Ja\n";
    zapiszPlikTestu(plikWezlow, lista);
    Blockchain obcy = mojLancuch;
    {
        PrzechwycWyjscie cisza;
        obcy.wykopIDodajBlok(obcyKlucz, {});
        obcy.wykopIDodajBlok(obcyKlucz, {Transakcja(kluczeTestowe(1), mojKlucz, 7, "dla ciebie")});
    }
    const std::string odpowiedz = obsluz(zapytanie(obcy));
    EXPECT_EQ(wyjscie, "Przyjeto nowy, dluzszy lancuch (4 blokow).\nRozgloszono do 127.0.0.1:"
                           + std::to_string(sasiad.port()) + "\n");
    EXPECT_EQ(czytajPlikTestu(plikLancucha), serializujLancuch(obcy));
    EXPECT_EQ(serializujLancuch(zywy), serializujLancuch(obcy));
    // Sasiad dostal przyjety lancuch i liste sprzed scalenia; wpis "Ja" nie byl odwiedzony.
    EXPECT_EQ(sasiad.otrzymane(), std::vector<std::string>{zbudujWiadomoscLancucha(serializujLancuch(obcy), lista)});
    EXPECT_EQ(odpowiedz, lista + SCALONA);
}

TEST_F(SerwerLancucha, BezKluczaPrzyjetySamTekstLancuchaBezNaglowka)
{
    // Bez klucza saldo nie jest sprawdzane: ten lancuch zabiera cala moja nagrode.
    kontekst.kluczPubliczny.clear();
    const Blockchain obcy = lancuchTestowy(1, 2, obcyKlucz);
    EXPECT_EQ(obsluz(serializujLancuch(obcy)), "");
    EXPECT_EQ(wyjscie, "Przyjeto nowy, dluzszy lancuch (3 blokow).\n");
    EXPECT_EQ(czytajPlikTestu(plikLancucha), serializujLancuch(obcy));
    EXPECT_FALSE(plikIstnieje(plikWezlow));
}

TEST_F(SerwerLancucha, NieczytelnyPlikJestOdkladanyPrzedZapisem)
{
    zapiszPlikTestu(plikLancucha, "=== BLOK ===\nzepsute\n");
    kontekst.kluczPubliczny.clear();
    const Blockchain obcy = lancuchTestowy(1, 1, obcyKlucz);
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
    EXPECT_EQ(obsluz(zapytanie(lancuchTestowy(1, 1, obcyKlucz))), SCALONA);
    EXPECT_EQ(wyjscie, "BLAD: plik /proc/version nie jest czytelnym lancuchem i nie udalo sie go "
                       "odlozyc.\nNie mozna bezpiecznie zapisac pliku /proc/version - odrzucam "
                       "otrzymany lancuch.\n");
    EXPECT_EQ(czytajPlikTestu("/proc/version"), przed);
}

TEST_F(SerwerLancucha, PorownujeZLancuchemZapisanymChwileWczesniej)
{
    auto serwer = uruchomSerwer();
    // Okno zapisuje dwa nowe bloki juz po starcie serwera.
    ASSERT_TRUE(zapiszLancuch(lancuchTestowy(1, 3, mojKlucz), plikLancucha));
    const std::string poZapisie = czytajPlikTestu(plikLancucha);
    PrzechwycWyjscie przechwyc;
    EXPECT_TRUE(wyslijLancuchDoWezla(lancuchTestowy(1, 3, obcyKlucz), Wezel{"127.0.0.1", 0, "", ""},
                                     serwer->port(), folder.plik("wezly-klienta.dat"), -1, 2s));
    serwer->zatrzymaj();
    EXPECT_NE(przechwyc.tekst().find("Otrzymany lancuch (4 blokow) nie jest dluzszy niz moj (4 "
                                     "blokow) - zostaje przy swoim.\n"),
              std::string::npos);
    EXPECT_EQ(czytajPlikTestu(plikLancucha), poZapisie);
}

TEST_F(SerwerLancucha, PustaListaWezlowToBrakRamkiOdpowiedzi)
{
    auto serwer = uruchomSerwer();
    PrzechwycWyjscie cicho;
    const Gniazdo g = polaczZLoopbackiem(serwer->port());
    ASSERT_TRUE(wyslijWiadomosc(g, zapytanie(lancuchTestowy(1, 1, obcyKlucz), "")));
    // Serwer zamyka polaczenie, nie wysylajac ani bajtu.
    char bajt = 0;
    ASSERT_GT(czekajNaGniazdo(g, POLLIN, 5s), 0);
    EXPECT_EQ(::recv(g, &bajt, 1, 0), 0);
    zamknijGniazdo(g);
    // Klient liczy taka wymiane jako udana i nic nie dopisuje.
    const std::string plikKlienta = folder.plik("wezly-klienta.dat");
    EXPECT_TRUE(wyslijLancuchDoWezla(lancuchTestowy(1, 1, obcyKlucz), Wezel{"127.0.0.1", 0, "", ""},
                                     serwer->port(), plikKlienta, -1, 2s));
    EXPECT_FALSE(plikIstnieje(plikKlienta));
}
