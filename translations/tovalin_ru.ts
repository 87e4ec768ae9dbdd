<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Optimizes images with the Tovalin service.</source>
        <translation>Оптимизирует изображения с помощью сервиса Tovalin.</translation>
    </message>
    <message>
        <source>Released under the %1 licence.</source>
        <translation>Распространяется по лицензии %1.</translation>
    </message>
    <message>
        <source>Get an API key</source>
        <translation>Получить ключ API</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>Связаться с нами</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>О программе Tovalin Image Optimizer</translation>
    </message>
</context>
<context>
    <name>ApiKeySource</name>
    <message>
        <source>cannot read the key file %1: %2.</source>
        <translation>не удаётся прочитать файл ключа %1: %2.</translation>
    </message>
    <message>
        <source>warning: the key file %1 can be read by other users; make it yours only with: chmod 600 %1</source>
        <translation>предупреждение: файл ключа %1 доступен для чтения другим пользователям; оставьте доступ только себе командой: chmod 600 %1</translation>
    </message>
    <message>
        <source>the key file %1 is too large to hold an API key.</source>
        <translation>файл ключа %1 слишком велик, чтобы содержать ключ API.</translation>
    </message>
    <message>
        <source>the key file %1 holds no API key.</source>
        <translation>файл ключа %1 не содержит ключа API.</translation>
    </message>
    <message>
        <source>the key stored by the window is sent only to the service this program was built for; with --service-url give the key with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>ключ, сохранённый окном, отправляется только сервису, для которого собрана эта программа; с --service-url укажите ключ через --api-key-file ФАЙЛ или переменную окружения TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>no API key: give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY, or enter it in the Tovalin Image Optimizer window.</source>
        <translation>нет ключа API: укажите его через --api-key-file ФАЙЛ или переменную окружения TOVALIN_API_KEY либо введите его в окне Tovalin Image Optimizer.</translation>
    </message>
</context>
<context>
    <name>CancelledError</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>Запрос отменён.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Compression: lossy (the default), glossy or lossless.</source>
        <translation>Сжатие: lossy (по умолчанию), glossy или lossless.</translation>
    </message>
    <message>
        <source>level</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>уровень</translation>
    </message>
    <message>
        <source>Also save a WebP version (the default).</source>
        <translation>Также сохранять версию WebP (по умолчанию).</translation>
    </message>
    <message>
        <source>Save no WebP version.</source>
        <translation>Не сохранять версию WebP.</translation>
    </message>
    <message>
        <source>Also save an AVIF version.</source>
        <translation>Также сохранять версию AVIF.</translation>
    </message>
    <message>
        <source>Save no AVIF version (the default).</source>
        <translation>Не сохранять версию AVIF (по умолчанию).</translation>
    </message>
    <message>
        <source>Fit each image to --width and --height: cover or contain.</source>
        <translation>Подогнать каждое изображение под --width и --height: cover или contain.</translation>
    </message>
    <message>
        <source>mode</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>режим</translation>
    </message>
    <message>
        <source>Width to resize to, in pixels.</source>
        <translation>Целевая ширина в пикселях.</translation>
    </message>
    <message>
        <source>Height to resize to, in pixels.</source>
        <translation>Целевая высота в пикселях.</translation>
    </message>
    <message>
        <source>Upscale by 2, 3 or 4.</source>
        <translation>Увеличить в 2, 3 или 4 раза.</translation>
    </message>
    <message>
        <source>factor</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>множитель</translation>
    </message>
    <message>
        <source>Remove the background.</source>
        <translation>Удалить фон.</translation>
    </message>
    <message>
        <source>Keep the EXIF data.</source>
        <translation>Сохранить данные EXIF.</translation>
    </message>
    <message>
        <source>Leave CMYK images in CMYK (they are converted to RGB by default).</source>
        <translation>Оставить изображения CMYK в CMYK (по умолчанию они преобразуются в RGB).</translation>
    </message>
    <message>
        <source>Read the API key from &lt;file&gt; (see &quot;API key&quot; below).</source>
        <translation>Читать ключ API из &lt;файла&gt; (см. «Ключ API» ниже).</translation>
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
        <translation>Также доверять сертификатам PEM из &lt;файла&gt; для --service-url.</translation>
    </message>
    <message>
        <source>Keep up to &lt;N&gt; images with the service at once, 1 to %1 (4 by default).</source>
        <translation>Держать в сервисе до &lt;N&gt; изображений одновременно, от 1 до %1 (по умолчанию 4).</translation>
    </message>
    <message>
        <source>Take only share &lt;K/N&gt; of the images, for N processes that together handle every image once (see &quot;Sharing the work&quot; below).</source>
        <translation>Брать только долю &lt;K/N&gt; изображений, для N процессов, которые вместе обрабатывают каждое изображение один раз (см. «Разделение работы» ниже).</translation>
    </message>
    <message>
        <source>Send every image, also those whose results are up to date.</source>
        <translation>Отправлять каждое изображение, в том числе с актуальными результатами.</translation>
    </message>
    <message>
        <source>List what would be sent and what would be skipped; send nothing.</source>
        <translation>Показать, что было бы отправлено и что пропущено; ничего не отправлять.</translation>
    </message>
    <message>
        <source>Print one JSON object per image instead of the table.</source>
        <translation>Выводить по одному объекту JSON на изображение вместо таблицы.</translation>
    </message>
    <message>
        <source>Print no progress.</source>
        <translation>Не выводить ход выполнения.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>ПУТЬ</translation>
    </message>
    <message>
        <source>Image files, and folders to search.</source>
        <translation>Файлы изображений и папки для поиска.</translation>
    </message>
    <message>
        <source>PATH...</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>ПУТЬ...</translation>
    </message>
    <message>
        <source>the API key is never taken from the command line, where other users could see it in the process list; give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>ключ API никогда не берётся из командной строки, где другие пользователи могли бы увидеть его в списке процессов; укажите его через --api-key-file ФАЙЛ или переменную окружения TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>--level must be lossy, glossy or lossless, not %1.</source>
        <translation>--level должен быть lossy, glossy или lossless, а не %1.</translation>
    </message>
    <message>
        <source>--resize must be cover or contain, not %1.</source>
        <translation>--resize должен быть cover или contain, а не %1.</translation>
    </message>
    <message>
        <source>--%1 must be a whole number of pixels, 1 or more, not %2.</source>
        <translation>--%1 должен быть целым числом пикселей, не меньше 1, а не %2.</translation>
    </message>
    <message>
        <source>--width and --height need --resize cover or --resize contain.</source>
        <translation>--width и --height требуют --resize cover или --resize contain.</translation>
    </message>
    <message>
        <source>--resize needs --width, --height or both.</source>
        <translation>--resize требует --width, --height или оба.</translation>
    </message>
    <message>
        <source>--upscale must be 2, 3 or 4, not %1.</source>
        <translation>--upscale должен быть 2, 3 или 4, а не %1.</translation>
    </message>
    <message>
        <source>--api-key-file needs the name of a file.</source>
        <translation>--api-key-file требует имя файла.</translation>
    </message>
    <message>
        <source>--service-url must be an https address such as https://host:port, not %1.</source>
        <translation>--service-url должен быть адресом https вида https://host:port, а не %1.</translation>
    </message>
    <message>
        <source>--ca-file is only for the service given with --service-url.</source>
        <translation>--ca-file действует только для сервиса, указанного в --service-url.</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to %1, not %2.</source>
        <translation>--jobs должен быть целым числом от 1 до %1, а не %2.</translation>
    </message>
    <message>
        <source>--shard must be K/N with K from 1 to N, such as 2/4, not %1.</source>
        <translation>--shard должен иметь вид K/N, где K от 1 до N, например 2/4, а не %1.</translation>
    </message>
    <message>
        <source>no images or folders given.</source>
        <translation>не указаны изображения или папки.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] PATH...</source>
        <translation>Использование: %1 [параметры] ПУТЬ...</translation>
    </message>
    <message>
        <source>Reruns:
  Every result carries a mark naming its source and the settings it was made with. Results
  found in a folder are never taken for images to optimize, and an image whose results are
  all there, made from the image as it is now with the same settings, is skipped (&quot;Already
  optimized.&quot;). --force sends it anyway. Where the file system keeps no marks, nothing is
  skipped. --dry-run lists what would be sent and what skipped.
