<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="pl_PL">
<context>
    <name>MainWindow</name>
    <message>
        <source>Talvarin</source>
        <translation>Talvarin</translation>
    </message>
    <message>
        <source>Przeglad</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Portfel</source>
        <translation>Portefeuille</translation>
    </message>
    <message>
        <source>Twoj klucz publiczny: -</source>
        <translation>Votre clé publique : -</translation>
    </message>
    <message>
        <source>Kopiuj klucz</source>
        <translation>Copier la clé</translation>
    </message>
    <message>
        <source>Saldo: -</source>
        <translation>Solde : -</translation>
    </message>
    <message>
        <source>Wysokosc lancucha: -</source>
        <translation>Hauteur de la chaîne : -</translation>
    </message>
    <message>
        <source>Kopanie</source>
        <translation>Minage</translation>
    </message>
    <message>
        <source>Kop blok</source>
        <translation>Miner un bloc</translation>
    </message>
    <message>
        <source>Odswiez</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Kop w petli</source>
        <translation>Miner en boucle</translation>
    </message>
    <message>
        <source>Nieaktywne.</source>
        <translation>Inactif.</translation>
    </message>
    <message>
        <source>Wyslij</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Nowa transakcja</source>
        <translation>Nouvelle transaction</translation>
    </message>
    <message>
        <source>Znany odbiorca:</source>
        <translation>Destinataire connu :</translation>
    </message>
    <message>
        <source>Klucz publiczny odbiorcy:</source>
        <translation>Clé publique du destinataire :</translation>
    </message>
    <message>
        <source>Kwota:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Odebrane</source>
        <translation>Reçues</translation>
    </message>
    <message>
        <source>Otrzymane od innych</source>
        <translation>Reçu des autres</translation>
    </message>
    <message>
        <source>Lancuch</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Bloki</source>
        <translation>Blocs</translation>
    </message>
    <message>
        <source>Siec</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Nasluchiwanie</source>
        <translation>Écoute</translation>
    </message>
    <message>
        <source>Moj port:</source>
        <translation>Mon port :</translation>
    </message>
    <message>
        <source>1700</source>
        <translation>1700</translation>
    </message>
    <message>
        <source>Nasluchuj</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Nieaktywny.</source>
        <translation>Inactive.</translation>
    </message>
    <message>
        <source>Znane wezly</source>
        <translation>Nœuds connus</translation>
    </message>
    <message>
        <source>Usun wybrany wezel</source>
        <translation>Supprimer le nœud sélectionné</translation>
    </message>
    <message>
        <source>Rozglos teraz</source>
        <translation>Diffuser maintenant</translation>
    </message>
    <message>
        <source>Dodaj wezel</source>
        <translation>Ajouter un nœud</translation>
    </message>
    <message>
        <source>Adres IP:</source>
        <translation>Adresse IP :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Seedy (stale punkty startowe)</source>
        <translation>Seeds (points de départ fixes)</translation>
    </message>
    <message>
        <source>Dodaj seed</source>
        <translation>Ajouter un seed</translation>
    </message>
    <message>
        <source>Usun wybrany seed</source>
        <translation>Supprimer le seed sélectionné</translation>
    </message>
    <message>
        <source>np. 12.5</source>
        <translation>ex. 12.5</translation>
    </message>
    <message>
        <source>Skopiowano!</source>
        <translation>Copié !</translation>
    </message>
    <message>
        <source>Odswiezono!</source>
        <translation>Actualisé !</translation>
    </message>
    <message>
        <source>Kopanie...</source>
        <translation>Minage...</translation>
    </message>
    <message>
        <source>Rozglaszanie...</source>
        <translation>Diffusion...</translation>
    </message>
    <message>
        <source>Zatrzymaj kopanie</source>
        <translation>Arrêter le minage</translation>
    </message>
    <message>
        <source>Zatrzymywanie...</source>
        <translation>Arrêt...</translation>
    </message>
    <message>
        <source>Aktywne kopanie w petli. Wykopano: %1 blokow w tej sesji.</source>
        <translation>Minage en boucle actif. Minés : %1 blocs dans cette session.</translation>
    </message>
    <message>
        <source>Wylaczone podczas &apos;Kop w petli&apos; - dwa watki nie moga naraz zapisywac
lancucha, zeby nic nie zgubic. Zatrzymaj kopanie w petli, zeby odblokowac.</source>
        <translation>Désactivé pendant &apos;Miner en boucle&apos; - deux threads ne peuvent pas écrire la chaîne
