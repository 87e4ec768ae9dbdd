<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Optimizes images with the Tovalin service.</source>
        <translation>Optymalizuje obrazy za pomocą usługi Tovalin.</translation>
    </message>
    <message>
        <source>Released under the %1 licence.</source>
        <translation>Udostępniono na licencji %1.</translation>
    </message>
    <message>
        <source>Get an API key</source>
        <translation>Uzyskaj klucz API</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>O programie Tovalin Image Optimizer</translation>
    </message>
</context>
<context>
    <name>ApiKeySource</name>
    <message>
        <source>cannot read the key file %1: %2.</source>
        <translation>nie można odczytać pliku klucza %1: %2.</translation>
    </message>
    <message>
        <source>warning: the key file %1 can be read by other users; make it yours only with: chmod 600 %1</source>
        <translation>ostrzeżenie: plik klucza %1 mogą odczytać inni użytkownicy; ogranicz dostęp tylko do siebie poleceniem: chmod 600 %1</translation>
    </message>
    <message>
        <source>the key file %1 is too large to hold an API key.</source>
        <translation>plik klucza %1 jest za duży, aby zawierać klucz API.</translation>
    </message>
    <message>
        <source>the key file %1 holds no API key.</source>
        <translation>plik klucza %1 nie zawiera klucza API.</translation>
    </message>
    <message>
        <source>the key stored by the window is sent only to the service this program was built for; with --service-url give the key with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>klucz zapisany przez okno jest wysyłany tylko do usługi, dla której zbudowano ten program; przy --service-url podaj klucz przez --api-key-file PLIK lub zmienną środowiskową TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>no API key: give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY, or enter it in the Tovalin Image Optimizer window.</source>
        <translation>brak klucza API: podaj go przez --api-key-file PLIK lub zmienną środowiskową TOVALIN_API_KEY albo wpisz go w oknie Tovalin Image Optimizer.</translation>
    </message>
</context>
<context>
    <name>CancelledError</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>Żądanie zostało anulowane.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Compression: lossy (the default), glossy or lossless.</source>
        <translation>Kompresja: lossy (domyślnie), glossy lub lossless.</translation>
    </message>
    <message>
        <source>level</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>poziom</translation>
    </message>
    <message>
        <source>Also save a WebP version (the default).</source>
        <translation>Zapisuje także wersję WebP (domyślnie).</translation>
    </message>
    <message>
        <source>Save no WebP version.</source>
        <translation>Nie zapisuje wersji WebP.</translation>
    </message>
    <message>
        <source>Also save an AVIF version.</source>
        <translation>Zapisuje także wersję AVIF.</translation>
    </message>
    <message>
        <source>Save no AVIF version (the default).</source>
        <translation>Nie zapisuje wersji AVIF (domyślnie).</translation>
    </message>
    <message>
        <source>Fit each image to --width and --height: cover or contain.</source>
        <translation>Dopasowuje każdy obraz do --width i --height: cover lub contain.</translation>
    </message>
    <message>
        <source>mode</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>tryb</translation>
    </message>
    <message>
        <source>Width to resize to, in pixels.</source>
        <translation>Docelowa szerokość w pikselach.</translation>
    </message>
    <message>
        <source>Height to resize to, in pixels.</source>
        <translation>Docelowa wysokość w pikselach.</translation>
    </message>
    <message>
        <source>Upscale by 2, 3 or 4.</source>
        <translation>Powiększa 2, 3 lub 4 razy.</translation>
    </message>
    <message>
        <source>factor</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>krotność</translation>
    </message>
    <message>
        <source>Remove the background.</source>
        <translation>Usuwa tło.</translation>
    </message>
    <message>
        <source>Keep the EXIF data.</source>
        <translation>Zachowuje dane EXIF.</translation>
    </message>
    <message>
        <source>Leave CMYK images in CMYK (they are converted to RGB by default).</source>
        <translation>Pozostawia obrazy CMYK w CMYK (domyślnie są przekształcane do RGB).</translation>
    </message>
    <message>
        <source>Read the API key from &lt;file&gt; (see &quot;API key&quot; below).</source>
        <translation>Odczytuje klucz API z &lt;pliku&gt; (zob. „Klucz API” poniżej).</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>plik</translation>
    </message>
    <message>
        <source>url</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>url</translation>
    </message>
    <message>
        <source>Also trust the PEM certificates in &lt;file&gt; for --service-url.</source>
        <translation>Ufa także certyfikatom PEM z &lt;pliku&gt; dla --service-url.</translation>
    </message>
    <message>
        <source>Keep up to &lt;N&gt; images with the service at once, 1 to %1 (4 by default).</source>
        <translation>Utrzymuje w usłudze do &lt;N&gt; obrazów naraz, od 1 do %1 (domyślnie 4).</translation>
    </message>
    <message>
        <source>Take only share &lt;K/N&gt; of the images, for N processes that together handle every image once (see &quot;Sharing the work&quot; below).</source>
        <translation>Bierze tylko część &lt;K/N&gt; obrazów, dla N procesów, które razem przetwarzają każdy obraz jeden raz (zob. „Podział pracy” poniżej).</translation>
    </message>
    <message>
        <source>Send every image, also those whose results are up to date.</source>
        <translation>Wysyła każdy obraz, także te, których wyniki są aktualne.</translation>
    </message>
    <message>
        <source>List what would be sent and what would be skipped; send nothing.</source>
        <translation>Wypisuje, co zostałoby wysłane, a co pominięte; niczego nie wysyła.</translation>
    </message>
    <message>
        <source>Print one JSON object per image instead of the table.</source>
        <translation>Wypisuje jeden obiekt JSON na obraz zamiast tabeli.</translation>
    </message>
    <message>
        <source>Print no progress.</source>
        <translation>Nie wypisuje postępu.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>ŚCIEŻKA</translation>
    </message>
    <message>
        <source>Image files, and folders to search.</source>
        <translation>Pliki obrazów i foldery do przeszukania.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>ŚCIEŻKA...</translation>
    </message>
    <message>
        <source>the API key is never taken from the command line, where other users could see it in the process list; give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>klucz API nigdy nie jest pobierany z wiersza poleceń, gdzie inni użytkownicy mogliby go zobaczyć na liście procesów; podaj go przez --api-key-file PLIK lub zmienną środowiskową TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>--level must be lossy, glossy or lossless, not %1.</source>
        <translation>--level musi mieć wartość lossy, glossy lub lossless, a nie %1.</translation>
    </message>
    <message>
        <source>--resize must be cover or contain, not %1.</source>
        <translation>--resize musi mieć wartość cover lub contain, a nie %1.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number of pixels, 1 or more, not %2.</source>
        <translation>--%1 musi być całkowitą liczbą pikseli, 1 lub więcej, a nie %2.</translation>
    </message>
    <message>
        <source>--width and --height need --resize cover or --resize contain.</source>
        <translation>--width i --height wymagają --resize cover lub --resize contain.</translation>
    </message>
    <message>
        <source>--resize needs --width, --height or both.</source>
        <translation>--resize wymaga --width, --height lub obu.</translation>
    </message>
    <message>
        <source>--upscale must be 2, 3 or 4, not %1.</source>
        <translation>--upscale musi mieć wartość 2, 3 lub 4, a nie %1.</translation>
    </message>
    <message>
        <source>--api-key-file needs the name of a file.</source>
        <translation>--api-key-file wymaga nazwy pliku.</translation>
    </message>
    <message>
        <source>--service-url must be an https address such as https://host:port, not %1.</source>
        <translation>--service-url musi być adresem https, takim jak https://host:port, a nie %1.</translation>
    </message>
    <message>
        <source>--ca-file is only for the service given with --service-url.</source>
        <translation>--ca-file dotyczy tylko usługi podanej przez --service-url.</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to %1, not %2.</source>
        <translation>--jobs musi być liczbą całkowitą od 1 do %1, a nie %2.</translation>
    </message>
    <message>
        <source>--shard must be K/N with K from 1 to N, such as 2/4, not %1.</source>
        <translation>--shard musi mieć postać K/N z K od 1 do N, np. 2/4, a nie %1.</translation>
    </message>
    <message>
        <source>no images or folders given.</source>
        <translation>nie podano obrazów ani folderów.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] PATH...</source>
        <translation>Użycie: %1 [opcje] ŚCIEŻKA...</translation>
    </message>
    <message>
        <source>Reruns:
  Every result carries a mark naming its source and the settings it was made with. Results
  found in a folder are never taken for images to optimize, and an image whose results are
  all there, made from the image as it is now with the same settings, is skipped (&quot;Already
  optimized.&quot;). --force sends it anyway. Where the file system keeps no marks, nothing is
  skipped. --dry-run lists what would be sent and what skipped.
