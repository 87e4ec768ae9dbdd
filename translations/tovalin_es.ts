<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Optimizes images with the Tovalin service.</source>
        <translation>Optimiza imágenes con el servicio Tovalin.</translation>
    </message>
    <message>
        <source>Released under the %1 licence.</source>
        <translation>Publicado bajo la licencia %1.</translation>
    </message>
    <message>
        <source>Get an API key</source>
        <translation>Obtener una clave de API</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Acerca de Tovalin Image Optimizer</translation>
    </message>
</context>
<context>
    <name>ApiKeySource</name>
    <message>
        <source>cannot read the key file %1: %2.</source>
        <translation>no se puede leer el archivo de clave %1: %2.</translation>
    </message>
    <message>
        <source>warning: the key file %1 can be read by other users; make it yours only with: chmod 600 %1</source>
        <translation>aviso: otros usuarios pueden leer el archivo de clave %1; hágalo legible solo para usted con: chmod 600 %1</translation>
    </message>
    <message>
        <source>the key file %1 is too large to hold an API key.</source>
        <translation>el archivo de clave %1 es demasiado grande para contener una clave de API.</translation>
    </message>
    <message>
        <source>the key file %1 holds no API key.</source>
        <translation>el archivo de clave %1 no contiene ninguna clave de API.</translation>
    </message>
    <message>
        <source>the key stored by the window is sent only to the service this program was built for; with --service-url give the key with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>la clave guardada por la ventana solo se envía al servicio para el que se compiló este programa; con --service-url, indique la clave con --api-key-file ARCHIVO o con la variable de entorno TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>no API key: give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY, or enter it in the Tovalin Image Optimizer window.</source>
        <translation>no hay clave de API: indíquela con --api-key-file ARCHIVO o con la variable de entorno TOVALIN_API_KEY, o introdúzcala en la ventana de Tovalin Image Optimizer.</translation>
    </message>
