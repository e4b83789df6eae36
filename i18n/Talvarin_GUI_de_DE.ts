<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="pl_PL">
<context>
    <name>MainWindow</name>
    <message>
        <source>Talvarin</source>
        <translation>Talvarin</translation>
    </message>
    <message>
        <source>Przeglad</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Portfel</source>
        <translation>Wallet</translation>
    </message>
    <message>
        <source>Twoj klucz publiczny: -</source>
        <translation>Dein öffentlicher Schlüssel: -</translation>
    </message>
    <message>
        <source>Kopiuj klucz</source>
        <translation>Schlüssel kopieren</translation>
    </message>
    <message>
        <source>Saldo: -</source>
        <translation>Kontostand: -</translation>
    </message>
    <message>
        <source>Wysokosc lancucha: -</source>
        <translation>Kettenhöhe: -</translation>
    </message>
    <message>
        <source>Kopanie</source>
        <translation>Schürfen</translation>
    </message>
    <message>
        <source>Kop blok</source>
        <translation>Block schürfen</translation>
    </message>
    <message>
        <source>Odswiez</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Kop w petli</source>
        <translation>In Schleife schürfen</translation>
    </message>
    <message>
        <source>Nieaktywne.</source>
        <translation>Inaktiv.</translation>
    </message>
    <message>
        <source>Wyslij</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Nowa transakcja</source>
        <translation>Neue Transaktion</translation>
    </message>
    <message>
        <source>Znany odbiorca:</source>
        <translation>Bekannter Empfänger:</translation>
    </message>
    <message>
        <source>Klucz publiczny odbiorcy:</source>
        <translation>Öffentlicher Schlüssel des Empfängers:</translation>
    </message>
    <message>
        <source>Kwota:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Odebrane</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Otrzymane od innych</source>
        <translation>Von anderen empfangen</translation>
    </message>
    <message>
        <source>Lancuch</source>
        <translation>Kette</translation>
    </message>
    <message>
        <source>Bloki</source>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>Siec</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Nasluchiwanie</source>
        <translation>Lauschen</translation>
    </message>
    <message>
        <source>Moj port:</source>
        <translation>Mein Port:</translation>
    </message>
    <message>
        <source>1700</source>
        <translation>1700</translation>
    </message>
    <message>
        <source>Nasluchuj</source>
        <translation>Lauschen</translation>
    </message>
    <message>
        <source>Nieaktywny.</source>
        <translation>Inaktiv.</translation>
    </message>
    <message>
        <source>Znane wezly</source>
        <translation>Bekannte Knoten</translation>
    </message>
    <message>
        <source>Usun wybrany wezel</source>
        <translation>Ausgewählten Knoten entfernen</translation>
    </message>
    <message>
        <source>Rozglos teraz</source>
        <translation>Jetzt verbreiten</translation>
    </message>
    <message>
        <source>Dodaj wezel</source>
        <translation>Knoten hinzufügen</translation>
    </message>
    <message>
        <source>Adres IP:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Seedy (stale punkty startowe)</source>
        <translation>Seeds (feste Startpunkte)</translation>
    </message>
    <message>
        <source>Dodaj seed</source>
        <translation>Seed hinzufügen</translation>
    </message>
    <message>
        <source>Usun wybrany seed</source>
        <translation>Ausgewählten Seed entfernen</translation>
    </message>
    <message>
        <source>np. 12.5</source>
        <translation>z. B. 12.5</translation>
    </message>
    <message>
        <source>Skopiowano!</source>
        <translation>Kopiert!</translation>
    </message>
    <message>
        <source>Odswiezono!</source>
        <translation>Aktualisiert!</translation>
    </message>
    <message>
        <source>Kopanie...</source>
        <translation>Schürfe...</translation>
    </message>
    <message>
        <source>Rozglaszanie...</source>
        <translation>Verbreite...</translation>
    </message>
    <message>
        <source>Zatrzymaj kopanie</source>
        <translation>Schürfen stoppen</translation>
    </message>
    <message>
        <source>Zatrzymywanie...</source>
        <translation>Wird gestoppt...</translation>
    </message>
    <message>
        <source>Aktywne kopanie w petli. Wykopano: %1 blokow w tej sesji.</source>
        <translation>Schürfen in Schleife aktiv. Geschürft: %1 Blöcke in dieser Sitzung.</translation>
    </message>
    <message>
        <source>Wylaczone podczas &apos;Kop w petli&apos; - dwa watki nie moga naraz zapisywac
