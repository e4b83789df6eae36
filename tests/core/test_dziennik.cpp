// Dziennik: wiersz konsoli kazdego rodzaju wpisu, jeden zapis na wiersz z wielu watkow,
// obserwatorzy dostaja te same wpisy w tej samej kolejnosci, bledy startu na wyjscie bledow.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "core/dziennik.h"

using R = RodzajWpisu;

TEST(Dziennik, WierszKonsoliKazdegoRodzaju)
{
    const std::pair<Wpis, const char*> wzory[] = {
        {{.rodzaj = R::bladBloku, .indeks = 4, .regula = RegulaBloku::saldo}, "  [BLAD] Blok #4 zawiera transakcje wydajaca wiecej niz nadawca faktycznie mial (falszywe saldo / podwojne wydanie)!\n"},
        {{.rodzaj = R::bladBloku, .indeks = 2, .regula = RegulaBloku::hash}, "  [BLAD] Blok #2 ma dane niezgodne z jego hashem (ktos je zmienil po fakcie)!\n"},
        {{.rodzaj = R::bladBloku, .indeks = 3, .regula = RegulaBloku::polaczenie}, "  [BLAD] Blok #3 nie jest poprawnie polaczony z poprzednim blokiem!\n"},
        {{.rodzaj = R::bladBloku, .indeks = 5, .regula = RegulaBloku::podpis}, "  [BLAD] Blok #5 ma transakcje z NIEPRAWIDLOWYM podpisem (ktos podszywa sie pod nadawce)!\n"},
        {{.rodzaj = R::bladBloku, .indeks = 6, .regula = RegulaBloku::nagroda}, "  [BLAD] Blok #6 zawiera niepoprawna nagrode za kopanie (falszywe 'drukowanie' monet znikad)!\n"},
        {{.rodzaj = R::odmowaBramki, .indeks = 2, .odmowa = PowodOdmowy::znakNul}, "Blok #2 ma w polu znak NUL - odrzucam lancuch.\n"},
        {{.rodzaj = R::odmowaBramki, .indeks = 2, .odmowa = PowodOdmowy::wierszZnacznika}, "Blok #2 ma pole rowne wierszowi znacznika bloku - odrzucam lancuch.\n"},
        {{.rodzaj = R::odmowaBramki, .indeks = 7, .odmowa = PowodOdmowy::zaDuzyTekst}, "Blok #7 ma ponad 1048576 bajtow tekstu (limit tego wezla) - odrzucam lancuch.\n"},
        {{.rodzaj = R::odmowaBramki, .indeks = 7, .odmowa = PowodOdmowy::zaDuzoTransakcji}, "Blok #7 ma ponad 10000 transakcji (limit tego wezla) - odrzucam lancuch.\n"},
        {{.rodzaj = R::wykopanoBlok, .indeks = 1, .nonce = 77, .tekst = "00ab"}, "Kopanie bloku 1... SUKCES! Znaleziono Hash: 00ab (Nonce: 77)\n"},
        {{.rodzaj = R::lancuchOdlozony, .plik = "b.dat", .nowyPlik = "b.dat.uszkodzony"}, "Plik b.dat nie jest czytelnym lancuchem - odlozono go jako b.dat.uszkodzony.\n"},
        {{.rodzaj = R::lancuchNieOdlozony, .plik = "b.dat"}, "BLAD: plik b.dat nie jest czytelnym lancuchem i nie udalo sie go odlozyc.\n"},
        {{.rodzaj = R::blokNieZapisany, .plik = "b.dat"}, "BLAD: nie udalo sie zapisac pliku b.dat - nowy blok odrzucono.\n"},
        {{.rodzaj = R::przyjetoLancuch, .ile = 12}, "Przyjeto nowy, dluzszy lancuch (12 blokow).\n"},
        {{.rodzaj = R::lancuchZaDuzyWPamieci, .bajty = 900, .bajtyTekstu = 100}, "Otrzymany lancuch zajalby w pamieci 900 bajtow przy 100 bajtach tekstu - odrzucam.\n"},
        {{.rodzaj = R::lancuchNieDluzszy, .ile = 3, .ileMoj = 5}, "Otrzymany lancuch (3 blokow) nie jest dluzszy niz moj (5 blokow) - zostaje przy swoim.\n"},
        {{.rodzaj = R::lancuchZmniejszaSaldo, .przed = 1178750000000, .po = 1038750000000}, "Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (1178750000000 -> 1038750000000) - odrzucam.\n"},
        {{.rodzaj = R::plikNieDoZapisu, .plik = "b.dat"}, "Nie mozna bezpiecznie zapisac pliku b.dat - odrzucam otrzymany lancuch.\n"},
        {{.rodzaj = R::brakPamieciNaLancuch, .bajty = 64}, "Otrzymany lancuch potrzebuje 64 bajtow pamieci ponad wolny budzet - odrzucam.\n"},
        {{.rodzaj = R::synchronizacjaPrzerwana, .adres = "10.0.0.1:1700", .przerwanie = PowodPrzerwania::skapyKawalek}, "Synchronizacja z 10.0.0.1:1700 przerwana: za maly kawalek blokow - rozlaczam.\n"},
        {{.rodzaj = R::synchronizacjaPrzerwana, .przerwanie = PowodPrzerwania::zmianaLancucha}, "Synchronizacja z wezlem wypychajacym przerwana - wlasny lancuch zmienil sie w tym czasie.\n"},
        {{.rodzaj = R::pobieranieLancucha, .ile = 4, .ileMoj = 9, .adres = "10.0.0.1:1700"}, "Pobieram lancuch od 10.0.0.1:1700: 4 z 9 blokow\n"},
        {{.rodzaj = R::zamknietoPolaczenie, .adres = "10.0.0.2", .zamkniecie = PowodZamkniecia::zaWolno}, "Zamykam polaczenie z 10.0.0.2: przesyla wolniej niz 64 KiB/s.\n"},
        {{.rodzaj = R::zamknietoPolaczenie, .adres = "10.0.0.2", .zamkniecie = PowodZamkniecia::wyparte}, "Zamykam polaczenie z 10.0.0.2: wyparte przez nowe polaczenie (komplet, najmniejsze tempo).\n"},
        {{.rodzaj = R::bladBindowania, .port = 1700}, "BLAD: nie udalo sie zbindowac portu 1700 (moze jest juz zajety?).\n"},
        {{.rodzaj = R::limitPolaczenia, .adres = "10.0.0.3:1700"}, "BLAD: przekroczono czas oczekiwania na polaczenie z 10.0.0.3:1700 (wezel offline?)\n"},
        {{.rodzaj = R::nieRozgloszono, .adres = "10.0.0.3:1700"}, "Nie udalo sie rozglosic do 10.0.0.3:1700 (offline?)\n"},
        {{.rodzaj = R::prawaPortfela, .ile = 0644, .plik = "p.dat"}, "UWAGA: portfel p.dat mial prawa 0644 (dostepny dla innych uzytkownikow) - ustawiono 0600.\n"},
        {{.rodzaj = R::portfelPrzeniesiony, .plik = "p.dat", .nowyPlik = "p.dat.uszkodzony"}, "UWAGA: nie mozna wczytac portfela p.dat - przeniesiono go do p.dat.uszkodzony, tworze nowy portfel.\n"},
        {{.rodzaj = R::wykrytoWezel, .port = 1701, .adres = "10.0.0.4"}, "Wykryto nowy wezel w sieci: 10.0.0.4:1701\n"},
        {{.rodzaj = R::bladWatku, .tekst = "bootstrapu"}, "BLAD: nie udalo sie utworzyc watku bootstrapu.\n"},
        {{.rodzaj = R::otrzymanoSygnal, .ile = 15}, "Otrzymano sygnal 15 - zatrzymuje wezel.\n"},
        {{.rodzaj = R::bladProgramu, .tekst = "talvarin-wezel", .opis = "cos."}, "talvarin-wezel: BLAD: cos.\n"},
    };
    for (const auto& [wpis, wiersz] : wzory)
        EXPECT_EQ(wierszWpisu(wpis), wiersz);
}

