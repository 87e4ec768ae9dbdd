<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Optimizes images with the Tovalin service.</source>
        <translation>Optimaliseert afbeeldingen met de Tovalin-dienst.</translation>
    </message>
    <message>
        <source>Released under the %1 licence.</source>
        <translation>Uitgebracht onder de %1-licentie.</translation>
    </message>
    <message>
        <source>Get an API key</source>
        <translation>Een API-sleutel aanvragen</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Over Tovalin Image Optimizer</translation>
    </message>
</context>
<context>
    <name>ApiKeySource</name>
    <message>
        <source>cannot read the key file %1: %2.</source>
        <translation>kan het sleutelbestand %1 niet lezen: %2.</translation>
    </message>
    <message>
        <source>warning: the key file %1 can be read by other users; make it yours only with: chmod 600 %1</source>
        <translation>waarschuwing: het sleutelbestand %1 is leesbaar voor andere gebruikers; maak het alleen voor uzelf leesbaar met: chmod 600 %1</translation>
    </message>
    <message>
        <source>the key file %1 is too large to hold an API key.</source>
        <translation>het sleutelbestand %1 is te groot om een API-sleutel te bevatten.</translation>
    </message>
    <message>
        <source>the key file %1 holds no API key.</source>
        <translation>het sleutelbestand %1 bevat geen API-sleutel.</translation>
    </message>
    <message>
        <source>the key stored by the window is sent only to the service this program was built for; with --service-url give the key with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>de sleutel die het venster heeft opgeslagen, wordt alleen verstuurd naar de dienst waarvoor dit programma is gebouwd; geef bij --service-url de sleutel op met --api-key-file BESTAND of de omgevingsvariabele TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>no API key: give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY, or enter it in the Tovalin Image Optimizer window.</source>
        <translation>geen API-sleutel: geef hem op met --api-key-file BESTAND of de omgevingsvariabele TOVALIN_API_KEY, of voer hem in het venster van Tovalin Image Optimizer in.</translation>
    </message>
</context>
<context>
    <name>CancelledError</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>Het verzoek is geannuleerd.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Compression: lossy (the default), glossy or lossless.</source>
        <translation>Compressie: lossy (standaard), glossy of lossless.</translation>
    </message>
    <message>
        <source>level</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>niveau</translation>
    </message>
    <message>
        <source>Also save a WebP version (the default).</source>
        <translation>Ook een WebP-versie opslaan (standaard).</translation>
    </message>
    <message>
        <source>Save no WebP version.</source>
        <translation>Geen WebP-versie opslaan.</translation>
    </message>
    <message>
        <source>Also save an AVIF version.</source>
        <translation>Ook een AVIF-versie opslaan.</translation>
    </message>
    <message>
        <source>Save no AVIF version (the default).</source>
        <translation>Geen AVIF-versie opslaan (standaard).</translation>
    </message>
    <message>
        <source>Fit each image to --width and --height: cover or contain.</source>
        <translation>Elke afbeelding aanpassen aan --width en --height: cover of contain.</translation>
    </message>
    <message>
        <source>mode</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>modus</translation>
    </message>
    <message>
        <source>Width to resize to, in pixels.</source>
        <translation>Doelbreedte in pixels.</translation>
    </message>
    <message>
        <source>Height to resize to, in pixels.</source>
        <translation>Doelhoogte in pixels.</translation>
    </message>
    <message>
        <source>Upscale by 2, 3 or 4.</source>
        <translation>Met een factor 2, 3 of 4 vergroten.</translation>
    </message>
    <message>
        <source>factor</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>factor</translation>
    </message>
    <message>
        <source>Remove the background.</source>
        <translation>De achtergrond verwijderen.</translation>
    </message>
    <message>
        <source>Keep the EXIF data.</source>
        <translation>De EXIF-gegevens behouden.</translation>
    </message>
    <message>
        <source>Leave CMYK images in CMYK (they are converted to RGB by default).</source>
        <translation>CMYK-afbeeldingen in CMYK laten (standaard worden ze naar RGB omgezet).</translation>
    </message>
    <message>
        <source>Read the API key from &lt;file&gt; (see &quot;API key&quot; below).</source>
        <translation>De API-sleutel uit &lt;bestand&gt; lezen (zie ‘API-sleutel’ hieronder).</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>bestand</translation>
    </message>
    <message>
        <source>url</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>url</translation>
    </message>
    <message>
        <source>Also trust the PEM certificates in &lt;file&gt; for --service-url.</source>
        <translation>Ook de PEM-certificaten in &lt;bestand&gt; vertrouwen voor --service-url.</translation>
    </message>
    <message>
        <source>Keep up to &lt;N&gt; images with the service at once, 1 to %1 (4 by default).</source>
        <translation>Tot &lt;N&gt; afbeeldingen tegelijk bij de dienst hebben, 1 tot en met %1 (standaard 4).</translation>
    </message>
    <message>
        <source>Take only share &lt;K/N&gt; of the images, for N processes that together handle every image once (see &quot;Sharing the work&quot; below).</source>
        <translation>Alleen deel &lt;K/N&gt; van de afbeeldingen nemen, voor N processen die samen elke afbeelding één keer verwerken (zie ‘Het werk verdelen’ hieronder).</translation>
    </message>
    <message>
        <source>Send every image, also those whose results are up to date.</source>
        <translation>Elke afbeelding versturen, ook die waarvan de resultaten actueel zijn.</translation>
    </message>
    <message>
        <source>List what would be sent and what would be skipped; send nothing.</source>
        <translation>Opsommen wat verstuurd en wat overgeslagen zou worden; niets versturen.</translation>
    </message>
    <message>
        <source>Print one JSON object per image instead of the table.</source>
        <translation>Eén JSON-object per afbeelding afdrukken in plaats van de tabel.</translation>
    </message>
    <message>
        <source>Print no progress.</source>
        <translation>Geen voortgang afdrukken.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PAD</translation>
    </message>
    <message>
        <source>Image files, and folders to search.</source>
        <translation>Afbeeldingsbestanden, en mappen om te doorzoeken.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>PAD...</translation>
    </message>
    <message>
        <source>the API key is never taken from the command line, where other users could see it in the process list; give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>de API-sleutel wordt nooit van de opdrachtregel genomen, waar andere gebruikers hem in de proceslijst kunnen zien; geef hem op met --api-key-file BESTAND of de omgevingsvariabele TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>--level must be lossy, glossy or lossless, not %1.</source>
        <translation>--level moet lossy, glossy of lossless zijn, niet %1.</translation>
    </message>
    <message>
        <source>--resize must be cover or contain, not %1.</source>
        <translation>--resize moet cover of contain zijn, niet %1.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number of pixels, 1 or more, not %2.</source>
        <translation>--%1 moet een geheel aantal pixels zijn, 1 of meer, niet %2.</translation>
    </message>
    <message>
        <source>--width and --height need --resize cover or --resize contain.</source>
        <translation>--width en --height vereisen --resize cover of --resize contain.</translation>
    </message>
    <message>
        <source>--resize needs --width, --height or both.</source>
        <translation>--resize vereist --width, --height of beide.</translation>
    </message>
    <message>
        <source>--upscale must be 2, 3 or 4, not %1.</source>
        <translation>--upscale moet 2, 3 of 4 zijn, niet %1.</translation>
    </message>
    <message>
        <source>--api-key-file needs the name of a file.</source>
        <translation>--api-key-file vereist de naam van een bestand.</translation>
    </message>
    <message>
        <source>--service-url must be an https address such as https://host:port, not %1.</source>
        <translation>--service-url moet een https-adres zijn zoals https://host:port, niet %1.</translation>
    </message>
    <message>
        <source>--ca-file is only for the service given with --service-url.</source>
        <translation>--ca-file geldt alleen voor de dienst die met --service-url is opgegeven.</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to %1, not %2.</source>
        <translation>--jobs moet een geheel getal van 1 tot en met %1 zijn, niet %2.</translation>
    </message>
    <message>
        <source>--shard must be K/N with K from 1 to N, such as 2/4, not %1.</source>
        <translation>--shard moet K/N zijn met K van 1 tot en met N, zoals 2/4, niet %1.</translation>
    </message>
    <message>
        <source>no images or folders given.</source>
        <translation>geen afbeeldingen of mappen opgegeven.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] PATH...</source>
        <translation>Gebruik: %1 [opties] PAD...</translation>
    </message>
    <message>
        <source>Reruns:
  Every result carries a mark naming its source and the settings it was made with. Results
  found in a folder are never taken for images to optimize, and an image whose results are
  all there, made from the image as it is now with the same settings, is skipped (&quot;Already
  optimized.&quot;). --force sends it anyway. Where the file system keeps no marks, nothing is
  skipped. --dry-run lists what would be sent and what skipped.
