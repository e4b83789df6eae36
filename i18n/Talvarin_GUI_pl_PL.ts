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
<context>
    <name>Dziennik</name>
    <message>
        <source>[BLAD] Blok #%1 ma dane niezgodne z jego hashem (ktos je zmienil po fakcie)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 nie jest poprawnie polaczony z poprzednim blokiem!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 ma transakcje z NIEPRAWIDLOWYM podpisem (ktos podszywa sie pod nadawce)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 zawiera transakcje wydajaca wiecej niz nadawca faktycznie mial (falszywe saldo / podwojne wydanie)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 zawiera niepoprawna nagrode za kopanie (falszywe &apos;drukowanie&apos; monet znikad)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak CR - odrzucam lancuch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak LF - odrzucam lancuch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak NUL - odrzucam lancuch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1 ma pole rowne wierszowi znacznika bloku - odrzucam lancuch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1 ma ponad %2 bajtow tekstu (limit tego wezla) - odrzucam lancuch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blok #%1 ma ponad %2 transakcji (limit tego wezla) - odrzucam lancuch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopanie bloku %1... SUKCES! Znaleziono Hash: %2 (Nonce: %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: plik %1 nie jest czytelnym lancuchem i nie udalo sie go odlozyc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plik %1 nie jest czytelnym lancuchem - odlozono go jako %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku %1 - nowy blok odrzucono.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: plik %1 nie jest zwyklym plikiem - pomijam go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Przyjeto nowy, dluzszy lancuch (%1 blokow).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie udalo sie odebrac lancucha.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otrzymane dane nie sa poprawnym lancuchem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otrzymany lancuch zajalby w pamieci %1 bajtow przy %2 bajtach tekstu - odrzucam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otrzymany lancuch NIE jest poprawny - odrzucam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otrzymany lancuch (%1 blokow) nie jest dluzszy niz moj (%2 blokow) - zostaje przy swoim.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (%1 -&gt; %2) - odrzucam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie mozna bezpiecznie zapisac pliku %1 - odrzucam otrzymany lancuch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otrzymany lancuch potrzebuje %1 bajtow pamieci ponad wolny budzet - odrzucam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac lancucha do pliku %1 - odrzucam otrzymany lancuch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wezlem wypychajacym</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: brak odpowiedzi - rozlaczam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: niepoprawna odpowiedz - rozlaczam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: bloki nie lacza sie z lancuchem - rozlaczam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: za maly kawalek blokow - rozlaczam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: za duzo wiadomosci - rozlaczam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: nie ma zapowiedzianych blokow - rozlaczam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana - wlasny lancuch zmienil sie w tym czasie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna oferte synchronizacji.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna prosbe o stan lancucha.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna prosbe w synchronizacji - rozlaczam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Za duzo prosb w jednej synchronizacji - rozlaczam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odrzucam wiadomosc synchronizacji, ktora nie zaczyna rozmowy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pobieram lancuch od %1: %2 z %3 blokow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zamykam polaczenie z %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brak danych dluzej niz limit ciszy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wiadomosc nie doszla w swoim terminie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>przesyla wolniej niz 64 KiB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>naglowek ramki nie jest liczba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zapowiedziana ramka jest za dluga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ramka nie miesci sie w budzecie pamieci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wyparte przez nowe polaczenie (komplet, najmniejsze tempo)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>komplet polaczen z tego adresu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>komplet polaczen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku obslugi polaczenia.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: zabraklo pamieci przy obsludze zapytania - odrzucam je.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nasluchuje na porcie %1 w petli...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc gniazda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zbindowac portu %1 (moze jest juz zajety?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie nasluchiwac.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: niepoprawny adres IP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: przekroczono czas oczekiwania na polaczenie z %1 (wezel offline?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie polaczyc z %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zbindowac portu wykrywania %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku rozgloszen - lancuch nie bedzie rozglaszany.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: zabraklo pamieci przy rozglaszaniu lancucha.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozgloszono do %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie udalo sie rozglosic do %1 (offline?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozglaszanie do %1 przerwane - zatrzymanie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UWAGA: portfel %1 mial prawa %2 (dostepny dla innych uzytkownikow) - ustawiono 0600.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UWAGA: nie mozna wczytac portfela %1 ani przeniesc go na bok - plik zostaje, nowy portfel nie zostanie zapisany.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UWAGA: nie mozna wczytac portfela %1 - przeniesiono go do %2, tworze nowy portfel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bez portfela: ochrona salda przy przyjmowaniu lancuchow wylaczona.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Utworzono nowy portfel %1, klucz publiczny: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopanie na klucz publiczny: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usunieto ten wezel z listy %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wykryto nowy wezel w sieci: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bootstrapu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pobierania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rozgloszenia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>obecnosci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku kopania w petli.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku serwera na porcie %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku obecnosci - nasluch zatrzymany.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wezel zatrzymany.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watki sieci nie skonczyly w czasie - wyjscie bez czekania na nie (zaden zapis lancucha nie trwa).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wezel dziala na porcie %1 (zatrzymanie: SIGINT albo SIGTERM).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otrzymano sygnal %1 - zatrzymuje wezel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
