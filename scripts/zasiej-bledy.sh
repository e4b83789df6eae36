#!/usr/bin/env bash
# Sieje po jednym realistycznym bledzie w kodzie produkcyjnym, buduje i uruchamia testy.
# Wynik: tabela "zlapany / przeoczony" dla kazdego bledu. Kod wraca do stanu sprzed.
# Uzycie: bash scripts/zasiej-bledy.sh [katalog_budowy] [numery bledow...]
set -uo pipefail
cd "$(dirname "$0")/.."
katalog="${1:-build}"; shift || true
wybrane=("$@")
wynik="${TALVARIN_WYNIK_BLEDOW:-$katalog/zasiane-bledy.txt}"

# Kazdy blad: numer, warstwa, plik, wyrazenie perla (musi cos zmienic), opis.
bledy=()
blad() { bledy+=("$1"$'\x1f'"$2"$'\x1f'"$3"$'\x1f'"$4"$'\x1f'"$5"); }

blad 1 core core/walidacja.cpp 's/if \(blok\.poprzedniHash != poprzedni->hash\)/if (false)/' \
  "walidacja: brak sprawdzenia polaczenia z poprzednim blokiem"
blad 2 core core/walidacja.cpp 's/if \(tx\.kwota < 0\)/if (false)/' \
  "walidacja: ujemna kwota platnosci przechodzi"
blad 3 core core/walidacja.cpp 's/nagrody > 1 \|\|/nagrody > 2 ||/' \
  "walidacja: dwie nagrody w jednym bloku przechodza"
blad 4 core core/walidacja.cpp 's/if \(saldoNadawcy < 0\)/if (saldoNadawcy < -1)/' \
  "walidacja: wydanie o jedna jednostke wiecej niz saldo przechodzi"
blad 5 core core/transakcja.cpp 's/cel\.push_back\(\x27\|\x27\);\n    cel\.append\(podpis\)/cel.push_back(\x27;\x27);\n    cel.append(podpis)/' \
  "tekst kanoniczny transakcji: zly separator przed podpisem"
blad 6 core core/blok.cpp 's/    dopiszLiczbe\(bufor, czas\);\n//' \
  "tekst bloku: brak czasu w haszowanym tekscie"
blad 7 core core/blockchain.cpp 's/tx\.kwota, tx\.odbiorca == adres, tx\.nadawca == adres\)/tx.kwota, tx.odbiorca == adres, false)/' \
  "saldo: wydatki nie odejmowane"
blad 8 core core/pliki.cpp 's/const std::string tymczasowy = nazwaTymczasowa\(sciezka\);/const std::string tymczasowy = sciezka;/; s/O_CREAT \| O_EXCL/O_CREAT | O_TRUNC/' \
  "zapis w miejscu zamiast przez plik tymczasowy (nieatomowy)"
blad 9 core core/plik_lancucha.cpp 's/(WynikKopania PlikLancucha::kopIZapisz[^{]*\{\n)\s*const Blokada blokada\(mutexZapisu\);\n/$1/' \
  "kopIZapisz bez blokady zapisu lancucha"
blad 10 core core/plik_lancucha.cpp 's/std::string nowa = odlozNaBok\(sciezkaPliku\);/std::string nowa = sciezkaPliku + ".x";/' \
  "nieczytelny plik lancucha nie jest odkladany na bok"
blad 11 core core/plik_przyrostowy.cpp 's/const bool zCr = usunCrPrzedLf\(tekst\);/const bool zCr = maCrPrzedLf(tekst);/' \
  "plik lancucha z CR LF sie nie wczytuje"
blad 12 core core/klucze.cpp 's/if \(tekst\.size\(\) != 64\)/if (tekst.size() < 64)/' \
  "klucz publiczny dluzszy niz 64 znaki uznany za poprawny"
blad 13 net net/ramki.h 's/DLUGOSC_NAGLOWKA = 10;/DLUGOSC_NAGLOWKA = 8;/' \
  "naglowek ramki: 8 cyfr zamiast 10"
blad 14 net net/ramki.cpp 's/\} else if \(static_cast<std::uint64_t>\(\*dlugosc\) > opcje\.maksDlugosc\) \{/} else if (false) {/' \
  "brak limitu dlugosci odbieranej ramki"
blad 15 net net/serwer_lancucha.cpp 's/if \(d\.po < d\.przed\)/if (d.po < d.przed \&\& false)/' \
  "serwer: brak straznika salda"
blad 16 net net/serwer_lancucha.cpp 's/if \(d\.ileOtrzymany <= d\.ileMoj\)/if (d.ileOtrzymany < d.ileMoj)/' \
  "serwer: przyjmuje lancuch tej samej dlugosci"
blad 17 net net/wezly.cpp 's/(bool dodajNowyLubUzupelnij\(const std::string& plik, const Wezel& nowy\)\n\{\n)\s*std::lock_guard blokada\(mutexPlikowWezlow\);\n/$1/' \
  "pliki wezlow: dopisanie bez blokady"
blad 18 net net/wezly.cpp 's/znany\.kluczPubliczny = nowy\.kluczPubliczny;\n\s*zmiana = true;/zmiana = false;/' \
  "znany wezel nie dostaje klucza z nowego wpisu"
