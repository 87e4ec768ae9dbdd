<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>Optimizes images with the Tovalin service.</source>
        <translation>Оптимізує зображення за допомогою сервісу Tovalin.</translation>
    </message>
    <message>
        <source>Released under the %1 licence.</source>
        <translation>Розповсюджується за ліцензією %1.</translation>
    </message>
    <message>
        <source>Get an API key</source>
        <translation>Отримати ключ API</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Зв’язатися з нами</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Про Tovalin Image Optimizer</translation>
    </message>
</context>
<context>
    <name>ApiKeySource</name>
    <message>
        <source>cannot read the key file %1: %2.</source>
        <translation>не вдається прочитати файл ключа %1: %2.</translation>
    </message>
    <message>
        <source>warning: the key file %1 can be read by other users; make it yours only with: chmod 600 %1</source>
        <translation>попередження: файл ключа %1 можуть читати інші користувачі; залиште доступ лише собі командою: chmod 600 %1</translation>
    </message>
    <message>
        <source>the key file %1 is too large to hold an API key.</source>
        <translation>файл ключа %1 завеликий, щоб містити ключ API.</translation>
    </message>
    <message>
        <source>the key file %1 holds no API key.</source>
        <translation>файл ключа %1 не містить ключа API.</translation>
    </message>
    <message>
        <source>the key stored by the window is sent only to the service this program was built for; with --service-url give the key with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>ключ, збережений вікном, надсилається лише сервісу, для якого зібрано цю програму; з --service-url вкажіть ключ через --api-key-file ФАЙЛ або змінну середовища TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>no API key: give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY, or enter it in the Tovalin Image Optimizer window.</source>
        <translation>немає ключа API: вкажіть його через --api-key-file ФАЙЛ або змінну середовища TOVALIN_API_KEY чи введіть його у вікні Tovalin Image Optimizer.</translation>
    </message>
</context>
<context>
    <name>CancelledError</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>Запит скасовано.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показати цю довідку й вийти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показати версію й вийти.</translation>
    </message>
    <message>
        <source>Compression: lossy (the default), glossy or lossless.</source>
        <translation>Стиснення: lossy (типово), glossy або lossless.</translation>
    </message>
    <message>
        <source>level</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>рівень</translation>
    </message>
    <message>
        <source>Also save a WebP version (the default).</source>
        <translation>Також зберігати версію WebP (типово).</translation>
    </message>
    <message>
        <source>Save no WebP version.</source>
        <translation>Не зберігати версію WebP.</translation>
    </message>
    <message>
        <source>Also save an AVIF version.</source>
        <translation>Також зберігати версію AVIF.</translation>
    </message>
    <message>
        <source>Save no AVIF version (the default).</source>
        <translation>Не зберігати версію AVIF (типово).</translation>
    </message>
    <message>
        <source>Fit each image to --width and --height: cover or contain.</source>
        <translation>Припасувати кожне зображення до --width і --height: cover або contain.</translation>
    </message>
    <message>
        <source>mode</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>режим</translation>
    </message>
    <message>
        <source>Width to resize to, in pixels.</source>
        <translation>Цільова ширина в пікселях.</translation>
    </message>
    <message>
        <source>Height to resize to, in pixels.</source>
        <translation>Цільова висота в пікселях.</translation>
    </message>
    <message>
        <source>Upscale by 2, 3 or 4.</source>
        <translation>Збільшити у 2, 3 або 4 рази.</translation>
    </message>
    <message>
        <source>factor</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>множник</translation>
    </message>
    <message>
        <source>Remove the background.</source>
        <translation>Вилучити тло.</translation>
    </message>
    <message>
        <source>Keep the EXIF data.</source>
        <translation>Зберегти дані EXIF.</translation>
    </message>
    <message>
        <source>Leave CMYK images in CMYK (they are converted to RGB by default).</source>
        <translation>Залишити зображення CMYK у CMYK (типово їх перетворюють на RGB).</translation>
    </message>
    <message>
        <source>Read the API key from &lt;file&gt; (see &quot;API key&quot; below).</source>
        <translation>Читати ключ API з &lt;файлу&gt; (див. «Ключ API» нижче).</translation>
    </message>
    <message>
        <source>file</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>файл</translation>
    </message>
    <message>
        <source>url</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>url</translation>
    </message>
    <message>
        <source>Also trust the PEM certificates in &lt;file&gt; for --service-url.</source>
        <translation>Також довіряти сертифікатам PEM з &lt;файлу&gt; для --service-url.</translation>
    </message>
    <message>
        <source>Keep up to &lt;N&gt; images with the service at once, 1 to %1 (4 by default).</source>
        <translation>Тримати в сервісі до &lt;N&gt; зображень одночасно, від 1 до %1 (типово 4).</translation>
    </message>
    <message>
        <source>Take only share &lt;K/N&gt; of the images, for N processes that together handle every image once (see &quot;Sharing the work&quot; below).</source>
        <translation>Брати лише частку &lt;K/N&gt; зображень, для N процесів, які разом обробляють кожне зображення один раз (див. «Поділ роботи» нижче).</translation>
    </message>
    <message>
        <source>Send every image, also those whose results are up to date.</source>
        <translation>Надсилати кожне зображення, зокрема з актуальними результатами.</translation>
    </message>
    <message>
        <source>List what would be sent and what would be skipped; send nothing.</source>
        <translation>Показати, що було б надіслано, а що пропущено; нічого не надсилати.</translation>
    </message>
    <message>
        <source>Print one JSON object per image instead of the table.</source>
        <translation>Виводити по одному об’єкту JSON на зображення замість таблиці.</translation>
    </message>
    <message>
        <source>Print no progress.</source>
        <translation>Не виводити поступ.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>ШЛЯХ</translation>
    </message>
    <message>
        <source>Image files, and folders to search.</source>
        <translation>Файли зображень і теки для пошуку.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>ШЛЯХ...</translation>
    </message>
    <message>
        <source>the API key is never taken from the command line, where other users could see it in the process list; give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>ключ API ніколи не береться з командного рядка, де інші користувачі могли б побачити його у списку процесів; вкажіть його через --api-key-file ФАЙЛ або змінну середовища TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>--level must be lossy, glossy or lossless, not %1.</source>
        <translation>--level має бути lossy, glossy або lossless, а не %1.</translation>
    </message>
    <message>
        <source>--resize must be cover or contain, not %1.</source>
        <translation>--resize має бути cover або contain, а не %1.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number of pixels, 1 or more, not %2.</source>
        <translation>--%1 має бути цілим числом пікселів, не менше 1, а не %2.</translation>
    </message>
    <message>
        <source>--width and --height need --resize cover or --resize contain.</source>
        <translation>--width і --height потребують --resize cover або --resize contain.</translation>
    </message>
    <message>
        <source>--resize needs --width, --height or both.</source>
        <translation>--resize потребує --width, --height або обох.</translation>
    </message>
    <message>
        <source>--upscale must be 2, 3 or 4, not %1.</source>
        <translation>--upscale має бути 2, 3 або 4, а не %1.</translation>
    </message>
    <message>
        <source>--api-key-file needs the name of a file.</source>
        <translation>--api-key-file потребує назви файлу.</translation>
    </message>
    <message>
        <source>--service-url must be an https address such as https://host:port, not %1.</source>
        <translation>--service-url має бути адресою https на зразок https://host:port, а не %1.</translation>
    </message>
    <message>
        <source>--ca-file is only for the service given with --service-url.</source>
        <translation>--ca-file діє лише для сервісу, вказаного в --service-url.</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to %1, not %2.</source>
        <translation>--jobs має бути цілим числом від 1 до %1, а не %2.</translation>
    </message>
    <message>
        <source>--shard must be K/N with K from 1 to N, such as 2/4, not %1.</source>
        <translation>--shard має мати вигляд K/N, де K від 1 до N, наприклад 2/4, а не %1.</translation>
    </message>
    <message>
        <source>no images or folders given.</source>
        <translation>не вказано зображень або тек.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] PATH...</source>
        <translation>Використання: %1 [параметри] ШЛЯХ...</translation>
    </message>
    <message>
        <source>Reruns:
  Every result carries a mark naming its source and the settings it was made with. Results
  found in a folder are never taken for images to optimize, and an image whose results are
  all there, made from the image as it is now with the same settings, is skipped (&quot;Already
  optimized.&quot;). --force sends it anyway. Where the file system keeps no marks, nothing is
  skipped. --dry-run lists what would be sent and what skipped.