</source>
        <translation>Ponowne uruchomienia:
  Każdy wynik nosi znacznik wskazujący jego źródło i ustawienia, z którymi powstał. Wyniki
  znalezione w folderze nigdy nie są brane za obrazy do optymalizacji, a obraz, którego wszystkie
  wyniki są na miejscu i powstały z obrazu w jego obecnej postaci z tymi samymi ustawieniami, jest
  pomijany („Już zoptymalizowany.”). --force i tak go wysyła. Tam, gdzie system plików nie
  przechowuje znaczników, nic nie jest pomijane. --dry-run wypisuje, co zostałoby wysłane, a co
  pominięte.
</translation>
    </message>
    <message>
        <source>Several at once:
  Up to --jobs images are with the service at once. Two images whose results would share a
  file name are never sent together.
</source>
        <translation>Kilka naraz:
  Do --jobs obrazów jest naraz w usłudze. Dwa obrazy, których wyniki miałyby tę samą nazwę pliku,
  nigdy nie są wysyłane razem.
</translation>
    </message>
    <message>
        <source>Sharing the work:
  --shard K/N takes the K-th of N shares of the images found, picked by a hash of each image&apos;s
  path relative to the folder given (a file given by itself: its path as given). N processes
  given the same paths and --shard 1/N to N/N handle every image exactly once, on one machine
  or on many, for example with GNU parallel:
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</source>
        <translation>Podział pracy:
  --shard K/N bierze K-tą z N części znalezionych obrazów, wybraną według skrótu ścieżki każdego
  obrazu względem podanego folderu (dla pliku podanego osobno: jego ścieżki w podanej postaci). N
  procesów z tymi samymi ścieżkami i od --shard 1/N do N/N przetwarza każdy obraz dokładnie raz,
  na jednym komputerze lub na wielu, na przykład z GNU parallel:
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</translation>
    </message>
    <message>
        <source>Optimize on this computer (local, no key needed) or through the Tovalin service (service, with your API key); %1 by default.</source>
        <translation>Optymalizuje na tym komputerze (local, bez klucza) lub za pomocą usługi Tovalin (service, z Twoim kluczem API); domyślnie %1.</translation>
    </message>
    <message>
        <source>engine</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>silnik</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (https only) instead of the one this program was built for; implies --engine service. The key must then come from --api-key-file or TOVALIN_API_KEY.</source>
        <translation>Łączy się z usługą pod &lt;url&gt; (tylko https) zamiast z tą, dla której zbudowano ten program; oznacza --engine service. Klucz musi wtedy pochodzić z --api-key-file lub TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>Optimizes images on this computer or through the Tovalin service and saves the results
beside them: photo.jpg gives photo-optimized.jpg, and photo.webp or photo.avif when
asked for. Folders are searched for images. The source images are never changed.</source>
        <translation>Optymalizuje obrazy na tym komputerze lub za pomocą usługi Tovalin i zapisuje wyniki obok nich: z