</source>
        <translation>Opnieuw uitvoeren:
  Elk resultaat draagt een markering met zijn bron en de instellingen waarmee het is gemaakt.
  Resultaten in een map worden nooit aangezien voor te optimaliseren afbeeldingen, en een
  afbeelding waarvan alle resultaten aanwezig zijn, gemaakt van de afbeelding zoals die nu is en
  met dezelfde instellingen, wordt overgeslagen (‘Al geoptimaliseerd.’). --force verstuurt haar
  toch. Waar het bestandssysteem geen markeringen bewaart, wordt niets overgeslagen. --dry-run
  somt op wat verstuurd en wat overgeslagen zou worden.
</translation>
    </message>
    <message>
        <source>Several at once:
  Up to --jobs images are with the service at once. Two images whose results would share a
  file name are never sent together.
</source>
        <translation>Meerdere tegelijk:
  Tot --jobs afbeeldingen zijn tegelijk bij de dienst. Twee afbeeldingen waarvan de resultaten
  dezelfde bestandsnaam zouden krijgen, worden nooit samen verstuurd.
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
        <translation>Het werk verdelen:
  --shard K/N neemt het K-de van N delen van de gevonden afbeeldingen, gekozen op basis van een
  hash van het pad van elke afbeelding ten opzichte van de opgegeven map (bij een los opgegeven
  bestand: het pad zoals opgegeven). N processen met dezelfde paden en --shard 1/N tot en met N/N
  verwerken elke afbeelding precies één keer, op één machine of op vele, bijvoorbeeld met
  GNU parallel:
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</translation>
    </message>
    <message>
        <source>Optimize on this computer (local, no key needed) or through the Tovalin service (service, with your API key); %1 by default.</source>
        <translation>Op deze computer optimaliseren (local, geen sleutel nodig) of met de Tovalin-dienst (service, met uw API-sleutel); standaard %1.</translation>
    </message>
    <message>
        <source>engine</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>engine</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (https only) instead of the one this program was built for; implies --engine service. The key must then come from --api-key-file or TOVALIN_API_KEY.</source>
        <translation>De dienst op &lt;url&gt; gebruiken (alleen https) in plaats van die waarvoor dit programma is gebouwd; impliceert --engine service. De sleutel moet dan uit --api-key-file of TOVALIN_API_KEY komen.</translation>
    </message>
    <message>
        <source>Optimizes images on this computer or through the Tovalin service and saves the results
