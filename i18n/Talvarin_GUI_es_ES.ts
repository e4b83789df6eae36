<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="pl_PL">
<context>
    <name>MainWindow</name>
    <message>
        <source>Talvarin</source>
        <translation>Talvarin</translation>
    </message>
    <message>
        <source>Przeglad</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Portfel</source>
        <translation>Monedero</translation>
    </message>
    <message>
        <source>Twoj klucz publiczny: -</source>
        <translation>Tu clave pública: -</translation>
    </message>
    <message>
        <source>Kopiuj klucz</source>
        <translation>Copiar clave</translation>
    </message>
    <message>
        <source>Saldo: -</source>
        <translation>Saldo: -</translation>
    </message>
    <message>
        <source>Wysokosc lancucha: -</source>
        <translation>Altura de la cadena: -</translation>
    </message>
    <message>
        <source>Kopanie</source>
        <translation>Minado</translation>
    </message>
    <message>
        <source>Kop blok</source>
        <translation>Minar bloque</translation>
    </message>
    <message>
        <source>Odswiez</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Kop w petli</source>
        <translation>Minar en bucle</translation>
    </message>
    <message>
        <source>Nieaktywne.</source>
        <translation>Inactivo.</translation>
    </message>
    <message>
        <source>Wyslij</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Nowa transakcja</source>
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>Znany odbiorca:</source>
        <translation>Destinatario conocido:</translation>
    </message>
    <message>
        <source>Klucz publiczny odbiorcy:</source>
        <translation>Clave pública del destinatario:</translation>
    </message>
    <message>
        <source>Kwota:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Odebrane</source>
        <translation>Recibidas</translation>
    </message>
    <message>
        <source>Otrzymane od innych</source>
        <translation>Recibido de otros</translation>
    </message>
    <message>
        <source>Lancuch</source>
        <translation>Cadena</translation>
    </message>
    <message>
        <source>Bloki</source>
        <translation>Bloques</translation>
    </message>
    <message>
        <source>Siec</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Nasluchiwanie</source>
        <translation>Escucha</translation>
    </message>
    <message>
        <source>Moj port:</source>
        <translation>Mi puerto:</translation>
    </message>
    <message>
        <source>1700</source>
        <translation>1700</translation>
    </message>
    <message>
        <source>Nasluchuj</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Nieaktywny.</source>
        <translation>Inactiva.</translation>
    </message>
    <message>
        <source>Znane wezly</source>
        <translation>Nodos conocidos</translation>
    </message>
    <message>
        <source>Usun wybrany wezel</source>
        <translation>Eliminar el nodo seleccionado</translation>
    </message>
    <message>
        <source>Rozglos teraz</source>
        <translation>Difundir ahora</translation>
    </message>
    <message>
        <source>Dodaj wezel</source>
        <translation>Añadir nodo</translation>
    </message>
    <message>
        <source>Adres IP:</source>
        <translation>Dirección IP:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Seedy (stale punkty startowe)</source>
        <translation>Semillas (puntos de partida fijos)</translation>
    </message>
    <message>
        <source>Dodaj seed</source>
        <translation>Añadir semilla</translation>
    </message>
    <message>
        <source>Usun wybrany seed</source>
        <translation>Eliminar la semilla seleccionada</translation>
    </message>
    <message>
        <source>np. 12.5</source>
        <translation>p. ej. 12.5</translation>
    </message>
    <message>
        <source>Skopiowano!</source>
        <translation>¡Copiado!</translation>
    </message>
    <message>
        <source>Odswiezono!</source>
        <translation>¡Actualizado!</translation>
    </message>
    <message>
        <source>Kopanie...</source>
        <translation>Minando...</translation>
    </message>
    <message>
        <source>Rozglaszanie...</source>
        <translation>Difundiendo...</translation>
    </message>
    <message>
        <source>Zatrzymaj kopanie</source>
        <translation>Detener minado</translation>
    </message>
    <message>
        <source>Zatrzymywanie...</source>
        <translation>Deteniendo...</translation>
    </message>
    <message>
        <source>Aktywne kopanie w petli. Wykopano: %1 blokow w tej sesji.</source>
        <translation>Minado en bucle activo. Minados: %1 bloques en esta sesión.</translation>
    </message>
    <message>
        <source>Wylaczone podczas &apos;Kop w petli&apos; - dwa watki nie moga naraz zapisywac