photo.jpg powstaje photo-optimized.jpg, a na życzenie także photo.webp lub photo.avif. Foldery są
przeszukiwane w poszukiwaniu obrazów. Obrazy źródłowe nigdy nie są zmieniane.</translation>
    </message>
    <message>
        <source>--engine must be local or service, not %1.</source>
        <translation>--engine musi mieć wartość local lub service, a nie %1.</translation>
    </message>
    <message>
        <source>--service-url is for --engine service.</source>
        <translation>--service-url dotyczy tylko --engine service.</translation>
    </message>
    <message>
        <source>Engines:
  local    the engine on this computer: started by this command for its run and ended with it,
           offline, no account or key; the images never leave this computer.
  service  the Tovalin service, with the API key of your account.
  Without --engine: %1, or service with --service-url.
</source>
        <translation>Silniki:
  local    silnik na tym komputerze: uruchamiany przez to polecenie na czas przetwarzania i
           kończony razem z nim, bez sieci, bez konta i klucza; obrazy nigdy nie opuszczają tego
           komputera.
  service  usługa Tovalin, z kluczem API Twojego konta.
  Bez --engine: %1, a z --service-url: service.
</translation>
    </message>
    <message>
        <source>API key:
  Only the Tovalin service needs one. Taken from --api-key-file FILE, else from the environment
  variable TOVALIN_API_KEY, else the key stored by the Tovalin Image Optimizer window. It is never
  taken from the command line and never printed. A key file should be readable by you only
  (chmod 600 FILE).
</source>
        <translation>Klucz API:
  Potrzebuje go tylko usługa Tovalin. Pobierany z --api-key-file PLIK, w przeciwnym razie ze
  zmiennej środowiskowej TOVALIN_API_KEY, w przeciwnym razie jest to klucz zapisany przez okno
  Tovalin Image Optimizer. Nigdy nie jest pobierany z wiersza poleceń ani wypisywany. Plik klucza
  powinien być czytelny tylko dla Ciebie (chmod 600 PLIK).
</translation>
    </message>
    <message>
        <source>Exit status:
  0    every image was optimized or up to date
  1    at least one image failed
  2    usage error: a bad option, or no API key for the service
  130  interrupted (Ctrl-C); 129 and 143 after SIGHUP and SIGTERM

  An interrupt stops the run as the window&apos;s Stop button does: the transfers in flight are
  aborted, nothing is left half written, and the images not reached are reported as stopped.
  A second interrupt quits at once.
</source>
        <translation>Kod wyjścia:
  0    każdy obraz został zoptymalizowany lub był aktualny
  1    co najmniej jeden obraz się nie powiódł
  2    błąd użycia: nieprawidłowa opcja lub brak klucza API dla usługi
  130  przerwano (Ctrl-C); 129 i 143 po SIGHUP i SIGTERM

  Przerwanie zatrzymuje przetwarzanie tak jak przycisk Zatrzymaj w oknie: trwające transfery są
  przerywane, nic nie zostaje zapisane w połowie, a obrazy, do których nie doszło, są zgłaszane
  jako zatrzymane. Drugie przerwanie kończy działanie natychmiast.
</translation>
    </message>
    <message>
        <source>Examples:
  %1 --level glossy --avif ~/Pictures/holiday
  TOVALIN_API_KEY=... %1 --engine service ~/Pictures/holiday
</source>
        <translation>Przykłady:
  %1 --level glossy --avif ~/Obrazy/wakacje
  TOVALIN_API_KEY=... %1 --engine service ~/Obrazy/wakacje
</translation>
    </message>
    <message>
        <source>Save the results in &lt;folder&gt; instead of beside the images (see &quot;Output&quot; below).</source>
        <translation>Zapisuje wyniki w &lt;folder&gt; zamiast obok obrazów (zob. „Wyjście” poniżej).</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>katalog</translation>
    </message>
    <message>
        <source>Give every result the modification time of its image (the default).</source>
        <translation>Nadaje każdemu wynikowi czas modyfikacji jego obrazu (domyślnie).</translation>
    </message>
    <message>
        <source>Leave every result dated by when it was saved.</source>
        <translation>Zostawia każdemu wynikowi czas jego zapisania.</translation>
    </message>
    <message>
        <source>--output-dir needs the name of a folder.</source>
        <translation>--output-dir wymaga nazwy katalogu.</translation>
    </message>
    <message>
        <source>--output-dir must be a folder, not %1.</source>
        <translation>--output-dir musi być katalogiem, nie %1.</translation>
    </message>
    <message>
        <source>Output:
  Results go beside their images, or with --output-dir DIR into DIR: the tree under each folder
  given is mirrored there, and an image given by itself goes to its top. Each result has the
  modification time of its image (--no-keep-dates: the time it was saved).
  Progress goes to standard error: one redrawn line on a terminal, otherwise one line per image.
  The table of results, or with --json one JSON object per image, goes to standard output.
</source>
        <translation>Wyjście:
  Wyniki trafiają obok swoich obrazów albo, z --output-dir DIR, do DIR: odtwarzane jest tam drzewo
  pod każdym podanym katalogiem, a obraz podany osobno trafia na jego szczyt. Każdy wynik ma czas
  modyfikacji swojego obrazu (--no-keep-dates: czas zapisania).
  Postęp trafia na standardowe wyjście błędów: jeden odświeżany wiersz w terminalu, w przeciwnym
  razie jeden wiersz na obraz. Tabela wyników albo, z --json, jeden obiekt JSON na obraz trafia na
  standardowe wyjście.
</translation>
    </message>
    <message>
        <source>Stay, and optimize each image that appears or changes in the folders given once it has been written (see &quot;Watching&quot; below).</source>
        <translation>Działa dalej i optymalizuje każdy obraz, który pojawi się lub zmieni w podanych folderach, gdy tylko zostanie zapisany (zob. „Obserwowanie” poniżej).</translation>
    </message>
    <message>
        <source>--watch cannot be combined with --%1.</source>
        <translation>--watch nie można łączyć z --%1.</translation>
    </message>
    <message>
        <source>Watching:
  --watch FOLDER... first optimizes what is due in the folders, then stays: an image that
  appears or changes in them, or in a folder made there later, is optimized once nothing has
  been written to it for half a second. What is up to date is skipped as in a rerun, and this
  program&apos;s results are never taken for images. Each image&apos;s outcome is printed as it ends
  (with --json, one JSON object per image on standard output). Ctrl-C or SIGTERM stops the
  run in flight as an interrupt does and ends the watch with status 0.