</source>
        <translation>Повторні запуски:
  Кожен результат має позначку з його джерелом і параметрами, з якими його створено. Результати,
  знайдені в теці, ніколи не вважаються зображеннями для оптимізації, а зображення, усі результати
  якого на місці й створені із зображення в його теперішньому вигляді з тими самими параметрами,
  пропускається («Уже оптимізовано.»). --force все одно надсилає його. Там, де файлова система не
  зберігає позначок, нічого не пропускається. --dry-run показує, що було б надіслано, а що
  пропущено.
</translation>
    </message>
    <message>
        <source>Several at once:
  Up to --jobs images are with the service at once. Two images whose results would share a
  file name are never sent together.
</source>
        <translation>Кілька одночасно:
  До --jobs зображень одночасно перебувають у сервісі. Два зображення, результати яких отримали б
  однакову назву файлу, ніколи не надсилаються разом.
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
        <translation>Поділ роботи:
  --shard K/N бере K-ту з N часток знайдених зображень, вибраних за гешем шляху кожного зображення
  відносно вказаної теки (для файлу, вказаного окремо: за його шляхом у тому вигляді, як його
  вказано). N процесів з однаковими шляхами та --shard від 1/N до N/N обробляють кожне зображення
  рівно один раз, на одній машині чи на багатьох, наприклад з GNU parallel:
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</translation>
    </message>
    <message>
        <source>Optimize on this computer (local, no key needed) or through the Tovalin service (service, with your API key); %1 by default.</source>
        <translation>Оптимізувати на цьому комп’ютері (local, без ключа) або за допомогою сервісу Tovalin (service, з вашим ключем API); типово %1.</translation>
    </message>
    <message>
        <source>engine</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>рушій</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (https only) instead of the one this program was built for; implies --engine service. The key must then come from --api-key-file or TOVALIN_API_KEY.</source>
        <translation>Звертатися до сервісу за адресою &lt;url&gt; (лише https) замість того, для якого зібрано цю програму; означає --engine service. Ключ тоді має надходити з --api-key-file або TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>Optimizes images on this computer or through the Tovalin service and saves the results
beside them: photo.jpg gives photo-optimized.jpg, and photo.webp or photo.avif when
asked for. Folders are searched for images. The source images are never changed.</source>
        <translation>Оптимізує зображення на цьому комп’ютері або за допомогою сервісу Tovalin і зберігає результати