lancucha, zeby nic nie zgubic. Zatrzymaj kopanie w petli, zeby odblokowac.</source>
        <translation>Deaktiviert während &apos;In Schleife schürfen&apos; - zwei Threads dürfen die Kette nicht
gleichzeitig schreiben, damit nichts verloren geht. Beende das Schürfen in Schleife zum Entsperren.</translation>
    </message>
    <message>
        <source>Twoj klucz publiczny:
</source>
        <translation>Dein öffentlicher Schlüssel:
</translation>
    </message>
    <message>
        <source>To klucz publiczny - mozna go bezpiecznie udostepniac.</source>
        <translation>Das ist ein öffentlicher Schlüssel - er kann bedenkenlos geteilt werden.</translation>
    </message>
    <message>
        <source>Saldo: %1 %2</source>
        <translation>Kontostand: %1 %2</translation>
    </message>
    <message>
        <source>Wysokosc lancucha: %1 blokow (lokalnie)</source>
        <translation>Kettenhöhe: %1 Blöcke (lokal)</translation>
    </message>
    <message>
        <source>-- wklej recznie ponizej --</source>
        <translation>-- unten manuell einfügen --</translation>
    </message>
    <message>
        <source>Niepoprawny format klucza publicznego odbiorcy.</source>
        <translation>Ungültiges Format des öffentlichen Schlüssels des Empfängers.</translation>
    </message>
    <message>
        <source>Niepoprawna kwota (np. 12.5, max 8 miejsc po przecinku).</source>
        <translation>Ungültiger Betrag (z. B. 12.5, höchstens 8 Nachkommastellen).</translation>
    </message>
    <message>
        <source>Za malo srodkow - masz %1 %2.</source>
        <translation>Zu wenig Guthaben - du hast %1 %2.</translation>
    </message>
    <message>
        <source>Potwierdz wyslanie</source>
        <translation>Senden bestätigen</translation>
    </message>
    <message>
        <source>Na pewno wyslac %1 %2 do %3?

Transakcji w blockchainie NIE da sie cofnac.</source>
        <translation>Wirklich %1 %2 an %3 senden?