</source>
        <translation>Obserwowanie:
  --watch FOLDER... najpierw optymalizuje to, co jest do zrobienia w folderach, a potem działa
  dalej: obraz, który się w nich pojawi lub zmieni, także w folderze utworzonym później, zostaje
  zoptymalizowany, gdy przez pół sekundy nic nie zostanie do niego zapisane. To, co aktualne,
  jest pomijane jak przy ponownym uruchomieniu, a wyniki tego programu nigdy nie są brane za
  obrazy. Wynik każdego obrazu jest wypisywany, gdy tylko się zakończy (z --json jeden obiekt
  JSON na obraz na standardowym wyjściu). Ctrl-C lub SIGTERM zatrzymuje trwające przetwarzanie
  jak przerwanie i kończy obserwowanie z kodem 0.
</translation>
    </message>
</context>
<context>
    <name>CompareCanvas</name>
    <message>
        <source>Original and result</source>
        <translation>Oryginał i wynik</translation>
    </message>
    <message>
        <source>Split view, the original left of the divider.</source>
        <translation>Widok podzielony, oryginał na lewo od linii podziału.</translation>
    </message>
    <message>
        <source>Side by side, the original on the left.</source>
        <translation>Obok siebie, oryginał po lewej.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Powiększenie %1%.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture, Shift with Left and Right moves the divider; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Strzałki przesuwają obraz, Shift ze strzałką w lewo lub w prawo przesuwa linię podziału; plus i minus zmieniają powiększenie, 0 dopasowuje, 1 i 2 pokazują 100% i 200%.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Strzałki przesuwają obraz; plus i minus zmieniają powiększenie, 0 dopasowuje, 1 i 2 pokazują 100% i 200%.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with</source>
        <translation>Porównaj z</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Podział</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Obok siebie</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>the result over the original with a divider, or beside it</source>
        <translation>wynik na oryginale z linią podziału albo obok niego</translation>
    </message>
    <message>
        <source>Zoom out (−)</source>
        <translation>Pomniejsz (−)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Zoom in (+)</source>
        <translation>Powiększ (+)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Dopasuj</translation>
    </message>
    <message>
        <source>The whole picture in the window (0)</source>
        <translation>Cały obraz w oknie (0)</translation>
    </message>
    <message>
        <source>One pixel of the picture to a pixel of the screen (1)</source>
        <translation>Jeden piksel obrazu na jeden piksel ekranu (1)</translation>
    </message>
    <message>
        <source>Each pixel of the picture as two of the screen (2)</source>
        <translation>Każdy piksel obrazu jako dwa piksele ekranu (2)</translation>
    </message>
    <message>
        <source>The structural similarity (SSIM) of the result to the original, over red, green and blue: 1 for the same picture, lower as they drift apart.</source>
        <translation>Podobieństwo strukturalne (SSIM) wyniku do oryginału w kanałach czerwonym, zielonym i niebieskim: 1 dla tego samego obrazu, tym mniej, im bardziej się różnią.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Compare “%1”</source>
        <translation>Porównaj „%1”</translation>
    </message>
    <message>
        <source>which saved file is shown against the original</source>
        <translation>który zapisany plik jest pokazywany obok oryginału</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Oryginał</translation>
    </message>
    <message>
        <source>The original and the %1 image</source>
        <translation>Oryginał i obraz „%1”</translation>
    </message>
    <message>
        <source>The original could not be read.</source>
        <translation>Nie można odczytać oryginału.</translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation>Nie można odczytać tego pliku.</translation>
    </message>
    <message>
        <source>Measuring similarity…</source>
        <translation>Mierzenie podobieństwa…</translation>
    </message>
    <message>
        <source>Similarity %1 (SSIM)</source>
        <translation>Podobieństwo %1 (SSIM)</translation>
    </message>
    <message>
        <source>Similarity could not be measured.</source>
        <translation>Nie można zmierzyć podobieństwa.</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>Powiększenie %1</translation>
    </message>
</context>
<context>
    <name>Compression</name>
    <message>
        <source>Lossless</source>
        <translation>Lossless</translation>
    </message>
    <message>
        <source>Lossy</source>
        <translation>Lossy</translation>
    </message>
    <message>
        <source>Glossy</source>
        <translation>Glossy</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>[API key]</source>
        <translation>[klucz API]</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Selected Images</source>
        <translation>Wybrane obrazy</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Enter compares a done image with its result, the Menu key lists what can be done with the current image, and Space removes it. Images and folders can be dropped here.</source>
        <translation>Kolejka: jeden wiersz na obraz z jego stanem, komunikatem i zapisanymi plikami. Enter porównuje ukończony obraz z wynikiem, klawisz Menu pokazuje, co można zrobić z bieżącym obrazem, a Spacja go usuwa. Obrazy i foldery można tu upuszczać.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>On this computer</source>
        <translation>Na tym komputerze</translation>
    </message>
    <message>
        <source>Tovalin service</source>
        <translation>Usługa Tovalin</translation>
    </message>
</context>
<context>
    <name>EngineProcess</name>
    <message>
        <source>no answer within %1 seconds.</source>
        <translation>brak odpowiedzi w ciągu %1 s.</translation>
    </message>
    <message>
        <source>it ended unexpectedly.</source>
        <translation>nieoczekiwanie zakończył działanie.</translation>
    </message>
    <message>
        <source>it ended with status %1.</source>
        <translation>zakończył działanie z kodem %1.</translation>
    </message>
    <message>
        <source>it did not say where it listens.</source>
        <translation>nie podał, gdzie nasłuchuje.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read “%1”: %2.</source>
        <translation>Nie można odczytać „%1”: %2.</translation>
    </message>
    <message>
        <source>“%1” changed while it was being sent; nothing was saved for it.</source>
        <translation>„%1” zmienił się podczas wysyłania; nic dla niego nie zapisano.</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being sent; nothing was saved for it.</source>
        <translation>„%1” został usunięty podczas wysyłania; nic dla niego nie zapisano.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>To nie jest zwykły plik.</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>to nie jest plik lokalny</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being optimized; nothing was saved for it.</source>
        <translation>„%1” został usunięty podczas optymalizacji; nic dla niego nie zapisano.</translation>
    </message>
    <message>
        <source>Cannot write to “%1”.</source>
        <translation>Nie można zapisywać w „%1”.</translation>
    </message>
    <message>
        <source>No name is free for the results in “%1”.</source>
        <translation>Brak wolnej nazwy dla wyników w „%1”.</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Folder for the Results</source>
        <translation>Katalog na wyniki</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>The image could not be read.</source>
        <translation>Nie można odczytać obrazu.</translation>
    </message>