beside them: photo.jpg gives photo-optimized.jpg, and photo.webp or photo.avif when
asked for. Folders are searched for images. The source images are never changed.</source>
        <translation>Optimaliseert afbeeldingen op deze computer of met de Tovalin-dienst en slaat de resultaten
ernaast op: photo.jpg geeft photo-optimized.jpg, en op verzoek photo.webp of photo.avif. Mappen
worden doorzocht op afbeeldingen. De bronafbeeldingen worden nooit gewijzigd.</translation>
    </message>
    <message>
        <source>--engine must be local or service, not %1.</source>
        <translation>--engine moet local of service zijn, niet %1.</translation>
    </message>
    <message>
        <source>--service-url is for --engine service.</source>
        <translation>--service-url geldt alleen voor --engine service.</translation>
    </message>
    <message>
        <source>Engines:
  local    the engine on this computer: started by this command for its run and ended with it,
           offline, no account or key; the images never leave this computer.
  service  the Tovalin service, with the API key of your account.
  Without --engine: %1, or service with --service-url.
</source>
        <translation>Engines:
  local    de engine op deze computer: door deze opdracht gestart voor de verwerking en ermee
           beëindigd, offline, zonder account of sleutel; de afbeeldingen verlaten deze computer
           nooit.
  service  de Tovalin-dienst, met de API-sleutel van uw account.
  Zonder --engine: %1, of service met --service-url.
</translation>
    </message>
    <message>
        <source>API key:
  Only the Tovalin service needs one. Taken from --api-key-file FILE, else from the environment
  variable TOVALIN_API_KEY, else the key stored by the Tovalin Image Optimizer window. It is never
  taken from the command line and never printed. A key file should be readable by you only
  (chmod 600 FILE).
</source>
        <translation>API-sleutel:
  Alleen de Tovalin-dienst heeft er een nodig. Uit --api-key-file BESTAND, anders uit de
  omgevingsvariabele TOVALIN_API_KEY, anders de sleutel die het venster van Tovalin Image
  Optimizer heeft opgeslagen. Hij wordt nooit van de opdrachtregel genomen en nooit afgedrukt. Een
  sleutelbestand hoort alleen voor u leesbaar te zijn (chmod 600 BESTAND).
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
        <translation>Afsluitstatus:
  0    elke afbeelding is geoptimaliseerd of was actueel
  1    ten minste één afbeelding is mislukt
  2    gebruiksfout: een onjuiste optie, of geen API-sleutel voor de dienst
  130  onderbroken (Ctrl-C); 129 en 143 na SIGHUP en SIGTERM

  Een onderbreking stopt de verwerking zoals de knop Stoppen van het venster: lopende overdrachten
  worden afgebroken, niets blijft half geschreven, en de afbeeldingen waaraan niet is toegekomen,
  worden als gestopt gemeld. Een tweede onderbreking sluit meteen af.
</translation>
    </message>
    <message>
        <source>Examples:
  %1 --level glossy --avif ~/Pictures/holiday
  TOVALIN_API_KEY=... %1 --engine service ~/Pictures/holiday
</source>
        <translation>Voorbeelden:
  %1 --level glossy --avif ~/Afbeeldingen/vakantie
  TOVALIN_API_KEY=... %1 --engine service ~/Afbeeldingen/vakantie
</translation>
    </message>
    <message>
        <source>Save the results in &lt;folder&gt; instead of beside the images (see &quot;Output&quot; below).</source>
        <translation>De resultaten in &lt;folder&gt; opslaan in plaats van naast de afbeeldingen (zie ‘Uitvoer’ hieronder).</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>map</translation>
    </message>
    <message>
        <source>Give every result the modification time of its image (the default).</source>
        <translation>Elk resultaat de wijzigingstijd van zijn afbeelding geven (standaard).</translation>
    </message>
    <message>
        <source>Leave every result dated by when it was saved.</source>
        <translation>Elk resultaat de tijd laten houden waarop het is opgeslagen.</translation>
    </message>
    <message>
        <source>--output-dir needs the name of a folder.</source>
        <translation>--output-dir heeft de naam van een map nodig.</translation>
    </message>
    <message>
        <source>--output-dir must be a folder, not %1.</source>
        <translation>--output-dir moet een map zijn, niet %1.</translation>
    </message>
    <message>
        <source>Output:
  Results go beside their images, or with --output-dir DIR into DIR: the tree under each folder
  given is mirrored there, and an image given by itself goes to its top. Each result has the
  modification time of its image (--no-keep-dates: the time it was saved).
  Progress goes to standard error: one redrawn line on a terminal, otherwise one line per image.
  The table of results, or with --json one JSON object per image, goes to standard output.
</source>
        <translation>Uitvoer:
  Resultaten komen naast hun afbeeldingen, of met --output-dir DIR in DIR: daar wordt de boom
  onder elke opgegeven map nagebootst, en een afzonderlijk opgegeven afbeelding komt bovenaan. Elk
  resultaat krijgt de wijzigingstijd van zijn afbeelding (--no-keep-dates: de tijd van opslaan).
  De voortgang gaat naar standaardfout: één steeds opnieuw getekende regel in een terminal, anders
  één regel per afbeelding. De tabel met resultaten, of met --json één JSON-object per afbeelding,
  gaat naar standaarduitvoer.
