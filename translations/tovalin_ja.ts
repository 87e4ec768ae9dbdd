<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Optimizes images with the Tovalin service.</source>
        <translation>Tovalin サービスで画像を最適化します。</translation>
    </message>
    <message>
        <source>Released under the %1 licence.</source>
        <translation>%1 ライセンスの下で公開されています。</translation>
    </message>
    <message>
        <source>Get an API key</source>
        <translation>API キーを取得</translation>
    </message>
    <message>
        <source>Contact us</source>
        <translation>お問い合わせ</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Tovalin Image Optimizer について</translation>
    </message>
</context>
<context>
    <name>ApiKeySource</name>
    <message>
        <source>cannot read the key file %1: %2.</source>
        <translation>キーファイル %1 を読み込めません：%2。</translation>
    </message>
    <message>
        <source>warning: the key file %1 can be read by other users; make it yours only with: chmod 600 %1</source>
        <translation>警告：キーファイル %1 は他のユーザーも読み取れます。自分だけが読めるようにするには：chmod 600 %1</translation>
    </message>
    <message>
        <source>the key file %1 is too large to hold an API key.</source>
        <translation>キーファイル %1 は API キーを格納するには大きすぎます。</translation>
    </message>
    <message>
        <source>the key file %1 holds no API key.</source>
        <translation>キーファイル %1 に API キーがありません。</translation>
    </message>
    <message>
        <source>the key stored by the window is sent only to the service this program was built for; with --service-url give the key with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>ウィンドウが保存したキーは、このプログラムのビルド対象のサービスにだけ送信されます。--service-url を使うときは、--api-key-file FILE または環境変数 TOVALIN_API_KEY でキーを指定してください。</translation>
    </message>
    <message>
        <source>no API key: give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY, or enter it in the Tovalin Image Optimizer window.</source>
        <translation>API キーがありません：--api-key-file FILE または環境変数 TOVALIN_API_KEY で指定するか、Tovalin Image Optimizer のウィンドウで入力してください。</translation>
    </message>
</context>
<context>
    <name>CancelledError</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>リクエストはキャンセルされました。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Compression: lossy (the default), glossy or lossless.</source>
        <translation>圧縮：lossy（既定）、glossy、lossless。</translation>
    </message>
    <message>
        <source>level</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>level</translation>
    </message>
    <message>
        <source>Also save a WebP version (the default).</source>
        <translation>WebP 版も保存します（既定）。</translation>
    </message>
    <message>
        <source>Save no WebP version.</source>
        <translation>WebP 版を保存しません。</translation>
    </message>
    <message>
        <source>Also save an AVIF version.</source>
        <translation>AVIF 版も保存します。</translation>
    </message>
    <message>
        <source>Save no AVIF version (the default).</source>
        <translation>AVIF 版を保存しません（既定）。</translation>
    </message>
    <message>
        <source>Fit each image to --width and --height: cover or contain.</source>
        <translation>各画像を --width と --height に合わせます：cover か contain。</translation>
    </message>
    <message>
        <source>mode</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>mode</translation>
    </message>
    <message>
        <source>Width to resize to, in pixels.</source>
        <translation>リサイズ後の幅（ピクセル）。</translation>
    </message>
    <message>
        <source>Height to resize to, in pixels.</source>
        <translation>リサイズ後の高さ（ピクセル）。</translation>
    </message>
    <message>
        <source>Upscale by 2, 3 or 4.</source>
        <translation>2、3、4 倍に拡大します。</translation>
    </message>
    <message>
        <source>factor</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>factor</translation>
    </message>
    <message>
        <source>Remove the background.</source>
        <translation>背景を除去します。</translation>
    </message>
    <message>
        <source>Keep the EXIF data.</source>
        <translation>EXIF データを保持します。</translation>
    </message>
    <message>
        <source>Leave CMYK images in CMYK (they are converted to RGB by default).</source>
        <translation>CMYK 画像を CMYK のままにします（既定では RGB に変換）。</translation>
    </message>
    <message>
        <source>Read the API key from &lt;file&gt; (see &quot;API key&quot; below).</source>
        <translation>API キーを &lt;file&gt; から読み込みます（後述の「API キー」を参照）。</translation>
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
        <translation>--service-url 用に &lt;file&gt; の PEM 証明書も信頼します。</translation>
    </message>
    <message>
        <source>Keep up to &lt;N&gt; images with the service at once, 1 to %1 (4 by default).</source>
        <translation>サービスに同時に預ける画像を最大 &lt;N&gt; 枚にします（1〜%1、既定は 4）。</translation>
    </message>
    <message>
        <source>Take only share &lt;K/N&gt; of the images, for N processes that together handle every image once (see &quot;Sharing the work&quot; below).</source>
        <translation>画像のうち分担分 &lt;K/N&gt; だけを扱います。N 個のプロセスで
