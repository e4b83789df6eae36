#pragma once
// Komunikaty okna wypisywane przez sloty zakladek (kontekst tlumaczenia "MainWindow").
// Stale widziane przez lupdate; w kodzie zawsze przez trOkna(STALA) albo MainWindow::tr(STALA).

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

// Zakladki to osobne klasy, ale ich teksty zostaja w kontekscie okna (katalogi tlumaczen).
[[nodiscard]] inline QString trOkna(const char* tekst)
{
    return QCoreApplication::translate("MainWindow", tekst);
}

// Napisy przyciskow i statusow przywracane z kodu (te same co w formularzu).
inline constexpr const char* TEKST_KOP_BLOK = QT_TRANSLATE_NOOP("MainWindow", "Kop blok");
inline constexpr const char* TEKST_KOP_W_PETLI = QT_TRANSLATE_NOOP("MainWindow", "Kop w petli");
inline constexpr const char* TEKST_NIEAKTYWNE = QT_TRANSLATE_NOOP("MainWindow", "Nieaktywne.");
inline constexpr const char* TEKST_NIEAKTYWNY = QT_TRANSLATE_NOOP("MainWindow", "Nieaktywny.");
inline constexpr const char* TEKST_ODSWIEZ = QT_TRANSLATE_NOOP("MainWindow", "Odswiez");
inline constexpr const char* TEKST_NASLUCHUJ = QT_TRANSLATE_NOOP("MainWindow", "Nasluchuj");
inline constexpr const char* TEKST_ROZGLOS_TERAZ = QT_TRANSLATE_NOOP("MainWindow", "Rozglos teraz");
inline constexpr const char* TEKST_KOPIUJ_KLUCZ = QT_TRANSLATE_NOOP("MainWindow", "Kopiuj klucz");
inline constexpr const char* TEKST_PRZYKLAD_KWOTY = QT_TRANSLATE_NOOP("MainWindow", "np. 12.5");

// Przeglad i kopanie.
inline constexpr const char* TEKST_SKOPIOWANO = QT_TRANSLATE_NOOP("MainWindow", "Skopiowano!");
inline constexpr const char* TEKST_ODSWIEZONO = QT_TRANSLATE_NOOP("MainWindow", "Odswiezono!");
inline constexpr const char* TEKST_KOPANIE = QT_TRANSLATE_NOOP("MainWindow", "Kopanie...");
inline constexpr const char* TEKST_ROZGLASZANIE = QT_TRANSLATE_NOOP("MainWindow", "Rozglaszanie...");
inline constexpr const char* TEKST_ZATRZYMAJ_KOPANIE = QT_TRANSLATE_NOOP("MainWindow", "Zatrzymaj kopanie");
inline constexpr const char* TEKST_ZATRZYMYWANIE = QT_TRANSLATE_NOOP("MainWindow", "Zatrzymywanie...");
inline constexpr const char* TEKST_KOPANIE_AKTYWNE = QT_TRANSLATE_NOOP("MainWindow", "Aktywne kopanie w petli. Wykopano: %1 blokow w tej sesji.");
inline constexpr const char* TEKST_WYLACZONE_PODCZAS_PETLI = QT_TRANSLATE_NOOP("MainWindow", "Wylaczone podczas 'Kop w petli' - dwa watki nie moga naraz zapisywac\nlancucha, zeby nic nie zgubic. Zatrzymaj kopanie w petli, zeby odblokowac.");
inline constexpr const char* TEKST_KLUCZ = QT_TRANSLATE_NOOP("MainWindow", "Twoj klucz publiczny:\n");
inline constexpr const char* TEKST_KLUCZ_PODPOWIEDZ = QT_TRANSLATE_NOOP("MainWindow", "To klucz publiczny - mozna go bezpiecznie udostepniac.");
inline constexpr const char* TEKST_SALDO = QT_TRANSLATE_NOOP("MainWindow", "Saldo: %1 %2");
inline constexpr const char* TEKST_BLOK_NIE_ZAPISANY = QT_TRANSLATE_NOOP("MainWindow", "BLAD: nie udalo sie zapisac pliku blockchain.dat - nowy blok nie zostal dodany.");
inline constexpr const char* TEKST_POBIERANIE = QT_TRANSLATE_NOOP("MainWindow", "Pobieranie lancucha...");
inline constexpr const char* TEKST_SIEC_DLUZSZA = QT_TRANSLATE_NOOP("MainWindow", "Siec ma dluzszy lancuch (%1 blokow), ktorego nie przyjmujesz: zmniejszylby Twoje saldo. Wiecej w README, w rozdziale \"Which chain wins\".");
inline constexpr const char* TEKST_WYSOKOSC = QT_TRANSLATE_NOOP("MainWindow", "Wysokosc lancucha: %1 blokow (lokalnie)");

// Portfel dostepny dla innych.
inline constexpr const char* TEKST_PORTFEL_TYTUL = QT_TRANSLATE_NOOP("MainWindow", "Portfel");
inline constexpr const char* TEKST_PRAWA_PORTFELA = QT_TRANSLATE_NOOP("MainWindow", "Plik portfela moj_portfel.dat mogli czytac inni uzytkownicy tego komputera. Ustawiono mu prawa 0600 (tylko Ty). Jesli ktos mogl go skopiowac, przenies monety na nowy portfel.");

