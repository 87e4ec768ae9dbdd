<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Optimizes images with the Tovalin service.</source>
        <translation>Optimiert Bilder mit dem Tovalin-Dienst.</translation>
    </message>
    <message>
        <source>Released under the %1 licence.</source>
        <translation>Veröffentlicht unter der %1-Lizenz.</translation>
    </message>
    <message>
        <source>Get an API key</source>
        <translation>API-Schlüssel anfordern</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Über Tovalin Image Optimizer</translation>
    </message>
</context>
<context>
    <name>ApiKeySource</name>
    <message>
        <source>cannot read the key file %1: %2.</source>
        <translation>die Schlüsseldatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>warning: the key file %1 can be read by other users; make it yours only with: chmod 600 %1</source>
        <translation>Warnung: Die Schlüsseldatei %1 ist für andere Benutzer lesbar; machen Sie sie nur für sich lesbar mit: chmod 600 %1</translation>
    </message>
    <message>
        <source>the key file %1 is too large to hold an API key.</source>
        <translation>die Schlüsseldatei %1 ist zu groß für einen API-Schlüssel.</translation>
    </message>
    <message>
        <source>the key file %1 holds no API key.</source>
        <translation>die Schlüsseldatei %1 enthält keinen API-Schlüssel.</translation>
    </message>
    <message>
        <source>the key stored by the window is sent only to the service this program was built for; with --service-url give the key with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>der vom Fenster gespeicherte Schlüssel wird nur an den Dienst gesendet, für den dieses Programm gebaut wurde; geben Sie bei --service-url den Schlüssel über --api-key-file DATEI oder die Umgebungsvariable TOVALIN_API_KEY an.</translation>
    </message>
    <message>
        <source>no API key: give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY, or enter it in the Tovalin Image Optimizer window.</source>
        <translation>kein API-Schlüssel: Geben Sie ihn mit --api-key-file DATEI oder der Umgebungsvariable TOVALIN_API_KEY an oder tragen Sie ihn im Fenster von Tovalin Image Optimizer ein.</translation>
    </message>
</context>
<context>
    <name>CancelledError</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>Die Anfrage wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Compression: lossy (the default), glossy or lossless.</source>
        <translation>Komprimierung: lossy (Vorgabe), glossy oder lossless.</translation>
    </message>
    <message>
        <source>level</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Also save a WebP version (the default).</source>
        <translation>Zusätzlich eine WebP-Fassung speichern (Vorgabe).</translation>
    </message>
    <message>
        <source>Save no WebP version.</source>
        <translation>Keine WebP-Fassung speichern.</translation>
    </message>
    <message>
        <source>Also save an AVIF version.</source>
        <translation>Zusätzlich eine AVIF-Fassung speichern.</translation>
    </message>
    <message>
        <source>Save no AVIF version (the default).</source>
        <translation>Keine AVIF-Fassung speichern (Vorgabe).</translation>
    </message>
    <message>
        <source>Fit each image to --width and --height: cover or contain.</source>
        <translation>Jedes Bild an --width und --height anpassen: cover oder contain.</translation>
    </message>
    <message>
        <source>mode</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Width to resize to, in pixels.</source>
        <translation>Zielbreite in Pixeln.</translation>
    </message>
    <message>
        <source>Height to resize to, in pixels.</source>
        <translation>Zielhöhe in Pixeln.</translation>
    </message>
    <message>
        <source>Upscale by 2, 3 or 4.</source>
        <translation>Um den Faktor 2, 3 oder 4 hochskalieren.</translation>
    </message>
    <message>
        <source>factor</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Remove the background.</source>
        <translation>Den Hintergrund entfernen.</translation>
    </message>
    <message>
        <source>Keep the EXIF data.</source>
        <translation>Die EXIF-Daten behalten.</translation>
    </message>
    <message>
        <source>Leave CMYK images in CMYK (they are converted to RGB by default).</source>
        <translation>CMYK-Bilder in CMYK belassen (standardmäßig werden sie in RGB umgewandelt).</translation>
    </message>
    <message>
        <source>Read the API key from &lt;file&gt; (see &quot;API key&quot; below).</source>
        <translation>Den API-Schlüssel aus &lt;Datei&gt; lesen (siehe „API-Schlüssel“ unten).</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>url</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>url</translation>
    </message>
    <message>
        <source>Also trust the PEM certificates in &lt;file&gt; for --service-url.</source>
        <translation>Für --service-url zusätzlich den PEM-Zertifikaten in &lt;Datei&gt; vertrauen.</translation>
    </message>
    <message>
        <source>Keep up to &lt;N&gt; images with the service at once, 1 to %1 (4 by default).</source>
        <translation>Bis zu &lt;N&gt; Bilder gleichzeitig beim Dienst halten, 1 bis %1 (Vorgabe 4).</translation>
    </message>
    <message>
        <source>Take only share &lt;K/N&gt; of the images, for N processes that together handle every image once (see &quot;Sharing the work&quot; below).</source>
        <translation>Nur den Anteil &lt;K/N&gt; der Bilder übernehmen, für N Prozesse, die zusammen jedes Bild einmal bearbeiten (siehe „Arbeit aufteilen“ unten).</translation>
    </message>
    <message>
        <source>Print one JSON object per image instead of the table.</source>
        <translation>Statt der Tabelle ein JSON-Objekt pro Bild ausgeben.</translation>
    </message>
    <message>
        <source>Print no progress.</source>
        <translation>Keinen Fortschritt ausgeben.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PFAD</translation>
    </message>
    <message>
        <source>Image files, and folders to search.</source>
        <translation>Bilddateien und zu durchsuchende Ordner.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>PFAD...</translation>
    </message>
    <message>
        <source>the API key is never taken from the command line, where other users could see it in the process list; give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>der API-Schlüssel wird nie von der Befehlszeile übernommen, wo andere Benutzer ihn in der Prozessliste sehen könnten; geben Sie ihn mit --api-key-file DATEI oder der Umgebungsvariable TOVALIN_API_KEY an.</translation>
    </message>
    <message>
        <source>--level must be lossy, glossy or lossless, not %1.</source>
        <translation>--level muss lossy, glossy oder lossless sein, nicht %1.</translation>
    </message>
    <message>
        <source>--resize must be cover or contain, not %1.</source>
        <translation>--resize muss cover oder contain sein, nicht %1.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number of pixels, 1 or more, not %2.</source>
        <translation>--%1 muss eine ganze Zahl von Pixeln sein, 1 oder mehr, nicht %2.</translation>
    </message>
    <message>
        <source>--width and --height need --resize cover or --resize contain.</source>
        <translation>--width und --height erfordern --resize cover oder --resize contain.</translation>
    </message>
    <message>
        <source>--resize needs --width, --height or both.</source>
        <translation>--resize erfordert --width, --height oder beides.</translation>
    </message>
    <message>
        <source>--upscale must be 2, 3 or 4, not %1.</source>
        <translation>--upscale muss 2, 3 oder 4 sein, nicht %1.</translation>
    </message>
    <message>
        <source>--api-key-file needs the name of a file.</source>
        <translation>--api-key-file erfordert den Namen einer Datei.</translation>
    </message>
    <message>
        <source>--service-url must be an https address such as https://host:port, not %1.</source>
        <translation>--service-url muss eine https-Adresse wie https://host:port sein, nicht %1.</translation>
    </message>
    <message>
        <source>--ca-file is only for the service given with --service-url.</source>
        <translation>--ca-file gilt nur für den mit --service-url angegebenen Dienst.</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to %1, not %2.</source>
        <translation>--jobs muss eine ganze Zahl von 1 bis %1 sein, nicht %2.</translation>
    </message>
    <message>
        <source>--shard must be K/N with K from 1 to N, such as 2/4, not %1.</source>
        <translation>--shard muss K/N mit K von 1 bis N sein, etwa 2/4, nicht %1.</translation>
    </message>
    <message>
        <source>no images or folders given.</source>
        <translation>keine Bilder oder Ordner angegeben.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] PATH...</source>
        <translation>Aufruf: %1 [Optionen] PFAD...</translation>
    </message>
    <message>
        <source>Several at once:
  Up to --jobs images are with the service at once. Two images whose results would share a
  file name are never sent together.