</source>
        <translation>Повторные запуски:
  Каждый результат несёт отметку с его источником и параметрами, с которыми он создан. Результаты,
  найденные в папке, никогда не принимаются за изображения для оптимизации, а изображение, все
  результаты которого на месте и созданы из изображения в его нынешнем виде с теми же параметрами,
  пропускается («Уже оптимизировано.»). --force всё равно отправляет его. Там, где файловая
  система не хранит отметки, ничего не пропускается. --dry-run показывает, что было бы отправлено
  и что пропущено.
</translation>
    </message>
    <message>
        <source>Several at once:
  Up to --jobs images are with the service at once. Two images whose results would share a
  file name are never sent together.
</source>
        <translation>Несколько одновременно:
  До --jobs изображений одновременно находятся в сервисе. Два изображения, результаты которых
  получили бы одно имя файла, никогда не отправляются вместе.
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
        <translation>Разделение работы:
  --shard K/N берёт K-ю из N долей найденных изображений, выбранных по хешу пути каждого
  изображения относительно указанной папки (для файла, указанного отдельно: по его пути в том
  виде, как он указан). N процессов с одними и теми же путями и --shard от 1/N до N/N обрабатывают
  каждое изображение ровно один раз, на одной машине или на многих, например с GNU parallel:
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</translation>
    </message>
    <message>
        <source>Optimize on this computer (local, no key needed) or through the Tovalin service (service, with your API key); %1 by default.</source>
        <translation>Оптимизировать на этом компьютере (local, без ключа) или с помощью сервиса Tovalin (service, с вашим ключом API); по умолчанию %1.</translation>
    </message>
    <message>
        <source>engine</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>движок</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (https only) instead of the one this program was built for; implies --engine service. The key must then come from --api-key-file or TOVALIN_API_KEY.</source>
        <translation>Обращаться к сервису по адресу &lt;url&gt; (только https) вместо того, для которого собрана эта программа; подразумевает --engine service. Ключ тогда должен поступать из --api-key-file или TOVALIN_API_KEY.</translation>
    </message>
    <message>
        <source>Optimizes images on this computer or through the Tovalin service and saves the results