lancucha, zeby nic nie zgubic. Zatrzymaj kopanie w petli, zeby odblokowac.</source>
        <translation>Desactivado durante &apos;Minar en bucle&apos; - dos hilos no pueden escribir la cadena
a la vez, para no perder nada. Detén el minado en bucle para desbloquear.</translation>
    </message>
    <message>
        <source>Twoj klucz publiczny:
</source>
        <translation>Tu clave pública:
</translation>
    </message>
    <message>
        <source>To klucz publiczny - mozna go bezpiecznie udostepniac.</source>
        <translation>Es una clave pública - se puede compartir sin riesgo.</translation>
    </message>
    <message>
        <source>Saldo: %1 %2</source>
        <translation>Saldo: %1 %2</translation>
    </message>
    <message>
        <source>Wysokosc lancucha: %1 blokow (lokalnie)</source>
        <translation>Altura de la cadena: %1 bloques (local)</translation>
    </message>
    <message>
        <source>-- wklej recznie ponizej --</source>
        <translation>-- pegar manualmente abajo --</translation>
    </message>
    <message>
        <source>Niepoprawny format klucza publicznego odbiorcy.</source>
        <translation>Formato no válido de la clave pública del destinatario.</translation>
    </message>
    <message>
        <source>Niepoprawna kwota (np. 12.5, max 8 miejsc po przecinku).</source>
        <translation>Importe no válido (p. ej. 12.5, máx. 8 decimales).</translation>
    </message>
    <message>
        <source>Za malo srodkow - masz %1 %2.</source>
        <translation>Fondos insuficientes - tienes %1 %2.</translation>
    </message>
    <message>
        <source>Potwierdz wyslanie</source>
        <translation>Confirmar envío</translation>
    </message>
    <message>
        <source>Na pewno wyslac %1 %2 do %3?

Transakcji w blockchainie NIE da sie cofnac.</source>
        <translation>¿Seguro que quieres enviar %1 %2 a %3?

