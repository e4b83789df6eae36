<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="pl_PL">
<context>
    <name>MainWindow</name>
    <message>
        <source>Talvarin</source>
        <translation>Talvarin</translation>
    </message>
    <message>
        <source>Przeglad</source>
        <translation>Огляд</translation>
    </message>
    <message>
        <source>Portfel</source>
        <translation>Гаманець</translation>
    </message>
    <message>
        <source>Twoj klucz publiczny: -</source>
        <translation>Ваш публічний ключ: -</translation>
    </message>
    <message>
        <source>Kopiuj klucz</source>
        <translation>Копіювати ключ</translation>
    </message>
    <message>
        <source>Saldo: -</source>
        <translation>Баланс: -</translation>
    </message>
    <message>
        <source>Wysokosc lancucha: -</source>
        <translation>Висота ланцюга: -</translation>
    </message>
    <message>
        <source>Kopanie</source>
        <translation>Майнінг</translation>
    </message>
    <message>
        <source>Kop blok</source>
        <translation>Видобути блок</translation>
    </message>
    <message>
        <source>Odswiez</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Kop w petli</source>
        <translation>Майнити в циклі</translation>
    </message>
    <message>
        <source>Nieaktywne.</source>
        <translation>Неактивний.</translation>
    </message>
    <message>
        <source>Wyslij</source>
        <translation>Надіслати</translation>
    </message>
    <message>
        <source>Nowa transakcja</source>
        <translation>Нова транзакція</translation>
    </message>
    <message>
        <source>Znany odbiorca:</source>
        <translation>Відомий отримувач:</translation>
    </message>
    <message>
        <source>Klucz publiczny odbiorcy:</source>
        <translation>Публічний ключ отримувача:</translation>
    </message>
    <message>
        <source>Kwota:</source>
        <translation>Сума:</translation>
    </message>
    <message>
        <source>Odebrane</source>
        <translation>Отримані</translation>
    </message>
    <message>
        <source>Otrzymane od innych</source>
        <translation>Отримано від інших</translation>
    </message>
    <message>
        <source>Lancuch</source>
        <translation>Ланцюг</translation>
    </message>
    <message>
        <source>Bloki</source>
        <translation>Блоки</translation>
    </message>
    <message>
        <source>Siec</source>
        <translation>Мережа</translation>
    </message>
    <message>
        <source>Nasluchiwanie</source>
        <translation>Прослуховування</translation>
    </message>
    <message>
        <source>Moj port:</source>
        <translation>Мій порт:</translation>
    </message>
    <message>
        <source>1700</source>
        <translation>1700</translation>
    </message>
    <message>
        <source>Nasluchuj</source>
        <translation>Слухати</translation>
    </message>
    <message>
        <source>Nieaktywny.</source>
        <translation>Неактивне.</translation>
    </message>
    <message>
        <source>Znane wezly</source>
        <translation>Відомі вузли</translation>
    </message>
    <message>
        <source>Usun wybrany wezel</source>
        <translation>Видалити вибраний вузол</translation>
    </message>
    <message>
        <source>Rozglos teraz</source>
        <translation>Розіслати зараз</translation>
    </message>
    <message>
        <source>Dodaj wezel</source>
        <translation>Додати вузол</translation>
    </message>
    <message>
        <source>Adres IP:</source>
        <translation>IP-адреса:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Seedy (stale punkty startowe)</source>
        <translation>Початкові вузли (сталі точки старту)</translation>
    </message>
    <message>
        <source>Dodaj seed</source>
        <translation>Додати початковий вузол</translation>
    </message>
    <message>
        <source>Usun wybrany seed</source>
        <translation>Видалити вибраний початковий вузол</translation>
    </message>
    <message>
        <source>np. 12.5</source>
        <translation>напр. 12.5</translation>
    </message>
    <message>
        <source>Skopiowano!</source>
        <translation>Скопійовано!</translation>
    </message>
    <message>
        <source>Odswiezono!</source>
        <translation>Оновлено!</translation>
    </message>
    <message>
        <source>Kopanie...</source>
        <translation>Майнінг...</translation>
    </message>
    <message>
        <source>Rozglaszanie...</source>
        <translation>Розсилання...</translation>
    </message>
    <message>
        <source>Zatrzymaj kopanie</source>
        <translation>Зупинити майнінг</translation>
    </message>
    <message>
        <source>Zatrzymywanie...</source>
        <translation>Зупинення...</translation>
    </message>
    <message>
        <source>Aktywne kopanie w petli. Wykopano: %1 blokow w tej sesji.</source>
        <translation>Активний майнінг у циклі. Видобуто: %1 блоків за цей сеанс.</translation>
    </message>
    <message>
        <source>Wylaczone podczas &apos;Kop w petli&apos; - dwa watki nie moga naraz zapisywac