</translation>
    </message>
    <message>
        <source>Stay, and optimize each image that appears or changes in the folders given once it has been written (see &quot;Watching&quot; below).</source>
        <translation>Blijven draaien en elke afbeelding optimaliseren die in de opgegeven mappen verschijnt of verandert, zodra die geschreven is (zie ‘Bewaken’ hieronder).</translation>
    </message>
    <message>
        <source>--watch cannot be combined with --%1.</source>
        <translation>--watch gaat niet samen met --%1.</translation>
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
        <translation>Bewaken:
  --watch MAP... optimaliseert eerst wat in de mappen aan de beurt is en blijft dan draaien: een
  afbeelding die daarin verschijnt of verandert, ook in een map die er later bij komt, wordt
  geoptimaliseerd zodra er een halve seconde niets meer in is geschreven. Wat actueel is, wordt
  overgeslagen zoals bij opnieuw uitvoeren, en de resultaten van dit programma worden nooit voor
  afbeeldingen aangezien. De uitkomst van elke afbeelding wordt getoond zodra die klaar is (met
  --json één JSON-object per afbeelding op de standaarduitvoer). Ctrl-C of SIGTERM stopt de
  lopende uitvoering zoals een onderbreking en beëindigt het bewaken met status 0.
</translation>
    </message>
</context>
<context>
    <name>CompareCanvas</name>
    <message>
        <source>Original and result</source>
        <translation>Origineel en resultaat</translation>
    </message>
    <message>
        <source>Split view, the original left of the divider.</source>
        <translation>Gesplitste weergave, het origineel links van de scheidslijn.</translation>
    </message>
    <message>
        <source>Side by side, the original on the left.</source>
        <translation>Naast elkaar, het origineel links.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Zoom %1%.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture, Shift with Left and Right moves the divider; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>De pijltoetsen verschuiven het beeld, Shift met Links en Rechts verschuift de scheidslijn; plus en min zoomen, 0 past in, 1 en 2 tonen 100% en 200%.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>De pijltoetsen verschuiven het beeld; plus en min zoomen, 0 past in, 1 en 2 tonen 100% en 200%.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with</source>
        <translation>Vergelijken met</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Gesplitst</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Naast elkaar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>the result over the original with a divider, or beside it</source>
        <translation>het resultaat over het origineel met een scheidslijn, of ernaast</translation>
    </message>
    <message>
        <source>Zoom out (−)</source>
        <translation>Uitzoomen (−)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>Zoom in (+)</source>
        <translation>Inzoomen (+)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Passend</translation>
    </message>
    <message>
        <source>The whole picture in the window (0)</source>
        <translation>Het hele beeld in het venster (0)</translation>
    </message>
    <message>
        <source>One pixel of the picture to a pixel of the screen (1)</source>
        <translation>Eén pixel van het beeld op één pixel van het scherm (1)</translation>
    </message>
    <message>
        <source>Each pixel of the picture as two of the screen (2)</source>
        <translation>Elke pixel van het beeld als twee van het scherm (2)</translation>
    </message>
    <message>
        <source>The structural similarity (SSIM) of the result to the original, over red, green and blue: 1 for the same picture, lower as they drift apart.</source>
        <translation>De structurele gelijkenis (SSIM) van het resultaat met het origineel, over rood, groen en blauw: 1 voor hetzelfde beeld, lager naarmate ze meer verschillen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Compare “%1”</source>
        <translation>‘%1’ vergelijken</translation>
    </message>
    <message>
        <source>which saved file is shown against the original</source>
        <translation>welk opgeslagen bestand tegenover het origineel wordt getoond</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Origineel</translation>
    </message>
    <message>
        <source>The original and the %1 image</source>
        <translation>Het origineel en de afbeelding ‘%1’</translation>
    </message>
    <message>
        <source>The original could not be read.</source>
        <translation>Het origineel kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation>Dit bestand kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>Measuring similarity…</source>
        <translation>Gelijkenis wordt gemeten…</translation>
    </message>
    <message>
        <source>Similarity %1 (SSIM)</source>
        <translation>Gelijkenis %1 (SSIM)</translation>
    </message>
    <message>
        <source>Similarity could not be measured.</source>
        <translation>De gelijkenis kon niet worden gemeten.</translation>
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
        <translation>[API-sleutel]</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Selected Images</source>
        <translation>Geselecteerde afbeeldingen</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Enter compares a done image with its result, the Menu key lists what can be done with the current image, and Space removes it. Images and folders can be dropped here.</source>
        <translation>De wachtrij: één rij per afbeelding met de status, het bericht en de opgeslagen bestanden. Enter vergelijkt een voltooide afbeelding met het resultaat, de menutoets toont wat er met de huidige afbeelding kan, en Spatie verwijdert die. Afbeeldingen en mappen kunnen hier worden neergezet.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>On this computer</source>
        <translation>Op deze computer</translation>
    </message>
    <message>
        <source>Tovalin service</source>
        <translation>Tovalin-dienst</translation>
    </message>
</context>
<context>
    <name>EngineProcess</name>
    <message>
        <source>no answer within %1 seconds.</source>
        <translation>geen antwoord binnen %1 seconden.</translation>
    </message>
    <message>
        <source>it ended unexpectedly.</source>
        <translation>hij is onverwacht gestopt.</translation>
    </message>
    <message>
        <source>it ended with status %1.</source>
        <translation>hij is gestopt met status %1.</translation>
    </message>
    <message>
        <source>it did not say where it listens.</source>
        <translation>hij heeft niet gemeld waar hij luistert.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read “%1”: %2.</source>
        <translation>Kan ‘%1’ niet lezen: %2.</translation>
    </message>
    <message>
        <source>“%1” changed while it was being sent; nothing was saved for it.</source>
        <translation>‘%1’ is tijdens het versturen gewijzigd; er is niets voor opgeslagen.</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being sent; nothing was saved for it.</source>
        <translation>‘%1’ is tijdens het versturen verwijderd; er is niets voor opgeslagen.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Geen gewoon bestand.</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>geen lokaal bestand</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being optimized; nothing was saved for it.</source>
        <translation>‘%1’ is tijdens het optimaliseren verwijderd; er is niets voor opgeslagen.</translation>
    </message>
    <message>
        <source>Cannot write to “%1”.</source>
        <translation>Kan niet schrijven naar ‘%1’.</translation>
    </message>
    <message>
        <source>No name is free for the results in “%1”.</source>
        <translation>Er is geen naam vrij voor de resultaten in ‘%1’.</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Folder for the Results</source>
        <translation>Map voor de resultaten</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>The image could not be read.</source>
        <translation>De afbeelding kon niet worden gelezen.</translation>
    </message>