blad 19 net net/czy_to_ja.cpp 's/\(liczba >> 24\) == 127 \|\| //' \
  "czyToJa nie rozpoznaje petli zwrotnej 127.0.0.0/8"
blad 20 net net/obecnosc.cpp 's/\|\| id == mojeId\)/)/' \
  "obecnosc: wlasne ogloszenie dopisuje siebie"
blad 21 net net/rozgloszenie.cpp 's/\+\+wynik\.sukcesy;/;/' \
  "rozgloszenie: sukcesy nie liczone"
blad 22 portfel portfel/portfel.cpp 's/PRAWA_PORTFELA = 0600;/PRAWA_PORTFELA = 0644;/' \
  "portfel zapisany z prawami 0644"
blad 23 portfel portfel/kwota.cpp 's/ulamkowa\.size\(\) > CYFR_ULAMKA/ulamkowa.size() > CYFR_ULAMKA + 1/' \
  "kwota: dziewiec cyfr ulamka przyjete"
blad 24 portfel portfel/kwota.cpp 's/while \(cyfry\[dlugosc - 1\] == \x270\x27\)/while (false)/' \
  "kwota: zera na koncu ulamka nie obcinane"
blad 25 portfel portfel/fraza.cpp 's/tekst \+= \x27 \x27;/tekst += "  ";/' \
  "fraza: slowa laczone dwiema spacjami (inne ziarno)"
blad 26 portfel portfel/portfel.cpp 's/&& publiczny\.size\(\) == ZNAKOW_PUBLICZNEGO //' \
  "portfel: linia klucza publicznego dowolnej dlugosci"
blad 27 ui ui/zakladka_wyslij.cpp 's/if \(!ok \|\| kwota < 1\)/if (!ok || kwota < 0)/' \
  "wysylanie: kwota zero przechodzi"
blad 28 ui ui/zakladka_wyslij.cpp 's/if \(kwota > saldo\)/if (false)/' \
  "wysylanie: brak sprawdzenia salda"
blad 29 ui ui/zakladka_wyslij.cpp 's/ui->buttonWyslij->setEnabled\(!dane->kopanieWPetli\(\)\);/ui->buttonWyslij->setEnabled(true);/' \
  "wysylanie: przycisk wlaczony mimo petli kopania"
blad 30 ui ui/dane_okna.cpp 's/if \(std::exchange\(ostatniaZmianaPliku, czas\) != czas\)\n\s*odswiezWTle\(\);/ostatniaZmianaPliku = czas;/' \
  "okno: zmiana pliku lancucha nie odswieza widokow"
blad 31 ui ui/zakladka_odebrane.cpp 's/tx\.nadawca != ja && tx\.odbiorca == ja/tx.odbiorca == ja/' \
  "Odebrane: nagrody i platnosci do siebie na liscie"
blad 32 i18n i18n/Talvarin_GUI_de_DE.ts 's/<translation>Senden<\/translation>/<translation type="unfinished"><\/translation>/' \
  "katalog niemiecki: brak tlumaczenia"

blad 33 wezel wezel/wezel_bez_okna.cpp 's/            klucz = kluczPublicznyHex\(klucze\);\n        \}/            (void)klucze;\n        }/' \
  "wezel bez okna bez --kop nie uzywa istniejacego portfela"
blad 34 wezel wezel/praca_wezla.cpp 's/        wypychacz\.zlec\(\);\n//' \
  "petla kopania nie rozglasza wykopanych blokow"
blad 35 wezel wezel/wezel_bez_okna.cpp 's/    ja\.nazwa = wczytajNazweUzytkownika\(katalog\.nazwa\);\n//' \
  "wezel bez okna oglasza sie bez nazwy z nazwa_uzytkownika.txt"
blad 36 net net/ramki.cpp 's/odpowiedz = odbierzWiadomosc\(gniazdo, stop, limit, MAKS_DLUGOSC_ODPOWIEDZI\);/odpowiedz = odbierzWiadomosc(gniazdo, stop, limit);/' \
  "odpowiedz na wyslany lancuch bez limitu dlugosci"

blad 40 core core/bramka_lancucha.cpp 's/jest \|= \(znak == \x27\\r\x27\) \| /jest |= /' \
  "bramka: pole z CR przechodzi (pelny odczyt pliku zmienilby blok)"
blad 41 core core/bramka_lancucha.cpp 's/if \(pole == ZNACZNIK_BLOKU\)/if (false)/' \
  "bramka: pole rowne wierszowi znacznika bloku przechodzi"
blad 42 net net/serwer_lancucha.cpp 's/if \(const std::optional<OdmowaBramki> odmowa = sprawdzBloki\(odczyt\.bloki\)\)/if (std::optional<OdmowaBramki> odmowa; false)/' \
  "serwer: nowe bloki nie przechodza bramki"
blad 43 net net/serwer_lancucha.cpp 's/if \(const std::optional<OdmowaBramki> odmowa = sprawdzRozmiaryTekstu\(tekstLancucha\)\)/if (std::optional<OdmowaBramki> odmowa; false)/' \
  "serwer: rozmiar bloku nie sprawdzany na tekscie przed odczytem"
blad 44 core core/bramka_lancucha.cpp 's/if \(blok\.transakcje\.size\(\) > MAKS_TRANSAKCJI_W_BLOKU\)/if (false)/' \
  "bramka: blok ponad 10000 transakcji przechodzi (wlasne kopanie)"
