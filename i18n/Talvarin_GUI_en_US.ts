<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="pl_PL">
<context>
    <name>MainWindow</name>
    <message>
        <source>Talvarin</source>
        <translation>Talvarin</translation>
    </message>
    <message>
        <source>Przeglad</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>Portfel</source>
        <translation>Wallet</translation>
    </message>
    <message>
        <source>Twoj klucz publiczny: -</source>
        <translation>Your public key: -</translation>
    </message>
    <message>
        <source>Kopiuj klucz</source>
        <translation>Copy key</translation>
    </message>
    <message>
        <source>Saldo: -</source>
        <translation>Balance: -</translation>
    </message>
    <message>
        <source>Wysokosc lancucha: -</source>
        <translation>Chain height: -</translation>
    </message>
    <message>
        <source>Kopanie</source>
        <translation>Mining</translation>
    </message>
    <message>
        <source>Kop blok</source>
        <translation>Mine block</translation>
    </message>
    <message>
        <source>Odswiez</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Kop w petli</source>
        <translation>Mine in a loop</translation>
    </message>
    <message>
        <source>Nieaktywne.</source>
        <translation>Inactive.</translation>
    </message>
    <message>
        <source>Wyslij</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Nowa transakcja</source>
        <translation>New transaction</translation>
    </message>
    <message>
        <source>Znany odbiorca:</source>
        <translation>Known recipient:</translation>
    </message>
    <message>
        <source>Klucz publiczny odbiorcy:</source>
        <translation>Recipient&apos;s public key:</translation>
    </message>
    <message>
        <source>Kwota:</source>
        <translation>Amount:</translation>
    </message>
    <message>
        <source>Odebrane</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>Otrzymane od innych</source>
        <translation>Received from others</translation>
    </message>
    <message>
        <source>Lancuch</source>
        <translation>Chain</translation>
    </message>
    <message>
        <source>Bloki</source>
        <translation>Blocks</translation>
    </message>
    <message>
        <source>Siec</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Nasluchiwanie</source>
        <translation>Listening</translation>
    </message>
    <message>
        <source>Moj port:</source>
        <translation>My port:</translation>
    </message>
    <message>
        <source>1700</source>
        <translation>1700</translation>
    </message>
    <message>
        <source>Nasluchuj</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Nieaktywny.</source>
        <translation>Inactive.</translation>
    </message>
    <message>
        <source>Znane wezly</source>
        <translation>Known nodes</translation>
    </message>
    <message>
        <source>Usun wybrany wezel</source>
        <translation>Remove selected node</translation>
    </message>
    <message>
        <source>Rozglos teraz</source>
        <translation>Broadcast now</translation>
    </message>
    <message>
        <source>Dodaj wezel</source>
        <translation>Add node</translation>
    </message>
    <message>
        <source>Adres IP:</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Seedy (stale punkty startowe)</source>
        <translation>Seeds (fixed starting points)</translation>
    </message>
    <message>
        <source>Dodaj seed</source>
        <translation>Add seed</translation>
    </message>
    <message>
        <source>Usun wybrany seed</source>
        <translation>Remove selected seed</translation>
    </message>
    <message>
        <source>np. 12.5</source>
        <translation>e.g. 12.5</translation>
    </message>
    <message>
        <source>Skopiowano!</source>
        <translation>Copied!</translation>
    </message>
    <message>
        <source>Odswiezono!</source>
        <translation>Refreshed!</translation>
    </message>
    <message>
        <source>Kopanie...</source>
        <translation>Mining...</translation>
    </message>
    <message>
        <source>Rozglaszanie...</source>
        <translation>Broadcasting...</translation>
    </message>
    <message>
        <source>Zatrzymaj kopanie</source>
        <translation>Stop mining</translation>
    </message>
    <message>
        <source>Zatrzymywanie...</source>
        <translation>Stopping...</translation>
    </message>
    <message>
        <source>Aktywne kopanie w petli. Wykopano: %1 blokow w tej sesji.</source>
        <translation>Mining in a loop is active. Mined: %1 blocks in this session.</translation>
    </message>
    <message>
        <source>Wylaczone podczas &apos;Kop w petli&apos; - dwa watki nie moga naraz zapisywac