Una transacción en la blockchain NO se puede deshacer.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie. Rozglaszanie do sieci...</source>
        <translation>Transacción guardada localmente. Difundiendo a la red...</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie. Brak znanych wezlow - dodaj wezel w zakladce Siec, zeby odbiorca ja zobaczyl.</source>
        <translation>Transacción guardada localmente. No hay nodos conocidos - añade un nodo en la pestaña Red para que el destinatario la vea.</translation>
    </message>
    <message>
        <source>Transakcja wyslana i zapisana. Rozgloszono do %1/%2 wezlow.</source>
        <translation>Transacción enviada y guardada. Difundida a %1/%2 nodos.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie, ale rozgloszenie NIE powiodlo sie do zadnego z %1 znanych wezlow (offline?). Sprobuj &quot;Rozglos teraz&quot; w zakladce Siec.</source>
        <translation>Transacción guardada localmente, pero la difusión NO llegó a ninguno de los %1 nodos conocidos (¿sin conexión?). Prueba &quot;Difundir ahora&quot; en la pestaña Red.</translation>
    </message>
    <message>
        <source>Wysylanie wylaczone dopoki trwa &apos;Kop w petli&apos; (zakladka Przeglad) - zatrzymaj je najpierw.</source>
        <translation>Envío desactivado mientras &apos;Minar en bucle&apos; esté activo (pestaña Resumen) - detenlo primero.</translation>
    </message>
    <message>
        <source>Blok #%1: %2</source>
        <translation>Bloque #%1: %2</translation>
    </message>
    <message>
        <source>Blok #%1: NAGRODA ZA KOPANIE  +%2</source>
        <translation>Bloque #%1: RECOMPENSA DE MINADO  +%2</translation>
    </message>
    <message>
        <source>Blok #%1: nagroda dla %2  +%3</source>
        <translation>Bloque #%1: recompensa para %2  +%3</translation>
    </message>
    <message>
        <source>Blok #%1: WYSLANO DO SIEBIE  %2</source>
        <translation>Bloque #%1: ENVIADO A TI MISMO  %2</translation>
    </message>
    <message>
        <source>Blok #%1: WYSLANO do %2  -%3</source>
        <translation>Bloque #%1: ENVIADO a %2  -%3</translation>
    </message>
    <message>
        <source>Blok #%1: OTRZYMANO od %2  +%3</source>
        <translation>Bloque #%1: RECIBIDO de %2  +%3</translation>
    </message>
    <message>
        <source>Blok #%1: %2 -&gt; %3  %4</source>
        <translation>Bloque #%1: %2 -&gt; %3  %4</translation>
    </message>
    <message>
        <source>Blok #%1: od %2  +%3</source>
        <translation>Bloque #%1: de %2  +%3</translation>
    </message>
    <message>
        <source>Jeszcze nikt Ci nic nie wyslal.</source>
        <translation>Todavía nadie te ha enviado nada.</translation>
    </message>
    <message>
        <source>Niepoprawny port - podaj liczbe od 1 do 65535.</source>
        <translation>Puerto no válido - introduce un número del 1 al 65535.</translation>
    </message>
    <message>
        <source>Uruchamianie nasluchu na porcie %1...</source>
        <translation>Iniciando la escucha en el puerto %1...</translation>
    </message>
    <message>
        <source>Nasluch aktywny na porcie %1.</source>
        <translation>Escucha activa en el puerto %1.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie nasluchiwac na porcie %1 (port juz zajety?).</source>
        <translation>ERROR: no se pudo escuchar en el puerto %1 (¿puerto ya en uso?).</translation>
    </message>
    <message>
        <source>Zatrzymaj nasluch</source>
        <translation>Detener escucha</translation>
    </message>
    <message>
        <source>Wykryto nowy wezel w sieci: %1:%2</source>
        <translation>Nuevo nodo detectado en la red: %1:%2</translation>
    </message>
    <message>
        <source>Rozgloszono: %1/%2</source>
        <translation>Difundido: %1/%2</translation>
    </message>
    <message>
        <source>Brak znanych wezlow!</source>
        <translation>¡No hay nodos conocidos!</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku blockchain.dat - nowy blok nie zostal dodany.</source>
        <translation>ERROR: no se pudo guardar el archivo blockchain.dat - el nuevo bloque no se ha añadido.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku blockchain.dat - transakcja NIE zostala wyslana.</source>
        <translation>ERROR: no se pudo guardar el archivo blockchain.dat - la transacción NO se ha enviado.</translation>
    </message>
    <message>
        <source>Niepoprawny adres IP - wpisz adres IPv4, np. 192.168.1.20.</source>
        <translation>Dirección IP no válida - introduce una dirección IPv4, p. ej. 192.168.1.20.</translation>
    </message>
    <message>
        <source>Dziennik</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Wyczysc</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Inny wezel przyslal lancuch nie dluzszy niz Twoj - zostajesz przy swoim.</source>
        <translation>Otro nodo envió una cadena no más larga que la tuya - te quedas con la tuya.</translation>
    </message>
    <message>
        <source>Odrzucono dluzszy lancuch innego wezla: zmniejszylby Twoje saldo.</source>
        <translation>Rechazada una cadena más larga de otro nodo: reduciría tu saldo.</translation>
    </message>
    <message>
        <source>Odrzucono niepoprawny lancuch innego wezla.</source>
        <translation>Se rechazó una cadena no válida de otro nodo.</translation>
    </message>
    <message>
        <source>Odrzucono dane innego wezla - to nie jest lancuch.</source>
        <translation>Se rechazaron datos de otro nodo - no son una cadena.</translation>
    </message>
    <message>
        <source>Nie udalo sie odebrac lancucha od innego wezla.</source>
        <translation>No se pudo recibir una cadena de otro nodo.</translation>
    </message>
    <message>
        <source>Odrzucono lancuch innego wezla - nie mozna bezpiecznie zapisac pliku lancucha.</source>
        <translation>Cadena de otro nodo rechazada - no se puede guardar el archivo con seguridad.</translation>
    </message>
    <message>
        <source>Odrzucono lancuch innego wezla - jest za duzy.</source>
        <translation>Se rechazó una cadena de otro nodo - es demasiado grande.</translation>
    </message>
    <message>
        <source>Plik portfela moj_portfel.dat mogli czytac inni uzytkownicy tego komputera. Ustawiono mu prawa 0600 (tylko Ty). Jesli ktos mogl go skopiowac, przenies monety na nowy portfel.</source>
        <translation>El archivo de la cartera moj_portfel.dat podía ser leído por otros usuarios de este ordenador. Se le han puesto permisos 0600 (solo usted). Si alguien pudo copiarlo, mueva sus monedas a una cartera nueva.</translation>
    </message>
    <message>
        <source>Pobieranie lancucha...</source>
        <translation>Descargando la cadena...</translation>
    </message>
    <message>
        <source>Siec ma dluzszy lancuch (%1 blokow), ktorego nie przyjmujesz: zmniejszylby Twoje saldo. Wiecej w README, w rozdziale &quot;Which chain wins&quot;.</source>
        <translation>La red tiene una cadena más larga (%1 bloques) que no aceptas: reduciría tu saldo. Más en el README, sección "Which chain wins".</translation>
    </message>
    <message>
        <source>Transakcja wyslana i zapisana.</source>
        <translation>Transacción enviada y guardada.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie.</source>
        <translation>Transacción guardada localmente.</translation>
    </message>
    <message>
        <source>Przyjeto u %1 z %2 wezlow</source>
        <translation>Aceptada por %1 de %2 nodos</translation>
    </message>
    <message>
        <source>%1 juz go mial</source>
        <translation>%1 ya la tenía</translation>
    </message>
    <message>
        <source>%1 starszej wersji dostal lancuch, ale nie mowi, czy go przyjal</source>
        <translation>%1 de una versión anterior recibió la cadena, pero no dice si la aceptó</translation>
    </message>
    <message>
        <source>%1 odrzucil: zmniejszyloby jego saldo</source>
        <translation>%1 la rechazó: reduciría su saldo</translation>
    </message>
    <message>
        <source>%1 odrzucil: ma lancuch nie krotszy</source>
        <translation>%1 la rechazó: tiene una cadena no más corta</translation>
    </message>
    <message>
        <source>%1 odrzucil: uznal lancuch za niepoprawny</source>
        <translation>%1 la rechazó: consideró la cadena no válida</translation>
    </message>
    <message>
        <source>%1 odrzucil z innego powodu</source>
        <translation>%1 la rechazó por otro motivo</translation>
    </message>
    <message>
        <source>%1 nie odpowiedzial (offline?)</source>
        <translation>%1 no respondió (¿sin conexión?)</translation>
    </message>
    <message>
        <source>Pobieram lancuch od %1: %2 z %3 blokow</source>
        <translation>Descargando la cadena de %1: %2 de %3 bloques</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Wersja 0.1</source>
        <translation>Versión 0.1</translation>
    </message>
    <message>
        <source>Twoja nazwa:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>Wpisz jak mamy Cie nazywac</source>
        <translation>Escribe cómo quieres que te llamemos</translation>
    </message>
    <message>
        <source>Kontynuuj</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Portfel</source>
        <translation>Monedero</translation>
    </message>
    <message>
        <source>Nie znaleziono portfela w tym folderze. Co chcesz zrobic?</source>
        <translation>No se encontró ningún monedero en esta carpeta. ¿Qué quieres hacer?</translation>
    </message>
    <message>
        <source>Utworz nowy portfel</source>
        <translation>Crear monedero nuevo</translation>
    </message>
    <message>
        <source>Mam fraze odzyskiwania (12 slow)</source>
        <translation>Tengo una frase de recuperación (12 palabras)</translation>
    </message>
    <message>
        <source>Fraza musi miec dokladnie 12 slow (masz %1).</source>
        <translation>La frase debe tener exactamente 12 palabras (tienes %1).</translation>
    </message>
    <message>
        <source>Slowo &quot;%1&quot; nie jest na liscie BIP39 - sprawdz literowki.</source>
        <translation>La palabra &quot;%1&quot; no está en la lista BIP39 - revisa si hay erratas.</translation>
    </message>
    <message>
        <source>Zapisz fraze odzyskiwania</source>
        <translation>Guarda tu frase de recuperación</translation>
    </message>
    <message>
        <source>To jest JEDYNY sposob odzyskania portfela, jesli stracisz ten komputer.