blad 45 core core/bramka_lancucha.cpp 's/(for \(std::int64_t w = 0;[^\n]*\n[^\n]*\n[^\n]*\n)\s*if \(czytnik\.pozycja\(\) - poczatek > MAKS_TEKSTU_BLOKU\)\n[^\n]*\n/$1/' \
  "bramka: tekst bloku nie liczony po wierszach transakcji"
blad 46 core core/plik_lancucha.cpp 's/if \(const auto odmowa = sprawdzBloki\(std::span\(&blok, 1\)\)\)/if (std::optional<OdmowaBramki> odmowa; false)/' \
  "kopIZapisz zapisuje blok, ktorego bramka nie przepuszcza"
blad 47 core core/bramka_lancucha.cpp 's/\? PowodOdmowy::znakCr/? PowodOdmowy::znakLf/' \
  "bramka: CR zgloszony jako LF"
blad 60 net net/serwer_tcp.cpp 's/const bool jestMiejsce = wolneMiejsce\(\) \|\| wyprzyj\(\);/const bool jestMiejsce = wolneMiejsce();/' \
  "przy komplecie polaczen nowe nie wypiera najwolniejszego"
blad 61 net net/ramki.cpp 's/if \(opcje\.minimalneTempo && !tempoZachowane\(\)\)/if (false)/' \
  "brak minimalnego tempa odbioru zapytania"
blad 62 net net/serwer_tcp.cpp 's/return aktywne - wypierane < MAKS_POLACZEN;/return true;/' \
  "brak limitu polaczen obslugiwanych naraz"
blad 63 net net/serwer_tcp.cpp 's/znany->second >= MAKS_POLACZEN_Z_ADRESU/znany->second > MAKS_POLACZEN_Z_ADRESU/' \
  "trzy polaczenia z jednego adresu naraz"
blad 64 net net/ramki.cpp 's/if \(pamiec != nullptr && opcje\.budzet != nullptr\) \{/if (false) {/' \
  "odbierana ramka nie liczy sie do budzetu pamieci procesu"
blad 65 net net/serwer_lancucha.cpp 's/if \(!pamiec\) \{\n\s*Decyzja d = decyzja\(RodzajDecyzji::brakPamieci\);/if (false) {\n        Decyzja d = decyzja(RodzajDecyzji::brakPamieci);/' \
  "odczyt lancucha poza budzetem pamieci procesu"
blad 66 net net/wymiana_lancucha.cpp 's/return najdluzszeZapytanie\(wlasny\);/return static_cast<std::uint64_t>(MAKS_DLUGOSC_RAMKI);/' \
  "zapytanie ponad 512 MiB odrzucane mimo dlugiego wlasnego lancucha"
blad 67 net net/wymiana_lancucha.cpp 's/budzetPamieci\(\)\.ustawWlasnyLancuch\(wlasny\);//' \
  "budzet pamieci nie rosnie z wlasnym lancuchem"
blad 68 net net/ramki.cpp 's/if \(teraz >= ostatniBajt \+ opcje\.limit\)\n\s*return WynikOdbioru::Cisza;//' \
  "odbior bez limitu ciszy"
blad 69 net net/ramki.cpp 's/if \(teraz >= termin\)\n\s*return WynikOdbioru::PoTerminie;//' \
  "odbior bez terminu calej wiadomosci"
blad 70 net net/serwer_lancucha.cpp 's/if \(potrzeba <= MNOZNIK_PAMIECI_LANCUCHA \* tekstLancucha\.size\(\)\)/if (true)/' \
  "brak limitu pamieci odczytu wzgledem tekstu (8 razy)"
blad 71 net net/wymiana_lancucha.cpp 's/wezlyZTekstu\(tekstWezlow, MAKS_WEZLOW_Z_WIADOMOSCI\)/wezlyZTekstu(tekstWezlow, MAKS_WEZLOW_W_PLIKU)/' \
  "z jednej wiadomosci wiecej niz 1000 wezlow"
blad 72 net net/wezly.cpp 's/if \(wezly\.size\(\) < MAKS_WEZLOW_W_PLIKU\) \{\n(\s*)wezly\.push_back/if (true) {\n$1wezly.push_back/' \
  "scalanie list: plik wezlow ponad 10 000 wpisow"
blad 73 net net/limity_wezlow.cpp 's/if \(nazwa\.size\(\) <= MAKS_DLUGOSC_NAZWY_WEZLA\)/if (true)/' \
  "nazwa wezla dluzsza niz 64 bajty zapisywana"
blad 74 core core/pliki.cpp 's/        if \(zamazac\)\n\s*zamaz\(pelna\);\n//' \
  "pozostalosc zapisu portfela usuwana bez zamazania"

blad 85 net net/biorca.cpp 's/if \(static_cast<std::uint64_t>\(blok\.indeks\) != od \+ i \|\| !laczy\)/if (static_cast<std::uint64_t>(blok.indeks) != od + i)/' \
  "synchronizacja: kawalek, ktory sie nie laczy, przyjmowany do skladania"
blad 86 net net/lokator.cpp 's/if \(tekst\.size\(\) - poczatek > MAKS_BAJTOW_KAWALKA && przed > poczatek\)/if (false)/' \
  "synchronizacja: kawalek bez limitu 16 MiB"