</context>
<context>
    <name>ImageJob</name>
    <message>
        <source>Ready to optimize.</source>
        <translation>Gotowy do optymalizacji.</translation>
    </message>
</context>
<context>
    <name>ItemPickerDialog</name>
    <message>
        <source>Images (%1)</source>
        <translation>Obrazy (%1)</translation>
    </message>
    <message>
        <source>Raw camera images (%1)</source>
        <translation>Surowe obrazy z aparatu (%1)</translation>
    </message>
    <message>
        <source>Choose images or folders to optimize</source>
        <translation>Wybierz obrazy lub foldery do optymalizacji</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <source>Drop images or folders here</source>
        <translation>Upuść tutaj obrazy lub foldery</translation>
    </message>
    <message>
        <source>Drop to add to the queue</source>
        <translation>Upuść, aby dodać do kolejki</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Oryginał</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Otwórz „%1”</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <translation>Pokaż „%1” w folderze</translation>
    </message>
    <message>
        <source>Remove from Queue</source>
        <translation>Usuń z kolejki</translation>
    </message>
    <message numerus="yes">
        <source>Optimize %n Again</source>
        <translation>
            <numerusform>Optymalizuj ponownie %n obraz</numerusform>
            <numerusform>Optymalizuj ponownie %n obrazy</numerusform>
            <numerusform>Optymalizuj ponownie %n obrazów</numerusform>
        </translation>
    </message>
    <message>
        <source>Optimize Again</source>
        <translation>Optymalizuj ponownie</translation>
    </message>
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>Usuń z kolejki</translation>
    </message>
    <message>
        <source>Double-click or press Enter to compare with the original</source>
        <translation>Kliknij dwukrotnie lub naciśnij Enter, aby porównać z oryginałem</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>Queued</source>
        <translation>W kolejce</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Przetwarzanie</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Niepowodzenie</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymano</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Opens the Tovalin Image Optimizer window with the given images queued; folders are
searched for images. When the window is already open, they join its queue and the
window is brought to the front.</source>
        <translation>Otwiera okno Tovalin Image Optimizer z podanymi obrazami w kolejce; foldery są przeszukiwane w
poszukiwaniu obrazów. Gdy okno jest już otwarte, obrazy trafiają do jego kolejki, a okno zostaje
przeniesione na wierzch.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>ŚCIEŻKA</translation>
    </message>
    <message>
        <source>Image files and folders, as paths or file: URIs.</source>
        <translation>Pliki obrazów i foldery, jako ścieżki lub adresy URI file:.</translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>[ŚCIEŻKA...]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [PATH...]</source>
        <translation>Użycie: %1 [opcje] [ŚCIEŻKA...]</translation>
    </message>
    <message>
        <source>tovalin-image-optimizer: %1 is not on this computer; only local files and folders can be queued.</source>
        <translation>tovalin-image-optimizer: %1 nie znajduje się na tym komputerze; do kolejki można dodać tylko lokalne pliki i foldery.</translation>
    </message>
</context>
<context>
    <name>LinkButton</name>
    <message>
        <source>Opens %1 in the web browser.</source>
        <translation>Otwiera %1 w przeglądarce internetowej.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>The optimizer on this computer could not be started: %1</source>
        <translation>Nie można uruchomić optymalizatora na tym komputerze: %1</translation>
    </message>
    <message>
        <source>the program is closing.</source>
        <translation>program jest zamykany.</translation>
    </message>
    <message>
        <source>The optimizer on this computer is missing: %1 is not installed beside this program.</source>
        <translation>Brak optymalizatora na tym komputerze: %1 nie jest zainstalowany obok tego programu.</translation>
    </message>
    <message>
        <source>The optimizer on this computer stopped unexpectedly; the next image starts it again.</source>
        <translation>Optymalizator na tym komputerze nieoczekiwanie się zatrzymał; następny obraz uruchomi go ponownie.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Zamknij okno</translation>
    </message>
</context>
<context>
    <name>OptimizeCommand</name>
    <message>
        <source>the file system of %1 keeps no marks on files, so images there are sent even when their results are up to date.</source>
        <translation>system plików %1 nie przechowuje znaczników plików, więc znajdujące się tam obrazy są wysyłane nawet wtedy, gdy ich wyniki są aktualne.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Polecenie „%1 --help” wyświetli więcej informacji.</translation>
    </message>
    <message>
        <source>no PEM certificate could be read from %1.</source>
        <translation>nie można odczytać żadnego certyfikatu PEM z %1.</translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>zatrzymywanie; przerwij ponownie, aby natychmiast zakończyć.</translation>
    </message>
    <message>
        <source>no images found in the given folders.</source>
        <translation>w podanych folderach nie znaleziono obrazów.</translation>
    </message>
    <message>
        <source>warning: the key file is only for the Tovalin service; these images are optimized on this computer (--engine service sends them to the service).</source>
        <translation>ostrzeżenie: plik klucza służy tylko usłudze Tovalin; te obrazy są optymalizowane na tym komputerze (--engine service wysyła je do usługi).</translation>
    </message>
    <message>
        <source>--watch takes folders; %1 is not one.</source>
        <translation>--watch przyjmuje foldery; %1 nie jest folderem.</translation>
    </message>