</source>
        <translation>Mehrere gleichzeitig:
  Bis zu --jobs Bilder sind gleichzeitig beim Dienst. Zwei Bilder, deren Ergebnisse denselben
  Dateinamen hätten, werden nie zusammen gesendet.
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
        <translation>Arbeit aufteilen:
  --shard K/N übernimmt den K-ten von N Anteilen der gefundenen Bilder, ausgewählt nach einem
  Hash des Pfads jedes Bildes relativ zum angegebenen Ordner (bei einer einzeln angegebenen Datei:
  ihr Pfad wie angegeben). N Prozesse mit denselben Pfaden und --shard 1/N bis N/N bearbeiten jedes
  Bild genau einmal, auf einem Rechner oder auf vielen, zum Beispiel mit GNU parallel:
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</translation>
    </message>
    <message>
        <source>Send every image, also those whose results are up to date.</source>
        <translation>Jedes Bild senden, auch wenn seine Ergebnisse aktuell sind.</translation>
    </message>
    <message>
        <source>List what would be sent and what would be skipped; send nothing.</source>
        <translation>Auflisten, was gesendet und was übersprungen würde; nichts senden.</translation>
    </message>
    <message>
        <source>Reruns:
  Every result carries a mark naming its source and the settings it was made with. Results
  found in a folder are never taken for images to optimize, and an image whose results are
  all there, made from the image as it is now with the same settings, is skipped (&quot;Already
  optimized.&quot;). --force sends it anyway. Where the file system keeps no marks, nothing is
  skipped. --dry-run lists what would be sent and what skipped.
</source>
        <translation>Erneute Durchläufe:
  Jedes Ergebnis trägt eine Markierung mit seiner Quelle und den Einstellungen, mit denen es
  entstand. Ergebnisse in einem Ordner werden nie als zu optimierende Bilder genommen, und ein
  Bild, dessen Ergebnisse alle vorhanden sind, aus dem Bild in seinem jetzigen Stand und mit
  denselben Einstellungen erzeugt, wird übersprungen („Bereits optimiert.“). --force sendet es
  trotzdem. Wo das Dateisystem keine Markierungen speichert, wird nichts übersprungen.
  --dry-run listet auf, was gesendet und was übersprungen würde.