blad 87 net net/decyzja_serwera.cpp 's/        return KodDecyzji::saldo;/        return KodDecyzji::odmowa;/' \
  "synchronizacja: nadawca nie slyszy, ze odmowa byla przez saldo"
blad 88 net net/wypchniecie_blokami.cpp 's/(scalListeWezlow\(odpowiedz, plikWezlow, mojPort\);\n)\s*zapamietajRodzaj\(wezel\.ip, port, RodzajWezla::stary\);\n/$1/' \
  "synchronizacja: wezel starego rodzaju dostaje oferte przy kazdym wypchnieciu"
blad 89 net net/lokator.cpp 's/wlasne\.hash\(static_cast<std::size_t>\(w\.wysokosc\)\) == w\.hash/true/' \
  "synchronizacja: lokator zgodny bez porownania hashy"
blad 90 net net/biorca.cpp 's/if \(!doKonca && kawalek\.tekst\.size\(\) < MIN_BAJTOW_KAWALKA\)/if (false)/' \
  "synchronizacja: skapy dawca nie odciety"
blad 91 wezel wezel/wezel.cpp 's/            if \(!skad\.empty\(\)\)\n                pobierzIZglos\(skad, port, CelPobrania::zwykle, stop\);\n//' \
  "wezel bez okna nie pobiera lancucha przy starcie"
blad 92 net net/obsluga_zapytania.cpp 's/(    const Decyzja decyzja = rozpatrzTekstLancucha\(kontekst, tekstLancucha\);\n)/$1    if (decyzja.rodzaj == RodzajDecyzji::przyjety) rozglosPrzyjety(kontekst);\n/' \
  "serwer rozglasza przyjety lancuch przed scaleniem listy nadawcy"
blad 93 net net/rozgloszenie.cpp 's/case WynikRozmowy::saldo: \+\+saldo;/case WynikRozmowy::saldo: ++inneOdmowy;/' \
  "rozgloszenie: odmowa przez straznik salda wezla liczona jako inna odmowa"
blad 94 net net/rozgloszenie.cpp 's/case WynikRozmowy::wyslanyCaly: \+\+stare;/case WynikRozmowy::wyslanyCaly: ++bezOdpowiedzi;/' \
  "rozgloszenie: wezel starego rodzaju liczony jako bez odpowiedzi"
blad 95 ui ui/zakladka_przeglad.cpp 's/if \(!dane->pobierzOdZnanych\(CelPobrania::przedBlokiem\)\)/if (true)/' \
  "okno: Kop blok kopie bez pobrania dluzszego lancucha sieci"
blad 96 ui ui/dane_okna.cpp 's/    dluzszy = std::max<std::int64_t>\(dluzszy, odrzuconySaldem\);\n//' \
  "okno: dluzszy lancuch odrzucony przez straznik salda nie trafia na Przeglad"
blad 97 wezel wezel/praca_wezla.cpp 's/if \(pobranie\.decyzja->rodzaj == RodzajDecyzji::saldo\)/if (false)/' \
  "pobieranie: odmowa straznika salda nie wraca do wolajacego"
blad 98 ui ui/zakladka_wyslij.cpp 's/if \(d\.zDecyzja\(\) == 0\) \{/if (true) {/' \
  "okno: wynik wysylki same liczby mimo decyzji wezlow (odmowa jako sukces)"
blad 75 net net/gniazda.cpp 's/\(void\)::setsockopt\(\*fd, SOL_SOCKET, SO_REUSEADDR, &wlacz, sizeof wlacz\);/(void)wlacz;/' \
  "nasluch bez SO_REUSEADDR: port zablokowany przez TIME_WAIT po ponownym starcie"
blad 76 net net/obsluga_zapytania.cpp 's/(    scalListeWezlow\(tekstWezlow, kontekst\.plikWezlow, kontekst\.mojPort\);\n    std::string odpowiedz = [^\n]*\n)(    if \(decyzja\.rodzaj == RodzajDecyzji::przyjety\)\n        rozglosPrzyjety\(kontekst\);\n)/$2$1/' \
  "serwer: rozgloszenie przyjetego lancucha przed scaleniem listy nadawcy"
blad 77 core core/dziennik.cpp 's/    zapiszCaly\(naWyjscieBledow\(wpis\.rodzaj\) \? bledy : wyjscie, wiersz\);/    const int fd = naWyjscieBledow(wpis.rodzaj) ? bledy : wyjscie;\n    zapiszCaly(fd, std::string_view(wiersz).substr(0, 8));\n    zapiszCaly(fd, std::string_view(wiersz).substr(8));/' \
  "dziennik: wiersz w dwoch zapisach, inne watki wchodza w jego srodek"
blad 78 ui ui/zakladka_wyslij.cpp 's/    ui->comboZnaniOdbiorcy->setCurrentIndex\(0\);\n//' \
  "wysylanie: po wyslaniu znany odbiorca dalej wybrany przy pustym kluczu"
blad 79 ui ui/zakladka_siec.cpp 's/(void komunikatWJednymWierszu\(QLabel\* komunikat\)\n\{\n)/$1    komunikat->setWordWrap(true);\n/' \
  "zakladka Siec: zawijany komunikat pola wydluza liste i przesuwa pola"