Eine Transaktion in der Blockchain lässt sich NICHT rückgängig machen.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie. Rozglaszanie do sieci...</source>
        <translation>Transaktion lokal gespeichert. Verbreitung ins Netzwerk...</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie. Brak znanych wezlow - dodaj wezel w zakladce Siec, zeby odbiorca ja zobaczyl.</source>
        <translation>Transaktion lokal gespeichert. Keine bekannten Knoten - füge im Tab Netzwerk einen Knoten hinzu, damit der Empfänger sie sieht.</translation>
    </message>
    <message>
        <source>Transakcja wyslana i zapisana. Rozgloszono do %1/%2 wezlow.</source>
        <translation>Transaktion gesendet und gespeichert. An %1/%2 Knoten verbreitet.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie, ale rozgloszenie NIE powiodlo sie do zadnego z %1 znanych wezlow (offline?). Sprobuj &quot;Rozglos teraz&quot; w zakladce Siec.</source>
        <translation>Transaktion lokal gespeichert, aber die Verbreitung ist an KEINEN der %1 bekannten Knoten gelungen (offline?). Versuche &quot;Jetzt verbreiten&quot; im Tab Netzwerk.</translation>
    </message>
    <message>
        <source>Wysylanie wylaczone dopoki trwa &apos;Kop w petli&apos; (zakladka Przeglad) - zatrzymaj je najpierw.</source>
        <translation>Senden deaktiviert, solange &apos;In Schleife schürfen&apos; läuft (Tab Übersicht) - beende es zuerst.</translation>
    </message>
    <message>
        <source>Blok #%1: %2</source>
        <translation>Block #%1: %2</translation>
    </message>
    <message>
        <source>Blok #%1: NAGRODA ZA KOPANIE  +%2</source>
        <translation>Block #%1: BELOHNUNG FÜRS SCHÜRFEN  +%2</translation>
    </message>
    <message>
        <source>Blok #%1: nagroda dla %2  +%3</source>
        <translation>Block #%1: Belohnung für %2  +%3</translation>
    </message>
    <message>
        <source>Blok #%1: WYSLANO DO SIEBIE  %2</source>
        <translation>Block #%1: AN DICH SELBST GESENDET  %2</translation>
    </message>
    <message>
        <source>Blok #%1: WYSLANO do %2  -%3</source>
        <translation>Block #%1: GESENDET an %2  -%3</translation>
    </message>
    <message>
        <source>Blok #%1: OTRZYMANO od %2  +%3</source>
        <translation>Block #%1: EMPFANGEN von %2  +%3</translation>
    </message>
    <message>
        <source>Blok #%1: %2 -&gt; %3  %4</source>
        <translation>Block #%1: %2 -&gt; %3  %4</translation>
    </message>
    <message>
        <source>Blok #%1: od %2  +%3</source>
        <translation>Block #%1: von %2  +%3</translation>
    </message>
    <message>
        <source>Jeszcze nikt Ci nic nie wyslal.</source>
        <translation>Dir hat noch niemand etwas gesendet.</translation>
    </message>
    <message>
        <source>Niepoprawny port - podaj liczbe od 1 do 65535.</source>
        <translation>Ungültiger Port - geben Sie eine Zahl von 1 bis 65535 ein.</translation>
    </message>
    <message>
        <source>Uruchamianie nasluchu na porcie %1...</source>
        <translation>Starte Lauschen auf Port %1...</translation>
    </message>
    <message>
        <source>Nasluch aktywny na porcie %1.</source>
        <translation>Lauschen aktiv auf Port %1.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie nasluchiwac na porcie %1 (port juz zajety?).</source>
        <translation>FEHLER: Lauschen auf Port %1 fehlgeschlagen (Port bereits belegt?).</translation>
    </message>
    <message>
        <source>Zatrzymaj nasluch</source>
        <translation>Lauschen beenden</translation>
    </message>
    <message>
        <source>Wykryto nowy wezel w sieci: %1:%2</source>
        <translation>Neuer Knoten im Netzwerk erkannt: %1:%2</translation>
    </message>
    <message>
        <source>Rozgloszono: %1/%2</source>
        <translation>Verbreitet: %1/%2</translation>
    </message>
    <message>
        <source>Brak znanych wezlow!</source>
        <translation>Keine bekannten Knoten!</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku blockchain.dat - nowy blok nie zostal dodany.</source>
        <translation>FEHLER: Die Datei blockchain.dat konnte nicht gespeichert werden - der neue Block wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku blockchain.dat - transakcja NIE zostala wyslana.</source>
        <translation>FEHLER: Die Datei blockchain.dat konnte nicht gespeichert werden - die Transaktion wurde NICHT gesendet.</translation>
    </message>
    <message>
        <source>Niepoprawny adres IP - wpisz adres IPv4, np. 192.168.1.20.</source>
        <translation>Ungültige IP-Adresse - geben Sie eine IPv4-Adresse ein, z. B. 192.168.1.20.</translation>
    </message>
    <message>
        <source>Dziennik</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Wyczysc</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Inny wezel przyslal lancuch nie dluzszy niz Twoj - zostajesz przy swoim.</source>
        <translation>Kette eines Knotens ist nicht länger als deine - du behältst deine.</translation>
    </message>
    <message>
        <source>Odrzucono dluzszy lancuch innego wezla: zmniejszylby Twoje saldo.</source>
        <translation>Längere Kette eines Knotens abgelehnt: sie würde dein Guthaben verringern.</translation>
    </message>
    <message>
        <source>Odrzucono niepoprawny lancuch innego wezla.</source>
        <translation>Ungültige Kette eines anderen Knotens abgelehnt.</translation>
    </message>
    <message>
        <source>Odrzucono dane innego wezla - to nie jest lancuch.</source>
        <translation>Daten eines anderen Knotens abgelehnt - das ist keine Kette.</translation>
    </message>
    <message>
        <source>Nie udalo sie odebrac lancucha od innego wezla.</source>
        <translation>Kette eines anderen Knotens konnte nicht empfangen werden.</translation>
    </message>
    <message>
        <source>Odrzucono lancuch innego wezla - nie mozna bezpiecznie zapisac pliku lancucha.</source>
        <translation>Kette abgelehnt - die Kettendatei kann nicht sicher gespeichert werden.</translation>
    </message>
    <message>
        <source>Odrzucono lancuch innego wezla - jest za duzy.</source>
        <translation>Kette eines anderen Knotens abgelehnt - sie ist zu groß.</translation>
    </message>
    <message>
        <source>Plik portfela moj_portfel.dat mogli czytac inni uzytkownicy tego komputera. Ustawiono mu prawa 0600 (tylko Ty). Jesli ktos mogl go skopiowac, przenies monety na nowy portfel.</source>
        <translation>Die Wallet-Datei moj_portfel.dat war für andere Benutzer dieses Computers lesbar. Ihre Rechte wurden auf 0600 gesetzt (nur Sie). Falls jemand sie kopiert haben könnte, übertragen Sie Ihre Coins auf eine neue Wallet.</translation>
    </message>
    <message>
        <source>Pobieranie lancucha...</source>
        <translation>Kette wird geladen...</translation>
    </message>
    <message>
        <source>Siec ma dluzszy lancuch (%1 blokow), ktorego nie przyjmujesz: zmniejszylby Twoje saldo. Wiecej w README, w rozdziale &quot;Which chain wins&quot;.</source>
        <translation>Das Netz hat eine längere Kette (%1 Blöcke), die du nicht übernimmst: Sie würde dein Guthaben verringern. Mehr in der README, Abschnitt "Which chain wins".</translation>
    </message>
    <message>
        <source>Transakcja wyslana i zapisana.</source>
        <translation>Transaktion gesendet und gespeichert.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie.</source>
        <translation>Transaktion lokal gespeichert.</translation>
    </message>
    <message>
        <source>Przyjeto u %1 z %2 wezlow</source>
        <translation>Von %1 von %2 Knoten übernommen</translation>
    </message>
    <message>
        <source>%1 juz go mial</source>
        <translation>%1 hatte sie schon</translation>
    </message>
    <message>
        <source>%1 starszej wersji dostal lancuch, ale nie mowi, czy go przyjal</source>
        <translation>%1 älterer Version bekam die Kette, sagt aber nicht, ob er sie übernahm</translation>
    </message>
    <message>
        <source>%1 odrzucil: zmniejszyloby jego saldo</source>
        <translation>%1 lehnte ab: es würde sein Guthaben verringern</translation>
    </message>
    <message>
        <source>%1 odrzucil: ma lancuch nie krotszy</source>
        <translation>%1 lehnte ab: er hat eine nicht kürzere Kette</translation>
    </message>
    <message>
        <source>%1 odrzucil: uznal lancuch za niepoprawny</source>
        <translation>%1 lehnte ab: er hielt die Kette für ungültig</translation>
    </message>
    <message>
        <source>%1 odrzucil z innego powodu</source>
        <translation>%1 lehnte aus einem anderen Grund ab</translation>
    </message>
    <message>
        <source>%1 nie odpowiedzial (offline?)</source>
        <translation>%1 antwortete nicht (offline?)</translation>
    </message>
    <message>
        <source>Pobieram lancuch od %1: %2 z %3 blokow</source>
        <translation>Lade Kette von %1: %2 von %3 Blöcken</translation>
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
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>Wpisz jak mamy Cie nazywac</source>
        <translation>Gib ein, wie wir dich nennen sollen</translation>
    </message>
    <message>
        <source>Kontynuuj</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Portfel</source>
        <translation>Wallet</translation>
    </message>
    <message>
        <source>Nie znaleziono portfela w tym folderze. Co chcesz zrobic?</source>
        <translation>In diesem Ordner wurde kein Wallet gefunden. Was möchtest du tun?</translation>
    </message>
    <message>
        <source>Utworz nowy portfel</source>
        <translation>Neues Wallet erstellen</translation>
    </message>
    <message>
        <source>Mam fraze odzyskiwania (12 slow)</source>
        <translation>Ich habe eine Wiederherstellungsphrase (12 Wörter)</translation>
    </message>
    <message>
        <source>Fraza musi miec dokladnie 12 slow (masz %1).</source>
        <translation>Die Phrase muss genau 12 Wörter haben (du hast %1).</translation>
    </message>
    <message>
        <source>Slowo &quot;%1&quot; nie jest na liscie BIP39 - sprawdz literowki.</source>
        <translation>Das Wort &quot;%1&quot; steht nicht auf der BIP39-Liste - prüfe auf Tippfehler.</translation>
    </message>
    <message>
        <source>Zapisz fraze odzyskiwania</source>
        <translation>Wiederherstellungsphrase notieren</translation>
    </message>
    <message>
        <source>To jest JEDYNY sposob odzyskania portfela, jesli stracisz ten komputer.
