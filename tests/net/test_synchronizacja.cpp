// Synchronizacja blokami: ta sama decyzja co przy wypchnieciu calego lancucha, odciecie
// nieuczciwego dawcy, wezel starego rodzaju i pobieranie w kilku kawalkach.
#include <gtest/gtest.h>

#include "net/biorca.h"
#include "core/format_lancucha.h"
#include "net/lokator.h"
#include "core/plik_lancucha.h"
#include "pomoc_sieci.h"
#include "net/rozgloszenie.h"
#include "net/wymiana_lancucha.h"
#include "net/wypchniecie.h"

namespace {

// Dawca w pamieci: prosba od razu dostaje odpowiedz z blokow `bloki` (po ewentualnej podmianie).
class KanalDoDawcy final : public Kanal {
public:
    using Podmiana = std::function<std::string(const std::string& prosba, std::string odpowiedz)>;
    explicit KanalDoDawcy(const Blockchain& dawca, Podmiana podmiana = {})
        : bloki(dawca.pobierzLancuch()), podmiana(std::move(podmiana)) {}
    bool wyslij(std::initializer_list<std::string_view> czesci) override
    {
        const std::string prosba(*czesci.begin());
        odpowiedz = odpowiedzDawcy(bloki, prosba).value_or("");
        if (podmiana)
            odpowiedz = podmiana(prosba, odpowiedz);
        return true;
    }
    std::string odbierz(long long) override { return std::exchange(odpowiedz, {}); }

private:
    LancuchBlokow bloki;
    Podmiana podmiana;
    std::string odpowiedz;
};

struct Wezel1 {
    explicit Wezel1(const Blockchain& start, const std::string& klucz) : klucz(klucz)
    {
        EXPECT_TRUE(zapiszLancuch(start, plik));
    }
    FolderTymczasowy folder;
    std::string plik = folder.plik("blockchain.dat");
    std::string klucz;
    Blockchain zywy;
    KontekstSerwera kontekst{{dziennikTestu(), plik, folder.plik("wezly.dat"), 1700, 2s}, zywy, klucz, {}};
};

std::string oferta(const Blockchain& l)
{
    return tekstOferty(l.liczbaBlokow(), zbudujLokator(l.pobierzLancuch()), "");
}

Blockchain zOdgalezieniem(const Blockchain& l, std::size_t wspolnych, int nowych)
{
    Blockchain wynik = l;
    wynik.obetnij(wspolnych);
    dokop(wynik, std::string(64, 'd'), nowych);
    return wynik;
}

} // namespace

TEST(Synchronizacja, DecyzjaIPlikJakPrzyWypchnieciuCalegoLancucha)
{
    const std::string ja = kluczPublicznyHex(generujPareKluczy());
    Blockchain moj = lancuchTestowy(1, 0);
    dokop(moj, ja, 2);
    dokop(moj, OBCY_ADRES, 297);
    Blockchain dluzszy = moj;
    dokop(dluzszy, OBCY_ADRES, 3);
    Blockchain zepsuty = dluzszy;
    zmienBlok(zepsuty, zepsuty.liczbaBlokow() - 1, [](Blok& b) { b.transakcje[0].kwota += 1; });
    const struct {
        const char* opis;
        Blockchain otrzymany;
        KodDecyzji kod;
    } przypadki[] = {
        {"rozszerzenie", dluzszy, KodDecyzji::przyjety},
        {"ten sam", moj, KodDecyzji::juzMial},
        {"krotszy", zOdgalezieniem(moj, 250, 10), KodDecyzji::nieDluzszy},
        {"gleboka galaz", zOdgalezieniem(moj, 150, 200), KodDecyzji::przyjety},
        {"galaz bez moich nagrod", zOdgalezieniem(moj, 1, 400), KodDecyzji::saldo},
        {"zly blok", zepsuty, KodDecyzji::niepoprawny},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        Wezel1 calosc(moj, ja);
        Wezel1 bloki(moj, ja);
        std::vector<Wpis> wpisyCalosci;
        {
            ZbieraczWpisow zbieracz;
            (void)obsluzPrzychodzacyLancuch(calosc.kontekst,
                                            zbudujWiadomoscLancucha(serializujLancuch(p.otrzymany), ""));
            wpisyCalosci = zbieracz.wpisy();
        }
        ZbieraczWpisow zbieracz;
        KanalDoDawcy kanal(p.otrzymany);
        const std::string odpowiedz =
            obsluzPrzychodzacyLancuch(bloki.kontekst, oferta(p.otrzymany), &kanal);
        EXPECT_EQ(zbieracz.wpisy(), wpisyCalosci);
        EXPECT_EQ(czytajPlikTestu(bloki.plik), czytajPlikTestu(calosc.plik));
        DecyzjaWezla decyzja;
        ASSERT_TRUE(parsujDecyzje(odpowiedz, decyzja));
        EXPECT_EQ(decyzja.kod, p.kod);
    }
}

