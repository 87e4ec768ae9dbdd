<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Optimizes images with the Tovalin service.</source>
        <translation>Optimise les images avec le service Tovalin.</translation>
    </message>
    <message>
        <source>Released under the %1 licence.</source>
        <translation>Publié sous la licence %1.</translation>
    </message>
    <message>
        <source>Get an API key</source>
        <translation>Obtenir une clé d’API</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Nous contacter</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>À propos de Tovalin Image Optimizer</translation>
    </message>
</context>
<context>
    <name>CancelledError</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>La requête a été annulée.</translation>
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
        <translation>Images sélectionnées</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Space removes the current image. Images and folders can be dropped here.</source>
        <translation>La file d’attente&#xa0;: une ligne par image avec son état, son message et ses fichiers enregistrés. Espace retire l’image courante. Des images et des dossiers peuvent être déposés ici.</translation>
    </message>
</context>
<context>
    <name>DownloadedFile</name>
    <message>
        <source>Optimized</source>
        <translation>Optimisée</translation>
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
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>“%1” changed while it was being sent; nothing was saved for it.</source>
        <translation>«&#xa0;%1&#xa0;» a changé pendant l’envoi&#xa0;; rien n’a été enregistré pour ce fichier.</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being sent; nothing was saved for it.</source>
        <translation>«&#xa0;%1&#xa0;» a été supprimé pendant l’envoi&#xa0;; rien n’a été enregistré pour ce fichier.</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>ce n’est pas un fichier local</translation>
    </message>
</context>
<context>
    <name>ImageJob</name>
    <message>
        <source>Ready to optimize.</source>
        <translation>Prête pour l’optimisation.</translation>
    </message>