</translation>
    </message>
    <message>
        <source>Optimize on this computer (local, no key needed) or through the Tovalin service (service, with your API key); %1 by default.</source>
        <translation>Auf diesem Computer optimieren (local, ohne Schlüssel) oder mit dem Tovalin-Dienst (service, mit Ihrem API-Schlüssel); Vorgabe: %1.</translation>
    </message>
    <message>
        <source>engine</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>Engine</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (https only) instead of the one this program was built for; implies --engine service. The key must then come from --api-key-file or TOVALIN_API_KEY.</source>
        <translation>Den Dienst unter &lt;url&gt; (nur https) statt des Dienstes ansprechen, für den dieses Programm gebaut wurde; bedeutet --engine service. Der Schlüssel muss dann aus --api-key-file oder TOVALIN_API_KEY kommen.</translation>
    </message>
    <message>
        <source>Optimizes images on this computer or through the Tovalin service and saves the results
beside them: photo.jpg gives photo-optimized.jpg, and photo.webp or photo.avif when
asked for. Folders are searched for images. The source images are never changed.</source>
        <translation>Optimiert Bilder auf diesem Computer oder mit dem Tovalin-Dienst und speichert die Ergebnisse
daneben: Aus photo.jpg wird photo-optimized.jpg, auf Wunsch auch photo.webp oder photo.avif.
Ordner werden nach Bildern durchsucht. Die Quellbilder werden nie verändert.</translation>
    </message>
    <message>
        <source>--engine must be local or service, not %1.</source>
        <translation>--engine muss local oder service sein, nicht %1.</translation>
    </message>
    <message>
        <source>--service-url is for --engine service.</source>
        <translation>--service-url gilt nur für --engine service.</translation>
    </message>
    <message>
        <source>Engines:
  local    the engine on this computer: started by this command for its run and ended with it,
           offline, no account or key; the images never leave this computer.
  service  the Tovalin service, with the API key of your account.
  Without --engine: %1, or service with --service-url.
</source>
        <translation>Engines:
  local    die Engine auf diesem Computer: von diesem Befehl für seinen Durchlauf gestartet und mit
           ihm beendet, offline, ohne Konto und Schlüssel; die Bilder bleiben auf diesem Computer.
  service  der Tovalin-Dienst, mit dem API-Schlüssel Ihres Kontos.
  Ohne --engine: %1, mit --service-url: service.
</translation>
    </message>
    <message>
        <source>API key:
  Only the Tovalin service needs one. Taken from --api-key-file FILE, else from the environment
  variable TOVALIN_API_KEY, else the key stored by the Tovalin Image Optimizer window. It is never
  taken from the command line and never printed. A key file should be readable by you only
  (chmod 600 FILE).
</source>
        <translation>API-Schlüssel:
  Nur der Tovalin-Dienst braucht einen. Aus --api-key-file DATEI, sonst aus der Umgebungsvariable
  TOVALIN_API_KEY, sonst der Schlüssel, den das Fenster von Tovalin Image Optimizer gespeichert
  hat. Er wird nie von der Befehlszeile übernommen und nie ausgegeben. Eine Schlüsseldatei sollte
  nur für Sie lesbar sein (chmod 600 DATEI).
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
        <translation>Exit-Status:
  0    jedes Bild wurde optimiert oder war aktuell
  1    mindestens ein Bild ist fehlgeschlagen
  2    Aufruffehler: eine falsche Option oder kein API-Schlüssel für den Dienst
  130  unterbrochen (Strg+C); 129 und 143 nach SIGHUP und SIGTERM

  Eine Unterbrechung hält den Durchlauf an wie die Schaltfläche „Anhalten“ des Fensters: Laufende
  Übertragungen werden abgebrochen, nichts bleibt halb geschrieben, und die nicht erreichten
  Bilder werden als angehalten gemeldet. Eine zweite Unterbrechung beendet sofort.
</translation>
    </message>
    <message>
        <source>Examples:
  %1 --level glossy --avif ~/Pictures/holiday
  TOVALIN_API_KEY=... %1 --engine service ~/Pictures/holiday
</source>
        <translation>Beispiele:
  %1 --level glossy --avif ~/Bilder/Urlaub
  TOVALIN_API_KEY=... %1 --engine service ~/Bilder/Urlaub
</translation>
    </message>
    <message>
        <source>Save the results in &lt;folder&gt; instead of beside the images (see &quot;Output&quot; below).</source>
        <translation>Die Ergebnisse in &lt;Ordner&gt; statt neben den Bildern speichern (siehe „Ausgabe“ unten).</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Give every result the modification time of its image (the default).</source>
        <translation>Jedem Ergebnis die Änderungszeit seines Bildes geben (Standard).</translation>
    </message>
    <message>
        <source>Leave every result dated by when it was saved.</source>
        <translation>Jedes Ergebnis mit der Zeit seines Speicherns datiert lassen.</translation>
    </message>
    <message>
        <source>--output-dir needs the name of a folder.</source>
        <translation>--output-dir erfordert den Namen eines Ordners.</translation>
    </message>
    <message>
        <source>--output-dir must be a folder, not %1.</source>
        <translation>--output-dir muss ein Ordner sein, nicht %1.</translation>
    </message>
    <message>
        <source>Output:
  Results go beside their images, or with --output-dir DIR into DIR: the tree under each folder
  given is mirrored there, and an image given by itself goes to its top. Each result has the
  modification time of its image (--no-keep-dates: the time it was saved).
  Progress goes to standard error: one redrawn line on a terminal, otherwise one line per image.
  The table of results, or with --json one JSON object per image, goes to standard output.
