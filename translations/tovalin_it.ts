<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Optimizes images with the Tovalin service.</source>
        <translation>Ottimizza le immagini con il servizio Tovalin.</translation>
    </message>
    <message>
        <source>Released under the %1 licence.</source>
        <translation>Distribuito con licenza %1.</translation>
    </message>
    <message>
        <source>Get an API key</source>
        <translation>Ottieni una chiave API</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contattaci</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Informazioni su Tovalin Image Optimizer</translation>
    </message>
</context>
<context>
    <name>ApiKeySource</name>
    <message>
        <source>cannot read the key file %1: %2.</source>
        <translation>impossibile leggere il file della chiave %1: %2.</translation>
    </message>
    <message>
        <source>warning: the key file %1 can be read by other users; make it yours only with: chmod 600 %1</source>
        <translation>attenzione: il file della chiave %1 è leggibile da altri utenti; rendilo leggibile solo a te con: chmod 600 %1</translation>
    </message>
    <message>
        <source>the key file %1 is too large to hold an API key.</source>
        <translation>il file della chiave %1 è troppo grande per contenere una chiave API.</translation>
    </message>
    <message>
        <source>the key file %1 holds no API key.</source>
        <translation>il file della chiave %1 non contiene alcuna chiave API.</translation>
    </message>
    <message>
        <source>the key stored by the window is sent only to the service this program was built for; with --service-url give the key with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>la chiave salvata dalla finestra viene inviata solo al servizio per cui è stato compilato questo programma; con --service-url fornisci la chiave con --api-key-file FILE o con la variabile d’ambiente TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>no API key: give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY, or enter it in the Tovalin Image Optimizer window.</source>
        <translation>nessuna chiave API: forniscila con --api-key-file FILE o con la variabile d’ambiente TOVALIN_API_KEY, oppure inseriscila nella finestra di Tovalin Image Optimizer.</translation>
    </message>
</context>
<context>
    <name>CancelledError</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>La richiesta è stata annullata.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Compression: lossy (the default), glossy or lossless.</source>
        <translation>Compressione: lossy (predefinita), glossy o lossless.</translation>
    </message>
    <message>
        <source>level</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>livello</translation>
    </message>
    <message>
        <source>Also save a WebP version (the default).</source>
        <translation>Salva anche una versione WebP (predefinito).</translation>
    </message>
    <message>
        <source>Save no WebP version.</source>
        <translation>Non salva alcuna versione WebP.</translation>
    </message>
    <message>
        <source>Also save an AVIF version.</source>
        <translation>Salva anche una versione AVIF.</translation>
    </message>
    <message>
        <source>Save no AVIF version (the default).</source>
        <translation>Non salva alcuna versione AVIF (predefinito).</translation>
    </message>
    <message>
        <source>Fit each image to --width and --height: cover or contain.</source>
        <translation>Adatta ogni immagine a --width e --height: cover o contain.</translation>
    </message>
    <message>
        <source>mode</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>modalità</translation>
    </message>
    <message>
        <source>Width to resize to, in pixels.</source>
        <translation>Larghezza di destinazione, in pixel.</translation>
    </message>
    <message>
        <source>Height to resize to, in pixels.</source>
        <translation>Altezza di destinazione, in pixel.</translation>
    </message>
    <message>
        <source>Upscale by 2, 3 or 4.</source>
        <translation>Ingrandisce di un fattore 2, 3 o 4.</translation>
    </message>
    <message>
        <source>factor</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>fattore</translation>
    </message>
    <message>
        <source>Remove the background.</source>
        <translation>Rimuove lo sfondo.</translation>
    </message>
    <message>
        <source>Keep the EXIF data.</source>
        <translation>Mantiene i dati EXIF.</translation>
    </message>
    <message>
        <source>Leave CMYK images in CMYK (they are converted to RGB by default).</source>
        <translation>Lascia le immagini CMYK in CMYK (in modo predefinito vengono convertite in RGB).</translation>
    </message>
    <message>
        <source>Read the API key from &lt;file&gt; (see &quot;API key&quot; below).</source>
        <translation>Legge la chiave API da &lt;file&gt; (vedi «Chiave API» più sotto).</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>file</translation>
    </message>
    <message>
        <source>url</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>url</translation>
    </message>
    <message>
        <source>Also trust the PEM certificates in &lt;file&gt; for --service-url.</source>
        <translation>Considera attendibili anche i certificati PEM in &lt;file&gt; per --service-url.</translation>
    </message>
    <message>
        <source>Keep up to &lt;N&gt; images with the service at once, 1 to %1 (4 by default).</source>
        <translation>Tiene fino a &lt;N&gt; immagini alla volta presso il servizio, da 1 a %1 (4 in modo predefinito).</translation>
    </message>
    <message>
        <source>Take only share &lt;K/N&gt; of the images, for N processes that together handle every image once (see &quot;Sharing the work&quot; below).</source>
        <translation>Prende solo la parte &lt;K/N&gt; delle immagini, per N processi che insieme elaborano ogni immagine una volta (vedi «Suddividere il lavoro» più sotto).</translation>
    </message>
    <message>
        <source>Send every image, also those whose results are up to date.</source>
        <translation>Invia ogni immagine, anche quelle con risultati aggiornati.</translation>
    </message>
    <message>
        <source>List what would be sent and what would be skipped; send nothing.</source>
        <translation>Elenca ciò che verrebbe inviato e ciò che verrebbe saltato, senza inviare nulla.</translation>
    </message>
    <message>
        <source>Print one JSON object per image instead of the table.</source>
        <translation>Stampa un oggetto JSON per immagine invece della tabella.</translation>
    </message>
    <message>
        <source>Print no progress.</source>
        <translation>Non stampa l’avanzamento.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PERCORSO</translation>
    </message>
    <message>
        <source>Image files, and folders to search.</source>
        <translation>File di immagine e cartelle da esaminare.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>PERCORSO...</translation>
    </message>
    <message>
        <source>the API key is never taken from the command line, where other users could see it in the process list; give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>la chiave API non viene mai presa dalla riga di comando, dove altri utenti potrebbero vederla nell’elenco dei processi; forniscila con --api-key-file FILE o con la variabile d’ambiente TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>--level must be lossy, glossy or lossless, not %1.</source>
        <translation>--level deve essere lossy, glossy o lossless, non %1.</translation>
    </message>
    <message>
        <source>--resize must be cover or contain, not %1.</source>
        <translation>--resize deve essere cover o contain, non %1.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number of pixels, 1 or more, not %2.</source>
        <translation>--%1 deve essere un numero intero di pixel, 1 o più, non %2.</translation>
    </message>
    <message>
        <source>--width and --height need --resize cover or --resize contain.</source>
        <translation>--width e --height richiedono --resize cover o --resize contain.</translation>
    </message>
    <message>
        <source>--resize needs --width, --height or both.</source>
        <translation>--resize richiede --width, --height o entrambi.</translation>
    </message>
    <message>
        <source>--upscale must be 2, 3 or 4, not %1.</source>
        <translation>--upscale deve essere 2, 3 o 4, non %1.</translation>
    </message>
    <message>
        <source>--api-key-file needs the name of a file.</source>
        <translation>--api-key-file richiede il nome di un file.</translation>
    </message>
    <message>
        <source>--service-url must be an https address such as https://host:port, not %1.</source>
        <translation>--service-url deve essere un indirizzo https come https://host:port, non %1.</translation>
    </message>
    <message>
        <source>--ca-file is only for the service given with --service-url.</source>
        <translation>--ca-file vale solo per il servizio indicato con --service-url.</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to %1, not %2.</source>
        <translation>--jobs deve essere un numero intero da 1 a %1, non %2.</translation>
    </message>
    <message>
        <source>--shard must be K/N with K from 1 to N, such as 2/4, not %1.</source>
        <translation>--shard deve essere K/N con K da 1 a N, per esempio 2/4, non %1.</translation>
    </message>
    <message>
        <source>no images or folders given.</source>
        <translation>nessuna immagine o cartella indicata.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] PATH...</source>
        <translation>Uso: %1 [opzioni] PERCORSO...</translation>
    </message>
    <message>
        <source>Reruns:
  Every result carries a mark naming its source and the settings it was made with. Results
  found in a folder are never taken for images to optimize, and an image whose results are
  all there, made from the image as it is now with the same settings, is skipped (&quot;Already
  optimized.&quot;). --force sends it anyway. Where the file system keeps no marks, nothing is
  skipped. --dry-run lists what would be sent and what skipped.