en même temps, pour ne rien perdre. Arrêtez le minage en boucle pour débloquer.</translation>
    </message>
    <message>
        <source>Twoj klucz publiczny:
</source>
        <translation>Votre clé publique :
</translation>
    </message>
    <message>
        <source>To klucz publiczny - mozna go bezpiecznie udostepniac.</source>
        <translation>C&apos;est une clé publique - elle peut être partagée sans risque.</translation>
    </message>
    <message>
        <source>Saldo: %1 %2</source>
        <translation>Solde : %1 %2</translation>
    </message>
    <message>
        <source>Wysokosc lancucha: %1 blokow (lokalnie)</source>
        <translation>Hauteur de la chaîne : %1 blocs (local)</translation>
    </message>
    <message>
        <source>-- wklej recznie ponizej --</source>
        <translation>-- coller manuellement ci-dessous --</translation>
    </message>
    <message>
        <source>Niepoprawny format klucza publicznego odbiorcy.</source>
        <translation>Format de la clé publique du destinataire invalide.</translation>
    </message>
    <message>
        <source>Niepoprawna kwota (np. 12.5, max 8 miejsc po przecinku).</source>
        <translation>Montant invalide (ex. 12.5, 8 décimales au maximum).</translation>
    </message>
    <message>
        <source>Za malo srodkow - masz %1 %2.</source>
        <translation>Fonds insuffisants - vous avez %1 %2.</translation>
    </message>
    <message>
        <source>Potwierdz wyslanie</source>
        <translation>Confirmer l&apos;envoi</translation>
    </message>
    <message>
        <source>Na pewno wyslac %1 %2 do %3?

Transakcji w blockchainie NIE da sie cofnac.</source>
        <translation>Vraiment envoyer %1 %2 à %3 ?

