<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Optimizes images with the Tovalin service.</source>
        <translation>Optimalizuje obrázky pomocí služby Tovalin.</translation>
    </message>
    <message>
        <source>Released under the %1 licence.</source>
        <translation>Vydáno pod licencí %1.</translation>
    </message>
    <message>
        <source>Get an API key</source>
        <translation>Získat klíč API</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Kontaktujte nás</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>O aplikaci Tovalin Image Optimizer</translation>
    </message>
</context>
<context>
    <name>ApiKeySource</name>
    <message>
        <source>cannot read the key file %1: %2.</source>
        <translation>soubor s klíčem %1 nelze přečíst: %2.</translation>
    </message>
    <message>
        <source>warning: the key file %1 can be read by other users; make it yours only with: chmod 600 %1</source>
        <translation>varování: soubor s klíčem %1 mohou číst i jiní uživatelé; nastavte jej jen pro sebe příkazem: chmod 600 %1</translation>
    </message>
    <message>
        <source>the key file %1 is too large to hold an API key.</source>
        <translation>soubor s klíčem %1 je příliš velký na to, aby obsahoval klíč API.</translation>
    </message>
    <message>
        <source>the key file %1 holds no API key.</source>
        <translation>soubor s klíčem %1 neobsahuje žádný klíč API.</translation>
    </message>
    <message>
        <source>the key stored by the window is sent only to the service this program was built for; with --service-url give the key with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>klíč uložený oknem se posílá jen službě, pro kterou byl tento program sestaven; s --service-url zadejte klíč pomocí --api-key-file SOUBOR nebo proměnné prostředí TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>no API key: give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY, or enter it in the Tovalin Image Optimizer window.</source>
        <translation>chybí klíč API: zadejte jej pomocí --api-key-file SOUBOR nebo proměnné prostředí TOVALIN_API_KEY, nebo jej vložte v okně Tovalin Image Optimizer.</translation>
    </message>
</context>
<context>
    <name>CancelledError</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>Požadavek byl zrušen.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zobrazí tuto nápovědu a skončí.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zobrazí verzi a skončí.</translation>
    </message>
    <message>
        <source>Compression: lossy (the default), glossy or lossless.</source>
        <translation>Komprese: lossy (výchozí), glossy nebo lossless.</translation>
    </message>
    <message>
        <source>level</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>úroveň</translation>
    </message>
    <message>
        <source>Also save a WebP version (the default).</source>
        <translation>Uloží také verzi WebP (výchozí).</translation>
    </message>
    <message>
        <source>Save no WebP version.</source>
        <translation>Neuloží verzi WebP.</translation>
    </message>
    <message>
        <source>Also save an AVIF version.</source>
        <translation>Uloží také verzi AVIF.</translation>
    </message>
    <message>
        <source>Save no AVIF version (the default).</source>
        <translation>Neuloží verzi AVIF (výchozí).</translation>
    </message>
    <message>
        <source>Fit each image to --width and --height: cover or contain.</source>
        <translation>Přizpůsobí každý obrázek hodnotám --width a --height: cover nebo contain.</translation>
    </message>
    <message>
        <source>mode</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>režim</translation>
    </message>
    <message>
        <source>Width to resize to, in pixels.</source>
        <translation>Cílová šířka v pixelech.</translation>
    </message>
    <message>
        <source>Height to resize to, in pixels.</source>
        <translation>Cílová výška v pixelech.</translation>
    </message>
    <message>
        <source>Upscale by 2, 3 or 4.</source>
        <translation>Zvětší 2, 3 nebo 4krát.</translation>
    </message>
    <message>
        <source>factor</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>násobek</translation>
    </message>
    <message>
        <source>Remove the background.</source>
        <translation>Odstraní pozadí.</translation>
    </message>
    <message>
        <source>Keep the EXIF data.</source>
        <translation>Zachová data EXIF.</translation>
    </message>
    <message>
        <source>Leave CMYK images in CMYK (they are converted to RGB by default).</source>
        <translation>Ponechá obrázky CMYK v CMYK (ve výchozím stavu se převádějí na RGB).</translation>
    </message>
    <message>
        <source>Read the API key from &lt;file&gt; (see &quot;API key&quot; below).</source>
        <translation>Načte klíč API ze &lt;souboru&gt; (viz „Klíč API“ níže).</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>soubor</translation>
    </message>
    <message>
        <source>url</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>url</translation>
    </message>
    <message>
        <source>Also trust the PEM certificates in &lt;file&gt; for --service-url.</source>
        <translation>Pro --service-url důvěřuje také certifikátům PEM ze &lt;souboru&gt;.</translation>
    </message>
    <message>
        <source>Keep up to &lt;N&gt; images with the service at once, 1 to %1 (4 by default).</source>
        <translation>Ponechá ve službě až &lt;N&gt; obrázků najednou, 1 až %1 (výchozí 4).</translation>
    </message>
    <message>
        <source>Take only share &lt;K/N&gt; of the images, for N processes that together handle every image once (see &quot;Sharing the work&quot; below).</source>
        <translation>Vezme jen podíl &lt;K/N&gt; obrázků, pro N procesů, které společně zpracují každý obrázek jednou (viz „Rozdělení práce“ níže).</translation>
    </message>
    <message>
        <source>Send every image, also those whose results are up to date.</source>
        <translation>Pošle každý obrázek, i ty, jejichž výsledky jsou aktuální.</translation>
    </message>
    <message>
        <source>List what would be sent and what would be skipped; send nothing.</source>
        <translation>Vypíše, co by se poslalo a co přeskočilo; nic nepošle.</translation>
    </message>
    <message>
        <source>Print one JSON object per image instead of the table.</source>
        <translation>Vypíše jeden objekt JSON na obrázek místo tabulky.</translation>
    </message>
    <message>
        <source>Print no progress.</source>
        <translation>Nevypisuje průběh.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>CESTA</translation>
    </message>
    <message>
        <source>Image files, and folders to search.</source>
        <translation>Soubory obrázků a adresáře k prohledání.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>CESTA...</translation>
    </message>
    <message>
        <source>the API key is never taken from the command line, where other users could see it in the process list; give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>klíč API se nikdy nebere z příkazového řádku, kde by jej jiní uživatelé mohli vidět v seznamu procesů; zadejte jej pomocí --api-key-file SOUBOR nebo proměnné prostředí TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>--level must be lossy, glossy or lossless, not %1.</source>
        <translation>--level musí být lossy, glossy nebo lossless, ne %1.</translation>
    </message>
    <message>
        <source>--resize must be cover or contain, not %1.</source>
        <translation>--resize musí být cover nebo contain, ne %1.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number of pixels, 1 or more, not %2.</source>
        <translation>--%1 musí být celý počet pixelů, 1 nebo více, ne %2.</translation>
    </message>
    <message>
        <source>--width and --height need --resize cover or --resize contain.</source>
        <translation>--width a --height vyžadují --resize cover nebo --resize contain.</translation>
    </message>
    <message>
        <source>--resize needs --width, --height or both.</source>
        <translation>--resize vyžaduje --width, --height nebo obojí.</translation>
    </message>
    <message>
        <source>--upscale must be 2, 3 or 4, not %1.</source>
        <translation>--upscale musí být 2, 3 nebo 4, ne %1.</translation>
    </message>
    <message>
        <source>--api-key-file needs the name of a file.</source>
        <translation>--api-key-file vyžaduje název souboru.</translation>
    </message>
    <message>
        <source>--service-url must be an https address such as https://host:port, not %1.</source>
        <translation>--service-url musí být adresa https, například https://host:port, ne %1.</translation>
    </message>
    <message>
        <source>--ca-file is only for the service given with --service-url.</source>
        <translation>--ca-file platí jen pro službu zadanou pomocí --service-url.</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to %1, not %2.</source>
        <translation>--jobs musí být celé číslo od 1 do %1, ne %2.</translation>
    </message>
    <message>
        <source>--shard must be K/N with K from 1 to N, such as 2/4, not %1.</source>
        <translation>--shard musí mít tvar K/N s K od 1 do N, například 2/4, ne %1.</translation>
    </message>
    <message>
        <source>no images or folders given.</source>
        <translation>nebyly zadány žádné obrázky ani adresáře.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] PATH...</source>
        <translation>Použití: %1 [volby] CESTA...</translation>
    </message>
    <message>
        <source>Reruns:
  Every result carries a mark naming its source and the settings it was made with. Results
  found in a folder are never taken for images to optimize, and an image whose results are
  all there, made from the image as it is now with the same settings, is skipped (&quot;Already
  optimized.&quot;). --force sends it anyway. Where the file system keeps no marks, nothing is
  skipped. --dry-run lists what would be sent and what skipped.