lancucha, zeby nic nie zgubic. Zatrzymaj kopanie w petli, zeby odblokowac.</source>
        <translation>Вимкнено під час &apos;Майнити в циклі&apos; - два потоки не можуть одночасно записувати
ланцюг, щоб нічого не втратити. Зупиніть майнінг у циклі, щоб розблокувати.</translation>
    </message>
    <message>
        <source>Twoj klucz publiczny:
</source>
        <translation>Ваш публічний ключ:
</translation>
    </message>
    <message>
        <source>To klucz publiczny - mozna go bezpiecznie udostepniac.</source>
        <translation>Це публічний ключ - ним можна безпечно ділитися.</translation>
    </message>
    <message>
        <source>Saldo: %1 %2</source>
        <translation>Баланс: %1 %2</translation>
    </message>
    <message>
        <source>Wysokosc lancucha: %1 blokow (lokalnie)</source>
        <translation>Висота ланцюга: %1 блоків (локально)</translation>
    </message>
    <message>
        <source>-- wklej recznie ponizej --</source>
        <translation>-- вставте вручну нижче --</translation>
    </message>
    <message>
        <source>Niepoprawny format klucza publicznego odbiorcy.</source>
        <translation>Неправильний формат публічного ключа отримувача.</translation>
    </message>
    <message>
        <source>Niepoprawna kwota (np. 12.5, max 8 miejsc po przecinku).</source>
        <translation>Неправильна сума (напр. 12.5, не більше 8 знаків після коми).</translation>
    </message>
    <message>
        <source>Za malo srodkow - masz %1 %2.</source>
        <translation>Недостатньо коштів - у вас %1 %2.</translation>
    </message>
    <message>
        <source>Potwierdz wyslanie</source>
        <translation>Підтвердьте надсилання</translation>
    </message>
    <message>
        <source>Na pewno wyslac %1 %2 do %3?

Transakcji w blockchainie NIE da sie cofnac.</source>
        <translation>Справді надіслати %1 %2 на %3?