beside them: photo.jpg gives photo-optimized.jpg, and photo.webp or photo.avif when
asked for. Folders are searched for images. The source images are never changed.</source>
        <translation>Оптимизирует изображения на этом компьютере или с помощью сервиса Tovalin и сохраняет результаты
рядом с ними: из photo.jpg получается photo-optimized.jpg, а по запросу ещё photo.webp или
photo.avif. В папках ищутся изображения. Исходные изображения никогда не изменяются.</translation>
    </message>
    <message>
        <source>--engine must be local or service, not %1.</source>
        <translation>--engine должен быть local или service, а не %1.</translation>
    </message>
    <message>
        <source>--service-url is for --engine service.</source>
        <translation>--service-url применяется только с --engine service.</translation>
    </message>
    <message>
        <source>Engines:
  local    the engine on this computer: started by this command for its run and ended with it,
           offline, no account or key; the images never leave this computer.
  service  the Tovalin service, with the API key of your account.
  Without --engine: %1, or service with --service-url.
</source>
        <translation>Движки:
  local    движок на этом компьютере: запускается этой командой на время обработки и завершается
           вместе с ней, работает без сети, без учётной записи и ключа; изображения никогда не
           покидают этот компьютер.
  service  сервис Tovalin, с ключом API вашей учётной записи.
  Без --engine: %1, а с --service-url: service.
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
  Нужен только сервису Tovalin. Берётся из --api-key-file ФАЙЛ, иначе из переменной окружения
  TOVALIN_API_KEY, иначе используется ключ, сохранённый окном Tovalin Image Optimizer. Он никогда
  не берётся из командной строки и никогда не выводится. Файл ключа должен быть доступен для
  чтения только вам (chmod 600 ФАЙЛ).
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
        <translation>Код завершения:
  0    все изображения оптимизированы или уже были актуальны
  1    хотя бы одно изображение не удалось обработать
  2    ошибка использования: неверный параметр или нет ключа API для сервиса
  130  прервано (Ctrl-C); 129 и 143 после SIGHUP и SIGTERM

  Прерывание останавливает обработку так же, как кнопка «Остановить» в окне: текущие передачи
  обрываются, ничего не остаётся записанным наполовину, а изображения, до которых не дошла
  очередь, помечаются как остановленные. Повторное прерывание завершает работу сразу.
</translation>
    </message>
    <message>
        <source>Examples:
  %1 --level glossy --avif ~/Pictures/holiday
  TOVALIN_API_KEY=... %1 --engine service ~/Pictures/holiday
</source>
        <translation>Примеры:
  %1 --level glossy --avif ~/Изображения/отпуск
  TOVALIN_API_KEY=... %1 --engine service ~/Изображения/отпуск
</translation>
    </message>
    <message>
        <source>Save the results in &lt;folder&gt; instead of beside the images (see &quot;Output&quot; below).</source>
        <translation>Сохранять результаты в &lt;folder&gt;, а не рядом с изображениями (см. «Вывод» ниже).</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>папка</translation>
    </message>
    <message>
        <source>Give every result the modification time of its image (the default).</source>
        <translation>Давать каждому результату время изменения его изображения (по умолчанию).</translation>
    </message>
    <message>
        <source>Leave every result dated by when it was saved.</source>
        <translation>Оставлять каждому результату время его сохранения.</translation>
    </message>
    <message>
        <source>--output-dir needs the name of a folder.</source>
        <translation>Для --output-dir нужно имя папки.</translation>
    </message>
    <message>
        <source>--output-dir must be a folder, not %1.</source>
        <translation>--output-dir должен быть папкой, а не %1.</translation>
    </message>
    <message>
        <source>Output:
  Results go beside their images, or with --output-dir DIR into DIR: the tree under each folder
  given is mirrored there, and an image given by itself goes to its top. Each result has the
  modification time of its image (--no-keep-dates: the time it was saved).
  Progress goes to standard error: one redrawn line on a terminal, otherwise one line per image.
  The table of results, or with --json one JSON object per image, goes to standard output.
</source>
        <translation>Вывод:
  Результаты сохраняются рядом с изображениями или, с --output-dir DIR, в DIR: там повторяется
  дерево под каждой указанной папкой, а отдельно указанное изображение попадает в её корень. У
  каждого результата время изменения его изображения (--no-keep-dates: время сохранения).
  Ход выполнения выводится в стандартный поток ошибок: одна перерисовываемая строка в терминале,
  иначе по строке на изображение. Таблица результатов, или с --json по объекту JSON на
  изображение, выводится в стандартный вывод.
</translation>
    </message>
    <message>
        <source>Stay, and optimize each image that appears or changes in the folders given once it has been written (see &quot;Watching&quot; below).</source>
        <translation>Продолжать работу и оптимизировать каждое изображение, которое появляется или меняется в указанных папках, как только оно записано (см. «Наблюдение» ниже).</translation>
    </message>
    <message>
        <source>--watch cannot be combined with --%1.</source>
        <translation>--watch нельзя сочетать с --%1.</translation>
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
        <translation>Наблюдение:
  --watch ПАПКА... сначала оптимизирует то, что требуется в папках, а затем продолжает работу:
  изображение, которое появляется или меняется в них или в папке, созданной позже, оптимизируется,
  когда в него полсекунды ничего не записывается. Актуальное пропускается, как при повторном
  запуске, а результаты этой программы никогда не принимаются за изображения. Итог каждого
  изображения выводится, как только оно обработано (с --json — один объект JSON на изображение в
  стандартный вывод). Ctrl-C или SIGTERM останавливает текущую обработку, как прерывание, и
  завершает наблюдение с кодом 0.