</source>
        <translation>Ausgabe:
  Die Ergebnisse kommen neben ihre Bilder, oder mit --output-dir DIR nach DIR: Der Baum unter
  jedem angegebenen Ordner wird dort nachgebildet, und ein einzeln angegebenes Bild kommt in die
  oberste Ebene. Jedes Ergebnis hat die Änderungszeit seines Bildes (--no-keep-dates: die Zeit
  seines Speicherns).
  Der Fortschritt geht auf die Standardfehlerausgabe: eine neu gezeichnete Zeile im Terminal,
  sonst eine Zeile pro Bild. Die Ergebnistabelle, oder mit --json ein JSON-Objekt pro Bild, geht
  auf die Standardausgabe.
</translation>
    </message>
    <message>
        <source>Stay, and optimize each image that appears or changes in the folders given once it has been written (see &quot;Watching&quot; below).</source>
        <translation>Weiterlaufen und jedes Bild optimieren, das in den angegebenen Ordnern erscheint oder sich ändert, sobald es geschrieben ist (siehe „Überwachen“ unten).</translation>
    </message>
    <message>
        <source>--watch cannot be combined with --%1.</source>
        <translation>--watch lässt sich nicht mit --%1 verbinden.</translation>
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
        <translation>Überwachen:
  --watch ORDNER... optimiert zuerst, was in den Ordnern fällig ist, und läuft dann weiter: Ein
  Bild, das dort erscheint oder sich ändert, auch in einem später angelegten Ordner, wird
  optimiert, sobald eine halbe Sekunde lang nichts mehr hineingeschrieben wurde. Was aktuell
  ist, wird wie bei einem erneuten Durchlauf übersprungen, und die Ergebnisse dieses Programms
  werden nie für Bilder gehalten. Das Ergebnis jedes Bildes wird ausgegeben, sobald es fertig
  ist (mit --json ein JSON-Objekt je Bild auf der Standardausgabe). Strg+C oder SIGTERM hält
  den laufenden Durchlauf wie eine Unterbrechung an und beendet die Überwachung mit Status 0.
</translation>
    </message>
</context>
<context>
    <name>CompareCanvas</name>
    <message>
        <source>Original and result</source>
        <translation>Original und Ergebnis</translation>
    </message>
    <message>
        <source>Split view, the original left of the divider.</source>
        <translation>Geteilte Ansicht, das Original links vom Trenner.</translation>
    </message>
    <message>
        <source>Side by side, the original on the left.</source>
        <translation>Nebeneinander, das Original links.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Zoom %1 %.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture, Shift with Left and Right moves the divider; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Die Pfeiltasten verschieben das Bild, Umschalt mit Links und Rechts den Trenner; Plus und Minus zoomen, 0 passt ein, 1 und 2 zeigen 100 % und 200 %.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Die Pfeiltasten verschieben das Bild; Plus und Minus zoomen, 0 passt ein, 1 und 2 zeigen 100 % und 200 %.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Nebeneinander</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>the result over the original with a divider, or beside it</source>
        <translation>das Ergebnis mit Trenner über dem Original oder daneben</translation>
    </message>
    <message>
        <source>Zoom out (−)</source>
        <translation>Verkleinern (−)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom in (+)</source>
        <translation>Vergrößern (+)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>The whole picture in the window (0)</source>
        <translation>Das ganze Bild im Fenster (0)</translation>
    </message>
    <message>
        <source>One pixel of the picture to a pixel of the screen (1)</source>
        <translation>Ein Bildpunkt auf einen Bildschirmpunkt (1)</translation>
    </message>
    <message>
        <source>Each pixel of the picture as two of the screen (2)</source>
        <translation>Jeder Bildpunkt als zwei Bildschirmpunkte (2)</translation>
    </message>
    <message>
        <source>The structural similarity (SSIM) of the result to the original, over red, green and blue: 1 for the same picture, lower as they drift apart.</source>
        <translation>Die strukturelle Ähnlichkeit (SSIM) des Ergebnisses zum Original, über Rot, Grün und Blau: 1 für dasselbe Bild, weniger, je mehr sie sich unterscheiden.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Compare “%1”</source>
        <translation>„%1“ vergleichen</translation>
    </message>
    <message>
        <source>which saved file is shown against the original</source>
        <translation>welche gespeicherte Datei dem Original gegenübersteht</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>The original and the %1 image</source>
        <translation>Das Original und das Bild „%1“</translation>
    </message>
    <message>
        <source>The original could not be read.</source>
        <translation>Das Original konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation>Diese Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Measuring similarity…</source>
        <translation>Ähnlichkeit wird gemessen…</translation>
    </message>
    <message>
        <source>Similarity %1 (SSIM)</source>
        <translation>Ähnlichkeit %1 (SSIM)</translation>
    </message>
    <message>
        <source>Similarity could not be measured.</source>
        <translation>Die Ähnlichkeit konnte nicht gemessen werden.</translation>
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
        <translation>[API-Schlüssel]</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Selected Images</source>
        <translation>Ausgewählte Bilder</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Enter compares a done image with its result, the Menu key lists what can be done with the current image, and Space removes it. Images and folders can be dropped here.</source>
        <translation>Die Warteschlange: eine Zeile je Bild mit Zustand, Meldung und gespeicherten Dateien. Eingabe vergleicht ein fertiges Bild mit seinem Ergebnis, die Menütaste zeigt, was mit dem aktuellen Bild möglich ist, und Leertaste entfernt es. Bilder und Ordner können hier abgelegt werden.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>On this computer</source>
        <translation>Auf diesem Computer</translation>
    </message>
    <message>
        <source>Tovalin service</source>
        <translation>Tovalin-Dienst</translation>
    </message>
