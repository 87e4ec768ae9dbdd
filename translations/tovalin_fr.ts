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
    <name>ApiKeySource</name>
    <message>
        <source>cannot read the key file %1: %2.</source>
        <translation>impossible de lire le fichier de clé %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>warning: the key file %1 can be read by other users; make it yours only with: chmod 600 %1</source>
        <translation>avertissement&#xa0;: le fichier de clé %1 est lisible par d’autres utilisateurs&#xa0;; réservez-le à vous seul avec&#xa0;: chmod 600 %1</translation>
    </message>
    <message>
        <source>the key file %1 is too large to hold an API key.</source>
        <translation>le fichier de clé %1 est trop volumineux pour contenir une clé d’API.</translation>
    </message>
    <message>
        <source>the key file %1 holds no API key.</source>
        <translation>le fichier de clé %1 ne contient aucune clé d’API.</translation>
    </message>
    <message>
        <source>the key stored by the window is sent only to the service this program was built for; with --service-url give the key with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>la clé enregistrée par la fenêtre n’est envoyée qu’au service pour lequel ce programme a été compilé&#xa0;; avec --service-url, donnez la clé avec --api-key-file FICHIER ou la variable d’environnement TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>no API key: give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY, or enter it in the Tovalin Image Optimizer window.</source>
        <translation>aucune clé d’API&#xa0;: donnez-la avec --api-key-file FICHIER ou la variable d’environnement TOVALIN_API_KEY, ou saisissez-la dans la fenêtre de Tovalin Image Optimizer.</translation>
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
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Compression: lossy (the default), glossy or lossless.</source>
        <translation>Compression&#xa0;: lossy (par défaut), glossy ou lossless.</translation>
    </message>
    <message>
        <source>level</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>niveau</translation>
    </message>
    <message>
        <source>Also save a WebP version (the default).</source>
        <translation>Enregistrer aussi une version WebP (par défaut).</translation>
    </message>
    <message>
        <source>Save no WebP version.</source>
        <translation>Ne pas enregistrer de version WebP.</translation>
    </message>
    <message>
        <source>Also save an AVIF version.</source>
        <translation>Enregistrer aussi une version AVIF.</translation>
    </message>
    <message>
        <source>Save no AVIF version (the default).</source>
        <translation>Ne pas enregistrer de version AVIF (par défaut).</translation>
    </message>
    <message>
        <source>Fit each image to --width and --height: cover or contain.</source>
        <translation>Adapter chaque image à --width et --height&#xa0;: cover ou contain.</translation>
    </message>
    <message>
        <source>mode</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>mode</translation>
    </message>
    <message>
        <source>Width to resize to, in pixels.</source>
        <translation>Largeur cible en pixels.</translation>
    </message>
    <message>
        <source>Height to resize to, in pixels.</source>
        <translation>Hauteur cible en pixels.</translation>
    </message>
    <message>
        <source>Upscale by 2, 3 or 4.</source>
        <translation>Agrandir d’un facteur 2, 3 ou 4.</translation>
    </message>
    <message>
        <source>factor</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>facteur</translation>
    </message>
    <message>
        <source>Remove the background.</source>
        <translation>Supprimer l’arrière-plan.</translation>
    </message>
    <message>
        <source>Keep the EXIF data.</source>
        <translation>Conserver les données EXIF.</translation>
    </message>
    <message>
        <source>Leave CMYK images in CMYK (they are converted to RGB by default).</source>
        <translation>Laisser les images CMJN en CMJN (elles sont converties en RVB par défaut).</translation>
    </message>
    <message>
        <source>Read the API key from &lt;file&gt; (see &quot;API key&quot; below).</source>
        <translation>Lire la clé d’API dans &lt;fichier&gt; (voir la rubrique Clé d’API ci-dessous).</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>fichier</translation>
    </message>
    <message>
        <source>url</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>url</translation>
    </message>
    <message>
        <source>Also trust the PEM certificates in &lt;file&gt; for --service-url.</source>
        <translation>Faire aussi confiance aux certificats PEM de &lt;fichier&gt; pour --service-url.</translation>
    </message>
    <message>
        <source>Keep up to &lt;N&gt; images with the service at once, 1 to %1 (4 by default).</source>
        <translation>Confier jusqu’à &lt;N&gt; images à la fois au service, de 1 à %1 (4 par défaut).</translation>
    </message>
    <message>
        <source>Take only share &lt;K/N&gt; of the images, for N processes that together handle every image once (see &quot;Sharing the work&quot; below).</source>
        <translation>Ne prendre que la part &lt;K/N&gt; des images, pour N processus qui traitent ensemble chaque image une fois (voir la rubrique Partager le travail ci-dessous).</translation>
    </message>
    <message>
        <source>Print one JSON object per image instead of the table.</source>
        <translation>Afficher un objet JSON par image au lieu du tableau.</translation>
    </message>
    <message>
        <source>Print no progress.</source>
        <translation>Ne pas afficher la progression.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>CHEMIN</translation>
    </message>
    <message>
        <source>Image files, and folders to search.</source>
        <translation>Fichiers d’images et dossiers à parcourir.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>CHEMIN...</translation>
    </message>
    <message>
        <source>the API key is never taken from the command line, where other users could see it in the process list; give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>la clé d’API n’est jamais prise sur la ligne de commande, où d’autres utilisateurs pourraient la voir dans la liste des processus&#xa0;; donnez-la avec --api-key-file FICHIER ou la variable d’environnement TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>--level must be lossy, glossy or lossless, not %1.</source>
        <translation>--level doit valoir lossy, glossy ou lossless, et non %1.</translation>
    </message>
    <message>
        <source>--resize must be cover or contain, not %1.</source>
        <translation>--resize doit valoir cover ou contain, et non %1.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number of pixels, 1 or more, not %2.</source>
        <translation>--%1 doit être un nombre entier de pixels, 1 ou plus, et non %2.</translation>
    </message>
    <message>
        <source>--width and --height need --resize cover or --resize contain.</source>
        <translation>--width et --height nécessitent --resize cover ou --resize contain.</translation>
    </message>
    <message>
        <source>--resize needs --width, --height or both.</source>
        <translation>--resize nécessite --width, --height ou les deux.</translation>
    </message>
    <message>
        <source>--upscale must be 2, 3 or 4, not %1.</source>
        <translation>--upscale doit valoir 2, 3 ou 4, et non %1.</translation>
    </message>
    <message>
        <source>--api-key-file needs the name of a file.</source>
        <translation>--api-key-file nécessite un nom de fichier.</translation>
    </message>
    <message>
        <source>--service-url must be an https address such as https://host:port, not %1.</source>
        <translation>--service-url doit être une adresse https comme https://host:port, et non %1.</translation>
    </message>
    <message>
        <source>--ca-file is only for the service given with --service-url.</source>
        <translation>--ca-file ne sert qu’au service donné avec --service-url.</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to %1, not %2.</source>
        <translation>--jobs doit être un nombre entier de 1 à %1, et non %2.</translation>
    </message>
    <message>
        <source>--shard must be K/N with K from 1 to N, such as 2/4, not %1.</source>
        <translation>--shard doit être de la forme K/N avec K de 1 à N, comme 2/4, et non %1.</translation>
    </message>
    <message>
        <source>no images or folders given.</source>
        <translation>aucune image ni aucun dossier indiqué.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] PATH...</source>
        <translation>Utilisation&#xa0;: %1 [options] CHEMIN...</translation>
    </message>
    <message>
        <source>Several at once:
  Up to --jobs images are with the service at once. Two images whose results would share a
  file name are never sent together.