Транзакцію в блокчейні НЕ можна скасувати.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie. Rozglaszanie do sieci...</source>
        <translation>Транзакцію збережено локально. Розсилання в мережу...</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie. Brak znanych wezlow - dodaj wezel w zakladce Siec, zeby odbiorca ja zobaczyl.</source>
        <translation>Транзакцію збережено локально. Немає відомих вузлів - додайте вузол на вкладці Мережа, щоб отримувач її побачив.</translation>
    </message>
    <message>
        <source>Transakcja wyslana i zapisana. Rozgloszono do %1/%2 wezlow.</source>
        <translation>Транзакцію надіслано й збережено. Розіслано на %1/%2 вузлів.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie, ale rozgloszenie NIE powiodlo sie do zadnego z %1 znanych wezlow (offline?). Sprobuj &quot;Rozglos teraz&quot; w zakladce Siec.</source>
        <translation>Транзакцію збережено локально, але розсилання НЕ вдалося на жоден із %1 відомих вузлів (офлайн?). Спробуйте &quot;Розіслати зараз&quot; на вкладці Мережа.</translation>
    </message>
    <message>
        <source>Wysylanie wylaczone dopoki trwa &apos;Kop w petli&apos; (zakladka Przeglad) - zatrzymaj je najpierw.</source>
        <translation>Надсилання вимкнено, поки триває &apos;Майнити в циклі&apos; (вкладка Огляд) - спершу зупиніть його.</translation>
    </message>
    <message>
        <source>Blok #%1: %2</source>
        <translation>Блок #%1: %2</translation>
    </message>
    <message>
        <source>Blok #%1: NAGRODA ZA KOPANIE  +%2</source>
        <translation>Блок #%1: ВИНАГОРОДА ЗА МАЙНІНГ  +%2</translation>
    </message>
    <message>
        <source>Blok #%1: nagroda dla %2  +%3</source>
        <translation>Блок #%1: винагорода для %2  +%3</translation>
    </message>
    <message>
        <source>Blok #%1: WYSLANO DO SIEBIE  %2</source>
        <translation>Блок #%1: НАДІСЛАНО СОБІ  %2</translation>
    </message>
    <message>
        <source>Blok #%1: WYSLANO do %2  -%3</source>
        <translation>Блок #%1: НАДІСЛАНО на %2  -%3</translation>
    </message>
    <message>
        <source>Blok #%1: OTRZYMANO od %2  +%3</source>
        <translation>Блок #%1: ОТРИМАНО від %2  +%3</translation>
    </message>
    <message>
        <source>Blok #%1: %2 -&gt; %3  %4</source>
        <translation>Блок #%1: %2 -&gt; %3  %4</translation>
    </message>
    <message>
        <source>Blok #%1: od %2  +%3</source>
        <translation>Блок #%1: від %2  +%3</translation>
    </message>
    <message>
        <source>Jeszcze nikt Ci nic nie wyslal.</source>
        <translation>Вам ще ніхто нічого не надіслав.</translation>
    </message>
    <message>
        <source>Niepoprawny port - podaj liczbe od 1 do 65535.</source>
        <translation>Неправильний порт - введіть число від 1 до 65535.</translation>
    </message>
    <message>
        <source>Uruchamianie nasluchu na porcie %1...</source>
        <translation>Запуск прослуховування на порту %1...</translation>
    </message>
    <message>
        <source>Nasluch aktywny na porcie %1.</source>
        <translation>Прослуховування активне на порту %1.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie nasluchiwac na porcie %1 (port juz zajety?).</source>
        <translation>ПОМИЛКА: не вдалося прослуховувати порт %1 (порт уже зайнятий?).</translation>
    </message>
    <message>
        <source>Zatrzymaj nasluch</source>
        <translation>Зупинити прослуховування</translation>
    </message>
    <message>
        <source>Wykryto nowy wezel w sieci: %1:%2</source>
        <translation>Виявлено новий вузол у мережі: %1:%2</translation>
    </message>
    <message>
        <source>Rozgloszono: %1/%2</source>
        <translation>Розіслано: %1/%2</translation>
    </message>
    <message>
        <source>Brak znanych wezlow!</source>
        <translation>Немає відомих вузлів!</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku blockchain.dat - nowy blok nie zostal dodany.</source>
        <translation>ПОМИЛКА: не вдалося зберегти файл blockchain.dat - новий блок не додано.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku blockchain.dat - transakcja NIE zostala wyslana.</source>
        <translation>ПОМИЛКА: не вдалося зберегти файл blockchain.dat - транзакцію НЕ надіслано.</translation>
    </message>
    <message>
        <source>Niepoprawny adres IP - wpisz adres IPv4, np. 192.168.1.20.</source>
        <translation>Неправильна IP-адреса - введіть адресу IPv4, напр. 192.168.1.20.</translation>
    </message>
    <message>
        <source>Dziennik</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Wyczysc</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Inny wezel przyslal lancuch nie dluzszy niz Twoj - zostajesz przy swoim.</source>
        <translation>Інший вузол надіслав ланцюг, не довший за ваш - ви залишаєтеся на своєму.</translation>
    </message>
    <message>
        <source>Odrzucono dluzszy lancuch innego wezla: zmniejszylby Twoje saldo.</source>
        <translation>Відхилено довший ланцюг іншого вузла: він зменшив би ваш баланс.</translation>
    </message>
    <message>
        <source>Odrzucono niepoprawny lancuch innego wezla.</source>
        <translation>Відхилено неправильний ланцюг іншого вузла.</translation>
    </message>
    <message>
        <source>Odrzucono dane innego wezla - to nie jest lancuch.</source>
        <translation>Відхилено дані іншого вузла - це не ланцюг.</translation>
    </message>
    <message>
        <source>Nie udalo sie odebrac lancucha od innego wezla.</source>
        <translation>Не вдалося отримати ланцюг від іншого вузла.</translation>
    </message>
    <message>
        <source>Odrzucono lancuch innego wezla - nie mozna bezpiecznie zapisac pliku lancucha.</source>
        <translation>Відхилено ланцюг іншого вузла - файл ланцюга неможливо безпечно зберегти.</translation>
    </message>
    <message>
        <source>Odrzucono lancuch innego wezla - jest za duzy.</source>
        <translation>Відхилено ланцюг іншого вузла - він завеликий.</translation>
    </message>
    <message>
        <source>Plik portfela moj_portfel.dat mogli czytac inni uzytkownicy tego komputera. Ustawiono mu prawa 0600 (tylko Ty). Jesli ktos mogl go skopiowac, przenies monety na nowy portfel.</source>
        <translation>Файл гаманця moj_portfel.dat могли читати інші користувачі цього комп'ютера. Йому встановлено права 0600 (лише ви). Якщо хтось міг його скопіювати, перенесіть монети на новий гаманець.</translation>
    </message>
    <message>
        <source>Pobieranie lancucha...</source>
        <translation>Завантаження ланцюга...</translation>
    </message>
    <message>
        <source>Siec ma dluzszy lancuch (%1 blokow), ktorego nie przyjmujesz: zmniejszylby Twoje saldo. Wiecej w README, w rozdziale &quot;Which chain wins&quot;.</source>
        <translation>Мережа має довший ланцюг (%1 блоків), який ви не приймаєте: він зменшив би ваш баланс. Докладніше в README, розділ "Which chain wins".</translation>
    </message>
    <message>
        <source>Transakcja wyslana i zapisana.</source>
        <translation>Транзакцію надіслано й збережено.</translation>
    </message>
    <message>
        <source>Transakcja zapisana lokalnie.</source>
        <translation>Транзакцію збережено локально.</translation>
    </message>
    <message>
        <source>Przyjeto u %1 z %2 wezlow</source>
        <translation>Прийнято на %1 з %2 вузлів</translation>
    </message>
    <message>
        <source>%1 juz go mial</source>
        <translation>%1 вже мав його</translation>
    </message>
    <message>
        <source>%1 starszej wersji dostal lancuch, ale nie mowi, czy go przyjal</source>
        <translation>%1 старішої версії отримав ланцюг, але не каже, чи прийняв його</translation>
    </message>
    <message>
        <source>%1 odrzucil: zmniejszyloby jego saldo</source>
        <translation>%1 відхилив: це зменшило б його баланс</translation>
    </message>
    <message>
        <source>%1 odrzucil: ma lancuch nie krotszy</source>
        <translation>%1 відхилив: має не коротший ланцюг</translation>
    </message>
    <message>
        <source>%1 odrzucil: uznal lancuch za niepoprawny</source>
        <translation>%1 відхилив: визнав ланцюг некоректним</translation>
    </message>
    <message>
        <source>%1 odrzucil z innego powodu</source>
        <translation>%1 відхилив з іншої причини</translation>
    </message>
    <message>
        <source>%1 nie odpowiedzial (offline?)</source>
        <translation>%1 не відповів (офлайн?)</translation>
    </message>
    <message>
        <source>Pobieram lancuch od %1: %2 z %3 blokow</source>
        <translation>Завантажую ланцюг від %1: %2 з %3 блоків</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Wersja 0.1</source>
        <translation>Версія 0.1</translation>
    </message>
    <message>
        <source>Twoja nazwa:</source>
        <translation>Ваше ім&apos;я:</translation>
    </message>
    <message>
        <source>Wpisz jak mamy Cie nazywac</source>
        <translation>Введіть, як до вас звертатися</translation>
    </message>
    <message>
        <source>Kontynuuj</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Portfel</source>
        <translation>Гаманець</translation>
    </message>
    <message>
        <source>Nie znaleziono portfela w tym folderze. Co chcesz zrobic?</source>
        <translation>У цій теці гаманець не знайдено. Що ви хочете зробити?</translation>
    </message>
    <message>
        <source>Utworz nowy portfel</source>
        <translation>Створити новий гаманець</translation>
    </message>
    <message>
        <source>Mam fraze odzyskiwania (12 slow)</source>
        <translation>У мене є фраза відновлення (12 слів)</translation>
    </message>
    <message>
        <source>Fraza musi miec dokladnie 12 slow (masz %1).</source>
        <translation>Фраза має містити рівно 12 слів (у вас %1).</translation>
    </message>
    <message>
        <source>Slowo &quot;%1&quot; nie jest na liscie BIP39 - sprawdz literowki.</source>
        <translation>Слова &quot;%1&quot; немає у списку BIP39 - перевірте, чи немає помилок.</translation>
    </message>
    <message>
        <source>Zapisz fraze odzyskiwania</source>
        <translation>Збережіть фразу відновлення</translation>
    </message>
    <message>
        <source>To jest JEDYNY sposob odzyskania portfela, jesli stracisz ten komputer.