</context>
<context>
    <name>CancelledError</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>Se canceló la solicitud.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Compression: lossy (the default), glossy or lossless.</source>
        <translation>Compresión: lossy (predeterminada), glossy o lossless.</translation>
    </message>
    <message>
        <source>level</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>nivel</translation>
    </message>
    <message>
        <source>Also save a WebP version (the default).</source>
        <translation>Guardar también una versión WebP (predeterminado).</translation>
    </message>
    <message>
        <source>Save no WebP version.</source>
        <translation>No guardar ninguna versión WebP.</translation>
    </message>
    <message>
        <source>Also save an AVIF version.</source>
        <translation>Guardar también una versión AVIF.</translation>
    </message>
    <message>
        <source>Save no AVIF version (the default).</source>
        <translation>No guardar ninguna versión AVIF (predeterminado).</translation>
    </message>
    <message>
        <source>Fit each image to --width and --height: cover or contain.</source>
        <translation>Ajustar cada imagen a --width y --height: cover o contain.</translation>
    </message>
    <message>
        <source>mode</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>modo</translation>
    </message>
    <message>
        <source>Width to resize to, in pixels.</source>
        <translation>Anchura de destino, en píxeles.</translation>
    </message>
    <message>
        <source>Height to resize to, in pixels.</source>
        <translation>Altura de destino, en píxeles.</translation>
    </message>
    <message>
        <source>Upscale by 2, 3 or 4.</source>
        <translation>Ampliar por un factor de 2, 3 o 4.</translation>
    </message>
    <message>
        <source>factor</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>factor</translation>
    </message>
    <message>
        <source>Remove the background.</source>
        <translation>Quitar el fondo.</translation>
    </message>
    <message>
        <source>Keep the EXIF data.</source>
        <translation>Conservar los datos EXIF.</translation>
    </message>
    <message>
        <source>Leave CMYK images in CMYK (they are converted to RGB by default).</source>
        <translation>Dejar las imágenes CMYK en CMYK (de forma predeterminada se convierten a RGB).</translation>
    </message>
    <message>
        <source>Read the API key from &lt;file&gt; (see &quot;API key&quot; below).</source>
        <translation>Leer la clave de API de &lt;archivo&gt; (véase «Clave de API» más abajo).</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>archivo</translation>
    </message>
    <message>
        <source>url</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>url</translation>
    </message>
    <message>
        <source>Also trust the PEM certificates in &lt;file&gt; for --service-url.</source>
        <translation>Confiar además en los certificados PEM de &lt;archivo&gt; para --service-url.</translation>
    </message>
    <message>
        <source>Keep up to &lt;N&gt; images with the service at once, 1 to %1 (4 by default).</source>
        <translation>Tener hasta &lt;N&gt; imágenes a la vez en el servicio, de 1 a %1 (4 de forma predeterminada).</translation>
    </message>
    <message>
        <source>Take only share &lt;K/N&gt; of the images, for N processes that together handle every image once (see &quot;Sharing the work&quot; below).</source>
        <translation>Tomar solo la parte &lt;K/N&gt; de las imágenes, para N procesos que entre todos tratan cada imagen una vez (véase «Repartir el trabajo» más abajo).</translation>
    </message>
    <message>
        <source>Send every image, also those whose results are up to date.</source>
        <translation>Enviar todas las imágenes, también aquellas cuyos resultados están al día.</translation>
    </message>
    <message>
        <source>List what would be sent and what would be skipped; send nothing.</source>
        <translation>Listar lo que se enviaría y lo que se omitiría, sin enviar nada.</translation>
    </message>
    <message>
        <source>Print one JSON object per image instead of the table.</source>
        <translation>Mostrar un objeto JSON por imagen en lugar de la tabla.</translation>
    </message>
    <message>
        <source>Print no progress.</source>
        <translation>No mostrar el progreso.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>RUTA</translation>
    </message>
    <message>
        <source>Image files, and folders to search.</source>
        <translation>Archivos de imagen y carpetas en las que buscar.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>RUTA...</translation>
    </message>
    <message>
        <source>the API key is never taken from the command line, where other users could see it in the process list; give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>la clave de API nunca se toma de la línea de órdenes, donde otros usuarios podrían verla en la lista de procesos; indíquela con --api-key-file ARCHIVO o con la variable de entorno TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>--level must be lossy, glossy or lossless, not %1.</source>
        <translation>--level debe ser lossy, glossy o lossless, no %1.</translation>
    </message>
    <message>
        <source>--resize must be cover or contain, not %1.</source>
        <translation>--resize debe ser cover o contain, no %1.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number of pixels, 1 or more, not %2.</source>
        <translation>--%1 debe ser un número entero de píxeles, 1 o más, no %2.</translation>
    </message>
    <message>
        <source>--width and --height need --resize cover or --resize contain.</source>
        <translation>--width y --height requieren --resize cover o --resize contain.</translation>
    </message>
    <message>
        <source>--resize needs --width, --height or both.</source>
        <translation>--resize requiere --width, --height o ambos.</translation>
    </message>
    <message>
        <source>--upscale must be 2, 3 or 4, not %1.</source>
        <translation>--upscale debe ser 2, 3 o 4, no %1.</translation>
    </message>
    <message>
        <source>--api-key-file needs the name of a file.</source>
        <translation>--api-key-file requiere el nombre de un archivo.</translation>
    </message>
    <message>
        <source>--service-url must be an https address such as https://host:port, not %1.</source>
        <translation>--service-url debe ser una dirección https como https://host:port, no %1.</translation>
    </message>
    <message>
        <source>--ca-file is only for the service given with --service-url.</source>
        <translation>--ca-file solo sirve para el servicio indicado con --service-url.</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to %1, not %2.</source>
        <translation>--jobs debe ser un número entero de 1 a %1, no %2.</translation>
    </message>
    <message>
        <source>--shard must be K/N with K from 1 to N, such as 2/4, not %1.</source>
        <translation>--shard debe ser K/N con K de 1 a N, como 2/4, no %1.</translation>
    </message>
    <message>
        <source>no images or folders given.</source>
        <translation>no se indicó ninguna imagen ni carpeta.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] PATH...</source>
        <translation>Uso: %1 [opciones] RUTA...</translation>
    </message>
    <message>
        <source>Reruns:
  Every result carries a mark naming its source and the settings it was made with. Results
  found in a folder are never taken for images to optimize, and an image whose results are
  all there, made from the image as it is now with the same settings, is skipped (&quot;Already
  optimized.&quot;). --force sends it anyway. Where the file system keeps no marks, nothing is
  skipped. --dry-run lists what would be sent and what skipped.
</source>
        <translation>Nuevas ejecuciones:
  Cada resultado lleva una marca que indica su origen y los ajustes con los que se creó. Los
  resultados que se encuentran en una carpeta nunca se toman por imágenes que optimizar, y una
  imagen cuyos resultados están todos presentes, creados a partir de la imagen tal como es ahora y
  con los mismos ajustes, se omite («Ya optimizada.»). --force la envía de todos modos. Donde el
  sistema de archivos no guarda marcas, no se omite nada. --dry-run lista lo que se enviaría y lo
  que se omitiría.
</translation>
    </message>
    <message>
        <source>Several at once:
  Up to --jobs images are with the service at once. Two images whose results would share a
  file name are never sent together.
</source>
        <translation>Varias a la vez:
  Hasta --jobs imágenes están a la vez en el servicio. Dos imágenes cuyos resultados compartirían
  un nombre de archivo nunca se envían juntas.
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
        <translation>Repartir el trabajo:
  --shard K/N toma la K-ésima de N partes de las imágenes encontradas, elegidas por un hash de la
  ruta de cada imagen relativa a la carpeta indicada (para un archivo indicado por sí solo: su
  ruta tal como se indicó). N procesos con las mismas rutas y --shard 1/N a N/N tratan cada imagen
  exactamente una vez, en una máquina o en muchas, por ejemplo con GNU parallel:
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</translation>
    </message>
    <message>
        <source>Optimize on this computer (local, no key needed) or through the Tovalin service (service, with your API key); %1 by default.</source>
        <translation>Optimizar en este equipo (local, sin clave) o con el servicio Tovalin (service, con su clave de API); de forma predeterminada, %1.</translation>
    </message>
    <message>
        <source>engine</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>motor</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (https only) instead of the one this program was built for; implies --engine service. The key must then come from --api-key-file or TOVALIN_API_KEY.</source>
        <translation>Usar el servicio en &lt;url&gt; (solo https) en lugar de aquel para el que se compiló este programa; implica --engine service. La clave debe venir entonces de --api-key-file o de TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>Optimizes images on this computer or through the Tovalin service and saves the results