</context>
<context>
    <name>EngineProcess</name>
    <message>
        <source>no answer within %1 seconds.</source>
        <translation>keine Antwort innerhalb von %1 Sekunden.</translation>
    </message>
    <message>
        <source>it ended unexpectedly.</source>
        <translation>er wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>it ended with status %1.</source>
        <translation>er endete mit Status %1.</translation>
    </message>
    <message>
        <source>it did not say where it listens.</source>
        <translation>er hat nicht mitgeteilt, wo er erreichbar ist.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read “%1”: %2.</source>
        <translation>„%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>“%1” changed while it was being sent; nothing was saved for it.</source>
        <translation>„%1“ hat sich während des Sendens geändert; dafür wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being sent; nothing was saved for it.</source>
        <translation>„%1“ wurde während des Sendens entfernt; dafür wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>keine lokale Datei</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Keine reguläre Datei.</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being optimized; nothing was saved for it.</source>
        <translation>„%1“ wurde während der Optimierung entfernt; dafür wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Cannot write to “%1”.</source>
        <translation>In „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No name is free for the results in “%1”.</source>
        <translation>Für die Ergebnisse ist in „%1“ kein Name frei.</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Folder for the Results</source>
        <translation>Ordner für die Ergebnisse</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>The image could not be read.</source>
        <translation>Das Bild konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>ImageJob</name>
    <message>
        <source>Ready to optimize.</source>
        <translation>Bereit zur Optimierung.</translation>
    </message>
</context>
<context>
    <name>ItemPickerDialog</name>
    <message>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>Raw camera images (%1)</source>
        <translation>RAW-Kamerabilder (%1)</translation>
    </message>
    <message>
        <source>Choose images or folders to optimize</source>
        <translation>Bilder oder Ordner zum Optimieren auswählen</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <source>Drop images or folders here</source>
        <translation>Bilder oder Ordner hier ablegen</translation>
    </message>
    <message>
        <source>Drop to add to the queue</source>
        <translation>Zum Hinzufügen hier ablegen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>„%1“ öffnen</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <translation>„%1“ im Ordner zeigen</translation>
    </message>
    <message>
        <source>Remove from Queue</source>
        <translation>Aus der Warteschlange entfernen</translation>
    </message>
    <message numerus="yes">
        <source>Optimize %n Again</source>
        <translation>
            <numerusform>%n erneut optimieren</numerusform>
            <numerusform>%n erneut optimieren</numerusform>
        </translation>
    </message>
    <message>
        <source>Optimize Again</source>
        <translation>Erneut optimieren</translation>
    </message>
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>Aus der Warteschlange entfernen</translation>
    </message>
    <message>
        <source>Double-click or press Enter to compare with the original</source>
        <translation>Doppelklicken oder Eingabe drücken, um mit dem Original zu vergleichen</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>Queued</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>In Arbeit</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Opens the Tovalin Image Optimizer window with the given images queued; folders are
searched for images. When the window is already open, they join its queue and the
window is brought to the front.</source>
        <translation>Öffnet das Fenster von Tovalin Image Optimizer mit den angegebenen Bildern in der
Warteschlange; Ordner werden nach Bildern durchsucht. Ist das Fenster schon offen,
kommen sie in seine Warteschlange, und das Fenster wird nach vorn geholt.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PFAD</translation>
    </message>
    <message>
        <source>Image files and folders, as paths or file: URIs.</source>
        <translation>Bilddateien und Ordner, als Pfade oder file:-URIs.</translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>[PFAD...]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [PATH...]</source>
        <translation>Aufruf: %1 [Optionen] [PFAD...]</translation>
    </message>
    <message>
        <source>tovalin-image-optimizer: %1 is not on this computer; only local files and folders can be queued.</source>
        <translation>tovalin-image-optimizer: %1 liegt nicht auf diesem Computer; nur lokale Dateien und Ordner können in die Warteschlange.</translation>
    </message>
</context>
<context>
    <name>LinkButton</name>
    <message>
        <source>Opens %1 in the web browser.</source>
        <translation>Öffnet %1 im Webbrowser.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>The optimizer on this computer could not be started: %1</source>
        <translation>Der Optimierer auf diesem Computer konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>the program is closing.</source>
        <translation>das Programm wird beendet.</translation>
    </message>
    <message>
        <source>The optimizer on this computer is missing: %1 is not installed beside this program.</source>
        <translation>Der Optimierer auf diesem Computer fehlt: %1 ist nicht neben diesem Programm installiert.</translation>
    </message>
    <message>
        <source>The optimizer on this computer stopped unexpectedly; the next image starts it again.</source>
        <translation>Der Optimierer auf diesem Computer wurde unerwartet beendet; das nächste Bild startet ihn neu.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