</context>
<context>
    <name>OutputKind</name>
    <message>
        <source>Optimized</source>
        <translation>Zoptymalizowany</translation>
    </message>
    <message>
        <source>WebP</source>
        <translation>WebP</translation>
    </message>
    <message>
        <source>AVIF</source>
        <translation>AVIF</translation>
    </message>
</context>
<context>
    <name>ProgressReporter</name>
    <message>
        <source>almost done</source>
        <translation>prawie gotowe</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>pozostało około %1</translation>
    </message>
</context>
<context>
    <name>QueueHeader</name>
    <message>
        <source>Clear finished</source>
        <translation>Usuń ukończone</translation>
    </message>
    <message>
        <source>Clear queue</source>
        <translation>Wyczyść kolejkę</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>Wybrane obrazy</translation>
    </message>
    <message>
        <source>Removes the images that are done from the queue.</source>
        <translation>Usuwa z kolejki ukończone obrazy.</translation>
    </message>
    <message>
        <source>Removes every image from the queue but the one being optimized.</source>
        <translation>Usuwa z kolejki wszystkie obrazy oprócz optymalizowanego.</translation>
    </message>
    <message>
        <source>Add files to begin.</source>
        <translation>Dodaj pliki, aby rozpocząć.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left to optimize</source>
        <translation>
            <numerusform>%n obraz do optymalizacji</numerusform>
            <numerusform>%n obrazy do optymalizacji</numerusform>
            <numerusform>%n obrazów do optymalizacji</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter your API key to begin.</source>
        <translation>Wpisz klucz API, aby rozpocząć.</translation>
    </message>
    <message>
        <source>Press Optimize to begin.</source>
        <translation>Naciśnij „Optymalizuj”, aby rozpocząć.</translation>
    </message>
</context>
<context>
    <name>QueueRunner</name>
    <message numerus="yes">
        <source>Optimizing %n image(s)…</source>
        <translation>
            <numerusform>Trwa optymalizacja %n obrazu…</numerusform>
            <numerusform>Trwa optymalizacja %n obrazów…</numerusform>
            <numerusform>Trwa optymalizacja %n obrazów…</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped by user.</source>
        <translation>Zatrzymano na żądanie użytkownika.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Zatrzymano.</translation>
    </message>
    <message>
        <source>Sending to Tovalin…</source>
        <translation>Wysyłanie do Tovalin…</translation>
    </message>
    <message>
        <source>The image could not be optimized.</source>
        <translation>Nie udało się zoptymalizować obrazu.</translation>
    </message>
    <message>
        <source>Optimized and saved locally.</source>
        <translation>Zoptymalizowano i zapisano lokalnie.</translation>
    </message>
    <message>
        <source>“%1” is not this program&apos;s and was kept; this one is “%2”.</source>
        <translation>„%1” nie pochodzi z tego programu i został zachowany; ten wynik to „%2”.</translation>
    </message>
    <message>
        <source>Image is being optimized…</source>
        <translation>Trwa optymalizacja obrazu…</translation>
    </message>
    <message>
        <source>Every image is already optimized.</source>
        <translation>Wszystkie obrazy są już zoptymalizowane.</translation>
    </message>