全画像を 1 回ずつ処理するためです（後述の「作業の分担」を参照）。</translation>
    </message>
    <message>
        <source>Send every image, also those whose results are up to date.</source>
        <translation>結果が最新の画像も含め、すべての画像を送信します。</translation>
    </message>
    <message>
        <source>List what would be sent and what would be skipped; send nothing.</source>
        <translation>送信されるものとスキップされるものを一覧表示し、何も送信しません。</translation>
    </message>
    <message>
        <source>Print one JSON object per image instead of the table.</source>
        <translation>表の代わりに画像ごとに JSON オブジェクトを出力します。</translation>
    </message>
    <message>
        <source>Print no progress.</source>
        <translation>進行状況を出力しません。</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Image files, and folders to search.</source>
        <translation>画像ファイル、および検索するフォルダー。</translation>
    </message>
    <message>
        <source>PATH...</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>PATH...</translation>
    </message>
    <message>
        <source>the API key is never taken from the command line, where other users could see it in the process list; give it with --api-key-file FILE or the environment variable TOVALIN_API_KEY.</source>
        <translation>API キーはコマンドラインからは決して受け取りません。他のユーザーにプロセス一覧で見られてしまうためです。--api-key-file FILE または環境変数 TOVALIN_API_KEY で指定してください。</translation>
    </message>
    <message>
        <source>--level must be lossy, glossy or lossless, not %1.</source>
        <translation>--level には lossy、glossy、lossless のいずれかを指定してください。%1 は使えません。</translation>
    </message>
    <message>
        <source>--resize must be cover or contain, not %1.</source>
        <translation>--resize には cover か contain を指定してください。%1 は使えません。</translation>
    </message>
    <message>
        <source>--%1 must be a whole number of pixels, 1 or more, not %2.</source>
        <translation>--%1 には 1 以上の整数のピクセル数を指定してください。%2 は使えません。</translation>
    </message>
    <message>
        <source>--width and --height need --resize cover or --resize contain.</source>
        <translation>--width と --height には --resize cover または --resize contain が必要です。</translation>
    </message>
    <message>
        <source>--resize needs --width, --height or both.</source>
        <translation>--resize には --width、--height、またはその両方が必要です。</translation>
    </message>
    <message>
        <source>--upscale must be 2, 3 or 4, not %1.</source>
        <translation>--upscale には 2、3、4 のいずれかを指定してください。%1 は使えません。</translation>
    </message>
    <message>
        <source>--api-key-file needs the name of a file.</source>
        <translation>--api-key-file にはファイル名が必要です。</translation>
    </message>
    <message>
        <source>--service-url must be an https address such as https://host:port, not %1.</source>
        <translation>--service-url には https://host:port のような https のアドレスを指定してください。%1 は使えません。</translation>
    </message>
    <message>
        <source>--ca-file is only for the service given with --service-url.</source>
        <translation>--ca-file は --service-url で指定したサービスにだけ使えます。</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to %1, not %2.</source>
        <translation>--jobs には 1〜%1 の整数を指定してください。%2 は使えません。</translation>
    </message>
    <message>
        <source>--shard must be K/N with K from 1 to N, such as 2/4, not %1.</source>
        <translation>--shard には 2/4 のように K/N（K は 1〜N）を指定してください。%1 は使えません。</translation>
    </message>
    <message>
        <source>no images or folders given.</source>
        <translation>画像もフォルダーも指定されていません。</translation>
    </message>
    <message>
        <source>Usage: %1 [options] PATH...</source>
        <translation>使い方: %1 [オプション] PATH...</translation>
    </message>
    <message>
        <source>Reruns:
  Every result carries a mark naming its source and the settings it was made with. Results
  found in a folder are never taken for images to optimize, and an image whose results are
  all there, made from the image as it is now with the same settings, is skipped (&quot;Already
  optimized.&quot;). --force sends it anyway. Where the file system keeps no marks, nothing is
  skipped. --dry-run lists what would be sent and what skipped.
</source>
        <translation>再実行:
  各結果には、元画像と作成時の設定を示すマークが付いています。フォルダー内で見つかった結果が最適化
  する画像として扱われることはありません。また、今の元画像から同じ設定で作られた結果がすべて揃って
  いる画像はスキップされます（「最適化済みです。」）。--force を指定すると、それでも送信します。
  ファイルシステムがマークを保存しない場所では、何もスキップされません。--dry-run は送信されるもの
  とスキップされるものを一覧表示します。
</translation>
    </message>
    <message>
        <source>Several at once:
  Up to --jobs images are with the service at once. Two images whose results would share a
  file name are never sent together.
</source>
        <translation>複数同時の処理:
  サービスには同時に最大 --jobs 枚の画像を預けます。結果のファイル名が同じになる 2 枚の画像が一緒
  に送信されることはありません。
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
        <translation>作業の分担:
  --shard K/N は、見つかった画像を N 個に分けたうちの K 番目を扱います。分け方は、指定したフォル
  ダーから見た各画像の相対パス（単独で指定したファイルは指定どおりのパス）のハッシュで決まります。
  同じパスと --shard 1/N〜N/N を与えた N 個のプロセスは、1 台のマシンでも複数台でも、すべての画像
  をちょうど 1 回ずつ処理します。たとえば GNU parallel では：
    parallel %1 --shard {}/4 ~/site/images ::: 1 2 3 4
</translation>
    </message>
    <message>
        <source>Optimize on this computer (local, no key needed) or through the Tovalin service (service, with your API key); %1 by default.</source>
        <translation>このコンピューターで最適化するか（local、キー不要）、
Tovalin サービスで最適化するか（service、API キーを使用）を
選びます。既定は %1 です。</translation>
    </message>
    <message>
        <source>engine</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>engine</translation>
    </message>
    <message>
        <source>Talk to the service at &lt;url&gt; (https only) instead of the one this program was built for; implies --engine service. The key must then come from --api-key-file or TOVALIN_API_KEY.</source>
        <translation>ビルド時のサービスではなく &lt;url&gt; のサービス（https のみ）を
使います。--engine service を指定したことになります。
キーは --api-key-file か TOVALIN_API_KEY で指定します。</translation>
    </message>
    <message>
        <source>Optimizes images on this computer or through the Tovalin service and saves the results