</context>
<context>
    <name>OptimizeCommand</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>„%1 --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>no PEM certificate could be read from %1.</source>
        <translation>aus %1 konnte kein PEM-Zertifikat gelesen werden.</translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>wird angehalten; erneut unterbrechen, um sofort zu beenden.</translation>
    </message>
    <message>
        <source>no images found in the given folders.</source>
        <translation>keine Bilder in den angegebenen Ordnern gefunden.</translation>
    </message>
    <message>
        <source>the file system of %1 keeps no marks on files, so images there are sent even when their results are up to date.</source>
        <translation>das Dateisystem von %1 speichert keine Markierungen an Dateien, daher werden Bilder dort auch dann gesendet, wenn ihre Ergebnisse aktuell sind.</translation>
    </message>
    <message>
        <source>warning: the key file is only for the Tovalin service; these images are optimized on this computer (--engine service sends them to the service).</source>
        <translation>Warnung: Die Schlüsseldatei gilt nur für den Tovalin-Dienst; diese Bilder werden auf diesem Computer optimiert (--engine service schickt sie an den Dienst).</translation>
    </message>
    <message>
        <source>--watch takes folders; %1 is not one.</source>
        <translation>--watch nimmt Ordner; %1 ist keiner.</translation>
    </message>
</context>
<context>
    <name>OutputKind</name>
    <message>
        <source>Optimized</source>
        <translation>Optimiert</translation>
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
        <translation>fast fertig</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>noch etwa %1</translation>
    </message>
</context>
<context>
    <name>QueueHeader</name>
    <message>
        <source>Clear finished</source>
        <translation>Fertige entfernen</translation>
    </message>
    <message>
        <source>Clear queue</source>
        <translation>Warteschlange leeren</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>Ausgewählte Bilder</translation>
    </message>
    <message>
        <source>Removes the images that are done from the queue.</source>
        <translation>Entfernt die fertigen Bilder aus der Warteschlange.</translation>
    </message>
    <message>
        <source>Removes every image from the queue but the one being optimized.</source>
        <translation>Entfernt alle Bilder aus der Warteschlange außer dem, das gerade optimiert wird.</translation>
    </message>
    <message>
        <source>Add files to begin.</source>
        <translation>Fügen Sie Dateien hinzu, um zu beginnen.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left to optimize</source>
        <translation>
            <numerusform>%n Bild noch zu optimieren</numerusform>
            <numerusform>%n Bilder noch zu optimieren</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter your API key to begin.</source>
        <translation>Geben Sie Ihren API-Schlüssel ein, um zu beginnen.</translation>
    </message>
    <message>
        <source>Press Optimize to begin.</source>
        <translation>Klicken Sie auf „Optimieren“, um zu beginnen.</translation>
    </message>
</context>
<context>
    <name>QueueRunner</name>
    <message numerus="yes">
        <source>Optimizing %n image(s)…</source>
        <translation>
            <numerusform>%n Bild wird optimiert…</numerusform>
            <numerusform>%n Bilder werden optimiert…</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped by user.</source>
        <translation>Vom Benutzer angehalten.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>Sending to Tovalin…</source>
        <translation>Wird an Tovalin gesendet…</translation>
    </message>
    <message>
        <source>The image could not be optimized.</source>
        <translation>Das Bild konnte nicht optimiert werden.</translation>
    </message>
    <message>
        <source>Optimized and saved locally.</source>
        <translation>Optimiert und lokal gespeichert.</translation>
    </message>
    <message>
        <source>Image is being optimized…</source>
        <translation>Bild wird optimiert…</translation>
    </message>
    <message>
        <source>“%1” is not this program&apos;s and was kept; this one is “%2”.</source>
        <translation>„%1“ stammt nicht von diesem Programm und wurde behalten; dieses Ergebnis heißt „%2“.</translation>
    </message>
    <message>
        <source>Every image is already optimized.</source>
        <translation>Jedes Bild ist bereits optimiert.</translation>
    </message>