поруч із ними: з photo.jpg виходить photo-optimized.jpg, а на запит ще photo.webp або photo.avif.
У теках шукаються зображення. Вихідні зображення ніколи не змінюються.</translation>
    </message>
    <message>
        <source>--engine must be local or service, not %1.</source>
        <translation>--engine має бути local або service, а не %1.</translation>
    </message>
    <message>
        <source>--service-url is for --engine service.</source>
        <translation>--service-url застосовується лише з --engine service.</translation>
    </message>
    <message>
        <source>Engines:
  local    the engine on this computer: started by this command for its run and ended with it,
           offline, no account or key; the images never leave this computer.
  service  the Tovalin service, with the API key of your account.
  Without --engine: %1, or service with --service-url.
</source>
        <translation>Рушії:
  local    рушій на цьому комп’ютері: запускається цією командою на час обробки й завершується
           разом із нею, працює без мережі, без облікового запису й ключа; зображення ніколи не
           залишають цей комп’ютер.
  service  сервіс Tovalin, з ключем API вашого облікового запису.
  Без --engine: %1, а з --service-url: service.
</translation>
    </message>
    <message>
        <source>API key:
  Only the Tovalin service needs one. Taken from --api-key-file FILE, else from the environment
  variable TOVALIN_API_KEY, else the key stored by the Tovalin Image Optimizer window. It is never
  taken from the command line and never printed. A key file should be readable by you only
  (chmod 600 FILE).
</source>
        <translation>Ключ API:
  Потрібен лише сервісу Tovalin. Береться з --api-key-file ФАЙЛ, інакше зі змінної середовища
  TOVALIN_API_KEY, інакше використовується ключ, збережений вікном Tovalin Image Optimizer. Він
  ніколи не береться з командного рядка й ніколи не виводиться. Файл ключа має бути доступним для
  читання лише вам (chmod 600 ФАЙЛ).
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
        <translation>Код завершення:
  0    усі зображення оптимізовано або вони вже були актуальні
  1    принаймні одне зображення не вдалося обробити
  2    помилка використання: неправильний параметр або немає ключа API для сервісу
  130  перервано (Ctrl-C); 129 і 143 після SIGHUP і SIGTERM

  Переривання зупиняє обробку так само, як кнопка «Зупинити» у вікні: поточні передавання
  обриваються, нічого не лишається записаним наполовину, а зображення, до яких не дійшла черга,
  позначаються як зупинені. Повторне переривання одразу завершує роботу.
</translation>
    </message>
    <message>
        <source>Examples:
  %1 --level glossy --avif ~/Pictures/holiday
  TOVALIN_API_KEY=... %1 --engine service ~/Pictures/holiday
</source>
        <translation>Приклади:
  %1 --level glossy --avif ~/Зображення/відпустка
  TOVALIN_API_KEY=... %1 --engine service ~/Зображення/відпустка
</translation>
    </message>
    <message>
        <source>Save the results in &lt;folder&gt; instead of beside the images (see &quot;Output&quot; below).</source>
        <translation>Зберігати результати в &lt;folder&gt;, а не поруч із зображеннями (див. «Виведення» нижче).</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>тека</translation>
    </message>
    <message>
        <source>Give every result the modification time of its image (the default).</source>
        <translation>Давати кожному результату час зміни його зображення (типово).</translation>
    </message>
    <message>
        <source>Leave every result dated by when it was saved.</source>
        <translation>Залишати кожному результату час його збереження.</translation>
    </message>
    <message>
        <source>--output-dir needs the name of a folder.</source>
        <translation>Для --output-dir потрібна назва теки.</translation>
    </message>
    <message>
        <source>--output-dir must be a folder, not %1.</source>
        <translation>--output-dir має бути текою, а не %1.</translation>
    </message>
    <message>
        <source>Output:
  Results go beside their images, or with --output-dir DIR into DIR: the tree under each folder
  given is mirrored there, and an image given by itself goes to its top. Each result has the
  modification time of its image (--no-keep-dates: the time it was saved).
  Progress goes to standard error: one redrawn line on a terminal, otherwise one line per image.
  The table of results, or with --json one JSON object per image, goes to standard output.
</source>
        <translation>Виведення:
  Результати зберігаються поруч із зображеннями або, з --output-dir DIR, у DIR: там повторюється
  дерево під кожною вказаною текою, а окремо вказане зображення потрапляє до її кореня. Кожен
  результат має час зміни свого зображення (--no-keep-dates: час збереження).
  Поступ виводиться до стандартного потоку помилок: один рядок, що перемальовується, у терміналі,
  інакше по рядку на зображення. Таблиця результатів, або з --json по об’єкту JSON на зображення,
  виводиться до стандартного виведення.
</translation>
    </message>
    <message>
        <source>Stay, and optimize each image that appears or changes in the folders given once it has been written (see &quot;Watching&quot; below).</source>
        <translation>Працювати далі й оптимізувати кожне зображення, яке з’являється або змінюється у вказаних теках, щойно його записано (див. «Спостереження» нижче).</translation>
    </message>
    <message>
        <source>--watch cannot be combined with --%1.</source>
        <translation>--watch не можна поєднувати з --%1.</translation>
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
        <translation>Спостереження:
  --watch ТЕКА... спершу оптимізує те, що потрібно в теках, а тоді працює далі: зображення, яке
  з’являється або змінюється в них чи в теці, створеній пізніше, оптимізується, коли в нього
  пів секунди нічого не записується. Актуальне пропускається, як під час повторного запуску, а
  результати цієї програми ніколи не вважаються зображеннями. Підсумок кожного зображення
  виводиться, щойно його оброблено (з --json — один об’єкт JSON на зображення у стандартний
  вивід). Ctrl-C або SIGTERM зупиняє поточну обробку, як переривання, і завершує спостереження з
  кодом 0.