</source>
        <translation>Nuove esecuzioni:
  Ogni risultato porta un contrassegno che indica la sua origine e le impostazioni con cui è stato
  creato. I risultati trovati in una cartella non vengono mai presi per immagini da ottimizzare, e
  un’immagine i cui risultati sono tutti presenti, creati dall’immagine così com’è ora e con le
  stesse impostazioni, viene saltata («Già ottimizzata.»). --force la invia comunque. Dove il file
  system non conserva contrassegni, non viene saltato nulla. --dry-run elenca ciò che verrebbe
  inviato e ciò che verrebbe saltato.
</translation>
    </message>
    <message>
        <source>Several at once:
  Up to --jobs images are with the service at once. Two images whose results would share a
  file name are never sent together.
</source>
        <translation>Più immagini alla volta:
  Fino a --jobs immagini sono presso il servizio contemporaneamente. Due immagini i cui risultati
  avrebbero lo stesso nome di file non vengono mai inviate insieme.
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
        <translation>Suddividere il lavoro:
  --shard K/N prende la K-esima di N parti delle immagini trovate, scelte in base a un hash del
  percorso di ogni immagine relativo alla cartella indicata (per un file indicato da solo: il suo
  percorso così come è stato indicato). N processi con gli stessi percorsi e da --shard 1/N a N/N
  elaborano ogni immagine esattamente una volta, su una macchina o su molte, per esempio con
  GNU parallel:
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</translation>
    </message>
    <message>
        <source>Optimize on this computer (local, no key needed) or through the Tovalin service (service, with your API key); %1 by default.</source>
        <translation>Ottimizza su questo computer (local, senza chiave) o con il servizio Tovalin (service, con la tua chiave API); predefinito: %1.</translation>
    </message>
    <message>
        <source>engine</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>motore</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (https only) instead of the one this program was built for; implies --engine service. The key must then come from --api-key-file or TOVALIN_API_KEY.</source>
        <translation>Usa il servizio all’indirizzo &lt;url&gt; (solo https) invece di quello per cui è stato compilato questo programma; implica --engine service. La chiave deve allora venire da --api-key-file o da TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>Optimizes images on this computer or through the Tovalin service and saves the results