beside them: photo.jpg gives photo-optimized.jpg, and photo.webp or photo.avif when
asked for. Folders are searched for images. The source images are never changed.</source>
        <translation>このコンピューターで、または Tovalin サービスで画像を最適化し、結果を元画像の隣に保存します：
photo.jpg から photo-optimized.jpg を、指定があれば photo.webp や photo.avif も作ります。
フォルダー内の画像も探します。元画像が変更されることはありません。</translation>
    </message>
    <message>
        <source>--engine must be local or service, not %1.</source>
        <translation>--engine には local か service を指定してください。%1 は使えません。</translation>
    </message>
    <message>
        <source>--service-url is for --engine service.</source>
        <translation>--service-url は --engine service のときだけ使えます。</translation>
    </message>
    <message>
        <source>Engines:
  local    the engine on this computer: started by this command for its run and ended with it,
           offline, no account or key; the images never leave this computer.
  service  the Tovalin service, with the API key of your account.
  Without --engine: %1, or service with --service-url.
</source>
        <translation>エンジン:
  local    このコンピューターのエンジン。このコマンドが実行のために起動し、実行とともに終了しま
           す。オフラインで動き、アカウントもキーも不要です。画像がこのコンピューターの外に出るこ
           とはありません。
  service  Tovalin サービス。アカウントの API キーを使います。
  --engine を指定しないときは %1、--service-url を指定したときは service です。
</translation>
    </message>
    <message>
        <source>API key:
  Only the Tovalin service needs one. Taken from --api-key-file FILE, else from the environment
  variable TOVALIN_API_KEY, else the key stored by the Tovalin Image Optimizer window. It is never
  taken from the command line and never printed. A key file should be readable by you only
  (chmod 600 FILE).
</source>
        <translation>API キー:
  必要なのは Tovalin サービスだけです。--api-key-file FILE から、なければ環境変数 TOVALIN_API_KEY
  から、それもなければ Tovalin Image Optimizer のウィンドウが保存したキーを使います。キーをコマン
  ドラインから受け取ることも、出力することも決してありません。キーファイルは自分だけが読めるように
  してください（chmod 600 FILE）。
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
        <translation>終了ステータス:
  0    すべての画像を最適化した、または最新だった
  1    少なくとも 1 枚の画像が失敗した
  2    使い方の誤り：不正なオプション、またはサービス用の API キーがない
  130  中断された（Ctrl-C）。SIGHUP と SIGTERM の後は 129 と 143

  中断すると、ウィンドウの「停止」ボタンと同じように処理が止まります。転送中のものは打ち切られ、書
  きかけのまま残るものはなく、たどり着かなかった画像は停止として報告されます。もう一度中断するとす
  ぐに終了します。
</translation>
    </message>
    <message>
        <source>Examples:
  %1 --level glossy --avif ~/Pictures/holiday
  TOVALIN_API_KEY=... %1 --engine service ~/Pictures/holiday
</source>
        <translation>例:
  %1 --level glossy --avif ~/ピクチャ/旅行
  TOVALIN_API_KEY=... %1 --engine service ~/ピクチャ/旅行
</translation>
    </message>
    <message>
        <source>Save the results in &lt;folder&gt; instead of beside the images (see &quot;Output&quot; below).</source>
        <translation>結果を画像の隣ではなく &lt;folder&gt; に保存します（後述の「出力」を参照）。</translation>
    </message>
    <message>
        <source>folder</source>
        <comment>an option&apos;s value, as in &lt;file&gt;</comment>
        <translation>folder</translation>
    </message>
    <message>
        <source>Give every result the modification time of its image (the default).</source>
        <translation>各結果に元の画像の更新日時を付けます（既定）。</translation>
    </message>
    <message>
        <source>Leave every result dated by when it was saved.</source>
        <translation>各結果の日時を保存した時刻のままにします。</translation>
    </message>
    <message>
        <source>--output-dir needs the name of a folder.</source>
        <translation>--output-dir にはフォルダー名が必要です。</translation>
    </message>
    <message>
        <source>--output-dir must be a folder, not %1.</source>
        <translation>--output-dir はフォルダーでなければなりません（%1 ではなく）。</translation>
    </message>
    <message>
        <source>Output:
  Results go beside their images, or with --output-dir DIR into DIR: the tree under each folder
  given is mirrored there, and an image given by itself goes to its top. Each result has the
  modification time of its image (--no-keep-dates: the time it was saved).
  Progress goes to standard error: one redrawn line on a terminal, otherwise one line per image.
  The table of results, or with --json one JSON object per image, goes to standard output.
</source>
        <translation>出力:
  結果は画像の隣に保存されます。--output-dir DIR を指定すると DIR に保存され、指定した各フォ
  ルダー以下の構造がそこに再現されます。単独で指定した画像は DIR の直下に入ります。各結果には元
  の画像の更新日時が付きます（--no-keep-dates では保存した時刻）。
  進行状況は標準エラー出力に出ます。端末では 1 行を書き換えながら、それ以外では画像ごとに 1 行で
  す。結果の表（--json を指定したときは画像ごとの JSON オブジェクト）は標準出力に出ます。
</translation>
    </message>
    <message>
        <source>Stay, and optimize each image that appears or changes in the folders given once it has been written (see &quot;Watching&quot; below).</source>
        <translation>終了せずに待機し、指定したフォルダーに現れた画像や