</source>
        <translation>Opakovaná spuštění:
  Každý výsledek nese značku s jeho zdrojem a nastavením, se kterým vznikl. Výsledky nalezené v
  adresáři se nikdy nepovažují za obrázky k optimalizaci a obrázek, jehož výsledky jsou všechny na
  místě a vznikly z obrázku v jeho nynější podobě se stejným nastavením, se přeskočí („Již
  optimalizováno.“). --force jej přesto pošle. Kde souborový systém značky neuchovává, nepřeskočí
  se nic. --dry-run vypíše, co by se poslalo a co přeskočilo.
</translation>
    </message>
    <message>
        <source>Several at once:
  Up to --jobs images are with the service at once. Two images whose results would share a
  file name are never sent together.
</source>
        <translation>Několik najednou:
  Až --jobs obrázků je ve službě najednou. Dva obrázky, jejichž výsledky by měly stejný název
  souboru, se nikdy neposílají spolu.
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
        <translation>Rozdělení práce:
  --shard K/N vezme K-tý z N podílů nalezených obrázků, vybraných podle hashe cesty každého
  obrázku vzhledem k zadanému adresáři (u souboru zadaného samostatně: jeho cesty tak, jak byla
  zadána). N procesů se stejnými cestami a s --shard 1/N až N/N zpracuje každý obrázek právě
  jednou, na jednom počítači nebo na mnoha, například s GNU parallel:
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</translation>
    </message>
    <message>
        <source>Optimize on this computer (local, no key needed) or through the Tovalin service (service, with your API key); %1 by default.</source>
        <translation>Optimalizuje na tomto počítači (local, bez klíče) nebo pomocí služby Tovalin (service, s vaším klíčem API); výchozí je %1.</translation>
    </message>
    <message>
        <source>engine</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>jádro</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (https only) instead of the one this program was built for; implies --engine service. The key must then come from --api-key-file or TOVALIN_API_KEY.</source>
        <translation>Použije službu na adrese &lt;url&gt; (jen https) místo té, pro kterou byl tento program sestaven; znamená --engine service. Klíč pak musí pocházet z --api-key-file nebo TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>Optimizes images on this computer or through the Tovalin service and saves the results
beside them: photo.jpg gives photo-optimized.jpg, and photo.webp or photo.avif when
asked for. Folders are searched for images. The source images are never changed.</source>
        <translation>Optimalizuje obrázky na tomto počítači nebo pomocí služby Tovalin a výsledky ukládá vedle nich: z