Zapisz te 12 slow w bezpiecznym miejscu (np. na kartce). Nikomu ich nie pokazuj.</source>
        <translation>Це ЄДИНИЙ спосіб відновити гаманець, якщо ви втратите цей комп&apos;ютер.
Запишіть ці 12 слів і зберігайте в безпечному місці (напр. на папері). Нікому їх не показуйте.</translation>
    </message>
    <message>
        <source>Zapisalem te slowa - kontynuuj</source>
        <translation>Я записав ці слова - продовжити</translation>
    </message>
    <message>
        <source>Wpisz fraze odzyskiwania</source>
        <translation>Введіть фразу відновлення</translation>
    </message>
    <message>
        <source>Wpisz 12 slow oddzielonych spacja, w tej samej kolejnosci co przy tworzeniu:</source>
        <translation>Введіть 12 слів через пробіл у тому ж порядку, що й під час створення:</translation>
    </message>
    <message>
        <source>Odtworz portfel</source>
        <translation>Відновити гаманець</translation>
    </message>
    <message>
        <source>Blad</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Nie udalo sie zainicjalizowac libsodium.</source>
        <translation>Не вдалося ініціалізувати libsodium.</translation>
    </message>
    <message>
        <source>Nie udalo sie zainicjalizowac sieci (WSAStartup).</source>
        <translation>Не вдалося ініціалізувати мережу (WSAStartup).</translation>
    </message>
    <message>
        <source>Nie udalo sie zapisac portfela do pliku %1: %2.