</context>
<context>
    <name>ImageJob</name>
    <message>
        <source>Ready to optimize.</source>
        <translation>Klaar om te optimaliseren.</translation>
    </message>
</context>
<context>
    <name>ItemPickerDialog</name>
    <message>
        <source>Images (%1)</source>
        <translation>Afbeeldingen (%1)</translation>
    </message>
    <message>
        <source>Raw camera images (%1)</source>
        <translation>RAW-camerabeelden (%1)</translation>
    </message>
    <message>
        <source>Choose images or folders to optimize</source>
        <translation>Kies afbeeldingen of mappen om te optimaliseren</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <source>Drop images or folders here</source>
        <translation>Zet hier afbeeldingen of mappen neer</translation>
    </message>
    <message>
        <source>Drop to add to the queue</source>
        <translation>Neerzetten om aan de wachtrij toe te voegen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergelijken</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Origineel</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>‘%1’ openen</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <translation>‘%1’ in map tonen</translation>
    </message>
    <message>
        <source>Remove from Queue</source>
        <translation>Uit wachtrij verwijderen</translation>
    </message>
    <message numerus="yes">
        <source>Optimize %n Again</source>
        <translation>
            <numerusform>%n opnieuw optimaliseren</numerusform>
            <numerusform>%n opnieuw optimaliseren</numerusform>
        </translation>
    </message>
    <message>
        <source>Optimize Again</source>
        <translation>Opnieuw optimaliseren</translation>
    </message>
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>Uit de wachtrij verwijderen</translation>
    </message>
    <message>
        <source>Double-click or press Enter to compare with the original</source>
        <translation>Dubbelklik of druk op Enter om met het origineel te vergelijken</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>Queued</source>
        <translation>In wachtrij</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Bezig</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestopt</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Opens the Tovalin Image Optimizer window with the given images queued; folders are
searched for images. When the window is already open, they join its queue and the
window is brought to the front.</source>
        <translation>Opent het venster van Tovalin Image Optimizer met de opgegeven afbeeldingen in de wachtrij; mappen
worden doorzocht op afbeeldingen. Is het venster al open, dan komen ze in de wachtrij daarvan en
komt het venster naar voren.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PAD</translation>
    </message>
    <message>
        <source>Image files and folders, as paths or file: URIs.</source>
        <translation>Afbeeldingsbestanden en mappen, als paden of file:-URI’s.</translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>[PAD...]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [PATH...]</source>
        <translation>Gebruik: %1 [opties] [PAD...]</translation>
    </message>
    <message>
        <source>tovalin-image-optimizer: %1 is not on this computer; only local files and folders can be queued.</source>
        <translation>tovalin-image-optimizer: %1 staat niet op deze computer; alleen lokale bestanden en mappen kunnen in de wachtrij.</translation>
    </message>
</context>
<context>
    <name>LinkButton</name>
    <message>
        <source>Opens %1 in the web browser.</source>
        <translation>Opent %1 in de webbrowser.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>The optimizer on this computer could not be started: %1</source>
        <translation>De optimalisator op deze computer kon niet worden gestart: %1</translation>
    </message>
    <message>
        <source>the program is closing.</source>
        <translation>het programma wordt afgesloten.</translation>
    </message>
    <message>
        <source>The optimizer on this computer is missing: %1 is not installed beside this program.</source>
        <translation>De optimalisator op deze computer ontbreekt: %1 is niet naast dit programma geïnstalleerd.</translation>
    </message>
    <message>
        <source>The optimizer on this computer stopped unexpectedly; the next image starts it again.</source>
        <translation>De optimalisator op deze computer is onverwacht gestopt; de volgende afbeelding start hem opnieuw.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Venster sluiten</translation>
    </message>
</context>
<context>
    <name>OptimizeCommand</name>
    <message>
        <source>the file system of %1 keeps no marks on files, so images there are sent even when their results are up to date.</source>
        <translation>het bestandssysteem van %1 bewaart geen markeringen bij bestanden, dus afbeeldingen daar worden verstuurd, ook als hun resultaten actueel zijn.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Probeer ‘%1 --help’ voor meer informatie.</translation>
    </message>
    <message>
        <source>no PEM certificate could be read from %1.</source>
        <translation>kan geen PEM-certificaat lezen uit %1.</translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>bezig met stoppen; onderbreek nogmaals om meteen af te sluiten.</translation>
    </message>
    <message>
        <source>no images found in the given folders.</source>
        <translation>geen afbeeldingen gevonden in de opgegeven mappen.</translation>
    </message>
    <message>
        <source>warning: the key file is only for the Tovalin service; these images are optimized on this computer (--engine service sends them to the service).</source>
        <translation>waarschuwing: het sleutelbestand is alleen voor de Tovalin-dienst; deze afbeeldingen worden op deze computer geoptimaliseerd (--engine service stuurt ze naar de dienst).</translation>
    </message>
    <message>
        <source>--watch takes folders; %1 is not one.</source>
        <translation>--watch neemt mappen; %1 is er geen.</translation>
    </message>