photo.jpg vznikne photo-optimized.jpg a na přání také photo.webp nebo photo.avif. V adresářích se
hledají obrázky. Zdrojové obrázky se nikdy nemění.</translation>
    </message>
    <message>
        <source>--engine must be local or service, not %1.</source>
        <translation>--engine musí být local nebo service, ne %1.</translation>
    </message>
    <message>
        <source>--service-url is for --engine service.</source>
        <translation>--service-url platí jen pro --engine service.</translation>
    </message>
    <message>
        <source>Engines:
  local    the engine on this computer: started by this command for its run and ended with it,
           offline, no account or key; the images never leave this computer.
  service  the Tovalin service, with the API key of your account.
  Without --engine: %1, or service with --service-url.
</source>
        <translation>Jádra:
  local    jádro na tomto počítači: spouští ho tento příkaz pro své zpracování a končí spolu s
           ním, offline, bez účtu a klíče; obrázky nikdy neopustí tento počítač.
  service  služba Tovalin, s klíčem API vašeho účtu.
  Bez --engine: %1, s --service-url: service.
</translation>
    </message>
    <message>
        <source>API key:
  Only the Tovalin service needs one. Taken from --api-key-file FILE, else from the environment
  variable TOVALIN_API_KEY, else the key stored by the Tovalin Image Optimizer window. It is never
  taken from the command line and never printed. A key file should be readable by you only
  (chmod 600 FILE).
</source>
        <translation>Klíč API:
  Potřebuje ho jen služba Tovalin. Bere se z --api-key-file SOUBOR, jinak z proměnné prostředí
  TOVALIN_API_KEY, jinak je to klíč uložený oknem Tovalin Image Optimizer. Nikdy se nebere z
  příkazového řádku a nikdy se nevypisuje. Soubor s klíčem by měl být čitelný jen pro vás
  (chmod 600 SOUBOR).
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
        <translation>Návratový kód:
  0    každý obrázek byl optimalizován nebo byl aktuální
  1    nejméně jeden obrázek selhal
  2    chyba použití: chybná volba nebo chybí klíč API pro službu
  130  přerušeno (Ctrl-C); 129 a 143 po SIGHUP a SIGTERM

  Přerušení zastaví zpracování stejně jako tlačítko Zastavit v okně: probíhající přenosy se zruší,
  nic nezůstane zapsané napůl a obrázky, na které nedošlo, se hlásí jako zastavené. Druhé
  přerušení ukončí program okamžitě.
</translation>
    </message>
    <message>
        <source>Examples:
  %1 --level glossy --avif ~/Pictures/holiday
  TOVALIN_API_KEY=... %1 --engine service ~/Pictures/holiday
</source>
        <translation>Příklady:
  %1 --level glossy --avif ~/Obrázky/dovolená
  TOVALIN_API_KEY=... %1 --engine service ~/Obrázky/dovolená
</translation>
    </message>
    <message>
        <source>Save the results in &lt;folder&gt; instead of beside the images (see &quot;Output&quot; below).</source>
        <translation>Uloží výsledky do &lt;folder&gt; místo vedle obrázků (viz „Výstup“ níže).</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>složka</translation>
    </message>
    <message>
        <source>Give every result the modification time of its image (the default).</source>
        <translation>Dá každému výsledku čas změny jeho obrázku (výchozí).</translation>
    </message>
    <message>
        <source>Leave every result dated by when it was saved.</source>
        <translation>Ponechá každému výsledku čas, kdy byl uložen.</translation>
    </message>
    <message>
        <source>--output-dir needs the name of a folder.</source>
        <translation>--output-dir potřebuje název složky.</translation>
    </message>
    <message>
        <source>--output-dir must be a folder, not %1.</source>
        <translation>--output-dir musí být složka, ne %1.</translation>
    </message>
    <message>
        <source>Output:
  Results go beside their images, or with --output-dir DIR into DIR: the tree under each folder
  given is mirrored there, and an image given by itself goes to its top. Each result has the
  modification time of its image (--no-keep-dates: the time it was saved).
  Progress goes to standard error: one redrawn line on a terminal, otherwise one line per image.
  The table of results, or with --json one JSON object per image, goes to standard output.
</source>
        <translation>Výstup:
  Výsledky se ukládají vedle svých obrázků, nebo s --output-dir DIR do DIR: tam se zopakuje strom
  pod každou zadanou složkou a obrázek zadaný samostatně jde na její vrchol. Každý výsledek má čas
  změny svého obrázku (--no-keep-dates: čas, kdy byl uložen).
  Průběh jde na standardní chybový výstup: jeden překreslovaný řádek v terminálu, jinak jeden
  řádek na obrázek. Tabulka výsledků, nebo s --json jeden objekt JSON na obrázek, jde na
  standardní výstup.
</translation>
    </message>
    <message>
        <source>Stay, and optimize each image that appears or changes in the folders given once it has been written (see &quot;Watching&quot; below).</source>
        <translation>Běží dál a optimalizuje každý obrázek, který se v zadaných adresářích objeví nebo změní, jakmile je zapsán (viz „Sledování“ níže).</translation>
    </message>
    <message>
        <source>--watch cannot be combined with --%1.</source>
        <translation>--watch nelze kombinovat s --%1.</translation>
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
        <translation>Sledování:
  --watch ADRESÁŘ... nejprve optimalizuje, co je v adresářích potřeba, a pak běží dál: obrázek,
  který se v nich objeví nebo změní, i v adresáři vytvořeném později, se optimalizuje, jakmile do
  něj půl sekundy nic nebylo zapsáno. Co je aktuální, se přeskočí jako při opakovaném spuštění,
  a výsledky tohoto programu se nikdy nepovažují za obrázky. Výsledek každého obrázku se vypíše,
  jakmile skončí (s --json jeden objekt JSON na obrázek na standardní výstup). Ctrl-C nebo
  SIGTERM zastaví probíhající zpracování jako přerušení a ukončí sledování s kódem 0.