</context>
<context>
    <name>ResizeMode</name>
    <message>
        <source>No resize</source>
        <translation>Bez zmiany</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Wypełnij</translation>
    </message>
    <message>
        <source>Contain</source>
        <translation>Dopasuj</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) optimized</source>
        <translation>
            <numerusform>%n obraz zoptymalizowany</numerusform>
            <numerusform>%n obrazy zoptymalizowane</numerusform>
            <numerusform>%n obrazów zoptymalizowanych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n nieudany</numerusform>
            <numerusform>%n nieudane</numerusform>
            <numerusform>%n nieudanych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n zatrzymany</numerusform>
            <numerusform>%n zatrzymane</numerusform>
            <numerusform>%n zatrzymanych</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>the parts of a run&apos;s outcome, joined</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of a run&apos;s outcome</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>RunProgress</name>
    <message>
        <source>Progress of the run</source>
        <translation>Postęp przetwarzania</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Done</source>
        <translation>Ukończono</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Niepowodzenie</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymano</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pominięto</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Do wysłania</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>PLIK</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>STAN</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>PRZED</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>PO</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>ZMIANA</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>KOMUNIKAT</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Zatrzymano.</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 obraz</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>%n obraz</numerusform>
            <numerusform>%n obrazy</numerusform>
            <numerusform>%n obrazów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n ukończony</numerusform>
            <numerusform>%n ukończone</numerusform>
            <numerusform>%n ukończonych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n nieudany</numerusform>
            <numerusform>%n nieudane</numerusform>
            <numerusform>%n nieudanych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n zatrzymany</numerusform>
            <numerusform>%n zatrzymane</numerusform>
            <numerusform>%n zatrzymanych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n pominięty</numerusform>
            <numerusform>%n pominięte</numerusform>
            <numerusform>%n pominiętych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n do wysłania</numerusform>
            <numerusform>%n do wysłania</numerusform>
            <numerusform>%n do wysłania</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Razem</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the images counted: how they ended</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 needs a width, a height or both.</source>
        <translation>„%1” wymaga szerokości, wysokości lub obu.</translation>
    </message>
    <message>
        <source>The width must be a whole number of pixels, 1 or more.</source>
        <translation>Szerokość musi być całkowitą liczbą pikseli, co najmniej 1.</translation>
    </message>
    <message>
        <source>The height must be a whole number of pixels, 1 or more.</source>
        <translation>Wysokość musi być całkowitą liczbą pikseli, co najmniej 1.</translation>
    </message>
    <message>
        <source>The width and the height must be whole numbers of pixels, 1 or more.</source>
        <translation>Szerokość i wysokość muszą być całkowitymi liczbami pikseli, co najmniej 1.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Help: %1</source>
        <translation>Pomoc: %1</translation>
    </message>
    <message>
        <source>Opens the article in the web browser.</source>
        <translation>Otwiera artykuł w przeglądarce internetowej.</translation>
    </message>
    <message>
        <source>API Key</source>
        <translation>Klucz API</translation>
    </message>
    <message>
        <source>(Get an API Key)</source>
        <translation>(Uzyskaj klucz API)</translation>
    </message>
    <message>
        <source>Your 20-character API key</source>
        <translation>Twój 20-znakowy klucz API</translation>
    </message>
    <message>
        <source>The API key of your Tovalin account. It is kept for the next start.</source>
        <translation>Klucz API Twojego konta Tovalin. Zostaje zapamiętany na następne uruchomienie.</translation>
    </message>
    <message>
        <source>Hide key</source>
        <translation>Ukryj klucz</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>Pokaż klucz</translation>
    </message>
    <message>
        <source>Masks the API key again.</source>
        <translation>Ponownie ukrywa klucz API.</translation>
    </message>
    <message>
        <source>Shows the API key in plain text.</source>
        <translation>Pokazuje klucz API jako zwykły tekst.</translation>
    </message>
    <message>
        <source>Densora Level</source>
        <translation>Poziom Densora</translation>
    </message>
    <message>
        <source>Learn about Lossy, Glossy, and Lossless</source>
        <translation>Więcej o Lossy, Glossy i Lossless</translation>
    </message>
    <message>
        <source>Compression levels</source>
        <translation>Poziomy kompresji</translation>
    </message>
    <message>
        <source>how strongly images are compressed</source>
        <translation>jak mocno obrazy są kompresowane</translation>
    </message>
    <message>
        <source>Next Generation Images</source>
        <translation>Obrazy nowej generacji</translation>
    </message>
    <message>
        <source>Create WebP (+ keep original)</source>
        <translation>Utwórz WebP (+ zachowaj oryginał)</translation>
    </message>
    <message>
        <source>Also saves a WebP version beside each image.</source>
        <translation>Zapisuje także wersję WebP obok każdego obrazu.</translation>
    </message>
    <message>
        <source>Create AVIF (+ keep original)</source>
        <translation>Utwórz AVIF (+ zachowaj oryginał)</translation>
    </message>
    <message>
        <source>Also saves an AVIF version beside each image.</source>
        <translation>Zapisuje także wersję AVIF obok każdego obrazu.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Zmiana rozmiaru</translation>
    </message>
    <message>
        <source>Learn how Tovalin resizes images automatically</source>
        <translation>Dowiedz się, jak Tovalin automatycznie zmienia rozmiar obrazów</translation>
    </message>
    <message>
        <source>how images are fitted to the width and height</source>
        <translation>jak obrazy są dopasowywane do szerokości i wysokości</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Target width in pixels.</source>
        <translation>Docelowa szerokość w pikselach.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>Target height in pixels.</source>
        <translation>Docelowa wysokość w pikselach.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Convert CMYK to RGB</source>
        <translation>Przekształć CMYK na RGB</translation>
    </message>
    <message>
        <source>Print colors are turned into screen colors.</source>
        <translation>Kolory druku są zamieniane na kolory ekranowe.</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Usuń tło</translation>
    </message>
    <message>
        <source>The service cuts the subject out of its background.</source>
        <translation>Usługa wycina motyw z tła.</translation>
    </message>
    <message>
        <source>Keep EXIF</source>
        <translation>Zachowaj EXIF</translation>
    </message>
    <message>
        <source>Camera data such as date and place stay in the image.</source>
        <translation>Dane z aparatu, takie jak data i miejsce, pozostają w obrazie.</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Powiększenie</translation>
    </message>
    <message>
        <source>How many times larger the service makes each image.</source>
        <translation>Ile razy usługa powiększa każdy obraz.</translation>
    </message>
    <message>
        <source>Images at once</source>
        <translation>Obrazy naraz</translation>
    </message>
    <message>
        <source>How many images are with the service at the same time.</source>
        <translation>Ile obrazów jest jednocześnie w usłudze.</translation>
    </message>
    <message>
        <source>Add images or folders…</source>
        <translation>Dodaj obrazy lub foldery…</translation>
    </message>
    <message>
        <source>Chooses images and folders to queue. They can also be dropped on the window.</source>
        <translation>Wybiera obrazy i foldery do kolejki. Można je też upuścić na okno.</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optymalizuj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Stops the run; the image in progress is marked stopped.</source>
        <translation>Zatrzymuje przetwarzanie; obraz w trakcie przetwarzania zostaje oznaczony jako zatrzymany.</translation>
    </message>
    <message>
        <source>Contact us with any issues, bug reports, or questions.</source>
        <translation>Skontaktuj się z nami w razie problemów, zgłoszeń błędów lub pytań.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>O programie Tovalin Image Optimizer</translation>
    </message>
    <message>
        <source>Optimizes every image in the queue with the options above.</source>
        <translation>Optymalizuje każdy obraz w kolejce z powyższymi opcjami.</translation>
    </message>
    <message>
        <source>Enter an API key and add images first.</source>
        <translation>Najpierw wpisz klucz API i dodaj obrazy.</translation>
    </message>
    <message>
        <source>Enter an API key first.</source>
        <translation>Najpierw wpisz klucz API.</translation>
    </message>
    <message>
        <source>Add images first.</source>
        <translation>Najpierw dodaj obrazy.</translation>
    </message>
    <message>
        <source>Images are being optimized.</source>
        <translation>Trwa optymalizacja obrazów.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Usługa</translation>
    </message>
    <message>
        <source>where the images are optimized</source>
        <translation>gdzie obrazy są optymalizowane</translation>
    </message>
    <message>
        <source>Watch added folders</source>
        <translation>Obserwuj dodane foldery</translation>
    </message>
    <message>
        <source>New images in the folders you added are queued as they appear.</source>
        <translation>Nowe obrazy w dodanych folderach trafiają do kolejki, gdy tylko się pojawią.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Where results go</source>
        <translation>Gdzie trafiają wyniki</translation>
    </message>
    <message>
        <source>Beside the originals</source>
        <translation>Obok oryginałów</translation>
    </message>
    <message>
        <source>In a folder…</source>
        <translation>W katalogu…</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Zachowaj daty plików</translation>
    </message>
    <message>
        <source>Every result gets the modification time of its original.</source>
        <translation>Każdy wynik dostaje czas modyfikacji swojego oryginału.</translation>
    </message>
    <message>
        <source>Results are saved in %1.</source>
        <translation>Wyniki są zapisywane w %1.</translation>
    </message>
    <message>
        <source>Results are saved beside their originals.</source>
        <translation>Wyniki są zapisywane obok swoich oryginałów.</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>Nothing saved</source>
        <translation>Bez oszczędności</translation>
    </message>
    <message>
        <source>Saved %1 of %2</source>
        <translation>Zaoszczędzono %1 z %2</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>większy niż „%1”</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Turns while images are being optimized.</source>
        <translation>Obraca się podczas optymalizacji obrazów.</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>Prawie gotowe</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes</comment>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1 godz.</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Pozostało około %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