beside them: photo.jpg gives photo-optimized.jpg, and photo.webp or photo.avif when
asked for. Folders are searched for images. The source images are never changed.</source>
        <translation>Ottimizza le immagini su questo computer o con il servizio Tovalin e salva i risultati accanto a
esse: da photo.jpg si ottiene photo-optimized.jpg e, se richiesti, photo.webp o photo.avif. Nelle
cartelle si cercano immagini. Le immagini originali non vengono mai modificate.</translation>
    </message>
    <message>
        <source>--engine must be local or service, not %1.</source>
        <translation>--engine deve essere local o service, non %1.</translation>
    </message>
    <message>
        <source>--service-url is for --engine service.</source>
        <translation>--service-url vale solo per --engine service.</translation>
    </message>
    <message>
        <source>Engines:
  local    the engine on this computer: started by this command for its run and ended with it,
           offline, no account or key; the images never leave this computer.
  service  the Tovalin service, with the API key of your account.
  Without --engine: %1, or service with --service-url.
</source>
        <translation>Motori:
  local    il motore di questo computer: avviato da questo comando per la sua elaborazione e
           chiuso con esso, offline, senza account né chiave; le immagini non lasciano mai questo
           computer.
  service  il servizio Tovalin, con la chiave API del tuo account.
  Senza --engine: %1, oppure service con --service-url.
</translation>
    </message>
    <message>
        <source>API key:
  Only the Tovalin service needs one. Taken from --api-key-file FILE, else from the environment
  variable TOVALIN_API_KEY, else the key stored by the Tovalin Image Optimizer window. It is never
  taken from the command line and never printed. A key file should be readable by you only
  (chmod 600 FILE).
</source>
        <translation>Chiave API:
  Serve solo al servizio Tovalin. Presa da --api-key-file FILE, altrimenti dalla variabile
  d’ambiente TOVALIN_API_KEY, altrimenti dalla chiave salvata dalla finestra di Tovalin Image
  Optimizer. Non viene mai presa dalla riga di comando né mai stampata. Un file della chiave
  dovrebbe essere leggibile solo da te (chmod 600 FILE).
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
        <translation>Stato di uscita:
  0    ogni immagine è stata ottimizzata o era aggiornata
  1    almeno un’immagine non è riuscita
  2    errore di utilizzo: un’opzione errata o nessuna chiave API per il servizio
  130  interrotto (Ctrl-C); 129 e 143 dopo SIGHUP e SIGTERM

  Un’interruzione ferma l’elaborazione come fa il pulsante Ferma della finestra: i trasferimenti
  in corso vengono annullati, nulla resta scritto a metà e le immagini non raggiunte vengono
  segnalate come fermate. Una seconda interruzione esce subito.
</translation>
    </message>
    <message>
        <source>Examples:
  %1 --level glossy --avif ~/Pictures/holiday
  TOVALIN_API_KEY=... %1 --engine service ~/Pictures/holiday
</source>
        <translation>Esempi:
  %1 --level glossy --avif ~/Immagini/vacanze
  TOVALIN_API_KEY=... %1 --engine service ~/Immagini/vacanze
</translation>
    </message>
    <message>
        <source>Save the results in &lt;folder&gt; instead of beside the images (see &quot;Output&quot; below).</source>
        <translation>Salva i risultati in &lt;folder&gt; anziché accanto alle immagini (vedi «Output» più avanti).</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>cartella</translation>
    </message>
    <message>
        <source>Give every result the modification time of its image (the default).</source>
        <translation>Dà a ogni risultato la data di modifica della sua immagine (predefinito).</translation>
    </message>
    <message>
        <source>Leave every result dated by when it was saved.</source>
        <translation>Lascia a ogni risultato la data in cui è stato salvato.</translation>
    </message>
    <message>
        <source>--output-dir needs the name of a folder.</source>
        <translation>--output-dir richiede il nome di una cartella.</translation>
    </message>
    <message>
        <source>--output-dir must be a folder, not %1.</source>
        <translation>--output-dir deve essere una cartella, non %1.</translation>
    </message>
    <message>
        <source>Output:
  Results go beside their images, or with --output-dir DIR into DIR: the tree under each folder
  given is mirrored there, and an image given by itself goes to its top. Each result has the
  modification time of its image (--no-keep-dates: the time it was saved).
  Progress goes to standard error: one redrawn line on a terminal, otherwise one line per image.
  The table of results, or with --json one JSON object per image, goes to standard output.
</source>
        <translation>Output:
  I risultati vanno accanto alle loro immagini o, con --output-dir DIR, in DIR: lì si riproduce
  l’albero sotto ogni cartella indicata, e un’immagine indicata da sola va nella sua cima. Ogni
  risultato ha la data di modifica della sua immagine (--no-keep-dates: la data del salvataggio).
  L’avanzamento va sullo standard error: una riga ridisegnata in un terminale, altrimenti una riga
  per immagine. La tabella dei risultati, o con --json un oggetto JSON per immagine, va sullo
  standard output.