</translation>
    </message>
</context>
<context>
    <name>CompareCanvas</name>
    <message>
        <source>Original and result</source>
        <translation>Originál a výsledek</translation>
    </message>
    <message>
        <source>Split view, the original left of the divider.</source>
        <translation>Rozdělené zobrazení, originál vlevo od dělicí čáry.</translation>
    </message>
    <message>
        <source>Side by side, the original on the left.</source>
        <translation>Vedle sebe, originál vlevo.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Přiblížení %1 %.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture, Shift with Left and Right moves the divider; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Šipky posouvají obraz, Shift se šipkou vlevo nebo vpravo posouvá dělicí čáru; plus a minus mění přiblížení, 0 přizpůsobí oknu, 1 a 2 ukážou 100 % a 200 %.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Šipky posouvají obraz; plus a minus mění přiblížení, 0 přizpůsobí oknu, 1 a 2 ukážou 100 % a 200 %.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with</source>
        <translation>Porovnat s</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Rozdělení</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Vedle sebe</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Zobrazení</translation>
    </message>
    <message>
        <source>the result over the original with a divider, or beside it</source>
        <translation>výsledek přes originál s dělicí čárou, nebo vedle něj</translation>
    </message>
    <message>
        <source>Zoom out (−)</source>
        <translation>Oddálit (−)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Oddálit</translation>
    </message>
    <message>
        <source>Zoom in (+)</source>
        <translation>Přiblížit (+)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Přiblížit</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Přizpůsobit</translation>
    </message>
    <message>
        <source>The whole picture in the window (0)</source>
        <translation>Celý obraz v okně (0)</translation>
    </message>
    <message>
        <source>One pixel of the picture to a pixel of the screen (1)</source>
        <translation>Jeden pixel obrazu na jeden pixel obrazovky (1)</translation>
    </message>
    <message>
        <source>Each pixel of the picture as two of the screen (2)</source>
        <translation>Každý pixel obrazu jako dva pixely obrazovky (2)</translation>
    </message>
    <message>
        <source>The structural similarity (SSIM) of the result to the original, over red, green and blue: 1 for the same picture, lower as they drift apart.</source>
        <translation>Strukturní podobnost (SSIM) výsledku s originálem v červené, zelené a modré: 1 pro stejný obraz, tím méně, čím víc se liší.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Compare “%1”</source>
        <translation>Porovnat „%1“</translation>
    </message>
    <message>
        <source>which saved file is shown against the original</source>
        <translation>který uložený soubor se zobrazí proti originálu</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originál</translation>
    </message>
    <message>
        <source>The original and the %1 image</source>
        <translation>Originál a obrázek „%1“</translation>
    </message>
    <message>
        <source>The original could not be read.</source>
        <translation>Originál nelze přečíst.</translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation>Tento soubor nelze přečíst.</translation>
    </message>
    <message>
        <source>Measuring similarity…</source>
        <translation>Měří se podobnost…</translation>
    </message>
    <message>
        <source>Similarity %1 (SSIM)</source>
        <translation>Podobnost %1 (SSIM)</translation>
    </message>
    <message>
        <source>Similarity could not be measured.</source>
        <translation>Podobnost nelze změřit.</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>Přiblížení %1</translation>
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
        <translation>[klíč API]</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Selected Images</source>
        <translation>Vybrané obrázky</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Enter compares a done image with its result, the Menu key lists what can be done with the current image, and Space removes it. Images and folders can be dropped here.</source>
        <translation>Fronta: jeden řádek na obrázek s jeho stavem, zprávou a uloženými soubory. Enter porovná hotový obrázek s výsledkem, klávesa Menu nabídne, co lze s aktuálním obrázkem udělat, a mezerník ho odebere. Obrázky a adresáře sem lze přetáhnout.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>On this computer</source>
        <translation>Na tomto počítači</translation>
    </message>
    <message>
        <source>Tovalin service</source>
        <translation>Služba Tovalin</translation>
    </message>
</context>
<context>
    <name>EngineProcess</name>
    <message>
        <source>no answer within %1 seconds.</source>
        <translation>žádná odpověď do %1 s.</translation>
    </message>
    <message>
        <source>it ended unexpectedly.</source>
        <translation>neočekávaně skončil.</translation>
    </message>
    <message>
        <source>it ended with status %1.</source>
        <translation>skončil se stavem %1.</translation>
    </message>
    <message>
        <source>it did not say where it listens.</source>
        <translation>nesdělil, kde naslouchá.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read “%1”: %2.</source>
        <translation>„%1“ nelze přečíst: %2.</translation>
    </message>
    <message>
        <source>“%1” changed while it was being sent; nothing was saved for it.</source>
        <translation>„%1“ se během odesílání změnil; nic se pro něj neuložilo.</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being sent; nothing was saved for it.</source>
        <translation>„%1“ byl během odesílání odstraněn; nic se pro něj neuložilo.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Není obyčejný soubor.</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>není místní soubor</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being optimized; nothing was saved for it.</source>
        <translation>„%1“ byl během optimalizace odstraněn; nic se pro něj neuložilo.</translation>
    </message>
    <message>
        <source>Cannot write to “%1”.</source>
        <translation>Do „%1“ nelze zapisovat.</translation>
    </message>
    <message>
        <source>No name is free for the results in “%1”.</source>
        <translation>Pro výsledky v „%1“ není volný žádný název.</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Folder for the Results</source>
        <translation>Složka pro výsledky</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>The image could not be read.</source>
        <translation>Obrázek nelze přečíst.</translation>
    </message>