Zapisz te 12 slow w bezpiecznym miejscu (np. na kartce). Nikomu ich nie pokazuj.</source>
        <translation>Esta es la ÚNICA forma de recuperar tu monedero si pierdes este ordenador.
Apunta estas 12 palabras en un lugar seguro (p. ej. en papel). No se las enseñes a nadie.</translation>
    </message>
    <message>
        <source>Zapisalem te slowa - kontynuuj</source>
        <translation>He apuntado estas palabras - continuar</translation>
    </message>
    <message>
        <source>Wpisz fraze odzyskiwania</source>
        <translation>Introduce la frase de recuperación</translation>
    </message>
    <message>
        <source>Wpisz 12 slow oddzielonych spacja, w tej samej kolejnosci co przy tworzeniu:</source>
        <translation>Escribe las 12 palabras separadas por espacios, en el mismo orden que al crearlas:</translation>
    </message>
    <message>
        <source>Odtworz portfel</source>
        <translation>Restaurar monedero</translation>
    </message>
    <message>
        <source>Blad</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Nie udalo sie zainicjalizowac libsodium.</source>
        <translation>No se pudo inicializar libsodium.</translation>
    </message>
    <message>
        <source>Nie udalo sie zainicjalizowac sieci (WSAStartup).</source>
        <translation>No se pudo inicializar la red (WSAStartup).</translation>
    </message>
    <message>
        <source>Nie udalo sie zapisac portfela do pliku %1: %2.