lancucha, zeby nic nie zgubic. Zatrzymaj kopanie w petli, zeby odblokowac.</source>
        <translation>Disabled during &apos;Mine in a loop&apos; - two threads cannot write the chain
at the same time, so that nothing gets lost. Stop the mining loop to unlock.</translation>
    </message>
    <message>
        <source>Twoj klucz publiczny:
</source>
        <translation>Your public key:
</translation>
    </message>
    <message>
        <source>To klucz publiczny - mozna go bezpiecznie udostepniac.</source>
        <translation>This is a public key - it can be shared safely.</translation>
    </message>
    <message>
        <source>Saldo: %1 %2</source>
        <translation>Balance: %1 %2</translation>
    </message>
    <message>
        <source>Wysokosc lancucha: %1 blokow (lokalnie)</source>
        <translation>Chain height: %1 blocks (local)</translation>
    </message>
    <message>
        <source>-- wklej recznie ponizej --</source>
        <translation>-- paste manually below --</translation>
    </message>
    <message>
        <source>Niepoprawny format klucza publicznego odbiorcy.</source>
        <translation>Invalid format of the recipient&apos;s public key.</translation>
    </message>
    <message>
        <source>Niepoprawna kwota (np. 12.5, max 8 miejsc po przecinku).</source>
        <translation>Invalid amount (e.g. 12.5, at most 8 decimal places).</translation>
    </message>
    <message>
        <source>Za malo srodkow - masz %1 %2.</source>
        <translation>Insufficient funds - you have %1 %2.</translation>
    </message>
    <message>
        <source>Potwierdz wyslanie</source>
        <translation>Confirm sending</translation>
    </message>
    <message>
        <source>Na pewno wyslac %1 %2 do %3?

Transakcji w blockchainie NIE da sie cofnac.</source>
        <translation>Really send %1 %2 to %3?