</context>
<context>
    <name>ImageJob</name>
    <message>
        <source>Ready to optimize.</source>
        <translation>Připraveno k optimalizaci.</translation>
    </message>
</context>
<context>
    <name>ItemPickerDialog</name>
    <message>
        <source>Images (%1)</source>
        <translation>Obrázky (%1)</translation>
    </message>
    <message>
        <source>Raw camera images (%1)</source>
        <translation>Snímky RAW z fotoaparátu (%1)</translation>
    </message>
    <message>
        <source>Choose images or folders to optimize</source>
        <translation>Vyberte obrázky nebo adresáře k optimalizaci</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <source>Drop images or folders here</source>
        <translation>Sem přetáhněte obrázky nebo adresáře</translation>
    </message>
    <message>
        <source>Drop to add to the queue</source>
        <translation>Pusťte pro přidání do fronty</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porovnat</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originál</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Otevřít „%1“</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <translation>Zobrazit „%1“ v adresáři</translation>
    </message>
    <message>
        <source>Remove from Queue</source>
        <translation>Odebrat z fronty</translation>
    </message>
    <message numerus="yes">
        <source>Optimize %n Again</source>
        <translation>
            <numerusform>Znovu optimalizovat %n obrázek</numerusform>
            <numerusform>Znovu optimalizovat %n obrázky</numerusform>
            <numerusform>Znovu optimalizovat %n obrázků</numerusform>
        </translation>
    </message>
    <message>
        <source>Optimize Again</source>
        <translation>Znovu optimalizovat</translation>
    </message>
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>Odebrat z fronty</translation>
    </message>
    <message>
        <source>Double-click or press Enter to compare with the original</source>
        <translation>Poklepáním nebo klávesou Enter porovnáte s originálem</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>Queued</source>
        <translation>Ve frontě</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Zpracovává se</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Selhalo</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zastaveno</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zobrazí tuto nápovědu a skončí.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zobrazí verzi a skončí.</translation>
    </message>
    <message>
        <source>Opens the Tovalin Image Optimizer window with the given images queued; folders are
searched for images. When the window is already open, they join its queue and the
window is brought to the front.</source>
        <translation>Otevře okno Tovalin Image Optimizer se zadanými obrázky ve frontě; v adresářích se hledají
obrázky. Je-li okno už otevřené, přidají se do jeho fronty a okno se přenese do popředí.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>CESTA</translation>
    </message>
    <message>
        <source>Image files and folders, as paths or file: URIs.</source>
        <translation>Soubory obrázků a adresáře jako cesty nebo URI file:.</translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>[CESTA...]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [PATH...]</source>
        <translation>Použití: %1 [volby] [CESTA...]</translation>
    </message>
    <message>
        <source>tovalin-image-optimizer: %1 is not on this computer; only local files and folders can be queued.</source>
        <translation>tovalin-image-optimizer: %1 není na tomto počítači; do fronty lze přidat jen místní soubory a adresáře.</translation>
    </message>
</context>
<context>
    <name>LinkButton</name>
    <message>
        <source>Opens %1 in the web browser.</source>
        <translation>Otevře %1 ve webovém prohlížeči.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>The optimizer on this computer could not be started: %1</source>
        <translation>Optimalizátor na tomto počítači nelze spustit: %1</translation>
    </message>
    <message>
        <source>the program is closing.</source>
        <translation>program se ukončuje.</translation>
    </message>
    <message>
        <source>The optimizer on this computer is missing: %1 is not installed beside this program.</source>
        <translation>Optimalizátor na tomto počítači chybí: %1 není nainstalován vedle tohoto programu.</translation>
    </message>
    <message>
        <source>The optimizer on this computer stopped unexpectedly; the next image starts it again.</source>
        <translation>Optimalizátor na tomto počítači se neočekávaně zastavil; další obrázek ho spustí znovu.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Zavřít okno</translation>
    </message>
</context>
<context>
    <name>OptimizeCommand</name>
    <message>
        <source>the file system of %1 keeps no marks on files, so images there are sent even when their results are up to date.</source>
        <translation>souborový systém %1 neuchovává značky souborů, proto se obrázky v něm posílají, i když jsou jejich výsledky aktuální.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Více informací získáte pomocí „%1 --help“.</translation>
    </message>
    <message>
        <source>no PEM certificate could be read from %1.</source>
        <translation>z %1 nelze načíst žádný certifikát PEM.</translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>zastavuje se; dalším přerušením program okamžitě ukončíte.</translation>
    </message>
    <message>
        <source>no images found in the given folders.</source>
        <translation>v zadaných adresářích nebyly nalezeny žádné obrázky.</translation>
    </message>
    <message>
        <source>warning: the key file is only for the Tovalin service; these images are optimized on this computer (--engine service sends them to the service).</source>
        <translation>varování: soubor s klíčem je jen pro službu Tovalin; tyto obrázky se optimalizují na tomto počítači (--engine service je pošle službě).</translation>
    </message>
    <message>
        <source>--watch takes folders; %1 is not one.</source>
        <translation>--watch bere adresáře; %1 není adresář.</translation>
    </message>