Zapisz te 12 slow w bezpiecznym miejscu (np. na kartce). Nikomu ich nie pokazuj.</source>
        <translation>Dies ist die EINZIGE Möglichkeit, dein Wallet wiederherzustellen, wenn du diesen Computer verlierst.
Schreibe diese 12 Wörter an einem sicheren Ort auf (z. B. auf Papier). Zeige sie niemandem.</translation>
    </message>
    <message>
        <source>Zapisalem te slowa - kontynuuj</source>
        <translation>Ich habe die Wörter notiert - weiter</translation>
    </message>
    <message>
        <source>Wpisz fraze odzyskiwania</source>
        <translation>Wiederherstellungsphrase eingeben</translation>
    </message>
    <message>
        <source>Wpisz 12 slow oddzielonych spacja, w tej samej kolejnosci co przy tworzeniu:</source>
        <translation>Gib die 12 Wörter durch Leerzeichen getrennt ein, in derselben Reihenfolge wie beim Erstellen:</translation>
    </message>
    <message>
        <source>Odtworz portfel</source>
        <translation>Wallet wiederherstellen</translation>
    </message>
    <message>
        <source>Blad</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Nie udalo sie zainicjalizowac libsodium.</source>
        <translation>libsodium konnte nicht initialisiert werden.</translation>
    </message>
    <message>
        <source>Nie udalo sie zainicjalizowac sieci (WSAStartup).</source>
        <translation>Netzwerk konnte nicht initialisiert werden (WSAStartup).</translation>
    </message>
    <message>
        <source>Nie udalo sie zapisac portfela do pliku %1: %2.