Une transaction dans la blockchain NE peut PAS être annulée.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie. Rozglaszanie do sieci...</source>
        <translation>Transaction enregistrée localement. Diffusion sur le réseau...</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie. Brak znanych wezlow - dodaj wezel w zakladce Siec, zeby odbiorca ja zobaczyl.</source>
        <translation>Transaction enregistrée localement. Aucun nœud connu - ajoutez un nœud dans l&apos;onglet Réseau pour que le destinataire la voie.</translation>
    </message>
    <message>
        <source>Transakcja wyslana i zapisana. Rozgloszono do %1/%2 wezlow.</source>
        <translation>Transaction envoyée et enregistrée. Diffusée à %1/%2 nœuds.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie, ale rozgloszenie NIE powiodlo sie do zadnego z %1 znanych wezlow (offline?). Sprobuj &quot;Rozglos teraz&quot; w zakladce Siec.</source>
        <translation>Transaction enregistrée localement, mais la diffusion n&apos;a réussi vers AUCUN des %1 nœuds connus (hors ligne ?). Essayez &quot;Diffuser maintenant&quot; dans l&apos;onglet Réseau.</translation>
    </message>
    <message>
        <source>Wysylanie wylaczone dopoki trwa &apos;Kop w petli&apos; (zakladka Przeglad) - zatrzymaj je najpierw.</source>
        <translation>Envoi désactivé tant que &apos;Miner en boucle&apos; est actif (onglet Aperçu) - arrêtez-le d&apos;abord.</translation>
    </message>
    <message>
        <source>Blok #%1: %2</source>
        <translation>Bloc #%1 : %2</translation>
    </message>
    <message>
        <source>Blok #%1: NAGRODA ZA KOPANIE  +%2</source>
        <translation>Bloc #%1 : RÉCOMPENSE DE MINAGE  +%2</translation>
    </message>
    <message>
        <source>Blok #%1: nagroda dla %2  +%3</source>
        <translation>Bloc #%1 : récompense pour %2  +%3</translation>
    </message>
    <message>
        <source>Blok #%1: WYSLANO DO SIEBIE  %2</source>
        <translation>Bloc #%1 : ENVOYÉ À VOUS-MÊME  %2</translation>
    </message>
    <message>
        <source>Blok #%1: WYSLANO do %2  -%3</source>
        <translation>Bloc #%1 : ENVOYÉ à %2  -%3</translation>
    </message>
    <message>
        <source>Blok #%1: OTRZYMANO od %2  +%3</source>
        <translation>Bloc #%1 : REÇU de %2  +%3</translation>
    </message>
    <message>
        <source>Blok #%1: %2 -&gt; %3  %4</source>
        <translation>Bloc #%1 : %2 -&gt; %3  %4</translation>
    </message>
    <message>
        <source>Blok #%1: od %2  +%3</source>
        <translation>Bloc #%1 : de %2  +%3</translation>
    </message>
    <message>
        <source>Jeszcze nikt Ci nic nie wyslal.</source>
        <translation>Personne ne vous a encore rien envoyé.</translation>
    </message>
    <message>
        <source>Niepoprawny port - podaj liczbe od 1 do 65535.</source>
        <translation>Port invalide - saisissez un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>Uruchamianie nasluchu na porcie %1...</source>
        <translation>Démarrage de l&apos;écoute sur le port %1...</translation>
    </message>
    <message>
        <source>Nasluch aktywny na porcie %1.</source>
        <translation>Écoute active sur le port %1.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie nasluchiwac na porcie %1 (port juz zajety?).</source>
        <translation>ERREUR : impossible d&apos;écouter sur le port %1 (port déjà utilisé ?).</translation>
    </message>
    <message>
        <source>Zatrzymaj nasluch</source>
        <translation>Arrêter l&apos;écoute</translation>
    </message>
    <message>
        <source>Wykryto nowy wezel w sieci: %1:%2</source>
        <translation>Nouveau nœud détecté sur le réseau : %1:%2</translation>
    </message>
    <message>
        <source>Rozgloszono: %1/%2</source>
        <translation>Diffusé : %1/%2</translation>
    </message>
    <message>
        <source>Brak znanych wezlow!</source>
        <translation>Aucun nœud connu !</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku blockchain.dat - nowy blok nie zostal dodany.</source>
        <translation>ERREUR : impossible d&apos;enregistrer le fichier blockchain.dat - le nouveau bloc n&apos;a pas été ajouté.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku blockchain.dat - transakcja NIE zostala wyslana.</source>
        <translation>ERREUR : impossible d&apos;enregistrer le fichier blockchain.dat - la transaction n&apos;a PAS été envoyée.</translation>
    </message>
    <message>
        <source>Niepoprawny adres IP - wpisz adres IPv4, np. 192.168.1.20.</source>
        <translation>Adresse IP invalide - saisissez une adresse IPv4, p. ex. 192.168.1.20.</translation>
    </message>
    <message>
        <source>Dziennik</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Wyczysc</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Inny wezel przyslal lancuch nie dluzszy niz Twoj - zostajesz przy swoim.</source>
        <translation>Un autre nœud a envoyé une chaîne pas plus longue que la vôtre - vous gardez la vôtre.</translation>
    </message>
    <message>
        <source>Odrzucono dluzszy lancuch innego wezla: zmniejszylby Twoje saldo.</source>
        <translation>Chaîne plus longue d&apos;un autre nœud refusée : elle réduirait votre solde.</translation>
    </message>
    <message>
        <source>Odrzucono niepoprawny lancuch innego wezla.</source>
        <translation>Chaîne invalide d&apos;un autre nœud refusée.</translation>
    </message>
    <message>
        <source>Odrzucono dane innego wezla - to nie jest lancuch.</source>
        <translation>Données d&apos;un autre nœud refusées - ce n&apos;est pas une chaîne.</translation>
    </message>
    <message>
        <source>Nie udalo sie odebrac lancucha od innego wezla.</source>
        <translation>Impossible de recevoir la chaîne d&apos;un autre nœud.</translation>
    </message>
    <message>
        <source>Odrzucono lancuch innego wezla - nie mozna bezpiecznie zapisac pliku lancucha.</source>
        <translation>Chaîne d&apos;un autre nœud refusée - enregistrement sûr du fichier impossible.</translation>
    </message>
    <message>
        <source>Odrzucono lancuch innego wezla - jest za duzy.</source>
        <translation>Chaîne d&apos;un autre nœud refusée - elle est trop grande.</translation>
    </message>
    <message>
        <source>Plik portfela moj_portfel.dat mogli czytac inni uzytkownicy tego komputera. Ustawiono mu prawa 0600 (tylko Ty). Jesli ktos mogl go skopiowac, przenies monety na nowy portfel.</source>
        <translation>Le fichier du portefeuille moj_portfel.dat était lisible par les autres utilisateurs de cet ordinateur. Ses droits ont été mis à 0600 (vous seul). Si quelqu'un a pu le copier, transférez vos pièces vers un nouveau portefeuille.</translation>
    </message>
    <message>
        <source>Pobieranie lancucha...</source>
        <translation>Téléchargement de la chaîne...</translation>
    </message>
    <message>
        <source>Siec ma dluzszy lancuch (%1 blokow), ktorego nie przyjmujesz: zmniejszylby Twoje saldo. Wiecej w README, w rozdziale &quot;Which chain wins&quot;.</source>
        <translation>Le réseau a une chaîne plus longue (%1 blocs) que vous n'acceptez pas : elle réduirait votre solde. Plus dans le README, section "Which chain wins".</translation>
    </message>
    <message>
        <source>Transakcja wyslana i zapisana.</source>
        <translation>Transaction envoyée et enregistrée.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie.</source>
        <translation>Transaction enregistrée localement.</translation>
    </message>
    <message>
        <source>Przyjeto u %1 z %2 wezlow</source>
        <translation>Acceptée par %1 nœuds sur %2</translation>
    </message>
    <message>
        <source>%1 juz go mial</source>
        <translation>%1 l'avait déjà</translation>
    </message>
    <message>
        <source>%1 starszej wersji dostal lancuch, ale nie mowi, czy go przyjal</source>
        <translation>%1 d'une version plus ancienne a reçu la chaîne, mais ne dit pas s'il l'a acceptée</translation>
    </message>
    <message>
        <source>%1 odrzucil: zmniejszyloby jego saldo</source>
        <translation>%1 l'a refusée : elle réduirait son solde</translation>
    </message>
    <message>
        <source>%1 odrzucil: ma lancuch nie krotszy</source>
        <translation>%1 l'a refusée : il a une chaîne qui n'est pas plus courte</translation>
    </message>
    <message>
        <source>%1 odrzucil: uznal lancuch za niepoprawny</source>
        <translation>%1 l'a refusée : il a jugé la chaîne invalide</translation>
    </message>
    <message>
        <source>%1 odrzucil z innego powodu</source>
        <translation>%1 l'a refusée pour une autre raison</translation>
    </message>
    <message>
        <source>%1 nie odpowiedzial (offline?)</source>
        <translation>%1 n'a pas répondu (hors ligne ?)</translation>
    </message>
    <message>
        <source>Pobieram lancuch od %1: %2 z %3 blokow</source>
        <translation>Téléchargement de la chaîne depuis %1 : %2 sur %3 blocs</translation>
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
        <translation>Votre nom :</translation>
    </message>
    <message>
        <source>Wpisz jak mamy Cie nazywac</source>
        <translation>Indiquez comment vous appeler</translation>
    </message>
    <message>
        <source>Kontynuuj</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Portfel</source>
        <translation>Portefeuille</translation>
    </message>
    <message>
        <source>Nie znaleziono portfela w tym folderze. Co chcesz zrobic?</source>
        <translation>Aucun portefeuille trouvé dans ce dossier. Que voulez-vous faire ?</translation>
    </message>
    <message>
        <source>Utworz nowy portfel</source>
        <translation>Créer un nouveau portefeuille</translation>
    </message>
    <message>
        <source>Mam fraze odzyskiwania (12 slow)</source>
        <translation>J&apos;ai une phrase de récupération (12 mots)</translation>
    </message>
    <message>
        <source>Fraza musi miec dokladnie 12 slow (masz %1).</source>
        <translation>La phrase doit contenir exactement 12 mots (vous en avez %1).</translation>
    </message>
    <message>
        <source>Slowo &quot;%1&quot; nie jest na liscie BIP39 - sprawdz literowki.</source>
        <translation>Le mot &quot;%1&quot; ne figure pas dans la liste BIP39 - vérifiez les fautes de frappe.</translation>
    </message>
    <message>
        <source>Zapisz fraze odzyskiwania</source>
        <translation>Notez votre phrase de récupération</translation>
    </message>
    <message>
        <source>To jest JEDYNY sposob odzyskania portfela, jesli stracisz ten komputer.