</translation>
    </message>
</context>
<context>
    <name>CompareCanvas</name>
    <message>
        <source>Original and result</source>
        <translation>Оригинал и результат</translation>
    </message>
    <message>
        <source>Split view, the original left of the divider.</source>
        <translation>Разделённый вид, оригинал слева от разделителя.</translation>
    </message>
    <message>
        <source>Side by side, the original on the left.</source>
        <translation>Рядом, оригинал слева.</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>Масштаб %1 %.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture, Shift with Left and Right moves the divider; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Клавиши со стрелками перемещают изображение, Shift со стрелками влево и вправо перемещает разделитель; плюс и минус меняют масштаб, 0 вписывает в окно, 1 и 2 показывают 100 % и 200 %.</translation>
    </message>
    <message>
        <source>The arrow keys move the picture; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>Клавиши со стрелками перемещают изображение; плюс и минус меняют масштаб, 0 вписывает в окно, 1 и 2 показывают 100 % и 200 %.</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with</source>
        <translation>Сравнить с</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделение</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>Рядом</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>the result over the original with a divider, or beside it</source>
        <translation>результат поверх оригинала с разделителем или рядом с ним</translation>
    </message>
    <message>
        <source>Zoom out (−)</source>
        <translation>Уменьшить (−)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Zoom in (+)</source>
        <translation>Увеличить (+)</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Вписать</translation>
    </message>
    <message>
        <source>The whole picture in the window (0)</source>
        <translation>Всё изображение в окне (0)</translation>
    </message>
    <message>
        <source>One pixel of the picture to a pixel of the screen (1)</source>
        <translation>Один пиксель изображения на пиксель экрана (1)</translation>
    </message>
    <message>
        <source>Each pixel of the picture as two of the screen (2)</source>
        <translation>Каждый пиксель изображения на два пикселя экрана (2)</translation>
    </message>
    <message>
        <source>The structural similarity (SSIM) of the result to the original, over red, green and blue: 1 for the same picture, lower as they drift apart.</source>
        <translation>Структурное сходство (SSIM) результата с оригиналом по красному, зелёному и синему каналам: 1 для одинаковых изображений, тем меньше, чем сильнее они различаются.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Compare “%1”</source>
        <translation>Сравнить «%1»</translation>
    </message>
    <message>
        <source>which saved file is shown against the original</source>
        <translation>какой сохранённый файл показывается рядом с оригиналом</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригинал</translation>
    </message>
    <message>
        <source>The original and the %1 image</source>
        <translation>Оригинал и изображение «%1»</translation>
    </message>
    <message>
        <source>The original could not be read.</source>
        <translation>Не удалось прочитать оригинал.</translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation>Не удалось прочитать этот файл.</translation>
    </message>
    <message>
        <source>Measuring similarity…</source>
        <translation>Измерение сходства…</translation>
    </message>
    <message>
        <source>Similarity %1 (SSIM)</source>
        <translation>Сходство %1 (SSIM)</translation>
    </message>
    <message>
        <source>Similarity could not be measured.</source>
        <translation>Не удалось измерить сходство.</translation>
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
        <translation>Выбранные изображения</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Enter compares a done image with its result, the Menu key lists what can be done with the current image, and Space removes it. Images and folders can be dropped here.</source>
        <translation>Очередь: по строке на изображение с его состоянием, сообщением и сохранёнными файлами. Enter сравнивает готовое изображение с результатом, клавиша меню показывает, что можно сделать с текущим изображением, а пробел удаляет его. Сюда можно перетащить изображения и папки.</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>On this computer</source>
        <translation>На этом компьютере</translation>
    </message>
    <message>
        <source>Tovalin service</source>
        <translation>Сервис Tovalin</translation>
    </message>
</context>
<context>
    <name>EngineProcess</name>
    <message>
        <source>no answer within %1 seconds.</source>
        <translation>нет ответа в течение %1 с.</translation>
    </message>
    <message>
        <source>it ended unexpectedly.</source>
        <translation>он неожиданно завершился.</translation>
    </message>
    <message>
        <source>it ended with status %1.</source>
        <translation>он завершился с кодом %1.</translation>
    </message>
    <message>
        <source>it did not say where it listens.</source>
        <translation>он не сообщил, где ожидает подключений.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read “%1”: %2.</source>
        <translation>Не удалось прочитать «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” changed while it was being sent; nothing was saved for it.</source>
        <translation>«%1» изменился во время отправки; для него ничего не сохранено.</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being sent; nothing was saved for it.</source>
        <translation>«%1» был удалён во время отправки; для него ничего не сохранено.</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>это не локальный файл</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being optimized; nothing was saved for it.</source>
        <translation>«%1» удалён во время оптимизации; для него ничего не сохранено.</translation>
    </message>
    <message>
        <source>Cannot write to “%1”.</source>
        <translation>Не удаётся записать в «%1».</translation>
    </message>
    <message>
        <source>No name is free for the results in “%1”.</source>
        <translation>Для результатов в «%1» не осталось свободного имени.</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Folder for the Results</source>
        <translation>Папка для результатов</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>The image could not be read.</source>
        <translation>Не удалось прочитать изображение.</translation>
    </message>