変更された画像を、書き込みが終わりしだい最適化します
（後述の「監視」を参照）。</translation>
    </message>
    <message>
        <source>--watch cannot be combined with --%1.</source>
        <translation>--watch は --%1 と一緒に使えません。</translation>
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
        <translation>監視:
  --watch フォルダー... はまずフォルダー内で必要なものを最適化し、その後も待機を続けます。
  フォルダー内（後から作られたフォルダーも含む）に画像が現れたり変更されたりすると、0.5 秒間
  書き込みがなくなった時点で最適化します。最新のものは再実行と同じくスキップし、このプログラム
  の結果を画像として扱うことはありません。各画像の結果は終わりしだい表示します（--json では
  画像ごとに JSON オブジェクトを 1 つ標準出力へ）。Ctrl-C または SIGTERM は中断と同じように
  実行中の処理を止め、ステータス 0 で監視を終了します。
</translation>
    </message>
</context>
<context>
    <name>CompareCanvas</name>
    <message>
        <source>Original and result</source>
        <translation>元画像と結果</translation>
    </message>
    <message>
        <source>Split view, the original left of the divider.</source>
        <translation>分割表示。元画像は区切り線の左側です。</translation>
    </message>
    <message>
        <source>Side by side, the original on the left.</source>
        <translation>並べて表示。元画像は左側です。</translation>
    </message>
    <message>
        <source>Zoom %1 %.</source>
        <translation>ズーム %1%。</translation>
    </message>
    <message>
        <source>The arrow keys move the picture, Shift with Left and Right moves the divider; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>矢印キーで画像を動かし、Shift と左右の矢印キーで区切り線を動かします。プラスとマイナスで拡大・縮小、0 で全体表示、1 と 2 で 100% と 200% の表示です。</translation>
    </message>
    <message>
        <source>The arrow keys move the picture; plus and minus zoom, 0 fits, 1 and 2 show 100 % and 200 %.</source>
        <translation>矢印キーで画像を動かします。プラスとマイナスで拡大・縮小、0 で全体表示、1 と 2 で 100% と 200% の表示です。</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source>Compare with</source>
        <translation>比較対象</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>分割</translation>
    </message>
    <message>
        <source>Side by side</source>
        <translation>並べて表示</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示方法</translation>
    </message>
    <message>
        <source>the result over the original with a divider, or beside it</source>
        <translation>区切り線で元画像に重ねるか、横に並べるか</translation>
    </message>
    <message>
        <source>Zoom out (−)</source>
        <translation>縮小（−）</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zoom in (+)</source>
        <translation>拡大（+）</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>The whole picture in the window (0)</source>
        <translation>画像全体をウィンドウに表示（0）</translation>
    </message>
    <message>
        <source>One pixel of the picture to a pixel of the screen (1)</source>
        <translation>画像の 1 ピクセルを画面の 1 ピクセルで表示（1）</translation>
    </message>
    <message>
        <source>Each pixel of the picture as two of the screen (2)</source>
        <translation>画像の 1 ピクセルを画面の 2 ピクセルで表示（2）</translation>
    </message>
    <message>
        <source>The structural similarity (SSIM) of the result to the original, over red, green and blue: 1 for the same picture, lower as they drift apart.</source>
        <translation>赤・緑・青で測った、元画像に対する結果の構造的類似度（SSIM）。同じ画像なら 1 で、違いが大きいほど低くなります。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Compare “%1”</source>
        <translation>「%1」を比較</translation>
    </message>
    <message>
        <source>which saved file is shown against the original</source>
        <translation>元画像と比べて表示する保存済みファイル</translation>
    </message>
    <message>
        <source>%1 × %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>元画像</translation>
    </message>
    <message>
        <source>The original and the %1 image</source>
        <translation>元画像と「%1」の画像</translation>
    </message>
    <message>
        <source>The original could not be read.</source>
        <translation>元画像を読み込めませんでした。</translation>
    </message>
    <message>
        <source>This file could not be read.</source>
        <translation>このファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Measuring similarity…</source>
        <translation>類似度を測定しています…</translation>
    </message>
    <message>
        <source>Similarity %1 (SSIM)</source>
        <translation>類似度 %1（SSIM）</translation>
    </message>
    <message>
        <source>Similarity could not be measured.</source>
        <translation>類似度を測定できませんでした。</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>ズーム %1</translation>
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
        <translation>[API キー]</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Selected Images</source>
        <translation>選択した画像</translation>
    </message>
    <message>
        <source>The queue: one row per image with its state, message and saved files. Enter compares a done image with its result, the Menu key lists what can be done with the current image, and Space removes it. Images and folders can be dropped here.</source>
        <translation>キュー：画像ごとに 1 行で、状態、メッセージ、保存したファイルを表示します。Enter キーで完了した画像を結果と比較し、メニューキーで現在の画像に対してできる操作を一覧し、Space キーでその画像をキューから外します。画像やフォルダーをここにドロップできます。</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>On this computer</source>
        <translation>このコンピューター</translation>
    </message>
    <message>
        <source>Tovalin service</source>
        <translation>Tovalin サービス</translation>
    </message>