Fraza odzyskiwania nie zostala pokazana, bo nie odtworzylaby tego portfela.</source>
        <translation>Das Wallet konnte nicht in der Datei %1 gespeichert werden: %2.
Die Wiederherstellungsphrase wurde nicht angezeigt, weil sie dieses Wallet nicht wiederherstellen würde.</translation>
    </message>
    <message>
        <source>Folder danych %1 jest juz uzywany przez inny proces (pid %2). Dwa programy na jednym folderze gubilyby bloki - zamknij tamten program albo uzyj innego folderu (--katalog).</source>
        <translation>Der Datenordner %1 wird bereits von einem anderen Prozess verwendet (PID %2). Zwei Programme in einem Ordner würden Blöcke verlieren - schließen Sie das andere Programm oder verwenden Sie einen anderen Ordner (--katalog).</translation>
    </message>
    <message>
        <source>Nie mozna zablokowac folderu danych %1: %2</source>
        <translation>Der Datenordner %1 kann nicht gesperrt werden: %2</translation>
    </message>
</context>
<context>
    <name>Dziennik</name>
    <message>
        <source>[BLAD] Blok #%1 ma dane niezgodne z jego hashem (ktos je zmienil po fakcie)!</source>
        <translation>[FEHLER] Block #%1 hat Daten, die nicht zu seinem Hash passen (jemand hat sie nachträglich geändert)!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 nie jest poprawnie polaczony z poprzednim blokiem!</source>
        <translation>[FEHLER] Block #%1 ist nicht korrekt mit dem vorherigen Block verknüpft!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 ma transakcje z NIEPRAWIDLOWYM podpisem (ktos podszywa sie pod nadawce)!</source>
        <translation>[FEHLER] Block #%1 enthält eine Transaktion mit UNGÜLTIGER Signatur (jemand gibt sich als Absender aus)!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 zawiera transakcje wydajaca wiecej niz nadawca faktycznie mial (falszywe saldo / podwojne wydanie)!</source>
        <translation>[FEHLER] Block #%1 enthält eine Transaktion, die mehr ausgibt, als der Absender tatsächlich hatte (falsches Guthaben / Doppelausgabe)!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 zawiera niepoprawna nagrode za kopanie (falszywe &apos;drukowanie&apos; monet znikad)!</source>
        <translation>[FEHLER] Block #%1 enthält eine ungültige Mining-Belohnung (falsches &apos;Drucken&apos; von Münzen aus dem Nichts)!</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak CR - odrzucam lancuch.</source>
        <translation>Block #%1 hat ein CR-Zeichen in einem Feld - Kette abgelehnt.</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak LF - odrzucam lancuch.</source>
        <translation>Block #%1 hat ein LF-Zeichen in einem Feld - Kette abgelehnt.</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak NUL - odrzucam lancuch.</source>
        <translation>Block #%1 hat ein NUL-Zeichen in einem Feld - Kette abgelehnt.</translation>
    </message>
    <message>
        <source>Blok #%1 ma pole rowne wierszowi znacznika bloku - odrzucam lancuch.</source>
        <translation>Block #%1 hat ein Feld gleich der Blockmarkierungszeile - Kette abgelehnt.</translation>
    </message>
    <message>
        <source>Blok #%1 ma ponad %2 bajtow tekstu (limit tego wezla) - odrzucam lancuch.</source>
        <translation>Block #%1 hat mehr als %2 Bytes Text (Limit dieses Knotens) - Kette abgelehnt.</translation>
    </message>
    <message>
        <source>Blok #%1 ma ponad %2 transakcji (limit tego wezla) - odrzucam lancuch.</source>
        <translation>Block #%1 hat mehr als %2 Transaktionen (Limit dieses Knotens) - Kette abgelehnt.</translation>
    </message>
    <message>
        <source>Kopanie bloku %1... SUKCES! Znaleziono Hash: %2 (Nonce: %3)</source>
        <translation>Mining von Block %1... ERFOLG! Hash gefunden: %2 (Nonce: %3)</translation>
    </message>
    <message>
        <source>BLAD: plik %1 nie jest czytelnym lancuchem i nie udalo sie go odlozyc.</source>
        <translation>FEHLER: Datei %1 ist keine lesbare Kette und konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>Plik %1 nie jest czytelnym lancuchem - odlozono go jako %2.</source>
        <translation>Datei %1 ist keine lesbare Kette - beiseitegelegt als %2.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku %1 - nowy blok odrzucono.</source>
        <translation>FEHLER: Datei %1 konnte nicht geschrieben werden - der neue Block wurde verworfen.</translation>
    </message>
    <message>
        <source>BLAD: plik %1 nie jest zwyklym plikiem - pomijam go.</source>
        <translation>FEHLER: %1 ist keine reguläre Datei - wird übersprungen.</translation>
    </message>
    <message>
        <source>Przyjeto nowy, dluzszy lancuch (%1 blokow).</source>
        <translation>Neue, längere Kette übernommen (%1 Blöcke).</translation>
    </message>
    <message>
        <source>Nie udalo sie odebrac lancucha.</source>
        <translation>Die Kette konnte nicht empfangen werden.</translation>
    </message>
    <message>
        <source>Otrzymane dane nie sa poprawnym lancuchem.</source>
        <translation>Die empfangenen Daten sind keine gültige Kette.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch zajalby w pamieci %1 bajtow przy %2 bajtach tekstu - odrzucam.</source>
        <translation>Die empfangene Kette würde %1 Bytes Speicher bei %2 Bytes Text belegen - abgelehnt.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch NIE jest poprawny - odrzucam.</source>
        <translation>Die empfangene Kette ist NICHT gültig - abgelehnt.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch (%1 blokow) nie jest dluzszy niz moj (%2 blokow) - zostaje przy swoim.</source>
        <translation>Die empfangene Kette (%1 Blöcke) ist nicht länger als meine (%2 Blöcke) - ich behalte meine.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (%1 -&gt; %2) - odrzucam.</source>
        <translation>Die empfangene Kette ist länger, würde aber dein Guthaben VERRINGERN (%1 -&gt; %2) - abgelehnt.</translation>
    </message>
    <message>
        <source>Nie mozna bezpiecznie zapisac pliku %1 - odrzucam otrzymany lancuch.</source>
        <translation>Datei %1 kann nicht sicher geschrieben werden - empfangene Kette abgelehnt.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch potrzebuje %1 bajtow pamieci ponad wolny budzet - odrzucam.</source>
        <translation>Die empfangene Kette braucht %1 Bytes Speicher über das freie Budget hinaus - abgelehnt.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac lancucha do pliku %1 - odrzucam otrzymany lancuch.</source>
        <translation>FEHLER: Die Kette konnte nicht in Datei %1 geschrieben werden - empfangene Kette abgelehnt.</translation>
    </message>
    <message>
        <source>wezlem wypychajacym</source>
        <translation>dem sendenden Knoten</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: brak odpowiedzi - rozlaczam.</source>
        <translation>Synchronisation mit %1 abgebrochen: keine Antwort - Verbindung getrennt.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: niepoprawna odpowiedz - rozlaczam.</source>
        <translation>Synchronisation mit %1 abgebrochen: ungültige Antwort - Verbindung getrennt.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: bloki nie lacza sie z lancuchem - rozlaczam.</source>
        <translation>Synchronisation mit %1 abgebrochen: die Blöcke schließen nicht an die Kette an - Verbindung getrennt.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: za maly kawalek blokow - rozlaczam.</source>
        <translation>Synchronisation mit %1 abgebrochen: Blockstück zu klein - Verbindung getrennt.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: za duzo wiadomosci - rozlaczam.</source>
        <translation>Synchronisation mit %1 abgebrochen: zu viele Nachrichten - Verbindung getrennt.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: nie ma zapowiedzianych blokow - rozlaczam.</source>
        <translation>Synchronisation mit %1 abgebrochen: die angekündigten Blöcke fehlen - Verbindung getrennt.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana - wlasny lancuch zmienil sie w tym czasie.</source>
        <translation>Synchronisation mit %1 abgebrochen - die eigene Kette hat sich inzwischen geändert.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna oferte synchronizacji.</source>
        <translation>Ungültiges Synchronisationsangebot abgelehnt.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna prosbe o stan lancucha.</source>
        <translation>Ungültige Anfrage nach dem Kettenstand abgelehnt.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna prosbe w synchronizacji - rozlaczam.</source>
        <translation>Ungültige Anfrage während der Synchronisation abgelehnt - Verbindung getrennt.</translation>
    </message>
    <message>
        <source>Za duzo prosb w jednej synchronizacji - rozlaczam.</source>
        <translation>Zu viele Anfragen in einer Synchronisation - Verbindung getrennt.</translation>
    </message>
    <message>
        <source>Odrzucam wiadomosc synchronizacji, ktora nie zaczyna rozmowy.</source>
        <translation>Synchronisationsnachricht abgelehnt, die kein Gespräch beginnt.</translation>
    </message>
    <message>
        <source>Pobieram lancuch od %1: %2 z %3 blokow</source>
        <translation>Lade die Kette von %1: %2 von %3 Blöcken</translation>
    </message>
    <message>
        <source>Zamykam polaczenie z %1: %2.</source>
        <translation>Schließe die Verbindung mit %1: %2.</translation>
    </message>
    <message>
        <source>brak danych dluzej niz limit ciszy</source>
        <translation>keine Daten länger als das Stille-Limit</translation>
    </message>
    <message>
        <source>wiadomosc nie doszla w swoim terminie</source>
        <translation>die Nachricht kam nicht rechtzeitig an</translation>
    </message>
    <message>
        <source>przesyla wolniej niz 64 KiB/s</source>
        <translation>sendet langsamer als 64 KiB/s</translation>
    </message>
    <message>
        <source>naglowek ramki nie jest liczba</source>
        <translation>der Rahmenkopf ist keine Zahl</translation>
    </message>
    <message>
        <source>zapowiedziana ramka jest za dluga</source>
        <translation>der angekündigte Rahmen ist zu lang</translation>
    </message>
    <message>
        <source>ramka nie miesci sie w budzecie pamieci</source>
        <translation>der Rahmen passt nicht ins Speicherbudget</translation>
    </message>
    <message>
        <source>wyparte przez nowe polaczenie (komplet, najmniejsze tempo)</source>
        <translation>von einer neuen Verbindung verdrängt (voll, geringstes Tempo)</translation>
    </message>
    <message>
        <source>komplet polaczen z tego adresu</source>
        <translation>zu viele Verbindungen von dieser Adresse</translation>
    </message>
    <message>
        <source>komplet polaczen</source>
        <translation>zu viele Verbindungen</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku obslugi polaczenia.</source>
        <translation>FEHLER: Thread zur Verbindungsbehandlung konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>BLAD: zabraklo pamieci przy obsludze zapytania - odrzucam je.</source>
        <translation>FEHLER: Speicher reichte bei der Bearbeitung einer Anfrage nicht aus - abgelehnt.</translation>
    </message>
    <message>
        <source>Nasluchuje na porcie %1 w petli...</source>
        <translation>Lausche in einer Schleife auf Port %1...</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc gniazda.</source>
        <translation>FEHLER: Socket konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zbindowac portu %1 (moze jest juz zajety?).</source>
        <translation>FEHLER: Port %1 konnte nicht gebunden werden (vielleicht schon belegt?).</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie nasluchiwac.</source>
        <translation>FEHLER: Lauschen fehlgeschlagen.</translation>
    </message>
    <message>
        <source>BLAD: niepoprawny adres IP.</source>
        <translation>FEHLER: ungültige IP-Adresse.</translation>
    </message>
    <message>
        <source>BLAD: przekroczono czas oczekiwania na polaczenie z %1 (wezel offline?)</source>
        <translation>FEHLER: Zeitüberschreitung beim Verbinden mit %1 (Knoten offline?)</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie polaczyc z %1</source>
        <translation>FEHLER: Verbindung mit %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zbindowac portu wykrywania %1.</source>
        <translation>FEHLER: Erkennungsport %1 konnte nicht gebunden werden.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku rozgloszen - lancuch nie bedzie rozglaszany.</source>
        <translation>FEHLER: Verbreitungs-Thread konnte nicht erstellt werden - die Kette wird nicht verbreitet.</translation>
    </message>
    <message>
        <source>BLAD: zabraklo pamieci przy rozglaszaniu lancucha.</source>
        <translation>FEHLER: Speicher reichte beim Verbreiten der Kette nicht aus.</translation>
    </message>
    <message>
        <source>Rozgloszono do %1</source>
        <translation>Verbreitet an %1</translation>
    </message>
    <message>
        <source>Nie udalo sie rozglosic do %1 (offline?)</source>
        <translation>Verbreiten an %1 fehlgeschlagen (offline?)</translation>
    </message>
    <message>
        <source>Rozglaszanie do %1 przerwane - zatrzymanie.</source>
        <translation>Verbreiten an %1 abgebrochen - Anhalten.</translation>
    </message>
    <message>
        <source>UWAGA: portfel %1 mial prawa %2 (dostepny dla innych uzytkownikow) - ustawiono 0600.</source>
        <translation>WARNUNG: Wallet %1 hatte die Rechte %2 (für andere Benutzer zugänglich) - auf 0600 gesetzt.</translation>
    </message>
    <message>
        <source>UWAGA: nie mozna wczytac portfela %1 ani przeniesc go na bok - plik zostaje, nowy portfel nie zostanie zapisany.</source>
        <translation>WARNUNG: Wallet %1 kann weder gelesen noch beiseitegelegt werden - die Datei bleibt, ein neues Wallet wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>UWAGA: nie mozna wczytac portfela %1 - przeniesiono go do %2, tworze nowy portfel.</source>
        <translation>WARNUNG: Wallet %1 kann nicht gelesen werden - nach %2 verschoben, neues Wallet wird erstellt.</translation>
    </message>
    <message>
        <source>Bez portfela: ochrona salda przy przyjmowaniu lancuchow wylaczona.</source>
        <translation>Kein Wallet: Guthabenschutz beim Übernehmen von Ketten ist aus.</translation>
    </message>
    <message>
        <source>Utworzono nowy portfel %1, klucz publiczny: %2</source>
        <translation>Neues Wallet %1 erstellt, öffentlicher Schlüssel: %2</translation>
    </message>
    <message>
        <source>Kopanie na klucz publiczny: %1</source>
        <translation>Mining auf öffentlichen Schlüssel: %1</translation>
    </message>
    <message>
        <source>Usunieto ten wezel z listy %1.</source>
        <translation>Dieser Knoten wurde aus Liste %1 entfernt.</translation>
    </message>
    <message>
        <source>Wykryto nowy wezel w sieci: %1</source>
        <translation>Neuer Knoten im Netz erkannt: %1</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku %1.</source>
        <translation>FEHLER: Thread für %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>bootstrapu</source>
        <translation>Bootstrap</translation>
    </message>
    <message>
        <source>pobierania</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>rozgloszenia</source>
        <translation>Verbreitung</translation>
    </message>
    <message>
        <source>obecnosci</source>
        <translation>Präsenz</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku kopania w petli.</source>
        <translation>FEHLER: Thread für das Mining in der Schleife konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku serwera na porcie %1.</source>
        <translation>FEHLER: Server-Thread auf Port %1 konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku obecnosci - nasluch zatrzymany.</source>
        <translation>FEHLER: Präsenz-Thread konnte nicht erstellt werden - Lauschen gestoppt.</translation>
    </message>
    <message>
        <source>Wezel zatrzymany.</source>
        <translation>Knoten angehalten.</translation>
    </message>
    <message>
        <source>Watki sieci nie skonczyly w czasie - wyjscie bez czekania na nie (zaden zapis lancucha nie trwa).</source>
        <translation>Netz-Threads wurden nicht rechtzeitig fertig - Beenden ohne auf sie zu warten (kein Kettenschreiben läuft).</translation>
    </message>
    <message>
        <source>Wezel dziala na porcie %1 (zatrzymanie: SIGINT albo SIGTERM).</source>
        <translation>Knoten läuft auf Port %1 (Anhalten: SIGINT oder SIGTERM).</translation>
    </message>
    <message>
        <source>Otrzymano sygnal %1 - zatrzymuje wezel.</source>
        <translation>Signal %1 empfangen - Knoten wird angehalten.</translation>
    </message>
</context>
</TS>