TEST(Synchronizacja, NieuczciwyDawcaOdcietyAPlikNietkniety)
{
    const Blockchain moj = lancuchTestowy(1, 3);
    const Blockchain dawca = zOdgalezieniem(moj, 4, 3);
    const Blockchain obcy = lancuchTestowy(1, 10, std::string(64, 'c'));
    const auto jakoKawalek = [](const Blockchain& z, std::uint64_t od, std::uint64_t ile) {
        std::string tekst = naglowekBlokow(od, ile);
        for (auto i = static_cast<std::size_t>(od); i < z.liczbaBlokow(); ++i)
            dopiszTekstBloku(tekst, z.lancuch[i]);
        return tekst;
    };
    const struct {
        const char* opis;
        KanalDoDawcy::Podmiana podmiana;
        std::uint64_t zapowiedz;
        PowodPrzerwania przerwanie;
    } przypadki[] = {
        {"cisza", [](auto&, auto) { return std::string(); }, 7, PowodPrzerwania::ciszaDawcy},
        {"bloki z innego lancucha", [&](auto&, auto) { return jakoKawalek(obcy, 4, 11); }, 7,
         PowodPrzerwania::blokiNieLacza},
        {"skapy kawalek", [&](auto&, auto) { return jakoKawalek(zOdgalezieniem(moj, 4, 1), 4, 7); },
         7, PowodPrzerwania::skapyKawalek},
        {"zapowiada wiecej, niz ma", [&](auto& prosba, auto odpowiedz) {
             return rodzajWiadomosci(prosba) == RodzajWiadomosci::daj ? jakoKawalek(moj, 4, 4) : odpowiedz;
         }, 100, PowodPrzerwania::brakObiecanych},
        {"nie ta wiadomosc", [](auto&, auto) { return tekstDaj(1); }, 7,
         PowodPrzerwania::zlaOdpowiedz},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.opis);
        Wezel1 wezel(moj, "");
        const std::string przed = czytajPlikTestu(wezel.plik);
        KanalDoDawcy kanal(dawca, p.podmiana);
        Oferta o;
        ASSERT_TRUE(parsujOferte(oferta(dawca), o));
        o.liczbaBlokow = p.zapowiedz;
        PrzechwycWyjscie przechwyc;
        const WynikPobierania wynik = pobierzOdDawcy(wezel.kontekst, kanal, o, {});
        (void)przechwyc.tekst();
        EXPECT_EQ(wynik.przerwanie, p.przerwanie);
        EXPECT_FALSE(wynik.przyjetoCokolwiek);
        EXPECT_EQ(czytajPlikTestu(wezel.plik), przed);
    }
}

TEST(Synchronizacja, WezelStaregoRodzajuDostajeJednaOferteNaUruchomienieIPotemCaly)
{
    FolderTymczasowy folder;
    SerwerTestowy stary({}, 2s);
    zapiszPlikTestu(folder.plik("wezly.dat"), "127.0.0.1 " + std::to_string(stary.port()) + " - -\n");
    const Blockchain lancuch = lancuchTestowy(1, 2);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rozglosLancuch(dziennikTestu(), lancuch, folder.plik("wezly.dat"), -1, {}, 2s), (WynikRozgloszenia{1, 1, {.stare = 1}}));
    EXPECT_EQ(stary.ileSynchronizacji(), 1);
    EXPECT_EQ(stary.otrzymane(), std::vector(3, zbudujWiadomoscLancucha(serializujLancuch(lancuch),
                                                                        czytajPlikTestu(folder.plik("wezly.dat")))));
}

TEST(Synchronizacja, PobranieWKilkuKawalkachZSerweraNaLoopbacku)
{
    // Bloki z dlugim opisem nagrody: ponad 16 MiB tekstu w kilkudziesieciu blokach.
    Blockchain dawca = lancuchTestowy(1, 40);
    for (std::size_t i = 1; i < dawca.liczbaBlokow(); ++i)
        zmienBlok(dawca, i, [](Blok& b) { b.transakcje[0].opis.assign(500 * 1024, 'x'); });
    przeliczOd(dawca, 1);
    FolderTymczasowy folderDawcy;
    ASSERT_TRUE(zapiszLancuch(dawca, folderDawcy.plik("blockchain.dat")));
    Blockchain zywyDawcy;
    PetlaTestowa serwer([&](int port, const std::stop_token& stop, const auto& gotowy) {
        ASSERT_TRUE(wczytajLancuch(zywyDawcy, folderDawcy.plik("blockchain.dat")));
        KontekstSerwera kontekst{{dziennikTestu(), folderDawcy.plik("blockchain.dat"), folderDawcy.plik("wezly.dat"), port, 20s},
                                 zywyDawcy, "", {}, stop};
        nasluchujIPrzyjmujLancuchyWPetli(kontekst, gotowy);
    });
    Wezel1 nowy(lancuchTestowy(1, 0), "");
    // Kawalki po 16 MiB przygotowuje sie dlugo w budowie z sanitizerem watkow.
    nowy.kontekst.limitOdbioru = 20s;
    std::vector<std::uint64_t> postep;
    bool stary = true;
    PrzechwycWyjscie przechwyc;
    const WynikPobierania wynik = pobierzLancuchOd(
        nowy.kontekst, Wezel{"127.0.0.1", serwer.port(), "", ""},
        [&](std::uint64_t mam, std::uint64_t) { postep.push_back(mam); }, stary);
    EXPECT_FALSE(stary);
    EXPECT_TRUE(wynik.przyjetoCokolwiek);
    EXPECT_EQ(wynik.przerwanie, std::nullopt);
    ASSERT_EQ(postep.size(), 2u);
    EXPECT_EQ(postep.back(), 41u);
    EXPECT_EQ(czytajPlikTestu(nowy.plik), serializujLancuch(dawca));
}