A transaction in the blockchain can NOT be undone.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie. Rozglaszanie do sieci...</source>
        <translation>Transaction saved locally. Broadcasting to the network...</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie. Brak znanych wezlow - dodaj wezel w zakladce Siec, zeby odbiorca ja zobaczyl.</source>
        <translation>Transaction saved locally. No known nodes - add a node on the Network tab so that the recipient can see it.</translation>
    </message>
    <message>
        <source>Transakcja wyslana i zapisana. Rozgloszono do %1/%2 wezlow.</source>
        <translation>Transaction sent and saved. Broadcast to %1/%2 nodes.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie, ale rozgloszenie NIE powiodlo sie do zadnego z %1 znanych wezlow (offline?). Sprobuj &quot;Rozglos teraz&quot; w zakladce Siec.</source>
        <translation>Transaction saved locally, but broadcasting did NOT succeed to any of the %1 known nodes (offline?). Try &quot;Broadcast now&quot; on the Network tab.</translation>
    </message>
    <message>
        <source>Wysylanie wylaczone dopoki trwa &apos;Kop w petli&apos; (zakladka Przeglad) - zatrzymaj je najpierw.</source>
        <translation>Sending is disabled while &apos;Mine in a loop&apos; is running (Overview tab) - stop it first.</translation>
    </message>
    <message>
        <source>Blok #%1: %2</source>
        <translation>Block #%1: %2</translation>
    </message>
    <message>
        <source>Blok #%1: NAGRODA ZA KOPANIE  +%2</source>
        <translation>Block #%1: MINING REWARD  +%2</translation>
    </message>
    <message>
        <source>Blok #%1: nagroda dla %2  +%3</source>
        <translation>Block #%1: reward for %2  +%3</translation>
    </message>
    <message>
        <source>Blok #%1: WYSLANO DO SIEBIE  %2</source>
        <translation>Block #%1: SENT TO YOURSELF  %2</translation>
    </message>
    <message>
        <source>Blok #%1: WYSLANO do %2  -%3</source>
        <translation>Block #%1: SENT to %2  -%3</translation>
    </message>
    <message>
        <source>Blok #%1: OTRZYMANO od %2  +%3</source>
        <translation>Block #%1: RECEIVED from %2  +%3</translation>
    </message>
    <message>
        <source>Blok #%1: %2 -&gt; %3  %4</source>
        <translation>Block #%1: %2 -&gt; %3  %4</translation>
    </message>
    <message>
        <source>Blok #%1: od %2  +%3</source>
        <translation>Block #%1: from %2  +%3</translation>
    </message>
    <message>
        <source>Jeszcze nikt Ci nic nie wyslal.</source>
        <translation>Nobody has sent you anything yet.</translation>
    </message>
    <message>
        <source>Niepoprawny port - podaj liczbe od 1 do 65535.</source>
        <translation>Invalid port - enter a number from 1 to 65535.</translation>
    </message>
    <message>
        <source>Uruchamianie nasluchu na porcie %1...</source>
        <translation>Starting to listen on port %1...</translation>
    </message>
    <message>
        <source>Nasluch aktywny na porcie %1.</source>
        <translation>Listening active on port %1.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie nasluchiwac na porcie %1 (port juz zajety?).</source>
        <translation>ERROR: could not listen on port %1 (port already in use?).</translation>
    </message>
    <message>
        <source>Zatrzymaj nasluch</source>
        <translation>Stop listening</translation>
    </message>
    <message>
        <source>Wykryto nowy wezel w sieci: %1:%2</source>
        <translation>New node detected on the network: %1:%2</translation>
    </message>
    <message>
        <source>Rozgloszono: %1/%2</source>
        <translation>Broadcast: %1/%2</translation>
    </message>
    <message>
        <source>Brak znanych wezlow!</source>
        <translation>No known nodes!</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku blockchain.dat - nowy blok nie zostal dodany.</source>
        <translation>ERROR: could not save the file blockchain.dat - the new block was not added.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku blockchain.dat - transakcja NIE zostala wyslana.</source>
        <translation>ERROR: could not save the file blockchain.dat - the transaction was NOT sent.</translation>
    </message>
    <message>
        <source>Niepoprawny adres IP - wpisz adres IPv4, np. 192.168.1.20.</source>
        <translation>Invalid IP address - enter an IPv4 address, e.g. 192.168.1.20.</translation>
    </message>
    <message>
        <source>Dziennik</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Wyczysc</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Inny wezel przyslal lancuch nie dluzszy niz Twoj - zostajesz przy swoim.</source>
        <translation>Another node sent a chain that is not longer than yours - you keep your own.</translation>
    </message>
    <message>
        <source>Odrzucono dluzszy lancuch innego wezla: zmniejszylby Twoje saldo.</source>
        <translation>Refused a longer chain from another node: it would lower your balance.</translation>
    </message>
    <message>
        <source>Odrzucono niepoprawny lancuch innego wezla.</source>
        <translation>Refused an invalid chain from another node.</translation>
    </message>
    <message>
        <source>Odrzucono dane innego wezla - to nie jest lancuch.</source>
        <translation>Refused data from another node - it is not a chain.</translation>
    </message>
    <message>
        <source>Nie udalo sie odebrac lancucha od innego wezla.</source>
        <translation>Could not receive a chain from another node.</translation>
    </message>
    <message>
        <source>Odrzucono lancuch innego wezla - nie mozna bezpiecznie zapisac pliku lancucha.</source>
        <translation>Refused a chain from another node - the chain file cannot be saved safely.</translation>
    </message>
    <message>
        <source>Odrzucono lancuch innego wezla - jest za duzy.</source>
        <translation>Refused a chain from another node - it is too large.</translation>
    </message>
    <message>
        <source>Plik portfela moj_portfel.dat mogli czytac inni uzytkownicy tego komputera. Ustawiono mu prawa 0600 (tylko Ty). Jesli ktos mogl go skopiowac, przenies monety na nowy portfel.</source>
        <translation>The wallet file moj_portfel.dat could be read by other users of this computer. Its permissions have been set to 0600 (only you). If someone could have copied it, move your coins to a new wallet.</translation>
    </message>
    <message>
        <source>Pobieranie lancucha...</source>
        <translation>Fetching the chain...</translation>
    </message>
    <message>
        <source>Siec ma dluzszy lancuch (%1 blokow), ktorego nie przyjmujesz: zmniejszylby Twoje saldo. Wiecej w README, w rozdziale &quot;Which chain wins&quot;.</source>
        <translation>The network has a longer chain (%1 blocks) that you do not accept: it would lower your balance. More in the README, section "Which chain wins".</translation>
    </message>
    <message>
        <source>Transakcja wyslana i zapisana.</source>
        <translation>Transaction sent and saved.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie.</source>
        <translation>Transaction saved locally.</translation>
    </message>
    <message>
        <source>Przyjeto u %1 z %2 wezlow</source>
        <translation>Accepted by %1 of %2 nodes</translation>
    </message>
    <message>
        <source>%1 juz go mial</source>
        <translation>%1 already had it</translation>
    </message>
    <message>
        <source>%1 starszej wersji dostal lancuch, ale nie mowi, czy go przyjal</source>
        <translation>%1 of an older version got the chain but does not say whether it accepted it</translation>
    </message>
    <message>
        <source>%1 odrzucil: zmniejszyloby jego saldo</source>
        <translation>%1 refused: it would lower its balance</translation>
    </message>
    <message>
        <source>%1 odrzucil: ma lancuch nie krotszy</source>
        <translation>%1 refused: it has a chain that is not shorter</translation>
    </message>
    <message>
        <source>%1 odrzucil: uznal lancuch za niepoprawny</source>
        <translation>%1 refused: it found the chain invalid</translation>
    </message>
    <message>
        <source>%1 odrzucil z innego powodu</source>
        <translation>%1 refused for another reason</translation>
    </message>
    <message>
        <source>%1 nie odpowiedzial (offline?)</source>
        <translation>%1 did not answer (offline?)</translation>
    </message>
    <message>
        <source>Pobieram lancuch od %1: %2 z %3 blokow</source>
        <translation>Fetching the chain from %1: %2 of %3 blocks</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Wersja 0.1</source>
        <translation>Version 0.1</translation>
    </message>
    <message>
        <source>Twoja nazwa:</source>
        <translation>Your name:</translation>
    </message>
    <message>
        <source>Wpisz jak mamy Cie nazywac</source>
        <translation>Enter what we should call you</translation>
    </message>
    <message>
        <source>Kontynuuj</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Portfel</source>
        <translation>Wallet</translation>
    </message>
    <message>
        <source>Nie znaleziono portfela w tym folderze. Co chcesz zrobic?</source>
        <translation>No wallet found in this folder. What do you want to do?</translation>
    </message>
    <message>
        <source>Utworz nowy portfel</source>
        <translation>Create new wallet</translation>
    </message>
    <message>
        <source>Mam fraze odzyskiwania (12 slow)</source>
        <translation>I have a recovery phrase (12 words)</translation>
    </message>
    <message>
        <source>Fraza musi miec dokladnie 12 slow (masz %1).</source>
        <translation>The phrase must have exactly 12 words (you have %1).</translation>
    </message>
    <message>
        <source>Slowo &quot;%1&quot; nie jest na liscie BIP39 - sprawdz literowki.</source>
        <translation>The word &quot;%1&quot; is not on the BIP39 list - check for typos.</translation>
    </message>
    <message>
        <source>Zapisz fraze odzyskiwania</source>
        <translation>Save your recovery phrase</translation>
    </message>
    <message>
        <source>To jest JEDYNY sposob odzyskania portfela, jesli stracisz ten komputer.