</context>
<context>
    <name>ItemPickerDialog</name>
    <message>
        <source>Images (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>Raw camera images (%1)</source>
        <translation>Images RAW d’appareil photo (%1)</translation>
    </message>
    <message>
        <source>Choose images or folders to optimize</source>
        <translation>Choisir des images ou des dossiers à optimiser</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <source>Drop images or folders here</source>
        <translation>Déposez des images ou des dossiers ici</translation>
    </message>
    <message>
        <source>Drop to add to the queue</source>
        <translation>Déposez pour ajouter à la file d’attente</translation>
    </message>
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>Retirer de la file d’attente</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>Queued</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
</context>
<context>
    <name>LinkButton</name>
    <message>
        <source>Opens %1 in the web browser.</source>
        <translation>Ouvre %1 dans le navigateur web.</translation>
    </message>
</context>
<context>
    <name>QueueHeader</name>
    <message>
        <source>Clear finished</source>
        <translation>Retirer les terminées</translation>
    </message>
    <message>
        <source>Clear queue</source>
        <translation>Vider la file</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>Images sélectionnées</translation>
    </message>
    <message>
        <source>Removes the images that are done from the queue.</source>
        <translation>Retire de la file d’attente les images terminées.</translation>
    </message>
    <message>
        <source>Removes every image from the queue but the one being optimized.</source>
        <translation>Retire toutes les images de la file d’attente, sauf celle en cours d’optimisation.</translation>
    </message>
    <message>
        <source>Add files to begin.</source>
        <translation>Ajoutez des fichiers pour commencer.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left to optimize</source>
        <translation>
            <numerusform>%n image reste à optimiser</numerusform>
            <numerusform>%n images restent à optimiser</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QueueRunner</name>
    <message numerus="yes">
        <source>Optimizing %n image(s)…</source>
        <translation>
            <numerusform>Optimisation de %n image…</numerusform>
            <numerusform>Optimisation de %n images…</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped by user.</source>
        <translation>Arrêté par l’utilisateur.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêtée.</translation>
    </message>
    <message>
        <source>Sending to Tovalin…</source>
        <translation>Envoi à Tovalin…</translation>
    </message>
    <message>
        <source>The image could not be optimized.</source>
        <translation>L’image n’a pas pu être optimisée.</translation>
    </message>
    <message>
        <source>Optimized and saved locally.</source>
        <translation>Optimisée et enregistrée localement.</translation>
    </message>
    <message>
        <source>Image is being optimized…</source>
        <translation>Optimisation de l’image en cours…</translation>
    </message>
</context>
<context>
    <name>ResizeMode</name>
    <message>
        <source>No resize</source>
        <translation>Inchangée</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Contain</source>
        <translation>Ajuster</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) optimized</source>
        <translation>
            <numerusform>%n image optimisée</numerusform>
            <numerusform>%n images optimisées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n en échec</numerusform>
            <numerusform>%n en échec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n arrêtée</numerusform>
            <numerusform>%n arrêtées</numerusform>
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
        <translation>Aide&#xa0;: %1</translation>
    </message>
    <message>
        <source>Opens the article in the web browser.</source>
        <translation>Ouvre l’article dans le navigateur web.</translation>
    </message>
    <message>
        <source>API Key</source>
        <translation>Clé d’API</translation>
    </message>
    <message>
        <source>(Get an API Key)</source>
        <translation>(Obtenir une clé d’API)</translation>
    </message>
    <message>
        <source>Your 20-character API key</source>
        <translation>Votre clé d’API de 20 caractères</translation>
    </message>
    <message>
        <source>The API key of your Tovalin account. It is kept for the next start.</source>
        <translation>La clé d’API de votre compte Tovalin. Elle est conservée pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>Hide key</source>
        <translation>Masquer la clé</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>Afficher la clé</translation>
    </message>
    <message>
        <source>Masks the API key again.</source>
        <translation>Masque de nouveau la clé d’API.</translation>
    </message>
    <message>
        <source>Shows the API key in plain text.</source>
        <translation>Affiche la clé d’API en clair.</translation>
    </message>
    <message>
        <source>Densora Level</source>
        <translation>Niveau Densora</translation>
    </message>
    <message>
        <source>Learn about Lossy, Glossy, and Lossless</source>
        <translation>En savoir plus sur Lossy, Glossy et Lossless</translation>
    </message>
    <message>
        <source>Compression levels</source>
        <translation>Niveaux de compression</translation>
    </message>
    <message>
        <source>how strongly images are compressed</source>
        <translation>à quel point les images sont compressées</translation>
    </message>
    <message>
        <source>Next Generation Images</source>
        <translation>Images de nouvelle génération</translation>
    </message>
    <message>
        <source>Create WebP (+ keep original)</source>
        <translation>Créer un WebP (+ garder l’original)</translation>
    </message>
    <message>
        <source>Also saves a WebP version beside each image.</source>
        <translation>Enregistre aussi une version WebP à côté de chaque image.</translation>
    </message>
    <message>
        <source>Create AVIF (+ keep original)</source>
        <translation>Créer un AVIF (+ garder l’original)</translation>
    </message>
    <message>
        <source>Also saves an AVIF version beside each image.</source>
        <translation>Enregistre aussi une version AVIF à côté de chaque image.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Learn how Tovalin resizes images automatically</source>
        <translation>Découvrir comment Tovalin redimensionne les images automatiquement</translation>
    </message>
    <message>
        <source>how images are fitted to the width and height</source>
        <translation>comment les images sont adaptées à la largeur et à la hauteur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Target width in pixels.</source>
        <translation>Largeur cible en pixels.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Target height in pixels.</source>
        <translation>Hauteur cible en pixels.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Convert CMYK to RGB</source>
        <translation>Convertir CMJN en RVB</translation>
    </message>
    <message>
        <source>Print colors are turned into screen colors.</source>
        <translation>Les couleurs d’impression sont converties en couleurs d’écran.</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Supprimer l’arrière-plan</translation>
    </message>
    <message>
        <source>The service cuts the subject out of its background.</source>
        <translation>Le service détoure le sujet.</translation>
    </message>
    <message>
        <source>Keep EXIF</source>
        <translation>Conserver les EXIF</translation>
    </message>
    <message>
        <source>Camera data such as date and place stay in the image.</source>
        <translation>Les données de l’appareil, comme la date et le lieu, restent dans l’image.</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>How many times larger the service makes each image.</source>
        <translation>Combien de fois le service agrandit chaque image.</translation>
    </message>
    <message>
        <source>Add images or folders…</source>
        <translation>Ajouter des images ou des dossiers…</translation>
    </message>
    <message>
        <source>Chooses images and folders to queue. They can also be dropped on the window.</source>
        <translation>Choisit des images et des dossiers à mettre en file d’attente. Ils peuvent aussi être déposés sur la fenêtre.</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimiser</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stops the run; the image in progress is marked stopped.</source>
        <translation>Arrête le traitement&#xa0;; l’image en cours est marquée comme arrêtée.</translation>
    </message>
    <message>
        <source>Contact us with any issues, bug reports, or questions.</source>
        <translation>Contactez-nous pour tout problème, rapport de bogue ou question.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>À propos de Tovalin Image Optimizer</translation>
    </message>
    <message>
        <source>Optimizes every image in the queue with the options above.</source>
        <translation>Optimise chaque image de la file d’attente avec les options ci-dessus.</translation>
    </message>
    <message>
        <source>Enter an API key and add images first.</source>
        <translation>Saisissez d’abord une clé d’API et ajoutez des images.</translation>
    </message>
    <message>
        <source>Enter an API key first.</source>
        <translation>Saisissez d’abord une clé d’API.</translation>
    </message>
    <message>
        <source>Add images first.</source>
        <translation>Ajoutez d’abord des images.</translation>
    </message>
    <message>
        <source>Images are being optimized.</source>
        <translation>Les images sont en cours d’optimisation.</translation>
    </message>
    <message>
        <source>Images at once</source>
        <translation>Images simultanées</translation>
    </message>
    <message>
        <source>How many images are with the service at the same time.</source>
        <translation>Nombre d’images traitées en même temps par le service.</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>Nothing saved</source>
        <translation>Aucune économie</translation>
    </message>
    <message>
        <source>Saved %1 of %2</source>
        <translation>%1 économisés sur %2</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Turns while images are being optimized.</source>
        <translation>Tourne pendant l’optimisation des images.</translation>
    </message>
