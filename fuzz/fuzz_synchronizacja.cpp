// Wiadomosci synchronizacji i cala rozmowa z dowolnym dawca: wejscie to kolejne wiadomosci
// oddzielone bajtami "\0\0" (pierwsza zaczyna rozmowe). Po rozmowie plik lancucha zawsze sie
// wczytuje i jest poprawnym lancuchem, a lancuch przyjety w rozmowie przyjalby tez serwer,
// ktoremu ten sam lancuch wypchnieto w calosci (ten sam plik na poczatku). Odczyt kazdej
// wiadomosci, ktora sie udal, daje po ponownym zapisie ten sam tekst.

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <sodium.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/format_lancucha.h"
#include "serwer_fuzzowania.h"
#include "core/plik_lancucha.h"
#include "core/pliki.h"
#include "net/wiadomosci_synchronizacji.h"
#include "net/wymiana_lancucha.h"

namespace {

// Dawca, ktory na kazda prosbe odpowiada nastepna wiadomoscia z wejscia.
class KanalZWejscia final : public Kanal {
public:
    explicit KanalZWejscia(std::vector<std::string> odpowiedzi) : odpowiedzi(std::move(odpowiedzi)) {}
    bool wyslij(std::initializer_list<std::string_view>) override { return true; }
    std::string odbierz(long long) override
    {
        return nastepna < odpowiedzi.size() ? odpowiedzi[nastepna++] : std::string();
    }

private:
    std::vector<std::string> odpowiedzi;
    std::size_t nastepna = 0;
};

void sprawdzPonownyZapis(std::string_view w)
{
    Oferta o;
    if (parsujOferte(w, o) && tekstOferty(o.liczbaBlokow, o.lokator, o.wezly) != w)
        __builtin_trap();
    Szukaj s;
    if (parsujSzukaj(w, s) && tekstSzukaj(s) != w)
        __builtin_trap();
    std::vector<WpisLokatora> l;
    if (parsujLokator(w, l) && tekstLokatora(l) != w)
        __builtin_trap();
    std::uint64_t od = 0;
    if (parsujDaj(w, od) && tekstDaj(od) != w)
        __builtin_trap();
    Bloki b;
    if (parsujKawalek(w, b) && naglowekBlokow(b.od, b.liczbaBlokow) + std::string(b.tekst) != w)
        __builtin_trap();
    DecyzjaWezla d;
    if (parsujDecyzje(w, d) && tekstDecyzji(d) != w)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    (void)serwerFuzzowania();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bajty, std::size_t rozmiar)
{
    const std::string wejscie(reinterpret_cast<const char*>(bajty), rozmiar);
    std::vector<std::string> wiadomosci;
    for (std::size_t poczatek = 0;;) {
        const std::size_t koniec = wejscie.find(std::string_view("\0\0", 2), poczatek);
        wiadomosci.push_back(wejscie.substr(poczatek, koniec - poczatek));
        if (koniec == std::string::npos)
            break;
        poczatek = koniec + 2;
    }
    for (const std::string& w : wiadomosci)
        sprawdzPonownyZapis(w);

    const std::string plikLancucha = serwerFuzzowania().folder + "/blockchain.dat";
    const std::string plikWezlow = serwerFuzzowania().folder + "/wezly.dat";
    ::unlink(plikWezlow.c_str());
    if (!zapiszAtomowo(plikLancucha, serwerFuzzowania().tekstPoczatkowy))
        std::abort();
    Blockchain zywy;
    KontekstSerwera kontekst{{dziennikFuzzowania(), plikLancucha, plikWezlow, -1, std::chrono::milliseconds(100)},
                             zywy, "", {}};
    KanalZWejscia kanal({wiadomosci.begin() + 1, wiadomosci.end()});
    (void)obsluzPrzychodzacyLancuch(kontekst, wiadomosci.front(), &kanal);
    Blockchain poRozmowie;
    if (!wczytajLancuch(poRozmowie, plikLancucha) || !poRozmowie.czyLancuchPoprawny())
        __builtin_trap();
    const std::string przyjety = serializujLancuch(poRozmowie);
    if (przyjety == serwerFuzzowania().tekstPoczatkowy)
        return 0;
    // Ta sama decyzja droga calego lancucha.
    const std::string plikCalosci = serwerFuzzowania().folder + "/calosc.dat";
    if (!zapiszAtomowo(plikCalosci, serwerFuzzowania().tekstPoczatkowy))
        std::abort();
    Blockchain zywyCalosci;
    KontekstSerwera calosc{{dziennikFuzzowania(), plikCalosci, plikWezlow, -1, std::chrono::milliseconds(100)},
                           zywyCalosci, "", {}};
    (void)obsluzPrzychodzacyLancuch(calosc, zbudujWiadomoscLancucha(przyjety, ""));
    if (wczytajPlik(plikCalosci) != std::optional<std::string>(przyjety))
        __builtin_trap();
    return 0;
}
