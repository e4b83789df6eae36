#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>
#include <set>
#include <sodium.h>

#include "fraza.h"
#include "pomoc_testow.h"
#include "skrot.h"

namespace {

const char* const FRAZA_WZORCOWA =
    "abandon abandon abandon abandon abandon abandon abandon abandon abandon abandon abandon about";

class FrazaTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_GE(sodium_init(), 0); }
};

std::string ziarnoHex(const Fraza& fraza)
{
    const Ziarno ziarno = ziarnoZFrazy(fraza);
    return bajtyNaHex(ziarno.data(), ziarno.size());
}

std::string komunikat(std::string_view tekst)
{
    const SprawdzonaFraza wynik = sprawdzFraze(tekst);
    EXPECT_EQ(wynik.slowa.empty(), !wynik.poprawna()) << tekst;
    return wynik.komunikat;
}

// Udaje katalog tlumaczen: tlumaczy tylko w kontekscie "QObject".
class TlumaczTestowy : public QTranslator {
public:
    QString translate(const char* kontekst, const char* zrodlo, const char*, int) const override
    {
        if (QByteArrayView(kontekst) != "QObject")
            return {};
        if (QByteArrayView(zrodlo) == "Fraza musi miec dokladnie 12 slow (masz %1).")
            return QStringLiteral("Need 12 words (got %1).");
        if (QByteArrayView(zrodlo) == "Slowo \"%1\" nie jest na liscie BIP39 - sprawdz literowki.")
            return QStringLiteral("Not a BIP39 word: %1");
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

TEST(ListaBIP39, ZgodnaZOpublikowanaLista)
{
    // Suma kontrolna opublikowanej listy (slowa w kolejnosci, kazde z LF).
    ASSERT_EQ(listaBIP39.size(), 2048u);
    std::string tekst;
    for (const std::string_view slowo : listaBIP39) {
        tekst.append(slowo);
        tekst += '\n';
        EXPECT_TRUE(naLiscieBIP39(slowo)) << slowo;
    }
    EXPECT_EQ(sha256Hex(tekst), "2f5eed53a4727b4bf8880d8f3f199efc90e58503646d9ff8eff3a2ed3b24dbda");
    for (const char* spoza : {"", "Abandon", "abando", "abandonx", "abandon,", " zoo", "zoo\n"})
        EXPECT_FALSE(naLiscieBIP39(spoza)) << spoza;
}

TEST_F(FrazaTest, WektorWzorcowyDajeZnaneZiarnoIKlucz)
{
    const Fraza fraza = podzielFraze(FRAZA_WZORCOWA);
    ASSERT_EQ(tekstFrazy(fraza), FRAZA_WZORCOWA);
    EXPECT_EQ(ziarnoHex(fraza), "c557eec878dfd852ba3f88087c4f350f09c55537ab5e549c3cd14320ec3cef38");

    FolderTymczasowy folder;
    const std::string sciezka = folder.plik("moj_portfel.dat");
    ASSERT_TRUE(zapiszPortfelZFrazy(fraza, sciezka));
    ParaKluczy klucze;
    ASSERT_TRUE(wczytajPortfel(klucze, sciezka));
    EXPECT_EQ(kluczPublicznyHex(klucze),
              "93a5f261984931e0df5c7434b16d468efb1953098d3cad4fa1506b9e052e7fc7");
    EXPECT_EQ(bajtyNaHex(klucze.tajny(), 32), ziarnoHex(fraza));
    EXPECT_FALSE(zapiszPortfelZFrazy(fraza, folder.plik("brak/moj_portfel.dat")));
}

TEST_F(FrazaTest, PodzialTylkoNaBialychZnakachAscii)
{
    EXPECT_EQ(podzielFraze(" \t\n\r\v\fa  b\r\nc \t"), (Fraza{"a", "b", "c"}));
    EXPECT_EQ(podzielFraze("a,b a\xC2\xA0" "b"), (Fraza{"a,b", "a\xC2\xA0" "b"}));
    EXPECT_TRUE(podzielFraze(" \n\t ").empty());
}

TEST_F(FrazaTest, SprawdzenieLiczbySlowISlowSpozaListy)
{
    std::string jedenascie = FRAZA_WZORCOWA;
    jedenascie.resize(jedenascie.rfind(' '));
    EXPECT_EQ(komunikat(""), "Fraza musi miec dokladnie 12 slow (masz 0).");
    EXPECT_EQ(komunikat(jedenascie), "Fraza musi miec dokladnie 12 slow (masz 11).");
    EXPECT_EQ(komunikat(std::string(FRAZA_WZORCOWA) + " zoo"),
              "Fraza musi miec dokladnie 12 slow (masz 13).");
    // Pierwsze zle slowo wygrywa; w komunikacie w postaci malymi literami.
    EXPECT_EQ(komunikat("zoo zoo zoo ZOOO zoo zoo zoa zoo zoo zoo zoo zoo"),
              "Slowo \"zooo\" nie jest na liscie BIP39 - sprawdz literowki.");
    EXPECT_EQ(komunikat(jedenascie + " abandon,"),
              "Slowo \"abandon,\" nie jest na liscie BIP39 - sprawdz literowki.");
    EXPECT_EQ(komunikat(jedenascie + " \xC5\xBB\xC3\x93\xC5\x81W"),
              "Slowo \"\xC5\xBC\xC3\xB3\xC5\x82w\" nie jest na liscie BIP39 - sprawdz literowki.");
}

TEST_F(FrazaTest, ZapisyTejSamejFrazyDajaTeSameZiarno)
{
    // Tekst frazy wyznacza ziarno, wiec wystarczy, ze jest ten sam.
    const char* zapisy[] = {
        "Abandon abandon abandon abandon abandon abandon abandon abandon abandon abandon "
        "abandon about",
        "ABANDON ABANDON ABANDON ABANDON ABANDON ABANDON ABANDON ABANDON ABANDON ABANDON "
        "ABANDON ABOUT",
        "  abandon  abandon abandon\nabandon abandon abandon\r\nabandon abandon abandon\n"
        "abandon\tabandon about \n",
    };
    for (const char* zapis : zapisy) {
        const SprawdzonaFraza wynik = sprawdzFraze(zapis);
        ASSERT_TRUE(wynik.poprawna()) << wynik.komunikat;
        EXPECT_EQ(tekstFrazy(wynik.slowa), FRAZA_WZORCOWA);
    }
    // Inna kolejnosc tych samych slow to inny portfel.
    Fraza przestawiona = podzielFraze(FRAZA_WZORCOWA);
    std::swap(przestawiona.front(), przestawiona.back());
    EXPECT_TRUE(sprawdzFraze(tekstFrazy(przestawiona)).poprawna());
    EXPECT_NE(paraKluczyZZiarna(ziarnoZFrazy(przestawiona)),
              paraKluczyZZiarna(ziarnoZFrazy(podzielFraze(FRAZA_WZORCOWA))));
    // Dwanascie razy to samo slowo tez jest fraza.
    EXPECT_TRUE(sprawdzFraze("zoo zoo zoo zoo zoo zoo zoo zoo zoo zoo zoo zoo").poprawna());
}

TEST_F(FrazaTest, KomunikatyIdaPrzezTlumaczenieWKontekscieQObject)
{
    int argc = 1;
    char nazwa[] = "testy_app";
    char* argv[] = {nazwa, nullptr};
    QCoreApplication aplikacja(argc, argv);
    TlumaczTestowy tlumacz;
    ASSERT_TRUE(QCoreApplication::installTranslator(&tlumacz));
    EXPECT_EQ(komunikat("a b c"), "Need 12 words (got 3).");
    EXPECT_EQ(komunikat("zoo zoo zoo zoo zoo zoo zoo zoo zoo zoo zoo Zooo"),
              "Not a BIP39 word: zooo");
    QCoreApplication::removeTranslator(&tlumacz);
}

TEST_F(FrazaTest, GenerowaneFrazySaZListyILosowe)
{
    std::set<std::string> wylosowane;
    for (int i = 0; i < 2000; ++i) {
        const Fraza fraza = generujFraze();
        ASSERT_EQ(fraza.size(), 12u);
        EXPECT_TRUE(sprawdzFraze(tekstFrazy(fraza)).poprawna()) << tekstFrazy(fraza);
        wylosowane.insert(fraza.begin(), fraza.end());
    }
    // 24000 losowan z 2048 slow: brak wiecej niz kilku slow znaczylby zle losowanie.
    EXPECT_GE(wylosowane.size(), 2040u);
}