</context>
<context>
    <name>ImageJob</name>
    <message>
        <source>Ready to optimize.</source>
        <translation>Готово к оптимизации.</translation>
    </message>
</context>
<context>
    <name>ItemPickerDialog</name>
    <message>
        <source>Images (%1)</source>
        <translation>Изображения (%1)</translation>
    </message>
    <message>
        <source>Raw camera images (%1)</source>
        <translation>Необработанные снимки с камеры (%1)</translation>
    </message>
    <message>
        <source>Choose images or folders to optimize</source>
        <translation>Выберите изображения или папки для оптимизации</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <source>Drop images or folders here</source>
        <translation>Перетащите сюда изображения или папки</translation>
    </message>
    <message>
        <source>Drop to add to the queue</source>
        <translation>Отпустите, чтобы добавить в очередь</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Оригинал</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Открыть «%1»</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <translation>Показать «%1» в папке</translation>
    </message>
    <message>
        <source>Remove from Queue</source>
        <translation>Удалить из очереди</translation>
    </message>
    <message numerus="yes">
        <source>Optimize %n Again</source>
        <translation>
            <numerusform>Оптимизировать %n изображение снова</numerusform>
            <numerusform>Оптимизировать %n изображения снова</numerusform>
            <numerusform>Оптимизировать %n изображений снова</numerusform>
        </translation>
    </message>
    <message>
        <source>Optimize Again</source>
        <translation>Оптимизировать снова</translation>
    </message>
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>Удалить из очереди</translation>
    </message>
    <message>
        <source>Double-click or press Enter to compare with the original</source>
        <translation>Дважды щёлкните или нажмите Enter, чтобы сравнить с оригиналом</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>Queued</source>
        <translation>В очереди</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Обработка</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Opens the Tovalin Image Optimizer window with the given images queued; folders are
searched for images. When the window is already open, they join its queue and the
window is brought to the front.</source>
        <translation>Открывает окно Tovalin Image Optimizer с указанными изображениями в очереди; в папках ищутся
изображения. Если окно уже открыто, они добавляются в его очередь, а окно выводится на передний
план.</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>ПУТЬ</translation>
    </message>
    <message>
        <source>Image files and folders, as paths or file: URIs.</source>
        <translation>Файлы изображений и папки в виде путей или URI file:.</translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>[ПУТЬ...]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [PATH...]</source>
        <translation>Использование: %1 [параметры] [ПУТЬ...]</translation>
    </message>
    <message>
        <source>tovalin-image-optimizer: %1 is not on this computer; only local files and folders can be queued.</source>
        <translation>tovalin-image-optimizer: %1 находится не на этом компьютере; в очередь можно добавить только локальные файлы и папки.</translation>
    </message>
</context>
<context>
    <name>LinkButton</name>
    <message>
        <source>Opens %1 in the web browser.</source>
        <translation>Открывает %1 в браузере.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>The optimizer on this computer could not be started: %1</source>
        <translation>Не удалось запустить оптимизатор на этом компьютере: %1</translation>
    </message>
    <message>
        <source>the program is closing.</source>
        <translation>программа закрывается.</translation>
    </message>
    <message>
        <source>The optimizer on this computer is missing: %1 is not installed beside this program.</source>
        <translation>Оптимизатор на этом компьютере отсутствует: %1 не установлен рядом с этой программой.</translation>
    </message>
    <message>
        <source>The optimizer on this computer stopped unexpectedly; the next image starts it again.</source>
        <translation>Оптимизатор на этом компьютере неожиданно остановился; следующее изображение запустит его снова.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Закрыть окно</translation>
    </message>
</context>
<context>
    <name>OptimizeCommand</name>
    <message>
        <source>the file system of %1 keeps no marks on files, so images there are sent even when their results are up to date.</source>
        <translation>файловая система %1 не хранит отметки на файлах, поэтому изображения там отправляются, даже если их результаты актуальны.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Подробности: «%1 --help».</translation>
    </message>
    <message>
        <source>no PEM certificate could be read from %1.</source>
        <translation>не удалось прочитать ни одного сертификата PEM из %1.</translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>остановка; прервите ещё раз, чтобы выйти сразу.</translation>
    </message>
    <message>
        <source>no images found in the given folders.</source>
        <translation>в указанных папках не найдено изображений.</translation>
    </message>
    <message>
        <source>warning: the key file is only for the Tovalin service; these images are optimized on this computer (--engine service sends them to the service).</source>
        <translation>предупреждение: файл ключа нужен только для сервиса Tovalin; эти изображения оптимизируются на этом компьютере (--engine service отправляет их в сервис).</translation>
    </message>
    <message>
        <source>--watch takes folders; %1 is not one.</source>
        <translation>--watch принимает папки; %1 не папка.</translation>
    </message>