Zapisz te 12 slow w bezpiecznym miejscu (np. na kartce). Nikomu ich nie pokazuj.</source>
        <translation>This is the ONLY way to recover your wallet if you lose this computer.
Write these 12 words down in a safe place (e.g. on paper). Never show them to anyone.</translation>
    </message>
    <message>
        <source>Zapisalem te slowa - kontynuuj</source>
        <translation>I have written these words down - continue</translation>
    </message>
    <message>
        <source>Wpisz fraze odzyskiwania</source>
        <translation>Enter recovery phrase</translation>
    </message>
    <message>
        <source>Wpisz 12 slow oddzielonych spacja, w tej samej kolejnosci co przy tworzeniu:</source>
        <translation>Enter the 12 words separated by spaces, in the same order as when the wallet was created:</translation>
    </message>
    <message>
        <source>Odtworz portfel</source>
        <translation>Restore wallet</translation>
    </message>
    <message>
        <source>Blad</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Nie udalo sie zainicjalizowac libsodium.</source>
        <translation>Failed to initialize libsodium.</translation>
    </message>
    <message>
        <source>Nie udalo sie zainicjalizowac sieci (WSAStartup).</source>
        <translation>Failed to initialize networking (WSAStartup).</translation>
    </message>
    <message>
        <source>Nie udalo sie zapisac portfela do pliku %1: %2.
