// Rdzen ksiegi: wektory wzorcowe, teksty kanoniczne, kopanie, salda i reguly walidacji.
#include <gtest/gtest.h>

#include "core/klucze.h"
#include "pomoc_testow.h"
#include "core/skrot.h"

namespace {
const std::string K(64, 'a');
} // namespace

TEST(Wzorce, Sha256HexIKluczeEd25519)
{
    // 55 bajtow miesci dlugosc w jednym bloku, 56 juz nie; "39" daje zero wiodace.
    const std::pair<std::string, const char*> wektory[] = {
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        {std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
        {"39", "0b918943df0962bc7a1824c0555a389347b4febdc7cf9d1254406d80ce44e3f9"},
    };
    for (const auto& [tekst, skrot] : wektory)
        EXPECT_EQ(sha256Hex(tekst), skrot);
    const unsigned char bajty[] = {0x00, 0x0f, 0xff};
    EXPECT_EQ(bajtyNaHex(bajty, 3), "000fff");
    unsigned char wynik[2] = {};
    EXPECT_TRUE(hexNaBajty("A0ff", wynik, 2) && wynik[0] == 0xa0 && wynik[1] == 0xff);
    EXPECT_FALSE(hexNaBajty("zz", wynik, 1));
    EXPECT_FALSE(hexNaBajty("ab", wynik, 2));

    // RFC 8032, test 1: ziarno, klucz publiczny i podpis pustej wiadomosci.
    Ziarno ziarno{};
    ASSERT_TRUE(hexNaBajty("9d61b19deffd5a60ba844af492ec2cc44449c5697b326919703bac031cae7f60",
                           ziarno.data(), 32));
    const ParaKluczy para = paraKluczyZZiarna(ziarno);
    const std::string klucz = kluczPublicznyHex(para);
    EXPECT_EQ(klucz, "d75a980182b10ab7d54bfed3c964073a0ee172f3daa62325af021a68f707511a");
    const std::string podpis = podpiszTekst(para, "");
    EXPECT_EQ(podpis, "e5564300c360ac729086e2cc806e828a84877f1eb8e5d974d873e065224901555fb8821590"
                      "a33bacc61e39701cf9b46bd25bf5f0595bbe24655141438e7a100b");
    EXPECT_TRUE(weryfikujPodpis("", podpis, klucz));
    for (const auto& [tekst, p, k] : {std::tuple{std::string("x"), podpis, klucz},
                                      {"", podpis.substr(1), klucz}, {"", podpis, klucz + "0"},
                                      {"", "zz" + podpis.substr(2), klucz}})
        EXPECT_FALSE(weryfikujPodpis(tekst, p, k));
    EXPECT_TRUE(czyPoprawnyKluczPubliczny(std::string(32, 'F') + std::string(32, '9')));
    for (const std::string& zly : {std::string(63, 'a'), std::string(65, 'a'), std::string(63, 'a') + "g"})
        EXPECT_FALSE(czyPoprawnyKluczPubliczny(zly)) << zly;
}

TEST(Wzorce, TekstyKanoniczneIHashBloku)
{
    const ParaKluczy para = generujPareKluczy();
    const std::string nadawca = kluczPublicznyHex(para);
    const Transakcja platnosc(para, K, 1250000000, "");
    EXPECT_EQ(platnosc.tekstDoPodpisu(), nadawca + "|" + K + "|1250000000|");
    EXPECT_EQ(platnosc.tekstDoHasha(), nadawca + "|" + K + "|1250000000||" + platnosc.podpis);
    EXPECT_TRUE(platnosc.czyPodpisPoprawny());
    EXPECT_EQ(transakcjaNagrody(K, 5000000000).tekstDoHasha(),
              "|" + K + "|5000000000|Nagroda za kopanie bloku|");

    const Blok geneza = Blockchain().pobierzLancuch()[0];
    EXPECT_EQ(geneza.hash, sha256Hex("00||0|Blok Genezy - Start sieci Talvarin (TLV)|0"
                                     + std::to_string(geneza.czas)));
    Blok blok(7, {}, "abc");
    blok.nonce = 12;
    blok.czas = -3;
    EXPECT_EQ(blok.obliczHash(), sha256Hex("7abc12-3"));
}

TEST(Kopanie, DowodPracyNagrodaPierwszaIWierszKonsoli)
{
    Blockchain lancuch; // prawdziwa trudnosc 4
    const Transakcja platnosc(generujPareKluczy(), K, 1, "");
    PrzechwycWyjscie wyjscie;
    lancuch.wykopIDodajBlok(K, {platnosc});
    const std::string tekst = wyjscie.tekst();
    const Blok& blok = lancuch.pobierzLancuch()[1];
    EXPECT_EQ(blok.hash.substr(0, 4), "0000");
    EXPECT_EQ(blok.obliczHash(), blok.hash);
    EXPECT_EQ(blok.poprzedniHash, lancuch.pobierzLancuch()[0].hash);
    EXPECT_EQ(blok.transakcje, (std::vector{transakcjaNagrody(K, 5000000000), platnosc}));
    EXPECT_EQ(tekst, "Kopanie bloku 1... SUKCES! Znaleziono Hash: " + blok.hash + " (Nonce: "
                         + std::to_string(blok.nonce) + ")\n");
}

TEST(Saldo, NagrodyPlatnosciINasycenie)
{
    const ParaKluczy para = generujPareKluczy();
    const std::string ja = kluczPublicznyHex(para);
    Blockchain lancuch = lancuchTestowy(1, 2, ja);
    dokop(lancuch, K, 1, {Transakcja(para, K, 100000000, "")});
    EXPECT_EQ(lancuch.saldo(ja), 9900000000);
    EXPECT_EQ(lancuch.saldo(K), 5100000000);
    Transakcja duza;
    duza.odbiorca = K;
    duza.kwota = INT64_MAX;
    zmienBlok(lancuch, 0, [&](Blok& b) { b.transakcje = {duza, duza}; });
    EXPECT_EQ(lancuch.saldo(K), INT64_MAX);
}

namespace {

enum class Regula { Brak, H, L, S, B, R };

const char* tekstReguly(Regula r)
{
    switch (r) {
    case Regula::H: return " ma dane niezgodne z jego hashem (ktos je zmienil po fakcie)!";
    case Regula::L: return " nie jest poprawnie polaczony z poprzednim blokiem!";
    case Regula::S: return " ma transakcje z NIEPRAWIDLOWYM podpisem (ktos podszywa sie pod nadawce)!";
    case Regula::B:
        return " zawiera transakcje wydajaca wiecej niz nadawca faktycznie mial (falszywe saldo / "
               "podwojne wydanie)!";
    case Regula::R:
        return " zawiera niepoprawna nagrode za kopanie (falszywe 'drukowanie' monet znikad)!";
    case Regula::Brak: break;
    }
    return "";
}

} // namespace

// Lancuch 0..4 z nagrodami gornika; kazdy przypadek psuje go na swoj sposob.
TEST(Walidacja, KazdaRegulaZNumeremBloku)
{
    const ParaKluczy gornik = generujPareKluczy();
    const std::string adres = kluczPublicznyHex(gornik);
    const ParaKluczy biedny = generujPareKluczy();
    const Transakcja nagroda = transakcjaNagrody(adres, 5000000000);
    auto ostatni = [&](std::vector<Transakcja> tx) {
        return [tx](Blockchain& l) { zmienBlok(l, 4, [&](Blok& b) { b.transakcje = tx; }); przeliczOd(l, 4); };
    };
    Transakcja obcyPodpis(gornik, K, 5, "");
    obcyPodpis.podpis = podpiszTekst(gornik, "inny tekst");
    const std::tuple<const char*, std::function<void(Blockchain&)>, Regula> przypadki[] = {
        {"nietkniety", [](Blockchain&) {}, Regula::Brak},
        {"dane bez hasha", [](Blockchain& l) { zmienBlok(l, 2, [](Blok& b) { b.transakcje[0].kwota = 1; }); }, Regula::H},
        {"zerwane polaczenie", [](Blockchain& l) { zmienBlok(l, 3, [](Blok& b) { b.poprzedniHash = K; b.hash = b.obliczHash(); }); }, Regula::L},
        {"obcy podpis", ostatni({obcyPodpis}), Regula::S},
        {"wydatek bez srodkow", ostatni({Transakcja(biedny, adres, 1, "")}), Regula::B},
        {"ujemna kwota", ostatni({Transakcja(biedny, adres, -10000000000, "")}), Regula::B},
        {"zerowa kwota", ostatni({Transakcja(biedny, adres, 0, "")}), Regula::Brak},
        {"cale saldo", ostatni({Transakcja(gornik, K, 15000000000, ""), nagroda}), Regula::Brak},
        {"saldo + 1", ostatni({Transakcja(gornik, K, 15000000001, "")}), Regula::B},
        {"dwie nagrody", ostatni({nagroda, nagroda}), Regula::R},
        {"zla nagroda", ostatni({transakcjaNagrody(adres, 5000000001)}), Regula::R},
        {"nagroda za platnoscia", ostatni({Transakcja(biedny, K, 1, ""), transakcjaNagrody(kluczPublicznyHex(biedny), 5000000000)}), Regula::B},
    };
    for (const auto& [opis, zepsuj, regula] : przypadki) {
        SCOPED_TRACE(opis);
        Blockchain lancuch = lancuchTestowy(0, 4, adres);
        zepsuj(lancuch);
        PrzechwycWyjscie wyjscie;
        const bool poprawny = lancuch.czyLancuchPoprawny();
        const std::string tekst = wyjscie.tekst();
        EXPECT_EQ(poprawny, regula == Regula::Brak);
        const char* nr = regula == Regula::H ? "2" : regula == Regula::L ? "3" : "4";
        EXPECT_EQ(tekst, regula == Regula::Brak ? ""
                                                : "  [BLAD] Blok #" + std::string(nr) + tekstReguly(regula) + "\n");
    }
}