beside them: photo.jpg gives photo-optimized.jpg, and photo.webp or photo.avif when
asked for. Folders are searched for images. The source images are never changed.</source>
        <translation>Optimiza imágenes en este equipo o con el servicio Tovalin y guarda los resultados junto a ellas:
photo.jpg da photo-optimized.jpg, y photo.webp o photo.avif si se piden. En las carpetas se buscan
imágenes. Las imágenes de origen nunca se modifican.</translation>
    </message>
    <message>
        <source>--engine must be local or service, not %1.</source>
        <translation>--engine debe ser local o service, no %1.</translation>
    </message>
    <message>
        <source>--service-url is for --engine service.</source>
        <translation>--service-url solo vale para --engine service.</translation>
    </message>
    <message>
        <source>Engines:
  local    the engine on this computer: started by this command for its run and ended with it,
           offline, no account or key; the images never leave this computer.
  service  the Tovalin service, with the API key of your account.
  Without --engine: %1, or service with --service-url.
</source>
        <translation>Motores:
  local    el motor de este equipo: lo inicia esta orden para su ejecución y termina con ella, sin
           conexión, sin cuenta ni clave; las imágenes nunca salen de este equipo.
  service  el servicio Tovalin, con la clave de API de su cuenta.
  Sin --engine: %1, o service con --service-url.
</translation>
    </message>
    <message>
        <source>API key:
  Only the Tovalin service needs one. Taken from --api-key-file FILE, else from the environment
  variable TOVALIN_API_KEY, else the key stored by the Tovalin Image Optimizer window. It is never
  taken from the command line and never printed. A key file should be readable by you only
  (chmod 600 FILE).
</source>
        <translation>Clave de API:
  Solo la necesita el servicio Tovalin. Se toma de --api-key-file ARCHIVO; si no, de la variable
  de entorno TOVALIN_API_KEY; si no, de la clave guardada por la ventana de Tovalin Image
  Optimizer. Nunca se toma de la línea de órdenes ni se muestra. Un archivo de clave debería ser
  legible solo por usted (chmod 600 ARCHIVO).
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
        <translation>Estado de salida:
  0    todas las imágenes se optimizaron o estaban al día
  1    al menos una imagen falló
  2    error de uso: una opción incorrecta, o ninguna clave de API para el servicio
  130  interrumpido (Ctrl-C); 129 y 143 tras SIGHUP y SIGTERM

  Una interrupción detiene la ejecución como lo hace el botón Detener de la ventana: las
  transferencias en curso se cancelan, nada queda escrito a medias y las imágenes a las que no se
  llegó se indican como detenidas. Una segunda interrupción sale de inmediato.
</translation>
    </message>
    <message>
        <source>Examples:
  %1 --level glossy --avif ~/Pictures/holiday
  TOVALIN_API_KEY=... %1 --engine service ~/Pictures/holiday
</source>
        <translation>Ejemplos:
  %1 --level glossy --avif ~/Imágenes/vacaciones
  TOVALIN_API_KEY=... %1 --engine service ~/Imágenes/vacaciones
</translation>
    </message>
    <message>
        <source>Save the results in &lt;folder&gt; instead of beside the images (see &quot;Output&quot; below).</source>
        <translation>Guardar los resultados en &lt;folder&gt; en lugar de junto a las imágenes (véase «Salida» más abajo).</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Give every result the modification time of its image (the default).</source>
        <translation>Dar a cada resultado la fecha de modificación de su imagen (predeterminado).</translation>
    </message>
    <message>
        <source>Leave every result dated by when it was saved.</source>
        <translation>Dejar cada resultado con la fecha en que se guardó.</translation>
    </message>
    <message>
        <source>--output-dir needs the name of a folder.</source>
        <translation>--output-dir necesita el nombre de una carpeta.</translation>
    </message>
    <message>
        <source>--output-dir must be a folder, not %1.</source>
        <translation>--output-dir debe ser una carpeta, no %1.</translation>
    </message>
    <message>
        <source>Output:
  Results go beside their images, or with --output-dir DIR into DIR: the tree under each folder
  given is mirrored there, and an image given by itself goes to its top. Each result has the
  modification time of its image (--no-keep-dates: the time it was saved).
  Progress goes to standard error: one redrawn line on a terminal, otherwise one line per image.
  The table of results, or with --json one JSON object per image, goes to standard output.
</source>
        <translation>Salida:
  Los resultados se guardan junto a sus imágenes o, con --output-dir DIR, en DIR: allí se reproduce
  el árbol bajo cada carpeta indicada, y una imagen indicada por sí sola va a su raíz. Cada
  resultado tiene la fecha de modificación de su imagen (--no-keep-dates: la fecha en que se guardó).
  El progreso va a la salida de error estándar: una línea que se redibuja en un terminal o, si no,
  una línea por imagen. La tabla de resultados, o con --json un objeto JSON por imagen, va a la
  salida estándar.