blad 80 ui ui/zakladka_siec.cpp 's/&QLineEdit::textEdited, komunikat, &QLabel::clear/&QLineEdit::editingFinished, komunikat, &QLabel::clear/' \
  "zakladka Siec: komunikat pola zostaje, gdy uzytkownik poprawia pole"
blad 81 core core/format_lancucha.cpp 's/if \(w == Wynik::zlaLiczba\)\n\s*return false;/if (w == Wynik::zlaLiczba)\n            break;/' \
  "plik lancucha ze zla liczba w srodkowym bloku wczytany w polowie"
blad 82 ui ui/mainwindow.cpp 's/QStringLiteral\("Talvarin - "\) \+ nazwa\)/QStringLiteral("Talvarin ") + nazwa)/' \
  "tytul okna bez myslnika przed nazwa uzytkownika"
blad 83 app app/start/start.cpp 's/    return QCoreApplication::installTranslator\(&tlumacz\);\n/    return true;\n/' \
  "start: katalog jezyka wczytany, ale nie zainstalowany (okno po polsku)"
blad 84 net net/gniazda.cpp 's/SOL_SOCKET, SO_REUSEADDR, &wlacz/SOL_SOCKET, SO_REUSEPORT, \&wlacz/' \
  "nasluch z SO_REUSEPORT: drugi program nasluchuje na tym samym porcie"
blad 50 net net/wypychanie.cpp 's/limitNiepewnych = watki\.size\(\) > WATKOW_DLA_DOBRYCH \? watki\.size\(\) - WATKOW_DLA_DOBRYCH : 1;/limitNiepewnych = watki.size();/' \
  "wypychanie: martwe i nowe wpisy zajmuja wszystkie watki, dobry wezel czeka"
blad 51 net net/wypychanie.cpp 's/if \(ocena\.stan == StanWezla::zawodzi && ocena\.wolnoOd > teraz\)/if (false)/' \
  "wypychanie: wezel w przerwie po porazce probowany przy kazdym bloku"
blad 52 net net/wypychanie.cpp 's/cel\.kolejnosc > najlepszy->kolejnosc/cel.kolejnosc < najlepszy->kolejnosc/' \
  "wypychanie: pozniej poznany wezel czeka za wszystkimi wczesniejszymi"
blad 53 net net/wypychanie.cpp 's/cel\.wyslanaWersja = std::max\(cel\.wyslanaWersja, wersja\);/++cel.wyslanaWersja;/' \
  "wypychanie: kazde zlecenie osobnym wypchnieciem (bez laczenia)"
blad 54 net net/wypychanie.cpp 's/const Chwila termin = koniec - CZAS_NA_PRZERWANIE;/const Chwila termin = ZegarWezlow::now();/' \
  "wypychanie: wyjscie przerywa od razu, zapisany blok nie dociera"
blad 55 net net/gniazda.cpp 's/if \(!stop\.stop_requested\(\)\)\n\s*dziennik\.zglos\(\{\.rodzaj = RodzajWpisu::limitPolaczenia/dziennik.zglos({.rodzaj = RodzajWpisu::limitPolaczenia/' \
  "zatrzymanie opisane jako przekroczenie czasu polaczenia (wezel offline?)"
blad 56 portfel portfel/portfel.cpp 's/&& \(info\.st_mode & 077\) != 0 && ::fchmod\(\*fd, PRAWA_PORTFELA\) == 0/\&\& false/' \
  "portfel czytelny dla innych zostaje bez zmiany praw i bez ostrzezenia"
blad 57 net net/zdrowie_wezlow.cpp 's/if \(wpis\.porazki == 0\)\n\s*wpis\.zawodziOd = teraz;/wpis.zawodziOd = teraz;/' \
  "pelny plik wezlow: wymieniany wpis z najswiezsza porazka zamiast zawodzacego najdluzej"
blad 58 wezel wezel/blokada_folderu.cpp 's/if \(::flock\(\*fd, LOCK_EX \| LOCK_NB\) != 0\)/if (false)/' \
  "dwa procesy na jednym folderze danych"
blad 59 net net/obecnosc.cpp 's/\(ostatniZapis && teraz - \*ostatniZapis < OKRES_ZAPISU_OBECNOSCI\)/false/' \
  "obecnosc: kazdy datagram przepisuje plik wezlow"

blad 100 net net/udp.cpp 's/    if \(n <= 0 \|\| static_cast<std::size_t>\(n\) > MAKS_DLUGOSC_DATAGRAMU\)/    if (n <= 0)/' \
  "za dlugi datagram obecnosci przyjety (uciety)"
blad 101 core core/pliki.cpp 's/    if \(::fstat\(\*fd, &info\) != 0 \|\| !S_ISREG\(info\.st_mode\)\) \{/    if (::fstat(*fd, &info) != 0) {/' \
  "FIFO w miejscu pliku czytane jak zwykly plik"
blad 102 core core/pliki.cpp 's/        if \(::unlink\(pelna\.c_str\(\)\) == 0\)\n            \+\+usuniete;/        ++usuniete;/' \
  "pozostalosci przerwanych zapisow nie usuwane przy starcie"
blad 103 portfel portfel/portfel.cpp 's/        const std::string nowa = odlozNaBok\(sciezka\);/        const std::string nowa = sciezka + ".x";/' \
  "nieczytelny portfel nie jest odkladany na bok"