</translation>
    </message>
    <message>
        <source>Stay, and optimize each image that appears or changes in the folders given once it has been written (see &quot;Watching&quot; below).</source>
        <translation>Resta attivo e ottimizza ogni immagine che compare o cambia nelle cartelle indicate, appena è stata scritta (vedi «Sorveglianza» più sotto).</translation>
    </message>
    <message>
        <source>--watch cannot be combined with --%1.</source>
        <translation>--watch non si può combinare con --%1.</translation>
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
        <translation>Sorveglianza:
  --watch CARTELLA... prima ottimizza ciò che è da fare nelle cartelle, poi resta attivo:
  un’immagine che vi compare o cambia, anche in una cartella creata dopo, viene ottimizzata
  quando per mezzo secondo non vi si è più scritto nulla. Ciò che è aggiornato viene saltato come
  in una nuova esecuzione, e i risultati di questo programma non vengono mai presi per immagini.
  L’esito di ogni immagine viene stampato appena termina (con --json, un oggetto JSON per
  immagine sull’output standard). Ctrl-C o SIGTERM arresta l’esecuzione in corso come
  un’interruzione e termina la sorveglianza con stato 0.
</translation>
    </message>
</context>
<context>
    <name>CompareCanvas</name>
    <message>
        <source>Original and result</source>
        <translation>Originale e risultato</translation>
    </message>
    <message>
        <source>Split view, the original left of the divider.</source>
        <translation>Vista divisa, l’originale a sinistra del divisore.</translation>
    </message>
    <message>
        <source>Side by side, the original on the left.</source>
        <translation>Affiancate, l’originale a sinistra.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Zoom %1%.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture, Shift with Left and Right moves the divider; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>I tasti freccia spostano l’immagine, Maiusc con Sinistra e Destra sposta il divisore; più e meno regolano lo zoom, 0 adatta, 1 e 2 mostrano al 100% e al 200%.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>I tasti freccia spostano l’immagine; più e meno regolano lo zoom, 0 adatta, 1 e 2 mostrano al 100% e al 200%.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Divisa</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Affiancate</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>the result over the original with a divider, or beside it</source>
        <translation>il risultato sopra l’originale con un divisore, o accanto</translation>
    </message>
    <message>
        <source>Zoom out (−)</source>
        <translation>Riduci (−)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zoom in (+)</source>
        <translation>Ingrandisci (+)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>The whole picture in the window (0)</source>
        <translation>L’immagine intera nella finestra (0)</translation>
    </message>
    <message>
        <source>One pixel of the picture to a pixel of the screen (1)</source>
        <translation>Un pixel dell’immagine per un pixel dello schermo (1)</translation>
    </message>
    <message>
        <source>Each pixel of the picture as two of the screen (2)</source>
        <translation>Ogni pixel dell’immagine su due pixel dello schermo (2)</translation>
    </message>
    <message>
        <source>The structural similarity (SSIM) of the result to the original, over red, green and blue: 1 for the same picture, lower as they drift apart.</source>
        <translation>La somiglianza strutturale (SSIM) del risultato rispetto all’originale, su rosso, verde e blu: 1 per la stessa immagine, meno quanto più si discostano.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Compare “%1”</source>
        <translation>Confronta «%1»</translation>
    </message>
    <message>
        <source>which saved file is shown against the original</source>
        <translation>quale file salvato viene mostrato accanto all’originale</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>The original and the %1 image</source>
        <translation>L’originale e l’immagine «%1»</translation>
    </message>
    <message>
        <source>The original could not be read.</source>
        <translation>Impossibile leggere l’originale.</translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation>Impossibile leggere questo file.</translation>
    </message>
    <message>
        <source>Measuring similarity…</source>
        <translation>Misurazione della somiglianza…</translation>
    </message>
    <message>
        <source>Similarity %1 (SSIM)</source>
        <translation>Somiglianza %1 (SSIM)</translation>
    </message>
    <message>
        <source>Similarity could not be measured.</source>
        <translation>Impossibile misurare la somiglianza.</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>Zoom %1</translation>
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
        <translation>[chiave API]</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Selected Images</source>
        <translation>Immagini selezionate</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Enter compares a done image with its result, the Menu key lists what can be done with the current image, and Space removes it. Images and folders can be dropped here.</source>
        <translation>La coda: una riga per immagine con il suo stato, il suo messaggio e i file salvati. Invio confronta un’immagine completata con il suo risultato, il tasto Menu elenca cosa si può fare con l’immagine corrente e Spazio la rimuove. Qui si possono trascinare immagini e cartelle.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>On this computer</source>
        <translation>Su questo computer</translation>
    </message>
    <message>
        <source>Tovalin service</source>
        <translation>Servizio Tovalin</translation>
    </message>