</translation>
    </message>
    <message>
        <source>Stay, and optimize each image that appears or changes in the folders given once it has been written (see &quot;Watching&quot; below).</source>
        <translation>Seguir en marcha y optimizar cada imagen que aparezca o cambie en las carpetas indicadas, en cuanto esté escrita (véase «Vigilancia» más abajo).</translation>
    </message>
    <message>
        <source>--watch cannot be combined with --%1.</source>
        <translation>--watch no se puede combinar con --%1.</translation>
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
        <translation>Vigilancia:
  --watch CARPETA... primero optimiza lo pendiente en las carpetas y luego sigue en marcha: una
  imagen que aparece o cambia en ellas, o en una carpeta creada después, se optimiza cuando lleva
  medio segundo sin que se escriba en ella. Lo que está al día se omite como en una nueva
  ejecución, y los resultados de este programa nunca se toman por imágenes. El resultado de cada
  imagen se muestra en cuanto termina (con --json, un objeto JSON por imagen en la salida
  estándar). Ctrl-C o SIGTERM detiene la ejecución en curso como una interrupción y termina la
  vigilancia con el estado 0.
</translation>
    </message>
</context>
<context>
    <name>CompareCanvas</name>
    <message>
        <source>Original and result</source>
        <translation>Original y resultado</translation>
    </message>
    <message>
        <source>Split view, the original left of the divider.</source>
        <translation>Vista dividida, el original a la izquierda del divisor.</translation>
    </message>
    <message>
        <source>Side by side, the original on the left.</source>
        <translation>Lado a lado, el original a la izquierda.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Zoom %1 %.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture, Shift with Left and Right moves the divider; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Las flechas mueven la imagen, Mayús con Izquierda y Derecha mueve el divisor; más y menos cambian el zoom, 0 ajusta, 1 y 2 muestran al 100 % y al 200 %.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Las flechas mueven la imagen; más y menos cambian el zoom, 0 ajusta, 1 y 2 muestran al 100 % y al 200 %.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividida</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Lado a lado</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>the result over the original with a divider, or beside it</source>
        <translation>el resultado sobre el original con un divisor, o a su lado</translation>
    </message>
    <message>
        <source>Zoom out (−)</source>
        <translation>Alejar (−)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom in (+)</source>
        <translation>Acercar (+)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>The whole picture in the window (0)</source>
        <translation>La imagen completa en la ventana (0)</translation>
    </message>
    <message>
        <source>One pixel of the picture to a pixel of the screen (1)</source>
        <translation>Un píxel de la imagen por cada píxel de la pantalla (1)</translation>
    </message>
    <message>
        <source>Each pixel of the picture as two of the screen (2)</source>
        <translation>Cada píxel de la imagen como dos de la pantalla (2)</translation>
    </message>
    <message>
        <source>The structural similarity (SSIM) of the result to the original, over red, green and blue: 1 for the same picture, lower as they drift apart.</source>
        <translation>La similitud estructural (SSIM) del resultado con el original, sobre rojo, verde y azul: 1 para la misma imagen, menos cuanto más se alejan.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Compare “%1”</source>
        <translation>Comparar «%1»</translation>
    </message>
    <message>
        <source>which saved file is shown against the original</source>
        <translation>qué archivo guardado se muestra frente al original</translation>
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
        <translation>El original y la imagen «%1»</translation>
    </message>
    <message>
        <source>The original could not be read.</source>
        <translation>No se pudo leer el original.</translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation>No se pudo leer este archivo.</translation>
    </message>
    <message>
        <source>Measuring similarity…</source>
        <translation>Midiendo la similitud…</translation>
    </message>
    <message>
        <source>Similarity %1 (SSIM)</source>
        <translation>Similitud %1 (SSIM)</translation>
    </message>
    <message>
        <source>Similarity could not be measured.</source>
        <translation>No se pudo medir la similitud.</translation>
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
        <translation>[clave de API]</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Selected Images</source>
        <translation>Imágenes seleccionadas</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Enter compares a done image with its result, the Menu key lists what can be done with the current image, and Space removes it. Images and folders can be dropped here.</source>
        <translation>La cola: una fila por imagen con su estado, su mensaje y los archivos guardados. Intro compara una imagen terminada con su resultado, la tecla Menú muestra lo que se puede hacer con la imagen actual y Espacio la quita. Se pueden soltar aquí imágenes y carpetas.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>On this computer</source>
        <translation>En este equipo</translation>
    </message>
    <message>
        <source>Tovalin service</source>
        <translation>Servicio Tovalin</translation>
    </message>