blad 104 net net/ramki.cpp 's/    const auto termin = terminWiadomosci\(Zegar::now\(\), limit, naglowek\.size\(\) \+ dlugosc\);/    const auto termin = Zegar::time_point::max();/' \
  "wysylka bez terminu calej wiadomosci"
blad 105 wezel wezel/katalog_danych.cpp 's/    \(void\)usunPozostalosciZapisow\(katalog\.lancuch\);\n//' \
  "start nie sprzata pozostalosci zapisu lancucha"
blad 110 core core/deskryptor.cpp 's/: fd\(std::exchange\(inny\.fd, -1\)\) \{\}/: fd(inny.fd) {}/' \
  "przeniesiony deskryptor zamyka tez zrodlo (drugie zamkniecie)"
blad 111 core core/deskryptor.cpp 's/        \(void\)zamknij\(\);\n        fd = std::exchange/        fd = std::exchange/' \
  "przypisanie deskryptora nie zamyka poprzedniego (wyciek)"
blad 112 core core/deskryptor.cpp 's/(const auto wynik = wywolanie\(\);\n)\s*if \(wynik < 0 && errno == EINTR\)\n\s*continue;\n/$1/' \
  "odczyt i zapis przerwane sygnalem koncza sie bledem"
blad 113 core core/deskryptor.cpp 's/        \/\/ Sygnal w trakcie[^\n]*\n        if \(wynik < 0 && errno == EINTR\)\n            continue;\n//' \
  "czekanie na deskryptor przerwane sygnalem konczy sie bledem"
blad 114 net net/gniazda.cpp 's/const bool odcinkami = stop\.stop_possible\(\);/const bool odcinkami = false;/' \
  "czekanie na gniazdo nie pyta o zatrzymanie (jeden poll na caly limit)"
blad 115 net net/wypychanie.cpp 's/ustawienia\.mojPort, stop,\n/ustawienia.mojPort, {},\n/' \
  "wypychacz nie przekazuje zatrzymania do wypchniecia"
blad 116 net net/serwer_tcp.cpp 's/        const std::stop_callback lacznik\(stop, \[&p\] \{ p\.koniec\.request_stop\(\); \}\);\n//' \
  "zatrzymanie petli serwera nie konczy czekania przyjetego polaczenia"
blad 117 net net/rozgloszenie.cpp 's/wypchnijDoWezla\(dziennik, zrodlo, cele\[i\], plikWezlow, mojPort, stop,/wypchnijDoWezla(dziennik, zrodlo, cele[i], plikWezlow, mojPort, {},/' \
  "watki rozgloszenia nie dostaja zatrzymania wolajacego"
blad 118 net net/port.h 's/port <= 65535/port <= 99999/' \
  "port ponad 65535 przyjety (obciety po cichu do innego)"
blad 119 core core/znaki.h 's/z <= \x27\\r\x27\)/z <= \x27\\n\x27)/' \
  "\\v, \\f i \\r nie sa bialymi znakami"
blad 120 ui ui/widoki_lancucha.cpp 's/klucz\.left\(8\) \+ QStringLiteral\("\.\.\."\) \+ klucz\.right\(8\)/klucz.left(8) + QStringLiteral("...") + klucz.right(6)/' \
  "skrot klucza w etykietach bez dwoch ostatnich znakow"
blad 180 core core/segment_blokow.cpp 's/return \(z >= \x270\x27 && z <= \x279\x27\) \|\| \(z >= \x27a\x27 && z <= \x27f\x27\);/return (z >= \x270\x27 \&\& z <= \x279\x27) || (z >= \x27a\x27 \&\& z <= \x27f\x27) || (z >= \x27A\x27 \&\& z <= \x27F\x27);/' \
  "zwarty lancuch: hex wielkimi literami zapamietany jako bajty (traci wielkosc liter)"
blad 181 core core/segment_blokow.cpp 's/        numeryTekstow\.emplace\(std::string_view\(teksty\[i\]\), static_cast<std::uint32_t>\(i\)\);/        (void)i;/' \
  "zwarty lancuch: kopia bez indeksu tekstow (ten sam adres dostaje drugi numer)"
blad 183 core core/format_lancucha.cpp 's/\*zuzyte = ostatni \? czytnik\.pozycja\(\) : poczatek;/*zuzyte = czytnik.pozycja();/' \
  "odczyt kawalkami: niepelny blok na koncu kawalka przepada"
blad 184 core core/odczyt_kawalkami.cpp 's/bufor\.empty\(\) \? 0 : bufor\.size\(\) - 1;/bufor.size();/' \
  "odczyt kawalkami: CR LF na granicy kawalkow niezauwazony"
blad 185 core core/segment_blokow.cpp 's/poprzedniHash = i > 0 \? hash\(i - 1\) : poprzedni;/poprzedniHash = i > 0 ? hash(i) : poprzedni;/' \
  "zwarty lancuch: poprzedni hash odtwarzany z wlasnego hasha bloku"
blad 186 core core/lancuch_blokow.cpp 's/pelne\[nr - 1\]->hash\(BLOKOW_W_SEGMENCIE - 1\)/pelne[nr - 1]->hash(0)/' \
  "zwarty lancuch: poprzedni hash pierwszego bloku segmentu z niewlasciwego bloku"