// Wysylanie.
inline constexpr const char* TEKST_WKLEJ_RECZNIE = QT_TRANSLATE_NOOP("MainWindow", "-- wklej recznie ponizej --");
inline constexpr const char* TEKST_ZLY_KLUCZ = QT_TRANSLATE_NOOP("MainWindow", "Niepoprawny format klucza publicznego odbiorcy.");
inline constexpr const char* TEKST_ZLA_KWOTA = QT_TRANSLATE_NOOP("MainWindow", "Niepoprawna kwota (np. 12.5, max 8 miejsc po przecinku).");
inline constexpr const char* TEKST_ZA_MALO_SRODKOW = QT_TRANSLATE_NOOP("MainWindow", "Za malo srodkow - masz %1 %2.");
inline constexpr const char* TEKST_POTWIERDZ_TYTUL = QT_TRANSLATE_NOOP("MainWindow", "Potwierdz wyslanie");
inline constexpr const char* TEKST_POTWIERDZ_PYTANIE = QT_TRANSLATE_NOOP("MainWindow", "Na pewno wyslac %1 %2 do %3?\n\nTransakcji w blockchainie NIE da sie cofnac.");
inline constexpr const char* TEKST_WYSLANIE_NIE_ZAPISANE = QT_TRANSLATE_NOOP("MainWindow", "BLAD: nie udalo sie zapisac pliku blockchain.dat - transakcja NIE zostala wyslana.");
inline constexpr const char* TEKST_WYSLANO_ROZGLASZANIE = QT_TRANSLATE_NOOP("MainWindow", "Transakcja zapisana lokalnie. Rozglaszanie do sieci...");
inline constexpr const char* TEKST_WYSLANO_BEZ_WEZLOW = QT_TRANSLATE_NOOP("MainWindow", "Transakcja zapisana lokalnie. Brak znanych wezlow - dodaj wezel w zakladce Siec, zeby odbiorca ja zobaczyl.");
inline constexpr const char* TEKST_WYSLANO_ROZGLOSZONO = QT_TRANSLATE_NOOP("MainWindow", "Transakcja wyslana i zapisana. Rozgloszono do %1/%2 wezlow.");
inline constexpr const char* TEKST_WYSLANO_NIKT_NIE_PRZYJAL = QT_TRANSLATE_NOOP("MainWindow", "Transakcja zapisana lokalnie, ale rozgloszenie NIE powiodlo sie do zadnego z %1 znanych wezlow (offline?). Sprobuj \"Rozglos teraz\" w zakladce Siec.");
// Decyzje wezli o wyslanym lancuchu, skladane w jeden komunikat.
inline constexpr const char* TEKST_TRANSAKCJA_U_WEZLOW = QT_TRANSLATE_NOOP("MainWindow", "Transakcja wyslana i zapisana.");
inline constexpr const char* TEKST_TRANSAKCJA_TYLKO_LOKALNIE = QT_TRANSLATE_NOOP("MainWindow", "Transakcja zapisana lokalnie.");
inline constexpr const char* TEKST_PRZYJETO_U = QT_TRANSLATE_NOOP("MainWindow", "Przyjeto u %1 z %2 wezlow");
inline constexpr const char* TEKST_JUZ_MIAL = QT_TRANSLATE_NOOP("MainWindow", "%1 juz go mial");
inline constexpr const char* TEKST_STARY_BEZ_DECYZJI = QT_TRANSLATE_NOOP("MainWindow", "%1 starszej wersji dostal lancuch, ale nie mowi, czy go przyjal");
inline constexpr const char* TEKST_ODRZUCIL_SALDO = QT_TRANSLATE_NOOP("MainWindow", "%1 odrzucil: zmniejszyloby jego saldo");
inline constexpr const char* TEKST_ODRZUCIL_NIE_DLUZSZY = QT_TRANSLATE_NOOP("MainWindow", "%1 odrzucil: ma lancuch nie krotszy");
inline constexpr const char* TEKST_ODRZUCIL_NIEPOPRAWNY = QT_TRANSLATE_NOOP("MainWindow", "%1 odrzucil: uznal lancuch za niepoprawny");
inline constexpr const char* TEKST_ODRZUCIL_INNE = QT_TRANSLATE_NOOP("MainWindow", "%1 odrzucil z innego powodu");
inline constexpr const char* TEKST_BEZ_ODPOWIEDZI = QT_TRANSLATE_NOOP("MainWindow", "%1 nie odpowiedzial (offline?)");
inline constexpr const char* TEKST_WYSYLANIE_WYLACZONE = QT_TRANSLATE_NOOP("MainWindow", "Wysylanie wylaczone dopoki trwa 'Kop w petli' (zakladka Przeglad) - zatrzymaj je najpierw.");