</context>
<context>
    <name>EngineProcess</name>
    <message>
        <source>no answer within %1 seconds.</source>
        <translation>sin respuesta en %1 segundos.</translation>
    </message>
    <message>
        <source>it ended unexpectedly.</source>
        <translation>terminó de forma inesperada.</translation>
    </message>
    <message>
        <source>it ended with status %1.</source>
        <translation>terminó con el estado %1.</translation>
    </message>
    <message>
        <source>it did not say where it listens.</source>
        <translation>no indicó dónde escucha.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read “%1”: %2.</source>
        <translation>No se pudo leer «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” changed while it was being sent; nothing was saved for it.</source>
        <translation>«%1» cambió mientras se enviaba; no se guardó nada para él.</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being sent; nothing was saved for it.</source>
        <translation>«%1» se eliminó mientras se enviaba; no se guardó nada para él.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>no es un archivo local</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being optimized; nothing was saved for it.</source>
        <translation>«%1» se eliminó mientras se optimizaba; no se guardó nada para él.</translation>
    </message>
    <message>
        <source>Cannot write to “%1”.</source>
        <translation>No se puede escribir en «%1».</translation>
    </message>
    <message>
        <source>No name is free for the results in “%1”.</source>
        <translation>No queda ningún nombre libre para los resultados en «%1».</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Folder for the Results</source>
        <translation>Carpeta para los resultados</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>The image could not be read.</source>
        <translation>No se pudo leer la imagen.</translation>
    </message>
</context>
<context>
    <name>ImageJob</name>
    <message>
        <source>Ready to optimize.</source>
        <translation>Lista para optimizar.</translation>
    </message>