</context>
<context>
    <name>EngineProcess</name>
    <message>
        <source>no answer within %1 seconds.</source>
        <translation>nessuna risposta entro %1 secondi.</translation>
    </message>
    <message>
        <source>it ended unexpectedly.</source>
        <translation>si è chiuso inaspettatamente.</translation>
    </message>
    <message>
        <source>it ended with status %1.</source>
        <translation>si è chiuso con lo stato %1.</translation>
    </message>
    <message>
        <source>it did not say where it listens.</source>
        <translation>non ha indicato dove è in ascolto.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read “%1”: %2.</source>
        <translation>Impossibile leggere «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” changed while it was being sent; nothing was saved for it.</source>
        <translation>«%1» è cambiato durante l’invio; per questo file non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being sent; nothing was saved for it.</source>
        <translation>«%1» è stato rimosso durante l’invio; per questo file non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Non è un file regolare.</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>non è un file locale</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being optimized; nothing was saved for it.</source>
        <translation>«%1» è stato rimosso durante l’ottimizzazione; per questo file non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Cannot write to “%1”.</source>
        <translation>Impossibile scrivere in «%1».</translation>
    </message>
    <message>
        <source>No name is free for the results in “%1”.</source>
        <translation>Nessun nome libero per i risultati in «%1».</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Folder for the Results</source>
        <translation>Cartella per i risultati</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>The image could not be read.</source>
        <translation>Impossibile leggere l’immagine.</translation>
    </message>
</context>
<context>
    <name>ImageJob</name>
    <message>
        <source>Ready to optimize.</source>
        <translation>Pronta per l’ottimizzazione.</translation>
    </message>