TEST(Dziennik, JedenZapisNaWierszZWatkowIObserwatorzyWTejSamejKolejnosci)
{
    // Gniazdo z rekordami: kazdy zapis to osobny rekord.
    int wyjscie[2];
    int bledy[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, wyjscie), 0);
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, bledy), 0);
    std::vector<Wpis> widziane;
    std::vector<Wpis> odlaczony;
    {
        Dziennik dziennik(wyjscie[0], bledy[0]);
        const auto a = dziennik.subskrybuj([&](const Wpis& w) { widziane.push_back(w); });
        const auto b = dziennik.subskrybuj([&](const Wpis& w) { odlaczony.push_back(w); });
        dziennik.odsubskrybuj(b);
        std::thread watki[2];
        for (int t = 0; t < 2; ++t)
            watki[t] = std::thread([&dziennik, t] {
                for (int i = 0; i < 50; ++i)
                    dziennik.zglos({.rodzaj = R::przyjetoLancuch, .ile = t * 100 + i});
            });
        for (std::thread& w : watki)
            w.join();
        dziennik.zglos({.rodzaj = R::bladProgramu, .tekst = "talvarin", .opis = "x"});
        dziennik.odsubskrybuj(a);
        dziennik.zglos({.rodzaj = R::wezelZatrzymany});
    }
    for (int fd : {wyjscie[0], bledy[0]})
        ::close(fd);
    std::vector<std::string> rekordy;
    char bufor[512];
    for (ssize_t n; (n = ::recv(wyjscie[1], bufor, sizeof bufor, 0)) > 0;)
        rekordy.emplace_back(bufor, static_cast<std::size_t>(n));
    ASSERT_EQ(rekordy.size(), 101u);
    ASSERT_EQ(widziane.size(), 101u);
    for (std::size_t i = 0; i < 100; ++i)
        EXPECT_EQ(rekordy[i], wierszWpisu(widziane[i]));
    EXPECT_EQ(rekordy[100], "Wezel zatrzymany.\n");
    EXPECT_EQ(widziane[100].rodzaj, R::bladProgramu);
    EXPECT_TRUE(odlaczony.empty());
    const ssize_t n = ::recv(bledy[1], bufor, sizeof bufor, 0);
    EXPECT_EQ(std::string(bufor, static_cast<std::size_t>(std::max<ssize_t>(n, 0))), "talvarin: BLAD: x\n");
    for (int fd : {wyjscie[1], bledy[1]})
        ::close(fd);
}