</context>
<context>
    <name>OutputKind</name>
    <message>
        <source>Optimized</source>
        <translation>Geoptimaliseerd</translation>
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
        <translation>bijna klaar</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>nog ongeveer %1</translation>
    </message>
</context>
<context>
    <name>QueueHeader</name>
    <message>
        <source>Clear finished</source>
        <translation>Voltooide wissen</translation>
    </message>
    <message>
        <source>Clear queue</source>
        <translation>Wachtrij wissen</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>Geselecteerde afbeeldingen</translation>
    </message>
    <message>
        <source>Removes the images that are done from the queue.</source>
        <translation>Verwijdert de voltooide afbeeldingen uit de wachtrij.</translation>
    </message>
    <message>
        <source>Removes every image from the queue but the one being optimized.</source>
        <translation>Verwijdert alle afbeeldingen uit de wachtrij, behalve de afbeelding die wordt geoptimaliseerd.</translation>
    </message>
    <message>
        <source>Add files to begin.</source>
        <translation>Voeg bestanden toe om te beginnen.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left to optimize</source>
        <translation>
            <numerusform>%n afbeelding nog te optimaliseren</numerusform>
            <numerusform>%n afbeeldingen nog te optimaliseren</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter your API key to begin.</source>
        <translation>Voer uw API-sleutel in om te beginnen.</translation>
    </message>
    <message>
        <source>Press Optimize to begin.</source>
        <translation>Klik op ‘Optimaliseren’ om te beginnen.</translation>
    </message>
</context>
<context>
    <name>QueueRunner</name>
    <message numerus="yes">
        <source>Optimizing %n image(s)…</source>
        <translation>
            <numerusform>%n afbeelding wordt geoptimaliseerd…</numerusform>
            <numerusform>%n afbeeldingen worden geoptimaliseerd…</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped by user.</source>
        <translation>Gestopt door de gebruiker.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Klaar.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Gestopt.</translation>
    </message>
    <message>
        <source>Sending to Tovalin…</source>
        <translation>Wordt naar Tovalin verstuurd…</translation>
    </message>
    <message>
        <source>The image could not be optimized.</source>
        <translation>De afbeelding kon niet worden geoptimaliseerd.</translation>
    </message>
    <message>
        <source>Optimized and saved locally.</source>
        <translation>Geoptimaliseerd en lokaal opgeslagen.</translation>
    </message>
    <message>
        <source>“%1” is not this program&apos;s and was kept; this one is “%2”.</source>
        <translation>‘%1’ is niet van dit programma en is behouden; dit resultaat heet ‘%2’.</translation>
    </message>
    <message>
        <source>Image is being optimized…</source>
        <translation>Afbeelding wordt geoptimaliseerd…</translation>
    </message>
    <message>
        <source>Every image is already optimized.</source>
        <translation>Elke afbeelding is al geoptimaliseerd.</translation>
    </message>