blad 187 core core/lancuch_blokow.cpp 's/nr <= pelne\.size\(\); \+\+nr\)/nr < pelne.size(); ++nr)/' \
  "zwarty lancuch: saldo bez ostatniego, niepelnego segmentu"
blad 188 core core/plik_lancucha.cpp 's/\n        \|\| !plikTakiJakStan\(stan\.plik\)\)/)/' \
  "lancuch procesu: stan innego watku przejety, choc plik zmienil sie od tamtej pory"
blad 189 core core/blockchain.cpp 's/    trudnosc = stary\.trudnosc;\n//' \
  "lancuch procesu: przejecie kopii zmienia trudnosc watku"
blad 190 core core/blockchain.cpp 's/    if \(lepszy\(stary\.walidacja\.punkt, walidacja\.punkt\)\)\n        walidacja = std::move\(stary\.walidacja\);\n//' \
  "lancuch procesu: przejecie kopii gubi dalej siegajace salda walidacji"

# Obiekt wezla (wezel/wezel.cpp), folder danych jako wartosc i okno na wezle.
blad 150 wezel wezel/wezel.cpp 's/    for \(WatekWezla& watek : prace\)\n        watek\.zatrzymaj\(\);\n//' \
  "wezel: zatrzymanie nie przerywa krotkich prac (zamkniecie czeka na zawieszone rozgloszenie)"
blad 151 wezel wezel/katalog_danych.cpp 's/return folder == "\." \? std::string\(nazwa\) : folder \+ "\/" \+ nazwa;/return std::string(nazwa);/' \
  "folder danych: sciezki plikow bez folderu (pliki w biezacym folderze procesu)"
blad 152 wezel wezel/wezel.cpp 's/            pobranoNaStarcie = true;\n        \}\)\)/        }))/' \
  "wezel: koniec pobrania startowego nie zgloszony, petla kopania czeka bez konca"
blad 153 wezel wezel/wezel.cpp 's/obserwator\.rozgloszono\(rozglosLancuch\(dziennik, kopia, pliki\.wezly, port, stop\), cel\);/obserwator.rozgloszono(rozglosLancuch(dziennik, kopia, pliki.wezly, port, stop), CelRozgloszenia::reczne);/' \
  "wezel: wynik rozgloszenia wraca z innym celem (przycisk Kop blok zostaje wylaczony)"
blad 154 wezel wezel/wezel.cpp 's/        if \(!zapisano\)\n            obserwator\.zapisNieudany\(\);\n//' \
  "wezel: petla stanela po nieudanym zapisie, a okno o tym nie wie"
blad 155 wezel wezel/watek_wezla.cpp 's/            skonczony = true;\n//' \
  "watek wezla nie mowi, ze skonczyl (zatrzymanie z terminem czeka do konca i uznaje watki za zawieszone)"
blad 156 ui ui/dane_okna.cpp 's/if \(!petlaDziala && !nasluchAktywny\)/if (!nasluchAktywny)/' \
  "okno: zegar pliku stoi podczas petli kopania bez nasluchu"
blad 157 ui ui/most_wezla.h 's/cel == CelPobrania::przedBlokiem/false/' \
  "okno: po pobraniu przed blokiem blok nie jest kopany"
blad 158 wezel wezel/wezel.cpp 's/obserwator\.nasluchGotowy\(port, sukces\);/obserwator.nasluchGotowy(port, true);/' \
  "wezel: zajety port zgloszony jako otwarty nasluch"

blad 130 core core/dziennik.cpp 's/return rodzaj == RodzajWpisu::bladProgramu;/return false;/' \
  "dziennik: blad startu na standardowe wyjscie zamiast na wyjscie bledow"
blad 131 core core/dziennik.cpp 's/    std::erase_if\(subskrybenci, [^\n]*\n//' \
  "dziennik: odsubskrybowany obserwator dalej dostaje wpisy"
blad 132 core core/dziennik.cpp 's/        s\.obserwator\(wpis\);/        (void)s;/' \
  "dziennik: obserwatorzy nie dostaja wpisow (zakladka Dziennik pusta)"
blad 133 core core/walidacja.cpp 's/return BladBloku\{RegulaBloku::hash, blok\.indeks\};/return BladBloku{RegulaBloku::hash, blok.indeks - 1};/' \
  "walidacja: blok niezgodny z hashem zgloszony z numerem poprzedniego"
blad 134 core core/walidacja.cpp 's/if \(nagrody > 1 \|\| tx\.kwota != NAGRODA_ZA_BLOK\)\n(\s*)return RegulaBloku::nagroda;/if (nagrody > 1 || tx.kwota != NAGRODA_ZA_BLOK)\n$1return RegulaBloku::saldo;/' \
  "walidacja: druga albo zla nagroda zgloszona jako zle saldo"
blad 135 net net/decyzja_serwera.cpp 's/    if \(d\.bladBloku\)\n\s*dziennik\.zglos\(wpisBledu\(\*d\.bladBloku\)\);\n//' \
  "serwer: odmowa niepoprawnego lancucha bez wiersza o zlym bloku"
blad 136 net net/decyzja_serwera.cpp 's/\.przed = d\.przed, \.po = d\.po/.przed = d.po, .po = d.przed/' \
  "serwer: odmowa straznika salda z zamienionymi kwotami"