</context>
<context>
    <name>EngineProcess</name>
    <message>
        <source>no answer within %1 seconds.</source>
        <translation>%1 秒以内に応答がありません。</translation>
    </message>
    <message>
        <source>it ended unexpectedly.</source>
        <translation>予期せず終了しました。</translation>
    </message>
    <message>
        <source>it ended with status %1.</source>
        <translation>ステータス %1 で終了しました。</translation>
    </message>
    <message>
        <source>it did not say where it listens.</source>
        <translation>待ち受け先を知らせませんでした。</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>Could not read “%1”: %2.</source>
        <translation>「%1」を読み込めませんでした：%2。</translation>
    </message>
    <message>
        <source>“%1” changed while it was being sent; nothing was saved for it.</source>
        <translation>「%1」は送信中に変更されたため、何も保存していません。</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being sent; nothing was saved for it.</source>
        <translation>「%1」は送信中に削除されたため、何も保存していません。</translation>
    </message>
    <message>
        <source>Not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>ローカルファイルではありません</translation>
    </message>
    <message>
        <source>“%1” was removed while it was being optimized; nothing was saved for it.</source>
        <translation>「%1」は最適化中に削除されたため、何も保存していません。</translation>
    </message>
    <message>
        <source>Cannot write to “%1”.</source>
        <translation>「%1」に書き込めません。</translation>
    </message>
    <message>
        <source>No name is free for the results in “%1”.</source>
        <translation>「%1」に結果を保存できる空き名がありません。</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Folder for the Results</source>
        <translation>結果を保存するフォルダー</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>The image could not be read.</source>
        <translation>画像を読み込めませんでした。</translation>
    </message>
</context>
<context>
    <name>ImageJob</name>
    <message>
        <source>Ready to optimize.</source>
        <translation>最適化の準備ができました。</translation>
    </message>
</context>
<context>
    <name>ItemPickerDialog</name>
    <message>
        <source>Images (%1)</source>
        <translation>画像（%1）</translation>
    </message>
    <message>
        <source>Raw camera images (%1)</source>
        <translation>カメラの RAW 画像（%1）</translation>
    </message>
    <message>
        <source>Choose images or folders to optimize</source>
        <translation>最適化する画像またはフォルダーを選択</translation>
    </message>
</context>
<context>
    <name>JobListView</name>
    <message>
        <source>Drop images or folders here</source>
        <translation>ここに画像またはフォルダーをドロップ</translation>
    </message>
    <message>
        <source>Drop to add to the queue</source>
        <translation>ドロップしてキューに追加</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>元画像</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>「%1」を開く</translation>
    </message>
    <message>
        <source>Show %1 in Folder</source>
        <translation>「%1」をフォルダーで表示</translation>
    </message>
    <message>
        <source>Remove from Queue</source>
        <translation>キューから外す</translation>
    </message>
    <message numerus="yes">
        <source>Optimize %n Again</source>
        <translation>
            <numerusform>%n 枚をもう一度最適化</numerusform>
        </translation>
    </message>
    <message>
        <source>Optimize Again</source>
        <translation>もう一度最適化</translation>
    </message>
</context>
<context>
    <name>JobRowDelegate</name>
    <message>
        <source>Remove from queue</source>
        <translation>キューから外す</translation>
    </message>
    <message>
        <source>Double-click or press Enter to compare with the original</source>
        <translation>ダブルクリックまたは Enter キーで元画像と比較</translation>
    </message>
</context>
<context>
    <name>JobStatus</name>
    <message>
        <source>Queued</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>処理中</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>LaunchArguments</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Opens the Tovalin Image Optimizer window with the given images queued; folders are
searched for images. When the window is already open, they join its queue and the
window is brought to the front.</source>
        <translation>指定した画像をキューに入れて Tovalin Image Optimizer のウィンドウを開きます。
フォルダー内の画像も探します。ウィンドウがすでに開いているときは、そのキューに追加して
ウィンドウを前面に出します。</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Image files and folders, as paths or file: URIs.</source>
        <translation>画像ファイルとフォルダー（パスまたは file: URI）。</translation>
    </message>
    <message>
        <source>[PATH...]</source>
        <comment>the arguments in the help&apos;s first line</comment>
        <translation>[PATH...]</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [PATH...]</source>
        <translation>使い方: %1 [オプション] [PATH...]</translation>
    </message>
    <message>
        <source>tovalin-image-optimizer: %1 is not on this computer; only local files and folders can be queued.</source>
        <translation>tovalin-image-optimizer: %1 はこのコンピューター上にありません。キューに入れられるのはローカルのファイルとフォルダーだけです。</translation>
    </message>
</context>
<context>
    <name>LinkButton</name>
    <message>
        <source>Opens %1 in the web browser.</source>
        <translation>%1 を Web ブラウザーで開きます。</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>The optimizer on this computer could not be started: %1</source>
        <translation>このコンピューターの最適化エンジンを起動できませんでした：%1</translation>
    </message>
    <message>
        <source>the program is closing.</source>
        <translation>プログラムを終了しています。</translation>
    </message>
    <message>
        <source>The optimizer on this computer is missing: %1 is not installed beside this program.</source>
        <translation>このコンピューターの最適化エンジンがありません：%1 がこのプログラムと同じ場所にインストールされていません。</translation>
    </message>
    <message>
        <source>The optimizer on this computer stopped unexpectedly; the next image starts it again.</source>
        <translation>このコンピューターの最適化エンジンが予期せず停止しました。次の画像で再び起動します。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