</translation>
    </message>
</context>
<context>
    <name>CompareCanvas</name>
    <message>
        <source>Original and result</source>
        <translation>Оригінал і результат</translation>
    </message>
    <message>
        <source>Split view, the original left of the divider.</source>
        <translation>Розділений вигляд, оригінал ліворуч від роздільника.</translation>
    </message>
    <message>
        <source>Side by side, the original on the left.</source>
        <translation>Поруч, оригінал ліворуч.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Масштаб %1%.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture, Shift with Left and Right moves the divider; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Клавіші зі стрілками переміщують зображення, Shift зі стрілками ліворуч і праворуч переміщує роздільник; плюс і мінус змінюють масштаб, 0 вписує у вікно, 1 і 2 показують 100% і 200%.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Клавіші зі стрілками переміщують зображення; плюс і мінус змінюють масштаб, 0 вписує у вікно, 1 і 2 показують 100% і 200%.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with</source>
        <translation>Порівняти з</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Розділення</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Поруч</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вигляд</translation>
    </message>
    <message>
        <source>the result over the original with a divider, or beside it</source>
        <translation>результат поверх оригіналу з роздільником або поруч із ним</translation>
    </message>
    <message>
        <source>Zoom out (−)</source>
        <translation>Зменшити (−)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Зменшити</translation>
    </message>
    <message>
        <source>Zoom in (+)</source>
        <translation>Збільшити (+)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Збільшити</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Вписати</translation>
    </message>
    <message>
        <source>The whole picture in the window (0)</source>
        <translation>Усе зображення у вікні (0)</translation>
    </message>
    <message>
        <source>One pixel of the picture to a pixel of the screen (1)</source>
        <translation>Один піксель зображення на піксель екрана (1)</translation>
    </message>
    <message>
        <source>Each pixel of the picture as two of the screen (2)</source>
        <translation>Кожен піксель зображення на два пікселі екрана (2)</translation>
    </message>
    <message>
        <source>The structural similarity (SSIM) of the result to the original, over red, green and blue: 1 for the same picture, lower as they drift apart.</source>
        <translation>Структурна подібність (SSIM) результату до оригіналу за червоним, зеленим і синім каналами: 1 для однакових зображень, тим менше, чим більше вони різняться.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Compare “%1”</source>
        <translation>Порівняти «%1»</translation>
    </message>
    <message>
        <source>which saved file is shown against the original</source>
        <translation>який збережений файл показано поруч з оригіналом</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригінал</translation>
    </message>
    <message>
        <source>The original and the %1 image</source>
        <translation>Оригінал і зображення «%1»</translation>
    </message>
    <message>
        <source>The original could not be read.</source>
        <translation>Не вдалося прочитати оригінал.</translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation>Не вдалося прочитати цей файл.</translation>
    </message>
    <message>
        <source>Measuring similarity…</source>
        <translation>Вимірювання подібності…</translation>
    </message>
    <message>
        <source>Similarity %1 (SSIM)</source>
        <translation>Подібність %1 (SSIM)</translation>
    </message>
    <message>
        <source>Similarity could not be measured.</source>
        <translation>Не вдалося виміряти подібність.</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>Масштаб %1</translation>
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
        <translation>[ключ API]</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Selected Images</source>
        <translation>Вибрані зображення</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Enter compares a done image with its result, the Menu key lists what can be done with the current image, and Space removes it. Images and folders can be dropped here.</source>
        <translation>Черга: по рядку на зображення з його станом, повідомленням і збереженими файлами. Enter порівнює готове зображення з результатом, клавіша меню показує, що можна зробити з поточним зображенням, а пробіл вилучає його. Сюди можна перетягнути зображення й теки.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>On this computer</source>
        <translation>На цьому комп’ютері</translation>
    </message>
    <message>
        <source>Tovalin service</source>
        <translation>Сервіс Tovalin</translation>
    </message>
</context>
<context>
    <name>EngineProcess</name>
    <message>
        <source>no answer within %1 seconds.</source>
        <translation>немає відповіді протягом %1 с.</translation>
    </message>
    <message>
        <source>it ended unexpectedly.</source>
        <translation>він неочікувано завершився.</translation>
    </message>
    <message>
        <source>it ended with status %1.</source>
        <translation>він завершився з кодом %1.</translation>
    </message>
    <message>
        <source>it did not say where it listens.</source>
        <translation>він не повідомив, де очікує з’єднань.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read “%1”: %2.</source>
        <translation>Не вдалося прочитати «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” changed while it was being sent; nothing was saved for it.</source>
        <translation>«%1» змінився під час надсилання; для нього нічого не збережено.</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being sent; nothing was saved for it.</source>
        <translation>«%1» вилучено під час надсилання; для нього нічого не збережено.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Це не звичайний файл.</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>це не локальний файл</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being optimized; nothing was saved for it.</source>
        <translation>«%1» вилучено під час оптимізації; для нього нічого не збережено.</translation>
    </message>
    <message>
        <source>Cannot write to “%1”.</source>
        <translation>Не вдається записати в «%1».</translation>
    </message>
    <message>
        <source>No name is free for the results in “%1”.</source>
        <translation>Для результатів у «%1» не лишилося вільної назви.</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Folder for the Results</source>
        <translation>Тека для результатів</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>The image could not be read.</source>
        <translation>Не вдалося прочитати зображення.</translation>
    </message>