</context>
<context>
    <name>ResizeMode</name>
    <message>
        <source>No resize</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Contain</source>
        <translation>Einpassen</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) optimized</source>
        <translation>
            <numerusform>%n Bild optimiert</numerusform>
            <numerusform>%n Bilder optimiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n angehalten</numerusform>
            <numerusform>%n angehalten</numerusform>
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
        <translation>Fortschritt des Durchlaufs</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>STATUS</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>VORHER</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>NACHHER</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>ÄNDERUNG</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MELDUNG</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 Bild</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>%n Bild</numerusform>
            <numerusform>%n Bilder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n fertig</numerusform>
            <numerusform>%n fertig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n angehalten</numerusform>
            <numerusform>%n angehalten</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the images counted: how they ended</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n übersprungen</numerusform>
            <numerusform>%n übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n fällig</numerusform>
            <numerusform>%n fällig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 needs a width, a height or both.</source>
        <translation>„%1“ braucht eine Breite, eine Höhe oder beides.</translation>
    </message>
    <message>
        <source>The width must be a whole number of pixels, 1 or more.</source>
        <translation>Die Breite muss eine ganze Zahl von Pixeln sein, mindestens 1.</translation>
    </message>
    <message>
        <source>The height must be a whole number of pixels, 1 or more.</source>
        <translation>Die Höhe muss eine ganze Zahl von Pixeln sein, mindestens 1.</translation>
    </message>
    <message>
        <source>The width and the height must be whole numbers of pixels, 1 or more.</source>
        <translation>Breite und Höhe müssen ganze Zahlen von Pixeln sein, mindestens 1.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Help: %1</source>
        <translation>Hilfe: %1</translation>
    </message>
    <message>
        <source>Opens the article in the web browser.</source>
        <translation>Öffnet den Artikel im Webbrowser.</translation>
    </message>
    <message>
        <source>API Key</source>
        <translation>API-Schlüssel</translation>
    </message>
    <message>
        <source>(Get an API Key)</source>
        <translation>(API-Schlüssel anfordern)</translation>
    </message>
    <message>
        <source>Your 20-character API key</source>
        <translation>Ihr 20-stelliger API-Schlüssel</translation>
    </message>
    <message>
        <source>The API key of your Tovalin account. It is kept for the next start.</source>
        <translation>Der API-Schlüssel Ihres Tovalin-Kontos. Er bleibt für den nächsten Start gespeichert.</translation>
    </message>
    <message>
        <source>Hide key</source>
        <translation>Schlüssel verbergen</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>Schlüssel anzeigen</translation>
    </message>
    <message>
        <source>Masks the API key again.</source>
        <translation>Verbirgt den API-Schlüssel wieder.</translation>
    </message>
    <message>
        <source>Shows the API key in plain text.</source>
        <translation>Zeigt den API-Schlüssel im Klartext.</translation>
    </message>
    <message>
        <source>Densora Level</source>
        <translation>Densora-Stufe</translation>
    </message>
    <message>
        <source>Learn about Lossy, Glossy, and Lossless</source>
        <translation>Mehr über Lossy, Glossy und Lossless</translation>
    </message>
    <message>
        <source>Compression levels</source>
        <translation>Komprimierungsstufen</translation>
    </message>
    <message>
        <source>how strongly images are compressed</source>
        <translation>wie stark Bilder komprimiert werden</translation>
    </message>
    <message>
        <source>Next Generation Images</source>
        <translation>Bildformate der nächsten Generation</translation>
    </message>
    <message>
        <source>Create WebP (+ keep original)</source>
        <translation>WebP erstellen (+ Original behalten)</translation>
    </message>
    <message>
        <source>Also saves a WebP version beside each image.</source>
        <translation>Speichert zusätzlich eine WebP-Fassung neben jedem Bild.</translation>
    </message>
    <message>
        <source>Create AVIF (+ keep original)</source>
        <translation>AVIF erstellen (+ Original behalten)</translation>
    </message>
    <message>
        <source>Also saves an AVIF version beside each image.</source>
        <translation>Speichert zusätzlich eine AVIF-Fassung neben jedem Bild.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Learn how Tovalin resizes images automatically</source>
        <translation>Erfahren Sie, wie Tovalin die Bildgröße automatisch ändert</translation>
    </message>
    <message>
        <source>how images are fitted to the width and height</source>
        <translation>wie Bilder in Breite und Höhe eingepasst werden</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Target width in pixels.</source>
        <translation>Zielbreite in Pixeln.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Target height in pixels.</source>
        <translation>Zielhöhe in Pixeln.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Convert CMYK to RGB</source>
        <translation>CMYK in RGB umwandeln</translation>
    </message>
    <message>
        <source>Print colors are turned into screen colors.</source>
        <translation>Druckfarben werden in Bildschirmfarben umgewandelt.</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Hintergrund entfernen</translation>
    </message>
    <message>
        <source>The service cuts the subject out of its background.</source>
        <translation>Der Dienst stellt das Motiv frei.</translation>
    </message>
    <message>
        <source>Keep EXIF</source>
        <translation>EXIF-Daten behalten</translation>
    </message>
    <message>
        <source>Camera data such as date and place stay in the image.</source>
        <translation>Kameradaten wie Datum und Ort bleiben im Bild erhalten.</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Hochskalieren</translation>
    </message>
    <message>
        <source>How many times larger the service makes each image.</source>
        <translation>Um wie viel der Dienst jedes Bild vergrößert.</translation>
    </message>
    <message>
        <source>Add images or folders…</source>
        <translation>Bilder oder Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Chooses images and folders to queue. They can also be dropped on the window.</source>
        <translation>Wählt Bilder und Ordner für die Warteschlange aus. Sie können auch auf dem Fenster abgelegt werden.</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimieren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stops the run; the image in progress is marked stopped.</source>
        <translation>Hält den Durchlauf an; das Bild in Arbeit wird als angehalten markiert.</translation>
    </message>
    <message>
        <source>Contact us with any issues, bug reports, or questions.</source>
        <translation>Kontaktieren Sie uns bei Problemen, Fehlermeldungen oder Fragen.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Über Tovalin Image Optimizer</translation>
    </message>
    <message>
        <source>Optimizes every image in the queue with the options above.</source>
        <translation>Optimiert jedes Bild der Warteschlange mit den obigen Optionen.</translation>
    </message>
    <message>
        <source>Enter an API key and add images first.</source>
        <translation>Geben Sie zuerst einen API-Schlüssel ein und fügen Sie Bilder hinzu.</translation>
    </message>
    <message>
        <source>Enter an API key first.</source>
        <translation>Geben Sie zuerst einen API-Schlüssel ein.</translation>
    </message>
    <message>
        <source>Add images first.</source>
        <translation>Fügen Sie zuerst Bilder hinzu.</translation>
    </message>
    <message>
        <source>Images are being optimized.</source>
        <translation>Bilder werden optimiert.</translation>
    </message>
    <message>
        <source>Images at once</source>
        <translation>Bilder gleichzeitig</translation>
    </message>
    <message>
        <source>How many images are with the service at the same time.</source>
        <translation>Wie viele Bilder gleichzeitig beim Dienst sind.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>where the images are optimized</source>
        <translation>wo die Bilder optimiert werden</translation>
    </message>
    <message>
        <source>Watch added folders</source>
        <translation>Hinzugefügte Ordner überwachen</translation>
    </message>
    <message>
        <source>New images in the folders you added are queued as they appear.</source>
        <translation>Neue Bilder in den hinzugefügten Ordnern kommen in die Warteschlange, sobald sie erscheinen.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Where results go</source>
        <translation>Wohin die Ergebnisse kommen</translation>
    </message>
    <message>
        <source>Beside the originals</source>
        <translation>Neben die Originale</translation>
    </message>
    <message>
        <source>In a folder…</source>
        <translation>In einen Ordner…</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Dateidaten beibehalten</translation>
    </message>
    <message>
        <source>Every result gets the modification time of its original.</source>
        <translation>Jedes Ergebnis erhält die Änderungszeit seines Originals.</translation>
    </message>
    <message>
        <source>Results are saved in %1.</source>
        <translation>Die Ergebnisse werden in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Results are saved beside their originals.</source>
        <translation>Die Ergebnisse werden neben ihren Originalen gespeichert.</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>Nothing saved</source>
        <translation>Nichts eingespart</translation>
    </message>
    <message>
        <source>Saved %1 of %2</source>
        <translation>%1 von %2 eingespart</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>größer als „%1“</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Turns while images are being optimized.</source>
        <translation>Dreht sich, während Bilder optimiert werden.</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>Fast fertig</translation>
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
        <translation>Noch etwa %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>TovalinError</name>
    <message>
        <source>(binary)</source>
        <translation>(binär)</translation>
    </message>
    <message>
        <source>Unexpected API response: %1</source>
        <translation>Unerwartete Antwort der API: %1</translation>
    </message>
    <message>
        <source>Failed to encode parameters.</source>
        <translation>Die Parameter konnten nicht kodiert werden.</translation>
    </message>
    <message>
        <source>Tovalin did not return any data.</source>
        <translation>Tovalin hat keine Daten zurückgegeben.</translation>
    </message>
    <message>
        <source>No download URL returned for this configuration.</source>
        <translation>Für diese Einstellungen wurde keine Download-Adresse zurückgegeben.</translation>
    </message>
    <message>
        <source>Could not save the optimized file.</source>
        <translation>Die optimierte Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Could not download the optimized file (HTTP status %1).</source>
        <translation>Die optimierte Datei konnte nicht heruntergeladen werden (HTTP-Status %1).</translation>
    </message>
    <message>
        <source>Could not download the optimized file (empty response).</source>
        <translation>Die optimierte Datei konnte nicht heruntergeladen werden (leere Antwort).</translation>
    </message>