</source>
        <translation>Plusieurs à la fois&#xa0;:
  Jusqu’à --jobs images sont confiées au service en même temps. Deux images dont les résultats
  auraient le même nom de fichier ne sont jamais envoyées ensemble.
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
        <translation>Partager le travail&#xa0;:
  --shard K/N prend la K-ième des N parts des images trouvées, choisies par un hachage du chemin
  de chaque image relatif au dossier donné (pour un fichier donné seul&#xa0;: son chemin tel que donné).
  N processus recevant les mêmes chemins et --shard 1/N à N/N traitent chaque image exactement une
  fois, sur une machine ou sur plusieurs, par exemple avec GNU parallel&#xa0;:
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</translation>
    </message>
    <message>
        <source>Send every image, also those whose results are up to date.</source>
        <translation>Envoyer toutes les images, même celles dont les résultats sont à jour.</translation>
    </message>
    <message>
        <source>List what would be sent and what would be skipped; send nothing.</source>
        <translation>Lister ce qui serait envoyé et ce qui serait ignoré, sans rien envoyer.</translation>
    </message>
    <message>
        <source>Reruns:
  Every result carries a mark naming its source and the settings it was made with. Results
  found in a folder are never taken for images to optimize, and an image whose results are
  all there, made from the image as it is now with the same settings, is skipped (&quot;Already
  optimized.&quot;). --force sends it anyway. Where the file system keeps no marks, nothing is
  skipped. --dry-run lists what would be sent and what skipped.
</source>
        <translation>Nouvelles exécutions :
  Chaque résultat porte une marque indiquant sa source et les réglages avec lesquels il a été
  produit. Les résultats trouvés dans un dossier ne sont jamais pris pour des images à optimiser,
  et une image dont tous les résultats sont là, produits à partir de l’image telle qu’elle est
  avec les mêmes réglages, est ignorée (« Déjà optimisée. »). --force l’envoie quand même. Là où
  le système de fichiers ne conserve pas de marques, rien n’est ignoré. --dry-run liste ce qui
  serait envoyé et ce qui serait ignoré.
</translation>
    </message>
    <message>
        <source>Optimize on this computer (local, no key needed) or through the Tovalin service (service, with your API key); %1 by default.</source>
        <translation>Optimiser sur cet ordinateur (local, sans clé) ou avec le service Tovalin (service, avec votre clé d’API) ; par défaut : %1.</translation>
    </message>
    <message>
        <source>engine</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>moteur</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (https only) instead of the one this program was built for; implies --engine service. The key must then come from --api-key-file or TOVALIN_API_KEY.</source>
        <translation>Utiliser le service à l’adresse &lt;url&gt; (https uniquement) au lieu de celui pour lequel ce programme a été compilé ; implique --engine service. La clé doit alors venir de --api-key-file ou de TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>Optimizes images on this computer or through the Tovalin service and saves the results
beside them: photo.jpg gives photo-optimized.jpg, and photo.webp or photo.avif when
asked for. Folders are searched for images. The source images are never changed.</source>
        <translation>Optimise les images sur cet ordinateur ou avec le service Tovalin et enregistre les résultats
à côté&#xa0;: photo.jpg donne photo-optimized.jpg, et photo.webp ou photo.avif sur demande.
Les dossiers sont parcourus à la recherche d’images. Les images sources ne sont jamais modifiées.</translation>
    </message>
    <message>
        <source>--engine must be local or service, not %1.</source>
        <translation>--engine doit valoir local ou service, et non %1.</translation>
    </message>
    <message>
        <source>--service-url is for --engine service.</source>
        <translation>--service-url ne vaut que pour --engine service.</translation>
    </message>
    <message>
        <source>Engines:
  local    the engine on this computer: started by this command for its run and ended with it,
           offline, no account or key; the images never leave this computer.
  service  the Tovalin service, with the API key of your account.
  Without --engine: %1, or service with --service-url.
</source>
        <translation>Moteurs&#xa0;:
  local    le moteur de cet ordinateur : lancé par cette commande pour son traitement et arrêté
           avec elle, hors ligne, sans compte ni clé ; les images ne quittent jamais cet ordinateur.
  service  le service Tovalin, avec la clé d’API de votre compte.
  Sans --engine : %1, ou service avec --service-url.
</translation>
    </message>
    <message>
        <source>API key:
  Only the Tovalin service needs one. Taken from --api-key-file FILE, else from the environment
  variable TOVALIN_API_KEY, else the key stored by the Tovalin Image Optimizer window. It is never
  taken from the command line and never printed. A key file should be readable by you only
  (chmod 600 FILE).
</source>
        <translation>Clé d’API&#xa0;:
  Seul le service Tovalin en demande une. Prise dans --api-key-file FICHIER, sinon dans la variable
  d’environnement TOVALIN_API_KEY, sinon la clé enregistrée par la fenêtre de Tovalin Image
  Optimizer. Elle n’est jamais prise sur la ligne de commande ni jamais affichée. Un fichier de clé
  ne devrait être lisible que par vous (chmod 600 FICHIER).
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
        <translation>Code de retour :
  0    toutes les images ont été optimisées ou étaient à jour
  1    au moins une image a échoué
  2    erreur d’utilisation : une option incorrecte, ou aucune clé d’API pour le service
  130  interrompu (Ctrl-C) ; 129 et 143 après SIGHUP et SIGTERM

  Une interruption arrête le traitement comme le bouton Arrêter de la fenêtre : les transferts
  en cours sont interrompus, rien ne reste à moitié écrit, et les images non atteintes sont
  signalées comme arrêtées. Une seconde interruption quitte immédiatement.
</translation>
    </message>
    <message>
        <source>Examples:
  %1 --level glossy --avif ~/Pictures/holiday
  TOVALIN_API_KEY=... %1 --engine service ~/Pictures/holiday
</source>
        <translation>Exemples&#xa0;:
  %1 --level glossy --avif ~/Images/vacances
  TOVALIN_API_KEY=... %1 --engine service ~/Images/vacances
</translation>
    </message>
    <message>
        <source>Save the results in &lt;folder&gt; instead of beside the images (see &quot;Output&quot; below).</source>
        <translation>Enregistrer les résultats dans &lt;dossier&gt; au lieu de les placer à côté des images (voir «&#xa0;Sortie&#xa0;» plus bas).</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Give every result the modification time of its image (the default).</source>
        <translation>Donner à chaque résultat la date de modification de son image (par défaut).</translation>
    </message>
    <message>
        <source>Leave every result dated by when it was saved.</source>
        <translation>Laisser chaque résultat daté du moment où il a été enregistré.</translation>
    </message>
    <message>
        <source>--output-dir needs the name of a folder.</source>
        <translation>--output-dir demande le nom d’un dossier.</translation>
    </message>
    <message>
        <source>--output-dir must be a folder, not %1.</source>
        <translation>--output-dir doit être un dossier, pas %1.</translation>
    </message>
    <message>
        <source>Output:
  Results go beside their images, or with --output-dir DIR into DIR: the tree under each folder
  given is mirrored there, and an image given by itself goes to its top. Each result has the
  modification time of its image (--no-keep-dates: the time it was saved).
  Progress goes to standard error: one redrawn line on a terminal, otherwise one line per image.
  The table of results, or with --json one JSON object per image, goes to standard output.
</source>
        <translation>Sortie&#xa0;:
  Les résultats vont à côté de leurs images, ou avec --output-dir DIR dans DIR&#xa0;: l’arborescence
  sous chaque dossier donné y est reproduite, et une image donnée seule va à sa racine. Chaque
  résultat a la date de modification de son image (--no-keep-dates&#xa0;: celle de son enregistrement).
  La progression va sur la sortie d’erreur standard&#xa0;: une ligne redessinée dans un terminal, sinon
  une ligne par image. Le tableau des résultats, ou avec --json un objet JSON par image, va sur la
  sortie standard.
</translation>
    </message>
    <message>
        <source>Stay, and optimize each image that appears or changes in the folders given once it has been written (see &quot;Watching&quot; below).</source>
        <translation>Rester actif et optimiser chaque image qui apparaît ou change dans les dossiers donnés, une fois écrite (voir «&#xa0;Surveillance&#xa0;» plus bas).</translation>
    </message>
    <message>
        <source>--watch cannot be combined with --%1.</source>
        <translation>--watch ne peut pas être combiné avec --%1.</translation>
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
        <translation>Surveillance&#xa0;:
  --watch DOSSIER... optimise d’abord ce qui est à faire dans les dossiers, puis reste actif&#xa0;:
  une image qui y apparaît ou y change, y compris dans un dossier créé plus tard, est optimisée
  dès que rien n’y a été écrit pendant une demi-seconde. Ce qui est à jour est ignoré comme lors
  d’une nouvelle exécution, et les résultats de ce programme ne sont jamais pris pour des
  images. Le résultat de chaque image est affiché dès qu’elle est terminée (avec --json, un
  objet JSON par image sur la sortie standard). Ctrl+C ou SIGTERM arrête l’exécution en cours
  comme une interruption et termine la surveillance avec le code 0.
</translation>
    </message>
</context>
<context>
    <name>CompareCanvas</name>
    <message>
        <source>Original and result</source>
        <translation>Original et résultat</translation>
    </message>
    <message>
        <source>Split view, the original left of the divider.</source>
        <translation>Vue partagée, l’original à gauche du séparateur.</translation>
    </message>
    <message>
        <source>Side by side, the original on the left.</source>
        <translation>Côte à côte, l’original à gauche.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Zoom %1&#xa0;%.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture, Shift with Left and Right moves the divider; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Les flèches déplacent l’image, Maj avec Gauche et Droite déplace le séparateur ; plus et moins zooment, 0 ajuste, 1 et 2 affichent 100&#xa0;% et 200&#xa0;%.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Les flèches déplacent l’image ; plus et moins zooment, 0 ajuste, 1 et 2 affichent 100&#xa0;% et 200&#xa0;%.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Partagé</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Côte à côte</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>the result over the original with a divider, or beside it</source>
        <translation>le résultat sur l’original avec un séparateur, ou à côté</translation>
    </message>
    <message>
        <source>Zoom out (−)</source>
        <translation>Zoom arrière (−)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom in (+)</source>
        <translation>Zoom avant (+)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>The whole picture in the window (0)</source>
        <translation>L’image entière dans la fenêtre (0)</translation>
    </message>
    <message>
        <source>One pixel of the picture to a pixel of the screen (1)</source>
        <translation>Un pixel de l’image pour un pixel de l’écran (1)</translation>
    </message>
    <message>
        <source>Each pixel of the picture as two of the screen (2)</source>
        <translation>Chaque pixel de l’image sur deux pixels de l’écran (2)</translation>
    </message>
    <message>
        <source>The structural similarity (SSIM) of the result to the original, over red, green and blue: 1 for the same picture, lower as they drift apart.</source>
        <translation>La similarité structurelle (SSIM) du résultat avec l’original, sur le rouge, le vert et le bleu : 1 pour la même image, moins à mesure qu’elles s’écartent.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Compare “%1”</source>
        <translation>Comparer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>which saved file is shown against the original</source>
        <translation>quel fichier enregistré est montré face à l’original</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2&#xa0;px</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>The original and the %1 image</source>
        <translation>L’original et l’image «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The original could not be read.</source>
        <translation>L’original n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation>Ce fichier n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>Measuring similarity…</source>
        <translation>Mesure de la similarité…</translation>
    </message>
    <message>
        <source>Similarity %1 (SSIM)</source>
        <translation>Similarité %1 (SSIM)</translation>
    </message>
    <message>
        <source>Similarity could not be measured.</source>
        <translation>La similarité n’a pas pu être mesurée.</translation>
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
        <translation>[clé d’API]</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Selected Images</source>
        <translation>Images sélectionnées</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Enter compares a done image with its result, the Menu key lists what can be done with the current image, and Space removes it. Images and folders can be dropped here.</source>
        <translation>La file d’attente : une ligne par image avec son état, son message et ses fichiers enregistrés. Entrée compare une image terminée avec son résultat, la touche Menu liste ce qui peut être fait avec l’image courante, et Espace la retire. Des images et des dossiers peuvent être déposés ici.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>On this computer</source>
        <translation>Sur cet ordinateur</translation>
    </message>
    <message>
        <source>Tovalin service</source>
        <translation>Service Tovalin</translation>
    </message>
</context>
<context>
    <name>EngineProcess</name>
    <message>
        <source>no answer within %1 seconds.</source>
        <translation>aucune réponse en %1 secondes.</translation>
    </message>
    <message>
        <source>it ended unexpectedly.</source>
        <translation>il s’est arrêté de façon inattendue.</translation>
    </message>
    <message>
        <source>it ended with status %1.</source>
        <translation>il s’est terminé avec le code %1.</translation>
    </message>
    <message>
        <source>it did not say where it listens.</source>
        <translation>il n’a pas indiqué où le joindre.</translation>
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
    <message>
        <source>Not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being optimized; nothing was saved for it.</source>
        <translation>«&#xa0;%1&#xa0;» a été supprimé pendant l’optimisation&#xa0;; rien n’a été enregistré pour ce fichier.</translation>
    </message>
    <message>
        <source>Cannot write to “%1”.</source>
        <translation>Impossible d’écrire dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No name is free for the results in “%1”.</source>
        <translation>Aucun nom n’est libre pour les résultats dans «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Folder for the Results</source>
        <translation>Dossier des résultats</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>The image could not be read.</source>
        <translation>L’image n’a pas pu être lue.</translation>
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
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Ouvrir «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <translation>Afficher «&#xa0;%1&#xa0;» dans le dossier</translation>
    </message>
    <message>
        <source>Remove from Queue</source>
        <translation>Retirer de la file d’attente</translation>
    </message>
    <message numerus="yes">
        <source>Optimize %n Again</source>
        <translation>
            <numerusform>Optimiser à nouveau %n image</numerusform>
            <numerusform>Optimiser à nouveau %n images</numerusform>
        </translation>
    </message>
    <message>
        <source>Optimize Again</source>
        <translation>Optimiser à nouveau</translation>
    </message>
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>Retirer de la file d’attente</translation>
    </message>
    <message>
        <source>Double-click or press Enter to compare with the original</source>
        <translation>Double-cliquez ou appuyez sur Entrée pour comparer avec l’original</translation>
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
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Opens the Tovalin Image Optimizer window with the given images queued; folders are
searched for images. When the window is already open, they join its queue and the
window is brought to the front.</source>
        <translation>Ouvre la fenêtre de Tovalin Image Optimizer avec les images données dans la file
d’attente&#xa0;; les dossiers sont parcourus à la recherche d’images. Si la fenêtre est
déjà ouverte, elles rejoignent sa file et la fenêtre passe au premier plan.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>CHEMIN</translation>
    </message>
    <message>
        <source>Image files and folders, as paths or file: URIs.</source>
        <translation>Fichiers image et dossiers, en chemins ou en URI file:.</translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>[CHEMIN...]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [PATH...]</source>
        <translation>Utilisation&#xa0;: %1 [options] [CHEMIN...]</translation>
    </message>
    <message>
        <source>tovalin-image-optimizer: %1 is not on this computer; only local files and folders can be queued.</source>
        <translation>tovalin-image-optimizer&#xa0;: %1 n’est pas sur cet ordinateur&#xa0;; seuls les fichiers et dossiers locaux peuvent être mis en file d’attente.</translation>
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
    <name>LocalEngine</name>
    <message>
        <source>The optimizer on this computer could not be started: %1</source>
        <translation>L’optimiseur de cet ordinateur n’a pas pu être lancé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the program is closing.</source>
        <translation>le programme se ferme.</translation>
    </message>
    <message>
        <source>The optimizer on this computer is missing: %1 is not installed beside this program.</source>
        <translation>L’optimiseur de cet ordinateur est absent&#xa0;: %1 n’est pas installé à côté de ce programme.</translation>
    </message>
    <message>
        <source>The optimizer on this computer stopped unexpectedly; the next image starts it again.</source>
        <translation>L’optimiseur de cet ordinateur s’est arrêté de façon inattendue ; l’image suivante le relance.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fermer la fenêtre</translation>
    </message>
</context>
<context>
    <name>OptimizeCommand</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Saisissez «&#xa0;%1 --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>no PEM certificate could be read from %1.</source>
        <translation>aucun certificat PEM n’a pu être lu dans %1.</translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>arrêt en cours&#xa0;; interrompez de nouveau pour quitter immédiatement.</translation>
    </message>
    <message>
        <source>no images found in the given folders.</source>
        <translation>aucune image trouvée dans les dossiers indiqués.</translation>
    </message>
    <message>
        <source>the file system of %1 keeps no marks on files, so images there are sent even when their results are up to date.</source>
        <translation>le système de fichiers de %1 ne conserve pas de marques sur les fichiers : les images qui s’y trouvent sont envoyées même quand leurs résultats sont à jour.</translation>
    </message>
    <message>
        <source>warning: the key file is only for the Tovalin service; these images are optimized on this computer (--engine service sends them to the service).</source>
        <translation>avertissement&#xa0;: le fichier de clé ne sert qu’au service Tovalin ; ces images sont optimisées sur cet ordinateur (--engine service les envoie au service).</translation>
    </message>
    <message>
        <source>--watch takes folders; %1 is not one.</source>
        <translation>--watch prend des dossiers&#xa0;; %1 n’en est pas un.</translation>
    </message>
</context>
<context>
    <name>OutputKind</name>
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
    <name>ProgressReporter</name>
    <message>
        <source>almost done</source>
        <translation>presque terminé</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>encore environ %1</translation>
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
    <message>
        <source>Enter your API key to begin.</source>
        <translation>Saisissez votre clé d’API pour commencer.</translation>
    </message>
    <message>
        <source>Press Optimize to begin.</source>
        <translation>Cliquez sur «&#xa0;Optimiser&#xa0;» pour commencer.</translation>
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
    <message>
        <source>“%1” is not this program&apos;s and was kept; this one is “%2”.</source>
        <translation>« %1 » n’a pas été créé par ce programme et a été conservé ; ce résultat est « %2 ».</translation>
    </message>
    <message>
        <source>Every image is already optimized.</source>
        <translation>Toutes les images sont déjà optimisées.</translation>
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
    <name>RunProgress</name>
    <message>
        <source>Progress of the run</source>
        <translation>Avancement du traitement</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>ÉTAT</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>AVANT</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>APRÈS</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>VARIATION</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MESSAGE</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêtée.</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 image</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n terminée</numerusform>
            <numerusform>%n terminées</numerusform>
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
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the images counted: how they ended</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorée</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>À faire</translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n ignorée</numerusform>
            <numerusform>%n ignorées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n à faire</numerusform>
            <numerusform>%n à faire</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 needs a width, a height or both.</source>
        <translation>«&#xa0;%1&#xa0;» demande une largeur, une hauteur ou les deux.</translation>
    </message>
    <message>
        <source>The width must be a whole number of pixels, 1 or more.</source>
        <translation>La largeur doit être un nombre entier de pixels, au moins 1.</translation>
    </message>
    <message>
        <source>The height must be a whole number of pixels, 1 or more.</source>
        <translation>La hauteur doit être un nombre entier de pixels, au moins 1.</translation>
    </message>
    <message>
        <source>The width and the height must be whole numbers of pixels, 1 or more.</source>
        <translation>La largeur et la hauteur doivent être des nombres entiers de pixels, au moins 1.</translation>
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
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>where the images are optimized</source>
        <translation>où les images sont optimisées</translation>
    </message>
    <message>
        <source>Watch added folders</source>
        <translation>Surveiller les dossiers ajoutés</translation>
    </message>
    <message>
        <source>New images in the folders you added are queued as they appear.</source>
        <translation>Les nouvelles images des dossiers ajoutés sont mises en file d’attente dès qu’elles apparaissent.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Where results go</source>
        <translation>Emplacement des résultats</translation>
    </message>
    <message>
        <source>Beside the originals</source>
        <translation>À côté des originaux</translation>
    </message>
    <message>
        <source>In a folder…</source>
        <translation>Dans un dossier…</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Conserver les dates des fichiers</translation>
    </message>
    <message>
        <source>Every result gets the modification time of its original.</source>
        <translation>Chaque résultat reçoit la date de modification de son original.</translation>
    </message>
    <message>
        <source>Results are saved in %1.</source>
        <translation>Les résultats sont enregistrés dans %1.</translation>
    </message>
    <message>
        <source>Results are saved beside their originals.</source>
        <translation>Les résultats sont enregistrés à côté de leurs originaux.</translation>
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
    <message>
        <source>larger than %1</source>
        <translation>plus lourd que «&#xa0;%1&#xa0;»</translation>
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
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>Presque terminé</translation>
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
        <translation>Encore environ %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
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
    <name>UpToDateJobs</name>
    <message>
        <source>Already optimized.</source>
        <translation>Déjà optimisée.</translation>
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
<context>
    <name>WatchRun</name>
    <message>
        <source>warning: the system lets no more folders be watched (fs.inotify.max_user_watches); images in folders not watched are not seen until the watch starts again.</source>
        <translation>avertissement&#xa0;: le système ne permet pas de surveiller plus de dossiers (fs.inotify.max_user_watches)&#xa0;; les images des dossiers non surveillés ne seront vues qu’au prochain démarrage de la surveillance.</translation>
    </message>
    <message>
        <source>cannot watch %1.</source>
        <translation>impossible de surveiller %1.</translation>
    </message>
    <message numerus="yes">
        <source>watching %n folder(s); stop with Ctrl-C.</source>
        <translation>
            <numerusform>surveillance de %n dossier&#xa0;; arrêt avec Ctrl+C.</numerusform>
            <numerusform>surveillance de %n dossiers&#xa0;; arrêt avec Ctrl+C.</numerusform>
        </translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>arrêt en cours&#xa0;; interrompez de nouveau pour quitter immédiatement.</translation>
    </message>
</context>
</TS>