</context>
<context>
    <name>ItemPickerDialog</name>
    <message>
        <source>Images (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
    <message>
        <source>Raw camera images (%1)</source>
        <translation>Immagini RAW della fotocamera (%1)</translation>
    </message>
    <message>
        <source>Choose images or folders to optimize</source>
        <translation>Scegli immagini o cartelle da ottimizzare</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <source>Drop images or folders here</source>
        <translation>Trascina qui immagini o cartelle</translation>
    </message>
    <message>
        <source>Drop to add to the queue</source>
        <translation>Rilascia per aggiungere alla coda</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Apri «%1»</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <translation>Mostra «%1» nella cartella</translation>
    </message>
    <message>
        <source>Remove from Queue</source>
        <translation>Rimuovi dalla coda</translation>
    </message>
    <message numerus="yes">
        <source>Optimize %n Again</source>
        <translation>
            <numerusform>Ottimizza di nuovo %n immagine</numerusform>
            <numerusform>Ottimizza di nuovo %n immagini</numerusform>
        </translation>
    </message>
    <message>
        <source>Optimize Again</source>
        <translation>Ottimizza di nuovo</translation>
    </message>
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>Rimuovi dalla coda</translation>
    </message>
    <message>
        <source>Double-click or press Enter to compare with the original</source>
        <translation>Fai doppio clic o premi Invio per confrontare con l’originale</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>Queued</source>
        <translation>In coda</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>In elaborazione</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Completata</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscita</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermata</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Opens the Tovalin Image Optimizer window with the given images queued; folders are
searched for images. When the window is already open, they join its queue and the
window is brought to the front.</source>
        <translation>Apre la finestra di Tovalin Image Optimizer con le immagini indicate in coda; nelle cartelle si
cercano immagini. Se la finestra è già aperta, le immagini si aggiungono alla sua coda e la
finestra viene portata in primo piano.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PERCORSO</translation>
    </message>
    <message>
        <source>Image files and folders, as paths or file: URIs.</source>
        <translation>File di immagine e cartelle, come percorsi o URI file:.</translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>[PERCORSO...]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [PATH...]</source>
        <translation>Uso: %1 [opzioni] [PERCORSO...]</translation>
    </message>
    <message>
        <source>tovalin-image-optimizer: %1 is not on this computer; only local files and folders can be queued.</source>
        <translation>tovalin-image-optimizer: %1 non è su questo computer; si possono mettere in coda solo file e cartelle locali.</translation>
    </message>
</context>
<context>
    <name>LinkButton</name>
    <message>
        <source>Opens %1 in the web browser.</source>
        <translation>Apre %1 nel browser web.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>The optimizer on this computer could not be started: %1</source>
        <translation>Impossibile avviare l’ottimizzatore di questo computer: %1</translation>
    </message>
    <message>
        <source>the program is closing.</source>
        <translation>il programma si sta chiudendo.</translation>
    </message>
    <message>
        <source>The optimizer on this computer is missing: %1 is not installed beside this program.</source>
        <translation>Manca l’ottimizzatore di questo computer: %1 non è installato accanto a questo programma.</translation>
    </message>
    <message>
        <source>The optimizer on this computer stopped unexpectedly; the next image starts it again.</source>
        <translation>L’ottimizzatore di questo computer si è fermato inaspettatamente; l’immagine successiva lo riavvia.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Chiudi finestra</translation>
    </message>
</context>
<context>
    <name>OptimizeCommand</name>
    <message>
        <source>the file system of %1 keeps no marks on files, so images there are sent even when their results are up to date.</source>
        <translation>il file system di %1 non conserva contrassegni sui file, quindi le immagini che contiene vengono inviate anche quando i loro risultati sono aggiornati.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Usa «%1 --help» per maggiori informazioni.</translation>
    </message>
    <message>
        <source>no PEM certificate could be read from %1.</source>
        <translation>impossibile leggere un certificato PEM da %1.</translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>arresto in corso; interrompi di nuovo per uscire subito.</translation>
    </message>
    <message>
        <source>no images found in the given folders.</source>
        <translation>nessuna immagine trovata nelle cartelle indicate.</translation>
    </message>
    <message>
        <source>warning: the key file is only for the Tovalin service; these images are optimized on this computer (--engine service sends them to the service).</source>
        <translation>avviso: il file della chiave serve solo per il servizio Tovalin; queste immagini vengono ottimizzate su questo computer (--engine service le invia al servizio).</translation>
    </message>
    <message>
        <source>--watch takes folders; %1 is not one.</source>
        <translation>--watch vuole cartelle; %1 non lo è.</translation>
    </message>
</context>
<context>
    <name>OutputKind</name>
    <message>
        <source>Optimized</source>
        <translation>Ottimizzata</translation>
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
        <translation>quasi finito</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>ancora circa %1</translation>
    </message>
</context>
<context>
    <name>QueueHeader</name>
    <message>
        <source>Clear finished</source>
        <translation>Rimuovi completate</translation>
    </message>
    <message>
        <source>Clear queue</source>
        <translation>Svuota la coda</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>Immagini selezionate</translation>
    </message>
    <message>
        <source>Removes the images that are done from the queue.</source>
        <translation>Rimuove dalla coda le immagini completate.</translation>
    </message>
    <message>
        <source>Removes every image from the queue but the one being optimized.</source>
        <translation>Rimuove dalla coda tutte le immagini tranne quella in ottimizzazione.</translation>
    </message>
    <message>
        <source>Add files to begin.</source>
        <translation>Aggiungi dei file per iniziare.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left to optimize</source>
        <translation>
            <numerusform>%n immagine da ottimizzare</numerusform>
            <numerusform>%n immagini da ottimizzare</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter your API key to begin.</source>
        <translation>Inserisci la tua chiave API per iniziare.</translation>
    </message>
    <message>
        <source>Press Optimize to begin.</source>
        <translation>Premi «Ottimizza» per iniziare.</translation>
    </message>
</context>
<context>
    <name>QueueRunner</name>
    <message numerus="yes">
        <source>Optimizing %n image(s)…</source>
        <translation>
            <numerusform>Ottimizzazione di %n immagine…</numerusform>
            <numerusform>Ottimizzazione di %n immagini…</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped by user.</source>
        <translation>Fermato dall’utente.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Fermata.</translation>
    </message>
    <message>
        <source>Sending to Tovalin…</source>
        <translation>Invio a Tovalin…</translation>
    </message>
    <message>
        <source>The image could not be optimized.</source>
        <translation>Impossibile ottimizzare l’immagine.</translation>
    </message>
    <message>
        <source>Optimized and saved locally.</source>
        <translation>Ottimizzata e salvata in locale.</translation>
    </message>
    <message>
        <source>“%1” is not this program&apos;s and was kept; this one is “%2”.</source>
        <translation>«%1» non è di questo programma ed è stato mantenuto; questo risultato è «%2».</translation>
    </message>
    <message>
        <source>Image is being optimized…</source>
        <translation>Ottimizzazione dell’immagine in corso…</translation>
    </message>
    <message>
        <source>Every image is already optimized.</source>
        <translation>Tutte le immagini sono già ottimizzate.</translation>
    </message>
</context>
<context>
    <name>ResizeMode</name>
    <message>
        <source>No resize</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Riempi</translation>
    </message>
    <message>
        <source>Contain</source>
        <translation>Adatta</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) optimized</source>
        <translation>
            <numerusform>%n immagine ottimizzata</numerusform>
            <numerusform>%n immagini ottimizzate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n non riuscita</numerusform>
            <numerusform>%n non riuscite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n fermata</numerusform>
            <numerusform>%n fermate</numerusform>
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
        <translation>Avanzamento dell’elaborazione</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Done</source>
        <translation>Completata</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Non riuscita</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Fermata</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltata</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Da fare</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>STATO</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>PRIMA</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>DOPO</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>VARIAZIONE</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MESSAGGIO</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Fermata.</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 immagine</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>%n immagine</numerusform>
            <numerusform>%n immagini</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n completata</numerusform>
            <numerusform>%n completate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n non riuscita</numerusform>
            <numerusform>%n non riuscite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n fermata</numerusform>
            <numerusform>%n fermate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n saltata</numerusform>
            <numerusform>%n saltate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n da fare</numerusform>
            <numerusform>%n da fare</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
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
        <translation>«%1» richiede una larghezza, un’altezza o entrambe.</translation>
    </message>
    <message>
        <source>The width must be a whole number of pixels, 1 or more.</source>
        <translation>La larghezza deve essere un numero intero di pixel, almeno 1.</translation>
    </message>
    <message>
        <source>The height must be a whole number of pixels, 1 or more.</source>
        <translation>L’altezza deve essere un numero intero di pixel, almeno 1.</translation>
    </message>
    <message>
        <source>The width and the height must be whole numbers of pixels, 1 or more.</source>
        <translation>La larghezza e l’altezza devono essere numeri interi di pixel, almeno 1.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Help: %1</source>
        <translation>Aiuto: %1</translation>
    </message>
    <message>
        <source>Opens the article in the web browser.</source>
        <translation>Apre l’articolo nel browser web.</translation>
    </message>
    <message>
        <source>API Key</source>
        <translation>Chiave API</translation>
    </message>
    <message>
        <source>(Get an API Key)</source>
        <translation>(Ottieni una chiave API)</translation>
    </message>
    <message>
        <source>Your 20-character API key</source>
        <translation>La tua chiave API di 20 caratteri</translation>
    </message>
    <message>
        <source>The API key of your Tovalin account. It is kept for the next start.</source>
        <translation>La chiave API del tuo account Tovalin. Viene conservata per il prossimo avvio.</translation>
    </message>
    <message>
        <source>Hide key</source>
        <translation>Nascondi chiave</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>Mostra chiave</translation>
    </message>
    <message>
        <source>Masks the API key again.</source>
        <translation>Nasconde di nuovo la chiave API.</translation>
    </message>
    <message>
        <source>Shows the API key in plain text.</source>
        <translation>Mostra la chiave API in chiaro.</translation>
    </message>
    <message>
        <source>Densora Level</source>
        <translation>Livello Densora</translation>
    </message>
    <message>
        <source>Learn about Lossy, Glossy, and Lossless</source>
        <translation>Scopri di più su Lossy, Glossy e Lossless</translation>
    </message>
    <message>
        <source>Compression levels</source>
        <translation>Livelli di compressione</translation>
    </message>
    <message>
        <source>how strongly images are compressed</source>
        <translation>quanto vengono compresse le immagini</translation>
    </message>
    <message>
        <source>Next Generation Images</source>
        <translation>Immagini di nuova generazione</translation>
    </message>
    <message>
        <source>Create WebP (+ keep original)</source>
        <translation>Crea WebP (+ mantieni originale)</translation>
    </message>
    <message>
        <source>Also saves a WebP version beside each image.</source>
        <translation>Salva anche una versione WebP accanto a ogni immagine.</translation>
    </message>
    <message>
        <source>Create AVIF (+ keep original)</source>
        <translation>Crea AVIF (+ mantieni originale)</translation>
    </message>
    <message>
        <source>Also saves an AVIF version beside each image.</source>
        <translation>Salva anche una versione AVIF accanto a ogni immagine.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Ridimensiona</translation>
    </message>
    <message>
        <source>Learn how Tovalin resizes images automatically</source>
        <translation>Scopri come Tovalin ridimensiona automaticamente le immagini</translation>
    </message>
    <message>
        <source>how images are fitted to the width and height</source>
        <translation>come le immagini vengono adattate a larghezza e altezza</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Target width in pixels.</source>
        <translation>Larghezza di destinazione in pixel.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Target height in pixels.</source>
        <translation>Altezza di destinazione in pixel.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Convert CMYK to RGB</source>
        <translation>Converti CMYK in RGB</translation>
    </message>
    <message>
        <source>Print colors are turned into screen colors.</source>
        <translation>I colori di stampa vengono convertiti in colori per lo schermo.</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Rimuovi sfondo</translation>
    </message>
    <message>
        <source>The service cuts the subject out of its background.</source>
        <translation>Il servizio scontorna il soggetto.</translation>
    </message>
    <message>
        <source>Keep EXIF</source>
        <translation>Mantieni EXIF</translation>
    </message>
    <message>
        <source>Camera data such as date and place stay in the image.</source>
        <translation>I dati della fotocamera, come data e luogo, restano nell’immagine.</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>How many times larger the service makes each image.</source>
        <translation>Di quante volte il servizio ingrandisce ogni immagine.</translation>
    </message>
    <message>
        <source>Images at once</source>
        <translation>Immagini alla volta</translation>
    </message>
    <message>
        <source>How many images are with the service at the same time.</source>
        <translation>Quante immagini sono presso il servizio contemporaneamente.</translation>
    </message>
    <message>
        <source>Add images or folders…</source>
        <translation>Aggiungi immagini o cartelle…</translation>
    </message>
    <message>
        <source>Chooses images and folders to queue. They can also be dropped on the window.</source>
        <translation>Sceglie immagini e cartelle da mettere in coda. Si possono anche trascinare sulla finestra.</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Ottimizza</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Stops the run; the image in progress is marked stopped.</source>
        <translation>Ferma l’elaborazione; l’immagine in corso viene segnata come fermata.</translation>
    </message>
    <message>
        <source>Contact us with any issues, bug reports, or questions.</source>
        <translation>Contattaci per problemi, segnalazioni di bug o domande.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Informazioni su Tovalin Image Optimizer</translation>
    </message>
    <message>
        <source>Optimizes every image in the queue with the options above.</source>
        <translation>Ottimizza ogni immagine della coda con le opzioni qui sopra.</translation>
    </message>
    <message>
        <source>Enter an API key and add images first.</source>
        <translation>Inserisci prima una chiave API e aggiungi delle immagini.</translation>
    </message>
    <message>
        <source>Enter an API key first.</source>
        <translation>Inserisci prima una chiave API.</translation>
    </message>
    <message>
        <source>Add images first.</source>
        <translation>Aggiungi prima delle immagini.</translation>
    </message>
    <message>
        <source>Images are being optimized.</source>
        <translation>Le immagini sono in ottimizzazione.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servizio</translation>
    </message>
    <message>
        <source>where the images are optimized</source>
        <translation>dove vengono ottimizzate le immagini</translation>
    </message>
    <message>
        <source>Watch added folders</source>
        <translation>Sorveglia le cartelle aggiunte</translation>
    </message>
    <message>
        <source>New images in the folders you added are queued as they appear.</source>
        <translation>Le nuove immagini delle cartelle aggiunte vengono messe in coda appena compaiono.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Where results go</source>
        <translation>Dove vanno i risultati</translation>
    </message>
    <message>
        <source>Beside the originals</source>
        <translation>Accanto agli originali</translation>
    </message>
    <message>
        <source>In a folder…</source>
        <translation>In una cartella…</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Mantieni le date dei file</translation>
    </message>
    <message>
        <source>Every result gets the modification time of its original.</source>
        <translation>Ogni risultato riceve la data di modifica del suo originale.</translation>
    </message>
    <message>
        <source>Results are saved in %1.</source>
        <translation>I risultati vengono salvati in %1.</translation>
    </message>
    <message>
        <source>Results are saved beside their originals.</source>
        <translation>I risultati vengono salvati accanto ai loro originali.</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>Nothing saved</source>
        <translation>Nessun risparmio</translation>
    </message>
    <message>
        <source>Saved %1 of %2</source>
        <translation>Risparmiati %1 su %2</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>più grande di «%1»</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Turns while images are being optimized.</source>
        <translation>Gira mentre le immagini vengono ottimizzate.</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>Quasi finito</translation>
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
        <translation>Ancora circa %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>TovalinError</name>
    <message>
        <source>(binary)</source>
        <translation>(binario)</translation>
    </message>
    <message>
        <source>Unexpected API response: %1</source>
        <translation>Risposta inattesa dell’API: %1</translation>
    </message>
    <message>
        <source>Failed to encode parameters.</source>
        <translation>Impossibile codificare i parametri.</translation>
    </message>
    <message>
        <source>Tovalin did not return any data.</source>
        <translation>Tovalin non ha restituito alcun dato.</translation>
    </message>
    <message>
        <source>No download URL returned for this configuration.</source>
        <translation>Nessun URL di download restituito per questa configurazione.</translation>
    </message>
    <message>
        <source>Could not save the optimized file.</source>
        <translation>Impossibile salvare il file ottimizzato.</translation>
    </message>
    <message>
        <source>Could not download the optimized file (HTTP status %1).</source>
        <translation>Impossibile scaricare il file ottimizzato (stato HTTP %1).</translation>
    </message>
    <message>
        <source>Could not download the optimized file (empty response).</source>
        <translation>Impossibile scaricare il file ottimizzato (risposta vuota).</translation>
    </message>