</context>
<context>
    <name>TransportError</name>
    <message>
        <source>The connection timed out: no data moved for %1 seconds.</source>
        <translation>Zeitüberschreitung der Verbindung: %1 Sekunden lang wurden keine Daten übertragen.</translation>
    </message>
    <message>
        <source>The reply is larger than %1, the most this program accepts.</source>
        <translation>Die Antwort ist größer als %1, die Höchstgröße, die dieses Programm annimmt.</translation>
    </message>
    <message>
        <source>The server “%1” could not be found.</source>
        <translation>Der Server „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The proxy server could not be found.</source>
        <translation>Der Proxyserver wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Could not connect to the server “%1”.</source>
        <translation>Keine Verbindung zum Server „%1“ möglich.</translation>
    </message>
    <message>
        <source>The secure connection to “%1” could not be established: %2.</source>
        <translation>Die sichere Verbindung zu „%1“ konnte nicht hergestellt werden: %2.</translation>
    </message>
    <message>
        <source>The service redirected the request to an address it may not go to.</source>
        <translation>Der Dienst hat die Anfrage an eine Adresse umgeleitet, an die sie nicht gehen darf.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Zu viele Weiterleitungen.</translation>
    </message>
    <message>
        <source>The connection to the service was closed before it answered.</source>
        <translation>Die Verbindung zum Dienst wurde geschlossen, bevor er antwortete.</translation>
    </message>
    <message>
        <source>The connection was closed before the whole reply arrived.</source>
        <translation>Die Verbindung wurde geschlossen, bevor die ganze Antwort angekommen war.</translation>
    </message>
    <message>
        <source>Refused to connect to “%1”: only secure (https) addresses are allowed.</source>
        <translation>Verbindung zu „%1“ abgelehnt: Nur sichere (https-)Adressen sind erlaubt.</translation>
    </message>
    <message>
        <source>The connection could not be set up.</source>
        <translation>Die Verbindung konnte nicht aufgebaut werden.</translation>
    </message>
</context>
<context>
    <name>UpToDateJobs</name>
    <message>
        <source>Already optimized.</source>
        <translation>Bereits optimiert.</translation>
    </message>
</context>
<context>
    <name>UpscaleFactor</name>
    <message>
        <source>No upscale</source>
        <translation>Nicht hochskalieren</translation>
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
        <translation>Warnung: Das System lässt keine weiteren Ordner überwachen (fs.inotify.max_user_watches); Bilder in nicht überwachten Ordnern werden erst beim nächsten Start der Überwachung gesehen.</translation>
    </message>
    <message>
        <source>cannot watch %1.</source>
        <translation>%1 kann nicht überwacht werden.</translation>
    </message>
    <message numerus="yes">
        <source>watching %n folder(s); stop with Ctrl-C.</source>
        <translation>
            <numerusform>%n Ordner wird überwacht; beenden mit Strg+C.</numerusform>
            <numerusform>%n Ordner werden überwacht; beenden mit Strg+C.</numerusform>
        </translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>wird angehalten; erneut unterbrechen, um sofort zu beenden.</translation>
    </message>
</context>
</TS>