</context>
<context>
    <name>OutputKind</name>
    <message>
        <source>Optimized</source>
        <translation>Оптимизированный</translation>
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
        <translation>почти готово</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>осталось около %1</translation>
    </message>
</context>
<context>
    <name>QueueHeader</name>
    <message>
        <source>Clear finished</source>
        <translation>Убрать готовые</translation>
    </message>
    <message>
        <source>Clear queue</source>
        <translation>Очистить очередь</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>Выбранные изображения</translation>
    </message>
    <message>
        <source>Removes the images that are done from the queue.</source>
        <translation>Удаляет из очереди готовые изображения.</translation>
    </message>
    <message>
        <source>Removes every image from the queue but the one being optimized.</source>
        <translation>Удаляет из очереди все изображения, кроме оптимизируемого сейчас.</translation>
    </message>
    <message>
        <source>Add files to begin.</source>
        <translation>Добавьте файлы, чтобы начать.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left to optimize</source>
        <translation>
            <numerusform>Осталось оптимизировать %n изображение</numerusform>
            <numerusform>Осталось оптимизировать %n изображения</numerusform>
            <numerusform>Осталось оптимизировать %n изображений</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter your API key to begin.</source>
        <translation>Введите ключ API, чтобы начать.</translation>
    </message>
    <message>
        <source>Press Optimize to begin.</source>
        <translation>Нажмите «Оптимизировать», чтобы начать.</translation>
    </message>
</context>
<context>
    <name>QueueRunner</name>
    <message numerus="yes">
        <source>Optimizing %n image(s)…</source>
        <translation>
            <numerusform>Оптимизация %n изображения…</numerusform>
            <numerusform>Оптимизация %n изображений…</numerusform>
            <numerusform>Оптимизация %n изображений…</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped by user.</source>
        <translation>Остановлено пользователем.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Остановлено.</translation>
    </message>
    <message>
        <source>Sending to Tovalin…</source>
        <translation>Отправка в Tovalin…</translation>
    </message>
    <message>
        <source>The image could not be optimized.</source>
        <translation>Не удалось оптимизировать изображение.</translation>
    </message>
    <message>
        <source>Optimized and saved locally.</source>
        <translation>Оптимизировано и сохранено локально.</translation>
    </message>
    <message>
        <source>“%1” is not this program&apos;s and was kept; this one is “%2”.</source>
        <translation>«%1» создан не этой программой и сохранён; этот результат называется «%2».</translation>
    </message>
    <message>
        <source>Image is being optimized…</source>
        <translation>Изображение оптимизируется…</translation>
    </message>
    <message>
        <source>Every image is already optimized.</source>
        <translation>Все изображения уже оптимизированы.</translation>
    </message>