blad 137 core core/plik_lancucha.cpp 's/return \{StanPrzedZapisem::odlozony, sciezkaPliku, std::move\(nowa\)\};/return {StanPrzedZapisem::odlozony, sciezkaPliku, {}};/' \
  "odlozony plik lancucha bez nowej nazwy w wierszu"
blad 138 core core/wpisy_lancucha.cpp 's/    if \(wynik\.wykopano\)\n/    if (false)\n/' \
  "kopanie bez wiersza o wykopanym bloku"
blad 139 ui ui/tekst_wpisu.cpp 's/\.arg\(kwota\(p\.przed\), kwota\(p\.po\)\)/.arg(QString::number(p.przed), QString::number(p.po))/' \
  "zakladka Dziennik: kwoty w jednostkach zamiast TLV"
blad 140 ui ui/tekst_wpisu.cpp 's/    case RodzajWpisu::lancuchZmniejszaSaldo: return TEKST_ODMOWA_SALDO;\n//' \
  "odmowa straznika salda nie pokazana w statusie zakladki Siec"
blad 141 ui ui/tekst_wpisu.cpp 's/return QCoreApplication::translate\("Dziennik", tekst\);/return QString::fromLatin1(tekst);/' \
  "zakladka Dziennik po polsku w oknie w innym jezyku"
blad 142 core core/dziennik.cpp 's/<< std::oct << std::setw\(4\)/<< std::setw(4)/' \
  "wiersz o prawach portfela z prawami dziesietnie zamiast osemkowo"
blad 143 core core/plik_lancucha.cpp 's/    wynik\.hash = blok\.hash;\n//' \
  "wiersz kopania bez hasha wykopanego bloku"
blad 191 core core/segment_blokow.cpp 's/zt\.odbiorca == szukane, zt\.nadawca == szukane\)/zt.odbiorca == szukane, false)/' \
  "zwarty lancuch: saldo adresu bez jego wydatkow"
blad 192 core core/segment_blokow.cpp 's/        nadawca = odejmijNasycajac\(nadawca, zt\.kwota\);/        nadawca = dodajNasycajac(nadawca, zt.kwota);/' \
  "zwarty lancuch: salda wszystkich adresow licza wydatek jak wplyw"
blad 193 core core/blok.cpp 's/if \(nonce % PROB_MIEDZY_SPRAWDZENIAMI == 0 && stop\.stop_requested\(\)\)/if (false \&\& stop.stop_requested())/' \
  "kopanie nie sprawdza zatrzymania (wyjscie czeka na trudny blok)"
blad 200 ui ui/przyciski.cpp 's/    przycisk->setEnabled\(false\);\n//' \
  "przycisk zajety trwajaca czynnoscia (kopanie, rozgloszenie, zatrzymywanie) da sie kliknac"
blad 201 ui ui/zakladka_siec.cpp 's/    lista->clear\(\);\n//' \
  "lista wezlow albo seedow dopisuje wpisy pliku do starych zamiast pokazac je od nowa"
blad 202 ui ui/zakladka_siec.cpp 's/    komunikat->clear\(\);\n//' \
  "po udanym dodaniu wezla zostaje komunikat o bledzie z poprzedniej proby"
blad 203 ui ui/mainwindow.cpp 's/(    zakladkaDziennik = new ZakladkaDziennik[^\n]*\n)(    daneOkna = new DaneOkna[^\n]*\n)/$2$1/' \
  "wpisy z otwarcia portfela (odlozony na bok) nie trafiaja do zakladki Dziennik"
blad 204 net net/wezly.cpp 's/    \(void\)zapiszAtomowo\(plik, wezlyDoTekstu\(wezly\)\);/    (void)::unlink(plik.c_str());\n    (void)zapiszAtomowo(plik, wezlyDoTekstu(wezly));/' \
  "zapis listy wezlow najpierw usuwa plik: FIFO w miejscu listy podmienione plikiem"

przywroc() { [ -n "${kopia:-}" ] && cp "$kopia" "$plik" && rm -f "$kopia"; kopia=; }
trap przywroc EXIT INT TERM

: > "$wynik"
printf '%-3s %-5s %-9s %s\n' nr warstwa wynik opis | tee -a "$wynik"
for wpis in "${bledy[@]}"; do
  IFS=$'\x1f' read -r nr warstwa plik wyrazenie opis <<< "$wpis"
  if [ ${#wybrane[@]} -gt 0 ] && [[ ! " ${wybrane[*]} " =~ " $nr " ]]; then continue; fi
  kopia="$(mktemp)"; cp "$plik" "$kopia"
  perl -0pi -e "$wyrazenie" "$plik"
  if cmp -s "$plik" "$kopia"; then
    stan=NIE-PASUJE
  elif ! cmake --build "$katalog" > "$katalog/zasiew-$nr.log" 2>&1; then
    stan=NIE-BUDUJE
  elif bash scripts/ctest-izolowany.sh "$katalog" --stop-on-failure >> "$katalog/zasiew-$nr.log" 2>&1; then
    stan=PRZEOCZONY
  else
    stan=ZLAPANY
  fi
  przywroc
  printf '%-3s %-5s %-9s %s\n' "$nr" "$warstwa" "$stan" "$opis" | tee -a "$wynik"
done
cmake --build "$katalog" > /dev/null 2>&1 || true