</context>
<context>
    <name>OptimizeCommand</name>
    <message>
        <source>the file system of %1 keeps no marks on files, so images there are sent even when their results are up to date.</source>
        <translation>%1 のファイルシステムはファイルにマークを保存しないため、そこにある画像は結果が最新でも送信されます。</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>詳しくは「%1 --help」を実行してください。</translation>
    </message>
    <message>
        <source>no PEM certificate could be read from %1.</source>
        <translation>%1 から PEM 証明書を読み込めませんでした。</translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>停止しています。もう一度中断するとすぐに終了します。</translation>
    </message>
    <message>
        <source>no images found in the given folders.</source>
        <translation>指定したフォルダーに画像が見つかりません。</translation>
    </message>
    <message>
        <source>warning: the key file is only for the Tovalin service; these images are optimized on this computer (--engine service sends them to the service).</source>
        <translation>警告：キーファイルは Tovalin サービス専用です。これらの画像はこのコンピューターで最適化されます（--engine service を指定するとサービスに送信します）。</translation>
    </message>
    <message>
        <source>--watch takes folders; %1 is not one.</source>
        <translation>--watch にはフォルダーを指定します。%1 はフォルダーではありません。</translation>
    </message>
</context>
<context>
    <name>OutputKind</name>
    <message>
        <source>Optimized</source>
        <translation>最適化済み</translation>
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
        <translation>まもなく完了</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>残り約 %1</translation>
    </message>
</context>
<context>
    <name>QueueHeader</name>
    <message>
        <source>Clear finished</source>
        <translation>完了分を消去</translation>
    </message>
    <message>
        <source>Clear queue</source>
        <translation>キューを空にする</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>選択した画像</translation>
    </message>
    <message>
        <source>Removes the images that are done from the queue.</source>
        <translation>完了した画像をキューから外します。</translation>
    </message>
    <message>
        <source>Removes every image from the queue but the one being optimized.</source>
        <translation>最適化中の画像を除き、すべての画像をキューから外します。</translation>
    </message>
    <message>
        <source>Add files to begin.</source>
        <translation>ファイルを追加して始めましょう。</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) left to optimize</source>
        <translation>
            <numerusform>最適化待ちの画像 %n 枚</numerusform>
        </translation>
    </message>
    <message>
        <source>Enter your API key to begin.</source>
        <translation>API キーを入力して始めましょう。</translation>
    </message>
    <message>
        <source>Press Optimize to begin.</source>
        <translation>「最適化」を押して始めましょう。</translation>
    </message>
</context>
<context>
    <name>QueueRunner</name>
    <message numerus="yes">
        <source>Optimizing %n image(s)…</source>
        <translation>
            <numerusform>%n 枚の画像を最適化しています…</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped by user.</source>
        <translation>ユーザーが停止しました。</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完了しました。</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>停止しました。</translation>
    </message>
    <message>
        <source>Sending to Tovalin…</source>
        <translation>Tovalin に送信しています…</translation>
    </message>
    <message>
        <source>The image could not be optimized.</source>
        <translation>画像を最適化できませんでした。</translation>
    </message>
    <message>
        <source>Optimized and saved locally.</source>
        <translation>最適化してローカルに保存しました。</translation>
    </message>
    <message>
        <source>“%1” is not this program&apos;s and was kept; this one is “%2”.</source>
        <translation>「%1」はこのプログラムのものではないため残しました。この結果は「%2」です。</translation>
    </message>
    <message>
        <source>Image is being optimized…</source>
        <translation>画像を最適化しています…</translation>
    </message>
    <message>
        <source>Every image is already optimized.</source>
        <translation>すべての画像が最適化済みです。</translation>
    </message>
</context>
<context>
    <name>ResizeMode</name>
    <message>
        <source>No resize</source>
        <translation>元のまま</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>埋める</translation>
    </message>
    <message>
        <source>Contain</source>
        <translation>収める</translation>
    </message>