</context>
<context>
    <name>ImageJob</name>
    <message>
        <source>Ready to optimize.</source>
        <translation>Готове до оптимізації.</translation>
    </message>
</context>
<context>
    <name>ItemPickerDialog</name>
    <message>
        <source>Images (%1)</source>
        <translation>Зображення (%1)</translation>
    </message>
    <message>
        <source>Raw camera images (%1)</source>
        <translation>Необроблені знімки з камери (%1)</translation>
    </message>
    <message>
        <source>Choose images or folders to optimize</source>
        <translation>Виберіть зображення або теки для оптимізації</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <source>Drop images or folders here</source>
        <translation>Перетягніть сюди зображення або теки</translation>
    </message>
    <message>
        <source>Drop to add to the queue</source>
        <translation>Відпустіть, щоб додати до черги</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Порівняти</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригінал</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Відкрити «%1»</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <translation>Показати «%1» у теці</translation>
    </message>
    <message>
        <source>Remove from Queue</source>
        <translation>Вилучити з черги</translation>
    </message>
    <message numerus="yes">
        <source>Optimize %n Again</source>
        <translation>
            <numerusform>Оптимізувати %n зображення знову</numerusform>
            <numerusform>Оптимізувати %n зображення знову</numerusform>
            <numerusform>Оптимізувати %n зображень знову</numerusform>
        </translation>
    </message>
    <message>
        <source>Optimize Again</source>
        <translation>Оптимізувати знову</translation>
    </message>
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>Вилучити з черги</translation>
    </message>
    <message>
        <source>Double-click or press Enter to compare with the original</source>
        <translation>Двічі клацніть або натисніть Enter, щоб порівняти з оригіналом</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>Queued</source>
        <translation>У черзі</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Обробка</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Зупинено</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показати цю довідку й вийти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показати версію й вийти.</translation>
    </message>
    <message>
        <source>Opens the Tovalin Image Optimizer window with the given images queued; folders are
searched for images. When the window is already open, they join its queue and the
window is brought to the front.</source>
        <translation>Відкриває вікно Tovalin Image Optimizer із вказаними зображеннями в черзі; у теках шукаються
зображення. Якщо вікно вже відкрите, вони додаються до його черги, а вікно виводиться на передній
план.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>ШЛЯХ</translation>
    </message>
    <message>
        <source>Image files and folders, as paths or file: URIs.</source>
        <translation>Файли зображень і теки у вигляді шляхів або URI file:.</translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>[ШЛЯХ...]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [PATH...]</source>
        <translation>Використання: %1 [параметри] [ШЛЯХ...]</translation>
    </message>
    <message>
        <source>tovalin-image-optimizer: %1 is not on this computer; only local files and folders can be queued.</source>
        <translation>tovalin-image-optimizer: %1 розташовано не на цьому комп’ютері; до черги можна додати лише локальні файли й теки.</translation>
    </message>
</context>
<context>
    <name>LinkButton</name>
    <message>
        <source>Opens %1 in the web browser.</source>
        <translation>Відкриває %1 у браузері.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>The optimizer on this computer could not be started: %1</source>
        <translation>Не вдалося запустити оптимізатор на цьому комп’ютері: %1</translation>
    </message>
    <message>
        <source>the program is closing.</source>
        <translation>програма закривається.</translation>
    </message>
    <message>
        <source>The optimizer on this computer is missing: %1 is not installed beside this program.</source>
        <translation>Оптимізатора на цьому комп’ютері немає: %1 не встановлено поруч із цією програмою.</translation>
    </message>
    <message>
        <source>The optimizer on this computer stopped unexpectedly; the next image starts it again.</source>
        <translation>Оптимізатор на цьому комп’ютері неочікувано зупинився; наступне зображення запустить його знову.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Закрити вікно</translation>
    </message>
</context>
<context>
    <name>OptimizeCommand</name>
    <message>
        <source>the file system of %1 keeps no marks on files, so images there are sent even when their results are up to date.</source>
        <translation>файлова система %1 не зберігає позначок на файлах, тож зображення там надсилаються, навіть якщо їхні результати актуальні.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Докладніше: «%1 --help».</translation>
    </message>
    <message>
        <source>no PEM certificate could be read from %1.</source>
        <translation>не вдалося прочитати жодного сертифіката PEM з %1.</translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>зупинення; перервіть ще раз, щоб вийти одразу.</translation>
    </message>
    <message>
        <source>no images found in the given folders.</source>
        <translation>у вказаних теках не знайдено зображень.</translation>
    </message>
    <message>
        <source>warning: the key file is only for the Tovalin service; these images are optimized on this computer (--engine service sends them to the service).</source>
        <translation>попередження: файл ключа потрібен лише для сервісу Tovalin; ці зображення оптимізуються на цьому комп’ютері (--engine service надсилає їх до сервісу).</translation>
    </message>
    <message>
        <source>--watch takes folders; %1 is not one.</source>
        <translation>--watch приймає теки; %1 не тека.</translation>
    </message>