</context>
<context>
    <name>OutputKind</name>
    <message>
        <source>Optimized</source>
        <translation>Optimalizovaný</translation>
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
        <translation>skoro hotovo</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>zbývá asi %1</translation>
    </message>
</context>
<context>
    <name>QueueHeader</name>
    <message>
        <source>Clear finished</source>
        <translation>Odebrat hotové</translation>
    </message>
    <message>
        <source>Clear queue</source>
        <translation>Vyprázdnit frontu</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>Vybrané obrázky</translation>
    </message>
    <message>
        <source>Removes the images that are done from the queue.</source>
        <translation>Odebere z fronty hotové obrázky.</translation>
    </message>
    <message>
        <source>Removes every image from the queue but the one being optimized.</source>
        <translation>Odebere z fronty všechny obrázky kromě právě optimalizovaného.</translation>
    </message>
    <message>
        <source>Add files to begin.</source>
        <translation>Začněte přidáním souborů.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left to optimize</source>
        <translation>
            <numerusform>Zbývá optimalizovat %n obrázek</numerusform>
            <numerusform>Zbývá optimalizovat %n obrázky</numerusform>
            <numerusform>Zbývá optimalizovat %n obrázků</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter your API key to begin.</source>
        <translation>Začněte zadáním klíče API.</translation>
    </message>
    <message>
        <source>Press Optimize to begin.</source>
        <translation>Začněte stisknutím „Optimalizovat“.</translation>
    </message>
</context>
<context>
    <name>QueueRunner</name>
    <message numerus="yes">
        <source>Optimizing %n image(s)…</source>
        <translation>
            <numerusform>Optimalizuje se %n obrázek…</numerusform>
            <numerusform>Optimalizují se %n obrázky…</numerusform>
            <numerusform>Optimalizuje se %n obrázků…</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped by user.</source>
        <translation>Zastaveno uživatelem.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hotovo.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Zastaveno.</translation>
    </message>
    <message>
        <source>Sending to Tovalin…</source>
        <translation>Odesílá se do Tovalin…</translation>
    </message>
    <message>
        <source>The image could not be optimized.</source>
        <translation>Obrázek nelze optimalizovat.</translation>
    </message>
    <message>
        <source>Optimized and saved locally.</source>
        <translation>Optimalizováno a uloženo místně.</translation>
    </message>
    <message>
        <source>“%1” is not this program&apos;s and was kept; this one is “%2”.</source>
        <translation>„%1“ nepochází z tohoto programu a byl zachován; tento výsledek je „%2“.</translation>
    </message>
    <message>
        <source>Image is being optimized…</source>
        <translation>Obrázek se optimalizuje…</translation>
    </message>
    <message>
        <source>Every image is already optimized.</source>
        <translation>Všechny obrázky jsou již optimalizované.</translation>
    </message>