</context>
<context>
    <name>RunNotifier</name>
    <message>
        <source>Done.</source>
        <translation>完了しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) optimized</source>
        <translation>
            <numerusform>最適化 %n 枚</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>失敗 %n 枚</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>停止 %n 枚</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>the parts of a run&apos;s outcome, joined</comment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of a run&apos;s outcome</comment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>RunProgress</name>
    <message>
        <source>Progress of the run</source>
        <translation>実行の進行状況</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>送信予定</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>変更前</translation>
    </message>
    <message>
        <source>AFTER</source>
        <translation>変更後</translation>
    </message>
    <message>
        <source>CHANGE</source>
        <translation>増減</translation>
    </message>
    <message>
        <source>MESSAGE</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>停止しました。</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>画像 1 枚</translation>
    </message>
    <message numerus="yes">
        <source>%n images</source>
        <translation>
            <numerusform>画像 %n 枚</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n done</source>
        <translation>
            <numerusform>完了 %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>失敗 %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stopped</source>
        <translation>
            <numerusform>停止 %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <translation>
            <numerusform>スキップ %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due</source>
        <translation>
            <numerusform>送信予定 %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>the images counted: how they ended</comment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 needs a width, a height or both.</source>
        <translation>「%1」には幅、高さ、またはその両方が必要です。</translation>
    </message>
    <message>
        <source>The width must be a whole number of pixels, 1 or more.</source>
        <translation>幅は 1 以上の整数のピクセル数にしてください。</translation>
    </message>
    <message>
        <source>The height must be a whole number of pixels, 1 or more.</source>
        <translation>高さは 1 以上の整数のピクセル数にしてください。</translation>
    </message>
    <message>
        <source>The width and the height must be whole numbers of pixels, 1 or more.</source>
        <translation>幅と高さは 1 以上の整数のピクセル数にしてください。</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Help: %1</source>
        <translation>ヘルプ：%1</translation>
    </message>
    <message>
        <source>Opens the article in the web browser.</source>
        <translation>記事を Web ブラウザーで開きます。</translation>
    </message>
    <message>
        <source>API Key</source>
        <translation>API キー</translation>
    </message>
    <message>
        <source>(Get an API Key)</source>
        <translation>（API キーを取得）</translation>
    </message>
    <message>
        <source>Your 20-character API key</source>
        <translation>20 文字の API キー</translation>
    </message>
    <message>
        <source>The API key of your Tovalin account. It is kept for the next start.</source>
        <translation>Tovalin アカウントの API キー。次回の起動に備えて保存されます。</translation>
    </message>
    <message>
        <source>Hide key</source>
        <translation>キーを隠す</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>キーを表示</translation>
    </message>
    <message>
        <source>Masks the API key again.</source>
        <translation>API キーを再び隠します。</translation>
    </message>
    <message>
        <source>Shows the API key in plain text.</source>
        <translation>API キーを平文で表示します。</translation>
    </message>
    <message>
        <source>Densora Level</source>
        <translation>Densora レベル</translation>
    </message>
    <message>
        <source>Learn about Lossy, Glossy, and Lossless</source>
        <translation>Lossy、Glossy、Lossless について</translation>
    </message>
    <message>
        <source>Compression levels</source>
        <translation>圧縮レベル</translation>
    </message>
    <message>
        <source>how strongly images are compressed</source>
        <translation>画像をどれだけ強く圧縮するか</translation>
    </message>
    <message>
        <source>Next Generation Images</source>
        <translation>次世代の画像形式</translation>
    </message>
    <message>
        <source>Create WebP (+ keep original)</source>
        <translation>WebP を作成（+ 元画像を保持）</translation>
    </message>
    <message>
        <source>Also saves a WebP version beside each image.</source>
        <translation>各画像の隣に WebP 版も保存します。</translation>
    </message>
    <message>
        <source>Create AVIF (+ keep original)</source>
        <translation>AVIF を作成（+ 元画像を保持）</translation>
    </message>
    <message>
        <source>Also saves an AVIF version beside each image.</source>
        <translation>各画像の隣に AVIF 版も保存します。</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>リサイズ</translation>
    </message>
    <message>
        <source>Learn how Tovalin resizes images automatically</source>
        <translation>Tovalin が画像を自動でリサイズするしくみ</translation>
    </message>
    <message>
        <source>how images are fitted to the width and height</source>
        <translation>画像を幅と高さにどう合わせるか</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>幅</translation>
    </message>
    <message>
        <source>Target width in pixels.</source>
        <translation>リサイズ後の幅（ピクセル）。</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Target height in pixels.</source>
        <translation>リサイズ後の高さ（ピクセル）。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Convert CMYK to RGB</source>
        <translation>CMYK を RGB に変換</translation>
    </message>
    <message>
        <source>Print colors are turned into screen colors.</source>
        <translation>印刷用の色を画面用の色に変換します。</translation>
    </message>
    <message>
        <source>Remove background</source>
        <translation>背景を除去</translation>
    </message>
    <message>
        <source>The service cuts the subject out of its background.</source>
        <translation>サービスが被写体を背景から切り抜きます。</translation>
    </message>
    <message>
        <source>Keep EXIF</source>
        <translation>EXIF を保持</translation>
    </message>
    <message>
        <source>Camera data such as date and place stay in the image.</source>
        <translation>日付や場所などのカメラのデータを画像に残します。</translation>
    </message>
    <message>
        <source>Upscale</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>How many times larger the service makes each image.</source>
        <translation>サービスが各画像を何倍に拡大するか。</translation>
    </message>
    <message>
        <source>Images at once</source>
        <translation>同時処理数</translation>
    </message>
    <message>
        <source>How many images are with the service at the same time.</source>
        <translation>サービスで同時に処理する画像の数。</translation>
    </message>
    <message>
        <source>Add images or folders…</source>
        <translation>画像またはフォルダーを追加…</translation>
    </message>
    <message>
        <source>Chooses images and folders to queue. They can also be dropped on the window.</source>
        <translation>キューに入れる画像やフォルダーを選びます。ウィンドウにドロップすることもできます。</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>最適化</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stops the run; the image in progress is marked stopped.</source>
        <translation>処理を停止します。処理中の画像は停止として記録されます。</translation>
    </message>
    <message>
        <source>Contact us with any issues, bug reports, or questions.</source>
        <translation>問題、バグ報告、ご質問はお気軽にお問い合わせください。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>About Tovalin Image Optimizer</source>
        <translation>Tovalin Image Optimizer について</translation>
    </message>
    <message>
        <source>Optimizes every image in the queue with the options above.</source>
        <translation>キュー内のすべての画像を上のオプションで最適化します。</translation>
    </message>
    <message>
        <source>Enter an API key and add images first.</source>
        <translation>先に API キーを入力し、画像を追加してください。</translation>
    </message>
    <message>
        <source>Enter an API key first.</source>
        <translation>先に API キーを入力してください。</translation>
    </message>
    <message>
        <source>Add images first.</source>
        <translation>先に画像を追加してください。</translation>
    </message>
    <message>
        <source>Images are being optimized.</source>
        <translation>画像を最適化しています。</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>サービス</translation>
    </message>
    <message>
        <source>where the images are optimized</source>
        <translation>画像を最適化する場所</translation>
    </message>
    <message>
        <source>Watch added folders</source>
        <translation>追加したフォルダーを監視</translation>
    </message>
    <message>
        <source>New images in the folders you added are queued as they appear.</source>
        <translation>追加したフォルダーに新しい画像が現れると、すぐにキューに追加します。</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Where results go</source>
        <translation>結果の保存先</translation>
    </message>
    <message>
        <source>Beside the originals</source>
        <translation>元の画像の隣</translation>
    </message>
    <message>
        <source>In a folder…</source>
        <translation>フォルダー…</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>ファイルの日時を保持</translation>
    </message>
    <message>
        <source>Every result gets the modification time of its original.</source>
        <translation>各結果に元の画像の更新日時を付けます。</translation>
    </message>
    <message>
        <source>Results are saved in %1.</source>
        <translation>結果は %1 に保存されます。</translation>
    </message>
    <message>
        <source>Results are saved beside their originals.</source>
        <translation>結果は元の画像の隣に保存されます。</translation>
    </message>