</context>
<context>
    <name>OutputKind</name>
    <message>
        <source>Optimized</source>
        <translation>Оптимізований</translation>
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
        <translation>майже готово</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>лишилося близько %1</translation>
    </message>
</context>
<context>
    <name>QueueHeader</name>
    <message>
        <source>Clear finished</source>
        <translation>Вилучити готові</translation>
    </message>
    <message>
        <source>Clear queue</source>
        <translation>Очистити чергу</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>Вибрані зображення</translation>
    </message>
    <message>
        <source>Removes the images that are done from the queue.</source>
        <translation>Вилучає з черги готові зображення.</translation>
    </message>
    <message>
        <source>Removes every image from the queue but the one being optimized.</source>
        <translation>Вилучає з черги всі зображення, крім того, що зараз оптимізується.</translation>
    </message>
    <message>
        <source>Add files to begin.</source>
        <translation>Додайте файли, щоб почати.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left to optimize</source>
        <translation>
            <numerusform>Лишилося оптимізувати %n зображення</numerusform>
            <numerusform>Лишилося оптимізувати %n зображення</numerusform>
            <numerusform>Лишилося оптимізувати %n зображень</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter your API key to begin.</source>
        <translation>Введіть ключ API, щоб почати.</translation>
    </message>
    <message>
        <source>Press Optimize to begin.</source>
        <translation>Натисніть «Оптимізувати», щоб почати.</translation>
    </message>
</context>
<context>
    <name>QueueRunner</name>
    <message numerus="yes">
        <source>Optimizing %n image(s)…</source>
        <translation>
            <numerusform>Оптимізація %n зображення…</numerusform>
            <numerusform>Оптимізація %n зображень…</numerusform>
            <numerusform>Оптимізація %n зображень…</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped by user.</source>
        <translation>Зупинено користувачем.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Зупинено.</translation>
    </message>
    <message>
        <source>Sending to Tovalin…</source>
        <translation>Надсилання до Tovalin…</translation>
    </message>
    <message>
        <source>The image could not be optimized.</source>
        <translation>Не вдалося оптимізувати зображення.</translation>
    </message>
    <message>
        <source>Optimized and saved locally.</source>
        <translation>Оптимізовано й збережено локально.</translation>
    </message>
    <message>
        <source>“%1” is not this program&apos;s and was kept; this one is “%2”.</source>
        <translation>«%1» створено не цією програмою, його збережено; цей результат називається «%2».</translation>
    </message>
    <message>
        <source>Image is being optimized…</source>
        <translation>Зображення оптимізується…</translation>
    </message>
    <message>
        <source>Every image is already optimized.</source>
        <translation>Усі зображення вже оптимізовано.</translation>
    </message>