</context>
<context>
    <name>ItemPickerDialog</name>
    <message>
        <source>Images (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>Raw camera images (%1)</source>
        <translation>Imágenes RAW de cámara (%1)</translation>
    </message>
    <message>
        <source>Choose images or folders to optimize</source>
        <translation>Elija imágenes o carpetas que optimizar</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <source>Drop images or folders here</source>
        <translation>Suelte aquí imágenes o carpetas</translation>
    </message>
    <message>
        <source>Drop to add to the queue</source>
        <translation>Suelte para añadir a la cola</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir «%1»</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <translation>Mostrar «%1» en la carpeta</translation>
    </message>
    <message>
        <source>Remove from Queue</source>
        <translation>Quitar de la cola</translation>
    </message>
    <message numerus="yes">
        <source>Optimize %n Again</source>
        <translation>
            <numerusform>Optimizar %n de nuevo</numerusform>
            <numerusform>Optimizar %n de nuevo</numerusform>
        </translation>
    </message>
    <message>
        <source>Optimize Again</source>
        <translation>Optimizar de nuevo</translation>
    </message>
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>Quitar de la cola</translation>
    </message>
    <message>
        <source>Double-click or press Enter to compare with the original</source>
        <translation>Haga doble clic o pulse Intro para comparar con el original</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>Queued</source>
        <translation>En cola</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>En proceso</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminada</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallida</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenida</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <source>Opens the Tovalin Image Optimizer window with the given images queued; folders are
searched for images. When the window is already open, they join its queue and the
window is brought to the front.</source>
        <translation>Abre la ventana de Tovalin Image Optimizer con las imágenes indicadas en la cola; en las carpetas
se buscan imágenes. Si la ventana ya está abierta, se añaden a su cola y la ventana pasa al
frente.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>RUTA</translation>
    </message>
    <message>
        <source>Image files and folders, as paths or file: URIs.</source>
        <translation>Archivos de imagen y carpetas, como rutas o URI file:.</translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>[RUTA...]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [PATH...]</source>
        <translation>Uso: %1 [opciones] [RUTA...]</translation>
    </message>
    <message>
        <source>tovalin-image-optimizer: %1 is not on this computer; only local files and folders can be queued.</source>
        <translation>tovalin-image-optimizer: %1 no está en este equipo; solo se pueden poner en cola archivos y carpetas locales.</translation>
    </message>
</context>
<context>
    <name>LinkButton</name>
    <message>
        <source>Opens %1 in the web browser.</source>
        <translation>Abre %1 en el navegador web.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>The optimizer on this computer could not be started: %1</source>
        <translation>No se pudo iniciar el optimizador de este equipo: %1</translation>
    </message>
    <message>
        <source>the program is closing.</source>
        <translation>el programa se está cerrando.</translation>
    </message>
    <message>
        <source>The optimizer on this computer is missing: %1 is not installed beside this program.</source>
        <translation>Falta el optimizador de este equipo: %1 no está instalado junto a este programa.</translation>
    </message>
    <message>
        <source>The optimizer on this computer stopped unexpectedly; the next image starts it again.</source>
        <translation>El optimizador de este equipo se detuvo de forma inesperada; la próxima imagen lo vuelve a iniciar.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Cerrar ventana</translation>
    </message>
</context>
<context>
    <name>OptimizeCommand</name>
    <message>
        <source>the file system of %1 keeps no marks on files, so images there are sent even when their results are up to date.</source>
        <translation>el sistema de archivos de %1 no guarda marcas en los archivos, así que las imágenes de allí se envían aunque sus resultados estén al día.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe «%1 --help» para más información.</translation>
    </message>
    <message>
        <source>no PEM certificate could be read from %1.</source>
        <translation>no se pudo leer ningún certificado PEM de %1.</translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>deteniendo; interrumpa otra vez para salir de inmediato.</translation>
    </message>
    <message>
        <source>no images found in the given folders.</source>
        <translation>no se encontraron imágenes en las carpetas indicadas.</translation>
    </message>
    <message>
        <source>warning: the key file is only for the Tovalin service; these images are optimized on this computer (--engine service sends them to the service).</source>
        <translation>aviso: el archivo de clave solo sirve para el servicio Tovalin; estas imágenes se optimizan en este equipo (--engine service las envía al servicio).</translation>
    </message>
    <message>
        <source>--watch takes folders; %1 is not one.</source>
        <translation>--watch necesita carpetas; %1 no lo es.</translation>
    </message>
</context>
<context>
    <name>OutputKind</name>
    <message>
        <source>Optimized</source>
        <translation>Optimizada</translation>
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
        <translation>casi terminado</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>quedan unos %1</translation>
    </message>
</context>
<context>
    <name>QueueHeader</name>
    <message>
        <source>Clear finished</source>
        <translation>Quitar terminadas</translation>
    </message>
    <message>
        <source>Clear queue</source>
        <translation>Vaciar la cola</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>Imágenes seleccionadas</translation>
    </message>
    <message>
        <source>Removes the images that are done from the queue.</source>
        <translation>Quita de la cola las imágenes terminadas.</translation>
    </message>
    <message>
        <source>Removes every image from the queue but the one being optimized.</source>
        <translation>Quita de la cola todas las imágenes salvo la que se está optimizando.</translation>
    </message>
    <message>
        <source>Add files to begin.</source>
        <translation>Añada archivos para empezar.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left to optimize</source>
        <translation>
            <numerusform>Queda %n imagen por optimizar</numerusform>
            <numerusform>Quedan %n imágenes por optimizar</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter your API key to begin.</source>
        <translation>Introduzca su clave de API para empezar.</translation>
    </message>
    <message>
        <source>Press Optimize to begin.</source>
        <translation>Pulse «Optimizar» para empezar.</translation>
    </message>
</context>
<context>
    <name>QueueRunner</name>
    <message numerus="yes">
        <source>Optimizing %n image(s)…</source>
        <translation>
            <numerusform>Optimizando %n imagen…</numerusform>
            <numerusform>Optimizando %n imágenes…</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped by user.</source>
        <translation>Detenido por el usuario.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminado.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenida.</translation>
    </message>
    <message>
        <source>Sending to Tovalin…</source>
        <translation>Enviando a Tovalin…</translation>
    </message>
    <message>
        <source>The image could not be optimized.</source>
        <translation>No se pudo optimizar la imagen.</translation>
    </message>
    <message>
        <source>Optimized and saved locally.</source>
        <translation>Optimizada y guardada en local.</translation>
    </message>
    <message>
        <source>“%1” is not this program&apos;s and was kept; this one is “%2”.</source>
        <translation>«%1» no es de este programa y se ha conservado; este resultado es «%2».</translation>
    </message>
    <message>
        <source>Image is being optimized…</source>
        <translation>Optimizando la imagen…</translation>
    </message>
    <message>
        <source>Every image is already optimized.</source>
        <translation>Todas las imágenes ya están optimizadas.</translation>
    </message>
</context>
<context>
    <name>ResizeMode</name>
    <message>
        <source>No resize</source>
        <translation>Sin redimensionar</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>Contain</source>
        <translation>Ajustar</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Done.</source>
        <translation>Terminado.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) optimized</source>
        <translation>
            <numerusform>%n imagen optimizada</numerusform>
            <numerusform>%n imágenes optimizadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fallida</numerusform>
            <numerusform>%n fallidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n detenida</numerusform>
            <numerusform>%n detenidas</numerusform>
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
        <translation>Progreso de la ejecución</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Done</source>
        <translation>Terminada</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallida</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenida</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitida</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>ESTADO</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>ANTES</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>DESPUÉS</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>CAMBIO</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>MENSAJE</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenida.</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 imagen</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>%n imagen</numerusform>
            <numerusform>%n imágenes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n terminada</numerusform>
            <numerusform>%n terminadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n fallida</numerusform>
            <numerusform>%n fallidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n detenida</numerusform>
            <numerusform>%n detenidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n omitida</numerusform>
            <numerusform>%n omitidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n pendiente</numerusform>
            <numerusform>%n pendientes</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
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
        <translation>«%1» necesita una anchura, una altura o ambas.</translation>
    </message>
    <message>
        <source>The width must be a whole number of pixels, 1 or more.</source>
        <translation>La anchura debe ser un número entero de píxeles, 1 o más.</translation>
    </message>
    <message>
        <source>The height must be a whole number of pixels, 1 or more.</source>
        <translation>La altura debe ser un número entero de píxeles, 1 o más.</translation>
    </message>
    <message>
        <source>The width and the height must be whole numbers of pixels, 1 or more.</source>
        <translation>La anchura y la altura deben ser números enteros de píxeles, 1 o más.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Help: %1</source>
        <translation>Ayuda: %1</translation>
    </message>
    <message>
        <source>Opens the article in the web browser.</source>
        <translation>Abre el artículo en el navegador web.</translation>
    </message>
    <message>
        <source>API Key</source>
        <translation>Clave de API</translation>
    </message>
    <message>
        <source>(Get an API Key)</source>
        <translation>(Obtener una clave de API)</translation>
    </message>
    <message>
        <source>Your 20-character API key</source>
        <translation>Su clave de API de 20 caracteres</translation>
    </message>
    <message>
        <source>The API key of your Tovalin account. It is kept for the next start.</source>
        <translation>La clave de API de su cuenta de Tovalin. Se guarda para el próximo inicio.</translation>
    </message>
    <message>
        <source>Hide key</source>
        <translation>Ocultar clave</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>Mostrar clave</translation>
    </message>
    <message>
        <source>Masks the API key again.</source>
        <translation>Vuelve a ocultar la clave de API.</translation>
    </message>
    <message>
        <source>Shows the API key in plain text.</source>
        <translation>Muestra la clave de API en texto claro.</translation>
    </message>
    <message>
        <source>Densora Level</source>
        <translation>Nivel Densora</translation>
    </message>
    <message>
        <source>Learn about Lossy, Glossy, and Lossless</source>
        <translation>Más sobre Lossy, Glossy y Lossless</translation>
    </message>
    <message>
        <source>Compression levels</source>
        <translation>Niveles de compresión</translation>
    </message>
    <message>
        <source>how strongly images are compressed</source>
        <translation>cuánto se comprimen las imágenes</translation>
    </message>
    <message>
        <source>Next Generation Images</source>
        <translation>Imágenes de nueva generación</translation>
    </message>
    <message>
        <source>Create WebP (+ keep original)</source>
        <translation>Crear WebP (+ conservar original)</translation>
    </message>
    <message>
        <source>Also saves a WebP version beside each image.</source>
        <translation>Guarda además una versión WebP junto a cada imagen.</translation>
    </message>
    <message>
        <source>Create AVIF (+ keep original)</source>
        <translation>Crear AVIF (+ conservar original)</translation>
    </message>
    <message>
        <source>Also saves an AVIF version beside each image.</source>
        <translation>Guarda además una versión AVIF junto a cada imagen.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
    <message>
        <source>Learn how Tovalin resizes images automatically</source>
        <translation>Descubra cómo Tovalin redimensiona las imágenes automáticamente</translation>
    </message>
    <message>
        <source>how images are fitted to the width and height</source>
        <translation>cómo se ajustan las imágenes a la anchura y la altura</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Target width in pixels.</source>
        <translation>Anchura de destino en píxeles.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Target height in pixels.</source>
        <translation>Altura de destino en píxeles.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Convert CMYK to RGB</source>
        <translation>Convertir CMYK a RGB</translation>
    </message>
    <message>
        <source>Print colors are turned into screen colors.</source>
        <translation>Los colores de impresión se convierten en colores de pantalla.</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Quitar el fondo</translation>
    </message>
    <message>
        <source>The service cuts the subject out of its background.</source>
        <translation>El servicio recorta el motivo de su fondo.</translation>
    </message>
    <message>
        <source>Keep EXIF</source>
        <translation>Conservar EXIF</translation>
    </message>
    <message>
        <source>Camera data such as date and place stay in the image.</source>
        <translation>Los datos de la cámara, como la fecha y el lugar, se quedan en la imagen.</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>How many times larger the service makes each image.</source>
        <translation>Cuántas veces amplía el servicio cada imagen.</translation>
    </message>
    <message>
        <source>Images at once</source>
        <translation>Imágenes a la vez</translation>
    </message>
    <message>
        <source>How many images are with the service at the same time.</source>
        <translation>Cuántas imágenes están a la vez en el servicio.</translation>
    </message>
    <message>
        <source>Add images or folders…</source>
        <translation>Añadir imágenes o carpetas…</translation>
    </message>
    <message>
        <source>Chooses images and folders to queue. They can also be dropped on the window.</source>
        <translation>Elige imágenes y carpetas para la cola. También se pueden soltar sobre la ventana.</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimizar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stops the run; the image in progress is marked stopped.</source>
        <translation>Detiene la ejecución; la imagen en curso se marca como detenida.</translation>
    </message>
    <message>
        <source>Contact us with any issues, bug reports, or questions.</source>
        <translation>Contáctenos si tiene problemas, errores que informar o preguntas.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Acerca de Tovalin Image Optimizer</translation>
    </message>
    <message>
        <source>Optimizes every image in the queue with the options above.</source>
        <translation>Optimiza todas las imágenes de la cola con las opciones de arriba.</translation>
    </message>
    <message>
        <source>Enter an API key and add images first.</source>
        <translation>Introduzca primero una clave de API y añada imágenes.</translation>
    </message>
    <message>
        <source>Enter an API key first.</source>
        <translation>Introduzca primero una clave de API.</translation>
    </message>
    <message>
        <source>Add images first.</source>
        <translation>Añada primero imágenes.</translation>
    </message>
    <message>
        <source>Images are being optimized.</source>
        <translation>Se están optimizando las imágenes.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>where the images are optimized</source>
        <translation>dónde se optimizan las imágenes</translation>
    </message>
    <message>
        <source>Watch added folders</source>
        <translation>Vigilar las carpetas añadidas</translation>
    </message>
    <message>
        <source>New images in the folders you added are queued as they appear.</source>
        <translation>Las imágenes nuevas de las carpetas añadidas se ponen en cola en cuanto aparecen.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Where results go</source>
        <translation>Dónde van los resultados</translation>
    </message>
    <message>
        <source>Beside the originals</source>
        <translation>Junto a los originales</translation>
    </message>
    <message>
        <source>In a folder…</source>
        <translation>En una carpeta…</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Conservar las fechas de los archivos</translation>
    </message>
    <message>
        <source>Every result gets the modification time of its original.</source>
        <translation>Cada resultado recibe la fecha de modificación de su original.</translation>
    </message>
    <message>
        <source>Results are saved in %1.</source>
        <translation>Los resultados se guardan en %1.</translation>
    </message>
    <message>
        <source>Results are saved beside their originals.</source>
        <translation>Los resultados se guardan junto a sus originales.</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>Nothing saved</source>
        <translation>Nada ahorrado</translation>
    </message>
    <message>
        <source>Saved %1 of %2</source>
        <translation>Ahorrados %1 de %2</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>más grande que «%1»</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Turns while images are being optimized.</source>
        <translation>Gira mientras se optimizan las imágenes.</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>Casi terminado</translation>
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
        <translation>Quedan unos %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
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
        <translation>Respuesta inesperada de la API: %1</translation>
    </message>
    <message>
        <source>Failed to encode parameters.</source>
        <translation>No se pudieron codificar los parámetros.</translation>
    </message>
    <message>
        <source>Tovalin did not return any data.</source>
        <translation>Tovalin no devolvió ningún dato.</translation>
    </message>
    <message>
        <source>No download URL returned for this configuration.</source>
        <translation>No se devolvió ninguna URL de descarga para esta configuración.</translation>
    </message>
    <message>
        <source>Could not save the optimized file.</source>
        <translation>No se pudo guardar el archivo optimizado.</translation>
    </message>
    <message>
        <source>Could not download the optimized file (HTTP status %1).</source>
        <translation>No se pudo descargar el archivo optimizado (estado HTTP %1).</translation>
    </message>
    <message>
        <source>Could not download the optimized file (empty response).</source>
        <translation>No se pudo descargar el archivo optimizado (respuesta vacía).</translation>
    </message>