</context>
<context>
    <name>SizeText</name>
    <message>
        <source>Nothing saved</source>
        <translation>削減なし</translation>
    </message>
    <message>
        <source>Saved %1 of %2</source>
        <translation>%2 中 %1 を削減</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>「%1」より大きい</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Turns while images are being optimized.</source>
        <translation>画像の最適化中に回転します。</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>Almost done</source>
        <translation>まもなく完了</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>seconds</comment>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min</source>
        <comment>minutes</comment>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours</comment>
        <translation>%1 時間</translation>
    </message>
    <message>
        <source>About %1 left</source>
        <translation>残り約 %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>TovalinError</name>
    <message>
        <source>(binary)</source>
        <translation>（バイナリ）</translation>
    </message>
    <message>
        <source>Unexpected API response: %1</source>
        <translation>予期しない API の応答：%1</translation>
    </message>
    <message>
        <source>Failed to encode parameters.</source>
        <translation>パラメーターをエンコードできませんでした。</translation>
    </message>
    <message>
        <source>Tovalin did not return any data.</source>
        <translation>Tovalin からデータが返されませんでした。</translation>
    </message>
    <message>
        <source>No download URL returned for this configuration.</source>
        <translation>この設定に対するダウンロード URL が返されませんでした。</translation>
    </message>
    <message>
        <source>Could not save the optimized file.</source>
        <translation>最適化したファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>Could not download the optimized file (HTTP status %1).</source>
        <translation>最適化したファイルをダウンロードできませんでした（HTTP ステータス %1）。</translation>
    </message>
    <message>
        <source>Could not download the optimized file (empty response).</source>
        <translation>最適化したファイルをダウンロードできませんでした（空の応答）。</translation>
    </message>
</context>
<context>
    <name>TransportError</name>
    <message>
        <source>The connection timed out: no data moved for %1 seconds.</source>
        <translation>接続がタイムアウトしました：%1 秒間データが転送されませんでした。</translation>
    </message>
    <message>
        <source>The reply is larger than %1, the most this program accepts.</source>
        <translation>応答がこのプログラムの上限である %1 を超えています。</translation>
    </message>
    <message>
        <source>The server “%1” could not be found.</source>
        <translation>サーバー「%1」が見つかりません。</translation>
    </message>
    <message>
        <source>The proxy server could not be found.</source>
        <translation>プロキシサーバーが見つかりません。</translation>
    </message>
    <message>
        <source>Could not connect to the server “%1”.</source>
        <translation>サーバー「%1」に接続できませんでした。</translation>
    </message>
    <message>
        <source>The secure connection to “%1” could not be established: %2.</source>
        <translation>「%1」との安全な接続を確立できませんでした：%2。</translation>
    </message>
    <message>
        <source>The service redirected the request to an address it may not go to.</source>
        <translation>サービスがリクエストを許可されていないアドレスにリダイレクトしました。</translation>
    </message>
    <message>
        <source>Too many redirects.</source>
        <translation>リダイレクトが多すぎます。</translation>
    </message>
    <message>
        <source>The connection to the service was closed before it answered.</source>
        <translation>サービスが応答する前に接続が閉じられました。</translation>
    </message>
    <message>
        <source>The connection was closed before the whole reply arrived.</source>
        <translation>応答をすべて受け取る前に接続が閉じられました。</translation>
    </message>
    <message>
        <source>Refused to connect to “%1”: only secure (https) addresses are allowed.</source>
        <translation>「%1」への接続を拒否しました：安全な（https）アドレスだけが許可されています。</translation>
    </message>
    <message>
        <source>The connection could not be set up.</source>
        <translation>接続を確立できませんでした。</translation>
    </message>
</context>
<context>
    <name>UpToDateJobs</name>
    <message>
        <source>Already optimized.</source>
        <translation>最適化済みです。</translation>
    </message>
</context>
<context>
    <name>UpscaleFactor</name>
    <message>
        <source>No upscale</source>
        <translation>拡大しない</translation>
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
        <translation>警告: システムの制限（fs.inotify.max_user_watches）により、これ以上フォルダーを監視できません。監視していないフォルダーの画像は、次に監視を始めるまで検出されません。</translation>
    </message>
    <message>
        <source>cannot watch %1.</source>
        <translation>%1 を監視できません。</translation>
    </message>
    <message numerus="yes">
        <source>watching %n folder(s); stop with Ctrl-C.</source>
        <translation>
            <numerusform>%n 個のフォルダーを監視中です。Ctrl-C で停止します。</numerusform>
        </translation>
    </message>
    <message>
        <source>stopping; interrupt again to quit at once.</source>
        <translation>停止しています。もう一度中断するとすぐに終了します。</translation>
    </message>
</context>
</TS>