</context>
<context>
    <name>ResizeMode</name>
    <message>
        <source>No resize</source>
        <translation>Без змін</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Заповнити</translation>
    </message>
    <message>
        <source>Contain</source>
        <translation>Вписати</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) optimized</source>
        <translation>
            <numerusform>%n зображення оптимізовано</numerusform>
            <numerusform>%n зображення оптимізовано</numerusform>
            <numerusform>%n зображень оптимізовано</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n з помилкою</numerusform>
            <numerusform>%n з помилкою</numerusform>
            <numerusform>%n з помилкою</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n зупинено</numerusform>
            <numerusform>%n зупинено</numerusform>
            <numerusform>%n зупинено</numerusform>
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
        <translation>Поступ обробки</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Зупинено</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропущено</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>До надсилання</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>СТАН</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>ДО</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>ПІСЛЯ</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>ЗМІНА</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>ПОВІДОМЛЕННЯ</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Зупинено.</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 зображення</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>%n зображення</numerusform>
            <numerusform>%n зображення</numerusform>
            <numerusform>%n зображень</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>%n готово</numerusform>
            <numerusform>%n готово</numerusform>
            <numerusform>%n готово</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n з помилкою</numerusform>
            <numerusform>%n з помилкою</numerusform>
            <numerusform>%n з помилкою</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n зупинено</numerusform>
            <numerusform>%n зупинено</numerusform>
            <numerusform>%n зупинено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>%n пропущено</numerusform>
            <numerusform>%n пропущено</numerusform>
            <numerusform>%n пропущено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>%n до надсилання</numerusform>
            <numerusform>%n до надсилання</numerusform>
            <numerusform>%n до надсилання</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Разом</translation>
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
        <translation>Для режиму «%1» потрібна ширина, висота або обидві.</translation>
    </message>
    <message>
        <source>The width must be a whole number of pixels, 1 or more.</source>
        <translation>Ширина має бути цілим числом пікселів, не менше 1.</translation>
    </message>
    <message>
        <source>The height must be a whole number of pixels, 1 or more.</source>
        <translation>Висота має бути цілим числом пікселів, не менше 1.</translation>
    </message>
    <message>
        <source>The width and the height must be whole numbers of pixels, 1 or more.</source>
        <translation>Ширина й висота мають бути цілими числами пікселів, не менше 1.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Help: %1</source>
        <translation>Довідка: %1</translation>
    </message>
    <message>
        <source>Opens the article in the web browser.</source>
        <translation>Відкриває статтю в браузері.</translation>
    </message>
    <message>
        <source>API Key</source>
        <translation>Ключ API</translation>
    </message>
    <message>
        <source>(Get an API Key)</source>
        <translation>(Отримати ключ API)</translation>
    </message>
    <message>
        <source>Your 20-character API key</source>
        <translation>Ваш 20-символьний ключ API</translation>
    </message>
    <message>
        <source>The API key of your Tovalin account. It is kept for the next start.</source>
        <translation>Ключ API вашого облікового запису Tovalin. Його збережено до наступного запуску.</translation>
    </message>
    <message>
        <source>Hide key</source>
        <translation>Сховати ключ</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>Показати ключ</translation>
    </message>
    <message>
        <source>Masks the API key again.</source>
        <translation>Знову приховує ключ API.</translation>
    </message>
    <message>
        <source>Shows the API key in plain text.</source>
        <translation>Показує ключ API відкритим текстом.</translation>
    </message>
    <message>
        <source>Densora Level</source>
        <translation>Рівень Densora</translation>
    </message>
    <message>
        <source>Learn about Lossy, Glossy, and Lossless</source>
        <translation>Докладніше про Lossy, Glossy і Lossless</translation>
    </message>
    <message>
        <source>Compression levels</source>
        <translation>Рівні стиснення</translation>
    </message>
    <message>
        <source>how strongly images are compressed</source>
        <translation>наскільки сильно стискаються зображення</translation>
    </message>
    <message>
        <source>Next Generation Images</source>
        <translation>Зображення нового покоління</translation>
    </message>
    <message>
        <source>Create WebP (+ keep original)</source>
        <translation>Створити WebP (+ зберегти оригінал)</translation>
    </message>
    <message>
        <source>Also saves a WebP version beside each image.</source>
        <translation>Також зберігає версію WebP поруч із кожним зображенням.</translation>
    </message>
    <message>
        <source>Create AVIF (+ keep original)</source>
        <translation>Створити AVIF (+ зберегти оригінал)</translation>
    </message>
    <message>
        <source>Also saves an AVIF version beside each image.</source>
        <translation>Також зберігає версію AVIF поруч із кожним зображенням.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Зміна розміру</translation>
    </message>
    <message>
        <source>Learn how Tovalin resizes images automatically</source>
        <translation>Дізнайтеся, як Tovalin автоматично змінює розмір зображень</translation>
    </message>
    <message>
        <source>how images are fitted to the width and height</source>
        <translation>як зображення припасовуються до ширини й висоти</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Target width in pixels.</source>
        <translation>Цільова ширина в пікселях.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Висота</translation>
    </message>
    <message>
        <source>Target height in pixels.</source>
        <translation>Цільова висота в пікселях.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Convert CMYK to RGB</source>
        <translation>Перетворити CMYK на RGB</translation>
    </message>
    <message>
        <source>Print colors are turned into screen colors.</source>
        <translation>Друкарські кольори перетворюються на екранні.</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Вилучити тло</translation>
    </message>
    <message>
        <source>The service cuts the subject out of its background.</source>
        <translation>Сервіс вирізає об’єкт із тла.</translation>
    </message>
    <message>
        <source>Keep EXIF</source>
        <translation>Зберегти EXIF</translation>
    </message>
    <message>
        <source>Camera data such as date and place stay in the image.</source>
        <translation>Дані камери, як-от дата й місце зйомки, залишаються в зображенні.</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Збільшення</translation>
    </message>
    <message>
        <source>How many times larger the service makes each image.</source>
        <translation>У скільки разів сервіс збільшує кожне зображення.</translation>
    </message>
    <message>
        <source>Images at once</source>
        <translation>Зображень одночасно</translation>
    </message>
    <message>
        <source>How many images are with the service at the same time.</source>
        <translation>Скільки зображень одночасно перебуває в сервісі.</translation>
    </message>
    <message>
        <source>Add images or folders…</source>
        <translation>Додати зображення або теки…</translation>
    </message>
    <message>
        <source>Chooses images and folders to queue. They can also be dropped on the window.</source>
        <translation>Вибирає зображення й теки для черги. Їх також можна перетягнути на вікно.</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Оптимізувати</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Зупинити</translation>
    </message>
    <message>
        <source>Stops the run; the image in progress is marked stopped.</source>
        <translation>Зупиняє обробку; поточне зображення позначається як зупинене.</translation>
    </message>
    <message>
        <source>Contact us with any issues, bug reports, or questions.</source>
        <translation>Зв’яжіться з нами щодо проблем, помилок чи запитань.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Про Tovalin Image Optimizer</translation>
    </message>
    <message>
        <source>Optimizes every image in the queue with the options above.</source>
        <translation>Оптимізує всі зображення в черзі з параметрами вище.</translation>
    </message>
    <message>
        <source>Enter an API key and add images first.</source>
        <translation>Спершу введіть ключ API і додайте зображення.</translation>
    </message>
    <message>
        <source>Enter an API key first.</source>
        <translation>Спершу введіть ключ API.</translation>
    </message>
    <message>
        <source>Add images first.</source>
        <translation>Спершу додайте зображення.</translation>
    </message>
    <message>
        <source>Images are being optimized.</source>
        <translation>Зображення оптимізуються.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Сервіс</translation>
    </message>
    <message>
        <source>where the images are optimized</source>
        <translation>де оптимізуються зображення</translation>
    </message>
    <message>
        <source>Watch added folders</source>
        <translation>Стежити за доданими теками</translation>
    </message>
    <message>
        <source>New images in the folders you added are queued as they appear.</source>
        <translation>Нові зображення в доданих теках стають у чергу, щойно з’являються.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результати</translation>
    </message>
    <message>
        <source>Where results go</source>
        <translation>Куди зберігати результати</translation>
    </message>
    <message>
        <source>Beside the originals</source>
        <translation>Поруч з оригіналами</translation>
    </message>
    <message>
        <source>In a folder…</source>
        <translation>У теку…</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Зберігати дати файлів</translation>
    </message>
    <message>
        <source>Every result gets the modification time of its original.</source>
        <translation>Кожен результат отримує час зміни свого оригіналу.</translation>
    </message>
    <message>
        <source>Results are saved in %1.</source>
        <translation>Результати зберігаються в %1.</translation>
    </message>
    <message>
        <source>Results are saved beside their originals.</source>
        <translation>Результати зберігаються поруч з оригіналами.</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>Nothing saved</source>
        <translation>Нічого не заощаджено</translation>
    </message>
    <message>
        <source>Saved %1 of %2</source>
        <translation>Заощаджено %1 з %2</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>більший за «%1»</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Progress</source>
        <translation>Поступ</translation>
    </message>
    <message>
        <source>Turns while images are being optimized.</source>
        <translation>Обертається, поки зображення оптимізуються.</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>Майже готово</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes</comment>
        <translation>%1 хв</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1 год</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Лишилося близько %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 з %2</translation>
    </message>