</context>
<context>
    <name>TovalinError</name>
    <message>
        <source>(binary)</source>
        <translation>(binaire)</translation>
    </message>
    <message>
        <source>Unexpected API response: %1</source>
        <translation>Réponse inattendue de l’API&#xa0;: %1</translation>
    </message>
    <message>
        <source>Failed to encode parameters.</source>
        <translation>Impossible d’encoder les paramètres.</translation>
    </message>
    <message>
        <source>Tovalin did not return any data.</source>
        <translation>Tovalin n’a renvoyé aucune donnée.</translation>
    </message>
    <message>
        <source>No download URL returned for this configuration.</source>
        <translation>Aucune adresse de téléchargement n’a été renvoyée pour cette configuration.</translation>
    </message>
    <message>
        <source>Could not save the optimized file.</source>
        <translation>Impossible d’enregistrer le fichier optimisé.</translation>
    </message>
    <message>
        <source>Could not download the optimized file (HTTP status %1).</source>
        <translation>Impossible de télécharger le fichier optimisé (statut HTTP %1).</translation>
    </message>
    <message>
        <source>Could not download the optimized file (empty response).</source>
        <translation>Impossible de télécharger le fichier optimisé (réponse vide).</translation>
    </message>
</context>
<context>
    <name>TransportError</name>
    <message>
        <source>The connection timed out: no data moved for %1 seconds.</source>
        <translation>Délai de connexion dépassé&#xa0;: aucune donnée n’a circulé pendant %1 secondes.</translation>
    </message>
    <message>
        <source>The reply is larger than %1, the most this program accepts.</source>
        <translation>La réponse dépasse %1, la taille maximale acceptée par ce programme.</translation>
    </message>
    <message>
        <source>The server “%1” could not be found.</source>
        <translation>Le serveur «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <source>The proxy server could not be found.</source>
        <translation>Le serveur proxy est introuvable.</translation>
    </message>
    <message>
        <source>Could not connect to the server “%1”.</source>
        <translation>Impossible de se connecter au serveur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The secure connection to “%1” could not be established: %2.</source>
        <translation>La connexion sécurisée à «&#xa0;%1&#xa0;» n’a pas pu être établie&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The service redirected the request to an address it may not go to.</source>
        <translation>Le service a redirigé la requête vers une adresse qui n’est pas autorisée.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Trop de redirections.</translation>
    </message>
    <message>
        <source>The connection to the service was closed before it answered.</source>
        <translation>La connexion au service a été fermée avant sa réponse.</translation>
    </message>
    <message>
        <source>The connection was closed before the whole reply arrived.</source>
        <translation>La connexion a été fermée avant l’arrivée de la réponse complète.</translation>
    </message>
    <message>
        <source>Refused to connect to “%1”: only secure (https) addresses are allowed.</source>
        <translation>Connexion à «&#xa0;%1&#xa0;» refusée&#xa0;: seules les adresses sécurisées (https) sont autorisées.</translation>
    </message>
    <message>
        <source>The connection could not be set up.</source>
        <translation>La connexion n’a pas pu être établie.</translation>
    </message>
</context>
<context>
    <name>UpscaleFactor</name>
    <message>
        <source>No upscale</source>
        <translation>Pas d’agrandissement</translation>
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