</context>
<context>
    <name>TovalinError</name>
    <message>
        <source>(binary)</source>
        <translation>(dane binarne)</translation>
    </message>
    <message>
        <source>Unexpected API response: %1</source>
        <translation>Nieoczekiwana odpowiedź API: %1</translation>
    </message>
    <message>
        <source>Failed to encode parameters.</source>
        <translation>Nie udało się zakodować parametrów.</translation>
    </message>
    <message>
        <source>Tovalin did not return any data.</source>
        <translation>Tovalin nie zwrócił żadnych danych.</translation>
    </message>
    <message>
        <source>No download URL returned for this configuration.</source>
        <translation>Dla tej konfiguracji nie zwrócono adresu URL do pobrania.</translation>
    </message>
    <message>
        <source>Could not save the optimized file.</source>
        <translation>Nie udało się zapisać zoptymalizowanego pliku.</translation>
    </message>
    <message>
        <source>Could not download the optimized file (HTTP status %1).</source>
        <translation>Nie udało się pobrać zoptymalizowanego pliku (stan HTTP %1).</translation>
    </message>
    <message>
        <source>Could not download the optimized file (empty response).</source>
        <translation>Nie udało się pobrać zoptymalizowanego pliku (pusta odpowiedź).</translation>
    </message>
</context>
<context>
    <name>TransportError</name>
    <message>
        <source>The connection timed out: no data moved for %1 seconds.</source>
        <translation>Przekroczono czas połączenia: przez %1 s nie przesłano żadnych danych.</translation>
    </message>
    <message>
        <source>The reply is larger than %1, the most this program accepts.</source>
        <translation>Odpowiedź jest większa niż %1, czyli maksimum, jakie przyjmuje ten program.</translation>
    </message>
    <message>
        <source>The server “%1” could not be found.</source>
        <translation>Nie znaleziono serwera „%1”.</translation>
    </message>
    <message>
        <source>The proxy server could not be found.</source>
        <translation>Nie znaleziono serwera proxy.</translation>
    </message>
    <message>
        <source>Could not connect to the server “%1”.</source>
        <translation>Nie można połączyć się z serwerem „%1”.</translation>
    </message>
    <message>
        <source>The secure connection to “%1” could not be established: %2.</source>
        <translation>Nie można nawiązać bezpiecznego połączenia z „%1”: %2.</translation>
    </message>
    <message>
        <source>The service redirected the request to an address it may not go to.</source>
        <translation>Usługa przekierowała żądanie pod niedozwolony adres.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Zbyt wiele przekierowań.</translation>
    </message>
    <message>
        <source>The connection to the service was closed before it answered.</source>
        <translation>Połączenie z usługą zostało zamknięte, zanim odpowiedziała.</translation>
    </message>
    <message>
        <source>The connection was closed before the whole reply arrived.</source>
        <translation>Połączenie zostało zamknięte przed nadejściem całej odpowiedzi.</translation>
    </message>
    <message>
        <source>Refused to connect to “%1”: only secure (https) addresses are allowed.</source>
        <translation>Odmowa połączenia z „%1”: dozwolone są tylko bezpieczne adresy (https).</translation>
    </message>
    <message>
        <source>The connection could not be set up.</source>
        <translation>Nie można nawiązać połączenia.</translation>
    </message>
</context>
<context>
    <name>UpToDateJobs</name>
    <message>
        <source>Already optimized.</source>
        <translation>Już zoptymalizowany.</translation>
    </message>
</context>
<context>
    <name>UpscaleFactor</name>
    <message>
        <source>No upscale</source>
        <translation>Bez powiększenia</translation>
    </message>
    <message>
        <source>2x</source>
        <translation>2x</translation>
    </message>
    <message>
        <source>3x</source>
        <translation>3x</translation>
    </message>
    <message>
        <source>4x</source>
        <translation>4x</translation>
    </message>
</context>
<context>
    <name>WatchRun</name>
    <message>
        <source>warning: the system lets no more folders be watched (fs.inotify.max_user_watches); images in folders not watched are not seen until the watch starts again.</source>
        <translation>ostrzeżenie: system nie pozwala obserwować więcej folderów (fs.inotify.max_user_watches); obrazy w nieobserwowanych folderach nie zostaną zauważone do ponownego uruchomienia obserwowania.</translation>
    </message>
    <message>
        <source>cannot watch %1.</source>
        <translation>nie można obserwować %1.</translation>
    </message>
    <message numerus="yes">
        <source>watching %n folder(s); stop with Ctrl-C.</source>
        <translation>
            <numerusform>obserwowanie %n folderu; zatrzymaj klawiszami Ctrl-C.</numerusform>
            <numerusform>obserwowanie %n folderów; zatrzymaj klawiszami Ctrl-C.</numerusform>
            <numerusform>obserwowanie %n folderów; zatrzymaj klawiszami Ctrl-C.</numerusform>
        </translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>zatrzymywanie; przerwij ponownie, aby natychmiast zakończyć.</translation>
    </message>
</context>
</TS>
