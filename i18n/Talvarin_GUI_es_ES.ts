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
</TS>