</context>
<context>
    <name>ResizeMode</name>
    <message>
        <source>No resize</source>
        <translation>Без изменений</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Заполнить</translation>
    </message>
    <message>
        <source>Contain</source>
        <translation>Вписать</translation>
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
            <numerusform>%n изображение оптимизировано</numerusform>
            <numerusform>%n изображения оптимизированы</numerusform>
            <numerusform>%n изображений оптимизировано</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n с ошибкой</numerusform>
            <numerusform>%n с ошибкой</numerusform>
            <numerusform>%n с ошибкой</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n остановлено</numerusform>
            <numerusform>%n остановлено</numerusform>
            <numerusform>%n остановлено</numerusform>
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
        <translation>Ход обработки</translation>
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
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропущено</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>К отправке</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>СОСТОЯНИЕ</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>ДО</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>ПОСЛЕ</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>ИЗМЕНЕНИЕ</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>СООБЩЕНИЕ</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Остановлено.</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 изображение</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>%n изображение</numerusform>
            <numerusform>%n изображения</numerusform>
            <numerusform>%n изображений</numerusform>
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
            <numerusform>%n с ошибкой</numerusform>
            <numerusform>%n с ошибкой</numerusform>
            <numerusform>%n с ошибкой</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>%n остановлено</numerusform>
            <numerusform>%n остановлено</numerusform>
            <numerusform>%n остановлено</numerusform>
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
            <numerusform>%n к отправке</numerusform>
            <numerusform>%n к отправке</numerusform>
            <numerusform>%n к отправке</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итого</translation>
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
        <translation>Для режима «%1» нужна ширина, высота или и то и другое.</translation>
    </message>
    <message>
        <source>The width must be a whole number of pixels, 1 or more.</source>
        <translation>Ширина должна быть целым числом пикселей, не меньше 1.</translation>
    </message>
    <message>
        <source>The height must be a whole number of pixels, 1 or more.</source>
        <translation>Высота должна быть целым числом пикселей, не меньше 1.</translation>
    </message>
    <message>
        <source>The width and the height must be whole numbers of pixels, 1 or more.</source>
        <translation>Ширина и высота должны быть целыми числами пикселей, не меньше 1.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Help: %1</source>
        <translation>Справка: %1</translation>
    </message>
    <message>
        <source>Opens the article in the web browser.</source>
        <translation>Открывает статью в браузере.</translation>
    </message>
    <message>
        <source>API Key</source>
        <translation>Ключ API</translation>
    </message>
    <message>
        <source>(Get an API Key)</source>
        <translation>(Получить ключ API)</translation>
    </message>
    <message>
        <source>Your 20-character API key</source>
        <translation>Ваш 20-значный ключ API</translation>
    </message>
    <message>
        <source>The API key of your Tovalin account. It is kept for the next start.</source>
        <translation>Ключ API вашей учётной записи Tovalin. Он сохраняется до следующего запуска.</translation>
    </message>
    <message>
        <source>Hide key</source>
        <translation>Скрыть ключ</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>Показать ключ</translation>
    </message>
    <message>
        <source>Masks the API key again.</source>
        <translation>Снова скрывает ключ API.</translation>
    </message>
    <message>
        <source>Shows the API key in plain text.</source>
        <translation>Показывает ключ API открытым текстом.</translation>
    </message>
    <message>
        <source>Densora Level</source>
        <translation>Уровень Densora</translation>
    </message>
    <message>
        <source>Learn about Lossy, Glossy, and Lossless</source>
        <translation>Подробнее о Lossy, Glossy и Lossless</translation>
    </message>
    <message>
        <source>Compression levels</source>
        <translation>Уровни сжатия</translation>
    </message>
    <message>
        <source>how strongly images are compressed</source>
        <translation>насколько сильно сжимаются изображения</translation>
    </message>
    <message>
        <source>Next Generation Images</source>
        <translation>Изображения нового поколения</translation>
    </message>
    <message>
        <source>Create WebP (+ keep original)</source>
        <translation>Создать WebP (+ сохранить оригинал)</translation>
    </message>
    <message>
        <source>Also saves a WebP version beside each image.</source>
        <translation>Также сохраняет версию WebP рядом с каждым изображением.</translation>
    </message>
    <message>
        <source>Create AVIF (+ keep original)</source>
        <translation>Создать AVIF (+ сохранить оригинал)</translation>
    </message>
    <message>
        <source>Also saves an AVIF version beside each image.</source>
        <translation>Также сохраняет версию AVIF рядом с каждым изображением.</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Изменение размера</translation>
    </message>
    <message>
        <source>Learn how Tovalin resizes images automatically</source>
        <translation>Узнайте, как Tovalin автоматически меняет размер изображений</translation>
    </message>
    <message>
        <source>how images are fitted to the width and height</source>
        <translation>как изображения подгоняются под ширину и высоту</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Target width in pixels.</source>
        <translation>Целевая ширина в пикселях.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Target height in pixels.</source>
        <translation>Целевая высота в пикселях.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Convert CMYK to RGB</source>
        <translation>Преобразовать CMYK в RGB</translation>
    </message>
    <message>
        <source>Print colors are turned into screen colors.</source>
        <translation>Печатные цвета преобразуются в экранные.</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>Удалить фон</translation>
    </message>
    <message>
        <source>The service cuts the subject out of its background.</source>
        <translation>Сервис вырезает объект из фона.</translation>
    </message>
    <message>
        <source>Keep EXIF</source>
        <translation>Сохранить EXIF</translation>
    </message>
    <message>
        <source>Camera data such as date and place stay in the image.</source>
        <translation>Данные камеры, например дата и место съёмки, остаются в изображении.</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>Увеличение</translation>
    </message>
    <message>
        <source>How many times larger the service makes each image.</source>
        <translation>Во сколько раз сервис увеличивает каждое изображение.</translation>
    </message>
    <message>
        <source>Images at once</source>
        <translation>Изображений одновременно</translation>
    </message>
    <message>
        <source>How many images are with the service at the same time.</source>
        <translation>Сколько изображений одновременно находится в сервисе.</translation>
    </message>
    <message>
        <source>Add images or folders…</source>
        <translation>Добавить изображения или папки…</translation>
    </message>
    <message>
        <source>Chooses images and folders to queue. They can also be dropped on the window.</source>
        <translation>Выбирает изображения и папки для очереди. Их также можно перетащить на окно.</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Оптимизировать</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Stops the run; the image in progress is marked stopped.</source>
        <translation>Останавливает обработку; текущее изображение помечается как остановленное.</translation>
    </message>
    <message>
        <source>Contact us with any issues, bug reports, or questions.</source>
        <translation>Свяжитесь с нами по любым проблемам, сообщениям об ошибках или вопросам.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>О программе Tovalin Image Optimizer</translation>
    </message>
    <message>
        <source>Optimizes every image in the queue with the options above.</source>
        <translation>Оптимизирует все изображения в очереди с параметрами выше.</translation>
    </message>
    <message>
        <source>Enter an API key and add images first.</source>
        <translation>Сначала введите ключ API и добавьте изображения.</translation>
    </message>
    <message>
        <source>Enter an API key first.</source>
        <translation>Сначала введите ключ API.</translation>
    </message>
    <message>
        <source>Add images first.</source>
        <translation>Сначала добавьте изображения.</translation>
    </message>
    <message>
        <source>Images are being optimized.</source>
        <translation>Изображения оптимизируются.</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>where the images are optimized</source>
        <translation>где оптимизируются изображения</translation>
    </message>
    <message>
        <source>Watch added folders</source>
        <translation>Следить за добавленными папками</translation>
    </message>
    <message>
        <source>New images in the folders you added are queued as they appear.</source>
        <translation>Новые изображения в добавленных папках ставятся в очередь, как только появляются.</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Where results go</source>
        <translation>Куда сохранять результаты</translation>
    </message>
    <message>
        <source>Beside the originals</source>
        <translation>Рядом с оригиналами</translation>
    </message>
    <message>
        <source>In a folder…</source>
        <translation>В папку…</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Сохранять даты файлов</translation>
    </message>
    <message>
        <source>Every result gets the modification time of its original.</source>
        <translation>Каждый результат получает время изменения своего оригинала.</translation>
    </message>
    <message>
        <source>Results are saved in %1.</source>
        <translation>Результаты сохраняются в %1.</translation>
    </message>
    <message>
        <source>Results are saved beside their originals.</source>
        <translation>Результаты сохраняются рядом с оригиналами.</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>Nothing saved</source>
        <translation>Ничего не сэкономлено</translation>
    </message>
    <message>
        <source>Saved %1 of %2</source>
        <translation>Сэкономлено %1 из %2</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>больше, чем «%1»</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Turns while images are being optimized.</source>
        <translation>Вращается, пока оптимизируются изображения.</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>Почти готово</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes</comment>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1 ч</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>Осталось около %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