</context>
<context>
    <name>TransportError</name>
    <message>
        <source>The connection timed out: no data moved for %1 seconds.</source>
        <translation>Tempo scaduto per la connessione: nessun dato trasferito per %1 secondi.</translation>
    </message>
    <message>
        <source>The reply is larger than %1, the most this program accepts.</source>
        <translation>La risposta supera %1, il massimo che questo programma accetta.</translation>
    </message>
    <message>
        <source>The server “%1” could not be found.</source>
        <translation>Impossibile trovare il server «%1».</translation>
    </message>
    <message>
        <source>The proxy server could not be found.</source>
        <translation>Impossibile trovare il server proxy.</translation>
    </message>
    <message>
        <source>Could not connect to the server “%1”.</source>
        <translation>Impossibile connettersi al server «%1».</translation>
    </message>
    <message>
        <source>The secure connection to “%1” could not be established: %2.</source>
        <translation>Impossibile stabilire la connessione sicura con «%1»: %2.</translation>
    </message>
    <message>
        <source>The service redirected the request to an address it may not go to.</source>
        <translation>Il servizio ha reindirizzato la richiesta a un indirizzo non consentito.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Troppi reindirizzamenti.</translation>
    </message>
    <message>
        <source>The connection to the service was closed before it answered.</source>
        <translation>La connessione al servizio è stata chiusa prima che rispondesse.</translation>
    </message>
    <message>
        <source>The connection was closed before the whole reply arrived.</source>
        <translation>La connessione è stata chiusa prima dell’arrivo della risposta completa.</translation>
    </message>
    <message>
        <source>Refused to connect to “%1”: only secure (https) addresses are allowed.</source>
        <translation>Connessione a «%1» rifiutata: sono consentiti solo indirizzi sicuri (https).</translation>
    </message>
    <message>
        <source>The connection could not be set up.</source>
        <translation>Impossibile stabilire la connessione.</translation>
    </message>
</context>
<context>
    <name>UpToDateJobs</name>
    <message>
        <source>Already optimized.</source>
        <translation>Già ottimizzata.</translation>
    </message>
</context>
<context>
    <name>UpscaleFactor</name>
    <message>
        <source>No upscale</source>
        <translation>Nessun ingrandimento</translation>
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
        <translation>attenzione: il sistema non consente di sorvegliare altre cartelle (fs.inotify.max_user_watches); le immagini nelle cartelle non sorvegliate non verranno viste fino al prossimo avvio della sorveglianza.</translation>
    </message>
    <message>
        <source>cannot watch %1.</source>
        <translation>impossibile sorvegliare %1.</translation>
    </message>
    <message numerus="yes">
        <source>watching %n folder(s); stop with Ctrl-C.</source>
        <translation>
            <numerusform>sorveglianza di %n cartella; interrompi con Ctrl-C.</numerusform>
            <numerusform>sorveglianza di %n cartelle; interrompi con Ctrl-C.</numerusform>
        </translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>arresto in corso; interrompi di nuovo per uscire subito.</translation>
    </message>
</context>
</TS>