Zapisz te 12 slow w bezpiecznym miejscu (np. na kartce). Nikomu ich nie pokazuj.</source>
        <translation>C&apos;est le SEUL moyen de récupérer votre portefeuille si vous perdez cet ordinateur.
Notez ces 12 mots dans un endroit sûr (par ex. sur papier). Ne les montrez à personne.</translation>
    </message>
    <message>
        <source>Zapisalem te slowa - kontynuuj</source>
        <translation>J&apos;ai noté ces mots - continuer</translation>
    </message>
    <message>
        <source>Wpisz fraze odzyskiwania</source>
        <translation>Saisir la phrase de récupération</translation>
    </message>
    <message>
        <source>Wpisz 12 slow oddzielonych spacja, w tej samej kolejnosci co przy tworzeniu:</source>
        <translation>Saisissez les 12 mots séparés par des espaces, dans le même ordre qu&apos;à la création :</translation>
    </message>
    <message>
        <source>Odtworz portfel</source>
        <translation>Restaurer le portefeuille</translation>
    </message>
    <message>
        <source>Blad</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Nie udalo sie zainicjalizowac libsodium.</source>
        <translation>Impossible d&apos;initialiser libsodium.</translation>
    </message>
    <message>
        <source>Nie udalo sie zainicjalizowac sieci (WSAStartup).</source>
        <translation>Impossible d&apos;initialiser le réseau (WSAStartup).</translation>
    </message>
    <message>
        <source>Nie udalo sie zapisac portfela do pliku %1: %2.