</context>
<context>
    <name>TovalinError</name>
    <message>
        <source>(binary)</source>
        <translation>(двійкові дані)</translation>
    </message>
    <message>
        <source>Unexpected API response: %1</source>
        <translation>Неочікувана відповідь API: %1</translation>
    </message>
    <message>
        <source>Failed to encode parameters.</source>
        <translation>Не вдалося закодувати параметри.</translation>
    </message>
    <message>
        <source>Tovalin did not return any data.</source>
        <translation>Tovalin не повернув жодних даних.</translation>
    </message>
    <message>
        <source>No download URL returned for this configuration.</source>
        <translation>Для цієї конфігурації не повернуто адреси для завантаження.</translation>
    </message>
    <message>
        <source>Could not save the optimized file.</source>
        <translation>Не вдалося зберегти оптимізований файл.</translation>
    </message>
    <message>
        <source>Could not download the optimized file (HTTP status %1).</source>
        <translation>Не вдалося завантажити оптимізований файл (код HTTP %1).</translation>
    </message>
    <message>
        <source>Could not download the optimized file (empty response).</source>
        <translation>Не вдалося завантажити оптимізований файл (порожня відповідь).</translation>
    </message>
</context>
<context>
    <name>TransportError</name>
    <message>
        <source>The connection timed out: no data moved for %1 seconds.</source>
        <translation>Час очікування з’єднання вичерпано: дані не передавалися %1 с.</translation>
    </message>
    <message>
        <source>The reply is larger than %1, the most this program accepts.</source>
        <translation>Відповідь більша за %1 — максимум, який приймає ця програма.</translation>
    </message>
    <message>
        <source>The server “%1” could not be found.</source>
        <translation>Сервер «%1» не знайдено.</translation>
    </message>
    <message>
        <source>The proxy server could not be found.</source>
        <translation>Проксі-сервер не знайдено.</translation>
    </message>
    <message>
        <source>Could not connect to the server “%1”.</source>
        <translation>Не вдалося під’єднатися до сервера «%1».</translation>
    </message>
    <message>
        <source>The secure connection to “%1” could not be established: %2.</source>
        <translation>Не вдалося встановити захищене з’єднання з «%1»: %2.</translation>
    </message>
    <message>
        <source>The service redirected the request to an address it may not go to.</source>
        <translation>Сервіс переспрямував запит на недозволену адресу.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Забагато переспрямувань.</translation>
    </message>
    <message>
        <source>The connection to the service was closed before it answered.</source>
        <translation>З’єднання із сервісом закрито, перш ніж він відповів.</translation>
    </message>
    <message>
        <source>The connection was closed before the whole reply arrived.</source>
        <translation>З’єднання закрито до отримання повної відповіді.</translation>
    </message>
    <message>
        <source>Refused to connect to “%1”: only secure (https) addresses are allowed.</source>
        <translation>Під’єднання до «%1» відхилено: дозволено лише захищені адреси (https).</translation>
    </message>
    <message>
        <source>The connection could not be set up.</source>
        <translation>Не вдалося встановити з’єднання.</translation>
    </message>
</context>
<context>
    <name>UpToDateJobs</name>
    <message>
        <source>Already optimized.</source>
        <translation>Уже оптимізовано.</translation>
    </message>
</context>
<context>
    <name>UpscaleFactor</name>
    <message>
        <source>No upscale</source>
        <translation>Без збільшення</translation>
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
        <translation>попередження: система не дозволяє стежити за новими теками (fs.inotify.max_user_watches); зображення в теках без спостереження не буде помічено до наступного запуску спостереження.</translation>
    </message>
    <message>
        <source>cannot watch %1.</source>
        <translation>не вдається стежити за %1.</translation>
    </message>
    <message numerus="yes">
        <source>watching %n folder(s); stop with Ctrl-C.</source>
        <translation>
            <numerusform>спостереження за %n текою; зупинка — Ctrl-C.</numerusform>
            <numerusform>спостереження за %n теками; зупинка — Ctrl-C.</numerusform>
            <numerusform>спостереження за %n теками; зупинка — Ctrl-C.</numerusform>
        </translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>зупинення; перервіть ще раз, щоб вийти одразу.</translation>
    </message>
</context>
</TS>