</context>
<context>
    <name>ResizeMode</name>
    <message>
        <source>No resize</source>
        <translation>Origineel formaat</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Vullen</translation>
    </message>
    <message>
        <source>Contain</source>
        <translation>Passend</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Done.</source>
        <translation>Klaar.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) optimized</source>
        <translation>
            <numerusform>%n afbeelding geoptimaliseerd</numerusform>
            <numerusform>%n afbeeldingen geoptimaliseerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n mislukt</numerusform>
            <numerusform>%n mislukt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n gestopt</numerusform>
            <numerusform>%n gestopt</numerusform>
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
        <translation>Voortgang van de verwerking</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Done</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Gestopt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Overgeslagen</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Te doen</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>BESTAND</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>STATUS</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>VOOR</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>NA</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>VERSCHIL</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>BERICHT</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Gestopt.</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 afbeelding</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>%n afbeelding</numerusform>
            <numerusform>%n afbeeldingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n voltooid</numerusform>
            <numerusform>%n voltooid</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n mislukt</numerusform>
            <numerusform>%n mislukt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n gestopt</numerusform>
            <numerusform>%n gestopt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n overgeslagen</numerusform>
            <numerusform>%n overgeslagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n te doen</numerusform>
            <numerusform>%n te doen</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
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
        <translation>‘%1’ vereist een breedte, een hoogte of beide.</translation>
    </message>
    <message>
        <source>The width must be a whole number of pixels, 1 or more.</source>
        <translation>De breedte moet een geheel aantal pixels zijn, minstens 1.</translation>
    </message>
    <message>
        <source>The height must be a whole number of pixels, 1 or more.</source>
        <translation>De hoogte moet een geheel aantal pixels zijn, minstens 1.</translation>
    </message>
    <message>
        <source>The width and the height must be whole numbers of pixels, 1 or more.</source>
        <translation>De breedte en de hoogte moeten gehele aantallen pixels zijn, minstens 1.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Help: %1</source>
        <translation>Hulp: %1</translation>
    </message>
    <message>
        <source>Opens the article in the web browser.</source>
        <translation>Opent het artikel in de webbrowser.</translation>
    </message>
    <message>
        <source>API Key</source>
        <translation>API-sleutel</translation>
    </message>
    <message>
        <source>(Get an API Key)</source>
        <translation>(API-sleutel aanvragen)</translation>
    </message>
    <message>
        <source>Your 20-character API key</source>
        <translation>Uw API-sleutel van 20 tekens</translation>
    </message>
    <message>
        <source>The API key of your Tovalin account. It is kept for the next start.</source>
        <translation>De API-sleutel van uw Tovalin-account. Hij blijft bewaard voor de volgende start.</translation>
    </message>
    <message>
        <source>Hide key</source>
        <translation>Sleutel verbergen</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>Sleutel tonen</translation>
    </message>
    <message>
        <source>Masks the API key again.</source>
        <translation>Verbergt de API-sleutel weer.</translation>
    </message>
    <message>
        <source>Shows the API key in plain text.</source>
        <translation>Toont de API-sleutel als leesbare tekst.</translation>
    </message>
    <message>
        <source>Densora Level</source>
        <translation>Densora-niveau</translation>
    </message>
    <message>
        <source>Learn about Lossy, Glossy, and Lossless</source>
        <translation>Meer over Lossy, Glossy en Lossless</translation>
    </message>
    <message>
        <source>Compression levels</source>
        <translation>Compressieniveaus</translation>
    </message>
    <message>
        <source>how strongly images are compressed</source>
        <translation>hoe sterk afbeeldingen worden gecomprimeerd</translation>
    </message>
    <message>
        <source>Next Generation Images</source>
        <translation>Afbeeldingen van de nieuwe generatie</translation>
    </message>
    <message>
        <source>Create WebP (+ keep original)</source>
        <translation>WebP maken (+ origineel behouden)</translation>
    </message>
    <message>
        <source>Also saves a WebP version beside each image.</source>
        <translation>Slaat naast elke afbeelding ook een WebP-versie op.</translation>
    </message>
    <message>
        <source>Create AVIF (+ keep original)</source>
        <translation>AVIF maken (+ origineel behouden)</translation>
    </message>
    <message>
        <source>Also saves an AVIF version beside each image.</source>
        <translation>Slaat naast elke afbeelding ook een AVIF-versie op.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Formaat wijzigen</translation>
    </message>
    <message>
        <source>Learn how Tovalin resizes images automatically</source>
        <translation>Lees hoe Tovalin het formaat van afbeeldingen automatisch wijzigt</translation>
    </message>
    <message>
        <source>how images are fitted to the width and height</source>
        <translation>hoe afbeeldingen in de breedte en hoogte worden gepast</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Target width in pixels.</source>
        <translation>Doelbreedte in pixels.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Target height in pixels.</source>
        <translation>Doelhoogte in pixels.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Convert CMYK to RGB</source>
        <translation>CMYK naar RGB omzetten</translation>
    </message>
    <message>
        <source>Print colors are turned into screen colors.</source>
        <translation>Drukkleuren worden omgezet in schermkleuren.</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Achtergrond verwijderen</translation>
    </message>
    <message>
        <source>The service cuts the subject out of its background.</source>
        <translation>De dienst stelt het onderwerp vrij van de achtergrond.</translation>
    </message>
    <message>
        <source>Keep EXIF</source>
        <translation>EXIF behouden</translation>
    </message>
    <message>
        <source>Camera data such as date and place stay in the image.</source>
        <translation>Cameragegevens zoals datum en plaats blijven in de afbeelding.</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Vergroten</translation>
    </message>
    <message>
        <source>How many times larger the service makes each image.</source>
        <translation>Hoeveel keer groter de dienst elke afbeelding maakt.</translation>
    </message>
    <message>
        <source>Images at once</source>
        <translation>Afbeeldingen tegelijk</translation>
    </message>
    <message>
        <source>How many images are with the service at the same time.</source>
        <translation>Hoeveel afbeeldingen tegelijk bij de dienst zijn.</translation>
    </message>
    <message>
        <source>Add images or folders…</source>
        <translation>Afbeeldingen of mappen toevoegen…</translation>
    </message>
    <message>
        <source>Chooses images and folders to queue. They can also be dropped on the window.</source>
        <translation>Kiest afbeeldingen en mappen voor de wachtrij. Ze kunnen ook op het venster worden neergezet.</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimaliseren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Stops the run; the image in progress is marked stopped.</source>
        <translation>Stopt de verwerking; de afbeelding die bezig is, wordt als gestopt gemarkeerd.</translation>
    </message>
    <message>
        <source>Contact us with any issues, bug reports, or questions.</source>
        <translation>Neem contact met ons op bij problemen, foutmeldingen of vragen.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Over Tovalin Image Optimizer</translation>
    </message>
    <message>
        <source>Optimizes every image in the queue with the options above.</source>
        <translation>Optimaliseert elke afbeelding in de wachtrij met de bovenstaande opties.</translation>
    </message>
    <message>
        <source>Enter an API key and add images first.</source>
        <translation>Voer eerst een API-sleutel in en voeg afbeeldingen toe.</translation>
    </message>
    <message>
        <source>Enter an API key first.</source>
        <translation>Voer eerst een API-sleutel in.</translation>
    </message>
    <message>
        <source>Add images first.</source>
        <translation>Voeg eerst afbeeldingen toe.</translation>
    </message>
    <message>
        <source>Images are being optimized.</source>
        <translation>Afbeeldingen worden geoptimaliseerd.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Dienst</translation>
    </message>
    <message>
        <source>where the images are optimized</source>
        <translation>waar de afbeeldingen worden geoptimaliseerd</translation>
    </message>
    <message>
        <source>Watch added folders</source>
        <translation>Toegevoegde mappen bewaken</translation>
    </message>
    <message>
        <source>New images in the folders you added are queued as they appear.</source>
        <translation>Nieuwe afbeeldingen in de toegevoegde mappen komen in de wachtrij zodra ze verschijnen.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultaten</translation>
    </message>
    <message>
        <source>Where results go</source>
        <translation>Waar de resultaten komen</translation>
    </message>
    <message>
        <source>Beside the originals</source>
        <translation>Naast de originelen</translation>
    </message>
    <message>
        <source>In a folder…</source>
        <translation>In een map…</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Bestandsdatums behouden</translation>
    </message>
    <message>
        <source>Every result gets the modification time of its original.</source>
        <translation>Elk resultaat krijgt de wijzigingstijd van zijn origineel.</translation>
    </message>
    <message>
        <source>Results are saved in %1.</source>
        <translation>De resultaten worden opgeslagen in %1.</translation>
    </message>
    <message>
        <source>Results are saved beside their originals.</source>
        <translation>De resultaten worden naast hun originelen opgeslagen.</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>Nothing saved</source>
        <translation>Niets bespaard</translation>
    </message>
    <message>
        <source>Saved %1 of %2</source>
        <translation>%1 van %2 bespaard</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>groter dan ‘%1’</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Turns while images are being optimized.</source>
        <translation>Draait terwijl afbeeldingen worden geoptimaliseerd.</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>Bijna klaar</translation>
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
        <translation>%1 u</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Nog ongeveer %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