Fraza odzyskiwania nie zostala pokazana, bo nie odtworzylaby tego portfela.</source>
        <translation>Impossible d&apos;enregistrer le portefeuille dans le fichier %1 : %2.
La phrase de récupération n&apos;a pas été affichée, car elle ne restaurerait pas ce portefeuille.</translation>
    </message>
    <message>
        <source>Folder danych %1 jest juz uzywany przez inny proces (pid %2). Dwa programy na jednym folderze gubilyby bloki - zamknij tamten program albo uzyj innego folderu (--katalog).</source>
        <translation>Le dossier de données %1 est déjà utilisé par un autre processus (pid %2). Deux programmes sur un même dossier perdraient des blocs - fermez l'autre programme ou utilisez un autre dossier (--katalog).</translation>
    </message>
    <message>
        <source>Nie mozna zablokowac folderu danych %1: %2</source>
        <translation>Impossible de verrouiller le dossier de données %1 : %2</translation>
    </message>
</context>
<context>
    <name>Dziennik</name>
    <message>
        <source>[BLAD] Blok #%1 ma dane niezgodne z jego hashem (ktos je zmienil po fakcie)!</source>
        <translation>[ERREUR] Le bloc #%1 a des données qui ne correspondent pas à son hash (quelqu&apos;un les a modifiées après coup) !</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 nie jest poprawnie polaczony z poprzednim blokiem!</source>
        <translation>[ERREUR] Le bloc #%1 n&apos;est pas correctement lié au bloc précédent !</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 ma transakcje z NIEPRAWIDLOWYM podpisem (ktos podszywa sie pod nadawce)!</source>
        <translation>[ERREUR] Le bloc #%1 contient une transaction avec une signature INVALIDE (quelqu&apos;un usurpe l&apos;expéditeur) !</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 zawiera transakcje wydajaca wiecej niz nadawca faktycznie mial (falszywe saldo / podwojne wydanie)!</source>
        <translation>[ERREUR] Le bloc #%1 contient une transaction qui dépense plus que ce que l&apos;expéditeur avait (faux solde / double dépense) !</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 zawiera niepoprawna nagrode za kopanie (falszywe &apos;drukowanie&apos; monet znikad)!</source>
        <translation>[ERREUR] Le bloc #%1 contient une récompense de minage invalide (« impression » de pièces à partir de rien) !</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak CR - odrzucam lancuch.</source>
        <translation>Le bloc #%1 contient un caractère CR dans un champ - chaîne rejetée.</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak LF - odrzucam lancuch.</source>
        <translation>Le bloc #%1 contient un caractère LF dans un champ - chaîne rejetée.</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak NUL - odrzucam lancuch.</source>
        <translation>Le bloc #%1 contient un caractère NUL dans un champ - chaîne rejetée.</translation>
    </message>
    <message>
        <source>Blok #%1 ma pole rowne wierszowi znacznika bloku - odrzucam lancuch.</source>
        <translation>Le bloc #%1 a un champ égal à la ligne marqueur de bloc - chaîne rejetée.</translation>
    </message>
    <message>
        <source>Blok #%1 ma ponad %2 bajtow tekstu (limit tego wezla) - odrzucam lancuch.</source>
        <translation>Le bloc #%1 dépasse %2 octets de texte (limite de ce nœud) - chaîne rejetée.</translation>
    </message>
    <message>
        <source>Blok #%1 ma ponad %2 transakcji (limit tego wezla) - odrzucam lancuch.</source>
        <translation>Le bloc #%1 dépasse %2 transactions (limite de ce nœud) - chaîne rejetée.</translation>
    </message>
    <message>
        <source>Kopanie bloku %1... SUKCES! Znaleziono Hash: %2 (Nonce: %3)</source>
        <translation>Minage du bloc %1... SUCCÈS ! Hash trouvé : %2 (nonce : %3)</translation>
    </message>
    <message>
        <source>BLAD: plik %1 nie jest czytelnym lancuchem i nie udalo sie go odlozyc.</source>
        <translation>ERREUR : le fichier %1 n&apos;est pas une chaîne lisible et n&apos;a pas pu être mis de côté.</translation>
    </message>
    <message>
        <source>Plik %1 nie jest czytelnym lancuchem - odlozono go jako %2.</source>
        <translation>Le fichier %1 n&apos;est pas une chaîne lisible - mis de côté sous %2.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku %1 - nowy blok odrzucono.</source>
        <translation>ERREUR : impossible d&apos;écrire le fichier %1 - le nouveau bloc a été abandonné.</translation>
    </message>
    <message>
        <source>BLAD: plik %1 nie jest zwyklym plikiem - pomijam go.</source>
        <translation>ERREUR : %1 n&apos;est pas un fichier ordinaire - ignoré.</translation>
    </message>
    <message>
        <source>Przyjeto nowy, dluzszy lancuch (%1 blokow).</source>
        <translation>Nouvelle chaîne plus longue acceptée (%1 blocs).</translation>
    </message>
    <message>
        <source>Nie udalo sie odebrac lancucha.</source>
        <translation>Impossible de recevoir la chaîne.</translation>
    </message>
    <message>
        <source>Otrzymane dane nie sa poprawnym lancuchem.</source>
        <translation>Les données reçues ne sont pas une chaîne valide.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch zajalby w pamieci %1 bajtow przy %2 bajtach tekstu - odrzucam.</source>
        <translation>La chaîne reçue occuperait %1 octets de mémoire pour %2 octets de texte - rejetée.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch NIE jest poprawny - odrzucam.</source>
        <translation>La chaîne reçue n&apos;est PAS valide - rejetée.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch (%1 blokow) nie jest dluzszy niz moj (%2 blokow) - zostaje przy swoim.</source>
        <translation>La chaîne reçue (%1 blocs) n&apos;est pas plus longue que la mienne (%2 blocs) - je garde la mienne.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (%1 -&gt; %2) - odrzucam.</source>
        <translation>La chaîne reçue est plus longue, mais elle RÉDUIRAIT votre solde (%1 -&gt; %2) - rejetée.</translation>
    </message>
    <message>
        <source>Nie mozna bezpiecznie zapisac pliku %1 - odrzucam otrzymany lancuch.</source>
        <translation>Impossible d&apos;écrire le fichier %1 en toute sécurité - chaîne reçue rejetée.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch potrzebuje %1 bajtow pamieci ponad wolny budzet - odrzucam.</source>
        <translation>La chaîne reçue a besoin de %1 octets de mémoire au-delà du budget libre - rejetée.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac lancucha do pliku %1 - odrzucam otrzymany lancuch.</source>
        <translation>ERREUR : impossible d&apos;écrire la chaîne dans le fichier %1 - chaîne reçue rejetée.</translation>
    </message>
    <message>
        <source>wezlem wypychajacym</source>
        <translation>le nœud qui envoie</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: brak odpowiedzi - rozlaczam.</source>
        <translation>Synchronisation avec %1 interrompue : pas de réponse - déconnexion.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: niepoprawna odpowiedz - rozlaczam.</source>
        <translation>Synchronisation avec %1 interrompue : réponse invalide - déconnexion.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: bloki nie lacza sie z lancuchem - rozlaczam.</source>
        <translation>Synchronisation avec %1 interrompue : les blocs ne se raccordent pas à la chaîne - déconnexion.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: za maly kawalek blokow - rozlaczam.</source>
        <translation>Synchronisation avec %1 interrompue : lot de blocs trop petit - déconnexion.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: za duzo wiadomosci - rozlaczam.</source>
        <translation>Synchronisation avec %1 interrompue : trop de messages - déconnexion.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: nie ma zapowiedzianych blokow - rozlaczam.</source>
        <translation>Synchronisation avec %1 interrompue : les blocs annoncés manquent - déconnexion.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana - wlasny lancuch zmienil sie w tym czasie.</source>
        <translation>Synchronisation avec %1 interrompue - notre chaîne a changé entre-temps.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna oferte synchronizacji.</source>
        <translation>Offre de synchronisation invalide rejetée.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna prosbe o stan lancucha.</source>
        <translation>Demande d&apos;état de chaîne invalide rejetée.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna prosbe w synchronizacji - rozlaczam.</source>
        <translation>Requête invalide pendant la synchronisation rejetée - déconnexion.</translation>
    </message>
    <message>
        <source>Za duzo prosb w jednej synchronizacji - rozlaczam.</source>
        <translation>Trop de requêtes dans une synchronisation - déconnexion.</translation>
    </message>
    <message>
        <source>Odrzucam wiadomosc synchronizacji, ktora nie zaczyna rozmowy.</source>
        <translation>Message de synchronisation qui ne commence pas une conversation rejeté.</translation>
    </message>
    <message>
        <source>Pobieram lancuch od %1: %2 z %3 blokow</source>
        <translation>Téléchargement de la chaîne depuis %1 : %2 sur %3 blocs</translation>
    </message>
    <message>
        <source>Zamykam polaczenie z %1: %2.</source>
        <translation>Fermeture de la connexion avec %1 : %2.</translation>
    </message>
    <message>
        <source>brak danych dluzej niz limit ciszy</source>
        <translation>aucune donnée au-delà de la limite de silence</translation>
    </message>
    <message>
        <source>wiadomosc nie doszla w swoim terminie</source>
        <translation>le message n&apos;est pas arrivé à temps</translation>
    </message>
    <message>
        <source>przesyla wolniej niz 64 KiB/s</source>
        <translation>envoie plus lentement que 64 Kio/s</translation>
    </message>
    <message>
        <source>naglowek ramki nie jest liczba</source>
        <translation>l&apos;en-tête de trame n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>zapowiedziana ramka jest za dluga</source>
        <translation>la trame annoncée est trop longue</translation>
    </message>
    <message>
        <source>ramka nie miesci sie w budzecie pamieci</source>
        <translation>la trame ne tient pas dans le budget mémoire</translation>
    </message>
    <message>
        <source>wyparte przez nowe polaczenie (komplet, najmniejsze tempo)</source>
        <translation>remplacée par une nouvelle connexion (complet, débit le plus faible)</translation>
    </message>
    <message>
        <source>komplet polaczen z tego adresu</source>
        <translation>trop de connexions depuis cette adresse</translation>
    </message>
    <message>
        <source>komplet polaczen</source>
        <translation>trop de connexions</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku obslugi polaczenia.</source>
        <translation>ERREUR : impossible de créer le thread de traitement de la connexion.</translation>
    </message>
    <message>
        <source>BLAD: zabraklo pamieci przy obsludze zapytania - odrzucam je.</source>
        <translation>ERREUR : mémoire insuffisante pendant le traitement d&apos;une requête - rejetée.</translation>
    </message>
    <message>
        <source>Nasluchuje na porcie %1 w petli...</source>
        <translation>Écoute sur le port %1 en boucle...</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc gniazda.</source>
        <translation>ERREUR : impossible de créer le socket.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zbindowac portu %1 (moze jest juz zajety?).</source>
        <translation>ERREUR : impossible de lier le port %1 (peut-être déjà utilisé ?).</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie nasluchiwac.</source>
        <translation>ERREUR : impossible d&apos;écouter.</translation>
    </message>
    <message>
        <source>BLAD: niepoprawny adres IP.</source>
        <translation>ERREUR : adresse IP invalide.</translation>
    </message>
    <message>
        <source>BLAD: przekroczono czas oczekiwania na polaczenie z %1 (wezel offline?)</source>
        <translation>ERREUR : délai dépassé pour la connexion à %1 (nœud hors ligne ?)</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie polaczyc z %1</source>
        <translation>ERREUR : impossible de se connecter à %1</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zbindowac portu wykrywania %1.</source>
        <translation>ERREUR : impossible de lier le port de découverte %1.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku rozgloszen - lancuch nie bedzie rozglaszany.</source>
        <translation>ERREUR : impossible de créer le thread de diffusion - la chaîne ne sera pas diffusée.</translation>
    </message>
    <message>
        <source>BLAD: zabraklo pamieci przy rozglaszaniu lancucha.</source>
        <translation>ERREUR : mémoire insuffisante pendant la diffusion de la chaîne.</translation>
    </message>
    <message>
        <source>Rozgloszono do %1</source>
        <translation>Diffusé à %1</translation>
    </message>
    <message>
        <source>Nie udalo sie rozglosic do %1 (offline?)</source>
        <translation>Impossible de diffuser à %1 (hors ligne ?)</translation>
    </message>
    <message>
        <source>Rozglaszanie do %1 przerwane - zatrzymanie.</source>
        <translation>Diffusion à %1 interrompue - arrêt.</translation>
    </message>
    <message>
        <source>UWAGA: portfel %1 mial prawa %2 (dostepny dla innych uzytkownikow) - ustawiono 0600.</source>
        <translation>ATTENTION : le portefeuille %1 avait les droits %2 (accessible aux autres utilisateurs) - réglés à 0600.</translation>
    </message>
    <message>
        <source>UWAGA: nie mozna wczytac portfela %1 ani przeniesc go na bok - plik zostaje, nowy portfel nie zostanie zapisany.</source>
        <translation>ATTENTION : impossible de lire le portefeuille %1 ou de le mettre de côté - le fichier reste, aucun nouveau portefeuille ne sera enregistré.</translation>
    </message>
    <message>
        <source>UWAGA: nie mozna wczytac portfela %1 - przeniesiono go do %2, tworze nowy portfel.</source>
        <translation>ATTENTION : impossible de lire le portefeuille %1 - déplacé vers %2, création d&apos;un nouveau portefeuille.</translation>
    </message>
    <message>
        <source>Bez portfela: ochrona salda przy przyjmowaniu lancuchow wylaczona.</source>
        <translation>Pas de portefeuille : la protection du solde à l&apos;acceptation des chaînes est désactivée.</translation>
    </message>
    <message>
        <source>Utworzono nowy portfel %1, klucz publiczny: %2</source>
        <translation>Nouveau portefeuille %1 créé, clé publique : %2</translation>
    </message>
    <message>
        <source>Kopanie na klucz publiczny: %1</source>
        <translation>Minage vers la clé publique : %1</translation>
    </message>
    <message>
        <source>Usunieto ten wezel z listy %1.</source>
        <translation>Ce nœud a été retiré de la liste %1.</translation>
    </message>
    <message>
        <source>Wykryto nowy wezel w sieci: %1</source>
        <translation>Nouveau nœud détecté sur le réseau : %1</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku %1.</source>
        <translation>ERREUR : impossible de créer le thread de %1.</translation>
    </message>
    <message>
        <source>bootstrapu</source>
        <translation>démarrage</translation>
    </message>
    <message>
        <source>pobierania</source>
        <translation>téléchargement</translation>
    </message>
    <message>
        <source>rozgloszenia</source>
        <translation>diffusion</translation>
    </message>
    <message>
        <source>obecnosci</source>
        <translation>présence</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku kopania w petli.</source>
        <translation>ERREUR : impossible de créer le thread de minage en boucle.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku serwera na porcie %1.</source>
        <translation>ERREUR : impossible de créer le thread du serveur sur le port %1.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku obecnosci - nasluch zatrzymany.</source>
        <translation>ERREUR : impossible de créer le thread de présence - écoute arrêtée.</translation>
    </message>
    <message>
        <source>Wezel zatrzymany.</source>
        <translation>Nœud arrêté.</translation>
    </message>
    <message>
        <source>Watki sieci nie skonczyly w czasie - wyjscie bez czekania na nie (zaden zapis lancucha nie trwa).</source>
        <translation>Les threads réseau n&apos;ont pas fini à temps - sortie sans les attendre (aucune écriture de chaîne en cours).</translation>
    </message>
    <message>
        <source>Wezel dziala na porcie %1 (zatrzymanie: SIGINT albo SIGTERM).</source>
        <translation>Nœud en marche sur le port %1 (arrêt : SIGINT ou SIGTERM).</translation>
    </message>
    <message>
        <source>Otrzymano sygnal %1 - zatrzymuje wezel.</source>
        <translation>Signal %1 reçu - arrêt du nœud.</translation>
    </message>
</context>
</TS>