Fraza odzyskiwania nie zostala pokazana, bo nie odtworzylaby tego portfela.</source>
        <translation>No se pudo guardar el monedero en el archivo %1: %2.
La frase de recuperación no se ha mostrado, porque no restauraría este monedero.</translation>
    </message>
    <message>
        <source>Folder danych %1 jest juz uzywany przez inny proces (pid %2). Dwa programy na jednym folderze gubilyby bloki - zamknij tamten program albo uzyj innego folderu (--katalog).</source>
        <translation>La carpeta de datos %1 ya la usa otro proceso (pid %2). Dos programas en una misma carpeta perderían bloques: cierre el otro programa o use otra carpeta (--katalog).</translation>
    </message>
    <message>
        <source>Nie mozna zablokowac folderu danych %1: %2</source>
        <translation>No se puede bloquear la carpeta de datos %1: %2</translation>
    </message>
</context>
<context>
    <name>Dziennik</name>
    <message>
        <source>[BLAD] Blok #%1 ma dane niezgodne z jego hashem (ktos je zmienil po fakcie)!</source>
        <translation>[ERROR] ¡El bloque #%1 tiene datos que no coinciden con su hash (alguien los cambió después)!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 nie jest poprawnie polaczony z poprzednim blokiem!</source>
        <translation>[ERROR] ¡El bloque #%1 no está enlazado correctamente con el bloque anterior!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 ma transakcje z NIEPRAWIDLOWYM podpisem (ktos podszywa sie pod nadawce)!</source>
        <translation>[ERROR] ¡El bloque #%1 tiene una transacción con firma NO VÁLIDA (alguien suplanta al remitente)!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 zawiera transakcje wydajaca wiecej niz nadawca faktycznie mial (falszywe saldo / podwojne wydanie)!</source>
        <translation>[ERROR] ¡El bloque #%1 contiene una transacción que gasta más de lo que el remitente tenía (saldo falso / doble gasto)!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 zawiera niepoprawna nagrode za kopanie (falszywe &apos;drukowanie&apos; monet znikad)!</source>
        <translation>[ERROR] ¡El bloque #%1 contiene una recompensa de minado no válida (&apos;impresión&apos; falsa de monedas de la nada)!</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak CR - odrzucam lancuch.</source>
        <translation>El bloque #%1 tiene un carácter CR en un campo - rechazo la cadena.</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak LF - odrzucam lancuch.</source>
        <translation>El bloque #%1 tiene un carácter LF en un campo - rechazo la cadena.</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak NUL - odrzucam lancuch.</source>
        <translation>El bloque #%1 tiene un carácter NUL en un campo - rechazo la cadena.</translation>
    </message>
    <message>
        <source>Blok #%1 ma pole rowne wierszowi znacznika bloku - odrzucam lancuch.</source>
        <translation>El bloque #%1 tiene un campo igual a la línea marcadora de bloque - rechazo la cadena.</translation>
    </message>
    <message>
        <source>Blok #%1 ma ponad %2 bajtow tekstu (limit tego wezla) - odrzucam lancuch.</source>
        <translation>El bloque #%1 tiene más de %2 bytes de texto (límite de este nodo) - rechazo la cadena.</translation>
    </message>
    <message>
        <source>Blok #%1 ma ponad %2 transakcji (limit tego wezla) - odrzucam lancuch.</source>
        <translation>El bloque #%1 tiene más de %2 transacciones (límite de este nodo) - rechazo la cadena.</translation>
    </message>
    <message>
        <source>Kopanie bloku %1... SUKCES! Znaleziono Hash: %2 (Nonce: %3)</source>
        <translation>Minando el bloque %1... ¡ÉXITO! Hash encontrado: %2 (nonce: %3)</translation>
    </message>
    <message>
        <source>BLAD: plik %1 nie jest czytelnym lancuchem i nie udalo sie go odlozyc.</source>
        <translation>ERROR: el archivo %1 no es una cadena legible y no se pudo apartar.</translation>
    </message>
    <message>
        <source>Plik %1 nie jest czytelnym lancuchem - odlozono go jako %2.</source>
        <translation>El archivo %1 no es una cadena legible - apartado como %2.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku %1 - nowy blok odrzucono.</source>
        <translation>ERROR: no se pudo escribir el archivo %1 - el nuevo bloque se descartó.</translation>
    </message>
    <message>
        <source>BLAD: plik %1 nie jest zwyklym plikiem - pomijam go.</source>
        <translation>ERROR: %1 no es un archivo normal - lo omito.</translation>
    </message>
    <message>
        <source>Przyjeto nowy, dluzszy lancuch (%1 blokow).</source>
        <translation>Se aceptó una cadena nueva y más larga (%1 bloques).</translation>
    </message>
    <message>
        <source>Nie udalo sie odebrac lancucha.</source>
        <translation>No se pudo recibir la cadena.</translation>
    </message>
    <message>
        <source>Otrzymane dane nie sa poprawnym lancuchem.</source>
        <translation>Los datos recibidos no son una cadena válida.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch zajalby w pamieci %1 bajtow przy %2 bajtach tekstu - odrzucam.</source>
        <translation>La cadena recibida ocuparía %1 bytes de memoria con %2 bytes de texto - la rechazo.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch NIE jest poprawny - odrzucam.</source>
        <translation>La cadena recibida NO es válida - la rechazo.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch (%1 blokow) nie jest dluzszy niz moj (%2 blokow) - zostaje przy swoim.</source>
        <translation>La cadena recibida (%1 bloques) no es más larga que la mía (%2 bloques) - me quedo con la mía.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (%1 -&gt; %2) - odrzucam.</source>
        <translation>La cadena recibida es más larga, pero REDUCIRÍA tu saldo (%1 -&gt; %2) - la rechazo.</translation>
    </message>
    <message>
        <source>Nie mozna bezpiecznie zapisac pliku %1 - odrzucam otrzymany lancuch.</source>
        <translation>No se puede escribir de forma segura el archivo %1 - rechazo la cadena recibida.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch potrzebuje %1 bajtow pamieci ponad wolny budzet - odrzucam.</source>
        <translation>La cadena recibida necesita %1 bytes de memoria por encima del presupuesto libre - la rechazo.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac lancucha do pliku %1 - odrzucam otrzymany lancuch.</source>
        <translation>ERROR: no se pudo escribir la cadena en el archivo %1 - rechazo la cadena recibida.</translation>
    </message>
    <message>
        <source>wezlem wypychajacym</source>
        <translation>el nodo que envía</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: brak odpowiedzi - rozlaczam.</source>
        <translation>Sincronización con %1 interrumpida: sin respuesta - desconecto.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: niepoprawna odpowiedz - rozlaczam.</source>
        <translation>Sincronización con %1 interrumpida: respuesta no válida - desconecto.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: bloki nie lacza sie z lancuchem - rozlaczam.</source>
        <translation>Sincronización con %1 interrumpida: los bloques no enlazan con la cadena - desconecto.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: za maly kawalek blokow - rozlaczam.</source>
        <translation>Sincronización con %1 interrumpida: fragmento de bloques demasiado pequeño - desconecto.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: za duzo wiadomosci - rozlaczam.</source>
        <translation>Sincronización con %1 interrumpida: demasiados mensajes - desconecto.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: nie ma zapowiedzianych blokow - rozlaczam.</source>
        <translation>Sincronización con %1 interrumpida: faltan los bloques anunciados - desconecto.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana - wlasny lancuch zmienil sie w tym czasie.</source>
        <translation>Sincronización con %1 interrumpida - la cadena propia cambió mientras tanto.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna oferte synchronizacji.</source>
        <translation>Rechazo una oferta de sincronización no válida.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna prosbe o stan lancucha.</source>
        <translation>Rechazo una solicitud no válida del estado de la cadena.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna prosbe w synchronizacji - rozlaczam.</source>
        <translation>Rechazo una solicitud no válida durante la sincronización - desconecto.</translation>
    </message>
    <message>
        <source>Za duzo prosb w jednej synchronizacji - rozlaczam.</source>
        <translation>Demasiadas solicitudes en una sincronización - desconecto.</translation>
    </message>
    <message>
        <source>Odrzucam wiadomosc synchronizacji, ktora nie zaczyna rozmowy.</source>
        <translation>Rechazo un mensaje de sincronización que no inicia una conversación.</translation>
    </message>
    <message>
        <source>Pobieram lancuch od %1: %2 z %3 blokow</source>
        <translation>Descargando la cadena de %1: %2 de %3 bloques</translation>
    </message>
    <message>
        <source>Zamykam polaczenie z %1: %2.</source>
        <translation>Cierro la conexión con %1: %2.</translation>
    </message>
    <message>
        <source>brak danych dluzej niz limit ciszy</source>
        <translation>sin datos durante más tiempo que el límite de silencio</translation>
    </message>
    <message>
        <source>wiadomosc nie doszla w swoim terminie</source>
        <translation>el mensaje no llegó a tiempo</translation>
    </message>
    <message>
        <source>przesyla wolniej niz 64 KiB/s</source>
        <translation>envía más lento que 64 KiB/s</translation>
    </message>
    <message>
        <source>naglowek ramki nie jest liczba</source>
        <translation>la cabecera de la trama no es un número</translation>
    </message>
    <message>
        <source>zapowiedziana ramka jest za dluga</source>
        <translation>la trama anunciada es demasiado larga</translation>
    </message>
    <message>
        <source>ramka nie miesci sie w budzecie pamieci</source>
        <translation>la trama no cabe en el presupuesto de memoria</translation>
    </message>
    <message>
        <source>wyparte przez nowe polaczenie (komplet, najmniejsze tempo)</source>
        <translation>desplazada por una conexión nueva (completo, menor ritmo)</translation>
    </message>
    <message>
        <source>komplet polaczen z tego adresu</source>
        <translation>demasiadas conexiones desde esta dirección</translation>
    </message>
    <message>
        <source>komplet polaczen</source>
        <translation>demasiadas conexiones</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku obslugi polaczenia.</source>
        <translation>ERROR: no se pudo crear el hilo de atención de la conexión.</translation>
    </message>
    <message>
        <source>BLAD: zabraklo pamieci przy obsludze zapytania - odrzucam je.</source>
        <translation>ERROR: memoria insuficiente al atender una solicitud - la rechazo.</translation>
    </message>
    <message>
        <source>Nasluchuje na porcie %1 w petli...</source>
        <translation>Escuchando en el puerto %1 en bucle...</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc gniazda.</source>
        <translation>ERROR: no se pudo crear el socket.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zbindowac portu %1 (moze jest juz zajety?).</source>
        <translation>ERROR: no se pudo enlazar el puerto %1 (¿quizá ya está en uso?).</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie nasluchiwac.</source>
        <translation>ERROR: no se pudo escuchar.</translation>
    </message>
    <message>
        <source>BLAD: niepoprawny adres IP.</source>
        <translation>ERROR: dirección IP no válida.</translation>
    </message>
    <message>
        <source>BLAD: przekroczono czas oczekiwania na polaczenie z %1 (wezel offline?)</source>
        <translation>ERROR: se agotó el tiempo al conectar con %1 (¿nodo desconectado?)</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie polaczyc z %1</source>
        <translation>ERROR: no se pudo conectar con %1</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zbindowac portu wykrywania %1.</source>
        <translation>ERROR: no se pudo enlazar el puerto de descubrimiento %1.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku rozgloszen - lancuch nie bedzie rozglaszany.</source>
        <translation>ERROR: no se pudo crear el hilo de difusión - la cadena no se difundirá.</translation>
    </message>
    <message>
        <source>BLAD: zabraklo pamieci przy rozglaszaniu lancucha.</source>
        <translation>ERROR: memoria insuficiente al difundir la cadena.</translation>
    </message>
    <message>
        <source>Rozgloszono do %1</source>
        <translation>Difundido a %1</translation>
    </message>
    <message>
        <source>Nie udalo sie rozglosic do %1 (offline?)</source>
        <translation>No se pudo difundir a %1 (¿desconectado?)</translation>
    </message>
    <message>
        <source>Rozglaszanie do %1 przerwane - zatrzymanie.</source>
        <translation>Difusión a %1 interrumpida - detención.</translation>
    </message>
    <message>
        <source>UWAGA: portfel %1 mial prawa %2 (dostepny dla innych uzytkownikow) - ustawiono 0600.</source>
        <translation>AVISO: el monedero %1 tenía permisos %2 (accesible para otros usuarios) - se fijaron a 0600.</translation>
    </message>
    <message>
        <source>UWAGA: nie mozna wczytac portfela %1 ani przeniesc go na bok - plik zostaje, nowy portfel nie zostanie zapisany.</source>
        <translation>AVISO: no se puede leer el monedero %1 ni apartarlo - el archivo se queda, no se guardará un monedero nuevo.</translation>
    </message>
    <message>
        <source>UWAGA: nie mozna wczytac portfela %1 - przeniesiono go do %2, tworze nowy portfel.</source>
        <translation>AVISO: no se puede leer el monedero %1 - se movió a %2, creo un monedero nuevo.</translation>
    </message>
    <message>
        <source>Bez portfela: ochrona salda przy przyjmowaniu lancuchow wylaczona.</source>
        <translation>Sin monedero: la protección del saldo al aceptar cadenas está desactivada.</translation>
    </message>
    <message>
        <source>Utworzono nowy portfel %1, klucz publiczny: %2</source>
        <translation>Se creó un monedero nuevo %1, clave pública: %2</translation>
    </message>
    <message>
        <source>Kopanie na klucz publiczny: %1</source>
        <translation>Minando para la clave pública: %1</translation>
    </message>
    <message>
        <source>Usunieto ten wezel z listy %1.</source>
        <translation>Se quitó este nodo de la lista %1.</translation>
    </message>
    <message>
        <source>Wykryto nowy wezel w sieci: %1</source>
        <translation>Se detectó un nodo nuevo en la red: %1</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku %1.</source>
        <translation>ERROR: no se pudo crear el hilo de %1.</translation>
    </message>
    <message>
        <source>bootstrapu</source>
        <translation>arranque</translation>
    </message>
    <message>
        <source>pobierania</source>
        <translation>descarga</translation>
    </message>
    <message>
        <source>rozgloszenia</source>
        <translation>difusión</translation>
    </message>
    <message>
        <source>obecnosci</source>
        <translation>presencia</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku kopania w petli.</source>
        <translation>ERROR: no se pudo crear el hilo de minado en bucle.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku serwera na porcie %1.</source>
        <translation>ERROR: no se pudo crear el hilo del servidor en el puerto %1.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku obecnosci - nasluch zatrzymany.</source>
        <translation>ERROR: no se pudo crear el hilo de presencia - escucha detenida.</translation>
    </message>
    <message>
        <source>Wezel zatrzymany.</source>
        <translation>Nodo detenido.</translation>
    </message>
    <message>
        <source>Watki sieci nie skonczyly w czasie - wyjscie bez czekania na nie (zaden zapis lancucha nie trwa).</source>
        <translation>Los hilos de red no terminaron a tiempo - salgo sin esperarlos (no hay ninguna escritura de la cadena en curso).</translation>
    </message>
    <message>
        <source>Wezel dziala na porcie %1 (zatrzymanie: SIGINT albo SIGTERM).</source>
        <translation>Nodo en marcha en el puerto %1 (detener: SIGINT o SIGTERM).</translation>
    </message>
    <message>
        <source>Otrzymano sygnal %1 - zatrzymuje wezel.</source>
        <translation>Recibida la señal %1 - detengo el nodo.</translation>
    </message>
</context>
</TS>