</context>
<context>
    <name>ResizeMode</name>
    <message>
        <source>No resize</source>
        <translation>Beze změny</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Vyplnit</translation>
    </message>
    <message>
        <source>Contain</source>
        <translation>Přizpůsobit</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Done.</source>
        <translation>Hotovo.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) optimized</source>
        <translation>
            <numerusform>%n obrázek optimalizován</numerusform>
            <numerusform>%n obrázky optimalizovány</numerusform>
            <numerusform>%n obrázků optimalizováno</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n selhal</numerusform>
            <numerusform>%n selhaly</numerusform>
            <numerusform>%n selhalo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n zastaven</numerusform>
            <numerusform>%n zastaveny</numerusform>
            <numerusform>%n zastaveno</numerusform>
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
        <translation>Průběh zpracování</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Selhalo</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zastaveno</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Přeskočeno</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>K odeslání</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>SOUBOR</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>STAV</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>PŘED</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>PO</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>ZMĚNA</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>ZPRÁVA</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Zastaveno.</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 obrázek</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>%n obrázek</numerusform>
            <numerusform>%n obrázky</numerusform>
            <numerusform>%n obrázků</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n hotový</numerusform>
            <numerusform>%n hotové</numerusform>
            <numerusform>%n hotových</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n selhal</numerusform>
            <numerusform>%n selhaly</numerusform>
            <numerusform>%n selhalo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n zastaven</numerusform>
            <numerusform>%n zastaveny</numerusform>
            <numerusform>%n zastaveno</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n přeskočen</numerusform>
            <numerusform>%n přeskočeny</numerusform>
            <numerusform>%n přeskočeno</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n k odeslání</numerusform>
            <numerusform>%n k odeslání</numerusform>
            <numerusform>%n k odeslání</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Celkem</translation>
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
        <translation>„%1“ vyžaduje šířku, výšku nebo obojí.</translation>
    </message>
    <message>
        <source>The width must be a whole number of pixels, 1 or more.</source>
        <translation>Šířka musí být celý počet pixelů, nejméně 1.</translation>
    </message>
    <message>
        <source>The height must be a whole number of pixels, 1 or more.</source>
        <translation>Výška musí být celý počet pixelů, nejméně 1.</translation>
    </message>
    <message>
        <source>The width and the height must be whole numbers of pixels, 1 or more.</source>
        <translation>Šířka a výška musí být celé počty pixelů, nejméně 1.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Help: %1</source>
        <translation>Nápověda: %1</translation>
    </message>
    <message>
        <source>Opens the article in the web browser.</source>
        <translation>Otevře článek ve webovém prohlížeči.</translation>
    </message>
    <message>
        <source>API Key</source>
        <translation>Klíč API</translation>
    </message>
    <message>
        <source>(Get an API Key)</source>
        <translation>(Získat klíč API)</translation>
    </message>
    <message>
        <source>Your 20-character API key</source>
        <translation>Váš 20místný klíč API</translation>
    </message>
    <message>
        <source>The API key of your Tovalin account. It is kept for the next start.</source>
        <translation>Klíč API vašeho účtu Tovalin. Zůstane uložen pro příští spuštění.</translation>
    </message>
    <message>
        <source>Hide key</source>
        <translation>Skrýt klíč</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>Zobrazit klíč</translation>
    </message>
    <message>
        <source>Masks the API key again.</source>
        <translation>Znovu skryje klíč API.</translation>
    </message>
    <message>
        <source>Shows the API key in plain text.</source>
        <translation>Zobrazí klíč API jako prostý text.</translation>
    </message>
    <message>
        <source>Densora Level</source>
        <translation>Úroveň Densora</translation>
    </message>
    <message>
        <source>Learn about Lossy, Glossy, and Lossless</source>
        <translation>Více o Lossy, Glossy a Lossless</translation>
    </message>
    <message>
        <source>Compression levels</source>
        <translation>Úrovně komprese</translation>
    </message>
    <message>
        <source>how strongly images are compressed</source>
        <translation>jak silně se obrázky komprimují</translation>
    </message>
    <message>
        <source>Next Generation Images</source>
        <translation>Obrázky nové generace</translation>
    </message>
    <message>
        <source>Create WebP (+ keep original)</source>
        <translation>Vytvořit WebP (+ ponechat originál)</translation>
    </message>
    <message>
        <source>Also saves a WebP version beside each image.</source>
        <translation>Uloží vedle každého obrázku také verzi WebP.</translation>
    </message>
    <message>
        <source>Create AVIF (+ keep original)</source>
        <translation>Vytvořit AVIF (+ ponechat originál)</translation>
    </message>
    <message>
        <source>Also saves an AVIF version beside each image.</source>
        <translation>Uloží vedle každého obrázku také verzi AVIF.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Změna velikosti</translation>
    </message>
    <message>
        <source>Learn how Tovalin resizes images automatically</source>
        <translation>Zjistěte, jak Tovalin automaticky mění velikost obrázků</translation>
    </message>
    <message>
        <source>how images are fitted to the width and height</source>
        <translation>jak se obrázky přizpůsobí šířce a výšce</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Šířka</translation>
    </message>
    <message>
        <source>Target width in pixels.</source>
        <translation>Cílová šířka v pixelech.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Výška</translation>
    </message>
    <message>
        <source>Target height in pixels.</source>
        <translation>Cílová výška v pixelech.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Volby</translation>
    </message>
    <message>
        <source>Convert CMYK to RGB</source>
        <translation>Převést CMYK na RGB</translation>
    </message>
    <message>
        <source>Print colors are turned into screen colors.</source>
        <translation>Tiskové barvy se převedou na barvy pro obrazovku.</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Odstranit pozadí</translation>
    </message>
    <message>
        <source>The service cuts the subject out of its background.</source>
        <translation>Služba vyřízne motiv z pozadí.</translation>
    </message>
    <message>
        <source>Keep EXIF</source>
        <translation>Zachovat EXIF</translation>
    </message>
    <message>
        <source>Camera data such as date and place stay in the image.</source>
        <translation>Data z fotoaparátu, jako datum a místo, zůstanou v obrázku.</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Zvětšení</translation>
    </message>
    <message>
        <source>How many times larger the service makes each image.</source>
        <translation>Kolikrát služba každý obrázek zvětší.</translation>
    </message>
    <message>
        <source>Images at once</source>
        <translation>Obrázků najednou</translation>
    </message>
    <message>
        <source>How many images are with the service at the same time.</source>
        <translation>Kolik obrázků je ve službě současně.</translation>
    </message>
    <message>
        <source>Add images or folders…</source>
        <translation>Přidat obrázky nebo adresáře…</translation>
    </message>
    <message>
        <source>Chooses images and folders to queue. They can also be dropped on the window.</source>
        <translation>Vybere obrázky a adresáře do fronty. Lze je také přetáhnout na okno.</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimalizovat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Stops the run; the image in progress is marked stopped.</source>
        <translation>Zastaví zpracování; zpracovávaný obrázek se označí jako zastavený.</translation>
    </message>
    <message>
        <source>Contact us with any issues, bug reports, or questions.</source>
        <translation>Kontaktujte nás s jakýmikoli problémy, hlášeními chyb nebo dotazy.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>O aplikaci Tovalin Image Optimizer</translation>
    </message>
    <message>
        <source>Optimizes every image in the queue with the options above.</source>
        <translation>Optimalizuje každý obrázek ve frontě s volbami výše.</translation>
    </message>
    <message>
        <source>Enter an API key and add images first.</source>
        <translation>Nejprve zadejte klíč API a přidejte obrázky.</translation>
    </message>
    <message>
        <source>Enter an API key first.</source>
        <translation>Nejprve zadejte klíč API.</translation>
    </message>
    <message>
        <source>Add images first.</source>
        <translation>Nejprve přidejte obrázky.</translation>
    </message>
    <message>
        <source>Images are being optimized.</source>
        <translation>Obrázky se optimalizují.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Služba</translation>
    </message>
    <message>
        <source>where the images are optimized</source>
        <translation>kde se obrázky optimalizují</translation>
    </message>
    <message>
        <source>Watch added folders</source>
        <translation>Sledovat přidané adresáře</translation>
    </message>
    <message>
        <source>New images in the folders you added are queued as they appear.</source>
        <translation>Nové obrázky v přidaných adresářích se zařadí do fronty, jakmile se objeví.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Výsledky</translation>
    </message>
    <message>
        <source>Where results go</source>
        <translation>Kam jdou výsledky</translation>
    </message>
    <message>
        <source>Beside the originals</source>
        <translation>Vedle originálů</translation>
    </message>
    <message>
        <source>In a folder…</source>
        <translation>Do složky…</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Zachovat data souborů</translation>
    </message>
    <message>
        <source>Every result gets the modification time of its original.</source>
        <translation>Každý výsledek dostane čas změny svého originálu.</translation>
    </message>
    <message>
        <source>Results are saved in %1.</source>
        <translation>Výsledky se ukládají do %1.</translation>
    </message>
    <message>
        <source>Results are saved beside their originals.</source>
        <translation>Výsledky se ukládají vedle svých originálů.</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>Nothing saved</source>
        <translation>Nic neušetřeno</translation>
    </message>
    <message>
        <source>Saved %1 of %2</source>
        <translation>Ušetřeno %1 z %2</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>větší než „%1“</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Progress</source>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>Turns while images are being optimized.</source>
        <translation>Otáčí se, zatímco se obrázky optimalizují.</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>Skoro hotovo</translation>
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
        <translation>%1 h</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Zbývá asi %1</translation>
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
        <translation>(binární data)</translation>
    </message>
    <message>
        <source>Unexpected API response: %1</source>
        <translation>Neočekávaná odpověď API: %1</translation>
    </message>
    <message>
        <source>Failed to encode parameters.</source>
        <translation>Parametry nelze zakódovat.</translation>
    </message>
    <message>
        <source>Tovalin did not return any data.</source>
        <translation>Tovalin nevrátil žádná data.</translation>
    </message>
    <message>
        <source>No download URL returned for this configuration.</source>
        <translation>Pro toto nastavení nebyla vrácena žádná adresa ke stažení.</translation>
    </message>
    <message>
        <source>Could not save the optimized file.</source>
        <translation>Optimalizovaný soubor nelze uložit.</translation>
    </message>
    <message>
        <source>Could not download the optimized file (HTTP status %1).</source>
        <translation>Optimalizovaný soubor nelze stáhnout (stav HTTP %1).</translation>
    </message>
    <message>
        <source>Could not download the optimized file (empty response).</source>
        <translation>Optimalizovaný soubor nelze stáhnout (prázdná odpověď).</translation>
    </message>