</context>
<context>
    <name>TransportError</name>
    <message>
        <source>The connection timed out: no data moved for %1 seconds.</source>
        <translation>La conexión agotó el tiempo de espera: no se transfirieron datos durante %1 segundos.</translation>
    </message>
    <message>
        <source>The reply is larger than %1, the most this program accepts.</source>
        <translation>La respuesta supera %1, el máximo que acepta este programa.</translation>
    </message>
    <message>
        <source>The server “%1” could not be found.</source>
        <translation>No se encontró el servidor «%1».</translation>
    </message>
    <message>
        <source>The proxy server could not be found.</source>
        <translation>No se encontró el servidor proxy.</translation>
    </message>
    <message>
        <source>Could not connect to the server “%1”.</source>
        <translation>No se pudo conectar con el servidor «%1».</translation>
    </message>
    <message>
        <source>The secure connection to “%1” could not be established: %2.</source>
        <translation>No se pudo establecer la conexión segura con «%1»: %2.</translation>
    </message>
    <message>
        <source>The service redirected the request to an address it may not go to.</source>
        <translation>El servicio redirigió la solicitud a una dirección a la que no puede ir.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Demasiadas redirecciones.</translation>
    </message>
    <message>
        <source>The connection to the service was closed before it answered.</source>
        <translation>La conexión con el servicio se cerró antes de que respondiera.</translation>
    </message>
    <message>
        <source>The connection was closed before the whole reply arrived.</source>
        <translation>La conexión se cerró antes de que llegara la respuesta completa.</translation>
    </message>
    <message>
        <source>Refused to connect to “%1”: only secure (https) addresses are allowed.</source>
        <translation>Se rechazó la conexión con «%1»: solo se permiten direcciones seguras (https).</translation>
    </message>
    <message>
        <source>The connection could not be set up.</source>
        <translation>No se pudo establecer la conexión.</translation>
    </message>
</context>
<context>
    <name>UpToDateJobs</name>
    <message>
        <source>Already optimized.</source>
        <translation>Ya optimizada.</translation>
    </message>
</context>
<context>
    <name>UpscaleFactor</name>
    <message>
        <source>No upscale</source>
        <translation>Sin ampliar</translation>
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
        <translation>aviso: el sistema no permite vigilar más carpetas (fs.inotify.max_user_watches); las imágenes de las carpetas no vigiladas no se verán hasta que la vigilancia vuelva a empezar.</translation>
    </message>
    <message>
        <source>cannot watch %1.</source>
        <translation>no se puede vigilar %1.</translation>
    </message>
    <message numerus="yes">
        <source>watching %n folder(s); stop with Ctrl-C.</source>
        <translation>
            <numerusform>vigilando %n carpeta; detenga con Ctrl-C.</numerusform>
            <numerusform>vigilando %n carpetas; detenga con Ctrl-C.</numerusform>
        </translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>deteniendo; interrumpa otra vez para salir de inmediato.</translation>
    </message>
</context>
</TS>