</context>
<context>
    <name>TovalinError</name>
    <message>
        <source>(binary)</source>
        <translation>(binair)</translation>
    </message>
    <message>
        <source>Unexpected API response: %1</source>
        <translation>Onverwacht antwoord van de API: %1</translation>
    </message>
    <message>
        <source>Failed to encode parameters.</source>
        <translation>De parameters konden niet worden gecodeerd.</translation>
    </message>
    <message>
        <source>Tovalin did not return any data.</source>
        <translation>Tovalin heeft geen gegevens teruggegeven.</translation>
    </message>
    <message>
        <source>No download URL returned for this configuration.</source>
        <translation>Voor deze instellingen is geen downloadadres teruggegeven.</translation>
    </message>
    <message>
        <source>Could not save the optimized file.</source>
        <translation>Het geoptimaliseerde bestand kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Could not download the optimized file (HTTP status %1).</source>
        <translation>Het geoptimaliseerde bestand kon niet worden gedownload (HTTP-status %1).</translation>
    </message>
    <message>
        <source>Could not download the optimized file (empty response).</source>
        <translation>Het geoptimaliseerde bestand kon niet worden gedownload (leeg antwoord).</translation>
    </message>
</context>
<context>
    <name>TransportError</name>
    <message>
        <source>The connection timed out: no data moved for %1 seconds.</source>
        <translation>Time-out van de verbinding: %1 seconden lang zijn er geen gegevens overgedragen.</translation>
    </message>
    <message>
        <source>The reply is larger than %1, the most this program accepts.</source>
        <translation>Het antwoord is groter dan %1, het maximum dat dit programma accepteert.</translation>
    </message>
    <message>
        <source>The server “%1” could not be found.</source>
        <translation>De server ‘%1’ is niet gevonden.</translation>
    </message>
    <message>
        <source>The proxy server could not be found.</source>
        <translation>De proxyserver is niet gevonden.</translation>
    </message>
    <message>
        <source>Could not connect to the server “%1”.</source>
        <translation>Kan geen verbinding maken met de server ‘%1’.</translation>
    </message>
    <message>
        <source>The secure connection to “%1” could not be established: %2.</source>
        <translation>De beveiligde verbinding met ‘%1’ kon niet tot stand worden gebracht: %2.</translation>
    </message>
    <message>
        <source>The service redirected the request to an address it may not go to.</source>
        <translation>De dienst heeft het verzoek omgeleid naar een adres waar het niet heen mag.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Te veel omleidingen.</translation>
    </message>
    <message>
        <source>The connection to the service was closed before it answered.</source>
        <translation>De verbinding met de dienst is verbroken voordat die antwoordde.</translation>
    </message>
    <message>
        <source>The connection was closed before the whole reply arrived.</source>
        <translation>De verbinding is verbroken voordat het hele antwoord binnen was.</translation>
    </message>
    <message>
        <source>Refused to connect to “%1”: only secure (https) addresses are allowed.</source>
        <translation>Verbinding met ‘%1’ geweigerd: alleen beveiligde (https-)adressen zijn toegestaan.</translation>
    </message>
    <message>
        <source>The connection could not be set up.</source>
        <translation>De verbinding kon niet worden opgezet.</translation>
    </message>
</context>
<context>
    <name>UpToDateJobs</name>
    <message>
        <source>Already optimized.</source>
        <translation>Al geoptimaliseerd.</translation>
    </message>
</context>
<context>
    <name>UpscaleFactor</name>
    <message>
        <source>No upscale</source>
        <translation>Niet vergroten</translation>
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
        <translation>waarschuwing: het systeem laat geen mappen meer bewaken (fs.inotify.max_user_watches); afbeeldingen in mappen die niet worden bewaakt, worden pas gezien als het bewaken opnieuw begint.</translation>
    </message>
    <message>
        <source>cannot watch %1.</source>
        <translation>%1 kan niet worden bewaakt.</translation>
    </message>
    <message numerus="yes">
        <source>watching %n folder(s); stop with Ctrl-C.</source>
        <translation>
            <numerusform>%n map wordt bewaakt; stoppen met Ctrl-C.</numerusform>
            <numerusform>%n mappen worden bewaakt; stoppen met Ctrl-C.</numerusform>
        </translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>bezig met stoppen; onderbreek nogmaals om meteen af te sluiten.</translation>
    </message>
</context>
</TS>