</context>
<context>
    <name>TovalinError</name>
    <message>
        <source>(binary)</source>
        <translation>(двоичные данные)</translation>
    </message>
    <message>
        <source>Unexpected API response: %1</source>
        <translation>Неожиданный ответ API: %1</translation>
    </message>
    <message>
        <source>Failed to encode parameters.</source>
        <translation>Не удалось закодировать параметры.</translation>
    </message>
    <message>
        <source>Tovalin did not return any data.</source>
        <translation>Tovalin не вернул никаких данных.</translation>
    </message>
    <message>
        <source>No download URL returned for this configuration.</source>
        <translation>Для этой конфигурации не возвращён адрес загрузки.</translation>
    </message>
    <message>
        <source>Could not save the optimized file.</source>
        <translation>Не удалось сохранить оптимизированный файл.</translation>
    </message>
    <message>
        <source>Could not download the optimized file (HTTP status %1).</source>
        <translation>Не удалось загрузить оптимизированный файл (код HTTP %1).</translation>
    </message>
    <message>
        <source>Could not download the optimized file (empty response).</source>
        <translation>Не удалось загрузить оптимизированный файл (пустой ответ).</translation>
    </message>
</context>
<context>
    <name>TransportError</name>
    <message>
        <source>The connection timed out: no data moved for %1 seconds.</source>
        <translation>Время ожидания соединения истекло: данные не передавались %1 с.</translation>
    </message>
    <message>
        <source>The reply is larger than %1, the most this program accepts.</source>
        <translation>Ответ больше %1 — максимума, который принимает эта программа.</translation>
    </message>
    <message>
        <source>The server “%1” could not be found.</source>
        <translation>Сервер «%1» не найден.</translation>
    </message>
    <message>
        <source>The proxy server could not be found.</source>
        <translation>Прокси-сервер не найден.</translation>
    </message>
    <message>
        <source>Could not connect to the server “%1”.</source>
        <translation>Не удалось подключиться к серверу «%1».</translation>
    </message>
    <message>
        <source>The secure connection to “%1” could not be established: %2.</source>
        <translation>Не удалось установить защищённое соединение с «%1»: %2.</translation>
    </message>
    <message>
        <source>The service redirected the request to an address it may not go to.</source>
        <translation>Сервис перенаправил запрос на недопустимый адрес.</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>Слишком много перенаправлений.</translation>
    </message>
    <message>
        <source>The connection to the service was closed before it answered.</source>
        <translation>Соединение с сервисом закрыто до того, как он ответил.</translation>
    </message>
    <message>
        <source>The connection was closed before the whole reply arrived.</source>
        <translation>Соединение закрыто до получения полного ответа.</translation>
    </message>
    <message>
        <source>Refused to connect to “%1”: only secure (https) addresses are allowed.</source>
        <translation>Подключение к «%1» отклонено: разрешены только защищённые адреса (https).</translation>
    </message>
    <message>
        <source>The connection could not be set up.</source>
        <translation>Не удалось установить соединение.</translation>
    </message>
</context>
<context>
    <name>UpToDateJobs</name>
    <message>
        <source>Already optimized.</source>
        <translation>Уже оптимизировано.</translation>
    </message>
</context>
<context>
    <name>UpscaleFactor</name>
    <message>
        <source>No upscale</source>
        <translation>Без увеличения</translation>
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
        <translation>предупреждение: система не позволяет следить за новыми папками (fs.inotify.max_user_watches); изображения в папках без наблюдения не будут замечены до следующего запуска наблюдения.</translation>
    </message>
    <message>
        <source>cannot watch %1.</source>
        <translation>не удаётся следить за %1.</translation>
    </message>
    <message numerus="yes">
        <source>watching %n folder(s); stop with Ctrl-C.</source>
        <translation>
            <numerusform>наблюдение за %n папкой; остановка — Ctrl-C.</numerusform>
            <numerusform>наблюдение за %n папками; остановка — Ctrl-C.</numerusform>
            <numerusform>наблюдение за %n папками; остановка — Ctrl-C.</numerusform>
        </translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>остановка; прервите ещё раз, чтобы выйти сразу.</translation>
    </message>
</context>
</TS>
