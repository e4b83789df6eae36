<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="pl_PL">
<context>
    <name>MainWindow</name>
    <message>
        <source>Talvarin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Przeglad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portfel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twoj klucz publiczny: -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopiuj klucz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saldo: -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wysokosc lancucha: -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopanie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kop blok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odswiez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kop w petli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nieaktywne.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wyslij</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nowa transakcja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Znany odbiorca:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Klucz publiczny odbiorcy:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kwota:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odebrane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otrzymane od innych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lancuch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bloki</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Siec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nasluchiwanie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moj port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1700</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nasluchuj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nieaktywny.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Znane wezly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usun wybrany wezel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozglos teraz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dodaj wezel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adres IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seedy (stale punkty startowe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dodaj seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usun wybrany seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>np. 12.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skopiowano!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odswiezono!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopanie...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozglaszanie...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zatrzymaj kopanie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zatrzymywanie...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktywne kopanie w petli. Wykopano: %1 blokow w tej sesji.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wylaczone podczas &apos;Kop w petli&apos; - dwa watki nie moga naraz zapisywac
lancucha, zeby nic nie zgubic. Zatrzymaj kopanie w petli, zeby odblokowac.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twoj klucz publiczny:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To klucz publiczny - mozna go bezpiecznie udostepniac.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saldo: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wysokosc lancucha: %1 blokow (lokalnie)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-- wklej recznie ponizej --</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niepoprawny format klucza publicznego odbiorcy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niepoprawna kwota (np. 12.5, max 8 miejsc po przecinku).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Za malo srodkow - masz %1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potwierdz wyslanie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na pewno wyslac %1 %2 do %3?

Transakcji w blockchainie NIE da sie cofnac.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie. Rozglaszanie do sieci...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie. Brak znanych wezlow - dodaj wezel w zakladce Siec, zeby odbiorca ja zobaczyl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transakcja wyslana i zapisana. Rozgloszono do %1/%2 wezlow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie, ale rozgloszenie NIE powiodlo sie do zadnego z %1 znanych wezlow (offline?). Sprobuj &quot;Rozglos teraz&quot; w zakladce Siec.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wysylanie wylaczone dopoki trwa &apos;Kop w petli&apos; (zakladka Przeglad) - zatrzymaj je najpierw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1: NAGRODA ZA KOPANIE  +%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1: nagroda dla %2  +%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1: WYSLANO DO SIEBIE  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1: WYSLANO do %2  -%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1: OTRZYMANO od %2  +%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1: %2 -&gt; %3  %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1: od %2  +%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jeszcze nikt Ci nic nie wyslal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niepoprawny port - podaj liczbe od 1 do 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uruchamianie nasluchu na porcie %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nasluch aktywny na porcie %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie nasluchiwac na porcie %1 (port juz zajety?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zatrzymaj nasluch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wykryto nowy wezel w sieci: %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozgloszono: %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brak znanych wezlow!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku blockchain.dat - nowy blok nie zostal dodany.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku blockchain.dat - transakcja NIE zostala wyslana.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niepoprawny adres IP - wpisz adres IPv4, np. 192.168.1.20.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dziennik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wyczysc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inny wezel przyslal lancuch nie dluzszy niz Twoj - zostajesz przy swoim.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odrzucono dluzszy lancuch innego wezla: zmniejszylby Twoje saldo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odrzucono niepoprawny lancuch innego wezla.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odrzucono dane innego wezla - to nie jest lancuch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie udalo sie odebrac lancucha od innego wezla.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odrzucono lancuch innego wezla - nie mozna bezpiecznie zapisac pliku lancucha.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odrzucono lancuch innego wezla - jest za duzy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plik portfela moj_portfel.dat mogli czytac inni uzytkownicy tego komputera. Ustawiono mu prawa 0600 (tylko Ty). Jesli ktos mogl go skopiowac, przenies monety na nowy portfel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pobieranie lancucha...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Siec ma dluzszy lancuch (%1 blokow), ktorego nie przyjmujesz: zmniejszylby Twoje saldo. Wiecej w README, w rozdziale &quot;Which chain wins&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transakcja wyslana i zapisana.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Przyjeto u %1 z %2 wezlow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 juz go mial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 starszej wersji dostal lancuch, ale nie mowi, czy go przyjal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 odrzucil: zmniejszyloby jego saldo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 odrzucil: ma lancuch nie krotszy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 odrzucil: uznal lancuch za niepoprawny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 odrzucil z innego powodu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 nie odpowiedzial (offline?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pobieram lancuch od %1: %2 z %3 blokow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Wersja 0.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twoja nazwa:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wpisz jak mamy Cie nazywac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontynuuj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portfel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie znaleziono portfela w tym folderze. Co chcesz zrobic?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utworz nowy portfel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mam fraze odzyskiwania (12 slow)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fraza musi miec dokladnie 12 slow (masz %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slowo &quot;%1&quot; nie jest na liscie BIP39 - sprawdz literowki.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisz fraze odzyskiwania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To jest JEDYNY sposob odzyskania portfela, jesli stracisz ten komputer.
Zapisz te 12 slow w bezpiecznym miejscu (np. na kartce). Nikomu ich nie pokazuj.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisalem te slowa - kontynuuj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wpisz fraze odzyskiwania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wpisz 12 slow oddzielonych spacja, w tej samej kolejnosci co przy tworzeniu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odtworz portfel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie udalo sie zainicjalizowac libsodium.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie udalo sie zainicjalizowac sieci (WSAStartup).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie udalo sie zapisac portfela do pliku %1: %2.
Fraza odzyskiwania nie zostala pokazana, bo nie odtworzylaby tego portfela.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder danych %1 jest juz uzywany przez inny proces (pid %2). Dwa programy na jednym folderze gubilyby bloki - zamknij tamten program albo uzyj innego folderu (--katalog).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie mozna zablokowac folderu danych %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