</context>
<context>
    <name>TransportError</name>
    <message>
        <source>The connection timed out: no data moved for %1 seconds.</source>
        <translation>Vypršel časový limit spojení: po dobu %1 s se nepřenesla žádná data.</translation>
    </message>
    <message>
        <source>The reply is larger than %1, the most this program accepts.</source>
        <translation>Odpověď je větší než %1, nejvíc, co tento program přijme.</translation>
    </message>
    <message>
        <source>The server “%1” could not be found.</source>
        <translation>Server „%1“ nebyl nalezen.</translation>
    </message>
    <message>
        <source>The proxy server could not be found.</source>
        <translation>Proxy server nebyl nalezen.</translation>
    </message>
    <message>
        <source>Could not connect to the server “%1”.</source>
        <translation>K serveru „%1“ se nelze připojit.</translation>
    </message>
    <message>
        <source>The secure connection to “%1” could not be established: %2.</source>
        <translation>Zabezpečené spojení s „%1“ nelze navázat: %2.</translation>
    </message>
    <message>
        <source>The service redirected the request to an address it may not go to.</source>
        <translation>Služba přesměrovala požadavek na adresu, kam nesmí.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Příliš mnoho přesměrování.</translation>
    </message>
    <message>
        <source>The connection to the service was closed before it answered.</source>
        <translation>Spojení se službou bylo ukončeno dřív, než odpověděla.</translation>
    </message>
    <message>
        <source>The connection was closed before the whole reply arrived.</source>
        <translation>Spojení bylo ukončeno dřív, než dorazila celá odpověď.</translation>
    </message>
    <message>
        <source>Refused to connect to “%1”: only secure (https) addresses are allowed.</source>
        <translation>Připojení k „%1“ odmítnuto: povoleny jsou jen zabezpečené adresy (https).</translation>
    </message>
    <message>
        <source>The connection could not be set up.</source>
        <translation>Spojení nelze navázat.</translation>
    </message>
</context>
<context>
    <name>UpToDateJobs</name>
    <message>
        <source>Already optimized.</source>
        <translation>Již optimalizováno.</translation>
    </message>
</context>
<context>
    <name>UpscaleFactor</name>
    <message>
        <source>No upscale</source>
        <translation>Bez zvětšení</translation>
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
        <translation>varování: systém nedovolí sledovat další adresáře (fs.inotify.max_user_watches); obrázky v nesledovaných adresářích se uvidí až při dalším spuštění sledování.</translation>
    </message>
    <message>
        <source>cannot watch %1.</source>
        <translation>%1 nelze sledovat.</translation>
    </message>
    <message numerus="yes">
        <source>watching %n folder(s); stop with Ctrl-C.</source>
        <translation>
            <numerusform>sleduje se %n adresář; zastavte pomocí Ctrl-C.</numerusform>
            <numerusform>sledují se %n adresáře; zastavte pomocí Ctrl-C.</numerusform>
            <numerusform>sleduje se %n adresářů; zastavte pomocí Ctrl-C.</numerusform>
        </translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>zastavuje se; dalším přerušením program okamžitě ukončíte.</translation>
    </message>
</context>
</TS>
