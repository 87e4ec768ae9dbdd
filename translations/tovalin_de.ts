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
    <name>CancelledError</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>Die Anfrage wurde abgebrochen.</translation>
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
    <name>ContentView</name>
    <message>
        <source>Selected Images</source>
        <translation>Ausgewählte Bilder</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Space removes the current image. Images and folders can be dropped here.</source>
        <translation>Die Warteschlange: eine Zeile pro Bild mit Status, Meldung und gespeicherten Dateien. Die Leertaste entfernt das aktuelle Bild. Bilder und Ordner können hier abgelegt werden.</translation>
    </message>
</context>
<context>
    <name>DownloadedFile</name>
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
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>Aus der Warteschlange entfernen</translation>
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
</context>
<context>
    <name>LinkButton</name>
    <message>
        <source>Opens %1 in the web browser.</source>
        <translation>Öffnet %1 im Webbrowser.</translation>
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
</TS>