// Lancuch i odebrane.
inline constexpr const char* TEKST_BLOK_GENEZA = QT_TRANSLATE_NOOP("MainWindow", "Blok #%1: %2");
inline constexpr const char* TEKST_BLOK_MOJA_NAGRODA = QT_TRANSLATE_NOOP("MainWindow", "Blok #%1: NAGRODA ZA KOPANIE  +%2");
inline constexpr const char* TEKST_BLOK_CUDZA_NAGRODA = QT_TRANSLATE_NOOP("MainWindow", "Blok #%1: nagroda dla %2  +%3");
inline constexpr const char* TEKST_BLOK_DO_SIEBIE = QT_TRANSLATE_NOOP("MainWindow", "Blok #%1: WYSLANO DO SIEBIE  %2");
inline constexpr const char* TEKST_BLOK_WYSLANO = QT_TRANSLATE_NOOP("MainWindow", "Blok #%1: WYSLANO do %2  -%3");
inline constexpr const char* TEKST_BLOK_OTRZYMANO = QT_TRANSLATE_NOOP("MainWindow", "Blok #%1: OTRZYMANO od %2  +%3");
inline constexpr const char* TEKST_BLOK_OBCY = QT_TRANSLATE_NOOP("MainWindow", "Blok #%1: %2 -> %3  %4");
inline constexpr const char* TEKST_ODEBRANE_OD = QT_TRANSLATE_NOOP("MainWindow", "Blok #%1: od %2  +%3");
inline constexpr const char* TEKST_NIC_NIE_ODEBRANO = QT_TRANSLATE_NOOP("MainWindow", "Jeszcze nikt Ci nic nie wyslal.");

// Siec.
inline constexpr const char* TEKST_ZLY_PORT = QT_TRANSLATE_NOOP("MainWindow", "Niepoprawny port - podaj liczbe od 1 do 65535.");
inline constexpr const char* TEKST_ZLY_ADRES_IP = QT_TRANSLATE_NOOP("MainWindow", "Niepoprawny adres IP - wpisz adres IPv4, np. 192.168.1.20.");
inline constexpr const char* TEKST_URUCHAMIANIE_NASLUCHU = QT_TRANSLATE_NOOP("MainWindow", "Uruchamianie nasluchu na porcie %1...");
inline constexpr const char* TEKST_NASLUCH_AKTYWNY = QT_TRANSLATE_NOOP("MainWindow", "Nasluch aktywny na porcie %1.");
inline constexpr const char* TEKST_NASLUCH_BLAD = QT_TRANSLATE_NOOP("MainWindow", "BLAD: nie udalo sie nasluchiwac na porcie %1 (port juz zajety?).");
inline constexpr const char* TEKST_ZATRZYMAJ_NASLUCH = QT_TRANSLATE_NOOP("MainWindow", "Zatrzymaj nasluch");
inline constexpr const char* TEKST_WYKRYTO_WEZEL = QT_TRANSLATE_NOOP("MainWindow", "Wykryto nowy wezel w sieci: %1:%2");
inline constexpr const char* TEKST_ROZGLOSZONO = QT_TRANSLATE_NOOP("MainWindow", "Rozgloszono: %1/%2");
inline constexpr const char* TEKST_POBIERAM_LANCUCH = QT_TRANSLATE_NOOP("MainWindow", "Pobieram lancuch od %1: %2 z %3 blokow");
inline constexpr const char* TEKST_BRAK_WEZLOW = QT_TRANSLATE_NOOP("MainWindow", "Brak znanych wezlow!");

// Dziennik i odmowy serwera pokazywane w statusie zakladki Siec.
inline constexpr const char* TEKST_DZIENNIK = QT_TRANSLATE_NOOP("MainWindow", "Dziennik");
inline constexpr const char* TEKST_WYCZYSC = QT_TRANSLATE_NOOP("MainWindow", "Wyczysc");
inline constexpr const char* TEKST_ODMOWA_NIE_DLUZSZY = QT_TRANSLATE_NOOP("MainWindow", "Inny wezel przyslal lancuch nie dluzszy niz Twoj - zostajesz przy swoim.");
inline constexpr const char* TEKST_ODMOWA_SALDO = QT_TRANSLATE_NOOP("MainWindow", "Odrzucono dluzszy lancuch innego wezla: zmniejszylby Twoje saldo.");
inline constexpr const char* TEKST_ODMOWA_NIEPOPRAWNY = QT_TRANSLATE_NOOP("MainWindow", "Odrzucono niepoprawny lancuch innego wezla.");
inline constexpr const char* TEKST_ODMOWA_NIE_LANCUCH = QT_TRANSLATE_NOOP("MainWindow", "Odrzucono dane innego wezla - to nie jest lancuch.");
inline constexpr const char* TEKST_ODMOWA_NIE_ODEBRANO = QT_TRANSLATE_NOOP("MainWindow", "Nie udalo sie odebrac lancucha od innego wezla.");
inline constexpr const char* TEKST_ODMOWA_ZAPIS = QT_TRANSLATE_NOOP("MainWindow", "Odrzucono lancuch innego wezla - nie mozna bezpiecznie zapisac pliku lancucha.");
inline constexpr const char* TEKST_ODMOWA_ZA_DUZY = QT_TRANSLATE_NOOP("MainWindow", "Odrzucono lancuch innego wezla - jest za duzy.");