Fraza odzyskiwania nie zostala pokazana, bo nie odtworzylaby tego portfela.</source>
        <translation>Не вдалося зберегти гаманець у файл %1: %2.
Фразу відновлення не показано, бо вона не відновила б цей гаманець.</translation>
    </message>
    <message>
        <source>Folder danych %1 jest juz uzywany przez inny proces (pid %2). Dwa programy na jednym folderze gubilyby bloki - zamknij tamten program albo uzyj innego folderu (--katalog).</source>
        <translation>Теку даних %1 вже використовує інший процес (pid %2). Дві програми в одній теці втрачали б блоки - закрийте ту програму або використайте іншу теку (--katalog).</translation>
    </message>
    <message>
        <source>Nie mozna zablokowac folderu danych %1: %2</source>
        <translation>Не вдалося заблокувати теку даних %1: %2</translation>
    </message>
</context>
<context>
    <name>Dziennik</name>
    <message>
        <source>[BLAD] Blok #%1 ma dane niezgodne z jego hashem (ktos je zmienil po fakcie)!</source>
        <translation>[ПОМИЛКА] Блок #%1 має дані, що не відповідають його хешу (хтось змінив їх згодом)!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 nie jest poprawnie polaczony z poprzednim blokiem!</source>
        <translation>[ПОМИЛКА] Блок #%1 неправильно пов&apos;язаний з попереднім блоком!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 ma transakcje z NIEPRAWIDLOWYM podpisem (ktos podszywa sie pod nadawce)!</source>
        <translation>[ПОМИЛКА] Блок #%1 містить транзакцію з НЕДІЙСНИМ підписом (хтось видає себе за відправника)!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 zawiera transakcje wydajaca wiecej niz nadawca faktycznie mial (falszywe saldo / podwojne wydanie)!</source>
        <translation>[ПОМИЛКА] Блок #%1 містить транзакцію, що витрачає більше, ніж відправник мав насправді (фальшивий баланс / подвійна витрата)!</translation>
    </message>
    <message>
        <source>[BLAD] Blok #%1 zawiera niepoprawna nagrode za kopanie (falszywe &apos;drukowanie&apos; monet znikad)!</source>
        <translation>[ПОМИЛКА] Блок #%1 містить недійсну винагороду за майнінг (фальшивий &apos;друк&apos; монет з нічого)!</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak CR - odrzucam lancuch.</source>
        <translation>Блок #%1 має символ CR у полі - відхиляю ланцюг.</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak LF - odrzucam lancuch.</source>
        <translation>Блок #%1 має символ LF у полі - відхиляю ланцюг.</translation>
    </message>
    <message>
        <source>Blok #%1 ma w polu znak NUL - odrzucam lancuch.</source>
        <translation>Блок #%1 має символ NUL у полі - відхиляю ланцюг.</translation>
    </message>
    <message>
        <source>Blok #%1 ma pole rowne wierszowi znacznika bloku - odrzucam lancuch.</source>
        <translation>Блок #%1 має поле, що дорівнює рядку-маркеру блоку - відхиляю ланцюг.</translation>
    </message>
    <message>
        <source>Blok #%1 ma ponad %2 bajtow tekstu (limit tego wezla) - odrzucam lancuch.</source>
        <translation>Блок #%1 має понад %2 байтів тексту (ліміт цього вузла) - відхиляю ланцюг.</translation>
    </message>
    <message>
        <source>Blok #%1 ma ponad %2 transakcji (limit tego wezla) - odrzucam lancuch.</source>
        <translation>Блок #%1 має понад %2 транзакцій (ліміт цього вузла) - відхиляю ланцюг.</translation>
    </message>
    <message>
        <source>Kopanie bloku %1... SUKCES! Znaleziono Hash: %2 (Nonce: %3)</source>
        <translation>Майнінг блоку %1... УСПІХ! Знайдено хеш: %2 (nonce: %3)</translation>
    </message>
    <message>
        <source>BLAD: plik %1 nie jest czytelnym lancuchem i nie udalo sie go odlozyc.</source>
        <translation>ПОМИЛКА: файл %1 не є читабельним ланцюгом, і його не вдалося відкласти.</translation>
    </message>
    <message>
        <source>Plik %1 nie jest czytelnym lancuchem - odlozono go jako %2.</source>
        <translation>Файл %1 не є читабельним ланцюгом - відкладено як %2.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac pliku %1 - nowy blok odrzucono.</source>
        <translation>ПОМИЛКА: не вдалося записати файл %1 - новий блок відкинуто.</translation>
    </message>
    <message>
        <source>BLAD: plik %1 nie jest zwyklym plikiem - pomijam go.</source>
        <translation>ПОМИЛКА: %1 не є звичайним файлом - пропускаю його.</translation>
    </message>
    <message>
        <source>Przyjeto nowy, dluzszy lancuch (%1 blokow).</source>
        <translation>Прийнято новий, довший ланцюг (%1 блоків).</translation>
    </message>
    <message>
        <source>Nie udalo sie odebrac lancucha.</source>
        <translation>Не вдалося отримати ланцюг.</translation>
    </message>
    <message>
        <source>Otrzymane dane nie sa poprawnym lancuchem.</source>
        <translation>Отримані дані не є коректним ланцюгом.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch zajalby w pamieci %1 bajtow przy %2 bajtach tekstu - odrzucam.</source>
        <translation>Отриманий ланцюг зайняв би %1 байтів пам&apos;яті при %2 байтах тексту - відхиляю.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch NIE jest poprawny - odrzucam.</source>
        <translation>Отриманий ланцюг НЕкоректний - відхиляю.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch (%1 blokow) nie jest dluzszy niz moj (%2 blokow) - zostaje przy swoim.</source>
        <translation>Отриманий ланцюг (%1 блоків) не довший за мій (%2 блоків) - залишаюся при своєму.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo (%1 -&gt; %2) - odrzucam.</source>
        <translation>Отриманий ланцюг довший, але ЗМЕНШИВ би ваш баланс (%1 -&gt; %2) - відхиляю.</translation>
    </message>
    <message>
        <source>Nie mozna bezpiecznie zapisac pliku %1 - odrzucam otrzymany lancuch.</source>
        <translation>Неможливо безпечно записати файл %1 - відхиляю отриманий ланцюг.</translation>
    </message>
    <message>
        <source>Otrzymany lancuch potrzebuje %1 bajtow pamieci ponad wolny budzet - odrzucam.</source>
        <translation>Отриманому ланцюгу потрібно %1 байтів пам&apos;яті понад вільний бюджет - відхиляю.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zapisac lancucha do pliku %1 - odrzucam otrzymany lancuch.</source>
        <translation>ПОМИЛКА: не вдалося записати ланцюг у файл %1 - відхиляю отриманий ланцюг.</translation>
    </message>
    <message>
        <source>wezlem wypychajacym</source>
        <translation>вузлом, що надсилає</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: brak odpowiedzi - rozlaczam.</source>
        <translation>Синхронізацію з %1 перервано: немає відповіді - від&apos;єднуюся.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: niepoprawna odpowiedz - rozlaczam.</source>
        <translation>Синхронізацію з %1 перервано: некоректна відповідь - від&apos;єднуюся.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: bloki nie lacza sie z lancuchem - rozlaczam.</source>
        <translation>Синхронізацію з %1 перервано: блоки не з&apos;єднуються з ланцюгом - від&apos;єднуюся.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: za maly kawalek blokow - rozlaczam.</source>
        <translation>Синхронізацію з %1 перервано: замалий шматок блоків - від&apos;єднуюся.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: za duzo wiadomosci - rozlaczam.</source>
        <translation>Синхронізацію з %1 перервано: забагато повідомлень - від&apos;єднуюся.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana: nie ma zapowiedzianych blokow - rozlaczam.</source>
        <translation>Синхронізацію з %1 перервано: немає оголошених блоків - від&apos;єднуюся.</translation>
    </message>
    <message>
        <source>Synchronizacja z %1 przerwana - wlasny lancuch zmienil sie w tym czasie.</source>
        <translation>Синхронізацію з %1 перервано - власний ланцюг тим часом змінився.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna oferte synchronizacji.</source>
        <translation>Відхиляю некоректну пропозицію синхронізації.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna prosbe o stan lancucha.</source>
        <translation>Відхиляю некоректний запит стану ланцюга.</translation>
    </message>
    <message>
        <source>Odrzucam niepoprawna prosbe w synchronizacji - rozlaczam.</source>
        <translation>Відхиляю некоректний запит під час синхронізації - від&apos;єднуюся.</translation>
    </message>
    <message>
        <source>Za duzo prosb w jednej synchronizacji - rozlaczam.</source>
        <translation>Забагато запитів в одній синхронізації - від&apos;єднуюся.</translation>
    </message>
    <message>
        <source>Odrzucam wiadomosc synchronizacji, ktora nie zaczyna rozmowy.</source>
        <translation>Відхиляю повідомлення синхронізації, яке не починає розмову.</translation>
    </message>
    <message>
        <source>Pobieram lancuch od %1: %2 z %3 blokow</source>
        <translation>Завантажую ланцюг від %1: %2 з %3 блоків</translation>
    </message>
    <message>
        <source>Zamykam polaczenie z %1: %2.</source>
        <translation>Закриваю з&apos;єднання з %1: %2.</translation>
    </message>
    <message>
        <source>brak danych dluzej niz limit ciszy</source>
        <translation>немає даних довше за ліміт тиші</translation>
    </message>
    <message>
        <source>wiadomosc nie doszla w swoim terminie</source>
        <translation>повідомлення не надійшло вчасно</translation>
    </message>
    <message>
        <source>przesyla wolniej niz 64 KiB/s</source>
        <translation>надсилає повільніше ніж 64 КіБ/с</translation>
    </message>
    <message>
        <source>naglowek ramki nie jest liczba</source>
        <translation>заголовок кадру не є числом</translation>
    </message>
    <message>
        <source>zapowiedziana ramka jest za dluga</source>
        <translation>оголошений кадр задовгий</translation>
    </message>
    <message>
        <source>ramka nie miesci sie w budzecie pamieci</source>
        <translation>кадр не вміщується в бюджет пам&apos;яті</translation>
    </message>
    <message>
        <source>wyparte przez nowe polaczenie (komplet, najmniejsze tempo)</source>
        <translation>витіснено новим з&apos;єднанням (заповнено, найменша швидкість)</translation>
    </message>
    <message>
        <source>komplet polaczen z tego adresu</source>
        <translation>забагато з&apos;єднань з цієї адреси</translation>
    </message>
    <message>
        <source>komplet polaczen</source>
        <translation>забагато з&apos;єднань</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku obslugi polaczenia.</source>
        <translation>ПОМИЛКА: не вдалося створити потік обробки з&apos;єднання.</translation>
    </message>
    <message>
        <source>BLAD: zabraklo pamieci przy obsludze zapytania - odrzucam je.</source>
        <translation>ПОМИЛКА: забракло пам&apos;яті під час обробки запиту - відхиляю його.</translation>
    </message>
    <message>
        <source>Nasluchuje na porcie %1 w petli...</source>
        <translation>Слухаю порт %1 у циклі...</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc gniazda.</source>
        <translation>ПОМИЛКА: не вдалося створити сокет.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zbindowac portu %1 (moze jest juz zajety?).</source>
        <translation>ПОМИЛКА: не вдалося прив&apos;язати порт %1 (можливо, він уже зайнятий?).</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie nasluchiwac.</source>
        <translation>ПОМИЛКА: не вдалося слухати.</translation>
    </message>
    <message>
        <source>BLAD: niepoprawny adres IP.</source>
        <translation>ПОМИЛКА: некоректна IP-адреса.</translation>
    </message>
    <message>
        <source>BLAD: przekroczono czas oczekiwania na polaczenie z %1 (wezel offline?)</source>
        <translation>ПОМИЛКА: час очікування з&apos;єднання з %1 вичерпано (вузол офлайн?)</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie polaczyc z %1</source>
        <translation>ПОМИЛКА: не вдалося з&apos;єднатися з %1</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie zbindowac portu wykrywania %1.</source>
        <translation>ПОМИЛКА: не вдалося прив&apos;язати порт виявлення %1.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku rozgloszen - lancuch nie bedzie rozglaszany.</source>
        <translation>ПОМИЛКА: не вдалося створити потік розсилання - ланцюг не буде розіслано.</translation>
    </message>
    <message>
        <source>BLAD: zabraklo pamieci przy rozglaszaniu lancucha.</source>
        <translation>ПОМИЛКА: забракло пам&apos;яті під час розсилання ланцюга.</translation>
    </message>
    <message>
        <source>Rozgloszono do %1</source>
        <translation>Розіслано до %1</translation>
    </message>
    <message>
        <source>Nie udalo sie rozglosic do %1 (offline?)</source>
        <translation>Не вдалося розіслати до %1 (офлайн?)</translation>
    </message>
    <message>
        <source>Rozglaszanie do %1 przerwane - zatrzymanie.</source>
        <translation>Розсилання до %1 перервано - зупинка.</translation>
    </message>
    <message>
        <source>UWAGA: portfel %1 mial prawa %2 (dostepny dla innych uzytkownikow) - ustawiono 0600.</source>
        <translation>УВАГА: гаманець %1 мав права %2 (доступний іншим користувачам) - встановлено 0600.</translation>
    </message>
    <message>
        <source>UWAGA: nie mozna wczytac portfela %1 ani przeniesc go na bok - plik zostaje, nowy portfel nie zostanie zapisany.</source>
        <translation>УВАГА: неможливо прочитати гаманець %1 або відкласти його - файл залишається, новий гаманець не буде збережено.</translation>
    </message>
    <message>
        <source>UWAGA: nie mozna wczytac portfela %1 - przeniesiono go do %2, tworze nowy portfel.</source>
        <translation>УВАГА: неможливо прочитати гаманець %1 - переміщено до %2, створюю новий гаманець.</translation>
    </message>
    <message>
        <source>Bez portfela: ochrona salda przy przyjmowaniu lancuchow wylaczona.</source>
        <translation>Без гаманця: захист балансу під час прийняття ланцюгів вимкнено.</translation>
    </message>
    <message>
        <source>Utworzono nowy portfel %1, klucz publiczny: %2</source>
        <translation>Створено новий гаманець %1, публічний ключ: %2</translation>
    </message>
    <message>
        <source>Kopanie na klucz publiczny: %1</source>
        <translation>Майнінг на публічний ключ: %1</translation>
    </message>
    <message>
        <source>Usunieto ten wezel z listy %1.</source>
        <translation>Цей вузол вилучено зі списку %1.</translation>
    </message>
    <message>
        <source>Wykryto nowy wezel w sieci: %1</source>
        <translation>Виявлено новий вузол у мережі: %1</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku %1.</source>
        <translation>ПОМИЛКА: не вдалося створити потік %1.</translation>
    </message>
    <message>
        <source>bootstrapu</source>
        <translation>початкового підключення</translation>
    </message>
    <message>
        <source>pobierania</source>
        <translation>завантаження</translation>
    </message>
    <message>
        <source>rozgloszenia</source>
        <translation>розсилання</translation>
    </message>
    <message>
        <source>obecnosci</source>
        <translation>присутності</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku kopania w petli.</source>
        <translation>ПОМИЛКА: не вдалося створити потік майнінгу в циклі.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku serwera na porcie %1.</source>
        <translation>ПОМИЛКА: не вдалося створити потік сервера на порту %1.</translation>
    </message>
    <message>
        <source>BLAD: nie udalo sie utworzyc watku obecnosci - nasluch zatrzymany.</source>
        <translation>ПОМИЛКА: не вдалося створити потік присутності - прослуховування зупинено.</translation>
    </message>
    <message>
        <source>Wezel zatrzymany.</source>
        <translation>Вузол зупинено.</translation>
    </message>
    <message>
        <source>Watki sieci nie skonczyly w czasie - wyjscie bez czekania na nie (zaden zapis lancucha nie trwa).</source>
        <translation>Мережеві потоки не завершилися вчасно - вихід без очікування на них (жоден запис ланцюга не триває).</translation>
    </message>
    <message>
        <source>Wezel dziala na porcie %1 (zatrzymanie: SIGINT albo SIGTERM).</source>
        <translation>Вузол працює на порту %1 (зупинка: SIGINT або SIGTERM).</translation>
    </message>
    <message>
        <source>Otrzymano sygnal %1 - zatrzymuje wezel.</source>
        <translation>Отримано сигнал %1 - зупиняю вузол.</translation>
    </message>
</context>
</TS>