Fraza odzyskiwania nie zostala pokazana, bo nie odtworzylaby tego portfela.</source>
        <translation>Could not save the wallet to the file %1: %2.
The recovery phrase was not shown, because it would not restore this wallet.</translation>
    </message>
    <message>
        <source>Folder danych %1 jest juz uzywany przez inny proces (pid %2). Dwa programy na jednym folderze gubilyby bloki - zamknij tamten program albo uzyj innego folderu (--katalog).</source>
        <translation>The data folder %1 is already used by another process (pid %2). Two programs on one folder would lose blocks - close the other program or use another folder (--katalog).</translation>
    </message>
    <message>
        <source>Nie mozna zablokowac folderu danych %1: %2</source>
        <translation>Cannot lock the data folder %1: %2</translation>
    </message>
</context>
<context>
    <name>Dziennik</name>
    <message>
        <source>[BLAD] Blok #%1 ma dane niezgodne z jego hashem (ktos je zmienil po fakcie)!</source>
        <translation>[ERROR] Block #%1 has data that does not match its hash (someone changed it afterwards)!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 nie jest poprawnie polaczony z poprzednim blokiem!</source>
        <translation>[ERROR] Block #%1 is not correctly linked to the previous block!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 ma transakcje z NIEPRAWIDLOWYM podpisem (ktos podszywa sie pod nadawce)!</source>
        <translation>[ERROR] Block #%1 has a transaction with an INVALID signature (someone is impersonating the sender)!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 zawiera transakcje wydajaca wiecej niz nadawca faktycznie mial (falszywe saldo / podwojne wydanie)!</source>
        <translation>[ERROR] Block #%1 contains a transaction spending more than the sender actually had (fake balance / double spend)!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 zawiera niepoprawna nagrode za kopanie (falszywe &apos;drukowanie&apos; monet znikad)!</source>
        <translation>[ERROR] Block #%1 contains an invalid mining reward (fake &apos;printing&apos; of coins out of nowhere)!</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak CR - odrzucam lancuch.</source>
        <translation>Block #%1 has a CR character in a field - rejecting the chain.</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak LF - odrzucam lancuch.</source>
        <translation>Block #%1 has an LF character in a field - rejecting the chain.</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak NUL - odrzucam lancuch.</source>
        <translation>Block #%1 has a NUL character in a field - rejecting the chain.</translation>
    </message>
    <message>
        <source>Blok #%1 ma pole rowne wierszowi znacznika bloku - odrzucam lancuch.</source>
        <translation>Block #%1 has a field equal to the block marker line - rejecting the chain.</translation>
    </message>
    <message>
        <source>Blok #%1 ma ponad %2 bajtow tekstu (limit tego wezla) - odrzucam lancuch.</source>
        <translation>Block #%1 has more than %2 bytes of text (this node&apos;s limit) - rejecting the chain.</translation>
    </message>
    <message>
        <source>Blok #%1 ma ponad %2 transakcji (limit tego wezla) - odrzucam lancuch.</source>
        <translation>Block #%1 has more than %2 transactions (this node&apos;s limit) - rejecting the chain.</translation>
    </message>
    <message>
        <source>Kopanie bloku %1... SUKCES! Znaleziono Hash: %2 (Nonce: %3)</source>
        <translation>Mining block %1... SUCCESS! Found hash: %2 (nonce: %3)</translation>
    </message>
    <message>
        <source>BLAD: plik %1 nie jest czytelnym lancuchem i nie udalo sie go odlozyc.</source>
        <translation>ERROR: file %1 is not a readable chain and could not be moved aside.</translation>
    </message>
    <message>
        <source>Plik %1 nie jest czytelnym lancuchem - odlozono go jako %2.</source>
        <translation>File %1 is not a readable chain - moved aside as %2.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku %1 - nowy blok odrzucono.</source>
        <translation>ERROR: could not write file %1 - the new block was discarded.</translation>
    </message>
    <message>
        <source>BLAD: plik %1 nie jest zwyklym plikiem - pomijam go.</source>
        <translation>ERROR: %1 is not a regular file - skipping it.</translation>
    </message>
    <message>
        <source>Przyjeto nowy, dluzszy lancuch (%1 blokow).</source>
        <translation>Accepted a new, longer chain (%1 blocks).</translation>
    </message>
    <message>
        <source>Nie udalo sie odebrac lancucha.</source>
        <translation>Could not receive the chain.</translation>
    </message>
    <message>
        <source>Otrzymane dane nie sa poprawnym lancuchem.</source>
        <translation>The received data is not a valid chain.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch zajalby w pamieci %1 bajtow przy %2 bajtach tekstu - odrzucam.</source>
        <translation>The received chain would take %1 bytes of memory for %2 bytes of text - rejecting.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch NIE jest poprawny - odrzucam.</source>
        <translation>The received chain is NOT valid - rejecting.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch (%1 blokow) nie jest dluzszy niz moj (%2 blokow) - zostaje przy swoim.</source>
        <translation>The received chain (%1 blocks) is not longer than mine (%2 blocks) - keeping my own.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (%1 -&gt; %2) - odrzucam.</source>
        <translation>The received chain is longer, but it would REDUCE your balance (%1 -&gt; %2) - rejecting.</translation>
    </message>
    <message>
        <source>Nie mozna bezpiecznie zapisac pliku %1 - odrzucam otrzymany lancuch.</source>
        <translation>Cannot safely write file %1 - rejecting the received chain.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch potrzebuje %1 bajtow pamieci ponad wolny budzet - odrzucam.</source>
        <translation>The received chain needs %1 bytes of memory beyond the free budget - rejecting.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac lancucha do pliku %1 - odrzucam otrzymany lancuch.</source>
        <translation>ERROR: could not write the chain to file %1 - rejecting the received chain.</translation>
    </message>
    <message>
        <source>wezlem wypychajacym</source>
        <translation>the pushing node</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: brak odpowiedzi - rozlaczam.</source>
        <translation>Synchronization with %1 interrupted: no response - disconnecting.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: niepoprawna odpowiedz - rozlaczam.</source>
        <translation>Synchronization with %1 interrupted: invalid response - disconnecting.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: bloki nie lacza sie z lancuchem - rozlaczam.</source>
        <translation>Synchronization with %1 interrupted: the blocks do not connect to the chain - disconnecting.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: za maly kawalek blokow - rozlaczam.</source>
        <translation>Synchronization with %1 interrupted: block chunk too small - disconnecting.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: za duzo wiadomosci - rozlaczam.</source>
        <translation>Synchronization with %1 interrupted: too many messages - disconnecting.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: nie ma zapowiedzianych blokow - rozlaczam.</source>
        <translation>Synchronization with %1 interrupted: the announced blocks are missing - disconnecting.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana - wlasny lancuch zmienil sie w tym czasie.</source>
        <translation>Synchronization with %1 interrupted - our own chain changed in the meantime.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna oferte synchronizacji.</source>
        <translation>Rejecting an invalid synchronization offer.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna prosbe o stan lancucha.</source>
        <translation>Rejecting an invalid chain state request.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna prosbe w synchronizacji - rozlaczam.</source>
        <translation>Rejecting an invalid request during synchronization - disconnecting.</translation>
    </message>
    <message>
        <source>Za duzo prosb w jednej synchronizacji - rozlaczam.</source>
        <translation>Too many requests in one synchronization - disconnecting.</translation>
    </message>
    <message>
        <source>Odrzucam wiadomosc synchronizacji, ktora nie zaczyna rozmowy.</source>
        <translation>Rejecting a synchronization message that does not start a conversation.</translation>
    </message>
    <message>
        <source>Pobieram lancuch od %1: %2 z %3 blokow</source>
        <translation>Downloading the chain from %1: %2 of %3 blocks</translation>
    </message>
    <message>
        <source>Zamykam polaczenie z %1: %2.</source>
        <translation>Closing the connection with %1: %2.</translation>
    </message>
    <message>
        <source>brak danych dluzej niz limit ciszy</source>
        <translation>no data for longer than the silence limit</translation>
    </message>
    <message>
        <source>wiadomosc nie doszla w swoim terminie</source>
        <translation>the message did not arrive in time</translation>
    </message>
    <message>
        <source>przesyla wolniej niz 64 KiB/s</source>
        <translation>sends slower than 64 KiB/s</translation>
    </message>
    <message>
        <source>naglowek ramki nie jest liczba</source>
        <translation>the frame header is not a number</translation>
    </message>
    <message>
        <source>zapowiedziana ramka jest za dluga</source>
        <translation>the announced frame is too long</translation>
    </message>
    <message>
        <source>ramka nie miesci sie w budzecie pamieci</source>
        <translation>the frame does not fit in the memory budget</translation>
    </message>
    <message>
        <source>wyparte przez nowe polaczenie (komplet, najmniejsze tempo)</source>
        <translation>displaced by a new connection (full, slowest rate)</translation>
    </message>
    <message>
        <source>komplet polaczen z tego adresu</source>
        <translation>too many connections from this address</translation>
    </message>
    <message>
        <source>komplet polaczen</source>
        <translation>too many connections</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku obslugi polaczenia.</source>
        <translation>ERROR: could not create a connection handling thread.</translation>
    </message>
    <message>
        <source>BLAD: zabraklo pamieci przy obsludze zapytania - odrzucam je.</source>
        <translation>ERROR: out of memory while handling a request - rejecting it.</translation>
    </message>
    <message>
        <source>Nasluchuje na porcie %1 w petli...</source>
        <translation>Listening on port %1 in a loop...</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc gniazda.</source>
        <translation>ERROR: could not create a socket.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zbindowac portu %1 (moze jest juz zajety?).</source>
        <translation>ERROR: could not bind port %1 (maybe it is already in use?).</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie nasluchiwac.</source>
        <translation>ERROR: could not listen.</translation>
    </message>
    <message>
        <source>BLAD: niepoprawny adres IP.</source>
        <translation>ERROR: invalid IP address.</translation>
    </message>
    <message>
        <source>BLAD: przekroczono czas oczekiwania na polaczenie z %1 (wezel offline?)</source>
        <translation>ERROR: timed out connecting to %1 (node offline?)</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie polaczyc z %1</source>
        <translation>ERROR: could not connect to %1</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zbindowac portu wykrywania %1.</source>
        <translation>ERROR: could not bind the discovery port %1.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku rozgloszen - lancuch nie bedzie rozglaszany.</source>
        <translation>ERROR: could not create a broadcast thread - the chain will not be broadcast.</translation>
    </message>
    <message>
        <source>BLAD: zabraklo pamieci przy rozglaszaniu lancucha.</source>
        <translation>ERROR: out of memory while broadcasting the chain.</translation>
    </message>
    <message>
        <source>Rozgloszono do %1</source>
        <translation>Broadcast to %1</translation>
    </message>
    <message>
        <source>Nie udalo sie rozglosic do %1 (offline?)</source>
        <translation>Could not broadcast to %1 (offline?)</translation>
    </message>
    <message>
        <source>Rozglaszanie do %1 przerwane - zatrzymanie.</source>
        <translation>Broadcasting to %1 interrupted - stopping.</translation>
    </message>
    <message>
        <source>UWAGA: portfel %1 mial prawa %2 (dostepny dla innych uzytkownikow) - ustawiono 0600.</source>
        <translation>WARNING: wallet %1 had permissions %2 (readable by other users) - set to 0600.</translation>
    </message>
    <message>
        <source>UWAGA: nie mozna wczytac portfela %1 ani przeniesc go na bok - plik zostaje, nowy portfel nie zostanie zapisany.</source>
        <translation>WARNING: cannot read wallet %1 nor move it aside - the file stays, a new wallet will not be saved.</translation>
    </message>
    <message>
        <source>UWAGA: nie mozna wczytac portfela %1 - przeniesiono go do %2, tworze nowy portfel.</source>
        <translation>WARNING: cannot read wallet %1 - moved it to %2, creating a new wallet.</translation>
    </message>
    <message>
        <source>Bez portfela: ochrona salda przy przyjmowaniu lancuchow wylaczona.</source>
        <translation>No wallet: balance protection when accepting chains is off.</translation>
    </message>
    <message>
        <source>Utworzono nowy portfel %1, klucz publiczny: %2</source>
        <translation>Created a new wallet %1, public key: %2</translation>
    </message>
    <message>
        <source>Kopanie na klucz publiczny: %1</source>
        <translation>Mining to public key: %1</translation>
    </message>
    <message>
        <source>Usunieto ten wezel z listy %1.</source>
        <translation>Removed this node from list %1.</translation>
    </message>
    <message>
        <source>Wykryto nowy wezel w sieci: %1</source>
        <translation>Discovered a new node in the network: %1</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku %1.</source>
        <translation>ERROR: could not create the %1 thread.</translation>
    </message>
    <message>
        <source>bootstrapu</source>
        <translation>bootstrap</translation>
    </message>
    <message>
        <source>pobierania</source>
        <translation>download</translation>
    </message>
    <message>
        <source>rozgloszenia</source>
        <translation>broadcast</translation>
    </message>
    <message>
        <source>obecnosci</source>
        <translation>presence</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku kopania w petli.</source>
        <translation>ERROR: could not create the mining loop thread.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku serwera na porcie %1.</source>
        <translation>ERROR: could not create the server thread on port %1.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku obecnosci - nasluch zatrzymany.</source>
        <translation>ERROR: could not create the presence thread - listening stopped.</translation>
    </message>
    <message>
        <source>Wezel zatrzymany.</source>
        <translation>Node stopped.</translation>
    </message>
    <message>
        <source>Watki sieci nie skonczyly w czasie - wyjscie bez czekania na nie (zaden zapis lancucha nie trwa).</source>
        <translation>Network threads did not finish in time - exiting without waiting for them (no chain write is in progress).</translation>
    </message>
    <message>
        <source>Wezel dziala na porcie %1 (zatrzymanie: SIGINT albo SIGTERM).</source>
        <translation>Node running on port %1 (stop: SIGINT or SIGTERM).</translation>
    </message>
    <message>
        <source>Otrzymano sygnal %1 - zatrzymuje wezel.</source>
        <translation>Received signal %1 - stopping the node.</translation>
    </message>
</context>
</TS>
